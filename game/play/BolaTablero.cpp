#include "game/play/BolaTablero.h"

#include "engine/core/GestorRatones.h"
#include "engine/graphics/GestorSPMs.h"
#include "game/CatalogoJuego.h"

#include <algorithm>
#include <cmath>

TransformacionFigura CBolaTablero::s_Transformacion;
bool CBolaTablero::s_bAltoContraste = false;

namespace {

constexpr int kPasosAparecer = 15;
constexpr int kPasosCoger = 30;
constexpr int kPasosDisolver = 15;
constexpr int kPasosDesvanecer = 30;
// Squared reach of the pointer that lights a free piece (150 points).
constexpr float kAlcanceBrillo2 = 22500.0f;

bool CopiaDelCache(CSPM& destino, const char* ruta)
{
    CSPM* origen = g_pGestorSPMs ? g_pGestorSPMs->GetSPM(ruta) : nullptr;
    if (!origen || !origen->m_bFicheroEncontrado) return false;
    return destino.Copia(origen);
}

uint8_t Byte(float v)
{
    if (!(v > 0.0f)) return 0;
    return v >= 255.0f ? 255 : static_cast<uint8_t>(v);
}

} // namespace

CBolaTablero::~CBolaTablero() { Libera(); }

bool CBolaTablero::Inicia(int orden, float x, float y, int tiempoDesvanecer, int tiempoBrillo)
{
    Libera();
    m_iEstado = BOLA_VACIA;
    m_iContador = 0;
    m_iColor = -1;
    m_bSobrevolada = false;
    m_iColorSeleccionado = -1;
    m_fBrillo = 1.0f;
    m_bEsquirla = false;
    m_bRetirada = false;
    m_pJugada = nullptr;
    m_iOrden = orden;
    m_iEdad = orden;
    m_fX = x;
    m_fY = y;
    m_iTiempoDesvanecer = tiempoDesvanecer;
    m_iTiempoBrillo = tiempoBrillo;
    m_iContadorBrillo = tiempoBrillo;

    if (!CopiaDelCache(m_Diamantes, juego::paquete::DIAMANTES) || !CopiaDelCache(m_Aro, PAQUETE_ARO_BOLA)) {
        Libera();
        return false;
    }
    m_Diamantes.PonFusion2(0x04, ColorRGB{255, 255, 255});
    m_bCargada = true;
    return true;
}

void CBolaTablero::Libera()
{
    m_Diamantes.Libera();
    m_Aro.Libera();
    m_bCargada = false;
}

void CBolaTablero::CargaRecursos()
{
    if (!m_bCargada) return;
    m_Diamantes.MarcaEnUso();
    m_Aro.MarcaEnUso();
}

void CBolaTablero::DescargaRecursos()
{
    if (!m_bCargada) return;
    m_Diamantes.DesmarcaEnUso();
    m_Aro.DesmarcaEnUso();
}

float CBolaTablero::PosicionX() const
{
    return m_fX * s_Transformacion.m_fEscala + 512.0f + s_Transformacion.m_fDespX;
}

float CBolaTablero::PosicionY() const
{
    return m_fY * s_Transformacion.m_fEscala + 384.0f + s_Transformacion.m_fDespY;
}

void CBolaTablero::Actualiza()
{
    CRaton* r = g_pRatones ? g_pRatones->Raton(0) : nullptr;
    // Without a pointer nothing is near.
    Actualiza(r ? r->X() : -1.0e6f, r ? r->Y() : -1.0e6f);
}

