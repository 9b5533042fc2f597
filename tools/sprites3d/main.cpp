// mg_sprites3d <description.txt> <out.S3D>
//
// Writes a piece-animated sprite (the engine's SPRITE3D command file) from a
// readable description: one statement a line, '#' starts a comment, words
// and numbers separated by spaces, texts between double quotes.
//
//   version A | B
//   origin-cube SIZE                      the debug cube at the origin (0 hides it)
//   piece N package "FILE.SPM" [at X Y Z] [facing RADIANS] [scale SX SY]
//           [colour R G B] [alpha A] [cube SIZE] [mirror yes|no] [visible yes|no]
//   move N from MS to MS towards X Y Z
//   animate N from MS to MS animation I [loop yes|no]
//   spin N from MS to MS speed RADIANS_PER_MS
//   turn-to N from MS to MS angle RADIANS [way positive|negative]
//   timeline N lasts MS
//
// Piece N is driven by the orders given for N. Unset values take the
// engine's defaults (at 0 0 0, facing 0, scale 1 1, colour 1 1 1, alpha 1,
// cube 1, mirror no, visible yes; loop no; way positive).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Error {
    std::string what;
};

std::vector<std::string> Trocea(const std::string& linea)
{
    std::vector<std::string> t;
    size_t i = 0;
    while (i < linea.size()) {
        char c = linea[i];
        if (c == '#') break;
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '"') {
            size_t fin = linea.find('"', i + 1);
            if (fin == std::string::npos) throw Error{"a text without its closing quote"};
            t.push_back(linea.substr(i, fin - i + 1));
            i = fin + 1;
            continue;
        }
        size_t fin = linea.find_first_of(" \t\r#", i);
        if (fin == std::string::npos) fin = linea.size();
        t.push_back(linea.substr(i, fin - i));
        i = fin;
    }
    return t;
}

double Numero(const std::string& s)
{
    char* fin = nullptr;
    double v = std::strtod(s.c_str(), &fin);
    if (s.empty() || *fin != '\0') throw Error{"\"" + s + "\" is not a number"};
    return v;
}

int Entero(const std::string& s)
{
    double v = Numero(s);
    if (v != double(long(v)) || v < -2147483648.0 || v > 2147483647.0) throw Error{"\"" + s + "\" is not a whole number"};
    return int(v);
}

bool SiNo(const std::string& s)
{
    if (s == "yes") return true;
    if (s == "no") return false;
    throw Error{"\"" + s + "\" is neither yes nor no"};
}

// A statement: the keyword, its number and its named values.
struct Sentencia {
    std::string clave;
    int n = 0;
    std::map<std::string, std::vector<std::string>> valores;

    const std::vector<std::string>& Valor(const std::string& k) const
    {
        auto it = valores.find(k);
        if (it == valores.end()) throw Error{clave + " needs " + k};
        return it->second;
    }
    bool Tiene(const std::string& k) const { return valores.count(k) != 0; }
};

// How many values each word takes, by statement.
const std::map<std::string, std::map<std::string, int>> kGramatica = {
    {"piece",
     {{"package", 1}, {"at", 3}, {"facing", 1}, {"scale", 2}, {"colour", 3}, {"alpha", 1}, {"cube", 1},
      {"mirror", 1}, {"visible", 1}}},
    {"move", {{"from", 1}, {"to", 1}, {"towards", 3}}},
    {"animate", {{"from", 1}, {"to", 1}, {"animation", 1}, {"loop", 1}}},
    {"spin", {{"from", 1}, {"to", 1}, {"speed", 1}}},
    {"turn-to", {{"from", 1}, {"to", 1}, {"angle", 1}, {"way", 1}}},
    {"timeline", {{"lasts", 1}}},
};

Sentencia Analiza(const std::vector<std::string>& t)
{
    Sentencia s;
    s.clave = t[0];
    auto g = kGramatica.find(s.clave);
    if (g == kGramatica.end()) throw Error{"unknown statement " + s.clave};
    if (t.size() < 2) throw Error{s.clave + " needs its number"};
    s.n = Entero(t[1]);
    if (s.n < 0 || s.n > 255) throw Error{"pieces are numbered 0 to 255"};
    for (size_t i = 2; i < t.size();) {
        auto w = g->second.find(t[i]);
        if (w == g->second.end()) throw Error{s.clave + " has no " + t[i]};
        if (i + size_t(w->second) >= t.size()) throw Error{t[i] + " needs " + std::to_string(w->second) + " values"};
        s.valores[t[i]] = std::vector<std::string>(t.begin() + long(i) + 1, t.begin() + long(i) + 1 + w->second);
        i += size_t(w->second) + 1;
    }
    return s;
}

