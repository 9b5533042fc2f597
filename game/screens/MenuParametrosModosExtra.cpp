#include "game/screens/MenuParametrosModosExtra.h"

#include "engine/graphics/Lineas.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/play/MenuJuego.h"
#include "game/play/MenuJuegoSoloAtaques.h"
#include "game/play/MenuJuegoSoloConcentrar.h"
#include "game/play/MenuJuegoSoloSellos.h"
#include "game/profiles/Marcadores.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuModoHistoria.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;

// The mode table: title and icon packages, the level focused first, the
// record titles, and the instructions' first-visit marker and text. The
// seals-only mode keeps its first visit in "InstConcentrar" and the
// concentration mode in "InstSellos".
// The title bar's icon of each mode is the main menu's icon of the mode;
// none is drawn while those do not exist.
struct FilaModo {
    const char* szTitulo;
    const char* szIcono;
    int iPrimeraSeleccion;
    const char* szTituloPropios;
    const char* szTituloRanking;
    const char* szMarcadorInstrucciones;
    const char* szInstrucciones;
};
const FilaModo kModos[] = {
    {juego::paquete::TITULO_MODO_SELLOS, nullptr, 2, juego::texto::PM37,
     juego::texto::PM38, "InstConcentrar", juego::texto::INS2},
    {juego::paquete::TITULO_MODO_ATAQUES, nullptr, 13, juego::texto::PM35,
     juego::texto::PM36, "InstAtaques", juego::texto::INS0},
    {juego::paquete::TITULO_MODO_CONCENTRAR, nullptr, 0, juego::texto::PM35,
     juego::texto::PM36, "InstSellos", juego::texto::INS1},
};
const FilaModo* Fila(int iModo)
{
    return (iModo >= 1 && iModo <= 3) ? &kModos[static_cast<size_t>(iModo - 1)] : nullptr;
}

// The two icons fly out of the middle of the bottom bar.
constexpr float kIconoInicioX = 512.0f, kIconoY = 660.0f;
constexpr float kInstruccionesX = 457.0f, kCofreX = 567.0f;
constexpr float kRadioIcono = 128.0f, kEscalaIcono = 0.5f;
constexpr float kVolverX = 824.0f, kVolverY = 740.0f;
// The two icons' pictures: the chapters' book tells how the mode plays, and
// the chest is the main menu's.
constexpr const char* kIconoInstrucciones = juego::paquete::ICO_CAPITULOS;
constexpr const char* kIconoCofre = juego::paquete::ICONO_COFRE;
constexpr const char* kAyudaCofre = juego::texto::MP04;
constexpr const char* kNombreInstrucciones = "m_pBotonInstrucciones";
constexpr const char* kNombreCofre = "MPrin_BotonCofreTesoro";
constexpr const char* kNombreVolver = "m_pBotonVolver";
constexpr const char* kNombreCajaLogro = "MENUMODOHISTORIA_MsgBox";
constexpr const char* kNombreCajaInstrucciones = "VISOR_PERSONAJE_Box";

// The panel: its frame, the two record frames and where the texts go.
constexpr float kPanelX = 63.0f, kPanelY = 192.0f, kPanelAncho = 898.0f, kPanelAlto = 258.0f;
constexpr float kMarcoAncho = 346.0f, kMarcoAlto = 56.0f, kMarcoY = 143.0f;
constexpr float kMarcoIzqX = 117.0f, kMarcoDerX = 566.0f;
constexpr uint8_t kBordeR = 157, kBordeG = 0, kBordeB = 43;
constexpr float kIzqX = 290.0f, kDerX = 739.0f;
constexpr float kCabeceraY = 171.0f, kTitulosY = 221.0f, kRecordsY = 371.0f;
constexpr float kPasoPanel = 0.1f;
constexpr float kEscalaTitulos = 0.7f;

// The eight texts: description, difficulty, the two record titles, own
// names, own results, ranking names, ranking results.
enum { T_DESCRIPCION, T_DIFICULTAD, T_TITULO_PROPIOS, T_TITULO_RANKING, T_NOMBRES, T_VALORES, T_NOMBRES_RANKING,
       T_VALORES_RANKING };
constexpr int kFuenteCabecera = 0;
constexpr float kCabeceraAncho = 512.0f, kCabeceraAlto = 64.0f;
constexpr int kFormatoCabecera = 0x01 | 0x08;
constexpr int kFormatoNombres = 0x04 | 0x20;
constexpr int kFormatoValores = 0x02 | 0x20;
constexpr const char* kVacio = "~";

