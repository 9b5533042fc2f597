#include "game/screens/MenuControles.h"

#include "engine/app/Aplicacion.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/GestorMandos.h"
#include "engine/core/Teclado.h"
#include "engine/graphics/Lineas.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/Buto.h"
#include "engine/ui/CuadreText.h"
#include "engine/ui/MessageBox.h"
#include "game/CatalogoJuego.h"
#include "game/screens/widgets/AyudasTazmo.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr int kEstiloTexto = -1;
constexpr int kEstiloBoton = 0;
constexpr int kFuente = 0;
constexpr int kFormato = 9;
constexpr float kEscala = 1.0f;

// Binding i: column c (0 for 0..4, 1 for 5..9), row r. The caption sits at
// the column's left, the value 200 further right, the button over it.
constexpr float kAnchoColumna = 512.0f;
constexpr float kPrimeraFilaY = 200.0f, kAltoFila = 75.0f;
constexpr float kValorX = 200.0f;
constexpr float kAnchoTexto = 242.0f, kAltoTexto = 51.0f, kAltoBoton = 64.0f;

constexpr float kCabecera1X = 50.0f, kCabecera2X = 562.0f, kCabeceraY = 150.0f;

struct FilaBoton {
    float x;
    const char* szTexto;
    int iId;
    const char* szNombre;
};
// The three buttons stand in a row under the bindings: stacked on the right
// they would lie over the last bindings of the second column.
constexpr float kBotonesY = 650.0f, kAnchoBoton = 242.0f;
const FilaBoton kBotones[] = {
    {700.0f, juego::texto::MC03, CMenuControles::ID_VOLVER, "MENUCONTROLES_BUT_Volver"},
    {420.0f, juego::texto::MC04, CMenuControles::ID_AUTOCONFIGURA, "MENUCONTROLES_BUT_AutoConfig"},
    {140.0f, juego::texto::MC05, CMenuControles::ID_REFRESCA, "MENUCONTROLES_BUT_Refrescar"},
};

const char* const kTitulos[kNumControles] = {
    juego::texto::MC10, juego::texto::MC11, juego::texto::MC12, juego::texto::MC13, juego::texto::MC14,
    juego::texto::MC30, juego::texto::MC31, juego::texto::MC32, juego::texto::MC33, juego::texto::MC34,
};

// The confirmation box of the auto-configuration.
constexpr float kCajaAncho = 512.0f, kCajaAlto = 256.0f;
constexpr int kFlagsCaja = CMessageBox::FLAG_AJUSTA_TEXTO;
constexpr int kRespuestaSi = 0, kRespuestaNo = 1;

// The prompt during a capture, on a panel; the warning of a missing
// controller, in red.
constexpr float kPanelX = 112.0f, kPanelY = 334.0f, kPanelAncho = 800.0f, kPanelAlto = 100.0f;
constexpr float kAvisoX = 50.0f, kAvisoY = 500.0f, kAvisoAncho = 600.0f, kAvisoAlto = 200.0f;
const ColorARGB kColorAviso(255, 255, 0, 0);

// Auto-configuration: a controller's bindings, and the keys that stand in
// for a missing one (left, right, Ctrl, up; A, D, Shift, W).
constexpr int kEjeHorizontal = 0;
constexpr int kDireccionIzquierda = -100, kDireccionDerecha = 100;
constexpr int kBotonAccion = 0, kBotonArriba = 1;
struct GrupoMando {
    int aiControles[4];   // left, right, action, up
    int aiTeclas[4];
};
const GrupoMando kGrupos[2] = {
    {{0, 1, 2, 4}, {203, 205, 157, 200}},
    {{5, 6, 7, 9}, {30, 32, 42, 17}},
};

void CopiaGuid(AsignacionControl* a, const uint8_t* pGuid)
{
    if (pGuid)
        std::memcpy(a->m_aGuid, pGuid, sizeof a->m_aGuid);
    else
        std::memset(a->m_aGuid, 0, sizeof a->m_aGuid);
}

// The n-th controller that is connected now, in the order they were found.
const CMando* MandoConectado(int n)
{
    if (!g_pMandos) return nullptr;
    for (int i = 0; i < g_pMandos->NumMandos(); ++i) {
        const CMando* m = g_pMandos->Mando(i);
        if (m && m->m_bPresente && !m->m_bPerdido && n-- == 0) return m;
    }
    return nullptr;
}

void EnumeraMandos()
{
    if (g_pMandos) g_pMandos->EnumeraMandos();
}

} // namespace

// ---------------------------------------------------------------------------
// Decisions

