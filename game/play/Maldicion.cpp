#include "game/play/Maldicion.h"

#include "engine/audio/GestorSonido.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Geometria.h"
#include "game/CatalogoJuego.h"
#include "game/play/herramientas/Herramienta.h"
#include "game/play/AltoContraste.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace juego;

const std::array<FichaMaldicion, NUM_CLASES_MALDICION> kFichas = {{
    {nullptr, -1, 0, 0, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
    {paquete::ATAQUE_PETALOS_AMARILLOS, CURSOR_LENTO, 150, 2,
     {245, 205, 128}, {179, 132, 42}, {255, 235, 200}, {229, 192, 142}},
    {paquete::ATAQUE_ALFANJE_DE_FURIA, CURSOR_INVERTIDO, 150, 3,
     {202, 106, 233}, {167, 68, 200}, {222, 176, 255}, {217, 168, 227}},
    {paquete::ATAQUE_CAPRICHOSA, CURSOR_LENTO, 5, 0,
     {245, 205, 128}, {179, 132, 42}, {255, 235, 178}, {209, 192, 142}},
    {paquete::ATAQUE_FRIA_MUJER, CURSOR_CONGELADO, 60, 1,
     {186, 252, 251}, {84, 172, 172}, {216, 255, 255}, {184, 212, 212}},
    {paquete::ATAQUE_LAGRIMAS_DE_COCODRILO, CURSOR_INVERTIDO, 150, 4,
     {202, 106, 233}, {167, 68, 200}, {232, 186, 243}, {207, 168, 225}},
    {paquete::ATAQUE_PAN_QUEMADO, CURSOR_TEMBLOROSO, 150, 3,
     {148, 241, 166}, {36, 132, 54}, {208, 251, 216}, {156, 202, 154}},
    {paquete::ATAQUE_SELLO_DIVINO, CURSOR_PARALIZADO, 150, 10,
     {136, 189, 249}, {12, 91, 179}, {196, 229, 255}, {162, 191, 219}},
    {paquete::ATAQUE_PUNYALADA_POR_LA_ESPALDA, CURSOR_PERSECUCION, 150, 10,
     {224, 33, 33}, {125, 19, 19}, {244, 153, 153}, {205, 199, 199}},
    {paquete::ATAQUE_ROSAS_NEGRAS, CURSOR_LENTO, 150, 1,
     {245, 205, 128}, {179, 132, 42}, {250, 225, 208}, {219, 192, 142}},
    {paquete::ATAQUE_ESPERITOS_OSCUROS, CURSOR_BLOQUEADO, 90, 5,
     {50, 50, 50}, {100, 100, 100}, {150, 150, 150}, {160, 160, 160}},
    {paquete::ATAQUE_CORAZONES_CORRUPTOS, CURSOR_PERSECUCION, 150, 15,
     {224, 33, 33}, {125, 19, 19}, {234, 133, 133}, {205, 139, 139}},
}};

constexpr std::array<float, NUM_CLASES_MALDICION> kRadios = {-1, 11, -1, -1, 22, 22, 22, -1, 22, 11, 22, 22};

// Sprites of MiniAtaques.SPM: 0..10 the bodies, then these.
enum { SPR_ANILLO = 11, SPR_HAZ = 12, SPR_BRILLO_GRANDE = 13, SPR_BRILLO = 14, SPR_PUNTO_DANYO = 15 };

constexpr float kMedioPi = kPi / 2.0f;
constexpr int kPasoAlfa = 7;
constexpr int kPasosTemblor = 150, kPasosAnillos = 150, kPasosHaz = 150, kPasosColumna = 60;
constexpr float kBajadaHaz = 100.0f;
constexpr float kRadioAnillo = 50.0f;   // a ring's reach is its phase x 3 x this
constexpr float kMitadColumna = 50.0f;
constexpr float kRadioEscudo = 50.0f;
constexpr float kDistanciaPuntos = 32.0f;
constexpr float kGiroPuntos = 0.069813155f;

const ColorRGB kBlanco{255, 255, 255};

bool Vuela(int t) { return t == 1 || (t >= 4 && t <= 6) || (t >= 8 && t <= 11); }

uint8_t Alfa(float a) { return static_cast<uint8_t>(std::clamp(a, 0.0f, 255.0f)); }

} // namespace

