// The play screen: one object owned by the menu manager and attached as the
// child of the screen that starts a level (the story map, or the extra
// modes through their own play screens, which derive from this one). It
// takes a copy of the level's record, builds the in-game tools and the
// pieces of the level's two figures, runs the phases of play from the
// start summary to victory, time out or defeat and the final summary, and
// publishes a result that the starting screen reads each step.
//
// The chains the player traces (MenuJuegoCadenas.cpp, rules in
// JugadaTrazada.h) and the summaries (MenuJuegoResumenes.cpp) are parts of
// this class kept in their own files.
#pragma once
#include "engine/graphics/SPM.h"
#include "engine/ui/MenuObj.h"
#include "game/play/BolaTablero.h"
#include "game/play/JugadaTrazada.h"
#include "game/play/RegistroNivel.h"
#include "game/play/herramientas/HerramientaResumen.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class Bitmap;
class CBolaTablero;
class CBotonTazmo;
class CGestorTutoriales;
class CHerramientaAsistenciaVisual;
class CHerramientaAtaques;
class CHerramientaBonuses;
class CHerramientaCarteles;
class CHerramientaCirculoCabalistico;
class CHerramientaEfectos;
class CHerramientaEstadosCursor;
class CHerramientaEventoSonido;
class CHerramientaMarcadores;
class CMsgBoxTazmo;
class CTransMusica;
class Sprite;

enum FaseJuego {
    FASE_INICIO = 0,
    FASE_RESUMEN_INICIAL = 1,
    FASE_DIAMANTES = 2,
    FASE_CONCENTRA_ENERGIA = 3,
    FASE_CAMBIO_A_TRAZADO = 4,
    FASE_CONCENTRA_ENERGIA_BIS = 5,
    FASE_CAMBIO_A_DIAMANTES = 6,
    FASE_TRAZADO = 7,
    FASE_SELLO_COMPLETADO = 8,
    FASE_ESPERA_FIN = 9,
    FASE_SELLO_RUSH_COMPLETADO = 10,
    FASE_ESPERA_RUSH = 11,
    FASE_VICTORIA = 12,
    FASE_TIEMPO_AGOTADO = 13,
    FASE_DERROTA = 14,
    FASE_MENSAJE_FINAL = 15,
    FASE_RESUMEN_FINAL = 16,
    FASE_TERMINADA = 17,
};

enum ResultadoPartida {
    RESULTADO_EN_JUEGO = 0,
    RESULTADO_VICTORIA = 1,
    RESULTADO_DERROTA = 2,
    RESULTADO_ABANDONO = 3,
    RESULTADO_REINICIO = 4,
    RESULTADO_NINGUNO = 5,
};

// The play screens' own events: a colour chosen (value: the colour, -1..7),
// a coin collected in the attacks mode (value: its kind, no text) and a
// curse touching the pointer (text: the curse, a pointer that the play
// screen consumes).
enum EventoJuego {
    EVENTO_COLOR_ELEGIDO = 22,
    EVENTO_MONEDA_RECOGIDA = 23,
    EVENTO_MALDICION_TOCADA = 24,
};

// The backgrounds that a level of background "AlAzar" draws from.
constexpr int NUM_FONDOS_AZAR = 14;
extern const std::array<const char*, NUM_FONDOS_AZAR> TablaFondosAzar;

// What the end comment is chosen from (see CMenuJuego::EligeComentarioFinal).
struct DatosComentario {
    bool bRush = false;
    int iResultado = RESULTADO_NINGUNO;   // the kept result
    int iLimite = -1;                     // the time limit in steps, 0 or less for none
    int iTiempoUsado = 0;
    int iPasosTrazado = 0;                // steps spent tracing the seal
    int iEsperaMaxima = 0;                // longest wait between two shards
    int iPuntuacion = 0;
    int iObjetivo = 0;
    int iMovimientos = 0;
    int iLineas = 0;
    int iMaximo = 0;                      // pieces-per-line maximum
    int iBonusCreados = 0;
    int iBonusCogidos = 0;
    int iDuplicaciones = 0;
    int iBonusTipo4 = 0;
    int iMaldiciones = 0;
};

