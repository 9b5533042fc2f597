#include "game/play/MenuJuego.h"

#include "engine/app/Aplicacion.h"
#include "engine/audio/GestorSonido.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/GestorRatones.h"
#include "engine/core/MultiPreferencias.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "engine/ui/TransMusica.h"
#include "game/CatalogoJuego.h"
#include "game/play/BolaTablero.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/Figuras.h"
#include "game/play/GestorTutoriales.h"
#include "game/play/Maldicion.h"
#include "game/play/herramientas/HerramientaAsistenciaVisual.h"
#include "game/play/herramientas/HerramientaAtaques.h"
#include "game/play/herramientas/HerramientaBonuses.h"
#include "game/play/herramientas/HerramientaCarteles.h"
#include "game/play/herramientas/HerramientaCirculoCabalistico.h"
#include "game/play/herramientas/HerramientaEfectos.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"
#include "game/play/herramientas/HerramientaEventoSonido.h"
#include "game/play/herramientas/HerramientaMarcadores.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Marcadores.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/MenuAyudaAnimado.h"
#include "game/screens/MenuInGame.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"

#include <algorithm>
#include <cmath>
#include <strings.h>

const std::array<const char*, NUM_FONDOS_AZAR> TablaFondosAzar = {
    juego::imagen::FONDO_ADELETIA,     juego::imagen::FONDO_ADELETIA_DIA, juego::imagen::FONDO_ALDUNIA,
    juego::imagen::FONDO_BLANCO,       juego::imagen::FONDO_COCINAS,      juego::imagen::FONDO_IRINA,
    juego::imagen::FONDO_JARDIN,       juego::imagen::FONDO_JARDIN_TARDE, juego::imagen::FONDO_LABORATORIO,
    juego::imagen::FONDO_MAIDA,        juego::imagen::FONDO_MAIDA_NOCHE,  juego::imagen::FONDO_PASILLOS,
    juego::imagen::FONDO_PASILLOS_DIA, juego::imagen::FONDO_PRISION,
};

namespace {

constexpr Rectangulo kRect{0.0f, 0.0f, 1024.0f, 768.0f};
constexpr const char* kNombre = "MenuJuego";
constexpr const char* kFondoAlAzar = "AlAzar";
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;

// The two buttons of play: pause in the corner, and the second one (undo)
// above it in the story and the concentration mode.
constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
struct FilaBoton {
    int iId;
    float x, y;
    const char* szTexto;
    const char* szNombre;
};
constexpr FilaBoton kBotonPausa{CMenuJuego::kIdPausa, 950.0f, 720.0f, juego::texto::MJ00, "MENUJUEGOFINAL_BUT_Pausa"};
constexpr FilaBoton kBotonAyuda{CMenuJuego::kIdAyuda, 950.0f, 650.0f, juego::texto::MJ01, "MENUJUEGOFINAL_BUT_Ayuda"};
constexpr int kFlagsBoton = CBotonTazmo::ESTRECHO | CBotonTazmo::BAJO;
constexpr const char* kNombreMensaje = "MENUJUEGOFINAL_MsgBox";
const BotonMensaje kBotonesMensaje[] = {{CodigoFLI(juego::texto::ACEP), -1, true, true}};

// The music transition keeps the level's background track empty: the
// level's own music plays on the menus' channel.
constexpr const char* kPistaTransicion = "";
constexpr const char* kCanalMusica = "CANAL_MUSICA_ODL";
constexpr const char* kClaveAltoContraste = "ALTOCONTRASTE";

// The events of the pause menu.
constexpr int kEventoAbandonar = 17;
constexpr int kEventoReiniciar = 18;

// The packages the play screen loads, in its member order.
struct FilaPaquete {
    CSPM CMenuJuego::*pMiembro;
    const char* szRuta;
};
const FilaPaquete kPaquetes[] = {
    {&CMenuJuego::m_SPMOscurecer, juego::paquete::OSCURECER},
    {&CMenuJuego::m_SPMObjetos, juego::paquete::OBJETOS_MAIDA},
    {&CMenuJuego::m_SPMResumenFinal, juego::paquete::RESUMEN_FINAL},
    {&CMenuJuego::m_SPMTrofeos, juego::paquete::TROFEOS1},
    {&CMenuJuego::m_SPMLineas, juego::paquete::SEL_LIN_MAIDA},
    {&CMenuJuego::m_SPMAroTexto, juego::paquete::ARO_DE_TEXTO},
    {&CMenuJuego::m_SPMSelloRango, juego::paquete::RANGO_SELLO},
    {&CMenuJuego::m_SPMMiniTitulo, juego::paquete::MINI_TITULO_INGAME},
    {&CMenuJuego::m_SPMCruz, juego::paquete::CRUZ_SOLAR},
    {&CMenuJuego::m_SPMHumo, juego::paquete::HUMO_MALDICIONES},
};

// The sound slots, in the order of SonidoJuego.
constexpr std::array<const char*, CMenuJuego::kNumSonidos> kSonidos = {
    juego::sonido::COGER_DIAMANTE,
    juego::sonido::COGER_ESQUIRLA,
    juego::sonido::SOLTAR_DIAMANTE,
    juego::sonido::FINALIZAR_JUGADA,
    juego::sonido::DESHADECER_JUGADA,
    juego::sonido::DIAMANTES_TRASCIENDEN,
    juego::sonido::ESQUIRLAS_TRASCIENDEN,
    juego::sonido::ESQUIRLA_CORRECTA,
    juego::sonido::TOCA_COLOR_0,
    juego::sonido::TOCA_COLOR_1,
    juego::sonido::TOCA_COLOR_2,
    juego::sonido::TOCA_COLOR_3,
    juego::sonido::TOCA_COLOR_4,
    juego::sonido::TOCA_COLOR_5,
    juego::sonido::TOCA_COLOR_6,
    juego::sonido::TOCA_COLOR_7,
    juego::sonido::ESQUIRLAS_POR_LINEA_01,
    juego::sonido::ESQUIRLAS_POR_LINEA_02,
    juego::sonido::ESQUIRLAS_POR_LINEA_03,
    juego::sonido::ESQUIRLAS_POR_LINEA_04,
    juego::sonido::ESQUIRLAS_POR_LINEA_05,
    juego::sonido::ESQUIRLAS_POR_LINEA_06,
    juego::sonido::ESQUIRLAS_POR_LINEA_07,
    juego::sonido::ESQUIRLAS_POR_LINEA_08,
    juego::sonido::ESQUIRLAS_POR_LINEA_09,
    juego::sonido::ESQUIRLAS_POR_LINEA_10,
    juego::sonido::MAS_ESQUIRLAS_POR_LINEA,
    juego::sonido::ESQUIRLAS_MAX_POR_LINEA_03,
    juego::sonido::ESQUIRLAS_MAX_POR_LINEA_04,
    juego::sonido::ESQUIRLAS_MAX_POR_LINEA_05,
    juego::sonido::ESQUIRLAS_MAX_POR_LINEA_06,
    juego::sonido::ESQUIRLAS_MAX_POR_LINEA_07,
    juego::sonido::ESQUIRLAS_MAX_POR_LINEA_08,
    juego::sonido::ESQUIRLAS_MAX_POR_LINEA_09,
    juego::sonido::ESQUIRLAS_MAX_POR_LINEA_10,
    juego::sonido::MAS_ESQUIRLAS_MAX_POR_LINEA,
    juego::sonido::TIEMPO_AGOTADO,
};

// Banners and fanfares by meaning.
enum {
    BANNER_DIAMANTES = 0,
    BANNER_TRAZADO = 1,
    BANNER_TIEMPO = 3,
    BANNER_VICTORIA = 4,
    BANNER_DERROTA = 5,
    BANNER_CONCENTRAR = 6,
};
enum {
    FANFARRIA_TRAZADO = 0,
    FANFARRIA_SELLO = 1,
    FANFARRIA_DIAMANTES = 2,
    FANFARRIA_ENERGIA = 3,
    FANFARRIA_FIN = 4,
    FANFARRIA_CAPITULO = 5,
    FANFARRIA_ETAPA = 6,
};
enum { ANIMO_MALO = ANIMO_TRISTEZA, ANIMO_BUENO = ANIMO_EUFORIA };
// The hints at a level's start: REC0 for chapter 2's first stages, once a
// run, at these story progresses; REC1 until the first undo.
constexpr int kGrupoRec0 = 1;
constexpr int kProgresoRec0A = 3, kProgresoRec0B = 4;
bool g_bRec0Mostrado = false;
constexpr int kMarcadorUsadoDeshacer = MARCADOR_PRIMER_AVISO + 3;
// Fireworks every ten steps over the middle of the board.
constexpr int kPasosFuegos = 10;
constexpr float kFuegosX0 = 200.0f, kFuegosX1 = 824.0f, kFuegosY0 = 250.0f, kFuegosY1 = 518.0f;
constexpr int kPasosCambioFigura = 15;
constexpr int kPasosEsperaSello = 120;
constexpr int kGruposConMejorJugada = 13;

RegistroPerfil* Perfil() { return PerfilActualJuego(); }

void Desbloquea(const char* szMarcador)
{
    if (CGestorDesbloqueos* g = GestorDesbloqueosJuego()) g->Desbloquea(szMarcador, false);
}

bool CopiaPaquete(CSPM& destino, const char* szRuta)
{
    CSPM* pOrigen = g_pGestorSPMs ? g_pGestorSPMs->GetSPM(szRuta) : nullptr;
    return pOrigen && destino.Copia(pOrigen);
}

template <class T>
void Borra(T*& p)
{
    delete p;
    p = nullptr;
}

} // namespace

