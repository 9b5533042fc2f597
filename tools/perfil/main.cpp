// mg_perfil [slot 0..3] [name]
//
// Writes profile `slot` (0 when not given) into the game's per-user folder
// with the story complete at every difficulty and every extra-mode level
// open, unlocked through the unlock manager as play unlocks them, so that
// their parents (the main menu's mode icons) open too. Each stage counts as a
// first win on the map, so the line maximum and the map's counter grow as in
// play. The trophies that this progress earns are awarded as play awards
// them, so the game has none left to tell. A profile already in the slot
// keeps its name (unless one is given), records and trophies; a new one is
// named "Player" unless a name is given.
#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Marcadores.h"
#include "game/profiles/Perfiles.h"
#include "game/profiles/Trofeos.h"
#include "game/screens/MenuModoHistoria.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const int iRanura = argc > 1 ? std::atoi(argv[1]) : 0;
    if (iRanura < 0 || iRanura >= NUM_PERFILES || argc > 3) {
        std::fprintf(stderr, "usage: mg_perfil [slot 0..3] [name]\n");
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
        if (!sistema.Inicia("Kestrune", "Marrowgate") || !comandos.Inicia() || !desbloqueos.Inicia()) {
            std::fprintf(stderr, "mg_perfil: the per-user folder cannot be had\n");
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
            const int iDificultadAntes = p.m_iDificultad;
            for (int d = 0; iSalida == 0 && d < NUM_DIFICULTADES; ++d) {
                p.FijaDificultad(d);
                // Every stage not yet won is won as on the map: its first win
                // moves the map's counter and the line maximum with the progress.
                for (int iEtapa; (iEtapa = p.ProgresoHistoria(d)) < MAX_PROGRESO_HISTORIA;) {
                    int& iContador = p.Bloque().m_aiDatos[BloqueDificultad::CONTADOR_MAPA];
                    iContador = std::min(iContador + CMenuModoHistoria::SubidaContadorEtapa(iEtapa),
                                         CMenuModoHistoria::kMaxContador);
                    if (CMenuModoHistoria::EsEtapaLineaMaxima(iEtapa)) p.AumentaLineaMaxima();
                    p.AvanzaHistoria();
                }
                for (int k = 0; k < NUM_NIVELES_EXTRA; ++k)
                    desbloqueos.Desbloquea(NombreMarcador(IndiceBotonNivel(d, k)), false);
            }
            p.FijaDificultad(iDificultadAntes);
            // As the menus do after a game: evaluate until no rule awards more.
            uint8_t logros[NUM_LOGROS] = {};
            for (int i = 0; iSalida == 0 && i < NUM_LOGROS && EvaluaTrofeos(logros); ++i) {
            }
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