class CMenuJuego : public CMenuObj {
public:
    static constexpr int kIdAyuda = 0;
    static constexpr int kIdPausa = 1;
    static constexpr int kIdMensaje = 2;
    // Steps of the victory and the time-out or defeat before the summary.
    static constexpr int kPasosFinal = 180;
    static constexpr int kPasosBanner = 120;
    static constexpr float kRadioBusca2 = 1024.0f;  // 32 points, squared
    static constexpr int kMaximoLineaInicial = 6;

    CMenuJuego();
    ~CMenuJuego() override;

    // ---- CMenuObj ----
    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EsExclusivo() override { return true; }
    bool EsModal() override { return true; }
    bool UsaTransicion() override { return true; }
    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override;
    void QuitaHijo(bool bRecarga, CMenuObj* pHijo) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void IniciaTransicion(bool bEntrada) override;
    // While the play goes on, a child on its way out (the pause menu after
    // Continue, an answered hint) no longer holds the board: its closing is
    // its own, and the board answers as soon as it has been asked to leave.
    bool EnTransicion() override;
    bool EntradaBloqueada() override;

    // ---- The play screens' own operations, in their fixed order ----
    virtual bool IniciaNivel(const RegistroNivel& nivel, bool bUltimaDeCapitulo, bool bMensajeVictoria);
    virtual void ReiniciaNivel();
    virtual void LiberaNivel();
    virtual void DibujaBajoCirculo(Sprite*) {}
    virtual void DibujaBajoPiezas(Sprite*) {}
    virtual void DibujaEntrePiezas(Sprite*) {}
    virtual void DibujaSobrePiezas(Sprite*) {}
    virtual void DibujaSobreEfectos(Sprite*) {}
    virtual void DibujaBajoBonus(Sprite*) {}
    virtual void DibujaHudModo(Sprite*) {}
    virtual bool EmpiezaEnTrazado() { return false; }
    virtual void AlcanzaLineaMaxima(int) {}
    virtual void PuntuaLinea(int) {}
    virtual void MuestraInicio();
    virtual void DibujaMarcadores(Sprite* pDestino);
    virtual void CuentaTrazo() {}
    virtual bool ConcentraEnergia();
    virtual bool CompletaSello();
    virtual bool CompletaRushDeSellos();
    virtual void PreparaResumenInicial();
    virtual void PreparaResumenFinal();
    virtual bool TieneLimiteDeTiempo() { return true; }

    // ---- Play ----
    void LiberaHerramientas();
    void TerminaNivel();
    // The attacks screen's defeat: acts only in the diamond phase, with no
    // energy left and no tutorial.
    void Derrota(float fEnergia);
    int EligeComentarioFinal();

    // Chains (MenuJuegoCadenas.cpp).
    enum ModoBusca { BUSCA_PULSACION, BUSCA_SOBREVUELO };
    void RecogePiezasCercanas(float x, float y, float fCota, ModoBusca modo);
    bool AnyadePiezaALinea(CBolaTablero* pPieza, ModoBusca modo, JugadaTrazada* pJugada);
    int PuntuaCruces();
    void CompruebaLinea();
    void DeshaceLinea();
    void DeshaceTodo();
    void LimpiaJugadas(bool bNotifica);
    void ReiniciaSeleccion(bool bNotifica);
    void PreparaFigura();
    void AsignaFigura(CLista* pLista, bool bInicio, const char* const* apszImagenes);