CMenuJuego::CMenuJuego() { InicializaCampos(); }

CMenuJuego::~CMenuJuego()
{
    // The extra modes' screens release their own part first.
    CMenuJuego::LiberaNivel();
}

void CMenuJuego::InicializaCampos()
{
    m_aiSonidos.fill(-1);
    m_iResultado = RESULTADO_NINGUNO;
    m_iResultadoGuardado = RESULTADO_NINGUNO;
}

// ---- Decisions ----

std::string CMenuJuego::RutaFondo(const std::string& sFondo)
{
    if (strcasecmp(sFondo.c_str(), kFondoAlAzar) != 0) return sFondo;
    return TablaFondosAzar[static_cast<size_t>(EnteroAleatorio(0, NUM_FONDOS_AZAR - 1))];
}

int CMenuJuego::HintInicio(int iModo, int iGrupo, int iParte, bool bRec0Mostrado, int iProgreso,
                           bool bUsadoDeshacer)
{
    if (iModo != MODO_HISTORIA && iModo != MODO_SOLO_CONCENTRAR) return -1;
    if (iModo == MODO_HISTORIA && iGrupo == kGrupoRec0 && (iParte == 0 || iParte == 1) && !bRec0Mostrado &&
        (iProgreso == kProgresoRec0A || iProgreso == kProgresoRec0B))
        return CodigoFLI(juego::texto::REC0);
    if (!(iGrupo == 0 && iParte == 0) && !bUsadoDeshacer) return CodigoFLI(juego::texto::REC1);
    return -1;
}

bool CMenuJuego::TiempoAgotado(int iFase, int iLimite, int iTiempoUsado, bool bTieneLimite)
{
    // Only while the clock runs, and a limit of 0 or less is none.
    const bool bReloj = iFase == FASE_DIAMANTES || iFase == FASE_TRAZADO;
    return bReloj && bTieneLimite && iLimite > 0 && iTiempoUsado >= iLimite;
}

bool CMenuJuego::DevuelveTiempoEnFase(int iFase)
{
    return iFase != FASE_SELLO_COMPLETADO && iFase != FASE_ESPERA_FIN && iFase < FASE_VICTORIA;
}

bool CMenuJuego::GuardaMejorJugadaPermitida(int iGrupo, int iPar, int iUsadas)
{
    return iGrupo >= 0 && iGrupo < kGruposConMejorJugada && iPar >= 0 && iUsadas <= iPar;
}

// ---- Life ----

void CMenuJuego::ReiniciaEstado()
{
    LiberaJugadas();
    m_pListaActual = m_pListaSiguiente = nullptr;
    m_iNumPiezasDiamantes = m_iNumEsquirlas = 0;
    m_TransformacionDiamantes = m_TransformacionEsquirlas = TransformacionFigura{};
    m_iFase = FASE_INICIO;
    m_iPasosFase = 0;
    m_bPrimeraFigura = true;
    m_Nivel.Inicializa();
    m_bUltimaDeCapitulo = m_bMensajeVictoria = false;
    m_iColorSeleccionado = -1;
    m_iColorDado = -2;
    m_iDiamantesCogidos = -1;
    m_iMaximoLinea = kMaximoLineaInicial;
    m_iInicioLinea = -1;
    m_iUltimaEsquirla = -1;
    m_Rush = DatosRush{};
    m_iObjetivo = 0;
    m_iEsquirlasTrazadas = m_iEsquirlasRush = 0;
    m_iPuntuacion = m_iCrucesLinea = m_iMovimientosLinea = m_iMovimientosTotal = m_iLineasUsadas = 0;
    m_iEsperaMaxima = m_iPasosDesdeEsquirla = 0;
    m_pSobrevolada = nullptr;
    m_bJugadaNueva = m_bLineaCompleta = m_bLineaCompletaAntes = m_bPiezaSaliendo = false;
    m_iPasosCambioLinea = 0;
    m_iPasosJugados = m_iTiempoUsado = m_iPasosTrazado = 0;
    m_fScroll = m_fGiro = 0.0f;
    m_bPausado = m_bObjetivoTutorialPendiente = m_bHintMostrado = false;
    m_pListaGuia = nullptr;
    m_fNivelGuia = m_fPasoGuia = 0.0f;
    m_iResultado = m_iResultadoGuardado = RESULTADO_NINGUNO;
    m_bGanadaAntesDeReiniciar = false;
    m_iPasosPulsacionPendiente = 0;
    for (std::string& s : m_asImagenes) s.clear();
    m_UltimoResumen.Inicializa();
}

