// The story map: the 53 stages of the twelve chapters over Maida's room, the
// nine pictures of the story's characters, a path joining the stages, and
// buttons to play, get help, read the legend, open the treasure chest and go
// back. It is the one place where the story advances: a reached stage (or
// the play button, which takes the next one) runs as a chain of the map's
// children (the chapter's title card or the stage's opening scene, the play
// screen, the closing scene, then the next stage of the chapter at once, the
// map at a chapter's end, or the credits at the story's end). The map reads
// the play screen's result, records a first win in the current profile and
// saves it, raises the picture counter and the pieces-per-line maximum at
// their stages, unlocks the extra-mode levels at three points of the story,
// evaluates the trophies and tells each achievement in a message box.
//
// The opening replays the reveal: newly revealed pictures flash (state 0),
// the stage markers come one after another (state 1), then the messages
// (state 8) and the idle map (state 2).
#pragma once
#include "engine/ui/MenuObj.h"
#include "game/profiles/Trofeos.h"

#include <array>
#include <cstdint>
#include <string>

class CBotonTazmo;
class CBotonIconoTazmo;
class CMsgBoxTazmo;
class CSPM;
class CTransMusica;
class CJapSecTazmo;
struct EntradaNivel;
struct RegistroPerfil;

class CMenuModoHistoria : public CMenuObj {
public:
    static constexpr int kNumEtapas = 53;
    static constexpr int kNumCapitulos = 12;
    static constexpr int kNumRetratos = 9;
    static constexpr int kMaxContador = 9;
    static constexpr int kPasosApertura = 15;
    // Widget ids.
    enum {
        ID_VOLVER = 0,
        ID_JUGAR = 1,
        ID_MSGBOX = 2,
        ID_AYUDA = 3,
        ID_COFRE = 4,
        ID_LEYENDA = 5,
        ID_PRIMERA_ETAPA = 6,
    };
    // States.
    enum {
        ESTADO_REVELA = 0,
        ESTADO_OLA = 1,
        ESTADO_INACTIVO = 2,
        ESTADO_PRESENTACION = 3,
        ESTADO_ESCENA_INICIAL = 4,
        ESTADO_ESCENA_FINAL = 5,
        ESTADO_CREDITOS = 6,
        ESTADO_JUGANDO = 7,
        ESTADO_MENSAJES = 8,
        ESTADO_REINICIO = 10,
    };
    // Flags of m_abLogros below the trophies'.
    enum {
        LOGRO_HISTORIA = 0,
        LOGRO_CAPITULO = 1,
        LOGRO_COFRE = 2,
        LOGRO_CONCENTRAR = 3,
        LOGRO_SELLOS = 4,
        LOGRO_ATAQUES = 5,
    };

    struct Punto {
        float x, y;
    };
    // Each stage's point on the map.
    static const std::array<Punto, kNumEtapas> PosicionesEtapas;
    // The two pictures of each stage.
    static const std::array<std::array<int, 2>, kNumEtapas> PersonajesEtapa;
    // Each picture: its character (by the registry's name), the figure's
    // package, its place on the map, the anchor of the figure's pieces, the
    // order it is drawn in, and the picture counter above which it shows.
    struct Retrato {
        const char* szPersonaje;
        const char* szPaquete;
        Punto posicion;  // where its feet stand on the map
        int iOrdenDibujo;
        int iUmbral;
    };
    static const std::array<Retrato, kNumRetratos> RetratosMapa;
    // The text told for each message flag.
    static const std::array<const char*, NUM_LOGROS> MensajesLogrosHistoria;
    // The stages whose first win raises the picture counter, with the rise.
    struct SubidaContador {
        int iCapitulo, iParte, iCuenta;
    };
    static const std::array<SubidaContador, 7> EtapasContadorMapa;

    CMenuModoHistoria() = default;
    ~CMenuModoHistoria() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EsExclusivo() override { return true; }
    bool UsaTransicion() override { return true; }
    bool EnTransicion() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void IniciaTransicion(bool bEntrada) override;
    void NotificaHijoQuitado(CMenuObj* pHijo) override;

    bool Crea();
    void Libera();
    bool EstaCreado() const { return m_bCreado; }

    // Choose a stage (a stage button or the play button): a stage beyond
    // the progress only tells 'MH10'.
    void EligeEtapa(int iEtapa);
    // Start a reached stage: the chapter's card for a chapter's first
    // stage, else the stage's opening scene.
    void EmpiezaEtapa(int iEtapa);
    // Play a story scene through the menu manager's scene host.
    // Plays a scene in the scene host; false, playing nothing, when a scene
    // is named but cannot be read whole (no name plays an empty scene that
    // ends at once).
    bool TocaSecuencia(const char* szFichero);
    // A stage or a scene that cannot be read: back to the map, which tells
    // the player (szCodigo) once it has opened.
    void VuelveAlMapaConAviso(const char* szCodigo);
    // Fills the message flags; true when any is raised.
    bool EvaluaLogros();
    // Draws picture k with its anchor at (x, y) with the package's state.
    void DibujaRetrato(Sprite* pDestino, float x, float y, int k);
    bool SubeLineaMaxima(int iEtapa) const;

