#include "game/play/herramientas/HerramientaEfectos.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "game/CatalogoJuego.h"
#include "game/play/IndicadorLinea.h"
#include "game/play/herramientas/Herramienta.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<const char*, CHerramientaEfectos::NUM_PAQUETES> kRutas = {
    juego::paquete::BRILLOS,     juego::paquete::FUEGOS_ARTIFICIALES, motor::paquete::CURSOR_INGAME,
    juego::paquete::BONUSES,     juego::paquete::SEL_LIN_MAIDA,       juego::paquete::CRUZ_SOLAR,
};

constexpr float kH = 0.707f;
// The piece sparkle's eight directions.
constexpr std::array<Punt2D, 8> kDirecciones = {{
    {0.0f, 1.0f},
    {kH, kH},
    {1.0f, 0.0f},
    {kH, -kH},
    {0.0f, -1.0f},
    {-kH, -kH},
    {-1.0f, 0.0f},
    {-kH, kH},
}};
constexpr int kNumBrillos = 8;
constexpr float kVueloChispa = 37.0f, kBultoChispa = 18.0f;
constexpr float kVueloEstallido = 150.0f, kBultoEstallido = 75.0f;
constexpr float kPasoRastro = 10.0f, kPasoRastroDeshacer = 50.0f;
constexpr float kHundimiento = 50.0f;
constexpr int kNumFuegos = 10;
constexpr int kNumTrazosLinea = 20;   // SelLinMaida's slots 1..20
// The HUD's emblem, where crosses fly.
constexpr float kEmblemaX = 326.0f, kEmblemaY = 40.0f;
constexpr float kVueloRayo = 1300.0f;

// Sprite slots.
constexpr int kSlotFuego = 0;
constexpr int kSlotChispa = 8, kSlotChispaBrillante = 14, kSlotChispaQuemada = 16;
constexpr int kSlotHielo0 = 5, kSlotHielo1 = 7;
constexpr int kSlotMarca = 9, kSlotGolpe = 15;
constexpr int kSlotLineaMaxima = 15;
constexpr int kSlotCruz = 0;

constexpr int kFusionAditiva = 0x02;

float R(float a, float b) { return RealAleatorio(a, b); }
int N(int a, int b) { return EnteroAleatorio(a, b); }

DescripcionEfecto Desde(float x, float y)
{
    DescripcionEfecto d;
    d.m_fDesdeX = d.m_fHastaX = x;
    d.m_fDesdeY = d.m_fHastaY = y;
    return d;
}

void Hacia(DescripcionEfecto& d, float x, float y)
{
    d.m_fHastaX = x;
    d.m_fHastaY = y;
}

void Escala(DescripcionEfecto& d, float fDesde, float fHasta, int iInicio, int iFin)
{
    d.m_fEscalaDesdeX = d.m_fEscalaDesdeY = fDesde;
    d.m_fEscalaHastaX = d.m_fEscalaHastaY = fHasta;
    d.m_iInicioEscala = iInicio;
    d.m_iFinEscala = iFin;
}

void FundidoSalida(DescripcionEfecto& d, int iInicio, int iFin)
{
    d.m_iInicioFadeOut = iInicio;
    d.m_iFinFadeOut = iFin;
}

} // namespace

CHerramientaEfectos::~CHerramientaEfectos()
{
    if (m_bCreado) Libera();
}

bool CHerramientaEfectos::Carga(CMenuJuego* pJuego, RegistroNivel* pNivel)
{
    if (m_bCreado) Libera();
    m_iFrames = 0;
    m_iFuegos = 0;
    m_pJuego = pJuego;
    m_pNivel = pNivel;
    m_bCreado = true;
    for (size_t i = 0; i < kRutas.size(); ++i)
        if (!CopiaPaqueteHerramienta(m_aPaquetes[i], kRutas[i])) {
            // Nothing is kept of a failed load: the copies made so far go too.
            Libera();
            return false;
        }
    return true;
}

void CHerramientaEfectos::Libera()
{
    // The live effects draw with these packages' sprites: they stop first.
    if (g_pSistemaCacheEfectos)
        for (int c : kCapas) g_pSistemaCacheEfectos->LimpiaCapa(c);
    for (CSPM& p : m_aPaquetes) p.Libera();
    m_pJuego = nullptr;
    m_pNivel = nullptr;
    m_bCreado = false;
}