std::string Real(double v)
{
    char b[64];
    std::snprintf(b, sizeof b, "%.6g", v);
    return b;
}

std::string Reales(const std::vector<std::string>& v)
{
    std::string r;
    for (const std::string& s : v) r += ", " + Real(Numero(s));
    return r;
}

std::string Tiempos(const Sentencia& s)
{
    return std::to_string(Entero(s.Valor("from")[0])) + ", " + std::to_string(Entero(s.Valor("to")[0]));
}

std::string Traduce(const Sentencia& s, bool versionB)
{
    const std::string n = std::to_string(s.n);
    auto o = [&](const std::string& k, const std::vector<std::string>& def) {
        return s.Tiene(k) ? s.Valor(k) : def;
    };
    if (s.clave == "piece") {
        const std::string paquete = s.Valor("package")[0];
        if (paquete.size() < 2 || paquete.front() != '"') throw Error{"the package is a quoted file name"};
        std::string r = "PIEZA = " + n + ", " + paquete + Reales(o("at", {"0", "0", "0"})) +
                        Reales(o("facing", {"0"})) + Reales(o("scale", {"1", "1"})) +
                        Reales(o("colour", {"1", "1", "1"})) + Reales(o("alpha", {"1"})) + Reales(o("cube", {"1"})) +
                        ", " + (SiNo(o("mirror", {"no"})[0]) ? "1" : "0");
        if (versionB) r += std::string(", ") + (SiNo(o("visible", {"yes"})[0]) ? "1" : "0");
        else if (s.Tiene("visible")) throw Error{"visible needs version B"};
        return r + ";";
    }
    if (s.clave == "move")
        return "ORDEN = " + n + ", 0, " + Tiempos(s) + Reales(s.Valor("towards")) + ", 0, 0, 0;";
    if (s.clave == "animate")
        return "ORDEN = " + n + ", 1, " + Tiempos(s) + ", " + std::to_string(Entero(s.Valor("animation")[0])) + ", " +
               (SiNo(o("loop", {"no"})[0]) ? "1" : "0") + ";";
    if (s.clave == "spin") return "ORDEN = " + n + ", 2, " + Tiempos(s) + Reales(s.Valor("speed")) + ";";
    if (s.clave == "turn-to") {
        const std::string way = o("way", {"positive"})[0];
        if (way != "positive" && way != "negative") throw Error{"way is positive or negative"};
        return "ORDEN = " + n + ", 3, " + Tiempos(s) + Reales(s.Valor("angle")) + ", " +
               (way == "negative" ? "1" : "0") + ";";
    }
    return "DURACION = " + n + ", " + std::to_string(Entero(s.Valor("lasts")[0])) + ";";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mg_sprites3d <description.txt> <out.S3D>\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "mg_sprites3d: cannot read %s\n", argv[1]);
        return 1;
    }
    std::ostringstream out;
    std::string version;
    std::vector<std::string> comentarios;
    std::string linea;
    int num = 0;
    bool cuerpo = false;
    try {
        while (std::getline(in, linea)) {
            ++num;
            // The description's opening comment heads the file.
            if (!cuerpo && linea.rfind("#", 0) == 0) {
                comentarios.push_back(linea.size() > 1 ? linea.substr(linea[1] == ' ' ? 2 : 1) : "");
                continue;
            }
            std::vector<std::string> t = Trocea(linea);
            if (t.empty()) continue;
            cuerpo = true;
            if (t[0] == "version") {
                if (!version.empty()) throw Error{"the version is given once"};
                if (t.size() != 2 || (t[1] != "A" && t[1] != "B")) throw Error{"version is A or B"};
                version = t[1];
                continue;
            }
            if (version.empty()) throw Error{"the version comes first"};
            if (t[0] == "origin-cube") {
                if (t.size() != 2) throw Error{"origin-cube takes one size"};
                out << "TAMCUADRO = " << Real(Numero(t[1])) << ";\n";
                continue;
            }
            out << Traduce(Analiza(t), version == "B") << "\n";
        }
        if (version.empty()) throw Error{"no version"};
    } catch (const Error& e) {
        std::fprintf(stderr, "%s:%d: %s\n", argv[1], num, e.what.c_str());
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(argv[2]).parent_path(), ec);
    std::ofstream f(argv[2]);
    if (!f) {
        std::fprintf(stderr, "mg_sprites3d: cannot write %s\n", argv[2]);
        return 1;
    }
    for (const std::string& c : comentarios) f << "// " << c << "\n";
    f << "// Written by mg_sprites3d.\n\n";
    f << "SPRITE3D = \"0.001" << version << "\";\n" << out.str();
    f.close();
    if (!f) {
        std::fprintf(stderr, "mg_sprites3d: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
