#include "engine/core/GestorComandes.h"

#include "engine/core/NumerosC.h"
#include "engine/core/SistemaFitxers.h"
#include "platform/Files.h"
#include "platform/Paths.h"

#include <cfloat>
#include <cmath>
#include <new>
#include <strings.h>

CGestorComandes* g_pGestorComandes = nullptr;

namespace {

// Bytes of an open command file, through its read-ahead buffer.
struct FontFitxer {
    FitxerComandes* f;
    int operator()()
    {
        if (f->m_iBufferPos >= f->m_iBufferMida) {
            if (f->m_bFiDades) return -1;
            int n = f->m_pSistema->Llegeix(f->m_acBuffer, 1, static_cast<int>(sizeof f->m_acBuffer), f->m_pFitxer);
            if (n <= 0) {
                f->m_bFiDades = true;
                return -1;
            }
            f->m_iBufferMida = n;
            f->m_iBufferPos = 0;
        }
        return f->m_acBuffer[f->m_iBufferPos++];
    }
};

struct FontMemoria {
    const unsigned char* p;
    size_t mida;
    size_t pos = 0;
    int operator()() { return pos < mida ? p[pos++] : -1; }
};

// The reader's state machine over a byte source; true when a command was
// completed by its ';'. On false the partial command is discarded.
template <class Font>
bool ParsejaComanda(Font& font, FitxerComandes* f)
{
    f->m_bTeNom = false;
    f->m_sNom.clear();
    f->m_aParametres.clear();
    f->m_iParametre = 0;
    std::string nom;
    std::string parametre;
    bool enParametres = false, cometes = false, comentari = false, barra = false;
    auto afegeix = [&](char c) {
        if (!enParametres) {
            if (nom.size() < CGestorComandes::kMaxNom) nom += c;
        } else if (parametre.size() < CGestorComandes::kMaxParametre) {
            parametre += c;
        }
    };
    for (;;) {
        int c = font();
        if (c < 0) {
            f->m_bFinalIncomplet = !nom.empty() || enParametres || cometes || barra || !parametre.empty() ||
                                   !f->m_aParametres.empty();
            f->m_aParametres.clear();
            return false;
        }
        if (comentari) {
            if (c == '\n') comentari = false;
            continue;
        }
        if (cometes) {
            if (c == '"')
                cometes = false;
            else
                afegeix(static_cast<char>(c));
            continue;
        }
        if (c == '/') {
            if (barra) {
                barra = false;
                comentari = true;
            } else {
                barra = true;
            }
            continue;
        }
        if (barra) {
            afegeix('/');
            barra = false;
        }
        switch (c) {
        case '\t':
        case '\n':
        case '\r':
        case ' ':
            break;
        case '"':
            if (enParametres) cometes = true;
            break;
        case ',':
            f->m_aParametres.push_back({parametre, PARAMETRE_TEXT});
            parametre.clear();
            break;
        case ';':
            f->m_aParametres.push_back({parametre, PARAMETRE_TEXT});
            return true;
        case '=':
            if (!enParametres) {
                f->m_sNom = nom;
                f->m_bTeNom = true;
                enParametres = true;
            }
            break;
        default:
            afegeix(static_cast<char>(c));
            break;
        }
    }
}

const ParametreComanda* Seguent(FitxerComandes* f)
{
    if (!f || !f->m_bLectura || f->m_iParametre >= f->m_aParametres.size()) return nullptr;
    return &f->m_aParametres[f->m_iParametre++];
}

} // namespace

CGestorComandes::~CGestorComandes() { Allibera(); }

bool CGestorComandes::Inicia()
{
    if (m_bInicialitzat) Allibera();
    m_oberts.Inicia();
    m_bInicialitzat = 1;
    return true;
}

void CGestorComandes::Allibera()
{
    TancaTots();
    m_oberts.Libera();
    m_bInicialitzat = 0;
}

void CGestorComandes::TancaTots()
{
    if (!m_oberts.m_bIniciada) return;
    while (!m_oberts.EstaVacia()) {
        m_oberts.VaAlPrincipio();
        auto* f = static_cast<FitxerComandes*>(m_oberts.Actual());
        m_oberts.BorraActual();
        Allibera(f);
    }
}

