#include "game/screens/MenuCreditos.h"

#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/widgets/AyudasTazmo.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const kCodigos[CMenuCreditos::kNumBloques] = {
    juego::texto::MCR0, juego::texto::MCR1, juego::texto::MCR2, juego::texto::MCR3, juego::texto::MCR4,
    juego::texto::MCR5, juego::texto::MCR6, juego::texto::MCR7, juego::texto::MCR8, juego::texto::MCR9,
};

// Each block: font 0, centred across its box, at 0.7 of its size.
constexpr int kFuente = 0;
constexpr int kFlagsTexto = 1;
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;

// A picture comes in turned a little, small enough to stand beside the
// text's column: the first slot's pictures on the left, the second's on the
// right, so the text never scrolls over them.
constexpr float kGiroMaximo = 0.392699f;
constexpr float kEscalaIlustracion = 0.42f;
constexpr float kIlustracionX[CMenuCreditos::kNumHuecos] = {160.0f, 864.0f};
constexpr float kPasoFundido = 1.0f / static_cast<float>(CMenuCreditos::kPasosFundido);

// The text shows between the bars only: it comes in from under the bottom
// bar and goes under the top one.
constexpr float kBandaArriba = 128.0f, kBandaAbajo = 690.0f;

// "Click to go back", in the bottom bar where every menu has its back
// button, breathing gently.
constexpr float kSalidaX = 824.0f, kSalidaY = 740.0f;
constexpr float kAnchoSalida = 400.0f, kAltoSalida = 64.0f, kEscalaSalida = 0.8f;

// The text's soft shadow: dark copies one point up-left and down-right.
const ColorARGB kSombra(200, 0, 0, 0);
const ColorARGB kBlanco(255, 255, 255, 255);

} // namespace

const char* const CMenuCreditos::kIlustraciones[kNumIlustraciones] = {
    juego::paquete::ILUS_STOKINNEN_CAMBIA_NINYAS, juego::paquete::ILUS_ASESINO_IRINA_VENENO,
    juego::paquete::ILUS_STOKINNEN_MAIDA_JUEGAN,  juego::paquete::ILUS_ALDUNIA_VENENO,
    juego::paquete::ILUS_IRINA_DESCUBRE_MAIDA,    juego::paquete::ILUS_MAIDA_BEBE_VENENO,
    juego::paquete::ILUS_STOKINNEN_INVOCA_SELLO,  juego::paquete::ILUS_MAIDA_VENCE_TERESIA,
    juego::paquete::ILUS_ASESINO_HUYENDO,         juego::paquete::ILUS_MAIDA_DESPIERTA,
    juego::paquete::ILUS_TUMBA_REINA,
};

const char* const CMenuCreditos::kMarcadores[kNumMarcadores] = {
    "MTrofeo_36", "MGaleria_9",          "MGaleria_0",  "MGaleria_8", "MGaleria_18",
    "MGaleria_27", "MGaleria_22", "MPrin_BotonCreditos", "MGalSello_8", "BoxDif_3",
};

CMenuCreditos::~CMenuCreditos()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuCreditos::InicializaCampos()
{
    m_fScrollY = kInicioScroll;
    m_fProgreso = m_fProgresoAnterior = 0.0f;
    m_fAltoTotal = 0.0f;
    for (int i = 0; i < kNumBloques; ++i) {
        m_afAltos[i] = 0.0f;
        m_apTextos[i] = nullptr;
    }
    m_pTextoSalida = nullptr;
    for (int h = 0; h < kNumHuecos; ++h) {
        m_apIlustraciones[h] = nullptr;
        m_afVelocidad[h] = m_afAlfa[h] = 0.0f;
        m_aiIlustracion[h] = -1;
    }
}

void CMenuCreditos::SueltaHueco(int h)
{
    // A picture that is let go is given back at once: the credits never
    // hold more than the two they show.
    if (m_apIlustraciones[h] && RecursosCargados()) tazmo::MarcaSPM(m_apIlustraciones[h], false);
    tazmo::BorraSPM(m_apIlustraciones[h]);
    m_afVelocidad[h] = m_afAlfa[h] = 0.0f;
    m_aiIlustracion[h] = -1;
}

void CMenuCreditos::LiberaPropios()
{
    for (Sprite*& p : m_apTextos) {
        if (p && g_pSistema2D) g_pSistema2D->AlliberaSprite(p, false);
        p = nullptr;
    }
    for (int h = 0; h < kNumHuecos; ++h) SueltaHueco(h);
    if (m_pTextoSalida && g_pSistema2D) g_pSistema2D->AlliberaSprite(m_pTextoSalida, false);
    m_pTextoSalida = nullptr;
}

void CMenuCreditos::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

