// The sequence tool's checks: a sequence's records replayed as the player
// loads them, against the data that the records name. Whatever the player
// would drop, or could not find, is a fault with its line.
#pragma once
#include "engine/sequences/RegistroSecuencia.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace sec {

struct Registro {
    RegistroSecuencia r;
    int linea = 0;
};

struct Fallo {
    std::string fichero;
    int linea = 0;
    std::string texto;
};

// What a sprite package holds.
struct InfoPaquete {
    std::set<int> sprites;
    std::set<int> animaciones;
};

// The data a sequence may name: files below the roots (the first that has a
// name wins), the packages' contents, the music slots of the slot file, and
// sequences, the ones compiled in this run before those on disk.
class Datos {
public:
    explicit Datos(std::vector<std::string> raices);

    // The path of a data name ("" when no root has it).
    std::string Ruta(const std::string& nombre) const;
    bool Existe(const std::string& nombre) const { return !Ruta(nombre).empty(); }
    const InfoPaquete* Paquete(const std::string& nombre);
    bool RanuraMusica(const std::string& nombre);
    const std::vector<Registro>* Secuencia(const std::string& nombre);
    void AnadeCompilada(const std::string& nombre, std::vector<Registro> registros);

private:
    std::vector<std::string> m_raices;
    std::map<std::string, std::unique_ptr<InfoPaquete>> m_paquetes;
    std::map<std::string, std::unique_ptr<std::vector<Registro>>> m_secuencias;
    std::unique_ptr<std::set<std::string>> m_ranuras;
};

// The records of a .sec text with their lines; an unknown keyword is a fault.
std::vector<Registro> LeeSec(const std::string& texto, const std::string& fichero, std::vector<Fallo>* fallos);

// Everything the player would refuse or miss in the records of `fichero`.
void Revisa(const std::string& fichero, const std::vector<Registro>& registros, Datos& datos,
            std::vector<Fallo>* fallos);

} // namespace sec
