#include "engine/ui/CargandoObj.h"

CCargandoObj::~CCargandoObj()
{
    if (m_bCreado) Libera();
}

bool CCargandoObj::Inicia()
{
    if (m_bCreado) Libera();
    m_iId = -1;
    PonRect(0.0f, 0.0f, 1024.0f, 768.0f);
    m_pCaptura.store(nullptr);
    m_bCreado = true;
    return true;
}

void CCargandoObj::Libera()
{
    // Nothing of its own: the capture belongs to the application core.
    m_pCaptura.store(nullptr);
    m_bCreado = false;
}

void CCargandoObj::Dibuja(CMenuObj*, Sprite* pDestino)
{
    Sprite* pCaptura = m_pCaptura.load();
    if (pCaptura)
        DibujaSobreCaptura(pDestino, pCaptura);
    else
        DibujaSinCaptura(pDestino);
}