    // ---- Decisions, worked out without the screen ----
    // Stage 53, or a stage whose next lies in another chapter (52 too).
    static bool EsUltimaDeCapitulo(int iEtapa);
    // Stage iEtapa starts a chapter (53: no).
    static bool EmpiezaCapitulo(int iEtapa);
    // The stage is the next to play and one of the line-raising stages.
    static bool SubeLineaMaximaEn(int iEtapa, int iProgreso);
    // The stage is one of the line-raising stages (the turning ring).
    static bool EsEtapaLineaMaxima(int iEtapa);
    // How much a first win of the stage raises the picture counter.
    static int SubidaContadorEtapa(int iEtapa);
    // The picture revealed when the counter rises past k (0..8), -1 outside.
    static int RetratoRevelado(int k);
    // A stored progress as the map reads it: 0..53 whatever the save says.
    static int AcotaProgreso(int iProgreso);
    // The chapter of a stage, -1 outside 0..52.
    static int CapituloDe(int iEtapa);
    // The widget name of a stage's hot spot.
    static std::string NombreBoton(int iEtapa);
    // The stage's name code ('C020'...).
    static int CodigoEtapa(int iEtapa);

    // ---- What tests read ----
    int Estado() const { return m_iEstado; }
    int Etapa() const { return m_iEtapa; }
    bool MapaVisible() const { return m_bMapaVisible; }
    // The map's own alpha: 255 once it has opened, 0 once it has closed.
    int Alfa() const { return m_iAlfa; }
    float Destello(int k) const { return m_afDestello[static_cast<size_t>(k)]; }
    CMsgBoxTazmo* Mensaje() const { return m_pMsgBox; }
    bool MensajeAbierto() const;
    // The text code of the box open now (or last opened), -1 before any.
    int CodigoMensaje() const { return m_iCodigoMensaje; }
    CJapSecTazmo* Escena() const { return m_pJapSecTazmo; }

    bool m_bCreado = false;

private:
    void InicializaCampos();
    void LiberaPropios();
    RegistroPerfil* Perfil() const;
    int Progreso() const;
    int Contador() const;
    // The level-table entry of a stage at the current difficulty.
    const EntradaNivel* EntradaEtapa(int iEtapa) const;
    void AbreMensaje(bool bGrande, const char* szCodigo, const char* szNombre);
    void QuitaMensaje();
    void EmpiezaJuego(int iEtapa);
    void ActualizaHistoria();
    void ActualizaMensajes();
    void TrasVictoria();
    // A first win of the stage played: the map's counter, the line maximum
    // and the progress move, and the profile is saved. A replay changes nothing.
    void GuardaVictoria();
    void AbreCreditos();
    void MarcaVictoria() { m_bVictoriaPendiente = true; }
    void DibujaMapa(Sprite* pDestino);
    Punto EnMapa(const Punto& p) const;

    int m_iEstado = ESTADO_INACTIVO;
    float m_fFaseCamino = 0.0f;
    std::array<float, kNumRetratos> m_afDestello{};
    std::array<float, kNumRetratos> m_afResalte{};
    std::array<float, kNumEtapas> m_afOla{};
    int m_iUltimoContador = -1;
    int m_iSubidaContador = 0;
    int m_iContadorAnterior = 0;
    int m_iUltimoProgreso = 0;
    int m_iCapituloSobre = -1;
    float m_fBrilloCapitulo = 0.0f;
    std::array<float, 3> m_afAros{};
    CTransMusica* m_pTransMusica = nullptr;
    std::array<CBotonTazmo*, kNumEtapas> m_apEtapas{};
    std::array<float, kNumEtapas> m_afEscalaSobre{};
    int m_iEtapa = 0;
    bool m_bMapaVisible = true;
    CBotonTazmo* m_pBotonVolver = nullptr;
    CBotonTazmo* m_pBotonJugar = nullptr;
    CBotonIconoTazmo* m_pBotonAyuda = nullptr;
    CBotonIconoTazmo* m_pBotonCofre = nullptr;
    CBotonIconoTazmo* m_pBotonLeyenda = nullptr;
    CMsgBoxTazmo* m_pMsgBox = nullptr;
    CSPM* m_pSPMFondo = nullptr;
    CSPM* m_pSPMElemsTitulo = nullptr;
    CSPM* m_pSPMTitulo = nullptr;
    CSPM* m_pSPMCamino = nullptr;
    CSPM* m_pSPMMarcas = nullptr;
    CSPM* m_pSPMAro = nullptr;
    std::array<CSPM*, kNumRetratos> m_apRetratos{};
    int m_iContadorApertura = 0;
    uint8_t m_iAlfa = 0;
    float m_fZoom = 0.0f;
    std::array<uint8_t, NUM_LOGROS> m_abLogros{};
    bool m_bFinHistoriaContado = false;
    bool m_bFinCapituloContado = false;
    // A stage was won since the map last told its victory or was left: the
    // story's and the chapter's end are told only after one.
    bool m_bVictoriaPendiente = false;
    bool m_bMensajeAbierto = false;
    int m_iCodigoMensaje = -1;
    // A warning the map shows once its opening is done (null: none).
    const char* m_szAvisoPendiente = nullptr;
    CJapSecTazmo* m_pJapSecTazmo = nullptr;
};
