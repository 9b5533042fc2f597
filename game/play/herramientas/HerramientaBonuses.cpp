#include "game/play/herramientas/HerramientaBonuses.h"

#include "engine/app/Aplicacion.h"
#include "engine/audio/GestorSonido.h"
#include "game/CatalogoJuego.h"
#include "game/play/Bonus.h"
#include "game/play/GeneradorBonus.h"
#include "game/play/MenuJuego.h"
#include "game/play/RegistroNivel.h"
#include "game/play/herramientas/Herramienta.h"
#include "game/play/herramientas/HerramientaAtaques.h"
#include "game/play/herramientas/HerramientaEfectos.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"

#include <algorithm>
#include <vector>

namespace {

// The badge of each multiplier level (x1, x2, x4, x6) in Bonuses.SPM.
constexpr std::array<int, 4> kInsignias = {21, 11, 19, 20};
constexpr std::array<int, 4> kMultiplicadores = {1, 2, 4, 6};
constexpr float kInsigniaX = 306.0f, kInsigniaY = 20.0f;

// The effect tool's flight of the new piece to the line gauge, when the
// tool offers it.
template <class T>
void LineaMaximaEn(T* e, float x, float y, int iMaximo, int iExtra)
{
    if constexpr (requires { e->LineaMaxima(x, y, iMaximo, iExtra); })
        if (e) e->LineaMaxima(x, y, iMaximo, iExtra);
}

} // namespace

CHerramientaBonuses::~CHerramientaBonuses()
{
    if (m_bCreado) Libera();
}

bool CHerramientaBonuses::Carga(CMenuJuego* pJuego, RegistroNivel* pNivel)
{
    if (m_bCreado) Libera();
    m_pJuego = pJuego;
    m_pNivel = pNivel;
    m_iNivelMultiplicador = m_iPasosMultiplicador = 0;
    m_bDuplicar = 0;
    m_iPiezasExtra = m_iPasosExtra = 0;
    m_iInsignia = 0;
    m_iCreados = m_iCogidos = m_iDuplicaciones = m_iCreadosTipo4 = 0;
    m_Bonus.Inicia();
    if (!CopiaPaqueteHerramienta(m_SPM, juego::paquete::BONUSES)) {
        Libera();
        return false;
    }
    m_bCreado = 1;
    if (pNivel)
        for (int i = 0; i < NUM_REGISTROS_BONUS; ++i)
            if (pNivel->PORCENTAJEBONUSES[static_cast<size_t>(i)].m_bValido)
                ActivaGenerador(i, &pNivel->PORCENTAJEBONUSES[static_cast<size_t>(i)]);
    if (g_pGestorSonido) {
        m_iSonidoAparicion = g_pGestorSonido->BuscaRanuraSonido(juego::sonido::APARICION_BONUS);
        m_iSonidoCoger = g_pGestorSonido->BuscaRanuraSonido(juego::sonido::COGER_BONUS);
    }
    return true;
}

void CHerramientaBonuses::Libera()
{
    if (m_bRecursos) DescargaRecursos();
    for (NodoLista* p = m_Bonus.m_pCabeza; p; p = p->m_pSiguiente) delete static_cast<CBonus*>(p->m_pItem);
    m_Bonus.Libera();
    for (CGeneradorBonus*& g : m_apGeneradores) {
        delete g;
        g = nullptr;
    }
    m_SPM.Libera();
    m_iSonidoAparicion = m_iSonidoCoger = -1;
    m_bCreado = 0;
}

void CHerramientaBonuses::CargaRecursos()
{
    if (!m_bCreado || m_bRecursos) return;
    m_SPM.MarcaEnUso();
    for (NodoLista* p = m_Bonus.m_pCabeza; p; p = p->m_pSiguiente) static_cast<CBonus*>(p->m_pItem)->MarcaEnUso();
    for (CGeneradorBonus* g : m_apGeneradores)
        if (g) g->MarcaEnUso();
    if (g_pGestorSonido) {
        if (m_iSonidoAparicion >= 0) g_pGestorSonido->MarcaRanuraSonidoEnUso(m_iSonidoAparicion);
        if (m_iSonidoCoger >= 0) g_pGestorSonido->MarcaRanuraSonidoEnUso(m_iSonidoCoger);
    }
    m_bRecursos = true;
}

