#include "engine/ui/CargandoObj.h"

CCargandoObj::~CCargandoObj() { LiberaSiCreado(); }

void CCargandoObj::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    // Nothing of its own: the capture belongs to the application core.
    m_pCaptura.store(nullptr);
    m_bActivo.store(false);
    m_bCreado = false;
}

bool CCargandoObj::Inicia()
{
    LiberaSiCreado();
    m_pCaptura.store(nullptr);
    m_bActivo.store(false);
    if (!CMenuObj::Inicia(-1, kNombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1)) return false;
    m_bCreado = true;
    return true;
}

void CCargandoObj::Activa() { m_bActivo.store(true); }

void CCargandoObj::Desactiva() { m_bActivo.store(false); }

void CCargandoObj::Dibuja(CMenuObj*, Sprite* pDestino)
{
    // One read: the loading-sign thread may set another capture meanwhile.
    Sprite* pCaptura = m_pCaptura.load();
    if (pCaptura)
        DibujaSobreCaptura(pDestino, pCaptura);
    else
        DibujaSinCaptura(pDestino);
}
