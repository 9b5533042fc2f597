#include "Fuente.h"

#include "engine/core/GestorFLIs.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <map>
#include <sstream>

namespace sec {

namespace {

enum Tipo { OBJETO, EXTREMO, TEXTO, CAPA, SUB, MUESTRA, CANAL, MUSICA, LINEA };

struct Elemento {
    Tipo tipo;
    int slot;
};

// A verb of an element kind: its keyword, whether it takes a first and last
// frame, its values (i integer, r real, s text, o object name) and a fixed
// integer it adds after them (-1: none).
struct Verbo {
    int grupo; // 0 objects (any kind), 1 layers, 2 sequences, 3 samples, 4 streams, 5 music, 6 lines
    const char* nombre;
    int clave;
    bool intervalo;
    const char* valores;
    int fijo;
};

constexpr Verbo kVerbos[] = {
    {0, "pos", SEC_SETPOS, false, "ii", -1},
    {0, "move", SEC_VEPOS, true, "ii", -1},
    {0, "hop", SEC_VEPOSSALTO, true, "iii", -1},
    {0, "glide", SEC_VELINEA, true, "iiii", -1},
    {0, "arc", SEC_VESALTO, true, "iiiii", -1},
    {0, "anim", SEC_PONANIM, false, "i", -1},
    {0, "anim-once", SEC_PONANIMPUNTUAL, false, "i", -1},
    {0, "mirror", SEC_INVIERTEX, false, "", -1},
    {0, "unmirror", SEC_NOINVIERTEX, false, "", -1},
    {0, "alpha", SEC_SETALFA, false, "i", -1},
    {0, "scale", SEC_SETESCALA, false, "rr", -1},
    {0, "fade", SEC_INTERPOLAALFA, true, "ii", -1},
    {0, "zoom", SEC_INTERPOLAESCALA, true, "rrrr", -1},
    {0, "tint", SEC_SETTINTE, false, "iii", -1},
    {0, "angle", SEC_SETANGULO, false, "r", -1},
    {0, "spin", SEC_SETVELANG, false, "r", -1},
    {1, "scroll", SEC_SCROLLMOV, false, "rr", -1},
    {1, "anim", SEC_SCROLLANIM, false, "i", -1},
    {1, "anim-once", SEC_SCROLLANIMPUNTUAL, false, "i", -1},
    {1, "mirror", SEC_SCROLLINVIERTEX, false, "", -1},
    {1, "unmirror", SEC_SCROLLNOINVIERTEX, false, "", -1},
    {1, "show", SEC_SCROLLMOSTRAR, false, "", -1},
    {1, "hide", SEC_SCROLLOCULTAR, false, "", -1},
    {1, "alpha", SEC_SCROLLSETALFA, false, "i", -1},
    {1, "scale", SEC_SCROLLSETESCALA, false, "rr", -1},
    {1, "fade", SEC_SCROLLINTERPOLAALFA, true, "ii", -1},
    {1, "zoom", SEC_SCROLLINTERPOLAESCALA, true, "rrrr", -1},
    {1, "pos", SEC_SCROLLSETPOS, false, "rr", -1},
    {1, "tint", SEC_SCROLLSETTINTE, false, "iii", -1},
    {2, "show", SEC_SUBSEC_SETVISIBLE, false, "", 1},
    {2, "hide", SEC_SUBSEC_SETVISIBLE, false, "", 0},
    {2, "launch", SEC_SUBSEC_LANZA, false, "", -1},
    {2, "stop", SEC_SUBSEC_PARA, false, "", 1},
    {2, "resume", SEC_SUBSEC_PARA, false, "", 0},
    {3, "play", SEC_TOCASONIDO, false, "", -1},
    {4, "play", SEC_TOCASONIDOLARGO, false, "s", -1},
    {4, "stop", SEC_PARASONIDOLARGO, false, "", -1},
    {5, "play", SEC_TOCARANURAMUSICA, false, "s", -1},
    {5, "stop", SEC_PARARANURAMUSICA, false, "", -1},
    {6, "put", SEC_PONLINEA, false, "oooi", -1},
    {6, "remove", SEC_QUITALINEA, false, "", -1},
};

int GrupoDe(Tipo t)
{
    switch (t) {
    case OBJETO:
    case EXTREMO:
    case TEXTO: return 0;
    case CAPA: return 1;
    case SUB: return 2;
    case MUESTRA: return 3;
    case CANAL: return 4;
    case MUSICA: return 5;
    case LINEA: return 6;
    }
    return -1;
}

// The words of a line: quoted texts keep their spaces; "//" ends the line.
std::vector<std::string> Palabras(const std::string& linea, bool* comillas)
{
    std::vector<std::string> v;
    *comillas = false;
    size_t i = 0;
    while (i < linea.size()) {
        const char c = linea[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '/' && i + 1 < linea.size() && linea[i + 1] == '/') {
            break;
        } else if (c == '"') {
            const size_t fin = linea.find('"', i + 1);
            if (fin == std::string::npos) {
                *comillas = true;
                break;
            }
            v.push_back("\"" + linea.substr(i + 1, fin - i - 1));
            i = fin + 1;
        } else {
            size_t fin = i;
            while (fin < linea.size() && linea[fin] != ' ' && linea[fin] != '\t' && linea[fin] != '\r' &&
                   linea[fin] != '"')
                ++fin;
            v.push_back(linea.substr(i, fin - i));
            i = fin;
        }
    }
    return v;
}

bool EsTexto(const std::string& p) { return !p.empty() && p[0] == '"'; }

class Compilador {
public:
    Compilador(const std::string& fichero, std::vector<Fallo>* fallos) : m_fichero(fichero), m_fallos(fallos) {}