const FichaMaldicion& FichaDeMaldicion(int iTipo)
{
    return kFichas[(iTipo >= 0 && iTipo < NUM_CLASES_MALDICION) ? static_cast<size_t>(iTipo) : 0];
}

const ColorRGB& ColorCuerpoMaldicion(int iTipo)
{
    const FichaMaldicion& f = FichaDeMaldicion(iTipo);
    return g_bAltoContrasteMaldiciones ? f.cuerpoContraste : f.cuerpo;
}

const ColorRGB& ColorBrilloMaldicion(int iTipo)
{
    const FichaMaldicion& f = FichaDeMaldicion(iTipo);
    return g_bAltoContrasteMaldiciones ? f.brilloContraste : f.brillo;
}

CMaldicion::~CMaldicion()
{
    if (m_bCreado || m_SPM.EstaCargado()) Libera();
}

void CMaldicion::Libera()
{
    if (m_bEnUso) DesmarcaEnUso();
    m_SPM.Libera();
    m_pSPM = nullptr;
    m_bCreado = 0;
}

bool CMaldicion::Inicia(int iTipo, bool bModoAtaques, float x, float y, float fAngulo, float px, float py,
                        CSPM* pOrigen, bool bCompartido)
{
    Libera();
    m_iEstado = MALDICION_MUERTA;
    m_iFrame = m_iCuentaEstado = m_iAlfa = 0;
    m_iVida = -1;
    m_fX = m_fY = m_fRumbo = m_fVelocidad = m_fGiro = 0.0f;
    m_afRadio = kRadios;
    for (int i = 0; i < NUM_CLASES_MALDICION; ++i)
        m_afRadio2[i] = m_afRadio[i] < 0.0f ? m_afRadio[i] : m_afRadio[i] * m_afRadio[i];
    m_afAnillosA = {0.0f, -0.33f, -0.66f};
    m_afAnillosB = {1.0f, 1.33f, 1.66f};
    m_fHaz1 = m_fHaz2 = 1024.0f;
    m_fEscalaBrillo = 1.0f;
    m_iSonido = -1;
    m_iTipo = iTipo;
    if (iTipo < 1 || iTipo >= NUM_CLASES_MALDICION) return false;
    m_iFase = EnteroAleatorio(0, 10000);
    m_bModoAtaques = bModoAtaques ? 1 : 0;
    if (!pOrigen) return false;
    if (bCompartido) {
        m_pSPM = pOrigen;
    } else {
        if (!CopiaPaqueteHerramienta(m_SPM, pOrigen)) {
            Libera();
            return false;
        }
        m_pSPM = &m_SPM;
    }

    // Where it enters.
    switch (iTipo) {
    case 1:
    case 5:
        m_fX = RealAleatorio(150.0f, 874.0f);
        m_fY = 32.0f;
        break;
    case 2:
    case 4:
    case 6:
    case 10:
        m_fX = RealAleatorio(150.0f, 874.0f);
        m_fY = RealAleatorio(32.0f, 736.0f);
        m_fVelocidad = 10.0f;
        switch (EnteroAleatorio(0, 100) % 4) {
        case 0: m_fY = 32.0f, m_fRumbo = kMedioPi; break;
        case 1: m_fY = 736.0f, m_fRumbo = -kMedioPi; break;
        case 2: m_fX = 32.0f, m_fRumbo = 0.0f; break;
        default: m_fX = 992.0f, m_fRumbo = kPi; break;
        }
        break;
    case 9:
        m_fX = x;
        m_fY = y;
        break;
    default:
        m_fX = RealAleatorio(150.0f, 874.0f);
        m_fY = RealAleatorio(32.0f, 736.0f);
        break;
    }

    // How it moves.
    switch (iTipo) {
    case 1:
        m_fRumbo = RealAleatorio(0.0f, kDosPi);
        m_fVelocidad = 5.0f;
        break;
    case 4:
    case 11:
        m_fRumbo = std::atan2(py - m_fY, px - m_fX);
        m_fVelocidad = 5.0f;
        break;
    case 5:
        m_fRumbo = kMedioPi;
        m_fVelocidad = 10.0f;
        break;
    case 6: {
        const float tx = RealAleatorio(400.0f, 624.0f), ty = RealAleatorio(150.0f, 618.0f);
        m_fRumbo = std::atan2(ty - m_fY, tx - m_fX);
        m_fVelocidad = 5.0f;
        break;
    }
    case 8:
        m_iVida = kVidaPerseguidora;
        m_fVelocidad = 10.0f;
        m_fGiro = 0.07f;
        break;
    case 9:
        m_fRumbo = fAngulo;
        m_fVelocidad = 15.0f;
        break;
    case 10:
        m_iVida = kVidaPerseguidora;
        m_fVelocidad = 7.0f;
        m_fGiro = 0.1f;
        break;
    default: break;
    }

    m_iSonido = g_pGestorSonido ? g_pGestorSonido->BuscaRanuraSonido(sonido::APARICION_ATAQUE) : -1;
    m_iEstado = MALDICION_APARECIENDO;
    m_bCreado = 1;
    return true;
}

