// The attacks tool: launches the level's curses on the schedule of its
// three ATAQUEENEMIGO slots (each a kind, a wait, a duration and an
// interval), moves them, tests them against the pointer and tells the play
// screen of every touch (EVENTO_MALDICION_TOCADA, the curse in the text
// argument). It draws the gauge that announces and times the attack, the
// black rose that kind 9 flies from, and, for the attacks mode, its energy
// gauge; that mode also launches curses at given points.
#pragma once
#include "engine/core/Lista.h"
#include "engine/graphics/SPM.h"
#include "game/play/RegistroNivel.h"

#include <array>
#include <cstdint>

class CMaldicion;
class CMenuJuego;
class Sprite;

class CHerramientaAtaques {
public:
    static constexpr float kFactorMinimo = 0.6f;
    static constexpr int kDesplazamientoEscudo = 25;   // the shield's centre from the pointer, both axes

    CHerramientaAtaques() = default;
    virtual ~CHerramientaAtaques();
    CHerramientaAtaques(const CHerramientaAtaques&) = delete;
    CHerramientaAtaques& operator=(const CHerramientaAtaques&) = delete;

    // The play screen (which hears the touches) and the level whose slots
    // it plays; both may be null for the attacks mode's own use.
    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    // One step, with the pointer and whether curses may be launched (only
    // in the diamond phase).
    void Actualiza(float px, float py, bool bPuedeLanzar);
    // fFundido: the chase scene's fade (0..1), which fades the gauge.
    void Dibuja(Sprite* pDestino, float fFundido = 0.0f);

    // One curse of the kind (x, y and the angle are kind 9's); null when it
    // could not start.
    CMaldicion* LanzaMaldicion(int iTipo, bool bModoAtaques, float x, float y, float fAngulo);
    // The same, then placed at (x, y) with that heading whatever its kind.
    CMaldicion* LanzaMaldicionEn(int iTipo, bool bModoAtaques, float x, float y, float fAngulo);
    // Every curse ends at once / fades away.
    void EliminaTodas();
    void DesvaneceTodas();
    // Ends the current attack: the next slot with a curse waits its turn.
    void SiguienteAtaque();
    // Loads the gauge of a kind (1..11) into a slot (0..2); false otherwise.
    bool CargaIndicador(int iRanura, int iTipo);
    // The attacks mode's energy gauge, fFraccion of it full.
    void DibujaIndicadorEnergia(Sprite* pDestino, float fFraccion, float fFundido);

    // ---- Rules, worked out without a level ----
    // A slot's kind as the scheduler reads it: kinds outside 1..11 are 0.
    static int TipoValido(int iTipo) { return (iTipo >= 1 && iTipo <= 11) ? iTipo : 0; }
    // The gauge's fill: the wait done while waiting, else the attack left;
    // 0 for a wait or duration of 0 or less; always within 0..1.
    static float FraccionIndicador(bool bEsperando, int iCuentaEspera, int iEspera, int iCuentaAtaque,
                                   int iDuracion);
    // Frames between two launches: the interval times the factor, at least 1.
    static int PasoLanzamiento(int iIntervalo, float fFactor);

    // ---- What the play screen and tests read ----
    int MaldicionesTocadas() const { return m_iTocadas; }
    int MaldicionesLanzadas() const { return m_iLanzadas; }
    int NumMaldiciones() const { return m_Maldiciones.m_iNumElementos; }
    CLista& Maldiciones() { return m_Maldiciones; }
    int RanuraActual() const { return m_iRanura; }
    bool Esperando() const { return m_bEsperando != 0; }
    float FactorIntervalo() const { return m_fFactorIntervalo; }

    uint8_t m_bCreado = 0;
    CMenuJuego* m_pJuego = nullptr;
    RegistroNivel* m_pNivel = nullptr;
    CSPM m_SPM;
    std::array<CSPM*, NUM_ATAQUES_NIVEL> m_apIndicadores{};
    int m_iCuentaEspera = 0, m_iCuentaAtaque = 0;
    int m_iRanura = -1;
    uint8_t m_bEsperando = 1;
    int m_iLanzadas = 0, m_iTocadas = 0;
    float m_fFactorIntervalo = 1.0f;
    uint8_t m_bTocadoEnAtaque = 0;
    int m_iFrame = 0;
    int m_iRosaX = 0, m_iRosaY = 0, m_iRosaAlfa = 0;
    float m_fRosaAngulo = 0.0f;
    CLista m_Maldiciones;   // CMaldicion*, owned, newest first
    int m_iSonido = -1;
    bool m_bRecursos = false;
    float m_fPunteroX = 512.0f, m_fPunteroY = 384.0f;
    int m_iGeneracion = 0;   // grows with every release

private:
    int TipoRanura(int iRanura) const;
    void Planifica(bool bPuedeLanzar);
    void DibujaIndicador(Sprite* pDestino, CSPM* pIndicador, float x, float yBase, float yCentro, float fFraccion,
                         int iAlfa, const ColorRGB& brillo, const ColorRGB* pCuerpo, int iVeces);
};
