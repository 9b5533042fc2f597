// The unlock manager: unlocks a marker in the current profile and raises the
// news of its parents, so that a new gallery picture makes the chest's
// gallery section and the main menu's chest button glow.
#pragma once
#include <cstdint>

class CGestorDesbloqueos {
public:
    CGestorDesbloqueos() = default;
    // Withdraws its registration as the game's unlock manager.
    ~CGestorDesbloqueos();
    CGestorDesbloqueos(const CGestorDesbloqueos&) = delete;
    CGestorDesbloqueos& operator=(const CGestorDesbloqueos&) = delete;

    bool Inicia();
    void Libera();
    bool EstaIniciado() const { return m_bIniciado != 0; }

    // Unless forced, a name already unlocked in the current profile changes
    // nothing. Otherwise it is marked unlocked (or given news) and its parent
    // is unlocked with force, up the chain. Nothing happens without a current
    // profile.
    void Desbloquea(const char* nombre, bool forzar);

    uint8_t m_bIniciado = 0;
};
