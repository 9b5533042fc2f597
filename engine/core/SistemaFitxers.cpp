#include "engine/core/SistemaFitxers.h"

#include "engine/core/NumerosC.h"
#include "platform/Files.h"
#include "platform/Paths.h"

#include <cctype>
#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <strings.h>
#include <sys/stat.h>
#include <algorithm>

CSistemaFitxers* g_pSistemaFitxers = nullptr;
CSistemaFitxers* g_pSistemaFitxersUsuari = nullptr;

namespace {

// Names are kept in fields of 1024 characters: longer ones are refused.
constexpr size_t kMidaNom = 1024;

inline bool EsSeparador(char c) { return c == '\\' || c == '/'; }

inline int Minuscula(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }

// Reads a whole file from disk in binary mode; false when it cannot be read.
bool LlegeixFitxerSencer(const std::string& ruta, std::string* out)
{
    FILE* f = std::fopen(ruta.c_str(), "rb");
    if (!f) return false;
    out->clear();
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out->append(buf, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

// Text-mode view of bytes read from disk: a CR just before an LF is dropped.
void TreuRetornsDeLinia(std::string* text)
{
    size_t w = 0;
    for (size_t r = 0; r < text->size(); ++r) {
        if ((*text)[r] == '\r' && r + 1 < text->size() && (*text)[r + 1] == '\n') continue;
        (*text)[w++] = (*text)[r];
    }
    text->resize(w);
}

} // namespace

CSistemaFitxers::CSistemaFitxers() { Neteja(); }

CSistemaFitxers::~CSistemaFitxers()
{
    if (m_bInicialitzat) Allibera();
}

void CSistemaFitxers::Neteja()
{
    m_pArxiu = nullptr;
    m_sRutaArxiu.clear();
    m_sRutaIndex.clear();
    m_aDirectoris.clear();
    m_acIdioma[0] = 'X';
    m_acIdioma[1] = 'X';
    m_acIdioma[2] = '\0';
    m_sCarpetaUsuari.clear();
}

bool CSistemaFitxers::IniciaComu(const char* fabricant, const char* producte)
{
    if (m_bInicialitzat) Allibera();
    Neteja();
    m_oberts.Inicia();
    m_sFabricant = fabricant ? fabricant : "";
    m_sProducte = producte ? producte : "";
    return true;
}

bool CSistemaFitxers::Inicia(const char* fabricant, const char* producte)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (!IniciaComu(fabricant, producte)) return false;
    m_bInicialitzat = 1;
    return true;
}

bool CSistemaFitxers::IniciaAmbArxiu(const char* arxiu, const char* index, const char* fabricant,
                                     const char* producte)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_sError.clear();
    if (!IniciaComu(fabricant, producte)) return false;
    m_bInicialitzat = 1;
    if (!arxiu || !index || std::strlen(arxiu) >= kMidaNom || std::strlen(index) >= kMidaNom)
        return Falla("no archive name");
    m_sRutaArxiu = arxiu;
    m_sRutaIndex = index;
    std::string real;
    const bool bArxiu = plat::ResolveExisting(arxiu, &real), bIndex = plat::ResolveExisting(index, &real);
    if (!bArxiu || !bIndex) {
        std::string on;
        for (const std::string& carpeta : plat::DataRootCandidates()) on += (on.empty() ? "" : ", ") + carpeta;
        std::string falta = !bArxiu && !bIndex ? std::string(arxiu) + " and " + index : !bArxiu ? arxiu : index;
        return Falla(falta + " not found; looked in " + on);
    }
    m_pArxiu = std::fopen(plat::ResolvePath(arxiu).c_str(), "rb");
    if (!m_pArxiu) return Falla(std::string(arxiu) + " cannot be opened");
    std::string text;
    if (!LlegeixFitxerSencer(plat::ResolvePath(index), &text)) return Falla(std::string(index) + " cannot be read");
    TreuRetornsDeLinia(&text);
    if (!LlegeixIndex(text.data(), text.size())) return Falla(std::string(index) + " is not an archive index");
    // Every entry must lie inside the archive as it is: a cut or damaged copy
    // is refused here, not found out file by file later.
    struct stat st;
    if (fstat(fileno(m_pArxiu), &st) != 0) return Falla(std::string(arxiu) + " cannot be measured");
    int64_t iNecessari = 0;
    for (const DirectoriArxiu& d : m_aDirectoris)
        for (const EntradaFitxer& e : d.m_aFitxers) iNecessari = std::max(iNecessari, e.m_iOffset + e.m_iMida);
    if (iNecessari > static_cast<int64_t>(st.st_size))
        return Falla(std::string(arxiu) + " is damaged: " + std::to_string(st.st_size) + " bytes, its index needs " +
                     std::to_string(iNecessari));
    return true;
}