const char* const kDificultades[] = {juego::texto::PM40, juego::texto::PM41, juego::texto::PM42, juego::texto::PM43};

const BotonMensaje kBotonAceptar[] = {{CodigoFLI(juego::texto::ACEP), -1, true, true}};

RegistroPerfil* Perfil() { return PerfilActualJuego(); }

// The messages of the trophy flags, as the story map tells them: 0 the
// story complete, 1 a chapter complete, 2 the chest, 3..5 the three extra
// modes' unlocks, 6..36 a trophy.
int CodigoLogro(int k)
{
    switch (k) {
    case 0: return CodigoFLI(juego::texto::MH12);
    case 1: return CodigoFLI(juego::texto::MH11);
    case 2: return CodigoFLI(juego::texto::MH17);
    case 3: return CodigoFLI(juego::texto::MH13);
    case 4: return CodigoFLI(juego::texto::MH14);
    case 5: return CodigoFLI(juego::texto::MH15);
    default: return CodigoFLI(juego::texto::MH16);
    }
}

} // namespace

// The nine small seals levels' narrow buttons stand in two rows, five and
// four, each button clear of its neighbours (in one row their frames would
// overlap and hide the ends of the captions).
constexpr float kFilaSellos1Y = 476.0f, kFilaSellos2Y = 532.0f;

// id: mode, caption, marker, top band centre, flags, group and part,
// extra-mode level, the button whose marker a victory unlocks.
const std::array<CMenuParametrosModosExtra::FilaNivel, CMenuParametrosModosExtra::NUM_BOTONES_NIVEL>
    CMenuParametrosModosExtra::kNiveles = {{
        {3, juego::texto::PM00, "m_pBoton_Concentrar_JugarA20_Dif", 260.0f, 550.0f, 0, 15, 0, 14, 1},
        {3, juego::texto::PM01, "m_pBoton_Concentrar_JugarSinFin_Dif", 764.0f, 550.0f, 0, 15, 1, 15, -1},
        {1, juego::texto::PM02, "m_pBoton_Sellos_Peque1_Dif", 172.0f, kFilaSellos1Y, CBotonTazmo::ESTRECHO, 13, 0, 0, 3},
        {1, juego::texto::PM03, "m_pBoton_Sellos_Peque2_Dif", 342.0f, kFilaSellos1Y, CBotonTazmo::ESTRECHO, 13, 1, 1, 4},
        {1, juego::texto::PM04, "m_pBoton_Sellos_Peque3_Dif", 512.0f, kFilaSellos1Y, CBotonTazmo::ESTRECHO, 13, 2, 2, 5},
        {1, juego::texto::PM05, "m_pBoton_Sellos_Peque4_Dif", 682.0f, kFilaSellos1Y, CBotonTazmo::ESTRECHO, 13, 3, 3, 6},
        {1, juego::texto::PM06, "m_pBoton_Sellos_Peque5_Dif", 852.0f, kFilaSellos1Y, CBotonTazmo::ESTRECHO, 13, 4, 4, 7},
        {1, juego::texto::PM07, "m_pBoton_Sellos_Peque6_Dif", 257.0f, kFilaSellos2Y, CBotonTazmo::ESTRECHO, 13, 5, 5, 8},
        {1, juego::texto::PM08, "m_pBoton_Sellos_Peque7_Dif", 427.0f, kFilaSellos2Y, CBotonTazmo::ESTRECHO, 13, 6, 6, 9},
        {1, juego::texto::PM09, "m_pBoton_Sellos_Peque8_Dif", 597.0f, kFilaSellos2Y, CBotonTazmo::ESTRECHO, 13, 7, 7, 10},
        {1, juego::texto::PM10, "m_pBoton_Sellos_Peque9_Dif", 767.0f, kFilaSellos2Y, CBotonTazmo::ESTRECHO, 13, 8, 8, 11},
        {1, juego::texto::PM20, "m_pBoton_Sellos_MultiSellos_Dif", 260.0f, 600.0f, 0, 13, 9, 10, 12},
        {1, juego::texto::PM21, "m_pBoton_Sellos_Azar_Dif", 764.0f, 600.0f, 0, 13, 10, 11, -1},
        {2, juego::texto::PM30, "m_pBoton_Ataques_Jugar_Dif", 260.0f, 550.0f, 0, 14, 0, 12, 14},
        {2, juego::texto::PM31, "m_pBoton_Ataques_SinFin_Dif", 764.0f, 550.0f, 0, 14, 1, 13, -1},
    }};

