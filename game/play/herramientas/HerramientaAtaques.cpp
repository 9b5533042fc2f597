#include "game/play/herramientas/HerramientaAtaques.h"

#include "engine/audio/GestorSonido.h"
#include "engine/graphics/Lineas.h"
#include "engine/graphics/Geometria.h"
#include "engine/core/Temporizador.h"
#include "game/CatalogoJuego.h"
#include "game/play/Maldicion.h"
#include "game/play/MenuJuego.h"
#include "game/play/herramientas/Herramienta.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The gauge: a bar that rises from its base, an emblem above it.
constexpr float kIndicadorX = 925.0f, kIndicadorBase = 503.0f, kIndicadorEmblema = 430.0f;
constexpr float kEnergiaX = 900.0f, kEnergiaBase = 473.0f, kEnergiaEmblema = 400.0f;
constexpr float kAltoBarra = 147.0f;
constexpr float kGiroEmblema = 6.283184f / 1500.0f;

// Sprites of a gauge package.
enum { IND_EMBLEMA = 0, IND_BARRA = 1, IND_TAPA = 2, IND_ARO = 3 };

constexpr int kTipoRosa = 9;
constexpr int kPasosRosa = 15;
constexpr int kPasoAlfaRosa = 17;

} // namespace

CHerramientaAtaques::~CHerramientaAtaques()
{
    if (m_bCreado) Libera();
}

bool CHerramientaAtaques::Carga(CMenuJuego* pJuego, RegistroNivel* pNivel)
{
    if (m_bCreado) Libera();
    m_pJuego = pJuego;
    m_pNivel = pNivel;
    m_iCuentaEspera = m_iCuentaAtaque = 0;
    m_iRanura = -1;
    m_bEsperando = 1;
    m_iLanzadas = m_iTocadas = 0;
    m_fFactorIntervalo = 1.0f;
    m_bTocadoEnAtaque = 0;
    m_iFrame = 0;
    m_iRosaX = m_iRosaY = m_iRosaAlfa = 0;
    m_fRosaAngulo = 0.0f;
    m_fPunteroX = 512.0f;
    m_fPunteroY = 384.0f;
    m_Maldiciones.Inicia();
    if (!CopiaPaqueteHerramienta(m_SPM, juego::paquete::MINI_ATAQUES)) {
        Libera();
        return false;
    }
    m_bCreado = 1;
    for (int i = 0; i < NUM_ATAQUES_NIVEL; ++i) {
        const int t = TipoRanura(i);
        if (t != 0 && !CargaIndicador(i, t)) {
            Libera();
            return false;
        }
    }
    m_iSonido = g_pGestorSonido ? g_pGestorSonido->BuscaRanuraSonido(juego::sonido::APARICION_ATAQUE) : -1;
    return true;
}

void CHerramientaAtaques::Libera()
{
    if (m_bRecursos) DescargaRecursos();
    for (NodoLista* p = m_Maldiciones.m_pCabeza; p; p = p->m_pSiguiente) delete static_cast<CMaldicion*>(p->m_pItem);
    m_Maldiciones.Libera();
    for (CSPM*& p : m_apIndicadores) {
        delete p;
        p = nullptr;
    }
    m_SPM.Libera();
    m_iSonido = -1;
    m_bCreado = 0;
    ++m_iGeneracion;
}

void CHerramientaAtaques::CargaRecursos()
{
    if (!m_bCreado || m_bRecursos) return;
    m_SPM.MarcaEnUso();
    for (CSPM* p : m_apIndicadores)
        if (p) p->MarcaEnUso();
    for (NodoLista* p = m_Maldiciones.m_pCabeza; p; p = p->m_pSiguiente)
        static_cast<CMaldicion*>(p->m_pItem)->MarcaEnUso();
    if (g_pGestorSonido && m_iSonido >= 0) g_pGestorSonido->MarcaRanuraSonidoEnUso(m_iSonido);
    m_bRecursos = true;
}

void CHerramientaAtaques::DescargaRecursos()
{
    if (!m_bRecursos) return;
    m_SPM.DesmarcaEnUso();
    for (CSPM* p : m_apIndicadores)
        if (p) p->DesmarcaEnUso();
    for (NodoLista* p = m_Maldiciones.m_pCabeza; p; p = p->m_pSiguiente)
        static_cast<CMaldicion*>(p->m_pItem)->DesmarcaEnUso();
    if (g_pGestorSonido && m_iSonido >= 0) g_pGestorSonido->DesmarcaRanuraSonidoEnUso(m_iSonido);
    m_bRecursos = false;
}

