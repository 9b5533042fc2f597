// The application core: one object reached through g_pAplicacion. It runs
// one pass of the main loop at a time (fixed logic steps of 1000/30 ms),
// keeps the registered top-level objects and the focused one, hands them
// every input, keeps the event list, the display-mode requests, the ten
// interface styles, the fade overlay, the pointer cursors, the background
// music, and the loading-sign thread that draws while the loop stalls.
#pragma once
#include "engine/core/EnlaceAplicacion.h"
#include "engine/core/Lista.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

class CMenuObj;
class CCargandoObj;
class CCuadroHint;
class CMando;
class CSPM;
class Sprite;
class CFlujoOgg;
class CEnlaceGraficos;

// Event kinds the core reads itself; every other kind belongs to the
// user-interface objects and is dropped when it reaches the core.
enum TipoEvento {
    EVENTO_SALIR = 13,
    EVENTO_SIN_TIPO = 15,
};

// One entry of the event list. The text is an owned copy.
struct Evento {
    Evento() = default;
    Evento(const Evento&) = delete;
    Evento& operator=(const Evento&) = delete;
    ~Evento() { delete[] m_szTexto; }

    int32_t m_iTipo = EVENTO_SIN_TIPO;
    int32_t m_iValor = 0;
    char* m_szTexto = nullptr;
    int32_t m_iIdEmisor = -1;
};

// One display-mode request.
enum {
    PETICION_PANTALLA_COMPLETA = 4,
    PETICION_VENTANA = 5,
    PETICION_NINGUNA = 8,
};

struct PeticionModo {
    int32_t m_iTipo = PETICION_NINGUNA;
};

class CAplicacion {
public:
    static constexpr int kNumEstilos = 10;
    static constexpr int kNumCursores = 16;
    // The fixed logic step in milliseconds.
    static constexpr float kPaso = 33.333332f;
    static constexpr int kLongitudMusica = 256;

    CAplicacion();
    ~CAplicacion();
    CAplicacion(const CAplicacion&) = delete;
    CAplicacion& operator=(const CAplicacion&) = delete;

    bool Inicia(const char* szPaqueteCursores);
    void Libera();
    void LiberaSiIniciada();
    void Limpia();
    bool EstaIniciada() const { return m_bIniciada != 0; }

    // One pass of the main loop; true when the program must end.
    bool Ciclo();
    // Draws and presents one frame under the render mutex.
    void Pinta();
    // The drawing itself: objects, hint box, cursors, overlay.
    void Dibuja();
    // Clock base += one step; with bUltimoFrame also the last-frame time.
    void AvanzaReloj(bool bUltimoFrame);

    // Fades of the colour overlay, counted in steps.
    void FundidoEntrada(int iFrames, uint8_t r, uint8_t g, uint8_t b);
    void FundidoSalida(int iFrames, uint8_t r, uint8_t g, uint8_t b);
    void CambiaFundido(float fNivel, uint8_t r, uint8_t g, uint8_t b);
    float NivelFundido() const { return m_fNivelFundido; }
    float VelocidadFundido() const { return m_fVelocidadFundido; }
    // The overlay alpha (0..255) of the last frame drawn.
    int AlfaVeloDibujado() const { return m_iAlfaVeloDibujado; }

    // Background music by file name; null or empty stops it. False when the
    // name was refused (too long for the name field).
    bool CambiaMusica(const char* szNombre);
    const char* NombreMusica() const { return m_szMusica; }
    CFlujoOgg* FlujoMusica() const { return m_pMusica; }

    // Pointer cursors.
    void PonDibujaCursores(bool bDibuja) { m_bDibujaCursores = bDibuja ? 1 : 0; }
    bool DibujaCursores() const { return m_bDibujaCursores != 0; }
    void CambiaFrameCursor(int i, int iAnimacion);
    void ReiniciaCursores();

    // Registered top-level objects and focus.
    void AnadeMenu(CMenuObj* pObj);
    void QuitaMenu(CMenuObj* pObj);
    void CambiaFoco(CMenuObj* pObj);
    CMenuObj* Foco() const { return m_pFoco; }
    CLista& Objetos() { return m_lObjetos; }

    // Input, handed by the devices; dropped while inactive.
    void ProcesaBotonRaton(int iRaton, int iEvento, float x, float y);
    void ProcesaTecla(int iTecla);
    void ProcesaCaracter(char c);
    void ProcesaMovimientoRaton(int iRaton, float x, float y);
    void ProcesaEjeMando(CMando* pMando, int iEje, int iValor);
    void ProcesaBotonMando(CMando* pMando, int iBoton);