const char* CMenuControles::CodigoTitulo(int i) { return i >= 0 && i < kNumControles ? kTitulos[i] : nullptr; }

bool CMenuControles::CapturaRaton(int iRaton, int iEvento, AsignacionControl* a)
{
    // Presses only: the release of the press that started the capture must
    // not bind itself.
    if (iEvento != BOTON_IZQUIERDO_ABAJO && iEvento != BOTON_DERECHO_ABAJO && iEvento != BOTON_CENTRAL_ABAJO)
        return false;
    a->Limpia();
    a->m_iTipo = CONTROL_RATON;
    a->m_iRaton = iRaton;
    a->m_cBotonRaton = static_cast<uint8_t>(iEvento);
    return true;
}

bool CMenuControles::CapturaTecla(int iTecla, AsignacionControl* a)
{
    // Escape neither binds nor ends the capture.
    if (iTecla == TeclaEscape()) return false;
    *a = AsignacionControl::Tecla(iTecla);
    return true;
}

bool CMenuControles::CapturaEje(const uint8_t* pGuid, int iEje, int iValor, AsignacionControl* a)
{
    if (std::abs(iValor) <= kUmbralEje) return false;
    a->Limpia();
    a->m_iTipo = CONTROL_EJE;
    CopiaGuid(a, pGuid);
    a->m_iEje = iEje;
    a->m_iDireccion = iValor;
    return true;
}

bool CMenuControles::CapturaBotonMando(const uint8_t* pGuid, int iBoton, AsignacionControl* a)
{
    a->Limpia();
    a->m_iTipo = CONTROL_BOTON;
    CopiaGuid(a, pGuid);
    a->m_iBoton = iBoton;
    return true;
}

void CMenuControles::AutoConfigura(const uint8_t* pGuid1, const uint8_t* pGuid2,
                                   AsignacionControl aControles[kNumControles])
{
    const uint8_t* apGuids[2] = {pGuid1, pGuid2};
    for (int g = 0; g < 2; ++g) {
        const GrupoMando& grupo = kGrupos[g];
        if (!apGuids[g]) {
            for (int k = 0; k < 4; ++k) aControles[grupo.aiControles[k]] = AsignacionControl::Tecla(grupo.aiTeclas[k]);
            continue;
        }
        for (int k = 0; k < 2; ++k) {
            AsignacionControl& a = aControles[grupo.aiControles[k]];
            a.Limpia();
            a.m_iTipo = CONTROL_EJE;
            CopiaGuid(&a, apGuids[g]);
            a.m_iEje = kEjeHorizontal;
            a.m_iDireccion = k == 0 ? kDireccionIzquierda : kDireccionDerecha;
        }
        CapturaBotonMando(apGuids[g], kBotonAccion, &aControles[grupo.aiControles[2]]);
        CapturaBotonMando(apGuids[g], kBotonArriba, &aControles[grupo.aiControles[3]]);
    }
}

// ---------------------------------------------------------------------------
// Creation and release

CMenuControles::~CMenuControles()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuControles::InicializaCampos()
{
    m_pCabecera1 = m_pCabecera2 = nullptr;
    for (int i = 0; i < kNumControles; ++i) {
        m_apTitulos[i] = m_apValores[i] = nullptr;
        m_apBotones[i] = nullptr;
    }
    m_pBotonVolver = m_pBotonAutoconfigura = m_pBotonRefresca = nullptr;
    m_pCaja = nullptr;
    m_pSPMPanel = nullptr;
    m_pTextoCaptura = m_pTextoAviso = nullptr;
    m_bAviso = false;
    m_iCaptura = kNingunaCaptura;
    m_iEstadoCaja = CAJA_INACTIVA;
}

void CMenuControles::LiberaPropios()
{
    // A box still registered with the core goes from there first.
    if (m_pCaja && m_iEstadoCaja == CAJA_MOSTRADA && g_pAplicacion) g_pAplicacion->QuitaMenu(m_pCaja);
    tazmo::Borra(m_pCabecera1);
    tazmo::Borra(m_pCabecera2);
    for (int i = 0; i < kNumControles; ++i) {
        tazmo::Borra(m_apTitulos[i]);
        tazmo::Borra(m_apValores[i]);
        tazmo::Borra(m_apBotones[i]);
    }
    tazmo::Borra(m_pBotonVolver);
    tazmo::Borra(m_pBotonAutoconfigura);
    tazmo::Borra(m_pBotonRefresca);
    tazmo::Borra(m_pCaja);
    tazmo::BorraSPM(m_pSPMPanel);
    for (Sprite** pp : {&m_pTextoCaptura, &m_pTextoAviso}) {
        if (*pp && g_pSistema2D) g_pSistema2D->AlliberaSprite(*pp, false);
        *pp = nullptr;
    }
    m_iEstadoCaja = CAJA_INACTIVA;
    m_iCaptura = kNingunaCaptura;
}

