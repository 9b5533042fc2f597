// The extra-modes menu: the level chooser of the three extra modes (seals
// only, attacks, concentration). The main menu builds it for a mode after
// the difficulty box and opens it. It shows the mode's levels at the
// current profile's difficulty as buttons named after their unlock markers
// (locked levels show locked, newly unlocked ones glow), and a panel with the
// focused level's name, the difficulty and two record tables: the profile's
// own four best results and the best four over all profiles. Pressing an
// unlocked level copies its record into the manager, tells it which marker
// its victory unlocks and attaches the mode's play screen as this menu's
// child. When a game ends the menu tells each new trophy in turn and has the
// profile saved quietly; the first visit of each mode shows its instructions.
//
// States: 3 idle (choosing), 0 a game in progress, 4 the play screen removed
// for a restart, 5 removed after a game, 1 telling trophies, 2 waiting for a
// trophy box's answer.
#pragma once
#include "engine/core/GestorFLIs.h"
#include "game/profiles/Trofeos.h"
#include "game/screens/BaseMenu.h"

#include <array>
#include <cstdint>
#include <string>

class CBotonIconoTazmo;
class CBotonTazmo;
class CMenuJuego;
class CMsgBoxTazmo;
class CSPM;
class Sprite;

class CMenuParametrosModosExtra : public CBaseMenu {
public:
    enum ModoExtra { MODO_SOLO_SELLOS = 1, MODO_ATAQUES = 2, MODO_CONCENTRAR = 3 };
    enum EstadoMenu {
        ESTADO_JUGANDO = 0,
        ESTADO_LOGROS = 1,
        ESTADO_ESPERA_LOGRO = 2,
        ESTADO_INACTIVO = 3,
        ESTADO_REINICIO = 4,
        ESTADO_FIN_PARTIDA = 5,
    };
    // Widget ids: the level buttons are 0..14.
    enum {
        NUM_BOTONES_NIVEL = 15,
        ID_INSTRUCCIONES = 15,
        ID_COFRE = 16,
        ID_MENSAJE = 17,
        ID_VOLVER = 18,
    };
    static constexpr int kNumTextos = 8;
    // The four record texts: font, and a box tall enough for the four
    // ranks' lines.
    static constexpr int kFuenteRecords = 1;
    static constexpr float kRecordsAncho = 256.0f, kRecordsAlto = 160.0f;
    static constexpr const char* kNombre = "MenuCofreTesoro";

    // One level button's row.
    struct FilaNivel {
        int iModo;
        const char* szTexto;       // caption and description code
        const char* szMarcador;    // marker name without the difficulty's suffix
        float x, y;                // centre of the top band
        int iFlags;
        int iGrupo, iParte;        // entry of the level table
        int iNivelModoExtra;
        int iDesbloquea;           // button whose marker a victory unlocks, -1 none
    };
    static const std::array<FilaNivel, NUM_BOTONES_NIVEL> kNiveles;

    CMenuParametrosModosExtra() = default;
    ~CMenuParametrosModosExtra() override;

    void Actualiza() override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void IniciaTransicion(bool bEntrada) override;
    void NotificaHijoQuitado(CMenuObj* pHijo) override;
    bool TieneDestellos() override { return m_iEstado != ESTADO_JUGANDO && m_iEstado != ESTADO_REINICIO; }
    void DibujaContenido(Sprite* pDestino) override;

    bool Crea(int iModo);
    void Libera();
    bool EstaCreado() const { return m_bCreado; }

    void PreparaTextos();
    void MuestraInstrucciones();
    void MuestraInstruccionesUnaVez();

    // ---- Decisions ----
    // The record formatters: a score ("~" for 0), a time of steps as
    // minutes:seconds ("~" for the empty time), and a name shown only when
    // its value is set.
    static std::string FormatoPuntuacion(int iPuntos);
    static std::string FormatoTiempo(int iPasos);
    static std::string FormatoNombre(const char* szNombre, bool bValor);
    // The text code a focused widget shows as the description (-1: none).
    static int CodigoDescripcion(int iId);
    // What the play screen's published result makes of the state; the
    // result may be reset (to none) when it is out of range.
    struct PasoResultado {
        int iEstado;
        bool bQuita;          // the play screen is removed now
        bool bResultadoNulo;  // its result is reset to none
    };
    static PasoResultado SiguienteEstado(int iEstado, int iResultado);
    // The marker index a victory on the button's level unlocks at a
    // difficulty (MARCADOR_NINGUNO for none).
    static int MarcadorAlGanar(int iBoton, int iDificultad);
    // The marker name of a level button at a difficulty.
    static std::string NombreBoton(int iBoton, int iDificultad);
    // The instructions text and first-visit marker of a mode.
    static const char* MarcadorInstrucciones(int iModo);
    static const char* TextoInstrucciones(int iModo);

    // ---- What tests read ----
    int Estado() const { return m_iEstado; }
    int Modo() const { return m_iModo; }
    int Seleccion() const { return m_iSeleccion; }
    float AlfaPanel() const { return m_fAlfaPanel; }
    bool PanelSaliendo() const { return m_bPanelSaliendo; }
    CMenuJuego* JuegoEnCurso() const { return m_pJuego; }
    CMsgBoxTazmo* Mensaje() const { return m_pMsgBox; }
    // The record texts as last written: own names, own results, ranking
    // names, ranking results.
    const std::array<std::string, 4>& TextosRecords() const { return m_asRecords; }

    bool m_bCreado = false;
    int m_iEstado = ESTADO_INACTIVO;
    int m_iSeleccion = -1;
    bool m_bPanelSaliendo = true;
    float m_fAlfaPanel = 0.0f;
    std::array<CBotonTazmo*, NUM_BOTONES_NIVEL> m_apNiveles{};
    CBotonIconoTazmo* m_pBotonInstrucciones = nullptr;
    CBotonIconoTazmo* m_pBotonCofre = nullptr;
    CBotonTazmo* m_pBotonVolver = nullptr;
    std::array<Sprite*, kNumTextos> m_apTextos{};
    // The panel and the records' title frames, in the menus' shared
    // nine-slice panel.
    CSPM* m_pSPMPanel = nullptr;
    CMsgBoxTazmo* m_pMsgBox = nullptr;
    int m_iModo = 0;
    CMenuJuego* m_pJuego = nullptr;
    std::array<uint8_t, NUM_LOGROS> m_abLogros{};
    bool m_bTransicionesActivas = true;
    int m_iCodigoDescripcion = -1;
    std::array<std::string, 4> m_asRecords;

private:
    void InicializaCampos();
    void LiberaPropios();
    bool Construye();
    CMenuJuego* JuegoDeBoton(int iBoton) const;
    void EmpiezaNivel(int iBoton);
    void ActualizaPanel();
    void CuentaLogros();
    void AbreMensaje(bool bGrande, int iCodigo, const char* szNombre);
    void QuitaMensaje();
    void FinDePartida();
    void Reinicia();
    int Dificultad() const;
};
