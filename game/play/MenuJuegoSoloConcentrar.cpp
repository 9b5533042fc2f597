#include "game/play/MenuJuegoSoloConcentrar.h"

#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "game/CatalogoJuego.h"
#include "game/play/Figuras.h"
#include "game/play/herramientas/HerramientaBonuses.h"
#include "game/play/herramientas/HerramientaEventoSonido.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>

namespace {

// The HUD: score, clock, multiplier and level, each under its label.
enum { HUD_ETIQUETA_PUNTOS, HUD_PUNTOS, HUD_ETIQUETA_RELOJ, HUD_RELOJ, HUD_ETIQUETA_MULTI, HUD_MULTI,
       HUD_ETIQUETA_NIVEL, HUD_NIVEL };
const std::vector<CHudModo::FilaTexto>& TextosHud()
{
    static const std::vector<CHudModo::FilaTexto> filas = {
        {CodigoFLI(juego::texto::ME00), 120.0f, 621.0f}, {-1, 120.0f, 685.0f},
        {CodigoFLI(juego::texto::ME01), 120.0f, 42.0f},  {-1, 120.0f, 130.0f},
        {CodigoFLI(juego::texto::ME02), 330.0f, 676.0f}, {-1, 330.0f, 715.0f},
        {CodigoFLI(juego::texto::ME03), 900.0f, 42.0f},  {-1, 900.0f, 130.0f},
    };
    return filas;
}
// One plate under each label and its value, inside the screen's edges.
const std::vector<CHudModo::Placa> kPlacas = {{120.0f, 92.0f, 0.75f, 1.96f},
                                              {900.0f, 92.0f, 0.7f, 1.96f},
                                              {120.0f, 656.0f, 0.75f, 1.7f},
                                              {330.0f, 698.0f, 0.55f, 1.3f}};

constexpr int kFanfarriaSello = 1;
constexpr int kFanfarriaEnergia = 3;

int Codigo(const char* sz) { return CodigoFLI(sz); }

const std::array<std::string, FIGURAS_POR_POOL_CONCENTRAR>& Pool(const RegistroNivel& n, int p)
{
    return p == 0 ? n.FIGURASSOLOCONCENTRARINICIO : p == 1 ? n.FIGURASSOLOCONCENTRARMITAD : n.FIGURASSOLOCONCENTRARFINAL;
}

} // namespace

// ---------------------------------------------------------------------------
// Decisions

void CMenuJuegoSoloConcentrar::SiguientesColores(int& iColores, int& iBajo, int& iAlto)
{
    ++iColores;
    if (iColores >= iAlto) {
        iColores = iBajo;
        iBajo = std::min(iBajo + 1, kColoresTope);
        iAlto = std::min(iAlto + 1, kColoresTope);
    }
}

int CMenuJuegoSoloConcentrar::PoolDeNivel(int iNivel)
{
    return iNivel < kNivelMitad ? 0 : iNivel < kNivelFinal ? 1 : 2;
}

int CMenuJuegoSoloConcentrar::PoolConFiguras(int iPool, const std::array<int, kNumPools>& aiCuantas)
{
    for (int p = std::clamp(iPool, 0, kNumPools - 1); p >= 0; --p)
        if (aiCuantas[static_cast<size_t>(p)] > 0) return p;
    // Nothing earlier: a later pool rather than no board.
    for (int p = 0; p < kNumPools; ++p)
        if (aiCuantas[static_cast<size_t>(p)] > 0) return p;
    return -1;
}

int CMenuJuegoSoloConcentrar::IncrementoObjetivo(const RegistroNivel& n, int iNivel)
{
    if (iNivel >= 0 && iNivel < NIVELES_TABLA_CONCENTRAR)
        return n.INCREMENTOPUNTUACIONPORNIVELSOLOCONCENTRAR[static_cast<size_t>(iNivel)];
    return n.INCREMENTOPUNTUACIONALACABARSOLOCONCENTRAR;
}

int CMenuJuegoSoloConcentrar::TiempoExtra(const RegistroNivel& n, int iNivel)
{
    if (iNivel >= 0 && iNivel < NIVELES_TABLA_CONCENTRAR)
        return n.TIEMPOEXTRAPORNIVELSOLOCONCENTRAR[static_cast<size_t>(iNivel)];
    return n.TIEMPOEXTRAALACABARSOLOCONCENTRAR;
}

// ---------------------------------------------------------------------------
// Life

CMenuJuegoSoloConcentrar::~CMenuJuegoSoloConcentrar() { CMenuJuegoSoloConcentrar::LiberaNivel(); }

