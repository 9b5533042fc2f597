#include "game/screens/widgets/BotonTazmo.h"

#include "engine/app/Aplicacion.h"
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "game/CatalogoJuego.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kEstilo = 0;
constexpr int kFuente = 0;
constexpr int kFormatoTexto = 9; // centred both ways
// The frame's top band: (fX, fY) lies this far below the rectangle's top.
constexpr float kBandaSuperior = 30.0f;

// Frames of the buttons' package.
constexpr int kMarco = 0, kBrillo = 1, kMarcoEstrecho = 2, kBrilloEstrecho = 3;

// Focus scales: rest and top, normal and low buttons.
constexpr float kFocoReposo = 1.0f, kFocoMaximo = 1.3f;
constexpr float kFocoReposoBajo = 0.7f, kFocoMaximoBajo = 0.9f;
constexpr float kPasoFoco = 0.1f;
constexpr int kPasoAlfaBrillo = 25;
constexpr float kPasoDestello = 0.05f;
// The glow sits a little below the centre; the caption's hotspot a little
// below its middle.
constexpr float kBajadaBrillo = 10.0f;
constexpr float kBajadaTexto = 5.0f;
// The frame's ends, together, that a caption keeps clear of: the capsule
// starts 6 points in and carries a stud 14 points further in, 9 across, at
// each end; a caption keeps a few points clear of both studs.
constexpr float kExtremosMarco = 60.0f;
// A locked caption is a dim grey: it reads as out of reach on the frame,
// which a locked button draws black.
const ColorARGB kColorTextoBloqueado(255, 118, 112, 136);
// News sparks fly out to this share of the half width, and this far down.
constexpr float kAlcanceChispaX = 1.25f;
constexpr float kAlcanceChispaY = 60.0f;

} // namespace

CBotonTazmo::~CBotonTazmo() { LiberaSiCreado(); }

float CBotonTazmo::AnchoDeFlags(int iFlags)
{
    if (iFlags & ESTRECHO) return 150.0f;
    if (iFlags & ANCHO) return 600.0f;
    if (iFlags & MINIMO) return 50.0f;
    return 300.0f;
}

float CBotonTazmo::AltoDeFlags(int iFlags) { return (iFlags & BAJO) ? 40.0f : 80.0f; }

float CBotonTazmo::Pulso(float f, int iFlags)
{
    return (iFlags & PULSACION_CORTA) ? 0.1f * std::sin(f * kPi) : 0.1f * std::sin(f * 4.0f * kPi);
}

void CBotonTazmo::InicializaCampos()
{
    m_pSPM = nullptr;
    m_iFlags = 0;
    m_fEscalaFoco = 1.0f;
    m_fFaseBrillo = 0.0f;
    m_iAlfaBrillo = 0;
    m_fDestello = 0.0f;
    m_desliza = tazmo::Deslizamiento();
    m_bSonidoFocoTocado = false;
    m_tPulsacion = CTemporizador();
    m_tDesbloqueo = CTemporizador();
    m_bBloqueado = m_bRecienDesbloqueado = m_bNovedades = m_bPulsando = false;
    m_iSonidoFoco = m_iSonidoPulsar = -1;
    m_iCodigoTextoBloqueado = m_iCodigoTexto = -1;
    m_iCodigoAyudaBloqueado = m_iCodigoAyuda = -1;
    m_bSobre = m_bDentro = m_bAbierto = false;
}

void CBotonTazmo::Libera() { tazmo::BorraSPM(m_pSPM); }

void CBotonTazmo::LiberaSiCreado()
{
    if (!m_bCreado) return;
    CButo::LiberaSiCreado();
    Libera();
    m_bCreado = false;
}

bool CBotonTazmo::Inicia(const char* szSonidoFoco, const char* szSonidoPulsar, float fX, float fY, int iCodigoTexto,
                         int iCodigoTextoBloqueado, int iCodigoAyudaBloqueado, int iCodigoAyuda, int iFlags, int iId,
                         const char* szNombre)
{
    LiberaSiCreado();
    InicializaCampos();
    const float w = AnchoDeFlags(iFlags), h = AltoDeFlags(iFlags);
    if (!CButo::IniciaConIdTexto(fX - w / 2.0f, fY - kBandaSuperior, w, h, kEstilo, kFuente, iCodigoTexto, 1.0f,
                                 kFormatoTexto, iId, szNombre))
        return false;
    m_iFlags = iFlags;
    m_fEscalaFoco = EscalaFocoReposo();
    m_iCodigoTexto = iCodigoTexto;
    m_iCodigoTextoBloqueado = iCodigoTextoBloqueado;
    m_iCodigoAyuda = iCodigoAyuda;
    m_iCodigoAyudaBloqueado = iCodigoAyudaBloqueado;
    m_iSonidoFoco = tazmo::RanuraSonido(szSonidoFoco);
    m_iSonidoPulsar = tazmo::RanuraSonido(szSonidoPulsar);
    tazmo::Arranca(m_tPulsacion, (iFlags & PULSACION_CORTA) ? kPasosPulsacionCorta : kPasosPulsacion, -1);
    tazmo::Arranca(m_tDesbloqueo, kPasosDesbloqueo, -1);
    m_pSPM = tazmo::CopiaSPM(juego::paquete::BOTONES);
    if (!m_pSPM) {
        CButo::LiberaSiCreado();
        return false;
    }
    m_bCreado = true;
    return true;
}

