#include "game/play/herramientas/HerramientaMarcadores.h"

#include "engine/audio/GestorSonido.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Lineas.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/Personajes.h"
#include "game/play/IndicadorLinea.h"
#include "game/play/RegistroNivel.h"
#include "game/play/herramientas/FalloHerramientas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {


// The texts: font 1, centred both ways, drawn at 0.7.
constexpr int kFuente = 1;
constexpr int kFormato = 9;
constexpr float kEscalaTexto = 0.7f;
constexpr float kAnchoTexto = 256.0f, kAltoTexto = 64.0f;
constexpr float kPuntosX = 512.0f, kPuntosY = 18.0f;
constexpr float kTiempoX = 512.0f, kTiempoY = 45.0f;
constexpr int kPasosPorMinuto = 1800;
constexpr int kPasosPorSegundo = 30;

// Hud.SPM.
enum {
    HUD_MARCO_RETRATO = 0,
    HUD_PLACA = 2,
    HUD_EMBLEMA = 3,
    HUD_PLACA_FIN = 4,
    HUD_BARRA_PUNTOS = 5,
    HUD_BARRA_TIEMPO = 6,
    HUD_PLACA_ATAQUES = 8,
    HUD_MARCO_INDICADOR = 9,
};
constexpr float kPlacaX = 512.0f, kPlacaY = 40.0f;
constexpr float kEmblemaX = 326.0f, kPlacaFinX = 700.0f;
constexpr float kGiroEmblema = 0.020943947f;
constexpr float kEscalaGiroEmblema = 10.0f;
// The bars: 320 points long, the score's rising from the left, the time's
// shrinking towards its right end.
constexpr float kLargoBarra = 320.0f;
constexpr float kPuntosBarraX = 350.0f, kPuntosBarraY = 28.0f;
constexpr float kTiempoBarraX = 674.0f, kTiempoBarraY = 53.0f;
constexpr float kAtaquesBarraX = 704.0f, kAtaquesBarraY = 37.0f;
constexpr float kPasoBarra = 0.005f;
constexpr int kFusionComplemento = 0x04;
constexpr int kFusionAditiva = 0x02;
const ColorRGB kBlanco{255, 255, 255};

// Portraits: the character's on the left, the opponent's on the right.
constexpr float kRetratoY = 150.0f, kRetratoX = 100.0f, kRivalX = 924.0f;
constexpr int kPasosSaltoAnimo = 15;
constexpr int kPeriodoTemblor = 7;
constexpr float kSalto = 5.0f, kTemblor = 2.0f;
// The opponent whose neutral portrait stands in for the sad one.
constexpr int kRivalSinTristeza = 8;

// The line gauge, in the story and concentration modes.
constexpr float kIndicadorX = 90.0f, kIndicadorY = 430.0f;
constexpr int kSprBonusExtra = 15;
constexpr float kEscalaAro = 0.25f, kEscalaPieza = 0.5f;
constexpr float kGiroAro = 0.3f, kVelocidadAro = 0.11f;

constexpr float kPasoCapa = 1.0f / 15.0f;

#include "TablasMarcadores.inc"

int Alfa(float f) { return std::isfinite(f) ? static_cast<int>(std::clamp(f, 0.0f, 255.0f)) : 0; }
uint8_t Alfa8(float f) { return static_cast<uint8_t>(Alfa(f)); }

// A fraction 0..1 (no number reads as 0).
float Fraccion(float f) { return std::isfinite(f) ? std::clamp(f, 0.0f, 1.0f) : 0.0f; }

void Acerca(float& valor, float objetivo)
{
    if (std::fabs(objetivo - valor) <= kPasoBarra)
        valor = objetivo;
    else
        valor += objetivo > valor ? kPasoBarra : -kPasoBarra;
}

bool Copia(CSPM& destino, const char* szRuta)
{
    CSPM* pOrigen = g_pGestorSPMs && szRuta ? g_pGestorSPMs->GetSPM(szRuta) : nullptr;
    return pOrigen && destino.Copia(pOrigen);
}

Sprite* CreaTexto()
{
    if (!g_pSistema2D) return nullptr;
    return g_pSistema2D->CreaSpriteText(kFuente, " ", -1, kFormato, kEscalaTexto, kEscalaTexto, kAnchoTexto, kAltoTexto,
                                        kAnchoTexto / 2.0f, kAltoTexto / 2.0f, 0.0f, 0.0f, -1.0f, -1.0f, false);
}