int CHerramientaAtaques::TipoRanura(int iRanura) const
{
    if (!m_pNivel || iRanura < 0 || iRanura >= NUM_ATAQUES_NIVEL) return 0;
    return TipoValido(m_pNivel->ATAQUEENEMIGO.m_aiTipo[static_cast<size_t>(iRanura)]);
}

bool CHerramientaAtaques::CargaIndicador(int iRanura, int iTipo)
{
    if (!m_bCreado || iRanura < 0 || iRanura >= NUM_ATAQUES_NIVEL || TipoValido(iTipo) == 0) return false;
    auto* pNuevo = new CSPM;
    if (!CopiaPaqueteHerramienta(*pNuevo, FichaDeMaldicion(iTipo).szPaquete)) {
        delete pNuevo;
        return false;
    }
    CSPM*& pRanura = m_apIndicadores[static_cast<size_t>(iRanura)];
    if (pRanura && m_bRecursos) pRanura->DesmarcaEnUso();
    delete pRanura;
    pRanura = pNuevo;
    if (m_bRecursos) pRanura->MarcaEnUso();
    return true;
}

float CHerramientaAtaques::FraccionIndicador(bool bEsperando, int iCuentaEspera, int iEspera, int iCuentaAtaque,
                                             int iDuracion)
{
    float f = 0.0f;
    if (bEsperando) {
        if (iEspera > 0) f = static_cast<float>(iCuentaEspera) / static_cast<float>(iEspera);
    } else if (iDuracion > 0) {
        f = 1.0f - static_cast<float>(iCuentaAtaque) / static_cast<float>(iDuracion);
    }
    return std::clamp(f, 0.0f, 1.0f);
}

int CHerramientaAtaques::PasoLanzamiento(int iIntervalo, float fFactor)
{
    return std::max(1, static_cast<int>(static_cast<float>(iIntervalo) * fFactor));
}

// ---- Launching and ending ----

CMaldicion* CHerramientaAtaques::LanzaMaldicion(int iTipo, bool bModoAtaques, float x, float y, float fAngulo)
{
    if (!m_bCreado) return nullptr;
    auto* m = new CMaldicion;
    if (!m->Inicia(iTipo, bModoAtaques, x, y, fAngulo, m_fPunteroX, m_fPunteroY, &m_SPM)) {
        delete m;
        return nullptr;
    }
    if (m_bRecursos) m->MarcaEnUso();
    m_Maldiciones.InsertaAlPrincipio(m);
    return m;
}

CMaldicion* CHerramientaAtaques::LanzaMaldicionEn(int iTipo, bool bModoAtaques, float x, float y, float fAngulo)
{
    CMaldicion* m = LanzaMaldicion(iTipo, bModoAtaques, x, y, fAngulo);
    if (m) {
        m->m_fX = x;
        m->m_fY = y;
        m->m_fRumbo = fAngulo;
    }
    return m;
}

void CHerramientaAtaques::EliminaTodas()
{
    for (NodoLista* p = m_Maldiciones.m_pCabeza; p; p = p->m_pSiguiente) static_cast<CMaldicion*>(p->m_pItem)->Elimina();
}

void CHerramientaAtaques::DesvaneceTodas()
{
    for (NodoLista* p = m_Maldiciones.m_pCabeza; p; p = p->m_pSiguiente)
        static_cast<CMaldicion*>(p->m_pItem)->Desvanece();
}

void CHerramientaAtaques::SiguienteAtaque()
{
    // Slot 0 decides whether the level attacks at all.
    if (m_iRanura < 0) return;
    for (int k = 1; k <= NUM_ATAQUES_NIVEL; ++k) {
        const int s = (m_iRanura + k) % NUM_ATAQUES_NIVEL;
        if (TipoRanura(s) != 0) {
            m_iRanura = s;
            break;
        }
    }
    m_iCuentaAtaque = 0;
    m_iCuentaEspera = 0;
    m_bEsperando = 1;
    if (m_pNivel && m_pNivel->ATAQUEINCREMENTAL && !m_bTocadoEnAtaque)
        m_fFactorIntervalo = std::max(kFactorMinimo, m_fFactorIntervalo - 0.1f);
    m_bTocadoEnAtaque = 0;
}

// ---- The step ----

