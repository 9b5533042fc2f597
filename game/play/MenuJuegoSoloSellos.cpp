#include "game/play/MenuJuegoSoloSellos.h"

#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/play/Figuras.h"
#include "game/play/herramientas/HerramientaCarteles.h"
#include "game/play/herramientas/HerramientaCirculoCabalistico.h"
#include "game/play/herramientas/HerramientaEventoSonido.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

const std::array<FilaSelloAzar, NUM_SELLOS_AZAR> TablaSellosAzar = {{
    {juego::fichero::FIGURA_03_01_LAAMPOLLA, juego::paquete::SELLO_01_ELVENENO},
    {juego::fichero::FIGURA_03_02_LADUDA, juego::paquete::SELLO_02_LASOSPECHA},
    {juego::fichero::FIGURA_03_03_ELESCUDO, juego::paquete::SELLO_08_ELESCUDO},
    {juego::fichero::FIGURA_04_01_ELPAN, juego::paquete::SELLO_03_ELPAN},
    {juego::fichero::FIGURA_04_02_LARISA, juego::paquete::SELLO_06_LARISA},
    {juego::fichero::FIGURA_04_03_LADUDA, juego::paquete::SELLO_09_LADUDA},
    {juego::fichero::FIGURA_04_04_LAAMISTAD, juego::paquete::SELLO_18_19_LAAMISTAD},
    {juego::fichero::FIGURA_05_01_ELMIEDO, juego::paquete::SELLO_21_ELMIEDO},
    {juego::fichero::FIGURA_06_00_LABURLA, juego::paquete::SELLO_24_LABURLA},
    {juego::fichero::FIGURA_06_01_LATRISTEZA, juego::paquete::SELLO_05_LATRISTEZA},
    {juego::fichero::FIGURA_06_02_LAENVIDIA, juego::paquete::SELLO_13_LAENVIDIA},
    {juego::fichero::FIGURA_06_03_LAALEGRIA, juego::paquete::SELLO_20_LAALEGRIA},
    {juego::fichero::FIGURA_06_04_ELENFADO, juego::paquete::SELLO_12_ELENFADO},
    {juego::fichero::FIGURA_06_05_LALUCHADEPODERES, juego::paquete::SELLO_25_LAGUERRADEPODERES},
    {juego::fichero::FIGURA_07_01_LAAUTORIDAD, juego::paquete::SELLO_29_LAAUTORIDAD},
    {juego::fichero::FIGURA_07_02_LAINOCENCIA, juego::paquete::SELLO_30_LAINOCENCIA},
    {juego::fichero::FIGURA_07_03_LAINTRIGA, juego::paquete::SELLO_14_LAINTRIGA},
    {juego::fichero::FIGURA_07_04_ELGRITO, juego::paquete::SELLO_28_ELGRITO},
    {juego::fichero::FIGURA_07_05_ELTERROR, juego::paquete::SELLO_35_LAMALDAD},
    {juego::fichero::FIGURA_08_01_LAFUERZA, juego::paquete::SELLO_17_LAFUERZA},
    {juego::fichero::FIGURA_08_02_LADAGADELASESINO, juego::paquete::SELLO_27_LADAGADELASESINO},
    {juego::fichero::FIGURA_09_01_LAMUERTE, juego::paquete::SELLO_32_LAMUERTE},
    {juego::fichero::FIGURA_09_02_LAINOCENCIAIIELBEBE, juego::paquete::SELLO_53_LAINOCENCIA},
    {juego::fichero::FIGURA_09_03_LARABIA, juego::paquete::SELLO_34_LARABIA},
    {juego::fichero::FIGURA_09_04_LAVERDAD, juego::paquete::SELLO_22_LAVERDAD},
    {juego::fichero::FIGURA_09_05_ELESCUDOVICTORIOSO, juego::paquete::SELLO_56_ELESCUDOVICTORIOSO},
    {juego::fichero::FIGURA_09_06_ELLIBROVICTORIOSO, juego::paquete::SELLO_57_ELLIBROVICTORIOSO},
    {juego::fichero::FIGURA_10_01_LAESPERANZA, juego::paquete::SELLO_31_LAESPERANZA},
    {juego::fichero::FIGURA_10_02_LALOCURA, juego::paquete::SELLO_32_ELLOCO},
    {juego::fichero::FIGURA_11_01_LAMUERTEII, juego::paquete::SELLO_33_LAMUERTE},
    {juego::fichero::FIGURA_11_02_LAMALDAD, juego::paquete::SELLO_35_LAMALDAD},
    {juego::fichero::FIGURA_11_03_ELCANDIL, juego::paquete::SELLO_26_ELCANDIL},
    {juego::fichero::FIGURA_11_04_ORRINDALE, juego::paquete::SELLO_58_ORRINDALE},
    {juego::fichero::FIGURA_12_01_ELAMORDEUNAMADRE, juego::paquete::SELLO_55_ELAMORDEMADRE},
    {juego::fichero::FIGURA_12_02_ESCUDOCONELCORAZONDEFUEGO, juego::paquete::SELLO_48_ELCORAZONLLAMEANTE},
    {juego::fichero::FIGURA_12_03_ELAMORFRATERNAL, juego::paquete::SELLO_54_ELAMORFRATERNAL},
    {juego::fichero::FIGURA_12_04_LAFUERZAENCONTRADA, juego::paquete::SELLO_42_LOSTRESCORAZONES},
}};

