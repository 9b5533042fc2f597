// Reading, checking and writing one record of an animated-sequence file.
#include "engine/sequences/RegistroSecuencia.h"

#include "engine/core/GestorComandes.h"
#include "engine/core/NumerosC.h"
#include "engine/graphics/RegistroSPM.h"

#include <cmath>
#include <cstdint>
#include <strings.h>

namespace {

// Keyword, values, group, frame and last-frame integers. The order is the
// order of ClaveSecuencia.
constexpr DescripcionClave kClaves[NUM_CLAVES_SECUENCIA] = {
    {"OBJETO", "et", GRUPO_OBJETO, -1, -1},
    {"OBJETOEXTREMO", "e", GRUPO_OBJETO, -1, -1},
    {"OBJETOTEXTO", "eerrrrceerr", GRUPO_OBJETO, -1, -1},
    {"SETPOS", "eeee", GRUPO_OBJETO, 1, -1},
    {"VEPOS", "eeeee", GRUPO_OBJETO, 1, 2},
    {"VEPOSSALTO", "eeeeee", GRUPO_OBJETO, 1, 2},
    {"VELINEA", "eeeeeee", GRUPO_OBJETO, 1, 2},
    {"VESALTO", "eeeeeeee", GRUPO_OBJETO, 1, 2},
    {"PONANIM", "eee", GRUPO_OBJETO, 1, -1},
    {"PONANIMPUNTUAL", "eee", GRUPO_OBJETO, 1, -1},
    {"INVIERTEX", "ee", GRUPO_OBJETO, 1, -1},
    {"NOINVIERTEX", "ee", GRUPO_OBJETO, 1, -1},
    {"SETALFA", "eee", GRUPO_OBJETO, 1, -1},
    {"SETESCALA", "eerr", GRUPO_OBJETO, 1, -1},
    {"INTERPOLAALFA", "eeeee", GRUPO_OBJETO, 1, 2},
    {"INTERPOLAESCALA", "eeerrrr", GRUPO_OBJETO, 1, 2},
    {"SETTINTE", "eeeee", GRUPO_OBJETO, 1, -1},
    {"SETANGULO", "eer", GRUPO_OBJETO, 1, -1},
    {"SETVELANG", "eer", GRUPO_OBJETO, 1, -1},
    {"SCROLL", "et", GRUPO_CAPA, -1, -1},
    {"SCROLLMOV", "eerr", GRUPO_CAPA, 1, -1},
    {"SCROLLANIM", "eee", GRUPO_CAPA, 1, -1},
    {"SCROLLANIMPUNTUAL", "eee", GRUPO_CAPA, 1, -1},
    {"SCROLLINVIERTEX", "ee", GRUPO_CAPA, 1, -1},
    {"SCROLLNOINVIERTEX", "ee", GRUPO_CAPA, 1, -1},
    {"SCROLLMOSTRAR", "ee", GRUPO_CAPA, 1, -1},
    {"SCROLLOCULTAR", "ee", GRUPO_CAPA, 1, -1},
    {"SCROLLSETALFA", "eee", GRUPO_CAPA, 1, -1},
    {"SCROLLSETESCALA", "eerr", GRUPO_CAPA, 1, -1},
    {"SCROLLINTERPOLAALFA", "eeeee", GRUPO_CAPA, 1, 2},
    {"SCROLLINTERPOLAESCALA", "eeerrrr", GRUPO_CAPA, 1, 2},
    {"SCROLLSETPOS", "eerr", GRUPO_CAPA, 1, -1},
    {"SCROLLSETTINTE", "eeeee", GRUPO_CAPA, 1, -1},
    {"FIN", "e", GRUPO_CRONO, 0, -1},
    {"LOOP", "e", GRUPO_CRONO, 0, -1},
    {"CAMBIACRONO", "ee", GRUPO_CRONO, 0, -1},
    {"SUBSECCAMBIACRONO", "eee", GRUPO_CRONO, 0, -1},
    {"BOTONPAUSA", "ee", GRUPO_CRONO, 1, -1},
    {"SETBOTONPASAR", "eerrrrrc", GRUPO_CRONO, -1, -1},
    {"SETBOTONPAUSA", "eerrrrrc", GRUPO_CRONO, -1, -1},
    {"SETANIMSECUENCIA", "eee", GRUPO_CRONO, -1, -1},
    {"PONANIMSECUENCIA", "*", GRUPO_CRONO, -1, -1},
    {"SUBSECUENCIA", "et", GRUPO_SUBSECUENCIA, -1, -1},
    {"SUBSEC_SETVISIBLE", "eee", GRUPO_SUBSECUENCIA, 1, -1},
    {"SUBSEC_LANZA", "ee", GRUPO_SUBSECUENCIA, 1, -1},
    {"SUBSEC_PARA", "eee", GRUPO_SUBSECUENCIA, 1, -1},
    {"SONIDO", "et", GRUPO_SONIDO, -1, -1},
    {"TOCASONIDO", "ee", GRUPO_SONIDO, 1, -1},
    {"TOCASONIDOLARGO", "ete", GRUPO_SONIDO, 1, -1},
    {"PARASONIDOLARGO", "ee", GRUPO_SONIDO, 1, -1},
    {"TOCARANURAMUSICA", "eet", GRUPO_SONIDO, 1, -1},
    {"PARARANURAMUSICA", "ee", GRUPO_SONIDO, 1, -1},
    {"PONLINEA", "eeeeee", GRUPO_LINEA, 1, -1},
    {"QUITALINEA", "ee", GRUPO_LINEA, 1, -1},
};

bool EnRango(int v, int n) { return v >= 0 && v < n; }

bool FrameValido(int f) { return f >= -kMaxFrameSecuencia && f <= kMaxFrameSecuencia; }

// The size of the table that the record's first integer indexes.
int TamanoTabla(int iClave)
{
    switch (kClaves[iClave].grupo) {
    case GRUPO_OBJETO: return kNumObjetosSecuencia;
    case GRUPO_CAPA: return kNumCapasSecuencia;
    case GRUPO_SUBSECUENCIA: return kNumSubSecuencias;
    case GRUPO_LINEA: return kNumLineasSecuencia;
    case GRUPO_SONIDO:
        switch (iClave) {
        case SEC_SONIDO:
        case SEC_TOCASONIDO: return kNumMuestrasSecuencia;
        case SEC_TOCASONIDOLARGO:
        case SEC_PARASONIDOLARGO: return kNumCanalesSecuencia;
        default: return kNumPlazasMusicaSecuencia;
        }
    case GRUPO_CRONO: break;
    }
    return -1;
}

} // namespace

