// mg_sec: animated sequences from readable sources.
//   mg_sec build STAGE DATA SOURCE...   compiles each DATA/<name>.src into
//                                       STAGE/<name> (all or nothing)
//   mg_sec check [--root DIR]... FILE.sec...
//   mg_sec check --all DIR              every .sec below DIR, DIR as the root
//   mg_sec preview [--root DIR] [--steps N] FILE.sec
//                                       plays it in the game window: space
//                                       pauses and resumes, R rewinds, Esc quits
// A fault is printed as "file:line: text"; the status is 1 when there is one.
#include "Fuente.h"
#include "Revision.h"
#include "Vista.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace sec;

namespace {

bool Lee(const fs::path& p, std::string* texto)
{
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    texto->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

int Informa(const std::vector<Fallo>& fallos)
{
    for (const Fallo& f : fallos) std::fprintf(stderr, "%s:%d: %s\n", f.fichero.c_str(), f.linea, f.texto.c_str());
    return fallos.empty() ? 0 : 1;
}

// The data name of a path below a root, in Windows form.
std::string NombreDato(const fs::path& ruta, const fs::path& raiz)
{
    std::string s = fs::relative(ruta, raiz).generic_string();
    std::replace(s.begin(), s.end(), '/', '\\');
    return s;
}

int Construye(const fs::path& etapa, const fs::path& datos, const std::vector<std::string>& fuentes)
{
    // The sources of data/ first: the stage may hold an older copy of them.
    Datos d({datos.string(), etapa.string()});
    std::vector<Fallo> fallos;
    struct Salida {
        std::string nombre, origen;
        std::vector<Registro> registros;
    };
    std::vector<Salida> salidas;
    for (const std::string& f : fuentes) {
        std::string texto;
        if (!Lee(f, &texto)) {
            fallos.push_back({f, 0, "cannot be read"});
            continue;
        }
        std::string nombre = NombreDato(fs::path(f), datos);
        if (nombre.size() < 5 || nombre.compare(nombre.size() - 4, 4, ".src") != 0) {
            fallos.push_back({f, 0, "a source is named after its sequence, with .src added"});
            continue;
        }
        nombre.resize(nombre.size() - 4);
        Compilada c = CompilaFuente(texto, f, &fallos);
        if (!c.bBien) continue;
        d.AnadeCompilada(nombre, c.registros);
        salidas.push_back({nombre, f, std::move(c.registros)});
    }
    // Checked once every source is known, so that they may nest each other.
    for (const Salida& s : salidas) {
        std::vector<Fallo> propios;
        Revisa(s.nombre, s.registros, d, &propios);
        // The faults name the source's lines.
        for (Fallo& f : propios) f.fichero = s.origen;
        fallos.insert(fallos.end(), propios.begin(), propios.end());
    }
    if (!fallos.empty()) return Informa(fallos);
    for (const Salida& s : salidas) {
        std::string rel = s.nombre;
        std::replace(rel.begin(), rel.end(), '\\', '/');
        const fs::path destino = etapa / rel;
        fs::create_directories(destino.parent_path());
        std::ofstream out(destino, std::ios::binary | std::ios::trunc);
        out << TextoSec(s.registros, NombreDato(fs::path(s.origen), datos));
        if (!out) {
            std::fprintf(stderr, "mg_sec: cannot write %s\n", destino.string().c_str());
            return 1;
        }
    }
    return 0;
}

int Comprueba(std::vector<std::string> raices, std::vector<std::string> ficheros, const std::string& todo)
{
    if (!todo.empty()) {
        raices.insert(raices.begin(), todo);
        for (const auto& e : fs::recursive_directory_iterator(todo)) {
            std::string ext = e.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
            if (e.is_regular_file() && ext == ".sec") ficheros.push_back(e.path().string());
        }
        std::sort(ficheros.begin(), ficheros.end());
        if (ficheros.empty()) {
            std::fprintf(stderr, "mg_sec: no .sec below %s\n", todo.c_str());
            return 1;
        }
    }
    if (raices.empty()) raices.push_back(".");
    Datos d(raices);
    std::vector<Fallo> fallos;
    for (const std::string& f : ficheros) {
        std::string texto;
        if (!Lee(f, &texto)) {
            fallos.push_back({f, 0, "cannot be read"});
            continue;
        }
        const std::vector<Registro> v = LeeSec(texto, f, &fallos);
        // Named as the data name when it lies below the first root.
        std::string nombre = f;
        std::error_code ec;
        const fs::path rel = fs::relative(fs::path(f), raices.front(), ec);
        if (!ec && !rel.empty() && rel.native()[0] != '.') nombre = NombreDato(fs::path(f), raices.front());
        std::vector<Fallo> propios;
        Revisa(nombre, v, d, &propios);
        for (Fallo& x : propios) x.fichero = f;
        fallos.insert(fallos.end(), propios.begin(), propios.end());
    }
    if (fallos.empty()) std::printf("mg_sec: %zu sequence(s) checked\n", ficheros.size());
    return Informa(fallos);
}

int Uso()
{
    std::fprintf(stderr, "usage: mg_sec build STAGE DATA SOURCE... | check [--root DIR]... [--all DIR] FILE... |"
                         " preview [--root DIR] [--steps N] FILE\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return Uso();
    const std::string orden = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (orden == "build") {
        if (args.size() < 2) return Uso();
        return Construye(args[0], args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    }
    std::vector<std::string> raices, ficheros;
    std::string todo;
    int pasos = -1;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool valor = i + 1 < args.size();
        if (args[i] == "--root" && valor) {
            raices.push_back(args[++i]);
        } else if (args[i] == "--all" && valor) {
            todo = args[++i];
        } else if (args[i] == "--steps" && valor) {
            pasos = std::atoi(args[++i].c_str());
        } else {
            ficheros.push_back(args[i]);
        }
    }
    if (orden == "check") {
        if (ficheros.empty() && todo.empty()) return Uso();
        return Comprueba(raices, ficheros, todo);
    }
    if (orden == "preview") {
        if (ficheros.size() != 1) return Uso();
        return MuestraSecuencia(raices.empty() ? std::string(MG_SEC_DATA_ROOT) : raices.front(), ficheros[0], pasos);
    }
    return Uso();
}
