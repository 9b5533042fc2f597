// The dialogue player: it reads a script of text lines, labels, jumps and an
// end, types each line letter by letter into a text box (the line's text
// comes from the text tables of the current language), runs the commands
// written inside the text between angle brackets (pauses, waits, animated
// sequences to show, hide or stack), scrolls text that does not fit, and ends
// with a result its host reads. It is not an interface object: its host hands
// it input, the step, drawing and resources. The game's story scenes derive
// from it and extend its two readers (script records and inline commands).
//
// Script (a command file; record names compared without regard to case,
// other records left to the derived reader):
//     JAPTXTSECUENCIA = id, "file.sec", frame, frame, ...;   a sequence to show
//     JAPTXTLINE = "CODE", "CODE", wait;                     a line (the second
//                                                            code is typed)
//     ETIQUETA = "name";   GOTOETIQUETA = "name";   FIN = result;
// Inline commands: <PAUSA>, <ESPERA=frames>, <SECUENCIA=id,height,index,wait>,
// <QUITASECUENCIA=id>, <ALTURASECUENCIA=id,height>; any other bracketed text
// is typed as written (the font's colour tags reach the renderer).
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CMando;
class CSecuencia;
class CSPM;
class Sprite;
struct FitxerComandes;

// What the opener of a sequencer tells its loader: where the box picture and
// the text go and how the text is wrapped.
struct ConfigSecuenciador {
    std::string m_sFicheroCaja;   // the box picture
    std::string m_sPaquete;       // a package kept in use with the sequencer
    float m_fTextoX = -1.0f, m_fTextoY = -1.0f;
    float m_fCajaX = -1.0f, m_fCajaY = -1.0f;
    float m_fAnchoAjuste = -1.0f; // width of the text sprite and of the wrapping
    float m_fAltoVisible = -1.0f; // height of the text shown at once
    int m_iReservado1 = -1;       // not read by the sequencer
    float m_fEscala = 1.0f;       // scale of the text sprite
    int m_iReservado2 = -1;       // not read by the sequencer
    int m_iFontMedida = -1;       // the font the text is wrapped and measured with
};

// A sequence the script can show, with the frames its commands jump to.
struct RegistroJapTxtSecuencia {
    static constexpr int kMaxFrames = 256;
    RegistroJapTxtSecuencia();
    ~RegistroJapTxtSecuencia();
    int m_iId = -1;
    int m_iAltura = 0; // drawing order among the shown ones, lowest first
    std::vector<int> m_aiFrames;
    std::unique_ptr<CSecuencia> m_pSecuencia;
};

enum TipoRegistroGuion {
    GUION_LINEA = 1,
    GUION_ETIQUETA = 2,
    GUION_SALTO = 3,
    GUION_FIN = 4,
};

struct RegistroGuion {
    int m_iTipo = 0;
    int m_iCodigo1 = -1; // stored, not used by the sequencer
    int m_iCodigo2 = -1; // the text typed (-1: none)
    bool m_bEspera = false;
    std::string m_sEtiqueta; // label or jump target
    int m_iResultado = 0;
};

enum EstadoSecuenciador {
    SECUENCIADOR_ESCRIBIENDO = 0,
    SECUENCIADOR_ESPERA_JUGADOR = 1,
    SECUENCIADOR_ESPERA_FRAMES = 2,
    SECUENCIADOR_ESPERA_SECUENCIA = 3,
    SECUENCIADOR_TERMINADO = 4,
};

class CJapSecuenciador {
public:
    static constexpr int kMaxParametros = 10;
    using Parametros = std::array<std::string, kMaxParametros>;
    // Points the text scrolls per frame toward its target.
    static constexpr float kPasoScroll = 5.0f;
    // Box alpha change per draw.
    static constexpr int kPasoAlfaCaja = 55;
    // Typing steps per frame in fast mode (one otherwise).
    static constexpr int kPasosRapido = 10;
    // Every line typed and every wait held in fast mode, as if the player
    // had clicked at each line's start: for whoever plays many scenes in a
    // row without reading them (the whole story's tests).
    static inline bool s_bSiempreRapido = false;

    CJapSecuenciador();
    CJapSecuenciador(const CJapSecuenciador&) = delete;
    CJapSecuenciador& operator=(const CJapSecuenciador&) = delete;

