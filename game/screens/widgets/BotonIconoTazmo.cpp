#include "game/screens/widgets/BotonIconoTazmo.h"

#include "engine/app/Aplicacion.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/graphics/SPM.h"
#include "game/screens/widgets/AyudasTazmo.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kEstilo = 0;
// The icon grows this much with the focus and this much with the glow.
constexpr float kCrecimientoFoco = 0.1f;
constexpr float kCrecimientoBrillo = 0.1f;
constexpr float kAmplitudPulsacion = 0.1f;
// News streaks fly out to this share of the hit radii.
constexpr float kAlcanceChispa = 1.25f;

float Progreso(CTemporizador& t) { return t.Fraccion(PROGRESO_LIMITADO); }

} // namespace

CBotonIconoTazmo::~CBotonIconoTazmo() { LiberaSiCreado(); }

void CBotonIconoTazmo::InicializaCampos()
{
    m_pSPM = m_pSPMPaneles = nullptr;
    m_iFrame = 0;
    m_iCodigoAyuda = -1;
    m_iFlags = 0;
    m_fXInicio = m_fYInicio = m_fXFin = m_fYFin = 0.0f;
    m_bRectangular = true;
    m_fRadioX = m_fRadioY = 0.0f;
    m_fEscala = 1.0f;
    m_tPulso = m_tVuelo = m_tDesbloqueo = m_tFoco = m_tPulsacion = CTemporizador();
    m_iSonidoFoco = m_iSonidoPulsar = -1;
    m_bSobre = m_bDentro = false;
    m_bBloqueado = m_bRecienDesbloqueado = m_bNovedades = m_bPulsando = false;
}

void CBotonIconoTazmo::Libera()
{
    tazmo::BorraSPM(m_pSPM);
    tazmo::BorraSPM(m_pSPMPaneles);
}

void CBotonIconoTazmo::LiberaSiCreado()
{
    if (!m_bCreado) return;
    CButo::LiberaSiCreado();
    Libera();
    m_bCreado = false;
}

bool CBotonIconoTazmo::Inicia(const char* szSPM, int iFrame, const char* szSonidoFoco, const char* szSonidoPulsar,
                              float fXInicio, float fYInicio, float fXFin, float fYFin, bool bRectangular,
                              float fRadioX, float fRadioY, float fEscala, int iCodigoAyuda, int iFlags, int iId,
                              const char* szNombre)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!CButo::Inicia(fXInicio - fRadioX, fYInicio - fRadioY, 2.0f * fRadioX, 2.0f * fRadioY, kEstilo, iId,
                       szNombre))
        return false;
    // The hint is the button's caption code; no caption is drawn.
    m_iIdTexto = iCodigoAyuda;
    m_iCodigoAyuda = iCodigoAyuda;
    m_iFrame = iFrame;
    m_iFlags = iFlags;
    m_fXInicio = fXInicio;
    m_fYInicio = fYInicio;
    m_fXFin = fXFin;
    m_fYFin = fYFin;
    m_bRectangular = bRectangular;
    m_fRadioX = fRadioX;
    m_fRadioY = fRadioY;
    m_fEscala = fEscala;
    m_iSonidoFoco = tazmo::RanuraSonido(szSonidoFoco);
    m_iSonidoPulsar = tazmo::RanuraSonido(szSonidoPulsar);
    m_tPulso.Crea();
    m_tPulso.Inicia(kPasosPulso, 0, INT_MAX);
    tazmo::Arranca(m_tVuelo, kPasosVuelo, -1);
    tazmo::Arranca(m_tDesbloqueo, kPasosDesbloqueo, -1);
    tazmo::Arranca(m_tFoco, kPasosFoco, -1);
    tazmo::Arranca(m_tPulsacion, (iFlags & PULSACION_CORTA) ? kPasosPulsacionCorta : kPasosPulsacion, -1);
    bool bOk = true;
    if (szSPM) {
        m_pSPM = tazmo::CopiaSPM(szSPM);
        bOk = m_pSPM != nullptr;
    }
    if (bOk) {
        // The panels' package is kept in use with the button (never drawn).
        m_pSPMPaneles = tazmo::CopiaSPM(motor::paquete::PANELES);
        bOk = m_pSPMPaneles != nullptr;
    }
    if (!bOk) {
        Libera();
        CButo::LiberaSiCreado();
        return false;
    }
    m_bCreado = true;
    return true;
}

