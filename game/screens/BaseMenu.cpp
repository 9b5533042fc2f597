#include "game/screens/BaseMenu.h"

#include "engine/app/Sistemas.h"
#include "engine/audio/GestorSonido.h"
#include "engine/core/GestorRatones.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/QuadreGrafic.h"
#include "game/CatalogoJuego.h"
#include "game/screens/widgets/AyudasTazmo.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kVuelta = 6.283184f;
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;

// The bars: resting point and the point they slide from.
constexpr float kBarraSuperiorY = 20.0f, kBarraSuperiorFueraY = -70.0f;
constexpr float kBarraInferiorY = 715.0f, kBarraInferiorFueraY = 770.0f;
constexpr int kPasosBarras = 15;

// The gradient covers this much around the centre.
constexpr float kAnchoGradiente = 1100.0f, kAltoGradiente = 850.0f;

// The circle: distance and scale of its random place.
constexpr float kDistanciaCirculoMin = 300.0f, kDistanciaCirculoMax = 800.0f;
constexpr float kEscalaCirculoMin = 2.5f, kEscalaCirculoMax = 4.5f;

// The title pieces fly from the edges into the corners.
struct PiezaTitulo {
    float x0, y0, x1, y1, fAngulo;
};
constexpr PiezaTitulo kPiezas[4] = {
    {0.0f, 135.0f, 75.0f, 210.0f, 0.785398f},
    {1023.0f, 135.0f, 948.0f, 210.0f, 2.356194f},
    {1023.0f, 725.0f, 948.0f, 650.0f, 3.926990f},
    {0.0f, 725.0f, 75.0f, 650.0f, -0.785398f},
};
constexpr int kSpritePieza = 1;

// The title bar: ornament, the dark pill behind the title, icon and title.
constexpr float kAdornoX = 140.0f, kTituloY = 80.0f;
constexpr float kPastillaX = 612.0f;
constexpr float kIconoX = 900.0f, kIconoY = 90.0f, kEscalaIcono = 0.85f;
// The icon stays inside the top bar, right of the pill's end: a bigger
// picture (the chest's medallions are) is drawn smaller to this width.
constexpr float kLadoIconoMax = 104.0f;
constexpr float kEscalaTitulo = 1.3f;

// Sparkles: three a step around the pointer, living 30 steps.
constexpr int kDestellosPorPaso = 3;
constexpr float kDispersionDestello = 5.0f;
constexpr int kVidaDestello = 30;
constexpr float kGiroDestello = 0.0523599f; // pi / 60 a step
constexpr int kSpriteDestello = 1;

uint8_t Alfa(float f) { return static_cast<uint8_t>(std::clamp(f * 255.0f, 0.0f, 255.0f)); }

} // namespace

const char* const CBaseMenu::kFondos[kNumFondos] = {
    juego::paquete::FONDO_PRISION, juego::paquete::FONDO_PASILLOS, juego::paquete::FONDO_MAIDA,
    juego::paquete::FONDO_LABORATORIO, juego::paquete::FONDO_JARDIN, juego::paquete::FONDO_IRINA,
    juego::paquete::FONDO_COCINAS, juego::paquete::FONDO_ALDUNIA, juego::paquete::FONDO_ADELETIA,
};

CBaseMenu::~CBaseMenu()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CBaseMenu::InicializaCampos()
{
    m_pBarraSuperior = m_pBarraInferior = nullptr;
    m_pSPMFondo = m_pSPMGradiente = m_pSPMPiezasTitulo = m_pSPMIcono = nullptr;
    m_pSPMCirculo = m_pSPMTitulo = m_pSPMBarraTitulo = nullptr;
    bFondo = bBarraTitulo = bPiezasTitulo = false;
    m_tApertura = CTemporizador();
    m_tCirculo = CTemporizador();
    m_fCirculoX = kCentroX;
    m_fCirculoY = kCentroY;
    m_fEscalaCirculo = 1.0f;
    m_szRanuraMusica[0] = '\0';
    m_iFondo = -1;
}

void CBaseMenu::LiberaPartes()
{
    delete m_pBarraSuperior;
    m_pBarraSuperior = nullptr;
    delete m_pBarraInferior;
    m_pBarraInferior = nullptr;
    for (CSPM** pp : {&m_pSPMFondo, &m_pSPMGradiente, &m_pSPMPiezasTitulo, &m_pSPMIcono, &m_pSPMCirculo,
                      &m_pSPMTitulo, &m_pSPMBarraTitulo})
        tazmo::BorraSPM(*pp);
    m_tApertura = CTemporizador();
    m_tCirculo = CTemporizador();
}