    // ---- What the extra modes' screens call (MenuJuegoModos.cpp) ----
    // A figure for the modes that play one after another: with bInicio the
    // list is the current figure at once (its shard count, its transform in
    // force, the circle given the five pictures, the rush rebuilt in a
    // rush); otherwise it waits as the next list, with its transform and
    // pictures, for the next change of figure. Null names count as empty.
    void PreparaSiguienteFigura(CLista* pLista, bool bInicio, const TransformacionFigura& transformacion,
                                const char* const* apszImagenes);
    // The number of colours the next pieces are given (1..8).
    void FijaNumeroColores(int iColores);
    // Gives back time: the time used falls by n, never below 0.
    void DescuentaTiempo(int iPasos);
    // A new target, the score starting again from 0.
    void PonObjetivo(int iObjetivo);
    void PonPuntuacion(int iPuntuacion) { m_iPuntuacion = iPuntuacion; }
    void PonMaximoLinea(int iMaximo) { m_iMaximoLinea = iMaximo; }
    int MaximoLinea() const { return m_iMaximoLinea; }
    // The summary panel is gone (not shown and fully faded out): the extra
    // modes' clocks run only then.
    bool ResumenOculto() const;
    // The extra modes' way back: the extra-modes menu is asked for once, on
    // the step a game's result first becomes a victory, defeat or abandon;
    // asking on every step would restart the manager's fade each time.
    void VuelveAModosSiTermina();
    bool m_bVueltaPedida = false;
    // The extra modes' own clocks run: not paused, the summary gone and the
    // game still on.
    bool ModoEnJuego() const;
    // The step's end of an extra mode's screen: once its result is final,
    // the cursor's states end and the way back to the menu is asked for.
    void TerminaPasoModo();
    // The final summary keeps only its own buttons: help and pause leave.
    void QuitaBotonesPartida();
    // An extra mode's level: the record copied first (a restart passes the
    // base's own copy), the previous level released, the mode reset from the
    // record, the base's level started and then the mode's own parts built;
    // on any failure everything is released and false returned.
    bool IniciaNivelModo(const RegistroNivel& nivel, bool bUltimaDeCapitulo, bool bMensajeVictoria);
    // An extra mode's release: the base's parts first (the current list may
    // be one of the mode's), then the mode's own.
    void LiberaNivelModo();
    // The hooks those two call: the mode's state reset from the level's
    // record, its parts built once the base's level stands, its parts freed.
    virtual void InicializaModo(const RegistroNivel&) {}
    virtual bool CreaModo() { return true; }
    virtual void LiberaModo() {}
    // A score table of the extra modes (TABLA_ATAQUES..TABLA_CONCENTRAR_SIN_FIN)
    // at the current profile's difficulty: its best and fourth scores, and
    // the best and fourth of all profiles (0 for none).
    struct RecordsPuntuacion {
        int iMejorPropio = 0, iCuartoPropio = 0, iMejorRanking = 0, iCuartoRanking = 0;
    };
    static RecordsPuntuacion RecordsDeTabla(int iTabla);
    // The start summary's records of a score mode: PM35 and PM36.
    static void AnadeRecordsInicio(DatosResumen& d, int iTabla);
    // The end of a score mode's final summary: PM36, the record paragraph,
    // the summary handed over, then the score kept in the table whatever the
    // result.
    void CierraResumenPuntuacion(DatosResumen& d, int iTabla, int iPuntuacion);
    // Paragraph of a result against the records: RE80 when it does not
    // enter the profile's best four, RE82 when it also beats the fourth of
    // all profiles, else RE81. Times are better when lower, scores higher.
    static int ParrafoRecord(int iValor, int iCuartoPropio, int iCuartoRanking, bool bTiempo);