void CHerramientaBonuses::DescargaRecursos()
{
    if (!m_bRecursos) return;
    m_SPM.DesmarcaEnUso();
    for (NodoLista* p = m_Bonus.m_pCabeza; p; p = p->m_pSiguiente) static_cast<CBonus*>(p->m_pItem)->DesmarcaEnUso();
    for (CGeneradorBonus* g : m_apGeneradores)
        if (g) g->DesmarcaEnUso();
    if (g_pGestorSonido) {
        if (m_iSonidoAparicion >= 0) g_pGestorSonido->DesmarcaRanuraSonidoEnUso(m_iSonidoAparicion);
        if (m_iSonidoCoger >= 0) g_pGestorSonido->DesmarcaRanuraSonidoEnUso(m_iSonidoCoger);
    }
    m_bRecursos = false;
}

CGeneradorBonus* CHerramientaBonuses::Generador(int i) const
{
    return (i >= 0 && i < NUM_REGISTROS_BONUS) ? m_apGeneradores[static_cast<size_t>(i)] : nullptr;
}

void CHerramientaBonuses::ActivaGenerador(int iIndice, const PorcentajesBonus* pRegistro)
{
    if (!m_bCreado || iIndice < 0 || iIndice >= NUM_REGISTROS_BONUS) return;
    CGeneradorBonus*& g = m_apGeneradores[static_cast<size_t>(iIndice)];
    if (!g) g = new CGeneradorBonus;
    // A generator without its sigils still releases bonuses.
    g->Inicia(m_pJuego, this, pRegistro, iIndice);
    if (m_bRecursos) g->MarcaEnUso();
}

void CHerramientaBonuses::CreaBonus(int iTipo, float x, float y)
{
    if (!m_bCreado || iTipo < 0 || iTipo >= NUM_CLASES_BONUS) return;
    ++m_iCreados;
    auto* b = new CBonus;
    if (!b->Inicia(m_pJuego, iTipo, x, y, &m_SPM)) {
        delete b;
        return;
    }
    if (m_bRecursos) b->MarcaEnUso();
    m_Bonus.InsertaAlPrincipio(b);
    if (iTipo == 4) ++m_iCreadosTipo4;
}

int CHerramientaBonuses::MultiplicadorDeNivel(int iNivel)
{
    return kMultiplicadores[static_cast<size_t>(std::clamp(iNivel, 0, 3))];
}

int CHerramientaBonuses::Multiplicador() const
{
    return MultiplicadorDeNivel(m_iNivelMultiplicador);
}

void CHerramientaBonuses::AplicaBonus(int iTipo, float x, float y)
{
    ++m_iCogidos;
    switch (iTipo) {
    case 1:
        m_iNivelMultiplicador = std::min(3, m_iNivelMultiplicador + 1);
        m_iPasosMultiplicador = kPasosMultiplicador;
        break;
    case 2:
        // Time back: a twentieth of the level's limit; nothing without one,
        // nor once the stage is decided and its clock stopped for good.
        if (m_pJuego && m_pNivel && m_pNivel->TIEMPOLIMITE > 0 &&
            CMenuJuego::DevuelveTiempoEnFase(m_pJuego->Fase()))
            m_pJuego->m_iTiempoUsado = std::max(0, m_pJuego->m_iTiempoUsado - m_pNivel->TIEMPOLIMITE / 20);
        break;
    case 4: m_bDuplicar = 1; break;
    case 5:
        ++m_iPiezasExtra;
        m_iPasosExtra = kPasosPiezasExtra;
        if (m_pJuego)
            LineaMaximaEn(m_pJuego->m_pEfectos, x, y, m_pJuego->m_iMaximoLinea, m_iPiezasExtra);
        break;
    case 7:
        if (m_pJuego && m_pJuego->m_pEstadosCursor) m_pJuego->m_pEstadosCursor->Escudo();
        break;
    case 8:
        if (m_pJuego && m_pJuego->m_pAtaques) {
            m_pJuego->m_pAtaques->EliminaTodas();
            m_pJuego->m_pAtaques->SiguienteAtaque();
        }
        if (g_pAplicacion) {
            g_pAplicacion->CambiaFundido(1.0f, 255, 255, 255);
            g_pAplicacion->FundidoEntrada(kPasosFundidoPurga, 255, 255, 255);
        }
        break;
    default: break;
    }
}

