// Reading one record of a sprite-package (.SPM) file.
#include "engine/graphics/RegistroSPM.h"

#include "engine/core/GestorComandes.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace {

bool EsNombre(const char* a, const char* b)
{
    return a && strcasecmp(a, b) == 0;
}

} // namespace

int FlagsTextoSPM(int alineacionH, int alineacionV)
{
    int f = 0x40; // word wrap
    switch (alineacionH) {
    case 0: f |= 0x04; break;
    case 1: f |= 0x01; break;
    case 2: f |= 0x02; break;
    default: break;
    }
    switch (alineacionV) {
    case 0: f |= 0x20; break;
    case 1: f |= 0x08; break;
    case 2: f |= 0x10; break;
    default: break;
    }
    return f;
}

bool InterpretaRegistroSPM(CGestorComandes* g, FitxerComandes* f, int version, RegistroSPM* r)
{
    *r = RegistroSPM();
    if (!g || !f) return false;
    const char* nombre = g->NomComanda(f);
    if (EsNombre(nombre, "SPMVER")) {
        r->tipo = RegistroSPM::VERSION;
        r->version = g->LlegeixEnter(f);
        return true;
    }
    if (EsNombre(nombre, "ANIMACIO")) {
        r->tipo = RegistroSPM::ANIMACIO;
        r->animacion = g->LlegeixEnter(f);
        // −1 is what a missing number reads as: only 0..255 index an animation.
        if (r->animacion < 0 || r->animacion >= kNumAnimacionesSPM) return false;
        AnimacionSPM& a = r->frames;
        while (!g->FiParametres(f) && a.m_ucNumFrames < kMaxFramesAnimacion) {
            int slot = g->LlegeixEnter(f);
            if (g->FiParametres(f)) break; // a trailing slot without a duration
            int ms = std::clamp(g->LlegeixEnter(f), 0, 65535);
            a.m_aucSlots[a.m_ucNumFrames] = uint8_t(slot);
            a.m_ausDuraciones[a.m_ucNumFrames] = uint16_t(ms);
            a.m_iDuracionTotal += ms;
            ++a.m_ucNumFrames;
        }
        return true;
    }
    const bool esSprite = EsNombre(nombre, "SPRITE");
    const bool esTxt = EsNombre(nombre, "TXT");
    const bool esTxtFli = EsNombre(nombre, "TXTFLI");
    if (!esSprite && !esTxt && !esTxtFli) return false;

    r->slot = g->LlegeixEnter(f);
    if (r->slot < 0 || r->slot >= kNumSlotsSPM) return false;
    if (esSprite) {
        r->tipo = RegistroSPM::SPRITE;
        const char* fichero = g->LlegeixText(f);
        // The last three characters become "PNG": a name shorter than that
        // (or longer than the file system opens) names no picture.
        size_t n = fichero ? std::strlen(fichero) : 0;
        if (n < 3 || n >= size_t(kLongitudRutaSPM)) return false;
        r->fichero.assign(fichero, n - 3);
        r->fichero += "PNG";
        r->x = g->LlegeixReal(f);
        r->y = g->LlegeixReal(f);
        r->w = g->LlegeixReal(f);
        r->h = g->LlegeixReal(f);
        r->hotspotX = g->LlegeixReal(f);
        r->hotspotY = g->LlegeixReal(f);
        if (version >= 1) {
            int modo = g->LlegeixEnter(f);
            r->espejo = modo == 1 || modo == 3;
            r->opaco = modo == 2 || modo == 3;
        }
        return true;
    }
    r->tipo = esTxt ? RegistroSPM::TXT : RegistroSPM::TXTFLI;
    r->ancho = g->LlegeixReal(f);
    r->alto = g->LlegeixReal(f);
    int alinH = g->LlegeixEnter(f);
    int alinV = g->LlegeixEnter(f);
    r->flagsTexto = FlagsTextoSPM(alinH, alinV);
    r->font = g->LlegeixEnter(f);
    if (esTxt) {
        const char* t = g->LlegeixText(f);
        r->texto = t ? t : "";
    } else {
        r->codigo = g->LlegeixCodi(f);
    }
    r->hotspotX = g->LlegeixReal(f);
    r->hotspotY = g->LlegeixReal(f);
    r->escalaX = g->LlegeixReal(f);
    r->escalaY = g->LlegeixReal(f);
    return true;
}