float CBotonTazmo::EscalaFocoReposo() const { return (m_iFlags & BAJO) ? kFocoReposoBajo : kFocoReposo; }

float CBotonTazmo::EscalaFocoMaxima() const { return (m_iFlags & BAJO) ? kFocoMaximoBajo : kFocoMaximo; }

void CBotonTazmo::ColocaEnCentro(float x, float y)
{
    const float w = AnchoDeFlags(m_iFlags), h = AltoDeFlags(m_iFlags);
    PonRect(x - w / 2.0f, y - h / 2.0f, w, h);
}

void CBotonTazmo::CentroRect(float* px, float* py) const
{
    *px = m_rect.x + m_rect.ancho / 2.0f;
    *py = m_rect.y + m_rect.alto / 2.0f;
}

void CBotonTazmo::CambiaTextos(int iCodigoTextoBloqueado, int iCodigoTexto)
{
    m_iCodigoTextoBloqueado = iCodigoTextoBloqueado;
    m_iCodigoTexto = iCodigoTexto;
    m_fDestello = 1.0f;
    PonIdTexto(m_bBloqueado ? iCodigoTextoBloqueado : iCodigoTexto);
}

float CBotonTazmo::EscalaQueCabe(float fEscala, float fAncho, float fAnchoUtil)
{
    if (!(fAncho > 0.0f) || fAncho * fEscala <= fAnchoUtil) return fEscala;
    return std::max(0.0f, fAnchoUtil) / fAncho;
}

float CBotonTazmo::AnchoUtil(float fAnchoMarco)
{
    // A width too small for both ends (the frameless smallest button) is
    // all caption room.
    return fAnchoMarco > 2.0f * kExtremosMarco ? fAnchoMarco - kExtremosMarco : fAnchoMarco;
}

namespace {
// A caption's width at scale 1 in the buttons' font (0 without the font).
float AnchoCaption(const char* texto)
{
    CFont* f = (g_pSistema2D && texto) ? g_pSistema2D->GetFont(kFuente) : nullptr;
    return f ? f->CalculaAncho(texto) : 0.0f;
}
} // namespace

void CBotonTazmo::PonTexto(const char* texto)
{
    m_fDestello = 1.0f;
    m_iCodigoTexto = m_iCodigoTextoBloqueado = -1;
    const float fAncho = AnchoCaption(texto);
    m_fEscala = EscalaQueCabe(1.0f, fAncho, AnchoUtil(m_rect.ancho));
    m_fAnchoTexto = fAncho * m_fEscala;
    CButo::PonTexto(texto);
}

float CBotonTazmo::EscalaCaption(int idTexto) const
{
    const float fAncho = idTexto == -1 ? 0.0f : AnchoCaption(g_GestorFLIs.GetTexto(idTexto));
    return EscalaQueCabe(1.0f, fAncho, AnchoUtil(m_rect.ancho));
}

void CBotonTazmo::PonIdTexto(int idTexto)
{
    m_fEscala = EscalaCaption(idTexto);
    m_fAnchoTexto = idTexto == -1 ? 0.0f : AnchoCaption(g_GestorFLIs.GetTexto(idTexto)) * m_fEscala;
    CButo::PonIdTexto(idTexto);
}