void CHerramientaBonuses::Actualiza(float px, float py, bool bPuedeCoger)
{
    if (!m_bCreado) return;
    // 1. The generators (they add bonuses at the head of the list).
    for (CGeneradorBonus* g : m_apGeneradores)
        if (g) g->Actualiza();

    // 2. The dead go; the rest move and may be picked. Picks act after the
    // walk: duplication and the purge reach lists of their own.
    NodoLista* p = m_Bonus.m_pCabeza;
    while (p) {
        NodoLista* pSiguiente = p->m_pSiguiente;
        auto* b = static_cast<CBonus*>(p->m_pItem);
        if (b->Estado() == BONUS_MUERTO) {
            m_Bonus.m_pActual = p;
            m_Bonus.BorraActual();
            delete b;
        }
        p = pSiguiente;
    }
    struct Recogida {
        int iTipo;
        float x, y;
    };
    std::vector<Recogida> recogidas;
    for (NodoLista* q = m_Bonus.m_pCabeza; q; q = q->m_pSiguiente) {
        auto* b = static_cast<CBonus*>(q->m_pItem);
        b->Actualiza();
        if (bPuedeCoger && b->Recoge(px, py)) recogidas.push_back({b->Tipo(), b->m_fX, b->m_fY});
    }
    for (const Recogida& r : recogidas) AplicaBonus(r.iTipo, r.x, r.y);

    // 3. The multiplier runs out.
    if (m_iPasosMultiplicador < 1) {
        m_iPasosMultiplicador = 0;
        m_iNivelMultiplicador = 0;
    } else {
        --m_iPasosMultiplicador;
    }
    // 4. The badge settles at its rest size while a multiplier runs.
    if (m_iPasosMultiplicador > 0) {
        if (m_iInsignia > kInsigniaReposo)
            --m_iInsignia;
        else if (m_iInsignia < kInsigniaReposo)
            ++m_iInsignia;
    } else if (m_iInsignia > 0) {
        --m_iInsignia;
    }
    // 5. Duplication: every bonus that may be duplicated gives two more.
    if (m_bDuplicar) {
        m_bDuplicar = 0;
        std::vector<Recogida> dobles;
        for (NodoLista* q = m_Bonus.m_pCabeza; q; q = q->m_pSiguiente) {
            const auto* b = static_cast<CBonus*>(q->m_pItem);
            if (b->Duplicable()) dobles.push_back({b->Tipo(), b->m_fX, b->m_fY});
        }
        for (const Recogida& d : dobles) {
            CreaBonus(d.iTipo, d.x, d.y);
            CreaBonus(d.iTipo, d.x, d.y);
            ++m_iDuplicaciones;
        }
    }
    // 6. The longer lines run out.
    if (m_iPasosExtra > 0 && --m_iPasosExtra == 0) m_iPiezasExtra = 0;
}

void CHerramientaBonuses::Dibuja(Sprite* pDestino, float fFundido)
{
    if (!m_bCreado) return;
    for (NodoLista* p = m_Bonus.m_pCabeza; p; p = p->m_pSiguiente)
        static_cast<CBonus*>(p->m_pItem)->Dibuja(pDestino, fFundido);
    for (size_t i = 1; i < m_apGeneradores.size(); ++i)
        if (m_apGeneradores[i]) m_apGeneradores[i]->Dibuja(pDestino);
    if (m_iInsignia > 0) {
        const float c = static_cast<float>(m_iInsignia) / static_cast<float>(kInsigniaReposo);
        const ColorRGB blanco{255, 255, 255};
        m_SPM.PonFusion(0, blanco);
        m_SPM.PonFusion2(0, blanco);
        m_SPM.PonColor(255, 255, 255);
        m_SPM.PonRotacion(0.0f);
        m_SPM.PonEscala(c, c);
        m_SPM.PonAlfa(static_cast<uint8_t>(std::min(255.0f, c * 255.0f)));
        m_SPM.DibujaSpriteEnDestino(pDestino, kInsignias[static_cast<size_t>(std::clamp(m_iNivelMultiplicador, 0, 3))],
                                    kInsigniaX, kInsigniaY);
        m_SPM.PonEscala(1.0f, 1.0f);
    }
}