void CBotonIconoTazmo::Posicion(float p, float* px, float* py) const
{
    *px = m_fXInicio + (m_fXFin - m_fXInicio) * p;
    *py = m_fYInicio + (m_fYFin - m_fYInicio) * p;
}

void CBotonIconoTazmo::Coloca()
{
    float x, y;
    Posicion(Progreso(m_tVuelo), &x, &y);
    PonRect(x - RadioX(), y - RadioY(), 2.0f * RadioX(), 2.0f * RadioY());
}

bool CBotonIconoTazmo::Toca(float px, float py, float x, float y, float rx, float ry, bool bRectangular)
{
    if (!(rx > 0.0f) || !(ry > 0.0f)) return false;
    const float dx = (px - x) / rx, dy = (py - y) / ry;
    if (bRectangular) return std::fabs(dx) < 1.0f && std::fabs(dy) < 1.0f;
    return dx * dx + dy * dy < 1.0f;
}

bool CBotonIconoTazmo::Contiene(float px, float py)
{
    if (m_iFlags & NUNCA_TOCADO) return false;
    float x, y;
    Posicion(Progreso(m_tVuelo), &x, &y);
    return Toca(px, py, x, y, RadioX(), RadioY(), m_bRectangular);
}

void CBotonIconoTazmo::IniciaTransicion(bool bEntrada)
{
    if (bEntrada) {
        const tazmo::EstadoMarcador e = tazmo::LeeMarcador(Nombre());
        m_bBloqueado = e.bBloqueado;
        m_bRecienDesbloqueado = e.bRecienDesbloqueado;
        m_bNovedades = e.bNovedades;
        // The fade from black plays this once.
        if (m_bRecienDesbloqueado) tazmo::QuitaRecienDesbloqueado(Nombre());
        m_bPulsando = false;
        if (m_bRecienDesbloqueado) tazmo::Arranca(m_tDesbloqueo, kPasosDesbloqueo, 1);
        tazmo::Cuenta(m_tVuelo, 1);
        tazmo::Arranca(m_tPulsacion, m_tPulsacion.m_iDuracion, -1);
    } else {
        tazmo::Cuenta(m_tVuelo, -1);
    }
    CButo::IniciaTransicion(bEntrada);
}

void CBotonIconoTazmo::PonEnfocado(bool bEnfocado)
{
    CButo::PonEnfocado(bEnfocado);
    if (bEnfocado) {
        if (!m_bSobre) tazmo::TocaSonido(m_iSonidoFoco);
        tazmo::Cuenta(m_tFoco, 1);
        m_bSobre = true;
    } else {
        m_bSobre = m_bDentro = false;
        tazmo::Cuenta(m_tFoco, -1);
    }
}

bool CBotonIconoTazmo::TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion)
{
    m_bDentro = Contiene(x, y);
    if (m_bEnfocado) m_bSobre = m_bDentro && !m_bBloqueado;
    return CButo::TrataMovimientoRaton(iRaton, x, y, bPorPulsacion);
}