const DescripcionClave& DescribeClave(int iClave)
{
    return kClaves[iClave >= 0 && iClave < NUM_CLAVES_SECUENCIA ? iClave : 0];
}

int BuscaClaveSecuencia(const char* szNombre)
{
    if (!szNombre) return -1;
    for (int i = 0; i < NUM_CLAVES_SECUENCIA; ++i)
        if (strcasecmp(kClaves[i].nombre, szNombre) == 0) return i;
    return -1;
}

bool LeeRegistroSecuencia(CGestorComandes* g, FitxerComandes* f, RegistroSecuencia* r)
{
    *r = RegistroSecuencia();
    if (!g || !f) return false;
    r->iClave = BuscaClaveSecuencia(g->NomComanda(f));
    if (r->iClave < 0) return false;
    g->RebobinaParametres(f);
    int ne = 0, nr = 0;
    for (const char* p = kClaves[r->iClave].parametros; *p; ++p) {
        switch (*p) {
        case 'e': r->e[ne++] = g->LlegeixEnter(f); break;
        case 'r': r->r[nr++] = g->LlegeixReal(f); break;
        case 'c': r->iCodigo = g->LlegeixCodi(f); break;
        case 't': {
            const char* t = g->LlegeixText(f);
            r->bTexto = t != nullptr;
            r->sTexto = t ? t : "";
            break;
        }
        default: break; // '*': nothing is read
        }
    }
    return true;
}