const std::array<FilaMultiSelloAzar, NUM_MULTISELLOS_AZAR> TablaMultiSellosAzar = {{
    {juego::fichero::FIGURA_13_00_MULTIELLINAJE, {juego::paquete::SELLO_38_ELPODER, juego::paquete::SELLO_37_LAVIDA, juego::paquete::SELLO_47_LANOBLEZA, "", ""}},
    {juego::fichero::FIGURA_13_01_MULTIDESAMOR, {juego::paquete::SELLO_40_ELRECHAZO, juego::paquete::SELLO_41_ELCOMPROMISO, juego::paquete::SELLO_39_LASBUENASGENTES, "", ""}},
    {juego::fichero::FIGURA_13_02_MULTIELODIO, {juego::paquete::SELLO_50_ELCUERVO, juego::paquete::SELLO_36_ELBEBEMUERTO, juego::paquete::SELLO_52_LATRAICION, juego::paquete::SELLO_46_LAVENGANZA, ""}},
    {juego::fichero::FIGURA_13_03_MULTIELPERDON, {juego::paquete::SELLO_45_LACORONA, juego::paquete::SELLO_49_LAROSA, juego::paquete::SELLO_51_LAMADREYELNINYO, juego::paquete::SELLO_44_LABELLEZA, ""}},}};

namespace {

// The HUD: the clock and the seals counter, each under its label.
enum { HUD_ETIQUETA_RELOJ, HUD_RELOJ, HUD_ETIQUETA_CONTADOR, HUD_CONTADOR };
const std::vector<CHudModo::FilaTexto>& TextosHud()
{
    static const std::vector<CHudModo::FilaTexto> filas = {
        {CodigoFLI(juego::texto::ME01), 120.0f, 42.0f},
        {-1, 120.0f, 130.0f},
        {CodigoFLI(juego::texto::ME03), 900.0f, 42.0f},
        {-1, 900.0f, 130.0f},
    };
    return filas;
}
// One plate under each label and its value, inside the screen's edges.
const std::vector<CHudModo::Placa> kPlacas = {{120.0f, 92.0f, 0.75f, 1.96f}, {900.0f, 92.0f, 0.7f, 1.96f}};

constexpr int kFanfarriaSello = 1;
constexpr int kFanfarriaEnergia = 3;
constexpr int kPasosSegundo = 30;

// A figure file named in the catalogue, as the level files name it: below
// the figures' folder.
const char* RelativaATapices(const char* szRuta)
{
    const size_t n = std::strlen(CARPETA_TAPICES);
    return std::strncmp(szRuta, CARPETA_TAPICES, n) == 0 ? szRuta + n : szRuta;
}

int Codigo(const char* sz) { return CodigoFLI(sz); }

// The heading of a level kind: the menu's caption of its button.
int CabeceraNivel(int iNivel)
{
    static constexpr const char* kFijos[] = {juego::texto::PM02, juego::texto::PM03, juego::texto::PM04,
                                             juego::texto::PM05, juego::texto::PM06, juego::texto::PM07,
                                             juego::texto::PM08, juego::texto::PM09, juego::texto::PM10};
    if (iNivel >= 0 && iNivel < 9) return Codigo(kFijos[iNivel]);
    if (iNivel == CMenuJuegoSoloSellos::NIVEL_MULTISELLOS) return Codigo(juego::texto::PM20);
    if (iNivel == CMenuJuegoSoloSellos::NIVEL_AZAR) return Codigo(juego::texto::PM21);
    return -1;
}

// A time for a summary line: none shows as no time.
int TiempoMostrado(int iPasos) { return iPasos == SIN_TIEMPO ? -1 : iPasos; }

} // namespace

