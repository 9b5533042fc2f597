// The in-game pointer and its seven states (slow, frozen, shaking, inverted,
// paralysed, chased, blocked) that curses set. Until the curses are built
// no state is ever set: the pointer passes through unchanged, tracing and
// contact are always allowed and nothing darkens. It draws the in-game
// pointer, since the core hides its own while play has the focus.
#pragma once
#include "engine/graphics/SPM.h"

class CMenuJuego;
class Sprite;
struct RegistroNivel;

class CHerramientaEstadosCursor {
public:
    CHerramientaEstadosCursor() = default;
    virtual ~CHerramientaEstadosCursor();
    CHerramientaEstadosCursor(const CHerramientaEstadosCursor&) = delete;
    CHerramientaEstadosCursor& operator=(const CHerramientaEstadosCursor&) = delete;

    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    void Actualiza() {}
    void Dibuja(Sprite* pDestino);

    bool PuedeTrazar() const { return true; }
    bool PermiteContacto() const { return true; }
    void LimpiaEstados() {}
    void AplicaMaldicion(const void*) {}
    // The chase scene's darkening of the background and pieces, 0..1.
    float Oscurecimiento() const { return 0.0f; }
    float PunteroX() const;
    float PunteroY() const;

    bool m_bCreado = false;
    CSPM m_Cursor;
};
