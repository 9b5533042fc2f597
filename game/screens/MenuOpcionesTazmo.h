// The options screen: music and sound volumes (an icon that steps each
// volume by a tenth and a slider for each), the high-contrast look of the
// pieces with a turning ring of the eight piece colours, the full-screen
// and window choices, and back. The main menu opens it as a screen: back
// then writes the game's store (MultiPrefs.PRF) and returns to the screen
// that opened it. The pause menu attaches it as its child: back then only
// closes it. Every change reaches the store in memory at once.
//
// The language button opens the language screen over this one. A build
// that offers no language choice leaves it out (g_bSinBotonIdioma), and the
// layout then sits 96 points lower; the game offers its three languages.
#pragma once
#include "game/screens/BaseMenu.h"

class CArrastrableTazmo;
class CBotonIconoTazmo;
class CBotonTazmo;
class CSPM;

class CMenuOpcionesTazmo : public CBaseMenu {
public:
    enum {
        ID_MUSICA = 0,
        ID_SONIDO = 1,
        ID_DALTONISMO = 2,
        ID_PANTALLA_COMPLETA = 3,
        ID_VENTANA = 4,
        ID_DESLIZADOR_MUSICA = 5,
        ID_DESLIZADOR_SONIDO = 6,
        ID_IDIOMA = 7,
        ID_VOLVER = 8,
    };
    static constexpr const char* kClavePantallaCompleta = "FULLSCREEN";
    // The sliders' knobs move along x between these two points.
    static constexpr float kDeslizadorXMin = 220.0f, kDeslizadorXMax = 420.0f;
    // How much lower the layout sits without the language button.
    static constexpr float kDesplazamientoSinIdioma = 96.0f;
    static constexpr int kNumColores = 8;

    CMenuOpcionesTazmo() = default;
    ~CMenuOpcionesTazmo() override;

    void Actualiza() override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void IniciaTransicion(bool bEntrada) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void DibujaContenido(Sprite* pDestino) override;

    bool Crea();
    void Libera();
    bool EstaCreado() const { return m_bCreado; }

    // ---- The screen's decisions ----
    // A volume icon's press: full volume goes to silence, anything else a
    // tenth up, never above full.
    static float SiguienteVolumen(float v);
    // A knob's x for a volume, and the volume of a knob's x (both clamped).
    static float XDeVolumen(float v);
    static float VolumenDeX(float x);
    // The ring's sprite for colour i: the high-contrast set is 10 further.
    static int SpriteColor(int i, bool bAltoContraste) { return bAltoContraste ? i + 10 : i; }
    // Where the ring puts colour i at step n and opening progress p.
    static void PosicionColor(int i, int n, float p, float* px, float* py);
    // Whether a display icon asks for anything: the full-screen icon only in
    // a window, the window icon only in full screen.
    static bool PidePantalla(int iId, bool bVentana);
    // FULLSCREEN after a display icon's request: the mode asked for.
    static int ValorPantallaCompleta(int iId) { return iId == ID_PANTALLA_COMPLETA ? 1 : 0; }

    // The game's store and the sound system: what the screen shows and
    // changes.
    static bool AltoContraste();

    bool m_bCreado = false;
    CBotonIconoTazmo* m_pBotonMusica = nullptr;
    CBotonIconoTazmo* m_pBotonSonido = nullptr;
    CBotonIconoTazmo* m_pBotonDaltonismo = nullptr;
    CBotonIconoTazmo* m_pBotonPantallaCompleta = nullptr;
    CBotonIconoTazmo* m_pBotonVentana = nullptr;
    CBotonIconoTazmo* m_pBotonIdioma = nullptr;
    CArrastrableTazmo* m_pDeslizadorMusica = nullptr;
    CArrastrableTazmo* m_pDeslizadorSonido = nullptr;
    CBotonTazmo* m_pBotonVolver = nullptr;
    CSPM* m_pSPMVolumen = nullptr;
    CSPM* m_pSPMDiamantes = nullptr;
    CSPM* m_pSPMIdioma = nullptr;
    // The screen back goes to; set by the opener right before opening.
    CMenuObj* m_pMenuRetorno = nullptr;
    int m_iSonidoPulsar = -1;
    int m_iPasos = 0;
    // Opened by the pause menu as its child: back only closes it.
    bool m_bDesdeJuego = false;
    float m_fDesplazamiento = 0.0f;

private:
    void InicializaCampos();
    void LiberaPropios();
    bool Construye();
    // A y of the layout (given for the build without the language button).
    float Y(float y) const { return y - kDesplazamientoSinIdioma + m_fDesplazamiento; }
    void ColocaDeslizadores();
    void PulsaVolumen(bool bMusica);
    void CambiaAltoContraste();
    void CambiaPantalla(int iId);
    void AbreIdiomas();
    void Vuelve();
    void Arrastra(int iId, const char* szTexto);
    void GuardaVolumenes();
};