// ---------------------------------------------------------------------------
// Decisions

int CMenuJuegoSoloSellos::TablaTiempos(int iNivel)
{
    if (iNivel >= 0 && iNivel < 9) return iNivel;
    if (iNivel == NIVEL_MULTISELLOS) return 9;
    if (iNivel == NIVEL_AZAR) return 10;
    return -1;
}

float CMenuJuegoSoloSellos::TrazosPorSegundo(int iTrazos, int iPasos)
{
    const int iSegundos = iPasos / kPasosSegundo;
    return iSegundos > 0 ? static_cast<float>(iTrazos) / static_cast<float>(iSegundos) : 0.0f;
}

std::string CMenuJuegoSoloSellos::Contador(int iHechas, int iTotal)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "%d/%d", iHechas, iTotal);
    return sz;
}

// ---------------------------------------------------------------------------
// Life

CMenuJuegoSoloSellos::~CMenuJuegoSoloSellos() { CMenuJuegoSoloSellos::LiberaNivel(); }

void CMenuJuegoSoloSellos::InicializaModo(const RegistroNivel& nivel)
{
    m_iNumFiguras = m_iNumMulti = 0;
    m_iTiempo = m_iSiguiente = m_iSiguienteMulti = m_iTrazos = m_iHechas = 0;
    m_bRelojEnMarcha = false;
    m_aTransformaciones.fill(TransformacionFigura{});
    m_aMultiTransformaciones.fill(TransformacionFigura{});
    m_NivelModo = nivel;
}

void CMenuJuegoSoloSellos::LiberaModo()
{
    m_Hud.Libera();
    for (CLista& l : m_aListas) BorraPiezas(l);
    for (CLista& l : m_aMultiListas) BorraPiezas(l);
    m_bModoCreado = false;
}

bool CMenuJuegoSoloSellos::CreaModo()
{
    if (!Prepara()) return false;
    m_bModoCreado = true;
    return true;
}

void CMenuJuegoSoloSellos::SorteaAzar(RegistroNivel& n)
{
    // Four seals of the pool (one may come twice) and one multi seal.
    n.m_iNumFigurasSoloSellos = n.m_iNumImagenesSoloSellos = kFigurasAzar;
    for (int i = 0; i < kFigurasAzar; ++i) {
        const FilaSelloAzar& f = TablaSellosAzar[static_cast<size_t>(EnteroAleatorio(0, NUM_SELLOS_AZAR - 1))];
        n.FIGURA_SOLO_SELLOS[static_cast<size_t>(i)] = RelativaATapices(f.szFigura);
        n.IMAGENFINAL_SOLO_SELLOS[static_cast<size_t>(i)] = f.szImagen;
    }
    const FilaMultiSelloAzar& m = TablaMultiSellosAzar[static_cast<size_t>(EnteroAleatorio(0, NUM_MULTISELLOS_AZAR - 1))];
    n.m_iNumMultiFigurasSoloSellos = n.m_iNumMultiImagenesSoloSellos = 1;
    n.MULTIFIGURA_SOLO_SELLOS[0] = RelativaATapices(m.szFigura);
    for (size_t k = 0; k < m.aszImagenes.size(); ++k) n.MULTIIMAGENFINAL_SOLO_SELLOS[0][k] = m.aszImagenes[k];
}

