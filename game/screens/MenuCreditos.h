// The credits: ten blocks of text that scroll up over the menus' background
// while eleven pictures of the story fade in and out behind them, two at a
// time at most, to epic music. Every opening unlocks a set of gallery
// pictures and seals, the credits' own button, the hardest difficulty and a
// trophy; watching them to the end unlocks a second trophy, and they start
// again. Opened from the main menu as a screen, a left click returns there
// (the bottom bar says so); attached by the story map at the story's end, a
// left click closes them. The text shows only between
// the top and bottom bars.
#pragma once
#include "game/screens/BaseMenu.h"

class CSPM;
class Sprite;

class CMenuCreditos : public CBaseMenu {
public:
    // How the screen was opened: as the story map's child, or from the menu.
    enum { MODO_HIJO = 0, MODO_DESDE_MENU = 1 };
    static constexpr int kNumBloques = 10;
    static constexpr int kNumIlustraciones = 11;
    static constexpr int kNumHuecos = 2;
    static constexpr int kNumMarcadores = 10;
    static constexpr float kInicioScroll = 1024.0f;
    static constexpr float kEscalaTexto = 0.7f;
    static constexpr float kLadoBloque = 512.0f;
    static constexpr int kPasosFundido = 30;
    // The pictures in the order they come, and the markers every opening
    // unlocks, in order; the trophy of a whole pass.
    static const char* const kIlustraciones[kNumIlustraciones];
    static const char* const kMarcadores[kNumMarcadores];
    static constexpr const char* kTrofeoFinal = "MTrofeo_37";

    CMenuCreditos() = default;
    ~CMenuCreditos() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void IniciaTransicion(bool bEntrada) override;
    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override;

    bool Crea();
    void Libera();
    bool EstaCreado() const { return m_bCreado; }

    // ---- The schedule ----
    // How far the text has gone: 0 at the start, 1 when the last block has
    // left the top.
    static float Progreso(float fScrollY, float fAltoTotal)
    {
        return (kInicioScroll - fScrollY) / (fAltoTotal + kInicioScroll);
    }
    // Picture i comes in when the progress crosses its entry and starts to
    // go when it crosses its exit; it goes to slot i mod 2.
    static float EntradaIlustracion(int i) { return 0.1f + static_cast<float>(i) * 0.07272727f; }
    static float SalidaIlustracion(int i) { return 0.17272727f + static_cast<float>(i) * 0.07272727f; }
    static bool Cruza(float fAnterior, float fUmbral, float fActual) { return fAnterior <= fUmbral && fUmbral < fActual; }

    // The pictures held now (0..2).
    int IlustracionesCargadas() const;

    bool m_bCreado = false;
    float m_fScrollY = kInicioScroll;
    float m_fProgreso = 0.0f;
    float m_fProgresoAnterior = 0.0f;
    float m_afAltos[kNumBloques] = {};
    float m_fAltoTotal = 0.0f;
    Sprite* m_apTextos[kNumBloques] = {};
    // The way out told in the bottom bar: a click leaves.
    Sprite* m_pTextoSalida = nullptr;
    int m_iPasos = 0;
    CSPM* m_apIlustraciones[kNumHuecos] = {};
    float m_afVelocidad[kNumHuecos] = {};
    float m_afAlfa[kNumHuecos] = {};
    // The picture each slot holds, -1 for none.
    int m_aiIlustracion[kNumHuecos] = {-1, -1};
    int m_iModo = MODO_DESDE_MENU;
    // -1 while the credits run as the story map's child; 0 once a left
    // click has left them (the story map reads it).
    int m_iCodigoFin = 0;

private:
    void InicializaCampos();
    void LiberaPropios();
    void MideBloques();
    void SueltaHueco(int iHueco);
    void CargaIlustracion(int i);
    void Desbloquea(const char* szMarcador);
    void Sale();
    void DibujaRecortado(Sprite* pDestino, Sprite* s, float x, float y);
};