    // The event list.
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor);
    bool ProcesaEventos();
    int NumEventos() const { return m_lEventos.m_iNumElementos; }
    void ProhibeSalir();
    void PermiteSalir();
    bool SalirPermitido() const { return m_bSalirPermitido != 0; }

    // Interface styles 0..9.
    void CambiaEstilo(int i, const EstiloObjeto& estilo);
    EstiloObjeto* Estilo(int i);

    // Activation and display mode.
    void PideActivacion(bool bActiva) { m_bActivacionPedida = bActiva ? 1 : 0; }
    bool EstaActiva() const { return m_bActiva != 0; }
    void ActualizaActivacion();
    void PideVentana();
    void PidePantallaCompleta();
    void AlternaPantallaCompleta();
    void ProcesaPeticionesModo();
    int NumPeticionesModo() const { return m_lPeticiones.m_iNumElementos; }
    bool CambioModoEnCurso() const { return m_bCambioEnCurso.load(); }

    // Language at run time.
    void CambiaIdioma(int iClave, char cPrimera, char cSegunda);

    // Hint box and loading sign, handed over by the menu manager.
    void AsignaCuadroHint(CCuadroHint* pHint) { m_pCuadroHint = pHint; }
    CCuadroHint* CuadroHint() const { return m_pCuadroHint; }
    void MuestraHint(int iCodigo);
    void AsignaCartelCargando(CCargandoObj* pCartel);
    void AsignaUmbralCarga(float fMs) { m_fUmbralCarga.store(fMs); }

    // Read by the loading-sign thread (and others).
    CCargandoObj* CartelCargando() const { return m_pCartelCargando.load(); }
    float UmbralCarga() const { return m_fUmbralCarga.load(); }
    bool ActivaEnCiclo() const { return m_bActivaEnCiclo.load(); }
    std::recursive_mutex* MutexPintado() { return &m_mutexPintado; }
    bool HiloDebeTerminar() const { return m_bParar.load(); }
    void MarcaHiloTerminado() { m_bTerminado.store(true); }
    bool HiloTerminado() const { return m_bTerminado.load(); }
    float BaseReloj() const { return m_fBaseReloj.load(); }
    float UltimoFrame() const { return m_fUltimoFrame.load(); }
    // When the last pass of the loop began.
    float UltimaPasada() const { return m_fUltimaPasada.load(); }
    Sprite* SpriteCaptura() const { return m_pCaptura; }
    void* ContextoHilo() const { return m_pContextoHilo; }

    // The graphics side (see CEnlaceGraficos); null restores the platform's
    // own. The link must outlive its use by the core.
    void AsignaEnlaceGraficos(CEnlaceGraficos* pEnlace);
    CEnlaceGraficos* EnlaceGraficos() const { return m_pGraficos.load(); }

private:
    // Top-level objects are few (the menu manager and at times a dialog).
    static constexpr int kMaxObjetosRecorrido = 32;
    template <class F>
    bool ParaCada(bool bDesdeCola, F f);
    bool Registrado(const CMenuObj* pObj) const;
    template <class Editor>
    bool Reparte(Editor editor);
    void VaciaEventos();
    void VaciaPeticiones();
    void PideModo(int iTipo);
    void PararHilo();
    void EsperaPaso(float fAhora) const;
    // What the pointer can reach: every object of the registered trees, with
    // whether it is shown and takes input, folded into one number.
    uint64_t FirmaArbol();
    // After a step that changed what the pointer can reach (a screen or
    // dialog opened, closed or finished its transition, a display-mode
    // switch), the system pointer's place is offered again as a move, so
    // hover and hints follow what is under it without waiting for the mouse.
    void ReevaluaPuntero();

    uint8_t m_bIniciada = 0;
    CLista m_lObjetos;
    CLista m_lPeticiones;
    CLista m_lEventos;
    CSPM* m_apCursores[kNumCursores] = {};
    CSPM* m_pVelo = nullptr;
    CMenuObj* m_pFoco = nullptr;
    uint64_t m_uFirmaArbol = 0;
    CFlujoOgg* m_pMusica = nullptr;
    char m_szMusica[kLongitudMusica] = {};
    std::atomic<float> m_fBaseReloj{0.0f};
    std::atomic<float> m_fUltimoFrame{0.0f};
    std::atomic<float> m_fUltimaPasada{0.0f};
    EstiloObjeto m_aEstilos[kNumEstilos];
    uint8_t m_bDibujaCursores = 1;
    uint8_t m_bSalirPermitido = 1;
    std::atomic<bool> m_bCambioEnCurso{false};
    uint8_t m_bActivacionPedida = 1;
    uint8_t m_bActiva = 1;
    float m_fNivelFundido = 0.0f;
    float m_fVelocidadFundido = 0.0f;
    uint8_t m_aColorFundido[3] = {0, 0, 0};
    int m_iAlfaVeloDibujado = 0;
    std::atomic<CCargandoObj*> m_pCartelCargando{nullptr};
    std::atomic<float> m_fUmbralCarga{200.0f};
    std::atomic<bool> m_bActivaEnCiclo{false};
    std::thread m_hilo;
    std::recursive_mutex m_mutexPintado;
    std::atomic<bool> m_bParar{false};
    std::atomic<bool> m_bTerminado{true};
    Sprite* m_pCaptura = nullptr;
    CCuadroHint* m_pCuadroHint = nullptr;
    void* m_pContextoHilo = nullptr;
    std::atomic<CEnlaceGraficos*> m_pGraficos{nullptr};
};

// The loading-sign thread's body.
void HiloCartelCargando(CAplicacion* pApp);

extern CAplicacion* g_pAplicacion;