// ---------------------------------------------------------------------------
// Decisions

std::string CMenuParametrosModosExtra::FormatoPuntuacion(int iPuntos)
{
    return iPuntos == 0 ? std::string(kVacio) : std::to_string(iPuntos);
}

std::string CMenuParametrosModosExtra::FormatoTiempo(int iPasos)
{
    if (iPasos == SIN_TIEMPO) return kVacio;
    const int iMinutos = iPasos / 1800;
    const int iSegundos = iPasos / 30 - 60 * iMinutos;
    char sz[32];
    std::snprintf(sz, sizeof sz, "%d:%02d", iMinutos, iSegundos);
    return sz;
}

std::string CMenuParametrosModosExtra::FormatoNombre(const char* szNombre, bool bValor)
{
    return (bValor && szNombre) ? std::string(szNombre) : std::string(kVacio);
}

int CMenuParametrosModosExtra::CodigoDescripcion(int iId)
{
    if (iId < 0 || iId >= NUM_BOTONES_NIVEL) return -1;
    return CodigoFLI(kNiveles[static_cast<size_t>(iId)].szTexto);
}

CMenuParametrosModosExtra::PasoResultado CMenuParametrosModosExtra::SiguienteEstado(int iEstado, int iResultado)
{
    if (iResultado < RESULTADO_EN_JUEGO || iResultado > RESULTADO_NINGUNO) return {ESTADO_INACTIVO, false, true};
    switch (iResultado) {
    case RESULTADO_EN_JUEGO: return {ESTADO_JUGANDO, false, false};
    case RESULTADO_REINICIO: return {ESTADO_REINICIO, true, false};
    case RESULTADO_VICTORIA:
    case RESULTADO_DERROTA:
    case RESULTADO_ABANDONO: return {ESTADO_FIN_PARTIDA, true, false};
    default: return {iEstado, false, false};
    }
}

int CMenuParametrosModosExtra::MarcadorAlGanar(int iBoton, int iDificultad)
{
    if (iBoton < 0 || iBoton >= NUM_BOTONES_NIVEL || iDificultad < 0 || iDificultad >= NUM_DIFICULTADES)
        return MARCADOR_NINGUNO;
    const int iSiguiente = kNiveles[static_cast<size_t>(iBoton)].iDesbloquea;
    return iSiguiente < 0 ? MARCADOR_NINGUNO : IndiceBotonNivel(iDificultad, iSiguiente);
}

std::string CMenuParametrosModosExtra::NombreBoton(int iBoton, int iDificultad)
{
    if (iBoton < 0 || iBoton >= NUM_BOTONES_NIVEL) return std::string();
    return kNiveles[static_cast<size_t>(iBoton)].szMarcador + std::to_string(iDificultad);
}

const char* CMenuParametrosModosExtra::MarcadorInstrucciones(int iModo)
{
    const FilaModo* f = Fila(iModo);
    return f ? f->szMarcadorInstrucciones : nullptr;
}

const char* CMenuParametrosModosExtra::TextoInstrucciones(int iModo)
{
    const FilaModo* f = Fila(iModo);
    return f ? f->szInstrucciones : nullptr;
}

// ---------------------------------------------------------------------------
// Creation and release

CMenuParametrosModosExtra::~CMenuParametrosModosExtra()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuParametrosModosExtra::InicializaCampos()
{
    m_iEstado = ESTADO_INACTIVO;
    m_iSeleccion = -1;
    m_bPanelSaliendo = true;
    m_fAlfaPanel = 0.0f;
    m_apNiveles.fill(nullptr);
    m_pBotonInstrucciones = m_pBotonCofre = nullptr;
    m_pBotonVolver = nullptr;
    m_apTextos.fill(nullptr);
    m_pSPMPanel = nullptr;
    m_pMsgBox = nullptr;
    m_iModo = 0;
    m_pJuego = nullptr;
    m_abLogros.fill(0);
    m_bTransicionesActivas = true;
    m_iCodigoDescripcion = CodigoFLI(juego::texto::PM00);
    for (std::string& s : m_asRecords) s.clear();
}