void CMenuCreditos::MideBloques()
{
    CFont* pFont = g_pSistema2D ? g_pSistema2D->GetFont(kFuente) : nullptr;
    m_fAltoTotal = 0.0f;
    for (int i = 0; i < kNumBloques; ++i) {
        m_afAltos[i] = pFont ? pFont->CalculaAltoFLI(CodigoFLI(kCodigos[i])) * kEscalaTexto : 0.0f;
        m_fAltoTotal += m_afAltos[i];
    }
}

bool CMenuCreditos::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    if (!CBaseMenu::Crea("MenuCreditos", juego::paquete::TITULO_CREDITOS, nullptr, juego::musica::EPICO,
                         juego::paquete::ICONO_IDIOMA, true, false, false))
        return false;
    for (int i = 0; i < kNumBloques; ++i) {
        m_apTextos[i] = g_pSistema2D ? g_pSistema2D->CreaSpriteText(kFuente, nullptr, CodigoFLI(kCodigos[i]),
                                                                   kFlagsTexto, kEscalaTexto, kEscalaTexto,
                                                                   kLadoBloque, kLadoBloque, kLadoBloque / 2.0f,
                                                                   kLadoBloque / 2.0f, 0.0f, 0.0f, -1.0f, -1.0f,
                                                                   false)
                                     : nullptr;
        if (!m_apTextos[i]) {
            LiberaSiIniciado();
            Libera();
            return false;
        }
    }
    // The way out, written where every menu has its back button.
    m_pTextoSalida = g_pSistema2D ? g_pSistema2D->CreaSpriteText(kFuente, nullptr, CodigoFLI(juego::texto::MCRS),
                                                                 kFlagsTexto, kEscalaSalida, kEscalaSalida,
                                                                 kAnchoSalida, kAltoSalida, kAnchoSalida / 2.0f,
                                                                 kAltoSalida / 2.0f, 0.0f, 0.0f, -1.0f, -1.0f, false)
                                  : nullptr;
    if (!m_pTextoSalida) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    MideBloques();
    m_bCreado = true;
    return true;
}

int CMenuCreditos::IlustracionesCargadas() const
{
    int n = 0;
    for (const CSPM* p : m_apIlustraciones)
        if (p) ++n;
    return n;
}

void CMenuCreditos::Desbloquea(const char* szMarcador)
{
    if (CGestorDesbloqueos* g = g_pMenuMaestro ? g_pMenuMaestro->GestorDesbloqueos() : nullptr)
        g->Desbloquea(szMarcador, false);
}

void CMenuCreditos::IniciaTransicion(bool bEntrada)
{
    if (bEntrada && m_bCreado) {
        m_fScrollY = kInicioScroll;
        m_fProgreso = m_fProgresoAnterior = 0.0f;
        for (int h = 0; h < kNumHuecos; ++h) m_afAlfa[h] = m_afVelocidad[h] = 0.0f;
        // The texts may be in another language since the last opening.
        MideBloques();
        for (const char* szMarcador : kMarcadores) Desbloquea(szMarcador);
    }
    CBaseMenu::IniciaTransicion(bEntrada);
}

void CMenuCreditos::CargaIlustracion(int i)
{
    const int h = i % kNumHuecos;
    SueltaHueco(h);
    CSPM* p = tazmo::CopiaSPM(kIlustraciones[i]);
    if (!p) return;
    m_apIlustraciones[h] = p;
    m_aiIlustracion[h] = i;
    if (RecursosCargados()) tazmo::MarcaSPM(p, true);
    p->PonRotacion(RealAleatorio(-kGiroMaximo, kGiroMaximo));
    p->PonEscala(kEscalaIlustracion, kEscalaIlustracion);
    p->PonAlfa(0);
    if (g_pSistema2D) {
        g_pSistema2D->DescarregaBitmapsSenseUs();
        g_pSistema2D->CarregaBitmapsEnUs();
    }
    m_afVelocidad[h] = kPasoFundido;
}

void CMenuCreditos::Actualiza()
{
    ++m_iPasos;
    m_fScrollY -= 1.0f;
    if (m_fScrollY < -m_fAltoTotal) {
        m_fScrollY = kInicioScroll;
        Desbloquea(kTrofeoFinal);
    }
    m_fProgresoAnterior = m_fProgreso;
    m_fProgreso = Progreso(m_fScrollY, m_fAltoTotal);
    for (int i = 0; i < kNumIlustraciones; ++i) {
        if (Cruza(m_fProgresoAnterior, EntradaIlustracion(i), m_fProgreso)) CargaIlustracion(i);
        if (Cruza(m_fProgresoAnterior, SalidaIlustracion(i), m_fProgreso)) m_afVelocidad[i % kNumHuecos] = -kPasoFundido;
    }
    for (int h = 0; h < kNumHuecos; ++h) {
        if (!m_apIlustraciones[h]) continue;
        m_afAlfa[h] = std::clamp(m_afAlfa[h] + m_afVelocidad[h], 0.0f, 1.0f);
        m_apIlustraciones[h]->PonAlfa(static_cast<uint8_t>(m_afAlfa[h] * 255.0f));
    }
    CBaseMenu::Actualiza();
}

