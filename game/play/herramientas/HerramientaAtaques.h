// The attacks tool: launches the level's curses on their schedule, moves
// them and tells the play screen when one touches the pointer. Until the
// curses are built it launches none and counts none.
#pragma once

class CMenuJuego;
class Sprite;
struct RegistroNivel;

class CHerramientaAtaques {
public:
    CHerramientaAtaques() = default;
    virtual ~CHerramientaAtaques() = default;
    CHerramientaAtaques(const CHerramientaAtaques&) = delete;
    CHerramientaAtaques& operator=(const CHerramientaAtaques&) = delete;

    bool Carga(CMenuJuego*, RegistroNivel*)
    {
        m_bCreado = true;
        return true;
    }
    void Libera() { m_bCreado = false; }
    void CargaRecursos() {}
    void DescargaRecursos() {}
    // One step, with the pointer and whether the diamond phase runs.
    void Actualiza(float, float, bool) {}
    void Dibuja(Sprite*) {}
    // Every curse on the board fades away.
    void DesvaneceTodas() {}
    // Curses that touched the pointer in this level.
    int MaldicionesTocadas() const { return 0; }
    // Curses launched in this level, and the factor the attacks' intervals
    // are multiplied by (1 at the start).
    int MaldicionesLanzadas() const { return 0; }
    float FactorIntervalo() const { return 1.0f; }

    bool m_bCreado = false;
};