void CMenuParametrosModosExtra::LiberaPropios()
{
    for (CBotonTazmo*& p : m_apNiveles) tazmo::Borra(p);
    tazmo::Borra(m_pBotonInstrucciones);
    tazmo::Borra(m_pBotonCofre);
    tazmo::Borra(m_pBotonVolver);
    for (Sprite*& s : m_apTextos) {
        if (s && g_pSistema2D) g_pSistema2D->AlliberaSprite(s, false);
        s = nullptr;
    }
    tazmo::Borra(m_pMsgBox);
    tazmo::BorraSPM(m_pSPMPanel);
}

void CMenuParametrosModosExtra::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuParametrosModosExtra::Crea(int iModo)
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    m_iModo = iModo;
    const FilaModo* f = Fila(iModo);
    if (f) m_iSeleccion = f->iPrimeraSeleccion;
    // The panel opens on the first selection's records: its caption with them.
    if (const int c = CodigoDescripcion(m_iSeleccion); c != -1) m_iCodigoDescripcion = c;
    const FilaModo& aspecto = f ? *f : kModos[0];
    if (!CBaseMenu::Crea(kNombre, aspecto.szTitulo, nullptr, juego::musica::RAN_MENUS, aspecto.szIcono, true, true,
                         true))
        return false;
    if (!Construye()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMenuParametrosModosExtra::Construye()
{
    // A panel that cannot be copied leaves only the texts.
    m_pSPMPanel = tazmo::CopiaSPM(juego::paquete::MSGBOX);
    const int d = Dificultad();
    for (int i = 0; i < NUM_BOTONES_NIVEL; ++i) {
        const FilaNivel& f = kNiveles[static_cast<size_t>(i)];
        if (f.iModo != m_iModo) continue;
        auto* p = new (std::nothrow) CBotonTazmo;
        m_apNiveles[static_cast<size_t>(i)] = p;
        if (!p || !p->Inicia(kSonidoFoco, kSonidoPulsar, f.x, f.y, CodigoFLI(f.szTexto), CodigoFLI(juego::texto::BLOQ),
                             -1, -1, f.iFlags, i, NombreBoton(i, d).c_str()))
            return false;
    }
    m_pBotonInstrucciones = new (std::nothrow) CBotonIconoTazmo;
    if (!m_pBotonInstrucciones ||
        !m_pBotonInstrucciones->Inicia(kIconoInstrucciones, 0, kSonidoFoco, kSonidoPulsar, kIconoInicioX,
                                       kIconoY, kInstruccionesX, kIconoY, false, kRadioIcono, kRadioIcono,
                                       kEscalaIcono, CodigoFLI(juego::texto::AYUD), 0, ID_INSTRUCCIONES,
                                       kNombreInstrucciones))
        return false;
    m_pBotonCofre = new (std::nothrow) CBotonIconoTazmo;
    if (!m_pBotonCofre ||
        !m_pBotonCofre->Inicia(kIconoCofre, 0, kSonidoFoco, kSonidoPulsar, kIconoInicioX, kIconoY,
                               kCofreX, kIconoY, false, kRadioIcono, kRadioIcono, kEscalaIcono,
                               CodigoFLI(kAyudaCofre), 0, ID_COFRE, kNombreCofre))
        return false;
    m_pBotonVolver = new (std::nothrow) CBotonTazmo;
    if (!m_pBotonVolver ||
        !m_pBotonVolver->Inicia(kSonidoFoco, kSonidoPulsar, kVolverX, kVolverY, CodigoFLI(juego::texto::MP05),
                                CodigoFLI(juego::texto::BLOQ), -1, -1, 0, ID_VOLVER, kNombreVolver))
        return false;
    m_pMsgBox = new (std::nothrow) CMsgBoxTazmo;
    if (!m_pMsgBox) return false;
    PreparaTextos();
    for (const Sprite* s : m_apTextos)
        if (!s && g_pSistema2D) return false;
    for (CBotonTazmo* p : m_apNiveles)
        if (p) AnadeHijo(false, p, false, false);
    AnadeHijo(false, m_pBotonInstrucciones, false, false);
    AnadeHijo(false, m_pBotonCofre, false, false);
    AnadeHijo(false, m_pBotonVolver, false, false);
    return true;
}

int CMenuParametrosModosExtra::Dificultad() const
{
    const RegistroPerfil* p = Perfil();
    return p ? std::clamp(static_cast<int>(p->m_iDificultad), 0, NUM_DIFICULTADES - 1) : DIFICULTAD_INICIAL;
}

// ---------------------------------------------------------------------------
// The panel

void CMenuParametrosModosExtra::PreparaTextos()
{
    if (!g_pSistema2D) return;
    if (!m_apTextos[0]) {
        const int iPlaceholder = CodigoFLI(juego::texto::VOLV);
        for (int i = 0; i < kNumTextos; ++i) {
            const bool bCabecera = i < T_NOMBRES;
            const float w = bCabecera ? kCabeceraAncho : kRecordsAncho;
            const float h = bCabecera ? kCabeceraAlto : kRecordsAlto;
            const int iFormato = bCabecera ? kFormatoCabecera
                                 : (i == T_NOMBRES || i == T_NOMBRES_RANKING) ? kFormatoNombres
                                                                              : kFormatoValores;
            const float e = (i == T_TITULO_PROPIOS || i == T_TITULO_RANKING) ? kEscalaTitulos : 1.0f;
            m_apTextos[static_cast<size_t>(i)] =
                g_pSistema2D->CreaSpriteText(bCabecera ? kFuenteCabecera : kFuenteRecords, nullptr, iPlaceholder,
                                             iFormato, e, e, w, h, w / 2.0f, h / 2.0f, 0.0f, 0.0f, -1.0f, -1.0f, false);
            if (!m_apTextos[static_cast<size_t>(i)]) return;
        }
    }
    auto codigo = [&](int i, int iCodigo, float e) {
        g_pSistema2D->CanviaTextSprite(m_apTextos[static_cast<size_t>(i)], nullptr, iCodigo, kFormatoCabecera, e, e,
                                       0.0f, 0.0f, -1.0f, -1.0f);
    };
    const FilaModo* f = Fila(m_iModo);
    const int d = Dificultad();
    codigo(T_DESCRIPCION, m_iCodigoDescripcion, 1.0f);
    codigo(T_DIFICULTAD, CodigoFLI(kDificultades[d]), 1.0f);
    codigo(T_TITULO_PROPIOS, CodigoFLI(f ? f->szTituloPropios : juego::texto::PM37), kEscalaTitulos);
    codigo(T_TITULO_RANKING, CodigoFLI(f ? f->szTituloRanking : juego::texto::PM38), kEscalaTitulos);

    // The records of the selection: a time table and ranking for the seals
    // levels, a score table and ranking for the others.
    const int s = m_iSeleccion;
    const bool bDelModo = s >= 0 && s < NUM_BOTONES_NIVEL && kNiveles[static_cast<size_t>(s)].iModo == m_iModo;
    for (std::string& t : m_asRecords) t.clear();
    if (bDelModo) {
        CPerfiles* pPerfiles = PerfilesJuego();
        RegistroPerfil* pPerfil = Perfil();
        const bool bTiempo = s >= 2 && s <= 12;
        const int iTabla = s <= 1 ? 2 + s : s <= 10 ? s - 2 : s == 11 ? 9 : s == 12 ? 10 : s - 13;
        auto ranking = [&](int n) -> const EntradaRanking* {
            if (!pPerfiles) return nullptr;
            switch (s) {
            case 0: return pPerfiles->RankingConcentrar(d, n);
            case 1: return pPerfiles->RankingConcentrarSinFin(d, n);
            case 11: return pPerfiles->RankingMultiSellos(d, n);
            case 12: return pPerfiles->RankingSellosAzar(d, n);
            case 13: return pPerfiles->RankingAtaques(d, n);
            case 14: return pPerfiles->RankingAtaquesSinFin(d, n);
            default: return pPerfiles->RankingSellos(d, s - 2, n);
            }
        };
        auto valor = [&](int v) { return bTiempo ? FormatoTiempo(v) : FormatoPuntuacion(v); };
        auto puesto = [&](int v) { return bTiempo ? v != SIN_TIEMPO : v != 0; };
        for (int r = 0; r < NUM_RANGOS; ++r) {
            const int v = !pPerfil ? (bTiempo ? SIN_TIEMPO : 0)
                          : bTiempo ? pPerfil->Tiempo(d, iTabla, r)
                                    : pPerfil->Puntuacion(d, iTabla, r);
            const EntradaRanking* e = ranking(r);
            const int vr = e ? e->m_iValor : (bTiempo ? SIN_TIEMPO : 0);
            const bool bRanking = e && e->m_pszNombre && e->m_pszNombre[0] && puesto(vr);
            const char* sep = r ? "\n" : "";
            m_asRecords[0] += sep + FormatoNombre(pPerfil ? pPerfil->m_szNombre : nullptr, puesto(v));
            m_asRecords[1] += sep + (puesto(v) ? valor(v) : std::string(kVacio));
            m_asRecords[2] += sep + FormatoNombre(e ? e->m_pszNombre : nullptr, bRanking);
            m_asRecords[3] += sep + (bRanking ? valor(vr) : std::string(kVacio));
        }
    }
    for (int i = 0; i < 4; ++i) {
        const int iTexto = T_NOMBRES + i;
        const int iFormato = (i % 2 == 0) ? kFormatoNombres : kFormatoValores;
        // An empty text keeps its sprite: a single space draws nothing.
        const std::string& t = m_asRecords[static_cast<size_t>(i)];
        g_pSistema2D->CanviaTextSprite(m_apTextos[static_cast<size_t>(iTexto)], t.empty() ? " " : t.c_str(), -1,
                                       iFormato, 1.0f, 1.0f, 0.0f, 0.0f, -1.0f, -1.0f);
    }
}

void CMenuParametrosModosExtra::ActualizaPanel()
{
    const CMenuObj* pFoco = HijoEnfocado();
    if (pFoco) {
        const int iId = pFoco->m_iId;
        if (iId != m_iSeleccion && iId != ID_INSTRUCCIONES && iId != ID_MENSAJE && iId != ID_VOLVER) {
            m_iSeleccion = iId;
            m_bPanelSaliendo = true;
            const int c = CodigoDescripcion(iId);
            if (c != -1) m_iCodigoDescripcion = c;
        }
    }
    if (m_bPanelSaliendo) {
        m_fAlfaPanel -= kPasoPanel;
        if (m_fAlfaPanel < 0.0f) {
            m_fAlfaPanel = 0.0f;
            PreparaTextos();
            m_bPanelSaliendo = false;
        }
    } else {
        m_fAlfaPanel = std::min(1.0f, m_fAlfaPanel + kPasoPanel);
    }
}

// ---------------------------------------------------------------------------
// Messages

void CMenuParametrosModosExtra::AbreMensaje(bool bGrande, int iCodigo, const char* szNombre)
{
    if (!m_pMsgBox) return;
    if (m_pMsgBox->Padre() == this) QuitaHijo(false, m_pMsgBox);
    if (!m_pMsgBox->Inicia(bGrande, nullptr, iCodigo, 1, kBotonAceptar, CMsgBoxTazmo::AJUSTA_TEXTO, ID_MENSAJE,
                           szNombre))
        return;
    m_pMsgBox->m_iResultado = -1;
    AnadeHijo(true, m_pMsgBox, false, false);
}

void CMenuParametrosModosExtra::QuitaMensaje()
{
    if (!m_pMsgBox || m_pMsgBox->m_iResultado == -1) return;
    m_pMsgBox->m_iResultado = -1;
    if (m_pMsgBox->Padre() == this) QuitaHijo(false, m_pMsgBox);
}

void CMenuParametrosModosExtra::MuestraInstrucciones()
{
    const char* szTexto = TextoInstrucciones(m_iModo);
    if (szTexto) AbreMensaje(true, CodigoFLI(szTexto), kNombreCajaInstrucciones);
}

void CMenuParametrosModosExtra::MuestraInstruccionesUnaVez()
{
    RegistroPerfil* p = Perfil();
    const char* szMarcador = MarcadorInstrucciones(m_iModo);
    if (!p || !szMarcador || p->EstaDesbloqueado(szMarcador)) return;
    MuestraInstrucciones();
    p->MarcaDesbloqueado(szMarcador);
}

void CMenuParametrosModosExtra::CuentaLogros()
{
    for (int k = 0; k < NUM_LOGROS; ++k) {
        if (!m_abLogros[static_cast<size_t>(k)]) continue;
        m_abLogros[static_cast<size_t>(k)] = 0;
        AbreMensaje(false, CodigoLogro(k), kNombreCajaLogro);
        m_iEstado = ESTADO_ESPERA_LOGRO;
        return;
    }
    // Nothing left to tell: a new look may raise what the last told ones
    // unlocked in turn.
    if (!EvaluaTrofeos(m_abLogros.data())) m_iEstado = ESTADO_INACTIVO;
}

// ---------------------------------------------------------------------------
// Update and events

void CMenuParametrosModosExtra::Actualiza()
{
    if (m_pJuego && m_pJuego->EstaCreado() && m_pJuego->Padre() == this) {
        const PasoResultado paso = SiguienteEstado(m_iEstado, m_pJuego->Resultado());
        if (paso.bResultadoNulo) m_pJuego->PonResultado(RESULTADO_NINGUNO);
        m_iEstado = paso.iEstado;
        if (paso.bQuita) QuitaHijo(true, m_pJuego);
    }
    switch (m_iEstado) {
    case ESTADO_JUGANDO: m_bTransicionesActivas = false; break;
    case ESTADO_LOGROS: CuentaLogros(); break;
    case ESTADO_ESPERA_LOGRO:
        if (m_pMsgBox && m_pMsgBox->m_iResultado != -1) {
            QuitaMensaje();
            m_iEstado = ESTADO_LOGROS;
        }
        break;
    case ESTADO_INACTIVO: ActualizaPanel(); break;
    default: break;
    }
    QuitaMensaje();
    CBaseMenu::Actualiza();
}

CMenuJuego* CMenuParametrosModosExtra::JuegoDeBoton(int iBoton) const
{
    if (!g_pMenuMaestro || iBoton < 0 || iBoton >= NUM_BOTONES_NIVEL) return nullptr;
    switch (kNiveles[static_cast<size_t>(iBoton)].iModo) {
    case MODO_SOLO_SELLOS: return g_pMenuMaestro->m_pMenuJuegoSoloSellos;
    case MODO_ATAQUES: return g_pMenuMaestro->m_pMenuJuegoSoloAtaques;
    case MODO_CONCENTRAR: return g_pMenuMaestro->m_pMenuJuegoSoloConcentrar;
    default: return nullptr;
    }
}

void CMenuParametrosModosExtra::EmpiezaNivel(int iBoton)
{
    CMenuJuego* pJuego = JuegoDeBoton(iBoton);
    if (!pJuego || m_iEstado != ESTADO_INACTIVO) return;
    const FilaNivel& f = kNiveles[static_cast<size_t>(iBoton)];
    const int d = Dificultad();
    g_pMenuMaestro->EligeNivel(f.iGrupo, f.iParte, d);
    RegistroNivel& n = g_pMenuMaestro->m_NivelActual;
    n.m_iNivelModoExtra = f.iNivelModoExtra;
    const int iMarcador = MarcadorAlGanar(iBoton, d);
    if (iMarcador != MARCADOR_NINGUNO) n.m_iMarcadorAlGanar = iMarcador;
    // A level that cannot start (its file damaged or missing) leaves the
    // menu as it was and tells the player, with one line on standard error:
    // a half-built play screen is never shown.
    if (!pJuego->IniciaNivel(n, false, false)) {
        std::fprintf(stderr, "marrowgate: the extra-mode level %d-%d could not be started\n", f.iGrupo, f.iParte);
        AbreMensaje(false, CodigoFLI(juego::texto::PM50), kNombreCajaLogro);
        return;
    }
    m_pJuego = pJuego;
    AnadeHijo(true, pJuego, false, false);
}

void CMenuParametrosModosExtra::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    if (iTipo != EVENTO_PULSADO) return;
    if (iIdEmisor >= 0 && iIdEmisor < NUM_BOTONES_NIVEL) {
        EmpiezaNivel(iIdEmisor);
        return;
    }
    switch (iIdEmisor) {
    case ID_INSTRUCCIONES: MuestraInstrucciones(); break;
    case ID_COFRE:
        if (g_pMenuMaestro && g_pMenuMaestro->m_pMenuCofreTesoro) {
            g_pMenuMaestro->m_pMenuCofreTesoro->m_pMenuRetorno = this;
            g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuCofreTesoro);
        }
        break;
    case ID_VOLVER:
        if (g_pMenuMaestro) g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuPrincipal);
        break;
    default: break;
    }
}

