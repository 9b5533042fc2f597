#include "game/screens/MenuPresentacion.h"

#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/audio/GestorSonido.h"
#include "engine/core/GestorRatones.h"
#include "engine/graphics/Lineas.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/widgets/AyudasTazmo.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

namespace paquete = juego::paquete;

constexpr float kMedioGiro = 3.14159265f;
constexpr float kVuelta = 6.2831853f;
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr const char* kCanal = "CANAL_MUSICA_ODL";

// The seal: half its side at full size, the time it reaches it, and its
// elements' slots.
constexpr float kMitadSello = 300.0f;
constexpr float kCrecimiento = 0.65f;
enum { SLOT_ESQUINA = 0, SLOT_ESQUINA_2 = 1, SLOT_ADORNO = 3, SLOT_CENTRO = 4, SLOT_LINEA = 5 };
// Windows of the four corners (C1..C4) of each kind of element.
constexpr float kEsquinas[4][2] = {{0.11f, 0.13f}, {0.13f, 0.15f}, {0.15f, 0.17f}, {0.17f, 0.19f}};
constexpr float kEsquinas2[4][2] = {{0.24f, 0.26f}, {0.26f, 0.28f}, {0.28f, 0.30f}, {0.30f, 0.32f}};
constexpr float kLineas[3][2] = {{0.26f, 0.28f}, {0.28f, 0.30f}, {0.30f, 0.32f}};
constexpr float kCentroVentana[2] = {0.30f, 0.34f};
constexpr float kLogoVentana[2] = {0.36f, 0.43f};
constexpr float kGiroPorPaso = kMedioGiro / 120.0f;

// The title and subtitle, and the halo of eight copies round them.
constexpr float kTituloInicio = 0.48f, kDestelloLargo = 0.12f;
constexpr float kSubtituloInicio = 0.5f, kSubtituloLargo = 0.12f;
constexpr float kTituloX = 512.0f, kTituloY = 300.0f, kSubtituloY = 450.0f;
constexpr float kHalo[8][2] = {{-7, 0}, {7, 0}, {0, -7}, {0, 7}, {-4, 0}, {4, 0}, {0, -4}, {0, 4}};
constexpr uint8_t kAlfaHaloTitulo = 200;
// The captions at the bottom, and their shadow.
constexpr float kLeyendaY = 684.0f;
constexpr float kSombraLeyenda[8][2] = {{-2, 0}, {2, 0}, {0, -2}, {0, 2}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
constexpr float kLeyendaLargo = 0.05f;

// The sparkles: drifting from the edges, bursting from the centre.
constexpr int kDerivasPorPaso = 3, kEstallidosPorPaso = 2;
constexpr int kVidaDestello = 90;
constexpr int kSpriteDeriva = 4, kSpriteEstallido = 1;

uint8_t Alfa(float f) { return static_cast<uint8_t>(std::clamp(static_cast<int>(f * 255.0f), 0, 255)); }

} // namespace

// ---------------------------------------------------------------------------
// The timeline

float CMenuPresentacion::Ventana(float t, float a, float b)
{
    if (t < a) return 0.0f;
    if (t > b) return 1.0f;
    return (t - a) / (b - a);
}

float CMenuPresentacion::EscalaSello(float t) { return std::min(1.0f, t / kCrecimiento); }

namespace {
// A mark that fades in over [a, b], stays until c and fades out over [c, d].
int AlfaMarca(float t, float a, float b, float c, float d)
{
    if (t < a || t >= d) return 0;
    if (t <= b) return static_cast<int>(CMenuPresentacion::Ventana(t, a, b) * 255.0f);
    if (t <= c) return 255;
    return 255 - static_cast<int>(CMenuPresentacion::Ventana(t, c, d) * 255.0f);
}
} // namespace

int CMenuPresentacion::AlfaDistribuidor(float t) { return AlfaMarca(t, 0.010f, 0.015f, 0.040f, 0.045f); }

int CMenuPresentacion::AlfaEstudio(float t, bool bDistribuidor)
{
    return bDistribuidor ? AlfaMarca(t, 0.050f, 0.055f, 0.070f, 0.075f) : AlfaMarca(t, 0.010f, 0.020f, 0.050f, 0.060f);
}