    // ---- Decisions, worked out without the screen ----
    // The end comment's text code (-1 for none); `aleatorio` gives a real in
    // [0, 1] each time a run of tests on chance begins.
    static int EligeComentarioFinal(const DatosComentario& d, const std::function<float()>& aleatorio);
    // The paragraph that weighs the lines used against the par and the best
    // count stored so far (stored by wins only, and only within par). A
    // stage is within par with at most PAR lines; a lost stage is never
    // within par, whatever its count.
    static int ParrafoMejorJugada(int iPar, int iMejor, int iUsadas, bool bGanada);
    // Whether the best line count of a level is kept: story and quick-game
    // groups only, with a par, and no more lines than the par.
    static bool GuardaMejorJugadaPermitida(int iGrupo, int iPar, int iUsadas);
    // The background path of a level's FONDO ("AlAzar", in any case, draws
    // one of TablaFondosAzar).
    static std::string RutaFondo(const std::string& sFondo);
    // The hint that the start shows: REC0, REC1 or none (-1). REC0 belongs
    // to the story; REC1 speaks of diamonds and of the Undo button, so only
    // the modes that have both (the story, concentration) show it.
    static int HintInicio(int iModo, int iGrupo, int iParte, bool bRec0Mostrado, int iProgreso,
                          bool bUsadoDeshacer);
    // A time-out is due: the clock runs, a limit is set and it is used up.
    static bool TiempoAgotado(int iFase, int iLimite, int iTiempoUsado, bool bTieneLimite);
    // Time given back (a bonus) still counts in this phase: not once the
    // stage is decided (its seal complete, won, lost, timed out), when the
    // clock has stopped for good and the final summary tells what it showed.
    static bool DevuelveTiempoEnFase(int iFase);

    // ---- What the screens and tests read ----
    bool EstaCreado() const { return m_bCreado; }
    int Fase() const { return m_iFase; }
    int PasosFase() const { return m_iPasosFase; }
    int Resultado() const { return m_iResultado; }
    void PonResultado(int iResultado) { m_iResultado = iResultado; }
    int ResultadoGuardado() const { return m_iResultadoGuardado; }
    // A restart asked from the final summary of a won stage: the win was
    // recorded here first, and the screen that started the stage records
    // its own part (progress, save) before replaying it.
    bool GanadaAntesDeReiniciar() const { return m_bGanadaAntesDeReiniciar; }
    int Puntuacion() const { return m_iPuntuacion; }
    int Objetivo() const { return m_iObjetivo; }
    int TiempoUsado() const { return m_iTiempoUsado; }
    int LineasUsadas() const { return m_iLineasUsadas; }
    int ColorSeleccionado() const { return m_iColorSeleccionado; }
    int NumJugadas() const { return m_Jugadas.m_iNumElementos; }
    bool Pausado() const { return m_bPausado; }
    const RegistroNivel& Nivel() const { return m_Nivel; }
    const std::string& FondoElegido() const { return m_sFondo; }
    CLista* ListaActual() const { return m_pListaActual; }
    CHerramientaResumen* Resumen() const { return m_pResumen; }
    CHerramientaEfectos* Efectos() const { return m_pEfectos; }
    CMsgBoxTazmo* Mensaje() const { return m_pMensaje; }
    // Centres of the moves, oldest first.
    std::vector<Punt2D> CentrosJugadas() const;

    // Test seam: the summary record last handed over.
    const DatosResumen& UltimoResumen() const { return m_UltimoResumen; }