void CMenuControles::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuControles::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    if (!CBaseMenu::Crea("MenuControles", juego::paquete::TITULO_CONTROLES, nullptr, juego::musica::MENU_MUSIC,
                         nullptr, true, false, false))
        return false;
    if (!Construye()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMenuControles::Construye()
{
    auto Texto = [](float x, float y, const char* szCodigo, const char* szLiteral) -> CCuadreText* {
        auto* p = new (std::nothrow) CCuadreText;
        const bool bBien = p && (szLiteral ? p->IniciaConTexto(x, y, kAnchoTexto, kAltoTexto, kEstiloTexto, kFuente,
                                                               szLiteral, kFormato, kEscala, kEscala)
                                           : p->IniciaConIdTexto(x, y, kAnchoTexto, kAltoTexto, kEstiloTexto, kFuente,
                                                                 CodigoFLI(szCodigo), kFormato, kEscala, kEscala));
        if (bBien) return p;
        delete p;
        return nullptr;
    };
    if (!(m_pCabecera1 = Texto(kCabecera1X, kCabeceraY, juego::texto::MC01, nullptr))) return false;
    if (!(m_pCabecera2 = Texto(kCabecera2X, kCabeceraY, juego::texto::MC02, nullptr))) return false;
    for (int i = 0; i < kNumControles; ++i) {
        const float x = kAnchoColumna * static_cast<float>(Columna(i));
        const float y = kPrimeraFilaY + kAltoFila * static_cast<float>(Fila(i));
        if (!(m_apTitulos[i] = Texto(x, y, kTitulos[i], nullptr))) return false;
        // The value is written at each opening.
        if (!(m_apValores[i] = Texto(x + kValorX, y, nullptr, " "))) return false;
        char szNombre[CMenuObj::kLongitudNombre];
        std::snprintf(szNombre, sizeof szNombre, "MENUCONTROLES_BUT_Control%d", i);
        m_apBotones[i] = new (std::nothrow) CButo;
        if (!m_apBotones[i] ||
            !m_apBotones[i]->Inicia(x + kValorX, y, kAnchoTexto, kAltoBoton, kEstiloBoton, i, szNombre))
            return false;
    }
    CButo** apDerecha[] = {&m_pBotonVolver, &m_pBotonAutoconfigura, &m_pBotonRefresca};
    for (size_t k = 0; k < std::size(kBotones); ++k) {
        const FilaBoton& f = kBotones[k];
        auto* p = new (std::nothrow) CButo;
        *apDerecha[k] = p;
        if (!p || !p->IniciaConIdTexto(f.x, kBotonesY, kAnchoBoton, kAltoBoton, kEstiloBoton, kFuente,
                                       CodigoFLI(f.szTexto), kEscala, kFormato, f.iId, f.szNombre))
            return false;
    }
    m_pCaja = new (std::nothrow) CMessageBox;
    const BotonMensaje botones[2] = {{CodigoFLI(juego::texto::AC02), -1, false, false},
                                     {CodigoFLI(juego::texto::AC03), -1, true, false}};
    if (!m_pCaja || !m_pCaja->IniciaConIdTexto(CodigoFLI(juego::texto::AC01), kCajaAncho, kCajaAlto, 2, botones,
                                               kFuente, kFlagsCaja, 0, "MENUCONTROLES_MsgBox", nullptr))
        return false;
    if (!(m_pSPMPanel = tazmo::CopiaSPM(juego::paquete::MSGBOX))) return false;
    if (!g_pSistema2D) return false;
    m_pTextoCaptura = g_pSistema2D->CreaSpriteText(kFuente, nullptr, CodigoFLI(juego::texto::MC40), kFormato, kEscala,
                                                   kEscala, kPanelAncho, kPanelAlto, 0.0f, 0.0f, 0.0f, 0.0f, -1.0f,
                                                   -1.0f, false);
    m_pTextoAviso = g_pSistema2D->CreaSpriteText(kFuente, nullptr, CodigoFLI(juego::texto::MC41), kFormato, kEscala,
                                                 kEscala, kAvisoAncho, kAvisoAlto, 0.0f, 0.0f, 0.0f, 0.0f, -1.0f,
                                                 -1.0f, false);
    if (!m_pTextoCaptura || !m_pTextoAviso) return false;
    g_pSistema2D->PosaColorSprite(m_pTextoAviso, kColorAviso);

    // Each binding's button over its texts: a text box under the pointer
    // takes the focus, and would take the button's clicks.
    for (int i = 0; i < kNumControles; ++i) {
        AnadeHijo(false, m_apTitulos[i], false, false);
        AnadeHijo(false, m_apValores[i], false, false);
        AnadeHijo(false, m_apBotones[i], false, false);
    }
    AnadeHijo(false, m_pCabecera1, false, false);
    AnadeHijo(false, m_pCabecera2, false, false);
    for (CButo** pp : apDerecha) AnadeHijo(false, *pp, false, false);
    // Up and down in index order, left and right between the columns; the
    // three buttons on the right link among themselves.
    for (int i = 0; i < kNumControles; ++i) {
        m_apBotones[i]->PonArriba(m_apBotones[(i + kNumControles - 1) % kNumControles]);
        m_apBotones[i]->PonAbajo(m_apBotones[(i + 1) % kNumControles]);
        CButo* pOtra = m_apBotones[(i + 5) % kNumControles];
        m_apBotones[i]->PonIzquierda(pOtra);
        m_apBotones[i]->PonDerecha(pOtra);
    }
    m_pBotonRefresca->PonAbajo(m_pBotonAutoconfigura);
    m_pBotonAutoconfigura->PonArriba(m_pBotonRefresca);
    m_pBotonAutoconfigura->PonAbajo(m_pBotonVolver);
    m_pBotonVolver->PonArriba(m_pBotonAutoconfigura);
    m_pBotonVolver->PonAbajo(m_pBotonRefresca);
    m_pBotonRefresca->PonArriba(m_pBotonVolver);
    PonCancelar(m_pBotonVolver);
    return true;
}

// ---------------------------------------------------------------------------
// Values, opening, resources

void CMenuControles::MuestraValor(int i)
{
    if (i < 0 || i >= kNumControles || !m_apValores[i] || !g_pPreferencias) return;
    m_apValores[i]->PonTexto(g_pPreferencias->m_aControles[i].NombreVisible(), kFormato, kEscala, kEscala);
}

void CMenuControles::MuestraValores()
{
    for (int i = 0; i < kNumControles; ++i) MuestraValor(i);
}

void CMenuControles::CargaRecursos()
{
    if (RecursosCargados()) return;
    MuestraValores();
    tazmo::MarcaSPM(m_pSPMPanel, true);
    if (g_pSistema2D) {
        for (Sprite* p : {m_pTextoCaptura, m_pTextoAviso})
            if (p) g_pSistema2D->MarcaSpriteEnUs(p);
    }
    CBaseMenu::CargaRecursos();
}

void CMenuControles::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    tazmo::MarcaSPM(m_pSPMPanel, false);
    if (g_pSistema2D) {
        for (Sprite* p : {m_pTextoCaptura, m_pTextoAviso})
            if (p) g_pSistema2D->DesmarcaSpriteEnUs(p);
    }
    CBaseMenu::DescargaRecursos();
}