void CBolaTablero::Actualiza(float punteroX, float punteroY)
{
    ++m_iEdad;
    m_bSobrevolada = false;
    switch (m_iEstado) {
    case BOLA_APARECIENDO:
        if (++m_iContador >= kPasosAparecer) m_iEstado = BOLA_LIBRE;
        break;
    case BOLA_LIBRE: {
        ++m_iContador;
        // The pointer's field position against the piece's.
        const float dx = punteroX - PosicionX();
        const float dy = punteroY - PosicionY();
        if (dx * dx + dy * dy < kAlcanceBrillo2) m_iContadorBrillo = m_iTiempoBrillo;
        break;
    }
    case BOLA_COGIENDO:
        if (++m_iContador >= kPasosCoger) m_iEstado = BOLA_COGIDA;
        break;
    case BOLA_COGIDA:
        ++m_iContador;
        m_iContadorBrillo = m_iTiempoBrillo;
        break;
    case BOLA_SOLTANDO:
        if (--m_iContador <= 0) m_iEstado = BOLA_LIBRE;
        break;
    case BOLA_DISOLVIENDO:
        if (++m_iContador >= kPasosDisolver) m_iEstado = BOLA_VACIA;
        break;
    case BOLA_DESVANECIENDO:
        if (m_iContador-- == 1) m_iEstado = BOLA_VACIA;
        break;
    default: break;
    }

    if (m_bEsquirla && m_iContadorBrillo > 0) --m_iContadorBrillo;
    if (m_iTiempoBrillo < 0) {
        // Always lit.
        m_fBrillo = 1.0f;
    } else {
        // A glow time of 0 never lights (the share would divide by it).
        const float objetivo =
            m_iTiempoBrillo > 0 ? static_cast<float>(m_iContadorBrillo) / static_cast<float>(m_iTiempoBrillo) : 0.0f;
        if (m_fBrillo < objetivo)
            m_fBrillo = std::min(objetivo, m_fBrillo + 0.1f);
        else
            m_fBrillo = std::max(objetivo, m_fBrillo - 0.1f);
    }
}

void CBolaTablero::Aparece()
{
    if (m_bRetirada) return;
    m_iEstado = BOLA_APARECIENDO;
    m_iContador = -m_iOrden;
}

void CBolaTablero::Coge()
{
    if (m_iEstado == BOLA_LIBRE) m_iContador = 0;
    if (m_iEstado == BOLA_LIBRE || m_iEstado == BOLA_SOLTANDO) m_iEstado = BOLA_COGIENDO;
}

void CBolaTablero::Suelta()
{
    if (m_iEstado == BOLA_COGIENDO) {
        m_iEstado = BOLA_SOLTANDO;
    } else if (m_iEstado == BOLA_COGIDA) {
        m_iContador = kPasosCoger;
        m_iEstado = BOLA_SOLTANDO;
    }
}

void CBolaTablero::Disuelve()
{
    m_iEstado = BOLA_DISOLVIENDO;
    m_iContador = 0;
}

void CBolaTablero::Desvanece()
{
    if (m_iEstado < BOLA_APARECIENDO || m_iEstado > BOLA_DESVANECIENDO) return;
    m_iContador = kPasosDesvanecer;
    m_iEstado = BOLA_DESVANECIENDO;
}

void CBolaTablero::Retira()
{
    Desvanece();
    m_bRetirada = true;
}

void CBolaTablero::ColorSeleccionado(int color)
{
    m_iColorSeleccionado = color;
    if (color >= 0 && m_iEstado == BOLA_LIBRE) m_iContador = 0;
}

