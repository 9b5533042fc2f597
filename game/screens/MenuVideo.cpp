#include "game/screens/MenuVideo.h"

#include "engine/app/Aplicacion.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Preferencias.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/Buto.h"
#include "engine/ui/CuadreText.h"
#include "game/CatalogoJuego.h"
#include "game/screens/widgets/AyudasTazmo.h"

#include <iterator>
#include <new>

namespace {

// Labels on the right in style 2, buttons on the left without a frame.
constexpr int kEstiloEtiqueta = 2;
constexpr int kEstiloBoton = 0;
constexpr int kFuente = 0;
constexpr int kFormato = 9;
constexpr float kEscala = 1.0f;

struct FilaEtiqueta {
    float x, y, ancho, alto;
};
constexpr FilaEtiqueta kEtiquetaModo = {600.0f, 340.0f, 400.0f, 64.0f};
constexpr FilaEtiqueta kEtiquetaFiltrado = {600.0f, 405.0f, 400.0f, 64.0f};

struct FilaBoton {
    float x, y, ancho, alto;
    const char* szTexto;
    int iId;
    const char* szNombre;
};
const FilaBoton kBotones[] = {
    {300.0f, 340.0f, 242.0f, 64.0f, juego::texto::MV01, CMenuVideo::ID_PANTALLA_COMPLETA, "MENUVIDEO_BUT_FullScreen"},
    {300.0f, 405.0f, 242.0f, 64.0f, juego::texto::MV02, CMenuVideo::ID_FILTRADO, "MENUVIDEO_BUT_Blending"},
    {300.0f, 600.0f, 242.0f, 64.0f, juego::texto::MV03, CMenuVideo::ID_VOLVER, "MENUVIDEO_BUT_Volver"},
};

int Flags() { return g_pPreferencias ? g_pPreferencias->m_iFlags : 0; }

} // namespace

const char* CMenuVideo::CodigoModo(int iFlags)
{
    return (iFlags & PREF_PANTALLA_COMPLETA) ? juego::texto::MV31 : juego::texto::MV32;
}

const char* CMenuVideo::CodigoFiltrado(int iFlags)
{
    return (iFlags & PREF_FILTRADO_BILINEAL) ? juego::texto::MV33 : juego::texto::MV34;
}

CMenuVideo::~CMenuVideo()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuVideo::InicializaCampos()
{
    m_pTextoModo = m_pTextoFiltrado = nullptr;
    m_pBotonPantallaCompleta = m_pBotonFiltrado = m_pBotonVolver = nullptr;
    m_bRefrescaModo = m_bRefrescaFiltrado = false;
    m_bModoMostradoCompleta = false;
}

void CMenuVideo::LiberaPropios()
{
    tazmo::Borra(m_pTextoModo);
    tazmo::Borra(m_pTextoFiltrado);
    tazmo::Borra(m_pBotonPantallaCompleta);
    tazmo::Borra(m_pBotonFiltrado);
    tazmo::Borra(m_pBotonVolver);
}