bool CMenuJuego::CreaHerramientas()
{
    RegistroNivel* n = &m_Nivel;
    m_pAtaques = new CHerramientaAtaques;
    m_pAtaques->Carga(this, n);
    m_pCarteles = new CHerramientaCarteles;
    m_pCarteles->Carga(this, n);
    m_pCirculo = new CHerramientaCirculoCabalistico;
    m_pCirculo->Carga(this, n);
    m_pCirculo->PonObjetivo(m_Nivel.PUNTUACIONOBJETIVO);
    m_pEstadosCursor = new CHerramientaEstadosCursor;
    m_pEstadosCursor->Carga(this, n);
    m_pEfectos = new CHerramientaEfectos;
    m_pEfectos->Carga(this, n);
    m_pBonuses = new CHerramientaBonuses;
    m_pBonuses->Carga(this, n);
    m_pEventoSonido = new CHerramientaEventoSonido;
    m_pEventoSonido->Carga(this, n);
    m_pMarcadores = new CHerramientaMarcadores;
    m_pMarcadores->Carga(this, n);
    m_pAsistencia = new CHerramientaAsistenciaVisual;
    m_pAsistencia->Carga(this, n);
    m_pBotonContinuar = new CBotonTazmo;
    m_pBotonReiniciar = new CBotonTazmo;
    m_pResumen = new CHerramientaResumen;
    m_pResumen->Carga(this, n, m_pBotonContinuar, m_pBotonReiniciar);
    return true;
}

bool CMenuJuego::IniciaNivel(const RegistroNivel& nivel, bool bUltimaDeCapitulo, bool bMensajeVictoria)
{
    // The argument may be this screen's own copy (a restart): keep it first.
    const RegistroNivel copia = nivel;
    LiberaNivel();
    ReiniciaEstado();
    m_NivelArgumento = copia;
    m_bUltimaDeCapitulo = bUltimaDeCapitulo;
    m_bMensajeVictoria = bMensajeVictoria;
    m_iResultado = m_iResultadoGuardado = RESULTADO_EN_JUEGO;

    if (!CMenuObj::Inicia(-1, kNombre, kRect, -1)) return false;
    m_Nivel = copia;
    // A background drawn by chance is drawn once, into the record, so that
    // every tool shows the same one.
    m_sFondo = RutaFondo(m_Nivel.FONDO);
    m_Nivel.FONDO = m_sFondo;

    CreaHerramientas();

    bool bOk = true;
    m_pTutoriales = new CGestorTutoriales;
    bOk = m_pTutoriales->Carga(this, &m_Nivel);
    if (bOk && !m_pTutoriales->Activo()) {
        if (CreaFiguraTrazado(m_ListaDiamantes, m_Nivel.TAPIZ, m_Nivel)) m_TransformacionDiamantes = g_TransformacionCarga;
        m_iNumPiezasDiamantes = m_ListaDiamantes.m_iNumElementos;
        // A seal the level names must be there: a level that cannot show it
        // does not start.
        if (!m_Nivel.FIGURA.empty()) {
            bOk = CargaTapiz(m_ListaEsquirlas, m_Nivel.FIGURA.c_str(), m_Nivel);
            if (bOk) m_TransformacionEsquirlas = g_TransformacionCarga;
        }
    }

    if (bOk && g_pSistema2D && !m_sFondo.empty()) {
        m_pFondo = g_pSistema2D->CreaSpriteFitxer(m_sFondo.c_str(), -1.0f, -1.0f, -1.0f, -1.0f, kCentroX, kCentroY,
                                                  false, true);
        bOk = m_pFondo != nullptr;
    }

    if (bOk) {
        m_pTransMusica = new CTransMusica;
        bOk = m_pTransMusica->Inicia(kPistaTransicion);
    }
    if (bOk) {
        m_pMensaje = new CMsgBoxTazmo;
        bOk = m_pMensaje->Inicia(false, nullptr, CodigoFLI(juego::texto::REC1), 1, kBotonesMensaje,
                                 CMsgBoxTazmo::AJUSTA_TEXTO, kIdMensaje, kNombreMensaje);
    }
    for (const FilaPaquete& f : kPaquetes)
        if (bOk) bOk = CopiaPaquete(this->*f.pMiembro, f.szRuta);

    auto boton = [&](CBotonTazmo*& p, const FilaBoton& f) {
        p = new CBotonTazmo;
        return p->Inicia(kSonidoFoco, kSonidoPulsar, f.x, f.y, CodigoFLI(f.szTexto), CodigoFLI(juego::texto::BLOQ), -1,
                         -1, kFlagsBoton, f.iId, f.szNombre);
    };
    if (bOk) bOk = boton(m_pBotonPausa, kBotonPausa);
    if (bOk) bOk = boton(m_pBotonAyuda, kBotonAyuda);
    if (!bOk) {
        LiberaHerramientas();
        CMenuObj::LiberaSiIniciado();
        return false;
    }

    for (size_t i = 0; i < kSonidos.size(); ++i)
        m_aiSonidos[i] = g_pGestorSonido ? g_pGestorSonido->BuscaRanuraSonido(kSonidos[i]) : -1;

    AnadeHijo(false, m_pBotonPausa, false, false);
    m_bCreado = true;
    if (m_Nivel.MODOJUEGO == MODO_HISTORIA || m_Nivel.MODOJUEGO == MODO_SOLO_CONCENTRAR)
        AnadeHijo(false, m_pBotonAyuda, false, false);
    AnadeHijo(false, m_pTransMusica, false, false);
    AnadeHijo(false, m_pTutoriales, false, false);

    RegistroPerfil* pPerfil = Perfil();
    m_iMaximoLinea = pPerfil ? pPerfil->Bloque().m_aiDatos[BloqueDificultad::LINEA_MAXIMA] : LINEA_MAXIMA_INICIAL;
    m_iObjetivo = m_Nivel.PUNTUACIONOBJETIVO;
    if (m_pTutoriales->Activo()) {
        m_iMaximoLinea = m_pTutoriales->LineaMaxima();
        m_iObjetivo = m_pTutoriales->PuntuacionObjetivo();
    } else if (m_Nivel.RUSHDESELLOS) {
        m_pListaActual = &m_ListaEsquirlas;
        m_iNumEsquirlas = m_ListaEsquirlas.m_iNumElementos;
        std::vector<int> colores;
        for (NodoLista* p = m_ListaEsquirlas.m_pCabeza; p; p = p->m_pSiguiente)
            colores.push_back(static_cast<CBolaTablero*>(p->m_pItem)->Color());
        m_Rush = PreparaSellosRush(colores);
        CBolaTablero::s_Transformacion = m_TransformacionEsquirlas;
    } else {
        m_pListaActual = &m_ListaDiamantes;
        CBolaTablero::s_Transformacion = m_TransformacionDiamantes;
    }

    if (g_pGestorSonido && !m_Nivel.RANURAMUSICA.empty())
        g_pGestorSonido->TocaRanuraMusica(m_Nivel.RANURAMUSICA.c_str(), kCanalMusica, -1);
    if (g_pMenuMaestro && g_pMenuMaestro->m_pMultiPreferencias)
        CBolaTablero::s_bAltoContraste = g_pMenuMaestro->m_pMultiPreferencias->LeeEntero(kClaveAltoContraste) > 0;
    return m_bCreado;
}

void CMenuJuego::ReiniciaNivel() { IniciaNivel(m_NivelArgumento, m_bUltimaDeCapitulo, m_bMensajeVictoria); }

