// The eleven characters of the story, kept in one registry. The game numbers
// them differently in different places (the HUD and the level record, the
// level files' character keys and the portrait sheet, the chest's character
// list, the story map's pictures): every numbered table is made from this
// registry or checked against it, so no table can disagree about who a number
// is. Tables hand each other characters by name (or registry entry), never a
// raw index taken from another table.
#pragma once
#include "game/CatalogoJuego.h"
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
    int m_iVisor;                 // character of the chest's viewer (0..10)
    int m_iCodigoHistoria;        // text code of its story in the viewer
    // The whole figure (Completo.SPM in its folder), painted whole and cut
    // into pieces that every screen draws from one anchor: the point of the
    // figure, from its top-left corner, where its feet stand; the art paints
    // the figure standing there and the map, the chapter card and the viewer
    // all place that point. Null for a character without one.
    const char* m_pszFigura;
    float m_fAnclaX, m_fAnclaY;
    int m_iCorteFigura;           // how the figure is cut (FIGURA_*)
};

// How a whole figure is cut into the slots of its package (all pieces with
// their hotspot at their top-left corner).
enum {
    FIGURA_ENTERA = 0,     // slot 0 alone
    FIGURA_LADO = 1,       // slot 0, and slot 1 to its right at (256, 0)
    FIGURA_APILADA = 2,    // slot 0, and slot 1 under it at (0, 512)
    FIGURA_TRES = 3,       // slot 1 on top, slot 0 at (0, 71), slot 2 at (256, 348)
};
inline constexpr int NUM_CORTES_FIGURA = 4;
// Where a piece of a cut starts from the figure's top-left corner.
struct PiezaFigura {
    int slot;
    int x, y;
};
struct CorteFigura {
    int n;
    PiezaFigura piezas[3];
};
inline constexpr CorteFigura CortesFigura[NUM_CORTES_FIGURA] = {
    {1, {{0, 0, 0}}},
    {2, {{0, 0, 0}, {1, 256, 0}}},
    {2, {{0, 0, 0}, {1, 0, 512}}},
    {3, {{1, 0, 0}, {0, 0, 71}, {2, 256, 348}}},
};

constexpr int CodigoTexto(const char (&c)[5])
{
    return (static_cast<unsigned char>(c[0]) << 24) | (static_cast<unsigned char>(c[1]) << 16) |
           (static_cast<unsigned char>(c[2]) << 8) | static_cast<unsigned char>(c[3]);
}

// In character-number order (entry i has number i).
inline constexpr std::array<Personaje, NUM_PERSONAJES> RegistroPersonajes = {{
    {"Maida", "Maida", "MAIDA", 0, 0, 0, CodigoTexto("MAID"), 6,
     5, CodigoTexto("HIS5"), juego::paquete::COMPLETO_MAIDA, 100.0f, 435.0f, FIGURA_ENTERA},
    {"Adeletia", "Adeletia", "ADELETIA", 1, 3, 1, CodigoTexto("ADEL"), 0,
     2, CodigoTexto("HIS2"), juego::paquete::COMPLETO_ADELETIA, 144.0f, 480.0f, FIGURA_LADO},
    {"Franz", "Franz", "FRANZ", 2, 5, 2, CodigoTexto("FRAN"), 4,
     4, CodigoTexto("HIS4"), juego::paquete::COMPLETO_FRANZ, 107.0f, 490.0f, FIGURA_ENTERA},
    {"Aldunia", "Aldunia", "ALDUNIA", 3, 1, 3, CodigoTexto("ALDU"), 1,
     6, CodigoTexto("HIS6"), juego::paquete::COMPLETO_ALDUNIA, 94.0f, 380.0f, FIGURA_ENTERA},
    {"Asesino", "Asesino", "ASESINO", 4, 7, 4, CodigoTexto("ASES"), 3,
     3, CodigoTexto("HIS3"), juego::paquete::COMPLETO_ASESINO, 100.0f, 490.0f, FIGURA_ENTERA},
    {"Alfatima", "Alfatima", "ALFATIMA", 5, 4, 5, CodigoTexto("ALFT"), 2,
     1, CodigoTexto("HIS1"), juego::paquete::COMPLETO_ALFATIMA, 120.0f, 550.0f, FIGURA_APILADA},
    {"Irina", "Irina", "IRINA", 6, 2, 6, CodigoTexto("IRIN"), 5,
     7, CodigoTexto("HIS7"), juego::paquete::COMPLETO_IRINA, 123.0f, 470.0f, FIGURA_ENTERA},
    {"Stokinnen", "Stokinnen", "STOKINNEN", 7, 6, 7, CodigoTexto("STOC"), 7,
     0, CodigoTexto("HIS0"), juego::paquete::COMPLETO_STOKINNEN, 140.0f, 563.0f, FIGURA_TRES},
    {"Teresia", "Teresia", "TERESIA", 8, 8, 8, CodigoTexto("TERE"), 8,
     8, CodigoTexto("HIS8"), juego::paquete::COMPLETO_TERESIA, 195.0f, 480.0f, FIGURA_ENTERA},
    {"Soldado", "Soldado", "SOLDADO", 9, 9, 9, CodigoTexto("SOLD"), -1,
     10, CodigoTexto("HISA"), nullptr, 0.0f, 0.0f, FIGURA_ENTERA},
    {"TeresiaViva", "TeresiaSalvada", "TERESIAVIVA", 10, 10, 10, CodigoTexto("TERV"), -1,
     9, CodigoTexto("HIS9"), nullptr, 0.0f, 0.0f, FIGURA_ENTERA},
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
// The entry of a character of the chest's viewer, null outside 0..10.
const Personaje* PersonajePorVisor(int visor);
