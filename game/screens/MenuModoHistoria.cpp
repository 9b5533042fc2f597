#include "game/screens/MenuModoHistoria.h"

#include "engine/audio/GestorSonido.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/GestorRatones.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Lineas.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "engine/ui/MenuJapSecuencia.h"
#include "engine/ui/TransMusica.h"
#include "game/CatalogoJuego.h"
#include "game/Personajes.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/MenuJuego.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Perfiles.h"
#include "game/profiles/RegistroPerfil.h"
#include "game/screens/MenuCreditos.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuPerfil.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/MenuPresentacionCapitulo.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "game/story/JapSecTazmo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
constexpr const char* kNombre = "MenuModoHistoria";
constexpr const char* kNombreMsgBox = "MENUMODOHISTORIA_MsgBox";
constexpr const char* kNombreMsgBox3 = "MENUMODOHISTORIA_MsgBox3";
constexpr const char* kCanalMusica = "CANAL_MUSICA_ODL";

// The buttons along the bottom.
constexpr float kVolverX = 842.0f, kVolverY = 712.0f;
constexpr float kJugarX = 182.0f, kJugarY = 712.0f;
// A stage's hot spot: no caption, 50 wide, no frame, no glow.
constexpr int kFlagsEtapa = CBotonTazmo::SIN_MARCO | CBotonTazmo::MINIMO | CBotonTazmo::SIN_BRILLO;
// The three icons fly out of the middle of the map to their places.
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr float kIconosY = 710.0f;
constexpr float kAyudaX = 417.0f, kCofreX = 512.0f, kLeyendaX = 607.0f;
constexpr float kRadioIcono = 64.0f, kRadioCofre = 96.0f;
constexpr float kEscalaIcono = 0.4f, kEscalaCofre = 0.5f;

// The opening and closing: 15 steps, the zoom from 0.7 by 0.02 a step.
constexpr float kZoomInicial = 0.7f, kPasoZoom = 0.02f;
constexpr float kPasoCamino = 1.0f / 1024.0f;
constexpr float kDestelloRevelado = 1.5f, kDestelloTenue = 0.1f, kPasoDestello = 0.03f;
constexpr float kPasoResalte = 0.2f;
constexpr float kPasoOla = 0.1f;
constexpr float kPasoBrillo = 0.1f;
constexpr float kEscalaSobreMaxima = 1.3f, kPasoEscalaSobre = 0.1f;
constexpr float kPasoAro = 0.01f;
constexpr std::array<float, 3> kArosIniciales = {0.5f, 1.0f, 1.5f};

// Slots of the stage markers' package.
enum {
    MARCA_ETAPA = 0,
    MARCA_PRIMERA = 2,
    MARCA_ARO = 4,
    MARCA_MEJOR_JUGADA = 5,
};

const ColorRGB kBlanco{255, 255, 255};

// The play button's caption by progress.
const char* CodigoJugar(int iProgreso)
{
    if (iProgreso <= 0) return juego::texto::MH01;
    if (iProgreso >= CMenuModoHistoria::kNumEtapas) return juego::texto::MH03;
    return juego::texto::MH02;
}

// The markers the story unlocks at its three points, four difficulties each.
struct DesbloqueoModos {
    int iUmbral;
    const char* szPrefijo;
};
constexpr DesbloqueoModos kDesbloqueosModos[3] = {
    {26, "m_pBoton_Concentrar_JugarA20_Dif"},
    {39, "m_pBoton_Sellos_Peque1_Dif"},
    {47, "m_pBoton_Ataques_Jugar_Dif"},
};

std::string MarcadorModo(const char* szPrefijo, int iDificultad)
{
    return std::string(szPrefijo) + std::to_string(iDificultad);
}

CGestorDesbloqueos* Gestor() { return g_pMenuMaestro ? g_pMenuMaestro->GestorDesbloqueos() : nullptr; }


} // namespace

// ---- Tables ----

const std::array<CMenuModoHistoria::Punto, CMenuModoHistoria::kNumEtapas> CMenuModoHistoria::PosicionesEtapas = {{
    {64, 256},  {64, 320},  {64, 384},                                                       // chapter 0
    {128, 384}, {192, 320}, {256, 256}, {320, 256},                                          // 1
    {320, 320}, {256, 384}, {192, 448}, {128, 512}, {64, 576},                               // 2
    {64, 640},  {128, 640},                                                                  // 3
    {192, 576}, {256, 512}, {320, 448}, {384, 384}, {448, 320}, {512, 256},                  // 4
    {576, 256}, {576, 320}, {512, 384}, {448, 448}, {384, 512}, {320, 576},                  // 5
    {320, 640}, {384, 640}, {448, 576},                                                      // 6
    {512, 512}, {576, 448}, {640, 384}, {704, 320}, {768, 256}, {832, 256}, {832, 320},      // 7
    {768, 384}, {704, 448}, {640, 512},                                                      // 8
    {576, 576}, {576, 640}, {640, 640}, {704, 576}, {768, 512},                              // 9
    {832, 448}, {896, 384}, {960, 384}, {960, 448}, {896, 512},                              // 10
    {832, 576}, {832, 640}, {896, 640}, {960, 576},                                          // 11
}};

const std::array<std::array<int, 2>, CMenuModoHistoria::kNumEtapas> CMenuModoHistoria::PersonajesEtapa = {{
    {6, 7}, {6, 7}, {6, 7},
    {2, 5}, {2, 5}, {2, 5}, {2, 5},
    {6, 4}, {6, 4}, {4, 6}, {2, 1}, {7, 4},
    {2, 0}, {2, 0},
    {6, 1}, {6, 1}, {6, 1}, {6, 1}, {6, 0}, {2, 0},
    {7, 2}, {7, 2}, {7, 1}, {7, 1}, {7, 0}, {7, 5},
    {2, 3}, {2, 3}, {6, 6},
    {6, 8}, {6, 8}, {7, 7}, {2, 3}, {4, 3}, {2, 7}, {7, 2},
    {6, 8}, {6, 8}, {7, 3},
    {6, 8}, {6, 8}, {4, 8}, {7, 8}, {7, 8},
    {6, 8}, {0, 8}, {2, 8}, {6, 8}, {1, 8},
    {8, 8}, {8, 8}, {8, 8}, {8, 8},
}};