void CMenuVideo::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuVideo::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    if (!CBaseMenu::Crea("MenuVideo", nullptr, nullptr, juego::musica::MENU_MUSIC, nullptr, true, true, false))
        return false;
    auto Falla = [this] {
        LiberaSiIniciado();
        Libera();
        return false;
    };
    const int iFlags = Flags();
    auto Etiqueta = [&](const FilaEtiqueta& f, const char* szCodigo) -> CCuadreText* {
        auto* p = new (std::nothrow) CCuadreText;
        if (p && p->IniciaConIdTexto(f.x, f.y, f.ancho, f.alto, kEstiloEtiqueta, kFuente, CodigoFLI(szCodigo),
                                     kFormato, kEscala, kEscala))
            return p;
        delete p;
        return nullptr;
    };
    m_pTextoModo = Etiqueta(kEtiquetaModo, CodigoModo(iFlags));
    m_pTextoFiltrado = Etiqueta(kEtiquetaFiltrado, CodigoFiltrado(iFlags));
    if (!m_pTextoModo || !m_pTextoFiltrado) return Falla();
    m_bModoMostradoCompleta = (iFlags & PREF_PANTALLA_COMPLETA) != 0;
    CButo** apBotones[] = {&m_pBotonPantallaCompleta, &m_pBotonFiltrado, &m_pBotonVolver};
    for (size_t i = 0; i < std::size(kBotones); ++i) {
        const FilaBoton& f = kBotones[i];
        auto* p = new (std::nothrow) CButo;
        *apBotones[i] = p;
        if (!p || !p->IniciaConIdTexto(f.x, f.y, f.ancho, f.alto, kEstiloBoton, kFuente, CodigoFLI(f.szTexto),
                                       kEscala, kFormato, f.iId, f.szNombre))
            return Falla();
    }
    AnadeHijo(false, m_pTextoModo, false, false);
    AnadeHijo(false, m_pTextoFiltrado, false, false);
    for (CButo** pp : apBotones) AnadeHijo(false, *pp, false, false);
    // Down goes round the three buttons, up the other way.
    for (size_t i = 0; i < std::size(apBotones); ++i) {
        (*apBotones[i])->PonAbajo(*apBotones[(i + 1) % 3]);
        (*apBotones[i])->PonArriba(*apBotones[(i + 2) % 3]);
    }
    PonCancelar(m_pBotonVolver);
    m_bCreado = true;
    return true;
}

void CMenuVideo::PonEnfocado(bool bEnfocado)
{
    CBaseMenu::PonEnfocado(bEnfocado);
    if (bEnfocado && m_pBotonPantallaCompleta) EnfocaHijo(m_pBotonPantallaCompleta);
}

void CMenuVideo::PideOtroModo()
{
    m_bRefrescaModo = true;
    if (!g_pAplicacion) return;
    if (Flags() & PREF_PANTALLA_COMPLETA)
        g_pAplicacion->PideVentana();
    else
        g_pAplicacion->PidePantallaCompleta();
}

void CMenuVideo::CambiaFiltrado()
{
    if (!g_pPreferencias) return;
    g_pPreferencias->m_iFlags ^= PREF_FILTRADO_BILINEAL;
    g_pPreferencias->Guarda();
    m_bRefrescaFiltrado = true;
}

void CMenuVideo::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo != EVENTO_PULSADO) {
        CBaseMenu::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
        return;
    }
    switch (iIdEmisor) {
    case ID_PANTALLA_COMPLETA:
        PideOtroModo();
        break;
    case ID_FILTRADO:
        CambiaFiltrado();
        break;
    case ID_VOLVER:
        Cierra(false);
        break;
    default:
        break;
    }
}

void CMenuVideo::MuestraModo()
{
    const int iFlags = Flags();
    m_bModoMostradoCompleta = (iFlags & PREF_PANTALLA_COMPLETA) != 0;
    if (m_pTextoModo) m_pTextoModo->PonIdTexto(CodigoFLI(CodigoModo(iFlags)), kFormato, kEscala, kEscala);
}

void CMenuVideo::Actualiza()
{
    // The switch happens in the main loop some steps after it was asked
    // for: the label is set again whenever the mode differs from the one it
    // shows, not only in the step after the press.
    const bool bCompleta = (Flags() & PREF_PANTALLA_COMPLETA) != 0;
    if (m_bRefrescaModo || bCompleta != m_bModoMostradoCompleta) {
        m_bRefrescaModo = false;
        MuestraModo();
    }
    if (m_bRefrescaFiltrado) {
        m_bRefrescaFiltrado = false;
        const int iFlags = Flags();
        if (g_pSistema2D) g_pSistema2D->PosaFiltratLineal((iFlags & PREF_FILTRADO_BILINEAL) != 0);
        if (m_pTextoFiltrado)
            m_pTextoFiltrado->PonIdTexto(CodigoFLI(CodigoFiltrado(iFlags)), kFormato, kEscala, kEscala);
    }
    CBaseMenu::Actualiza();
}