void CMenuJuego::LiberaNivel()
{
    if (!m_bCreado && !m_bIniciado) {
        LiberaHerramientas();
        return;
    }
    LiberaSiIniciado();
    LiberaHerramientas();
    m_bCreado = false;
}

void CMenuJuego::LiberaHerramientas()
{
    Borra(m_pAtaques);
    Borra(m_pCarteles);
    Borra(m_pCirculo);
    Borra(m_pEstadosCursor);
    Borra(m_pEfectos);
    Borra(m_pBonuses);
    Borra(m_pEventoSonido);
    Borra(m_pMarcadores);
    Borra(m_pResumen);
    Borra(m_pAsistencia);
    for (const FilaPaquete& f : kPaquetes) (this->*f.pMiembro).Libera();
    if (m_pFondo && g_pSistema2D) g_pSistema2D->AlliberaSprite(m_pFondo, false);
    m_pFondo = nullptr;
    Borra(m_pBotonPausa);
    Borra(m_pBotonAyuda);
    Borra(m_pBotonContinuar);
    Borra(m_pBotonReiniciar);
    Borra(m_pTransMusica);
    Borra(m_pMensaje);
    LiberaJugadas();
    m_pListaActual = m_pListaSiguiente = nullptr;
    BorraPiezas(m_ListaDiamantes);
    BorraPiezas(m_ListaEsquirlas);
    // The guide points into the manager's lists: it goes with them.
    m_pListaGuia = nullptr;
    m_fNivelGuia = m_fPasoGuia = 0.0f;
    Borra(m_pTutoriales);
}

void CMenuJuego::CargaRecursos()
{
    CMenuObj::CargaRecursos();
    if (m_pFondo && g_pSistema2D) g_pSistema2D->MarcaSpriteEnUs(m_pFondo);
    for (const FilaPaquete& f : kPaquetes) (this->*f.pMiembro).MarcaEnUso();
    if (m_pCarteles) m_pCarteles->CargaRecursos();
    if (m_pAsistencia) m_pAsistencia->CargaRecursos();
    if (m_pEstadosCursor) m_pEstadosCursor->CargaRecursos();
    if (m_pAtaques) m_pAtaques->CargaRecursos();
    if (m_pBonuses) m_pBonuses->CargaRecursos();
    if (m_pMarcadores) m_pMarcadores->CargaRecursos();
    if (m_pResumen) m_pResumen->CargaRecursos();
    if (m_pCirculo) m_pCirculo->CargaRecursos();
    if (m_pEfectos) m_pEfectos->CargaRecursos();
    for (CLista* l : {&m_ListaDiamantes, &m_ListaEsquirlas})
        for (NodoLista* p = l->m_pCabeza; p; p = p->m_pSiguiente) static_cast<CBolaTablero*>(p->m_pItem)->CargaRecursos();
    if (g_pGestorSonido)
        for (int i : m_aiSonidos)
            if (i >= 0) g_pGestorSonido->MarcaRanuraSonidoEnUso(i);
}

void CMenuJuego::DescargaRecursos()
{
    CMenuObj::DescargaRecursos();
    if (m_pFondo && g_pSistema2D) g_pSistema2D->DesmarcaSpriteEnUs(m_pFondo);
    for (const FilaPaquete& f : kPaquetes) (this->*f.pMiembro).DesmarcaEnUso();
    if (m_pCarteles) m_pCarteles->DescargaRecursos();
    if (m_pAsistencia) m_pAsistencia->DescargaRecursos();
    if (m_pEstadosCursor) m_pEstadosCursor->DescargaRecursos();
    if (m_pAtaques) m_pAtaques->DescargaRecursos();
    if (m_pBonuses) m_pBonuses->DescargaRecursos();
    if (m_pMarcadores) m_pMarcadores->DescargaRecursos();
    if (m_pResumen) m_pResumen->DescargaRecursos();
    if (m_pCirculo) m_pCirculo->DescargaRecursos();
    if (m_pEfectos) m_pEfectos->DescargaRecursos();
    for (CLista* l : {&m_ListaDiamantes, &m_ListaEsquirlas})
        for (NodoLista* p = l->m_pCabeza; p; p = p->m_pSiguiente)
            static_cast<CBolaTablero*>(p->m_pItem)->DescargaRecursos();
    if (g_pGestorSonido)
        for (int i : m_aiSonidos)
            if (i >= 0) g_pGestorSonido->DesmarcaRanuraSonidoEnUso(i);
}