void CMenuJuegoSoloConcentrar::InicializaModo(const RegistroNivel& nivel)
{
    m_iPuntuacionModo = 0;
    m_iUltimaPuntuacion = m_iUltimoMultiplicador = -1;
    m_iReloj = m_iTiempoTotal = m_iNivel = m_iObjetivoAcumulado = 0;
    m_iColores = 3;
    m_iBajo = 2;
    m_iAlto = 5;
    m_iPoolUsado = -1;
    m_aiGeneradores.clear();
    for (auto& t : m_aTransformaciones) t.fill(TransformacionFigura{});
    for (auto& v : m_aNombradas) v.clear();
    m_NivelModo = nivel;
}

void CMenuJuegoSoloConcentrar::LiberaModo()
{
    m_Hud.Libera();
    for (auto& pool : m_aPools)
        for (CLista& l : pool) BorraPiezas(l);
}

bool CMenuJuegoSoloConcentrar::CreaModo()
{
    // The boards the level names; an empty name is no board.
    bool bAlguna = false;
    for (int p = 0; p < kNumPools; ++p)
        for (int i = 0; i < FIGURAS_POR_POOL_CONCENTRAR; ++i) {
            const std::string& s = Pool(m_NivelModo, p)[static_cast<size_t>(i)];
            if (s.empty()) continue;
            CLista& l = m_aPools[static_cast<size_t>(p)][static_cast<size_t>(i)];
            if (!CargaTapiz(l, s.c_str(), m_Nivel) || l.EstaVacia()) continue;
            m_aTransformaciones[static_cast<size_t>(p)][static_cast<size_t>(i)] = g_TransformacionCarga;
            m_aNombradas[static_cast<size_t>(p)].push_back(i);
            bAlguna = true;
        }
    if (!bAlguna || !m_Hud.Crea(TextosHud(), kPlacas)) return false;
    SiguienteFigura(true);
    PonMaximoLinea(kMaximoLineaInicial);
    ActivaGenerador(0);
    ActualizaHud();
    return true;
}

void CMenuJuegoSoloConcentrar::ActivaGenerador(int i)
{
    // The bonuses tool starts generator i with the mode's record i.
    m_aiGeneradores.push_back(i);
    if (m_pBonuses && i >= 0 && i < NUM_REGISTROS_BONUS)
        m_pBonuses->ActivaGenerador(i, &m_NivelModo.PORCENTAJEBONUSESSOLOCONCENTRAR[static_cast<size_t>(i)]);
}

void CMenuJuegoSoloConcentrar::SiguienteFigura(bool bInicio)
{
    const int L = m_iNivel;
    m_iTiempoTotal += m_iTiempoUsado;
    std::array<int, kNumPools> aiCuantas{};
    for (int p = 0; p < kNumPools; ++p) aiCuantas[static_cast<size_t>(p)] = static_cast<int>(m_aNombradas[static_cast<size_t>(p)].size());
    const int p = PoolConFiguras(PoolDeNivel(L), aiCuantas);
    if (p >= 0) {
        const std::vector<int>& v = m_aNombradas[static_cast<size_t>(p)];
        const int c = v[static_cast<size_t>(EnteroAleatorio(0, static_cast<int>(v.size()) - 1))];
        m_iPoolUsado = p;
        PreparaSiguienteFigura(&m_aPools[static_cast<size_t>(p)][static_cast<size_t>(c)], bInicio,
                               m_aTransformaciones[static_cast<size_t>(p)][static_cast<size_t>(c)], nullptr);
    }
    m_iObjetivoAcumulado += IncrementoObjetivo(m_NivelModo, L);
    PonObjetivo(m_iObjetivoAcumulado);
    DescuentaTiempo(TiempoExtra(m_NivelModo, L));
    SiguientesColores(m_iColores, m_iBajo, m_iAlto);
    FijaNumeroColores(m_iColores);
    m_Hud.Escribe(HUD_NIVEL, std::to_string(L + 1));
    ++m_iNivel;
}

// ---------------------------------------------------------------------------
// Play

bool CMenuJuegoSoloConcentrar::ConcentraEnergia()
{
    for (int i = 1; i < NUM_REGISTROS_BONUS; ++i)
        if (m_iNivel == m_NivelModo.NIVELACTIVACIONBONUSESSOLOCONCENTRAR[static_cast<size_t>(i)]) ActivaGenerador(i);
    DesvaneceFigura();
    if (m_NivelModo.MAXNIVEL_SOLOCONCENTRAR != -1 && m_iNivel == m_NivelModo.MAXNIVEL_SOLOCONCENTRAR) {
        TerminaNivel();
        return true;
    }
    SiguienteFigura(false);
    PonFase(FASE_CONCENTRA_ENERGIA_BIS);
    if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(kFanfarriaSello);
    return true;
}

bool CMenuJuegoSoloConcentrar::CompletaSello()
{
    SiguienteFigura(false);
    PonFase(FASE_CONCENTRA_ENERGIA_BIS);
    if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(kFanfarriaEnergia);
    return true;
}

void CMenuJuegoSoloConcentrar::PuntuaLinea(int iCruces) { m_iPuntuacionModo += iCruces * Multiplicador(); }