const std::array<CMenuModoHistoria::Retrato, CMenuModoHistoria::kNumRetratos> CMenuModoHistoria::RetratosMapa = {{
    {"Adeletia", juego::paquete::COMPLETO_ADELETIA, {583, 634}, 2, 4},
    {"Aldunia", juego::paquete::COMPLETO_ALDUNIA, {470, 682}, 6, 5},
    {"Alfatima", juego::paquete::COMPLETO_ALFATIMA, {364, 634}, 1, 2},
    {"Asesino", juego::paquete::COMPLETO_ASESINO, {759, 634}, 3, 7},
    {"Franz", juego::paquete::COMPLETO_FRANZ, {108, 682}, 4, 6},
    {"Irina", juego::paquete::COMPLETO_IRINA, {707, 682}, 7, 3},
    {"Maida", juego::paquete::COMPLETO_MAIDA, {236, 682}, 5, 0},
    {"Stokinnen", juego::paquete::COMPLETO_STOKINNEN, {240, 674}, 0, 1},
    {"Teresia", juego::paquete::COMPLETO_TERESIA, {926, 682}, 8, 8},
}};

const std::array<const char*, NUM_LOGROS> CMenuModoHistoria::MensajesLogrosHistoria = [] {
    std::array<const char*, NUM_LOGROS> a{};
    a[LOGRO_HISTORIA] = juego::texto::MH12;
    a[LOGRO_CAPITULO] = juego::texto::MH11;
    a[LOGRO_COFRE] = juego::texto::MH17;
    a[LOGRO_CONCENTRAR] = juego::texto::MH13;
    a[LOGRO_SELLOS] = juego::texto::MH14;
    a[LOGRO_ATAQUES] = juego::texto::MH15;
    for (int k = 6; k < NUM_LOGROS; ++k) a[static_cast<size_t>(k)] = juego::texto::MH16;
    return a;
}();

const std::array<CMenuModoHistoria::SubidaContador, 7> CMenuModoHistoria::EtapasContadorMapa = {{
    {0, 0, 2}, {1, 0, 1}, {1, 1, 1}, {1, 3, 2}, {2, 0, 1}, {6, 1, 1}, {7, 0, 1},
}};

// ---- Decisions ----

int CMenuModoHistoria::CapituloDe(int iEtapa)
{
    int c = 0, p = 0;
    return CapituloYParte(iEtapa, c, p) ? c : -1;
}

bool CMenuModoHistoria::EmpiezaCapitulo(int iEtapa)
{
    int c = 0, p = 0;
    return CapituloYParte(iEtapa, c, p) && p == 0;
}

bool CMenuModoHistoria::EsUltimaDeCapitulo(int iEtapa)
{
    if (iEtapa == kNumEtapas || iEtapa == kNumEtapas - 1) return true;
    const int c = CapituloDe(iEtapa);
    return c >= 0 && CapituloDe(iEtapa + 1) != c;
}

bool CMenuModoHistoria::EsEtapaLineaMaxima(int iEtapa)
{
    int c = 0, p = 0;
    if (!CapituloYParte(iEtapa, c, p)) return false;
    for (const EtapaCapitulo& e : EtapasLineaMaxima)
        if (e.m_iCapitulo == c && e.m_iParte == p) return true;
    return false;
}

bool CMenuModoHistoria::SubeLineaMaximaEn(int iEtapa, int iProgreso)
{
    return iEtapa == iProgreso && EsEtapaLineaMaxima(iEtapa);
}

int CMenuModoHistoria::SubidaContadorEtapa(int iEtapa)
{
    int c = 0, p = 0;
    if (!CapituloYParte(iEtapa, c, p)) return 0;
    int n = 0;
    for (const SubidaContador& s : EtapasContadorMapa)
        if (s.iCapitulo == c && s.iParte == p) n += s.iCuenta;
    return n;
}

int CMenuModoHistoria::RetratoRevelado(int k)
{
    for (int i = 0; i < kNumRetratos; ++i)
        if (RetratosMapa[static_cast<size_t>(i)].iUmbral == k) return i;
    return -1;
}

int CMenuModoHistoria::AcotaProgreso(int iProgreso) { return std::clamp(iProgreso, 0, kNumEtapas); }

std::string CMenuModoHistoria::NombreBoton(int iEtapa)
{
    return "MENUMODOHISTORIA_BUT_Capitulo" + std::to_string(iEtapa);
}

int CMenuModoHistoria::CodigoEtapa(int iEtapa)
{
    int c = 0, p = 0;
    if (!CapituloYParte(iEtapa, c, p)) return -1;
    char sz[5];
    std::snprintf(sz, sizeof sz, "C%02d%d", c + 2, p);
    return CodigoFLI(sz);
}

bool CMenuModoHistoria::SubeLineaMaxima(int iEtapa) const { return SubeLineaMaximaEn(iEtapa, Progreso()); }

// ---- Creation and release ----

CMenuModoHistoria::~CMenuModoHistoria()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuModoHistoria::InicializaCampos()
{
    m_iEstado = ESTADO_INACTIVO;
    m_szAvisoPendiente = nullptr;
    m_fFaseCamino = 0.0f;
    m_afDestello.fill(kDestelloTenue);
    m_afResalte.fill(0.0f);
    m_afOla.fill(0.0f);
    m_afEscalaSobre.fill(0.0f);
    m_iUltimoContador = -1;
    m_iSubidaContador = m_iContadorAnterior = 0;
    m_iUltimoProgreso = 0;
    m_iCapituloSobre = -1;
    m_fBrilloCapitulo = 0.0f;
    m_afAros = kArosIniciales;
    m_pTransMusica = nullptr;
    m_apEtapas.fill(nullptr);
    m_iEtapa = 0;
    m_bMapaVisible = true;
    m_pBotonVolver = m_pBotonJugar = nullptr;
    m_pBotonAyuda = m_pBotonCofre = m_pBotonLeyenda = nullptr;
    m_pMsgBox = nullptr;
    m_pSPMFondo = m_pSPMElemsTitulo = m_pSPMTitulo = m_pSPMCamino = m_pSPMMarcas = m_pSPMAro = nullptr;
    m_apRetratos.fill(nullptr);
    m_iContadorApertura = 0;
    m_iAlfa = 0;
    m_fZoom = 0.0f;
    m_abLogros.fill(0);
    m_bFinHistoriaContado = m_bFinCapituloContado = false;
    m_bVictoriaPendiente = false;
    m_bMensajeAbierto = false;
    m_pJapSecTazmo = nullptr;
}