void CHerramientaAtaques::Actualiza(float px, float py, bool bPuedeLanzar)
{
    if (!m_bCreado) return;
    m_fPunteroX = px;
    m_fPunteroY = py;
    ++m_iFrame;

    // 1. Curses that ended or left the field go.
    NodoLista* p = m_Maldiciones.m_pCabeza;
    while (p) {
        NodoLista* pSiguiente = p->m_pSiguiente;
        auto* m = static_cast<CMaldicion*>(p->m_pItem);
        if (m->EstaFuera()) {
            m_Maldiciones.m_pActual = p;
            m_Maldiciones.BorraActual();
            delete m;
        }
        p = pSiguiente;
    }

    // 2. Each curse moves and meets the pointer. Touches are told after the
    // walk: the play screen's answer may fade, end or launch curses.
    const CHerramientaEstadosCursor* pCursor = m_pJuego ? m_pJuego->m_pEstadosCursor : nullptr;
    const bool bContacto = !pCursor || pCursor->PermiteContacto();
    const bool bEscudo = pCursor && pCursor->EscudoActivo();
    const float fEscudo = static_cast<float>(kDesplazamientoEscudo);
    std::vector<CMaldicion*> tocadas;
    for (NodoLista* q = m_Maldiciones.m_pCabeza; q; q = q->m_pSiguiente) {
        auto* m = static_cast<CMaldicion*>(q->m_pItem);
        m->Actualiza(px, py);
        if (!bContacto) continue;
        if (bEscudo) {
            if (m->TocaConEscudo(px + fEscudo, py + fEscudo)) m->Atrapa();
        } else if (m->Toca(px, py)) {
            m->Atrapa();
            tocadas.push_back(m);
        }
    }
    const int iGeneracion = m_iGeneracion;
    for (CMaldicion* m : tocadas) {
        ++m_iTocadas;
        m_fFactorIntervalo = 1.0f;
        m_bTocadoEnAtaque = 1;
        if (m_pJuego) m_pJuego->EnviaEvento(EVENTO_MALDICION_TOCADA, -1, reinterpret_cast<const char*>(m), -1);
        // The answer may have ended the level and released the tool.
        if (iGeneracion != m_iGeneracion || !m_bCreado) return;
    }

    // 3. The scheduler, then the rose.
    if (!pCursor || pCursor->PermiteMaldiciones()) Planifica(bPuedeLanzar);
    if (m_iRanura >= 0 && m_iCuentaAtaque > 0 && TipoRanura(m_iRanura) == kTipoRosa) {
        const int iDuracion = m_pNivel->ATAQUEENEMIGO.m_aiDuracion[static_cast<size_t>(m_iRanura)];
        m_fRosaAngulo += kDosPi / 256.0f;
        if (m_iCuentaAtaque < kPasosRosa) m_iRosaAlfa += kPasoAlfaRosa;
        if (m_iCuentaAtaque > iDuracion - kPasosRosa) m_iRosaAlfa -= kPasoAlfaRosa;
        m_iRosaAlfa = std::clamp(m_iRosaAlfa, 0, 255);
    }
}

void CHerramientaAtaques::Planifica(bool bPuedeLanzar)
{
    if (m_iRanura < 0) {
        if (TipoRanura(0) == 0) return;
        m_iRanura = 0;
        m_bEsperando = 1;
    }
    const size_t r = static_cast<size_t>(m_iRanura);
    const AtaquesNivel& a = m_pNivel->ATAQUEENEMIGO;
    const int iTipo = TipoRanura(m_iRanura);
    if (m_bEsperando) {
        if (++m_iCuentaEspera == a.m_aiEspera[r]) {
            m_iCuentaEspera = 0;
            m_bEsperando = 0;
            if (iTipo == kTipoRosa) {
                m_iRosaX = EnteroAleatorio(300, 724);
                m_iRosaY = EnteroAleatorio(100, 668);
                m_fRosaAngulo = 0.0f;
                m_iRosaAlfa = 0;
            }
        }
        return;
    }
    const int iPaso = PasoLanzamiento(a.m_aiIntervalo[r], m_fFactorIntervalo);
    ++m_iCuentaAtaque;
    if (m_iCuentaAtaque % iPaso == 0 && bPuedeLanzar) {
        LanzaMaldicion(iTipo, m_pNivel->MODOJUEGO == MODO_SOLO_ATAQUES, static_cast<float>(m_iRosaX),
                       static_cast<float>(m_iRosaY), m_fRosaAngulo);
        ++m_iLanzadas;
    }
    if (m_iCuentaAtaque == a.m_aiDuracion[r]) SiguienteAtaque();
}