void CMenuJuego::IniciaTransicion(bool bEntrada)
{
    if (bEntrada && g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->LimpiaTodo();
    CMenuObj::IniciaTransicion(bEntrada);
}

bool CMenuJuego::EnTransicion() { return HijoQueRetiene([](CMenuObj* h) { return h->EnTransicion(); }); }

bool CMenuJuego::EntradaBloqueada() { return HijoQueRetiene([](CMenuObj* h) { return h->EntradaBloqueada(); }); }

bool CMenuJuego::HijoQueRetiene(bool (*retiene)(CMenuObj*))
{
    // Leaving the screen, or with its result published, every child counts:
    // the screen closes only once they all have.
    const bool bJuegoSigue = m_bCreado && !m_bPausado && m_iResultado == RESULTADO_EN_JUEGO;
    for (const NodoLista* n = m_lHijos.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* h = static_cast<CMenuObj*>(n->m_pItem);
        if (bJuegoSigue && h->Padre() != this) continue;
        if (retiene(h)) return true;
    }
    return false;
}

void CMenuJuego::PonEnfocado(bool bEnfocado)
{
    CMenuObj::PonEnfocado(bEnfocado);
    // The in-game pointer replaces the core's while play has the focus.
    if (g_pAplicacion && !m_bPausado) g_pAplicacion->PonDibujaCursores(!bEnfocado);
}

// ---- Small helpers ----

void CMenuJuego::TocaSonido(int iRanura)
{
    if (iRanura < 0 || iRanura >= kNumSonidos || !g_pGestorSonido) return;
    const int i = m_aiSonidos[static_cast<size_t>(iRanura)];
    if (i >= 0) g_pGestorSonido->TocaRanuraSonido(i, true);
}

void CMenuJuego::PonFase(int iFase)
{
    m_iFase = iFase;
    m_iPasosFase = 0;
}

bool CMenuJuego::Asentada() const
{
    if (!m_pListaActual) return true;
    for (NodoLista* p = m_pListaActual->m_pCabeza; p; p = p->m_pSiguiente) {
        const int e = static_cast<CBolaTablero*>(p->m_pItem)->Estado();
        if (e == BOLA_COGIENDO || e == BOLA_SOLTANDO) return false;
    }
    return true;
}

bool CMenuJuego::Vacia() const
{
    if (!m_pListaActual) return true;
    for (NodoLista* p = m_pListaActual->m_pCabeza; p; p = p->m_pSiguiente)
        if (!static_cast<CBolaTablero*>(p->m_pItem)->HaDesaparecido()) return false;
    return true;
}

void CMenuJuego::MuestraMensaje(const char* szCodigo)
{
    if (!m_pMensaje) return;
    if (m_pMensaje->Padre() == this) QuitaHijo(false, m_pMensaje);
    if (!m_pMensaje->Inicia(false, nullptr, CodigoFLI(szCodigo), 1, kBotonesMensaje, CMsgBoxTazmo::AJUSTA_TEXTO,
                            kIdMensaje, kNombreMensaje))
        return;
    m_pMensaje->m_iResultado = -1;
    AnadeHijo(true, m_pMensaje, false, false);
    m_bHintMostrado = true;
}

void CMenuJuego::Fuegos()
{
    if (m_iPasosFase % kPasosFuegos != 0 || !m_pEfectos) return;
    m_pEfectos->Fuegos(RealAleatorio(kFuegosX0, kFuegosX1), RealAleatorio(kFuegosY0, kFuegosY1));
}

void CMenuJuego::DesbloqueaMarcadorNivel()
{
    if (m_Nivel.m_iMarcadorAlGanar != MARCADOR_NINGUNO) Desbloquea(NombreMarcador(m_Nivel.m_iMarcadorAlGanar));
}

// ---- Phases ----

void CMenuJuego::MuestraInicio()
{
    if (m_pTutoriales && m_pTutoriales->Activo()) {
        m_bPrimeraFigura = false;
        PonFase(FASE_DIAMANTES);
    } else {
        PreparaResumenInicial();
        PonFase(FASE_RESUMEN_INICIAL);
    }
    RegistroPerfil* pPerfil = Perfil();
    const int iProgreso = pPerfil ? pPerfil->ProgresoHistoria(pPerfil->m_iDificultad) : 0;
    const bool bUsado = pPerfil && pPerfil->EstaDesbloqueado(NombreMarcador(kMarcadorUsadoDeshacer));
    const int iHint = HintInicio(m_Nivel.MODOJUEGO, m_Nivel.m_iGrupo, m_Nivel.m_iParte, g_bRec0Mostrado,
                                 iProgreso, bUsado);
    if (iHint == CodigoFLI(juego::texto::REC0)) {
        g_bRec0Mostrado = true;
        MuestraMensaje(juego::texto::REC0);
    } else if (iHint == CodigoFLI(juego::texto::REC1)) {
        MuestraMensaje(juego::texto::REC1);
    }
}

void CMenuJuego::EmpiezaJuego()
{
    const bool bTrazado = m_Nivel.RUSHDESELLOS || EmpiezaEnTrazado();
    // The phase first: the pieces take their colours by it.
    PonFase(bTrazado ? FASE_TRAZADO : FASE_DIAMANTES);
    if (!bTrazado && m_pCarteles) {
        const int iBanner = m_Nivel.MODOJUEGO == MODO_SOLO_SELLOS     ? BANNER_TRAZADO
                            : m_Nivel.MODOJUEGO == MODO_SOLO_ATAQUES ? BANNER_CONCENTRAR
                                                                     : BANNER_DIAMANTES;
        m_pCarteles->Muestra(iBanner, kPasosBanner);
        if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(FANFARRIA_DIAMANTES);
        m_bPrimeraFigura = false;  // one banner and one fanfare
    }
    PreparaFigura();
    if (m_pResumen) m_pResumen->Oculta();
}

void CMenuJuego::Finaliza()
{
    if (m_pResumen) m_pResumen->Oculta();
    PonFase(FASE_TERMINADA);
    m_iResultado = m_iResultadoGuardado;
    RegistraVictoria();
}

void CMenuJuego::RegistraVictoria()
{
    if (m_Nivel.MODOJUEGO != MODO_HISTORIA || m_iResultadoGuardado != RESULTADO_VICTORIA) return;
    DesbloqueaFigura(m_Nivel.FIGURA.c_str());
    RegistroPerfil* pPerfil = Perfil();
    if (m_bUltimaDeCapitulo && m_Nivel.m_iGrupo >= 0 && m_Nivel.m_iGrupo < NUM_CAPITULOS_HISTORIA && pPerfil) {
        const char* szCapitulo = NombreMarcador(MARCADOR_PRIMER_CAPITULO + m_Nivel.m_iGrupo);
        if (!pPerfil->EstaDesbloqueado(szCapitulo)) Desbloquea(szCapitulo);
    }
}

void CMenuJuego::TerminaNivel()
{
    LiberaJugadas();
    ReiniciaSeleccion(true);
    PonFase(FASE_VICTORIA);
    m_pListaActual = nullptr;
    if (m_pCarteles) m_pCarteles->Muestra(BANNER_VICTORIA, kPasosFinal);
    if (m_pMarcadores) m_pMarcadores->PonAnimo(ANIMO_VICTORIA);
    if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(m_bUltimaDeCapitulo ? FANFARRIA_CAPITULO : FANFARRIA_ETAPA);
    if (m_pEstadosCursor) m_pEstadosCursor->LimpiaEstados();
}

void CMenuJuego::Derrota(float fEnergia)
{
    if (m_pTutoriales && m_pTutoriales->Activo()) return;
    // Only while the diamonds are played: a defeat arriving during the
    // victory's steps would take the victory away.
    if (m_iFase != FASE_DIAMANTES || fEnergia > 0.0f) return;
    PonFase(FASE_DERROTA);
    if (m_pCarteles) m_pCarteles->Muestra(BANNER_DERROTA, kPasosBanner);
    if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(FANFARRIA_FIN);
    if (m_pMarcadores) m_pMarcadores->PonAnimo(ANIMO_DERROTA);
    if (m_pEstadosCursor) m_pEstadosCursor->LimpiaEstados();
}

bool CMenuJuego::ConcentraEnergia()
{
    PonFase(FASE_CONCENTRA_ENERGIA);
    if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(FANFARRIA_ENERGIA);
    return true;
}

bool CMenuJuego::CompletaSello()
{
    PonFase(FASE_SELLO_COMPLETADO);
    if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(FANFARRIA_SELLO);
    return true;
}

void CMenuJuego::DesvaneceFigura()
{
    if (!m_pListaActual) return;
    for (NodoLista* p = m_pListaActual->m_pCabeza; p; p = p->m_pSiguiente) {
        auto* b = static_cast<CBolaTablero*>(p->m_pItem);
        b->Desvanece();
        if (m_pEfectos) m_pEfectos->Estallido(b->PosicionX(), b->PosicionY());
    }
}

bool CMenuJuego::CompletaRushDeSellos()
{
    DesvaneceFigura();
    PonFase(FASE_ESPERA_FIN);
    return true;
}

void CMenuJuego::EntraEnTrazado()
{
    if (m_pAsistencia) m_pAsistencia->Desactiva();
    if (!m_pTutoriales || !m_pTutoriales->Activo()) {
        if (m_pListaSiguiente) {
            m_pListaActual = m_pListaSiguiente;
            if (m_Nivel.RUSHDESELLOS) {
                std::vector<int> colores;
                for (NodoLista* p = m_pListaActual->m_pCabeza; p; p = p->m_pSiguiente)
                    colores.push_back(static_cast<CBolaTablero*>(p->m_pItem)->Color());
                m_Rush = PreparaSellosRush(colores);
            }
        } else {
            m_pListaActual = &m_ListaEsquirlas;
        }
        m_pListaSiguiente = nullptr;
        m_iNumEsquirlas = m_pListaActual->m_iNumElementos;
        m_bPrimeraFigura = true;
    }
    m_iMovimientosLinea = 0;
    LiberaJugadas();
    ReiniciaSeleccion(true);
    if (m_pAtaques) m_pAtaques->DesvaneceTodas();
    CBolaTablero::s_Transformacion = m_TransformacionEsquirlas;
    if (m_pCirculo) {
        const char* apsz[5];
        for (size_t i = 0; i < 5; ++i) apsz[i] = m_asImagenes[i].c_str();
        m_pCirculo->PonPendiente(apsz);
    }
    PonFase(FASE_TRAZADO);
}

void CMenuJuego::VuelveADiamantes()
{
    if (m_pAsistencia) m_pAsistencia->Activa();
    m_bPrimeraFigura = true;
    m_pListaActual = m_pListaSiguiente ? m_pListaSiguiente : &m_ListaDiamantes;
    m_pListaSiguiente = nullptr;
    m_iPuntuacion = 0;
    m_iMovimientosLinea = 0;
    LiberaJugadas();
    ReiniciaSeleccion(true);
    if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(FANFARRIA_DIAMANTES);
    if (m_pAtaques) m_pAtaques->DesvaneceTodas();
    CBolaTablero::s_Transformacion = m_TransformacionEsquirlas;
    PonFase(FASE_DIAMANTES);
}

void CMenuJuego::ActualizaContadores()
{
    ++m_iPasosJugados;
    if (m_iFase == FASE_DIAMANTES || m_iFase == FASE_TRAZADO) ++m_iTiempoUsado;
    m_fScroll -= 1.0f / 1024.0f;
    if (m_fScroll < 0.0f) m_fScroll += 1.0f;
    if (m_bLineaCompleta) ++m_iPasosCambioLinea;
    m_fGiro += 2.0f * static_cast<float>(M_PI) / 1024.0f;
    if (m_pTutoriales && m_pTutoriales->Activo()) return;
    if (TiempoAgotado(m_iFase, m_Nivel.TIEMPOLIMITE, m_iTiempoUsado, TieneLimiteDeTiempo())) {
        PonFase(FASE_TIEMPO_AGOTADO);
        if (m_pCarteles) m_pCarteles->Muestra(BANNER_TIEMPO, kPasosBanner);
        if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(FANFARRIA_FIN);
        if (m_pMarcadores) m_pMarcadores->PonAnimo(ANIMO_DERROTA);
        if (m_pEstadosCursor) m_pEstadosCursor->LimpiaEstados();
        TocaSonido(SONIDO_TIEMPO_AGOTADO);
    }
}

void CMenuJuego::ActualizaFase()
{
    const bool bTutorial = m_pTutoriales && m_pTutoriales->Activo();
    switch (m_iFase) {
    case FASE_INICIO: MuestraInicio(); break;
    case FASE_RESUMEN_INICIAL:
    case FASE_DIAMANTES: break;
    case FASE_CONCENTRA_ENERGIA:
    case FASE_CONCENTRA_ENERGIA_BIS:
        ++m_iPasosFase;
        if (Asentada()) {
            const int iSiguiente = m_iFase == FASE_CONCENTRA_ENERGIA ? FASE_CAMBIO_A_TRAZADO : FASE_CAMBIO_A_DIAMANTES;
            PonFase(iSiguiente);
            DesvaneceFigura();
        }
        break;
    case FASE_CAMBIO_A_TRAZADO:
    case FASE_CAMBIO_A_DIAMANTES:
        ++m_iPasosFase;
        if (Vacia() && m_iPasosFase > kPasosCambioFigura) {
            if (m_ListaEsquirlas.m_iNumElementos > 0 || m_pListaSiguiente) {
                if (m_iFase == FASE_CAMBIO_A_TRAZADO)
                    EntraEnTrazado();
                else
                    VuelveADiamantes();
            } else if (!bTutorial) {
                TerminaNivel();
            }
        }
        break;
    case FASE_TRAZADO:
        ++m_iPasosTrazado;
        ++m_iPasosDesdeEsquirla;
        break;
    case FASE_SELLO_COMPLETADO:
        ++m_iPasosFase;
        if (Asentada()) {
            int iColor = -1;
            for (NodoLista* j = m_Jugadas.m_pCabeza; j; j = j->m_pSiguiente)
                for (NodoLista* p = static_cast<JugadaTrazada*>(j->m_pItem)->m_Piezas.m_pCabeza; p; p = p->m_pSiguiente) {
                    auto* b = static_cast<CBolaTablero*>(p->m_pItem);
                    b->Retira();
                    if (m_pEfectos) m_pEfectos->Estallido(b->PosicionX(), b->PosicionY());
                    iColor = b->Color();
                }
            LiberaJugadas();
            if (m_pCirculo) m_pCirculo->Destella(iColor);
            PonFase(FASE_ESPERA_FIN);
        }
        break;
    case FASE_ESPERA_FIN:
        ++m_iPasosFase;
        if (Vacia() && m_iPasosFase > kPasosEsperaSello) {
            if (!bTutorial) {
                TerminaNivel();
            } else {
                LiberaJugadas();
                ReiniciaSeleccion(false);
                PonFase(FASE_TRAZADO);
            }
        }
        break;
    case FASE_SELLO_RUSH_COMPLETADO:
        ++m_iPasosFase;
        if (Asentada()) {
            m_iEsquirlasRush = 0;
            m_iUltimaEsquirla = -1;
            m_iColorSeleccionado = -1;
            // The traced colour leaves for good, so that it cannot be
            // traced again.
            for (NodoLista* j = m_Jugadas.m_pCabeza; j; j = j->m_pSiguiente)
                for (NodoLista* p = static_cast<JugadaTrazada*>(j->m_pItem)->m_Piezas.m_pCabeza; p; p = p->m_pSiguiente)
                    static_cast<CBolaTablero*>(p->m_pItem)->Retira();
            LiberaJugadas();
            PonFase(FASE_ESPERA_RUSH);
        }
        break;
    case FASE_ESPERA_RUSH:
        ++m_iPasosFase;
        if (Asentada() && m_iPasosFase > kPasosEsperaSello) {
            if (m_iEsquirlasTrazadas >= m_iNumEsquirlas && CompletaRushDeSellos()) break;
            m_iFase = FASE_TRAZADO;
            m_iPasosFase = 0;
        }
        break;
    case FASE_VICTORIA:
        ++m_iPasosFase;
        Fuegos();
        if (m_iPasosFase == kPasosFinal) {
            if (m_bMensajeVictoria) {
                MuestraMensaje(juego::texto::MJ03);
                m_iFase = FASE_MENSAJE_FINAL;
            } else {
                m_iResultadoGuardado = RESULTADO_VICTORIA;
                DesbloqueaMarcadorNivel();
                if (bTutorial) {
                    m_iResultado = RESULTADO_VICTORIA;
                    m_iPasosFase = 0;
                } else {
                    PreparaResumenFinal();
                    PonFase(FASE_RESUMEN_FINAL);
                }
            }
        }
        break;
    case FASE_TIEMPO_AGOTADO:
    case FASE_DERROTA:
        ++m_iPasosFase;
        if (m_iPasosFase == kPasosFinal) {
            m_iResultadoGuardado = RESULTADO_DERROTA;
            PreparaResumenFinal();
            PonFase(FASE_RESUMEN_FINAL);
        }
        break;
    case FASE_MENSAJE_FINAL:
        ++m_iPasosFase;
        Fuegos();
        if (m_pMensaje && m_pMensaje->m_iResultado != -1) {
            m_pMensaje->m_iResultado = -1;
            if (m_pMensaje->Padre() == this) QuitaHijo(false, m_pMensaje);
            m_bHintMostrado = false;
            m_iResultadoGuardado = RESULTADO_VICTORIA;
            DesbloqueaMarcadorNivel();
            PreparaResumenFinal();
            PonFase(FASE_RESUMEN_FINAL);
        }
        break;
    case FASE_RESUMEN_FINAL: ++m_iPasosFase; break;
    default: break;
    }
}

void CMenuJuego::Actualiza()
{
    CMenuObj::Actualiza();
    if (!m_bCreado) return;

    if (m_iColorSeleccionado != m_iColorDado && m_pListaActual) {
        for (NodoLista* p = m_pListaActual->m_pCabeza; p; p = p->m_pSiguiente)
            static_cast<CBolaTablero*>(p->m_pItem)->ColorSeleccionado(m_iColorSeleccionado);
        m_iColorDado = m_iColorSeleccionado;
    }

    const float px = m_pEstadosCursor ? m_pEstadosCursor->PunteroX() : 0.0f;
    const float py = m_pEstadosCursor ? m_pEstadosCursor->PunteroY() : 0.0f;
    if (!m_bPausado) {
        if (m_bObjetivoTutorialPendiente && m_pListaActual) {
            bool bQuieta = true;
            for (NodoLista* p = m_pListaActual->m_pCabeza; p && bQuieta; p = p->m_pSiguiente) {
                const int e = static_cast<CBolaTablero*>(p->m_pItem)->Estado();
                bQuieta = e != BOLA_COGIENDO && e != BOLA_SOLTANDO && e != BOLA_DISOLVIENDO && e != BOLA_DESVANECIENDO;
            }
            if (bQuieta) {
                m_bObjetivoTutorialPendiente = false;
                if (m_pTutoriales && m_pTutoriales->CompruebaObjetivo()) m_pListaActual = nullptr;
            }
        }
        if (m_pEstadosCursor) m_pEstadosCursor->Actualiza();
        if (m_bJugadaNueva) {
            m_bJugadaNueva = false;
            if (m_Jugadas.m_iNumElementos >= 2 && m_pEfectos) {
                const auto* a = static_cast<JugadaTrazada*>(m_Jugadas.m_pCola->m_pAnterior->m_pItem);
                const auto* b = static_cast<JugadaTrazada*>(m_Jugadas.m_pCola->m_pItem);
                const Punt2D ca = a->Centro(), cb = b->Centro();
                m_pEfectos->Rastro(ca.x, ca.y, cb.x, cb.y);
            }
        }
        ActualizaContadores();
        ActualizaGuia();
        if (m_pListaActual) {
            for (NodoLista* p = m_pListaActual->m_pCabeza; p; p = p->m_pSiguiente)
                static_cast<CBolaTablero*>(p->m_pItem)->Actualiza(px, py);
            RecogePiezasCercanas(px, py, kRadioBusca2, BUSCA_SOBREVUELO);
        }
        ActualizaFase();
        if (m_bLineaCompleta != m_bLineaCompletaAntes) m_iPasosCambioLinea = 0;
        m_bLineaCompletaAntes = m_bLineaCompleta;
        if (m_pCarteles) m_pCarteles->Actualiza();
        if (m_pCirculo) m_pCirculo->Actualiza();
        if (m_pBonuses) m_pBonuses->Actualiza(px, py, m_pEstadosCursor && m_pEstadosCursor->PermiteContacto());
        if (m_pMarcadores) m_pMarcadores->Actualiza();
        if (m_pAsistencia) m_pAsistencia->Actualiza();
        if (!m_pTutoriales || !m_pTutoriales->Activo() || m_pTutoriales->m_bPermiteJugar) {
            if (m_pAtaques) m_pAtaques->Actualiza(px, py, m_iFase == FASE_DIAMANTES);
            if (s_bGanaPorReglas) JuegaPorReglas();
            CompruebaLinea();
            ActualizaPulsacionPendiente();
        }
    }
    if (m_pEfectos) m_pEfectos->Actualiza();
    if (m_pResumen) m_pResumen->Actualiza();
    if (m_pCirculo) m_pCirculo->PonPuntuacion(m_iPuntuacion);
    if (m_pSobrevolada) m_pSobrevolada->MarcaSobrevolada();
    if (m_bHintMostrado && m_pMensaje && m_pMensaje->m_iResultado != -1 && m_iFase != FASE_MENSAJE_FINAL) {
        m_pMensaje->m_iResultado = -1;
        m_bHintMostrado = false;
        if (m_pMensaje->Padre() == this) QuitaHijo(false, m_pMensaje);
    }
}

// ---- Input and events ----

void CMenuJuego::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    switch (iTipo) {
    case EVENTO_PULSADO:
        switch (iIdEmisor) {
        case kIdAyuda:
            if (m_iFase == FASE_DIAMANTES) DeshaceLinea();
            return;
        case kIdPausa:
            if (m_bPausado || !g_pMenuMaestro || !g_pMenuMaestro->m_pMenuInGame) return;
            if (g_pAplicacion) g_pAplicacion->PonDibujaCursores(true);
            m_bPausado = true;
            // A press kept for the board is not carried over the pause.
            m_iPasosPulsacionPendiente = 0;
            AnadeHijo(true, static_cast<CMenuObj*>(g_pMenuMaestro->m_pMenuInGame), false, false);
            return;
        case CHerramientaResumen::kIdContinuar:
            if (m_iFase == FASE_RESUMEN_INICIAL)
                EmpiezaJuego();
            else if (m_iFase == FASE_RESUMEN_FINAL)
                Finaliza();
            return;
        case CHerramientaResumen::kIdReiniciar:
            // A won stage stays won: its victory is recorded before the
            // replay, whatever the replay brings.
            if (m_iFase == FASE_RESUMEN_FINAL && m_iResultadoGuardado == RESULTADO_VICTORIA) {
                RegistraVictoria();
                m_bGanadaAntesDeReiniciar = true;
            }
            m_iResultado = m_iResultadoGuardado = RESULTADO_REINICIO;
            return;
        default: return;
        }
    case kEventoAbandonar: m_iResultado = RESULTADO_ABANDONO; return;
    case kEventoReiniciar: m_iResultado = m_iResultadoGuardado = RESULTADO_REINICIO; return;
    case EVENTO_COLOR_ELEGIDO:
        // A colour the board can have, or none.
        if (iValor >= -1 && iValor <= 7) m_iColorSeleccionado = iValor;
        return;
    case EVENTO_MALDICION_TOCADA:
        // The text carries the curse; it is consumed here, never passed on.
        if (m_pEstadosCursor && szTexto) m_pEstadosCursor->AplicaMaldicion(reinterpret_cast<const CMaldicion*>(szTexto));
        if (m_pMarcadores) m_pMarcadores->PonAnimo(ANIMO_MALO);
        return;
    default: break;
    }
}