void CMenuModoHistoria::LiberaPropios()
{
    for (CBotonTazmo*& p : m_apEtapas) tazmo::Borra(p);
    tazmo::Borra(m_pBotonVolver);
    tazmo::Borra(m_pBotonJugar);
    tazmo::Borra(m_pBotonAyuda);
    tazmo::Borra(m_pBotonCofre);
    tazmo::Borra(m_pBotonLeyenda);
    tazmo::Borra(m_pMsgBox);
    for (CSPM** pp : {&m_pSPMFondo, &m_pSPMElemsTitulo, &m_pSPMTitulo, &m_pSPMCamino, &m_pSPMMarcas, &m_pSPMAro})
        tazmo::BorraSPM(*pp);
    for (CSPM*& p : m_apRetratos) tazmo::BorraSPM(p);
    tazmo::Borra(m_pTransMusica);
    tazmo::Borra(m_pJapSecTazmo);
}

void CMenuModoHistoria::Libera()
{
    LiberaPropios();
    m_bCreado = false;
}

bool CMenuModoHistoria::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    if (!CMenuObj::Inicia(-1, kNombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1)) return false;
    auto falla = [this] {
        LiberaSiIniciado();
        Libera();
        return false;
    };
    const int32_t iBloq = CodigoFLI(juego::texto::BLOQ);

    struct FilaBoton {
        CBotonTazmo** pp;
        float x, y;
        const char* szTexto;
        int iId;
        const char* szNombre;
    };
    const FilaBoton botones[] = {
        {&m_pBotonVolver, kVolverX, kVolverY, juego::texto::VOLV, ID_VOLVER, "MENUMODOHISTORIA_BUT_Volver"},
        {&m_pBotonJugar, kJugarX, kJugarY, juego::texto::MH01, ID_JUGAR, "MENUMODOHISTORIA_BUT_Jugar"},
    };
    for (const FilaBoton& f : botones) {
        *f.pp = new (std::nothrow) CBotonTazmo;
        if (!*f.pp || !(*f.pp)->Inicia(kSonidoFoco, kSonidoPulsar, f.x, f.y, CodigoFLI(f.szTexto), iBloq, -1, -1, 0,
                                       f.iId, f.szNombre))
            return falla();
    }
    for (int i = 0; i < kNumEtapas; ++i) {
        CBotonTazmo*& p = m_apEtapas[static_cast<size_t>(i)];
        p = new (std::nothrow) CBotonTazmo;
        const Punto& q = PosicionesEtapas[static_cast<size_t>(i)];
        if (!p || !p->Inicia(kSonidoFoco, kSonidoPulsar, q.x, q.y, -1, iBloq, iBloq, iBloq, kFlagsEtapa,
                             ID_PRIMERA_ETAPA + i, NombreBoton(i).c_str()))
            return falla();
        // The hot spot sits on the marker the map draws.
        p->ColocaEnCentro(q.x, q.y);
    }
    m_pMsgBox = new (std::nothrow) CMsgBoxTazmo;
    if (!m_pMsgBox) return falla();

    struct FilaIcono {
        CBotonIconoTazmo** pp;
        const char* szPaquete;
        float xFin;
        float fRadio, fEscala;
        const char* szAyuda;
        int iId;
        const char* szNombre;
    };
    const FilaIcono iconos[] = {
        {&m_pBotonAyuda, juego::paquete::ICO_CAPITULOS, kAyudaX, kRadioIcono, kEscalaIcono, juego::texto::MH04,
         ID_AYUDA, "MENUMODOHISTORIA_BUT_Ayuda"},
        {&m_pBotonCofre, juego::paquete::ICONO_COFRE, kCofreX, kRadioCofre, kEscalaCofre, juego::texto::MP04,
         ID_COFRE, "MPrin_BotonCofreTesoro"},
        {&m_pBotonLeyenda, juego::paquete::ICO_LEYENDA, kLeyendaX, kRadioIcono, kEscalaIcono, juego::texto::MH05,
         ID_LEYENDA, "MENUMODOHISTORIA_BUT_Leyenda"},
    };
    for (const FilaIcono& f : iconos) {
        *f.pp = new (std::nothrow) CBotonIconoTazmo;
        if (!*f.pp || !(*f.pp)->Inicia(f.szPaquete, 0, kSonidoFoco, kSonidoPulsar, kCentroX, kCentroY, f.xFin,
                                       kIconosY, false, f.fRadio, f.fRadio, f.fEscala, CodigoFLI(f.szAyuda), 0, f.iId,
                                       f.szNombre))
            return falla();
    }

    struct FilaPaquete {
        CSPM** pp;
        const char* szRuta;
    };
    const FilaPaquete paquetes[] = {
        {&m_pSPMFondo, juego::paquete::FONDO_MAIDA},
        {&m_pSPMElemsTitulo, juego::paquete::ELEMS_TITULO_MENU_FLOTANTE},
        {&m_pSPMTitulo, juego::paquete::TITULO_MENU_HISTORIA},
        {&m_pSPMCamino, juego::paquete::SEL_LIN_MAIDA},
        {&m_pSPMMarcas, juego::paquete::ELEMS_MENU_HISTORIA},
        {&m_pSPMAro, juego::paquete::ARO_DE_TEXTO},
    };
    for (const FilaPaquete& f : paquetes)
        if (!(*f.pp = tazmo::CopiaSPM(f.szRuta))) return falla();
    for (int k = 0; k < kNumRetratos; ++k)
        if (!(m_apRetratos[static_cast<size_t>(k)] = tazmo::CopiaSPM(RetratosMapa[static_cast<size_t>(k)].szPaquete)))
            return falla();

    m_pTransMusica = new (std::nothrow) CTransMusica;
    if (!m_pTransMusica || !m_pTransMusica->Inicia(juego::musica::MUSICA_MENUS)) return falla();
    m_pJapSecTazmo = new (std::nothrow) CJapSecTazmo;
    if (!m_pJapSecTazmo) return falla();

    // Bottom to top: back, play, the music, the stages, help, chest, legend.
    AnadeHijo(false, m_pBotonVolver, false, false);
    AnadeHijo(false, m_pBotonJugar, false, false);
    AnadeHijo(false, m_pTransMusica, false, false);
    for (CBotonTazmo* p : m_apEtapas) AnadeHijo(false, p, false, false);
    AnadeHijo(false, m_pBotonAyuda, false, false);
    AnadeHijo(false, m_pBotonCofre, false, false);
    AnadeHijo(false, m_pBotonLeyenda, false, false);
    m_bCreado = true;
    return true;
}

// ---- The profile ----

RegistroPerfil* CMenuModoHistoria::Perfil() const { return PerfilActualJuego(); }

int CMenuModoHistoria::Progreso() const
{
    const RegistroPerfil* p = Perfil();
    return p ? AcotaProgreso(p->Bloque().m_aiDatos[BloqueDificultad::PROGRESO_HISTORIA]) : 0;
}