CMenuPresentacion::Leyenda CMenuPresentacion::LeyendaEn(float t, bool bDistribuidor)
{
    const float c = bDistribuidor ? 0.075f : 0.06f;
    for (int i = 0; i < kNumLeyendas; ++i) {
        const float a = c + kLeyendaLargo * static_cast<float>(i);
        const float b = a + kLeyendaLargo;
        if (!(t > a && t < b)) continue;
        const float m = (t - a) / kLeyendaLargo;
        float o = 1.0f;
        if (m < 0.1f)
            o = m / 0.1f;
        else if (m > 0.9f)
            o = 1.0f - (m - 0.9f) / 0.1f;
        return {i, std::clamp(o, 0.0f, 1.0f)};
    }
    return {-1, 0.0f};
}

int CMenuPresentacion::DestelloTitulo(float t)
{
    if (t < kTituloInicio || t > kTituloInicio + kDestelloLargo) return 0;
    const float f = 1.0f - (t - kTituloInicio) / kDestelloLargo;
    return static_cast<int>(std::clamp(f, 0.0f, 1.0f) * 255.0f);
}

float CMenuPresentacion::FuerzaSubtitulo(float t)
{
    if (t < kSubtituloInicio) return 0.0f;
    return std::min(1.0f, (t - kSubtituloInicio) / kSubtituloLargo);
}

float CMenuPresentacion::Tiempo() { return m_pLinea ? m_pLinea->Fraccion(PROGRESO_LIMITADO) : 0.0f; }

// ---------------------------------------------------------------------------
// Creation

CMenuPresentacion::~CMenuPresentacion()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuPresentacion::InicializaCampos()
{
    m_pFondo = m_pElementos = m_pLogo = m_pTitulo = m_pSubtitulo = nullptr;
    m_pLogoEstudio = m_pLogoDistribuidor = m_pLeyendas = m_pEfectos = nullptr;
    m_pLinea = nullptr;
    m_iSonidoPulsar = -1;
    m_fEscalaSello = 0.0f;
    m_fGiro = 0.0f;
    m_bBotonAntes = false;
    m_iSalidas = 0;
}

void CMenuPresentacion::Libera()
{
    for (CSPM** pp : {&m_pFondo, &m_pElementos, &m_pLogo, &m_pTitulo, &m_pSubtitulo, &m_pLogoEstudio,
                      &m_pLogoDistribuidor, &m_pLeyendas, &m_pEfectos})
        tazmo::BorraSPM(*pp);
    delete m_pLinea;
    m_pLinea = nullptr;
    m_bCreado = false;
}

bool CMenuPresentacion::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    if (!CMenuObj::Inicia(-1, "MenuPresentacion", Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1)) return false;
    // A package of the presentation that is missing draws as the
    // placeholder; only the sparkles' package is required.
    m_pFondo = tazmo::CopiaSPM(paquete::PRESENTACION_FONDO);
    m_pElementos = tazmo::CopiaSPM(paquete::PRESENTACION_ELEMENTOS);
    m_pLogo = tazmo::CopiaSPM(paquete::PRESENTACION_LOGO);
    m_pTitulo = tazmo::CopiaSPM(paquete::TITULO_JUEGO);
    if (m_pTitulo) m_pTitulo->PonFusion2(0x01, ColorRGB(255, 255, 255));
    m_pSubtitulo = tazmo::CopiaSPM(paquete::SUBTITULO_JUEGO);
    m_pLogoEstudio = tazmo::CopiaSPM(paquete::LOGO_KESTRUNE);
    if (g_bLogoDistribuidor) m_pLogoDistribuidor = tazmo::CopiaSPM(paquete::LOGO_CORVANE);
    m_pLeyendas = tazmo::CopiaSPM(paquete::PRESENTACION_TEXTOS);
    m_pEfectos = tazmo::CopiaSPM(paquete::EFECTOS);
    if (!m_pEfectos) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_pLinea = new CTemporizador;
    m_pLinea->Crea();
    m_iSonidoPulsar = tazmo::RanuraSonido(juego::sonido::PRESS_START);
    m_bCreado = true;
    return true;
}

// ---------------------------------------------------------------------------
// The screen

bool CMenuPresentacion::EnTransicion()
{
    return (g_pAplicacion && g_pAplicacion->VelocidadFundido() != 0.0f) || CMenuObj::EnTransicion();
}