void CMenuJuego::QuitaHijo(bool bRecarga, CMenuObj* pHijo)
{
    CMenuObj::QuitaHijo(bRecarga, pHijo);
    if (!pHijo || !g_pMenuMaestro) return;
    if (pHijo == static_cast<CMenuObj*>(g_pMenuMaestro->m_pMenuInGame) ||
        pHijo == static_cast<CMenuObj*>(g_pMenuMaestro->m_pMenuAyudaAnimado)) {
        if (g_pGestorSonido && !m_Nivel.RANURAMUSICA.empty())
            g_pGestorSonido->TocaRanuraMusica(m_Nivel.RANURAMUSICA.c_str(), kCanalMusica, -1);
        if (g_pAplicacion) g_pAplicacion->PonDibujaCursores(false);
        m_bPausado = false;
    }
}

// ---- Drawing ----

void CMenuJuego::DibujaMarcadores(Sprite* pDestino)
{
    if (!m_pMarcadores) return;
    const bool bTutorial = m_pTutoriales && m_pTutoriales->Activo();
    const int iLimite = m_Nivel.TIEMPOLIMITE;
    const bool bSoloSellos = m_Nivel.MODOJUEGO == MODO_SOLO_SELLOS;
    // Without a limit the clock has nothing to show: -1, never a division by 0.
    const int iRestante = bSoloSellos ? 0 : (iLimite > 0 ? iLimite - m_iTiempoUsado : -1);
    float fTiempo = -1.0f;
    if (bSoloSellos)
        fTiempo = 1.0f;
    else if (bTutorial)
        fTiempo = 0.0f;
    else if (iLimite > 0)
        fTiempo = static_cast<float>(m_iTiempoUsado) / static_cast<float>(iLimite);
    const float fPuntos = m_iObjetivo > 0 ? static_cast<float>(m_iPuntuacion) / static_cast<float>(m_iObjetivo) : 0.0f;
    const bool bFin = m_iFase == FASE_VICTORIA || m_iFase == FASE_MENSAJE_FINAL || m_iFase == FASE_RESUMEN_FINAL ||
                      m_iFase == FASE_TERMINADA;
    m_pMarcadores->Dibuja(pDestino, m_iPuntuacion, m_iObjetivo, iRestante,
                          m_pEstadosCursor ? m_pEstadosCursor->Oscurecimiento() : 0.0f, fPuntos, fTiempo,
                          m_iDiamantesCogidos, m_iMaximoLinea, m_pBonuses ? m_pBonuses->PiezasExtra() : 0,
                          m_bLineaCompleta, m_iPasosCambioLinea, bTutorial, m_iColorSeleccionado, bFin);
}