int CMenuModoHistoria::Contador() const
{
    const RegistroPerfil* p = Perfil();
    return p ? std::clamp(p->Bloque().m_aiDatos[BloqueDificultad::CONTADOR_MAPA], 0, kMaxContador) : 0;
}

// ---- Opening and closing ----

bool CMenuModoHistoria::EnTransicion()
{
    if (m_iEstado == ESTADO_REVELA || m_iEstado == ESTADO_OLA || m_iEstado == ESTADO_REINICIO) return true;
    return m_iContadorApertura != 0 || CMenuObj::EnTransicion();
}

void CMenuModoHistoria::IniciaTransicion(bool bEntrada)
{
    const int iProgreso = Progreso();
    if (bEntrada) {
        if (m_iUltimoContador == -1) m_iUltimoContador = Contador();
        for (int i = 0; i < kNumEtapas; ++i)
            if (CBotonTazmo* b = m_apEtapas[static_cast<size_t>(i)]) {
                const int iCodigo = i <= iProgreso ? CodigoEtapa(i) : CodigoFLI(juego::texto::BLOQ);
                b->m_iCodigoAyuda = b->m_iCodigoAyudaBloqueado = iCodigo;
            }
    }
    // While its children chain scenes and play, the map stays hidden.
    if (!m_bMapaVisible && m_iEstado != ESTADO_INACTIVO && m_iEstado != ESTADO_MENSAJES) return;
    m_bMapaVisible = true;
    if (bEntrada) {
        m_fZoom = kZoomInicial;
        m_iContadorApertura = kPasosApertura;
        m_iAlfa = 0;
        m_afOla.fill(0.0f);
        m_afOla[0] = 0.0001f;
        if (m_pBotonVolver) EnfocaHijo(m_pBotonVolver);
        m_iEstado = ESTADO_REVELA;
        const int c = Contador();
        const int g = m_iUltimoContador;
        if (c == g) {
            if (iProgreso != m_iUltimoProgreso) {
                m_iEstado = ESTADO_OLA;
                m_iUltimoProgreso = iProgreso;
                m_afOla.fill(0.0f);
            }
        } else {
            m_iContadorAnterior = g;
            m_iSubidaContador = c - g;
            m_iUltimoContador = c;
            for (int k = 0; k < m_iSubidaContador; ++k) {
                const int r = RetratoRevelado(g + k);
                if (r >= 0) m_afDestello[static_cast<size_t>(r)] = kDestelloRevelado;
            }
            m_afDestello[0] = kDestelloTenue;
        }
        // The menus' own tune gives way to the map's.
        if (g_pGestorSonido) g_pGestorSonido->ParaCanal(g_pGestorSonido->GetCanal(kCanalMusica), false);
    } else {
        m_iContadorApertura = -kPasosApertura;
    }
    if (m_pBotonJugar) m_pBotonJugar->CambiaTextos(CodigoFLI(juego::texto::BLOQ), CodigoFLI(CodigoJugar(iProgreso)));
    CMenuObj::IniciaTransicion(bEntrada);
}

// ---- Messages ----

bool CMenuModoHistoria::MensajeAbierto() const { return m_bMensajeAbierto; }

void CMenuModoHistoria::AbreMensaje(bool bGrande, const char* szCodigo, const char* szNombre)
{
    if (!m_pMsgBox) return;
    const BotonMensaje boton = {CodigoFLI(juego::texto::ACEP), -1, true, false};
    if (!m_pMsgBox->Inicia(bGrande, nullptr, CodigoFLI(szCodigo), 1, &boton, CMsgBoxTazmo::AJUSTA_TEXTO, ID_MSGBOX,
                           szNombre))
        return;
    AnadeHijo(false, m_pMsgBox, true, false);
    m_bMensajeAbierto = true;
    m_iCodigoMensaje = CodigoFLI(szCodigo);
}

void CMenuModoHistoria::QuitaMensaje()
{
    if (!m_pMsgBox) return;
    m_pMsgBox->m_iResultado = -1;
    QuitaHijo(false, m_pMsgBox);
    m_bMensajeAbierto = false;
}

bool CMenuModoHistoria::EvaluaLogros()
{
    m_abLogros.fill(0);
    RegistroPerfil* pPerfil = Perfil();
    CGestorDesbloqueos* pGestor = Gestor();
    const int iProgreso = Progreso();
    // The story's and a chapter's end are told after a victory won since the
    // map last told one or was last left, never from what an earlier visit
    // (or another profile) left behind.
    if (!m_bFinHistoriaContado && m_bVictoriaPendiente && m_iEtapa == kNumEtapas) {
        m_abLogros[LOGRO_HISTORIA] = 1;
        m_bFinHistoriaContado = true;
        m_bVictoriaPendiente = false;
    }
    if (pPerfil && pGestor && pPerfil->EstaDesbloqueado("MPrin_BotonCofreTesoro") &&
        !pPerfil->EstaDesbloqueado("AvisoCofreTesoro")) {
        m_abLogros[LOGRO_COFRE] = 1;
        pGestor->Desbloquea("AvisoCofreTesoro", false);
    }
    if (!m_bFinHistoriaContado && !m_bFinCapituloContado && !m_abLogros[LOGRO_HISTORIA] && m_bVictoriaPendiente &&
        m_iEtapa > 0 && EmpiezaCapitulo(m_iEtapa)) {
        m_abLogros[LOGRO_CAPITULO] = 1;
        m_bFinCapituloContado = true;
        m_bVictoriaPendiente = false;
    }
    if (pPerfil && pGestor)
        for (int m = 0; m < 3; ++m) {
            const DesbloqueoModos& d = kDesbloqueosModos[m];
            if (iProgreso <= d.iUmbral || pPerfil->EstaDesbloqueado(MarcadorModo(d.szPrefijo, 0).c_str())) continue;
            m_abLogros[static_cast<size_t>(LOGRO_CONCENTRAR + m)] = 1;
            for (int dif = 0; dif < NUM_DIFICULTADES; ++dif)
                pGestor->Desbloquea(MarcadorModo(d.szPrefijo, dif).c_str(), false);
        }
    std::array<uint8_t, NUM_LOGROS> trofeos{};
    EvaluaTrofeos(trofeos.data());
    for (int k = 6; k < NUM_LOGROS; ++k) m_abLogros[static_cast<size_t>(k)] = trofeos[static_cast<size_t>(k)];
    return std::any_of(m_abLogros.begin(), m_abLogros.end(), [](uint8_t b) { return b != 0; });
}

