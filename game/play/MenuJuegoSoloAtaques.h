// The attacks play screen: the board plays as in the diamond phase while
// waves of curses cross it. The player keeps the energy up by staying near
// the centre and away from the curses, and collects the coins that wander
// on four paths for points, with a multiplier that grows while coins come
// close together. `Jugar` survives the fifty stored waves of the level's
// wave file; `JugarSinFin` goes on with generated waves until the energy
// runs out.
//
// A wave editor for the stored waves sits behind the developer switch
// MG_EDITOR_OLEADAS=1. Without it none of its keys or pointer handling acts.
// With it, W opens and closes the editor (and stops the waves), and the
// other keys act only while it is open; Ctrl+S saves the waves to a copy in
// the per-user folder (never over the shipped file), and Ctrl+L and the
// level start read that copy first.
#pragma once
#include "engine/core/Lista.h"
#include "engine/graphics/SPM.h"
#include "game/play/FicheroOleadas.h"
#include "game/play/HudModo.h"
#include "game/play/MenuJuego.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CCaminoMoneda;
class CGeneradorOleadas;
class CHerramientaMonedas;

class CMenuJuegoSoloAtaques : public CMenuJuego {
public:
    enum { NIVEL_JUGAR = 12, NIVEL_SIN_FIN = 13 };
    enum EstadoOleadas { OLEADAS_PARADAS = -1, OLEADAS_CUENTA_ATRAS = 0, OLEADAS_EN_CURSO = 1, OLEADAS_TERMINADAS = 4 };
    enum EstadoEditor { EDITOR_CERRADO = 0, EDITOR_ABIERTO = 1, EDITOR_MOVIENDO = 2, EDITOR_GIRANDO = 3 };
    static constexpr int kEnergiaMaxima = 5000;
    static constexpr int kEnergiaInicial = 2500;
    static constexpr int kNumCaminos = 4;
    static constexpr int kNumGeneradas = 20;
    static constexpr int kPasosCuentaAtras = 120;
    static constexpr int kPasosCombo = 60;
    static constexpr float kRadioChispasInicial = 439.0f;
    // The editor's keys (engine key codes).
    enum TeclaEditor {
        TECLA_Q = 16, TECLA_W = 17, TECLA_E = 18, TECLA_S = 31, TECLA_L = 38, TECLA_INTRO = 28,
        TECLA_CTRL_IZQUIERDO = 29, TECLA_CTRL_DERECHO = 157, TECLA_MAS_NUMERICO = 78, TECLA_MENOS_NUMERICO = 74,
        TECLA_SUPRIMIR = 211, TECLA_REPAG = 201, TECLA_AVPAG = 209,
    };

    CMenuJuegoSoloAtaques();
    ~CMenuJuegoSoloAtaques() override;

    // ---- CMenuObj ----
    void Actualiza() override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override;
    bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    // ---- CMenuJuego ----
    bool IniciaNivel(const RegistroNivel& nivel, bool bUltimaDeCapitulo, bool bMensajeVictoria) override
    {
        return IniciaNivelModo(nivel, bUltimaDeCapitulo, bMensajeVictoria);
    }
    void LiberaNivel() override { LiberaNivelModo(); }
    void DibujaSobreEfectos(Sprite* pDestino) override;
    void DibujaHudModo(Sprite* pDestino) override;
    void DibujaMarcadores(Sprite* pDestino) override;
    void PreparaResumenInicial() override;
    void PreparaResumenFinal() override;
    bool TieneLimiteDeTiempo() override { return false; }

    // ---- Its own ----
    void IniciaOleada(int w);
    void CuentaAtras();
    void ActualizaOleada();
    void PasoOleadas();
    void RecogeMonedas();
    void LanzaChispas();
    // The editor's save and load; false when the file could not be written
    // or read.
    bool GuardaOleadas();
    bool CargaOleadas();
    void TeclasEditor();
    void ActualizaTextosHud();
    void LiberaModo() override;

    // ---- Decisions ----
    // Energy after one step: far from the centre (squared distance above
    // 375 points squared) -10, else while chased -3, else +1 while above 0;
    // always within 0..5000.
    static int PasoEnergia(int iEnergia, float px, float py, bool bPersecucion);
    // Points of a coin of the kind at a multiplier: 10x, 5x and 1x for kinds
    // 0, 1 and 2, none for others.
    static int PuntosMoneda(int iTipo, int iMultiplicador);
    // The coin kind the schedule drops at a combo glow.
    static int TipoMonedaPorBrillo(float fBrillo);
    // Whether the wave clock drops coins now.
    static bool TocaMoneda(int iReloj, int iDuracion);
    // The coin paths that drop coins at a difficulty (1..4).
    static int CaminosActivos(int iDificultad);
    // Whether the developer switch is on (MG_EDITOR_OLEADAS=1).
    static bool EditorPermitido();