void CMenuParametrosModosExtra::IniciaTransicion(bool bEntrada)
{
    if (!m_bTransicionesActivas) return;
    if (bEntrada) MuestraInstruccionesUnaVez();
    CBaseMenu::IniciaTransicion(bEntrada);
}

void CMenuParametrosModosExtra::Reinicia()
{
    m_pJuego->ReiniciaNivel();
    if (!m_pJuego->EstaCreado()) {
        std::fprintf(stderr, "marrowgate: the extra-mode level could not be started again\n");
        m_bTransicionesActivas = true;
        m_iEstado = ESTADO_INACTIVO;
        return;
    }
    AnadeHijo(true, m_pJuego, false, false);
    m_iEstado = ESTADO_JUGANDO;
}

void CMenuParametrosModosExtra::FinDePartida()
{
    m_bTransicionesActivas = true;
    m_abLogros.fill(0);
    EvaluaTrofeos(m_abLogros.data());
    // The game's records and unlocks are kept at once.
    if (RegistroPerfil* p = Perfil()) p->Guarda();
    m_pJuego->PonResultado(RESULTADO_NINGUNO);
    // The records just made show once the panel comes back.
    m_bPanelSaliendo = true;
    m_iEstado = ESTADO_LOGROS;
}

void CMenuParametrosModosExtra::NotificaHijoQuitado(CMenuObj* pHijo)
{
    CBaseMenu::NotificaHijoQuitado(pHijo);
    if (!m_pJuego || pHijo != m_pJuego) return;
    if (m_iEstado == ESTADO_REINICIO)
        Reinicia();
    else if (m_iEstado == ESTADO_FIN_PARTIDA)
        FinDePartida();
}

