#include "FuenteEscena.h"

#include "game/story/EfectoSecTazmo.h"
#include "game/story/ImagenSecTazmo.h"
#include "game/story/PersoSecTazmo.h"
#include "game/story/SonidoSecTazmo.h"
#include "tools/fonts/Cp1252.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <strings.h>

namespace escena {

namespace {

// The menus' music channels: a scene that played on them would be faded out
// with the menus' music by the next scene that loads.
const char* const kCanalesMenus[] = {"CANAL_MUSICA_ODL", "CANAL_FANFARRIAS_ODL"};
const char kPrimerasCodigo[] = "QYZ";
const char* const kIdiomas[kNumIdiomas] = {"Catalan", "Castilian", "English"};
constexpr int kMaxLineas = 36 * 36;

std::string Recorta(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

bool IgualSinCaso(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

// The name as a list declares it (names that differ only in case are one);
// the name itself when it is not declared.
std::string Declarado(const std::vector<std::string>& v, const std::string& s)
{
    for (const std::string& x : v)
        if (IgualSinCaso(x, s)) return x;
    return s;
}

bool Contiene(const std::vector<std::string>& v, const std::string& s, bool sinCaso)
{
    for (const std::string& x : v)
        if (sinCaso ? IgualSinCaso(x, s) : x == s) return true;
    return false;
}

// Words split by blanks and commas; a quoted text is one word.
std::vector<std::string> Palabras(const std::string& s)
{
    std::vector<std::string> v;
    std::string actual;
    bool comillas = false, hay = false;
    for (char c : s) {
        if (comillas) {
            if (c == '"')
                comillas = false;
            else
                actual.push_back(c);
            continue;
        }
        if (c == '"') {
            comillas = hay = true;
            continue;
        }
        if (c == ' ' || c == '\t' || c == ',' || c == '\r') {
            if (hay) v.push_back(actual);
            actual.clear();
            hay = false;
            continue;
        }
        actual.push_back(c);
        hay = true;
    }
    if (hay) v.push_back(actual);
    return v;
}

bool EsEntero(const std::string& s, long* v = nullptr)
{
    if (s.empty()) return false;
    char* fin = nullptr;
    long x = std::strtol(s.c_str(), &fin, 10);
    if (*fin || x < -1000000000L || x > 1000000000L) return false;
    if (v) *v = x;
    return true;
}

bool EsReal(const std::string& s, double* v = nullptr)
{
    if (s.empty()) return false;
    char* fin = nullptr;
    double x = std::strtod(s.c_str(), &fin);
    if (*fin || !std::isfinite(x) || std::fabs(x) > 1e6) return false;
    if (v) *v = x;
    return true;
}

std::string Base36(int n)
{
    const char* d = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    return std::string(1, d[(n / 36) % 36]) + d[n % 36];
}

// The kinds of a command's parameters:
//   P character   K picture   E effect   S sound   C channel   M music slot
//   Q sequence id   h mood word   p blinking word   b mouth word   o eye word
//   a real 0..1   r real   n frames (0 or more)   w frames (1 or more)
//   i integer   f index of the sequence's frames   l loop flag 0/1 (optional)
//   e wait flag 0/1
struct Comando {
    const char* nombre;
    const char* parametros;
};
const Comando kComandos[] = {
    {"VQ_FONDO_FADETO", "Kan"},
    {"VQ_PERSO_HUMOR", "Ph"},
    {"VQ_PERSO_PARPADEO", "Pp"},
    {"VQ_PERSO_GESTOBOCA", "Pb"},
    {"VQ_PERSO_GESTOOJOS", "Po"},
    {"VQ_PERSO_GESTOOJOIZQUIERDO", "Po"},
    {"VQ_PERSO_GESTOOJODERECHO", "Po"},
    {"VQ_PERSO_HABLA", "P"},
    {"VQ_PERSO_CALLA", "P"},
    {"VQ_PERSO_SALTA", "P"},
    {"VQ_PERSO_TRANS_ESCALA", "Prn"},
    {"VQ_PERSO_VE_A_POS_X", "Prn"},
    {"VQ_PERSO_FADE_IN", "P"},
    {"VQ_PERSO_FADE_OUT", "P"},
    {"VQ_PERSO_FADE_TO", "Pan"},
    {"VQ_PERSO_SILUETA_FADE_TO", "Paaaan"},
    {"VQ_LANZA_EFECTO", "E"},
    {"VQ_PARA_EFECTO", "E"},
    {"VQ_LIMPIA_EFECTO", "E"},
    {"VQ_LANZA_SONIDO", "Sl"},
    {"VQ_PARA_SONIDO", "S"},
    {"VQ_LANZA_MUSICA", "CM"},
    {"VQ_PARA_MUSICA", "C"},
    {"PAUSA", ""},
    {"ESPERA", "w"},
    {"SECUENCIA", "Qife"},
    {"QUITASECUENCIA", "Q"},
    {"ALTURASECUENCIA", "Qi"},
};

const Comando* BuscaComando(const std::string& n)
{
    for (const Comando& c : kComandos)
        if (n == c.nombre) return &c;
    return nullptr;
}

class Compilador {
public:
    Compilador(const std::string& fichero, const Contexto& c, std::vector<Fallo>* fallos)
        : m_fichero(fichero), m_ctx(c), m_fallos(fallos)
    {
    }

    Escena Compila(const std::string& texto)
    {
        std::istringstream in(texto);
        std::string linea;
        int n = 0;
        while (std::getline(in, linea)) {
            ++n;
            Sentencia(linea, n);
        }
        if (m_e.prefijo.empty()) Falla(0, "the scene has no codes statement");
        int lineas = 0;
        for (Registro& r : m_e.registros)
            if (r.tipo == REG_LINEA) r.codigo = m_e.prefijo + Base36(lineas++);
        if (lineas > kMaxLineas) Falla(0, "more than " + std::to_string(kMaxLineas) + " lines");
        if (m_iFallos == 0) CompruebaComandos();
        if (m_iFallos == 0) Recorre();
        m_e.bien = m_iFallos == 0;
        return m_e;
    }

private:
    void Falla(int linea, const std::string& texto)
    {
        m_fallos->push_back({m_fichero, linea, texto});
        ++m_iFallos;
    }

    // ---- statements ----
    void Sentencia(const std::string& bruta, int n)
    {
        std::string s = Recorta(bruta);
        if (s.empty()) return;
        if (s[0] == '|') {
            Texto(s, n);
            return;
        }
        const size_t com = s.find("//");
        if (com != std::string::npos) s = Recorta(s.substr(0, com));
        if (s.empty()) return;
        if (s[0] == '@') {
            Orden(s.substr(1), n);
            return;
        }
        std::vector<std::string> p = Palabras(s);
        const std::string& k = p[0];
        const auto uno = [&](const char* que) -> std::string {
            if (p.size() != 2) {
                Falla(n, std::string(k) + " takes one " + que);
                return "";
            }
            return p[1];
        };
        if (k == "codes") {
            const std::string c = uno("pair of characters");
            if (c.size() != 2 || !std::strchr(kPrimerasCodigo, c[0]) || !std::isalnum(static_cast<unsigned char>(c[1])) ||
                std::islower(static_cast<unsigned char>(c[1])))
                Falla(n, "codes are two characters: Q, Y or Z, then a capital letter or a digit");
            else if (!m_e.prefijo.empty())
                Falla(n, "the scene's codes are given twice");
            else
                m_e.prefijo = c;
        } else if (k == "character") {
            const std::string v = uno("name");
            if (v.empty()) return;
            if (BuscaFilaPersonaje(v.c_str()) == PERSONAJE_ESCENA_NINGUNO)
                Falla(n, "no character of the scenes is called " + v);
            else
                Declara(m_e.personajes, v, n, true);
        } else if (k == "background" || k == "illustration") {
            const std::string v = uno("picture key");
            if (v.empty()) return;
            if (BuscaFilaImagen(v.c_str()) == IMAGEN_ESCENA_NINGUNA)
                Falla(n, "no picture of the scenes has the key " + v);
            else
                Declara(k == "background" ? m_e.fondos : m_e.ilustraciones, v, n, true);
        } else if (k == "effect") {
            const std::string v = uno("name");
            if (v.empty()) return;
            const int t = BuscaTipoEfecto(v.c_str());
            if (t == EFECTO_ESCENA_NINGUNO)
                Falla(n, "no effect is called " + v);
            else if (!FilaEfecto(t).emite && !FilaEfecto(t).dibujado)
                Falla(n, "the effect " + v + " makes nothing");
            else
                Declara(m_e.efectos, v, n, true);
        } else if (k == "sound") {
            const std::string v = uno("slot name");
            if (v.empty()) return;
            if (v.size() > kMaxNombreSonidoEscena)
                Falla(n, "the slot name is longer than " + std::to_string(kMaxNombreSonidoEscena) + " characters");
            else if (m_ctx.compruebaRanuras && !m_ctx.ranurasSonido.count(v))
                Falla(n, "the sound-slot file has no slot " + v);
            else
                Declara(m_e.sonidos, v, n, false);
        } else if (k == "channel") {
            const std::string v = uno("name");
            if (v.empty()) return;
            bool menus = false;
            for (const char* m : kCanalesMenus) menus = menus || IgualSinCaso(v, m);
            if (menus)
                Falla(n, "the channel " + v + " is the menus' own: the next scene would fade the menu music out");
            else if (v.size() > kMaxNombreSonidoEscena)
                Falla(n, "the channel name is longer than " + std::to_string(kMaxNombreSonidoEscena) + " characters");
            else
                Declara(m_e.canales, v, n, false);
        } else if (k == "sequence") {
            DeclaraSecuencia(p, n);
        } else if (k == "line") {
            Registro r;
            r.tipo = REG_LINEA;
            r.linea = n;
            if (p.size() == 2 && p[1] == "quiet")
                r.espera = false;
            else if (p.size() != 1)
                Falla(n, "a line is \"line\" or \"line quiet\"");
            m_e.registros.push_back(std::move(r));
        } else if (k == "label" || k == "jump") {
            const std::string v = uno("name");
            if (v.empty()) return;
            if (v.size() > 63) Falla(n, "a label name is at most 63 characters");
            Registro r;
            r.tipo = k == "label" ? REG_ETIQUETA : REG_SALTO;
            r.linea = n;
            r.etiqueta = v;
            m_e.registros.push_back(std::move(r));
        } else if (k == "end") {
            Registro r;
            r.tipo = REG_FIN;
            r.linea = n;
            long v = 0;
            if (p.size() > 2 || (p.size() == 2 && !EsEntero(p[1], &v))) Falla(n, "end takes one whole number");
            r.resultado = int(v);
            m_e.registros.push_back(std::move(r));
        } else {
            Falla(n, "unknown statement " + k);
        }
    }

    void Declara(std::vector<std::string>& lista, const std::string& v, int n, bool sinCaso)
    {
        if (Contiene(lista, v, sinCaso))
            Falla(n, v + " is declared twice");
        else
            lista.push_back(v);
    }

    void DeclaraSecuencia(const std::vector<std::string>& p, int n)
    {
        DeclaracionSecuencia d;
        long id = 0;
        if (p.size() < 3 || !EsEntero(p[1], &id)) {
            Falla(n, "sequence takes an id, a file and the frames its commands pick");
            return;
        }
        d.id = int(id);
        d.fichero = p[2];
        if (p.size() - 3 > 256) Falla(n, "a sequence lists at most 256 frames");
        for (size_t i = 3; i < p.size(); ++i) {
            long f = 0;
            if (!EsEntero(p[i], &f) || f < 0)
                Falla(n, "a frame is a whole number, 0 or more: " + p[i]);
            else
                d.frames.push_back(int(f));
        }
        for (const DeclaracionSecuencia& o : m_e.secuencias)
            if (o.id == d.id) Falla(n, "the sequence id " + p[1] + " is declared twice");
        const Contexto::InfoSecuencia info = m_ctx.secuencia ? m_ctx.secuencia(d.fichero) : Contexto::InfoSecuencia{};
        if (!info.carga) Falla(n, "the sequence " + d.fichero + " does not load");
        d.avisa = info.avisa;
        m_e.secuencias.push_back(std::move(d));
    }

    Registro* LineaAbierta(int n)
    {
        if (m_e.registros.empty() || m_e.registros.back().tipo != REG_LINEA) {
            Falla(n, "a command or a text belongs to a line");
            return nullptr;
        }
        return &m_e.registros.back();
    }

    void Orden(const std::string& s, int n)
    {
        Registro* r = LineaAbierta(n);
        if (!r) return;
        std::vector<std::string> p = Palabras(s);
        if (p.empty()) {
            Falla(n, "a command without a name");
            return;
        }
        Trozo t;
        t.comando = true;
        t.nombre = p[0];
        t.parametros.assign(p.begin() + 1, p.end());
        t.linea = n;
        r->trozos.push_back(std::move(t));
    }

    void Texto(const std::string& s, int n)
    {
        Registro* r = LineaAbierta(n);
        if (!r) return;
        std::vector<std::string> partes;
        size_t desde = 1;
        while (true) {
            const size_t barra = s.find('|', desde);
            partes.push_back(Recorta(s.substr(desde, barra == std::string::npos ? std::string::npos : barra - desde)));
            if (barra == std::string::npos) break;
            desde = barra + 1;
        }
        if (partes.size() == kNumIdiomas + 1 && partes.back().empty()) partes.pop_back();
        if (partes.size() != kNumIdiomas) {
            Falla(n, "a text gives the three languages side by side: | Catalan | Castilian | English");
            return;
        }
        Trozo t;
        t.linea = n;
        for (int i = 0; i < kNumIdiomas; ++i) {
            t.textos[i] = partes[size_t(i)];
            const std::string fallo = RevisaTexto(t.textos[i]);
            if (!fallo.empty()) Falla(n, fallo);
        }
        // A text said in some languages only: their lines would differ.
        std::string vacios, llenos;
        for (int i = 0; i < kNumIdiomas; ++i) {
            std::string& a = t.textos[i].empty() ? vacios : llenos;
            a += (a.empty() ? "" : " and ") + std::string(kIdiomas[i]);
        }
        if (!vacios.empty() && !llenos.empty())
            Falla(n, "the text is empty in " + vacios + " but not in " + llenos +
                         ": every language says every text of the scene");
        r->trozos.push_back(std::move(t));
    }

    // Why a text cannot go into a table as it stands, "" when it can.
    static std::string RevisaTexto(const std::string& t)
    {
        std::string b;
        if (!AWindows1252(t, &b)) return "the text has a character the game's fonts do not have: " + t;
        if (t.find('"') != std::string::npos) return "a text cannot hold a straight double quote (write “ ”)";
        if (t.find('\\') != std::string::npos) return "a text cannot hold a backslash";
        for (size_t i = t.find('<'); i != std::string::npos; i = t.find('<', i + 1)) {
            const size_t f = t.find('>', i);
            const std::string dentro = f == std::string::npos ? "" : t.substr(i + 1, f - i - 1);
            long v = 0;
            const bool etiqueta = dentro.size() >= 2 && std::strchr("RGBAc", dentro[0]) && EsEntero(dentro.substr(1), &v) &&
                                  v >= 0 && v <= 255 && std::isdigit(static_cast<unsigned char>(dentro[1]));
            if (!etiqueta) return "between angle brackets a text holds only a colour tag (<R255>) or <cN>";
        }
        return "";
    }

    // ---- commands ----
    void CompruebaComandos()
    {
        for (Registro& r : m_e.registros) {
            if (r.tipo != REG_LINEA) continue;
            for (Trozo& t : r.trozos)
                if (t.comando) CompruebaComando(t);
            for (int i = 0; i < kNumIdiomas; ++i) {
                std::string b;
                AWindows1252(TextoLinea(r, i), &b);
                if (b.size() > kMaxTexto)
                    Falla(r.linea, "the line's text is " + std::to_string(b.size()) + " characters long in one language (at most " +
                                       std::to_string(kMaxTexto) + ")");
            }
            if (m_ctx.caja) CompruebaCaja(r);
        }
        for (const Registro& r : m_e.registros) {
            if (r.tipo != REG_SALTO) continue;
            bool hay = false;
            for (const Registro& e : m_e.registros) hay = hay || (e.tipo == REG_ETIQUETA && IgualSinCaso(e.etiqueta, r.etiqueta));
            if (!hay) Falla(r.linea, "no label " + r.etiqueta + " to jump to");
        }
    }

    // The line's text, as the box shows it, must fit the box in every
    // language; the fault names the line's first text.
    void CompruebaCaja(const Registro& r)
    {
        int n = r.linea;
        for (const Trozo& t : r.trozos)
            if (!t.comando) {
                n = t.linea;
                break;
            }
        for (int i = 0; i < kNumIdiomas; ++i) {
            std::string visto, b;
            for (const Trozo& t : r.trozos)
                if (!t.comando && !t.textos[i].empty()) visto += (visto.empty() ? "" : " ") + t.textos[i];
            if (visto.empty() || !AWindows1252(visto, &b)) continue;
            const std::string fallo = m_ctx.caja(b);
            if (!fallo.empty()) Falla(n, "the line does not fit the text box in " + std::string(kIdiomas[i]) + ": " + fallo);
        }
    }

    const DeclaracionSecuencia* Secuencia(const std::string& id) const
    {
        long v = 0;
        if (!EsEntero(id, &v)) return nullptr;
        for (const DeclaracionSecuencia& d : m_e.secuencias)
            if (d.id == v) return &d;
        return nullptr;
    }

    void CompruebaComando(const Trozo& t)
    {
        const Comando* c = BuscaComando(t.nombre);
        const int n = t.linea;
        if (!c) {
            Falla(n, "unknown command " + t.nombre);
            return;
        }
        const std::string tipos = c->parametros;
        const size_t opcionales = tipos.find('l') != std::string::npos ? 1 : 0;
        if (t.parametros.size() > tipos.size() || t.parametros.size() + opcionales < tipos.size()) {
            Falla(n, t.nombre + " takes " + std::to_string(tipos.size()) + " values");
            return;
        }
        const DeclaracionSecuencia* sec = nullptr;
        for (size_t i = 0; i < t.parametros.size(); ++i) {
            const std::string& v = t.parametros[i];
            const auto mal = [&](const std::string& que) { Falla(n, t.nombre + ": " + que); };
            double x = 0;
            long e = 0;
            switch (tipos[i]) {
            case 'P':
                if (!Contiene(m_e.personajes, v, true)) mal("the character " + v + " is not declared");
                break;
            case 'K':
                if (!Contiene(m_e.fondos, v, true) && !Contiene(m_e.ilustraciones, v, true))
                    mal("the picture " + v + " is not declared");
                break;
            case 'E':
                if (!Contiene(m_e.efectos, v, true)) mal("the effect " + v + " is not declared");
                break;
            case 'S':
                if (!Contiene(m_e.sonidos, v, false)) mal("the sound " + v + " is not declared");
                break;
            case 'C':
                if (!Contiene(m_e.canales, v, false)) mal("the channel " + v + " is not declared");
                break;
            case 'M':
                if (m_ctx.compruebaRanuras && !m_ctx.ranurasMusica.count(v)) mal("the music-slot file has no slot " + v);
                break;
            case 'Q':
                sec = Secuencia(v);
                if (!sec) mal("no sequence " + v + " is declared");
                break;
            case 'h':
                if (PalabraHumor(v.c_str()) < 0) mal(v + " is no mood (Alegre, Normal, Triste)");
                break;
            case 'p':
                if (PalabraParpadeo(v.c_str()) < 0)
                    mal(v + " is no blinking (Cerrados, Abiertos, MasBienCerrados, MasBienAbiertos, Normal)");
                break;
            case 'b':
                if (PalabraBoca(v.c_str()) < 0) mal(v + " is no mouth (BocaChica, Normal, Elocuente, Vociferio, Grita)");
                break;
            case 'o':
                if (PalabraOjo(v.c_str()) < 0) mal(v + " is no eye (Cerrado, PocoAbierto, CasiAbierto, Abierto)");
                break;
            case 'a':
                if (!EsReal(v, &x) || x < 0 || x > 1) mal(v + " is no value from 0 to 1");
                break;
            case 'r':
                if (!EsReal(v, &x)) mal(v + " is no number");
                break;
            case 'n':
                if (!EsEntero(v, &e) || e < 0) mal(v + " is no count of frames");
                break;
            case 'w':
                if (!EsEntero(v, &e) || e < 1) mal(v + " is no count of frames of at least 1 (a wait of none holds nothing)");
                break;
            case 'i':
                if (!EsEntero(v, &e)) mal(v + " is no whole number");
                break;
            case 'f':
                if (!EsEntero(v, &e) || !sec || e < 0 || e >= long(sec->frames.size()))
                    mal(v + " is no index of the sequence's frames");
                break;
            case 'l':
            case 'e':
                if (v != "0" && v != "1") mal(v + " is neither 0 nor 1");
                if (tipos[i] == 'e' && v == "1" && sec && !sec->avisa)
                    mal("the sequence never loops, jumps or ends: a wait on it would hold nothing");
                break;
            default: break;
            }
        }
    }

    // ---- the walk ----
    // The scene played from its start, as the player walks it (it has no
    // choices, so a record met twice means it goes round for ever): it must
    // reach its end, with no music and no looping sound left playing and no
    // effect left running (stopped or cleared).
    void Recorre()
    {
        const std::vector<Registro>& g = m_e.registros;
        const int n = int(g.size());
        std::set<std::string> musica, bucles;
        std::set<std::string> efectos; // as declared
        std::vector<int> orden;                    // records in the order met
        std::vector<int> vez(size_t(n), -1);       // where in orden a record was met
        int i = 0;
        int finLinea = g.empty() ? 0 : g.back().linea;
        while (i < n) {
            if (vez[size_t(i)] >= 0) {
                bool conLinea = false;
                for (size_t k = size_t(vez[size_t(i)]); k < orden.size(); ++k)
                    conLinea = conLinea || g[size_t(orden[k])].tipo == REG_LINEA;
                Falla(g[size_t(i)].linea, conLinea ? "the scene never ends: its jumps go round for ever"
                                                   : "a loop of jumps without a line between them");
                return;
            }
            vez[size_t(i)] = int(orden.size());
            orden.push_back(i);
            const Registro& r = g[size_t(i)];
            if (r.tipo == REG_FIN) {
                finLinea = r.linea;
                break;
            }
            if (r.tipo == REG_LINEA) {
                for (const Trozo& t : r.trozos) {
                    if (!t.comando) continue;
                    const std::string a = t.parametros.empty() ? "" : t.parametros[0];
                    if (t.nombre == "VQ_LANZA_MUSICA") musica.insert(a);
                    if (t.nombre == "VQ_PARA_MUSICA") musica.erase(a);
                    if (t.nombre == "VQ_LANZA_SONIDO") {
                        if (t.parametros.size() < 2 || t.parametros[1] != "0")
                            bucles.insert(a);
                        else
                            bucles.erase(a);
                    }
                    if (t.nombre == "VQ_PARA_SONIDO") bucles.erase(a);
                    if (t.nombre == "VQ_LANZA_EFECTO" || t.nombre == "VQ_PARA_EFECTO" || t.nombre == "VQ_LIMPIA_EFECTO") {
                        const std::string e = Declarado(m_e.efectos, a);
                        if (t.nombre == "VQ_LANZA_EFECTO")
                            efectos.insert(e);
                        else
                            efectos.erase(e);
                    }
                }
            }
            if (r.tipo == REG_SALTO) {
                // To the first label of the name; the walk goes on after it.
                for (int j = 0; j < n; ++j)
                    if (g[size_t(j)].tipo == REG_ETIQUETA && IgualSinCaso(g[size_t(j)].etiqueta, r.etiqueta)) {
                        i = j;
                        break;
                    }
                if (vez[size_t(i)] >= 0) continue; // met before: the loop is reported above
                vez[size_t(i)] = int(orden.size());
                orden.push_back(i);
            }
            ++i;
        }
        for (const std::string& c : musica)
            Falla(finLinea, "the scene ends with music playing on " + c + " (stop it with VQ_PARA_MUSICA)");
        for (const std::string& s : bucles)
            Falla(finLinea, "the scene ends with the sound " + s + " looping (stop it with VQ_PARA_SONIDO)");
        for (const std::string& e : efectos)
            Falla(finLinea, "the scene ends with the effect " + e +
                                " running (stop it with VQ_PARA_EFECTO or clear it with VQ_LIMPIA_EFECTO)");
    }

    std::string m_fichero;
    const Contexto& m_ctx;
    std::vector<Fallo>* m_fallos;
    Escena m_e;
    int m_iFallos = 0;
};

} // namespace

Escena Compila(const std::string& texto, const std::string& fichero, const Contexto& c, std::vector<Fallo>* fallos)
{
    Compilador comp(fichero, c, fallos);
    return comp.Compila(texto);
}

std::string TextoLinea(const Registro& r, int idioma)
{
    std::string s;
    bool hayTexto = false;
    for (const Trozo& t : r.trozos) {
        if (t.comando) {
            s += "<" + t.nombre;
            for (size_t i = 0; i < t.parametros.size(); ++i) s += (i == 0 ? "=" : ",") + t.parametros[i];
            s += ">";
            continue;
        }
        const std::string& x = t.textos[idioma];
        if (x.empty()) continue;
        if (hayTexto) s += " ";
        s += x;
        hayTexto = true;
    }
    return s;
}

std::string TextoGuion(const Escena& e, const std::string& origen)
{
    std::string s = "// A story scene compiled by mg_escena from " + origen + ": do not edit.\n";
    const auto declara = [&](const char* registro, const std::vector<std::string>& v) {
        for (const std::string& x : v) s += std::string(registro) + " = \"" + x + "\";\n";
    };
    declara("TAZMO_PREDECLARAPERSONAJE", e.personajes);
    declara("TAZMO_PREDECLARAFONDO", e.fondos);
    declara("TAZMO_PREDECLARAIMAGEN", e.ilustraciones);
    declara("TAZMO_PREDECLARAEFECTO", e.efectos);
    declara("TAZMO_PREDECLARASONIDO", e.sonidos);
    declara("TAZMO_PREDECLARACANAL", e.canales);
    for (const DeclaracionSecuencia& d : e.secuencias) {
        s += "JAPTXTSECUENCIA = " + std::to_string(d.id) + ", \"" + d.fichero + "\"";
        for (int f : d.frames) s += ", " + std::to_string(f);
        s += ";\n";
    }
    for (const Registro& r : e.registros) {
        switch (r.tipo) {
        case REG_LINEA: s += "JAPTXTLINE = \"" + r.codigo + "\", \"" + r.codigo + "\", " + (r.espera ? "1" : "0") + ";\n"; break;
        case REG_ETIQUETA: s += "ETIQUETA = \"" + r.etiqueta + "\";\n"; break;
        case REG_SALTO: s += "GOTOETIQUETA = \"" + r.etiqueta + "\";\n"; break;
        case REG_FIN: s += "FIN = " + std::to_string(r.resultado) + ";\n"; break;
        }
    }
    return s;
}

bool AWindows1252(const std::string& utf8, std::string* salida)
{
    static const std::map<uint32_t, unsigned char> inversa = [] {
        std::map<uint32_t, unsigned char> m;
        for (int b = 0; b < 256; ++b)
            if (uint32_t u = Cp1252AUnicode(static_cast<unsigned char>(b))) m[u] = static_cast<unsigned char>(b);
        return m;
    }();
    salida->clear();
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        uint32_t u = 0;
        int largo = 0;
        if (c < 0x80) {
            u = c;
            largo = 1;
        } else if ((c & 0xE0) == 0xC0) {
            u = c & 0x1F;
            largo = 2;
        } else if ((c & 0xF0) == 0xE0) {
            u = c & 0x0F;
            largo = 3;
        } else if ((c & 0xF8) == 0xF0) {
            u = c & 0x07;
            largo = 4;
        } else {
            return false;
        }
        if (i + size_t(largo) > utf8.size()) return false;
        for (int k = 1; k < largo; ++k) {
            const unsigned char d = static_cast<unsigned char>(utf8[i + size_t(k)]);
            if ((d & 0xC0) != 0x80) return false;
            u = (u << 6) | (d & 0x3F);
        }
        i += size_t(largo);
        if (u == 0) return false;
        auto it = inversa.find(u);
        if (it == inversa.end()) return false;
        salida->push_back(static_cast<char>(it->second));
    }
    return true;
}

} // namespace escena