void CMenuPresentacion::IniciaTransicion(bool bEntrada)
{
    if (bEntrada && m_bCreado) {
        if (g_pGestorSonido) g_pGestorSonido->TocaRanuraMusica(juego::musica::RAN_MENU_PRESENTACION, kCanal, -1);
        m_pLinea->Inicia(kPasos, INT_MIN + 1, INT_MAX - 1);
        m_fGiro = 0.0f;
        m_iSalidas = 0;
        // A button already held when the screen comes is no press.
        CRaton* pRaton = g_pRatones ? g_pRatones->Raton(0) : nullptr;
        m_bBotonAntes = pRaton && pRaton->Pulsado(0);
    }
    CMenuObj::IniciaTransicion(bEntrada);
}

void CMenuPresentacion::PonEnfocado(bool bEnfocado) { CMenuObj::PonEnfocado(bEnfocado); }

void CMenuPresentacion::LanzaDestellos()
{
    if (!g_pSistemaCacheEfectos || !m_pEfectos) return;
    for (int i = 0; i < kDerivasPorPaso; ++i) {
        CEfectoCacheado* e = g_pSistemaCacheEfectos->CreaEfecto(kCapaDeriva);
        if (!e) break;
        DescripcionEfecto d;
        d.m_pSprite = m_pEfectos->GetSprite(kSpriteDeriva);
        d.m_fDesdeX = d.m_fHastaX = RealAleatorio(-64.0f, 1088.0f);
        if (RealAleatorio(-1.0f, 1.0f) > 0.0f) {
            d.m_fDesdeY = 832.0f;
            d.m_fHastaY = 584.0f;
        } else {
            d.m_fDesdeY = -64.0f;
            d.m_fHastaY = 184.0f;
        }
        d.m_iInicioMovimiento = 0;
        d.m_iFinMovimiento = kVidaDestello;
        d.m_iInicioFadeOut = 0;
        d.m_iFinFadeOut = kVidaDestello;
        d.m_ucAlfaMaximo = 255;
        d.m_fRotacion = RealAleatorio(0.0f, kVuelta);
        d.m_fPasoRotacion = kVuelta / (30.0f * RealAleatorio(10.0f, 15.0f));
        e->Inicia(d);
    }
    if (Tiempo() <= kTituloInicio) return;
    for (int i = 0; i < kEstallidosPorPaso; ++i) {
        CEfectoCacheado* e = g_pSistemaCacheEfectos->CreaEfecto(kCapaEstallido);
        if (!e) break;
        DescripcionEfecto d;
        d.m_pSprite = m_pEfectos->GetSprite(kSpriteEstallido);
        const float r = RealAleatorio(256.0f, 512.0f);
        const float a = RealAleatorio(0.0f, kVuelta);
        d.m_fDesdeX = kCentroX;
        d.m_fDesdeY = kCentroY;
        d.m_fHastaX = kCentroX + r * std::cos(a);
        d.m_fHastaY = kCentroY + r * std::sin(a);
        d.m_iInicioMovimiento = 0;
        d.m_iFinMovimiento = kVidaDestello;
        d.m_iInicioFadeIn = 15;
        d.m_iFinFadeIn = 30;
        d.m_iInicioFadeOut = 75;
        d.m_iFinFadeOut = kVidaDestello;
        d.m_ucAlfaMaximo = 255;
        d.m_fRotacion = RealAleatorio(0.0f, kVuelta);
        d.m_fPasoRotacion = kVuelta / (30.0f * RealAleatorio(3.0f, 5.0f));
        e->Inicia(d);
    }
}

void CMenuPresentacion::Actualiza()
{
    if (m_bCreado) {
        LanzaDestellos();
        // One press leaves, once per opening: on the press's edge, so a held
        // button neither repeats the sound nor restarts the change.
        CRaton* pRaton = g_pRatones ? g_pRatones->Raton(0) : nullptr;
        const bool bBoton = pRaton && pRaton->Pulsado(0);
        if (bBoton && !m_bBotonAntes && m_iSalidas == 0 && Padre() && g_pMenuMaestro) {
            ++m_iSalidas;
            tazmo::TocaSonido(m_iSonidoPulsar);
            g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->PerfilParaElegir());
        }
        m_bBotonAntes = bBoton;
        m_fGiro += 1.0f;
        if (g_pSistemaCacheEfectos) {
            g_pSistemaCacheEfectos->ActualizaCapa(kCapaDeriva);
            g_pSistemaCacheEfectos->ActualizaCapa(kCapaEstallido);
        }
    }
    CMenuObj::Actualiza();
}