// The bar's four passes: where it is going (fading towards its end) and where
// it eased to, each plain and again as the chase scene's additive pass.
void DibujaBarra(Sprite* pDestino, Sprite* pTramo, float x0, float y, float xObjetivo, float xSuave, float F,
                 float fOscurecer)
{
    if (!pTramo) return;
    DibuixaLiniaSprites(pDestino, pTramo, x0, y, xObjetivo, y, 1.0f, 1.0f, 0.0f, Alfa(255.0f * F),
                        Alfa(127.5f * F), 0, nullptr);
    DibuixaLiniaSprites(pDestino, pTramo, x0, y, xSuave, y, 1.0f, 1.0f, 0.0f, Alfa(255.0f * F), Alfa(255.0f * F), 0,
                        nullptr);
    if (fOscurecer <= 0.0f) return;
    DibuixaLiniaSprites(pDestino, pTramo, x0, y, xObjetivo, y, 1.0f, 1.0f, 0.0f, Alfa(255.0f * fOscurecer),
                        Alfa(127.5f * fOscurecer), kFusionComplemento, &kBlanco);
    DibuixaLiniaSprites(pDestino, pTramo, x0, y, xSuave, y, 1.0f, 1.0f, 0.0f, Alfa(255.0f * fOscurecer),
                        Alfa(255.0f * fOscurecer), kFusionComplemento, &kBlanco);
}

} // namespace

CHerramientaMarcadores::~CHerramientaMarcadores()
{
    if (m_bCreado) Libera();
}

// ---- Decisions ----

std::string CHerramientaMarcadores::TextoPuntos(int iPuntuacion, int iObjetivo)
{
    char sz[48];
    std::snprintf(sz, sizeof sz, "%d/%d", iPuntuacion, iObjetivo);
    return sz;
}

std::string CHerramientaMarcadores::TextoTiempo(int iPasosRestantes)
{
    const int n = std::max(0, iPasosRestantes);
    char sz[32];
    std::snprintf(sz, sizeof sz, "%02d:%02d", n / kPasosPorMinuto, (n % kPasosPorMinuto) / kPasosPorSegundo);
    return sz;
}

int CHerramientaMarcadores::AnimoPorDefecto(bool bFin, float fFraccionTiempo)
{
    if (bFin || !std::isfinite(fFraccionTiempo) || fFraccionTiempo < 0.1f) return ANIMO_ALEGRIA;
    if (fFraccionTiempo < 0.8f) return ANIMO_NEUTRO;
    return ANIMO_TRISTEZA;
}

int CHerramientaMarcadores::CapaDeAnimo(int iAnimo)
{
    constexpr std::array<int, NUM_ANIMOS> kCapas = {2, 0, 1, 2, 2, 0, 2};
    return iAnimo >= 0 && iAnimo < NUM_ANIMOS ? kCapas[static_cast<size_t>(iAnimo)] : -1;
}

const char* CHerramientaMarcadores::PaqueteRetrato(int iPersonaje)
{
    return iPersonaje >= 0 && iPersonaje < NUM_PERSONAJES ? kRetratos[static_cast<size_t>(iPersonaje)] : nullptr;
}

const char* CHerramientaMarcadores::RanuraVoz(int iPersonaje, int iAnimo)
{
    if (iPersonaje < 0 || iPersonaje >= NUM_PERSONAJES || iAnimo < 0 || iAnimo >= NUM_ANIMOS) return nullptr;
    return kVoces[static_cast<size_t>(iPersonaje)][static_cast<size_t>(iAnimo)];
}

// ---- Life ----