bool CSistemaFitxers::Falla(const std::string& error)
{
    Allibera();
    m_sError = error;
    return false;
}

void CSistemaFitxers::Allibera()
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_aDirectoris.clear();
    if (m_oberts.m_bIniciada) {
        while (!m_oberts.EstaVacia()) {
            m_oberts.VaAlPrincipio();
            auto* f = static_cast<EntradaFitxer*>(m_oberts.Actual());
            m_oberts.BorraActual();
            if (f && f->m_pFitxer) std::fclose(f->m_pFitxer);
            delete f;
        }
        m_oberts.Libera();
    }
    if (m_pArxiu) std::fclose(m_pArxiu);
    m_pArxiu = nullptr;
    m_bInicialitzat = 0;
}

bool CSistemaFitxers::LlegeixIndex(const char* text, size_t mida)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_aDirectoris.clear();
    int64_t k = 0; // F lines so far in the whole index
    size_t p = 0;
    bool ok = true;
    while (ok && p < mida) {
        size_t fi = p;
        while (fi < mida && text[fi] != '\n') ++fi;
        std::string linia(text + p, fi - p);
        p = fi + 1;
        if (linia.empty()) continue;
        if (linia.size() < 2 || linia[1] != '=') {
            ok = false;
        } else if (linia[0] == 'D') {
            std::string nom = linia.substr(2);
            if (nom.empty() || nom.size() >= kMidaNom) {
                ok = false;
            } else {
                DirectoriArxiu d;
                d.m_sNom = std::move(nom);
                m_aDirectoris.push_back(std::move(d));
            }
        } else if (linia[0] == 'F') {
            std::string resta = linia.substr(2);
            size_t ultim = resta.rfind(' ');
            size_t penultim = (ultim == std::string::npos || ultim == 0) ? std::string::npos : resta.rfind(' ', ultim - 1);
            if (m_aDirectoris.empty() || penultim == std::string::npos || penultim == 0 || penultim >= kMidaNom) {
                ok = false;
            } else {
                // The numbers are shifted by the entry number so that the
                // index does not show the layout of the archive at a glance.
                int64_t a = k % 256;
                int64_t b = (256 - (k % 256)) % 256;
                long long n1 = Entero64DeTexto(resta.c_str() + penultim + 1);
                long long n2 = Entero64DeTexto(resta.c_str() + ultim + 1);
                EntradaFitxer e;
                e.m_sNom = resta.substr(0, penultim);
                e.m_iOffset = (n1 < INT64_MIN + a) ? INT64_MIN : n1 - a;
                e.m_iMida = (n2 < INT64_MIN + b) ? INT64_MIN : n2 - b;
                // A negative or overflowing place cannot be read back.
                if (e.m_iOffset < 0 || e.m_iMida < 0 || e.m_iOffset > INT64_MAX - e.m_iMida)
                    ok = false;
                else
                    m_aDirectoris.back().m_aFitxers.push_back(std::move(e));
                ++k;
            }
        } else {
            ok = false;
        }
    }
    if (!ok) m_aDirectoris.clear();
    return ok;
}

void CSistemaFitxers::CambiaIdioma(char primera, char segona)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_acIdioma[0] = primera;
    m_acIdioma[1] = segona;
}

bool CSistemaFitxers::TeMarcaIdioma(const char* nom)
{
    return nom && std::strlen(nom) < kMidaNom && std::strstr(nom, "_XX") != nullptr;
}

const char* CSistemaFitxers::CarpetaUsuari()
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_sCarpetaUsuari = plat::UserFolder(m_sFabricant, m_sProducte, true);
    return m_sCarpetaUsuari.c_str();
}

std::string CSistemaFitxers::NomAmbIdioma(const char* nom) const
{
    std::string s(nom);
    // The per-user folder is not a data name: its own path is left as it is.
    size_t inici = 0;
    std::string carpeta = plat::UserFolder(m_sFabricant, m_sProducte, false);
    if (!carpeta.empty() && s.compare(0, carpeta.size(), carpeta) == 0 &&
        (s.size() == carpeta.size() || EsSeparador(s[carpeta.size()])))
        inici = carpeta.size();
    for (size_t i = s.find("_XX", inici); i != std::string::npos; i = s.find("_XX", i + 3)) {
        s[i + 1] = m_acIdioma[0];
        s[i + 2] = m_acIdioma[1];
    }
    return s;
}

