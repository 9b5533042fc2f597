#include "engine/ui/MenuDesplegable.h"

#include "engine/ui/Buto.h"

#include <cstdio>
#include <cstring>
#include <string>

CMenuDesplegable::~CMenuDesplegable() { LiberaSiCreado(); }

void CMenuDesplegable::InicializaCampos()
{
    m_fAltoOpcion = 0.0f;
    m_apOpciones.clear();
    m_iNumOpciones = 0;
    m_bAbierto = false;
}

void CMenuDesplegable::Libera()
{
    for (CButo* p : m_apOpciones) delete p;
    m_apOpciones.clear();
}

void CMenuDesplegable::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CMenuDesplegable::Inicia(float x, float y, float ancho, float alto, int nOpciones,
                              const OpcionDesplegable* opciones, int fuente, int estiloBotones, float escala, int id,
                              const char* nombre)
{
    LiberaSiCreado();
    InicializaCampos();
    // Nothing to choose from: no drop-down.
    if (nOpciones < 1 || !opciones) return false;
    if (!CMenuObj::Inicia(id, nombre, Rectangulo{x, y, ancho, alto}, -1)) return false;
    m_fAltoOpcion = alto;
    bool bOk = true;
    for (int i = 0; i < nOpciones && bOk; ++i) {
        char szNombre[kLongitudNombre];
        std::snprintf(szNombre, sizeof szNombre, kNombreOpcion, i);
        auto* b = new CButo;
        m_apOpciones.push_back(b);
        const OpcionDesplegable& o = opciones[i];
        const float yo = y + alto * float(i);
        if (o.iIdTexto == -1) {
            // At most the record's length, whatever the caller's buffer holds.
            const std::string texto(o.szTexto, strnlen(o.szTexto, OpcionDesplegable::kLongitudTexto - 1));
            bOk = b->IniciaConTexto(x, yo, ancho, alto, estiloBotones, fuente, texto.c_str(), escala, 0, i, szNombre);
        } else {
            bOk = b->IniciaConIdTexto(x, yo, ancho, alto, estiloBotones, fuente, o.iIdTexto, escala, 0, i, szNombre);
        }
    }
    if (!bOk) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_iNumOpciones = nOpciones;
    Enlaza();
    AnadeHijo(false, m_apOpciones[0], false, false);
    EnfocaHijo(nullptr);
    m_bCreado = true;
    return true;
}

void CMenuDesplegable::Enlaza()
{
    for (int i = 0; i < m_iNumOpciones; ++i) {
        if (i > 0) m_apOpciones[size_t(i)]->PonArriba(m_apOpciones[size_t(i - 1)]);
        if (i < m_iNumOpciones - 1) m_apOpciones[size_t(i)]->PonAbajo(m_apOpciones[size_t(i + 1)]);
    }
}

void CMenuDesplegable::PonEnfocado(bool bEnfocado)
{
    if (!m_bCreado || bEnfocado == m_bAbierto) return;
    m_bAbierto = bEnfocado;
    if (bEnfocado) {
        // Each option attached takes the focus: the one that had it keeps it.
        CMenuObj* pFoco = HijoEnfocado();
        for (int i = 1; i < m_iNumOpciones; ++i) AnadeHijo(true, m_apOpciones[size_t(i)], false, false);
        // Links to options taken away were dropped with them.
        Enlaza();
        EnfocaHijo(pFoco ? pFoco : m_apOpciones[0]);
        PonRect(m_rect.x, m_rect.y, m_rect.ancho, m_fAltoOpcion * float(m_iNumOpciones));
    } else {
        for (int i = 1; i < m_iNumOpciones; ++i) QuitaHijo(false, m_apOpciones[size_t(i)]);
        PonRect(m_rect.x, m_rect.y, m_rect.ancho, m_fAltoOpcion);
        EnfocaHijo(nullptr);
    }
}

void CMenuDesplegable::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo == EVENTO_PULSADO && iIdEmisor >= 0 && iIdEmisor < m_iNumOpciones) {
        CMenuObj::EnviaEvento(EVENTO_OPCION_ELEGIDA, iIdEmisor, nullptr, m_iId);
        return;
    }
    CMenuObj::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
}