void CBaseMenu::Libera()
{
    LiberaPartes();
    m_bCreado = false;
}

bool CBaseMenu::Crea(const char* szNombre, const char* szSPMTitulo, const void*, const char* szRanuraMusica,
                     const char* szSPMIcono, bool bConFondo, bool bConBarraTitulo, bool bConPiezasTitulo)
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    const bool bBase = CMenuObj::Inicia(-1, szNombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1);
    bFondo = bConFondo;
    bBarraTitulo = bConBarraTitulo;
    bPiezasTitulo = bConPiezasTitulo;
    std::snprintf(m_szRanuraMusica, sizeof m_szRanuraMusica, "%s", szRanuraMusica ? szRanuraMusica : "");
    auto Falla = [this] {
        LiberaSiIniciado();
        Libera();
        return false;
    };
    if (!bBase) return Falla();

    // One background for the whole run of this screen.
    m_iFondo = EnteroAleatorio(0, kNumFondos - 1);
    m_pSPMFondo = tazmo::CopiaSPM(kFondos[m_iFondo]);
    if (!m_pSPMFondo) return Falla();

    // Without its gradient the screen is only lighter.
    m_pSPMGradiente = tazmo::CopiaSPM(juego::paquete::GRADIENTE_FONDO);
    if (m_pSPMGradiente) {
        m_pSPMGradiente->PonAlfa(255);
        m_pSPMGradiente->PonColor(0, 0, 0);
        const Sprite* s = m_pSPMGradiente->GetSprite(0);
        if (s && s->GetAmplada() > 0.0f && s->GetAlcada() > 0.0f)
            m_pSPMGradiente->PonEscala(kAnchoGradiente / s->GetAmplada(), kAltoGradiente / s->GetAlcada());
    }

    m_pBarraSuperior = new CQuadreGrafic;
    if (!m_pBarraSuperior->IniciaImagenMovil(false, 0.0f, kBarraSuperiorFueraY, 0.0f, kBarraSuperiorY, kPasosBarras,
                                             juego::imagen::BARRA_SUPERIOR, false))
        return Falla();
    m_pBarraInferior = new CQuadreGrafic;
    if (!m_pBarraInferior->IniciaImagenMovil(false, 0.0f, kBarraInferiorFueraY, 0.0f, kBarraInferiorY, kPasosBarras,
                                             juego::imagen::BARRA_INFERIOR, false))
        return Falla();

    m_pSPMPiezasTitulo = tazmo::CopiaSPM(juego::paquete::PIEZAS_TITULO);
    if (!m_pSPMPiezasTitulo) return Falla();
    if (szSPMIcono && !(m_pSPMIcono = tazmo::CopiaSPM(szSPMIcono))) return Falla();
    m_pSPMCirculo = tazmo::CopiaSPM(juego::paquete::CIRCULO_CABALISTICO);
    if (!m_pSPMCirculo) return Falla();
    if (szSPMTitulo && !(m_pSPMTitulo = tazmo::CopiaSPM(szSPMTitulo))) return Falla();
    m_pSPMBarraTitulo = tazmo::CopiaSPM(juego::paquete::BARRA_TITULO);
    if (!m_pSPMBarraTitulo) return Falla();

    AnadeHijo(false, m_pBarraSuperior, false, false);
    AnadeHijo(false, m_pBarraInferior, false, false);
    // Closed until the first opening.
    tazmo::Arranca(m_tApertura, kPasosApertura, -1);
    m_tCirculo.Crea();
    m_tCirculo.Inicia(kPasosGiroCirculo, INT_MIN, INT_MAX);
    m_bCreado = true;
    return true;
}

float CBaseMenu::ProgresoApertura() { return m_bCreado ? m_tApertura.Fraccion(PROGRESO_LIMITADO) : 0.0f; }

void CBaseMenu::IniciaMusica()
{
    if (g_pGestorSonido && m_szRanuraMusica[0]) g_pGestorSonido->TocaRanuraMusica(m_szRanuraMusica, kCanalMusica, -1);
}

