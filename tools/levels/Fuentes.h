// The level-design sources: command files (NAME = p1, p2, "text"; with //
// comments) read whole into lists of commands. Nothing here needs the
// engine, so the build can list the tool's outputs before building it.
#pragma once
#include <stdexcept>
#include <string>
#include <vector>

namespace niveles {

struct Comando {
    std::string nombre;                 // upper case
    std::vector<std::string> param;     // quotes removed
    std::string origen;                 // "file:line", for messages

    size_t Cuantos() const { return param.size(); }
    // The i-th value; a missing or malformed one is an error naming the line.
    double Real(size_t i) const;
    int Entero(size_t i) const;
    const std::string& Texto(size_t i) const;
    // Whether the i-th value is given (and not empty).
    bool Tiene(size_t i) const { return i < param.size() && !param[i].empty(); }
};

// An error in a source: the message names the file and line.
struct ErrorFuente : std::runtime_error {
    using std::runtime_error::runtime_error;
};
[[noreturn]] void Falla(const Comando& c, const std::string& mensaje);

std::vector<Comando> LeeComandos(const std::string& ruta);

} // namespace niveles