void CMenuControles::IniciaTransicion(bool bEntrada)
{
    // Controllers plugged in since the last look are found at each opening.
    if (bEntrada) {
        EnumeraMandos();
        MuestraValores();
    }
    CBaseMenu::IniciaTransicion(bEntrada);
}

void CMenuControles::PonEnfocado(bool bEnfocado)
{
    CBaseMenu::PonEnfocado(bEnfocado);
    if (bEnfocado && m_apBotones[0]) EnfocaHijo(m_apBotones[0]);
}

// ---------------------------------------------------------------------------
// Capturing a binding

void CMenuControles::EmpiezaCaptura(int i)
{
    m_iCaptura = i;
    for (CButo* p : m_apBotones) p->PonVisible(false);
    for (CButo* p : {m_pBotonVolver, m_pBotonAutoconfigura, m_pBotonRefresca}) p->PonVisible(false);
}

void CMenuControles::TerminaCaptura(const AsignacionControl& a)
{
    const int i = m_iCaptura;
    if (g_pPreferencias) g_pPreferencias->AsignaControl(i, a);
    MuestraValor(i);
    EnumeraMandos();
    m_iCaptura = kNingunaCaptura;
    for (CButo* p : m_apBotones) p->PonVisible(true);
    for (CButo* p : {m_pBotonVolver, m_pBotonAutoconfigura, m_pBotonRefresca}) p->PonVisible(true);
}

bool CMenuControles::TrataBotonRaton(int iRaton, int iEvento, float x, float y)
{
    if (!Capturando()) return CBaseMenu::TrataBotonRaton(iRaton, iEvento, x, y);
    AsignacionControl a;
    if (CapturaRaton(iRaton, iEvento, &a)) TerminaCaptura(a);
    return true;
}