bool CHerramientaMarcadores::Carga(CMenuJuego*, RegistroNivel* pNivel)
{
    if (m_bCreado) Libera();
    m_pNivel = pNivel;
    m_fBarraPuntos = m_fBarraTiempo = m_fBarraAtaques1 = m_fBarraAtaques2 = 0.0f;
    m_fGiroEmblema = m_fFaseLinea = 0.0f;
    m_iAnimo = m_iAnimoAnterior = ANIMO_NEUTRO;
    m_iAnimoDefecto = ANIMO_ALEGRIA;
    m_iContadorAnimo = m_iFrames = 0;
    m_aiVoces.fill(-1);
    m_afCapas.fill(0.0f);
    m_iVoces = m_iRenderPuntos = m_iRenderTiempo = 0;

    const int iPersonaje = pNivel ? pNivel->m_Personaje.m_iPersonaje : -1;
    m_iRival = pNivel ? pNivel->IDPERSOVS : -1;
    bool bOk = Copia(m_SPMBonuses, juego::paquete::BONUSES) && Copia(m_SPMDiamantes, juego::paquete::DIAMANTES) &&
               Copia(m_SPMAroTexto, juego::paquete::ARO_DE_TEXTO) && Copia(m_SPMLineas, juego::paquete::SEL_LIN_MAIDA);
    // Characters outside the table have no portrait and no voice.
    m_bPersonaje = bOk && PaqueteRetrato(iPersonaje);
    if (m_bPersonaje) bOk = Copia(m_SPMPersonaje, PaqueteRetrato(iPersonaje));
    m_bRival = bOk && PaqueteRetrato(m_iRival);
    if (m_bRival) bOk = Copia(m_SPMRival, PaqueteRetrato(m_iRival));
    if (bOk) bOk = Copia(m_SPMHud, juego::paquete::HUD);
    if (bOk && m_bPersonaje && g_pGestorSonido)
        for (int a = 0; a < NUM_ANIMOS; ++a)
            m_aiVoces[static_cast<size_t>(a)] = g_pGestorSonido->BuscaRanuraSonido(RanuraVoz(iPersonaje, a));
    if (bOk) {
        m_pPuntos = CreaTexto();
        m_pTiempo = CreaTexto();
        bOk = m_pPuntos && m_pTiempo;
    }
    if (!bOk || g_bFallaCargaHerramientas) {
        Libera();
        return false;
    }
    m_SPMHud.PonFusion2(kFusionComplemento, kBlanco);
    m_afCapas[static_cast<size_t>(CapaDeAnimo(m_iAnimo))] = 1.0f;
    m_bCreado = true;
    return true;
}

void CHerramientaMarcadores::Libera()
{
    for (CSPM* p : {&m_SPMBonuses, &m_SPMDiamantes, &m_SPMAroTexto, &m_SPMLineas, &m_SPMPersonaje, &m_SPMRival, &m_SPMHud})
        p->Libera();
    if (g_pSistema2D) {
        if (m_pPuntos) g_pSistema2D->AlliberaSprite(m_pPuntos, false);
        if (m_pTiempo) g_pSistema2D->AlliberaSprite(m_pTiempo, false);
    }
    m_pPuntos = m_pTiempo = nullptr;
    m_sPuntos.clear();
    m_sTiempo.clear();
    m_aiVoces.fill(-1);
    m_bPersonaje = m_bRival = false;
    m_bCreado = false;
}

void CHerramientaMarcadores::CargaRecursos()
{
    if (!m_bCreado) return;
    for (CSPM* p : {&m_SPMBonuses, &m_SPMDiamantes, &m_SPMAroTexto, &m_SPMLineas, &m_SPMHud}) p->MarcaEnUso();
    if (m_bPersonaje) m_SPMPersonaje.MarcaEnUso();
    if (m_bRival) m_SPMRival.MarcaEnUso();
    if (g_pGestorSonido)
        for (int v : m_aiVoces)
            if (v >= 0) g_pGestorSonido->MarcaRanuraSonidoEnUso(v);
    g_pSistema2D->MarcaSpriteEnUs(m_pPuntos);
    g_pSistema2D->MarcaSpriteEnUs(m_pTiempo);
}

void CHerramientaMarcadores::DescargaRecursos()
{
    if (!m_bCreado) return;
    for (CSPM* p : {&m_SPMBonuses, &m_SPMDiamantes, &m_SPMAroTexto, &m_SPMLineas, &m_SPMHud}) p->DesmarcaEnUso();
    if (m_bPersonaje) m_SPMPersonaje.DesmarcaEnUso();
    if (m_bRival) m_SPMRival.DesmarcaEnUso();
    if (g_pGestorSonido)
        for (int v : m_aiVoces)
            if (v >= 0) g_pGestorSonido->DesmarcaRanuraSonidoEnUso(v);
    g_pSistema2D->DesmarcaSpriteEnUs(m_pPuntos);
    g_pSistema2D->DesmarcaSpriteEnUs(m_pTiempo);
}