void CBotonTazmo::IniciaTransicion(bool bEntrada)
{
    if (bEntrada) {
        const tazmo::EstadoMarcador e = tazmo::LeeMarcador(Nombre());
        m_bBloqueado = e.bBloqueado;
        m_bRecienDesbloqueado = e.bRecienDesbloqueado;
        m_bNovedades = e.bNovedades;
        m_bAbierto = true;
        m_bPulsando = false;
        const int iCodigo = m_bBloqueado ? m_iCodigoTextoBloqueado : m_iCodigoTexto;
        // Also when the language has changed the caption's width.
        if (iCodigo != -1 && (iCodigo != m_iIdTexto || EscalaCaption(iCodigo) != m_fEscala)) PonIdTexto(iCodigo);
        m_desliza.Abre();
        tazmo::Arranca(m_tPulsacion, m_tPulsacion.m_iDuracion, -1);
        if (m_bRecienDesbloqueado) tazmo::Arranca(m_tDesbloqueo, kPasosDesbloqueo, 1);
    } else {
        m_desliza.Cierra();
        m_bAbierto = false;
    }
    CButo::IniciaTransicion(bEntrada);
}

void CBotonTazmo::PideAyuda()
{
    // Under a message box the button cannot be reached: no hint of its own
    // over the box.
    if (!g_pAplicacion || BajoModal()) return;
    if (m_bSobre) {
        const int iCodigo = m_bBloqueado ? m_iCodigoAyudaBloqueado : m_iCodigoAyuda;
        if (iCodigo != -1) g_pAplicacion->MuestraHint(iCodigo);
    }
    // A locked button explains itself under the pointer even without focus
    // when it has a locked hint and asks for it.
    if ((m_bSobre || (m_bDentro && (m_iFlags & AYUDA_SIN_FOCO))) && m_iCodigoAyudaBloqueado != -1) {
        if (m_bBloqueado)
            g_pAplicacion->MuestraHint(m_iCodigoAyudaBloqueado);
        else if (m_iCodigoAyuda != -1)
            g_pAplicacion->MuestraHint(m_iCodigoAyuda);
    }
}

void CBotonTazmo::Actualiza()
{
    PideAyuda();
    m_fFaseBrillo += kPasoFaseBrillo;
    if (m_bEnfocado) {
        if (!m_bSonidoFocoTocado) {
            tazmo::TocaSonido(m_iSonidoFoco);
            m_bSonidoFocoTocado = true;
        }
        m_fEscalaFoco = std::min(EscalaFocoMaxima(), m_fEscalaFoco + kPasoFoco);
        m_iAlfaBrillo = std::min(255, m_iAlfaBrillo + kPasoAlfaBrillo);
    } else {
        m_bSonidoFocoTocado = false;
        m_fEscalaFoco = std::max(EscalaFocoReposo(), m_fEscalaFoco - kPasoFoco);
        m_iAlfaBrillo = std::max(0, m_iAlfaBrillo - kPasoAlfaBrillo);
    }
    m_desliza.Paso();
    m_fDestello = std::max(0.0f, m_fDestello - kPasoDestello);
    if (m_bPulsando && m_tPulsacion.Fraccion(PROGRESO_LIMITADO) >= 1.0f) {
        m_bPulsando = false;
        tazmo::Arranca(m_tPulsacion, m_tPulsacion.m_iDuracion, -1);
        CButo::Pulsa(0);
    }
    if (m_bNovedades && m_bAbierto) {
        float cx, cy;
        CentroRect(&cx, &cy);
        const float a = RealAleatorio(0.0f, 6.283184f);
        const float dx = std::cos(a) * kAlcanceChispaX * m_rect.ancho / 2.0f;
        const float dy = std::sin(a) * kAlcanceChispaY;
        tazmo::EmiteChispaNovedad(cx, cy, dx, dy, std::atan2(dy, dx));
    }
    CButo::Actualiza();
}

void CBotonTazmo::Pulsa(int)
{
    // Locked, disabled or already on its way: nothing at all.
    if (m_bBloqueado || m_bPulsando || !EsVisible()) return;
    tazmo::TocaSonido(m_iSonidoPulsar);
    tazmo::Cuenta(m_tPulsacion, 1);
    m_bPulsando = true;
    if (m_bNovedades) {
        tazmo::QuitaNovedades(Nombre());
        m_bNovedades = false;
    }
}

bool CBotonTazmo::TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion)
{
    m_bDentro = Contiene(x, y);
    if (m_bEnfocado) m_bSobre = m_bDentro && !m_bBloqueado;
    return CButo::TrataMovimientoRaton(iRaton, x, y, bPorPulsacion);
}

void CBotonTazmo::PonEnfocado(bool bEnfocado)
{
    CButo::PonEnfocado(bEnfocado);
    m_fFaseBrillo = 0.0f;
    if (!bEnfocado) m_bSobre = m_bDentro = false;
    // Focused by the pointer that has just come over it: hovered at once,
    // not from the pointer's next move.
    else if (m_bDentro && !m_bBloqueado) m_bSobre = true;
}

