// The chapter replays of the chest: twelve chapter icons along a path of
// light, each named after its chapter's marker (a chapter not yet finished
// is locked). A chapter plays the closing scenes of its stages one after
// the other, as the level table names them, over a dark veil; while a scene
// plays, input goes to it first and the screen's own buttons are ignored.
// After the last scene the menus' music comes back. Back returns to the
// chest.
#pragma once
#include "game/screens/BaseMenu.h"

#include <string>

class CBotonIconoTazmo;
class CBotonTazmo;
class CJapSecTazmo;
class CSPM;

class CMenuCapitulos : public CBaseMenu {
public:
    static constexpr int kNumCapitulos = 12;
    enum { ID_VOLVER = 12 };
    enum { ESTADO_INICIO = 0, ESTADO_ESPERA = 1, ESTADO_ESCENAS = 2 };
    // The level table's difficulty whose scenes are replayed.
    static constexpr int kDificultadEscenas = 1;

    CMenuCapitulos() = default;
    ~CMenuCapitulos() override;

    void Actualiza() override;
    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override;
    bool TrataTecla(int iTecla) override;
    bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion) override;
    bool TrataCaracter(char c) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void DibujaContenido(Sprite* pDestino) override;
    void DibujaEncima(Sprite* pDestino) override;

    bool Crea();
    void Libera();

    // ---- The screen's decisions ----
    // How many scenes chapter c replays (its stages), 0 outside 0..11.
    static int NumEscenas(int c);
    // The closing scene of chapter c's stage p in the level table ("" for
    // none).
    static std::string Escena(int c, int p);
    static std::string Marcador(int c);

    int Estado() const { return m_iEstado; }
    int CapituloElegido() const { return m_iCapitulo; }
    int NumeroEscena() const { return m_iEscena; }
    // Scenes started since the screen was built (tests).
    int EscenasEmpezadas() const { return m_nEmpezadas; }
    bool Reproduciendo() const;

    CBotonIconoTazmo* m_apCapitulos[kNumCapitulos] = {};
    CBotonTazmo* m_pBotonVolver = nullptr;
    CSPM* m_pSPMFondo = nullptr;
    CSPM* m_pSPMCamino = nullptr;
    CJapSecTazmo* m_pJapSecTazmo = nullptr;

private:
    void LiberaPropios();
    bool Construye();
    // Loads scene m_iEscena of the chosen chapter; false when it is past
    // the chapter's last.
    bool CargaEscena();
    void Termina();

    int m_iEstado = ESTADO_INICIO;
    int m_iCapitulo = -1;
    int m_iEscena = 0;
    int m_nEmpezadas = 0;
    float m_fFaseCamino = 0.0f;
};