void CMenuCreditos::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    CBaseMenu::Dibuja(pHastaHijo, pDestino);
    for (int h = 0; h < kNumHuecos; ++h)
        if (CSPM* p = m_apIlustraciones[h]) p->DibujaSpriteEnDestino(pDestino, 0, kIlustracionX[h], kCentroY);
    if (!g_pSistema2D) return;
    struct Pasada {
        ColorARGB color;
        float dx, dy;
    };
    const Pasada pasadas[3] = {{kSombra, -1.0f, -1.0f}, {kSombra, 1.0f, 1.0f}, {kBlanco, 0.0f, 0.0f}};
    for (const Pasada& pasada : pasadas) {
        float y = m_fScrollY;
        for (int i = 0; i < kNumBloques; ++i) {
            if (Sprite* s = m_apTextos[i]) {
                g_pSistema2D->PosaColorSprite(s, pasada.color);
                DibujaRecortado(pDestino, s, kCentroX + pasada.dx, y + pasada.dy);
            }
            y += m_afAltos[i];
        }
    }
    if (m_pTextoSalida) {
        const float fRespira = 0.75f + 0.25f * std::sin(static_cast<float>(m_iPasos) * 0.08f);
        for (const Pasada& pasada : pasadas) {
            g_pSistema2D->PosaColorSprite(m_pTextoSalida, pasada.color);
            g_pSistema2D->DibuixaSpriteEX(pDestino, m_pTextoSalida, kSalidaX + pasada.dx, kSalidaY + pasada.dy, false,
                                          static_cast<int>(255.0f * fRespira), 0.0f, 1.0f, 1.0f);
        }
    }
}

// Only the rows of the sprite that fall between the bars are drawn: its
// source rectangle and hotspot are cut for the draw and put back.
void CMenuCreditos::DibujaRecortado(Sprite* pDestino, Sprite* s, float x, float y)
{
    const float fY = s->m_fY, fAlto = s->m_fAlcada, fHotspotY = s->m_fHotspotY;
    const float fArriba = y - fHotspotY;
    const float fCorteArriba = std::clamp(kBandaArriba - fArriba, 0.0f, fAlto);
    const float fCorteAbajo = std::clamp(fArriba + fAlto - kBandaAbajo, 0.0f, fAlto);
    const float fQueda = fAlto - fCorteArriba - fCorteAbajo;
    if (fQueda < 1.0f) return;
    s->m_fY = fY + fCorteArriba;
    s->m_fAlcada = fQueda;
    s->m_fHotspotY = fHotspotY - fCorteArriba;
    g_pSistema2D->DibuixaSpriteEX(pDestino, s, x, y, false, 255, 0.0f, 1.0f, 1.0f);
    s->m_fY = fY;
    s->m_fAlcada = fAlto;
    s->m_fHotspotY = fHotspotY;
}

void CMenuCreditos::Sale()
{
    m_iCodigoFin = 0;
    if (m_iModo == MODO_HIJO)
        Cierra(true);
    else if (g_pMenuMaestro)
        g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuPrincipal);
}


void CMenuCreditos::CargaRecursos()
{
    if (RecursosCargados()) return;
    if (g_pSistema2D)
        for (Sprite* p : m_apTextos)
            if (p) g_pSistema2D->MarcaSpriteEnUs(p);
    if (g_pSistema2D && m_pTextoSalida) g_pSistema2D->MarcaSpriteEnUs(m_pTextoSalida);
    for (CSPM* p : m_apIlustraciones) tazmo::MarcaSPM(p, true);
    CBaseMenu::CargaRecursos();
}

void CMenuCreditos::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    if (g_pSistema2D)
        for (Sprite* p : m_apTextos)
            if (p) g_pSistema2D->DesmarcaSpriteEnUs(p);
    if (g_pSistema2D && m_pTextoSalida) g_pSistema2D->DesmarcaSpriteEnUs(m_pTextoSalida);
    // Nothing of the pictures stays after the credits are gone.
    for (int h = 0; h < kNumHuecos; ++h) SueltaHueco(h);
    CBaseMenu::DescargaRecursos();
}

bool CMenuCreditos::TrataBotonRaton(int iRaton, int iEvento, float x, float y)
{
    if (iEvento == BOTON_IZQUIERDO_ARRIBA) Sale();
    return CBaseMenu::TrataBotonRaton(iRaton, iEvento, x, y);
}