void CMaldicion::AvanzaAnillosA()
{
    for (float& f : m_afAnillosA) {
        f += 1.0f / 90.0f;
        if (f > 1.0f) f -= 1.0f;
    }
}

void CMaldicion::AvanzaAnillosB()
{
    for (float& f : m_afAnillosB) {
        f -= 1.0f / 60.0f;
        if (f < 0.0f) f += 1.0f;
    }
}

void CMaldicion::Mueve(float px, float py)
{
    m_fX += std::cos(m_fRumbo) * m_fVelocidad;
    m_fY += std::sin(m_fRumbo) * m_fVelocidad;
    if (m_iTipo == 1) {
        m_fRumbo = std::cos(0.05f * static_cast<float>(m_iFrame) + static_cast<float>(m_iFase)) + kMedioPi;
    } else if (m_iTipo == 8 || m_iTipo == 10) {
        const float d = DiferenciaAngles(std::atan2(py - m_fY, px - m_fX), m_fRumbo);
        if (d > m_fGiro)
            m_fRumbo += m_fGiro;
        else if (d < -m_fGiro)
            m_fRumbo -= m_fGiro;
    }
}

void CMaldicion::Actualiza(float px, float py)
{
    if (!m_bCreado) return;
    ++m_iFrame;
    switch (m_iEstado) {
    case MALDICION_APARECIENDO:
        if (m_iAlfa == 0 && g_pGestorSonido && m_iSonido >= 0) g_pGestorSonido->TocaRanuraSonido(m_iSonido, true);
        m_iAlfa += kPasoAlfa;
        if (m_iAlfa > 255) {
            m_iAlfa = 255;
            m_iEstado = m_iTipo == 3 ? MALDICION_TEMBLANDO : (m_iTipo == 7 ? MALDICION_HAZ : MALDICION_MOVIENDO);
            if (m_iTipo == 4 || m_iTipo == 11) {
                m_fRumbo = std::atan2(py - m_fY, px - m_fX);
                m_fVelocidad = 5.0f;
            } else if (m_iTipo == 6) {
                const float tx = RealAleatorio(400.0f, 624.0f), ty = RealAleatorio(150.0f, 618.0f);
                m_fRumbo = std::atan2(ty - m_fY, tx - m_fX);
                m_fVelocidad = 5.0f;
            }
        }
        break;
    case MALDICION_MOVIENDO:
        if (--m_iVida == 0) {
            m_iEstado = MALDICION_DESVANECIENDO;
            m_iCuentaEstado = 0;
        }
        if (m_iTipo != 3 && m_iTipo != 7) Mueve(px, py);
        break;
    case MALDICION_TEMBLANDO:
        if (++m_iCuentaEstado >= kPasosTemblor) {
            m_iCuentaEstado = 0;
            m_iEstado = MALDICION_ANILLOS;
        }
        break;
    case MALDICION_ANILLOS:
        if (++m_iCuentaEstado >= kPasosAnillos) {
            m_iCuentaEstado = 0;
            m_iEstado = MALDICION_DESVANECIENDO;
        }
        AvanzaAnillosA();
        break;
    case MALDICION_HAZ:
        m_fHaz1 = std::max(0.0f, m_fHaz1 - kBajadaHaz);
        AvanzaAnillosB();
        if (++m_iCuentaEstado >= kPasosHaz) {
            m_iCuentaEstado = 0;
            m_iEstado = MALDICION_COLUMNA;
        }
        break;
    case MALDICION_COLUMNA:
        m_fHaz2 = std::max(0.0f, m_fHaz2 - kBajadaHaz);
        AvanzaAnillosB();
        if (++m_iCuentaEstado >= kPasosColumna) {
            m_iCuentaEstado = 0;
            m_iEstado = MALDICION_DESVANECIENDO;
        }
        break;
    case MALDICION_ATRAPADA:
    case MALDICION_DESVANECIENDO:
        AvanzaAnillosA();
        AvanzaAnillosB();
        m_fEscalaBrillo = std::max(0.01f, m_fEscalaBrillo - 0.03f);
        m_iAlfa -= kPasoAlfa;
        if (m_iAlfa < 0) {
            m_iAlfa = 0;
            m_iEstado = MALDICION_MUERTA;
        }
        break;
    default: break;
    }
}

