#include "engine/ui/FabricaMenuObj.h"

#include "engine/core/GestorComandes.h"
#include "engine/ui/Arrastrable.h"
#include "engine/ui/ArrayButtons.h"
#include "engine/ui/Buto.h"
#include "engine/ui/ButoMultiOpcion.h"
#include "engine/ui/CirculoSprites.h"
#include "engine/ui/CuadreText.h"
#include "engine/ui/FondoScroll.h"
#include "engine/ui/Imagen3DRotable.h"
#include "engine/ui/ImagenScrollable.h"
#include "engine/ui/InputText.h"
#include "engine/ui/ListaNavegacion.h"
#include "engine/ui/LlistaText.h"
#include "engine/ui/MenuDesplegable.h"
#include "engine/ui/MenuJapSecuencia.h"
#include "engine/ui/MenuSecuenciable.h"
#include "engine/ui/MessageBox.h"
#include "engine/ui/PanelNavegacion.h"
#include "engine/ui/QuadreGrafic.h"

#include <algorithm>
#include <cstring>
#include <strings.h>
#include <typeinfo>
#include <vector>

namespace {

// Objects nest at most this deep in a file; deeper ones are read past.
constexpr int kMaxProfundidad = 64;

template <class T>
CMenuObj* Crea()
{
    return new T;
}

template <class T>
bool Es(const CMenuObj* p, bool bExacto)
{
    return bExacto ? typeid(*p) == typeid(T) : dynamic_cast<const T*>(p) != nullptr;
}

struct Fila {
    const char* szTipo;
    CMenuObj* (*pCrea)();
    bool (*pEs)(const CMenuObj*, bool);
};

// In the order kinds are looked up.
const Fila g_aFilas[] = {
    {"ARRASTRABLE", Crea<CArrastrable>, Es<CArrastrable>},
    {"ARRAY_BUTTONS", Crea<CArrayButtons>, Es<CArrayButtons>},
    {"BUTO_MULTI_OPCION", Crea<CButoMultiOpcion>, Es<CButoMultiOpcion>},
    {"BUTO", Crea<CButo>, Es<CButo>},
    {"CUADRETEXT", Crea<CCuadreText>, Es<CCuadreText>},
    {"FONDO_SCROLL", Crea<CFondoScroll>, Es<CFondoScroll>},
    {"INPUT_TEXT", Crea<CInputText>, Es<CInputText>},
    {"LLISTA_TEXT", Crea<CLlistaText>, Es<CLlistaText>},
    {"MENU_DESPLEGABLE", Crea<CMenuDesplegable>, Es<CMenuDesplegable>},
    {"QUADRE_GRAFIC", Crea<CQuadreGrafic>, Es<CQuadreGrafic>},
    {"LISTA_NAVEGACION", Crea<CListaNavegacion>, Es<CListaNavegacion>},
    {"PANEL_NAVEGACION", Crea<CPanelNavegacion>, Es<CPanelNavegacion>},
    {"CIRCULO_SPRITES", Crea<CCirculoSprites>, Es<CCirculoSprites>},
    {"IMAGEN_3D_ROTABLE", Crea<CImagen3DRotable>, Es<CImagen3DRotable>},
    {"IMAGEN_SCROLLABLE", Crea<CImagenScrollable>, Es<CImagenScrollable>},
    {"MENU_JAPSECUENCIA", Crea<CMenuJapSecuencia>, Es<CMenuJapSecuencia>},
    {"MENU_SECUENCIABLE", Crea<CMenuSecuenciable>, Es<CMenuSecuenciable>},
    {"MESSAGE_BOX", Crea<CMessageBox>, Es<CMessageBox>},
};

bool EsNombre(const char* a, const char* b) { return a && strcasecmp(a, b) == 0; }

void SaltaObjeto(CGestorComandes* g, FitxerComandes* f);

} // namespace

const char* TipoMenuObj(const CMenuObj* pObj)
{
    if (!pObj) return nullptr;
    for (bool bExacto : {true, false})
        for (const Fila& f : g_aFilas)
            if (f.pEs(pObj, bExacto)) return f.szTipo;
    return nullptr;
}

CMenuObj* CFabricaMenuObj::CreaMenuObjPorTipo(const char* szTipo)
{
    if (!szTipo) return nullptr;
    for (const Fila& f : g_aFilas)
        if (std::strcmp(f.szTipo, szTipo) == 0) return f.pCrea ? f.pCrea() : nullptr;
    return nullptr;
}

void CFabricaMenuObj::BorraArbol(CMenuObj* pObj)
{
    if (!pObj) return;
    // Every child it holds: attached, closing, or waiting to be attached (a
    // screen waits there until its parent has closed).
    std::vector<CMenuObj*> hijos;
    for (const CLista* l : {&pObj->m_lHijos, &pObj->m_lBajas, &pObj->m_lAltasPendientes})
        for (const NodoLista* n = l->m_pCabeza; n; n = n->m_pSiguiente) {
            auto* h = static_cast<CMenuObj*>(n->m_pItem);
            if (std::find(hijos.begin(), hijos.end(), h) == hijos.end()) hijos.push_back(h);
        }
    // Each child leaves its parent's lists as it goes.
    for (CMenuObj* h : hijos) BorraArbol(h);
    delete pObj;
}

CMenuObj* CFabricaMenuObj::LeeClaseMenuObj(FitxerComandes* f) { return LeeObjeto(f, 0); }

namespace {
// Reads past an object nested too deep, up to its FINCLASE, without going
// down into it.
void SaltaObjeto(CGestorComandes* g, FitxerComandes* f)
{
    int iNivel = 1;
    while (iNivel > 0 && g->LlegeixComanda(f)) {
        if (EsNombre(g->NomComanda(f), "CLASE"))
            ++iNivel;
        else if (EsNombre(g->NomComanda(f), "FINCLASE"))
            --iNivel;
    }
}
} // namespace

CMenuObj* CFabricaMenuObj::LeeObjeto(FitxerComandes* f, int iProfundidad)
{
    CGestorComandes* g = g_pGestorComandes;
    if (!g || !f || !EsNombre(g->NomComanda(f), "CLASE")) return nullptr;
    if (iProfundidad >= kMaxProfundidad) {
        SaltaObjeto(g, f);
        return nullptr;
    }
    const char* szTipo = g->LlegeixText(f);
    CMenuObj* pObj = CreaMenuObjPorTipo(szTipo);
    bool bBien = pObj != nullptr;
    bool bFin = !g->LlegeixComanda(f);
    if (!bFin && EsNombre(g->NomComanda(f), "PARAMS")) {
        if (pObj && !pObj->LeeParametros(f)) bBien = false;
        bFin = !g->LlegeixComanda(f);
    }
    // The children, each read up to its own end, whatever becomes of it:
    // the records after it are still this object's.
    while (!bFin && EsNombre(g->NomComanda(f), "CLASE")) {
        CMenuObj* pHijo = LeeObjeto(f, iProfundidad + 1);
        if (pHijo) {
            if (bBien && pObj->EstaIniciado() && pHijo->EstaIniciado())
                pObj->AnadeHijo(false, pHijo, false, false);
            else
                BorraArbol(pHijo);
        }
        bFin = !g->LlegeixComanda(f);
    }
    if (!bBien) {
        BorraArbol(pObj);
        return nullptr;
    }
    return pObj;
}
