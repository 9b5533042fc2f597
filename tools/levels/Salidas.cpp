#include "Salidas.h"

#include "Fuentes.h"
#include "game/play/CatalogoNiveles.h"

#include <algorithm>

namespace niveles {

namespace {

std::string ConBarras(std::string s)
{
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

} // namespace

std::string RutaOleadas(int dificultad)
{
    return std::string("Data\\Niveles\\SoloAtaques\\") + NombresDificultad[dificultad] + "\\Oleadas.OLA";
}

std::string RutaImagenSello(const std::string& imagen) { return "Data\\Graficos\\Sellos\\SPM\\" + imagen + ".SPM"; }

std::vector<std::string> ImagenesSellos(const std::string& fuentes)
{
    std::vector<std::string> r;
    for (const char* f : {"/Tapices/Sellos.txt", "/Tapices/Tutoriales.txt"})
        for (const Comando& c : LeeComandos(fuentes + f)) {
            if ((c.nombre == "SELLO" && c.Tiene(1)) || c.nombre == "TRAMO") {
                const std::string& n = c.Texto(c.nombre == "SELLO" ? 1 : 0);
                if (std::find(r.begin(), r.end(), n) == r.end()) r.push_back(n);
            }
        }
    return r;
}

std::vector<std::string> SalidasNiveles(const std::string& fuentes)
{
    std::vector<std::string> r;
    for (const FilaCatalogoNiveles& f : CatalogoNiveles()) r.push_back(ConBarras(f.m_sRuta));
    for (const Comando& c : LeeComandos(fuentes + "/Tapices/Tableros.txt"))
        if (c.nombre == "TABLERO") r.push_back("Data/Tapices/Trazar/" + c.Texto(0) + ".TPZ");
    for (const char* f : {"/Tapices/Sellos.txt", "/Tapices/Tutoriales.txt"})
        for (const Comando& c : LeeComandos(fuentes + f))
            if (c.nombre == "SELLO") r.push_back("Data/Tapices/" + ConBarras(c.Texto(0)));
    for (int d = 0; d < NUM_DIFICULTADES_NIVEL; ++d) r.push_back(ConBarras(RutaOleadas(d)));
    return r;
}

} // namespace niveles