void CMenuModoHistoria::ActualizaMensajes()
{
    switch (m_iEstado) {
    case ESTADO_REVELA:
        if (std::all_of(m_afDestello.begin(), m_afDestello.end(), [](float f) { return f == 0.0f; }))
            m_iEstado = ESTADO_OLA;
        break;
    case ESTADO_OLA:
        for (int i = kNumEtapas - 1; i > 0; --i) m_afOla[static_cast<size_t>(i)] = m_afOla[static_cast<size_t>(i - 1)];
        m_afOla[0] = std::min(1.0f, m_afOla[0] + kPasoOla);
        if (m_afOla[kNumEtapas - 1] >= 1.0f) {
            m_bFinHistoriaContado = m_bFinCapituloContado = false;
            if (Progreso() == 0)
                AbreMensaje(true, juego::texto::MH20, kNombreMsgBox3);
            else
                EvaluaLogros();
            // A victory is told at the opening that follows it, or never.
            m_bVictoriaPendiente = false;
            m_iEstado = ESTADO_MENSAJES;
        }
        break;
    case ESTADO_MENSAJES:
        if (m_bMensajeAbierto) {
            if (m_pMsgBox && m_pMsgBox->m_iResultado != -1) QuitaMensaje();
            break;
        }
        // A box still closing is left to finish first.
        if (m_pMsgBox && m_pMsgBox->EstaCreado() && m_pMsgBox->EnTransicion()) break;
        if (m_szAvisoPendiente) {
            AbreMensaje(false, m_szAvisoPendiente, kNombreMsgBox3);
            m_szAvisoPendiente = nullptr;
            return;
        }
        for (int k = 0; k < NUM_LOGROS; ++k)
            if (m_abLogros[static_cast<size_t>(k)]) {
                m_abLogros[static_cast<size_t>(k)] = 0;
                AbreMensaje(false, MensajesLogrosHistoria[static_cast<size_t>(k)], kNombreMsgBox);
                return;
            }
        if (!EvaluaLogros()) m_iEstado = ESTADO_INACTIVO;
        break;
    default: break;
    }
}

// ---- Stages ----

const EntradaNivel* CMenuModoHistoria::EntradaEtapa(int iEtapa) const
{
    int c = 0, p = 0;
    if (!g_pMenuMaestro || !CapituloYParte(iEtapa, c, p)) return nullptr;
    const RegistroPerfil* pPerfil = Perfil();
    return g_pMenuMaestro->m_TablaNiveles.Entrada(pPerfil ? pPerfil->m_iDificultad : DIFICULTAD_INICIAL, c, p);
}

void CMenuModoHistoria::EligeEtapa(int iEtapa)
{
    m_iEtapa = iEtapa;
    if (iEtapa > Progreso()) {
        AbreMensaje(false, juego::texto::MH10, kNombreMsgBox3);
        m_iEstado = ESTADO_MENSAJES;
        return;
    }
    EmpiezaEtapa(iEtapa);
}

void CMenuModoHistoria::EmpiezaEtapa(int iEtapa)
{
    if (iEtapa < 0 || iEtapa >= kNumEtapas) return;
    m_iEtapa = iEtapa;
    // Only a victory of this chain may be told as a chapter's end.
    m_bVictoriaPendiente = false;
    if (!EmpiezaCapitulo(iEtapa)) {
        m_iEstado = ESTADO_ESCENA_INICIAL;
        const EntradaNivel* e = EntradaEtapa(iEtapa);
        if (!TocaSecuencia(e ? e->JAPSECINTRO.c_str() : "")) {
            // Nothing was closed: the map, still open, tells the player.
            AbreMensaje(false, juego::texto::MH31, kNombreMsgBox3);
            m_iEstado = ESTADO_MENSAJES;
        }
        return;
    }
    CMenuPresentacionCapitulo* pCarta = g_pMenuMaestro ? g_pMenuMaestro->m_pMenuPresentacionCapitulo : nullptr;
    // A card that cannot be built is passed over as if play were pressed.
    if (!pCarta || !pCarta->Crea(CapituloDe(iEtapa))) {
        EmpiezaJuego(iEtapa);
        return;
    }
    AnadeHijo(true, pCarta, false, false);
    m_iEstado = ESTADO_PRESENTACION;
}

bool CMenuModoHistoria::TocaSecuencia(const char* szFichero)
{
    CMenuJapSecuencia* pHost = g_pMenuMaestro ? g_pMenuMaestro->m_pMenuJapSecuencia : nullptr;
    if (!pHost || !m_pJapSecTazmo) return true;
    const ConfigSecuenciador config = CJapSecTazmo::ConfigCaja();
    // A stage without a scene plays an empty one, finished at once: its host
    // answers at the next step and the chain goes on. A named scene that
    // does not read whole (missing, damaged) is never played half.
    m_pJapSecTazmo->Carga(szFichero, &config, 1);
    if (szFichero && szFichero[0] && !m_pJapSecTazmo->LeidoEntero()) {
        std::fprintf(stderr, "marrowgate: the story scene %s cannot be read\n", szFichero);
        m_pJapSecTazmo->Libera();
        return false;
    }
    if (!pHost->CreaConSecuenciador(m_pJapSecTazmo)) return true;
    AnadeHijo(true, pHost, false, false);
    return true;
}

void CMenuModoHistoria::VuelveAlMapaConAviso(const char* szCodigo)
{
    m_szAvisoPendiente = szCodigo;
    m_iEstado = ESTADO_INACTIVO;
    m_bMapaVisible = true;
    IniciaTransicion(true);
}

void CMenuModoHistoria::EmpiezaJuego(int iEtapa)
{
    CMenuMaestro* m = g_pMenuMaestro;
    CMenuJuego* pJuego = m ? m->m_pMenuJuego : nullptr;
    int c = 0, p = 0;
    if (!pJuego || !CapituloYParte(iEtapa, c, p)) {
        m_iEstado = ESTADO_INACTIVO;
        m_bMapaVisible = true;
        return;
    }
    const RegistroPerfil* pPerfil = Perfil();
    m->EligeNivel(c, p, pPerfil ? pPerfil->m_iDificultad : DIFICULTAD_INICIAL);
    m_iEstado = ESTADO_JUGANDO;
    if (!pJuego->IniciaNivel(m->m_NivelActual, EsUltimaDeCapitulo(iEtapa), SubeLineaMaxima(iEtapa))) {
        // Nothing to play (the stage's files missing or damaged): back to
        // the map, which says so.
        std::fprintf(stderr, "marrowgate: the story stage %d-%d could not be started\n", c, p);
        VuelveAlMapaConAviso(juego::texto::MH30);
        return;
    }
    AnadeHijo(true, pJuego, false, false);
}