bool CMaldicion::EstaFuera() const
{
    return m_iEstado == MALDICION_MUERTA || m_fX < -kMargenFuera || m_fX > 1024.0f + kMargenFuera ||
           m_fY < -kMargenFuera || m_fY > 768.0f + kMargenFuera;
}

bool CMaldicion::Toca(float px, float py) const
{
    if (!m_bCreado) return false;
    const float d2 = DistanciaCuadrado(px, py, m_fX, m_fY);
    if (m_iTipo == 2) return m_iEstado == MALDICION_MOVIENDO && d2 < 400.0f;
    if (Vuela(m_iTipo)) return m_iEstado == MALDICION_MOVIENDO && d2 < m_afRadio2[static_cast<size_t>(m_iTipo)];
    if (m_iTipo == 3 && m_iEstado == MALDICION_ANILLOS) {
        const float d = std::sqrt(d2);
        for (float f : m_afAnillosA)
            if (d < f * 3.0f * kRadioAnillo) return true;
        return false;
    }
    if (m_iTipo == 7 && m_iEstado == MALDICION_COLUMNA) {
        const float fTope = m_fY - m_fHaz2;
        if (DistanciaCuadrado(px, py, m_fX, fTope) < kMitadColumna * kMitadColumna) return true;
        return px > m_fX - kMitadColumna && px < m_fX + kMitadColumna && py >= 0.0f && py < fTope;
    }
    return false;
}

bool CMaldicion::TocaConEscudo(float px, float py) const
{
    if (!m_bCreado || m_iEstado != MALDICION_MOVIENDO) return false;
    const float d2 = DistanciaCuadrado(px, py, m_fX, m_fY);
    if (m_iTipo == 2) return d2 < 4900.0f;
    if (!Vuela(m_iTipo)) return false;
    const float r = m_afRadio[static_cast<size_t>(m_iTipo)] + kRadioEscudo;
    return d2 < r * r;
}

void CMaldicion::Atrapa()
{
    if (!SeAtrapa()) return;
    m_iEstado = MALDICION_ATRAPADA;
    m_iCuentaEstado = 0;
}

void CMaldicion::Desvanece()
{
    m_iEstado = MALDICION_DESVANECIENDO;
    m_iCuentaEstado = 0;
}

void CMaldicion::Elimina()
{
    m_iAlfa = 0;
    m_iEstado = MALDICION_MUERTA;
}

void CMaldicion::MarcaEnUso()
{
    if (m_bEnUso || !m_bCreado) return;
    if (m_pSPM == &m_SPM) m_SPM.MarcaEnUso();
    if (g_pGestorSonido && m_iSonido >= 0) g_pGestorSonido->MarcaRanuraSonidoEnUso(m_iSonido);
    m_bEnUso = true;
}

void CMaldicion::DesmarcaEnUso()
{
    if (!m_bEnUso) return;
    if (m_pSPM == &m_SPM) m_SPM.DesmarcaEnUso();
    if (g_pGestorSonido && m_iSonido >= 0) g_pGestorSonido->DesmarcaRanuraSonidoEnUso(m_iSonido);
    m_bEnUso = false;
}

// ---- Drawing ----

void CMaldicion::DibujaCuerpo(Sprite* pDestino, int iSlot, float x, float y)
{
    m_pSPM->DibujaSpriteEnDestino(pDestino, iSlot, x, y);
}