// ---- Moods ----

void CHerramientaMarcadores::PonAnimo(int iAnimo, bool bFuerza)
{
    if (!m_bCreado || iAnimo < 0 || iAnimo >= NUM_ANIMOS) return;
    if (iAnimo == m_iAnimo && !bFuerza) return;
    const int v = m_aiVoces[static_cast<size_t>(iAnimo)];
    if (v >= 0 && g_pGestorSonido) {
        g_pGestorSonido->TocaRanuraSonido(v, true);
        ++m_iVoces;
    }
    m_iAnimoAnterior = m_iAnimo;
    m_iAnimo = iAnimo;
    m_iContadorAnimo = 0;
}

void CHerramientaMarcadores::Actualiza()
{
    if (!m_bCreado) return;
    ++m_iContadorAnimo;
    ++m_iFrames;
    m_fGiroEmblema += kGiroEmblema;
    m_fFaseLinea -= 1.0f / 1024.0f;
    if (m_fFaseLinea < 0.0f) m_fFaseLinea += 1.0f;

    if (m_iAnimo == m_iAnimoDefecto && m_iContadorAnimo > kPasosReaccion) {
        const int e = EnteroAleatorio(0, 65535);
        switch (m_iAnimoDefecto) {
        case ANIMO_TRISTEZA: PonAnimo(ANIMO_TRISTEZA, true); break;
        case ANIMO_NEUTRO: PonAnimo(e % 5 == 4 ? ANIMO_ALEGRIA : ANIMO_EUFORIA); break;
        case ANIMO_ALEGRIA: PonAnimo(ANIMO_EUFORIA); break;
        default: break;
        }
    }
    const bool bPasajero = m_iAnimo <= ANIMO_ALEGRIA || m_iAnimo == ANIMO_EUFORIA;
    if (bPasajero && m_iContadorAnimo > kPasosVuelta) PonAnimo(m_iAnimoDefecto);

    const int iCapa = CapaDeAnimo(m_iAnimo);
    for (int c = 0; c < kNumCapas; ++c) {
        float& a = m_afCapas[static_cast<size_t>(c)];
        a = c == iCapa ? std::min(1.0f, a + kPasoCapa) : std::max(0.0f, a - kPasoCapa);
    }
}

// ---- Drawing ----