void CBotonIconoTazmo::Actualiza()
{
    Coloca();
    if (m_iCodigoAyuda != -1 && g_pAplicacion && (m_bSobre || (m_bDentro && (m_iFlags & AYUDA_SIN_FOCO))) &&
        !BajoModal())
        g_pAplicacion->MuestraHint(m_iCodigoAyuda);
    if (m_bNovedades && Progreso(m_tVuelo) > 0.0f) {
        const float a = RealAleatorio(0.0f, 6.283184f);
        tazmo::EmiteChispaNovedad(m_fXFin, m_fYFin, kAlcanceChispa * RadioX() * std::cos(a),
                                  kAlcanceChispa * RadioY() * std::sin(a), a);
    }
    if (m_bPulsando && Progreso(m_tPulsacion) >= 1.0f) {
        m_bPulsando = false;
        tazmo::Arranca(m_tPulsacion, m_tPulsacion.m_iDuracion, -1);
        CButo::Pulsa(0);
    }
    CButo::Actualiza();
}

void CBotonIconoTazmo::Pulsa(int)
{
    if (m_bBloqueado || m_bPulsando || !EsVisible()) return;
    tazmo::TocaSonido(m_iSonidoPulsar);
    tazmo::Cuenta(m_tPulsacion, 1);
    m_bPulsando = true;
    tazmo::QuitaNovedades(Nombre());
    m_bNovedades = false;
}

void CBotonIconoTazmo::Dibuja(CMenuObj*, Sprite* pDestino)
{
    if (!m_pSPM) return;
    const float p = Progreso(m_tVuelo);
    float x, y;
    Posicion(p, &x, &y);
    float k = 0.5f + 0.5f * p;
    if (!(m_iFlags & SIN_CRECER)) k += kCrecimientoFoco * Progreso(m_tFoco);
    k *= m_fEscala;
    if (!m_bBloqueado) {
        const float c = m_tPulso.Fraccion(PROGRESO_CICLICO);
        m_pSPM->PonFusion(0x02, ColorRGB(255, 255, 255));
        m_pSPM->PonAlfa(static_cast<uint8_t>(std::clamp(std::sin(c * kPi) * p * 255.0f, 0.0f, 255.0f)));
        m_pSPM->PonEscala(k + kCrecimientoBrillo * c, k + kCrecimientoBrillo * c);
        m_pSPM->DibujaSpriteEnDestino(pDestino, m_iFrame, x, y);
    }
    if (m_bBloqueado) {
        m_pSPM->PonColor(0, 0, 0);
    } else if (m_bRecienDesbloqueado) {
        const auto g = static_cast<uint8_t>(Progreso(m_tDesbloqueo) * 255.0f);
        m_pSPM->PonColor(g, g, g);
    } else {
        m_pSPM->PonColor(255, 255, 255);
    }
    const float f = Progreso(m_tPulsacion);
    const float fPulso =
        kAmplitudPulsacion * ((m_iFlags & PULSACION_CORTA) ? std::sin(f * kPi) : std::sin(f * 4.0f * kPi));
    m_pSPM->PonFusion(0, ColorRGB(0, 0, 0));
    m_pSPM->PonRotacion(0.0f);
    m_pSPM->PonAlfa(static_cast<uint8_t>(std::clamp(p * 255.0f, 0.0f, 255.0f)));
    m_pSPM->PonEscala(k + fPulso, k + fPulso);
    m_pSPM->DibujaSpriteEnDestino(pDestino, m_iFrame, x, y);
}

void CBotonIconoTazmo::CargaRecursos()
{
    if (RecursosCargados()) return;
    tazmo::MarcaSonido(m_iSonidoFoco, true);
    tazmo::MarcaSonido(m_iSonidoPulsar, true);
    tazmo::MarcaSPM(m_pSPM, true);
    tazmo::MarcaSPM(m_pSPMPaneles, true);
    CButo::CargaRecursos();
}

void CBotonIconoTazmo::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    tazmo::MarcaSonido(m_iSonidoFoco, false);
    tazmo::MarcaSonido(m_iSonidoPulsar, false);
    tazmo::MarcaSPM(m_pSPM, false);
    tazmo::MarcaSPM(m_pSPMPaneles, false);
    CButo::DescargaRecursos();
}