void CMaldicion::DibujaGenerico(Sprite* pDestino, float fRotacion)
{
    CSPM& s = *m_pSPM;
    const int iCuerpo = m_iTipo - 1;
    switch (m_iEstado) {
    case MALDICION_APARECIENDO:
        s.PonFusion2(0x01, kBlanco);
        s.PonAlfaFusion2(Alfa(static_cast<float>(255 - m_iAlfa)));
        DibujaCuerpo(pDestino, iCuerpo, m_fX, m_fY);
        s.PonFusion2(0, kBlanco);
        break;
    case MALDICION_ATRAPADA: {
        s.PonRotacion(m_fRumbo);
        s.PonFusion2(0x01, kBlanco);
        s.PonAlfaFusion2(Alfa(static_cast<float>(m_iAlfa)));
        const float e = static_cast<float>(m_iAlfa) / 255.0f;
        s.PonEscala(e, e);
        const float d = static_cast<float>(255 - m_iAlfa) / 10.0f;
        DibujaCuerpo(pDestino, iCuerpo, m_fX - d, m_fY - d);
        DibujaCuerpo(pDestino, iCuerpo, m_fX + d, m_fY - d);
        DibujaCuerpo(pDestino, iCuerpo, m_fX - d, m_fY + d);
        DibujaCuerpo(pDestino, iCuerpo, m_fX + d, m_fY + d);
        s.PonFusion2(0, kBlanco);
        break;
    }
    case MALDICION_DESVANECIENDO:
        s.PonRotacion(m_fRumbo);
        DibujaCuerpo(pDestino, iCuerpo, m_fX, m_fY);
        break;
    default:
        s.PonRotacion(fRotacion);
        DibujaCuerpo(pDestino, iCuerpo, m_fX, m_fY);
        break;
    }
}

void CMaldicion::DibujaAnillos(Sprite* pDestino, float fFactorAlfa)
{
    CSPM& s = *m_pSPM;
    s.PonRotacion(0.0f);
    for (float f : m_afAnillosA) {
        if (f <= 0.0f) continue;
        const float sn = std::sin(kPi * f);
        s.PonEscala(3.0f * f, 3.0f * f);
        s.PonAlfa(Alfa(255.0f * sn * sn * sn * fFactorAlfa));
        DibujaCuerpo(pDestino, SPR_ANILLO, m_fX, m_fY);
    }
    s.PonEscala(1.0f, 1.0f);
    s.PonAlfa(Alfa(static_cast<float>(m_iAlfa)));
}

void CMaldicion::DibujaHaz(Sprite* pDestino)
{
    CSPM& s = *m_pSPM;
    s.PonRotacion(kMedioPi);
    s.PonEscala(1.0f, 0.1f);
    DibujaCuerpo(pDestino, SPR_HAZ, m_fX, m_fY - m_fHaz1 - 50.0f);
    const uint8_t a = s.m_ucAlfa;
    for (float f : m_afAnillosB) {
        if (f >= 1.0f) continue;
        s.PonEscala(1.0f, 4.0f * f);
        s.PonAlfa(Alfa(100.0f * (1.0f - f)));
        DibujaCuerpo(pDestino, SPR_HAZ, m_fX, m_fY - m_fHaz1);
    }
    s.PonAlfa(a);
}

void CMaldicion::DibujaColumna(Sprite* pDestino)
{
    CSPM& s = *m_pSPM;
    s.PonRotacion(kMedioPi);
    s.PonAlfa(Alfa(static_cast<float>(m_iAlfa)));
    s.PonEscala(1.0f, 4.0f * m_fEscalaBrillo);
    DibujaCuerpo(pDestino, SPR_HAZ, m_fX, m_fY - m_fHaz2);
}