    // ---- Virtual operations, in their fixed order ----
    virtual ~CJapSecuenciador();
    virtual bool TrataBotonRaton(int iRaton, int iEvento, float x, float y);
    virtual bool TrataTecla(int iTecla);
    virtual bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion);
    virtual bool TrataCaracter(char c);
    virtual bool TrataEjeMando(CMando* pMando, int iEje, int iValor);
    virtual bool TrataBotonMando(CMando* pMando, int iBoton);
    virtual void Actualiza();
    // Shown sequences, the box and the text into a render-target sprite, or
    // the screen (null).
    virtual void Dibuja(Sprite* pDestino);
    virtual void CargaRecursos();
    virtual void DescargaRecursos();
    // Back to the first line: every sequence rewound, typing from the start.
    virtual void Reinicia();
    // The result once finished; -1 while playing; 0 for a sequencer that
    // holds no script (its opener must not wait for it).
    virtual int GetResultado();
    // Runs an inline command; true when the name is not a command (its text
    // is then typed as written).
    virtual bool EjecutaComando(const std::string& sNombre, const Parametros& p);
    // One script record, by name.
    virtual void LeeRegistro(const char* szNombre, FitxerComandes* f);
    // Walks the script to the next line: -1 when a line starts, else the
    // script's result.
    virtual int SiguienteLinea();
    virtual void EscribeSiguienteCaracter();
    // Reads the command at the typing position ('<') and runs it; true when
    // it was not a command.
    virtual bool LeeComandoEnLinea();
    virtual void LeeJapTxtSecuencia(FitxerComandes* f);
    virtual void LeeJapTxtLine(FitxerComandes* f);
    virtual void LeeEtiqueta(FitxerComandes* f);
    virtual void LeeGotoEtiqueta(FitxerComandes* f);
    virtual void LeeFin(FitxerComandes* f);

    // ---- Loading ----
    // Loads a script with the box and text of the configuration; the text is
    // drawn with font iFont. False (everything released) without a script
    // name or configuration, or when the script, the box picture or the text
    // sprite cannot be made.
    bool Carga(const char* szGuion, const ConfigSecuenciador* pConfig, int iFont);
    void Libera();
    bool EstaCargado() const { return m_bCargado; }

    // ---- Reading (hosts, tools, tests) ----
    int Estado() const { return m_iEstado; }
    bool ModoRapido() const { return m_bRapido; }
    const std::string& Linea() const { return m_sLinea; }
    const std::string& TextoEscrito() const { return m_sEscrito; }
    int RegistroActual() const { return m_iRegistroActual; }
    int Posicion() const { return m_iPosicion; }
    float Scroll() const { return m_fScroll; }
    float ScrollObjetivo() const { return m_fScrollObjetivo; }
    int AlfaCaja() const { return m_iAlfaCaja; }
    int FramesEspera() const { return m_iFramesEspera; }
    bool RecursosCargados() const { return m_bRecursosCargados; }
    const std::vector<RegistroGuion>& Guion() const { return m_aGuion; }
    const std::vector<std::unique_ptr<RegistroJapTxtSecuencia>>& Secuencias() const { return m_aSecuencias; }
    const std::vector<RegistroJapTxtSecuencia*>& Mostradas() const { return m_aMostradas; }
    // The record of a sequence id (the first of that id), null for none.
    RegistroJapTxtSecuencia* BuscaSecuencia(int iId) const;
    Sprite* SpriteTexto() const { return m_pSpriteTexto; }
    Sprite* SpriteCaja() const { return m_pSpriteCaja; }
    const ConfigSecuenciador& Config() const { return m_Config; }

    // Splits the content of an inline command (between the brackets) into
    // its name and parameters: blanks dropped, the name up to the first '=',
    // parameters separated by commas (at most ten are kept).
    static void PartirComando(const std::string& sContenido, std::string& sNombre, Parametros& p);

protected:
    // Typing goes on when the sequencer waits for the player.
    void Continua();
    void InicializaCampos();
    // Hides a shown record (rewound; its resources let go when loaded).
    void QuitaDeMostradas(RegistroJapTxtSecuencia* r);
    void RecalculaScroll();

    bool m_bCargado = false;
    int m_iEstado = SECUENCIADOR_ESCRIBIENDO;
    ConfigSecuenciador m_Config;
    std::vector<std::unique_ptr<RegistroJapTxtSecuencia>> m_aSecuencias; // file order
    std::vector<RegistroJapTxtSecuencia*> m_aMostradas;                  // ordered by height when drawn
    std::vector<RegistroGuion> m_aGuion;                                 // file order
    Sprite* m_pSpriteCaja = nullptr;
    Sprite* m_pSpriteTexto = nullptr;
    std::unique_ptr<CSPM> m_pPaquete;
    RegistroJapTxtSecuencia* m_pEsperada = nullptr; // state 3
    int m_iRegistroActual = -1;
    int m_iPosicion = 0;
    std::string m_sLinea;
    bool m_bEsperaLinea = false;
    int m_iNumEscritos = 0;
    std::string m_sEscrito;
    float m_fScroll = 0.0f;
    float m_fScrollObjetivo = 0.0f;
    int m_iFramesEspera = 0;
    bool m_bRecargar = false;
    bool m_bLineaTerminada = false;
    int m_iResultado = -1;
    bool m_bRecursosCargados = false;
    int m_iFont = -1;
    int m_iAlfaCaja = 0;
    bool m_bRapido = false;
    bool m_bTextoCambiado = true;
};
