// The level table: one slot per row of the level catalogue, filled once at
// start-up by reading every level file, and looked up by (difficulty, group,
// part). The menu manager holds one; tests use it on its own.
#pragma once
#include "game/play/CatalogoNiveles.h"
#include "game/play/RegistroNivel.h"

#include <string>
#include <vector>

class CGestorComandes;
struct FitxerComandes;

class CTablaNiveles {
public:
    CTablaNiveles();

    // Every slot to its defaults.
    void Reinicia();
    // Resets the table and reads every file of the catalogue, in order, with
    // the reader. The first file that cannot be opened or does not read
    // whole (damaged) ends the reading (later slots keep their defaults):
    // false, and FicheroQueFalta names the file (its caller reports it).
    bool CargaNiveles(CGestorComandes& lector);
    // Parses one open level file into the slot of the catalogue row. Records
    // it does not know are passed over; *pbEntero (when given) tells whether
    // the file read whole: every record known and the last one complete.
    bool LeeNivel(const FilaCatalogoNiveles& fila, CGestorComandes& lector, FitxerComandes* fichero,
                  bool* pbEntero = nullptr);
    // Copies the slot's record whole into `actual`. A (group, part,
    // difficulty) outside the catalogue gives the defaults and false.
    bool EligeNivel(int grupo, int parte, int dificultad, RegistroNivel& actual) const;

    EntradaNivel* Entrada(int dificultad, int grupo, int parte);
    const EntradaNivel* Entrada(int dificultad, int grupo, int parte) const;
    const std::string& FicheroQueFalta() const { return m_sFicheroQueFalta; }
    // Memory the table holds: its slots and the texts they own.
    size_t BytesTabla() const;

private:
    std::vector<EntradaNivel> m_aEntradas;  // one per catalogue row, in catalogue order
    std::string m_sFicheroQueFalta;
};

// The record index 0..4 of a character word (GENERAL, ALFATIMA, ALDUNIA,
// ADELETIA, STOKINNEN, without regard to case); any other word gives 0.
int LeeIndicePersonaje(CGestorComandes& lector, FitxerComandes* fichero);
// The period and the nine weights of a bonus record: shares of the weights'
// sum (a negative weight counts as 0); a sum below 0.0001 leaves the shares
// and marks the record not valid.
void LeePorcentajesBonus(PorcentajesBonus& registro, CGestorComandes& lector, FitxerComandes* fichero);