int CSistemaFitxers::ComparaRutes(const char* a, const char* b)
{
    if (!a || !b) return a == b ? 0 : 1;
    for (;;) {
        if (*a == '\\' && *b == '\\') {
            while (*a == '\\') ++a;
            while (*b == '\\') ++b;
            continue;
        }
        int ca = Minuscula(static_cast<unsigned char>(*a));
        int cb = Minuscula(static_cast<unsigned char>(*b));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
        ++a;
        ++b;
    }
}

const EntradaFitxer* CSistemaFitxers::BuscaAlArxiu(const char* ruta)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (!ruta) return nullptr;
    size_t n = std::strlen(ruta);
    size_t sep = n;
    while (sep > 0 && !EsSeparador(ruta[sep - 1])) --sep;
    if (sep == 0) return nullptr; // no separator: never archived
    const char* nomFitxer = ruta + sep;
    size_t fiDir = sep - 1;
    while (fiDir > 0 && EsSeparador(ruta[fiDir - 1])) --fiDir;
    std::string dir(ruta, fiDir);
    for (const DirectoriArxiu& d : m_aDirectoris) {
        if (ComparaRutes(d.m_sNom.c_str() + 1, dir.c_str()) != 0) continue;
        for (const EntradaFitxer& e : d.m_aFitxers)
            if (strcasecmp(e.m_sNom.c_str(), nomFitxer) == 0) return &e;
        return nullptr;
    }
    return nullptr;
}

EntradaFitxer* CSistemaFitxers::Obre(const char* nom, int flags)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (!m_bInicialitzat || !nom || std::strlen(nom) >= kMidaNom) return nullptr;
    std::string real = NomAmbIdioma(nom);
    if (m_pArxiu) {
        if (const EntradaFitxer* e = BuscaAlArxiu(real.c_str())) {
            auto* f = new EntradaFitxer(*e);
            f->m_bDisc = 0;
            f->m_iPosicio = 0;
            m_oberts.InsertaAlFinal(f);
            return f;
        }
    }
    return ObreDeDisc(real, flags);
}

EntradaFitxer* CSistemaFitxers::ObreDeDisc(const std::string& nom, int flags)
{
    std::string mode;
    if (flags & FITXER_LECTURA)
        mode = "r";
    else if (flags & FITXER_ESCRIPTURA)
        mode = "w";
    else if (flags & FITXER_AFEGIR)
        mode = "a";
    else
        return nullptr;
    if (flags & FITXER_BINARI) mode += "b";
    if (flags & FITXER_ACTUALITZA) mode += "+";
    FILE* fp = std::fopen(plat::ResolvePath(nom).c_str(), mode.c_str());
    if (!fp) return nullptr;
    auto* f = new EntradaFitxer;
    f->m_sNom = nom;
    f->m_bDisc = 1;
    f->m_pFitxer = fp;
    f->m_bText = (flags & FITXER_BINARI) ? 0 : 1;
    m_oberts.InsertaAlFinal(f);
    return f;
}

bool CSistemaFitxers::Tanca(EntradaFitxer* f)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (!f || !m_oberts.m_bIniciada || !m_oberts.Busca(f)) return false;
    m_oberts.BorraActual();
    bool ok = true;
    if (f->m_pFitxer) {
        ok = !std::ferror(f->m_pFitxer);
        ok = std::fclose(f->m_pFitxer) == 0 && ok;
    }
    delete f;
    return ok;
}

bool CSistemaFitxers::Sincronitza(EntradaFitxer* f)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (!f || !f->m_bDisc) return false;
    return plat::FlushToDisk(f->m_pFitxer);
}

int CSistemaFitxers::LlegeixByteDisc(EntradaFitxer* f)
{
    int c = getc_unlocked(f->m_pFitxer);
    if (c == '\r' && f->m_bText) {
        int seguent = getc_unlocked(f->m_pFitxer);
        if (seguent == '\n') return '\n';
        if (seguent != EOF) ungetc(seguent, f->m_pFitxer);
    }
    return c;
}

