#include "game/screens/cofre/MenuCapitulos.h"

#include "engine/audio/GestorSonido.h"
#include "engine/app/Sistemas.h"
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Lineas.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "game/CatalogoJuego.h"
#include "game/play/CatalogoNiveles.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/story/JapSecTazmo.h"

#include <algorithm>
#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr float kVolverX = 824.0f, kVolverY = 740.0f;
// Our chapter medallion is 224 points across: at 0.5 it is 112, and 123
// when focused, so the icons of a column, 120 points apart, never touch.
constexpr float kRadioX = 128.0f, kRadioY = 90.0f, kEscala = 0.5f;
constexpr float kAnchoFondo = 1100.0f, kAltoFondo = 850.0f;
// The replays show the story's text in the story's own serif, as the
// scenes on the story map do.
constexpr int kFuenteEscenas = 1;

struct Punto {
    float x, y;
};
// Three columns of four between the bars. The top row stands low enough
// that the right column's first icon clears the title's medallion at the
// top right, even when focused.
constexpr float kFila[4] = {240.0f, 360.0f, 480.0f, 600.0f};
constexpr float kColumnaIzquierda = 180.0f, kColumnaCentro = 512.0f, kColumnaDerecha = 831.0f;
const Punto kCapitulos[CMenuCapitulos::kNumCapitulos] = {
    {kColumnaIzquierda, kFila[0]}, {kColumnaIzquierda, kFila[1]}, {kColumnaIzquierda, kFila[2]},
    {kColumnaIzquierda, kFila[3]}, {kColumnaCentro, kFila[3]},     {kColumnaCentro, kFila[2]},
    {kColumnaCentro, kFila[1]},    {kColumnaCentro, kFila[0]},     {kColumnaDerecha, kFila[0]},
    {kColumnaDerecha, kFila[1]},   {kColumnaDerecha, kFila[2]},    {kColumnaDerecha, kFila[3]},
};
const char* const kAyudas[CMenuCapitulos::kNumCapitulos] = {
    juego::texto::C001, juego::texto::C002, juego::texto::C003, juego::texto::C004,
    juego::texto::C005, juego::texto::C006, juego::texto::C007, juego::texto::C008,
    juego::texto::C009, juego::texto::C010, juego::texto::C011, juego::texto::C012,
};
// The path: down the left column, along the bottom, up the middle, along
// the top, down the right.
constexpr int kTramos[][2] = {{0, 3}, {3, 4}, {4, 7}, {7, 8}, {8, 11}};
constexpr float kEscalaCamino = 2.0f, kGrosorCamino = 2.0f;
constexpr float kPasoFase = 1.0f / 1024.0f;

} // namespace

// ---------------------------------------------------------------------------
// Decisions

int CMenuCapitulos::NumEscenas(int c)
{
    return c >= 0 && c < kNumCapitulos ? PartesPorGrupo[static_cast<size_t>(c)] : 0;
}

std::string CMenuCapitulos::Escena(int c, int p)
{
    if (!g_pMenuMaestro || p < 0 || p >= NumEscenas(c)) return {};
    const EntradaNivel* e = g_pMenuMaestro->m_TablaNiveles.Entrada(kDificultadEscenas, c, p);
    return e ? e->JAPSECOUTRO : std::string();
}

std::string CMenuCapitulos::Marcador(int c) { return "MCapitulos_" + std::to_string(c); }

bool CMenuCapitulos::Reproduciendo() const { return m_pJapSecTazmo && m_pJapSecTazmo->EstaCargado(); }

// ---------------------------------------------------------------------------
// Creation and release

CMenuCapitulos::~CMenuCapitulos()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuCapitulos::LiberaPropios()
{
    if (m_pJapSecTazmo) m_pJapSecTazmo->Libera();
    tazmo::Borra(m_pJapSecTazmo);
    for (CBotonIconoTazmo*& p : m_apCapitulos) tazmo::Borra(p);
    tazmo::Borra(m_pBotonVolver);
    tazmo::BorraSPM(m_pSPMFondo);
    tazmo::BorraSPM(m_pSPMCamino);
}