void CMenuModoHistoria::TrasVictoria()
{
    GuardaVictoria();
    ++m_iEtapa;
    MarcaVictoria();
}

void CMenuModoHistoria::GuardaVictoria()
{
    RegistroPerfil* pPerfil = Perfil();
    if (pPerfil && m_iEtapa == Progreso()) {
        // A first win: the counter, the line maximum and the progress move,
        // and the profile is saved. A replay changes nothing.
        const int iSubida = SubidaContadorEtapa(m_iEtapa);
        int& iContador = pPerfil->Bloque().m_aiDatos[BloqueDificultad::CONTADOR_MAPA];
        for (int k = 0; k < iSubida; ++k) {
            iContador = std::min(iContador + 1, kMaxContador);
            pPerfil->m_bModificado = 1;
        }
        if (SubeLineaMaxima(m_iEtapa)) pPerfil->AumentaLineaMaxima();
        pPerfil->AvanzaHistoria();
        pPerfil->Guarda();
    }
}

void CMenuModoHistoria::AbreCreditos()
{
    CMenuCreditos* pCreditos = g_pMenuMaestro ? g_pMenuMaestro->m_pMenuCreditos : nullptr;
    if (!pCreditos) return;
    pCreditos->m_iModo = CMenuCreditos::MODO_HIJO;
    pCreditos->m_iCodigoFin = -1;
    AnadeHijo(true, pCreditos, false, false);
}

void CMenuModoHistoria::ActualizaHistoria()
{
    CMenuMaestro* m = g_pMenuMaestro;
    if (!m) return;
    switch (m_iEstado) {
    case ESTADO_PRESENTACION: {
        CMenuPresentacionCapitulo* pCarta = m->m_pMenuPresentacionCapitulo;
        if (!pCarta || !pCarta->m_bTerminado) break;
        QuitaHijo(true, pCarta);
        if (pCarta->m_bJugarYa) {
            EmpiezaJuego(m_iEtapa);
            break;
        }
        // The chapter's first stage is passed over.
        if (RegistroPerfil* pPerfil = Perfil(); pPerfil && m_iEtapa == Progreso()) {
            pPerfil->AvanzaHistoria();
            pPerfil->Guarda();
        }
        EmpiezaEtapa(m_iEtapa + 1);
        break;
    }
    case ESTADO_ESCENA_INICIAL:
        if (!m->m_pMenuJapSecuencia || m->m_pMenuJapSecuencia->GetResultado() == -1) break;
        QuitaHijo(true, m->m_pMenuJapSecuencia);
        EmpiezaJuego(m_iEtapa);
        break;
    case ESTADO_JUGANDO: {
        CMenuJuego* pJuego = m->m_pMenuJuego;
        if (!pJuego || pJuego->Padre() != this) break;
        switch (pJuego->Resultado()) {
        case RESULTADO_VICTORIA: {
            QuitaHijo(true, pJuego);
            m_iEstado = ESTADO_ESCENA_FINAL;
            const EntradaNivel* e = EntradaEtapa(m_iEtapa);
            const std::string sOutro = e ? e->JAPSECOUTRO : std::string();
            TrasVictoria();
            // The victory is kept whatever becomes of the scene.
            if (!TocaSecuencia(sOutro.c_str())) VuelveAlMapaConAviso(juego::texto::MH31);
            break;
        }
        case RESULTADO_REINICIO:
            // "Try again" on a won stage: the win counts before the replay.
            if (pJuego->GanadaAntesDeReiniciar()) GuardaVictoria();
            QuitaHijo(true, pJuego);
            m_iEstado = ESTADO_REINICIO;
            break;
        case RESULTADO_DERROTA:
        case RESULTADO_ABANDONO:
            QuitaHijo(true, pJuego);
            m_iEstado = ESTADO_INACTIVO;
            // The profile screen saves the current profile quietly.
            if (RegistroPerfil* pPerfil = Perfil()) pPerfil->Guarda();
            if (m->m_pMenuPerfil) {
                m->m_pMenuPerfil->CambiaModo(CMenuPerfil::MODO_GUARDA);
                AnadeHijo(true, m->m_pMenuPerfil, false, false);
            }
            break;
        default: break;
        }
        break;
    }
    case ESTADO_ESCENA_FINAL:
        if (!m->m_pMenuJapSecuencia || m->m_pMenuJapSecuencia->GetResultado() == -1) break;
        QuitaHijo(true, m->m_pMenuJapSecuencia);
        if (m_iEtapa >= kNumEtapas) {
            m_iEstado = ESTADO_CREDITOS;
            AbreCreditos();
        } else if (EmpiezaCapitulo(m_iEtapa)) {
            m_bMapaVisible = true;
        } else {
            EmpiezaJuego(m_iEtapa);
        }
        break;
    case ESTADO_CREDITOS:
        if (m->m_pMenuCreditos && m->m_pMenuCreditos->m_iCodigoFin != -1) m_bMapaVisible = true;
        break;
    default: break;
    }
}

void CMenuModoHistoria::NotificaHijoQuitado(CMenuObj* pHijo)
{
    CMenuObj::NotificaHijoQuitado(pHijo);
    CMenuMaestro* m = g_pMenuMaestro;
    if (m_iEstado != ESTADO_REINICIO || !m || !m->m_pMenuJuego || pHijo != m->m_pMenuJuego) return;
    m->m_pMenuJuego->ReiniciaNivel();
    m_iEstado = ESTADO_JUGANDO;
    AnadeHijo(true, m->m_pMenuJuego, false, false);
}

// ---- Per step ----