// ---- Drawing ----

void CHerramientaAtaques::DibujaIndicador(Sprite* pDestino, CSPM* pIndicador, float x, float yBase, float yCentro,
                                          float fFraccion, int iAlfa, const ColorRGB& brillo, const ColorRGB* pCuerpo,
                                          int iVeces)
{
    CSPM& s = *pIndicador;
    const ColorRGB blanco{255, 255, 255};
    const float yTope = yBase - kAltoBarra * fFraccion;
    s.PonFusion(0, blanco);
    s.PonFusion2(0, blanco);
    s.PonEscala(1.0f, 1.0f);
    s.PonRotacion(0.0f);
    s.PonColor(255, 255, 255);
    s.PonAlfa(static_cast<uint8_t>(iAlfa));
    Sprite* pBarra = s.GetSprite(IND_BARRA);
    if (pBarra && yTope < yBase)
        for (int i = 0; i < iVeces; ++i)
            DibuixaLiniaSprites(pDestino, pBarra, x, yBase, x, yTope, 1.0f, 1.0f, 0.0f, iAlfa, iAlfa, 0, nullptr);
    s.PonColor(brillo.r, brillo.g, brillo.b);
    s.PonRotacion(static_cast<float>(m_iFrame) * kGiroEmblema);
    s.DibujaSpriteEnDestino(pDestino, IND_ARO, x, yCentro);
    s.PonRotacion(0.0f);
    s.PonColor(255, 255, 255);
    s.DibujaSpriteEnDestino(pDestino, IND_TAPA, x, yTope);
    if (pCuerpo) {
        s.PonColor(pCuerpo->r, pCuerpo->g, pCuerpo->b);
        s.DibujaSpriteEnDestino(pDestino, IND_EMBLEMA, x, yCentro);
    }
    s.PonColor(255, 255, 255);
}

void CHerramientaAtaques::Dibuja(Sprite* pDestino, float fFundido)
{
    if (!m_bCreado) return;
    const int iAlfa = static_cast<int>((1.0f - std::clamp(fFundido, 0.0f, 1.0f)) * 255.0f);
    if (m_iRanura >= 0 && m_pNivel) {
        const size_t r = static_cast<size_t>(m_iRanura);
        const int iTipo = TipoRanura(m_iRanura);
        CSPM* pIndicador = m_apIndicadores[r];
        const AtaquesNivel& a = m_pNivel->ATAQUEENEMIGO;
        if (pIndicador && iTipo != 0) {
            const float f = FraccionIndicador(m_bEsperando != 0, m_iCuentaEspera, a.m_aiEspera[r], m_iCuentaAtaque,
                                              a.m_aiDuracion[r]);
            DibujaIndicador(pDestino, pIndicador, kIndicadorX, kIndicadorBase, kIndicadorEmblema, f, iAlfa,
                            ColorBrilloMaldicion(iTipo), &ColorCuerpoMaldicion(iTipo), 1);
            // The rose kind 9 flies from.
            if (m_iCuentaAtaque > 0 && iTipo == kTipoRosa) {
                pIndicador->PonEscala(0.5f, 0.5f);
                pIndicador->PonRotacion(-m_fRosaAngulo);
                pIndicador->PonAlfa(static_cast<uint8_t>(m_iRosaAlfa));
                pIndicador->DibujaSpriteEnDestino(pDestino, IND_EMBLEMA, static_cast<float>(m_iRosaX),
                                                  static_cast<float>(m_iRosaY));
                pIndicador->PonEscala(1.0f, 1.0f);
                pIndicador->PonRotacion(0.0f);
            }
        }
    }
    for (NodoLista* p = m_Maldiciones.m_pCabeza; p; p = p->m_pSiguiente)
        static_cast<CMaldicion*>(p->m_pItem)->Dibuja(pDestino);
}

void CHerramientaAtaques::DibujaIndicadorEnergia(Sprite* pDestino, float fFraccion, float fFundido)
{
    if (!m_bCreado || !m_apIndicadores[0]) return;
    const float f = std::isfinite(fFraccion) ? std::clamp(fFraccion, 0.0f, 1.0f) : 0.0f;
    const int iAlfa = static_cast<int>((1.0f - std::clamp(fFundido, 0.0f, 1.0f)) * 255.0f);
    DibujaIndicador(pDestino, m_apIndicadores[0], kEnergiaX, kEnergiaBase, kEnergiaEmblema, f, iAlfa,
                    ColorBrilloMaldicion(2), nullptr, 2);
}
