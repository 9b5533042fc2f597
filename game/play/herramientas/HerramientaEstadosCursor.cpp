#include "game/play/herramientas/HerramientaEstadosCursor.h"

#include "engine/core/GestorRatones.h"
#include "engine/graphics/GestorSPMs.h"
#include "game/CatalogoJuego.h"

CHerramientaEstadosCursor::~CHerramientaEstadosCursor()
{
    if (m_bCreado) Libera();
}

bool CHerramientaEstadosCursor::Carga(CMenuJuego*, RegistroNivel*)
{
    if (m_bCreado) Libera();
    CSPM* pOrigen = g_pGestorSPMs ? g_pGestorSPMs->GetSPM(motor::paquete::CURSOR_INGAME) : nullptr;
    if (!pOrigen || !m_Cursor.Copia(pOrigen)) {
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

void CHerramientaEstadosCursor::Libera()
{
    m_Cursor.Libera();
    m_bCreado = false;
}

void CHerramientaEstadosCursor::CargaRecursos()
{
    if (m_bCreado) m_Cursor.MarcaEnUso();
}

void CHerramientaEstadosCursor::DescargaRecursos()
{
    if (m_bCreado) m_Cursor.DesmarcaEnUso();
}

float CHerramientaEstadosCursor::PunteroX() const
{
    CRaton* r = g_pRatones ? g_pRatones->Raton(0) : nullptr;
    return r ? r->X() : 0.0f;
}

float CHerramientaEstadosCursor::PunteroY() const
{
    CRaton* r = g_pRatones ? g_pRatones->Raton(0) : nullptr;
    return r ? r->Y() : 0.0f;
}

void CHerramientaEstadosCursor::Dibuja(Sprite* pDestino)
{
    if (!m_bCreado) return;
    m_Cursor.DibujaSpriteEnDestino(pDestino, 0, PunteroX(), PunteroY());
}