void CBolaTablero::CalculaPasadas(float oscurecer, PasadasBola& pasadas) const
{
    pasadas.m_iNum = 0;
    const float d = std::clamp(oscurecer, 0.0f, 1.0f);
    const float escalaGrafica = s_Transformacion.m_fEscalaGrafica;
    const float x = PosicionX();
    const float y = PosicionY();
    const float escala = m_bEsquirla ? 0.2f * escalaGrafica : escalaGrafica;
    const float rotacion = m_bEsquirla ? static_cast<float>(m_iEdad) * 0.01f + static_cast<float>(m_iOrden) * 0.87f : 0.0f;

    float a;
    if (m_iTiempoDesvanecer == 0)
        a = 0.0f;
    else if (m_iTiempoDesvanecer < 0)
        a = 1.0f;
    else
        a = std::max(0.0f, 1.0f - static_cast<float>(m_iEdad) / static_cast<float>(m_iTiempoDesvanecer));
    a = std::min(1.0f, a + m_fBrillo);

    int slot = m_bEsquirla ? SLOT_ESQUIRLA : m_iColor;
    if (s_bAltoContraste) slot += DESPLAZAMIENTO_ALTO_CONTRASTE;

    auto diamante = [&](float alfa, int fusion, float ex, float ey) {
        PasadaBola p;
        p.m_Paquete = PasadaBola::DIAMANTES;
        p.m_iSlot = slot;
        p.m_fX = x;
        p.m_fY = y;
        p.m_fEscalaX = ex;
        p.m_fEscalaY = ey;
        p.m_fRotacion = rotacion;
        p.m_ucAlfa = Byte((1.0f - d) * alfa);
        p.m_ucAlfa2 = Byte(d * alfa);
        p.m_iFusion = fusion;
        pasadas.Anade(p);
    };
    auto aro = [&](int c) {
        if (c <= 0) return;
        const float t = static_cast<float>(std::min(c, kPasosCoger)) / static_cast<float>(kPasosCoger);
        float b = (2.0f - t) * escalaGrafica;
        if (m_bEsquirla) b *= 0.2f;
        const float edad = static_cast<float>(m_iEdad);
        const float fase = static_cast<float>(m_iOrden) * 0.87f;
        const float giros[3][3] = {
            {b, b, edad * 0.01f + fase},
            {b * std::sin(edad * 0.01f + fase), b, edad * 0.03f + fase},
            {b * std::cos(edad * 0.02f + fase), b, edad * 0.04f + fase},
        };
        for (const auto& g : giros) {
            PasadaBola p;
            p.m_Paquete = PasadaBola::ARO;
            p.m_iSlot = 0;
            p.m_fX = x;
            p.m_fY = y;
            p.m_fEscalaX = g[0];
            p.m_fEscalaY = g[1];
            p.m_fRotacion = g[2];
            p.m_ucAlfa = Byte(255.0f * t);
            pasadas.Anade(p);
        }
    };

    switch (m_iEstado) {
    case BOLA_APARECIENDO:
        if (m_iContador >= 0)
            diamante(255.0f * a * static_cast<float>(m_iContador) / kPasosAparecer, 0, escala, escala);
        break;
    case BOLA_LIBRE: {
        diamante(255.0f * a, 0, escala, escala);
        const int color = m_bEsquirla ? SLOT_ESQUIRLA : m_iColor;
        if (m_bSobrevolada) {
            diamante(255.0f * a, 0x02, escala, escala);
        } else if (color == m_iColorSeleccionado) {
            const float theta = static_cast<float>(((m_iContador % 32) + 32) % 32) * static_cast<float>(M_PI) / 16.0f;
            diamante(a * (100.0f + 99.0f * std::sin(theta)), 0x02, escala, escala);
        }
        break;
    }
    case BOLA_COGIENDO:
    case BOLA_SOLTANDO:
        diamante(255.0f * a, 0, escala, escala);
        aro(m_iContador);
        break;
    case BOLA_COGIDA:
        diamante(255.0f * a, 0, escala, escala);
        aro(kPasosCoger);
        break;
    case BOLA_DISOLVIENDO:
        diamante(255.0f * a * (1.0f - static_cast<float>(m_iContador) / kPasosDisolver), 0, escala, escala);
        break;
    case BOLA_DESVANECIENDO: {
        // Narrows into a thin upright streak ten times its height.
        const float c = static_cast<float>(m_iContador);
        const float ex = c / kPasosDesvanecer * escalaGrafica;
        const float ey = (kPasosDesvanecer - c) * 10.0f / kPasosDesvanecer * escalaGrafica;
        diamante(255.0f * a, 0, ex, ey);
        diamante(a * std::floor((kPasosDesvanecer - c) * 255.0f / kPasosDesvanecer), 0x01, ex, ey);
        aro(m_iContador);
        break;
    }
    default: break;
    }
}