void CMenuPresentacion::DibujaSello(Sprite* pDestino, float t)
{
    if (!m_pElementos) return;
    const float s = m_fEscalaSello;
    const float d = kMitadSello * s;
    const float cx[4] = {kCentroX - d, kCentroX + d, kCentroX - d, kCentroX + d};
    const float cy[4] = {kCentroY - d, kCentroY + d, kCentroY + d, kCentroY - d};
    m_pElementos->PonEscala(s, s);
    m_pElementos->PonRotacion(0.0f);
    if (Sprite* pLinea = m_pElementos->GetSprite(SLOT_LINEA)) {
        // C1 to C2, C2 to C3, C3 to C4.
        for (int i = 0; i < 3; ++i) {
            const int iAlfa = static_cast<int>(Ventana(t, kLineas[i][0], kLineas[i][1]) * 255.0f);
            if (iAlfa <= 0) continue;
            DibuixaLiniaSprites(pDestino, pLinea, cx[i], cy[i], cx[i + 1], cy[i + 1], 1.0f, 1.0f, -m_fGiro, iAlfa,
                                iAlfa, 0, nullptr);
        }
    }
    auto Pieza = [&](int iSlot, const float (*ventanas)[2], float fRotacion) {
        for (int i = 0; i < 4; ++i) {
            const uint8_t a = Alfa(Ventana(t, ventanas[i][0], ventanas[i][1]));
            if (!a) continue;
            m_pElementos->PonAlfa(a);
            m_pElementos->PonRotacion(fRotacion);
            m_pElementos->DibujaSpriteEnDestino(pDestino, iSlot, cx[i], cy[i]);
        }
    };
    Pieza(SLOT_ESQUINA, kEsquinas, 0.0f);
    Pieza(SLOT_ESQUINA_2, kEsquinas2, 0.0f);
    Pieza(SLOT_ADORNO, kEsquinas2, m_fGiro * kGiroPorPaso);
    const uint8_t aCentro = Alfa(Ventana(t, kCentroVentana[0], kCentroVentana[1]));
    if (aCentro) {
        m_pElementos->PonAlfa(aCentro);
        struct Copia {
            float x, y, fRotacion;
            bool bEspejo;
        } const kCopias[4] = {{512, 384, 0, false}, {512, 384, 0, true}, {510, 383, kMedioGiro, false}, {511, 383, kMedioGiro, true}};
        for (const Copia& c : kCopias) {
            if (c.bEspejo)
                m_pElementos->ActivaEspejo();
            else
                m_pElementos->DesactivaEspejo();
            m_pElementos->PonRotacion(c.fRotacion);
            m_pElementos->DibujaSpriteEnDestino(pDestino, SLOT_CENTRO, c.x, c.y);
        }
        m_pElementos->DesactivaEspejo();
    }
    m_pElementos->PonRotacion(0.0f);
    m_pElementos->PonAlfa(255);
}

void CMenuPresentacion::DibujaTitulos(Sprite* pDestino, float t)
{
    if (m_pTitulo && t >= kTituloInicio) {
        m_pTitulo->PonAlfa(0);
        m_pTitulo->PonAlfaFusion2(kAlfaHaloTitulo);
        for (const auto& h : kHalo) m_pTitulo->DibujaSpriteEnDestino(pDestino, 0, kTituloX + h[0], kTituloY + h[1]);
        m_pTitulo->PonAlfa(255);
        m_pTitulo->PonAlfaFusion2(static_cast<uint8_t>(DestelloTitulo(t)));
        m_pTitulo->DibujaSpriteEnDestino(pDestino, 0, kTituloX, kTituloY);
    }
    if (m_pSubtitulo && t >= kSubtituloInicio) {
        const float a = FuerzaSubtitulo(t);
        m_pSubtitulo->PonColor(0, 0, 0);
        m_pSubtitulo->PonAlfa(static_cast<uint8_t>(a * 200.0f));
        for (const auto& h : kHalo)
            m_pSubtitulo->DibujaSpriteEnDestino(pDestino, 0, kTituloX + h[0], kSubtituloY + h[1]);
        m_pSubtitulo->PonColor(255, 255, 255);
        m_pSubtitulo->PonAlfa(static_cast<uint8_t>(a * 255.0f));
        m_pSubtitulo->DibujaSpriteEnDestino(pDestino, 0, kTituloX, kSubtituloY);
    }
}