    // ---- Test seam: levels won by their own rules ----
    // Off unless a test turns it on. While on, a level outside a tutorial
    // plays itself one move a step: in the diamonds' phase each step closes
    // a line worth at most what the current line maximum can cross, until
    // the target is reached and the line check moves on; in the tracing
    // phase each step presses the next shard the rules allow. Everything
    // after that (the sealed figure, the victory, the summary, the markers,
    // the best line count) goes the normal way; the summaries' buttons are
    // still the player's to press. Never a forced result.
    static bool s_bGanaPorReglas;
    void JuegaPorReglas();

protected:
    void InicializaCampos();
    void ReiniciaEstado();
    bool CreaHerramientas();
    void ActualizaContadores();
    void ActualizaFase();
    void EmpiezaJuego();
    void Finaliza();
    // Whether a child holds the board by `retiene` (its transition, its
    // blocked input); see EnTransicion.
    bool HijoQueRetiene(bool (*retiene)(CMenuObj*));
    // A press kept while the last line settled, answered once it has.
    void ActualizaPulsacionPendiente();
    static constexpr int kPasosPulsacionPendiente = 60;
    // What a won story stage unlocks (its seal's picture, its chapter).
    void RegistraVictoria();
    void EntraEnTrazado();
    void VuelveADiamantes();
    void DesvaneceFigura();
    void DesbloqueaMarcadorNivel();
    void Fuegos();
    void TocaSonido(int iRanura);
    void LiberaJugadas();
    bool Asentada() const;
    bool Vacia() const;
    void PonFase(int iFase);
    void MuestraMensaje(const char* szCodigo);
    void DibujaCamino(Sprite* pDestino);
    void DibujaContorno(Sprite* pDestino);
    void DibujaGuia(Sprite* pDestino);
    void ActualizaGuia();
    void DibujaMarcasCruce(Sprite* pDestino);
    void DibujaSegmento(Sprite* pDestino, const Punt2D& a, const Punt2D& b, int iAlfa, const ColorRGB* pColor);
    Punt2D DestinoElastico() const;
    DatosComentario DatosParaComentario() const;
    void EntregaResumen(const DatosResumen& datos);

public:
    bool m_bCreado = false;

    // Figures.
    CLista m_ListaDiamantes;
    CLista m_ListaEsquirlas;
    CLista* m_pListaActual = nullptr;
    CLista* m_pListaSiguiente = nullptr;
    int m_iNumPiezasDiamantes = 0;
    int m_iNumEsquirlas = 0;
    TransformacionFigura m_TransformacionDiamantes;
    TransformacionFigura m_TransformacionEsquirlas;

    // Phase.
    int m_iFase = FASE_INICIO;
    int m_iPasosFase = 0;
    bool m_bPrimeraFigura = true;

    // Level.
    RegistroNivel m_Nivel;
    RegistroNivel m_NivelArgumento;
    bool m_bUltimaDeCapitulo = false;
    bool m_bMensajeVictoria = false;

    // Play counters.
    int m_iColorSeleccionado = -1;
    int m_iColorDado = -2;           // the one last given to the pieces
    int m_iDiamantesCogidos = -1;
    int m_iMaximoLinea = kMaximoLineaInicial;
    int m_iInicioLinea = -1;
    CLista m_Jugadas;                // JugadaTrazada*, oldest first, owned
    int m_iUltimaEsquirla = -1;
    DatosRush m_Rush;
    int m_iObjetivo = 0;
    int m_iEsquirlasTrazadas = 0;
    int m_iEsquirlasRush = 0;
    int m_iPuntuacion = 0;
    int m_iCrucesLinea = 0;
    int m_iMovimientosLinea = 0;
    int m_iMovimientosTotal = 0;
    int m_iLineasUsadas = 0;
    int m_iPuntosUltimaLinea = 0;    // points of the line last ended
    int m_iEsperaMaxima = 0;
    int m_iPasosDesdeEsquirla = 0;
    CBolaTablero* m_pSobrevolada = nullptr;
    Punt2D m_Pulsacion;              // where the pointer pressed last
    // A press on the board while the last line still settles (its last
    // piece being taken, its pieces leaving) waits for it, this many more
    // steps at most, instead of being lost.
    Punt2D m_PulsacionPendiente;
    int m_iPasosPulsacionPendiente = 0;
    bool m_bJugadaNueva = false;
    bool m_bLineaCompleta = false;
    bool m_bLineaCompletaAntes = false;
    int m_iPasosCambioLinea = 0;
    bool m_bPiezaSaliendo = false;

    // Clocks.
    int m_iPasosJugados = 0;
    int m_iTiempoUsado = 0;
    int m_iPasosTrazado = 0;
    float m_fScroll = 0.0f;
    float m_fGiro = 0.0f;