void CMenuModoHistoria::Actualiza()
{
    if (m_iEstado != ESTADO_CREDITOS && g_pSistemaCacheEfectos)
        g_pSistemaCacheEfectos->ActualizaCapa(tazmo::kCapaEfectosBajo);

    const int g = m_iContadorApertura;
    if (g > 0) {
        m_fZoom += kPasoZoom;
        m_iContadorApertura = g - 1;
        m_iAlfa = static_cast<uint8_t>((4080 - 255 * g) / 15);
    } else if (g < 0) {
        m_iContadorApertura = g + 1;
        m_fZoom -= kPasoZoom;
        m_iAlfa = static_cast<uint8_t>((-255 * g - 255) / 15);
    }
    if (m_iContadorApertura == 0 &&
        (m_iEstado == ESTADO_PRESENTACION || m_iEstado == ESTADO_ESCENA_INICIAL || m_iEstado == ESTADO_ESCENA_FINAL))
        m_bMapaVisible = false;

    m_fFaseCamino -= kPasoCamino;
    if (m_fFaseCamino < 0.0f) m_fFaseCamino += 1.0f;

    if (m_iEstado == ESTADO_INACTIVO) {
        CRaton* r = g_pRatones ? g_pRatones->Raton(0) : nullptr;
        for (int i = 0; r && i < kNumEtapas; ++i) {
            CBotonTazmo* b = m_apEtapas[static_cast<size_t>(i)];
            if (!b || !b->Contiene(r->X(), r->Y())) continue;
            m_iEtapa = i;
            if (CapituloDe(i) == m_iCapituloSobre) {
                m_fBrilloCapitulo = std::min(1.0f, m_fBrilloCapitulo + kPasoBrillo);
            } else {
                m_fBrilloCapitulo -= kPasoBrillo;
                if (m_fBrilloCapitulo < 0.0f) {
                    m_fBrilloCapitulo = 0.0f;
                    m_iCapituloSobre = CapituloDe(i);
                }
            }
        }
    }
    for (int i = 0; i < kNumEtapas; ++i) {
        float& s = m_afEscalaSobre[static_cast<size_t>(i)];
        s = i == m_iEtapa ? std::min(kEscalaSobreMaxima, s + kPasoEscalaSobre) : std::max(1.0f, s - kPasoEscalaSobre);
    }

    ActualizaHistoria();

    const int iProgreso = Progreso();
    const bool bCompletada = m_iEtapa >= 0 && m_iEtapa < kNumEtapas && m_iEtapa < iProgreso;
    for (int j = 0; j < kNumRetratos; ++j) {
        float& d = m_afDestello[static_cast<size_t>(j)];
        if (d > 0.0f) d -= kPasoDestello;
        if (d < 0.0f) d = 0.0f;
        float& h = m_afResalte[static_cast<size_t>(j)];
        const bool bDeEtapa = bCompletada && (PersonajesEtapa[static_cast<size_t>(m_iEtapa)][0] == j ||
                                              PersonajesEtapa[static_cast<size_t>(m_iEtapa)][1] == j);
        h = bDeEtapa ? std::min(1.0f, h + kPasoResalte) : std::max(0.0f, h - kPasoResalte);
    }

    ActualizaMensajes();

    for (float& v : m_afAros) {
        v += kPasoAro;
        if (v > 2.0f) v -= 1.5f;
    }
    CMenuObj::Actualiza();
}

void CMenuModoHistoria::PonEnfocado(bool bEnfocado) { CMenuObj::PonEnfocado(bEnfocado); }

// ---- Events ----

void CMenuModoHistoria::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo == EVENTO_PULSADO) {
        CMenuMaestro* m = g_pMenuMaestro;
        switch (iIdEmisor) {
        case ID_VOLVER:
            m_iUltimoContador = -1;
            m_bVictoriaPendiente = false;
            if (m) m->CambiaMenu(m->m_pMenuPrincipal);
            break;
        case ID_JUGAR:
            if (Progreso() >= kNumEtapas)
                AbreCreditos();
            else
                EligeEtapa(Progreso());
            break;
        case ID_AYUDA:
            AbreMensaje(true, juego::texto::MH20, kNombreMsgBox3);
            m_iEstado = ESTADO_MENSAJES;
            break;
        case ID_COFRE:
            m_bVictoriaPendiente = false;
            if (m && m->m_pMenuCofreTesoro) {
                m->m_pMenuCofreTesoro->m_pMenuRetorno = this;
                m->CambiaMenu(m->m_pMenuCofreTesoro);
            }
            break;
        case ID_LEYENDA:
            AbreMensaje(false, juego::texto::MH21, kNombreMsgBox3);
            m_iEstado = ESTADO_MENSAJES;
            break;
        default:
            if (iIdEmisor >= ID_PRIMERA_ETAPA && iIdEmisor < ID_PRIMERA_ETAPA + kNumEtapas)
                EligeEtapa(iIdEmisor - ID_PRIMERA_ETAPA);
            break;
        }
    }
    CMenuObj::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
}

// ---- Resources ----

void CMenuModoHistoria::CargaRecursos()
{
    if (RecursosCargados()) return;
    for (CSPM* p : {m_pSPMFondo, m_pSPMElemsTitulo, m_pSPMTitulo, m_pSPMCamino, m_pSPMMarcas, m_pSPMAro})
        tazmo::MarcaSPM(p, true);
    for (CSPM* p : m_apRetratos) tazmo::MarcaSPM(p, true);
    CMenuObj::CargaRecursos();
}

void CMenuModoHistoria::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    for (CSPM* p : {m_pSPMFondo, m_pSPMElemsTitulo, m_pSPMTitulo, m_pSPMCamino, m_pSPMMarcas, m_pSPMAro})
        tazmo::MarcaSPM(p, false);
    for (CSPM* p : m_apRetratos) tazmo::MarcaSPM(p, false);
    CMenuObj::DescargaRecursos();
}

// ---- Drawing ----

CMenuModoHistoria::Punto CMenuModoHistoria::EnMapa(const Punto& p) const
{
    return {(p.x - kCentroX) * m_fZoom + kCentroX, (p.y - kCentroY) * m_fZoom + kCentroY};
}

void CMenuModoHistoria::DibujaRetrato(Sprite* pDestino, float x, float y, int k)
{
    if (k < 0 || k >= kNumRetratos) return;
    const Personaje* pPersonaje = BuscaPersonaje(RetratosMapa[static_cast<size_t>(k)].szPersonaje);
    if (!pPersonaje) return;
    tazmo::DibujaFiguraCompleta(m_apRetratos[static_cast<size_t>(k)], *pPersonaje, pDestino, x, y);
}