bool CGestorComandes::Allibera(FitxerComandes* f)
{
    if (!f) return false;
    bool ok = true;
    if (f->m_pSistema && f->m_pFitxer) ok = f->m_pSistema->Tanca(f->m_pFitxer);
    delete f;
    return ok;
}

bool CGestorComandes::LlegeixComandaDe(const unsigned char* dades, size_t mida, size_t* consumits, FitxerComandes* f)
{
    if (!f) return false;
    FontMemoria font{dades, dades ? mida : 0};
    bool ok = ParsejaComanda(font, f);
    if (consumits) *consumits = font.pos;
    return ok;
}

FitxerComandes* CGestorComandes::ObreLectura(const char* ruta)
{
    if (!m_bInicialitzat || !ruta || !ruta[0] || !g_pSistemaFitxers) return nullptr;
    EntradaFitxer* e = g_pSistemaFitxers->Obre(ruta, FITXER_LECTURA);
    if (!e) return nullptr;
    auto* f = new FitxerComandes;
    f->m_pSistema = g_pSistemaFitxers;
    f->m_pFitxer = e;
    f->m_sRuta = ruta;
    f->m_bLectura = 1;
    FontFitxer font{f};
    if (!ParsejaComanda(font, f)) {
        Allibera(f);
        return nullptr;
    }
    m_oberts.InsertaAlPrincipio(f);
    return f;
}

bool CGestorComandes::LlegeixComanda(FitxerComandes* f)
{
    if (!f || !f->m_bLectura) return false;
    FontFitxer font{f};
    return ParsejaComanda(font, f);
}

const char* CGestorComandes::NomComanda(FitxerComandes* f)
{
    if (!f || !f->m_bLectura || !f->m_bTeNom) return nullptr;
    return f->m_sNom.c_str();
}

void CGestorComandes::RebobinaParametres(FitxerComandes* f)
{
    if (f) f->m_iParametre = 0;
}

bool CGestorComandes::FiParametres(FitxerComandes* f)
{
    return !f || !f->m_bLectura || f->m_iParametre >= f->m_aParametres.size();
}

const char* CGestorComandes::LlegeixText(FitxerComandes* f)
{
    const ParametreComanda* p = Seguent(f);
    return p ? p->m_sText.c_str() : nullptr;
}

int CGestorComandes::LlegeixEnter(FitxerComandes* f)
{
    const ParametreComanda* p = Seguent(f);
    return p ? EnteroDeTexto(p->m_sText.c_str()) : -1;
}

float CGestorComandes::LlegeixReal(FitxerComandes* f)
{
    const ParametreComanda* p = Seguent(f);
    if (!p) return -1.0f;
    // A value beyond the float range is clamped to it, never converted
    // out of range.
    double v = RealDeTexto(p->m_sText.c_str());
    if (v > FLT_MAX) return std::isinf(v) ? HUGE_VALF : FLT_MAX;
    if (v < -FLT_MAX) return std::isinf(v) ? -HUGE_VALF : -FLT_MAX;
    return static_cast<float>(v);
}

int CGestorComandes::LlegeixCodi(FitxerComandes* f)
{
    const ParametreComanda* p = Seguent(f);
    if (!p || strcasecmp(p->m_sText.c_str(), "NONE") == 0) return -1;
    uint32_t codi = 0;
    for (size_t i = 0; i < 4; ++i) {
        uint32_t c = i < p->m_sText.size() ? static_cast<unsigned char>(p->m_sText[i]) : 0u;
        codi = (codi << 8) | c;
    }
    return static_cast<int>(codi);
}

FitxerComandes* CGestorComandes::ObreEscriptura(const char* ruta)
{
    if (!m_bInicialitzat || !ruta || !ruta[0] || !g_pSistemaFitxers) return nullptr;
    EntradaFitxer* e = g_pSistemaFitxers->Obre(ruta, FITXER_ESCRIPTURA);
    if (!e) return nullptr;
    if (!e->m_bDisc) { // an archived name cannot be written
        g_pSistemaFitxers->Tanca(e);
        return nullptr;
    }
    auto* f = new FitxerComandes;
    f->m_pSistema = g_pSistemaFitxers;
    f->m_pFitxer = e;
    f->m_sRuta = ruta;
    f->m_bLectura = 0;
    m_oberts.InsertaAlPrincipio(f);
    return f;
}