bool CMenuJuegoSoloSellos::Prepara()
{
    RegistroNivel& n = m_NivelModo;
    if (n.m_iNivelModoExtra == NIVEL_AZAR) SorteaAzar(n);
    // Every seal the level names must be there.
    m_iNumFiguras = std::clamp(n.m_iNumFigurasSoloSellos, 0, MAX_FIGURAS_SOLO_SELLOS);
    m_iNumMulti = std::clamp(n.m_iNumMultiFigurasSoloSellos, 0, MAX_MULTIFIGURAS_SOLO_SELLOS);
    for (int i = 0; i < m_iNumFiguras; ++i) {
        if (!CargaTapiz(m_aListas[static_cast<size_t>(i)], n.FIGURA_SOLO_SELLOS[static_cast<size_t>(i)].c_str(), m_Nivel))
            return false;
        m_aTransformaciones[static_cast<size_t>(i)] = g_TransformacionCarga;
    }
    for (int j = 0; j < m_iNumMulti; ++j) {
        if (!CargaTapiz(m_aMultiListas[static_cast<size_t>(j)],
                        n.MULTIFIGURA_SOLO_SELLOS[static_cast<size_t>(j)].c_str(), m_Nivel))
            return false;
        m_aMultiTransformaciones[static_cast<size_t>(j)] = g_TransformacionCarga;
    }
    if (m_iNumFiguras + m_iNumMulti == 0) return false;
    if (!m_Hud.Crea(TextosHud(), kPlacas)) return false;
    m_Hud.Escribe(HUD_RELOJ, CHudModo::Reloj(0));
    m_Hud.Escribe(HUD_CONTADOR, Contador(0, NumFiguras()));
    if (m_iNumFiguras > 0)
        SiguienteFigura(true);
    else
        SiguienteFiguraMulti(true);
    return true;
}

bool CMenuJuegoSoloSellos::SiguienteFigura(bool bInicio)
{
    if (m_iSiguiente >= m_iNumFiguras) return false;
    const size_t i = static_cast<size_t>(m_iSiguiente++);
    const char* apsz[IMAGENES_POR_MULTIFIGURA] = {m_NivelModo.IMAGENFINAL_SOLO_SELLOS[i].c_str(), "", "", "", ""};
    PreparaSiguienteFigura(&m_aListas[i], bInicio, m_aTransformaciones[i], apsz);
    return true;
}

bool CMenuJuegoSoloSellos::SiguienteFiguraMulti(bool bInicio)
{
    if (m_iSiguienteMulti >= m_iNumMulti) return false;
    const size_t j = static_cast<size_t>(m_iSiguienteMulti++);
    // Multi seals are traced colour by colour.
    m_Nivel.RUSHDESELLOS = true;
    const char* apsz[IMAGENES_POR_MULTIFIGURA];
    for (size_t k = 0; k < IMAGENES_POR_MULTIFIGURA; ++k) apsz[k] = m_NivelModo.MULTIIMAGENFINAL_SOLO_SELLOS[j][k].c_str();
    PreparaSiguienteFigura(&m_aMultiListas[j], bInicio, m_aMultiTransformaciones[j], apsz);
    if (g_pSistema2D) {
        g_pSistema2D->CarregaBitmapsEnUs();
        g_pSistema2D->DescarregaBitmapsSenseUs();
    }
    return true;
}

// ---------------------------------------------------------------------------
// Play

bool CMenuJuegoSoloSellos::CompletaSello()
{
    ++m_iHechas;
    m_Hud.Escribe(HUD_CONTADOR, Contador(std::min(m_iHechas, NumFiguras()), NumFiguras()));
    const bool bSiguiente = SiguienteFigura(false) || SiguienteFiguraMulti(false);
    if (m_pCirculo) m_pCirculo->Destella(m_iColorSeleccionado);
    PonFase(FASE_CONCENTRA_ENERGIA);
    if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(kFanfarriaEnergia);
    return bSiguiente;
}