void CMenuModoHistoria::DibujaMapa(Sprite* pDestino)
{
    const int iProgreso = Progreso();
    const int iContador = m_iUltimoContador < 0 ? Contador() : m_iUltimoContador;
    m_pSPMFondo->PonColor(255, 255, 255);
    m_pSPMFondo->PonAlfa(255);
    m_pSPMFondo->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);

    const bool bRetratos = m_iEstado <= ESTADO_ESCENA_FINAL || m_iEstado == ESTADO_JUGANDO ||
                           m_iEstado == ESTADO_MENSAJES;
    if (bRetratos) {
        if (g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->DibujaCapa(tazmo::kCapaEfectosBajo, pDestino);
        for (int n = 0; n < kNumRetratos; ++n)
            for (int k = 0; k < kNumRetratos; ++k) {
                const Retrato& r = RetratosMapa[static_cast<size_t>(k)];
                if (r.iOrdenDibujo != n) continue;
                CSPM* p = m_apRetratos[static_cast<size_t>(k)];
                if (!p) continue;
                const bool bRevelado = iContador > r.iUmbral;
                const uint8_t gris =
                    bRevelado ? static_cast<uint8_t>(std::lround(128.0f + 127.0f * m_afResalte[static_cast<size_t>(k)]))
                              : 0;
                p->PonFusion(0, kBlanco);
                p->PonFusion2(0, kBlanco);
                p->PonColor(gris, gris, gris);
                p->PonAlfa(m_iAlfa);
                DibujaRetrato(pDestino, r.posicion.x, r.posicion.y, k);
                const float d = m_afDestello[static_cast<size_t>(k)];
                if (d > 0.0f) {
                    p->PonFusion(1, kBlanco);
                    p->PonColor(255, 255, 255);
                    p->PonAlfa(static_cast<uint8_t>(std::min(255L, std::lround(d * 255.0f))));
                    DibujaRetrato(pDestino, r.posicion.x, r.posicion.y, k);
                    p->PonFusion(0, kBlanco);
                }
            }
    }

    // The title.
    m_pSPMElemsTitulo->PonAlfa(m_iAlfa);
    m_pSPMElemsTitulo->PonEscala(1.0f, 1.0f);
    m_pSPMElemsTitulo->DesactivaEspejo();
    for (int i = 0; i < 8; ++i) m_pSPMElemsTitulo->DibujaSpriteEnDestino(pDestino, 0, 128.0f * i, 36.0f);
    m_pSPMElemsTitulo->PonEscala(m_fZoom, m_fZoom);
    m_pSPMElemsTitulo->ActivaEspejo();
    m_pSPMElemsTitulo->DibujaSpriteEnDestino(pDestino, 1, 128.0f, 100.0f);
    m_pSPMElemsTitulo->DesactivaEspejo();
    m_pSPMElemsTitulo->DibujaSpriteEnDestino(pDestino, 1, 896.0f, 100.0f);
    m_pSPMTitulo->PonAlfa(m_iAlfa);
    m_pSPMTitulo->PonEscala(1.2f * m_fZoom, 1.2f * m_fZoom);
    m_pSPMTitulo->DibujaSpriteEnDestino(pDestino, 0, 512.0f, 100.0f);

    const bool bCamino = (m_iEstado >= ESTADO_OLA && m_iEstado <= ESTADO_ESCENA_FINAL) ||
                         m_iEstado == ESTADO_JUGANDO || m_iEstado == ESTADO_MENSAJES;
    if (!bCamino) return;
    // The path, its texture running on from line to line.
    if (Sprite* s = m_pSPMCamino->GetSprite(0)) {
        float fase = m_fFaseCamino;
        for (int i = 0; i + 1 < kNumEtapas; ++i) {
            const Punto a = EnMapa(PosicionesEtapas[static_cast<size_t>(i)]);
            const Punto b = EnMapa(PosicionesEtapas[static_cast<size_t>(i + 1)]);
            DibuixaLiniaSprites(pDestino, s, a.x, a.y, b.x, b.y, 1.0f, 1.0f, fase, m_iAlfa, m_iAlfa, 0, nullptr);
            fase += std::hypot(b.x - a.x, b.y - a.y) / 1024.0f;
            fase -= std::floor(fase);
        }
    }
    // Three rings widen on the next stage.
    if (iProgreso < kNumEtapas) {
        const Punto q = EnMapa(PosicionesEtapas[static_cast<size_t>(iProgreso)]);
        for (float v : m_afAros) {
            const long a = v > 1.5f ? std::lround((2.0f - v) * 512.0f) : 255L;
            m_pSPMMarcas->PonFusion2(0, kBlanco);
            m_pSPMMarcas->PonEscala(v, v);
            m_pSPMMarcas->PonAlfa(static_cast<uint8_t>(std::clamp(m_iAlfa * a / 255L, 0L, 255L)));
            m_pSPMMarcas->DibujaSpriteEnDestino(pDestino, MARCA_ARO, q.x, q.y);
        }
    }
    const float fPulso = 0.4f * std::sin(0.1f * static_cast<float>(FrameActual())) + 0.6f;
    for (int i = 0; i < kNumEtapas; ++i) {
        const Punto q = EnMapa(PosicionesEtapas[static_cast<size_t>(i)]);
        const float fEscala = m_afOla[static_cast<size_t>(i)] * m_afEscalaSobre[static_cast<size_t>(i)];
        const int iFrame = (EmpiezaCapitulo(i) ? MARCA_PRIMERA : MARCA_ETAPA) + (i < iProgreso ? 1 : 0);
        const bool bCapituloSobre = CapituloDe(i) == m_iCapituloSobre;
        m_pSPMMarcas->PonFusion2(1, kBlanco);
        m_pSPMMarcas->PonAlfaFusion2(bCapituloSobre ? static_cast<uint8_t>(std::clamp(
                                                         std::lround(fPulso * m_fBrilloCapitulo * 128.0f), 0L, 255L))
                                                   : 0);
        m_pSPMMarcas->PonEscala(fEscala, fEscala);
        m_pSPMMarcas->PonAlfa(m_iAlfa);
        m_pSPMMarcas->DibujaSpriteEnDestino(pDestino, iFrame, q.x, q.y);
        m_pSPMMarcas->PonFusion2(0, kBlanco);
        int c = 0, p = 0;
        CapituloYParte(i, c, p);
        const RegistroPerfil* pPerfil = Perfil();
        if (pPerfil && pPerfil->MejorJugada(c, p) != SIN_JUGADA)
            m_pSPMMarcas->DibujaSpriteEnDestino(pDestino, MARCA_MEJOR_JUGADA, q.x, q.y);
        if (EsEtapaLineaMaxima(i)) {
            const float e = 0.6f * m_fZoom * m_afEscalaSobre[static_cast<size_t>(i)];
            m_pSPMAro->PonAlfa(m_iAlfa);
            m_pSPMAro->PonEscala(e, e);
            m_pSPMAro->PonRotacion(m_fFaseCamino * 10.0f * static_cast<float>(M_PI));
            m_pSPMAro->DibujaSpriteEnDestino(pDestino, 0, q.x, q.y);
        }
    }
}

void CMenuModoHistoria::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    if (!m_bCreado) {
        CMenuObj::Dibuja(pHastaHijo, pDestino);
        return;
    }
    if (!m_bMapaVisible) {
        m_pSPMFondo->PonColor(0, 0, 0);
        m_pSPMFondo->PonAlfa(255);
        m_pSPMFondo->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
        m_pSPMFondo->PonColor(255, 255, 255);
    } else {
        DibujaMapa(pDestino);
    }
    CMenuObj::Dibuja(pHastaHijo, pDestino);
}