    void Linea(const std::vector<std::string>& p, int linea);
    Compilada Termina();

private:
    void Falla(const std::string& t) { m_fallos->push_back({m_fichero, m_linea, t}); }
    bool Tiempo(const std::string& p, int* f);
    bool Entero(const std::string& p, int* v);
    bool Real(const std::string& p, float* v);
    bool Texto(const std::string& p, std::string* t);
    void Declara(const std::vector<std::string>& p);
    void Evento(const std::vector<std::string>& p);
    void Boton(const std::vector<std::string>& p, int clave);
    void Anade(RegistroSecuencia r, bool evento);

    std::string m_fichero;
    std::vector<Fallo>* m_fallos;
    int m_linea = 0;
    size_t m_iFallosAntes = 0;
    std::map<std::string, Elemento> m_nombres;
    int m_aCuentas[9] = {};
    std::vector<Registro> m_declaraciones, m_crono, m_eventos;
    int m_iFin = -1;
    int m_iUltimoFrame = -1;
};

bool Compilador::Tiempo(const std::string& p, int* f)
{
    char* fin = nullptr;
    const double v = std::strtod(p.c_str(), &fin);
    const bool segundos = fin && *fin == 's' && fin[1] == 0;
    if (p.empty() || !fin || (*fin && !segundos) || !(v >= 0.0) || v * (segundos ? 30.0 : 1.0) > kMaxFrameSecuencia ||
        (!segundos && v != std::floor(v))) {
        Falla("\"" + p + "\" is no time (frames, or seconds as 1.5s)");
        return false;
    }
    *f = int(std::lround(segundos ? v * 30.0 : v));
    return true;
}

bool Compilador::Entero(const std::string& p, int* v)
{
    char* fin = nullptr;
    const long x = std::strtol(p.c_str(), &fin, 10);
    if (p.empty() || !fin || *fin || x < -2147483647L || x > 2147483647L) {
        Falla("\"" + p + "\" is no whole number");
        return false;
    }
    *v = int(x);
    return true;
}

bool Compilador::Real(const std::string& p, float* v)
{
    char* fin = nullptr;
    const double x = std::strtod(p.c_str(), &fin);
    if (p.empty() || !fin || *fin || !std::isfinite(x)) {
        Falla("\"" + p + "\" is no number");
        return false;
    }
    *v = float(x);
    return true;
}

bool Compilador::Texto(const std::string& p, std::string* t)
{
    if (!EsTexto(p)) {
        Falla("a quoted text was expected, not " + p);
        return false;
    }
    *t = p.substr(1);
    return true;
}

void Compilador::Anade(RegistroSecuencia r, bool evento)
{
    if (const char* motivo = MotivoRechazoSecuencia(r)) {
        Falla(motivo);
        return;
    }
    const DescripcionClave& d = DescribeClave(r.iClave);
    if (evento && d.iFrame >= 0) {
        m_iUltimoFrame = std::max(m_iUltimoFrame, r.e[d.iFrame]);
        if (d.iFrameFin >= 0) m_iUltimoFrame = std::max(m_iUltimoFrame, r.e[d.iFrameFin]);
    }
    (evento ? m_eventos : m_crono).push_back({r, m_linea});
}

void Compilador::Linea(const std::vector<std::string>& p, int linea)
{
    m_linea = linea;
    if (p.empty()) return;
    const std::string& w = p[0];
    RegistroSecuencia r;
    if (w == "end" || w == "loop") {
        int f = 0;
        if (p.size() != 2 || !Tiempo(p[1], &f)) {
            if (p.size() != 2) Falla(w + " takes one time");
            return;
        }
        if (w == "end") {
            if (m_iFin >= 0) Falla("a second end");
            m_iFin = f;
            return;
        }
        r.iClave = SEC_LOOP;
        r.e[0] = f;
        Anade(r, false);
    } else if (w == "jump") {
        int f = 0, g = 0;
        if (p.size() != 5 || p[1] != "at" || p[3] != "to") {
            Falla("jump at T to T");
            return;
        }
        if (!Tiempo(p[2], &f) || !Tiempo(p[4], &g)) return;
        r.iClave = SEC_CAMBIACRONO;
        r.e[0] = f;
        r.e[1] = g;
        Anade(r, false);
    } else if (w == "pause") {
        int f = 0;
        if (p.size() != 3 || p[1] != "at") {
            Falla("pause at T");
            return;
        }
        if (!Tiempo(p[2], &f)) return;
        r.iClave = SEC_BOTONPAUSA;
        r.e[0] = 0;
        r.e[1] = f;
        Anade(r, false);
    } else if (w == "skip-button" || w == "pause-button") {
        Boton(p, w == "skip-button" ? SEC_SETBOTONPASAR : SEC_SETBOTONPAUSA);
    } else if (w == "at" || w == "from") {
        Evento(p);
    } else {
        Declara(p);
    }
}

void Compilador::Boton(const std::vector<std::string>& p, int clave)
{
    // style S font F at X Y size W H scale K text "ABCD"
    const char* forma = "style i font i at r r size r r scale r text s";
    std::istringstream in(forma);
    std::vector<std::string> esperado((std::istream_iterator<std::string>(in)), std::istream_iterator<std::string>());
    if (p.size() != esperado.size() + 1) {
        Falla(p[0] + " " + forma);
        return;
    }
    RegistroSecuencia r;
    r.iClave = clave;
    int ne = 0, nr = 0;
    for (size_t k = 0; k < esperado.size(); ++k) {
        const std::string& e = esperado[k];
        const std::string& v = p[k + 1];
        if (e == "i") {
            if (!Entero(v, &r.e[ne++])) return;
        } else if (e == "r") {
            if (!Real(v, &r.r[nr++])) return;
        } else if (e == "s") {
            std::string t;
            if (!Texto(v, &t)) return;
            if (t.size() != 4) {
                Falla("a text code has four characters");
                return;
            }
            r.iCodigo = CodigoFLI(t.c_str());
        } else if (v != e) {
            Falla(p[0] + " " + forma);
            return;
        }
    }
    Anade(r, false);
}

void Compilador::Declara(const std::vector<std::string>& p)
{
    static const std::map<std::string, std::pair<Tipo, int>> kTipos = {
        {"object", {OBJETO, kNumObjetosSecuencia}},   {"endpoint", {EXTREMO, kNumObjetosSecuencia}},
        {"text", {TEXTO, kNumObjetosSecuencia}},      {"layer", {CAPA, kNumCapasSecuencia}},
        {"sequence", {SUB, kNumSubSecuencias}},       {"sample", {MUESTRA, kNumMuestrasSecuencia}},
        {"stream", {CANAL, kNumCanalesSecuencia}},    {"music", {MUSICA, kNumPlazasMusicaSecuencia}},
        {"line", {LINEA, kNumLineasSecuencia}},
    };
    auto it = kTipos.find(p[0]);
    if (it == kTipos.end()) {
        Falla("unknown statement \"" + p[0] + "\"");
        return;
    }
    if (p.size() < 2 || EsTexto(p[1])) {
        Falla(p[0] + " needs a name");
        return;
    }
    const std::string& nombre = p[1];
    if (m_nombres.count(nombre)) {
        Falla("\"" + nombre + "\" is declared twice");
        return;
    }
    const Tipo tipo = it->second.first;
    // Objects of the three kinds share one table.
    int& cuenta = m_aCuentas[GrupoDe(tipo) == 0 ? 0 : int(tipo)];
    if (cuenta >= it->second.second) {
        Falla("more than " + std::to_string(it->second.second) + " " + p[0] + "s");
        return;
    }
    const int slot = cuenta;
    RegistroSecuencia r;
    r.e[0] = slot;
    const auto texto = [&](int clave) {
        if (p.size() != 3) {
            Falla(p[0] + " NAME \"file\"");
            return false;
        }
        r.iClave = clave;
        r.bTexto = true;
        return Texto(p[2], &r.sTexto);
    };
    switch (tipo) {
    case OBJETO:
        if (!texto(SEC_OBJETO)) return;
        break;
    case CAPA:
        if (!texto(SEC_SCROLL)) return;
        break;
    case SUB:
        if (!texto(SEC_SUBSECUENCIA)) return;
        break;
    case MUESTRA:
        if (!texto(SEC_SONIDO)) return;
        break;
    case EXTREMO:
        if (p.size() != 2) {
            Falla("endpoint NAME");
            return;
        }
        r.iClave = SEC_OBJETOEXTREMO;
        break;
    case TEXTO: {
        // text NAME font F size W H hotspot X Y code "ABCD" align H V [scale SX SY]
        const bool escala = p.size() == 18;
        if ((p.size() != 15 && !escala) || p[2] != "font" || p[4] != "size" || p[7] != "hotspot" || p[10] != "code" ||
            p[12] != "align" || (escala && p[15] != "scale")) {
            Falla("text NAME font F size W H hotspot X Y code \"ABCD\" align H V [scale SX SY]");
            return;
        }
        r.iClave = SEC_OBJETOTEXTO;
        std::string codigo;
        if (!Entero(p[3], &r.e[1]) || !Real(p[5], &r.r[0]) || !Real(p[6], &r.r[1]) || !Real(p[8], &r.r[2]) ||
            !Real(p[9], &r.r[3]) || !Texto(p[11], &codigo) || !Entero(p[13], &r.e[2]) || !Entero(p[14], &r.e[3]))
            return;
        if (codigo.size() != 4) {
            Falla("a text code has four characters");
            return;
        }
        r.iCodigo = CodigoFLI(codigo.c_str());
        r.r[4] = r.r[5] = 1.0f;
        if (escala && (!Real(p[16], &r.r[4]) || !Real(p[17], &r.r[5]))) return;
        break;
    }
    case CANAL:
    case MUSICA:
    case LINEA:
        // Named only: they have no record of their own.
        if (p.size() != 2) {
            Falla(p[0] + " NAME");
            return;
        }
        break;
    }
    if (r.iClave >= 0) {
        const size_t antes = m_fallos->size();
        Anade(r, false);
        if (m_fallos->size() != antes) return;
        // Declarations go first, in source order.
        m_declaraciones.push_back(m_crono.back());
        m_crono.pop_back();
    }
    m_nombres[nombre] = {tipo, slot};
    ++cuenta;
}

void Compilador::Evento(const std::vector<std::string>& p)
{
    // at T NAME VERB ... | from T to T NAME VERB ... | at T subjump NAME to T
    RegistroSecuencia r;
    size_t k = 0;
    int f0 = 0, f1 = -1;
    if (p[0] == "at") {
        if (p.size() < 4 || !Tiempo(p[1], &f0)) {
            if (p.size() < 4) Falla("at T NAME VERB ...");
            return;
        }
        k = 2;
    } else {
        if (p.size() < 6 || p[2] != "to") {
            Falla("from T to T NAME VERB ...");
            return;
        }
        if (!Tiempo(p[1], &f0) || !Tiempo(p[3], &f1)) return;
        k = 4;
    }
    if (p[k] == "subjump") {
        int g = 0;
        auto it = m_nombres.find(p.size() > k + 1 ? p[k + 1] : "");
        if (p.size() != k + 4 || p[k + 2] != "to" || f1 >= 0) {
            Falla("at T subjump SEQUENCE to T");
            return;
        }
        if (it == m_nombres.end() || it->second.tipo != SUB) {
            Falla("\"" + p[k + 1] + "\" is no sequence declared before");
            return;
        }
        if (!Tiempo(p[k + 3], &g)) return;
        r.iClave = SEC_SUBSECCAMBIACRONO;
        r.e[0] = f0;
        r.e[1] = g;
        r.e[2] = it->second.slot;
        Anade(r, false);
        return;
    }
    auto it = m_nombres.find(p[k]);
    if (it == m_nombres.end()) {
        Falla("\"" + p[k] + "\" is used before its declaration");
        return;
    }
    const Elemento el = it->second;
    const std::string& verbo = p[k + 1];
    const Verbo* v = nullptr;
    for (const Verbo& x : kVerbos)
        if (x.grupo == GrupoDe(el.tipo) && verbo == x.nombre) v = &x;
    if (!v) {
        Falla("\"" + p[k] + "\" has no verb \"" + verbo + "\"");
        return;
    }
    if (v->intervalo != (f1 >= 0)) {
        Falla(std::string(verbo) + (v->intervalo ? " needs from T to T" : " needs at T"));
        return;
    }
    const std::string valores = v->valores;
    if (p.size() != k + 2 + valores.size()) {
        Falla(verbo + " takes " + std::to_string(valores.size()) + " values");
        return;
    }
    r.iClave = v->clave;
    int ne = 0, nr = 0;
    r.e[ne++] = el.slot;
    r.e[ne++] = f0;
    if (v->intervalo) r.e[ne++] = f1;
    for (size_t j = 0; j < valores.size(); ++j) {
        const std::string& x = p[k + 2 + j];
        switch (valores[j]) {
        case 'i':
            if (!Entero(x, &r.e[ne++])) return;
            break;
        case 'r':
            if (!Real(x, &r.r[nr++])) return;
            break;
        case 's':
            r.bTexto = true;
            if (!Texto(x, &r.sTexto)) return;
            break;
        case 'o': {
            auto o = m_nombres.find(x);
            if (o == m_nombres.end() || GrupoDe(o->second.tipo) != 0) {
                Falla("\"" + x + "\" is no object declared before");
                return;
            }
            r.e[ne++] = o->second.slot;
            break;
        }
        default: break;
        }
    }
    if (v->fijo >= 0) r.e[ne++] = v->fijo;
    Anade(r, true);
}

Compilada Compilador::Termina()
{
    Compilada c;
    // The end frame, always written: the one given, else past the last event.
    RegistroSecuencia fin;
    fin.iClave = SEC_FIN;
    fin.e[0] = m_iFin >= 0 ? m_iFin : m_iUltimoFrame + 1;
    c.registros = m_declaraciones;
    c.registros.push_back({fin, 0});
    c.registros.insert(c.registros.end(), m_crono.begin(), m_crono.end());
    // Events by frame; one frame's in source order (the player fires them in
    // file order, and plays sounds in file order).
    std::stable_sort(m_eventos.begin(), m_eventos.end(), [](const Registro& a, const Registro& b) {
        return a.r.e[DescribeClave(a.r.iClave).iFrame] < b.r.e[DescribeClave(b.r.iClave).iFrame];
    });
    c.registros.insert(c.registros.end(), m_eventos.begin(), m_eventos.end());
    c.bBien = true;
    return c;
}

} // namespace

Compilada CompilaFuente(const std::string& texto, const std::string& fichero, std::vector<Fallo>* fallos)
{
    Compilador comp(fichero, fallos);
    const size_t antes = fallos->size();
    std::istringstream in(texto);
    std::string linea;
    int n = 0;
    while (std::getline(in, linea)) {
        ++n;
        bool abierta = false;
        std::vector<std::string> p = Palabras(linea, &abierta);
        if (abierta) {
            fallos->push_back({fichero, n, "a quoted text is not closed"});
            continue;
        }
        comp.Linea(p, n);
    }
    Compilada c = comp.Termina();
    c.bBien = fallos->size() == antes;
    return c;
}

std::string TextoSec(const std::vector<Registro>& registros, const std::string& origen)
{
    std::string s = "// Animated sequence written by mg_sec from " + origen + ": edit the source, not this file.\n";
    for (const Registro& r : registros) s += EscribeRegistroSecuencia(r.r) + "\n";
    return s;
}

} // namespace sec