void CHerramientaMarcadores::Dibuja(Sprite* pDestino, int iPuntuacion, int iObjetivo, int iPasosRestantes,
                                    float fOscurecer, float fFraccionPuntos, float fFraccionTiempo, int iPiezasCogidas,
                                    int iMaximoPiezas, int iPiezasExtra, bool bLineaCompleta, int iPasosDestello,
                                    bool bTutorial, int iColor, bool bFin)
{
    if (!m_bCreado) return;
    fOscurecer = Fraccion(fOscurecer);
    const float F = 1.0f - fOscurecer;
    // A fraction that is negative or no number is a level without a limit.
    const bool bSinLimite = !std::isfinite(fFraccionTiempo) || fFraccionTiempo < 0.0f;

    // 1. The plate.
    m_SPMHud.PonAlfa(Alfa8(255.0f * F));
    m_SPMHud.PonAlfaFusion2(Alfa8(255.0f * fOscurecer));
    m_SPMHud.DibujaSpriteEnDestino(pDestino, HUD_PLACA, kPlacaX, kPlacaY);
    m_SPMHud.PonRotacion(kEscalaGiroEmblema * m_fGiroEmblema);
    m_SPMHud.DibujaSpriteEnDestino(pDestino, HUD_EMBLEMA, kEmblemaX, kPlacaY);
    m_SPMHud.PonRotacion(0.0f);
    m_SPMHud.DibujaSpriteEnDestino(pDestino, HUD_PLACA_FIN, kPlacaFinX, kPlacaY);

    // 2. The bars.
    const float v = iObjetivo == PUNTUACION_SIN_OBJETIVO ? 1.0f : Fraccion(fFraccionPuntos);
    const float t = bSinLimite ? 0.0f : Fraccion(fFraccionTiempo);
    Acerca(m_fBarraPuntos, v);
    Acerca(m_fBarraTiempo, t);
    DibujaBarra(pDestino, m_SPMHud.GetSprite(HUD_BARRA_PUNTOS), kPuntosBarraX, kPuntosBarraY,
                kPuntosBarraX + kLargoBarra * v, kPuntosBarraX + kLargoBarra * m_fBarraPuntos, F, fOscurecer);
    DibujaBarra(pDestino, m_SPMHud.GetSprite(HUD_BARRA_TIEMPO), kTiempoBarraX, kTiempoBarraY,
                kTiempoBarraX - kLargoBarra * (1.0f - t), kTiempoBarraX - kLargoBarra * (1.0f - m_fBarraTiempo), F,
                fOscurecer);

    // 3. The portraits.
    if (!bTutorial) {
        const float h = m_iContadorAnimo <= kPasosSaltoAnimo
                            ? 2.0f * kPi * static_cast<float>(m_iContadorAnimo) / kPasosSaltoAnimo
                            : 0.0f;
        const float s = m_iAnimoDefecto == ANIMO_TRISTEZA
                            ? 2.0f * kPi * static_cast<float>(m_iContadorAnimo % kPeriodoTemblor) / kPeriodoTemblor
                            : 0.0f;
        if (m_bPersonaje) {
            m_SPMHud.DibujaSpriteEnDestino(pDestino, HUD_MARCO_RETRATO, kRetratoX, kRetratoY);
            for (int c = 0; c < kNumCapas; ++c) {
                m_SPMPersonaje.PonAlfa(Alfa8(255.0f * F * m_afCapas[static_cast<size_t>(c)]));
                m_SPMPersonaje.DibujaSpriteEnDestino(pDestino, c, kRetratoX + kTemblor * std::sin(s),
                                                     kRetratoY + kSalto * std::sin(h));
            }
        }
        if (m_bRival) {
            m_SPMHud.DibujaSpriteEnDestino(pDestino, HUD_MARCO_RETRATO, kRivalX, kRetratoY);
            const bool bEnemigos = m_pNivel && m_pNivel->PERSOS_SON_ENEMIGOS;
            for (int c = 0; c < kNumCapas; ++c) {
                const int iCapa = bEnemigos ? kNumCapas - 1 - c : c;
                const int iSprite = c == 0 && m_iRival == kRivalSinTristeza ? 1 : c;
                m_SPMRival.PonAlfa(Alfa8(255.0f * F * m_afCapas[static_cast<size_t>(iCapa)]));
                m_SPMRival.DibujaSpriteEnDestino(pDestino, iSprite, kRivalX, kRetratoY);
            }
        }
    }

    // 4. The line gauge.
    const int iModo = m_pNivel ? m_pNivel->MODOJUEGO : MODO_HISTORIA;
    if (iModo == MODO_HISTORIA || iModo == MODO_SOLO_CONCENTRAR) {
        m_SPMHud.DibujaSpriteEnDestino(pDestino, HUD_MARCO_INDICADOR, kIndicadorX, kIndicadorY);
        const int Y = std::clamp(iMaximoPiezas + std::max(0, iPiezasExtra), 0, NUM_HUECOS_INDICADOR_LINEA);
        const float ft = static_cast<float>(m_iFrames);
        if (Sprite* pTramo = m_SPMLineas.GetSprite(0))
            for (int i = 1; i < Y; ++i) {
                float a;
                if (bLineaCompleta)
                    a = 255.0f * F * (0.5f + 0.25f * std::cos(static_cast<float>(iPasosDestello) * kPi / 4.0f));
                else
                    a = (iPiezasCogidas < i ? 128.0f : 255.0f) * F;
                const Punt2D p = HuecoIndicadorLinea(i), q = HuecoIndicadorLinea(i + 1);
                DibuixaLiniaSprites(pDestino, pTramo, p.x, p.y, q.x, q.y, 1.0f, 1.0f, m_fFaseLinea, Alfa(a), Alfa(a), 0,
                                    nullptr);
            }
        for (int k = 1; k <= Y; ++k) {
            const int i = k - 1;
            const Punt2D p = HuecoIndicadorLinea(k);
            if (i >= iMaximoPiezas) {
                m_SPMBonuses.PonEscala(kEscalaPieza, kEscalaPieza);
                m_SPMBonuses.PonAlfa(Alfa8(128.0f * F));
                m_SPMBonuses.DibujaSpriteEnDestino(pDestino, kSprBonusExtra, p.x, p.y);
            } else {
                m_SPMAroTexto.PonEscala(kEscalaAro, kEscalaAro);
                m_SPMAroTexto.PonRotacion(kGiroAro * static_cast<float>(i) + kVelocidadAro * ft);
                m_SPMAroTexto.PonAlfa(Alfa8(255.0f * F));
                m_SPMAroTexto.DibujaSpriteEnDestino(pDestino, 0, p.x, p.y);
            }
            // Colours outside the board's eight show nothing.
            if (i <= iPiezasCogidas && iColor >= 0 && iColor <= 7) {
                m_SPMDiamantes.PonEscala(kEscalaPieza, kEscalaPieza);
                m_SPMDiamantes.PonFusion(kFusionAditiva, kBlanco);
                m_SPMDiamantes.PonAlfa(Alfa8(255.0f * F * std::fabs(std::sin(kVelocidadAro * ft))));
                m_SPMDiamantes.DibujaSpriteEnDestino(pDestino, iColor, p.x, p.y);
            }
        }
        m_SPMBonuses.PonEscala(1.0f, 1.0f);
        m_SPMAroTexto.PonEscala(1.0f, 1.0f);
        m_SPMAroTexto.PonRotacion(0.0f);
        m_SPMDiamantes.PonEscala(1.0f, 1.0f);
        m_SPMDiamantes.PonFusion(0, kBlanco);
    }

    // 5. The mood the character falls back to.
    m_iAnimoDefecto = AnimoPorDefecto(bFin, fFraccionTiempo);

    // 6. The texts, rendered anew only when they change.
    if (iObjetivo != PUNTUACION_SIN_OBJETIVO) {
        const std::string s = TextoPuntos(iPuntuacion, iObjetivo);
        if (s != m_sPuntos) {
            m_sPuntos = s;
            g_pSistema2D->CanviaTextSprite(m_pPuntos, s.c_str(), -1, kFormato, kEscalaTexto, kEscalaTexto, 0.0f, 0.0f,
                                           -1.0f, -1.0f);
            ++m_iRenderPuntos;
        }
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_pPuntos, kPuntosX, kPuntosY, false, Alfa(255.0f * F), 0.0f, 1.0f,
                                      1.0f);
    }
    if (!bSinLimite && fFraccionTiempo > 0.0f && fFraccionTiempo < 1.0f) {
        const std::string s = TextoTiempo(iPasosRestantes);
        if (s != m_sTiempo) {
            m_sTiempo = s;
            g_pSistema2D->CanviaTextSprite(m_pTiempo, s.c_str(), -1, kFormato, kEscalaTexto, kEscalaTexto, 0.0f, 0.0f,
                                           -1.0f, -1.0f);
            ++m_iRenderTiempo;
        }
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_pTiempo, kTiempoX, kTiempoY, false, Alfa(255.0f * F), 0.0f, 1.0f,
                                      1.0f);
    }
    m_SPMHud.PonAlfa(255);
}

void CHerramientaMarcadores::DibujaModoAtaques(Sprite* pDestino, float fOscurecer, float fFraccion1, float fFraccion2)
{
    if (!m_bCreado) return;
    fOscurecer = Fraccion(fOscurecer);
    const float F = 1.0f - fOscurecer;
    m_SPMHud.PonAlfa(Alfa8(255.0f * F));
    m_SPMHud.PonAlfaFusion2(Alfa8(255.0f * fOscurecer));
    const float f1 = Fraccion(fFraccion1), f2 = Fraccion(fFraccion2);
    Acerca(m_fBarraAtaques1, f1);
    Acerca(m_fBarraAtaques2, f2);
    DibujaBarra(pDestino, m_SPMHud.GetSprite(HUD_BARRA_TIEMPO), kAtaquesBarraX, kAtaquesBarraY,
                kAtaquesBarraX - kLargoBarra * (1.0f - f2), kAtaquesBarraX - kLargoBarra * (1.0f - m_fBarraAtaques2), F,
                fOscurecer);
    m_SPMHud.DibujaSpriteEnDestino(pDestino, HUD_PLACA_ATAQUES, kPlacaX, kPlacaY);
    m_SPMHud.PonAlfa(255);
}