void CMenuJuegoSoloConcentrar::AlcanzaLineaMaxima(int iMaximo) { PonMaximoLinea(MaximoTrasLineaMaxima(iMaximo)); }

void CMenuJuegoSoloConcentrar::ActualizaHud()
{
    if (m_iPuntuacionModo != m_iUltimaPuntuacion) {
        m_iUltimaPuntuacion = m_iPuntuacionModo;
        m_Hud.Escribe(HUD_PUNTOS, std::to_string(m_iPuntuacionModo));
    }
    // One clock: the time left that ends the run when it runs out, the one
    // the board's own counter shows (each level's extra time raises it).
    m_Hud.Escribe(HUD_RELOJ, CHudModo::Reloj(TiempoRestante()));
    if (Multiplicador() != m_iUltimoMultiplicador) {
        m_iUltimoMultiplicador = Multiplicador();
        m_Hud.Escribe(HUD_MULTI, std::to_string(m_iUltimoMultiplicador) + "x");
    }
}

void CMenuJuegoSoloConcentrar::Actualiza()
{
    CMenuJuego::Actualiza();
    if (!m_bCreado) return;
    if (ModoEnJuego()) {
        // The time played stops with the run (its time-out or its victory).
        if (m_iFase < FASE_VICTORIA) ++m_iReloj;
        ActualizaHud();
    }
    TerminaPasoModo();
}

void CMenuJuegoSoloConcentrar::CargaRecursos()
{
    m_Hud.CargaRecursos();
    for (auto& pool : m_aPools)
        for (CLista& l : pool)
            for (NodoLista* p = l.m_pCabeza; p; p = p->m_pSiguiente) static_cast<CBolaTablero*>(p->m_pItem)->CargaRecursos();
    CMenuJuego::CargaRecursos();
}

void CMenuJuegoSoloConcentrar::DescargaRecursos()
{
    m_Hud.DescargaRecursos();
    for (auto& pool : m_aPools)
        for (CLista& l : pool)
            for (NodoLista* p = l.m_pCabeza; p; p = p->m_pSiguiente)
                static_cast<CBolaTablero*>(p->m_pItem)->DescargaRecursos();
    CMenuJuego::DescargaRecursos();
}

void CMenuJuegoSoloConcentrar::DibujaHudModo(Sprite* pDestino) { m_Hud.Dibuja(pDestino); }

// ---------------------------------------------------------------------------
// Summaries

void CMenuJuegoSoloConcentrar::PreparaResumenInicial()
{
    DatosResumen d;
    d.Inicializa();
    d.m_bInicial = true;
    d.m_iCodigoTitulo = Codigo(juego::texto::MR01);
    d.AnadeSeparador();
    d.AnadeCabecera(Codigo(juego::texto::RE02));
    d.AnadeParrafo(Codigo(juego::texto::RE70));
    d.AnadeParrafo(Codigo(juego::texto::RE71));
    d.AnadeCabecera(Codigo(juego::texto::RE72));
    d.AnadeSeparador();
    AnadeRecordsInicio(d, TablaPuntuacion());
    d.AnadeSeparador();
    EntregaResumen(d);
}

void CMenuJuegoSoloConcentrar::PreparaResumenFinal()
{
    QuitaBotonesPartida();
    const bool bConFin = m_NivelModo.MAXNIVEL_SOLOCONCENTRAR != -1;
    const bool bVictoria = m_iResultadoGuardado == RESULTADO_VICTORIA;
    DatosResumen d;
    d.Inicializa();
    d.m_bInicial = false;
    d.m_iCodigoTitulo = Codigo(juego::texto::MR01);
    d.AnadeSeparador();
    d.AnadeCabecera(Codigo(bConFin ? juego::texto::PM00 : juego::texto::PM01));
    d.AnadeCabecera(Codigo(!bConFin ? juego::texto::RE90 : bVictoria ? juego::texto::RE00 : juego::texto::RE01));
    d.AnadeSeparador();
    // The run's length: the time played, every level's.
    d.AnadeTiempo(Codigo(juego::texto::RE51), m_iReloj);
    d.AnadeEntero(Codigo(juego::texto::RE52), m_iNivel - 1);
    d.AnadeEntero(Codigo(juego::texto::RE53), m_iMaximoLinea);
    d.AnadeEntero(Codigo(juego::texto::RE54), Multiplicador());
    d.AnadeSeparador();
    d.AnadeEntero(Codigo(juego::texto::RE55), m_iPuntuacionModo);
    CierraResumenPuntuacion(d, TablaPuntuacion(), m_iPuntuacionModo);
}

int CMenuJuegoSoloConcentrar::TablaPuntuacion() const
{
    return m_NivelModo.m_iNivelModoExtra == NIVEL_JUGAR_A10 ? TABLA_CONCENTRAR : TABLA_CONCENTRAR_SIN_FIN;
}