void CMenuCapitulos::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuCapitulos::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    m_iEstado = ESTADO_INICIO;
    m_iCapitulo = -1;
    m_iEscena = 0;
    m_nEmpezadas = 0;
    m_fFaseCamino = 0.0f;
    if (!CBaseMenu::Crea("MenuCapitulos", juego::paquete::TITULO_CAPITULOS, nullptr, juego::musica::RAN_MENUS,
                         juego::paquete::ICO_CAPITULOS, true, true, true))
        return false;
    if (!Construye()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMenuCapitulos::Construye()
{
    for (int c = 0; c < kNumCapitulos; ++c) {
        m_apCapitulos[c] = new (std::nothrow) CBotonIconoTazmo;
        if (!m_apCapitulos[c] ||
            !m_apCapitulos[c]->Inicia(juego::paquete::ICO_CAPITULOS, 0, kSonidoFoco, kSonidoPulsar, kCentroX, kCentroY,
                                      kCapitulos[c].x, kCapitulos[c].y, true, kRadioX, kRadioY, kEscala,
                                      CodigoFLI(kAyudas[c]), 0, c, Marcador(c).c_str()))
            return false;
    }
    m_pBotonVolver = new (std::nothrow) CBotonTazmo;
    if (!m_pBotonVolver ||
        !m_pBotonVolver->Inicia(kSonidoFoco, kSonidoPulsar, kVolverX, kVolverY, CodigoFLI(juego::texto::MP05),
                                CodigoFLI(juego::texto::BLOQ), -1, -1, 0, ID_VOLVER, "MenuCapitulos_BUT_Volver"))
        return false;
    if (!(m_pSPMFondo = tazmo::CopiaSPM(motor::paquete::CUADRO_BLANCO))) return false;
    m_pSPMFondo->PonColor(0, 0, 0);
    if (const Sprite* s = m_pSPMFondo->GetSprite(0); s && s->GetAmplada() > 0.0f && s->GetAlcada() > 0.0f)
        m_pSPMFondo->PonEscala(kAnchoFondo / s->GetAmplada(), kAltoFondo / s->GetAlcada());
    if (!(m_pSPMCamino = tazmo::CopiaSPM(juego::paquete::SEL_LIN_MAIDA))) return false;
    if (!(m_pJapSecTazmo = new (std::nothrow) CJapSecTazmo)) return false;
    for (CBotonIconoTazmo* p : m_apCapitulos) AnadeHijo(false, p, false, false);
    AnadeHijo(false, m_pBotonVolver, false, false);
    return true;
}

// ---------------------------------------------------------------------------
// Update

bool CMenuCapitulos::CargaEscena()
{
    if (m_iEscena >= NumEscenas(m_iCapitulo)) return false;
    const std::string sEscena = Escena(m_iCapitulo, m_iEscena);
    const ConfigSecuenciador config = CJapSecTazmo::ConfigCaja();
    ++m_nEmpezadas;
    // A scene that cannot be loaded is over at once: the interpreter then
    // holds nothing and the next step goes on to the next scene.
    if (!sEscena.empty() && m_pJapSecTazmo->Carga(sEscena.c_str(), &config, kFuenteEscenas) && RecursosCargados()) {
        m_pJapSecTazmo->CargaRecursos();
        if (g_pSistema2D) g_pSistema2D->CarregaBitmapsEnUs();
        if (g_pGestorSonido) g_pGestorSonido->RecargaMuestrasSonido();
    }
    return true;
}

void CMenuCapitulos::Termina()
{
    IniciaMusica();
    m_pJapSecTazmo->Libera();
    m_iCapitulo = -1;
    m_iEstado = ESTADO_ESPERA;
}

void CMenuCapitulos::Actualiza()
{
    m_fFaseCamino -= kPasoFase;
    if (m_fFaseCamino < 0.0f) m_fFaseCamino += 1.0f;
    if (Reproduciendo()) m_pJapSecTazmo->Actualiza();
    switch (m_iEstado) {
    case ESTADO_INICIO: m_iEstado = ESTADO_ESPERA; break;
    case ESTADO_ESPERA:
        if (m_iCapitulo >= 0) {
            // The scenes take the pointer from here on: it leaves the icons,
            // so that none keeps its hint over the scenes.
            CBaseMenu::TrataMovimientoRaton(0, -1.0e4f, -1.0e4f, false);
            m_iEscena = 0;
            CargaEscena();
            m_iEstado = ESTADO_ESCENAS;
        }
        break;
    case ESTADO_ESCENAS:
        if (m_pJapSecTazmo->GetResultado() != -1) {
            ++m_iEscena;
            if (!CargaEscena()) Termina();
        }
        break;
    default: m_iEstado = ESTADO_ESPERA; break;
    }
    CBaseMenu::Actualiza();
}

// ---------------------------------------------------------------------------
// Input and events

bool CMenuCapitulos::TrataBotonRaton(int iRaton, int iEvento, float x, float y)
{
    // A press on a playing scene is the scene's alone: the icons under it
    // would take the pointer and show their hints over the scene.
    if (Reproduciendo()) {
        m_pJapSecTazmo->TrataBotonRaton(iRaton, iEvento, x, y);
        return true;
    }
    return CBaseMenu::TrataBotonRaton(iRaton, iEvento, x, y);
}

bool CMenuCapitulos::TrataTecla(int iTecla)
{
    if (Reproduciendo() && m_pJapSecTazmo->TrataTecla(iTecla)) return true;
    return CBaseMenu::TrataTecla(iTecla);
}

bool CMenuCapitulos::TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion)
{
    if (Reproduciendo() && m_pJapSecTazmo->TrataMovimientoRaton(iRaton, x, y, bPorPulsacion)) return true;
    return CBaseMenu::TrataMovimientoRaton(iRaton, x, y, bPorPulsacion);
}