void CMenuJuego::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    if (!m_bCreado) {
        CMenuObj::Dibuja(pHastaHijo, pDestino);
        return;
    }
    const float fOscurecer = m_pEstadosCursor ? m_pEstadosCursor->Oscurecimiento() : 0.0f;
    if (m_pFondo) {
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_pFondo, kCentroX, kCentroY, false, 255, 0.0f, 1.0f, 1.0f);
        if (fOscurecer > 0.0f) {
            const ColorRGB negro{0, 0, 0};
            g_pSistema2D->DibuixaSpriteEX2(pDestino, m_pFondo, 0x01, &negro, kCentroX, kCentroY, false,
                                           static_cast<int>(255.0f * fOscurecer), 0.0f, 1.0f, 1.0f);
        }
    }
    if (m_pEfectos) m_pEfectos->Dibuja(1, pDestino);
    DibujaBajoCirculo(pDestino);
    if (m_pCirculo) m_pCirculo->Dibuja(pDestino);
    DibujaBajoPiezas(pDestino);
    DibujaContorno(pDestino);
    DibujaGuia(pDestino);
    DibujaCamino(pDestino);
    DibujaEntrePiezas(pDestino);
    if (m_pListaActual)
        for (NodoLista* p = m_pListaActual->m_pCabeza; p; p = p->m_pSiguiente)
            static_cast<CBolaTablero*>(p->m_pItem)->Dibuja(pDestino, fOscurecer);
    DibujaMarcasCruce(pDestino);
    DibujaSobrePiezas(pDestino);
    DibujaMarcadores(pDestino);
    if (m_pAsistencia) m_pAsistencia->Dibuja(pDestino);
    if (m_pEfectos) m_pEfectos->Dibuja(2, pDestino);
    DibujaSobreEfectos(pDestino);
    if (m_pAtaques) m_pAtaques->Dibuja(pDestino, fOscurecer);
    DibujaBajoBonus(pDestino);
    if (m_pBonuses) m_pBonuses->Dibuja(pDestino, fOscurecer);
    DibujaHudModo(pDestino);
    if (m_pEfectos) m_pEfectos->Dibuja(3, pDestino);
    if (m_pCarteles) m_pCarteles->Dibuja(pDestino);
    if (m_pResumen) m_pResumen->Dibuja(pDestino);
    CMenuObj::Dibuja(pHastaHijo, pDestino);
    if (!m_bPausado && m_pEstadosCursor) m_pEstadosCursor->Dibuja(pDestino);
}

