#include "game/play/herramientas/HerramientaMonedas.h"

#include "engine/audio/GestorSonido.h"
#include "engine/ui/MenuObj.h"
#include "game/CatalogoJuego.h"
#include "game/play/MenuJuego.h"
#include "game/play/Moneda.h"
#include "game/play/herramientas/Herramienta.h"

#include <algorithm>
#include <vector>

namespace {
constexpr int kFramesGiro = 10;
} // namespace

CHerramientaMonedas::~CHerramientaMonedas()
{
    if (m_bCreado) Libera();
}

bool CHerramientaMonedas::Carga(CMenuObj* pPantalla)
{
    if (m_bCreado) Libera();
    m_pPantalla = pPantalla;
    m_iFrame = 0;
    if (!CopiaPaqueteHerramienta(m_SPM, juego::paquete::MONEDAS_GIRO)) {
        Libera();
        return false;
    }
    m_Monedas.Inicia();
    m_iSonido = g_pGestorSonido ? g_pGestorSonido->BuscaRanuraSonido(juego::sonido::MONEDA) : -1;
    m_bCreado = 1;
    return true;
}

void CHerramientaMonedas::Libera()
{
    if (m_bRecursos) DescargaRecursos();
    for (NodoLista* p = m_Monedas.m_pCabeza; p; p = p->m_pSiguiente) delete static_cast<CMoneda*>(p->m_pItem);
    m_Monedas.Libera();
    m_SPM.Libera();
    m_iSonido = -1;
    m_bCreado = 0;
}

void CHerramientaMonedas::CargaRecursos()
{
    if (!m_bCreado || m_bRecursos) return;
    m_SPM.MarcaEnUso();
    if (g_pGestorSonido && m_iSonido >= 0) g_pGestorSonido->MarcaRanuraSonidoEnUso(m_iSonido);
    m_bRecursos = true;
}

void CHerramientaMonedas::DescargaRecursos()
{
    if (!m_bRecursos) return;
    m_SPM.DesmarcaEnUso();
    if (g_pGestorSonido && m_iSonido >= 0) g_pGestorSonido->DesmarcaRanuraSonidoEnUso(m_iSonido);
    m_bRecursos = false;
}

void CHerramientaMonedas::CreaMoneda(int iTipo, float x, float y)
{
    if (!m_bCreado) return;
    auto* m = new CMoneda;
    m->Inicia(iTipo, x, y, 0);
    m_Monedas.InsertaAlFinal(m);
}

void CHerramientaMonedas::Actualiza()
{
    if (!m_bCreado) return;
    ++m_iFrame;
    NodoLista* p = m_Monedas.m_pCabeza;
    while (p) {
        NodoLista* pSiguiente = p->m_pSiguiente;
        auto* m = static_cast<CMoneda*>(p->m_pItem);
        m->Actualiza();
        if (m->Desaparecida()) {
            m_Monedas.m_pActual = p;
            m_Monedas.BorraActual();
            delete m;
        }
        p = pSiguiente;
    }
}

void CHerramientaMonedas::Recoge(float px, float py)
{
    if (!m_bCreado) return;
    // Collect first: the screen's answer to an event may add coins.
    std::vector<int> recogidas;
    for (NodoLista* p = m_Monedas.m_pCabeza; p; p = p->m_pSiguiente) {
        auto* m = static_cast<CMoneda*>(p->m_pItem);
        if (!m->Recogible()) continue;
        const float dx = m->XDibujo() - px, dy = m->YDibujo() - py;
        if (dx * dx + dy * dy < kRadioRecogida2) {
            m->m_iDesvanecer = 0;
            recogidas.push_back(m->m_iTipo);
        }
    }
    for (int iTipo : recogidas) {
        if (g_pGestorSonido && m_iSonido >= 0) g_pGestorSonido->TocaRanuraSonido(m_iSonido, true);
        if (m_pPantalla) m_pPantalla->EnviaEvento(EVENTO_MONEDA_RECOGIDA, iTipo, nullptr, -1);
    }
}

int CHerramientaMonedas::SpriteMoneda(int iTipo, int iEdad)
{
    return std::clamp(iTipo, 0, 2) * kFramesGiro + ((std::max(iEdad, 0) * 3) % 20) / 2;
}

void CHerramientaMonedas::Dibuja(Sprite* pDestino)
{
    if (!m_bCreado) return;
    const ColorRGB blanco{255, 255, 255};
    for (NodoLista* p = m_Monedas.m_pCabeza; p; p = p->m_pSiguiente) {
        const auto* m = static_cast<CMoneda*>(p->m_pItem);
        int iAlfa = 255;
        if (m->m_iDesvanecer < 1) {
            m_SPM.PonFusion(0, blanco);
            iAlfa = std::min(255, m->m_iEdad * 255 / 15);
        } else {
            m_SPM.PonFusion(0x01, blanco);
            iAlfa = std::max(0, 255 - m->m_iDesvanecer * 255 / 15);
        }
        m_SPM.PonAlfa(static_cast<uint8_t>(iAlfa));
        m_SPM.PonEscala(m->m_fEscala, m->m_fEscala);
        m_SPM.PonRotacion(0.0f);
        m_SPM.DibujaSpriteEnDestino(pDestino, SpriteMoneda(m->m_iTipo, m->m_iEdad), m->XDibujo(), m->YDibujo());
    }
    m_SPM.PonFusion(0, blanco);
}
