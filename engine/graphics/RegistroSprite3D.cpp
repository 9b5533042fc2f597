// Reading one record of a piece-animated sprite's file.
#include "engine/graphics/RegistroSprite3D.h"

#include "engine/core/GestorComandes.h"

#include <cmath>
#include <cstring>
#include <strings.h>

namespace {

bool EsNombre(const char* a, const char* b) { return a && strcasecmp(a, b) == 0; }

bool EnRango(int i, int n) { return i >= 0 && i < n; }

// Reals read in turn; false as soon as one is not finite.
struct LectorReales {
    CGestorComandes* g;
    FitxerComandes* f;
    bool bBien = true;
    float Lee()
    {
        float v = g->LlegeixReal(f);
        if (!std::isfinite(v)) {
            bBien = false;
            return 0.0f;
        }
        return v;
    }
};

} // namespace

bool InterpretaRegistroSprite3D(CGestorComandes* g, FitxerComandes* f, bool bVersionB, RegistroSprite3D* r)
{
    *r = RegistroSprite3D();
    if (!g || !f) return false;
    const char* nombre = g->NomComanda(f);
    LectorReales lr{g, f};
    if (EsNombre(nombre, "SPRITE3D")) {
        const char* v = g->LlegeixText(f);
        if (!v) return false;
        if (std::strcmp(v, "0.001A") != 0 && std::strcmp(v, "0.001B") != 0) return false;
        r->tipo = RegistroSprite3D::VERSION;
        r->bVersionB = std::strcmp(v, "0.001B") == 0;
        return true;
    }
    if (EsNombre(nombre, "PIEZA")) {
        r->tipo = RegistroSprite3D::PIEZA;
        r->iPieza = g->LlegeixEnter(f);
        if (!EnRango(r->iPieza, kNumPiezasSprite3D)) return false;
        const char* p = g->LlegeixText(f);
        r->paquete = p ? p : "";
        AtributosPieza& a = r->atributos;
        for (float* c : {&a.x, &a.y, &a.z, &a.fRotacion, &a.fEscalaX, &a.fEscalaY, &a.r, &a.g, &a.b, &a.fAlfa})
            *c = lr.Lee();
        a.fTamCubo = lr.Lee();
        r->bEspejo = g->LlegeixEnter(f) != 0;
        // A missing column reads as -1: visible.
        if (bVersionB) r->bVisible = g->LlegeixEnter(f) != 0;
        return lr.bBien;
    }
    if (EsNombre(nombre, "ORDEN")) {
        r->tipo = RegistroSprite3D::ORDEN;
        r->iLista = g->LlegeixEnter(f);
        if (!EnRango(r->iLista, kNumListasSprite3D)) return false;
        OrdenSprite3D& o = r->orden;
        o.iPieza = r->iLista;
        o.iTipo = g->LlegeixEnter(f);
        o.iInicio = g->LlegeixEnter(f);
        o.iFin = g->LlegeixEnter(f);
        switch (o.iTipo) {
        case ORDEN_MOVER:
            o.x = lr.Lee();
            o.y = lr.Lee();
            o.z = lr.Lee();
            for (int32_t& k : o.aiFlags) k = g->LlegeixEnter(f);
            break;
        case ORDEN_ANIMACION:
            o.iAnimacion = g->LlegeixEnter(f);
            o.bBucle = g->LlegeixEnter(f) != 0;
            break;
        case ORDEN_GIRAR:
            o.fVelocidad = lr.Lee();
            break;
        case ORDEN_GIRAR_A:
            o.fAngulo = lr.Lee();
            o.bNegativo = g->LlegeixEnter(f) != 0;
            break;
        default:
            return false;
        }
        return lr.bBien;
    }
    if (EsNombre(nombre, "DURACION")) {
        r->tipo = RegistroSprite3D::DURACION;
        r->iLista = g->LlegeixEnter(f);
        r->iDuracion = g->LlegeixEnter(f);
        return EnRango(r->iLista, kNumListasSprite3D);
    }
    if (EsNombre(nombre, "TAMCUADRO")) {
        r->tipo = RegistroSprite3D::TAMCUADRO;
        r->fTamCuadro = lr.Lee();
        return lr.bBien;
    }
    return false;
}
