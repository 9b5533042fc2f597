#include "Fuentes.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace niveles {

void Falla(const Comando& c, const std::string& mensaje) { throw ErrorFuente(c.origen + ": " + c.nombre + ": " + mensaje); }

double Comando::Real(size_t i) const
{
    if (!Tiene(i)) Falla(*this, "value " + std::to_string(i + 1) + " is missing");
    char* fin = nullptr;
    const double v = std::strtod(param[i].c_str(), &fin);
    if (!fin || *fin) Falla(*this, "value " + std::to_string(i + 1) + " is not a number: " + param[i]);
    return v;
}

int Comando::Entero(size_t i) const
{
    const double v = Real(i);
    if (v != static_cast<double>(static_cast<int>(v))) Falla(*this, "value " + std::to_string(i + 1) + " is not a whole number");
    return static_cast<int>(v);
}

const std::string& Comando::Texto(size_t i) const
{
    if (i >= param.size()) Falla(*this, "value " + std::to_string(i + 1) + " is missing");
    return param[i];
}

std::vector<Comando> LeeComandos(const std::string& ruta)
{
    std::ifstream in(ruta, std::ios::binary);
    if (!in) throw ErrorFuente(ruta + ": cannot be read");
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string texto = ss.str();

    std::vector<Comando> comandos;
    Comando actual;
    std::string buffer;
    bool enParametros = false, citado = false;
    int linea = 1, lineaInicio = 1;
    for (size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c == '\n') ++linea;
        if (citado) {
            if (c == '"')
                citado = false;
            else
                buffer += c;
            continue;
        }
        if (c == '/' && i + 1 < texto.size() && texto[i + 1] == '/') {
            while (i < texto.size() && texto[i] != '\n') ++i;
            if (i < texto.size()) ++linea;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        if (actual.nombre.empty() && buffer.empty() && !enParametros) lineaInicio = linea;
        if (c == '"' && enParametros) {
            citado = true;
        } else if (c == '=' && !enParametros) {
            actual.nombre = buffer;
            for (char& ch : actual.nombre) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            buffer.clear();
            enParametros = true;
        } else if (c == ',' && enParametros) {
            actual.param.push_back(buffer);
            buffer.clear();
        } else if (c == ';') {
            if (!enParametros) throw ErrorFuente(ruta + ":" + std::to_string(lineaInicio) + ": a command needs NAME = values;");
            actual.param.push_back(buffer);
            if (actual.param.size() == 1 && actual.param[0].empty()) actual.param.clear();
            actual.origen = ruta + ":" + std::to_string(lineaInicio);
            comandos.push_back(std::move(actual));
            actual = Comando{};
            buffer.clear();
            enParametros = false;
        } else {
            buffer += c;
        }
    }
    if (citado || enParametros || !buffer.empty())
        throw ErrorFuente(ruta + ":" + std::to_string(lineaInicio) + ": the last command is not closed with ;");
    return comandos;
}

} // namespace niveles