bool CMenuJuegoSoloSellos::CompletaRushDeSellos()
{
    ++m_iHechas;
    m_Hud.Escribe(HUD_CONTADOR, Contador(std::min(m_iHechas, NumFiguras()), NumFiguras()));
    const int iColor = m_iColorSeleccionado;
    if (!SiguienteFigura(false)) SiguienteFiguraMulti(false);
    if (m_pCirculo) m_pCirculo->Destella(iColor);
    PonFase(FASE_CONCENTRA_ENERGIA);
    if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(kFanfarriaEnergia);
    return true;
}

bool CMenuJuegoSoloSellos::ConcentraEnergia()
{
    ++m_iHechas;
    m_Hud.Escribe(HUD_CONTADOR, Contador(std::min(m_iHechas, NumFiguras()), NumFiguras()));
    if (!SiguienteFigura(false)) SiguienteFiguraMulti(false);
    if (m_pCirculo) m_pCirculo->Destella(0);
    PonFase(FASE_SELLO_COMPLETADO);
    if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(kFanfarriaSello);
    return true;
}

void CMenuJuegoSoloSellos::Actualiza()
{
    CMenuJuego::Actualiza();
    if (!m_bCreado) return;
    // The time is the result here: it does not run while the opening
    // banner still covers the board.
    if (ModoEnJuego() && !m_bRelojEnMarcha)
        m_bRelojEnMarcha = m_iTrazos > 0 || !m_pCarteles || m_pCarteles->Tipo() == CHerramientaCarteles::kNinguno;
    if (ModoEnJuego() && m_bRelojEnMarcha) {
        ++m_iTiempo;
        if (m_iTiempo % kPasosSegundo == 0) m_Hud.Escribe(HUD_RELOJ, CHudModo::Reloj(m_iTiempo));
    }
    TerminaPasoModo();
}

void CMenuJuegoSoloSellos::CargaRecursos()
{
    m_Hud.CargaRecursos();
    for (CLista* l : Listas())
        for (NodoLista* p = l->m_pCabeza; p; p = p->m_pSiguiente) static_cast<CBolaTablero*>(p->m_pItem)->CargaRecursos();
    CMenuJuego::CargaRecursos();
}

void CMenuJuegoSoloSellos::DescargaRecursos()
{
    m_Hud.DescargaRecursos();
    for (CLista* l : Listas())
        for (NodoLista* p = l->m_pCabeza; p; p = p->m_pSiguiente)
            static_cast<CBolaTablero*>(p->m_pItem)->DescargaRecursos();
    CMenuJuego::DescargaRecursos();
}

std::vector<CLista*> CMenuJuegoSoloSellos::Listas()
{
    std::vector<CLista*> r;
    for (CLista& l : m_aListas) r.push_back(&l);
    for (CLista& l : m_aMultiListas) r.push_back(&l);
    return r;
}

void CMenuJuegoSoloSellos::DibujaHudModo(Sprite* pDestino) { m_Hud.Dibuja(pDestino); }

// ---------------------------------------------------------------------------
// Summaries

void CMenuJuegoSoloSellos::RankingYPropio(int* piMejorPropio, int* piCuartoPropio, int* piMejorRanking,
                                          int* piCuartoRanking) const
{
    *piMejorPropio = *piCuartoPropio = *piMejorRanking = *piCuartoRanking = SIN_TIEMPO;
    RegistroPerfil* p = PerfilActualJuego();
    CPerfiles* pPerfiles = PerfilesJuego();
    const int iTabla = TablaTiempos(m_NivelModo.m_iNivelModoExtra);
    if (!p || iTabla < 0) return;
    const int d = p->m_iDificultad;
    *piMejorPropio = p->Tiempo(d, iTabla, 0);
    *piCuartoPropio = p->Tiempo(d, iTabla, NUM_RANGOS - 1);
    if (!pPerfiles) return;
    auto ranking = [&](int n) -> const EntradaRanking* {
        if (iTabla == 9) return pPerfiles->RankingMultiSellos(d, n);
        if (iTabla == 10) return pPerfiles->RankingSellosAzar(d, n);
        return pPerfiles->RankingSellos(d, iTabla, n);
    };
    auto valor = [](const EntradaRanking* e) {
        return (e && e->m_pszNombre && e->m_pszNombre[0]) ? static_cast<int>(e->m_iValor) : SIN_TIEMPO;
    };
    *piMejorRanking = valor(ranking(0));
    *piCuartoRanking = valor(ranking(NUM_RANGOS - 1));
}

