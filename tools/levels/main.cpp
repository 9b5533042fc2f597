// mg_levels <data folder> <stage folder> <shapes file> <report file>
//
// The level-design tool: reads the figure sources of data/Tapices and the
// level sources of data/Niveles and writes every figure file, level file and
// wave file into the stage folder, the seals' shapes for the art tool to draw
// their pictures from, and a report of the difficulty curve.
#include "Curva.h"
#include "Formas.h"
#include "Oleadas.h"
#include "Salidas.h"
#include "game/CatalogoJuego.h"
#include "game/play/Figuras.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

namespace fs = std::filesystem;
using namespace niveles;

namespace {

void EscribeFichero(const fs::path& ruta, const std::string& texto)
{
    fs::create_directories(ruta.parent_path());
    std::ofstream out(ruta, std::ios::binary | std::ios::trunc);
    out << texto;
    if (!out) throw ErrorFuente(ruta.string() + ": cannot be written");
}

std::string ConBarras(std::string s)
{
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

// The game's own tables name the boards and seals the tool must make.
void CompruebaTablas(const Figuras& figuras)
{
    for (const char* n : NombresFigurasTrazado)
        if (!figuras.count(std::string("Trazar\\") + n)) throw ErrorFuente(std::string("no board source for Trazar\\") + n);
    std::map<std::string, size_t> sellos;
    for (const FilaFiguraGaleria& g : TablaFigurasGaleria) ++sellos[g.m_pszFigura];
    for (const auto& [nombre, cuantos] : sellos) {
        auto it = figuras.find("Figura\\" + nombre);
        if (it == figuras.end()) throw ErrorFuente("no seal source for Figura\\" + nombre);
        // A multi seal unlocks one gallery seal per colour run.
        if (cuantos > 1 && it->second->tramos.size() != cuantos)
            throw ErrorFuente("Figura\\" + nombre + " unlocks " + std::to_string(cuantos) + " gallery seals but has " +
                              std::to_string(it->second->tramos.size()) + " colour runs");
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: mg_levels <data folder> <stage folder> <shapes file> <report file>\n");
        return 2;
    }
    const std::string fuentes = argv[1];
    const fs::path stage = argv[2];
    try {
        const std::vector<Figura> tableros = LeeTableros(fuentes + "/Tapices/Tableros.txt");
        const std::vector<Figura> sellos = LeeSellos(fuentes + "/Tapices/Sellos.txt");
        const std::vector<Figura> tutoriales = LeeSellos(fuentes + "/Tapices/Tutoriales.txt", &sellos);
        Figuras figuras;
        std::vector<Figura> conImagen;
        std::set<std::string> escritos;
        for (const std::vector<Figura>* lista : {&tableros, &sellos, &tutoriales})
            for (const Figura& f : *lista) {
                const std::string errores = CompruebaPosiciones(f);
                if (!errores.empty()) throw ErrorFuente(f.origen + ": " + f.fichero + ":" + errores);
                if (!figuras.emplace(f.fichero, &f).second) throw ErrorFuente(f.origen + ": " + f.fichero + " twice");
                EscribeFichero(stage / ("Data/Tapices/" + ConBarras(f.fichero)), TextoTPZ(f));
                escritos.insert("Data/Tapices/" + ConBarras(f.fichero));
                conImagen.push_back(f);
            }
        CompruebaTablas(figuras);
        EscribeFichero(argv[3], TextoFormas(conImagen));

        const ResultadoCurva curva = GeneraNiveles(fuentes, figuras);
        std::vector<Salida> ficheros = curva.ficheros;
        for (Salida& s : GeneraOleadas(fuentes)) ficheros.push_back(s);
        for (const Salida& s : ficheros) {
            EscribeFichero(stage / ConBarras(s.ruta), s.texto);
            if (!escritos.insert(ConBarras(s.ruta)).second) throw ErrorFuente(s.ruta + " written twice");
        }
        // What was written is what the build was told, and what the content
        // catalogue names; the seals' pictures are its picture rows.
        const std::vector<std::string> lista = SalidasNiveles(fuentes);
        const std::set<std::string> esperados(lista.begin(), lista.end());
        if (esperados != escritos) throw ErrorFuente("the files written differ from the listed outputs");
        std::set<std::string> filas, imagenes, filasImagenes;
        for (const FilaCatalogo& f : juego::kCatalogo) {
            const std::string n = ConBarras(f.nombre);
            if (f.tipo == TipoContenido::Fichero && (n.rfind("Data/Niveles/", 0) == 0 || n.rfind("Data/Tapices/", 0) == 0))
                filas.insert(n);
            if (f.tipo == TipoContenido::Paquete && std::string(f.id).rfind("paquete::SELLO_", 0) == 0)
                filasImagenes.insert(RutaImagenSello(n.substr(n.find_last_of('/') + 1, n.size() - n.find_last_of('/') - 5)));
        }
        for (const std::string& s : escritos)
            if (!filas.count(s)) throw ErrorFuente(s + " is no row of the content catalogue (game/CatalogoJuego.def)");
        for (const std::string& s : filas)
            if (!escritos.count(s)) throw ErrorFuente("the content catalogue names " + s + ", which no source makes");
        for (const std::string& s : ImagenesSellos(fuentes)) imagenes.insert(RutaImagenSello(s));
        if (imagenes != filasImagenes)
            throw ErrorFuente("the seal pictures of the sources differ from the catalogue's SELLO_ package rows");

        EscribeFichero(argv[4], curva.informe);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mg_levels: %s\n", e.what());
        return 1;
    }
    return 0;
}
