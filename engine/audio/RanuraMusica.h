// A music slot: up to ten Ogg pieces played one after another, in order or
// shuffled, with a volume, a weight against other music and a fader.
#pragma once
#include "engine/core/Temporizador.h"

#include <cstdint>

class CFlujoOgg;
struct FitxerComandes;

class CRanuraMusica {
public:
    enum { MAX_PIEZAS = 10, LONG_NOMBRE = 128, LONG_PIEZA = 256 };
    // Below this fader level an instance counts as silent.
    static constexpr float kNivelSilencio = 0.0001f;
    static constexpr int kPasosFundido = 30;

    CRanuraMusica() = default;
    ~CRanuraMusica();
    CRanuraMusica(const CRanuraMusica&) = delete;
    CRanuraMusica& operator=(const CRanuraMusica&) = delete;

    // Definition.
    void PonNombre(const char* nombre);
    bool AgregaPieza(const char* fichero);
    bool Lee(FitxerComandes* fichero);
    void CopiaDe(const CRanuraMusica& definicion);

    // Playing.
    void Toca(int repeticiones);
    void Para();
    void FadeIn(int pasos);
    void FadeOut(int pasos);
    float GetNivelFade();
    float GetPeso() const { return m_fPeso; }
    bool EstaSonando() const { return m_bSonando != 0; }
    bool EstaApagandose();
    void Actualiza(float pesoMaximo);
    void Libera();
    void FijaVolumenGeneral(float factor) { m_fFactorGeneral = factor; }

    char m_szNombre[LONG_NOMBRE] = {};
    char m_szPiezas[MAX_PIEZAS][LONG_PIEZA] = {};
    int m_iNumPiezas = 0;
    int m_iModo = 0;
    float m_fVolumen = 1.0f;
    float m_fPeso = 1.0f;

    // Playing state.
    CTemporizador* m_pFader = nullptr;
    CFlujoOgg* m_pFlujo = nullptr;
    uint8_t m_bSonando = 0;
    uint8_t m_bTocada[MAX_PIEZAS] = {};
    int m_iSiguiente = 0;
    float m_fFactorGeneral = 1.0f;
    float m_fUltimoPeso = 1.0f;
    int m_iRepeticiones = -1;
    int m_iPieza = -1; // the piece playing, for tests and the channel

private:
    void SiguientePieza();
    void CreaFader();
};
