// The concentration play screen: only diamond boards, one after another.
// Each time the score of the board reaches its target a new level starts
// with a board drawn from one of three pools (early, middle, late), a
// higher target, some time given back and another number of colours; the
// mode keeps its own total score for the profile's tables and rankings.
// The level with an end wins at its last level; the endless one runs until
// the time runs out.
#pragma once
#include "game/play/HudModo.h"
#include "game/play/MenuJuego.h"

#include <algorithm>
#include <array>
#include <vector>

class CMenuJuegoSoloConcentrar : public CMenuJuego {
public:
    enum { NIVEL_JUGAR_A10 = 14, NIVEL_SIN_FIN = 15 };
    static constexpr int kNumPools = 3;
    static constexpr int kNivelMitad = 7, kNivelFinal = 14;
    static constexpr int kMaximoLineaInicial = 6;
    static constexpr int kMaximoLineaTope = 12;
    static constexpr int kColoresTope = 7;

    CMenuJuegoSoloConcentrar() = default;
    ~CMenuJuegoSoloConcentrar() override;

    bool IniciaNivel(const RegistroNivel& nivel, bool bUltimaDeCapitulo, bool bMensajeVictoria) override
    {
        return IniciaNivelModo(nivel, bUltimaDeCapitulo, bMensajeVictoria);
    }
    void LiberaNivel() override { LiberaNivelModo(); }
    void Actualiza() override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void DibujaHudModo(Sprite* pDestino) override;
    void AlcanzaLineaMaxima(int iMaximo) override;
    void PuntuaLinea(int iCruces) override;
    bool ConcentraEnergia() override;
    bool CompletaSello() override;
    void PreparaResumenInicial() override;
    void PreparaResumenFinal() override;

    void SiguienteFigura(bool bInicio);
    void LiberaModo() override;

    // ---- Decisions ----
    // The colours of the next level from the present count and its two
    // bounds (all three updated).
    static void SiguientesColores(int& iColores, int& iBajo, int& iAlto);
    // The pool a level draws from: early before level 7, late from 14.
    static int PoolDeNivel(int iNivel);
    // The pool actually drawn from: the level's own, or the nearest earlier
    // one that holds a board (-1 when none does).
    static int PoolConFiguras(int iPool, const std::array<int, kNumPools>& aiCuantas);
    // The target increment and the extra time of level L: the level file's
    // arrays, and past their end the values it gives for every further
    // level.
    static int IncrementoObjetivo(const RegistroNivel& n, int iNivel);
    static int TiempoExtra(const RegistroNivel& n, int iNivel);
    // The next pieces-per-line maximum after a line reached the maximum.
    static int MaximoTrasLineaMaxima(int iMaximo) { return iMaximo < kMaximoLineaTope ? iMaximo + 1 : iMaximo; }

    // ---- What tests read ----
    int ContadorNivel() const { return m_iNivel; }
    int PuntuacionModo() const { return m_iPuntuacionModo; }
    int ObjetivoAcumulado() const { return m_iObjetivoAcumulado; }
    int Colores() const { return m_iColores; }
    int Reloj() const { return m_iReloj; }
    // The steps left before the run times out (never below 0).
    int TiempoRestante() const { return std::max(0, m_Nivel.TIEMPOLIMITE - m_iTiempoUsado); }
    int PoolUsado() const { return m_iPoolUsado; }
    const std::vector<int>& GeneradoresActivados() const { return m_aiGeneradores; }
    const CHudModo& Hud() const { return m_Hud; }
    const RegistroNivel& NivelModo() const { return m_NivelModo; }

private:
    void InicializaModo(const RegistroNivel& nivel) override;
    bool CreaModo() override;
    int Multiplicador() const { return m_iNivel + m_iMaximoLinea; }
    int TablaPuntuacion() const;
    void ActivaGenerador(int i);
    void ActualizaHud();

    RegistroNivel m_NivelModo;
    std::array<std::array<CLista, FIGURAS_POR_POOL_CONCENTRAR>, kNumPools> m_aPools;
    std::array<std::array<TransformacionFigura, FIGURAS_POR_POOL_CONCENTRAR>, kNumPools> m_aTransformaciones;
    std::array<std::vector<int>, kNumPools> m_aNombradas;   // the loaded entries of each pool
    int m_iPuntuacionModo = 0;
    int m_iUltimaPuntuacion = -1;
    int m_iUltimoMultiplicador = -1;
    int m_iReloj = 0;
    int m_iTiempoTotal = 0;
    int m_iNivel = 0;
    int m_iObjetivoAcumulado = 0;
    int m_iColores = 3, m_iBajo = 2, m_iAlto = 5;
    int m_iPoolUsado = -1;
    std::vector<int> m_aiGeneradores;
    CHudModo m_Hud;
};
