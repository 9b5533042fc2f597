// mg_perfil [slot 0..3] [name] | --help
//
// Writes profile `slot` (0 when not given) into the game's per-user folder as
// a finished story leaves it (TerminaHistoria): every stage of every
// difficulty won as a first win on the map, the chest filled, the credits
// seen (the fourth difficulty open), the first-visit boxes told, every
// extra-mode level open and the trophies this earns, all unlocked through the
// unlock manager as play unlocks them. It reads the game's data (the stages'
// seals) from the build's data folder beside the game. A profile already in
// the slot keeps its name (unless one is given), records and trophies; a new
// one is named "Player" unless a name is given. Anything it does not
// understand is refused before any file is touched.
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "game/play/TablaNiveles.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/HistoriaTerminada.h"
#include "platform/Paths.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

const char kUso[] =
    "usage: mg_perfil [slot] [name]\n"
    "  Writes profile slot (one digit, 0 to 3; 0 when not given) into the game's\n"
    "  per-user folder with the story complete, every extra-mode level open and\n"
    "  the trophies that progress earns. A profile already in the slot keeps its\n"
    "  name unless one is given; a new one is named \"Player\".\n"
    "  mg_perfil --help (or -h) prints this.\n";

// The slot is one digit, 0 to 3: anything else ("--help" mistyped, "1x",
// "01", "-1") is not a slot.
bool LeeRanura(const char* sz, int* piRanura)
{
    if (!sz || sz[0] < '0' || sz[0] >= '0' + NUM_PERFILES || sz[1] != '\0') return false;
    *piRanura = sz[0] - '0';
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Every argument is understood before any file is touched.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUso, stdout);
        return 0;
    }
    int iRanura = 0;
    if (argc > 3 || (argc > 1 && !LeeRanura(argv[1], &iRanura))) {
        std::fprintf(stderr, "mg_perfil: %s is not understood\n%s", argc > 3 ? "a third argument" : "the slot",
                     kUso);
        return 2;
    }
    CSistemaFitxers sistema;
    CGestorComandes comandos;
    g_pSistemaFitxers = &sistema;
    g_pGestorComandes = &comandos;
    int iSalida = 0;
    {
        CPerfiles perfiles;
        CGestorDesbloqueos desbloqueos;
        // The game's data lies beside the game, two folders up in the build.
        const fs::path datos = fs::path(plat::ExecutableDir()) / ".." / ".." / "data";
        std::error_code ec;
        if (fs::is_directory(datos, ec)) plat::SetDataRoot(datos.lexically_normal().string());
        if (!sistema.IniciaAmbArxiu(motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune",
                                    "Marrowgate") ||
            !comandos.Inicia() || !desbloqueos.Inicia()) {
            std::fprintf(stderr, "mg_perfil: the game's data or the per-user folder cannot be had%s%s\n",
                         sistema.Error().empty() ? "" : ": ", sistema.Error().c_str());
            iSalida = 1;
        } else {
            perfiles.m_iPerfilActual = iRanura;
            perfiles.CargaRanura(iRanura);
            RegistraPerfilesJuego(&perfiles);
            RegistraGestorDesbloqueos(&desbloqueos);
            RegistroPerfil& p = perfiles.m_aPerfiles[iRanura];
            // A slot without a name is an empty slot to the game.
            const char* szNombre = argc > 2 ? argv[2] : (p.m_szNombre[0] ? nullptr : "Player");
            if (szNombre && !p.CambiaNombre(szNombre)) {
                std::fprintf(stderr, "mg_perfil: a name cannot hold a double quote\n");
                iSalida = 2;
            }
            // The stages' seals come from the game's level table.
            CTablaNiveles niveles;
            if (iSalida == 0 && !niveles.CargaNiveles(comandos)) {
                std::fprintf(stderr, "mg_perfil: the game's data cannot be read (%s)\n",
                             niveles.FicheroQueFalta().empty() ? "no archive" : niveles.FicheroQueFalta().c_str());
                iSalida = 1;
            }
            if (iSalida == 0) TerminaHistoria(p, desbloqueos, &niveles);
            if (iSalida == 0 && !p.Guarda()) {
                std::fprintf(stderr, "mg_perfil: %s cannot be written\n", p.m_szRuta);
                iSalida = 1;
            }
            if (iSalida == 0) std::printf("%s\n", p.m_szRuta);
            RegistraGestorDesbloqueos(nullptr);
            RegistraPerfilesJuego(nullptr);
        }
    }
    comandos.Allibera();
    sistema.Allibera();
    g_pGestorComandes = nullptr;
    g_pSistemaFitxers = nullptr;
    return iSalida;
}