    // ---- What tests read ----
    int Energia() const { return m_iEnergia; }
    void PonEnergia(int i) { m_iEnergia = i; }
    int EstadoOleadas() const { return m_iEstadoOleadas; }
    int NumeroOleada() const { return m_iNumeroOleada; }
    void PonNumeroOleada(int n) { m_iNumeroOleada = n; }
    int RelojOleada() const { return m_iRelojOleada; }
    int DuracionOleadaActual() const { return m_iDuracion; }
    int Multiplicador() const { return m_iMultiplicador; }
    int MultiplicadorMaximo() const { return m_iMultiplicadorMaximo; }
    int PuntuacionModo() const { return m_iPuntuacionModo; }
    int Reloj() const { return m_iReloj; }
    int AtaquesLanzados() const { return m_iAtaquesLanzados; }
    int MaldicionesTocadas() const { return m_iTocadas; }
    int MonedasCogidas() const { return m_iMonedas; }
    float BrilloCombo() const { return m_fBrilloCombo; }
    int EstadoEditor() const { return m_iEstadoEditor; }
    int TipoEditor() const { return m_iTipoEditor; }
    int DesfaseEditor() const { return m_iDesfaseEditor; }
    int OleadaEditada() const { return m_iOleadaEditada; }
    const OleadasGuardadas& Guardadas() const { return m_Guardadas; }
    OleadasGuardadas& Guardadas() { return m_Guardadas; }
    const Oleada* OleadaActual() const { return m_pOleadaActual; }
    CHerramientaMonedas* Monedas() const { return m_pMonedas; }
    const CCaminoMoneda* Camino(int i) const { return m_apCaminos[static_cast<size_t>(i)].get(); }
    const CHudModo& Hud() const { return m_Hud; }
    const RegistroNivel& NivelModo() const { return m_NivelModo; }
    // The file the waves are read from now (the shipped one, or the
    // per-user copy with the switch on).
    std::string RutaLectura() const;

private:
    void InicializaModo(const RegistroNivel& nivel) override;
    bool CreaModo() override;
    float PunteroX() const;
    float PunteroY() const;
    AtaqueOleada* Seleccionado();

    RegistroNivel m_NivelModo;
    bool m_bModoCreado = false;
    bool m_bEditorPermitido = false;

    // Waves.
    int m_iEstadoOleadas = OLEADAS_PARADAS;
    int m_iCuentaAtras = 0;
    int m_iNumeroOleada = 0;
    int m_iRelojOleada = 0;
    int m_iDuracion = DURACION_MINIMA_OLEADA;
    OleadasGuardadas m_Guardadas;
    std::array<Oleada, kNumGeneradas> m_aGeneradas;
    int m_iIndiceGenerada = 0;
    const Oleada* m_pOleadaActual = nullptr;

    // Energy, score and counts.
    int m_iEnergia = kEnergiaInicial;
    int m_iPuntuacionModo = 0;
    int m_iMultiplicador = 1;
    int m_iTemporizadorCombo = 0;
    int m_iMultiplicadorMaximo = 1;
    int64_t m_llSumaMultiplicador = 0;
    int m_iReloj = 0;
    int m_iAtaquesLanzados = 0;
    int m_iTocadas = 0;
    int m_iMonedas = 0;
    float m_fBrilloCombo = 0.0f;

    // Tools.
    CHerramientaMonedas* m_pMonedas = nullptr;
    std::array<std::unique_ptr<CCaminoMoneda>, kNumCaminos> m_apCaminos;
    CGeneradorOleadas* m_pGenerador = nullptr;
    float m_fAnguloChispas = 0.0f;
    float m_fRadioChispas = kRadioChispasInicial;

    // The editor.
    int m_iEstadoEditor = EDITOR_CERRADO;
    int m_iTipoEditor = 1;
    int m_iDesfaseEditor = 0;
    float m_fAnguloEditor = 0.0f;
    int m_iOleadaEditada = 0;
    int m_iSeleccionado = -1;   // index into the edited wave, -1 for none
    float m_fArrastreX = 0.0f, m_fArrastreY = 0.0f;
    float m_fRatonX = 512.0f, m_fRatonY = 384.0f;
    CSPM m_SPMMarcadores;

    // The HUD and the texts last shown.
    CHudModo m_Hud;
    int m_iUltimaPuntuacion = -1;
    int m_iUltimoMultiplicador = -1;
};