void CHerramientaEfectos::CargaRecursos()
{
    if (!m_bCreado) return;
    for (CSPM& p : m_aPaquetes)
        if (p.EstaCargado()) p.MarcaEnUso();
}

void CHerramientaEfectos::DescargaRecursos()
{
    if (!m_bCreado) return;
    for (CSPM& p : m_aPaquetes)
        if (p.EstaCargado()) p.DesmarcaEnUso();
}

void CHerramientaEfectos::Actualiza()
{
    if (!m_bCreado) return;
    ++m_iFrames;
    if (g_pSistemaCacheEfectos)
        for (int c : kCapas) g_pSistemaCacheEfectos->ActualizaCapa(c);
}

void CHerramientaEfectos::DibujaCapa1(Sprite* pDestino)
{
    if (m_bCreado && g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->DibujaCapa(kCapa1, pDestino);
}

void CHerramientaEfectos::DibujaCapa2(Sprite* pDestino)
{
    if (m_bCreado && g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->DibujaCapa(kCapa2, pDestino);
}

void CHerramientaEfectos::DibujaCapa3(Sprite* pDestino)
{
    if (m_bCreado && g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->DibujaCapa(kCapa3, pDestino);
}

void CHerramientaEfectos::Dibuja(int iCapa, Sprite* pDestino)
{
    switch (iCapa) {
    case 1: DibujaCapa1(pDestino); break;
    case 2: DibujaCapa2(pDestino); break;
    case 3: DibujaCapa3(pDestino); break;
    default: break;
    }
}

void CHerramientaEfectos::Lanza(int iCapa, DescripcionEfecto& d, Paquete paquete, int iSlot)
{
    if (!m_bCreado || !g_pSistemaCacheEfectos) return;
    CSPM& p = m_aPaquetes[static_cast<size_t>(paquete)];
    if (!p.EstaCargado()) return;
    d.m_pSPM = nullptr;
    d.m_pSprite = p.GetSprite(iSlot);
    if (CEfectoCacheado* e = g_pSistemaCacheEfectos->CreaEfecto(iCapa)) e->Inicia(d);
}

void CHerramientaEfectos::TiempoChispa(DescripcionEfecto& d)
{
    const int c = N(0, 10);
    d.m_iInicioMovimiento = N(0, 5);
    d.m_iFinMovimiento = c + 10;
    FundidoSalida(d, c + 5, c + 10);
}

void CHerramientaEfectos::ChispasPieza(float x, float y)
{
    if (!m_bCreado) return;
    for (int k = 0; k < kNumBrillos; ++k) {
        const Punt2D& u = kDirecciones[static_cast<size_t>(k)];
        DescripcionEfecto d = Desde(x, y);
        Hacia(d, x + kVueloChispa * u.x, y + kVueloChispa * u.y);
        d.m_fOndulacionX = kBultoChispa * u.x;
        d.m_fOndulacionY = kBultoChispa * u.y;
        TiempoChispa(d);
        Lanza(kCapa3, d, BRILLOS, k);
    }
}

void CHerramientaEfectos::DestelloPieza(float x, float y)
{
    if (!m_bCreado) return;
    DescripcionEfecto a = Desde(x, y);
    Escala(a, 0.5f, 0.01f, 0, 5);
    FundidoSalida(a, 5, 8);
    Lanza(kCapa3, a, CRUZ, kSlotCruz);

    DescripcionEfecto b = Desde(x, y);
    b.m_iInicioMovimiento = b.m_iFinMovimiento = 5;   // shows from frame 5
    Escala(b, 1.5f, 0.01f, 0, 10);
    FundidoSalida(b, 10, 13);
    Lanza(kCapa2, b, CRUZ, kSlotCruz);
}

void CHerramientaEfectos::Estallido(float x, float y)
{
    if (!m_bCreado) return;
    for (int k = 0; k < kNumBrillos; ++k) {
        const float t = static_cast<float>(k) * static_cast<float>(M_PI) / 4.0f;
        const float s = std::sin(t), c = std::cos(t);
        DescripcionEfecto d = Desde(x, y);
        Hacia(d, x + kVueloEstallido * s, y + kVueloEstallido * c);
        d.m_fOndulacionX = kBultoEstallido * s;
        d.m_fOndulacionY = kBultoEstallido * c;
        TiempoChispa(d);
        Lanza(kCapa2, d, BRILLOS, k);
    }
}

void CHerramientaEfectos::Rastro(float x0, float y0, float x1, float y1)
{
    if (!m_bCreado) return;
    const float fLargo = std::hypot(x1 - x0, y1 - y0);
    if (!(fLargo > 0.0f)) return;   // a trail of no length launches nothing
    const int n = std::max(1, static_cast<int>(fLargo / kPasoRastro));
    for (int i = 0; i < n; ++i) {
        const float f = static_cast<float>(i) / static_cast<float>(n);
        const float px = x0 + f * (x1 - x0), py = y0 + f * (y1 - y0);
        DescripcionEfecto d = Desde(px, py);
        Hacia(d, px, py + R(0.0f, kHundimiento));
        TiempoChispa(d);
        Lanza(kCapa2, d, BRILLOS, i % kNumBrillos);
    }
}

void CHerramientaEfectos::RastroDeshacer(float x0, float y0, float x1, float y1, int iAlfa0, int iAlfa1)
{
    if (!m_bCreado) return;
    const float fLargo = std::hypot(x1 - x0, y1 - y0);
    if (!(fLargo > 0.0f)) return;
    const int n = std::max(1, static_cast<int>(fLargo / kPasoRastroDeshacer));
    const float fGiro = std::atan2(y1 - y0, x1 - x0);
    for (int i = 0; i < n; ++i) {
        const float f = static_cast<float>(i) / static_cast<float>(n);
        const float px = x0 + f * (x1 - x0), py = y0 + f * (y1 - y0);
        DescripcionEfecto d = Desde(px, py);
        Hacia(d, px, py + R(0.0f, kHundimiento));
        const int c = N(0, 10);
        d.m_iFinMovimiento = c + 10;
        FundidoSalida(d, c + 5, c + 10);
        d.m_fRotacion = fGiro;
        const float a = static_cast<float>(iAlfa0) + f * static_cast<float>(iAlfa1 - iAlfa0);
        d.m_ucAlfaMaximo = static_cast<uint8_t>(std::clamp(static_cast<int>(a), 0, 255));
        Lanza(kCapa2, d, LINEAS, i % kNumTrazosLinea + 1);
    }
}

void CHerramientaEfectos::Fuegos(float x, float y)
{
    if (!m_bCreado) return;
    ++m_iFuegos;
    const float s0 = R(0.1f, 0.4f), s1 = R(0.8f, 2.0f);
    for (int i = 0; i < kNumFuegos; ++i) {
        const int r = N(0, 5);
        DescripcionEfecto d = Desde(x, y);
        Hacia(d, x, y - 10.0f);
        d.m_fOndulacionY = -10.0f;
        d.m_iInicioMovimiento = i;
        d.m_iFinMovimiento = i + 30;
        d.m_iInicioFadeIn = i;
        d.m_iFinFadeIn = i + 20;
        FundidoSalida(d, r + 20, r + 30);
        Escala(d, s0, s1, i, i + 30);
        d.m_ucAlfaMaximo = 225;
        Lanza(kCapa3, d, FUEGOS, kSlotFuego);
    }
}

void CHerramientaEfectos::Chispa(float x, float y, bool bQuemada, bool bBrillante)
{
    if (!m_bCreado) return;
    DescripcionEfecto d = Desde(x, y);
    Hacia(d, x + R(-50.0f, 50.0f), y + R(-50.0f, 50.0f));
    d.m_fOndulacionX = R(-10.0f, 10.0f);
    d.m_fOndulacionY = R(-10.0f, 10.0f);
    const int e = N(45, 60);
    d.m_iFinMovimiento = e;
    FundidoSalida(d, e - 10, e);
    Escala(d, 0.0f, R(0.3f, 1.2f), 0, e);
    d.m_ucAlfaMaximo = 128;
    Lanza(kCapa1, d, CURSOR, bQuemada ? kSlotChispaQuemada : bBrillante ? kSlotChispaBrillante : kSlotChispa);
}

void CHerramientaEfectos::Hielo(float x, float y)
{
    if (!m_bCreado) return;
    constexpr int kDuracion = 45;
    DescripcionEfecto d = Desde(x, y);
    Hacia(d, x + R(-250.0f, 250.0f), y + 768.0f);
    d.m_fOndulacionY = R(-150.0f, 150.0f) - 384.0f;   // an arch upwards first
    d.m_iFinMovimiento = kDuracion;
    FundidoSalida(d, kDuracion, kDuracion);
    const float fAncho = R(0.75f, 1.0f);
    d.m_fEscalaDesdeX = d.m_fEscalaHastaX = fAncho;
    d.m_fRotacion = R(0.0f, 2.0f * static_cast<float>(M_PI));
    d.m_fPasoRotacion = R(-static_cast<float>(M_PI) / 4.0f, static_cast<float>(M_PI) / 4.0f);
    d.m_ucAlfaMaximo = 192;
    Lanza(kCapa3, d, CURSOR, N(kSlotHielo0, kSlotHielo1));
}

void CHerramientaEfectos::Marca(float x, float y)
{
    if (!m_bCreado) return;
    DescripcionEfecto d = Desde(x, y);
    d.m_iFusion = kFusionAditiva;
    d.m_ColorFusion = ColorRGB{255, 255, 255};
    int iDuracion = 0;
    if (m_iFrames % 5 != 0) {
        // A sparkle about the mark.
        Hacia(d, x + R(-50.0f, 50.0f), y + R(-50.0f, 50.0f));
        iDuracion = N(0, 20) + 10;
        Escala(d, R(1.75f, 2.0f), R(0.05f, 0.25f), 0, iDuracion);
    } else {
        // A ray shooting out along a random direction, stretching as it goes.
        const float t = R(0.0f, 2.0f * static_cast<float>(M_PI));
        Hacia(d, x + kVueloRayo * std::cos(t), y + kVueloRayo * std::sin(t));
        d.m_fRotacion = t;
        iDuracion = N(0, 20) + 30;
        d.m_fEscalaDesdeX = d.m_fEscalaDesdeY = 0.5f;
        d.m_fEscalaHastaX = R(30.0f, 50.0f);
        d.m_fEscalaHastaY = 1.0f;
        d.m_iFinEscala = iDuracion;
    }
    d.m_iFinMovimiento = iDuracion;
    FundidoSalida(d, iDuracion - 5, iDuracion);
    Lanza(kCapa1, d, CURSOR, kSlotMarca);
}

int CHerramientaEfectos::HuecoLineaMaxima(int iMaximoNivel, int iExtra)
{
    return std::clamp(iMaximoNivel + iExtra, 1, NUM_HUECOS_INDICADOR_LINEA);
}

void CHerramientaEfectos::LineaMaxima(float x, float y, int iMaximoNivel, int iExtra)
{
    if (!m_bCreado) return;
    const Punt2D p = HuecoIndicadorLinea(HuecoLineaMaxima(iMaximoNivel, iExtra));
    DescripcionEfecto d = Desde(x, y);
    Hacia(d, p.x, p.y);
    d.m_fOndulacionY = R(-25.0f, 25.0f);
    const int iRetraso = N(0, 10);
    d.m_iFinMovimiento = iRetraso + 10;
    FundidoSalida(d, iRetraso + 5, iRetraso + 10);
    Escala(d, 0.5f, 0.5f, 0, 0);
    Lanza(kCapa2, d, BONUSES, kSlotLineaMaxima);
}

void CHerramientaEfectos::CruzAlMarcador(float x, float y)
{
    if (!m_bCreado) return;
    DescripcionEfecto d = Desde(x, y);
    Hacia(d, kEmblemaX, kEmblemaY);
    d.m_fOndulacionX = R(-100.0f, 100.0f);
    d.m_fOndulacionY = R(-100.0f, 100.0f);
    d.m_iFinMovimiento = 15;
    FundidoSalida(d, 10, 15);
    Escala(d, 0.5f, 0.5f, 0, 0);
    Lanza(kCapa3, d, CRUZ, kSlotCruz);
}

void CHerramientaEfectos::Golpe(float x, float y)
{
    if (!m_bCreado) return;
    const float x0 = x + R(-20.0f, 20.0f), y0 = y + R(-50.0f, -10.0f);
    DescripcionEfecto d = Desde(x0, y0);
    Hacia(d, x0, y0 - R(10.0f, 20.0f));
    d.m_fOndulacionX = R(-10.0f, 10.0f);
    const int iDuracion = N(15, 30);
    d.m_iFinMovimiento = iDuracion;
    FundidoSalida(d, iDuracion - 10, iDuracion);
    Escala(d, R(1.0f, 1.2f), R(0.3f, 0.5f), 0, iDuracion);
    Lanza(kCapa3, d, CURSOR, kSlotGolpe);
}
