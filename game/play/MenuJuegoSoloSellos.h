// The seals-only play screen: no diamonds and no time limit. The player
// traces a list of seals one after another (and the multi seals after
// them, colour by colour) as fast as possible; the time goes to the
// profile's times tables and the rankings. The levels are nine fixed lists,
// the multi seals, and a random draw of four seals and one multi seal.
#pragma once
#include "game/play/HudModo.h"
#include "game/play/MenuJuego.h"

#include <array>

// One row of the random level's pool: a seal's figure file (below the
// figures' folder) and the picture the circle shows for it.
struct FilaSelloAzar {
    const char* szFigura;
    const char* szImagen;
};
struct FilaMultiSelloAzar {
    const char* szFigura;
    std::array<const char*, IMAGENES_POR_MULTIFIGURA> aszImagenes;  // "" for none
};
constexpr int NUM_SELLOS_AZAR = 37;
constexpr int NUM_MULTISELLOS_AZAR = 4;
extern const std::array<FilaSelloAzar, NUM_SELLOS_AZAR> TablaSellosAzar;
extern const std::array<FilaMultiSelloAzar, NUM_MULTISELLOS_AZAR> TablaMultiSellosAzar;

class CMenuJuegoSoloSellos : public CMenuJuego {
public:
    // The kinds of seals-only level (the record's extra-mode level).
    enum { NIVEL_MULTISELLOS = 10, NIVEL_AZAR = 11 };
    static constexpr int kFigurasAzar = 4;

    CMenuJuegoSoloSellos() = default;
    ~CMenuJuegoSoloSellos() override;

    bool IniciaNivel(const RegistroNivel& nivel, bool bUltimaDeCapitulo, bool bMensajeVictoria) override
    {
        return IniciaNivelModo(nivel, bUltimaDeCapitulo, bMensajeVictoria);
    }
    void LiberaNivel() override { LiberaNivelModo(); }
    void Actualiza() override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void DibujaHudModo(Sprite* pDestino) override;
    bool EmpiezaEnTrazado() override { return true; }
    void CuentaTrazo() override { ++m_iTrazos; }
    bool ConcentraEnergia() override;
    bool CompletaSello() override;
    bool CompletaRushDeSellos() override;
    void PreparaResumenInicial() override;
    void PreparaResumenFinal() override;
    bool TieneLimiteDeTiempo() override { return false; }

    bool SiguienteFigura(bool bInicio);
    bool SiguienteFiguraMulti(bool bInicio);
    void LiberaModo() override;

    // ---- Decisions ----
    // The random level's draw into a record: four seals of the pool (a
    // seal may come twice) and one multi seal, with their pictures.
    static void SorteaAzar(RegistroNivel& nivel);
    // The profile's times table of a level kind (0..8, 9 for the multi
    // seals, 10 for the random level; -1 for none).
    static int TablaTiempos(int iNivel);
    // Strokes per second of a game: strokes over its whole seconds, 0 under
    // one second.
    static float TrazosPorSegundo(int iTrazos, int iPasos);
    // The counter "done/count".
    static std::string Contador(int iHechas, int iTotal);

    // ---- What tests read ----
    int Tiempo() const { return m_iTiempo; }
    int Trazos() const { return m_iTrazos; }
    int FigurasHechas() const { return m_iHechas; }
    int NumFiguras() const { return m_iNumFiguras + m_iNumMulti; }
    const RegistroNivel& NivelModo() const { return m_NivelModo; }
    const CHudModo& Hud() const { return m_Hud; }

private:
    void InicializaModo(const RegistroNivel& nivel) override;
    bool CreaModo() override;
    std::vector<CLista*> Listas();
    bool Prepara();
    void RankingYPropio(int* piMejorPropio, int* piCuartoPropio, int* piMejorRanking, int* piCuartoRanking) const;

    RegistroNivel m_NivelModo;
    std::array<CLista, MAX_FIGURAS_SOLO_SELLOS> m_aListas;
    std::array<TransformacionFigura, MAX_FIGURAS_SOLO_SELLOS> m_aTransformaciones;
    std::array<CLista, MAX_MULTIFIGURAS_SOLO_SELLOS> m_aMultiListas;
    std::array<TransformacionFigura, MAX_MULTIFIGURAS_SOLO_SELLOS> m_aMultiTransformaciones;
    int m_iNumFiguras = 0;
    int m_iNumMulti = 0;
    int m_iTiempo = 0;
    int m_iSiguiente = 0;
    int m_iSiguienteMulti = 0;
    int m_iTrazos = 0;
    int m_iHechas = 0;
    // The clock has started: once the opening banner has left the board,
    // or at the first stroke if the player does not wait for it.
    bool m_bRelojEnMarcha = false;
    CHudModo m_Hud;
    bool m_bModoCreado = false;
};
