// A board piece on screen: the passes CBolaTablero works out, drawn with its
// two packages.
#include "game/play/BolaTablero.h"

void CBolaTablero::Dibuja(Sprite* destino, float oscurecer)
{
    if (!m_bCargada) return;
    PasadasBola pasadas;
    CalculaPasadas(oscurecer, pasadas);
    for (int i = 0; i < pasadas.m_iNum; ++i) DibujaPasada(destino, pasadas.m_a[static_cast<size_t>(i)]);
}

void CBolaTablero::DibujaPasada(Sprite* destino, const PasadaBola& p)
{
    CSPM& paquete = p.m_Paquete == PasadaBola::DIAMANTES ? m_Diamantes : m_Aro;
    paquete.PonEscala(p.m_fEscalaX, p.m_fEscalaY);
    paquete.PonRotacion(p.m_fRotacion);
    paquete.PonAlfa(p.m_ucAlfa);
    paquete.PonFusion(p.m_iFusion, p.m_ColorFusion);
    if (p.m_Paquete == PasadaBola::DIAMANTES) paquete.PonAlfaFusion2(p.m_ucAlfa2);
    paquete.DibujaSpriteEnDestino(destino, p.m_iSlot, p.m_fX, p.m_fY);
}