// ---------------------------------------------------------------------------
// Resources and drawing

void CMenuParametrosModosExtra::CargaRecursos()
{
    if (RecursosCargados()) return;
    if (g_pSistema2D)
        for (Sprite* s : m_apTextos)
            if (s) g_pSistema2D->MarcaSpriteEnUs(s);
    tazmo::MarcaSPM(m_pSPMPanel, true);
    CBaseMenu::CargaRecursos();
}

void CMenuParametrosModosExtra::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    if (g_pSistema2D)
        for (Sprite* s : m_apTextos)
            if (s) g_pSistema2D->DesmarcaSpriteEnUs(s);
    tazmo::MarcaSPM(m_pSPMPanel, false);
    CBaseMenu::DescargaRecursos();
}

void CMenuParametrosModosExtra::DibujaContenido(Sprite* pDestino)
{
    if (!g_pSistema2D) return;
    const int a = static_cast<int>(ProgresoApertura() * 255.0f);
    const auto a8 = [](int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); };
    if (m_pSPMPanel) {
        // The menus' shared panel, as the controls screen's and the boxes'.
        m_pSPMPanel->PonAlfa(a8(a));
        DibujaPanelSPM(pDestino, m_pSPMPanel, kPanelX, kPanelY, kPanelAncho, kPanelAlto);
        for (float x : {kMarcoIzqX, kMarcoDerX}) DibujaPanelSPM(pDestino, m_pSPMPanel, x, kMarcoY, kMarcoAncho, kMarcoAlto);
    } else {
        DibuixaRectangle(pDestino, kPanelX, kPanelY, kPanelAncho, kPanelAlto, true, ColorARGB(a8(a / 2), 0, 0, 0));
        DibuixaRectangle(pDestino, kPanelX, kPanelY, kPanelAncho, kPanelAlto, false,
                         ColorARGB(a8(a), kBordeR, kBordeG, kBordeB));
    }
    auto dibuja = [&](int i, float x, float y, int iAlfa) {
        Sprite* s = m_apTextos[static_cast<size_t>(i)];
        if (s) g_pSistema2D->DibuixaSpriteEX(pDestino, s, x, y, false, iAlfa, 0.0f, 1.0f, 1.0f);
    };
    dibuja(T_DIFICULTAD, kDerX, kCabeceraY, a);
    dibuja(T_TITULO_PROPIOS, kIzqX, kTitulosY, a);
    dibuja(T_TITULO_RANKING, kDerX, kTitulosY, a);
    const int p = static_cast<int>(m_fAlfaPanel * static_cast<float>(a));
    dibuja(T_DESCRIPCION, kIzqX, kCabeceraY, p);
    dibuja(T_NOMBRES, kIzqX, kRecordsY, p);
    dibuja(T_VALORES, kIzqX, kRecordsY, p);
    dibuja(T_NOMBRES_RANKING, kDerX, kRecordsY, p);
    dibuja(T_VALORES_RANKING, kDerX, kRecordsY, p);
}