    // Tools.
    CHerramientaAtaques* m_pAtaques = nullptr;
    CHerramientaCarteles* m_pCarteles = nullptr;
    CHerramientaCirculoCabalistico* m_pCirculo = nullptr;
    CHerramientaEstadosCursor* m_pEstadosCursor = nullptr;
    CHerramientaEfectos* m_pEfectos = nullptr;
    CHerramientaBonuses* m_pBonuses = nullptr;
    CHerramientaEventoSonido* m_pEventoSonido = nullptr;
    CHerramientaMarcadores* m_pMarcadores = nullptr;
    CHerramientaResumen* m_pResumen = nullptr;
    CHerramientaAsistenciaVisual* m_pAsistencia = nullptr;
    CGestorTutoriales* m_pTutoriales = nullptr;
    // The tutorial's guide: a list of the manager's (none without one) whose
    // pieces are joined in order, at a level 0..1 moving by its fade step
    // each step.
    CLista* m_pListaGuia = nullptr;
    float m_fNivelGuia = 0.0f;
    float m_fPasoGuia = 0.0f;
    bool m_bPausado = false;
    bool m_bObjetivoTutorialPendiente = false;

    // Widgets.
    CBotonTazmo* m_pBotonPausa = nullptr;
    CBotonTazmo* m_pBotonAyuda = nullptr;
    CBotonTazmo* m_pBotonContinuar = nullptr;
    CBotonTazmo* m_pBotonReiniciar = nullptr;
    CMsgBoxTazmo* m_pMensaje = nullptr;
    bool m_bHintMostrado = false;
    CTransMusica* m_pTransMusica = nullptr;

    // Graphics.
    Sprite* m_pFondo = nullptr;
    std::string m_sFondo;
    CSPM m_SPMOscurecer;
    CSPM m_SPMObjetos;
    CSPM m_SPMResumenFinal;
    CSPM m_SPMTrofeos;
    CSPM m_SPMLineas;
    CSPM m_SPMAroTexto;
    CSPM m_SPMSelloRango;
    CSPM m_SPMMiniTitulo;
    CSPM m_SPMCruz;
    CSPM m_SPMHumo;

    // Sound slots, in the order of the list.
    static constexpr int kNumSonidos = 37;
    std::array<int, kNumSonidos> m_aiSonidos{};

    // Result.
    int m_iResultado = RESULTADO_NINGUNO;
    int m_iResultadoGuardado = RESULTADO_NINGUNO;
    bool m_bGanadaAntesDeReiniciar = false;

    // The pictures the circle shows for the current figure.
    std::array<std::string, 5> m_asImagenes;

    DatosResumen m_UltimoResumen;
};

// Sound slots by name: indices into m_aiSonidos.
enum SonidoJuego {
    SONIDO_COGER_DIAMANTE = 0,
    SONIDO_COGER_ESQUIRLA,
    SONIDO_SOLTAR_DIAMANTE,
    SONIDO_FINALIZAR_JUGADA,
    SONIDO_DESHACER_JUGADA,
    SONIDO_DIAMANTES_TRASCIENDEN,
    SONIDO_ESQUIRLAS_TRASCIENDEN,
    SONIDO_ESQUIRLA_CORRECTA,
    SONIDO_TOCA_COLOR_0,                        // .. 7
    SONIDO_ESQUIRLAS_POR_LINEA_1 = SONIDO_TOCA_COLOR_0 + 8,   // .. 10
    SONIDO_MAS_ESQUIRLAS_POR_LINEA = SONIDO_ESQUIRLAS_POR_LINEA_1 + 10,
    SONIDO_ESQUIRLAS_MAX_POR_LINEA_3,           // .. 10
    SONIDO_MAS_ESQUIRLAS_MAX_POR_LINEA = SONIDO_ESQUIRLAS_MAX_POR_LINEA_3 + 8,
    SONIDO_TIEMPO_AGOTADO,
    NUM_SONIDOS_JUEGO,
};
static_assert(NUM_SONIDOS_JUEGO == CMenuJuego::kNumSonidos);