float CBaseMenu::EscalaIcono(float fAncho, float fAlto)
{
    const float fLado = std::max(fAncho, fAlto);
    if (fLado * kEscalaIcono <= kLadoIconoMax) return kEscalaIcono;
    return kLadoIconoMax / fLado;
}

void CBaseMenu::PosicionPiezaTitulo(float t, int i, float* px, float* py)
{
    const PiezaTitulo& p = kPiezas[std::clamp(i, 0, 3)];
    *px = p.x0 + (p.x1 - p.x0) * t;
    *py = p.y0 + (p.y1 - p.y0) * t;
}

void CBaseMenu::PosicionCirculo(float fDistancia, float fAngulo, float* px, float* py)
{
    *px = kCentroX + fDistancia * std::sin(fAngulo);
    *py = kCentroY + fDistancia * std::cos(fAngulo);
}

bool CBaseMenu::EnTransicion()
{
    if (CMenuObj::EnTransicion()) return true;
    if (!m_bCreado) return false;
    // Until the timer has reached the end it is heading for: a fully open
    // screen that starts closing is in transition at once, so its removal
    // never completes in the step it was asked.
    const float p = m_tApertura.Fraccion(PROGRESO_LIMITADO);
    return m_tApertura.m_iDireccion > 0 ? p < 0.999f : p > 0.001f;
}

void CBaseMenu::IniciaTransicion(bool bEntrada)
{
    if (m_bCreado) {
        if (bEntrada) {
            IniciaMusica();
            tazmo::Cuenta(m_tApertura, 1);
            const float d = RealAleatorio(kDistanciaCirculoMin, kDistanciaCirculoMax);
            const float a = RealAleatorio(0.0f, kVuelta);
            PosicionCirculo(d, a, &m_fCirculoX, &m_fCirculoY);
            m_fEscalaCirculo = RealAleatorio(kEscalaCirculoMin, kEscalaCirculoMax);
        } else {
            tazmo::Cuenta(m_tApertura, -1);
        }
    }
    CMenuObj::IniciaTransicion(bEntrada);
}

void CBaseMenu::Actualiza()
{
    CMenuObj::Actualiza();
    if (!TieneDestellos()) return;
    if (g_pSistemaCacheEfectos) {
        g_pSistemaCacheEfectos->ActualizaCapa(tazmo::kCapaEfectosBajo);
        g_pSistemaCacheEfectos->ActualizaCapa(tazmo::kCapaEfectosSobre);
    }
    EmiteDestellos();
}

void CBaseMenu::EmiteDestellos()
{
    CSPM* pEfectos = tazmo::SPMEfectos();
    CRaton* pRaton = g_pRatones ? g_pRatones->Raton(0) : nullptr;
    if (!g_pSistemaCacheEfectos || !pEfectos || !pRaton) return;
    for (int i = 0; i < kDestellosPorPaso; ++i) {
        CEfectoCacheado* e = g_pSistemaCacheEfectos->CreaEfecto(tazmo::kCapaEfectosSobre);
        if (!e) return;
        DescripcionEfecto d;
        d.m_pSprite = pEfectos->GetSprite(kSpriteDestello);
        d.m_fDesdeX = d.m_fHastaX = pRaton->X() + RealAleatorio(-kDispersionDestello, kDispersionDestello);
        d.m_fDesdeY = d.m_fHastaY = pRaton->Y() + RealAleatorio(-kDispersionDestello, kDispersionDestello);
        d.m_iInicioMovimiento = 0;
        d.m_iFinMovimiento = kVidaDestello;
        d.m_iInicioFadeIn = d.m_iFinFadeIn = 0;
        d.m_iInicioFadeOut = 0;
        d.m_iFinFadeOut = kVidaDestello;
        d.m_ucAlfaMaximo = 255;
        d.m_iInicioEscala = 0;
        d.m_iFinEscala = kVidaDestello;
        d.m_fEscalaDesdeX = d.m_fEscalaDesdeY = RealAleatorio(0.5f, 1.0f);
        d.m_fEscalaHastaX = d.m_fEscalaHastaY = 0.001f;
        d.m_fRotacion = RealAleatorio(0.0f, kVuelta);
        d.m_fPasoRotacion = kGiroDestello;
        d.m_iFusion = 0;
        e->Inicia(d);
    }
}