void CMenuPresentacion::DibujaLogos(Sprite* pDestino, float t)
{
    if (m_pLogoDistribuidor) {
        const int a = AlfaDistribuidor(t);
        if (a > 0) {
            m_pLogoDistribuidor->PonAlfa(static_cast<uint8_t>(a));
            m_pLogoDistribuidor->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
        }
    }
    if (m_pLogoEstudio) {
        const int a = AlfaEstudio(t, ConDistribuidor());
        if (a > 0) {
            m_pLogoEstudio->PonAlfa(static_cast<uint8_t>(a));
            m_pLogoEstudio->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
        }
    }
}

void CMenuPresentacion::DibujaLeyenda(Sprite* pDestino, float t)
{
    const Leyenda l = LeyendaEn(t, ConDistribuidor());
    if (!m_pLeyendas || l.iIndice < 0) return;
    m_pLeyendas->PonColor(0, 0, 0);
    m_pLeyendas->PonAlfa(static_cast<uint8_t>(l.fFuerza * 128.0f));
    for (const auto& h : kSombraLeyenda)
        m_pLeyendas->DibujaSpriteEnDestino(pDestino, l.iIndice, kCentroX + h[0], kLeyendaY + h[1]);
    m_pLeyendas->PonColor(255, 255, 255);
    m_pLeyendas->PonAlfa(static_cast<uint8_t>(l.fFuerza * 255.0f));
    m_pLeyendas->DibujaSpriteEnDestino(pDestino, l.iIndice, kCentroX, kLeyendaY);
}

void CMenuPresentacion::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    if (!m_bCreado) {
        CMenuObj::Dibuja(pHastaHijo, pDestino);
        return;
    }
    const float t = Tiempo();
    m_fEscalaSello = EscalaSello(t);
    if (m_pFondo) {
        m_pFondo->PonColor(0, 0, 0);
        m_pFondo->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    }
    if (g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->DibujaCapa(kCapaDeriva, pDestino);
    DibujaSello(pDestino, t);
    if (m_pLogo) {
        const uint8_t a = Alfa(Ventana(t, kLogoVentana[0], kLogoVentana[1]));
        if (a) {
            m_pLogo->PonEscala(m_fEscalaSello, m_fEscalaSello);
            m_pLogo->PonAlfa(a);
            m_pLogo->DibujaSpriteEnDestino(pDestino, 0, 511.0f, 383.0f);
        }
    }
    if (g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->DibujaCapa(kCapaEstallido, pDestino);
    DibujaTitulos(pDestino, t);
    DibujaLogos(pDestino, t);
    DibujaLeyenda(pDestino, t);
    CMenuObj::Dibuja(pHastaHijo, pDestino);
}

void CMenuPresentacion::CargaRecursos()
{
    if (RecursosCargados()) return;
    for (CSPM* p : {m_pFondo, m_pElementos, m_pLogo, m_pTitulo, m_pSubtitulo, m_pLogoEstudio, m_pLogoDistribuidor,
                    m_pLeyendas, m_pEfectos})
        tazmo::MarcaSPM(p, true);
    tazmo::MarcaSonido(m_iSonidoPulsar, true);
    CMenuObj::CargaRecursos();
}

void CMenuPresentacion::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    for (CSPM* p : {m_pFondo, m_pElementos, m_pLogo, m_pTitulo, m_pSubtitulo, m_pLogoEstudio, m_pLogoDistribuidor,
                    m_pLeyendas, m_pEfectos})
        tazmo::MarcaSPM(p, false);
    tazmo::MarcaSonido(m_iSonidoPulsar, false);
    // Nothing of the presentation's sparkles stays.
    if (g_pSistemaCacheEfectos) {
        g_pSistemaCacheEfectos->LimpiaCapa(kCapaDeriva);
        g_pSistemaCacheEfectos->LimpiaCapa(kCapaEstallido);
    }
    CMenuObj::DescargaRecursos();
}