bool CMenuCapitulos::TrataCaracter(char c)
{
    if (Reproduciendo() && m_pJapSecTazmo->TrataCaracter(c)) return true;
    return CBaseMenu::TrataCaracter(c);
}

void CMenuCapitulos::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    // While a chapter plays, the screen's own buttons do nothing.
    if (iTipo != EVENTO_PULSADO || !m_bCreado || m_iCapitulo >= 0 || Reproduciendo()) return;
    if (iIdEmisor == ID_VOLVER) {
        if (g_pMenuMaestro) g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuCofreTesoro);
    } else if (iIdEmisor >= 0 && iIdEmisor < kNumCapitulos) {
        m_iCapitulo = iIdEmisor;
    }
}

// ---------------------------------------------------------------------------
// Drawing and resources

void CMenuCapitulos::DibujaContenido(Sprite* pDestino)
{
    Sprite* s = m_pSPMCamino ? m_pSPMCamino->GetSprite(0) : nullptr;
    if (!s) return;
    const int a = static_cast<int>(std::clamp(ProgresoApertura(), 0.0f, 1.0f) * 255.0f);
    for (const auto& t : kTramos) {
        const Punto& p0 = kCapitulos[t[0]];
        const Punto& p1 = kCapitulos[t[1]];
        DibuixaLiniaSprites(pDestino, s, p0.x, p0.y, p1.x, p1.y, kEscalaCamino, kGrosorCamino, m_fFaseCamino, a, a, 0,
                            nullptr);
    }
}

void CMenuCapitulos::DibujaEncima(Sprite* pDestino)
{
    if (!Reproduciendo()) return;
    if (m_pSPMFondo) m_pSPMFondo->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    m_pJapSecTazmo->Dibuja(pDestino);
}

void CMenuCapitulos::CargaRecursos()
{
    if (RecursosCargados()) return;
    if (Reproduciendo()) m_pJapSecTazmo->CargaRecursos();
    tazmo::MarcaSPM(m_pSPMCamino, true);
    tazmo::MarcaSPM(m_pSPMFondo, true);
    CBaseMenu::CargaRecursos();
}

void CMenuCapitulos::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    if (Reproduciendo()) m_pJapSecTazmo->DescargaRecursos();
    tazmo::MarcaSPM(m_pSPMCamino, false);
    tazmo::MarcaSPM(m_pSPMFondo, false);
    CBaseMenu::DescargaRecursos();
}