void CBaseMenu::Dibuja(CMenuObj*, Sprite* pDestino)
{
    DibujaAntes(pDestino);
    if (!SeDibuja()) return;
    const float p = ProgresoApertura();
    const float s = std::sin(p * kPi / 2.0f);

    if (bFondo && m_pSPMFondo) m_pSPMFondo->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    if (m_pSPMCirculo) {
        m_pSPMCirculo->PonRotacion(kVuelta * m_tCirculo.Fraccion(PROGRESO_CICLICO));
        m_pSPMCirculo->PonEscala(m_fEscalaCirculo, m_fEscalaCirculo);
        m_pSPMCirculo->DibujaSpriteEnDestino(nullptr, 0, m_fCirculoX, m_fCirculoY);
    }
    if (m_pSPMGradiente) m_pSPMGradiente->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    if (bPiezasTitulo && m_pSPMPiezasTitulo) {
        m_pSPMPiezasTitulo->PonAlfa(Alfa(p));
        for (int i = 0; i < 4; ++i) {
            float x, y;
            PosicionPiezaTitulo(s, i, &x, &y);
            m_pSPMPiezasTitulo->PonRotacion(kPiezas[i].fAngulo);
            m_pSPMPiezasTitulo->DibujaSpriteEnDestino(pDestino, kSpritePieza, x, y);
        }
    }
    const bool bDestellos = TieneDestellos() && g_pSistemaCacheEfectos;
    if (bDestellos) g_pSistemaCacheEfectos->DibujaCapa(tazmo::kCapaEfectosBajo, pDestino);
    DibujaContenido(pDestino);
    CMenuObj::Dibuja(nullptr, pDestino);
    if (bDestellos) g_pSistemaCacheEfectos->DibujaCapa(tazmo::kCapaEfectosSobre, pDestino);
    DibujaSobreHijos(pDestino);
    if (bBarraTitulo && m_pSPMBarraTitulo) {
        m_pSPMBarraTitulo->PonEscala(s, s);
        m_pSPMBarraTitulo->PonAlfa(Alfa(p));
        m_pSPMBarraTitulo->DibujaSpriteEnDestino(pDestino, 0, kAdornoX, kTituloY);
        // The plate lies behind the title: a screen without one (the pause
        // menu) would show it as an empty frame.
        if (m_pSPMTitulo) {
            m_pSPMBarraTitulo->PonEscala(2.0f * s, 0.65f * s);
            m_pSPMBarraTitulo->PonAlfa(Alfa(p * 128.0f / 255.0f));
            m_pSPMBarraTitulo->DibujaSpriteEnDestino(pDestino, 1, kPastillaX, kTituloY);
        }
        if (m_pSPMIcono) {
            m_pSPMIcono->ActivaEspejo();
            const float e = EscalaIcono(m_pSPMIcono->GetAnchoMaximo(), m_pSPMIcono->GetAltoMaximo());
            m_pSPMIcono->PonEscala(e * s, e * s);
            m_pSPMIcono->PonAlfa(Alfa(p));
            m_pSPMIcono->DibujaSpriteEnDestino(pDestino, 0, kIconoX, kIconoY);
        }
        if (m_pSPMTitulo) {
            m_pSPMTitulo->PonEscala(kEscalaTitulo * s, kEscalaTitulo * s);
            m_pSPMTitulo->PonAlfa(Alfa(p));
            m_pSPMTitulo->DibujaSpriteEnDestino(pDestino, 0, kPastillaX, kTituloY);
        }
    }
    DibujaEncima(pDestino);
}

void CBaseMenu::CargaRecursos()
{
    if (RecursosCargados()) return;
    for (CSPM* p : {m_pSPMFondo, m_pSPMGradiente, m_pSPMPiezasTitulo, m_pSPMIcono, m_pSPMCirculo, m_pSPMTitulo,
                    m_pSPMBarraTitulo})
        tazmo::MarcaSPM(p, true);
    CMenuObj::CargaRecursos();
}

void CBaseMenu::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    for (CSPM* p : {m_pSPMFondo, m_pSPMGradiente, m_pSPMPiezasTitulo, m_pSPMIcono, m_pSPMCirculo, m_pSPMTitulo,
                    m_pSPMBarraTitulo})
        tazmo::MarcaSPM(p, false);
    CMenuObj::DescargaRecursos();
}