int CSistemaFitxers::Llegeix(void* buffer, int midaElement, int nombre, EntradaFitxer* f)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (!buffer || !f) return -1;
    if (midaElement <= 0 || nombre <= 0) return 0;
    auto* bytes = static_cast<unsigned char*>(buffer);
    if (f->m_bDisc) {
        if (!f->m_bText) return static_cast<int>(std::fread(buffer, static_cast<size_t>(midaElement), static_cast<size_t>(nombre), f->m_pFitxer));
        size_t total = static_cast<size_t>(midaElement) * static_cast<size_t>(nombre);
        size_t llegits = 0;
        flockfile(f->m_pFitxer);
        while (llegits < total) {
            int c = LlegeixByteDisc(f);
            if (c == EOF) break;
            bytes[llegits++] = static_cast<unsigned char>(c);
        }
        funlockfile(f->m_pFitxer);
        return static_cast<int>(llegits / static_cast<size_t>(midaElement));
    }
    // Archived: only the whole elements left in the entry are read.
    int64_t queden = (f->m_iMida - f->m_iPosicio) / midaElement;
    if (queden <= 0 || !m_pArxiu) return 0;
    if (nombre > queden) nombre = static_cast<int>(queden);
    size_t demanats = static_cast<size_t>(midaElement) * static_cast<size_t>(nombre);
    if (fseeko(m_pArxiu, static_cast<off_t>(f->m_iOffset + f->m_iPosicio), SEEK_SET) != 0) return 0;
    size_t llegits = std::fread(buffer, 1, demanats, m_pArxiu);
    // Byte j of an entry is stored XOR (j mod 256).
    uint8_t clau = static_cast<uint8_t>(f->m_iPosicio & 0xFF);
    for (size_t i = 0; i < llegits; ++i) bytes[i] ^= static_cast<uint8_t>(clau + i);
    f->m_iPosicio += static_cast<int64_t>(llegits);
    // The entry holds these bytes: fewer is a failure, never an end.
    if (llegits < demanats) return -1;
    return static_cast<int>(llegits / static_cast<size_t>(midaElement));
}

int CSistemaFitxers::LlegeixCaracter(EntradaFitxer* f)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (!f) return -1;
    if (f->m_bDisc) {
        int c = LlegeixByteDisc(f);
        return c == EOF ? -1 : c;
    }
    if (f->m_iPosicio >= f->m_iMida || !m_pArxiu) return -1;
    if (fseeko(m_pArxiu, static_cast<off_t>(f->m_iOffset + f->m_iPosicio), SEEK_SET) != 0) return -1;
    int c = std::fgetc(m_pArxiu);
    if (c == EOF) return -1;
    c ^= static_cast<int>(f->m_iPosicio & 0xFF);
    ++f->m_iPosicio;
    return c;
}

int CSistemaFitxers::EscriuFormat(EntradaFitxer* f, const char* format, ...)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (!f || !f->m_bDisc || !format) return -1;
    va_list args;
    va_start(args, format);
    int n = EscribeFormatoC(f->m_pFitxer, format, args);
    va_end(args);
    return n;
}

int CSistemaFitxers::Situa(EntradaFitxer* f, long offset, int origen)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (!f) return -1;
    if (f->m_bDisc) {
        int quin = origen == 0 ? SEEK_SET : origen == 1 ? SEEK_END : origen == 2 ? SEEK_CUR : -1;
        if (quin < 0) return -1;
        return fseeko(f->m_pFitxer, static_cast<off_t>(offset), quin);
    }
    // Both terms lie in 0..INT64_MAX: an overflowing sum or difference is
    // past one end and is limited to it below.
    int64_t p;
    bool fora = false;
    switch (origen) {
    case 0: p = offset; break;
    case 1: fora = __builtin_sub_overflow(f->m_iMida, static_cast<int64_t>(offset), &p); break;
    case 2: fora = __builtin_add_overflow(f->m_iPosicio, static_cast<int64_t>(offset), &p); break;
    default: return -1;
    }
    if (fora) p = (origen == 1) == (offset < 0) ? f->m_iMida : 0;
    if (p < 0) p = 0;
    if (p > f->m_iMida) p = f->m_iMida;
    f->m_iPosicio = p;
    return 0;
}

long CSistemaFitxers::Posicio(EntradaFitxer* f)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (!f) return -1;
    if (f->m_bDisc) return static_cast<long>(ftello(f->m_pFitxer));
    return static_cast<long>(f->m_iPosicio);
}

bool CSistemaFitxers::FiFitxer(EntradaFitxer* f)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (!f) return true;
    if (f->m_bDisc) return std::feof(f->m_pFitxer) != 0;
    return f->m_iPosicio >= f->m_iMida;
}
