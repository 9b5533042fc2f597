// Every setting of one level and the level table's slot around it. For now
// a level knows only where it sits in the catalogue (group and part) and its
// character; the level files fill the rest once they are read.
#pragma once

// The level's own character: set from the level file, or by the avatar
// chooser on the current level's copy.
struct PersonajeNivel {
    bool m_bElegido = false;
    int m_iPersonaje = -1;
    bool m_bFijado = false;
    void Inicializa() { *this = PersonajeNivel{}; }
};

struct RegistroNivel {
    int m_iGrupo = -1;
    int m_iParte = -1;
    PersonajeNivel m_Personaje;
    void Inicializa() { *this = RegistroNivel{}; }
};

// One slot of the menu manager's level table.
struct EntradaNivel {
    RegistroNivel m_Registro;
    void Inicializa() { *this = EntradaNivel{}; }
};

constexpr int NUM_DIFICULTADES_TABLA = 4;
constexpr int NUM_GRUPOS_TABLA = 20;
// Room in every group for its parts: the seals-only group runs to part 10.
constexpr int MAX_PARTES_TABLA = 11;
