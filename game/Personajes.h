// The eleven characters of the story, kept in one registry. The game numbers
// them differently in different places (the HUD and the level record, the
// level files' character keys and the portrait sheet, the chest's character
// list, the story map's pictures): every numbered table is made from this
// registry or checked against it, so no table can disagree about who a number
// is. Tables hand each other characters by name (or registry entry), never a
// raw index taken from another table.
#pragma once
#include "game/profiles/Marcadores.h"

#include <array>

struct Personaje {
    const char* m_pszNombre;      // the name the sources use: "Maida"
    const char* m_pszCarpeta;     // its folder in Data\Personajes
    const char* m_pszPrefijoVoz;  // prefix of the seven mood and voice sound slots
    int m_iNumero;                // character number of the HUD and the level record (0..10)
    int m_iClaveNivel;            // value of the level files' character keys; slot of Persos.SPM
    int m_iMarcador;              // n of the chest marker "MPerso_n"
    int m_iCodigoNombre;          // caption text code
    int m_iRetratoMapa;           // picture of the story map (0..8), -1 for none
};

constexpr int CodigoTexto(const char (&c)[5])
{
    return (static_cast<unsigned char>(c[0]) << 24) | (static_cast<unsigned char>(c[1]) << 16) |
           (static_cast<unsigned char>(c[2]) << 8) | static_cast<unsigned char>(c[3]);
}

// In character-number order (entry i has number i).
inline constexpr std::array<Personaje, NUM_PERSONAJES> RegistroPersonajes = {{
    {"Maida", "Maida", "MAIDA", 0, 0, 0, CodigoTexto("MAID"), 6},
    {"Adeletia", "Adeletia", "ADELETIA", 1, 3, 1, CodigoTexto("ADEL"), 0},
    {"Franz", "Franz", "FRANZ", 2, 5, 2, CodigoTexto("FRAN"), 4},
    {"Aldunia", "Aldunia", "ALDUNIA", 3, 1, 3, CodigoTexto("ALDU"), 1},
    {"Asesino", "Asesino", "ASESINO", 4, 7, 4, CodigoTexto("ASES"), 3},
    {"Alfatima", "Alfatima", "ALFATIMA", 5, 4, 5, CodigoTexto("ALFT"), 2},
    {"Irina", "Irina", "IRINA", 6, 2, 6, CodigoTexto("IRIN"), 5},
    {"Stokinnen", "Stokinnen", "STOKINNEN", 7, 6, 7, CodigoTexto("STOC"), 7},
    {"Teresia", "Teresia", "TERESIA", 8, 8, 8, CodigoTexto("TERE"), 8},
    {"Soldado", "Soldado", "SOLDADO", 9, 9, 9, CodigoTexto("SOLD"), -1},
    {"TeresiaViva", "TeresiaSalvada", "TERESIAVIVA", 10, 10, 10, CodigoTexto("TERV"), -1},
}};

namespace detalle_personajes {
constexpr std::array<int, NUM_PERSONAJES> ConstruyeTablaIdPerso()
{
    std::array<int, NUM_PERSONAJES> t{};
    for (const Personaje& p : RegistroPersonajes) t[p.m_iClaveNivel] = p.m_iNumero;
    return t;
}
} // namespace detalle_personajes

// The character number of each value n (0..10) of the level files' keys
// IDPERSO and IDPERSOVS: 0, 3, 6, 1, 5, 2, 7, 4, 8, 9, 10.
inline constexpr std::array<int, NUM_PERSONAJES> TablaIdPerso = detalle_personajes::ConstruyeTablaIdPerso();

// The entry of a name (compared without regard to ASCII case), null when no
// character has it.
const Personaje* BuscaPersonaje(const char* nombre);
// The entry of a character number, null outside 0..10.
const Personaje* PersonajePorNumero(int numero);
// The entry of a level-file key value, null outside 0..10.
const Personaje* PersonajePorClaveNivel(int clave);