bool CMenuControles::TrataTecla(int iTecla)
{
    if (!Capturando()) return CBaseMenu::TrataTecla(iTecla);
    AsignacionControl a;
    if (CapturaTecla(iTecla, &a)) TerminaCaptura(a);
    return true;
}

bool CMenuControles::TrataEjeMando(CMando* pMando, int iEje, int iValor)
{
    if (!Capturando()) return CBaseMenu::TrataEjeMando(pMando, iEje, iValor);
    AsignacionControl a;
    if (pMando && CapturaEje(pMando->Guid(), iEje, iValor, &a)) TerminaCaptura(a);
    return true;
}

bool CMenuControles::TrataBotonMando(CMando* pMando, int iBoton)
{
    if (!Capturando()) return CBaseMenu::TrataBotonMando(pMando, iBoton);
    AsignacionControl a;
    if (pMando && CapturaBotonMando(pMando->Guid(), iBoton, &a)) TerminaCaptura(a);
    return true;
}

// ---------------------------------------------------------------------------
// Events and update

void CMenuControles::AutoConfiguraMandos()
{
    if (!g_pPreferencias) return;
    const CMando* m1 = MandoConectado(0);
    const CMando* m2 = MandoConectado(1);
    AutoConfigura(m1 ? m1->Guid() : nullptr, m2 ? m2->Guid() : nullptr, g_pPreferencias->m_aControles);
    MuestraValores();
}

void CMenuControles::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (m_iEstadoCaja == CAJA_POR_MOSTRAR) return;
    if (iTipo != EVENTO_PULSADO) {
        CBaseMenu::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
        return;
    }
    switch (iIdEmisor) {
    case ID_VOLVER:
        if (g_pPreferencias) g_pPreferencias->Guarda();
        Cierra(false);
        break;
    case ID_AUTOCONFIGURA:
        AutoConfiguraMandos();
        break;
    case ID_REFRESCA:
        EnumeraMandos();
        break;
    default:
        if (iIdEmisor >= 0 && iIdEmisor < kNumControles) EmpiezaCaptura(iIdEmisor);
        break;
    }
}

void CMenuControles::ActualizaCaja()
{
    switch (m_iEstadoCaja) {
    case CAJA_POR_MOSTRAR:
        if (g_pAplicacion) g_pAplicacion->AnadeMenu(m_pCaja);
        m_iEstadoCaja = CAJA_MOSTRADA;
        break;
    case CAJA_MOSTRADA: {
        const int r = m_pCaja->m_iRespuesta;
        if (r == -1) break;
        m_pCaja->m_iRespuesta = -1;
        if (r == kRespuestaSi) AutoConfiguraMandos();
        if (r == kRespuestaSi || r == kRespuestaNo) {
            if (g_pAplicacion) g_pAplicacion->QuitaMenu(m_pCaja);
            EnumeraMandos();
            m_iEstadoCaja = CAJA_INACTIVA;
        }
        break;
    }
    default:
        CBaseMenu::Actualiza();
        break;
    }
}

void CMenuControles::RevisaDisponibles()
{
    // A binding whose controller is missing is red, and the warning shows
    // until every such controller is found again.
    m_bAviso = false;
    if (!g_pPreferencias) return;
    for (int i = 0; i < kNumControles; ++i) {
        const bool bDisponible = g_pPreferencias->m_aControles[i].EstaDisponible();
        if (m_apValores[i]) {
            if (bDisponible)
                m_apValores[i]->PonColor(255, 255, 255);
            else
                m_apValores[i]->PonColor(255, 0, 0);
        }
        if (!bDisponible) m_bAviso = true;
    }
}

void CMenuControles::Actualiza()
{
    ActualizaCaja();
    RevisaDisponibles();
}

void CMenuControles::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    CBaseMenu::Dibuja(pHastaHijo, pDestino);
    if (!g_pSistema2D) return;
    const int iAlfa = static_cast<int>(ProgresoApertura() * 255.0f);
    if (m_bAviso && m_pTextoAviso)
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_pTextoAviso, kAvisoX, kAvisoY, false, iAlfa, 0.0f, 1.0f, 1.0f);
    if (Capturando()) {
        if (m_pSPMPanel) DibujaPanelSPM(pDestino, m_pSPMPanel, kPanelX, kPanelY, kPanelAncho, kPanelAlto);
        if (m_pTextoCaptura)
            g_pSistema2D->DibuixaSpriteEX(pDestino, m_pTextoCaptura, kPanelX, kPanelY, false, iAlfa, 0.0f, 1.0f,
                                          1.0f);
    }
}