void CMaldicion::Dibuja(Sprite* pDestino)
{
    if (!m_bCreado || !m_pSPM || m_iEstado == MALDICION_MUERTA) return;
    CSPM& s = *m_pSPM;
    const float fFrame = static_cast<float>(m_iFrame);
    const uint8_t a = Alfa(static_cast<float>(m_iAlfa));

    // The whole draw state, so that a shared package draws the same.
    s.PonFusion(0, kBlanco);
    s.PonFusion2(0, kBlanco);
    s.DesactivaEspejo();

    // 1. The glow.
    const ColorRGB& brillo = ColorBrilloMaldicion(m_iTipo);
    s.PonColor(brillo.r, brillo.g, brillo.b);
    s.PonRotacion(fFrame * 0.1f);
    s.PonAlfa(a);
    if (m_iTipo == 3 || m_iTipo == 7) {
        s.PonEscala(1.0f, 1.0f);
        DibujaCuerpo(pDestino, SPR_BRILLO_GRANDE, m_fX, m_fY);
    } else if (m_iTipo != 2) {
        s.PonEscala(0.5f, 0.5f);
        DibujaCuerpo(pDestino, SPR_BRILLO, m_fX, m_fY);
    }

    // 2. The body's turn and colour.
    float fRotacion = 0.0f;
    switch (m_iTipo) {
    case 1:
    case 4:
    case 6:
    case 9: fRotacion = fFrame * 0.1f + static_cast<float>(m_iFase); break;
    case 2:
    case 8:
    case 10:
        fRotacion = m_fRumbo;
        s.ActivaEspejo();
        break;
    default: break;
    }
    const ColorRGB& cuerpo = ColorCuerpoMaldicion(m_iTipo);
    s.PonColor(cuerpo.r, cuerpo.g, cuerpo.b);
    s.PonEscala(1.0f, 1.0f);
    s.PonAlfa(a);

    // 3. The body.
    if (m_iTipo == 3) {
        switch (m_iEstado) {
        case MALDICION_TEMBLANDO: {
            s.PonRotacion(0.0f);
            const float dx = RealAleatorio(-2.0f, 2.0f), dy = RealAleatorio(-2.0f, 2.0f);
            DibujaCuerpo(pDestino, m_iTipo - 1, m_fX + dx, m_fY + dy);
            break;
        }
        case MALDICION_ANILLOS: {
            DibujaAnillos(pDestino, 1.0f);
            const float e = 1.0f + 0.3f * std::cos(0.1f * static_cast<float>(m_iCuentaEstado));
            s.PonEscala(e, e);
            s.PonAlfa(255);
            DibujaCuerpo(pDestino, m_iTipo - 1, m_fX, m_fY);
            break;
        }
        case MALDICION_ATRAPADA:
        case MALDICION_DESVANECIENDO:
            DibujaAnillos(pDestino, static_cast<float>(m_iAlfa) / 255.0f);
            DibujaGenerico(pDestino, fRotacion);
            break;
        default: DibujaGenerico(pDestino, fRotacion); break;
        }
    } else if (m_iTipo == 7) {
        switch (m_iEstado) {
        case MALDICION_HAZ:
            s.PonRotacion(0.0f);
            s.PonAlfa(255);
            DibujaCuerpo(pDestino, m_iTipo - 1, m_fX, m_fY);
            DibujaHaz(pDestino);
            break;
        case MALDICION_COLUMNA:
            s.PonRotacion(0.0f);
            DibujaCuerpo(pDestino, m_iTipo - 1, m_fX, m_fY);
            if (m_fHaz2 > 0.0f) DibujaHaz(pDestino);
            DibujaColumna(pDestino);
            break;
        case MALDICION_ATRAPADA:
        case MALDICION_DESVANECIENDO: DibujaColumna(pDestino); break;
        default: DibujaGenerico(pDestino, fRotacion); break;
        }
    } else {
        DibujaGenerico(pDestino, fRotacion);
    }

    // 4. The attacks mode's damage dots.
    const int n = DanyoMaldicion(m_iTipo);
    if (m_bModoAtaques && n > 0) {
        s.DesactivaEspejo();
        s.PonColor(255, 255, 255);
        s.PonAlfa(a);
        s.PonRotacion(0.0f);
        s.PonEscala(1.0f, 1.0f);
        for (int k = 0; k < n; ++k) {
            const float ang = static_cast<float>(k) * kDosPi / static_cast<float>(n) + fFrame * kGiroPuntos;
            DibujaCuerpo(pDestino, SPR_PUNTO_DANYO, m_fX + kDistanciaPuntos * std::cos(ang),
                         m_fY + kDistanciaPuntos * std::sin(ang));
        }
    }
    s.DesactivaEspejo();
}