const char* MotivoRechazoSecuencia(const RegistroSecuencia& r)
{
    if (r.iClave < 0 || r.iClave >= NUM_CLAVES_SECUENCIA) return "unknown keyword";
    const DescripcionClave& d = kClaves[r.iClave];
    const int tabla = TamanoTabla(r.iClave);
    if (tabla > 0 && !EnRango(r.e[0], tabla)) return "index outside its table";

    int nr = 0;
    for (const char* p = d.parametros; *p; ++p)
        if (*p == 'r') ++nr;
    for (int i = 0; i < nr; ++i)
        if (!std::isfinite(r.r[i]) || std::fabs(r.r[i]) > kMaxRealSecuencia) return "real value out of range";

    if (d.iFrame >= 0) {
        if (!FrameValido(r.e[d.iFrame])) return "frame out of range";
        // A sound at a frame before the first is never played.
        if (d.grupo == GRUPO_SONIDO && r.e[d.iFrame] < 0) return "negative frame";
    }
    if (d.iFrameFin >= 0) {
        if (!FrameValido(r.e[d.iFrameFin])) return "frame out of range";
        // A change over no frames divides by zero or never ends; an arc
        // needs two frames more than its start.
        const int64_t f0 = r.e[d.iFrame], f1 = r.e[d.iFrameFin];
        const bool arco = r.iClave == SEC_VEPOSSALTO || r.iClave == SEC_VESALTO;
        if (f1 <= f0 + (arco ? 1 : 0)) return arco ? "arc ends before its second frame" : "change ends where it starts";
    }

    switch (r.iClave) {
    case SEC_OBJETO:
    case SEC_SCROLL:
        if (r.sTexto.empty()) return "no package named";
        if (r.sTexto.size() >= size_t(kLongitudRutaSPM)) return "package name too long";
        break;
    case SEC_SUBSECUENCIA:
        if (r.sTexto.empty()) return "no file named";
        break;
    case SEC_PONANIM:
    case SEC_PONANIMPUNTUAL:
    case SEC_SCROLLANIM:
    case SEC_SCROLLANIMPUNTUAL:
        if (!EnRango(r.e[2], kNumSpritesSecuencia)) return "animation index outside 0..255";
        break;
    case SEC_FIN:
    case SEC_LOOP:
        if (r.e[0] < 0) return "negative frame";
        break;
    case SEC_CAMBIACRONO:
        if (!FrameValido(r.e[1])) return "frame out of range";
        break;
    case SEC_SUBSECCAMBIACRONO:
        if (!FrameValido(r.e[1])) return "frame out of range";
        if (!EnRango(r.e[2], kNumSubSecuencias)) return "index outside its table";
        break;
    case SEC_BOTONPAUSA:
        if (r.e[1] < 0) return "negative frame";
        break;
    case SEC_TOCASONIDOLARGO:
        if (r.sTexto.size() > size_t(kMaxFicheroLargoSecuencia)) return "file name too long";
        break;
    case SEC_TOCARANURAMUSICA:
        if (r.sTexto.size() > size_t(kMaxRanuraMusicaSecuencia)) return "music slot name too long";
        break;
    case SEC_PONLINEA:
        for (int i = 2; i <= 4; ++i)
            if (!EnRango(r.e[i], kNumObjetosSecuencia)) return "line end or sprite object outside 0..255";
        if (!EnRango(r.e[5], kNumSpritesSecuencia)) return "sprite index outside 0..255";
        break;
    default: break;
    }
    return nullptr;
}

std::string NombreFicheroComparable(const std::string& sNombre)
{
    std::string s, parte;
    const auto cierra = [&] {
        if (!parte.empty() && parte != ".") s += (s.empty() ? "" : "\\") + parte;
        parte.clear();
    };
    for (char c : sNombre) {
        if (c == '/' || c == '\\') {
            cierra();
            continue;
        }
        parte += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    }
    cierra();
    return s;
}

std::string EscribeRegistroSecuencia(const RegistroSecuencia& r)
{
    const DescripcionClave& d = DescribeClave(r.iClave);
    std::string s = d.nombre;
    s += " =";
    int ne = 0, nr = 0;
    bool primero = true;
    for (const char* p = d.parametros; *p; ++p) {
        if (*p == '*') break;
        s += primero ? " " : ", ";
        primero = false;
        switch (*p) {
        case 'e': s += std::to_string(r.e[ne++]); break;
        case 'r': s += FormatoC("%.9g", double(r.r[nr++])); break;
        case 't': s += "\"" + r.sTexto + "\""; break;
        case 'c':
            if (r.iCodigo == -1) {
                s += "NONE";
            } else {
                s += '"';
                for (int i = 3; i >= 0; --i) {
                    const char c = char((uint32_t(r.iCodigo) >> (8 * i)) & 0xFF);
                    if (c) s += c;
                }
                s += '"';
            }
            break;
        default: break;
        }
    }
    s += ";";
    return s;
}