void CBotonTazmo::Dibuja(CMenuObj*, Sprite* pDestino)
{
    if (!m_pSPM) return;
    float cx, cy;
    CentroRect(&cx, &cy);
    const float fPulso = Pulso(m_tPulsacion.Fraccion(PROGRESO_LIMITADO), m_iFlags);
    const float fEscala = m_desliza.fEscala;
    const auto alfa = static_cast<uint8_t>(std::clamp(m_desliza.iAlfa, 0, 255));

    if (m_bBloqueado) {
        m_pSPM->PonColor(0, 0, 0);
    } else if (m_bRecienDesbloqueado) {
        const auto g = static_cast<uint8_t>(m_tDesbloqueo.Fraccion(PROGRESO_LIMITADO) * 255.0f);
        m_pSPM->PonColor(g, g, g);
    } else {
        m_pSPM->PonColor(255, 255, 255);
    }
    const bool bEstrecho = (m_iFlags & ESTRECHO) != 0;
    if (!(m_iFlags & (SIN_MARCO | MINIMO))) {
        const float s = ((m_fEscalaFoco - 1.0f) * 0.25f + 1.0f) * fEscala + fPulso;
        m_pSPM->PonEscala(s, s);
        m_pSPM->PonAlfa(alfa);
        m_pSPM->DibujaSpriteEnDestino(pDestino, bEstrecho ? kMarcoEstrecho : kMarco, cx, cy);
    }
    if (!(m_iFlags & SIN_BRILLO)) {
        const float sx = (m_iFlags & MINIMO) ? fEscala / 12.0f + fPulso : fEscala + fPulso;
        m_pSPM->PonEscala(sx, fEscala + fPulso);
        m_pSPM->PonFusion(0x02, ColorRGB(0, 0, 0));
        const float a = static_cast<float>(alfa) / 255.0f;
        const int q3 = 3 * m_iAlfaBrillo / 4, q1 = m_iAlfaBrillo / 4;
        const int iAlfaBrillo = static_cast<int>(a * static_cast<float>(q3) +
                                                 static_cast<float>(q1) * a * std::sin(m_fFaseBrillo));
        m_pSPM->PonAlfa(static_cast<uint8_t>(std::clamp(iAlfaBrillo, 0, 255)));
        m_pSPM->DibujaSpriteEnDestino(pDestino, bEstrecho ? kBrilloEstrecho : kBrillo, cx, cy + kBajadaBrillo);
        m_pSPM->PonFusion(0, ColorRGB(0, 0, 0));
        m_pSPM->PonEscalaX(fEscala + fPulso);
    }
    if (!m_pTexto || !g_pSistema2D) return;
    g_pSistema2D->PosaColorSprite(m_pTexto, m_bBloqueado ? kColorTextoBloqueado : ColorARGB(255, 255, 255, 255));
    g_pSistema2D->PosaHotspot(m_pTexto, m_pTexto->GetAmplada() / 2.0f, m_pTexto->GetAlcada() / 2.0f + kBajadaTexto);
    // The caption grows with the focus faster than the frame: never past
    // the frame's ends.
    const float fEscalaMarco = (m_fEscalaFoco - 1.0f) * 0.25f + 1.0f;
    const float fEscalaTexto =
        fEscala * EscalaQueCabe(m_fEscalaFoco, m_fAnchoTexto, AnchoUtil(m_rect.ancho) * fEscalaMarco);
    g_pSistema2D->DibuixaSpriteEX(pDestino, m_pTexto, cx, cy, false, alfa, 0.0f, fEscalaTexto + fPulso,
                                  fEscalaTexto + fPulso);
    if (m_fDestello > 0.0f) {
        const ColorRGB blanco(255, 255, 255);
        g_pSistema2D->DibuixaSpriteEX2(pDestino, m_pTexto, 0x01, &blanco, cx, cy, false,
                                       static_cast<int>(m_fDestello * static_cast<float>(alfa)), 0.0f, fEscalaTexto,
                                       fEscalaTexto);
    }
}

void CBotonTazmo::CargaRecursos()
{
    if (RecursosCargados()) return;
    tazmo::MarcaSonido(m_iSonidoFoco, true);
    tazmo::MarcaSonido(m_iSonidoPulsar, true);
    tazmo::MarcaSPM(m_pSPM, true);
    CButo::CargaRecursos();
}

void CBotonTazmo::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    tazmo::MarcaSonido(m_iSonidoFoco, false);
    tazmo::MarcaSonido(m_iSonidoPulsar, false);
    tazmo::MarcaSPM(m_pSPM, false);
    CButo::DescargaRecursos();
}