// ---- Test seam: levels won by their own rules ----

bool CMenuJuego::s_bGanaPorReglas = false;

void CMenuJuego::JuegaPorReglas()
{
    if (!m_bCreado || m_bPausado || !m_pListaActual) return;
    if (m_pTutoriales && m_pTutoriales->Activo()) return;
    if (m_iFase == FASE_DIAMANTES) {
        // One line a step, once the last one has settled; the line that
        // reaches the target is counted by the line check, as a played one.
        if (m_Jugadas.m_iNumElementos > 0 || m_bLineaCompleta || m_bPiezaSaliendo || !Asentada()) return;
        const int iFalta = m_iObjetivo - m_iPuntuacion;
        if (iFalta <= 0) return;
        const int iLinea = std::min(iFalta, std::max(1, TablaMaximoCruces(m_iMaximoLinea)));
        m_iPuntuacion += iLinea;
        if (m_iPuntuacion < m_iObjetivo) {
            m_iPuntosUltimaLinea = iLinea;
            PuntuaLinea(iLinea);
            ++m_iLineasUsadas;
        }
    } else if (m_iFase == FASE_TRAZADO) {
        // The next shard the rules allow, pressed where it lies.
        if (m_bLineaCompleta || m_bPiezaSaliendo) return;
        if (m_pEstadosCursor && !m_pEstadosCursor->PuedeTrazar()) return;
        for (NodoLista* p = m_pListaActual->m_pCabeza; p; p = p->m_pSiguiente) {
            auto* b = static_cast<CBolaTablero*>(p->m_pItem);
            if (!b->PuedeCogerse() || !EsquirlaSiguiente(b->Orden(), m_iUltimaEsquirla, m_iNumEsquirlas,
                                                          m_Nivel.RUSHDESELLOS, m_Rush, m_iColorSeleccionado))
                continue;
            RecogePiezasCercanas(b->PosicionX(), b->PosicionY(), kRadioBusca2, BUSCA_PULSACION);
            return;
        }
    }
}
