// The trophy rules checked after a stage or an extra-mode game.
#pragma once
#include <cstdint>

// Entries of the flag array: 0..5 belong to the caller; entry k (6..35) is
// trophy k + 1 and entry 36 trophy 38.
constexpr int NUM_LOGROS = 37;

// For each rule in order: when the trophy is still locked in the current
// profile and its condition holds, it is unlocked through the unlock manager
// and its entry set to 1, else 0. True when any of the 37 entries is set
// afterwards. Without a current profile or unlock manager nothing is awarded.
bool EvaluaTrofeos(uint8_t* logros);