void CGestorComandes::AfegeixParametre(FitxerComandes* f, std::string text, int tipus)
{
    f->m_aParametres.push_back({std::move(text), tipus});
}

void CGestorComandes::EscriuNomComanda(FitxerComandes* f, const char* nom)
{
    if (!f || !nom || f->m_bLectura) return;
    f->m_sNom = nom;
    f->m_bTeNom = true;
}

void CGestorComandes::EscriuEnter(FitxerComandes* f, int valor)
{
    if (!f || f->m_bLectura) return;
    AfegeixParametre(f, FormatoC("%d", valor), PARAMETRE_ENTER);
}

void CGestorComandes::EscriuReal(FitxerComandes* f, float valor)
{
    if (!f || f->m_bLectura) return;
    AfegeixParametre(f, FormatoC("%.3f", static_cast<double>(valor)), PARAMETRE_REAL);
}

void CGestorComandes::EscriuText(FitxerComandes* f, const char* text)
{
    if (!f || !text || f->m_bLectura) return;
    try {
        std::string s;
        s += '"';
        for (const char* p = text; *p; ++p)
            if (*p != '"') s += *p;
        s += '"';
        AfegeixParametre(f, std::move(s), PARAMETRE_TEXT);
    } catch (const std::bad_alloc&) {
        AfegeixParametre(f, "MEMORIA_INSUFICIENT", PARAMETRE_TEXT);
    }
}

void CGestorComandes::EscriuParametre(FitxerComandes* f, const char* text)
{
    if (!f || !text) return;
    AfegeixParametre(f, text, PARAMETRE_TEXT);
}

bool CGestorComandes::EscriuComanda(FitxerComandes* f)
{
    if (!f || f->m_bLectura) return false;
    std::string linia = f->m_bTeNom ? f->m_sNom : std::string("SENSE_COMANA");
    if (!f->m_aParametres.empty()) {
        linia += " = ";
        for (size_t i = 0; i < f->m_aParametres.size(); ++i) {
            if (i) linia += ',';
            linia += f->m_aParametres[i].m_sText;
        }
    }
    linia += ";\n";
    f->m_bTeNom = false;
    f->m_sNom.clear();
    f->m_aParametres.clear();
    f->m_iParametre = 0;
    return f->m_pSistema->EscriuFormat(f->m_pFitxer, "%s", linia.c_str()) == static_cast<int>(linia.size());
}

bool CGestorComandes::Sincronitza(FitxerComandes* f)
{
    if (!f || f->m_bLectura || !f->m_pSistema) return false;
    return f->m_pSistema->Sincronitza(f->m_pFitxer);
}

bool CGestorComandes::Tanca(FitxerComandes* f)
{
    if (!f || !m_oberts.m_bIniciada || !m_oberts.Busca(f)) return false;
    m_oberts.BorraActual();
    return Allibera(f);
}

bool CGestorComandes::EscriuFitxerSegur(const char* ruta, const std::function<bool(FitxerComandes*)>& escriu)
{
    // Only a regular file (or none) is replaced: a save never writes beside
    // a device or over a folder.
    if (!ruta || !ruta[0] || !plat::IsReplaceableFile(plat::ResolvePath(ruta))) return false;
    const std::string temporal = RutaTemporal(ruta);
    FitxerComandes* f = ObreEscriptura(temporal.c_str());
    if (!f) return false;
    bool ok = escriu(f);
    ok = Sincronitza(f) && ok;
    ok = Tanca(f) && ok;
    ok = ok && plat::ReplaceFile(plat::ResolvePath(temporal), plat::ResolvePath(ruta));
    if (!ok) plat::RemoveFile(plat::ResolvePath(temporal));
    return ok;
}

std::string CGestorComandes::RutaTemporal(const char* ruta)
{
    return ruta && ruta[0] ? std::string(ruta) + ".tmp" : std::string();
}

bool CGestorComandes::BorraTemporal(const char* ruta)
{
    const std::string temporal = RutaTemporal(ruta);
    return !temporal.empty() && plat::RemoveFile(plat::ResolvePath(temporal));
}