void CMenuJuegoSoloSellos::PreparaResumenInicial()
{
    DatosResumen d;
    d.Inicializa();
    d.m_bInicial = true;
    d.m_iCodigoTitulo = Codigo(juego::texto::MR02);
    d.AnadeSeparador();
    d.AnadeCabecera(Codigo(juego::texto::RE02));
    d.AnadeParrafo(Codigo(juego::texto::RE75));
    d.AnadeParrafo(Codigo(juego::texto::RE76));
    d.AnadeCabecera(Codigo(juego::texto::RE72));
    d.AnadeSeparador();
    int iMejor, iCuarto, iMejorRanking, iCuartoRanking;
    RankingYPropio(&iMejor, &iCuarto, &iMejorRanking, &iCuartoRanking);
    d.AnadeTiempo(Codigo(juego::texto::PM37), TiempoMostrado(iMejor));
    d.AnadeTiempo(Codigo(juego::texto::PM38), TiempoMostrado(iMejorRanking));
    d.AnadeSeparador();
    EntregaResumen(d);
}

void CMenuJuegoSoloSellos::PreparaResumenFinal()
{
    QuitaBotonesPartida();
    const bool bVictoria = m_iResultadoGuardado == RESULTADO_VICTORIA;
    DatosResumen d;
    d.Inicializa();
    d.m_bInicial = false;
    d.m_iCodigoTitulo = Codigo(juego::texto::MR02);
    d.AnadeSeparador();
    d.AnadeCabecera(CabeceraNivel(m_NivelModo.m_iNivelModoExtra));
    if (m_NivelModo.MAXNIVEL_SOLOATAQUES != -1)
        d.AnadeCabecera(Codigo(bVictoria ? juego::texto::RE00 : juego::texto::RE01));
    else
        d.AnadeCabecera(Codigo(juego::texto::RE90));
    d.AnadeSeparador();
    d.AnadeEntero(Codigo(juego::texto::RE95), m_iHechas);
    d.AnadeEntero(Codigo(juego::texto::RE96), m_iTrazos);
    d.AnadeReal(Codigo(juego::texto::RE97), TrazosPorSegundo(m_iTrazos, m_iTiempo));
    d.AnadeSeparador();
    d.AnadeTiempo(Codigo(juego::texto::RE51), m_iTiempo);
    int iMejor, iCuarto, iMejorRanking, iCuartoRanking;
    RankingYPropio(&iMejor, &iCuarto, &iMejorRanking, &iCuartoRanking);
    if (bVictoria) {
        d.AnadeTiempo(Codigo(juego::texto::PM38), TiempoMostrado(iMejorRanking));
        d.AnadeParrafo(ParrafoRecord(m_iTiempo, iCuarto, iCuartoRanking, true));
    }
    EntregaResumen(d);
    RegistroPerfil* p = PerfilActualJuego();
    if (!bVictoria || !p) return;
    const int iNivel = m_NivelModo.m_iNivelModoExtra;
    if (iNivel >= 0 && iNivel < 9)
        p->InsertaTiempoSellos(p->m_iDificultad, iNivel, m_iTiempo);
    else if (iNivel == NIVEL_MULTISELLOS)
        p->InsertaTiempoMultiSellos(p->m_iDificultad, m_iTiempo);
    else if (iNivel == NIVEL_AZAR)
        p->InsertaTiempoSellosAzar(p->m_iDificultad, m_iTiempo);
}
