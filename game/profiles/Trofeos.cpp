#include "game/profiles/Trofeos.h"

#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Marcadores.h"
#include "game/profiles/Perfiles.h"
#include "game/profiles/RegistroPerfil.h"

#include <functional>

namespace {

// Story stages per difficulty.
constexpr int ETAPAS_HISTORIA = 53;
// Just under five minutes in logic steps.
constexpr int32_t TIEMPO_TROFEO_SELLOS = 8999;

struct Reglas {
    RegistroPerfil& p;

    int P(int d) const { return p.ProgresoHistoria(d); }
    bool U(int indice) const { return p.EstaDesbloqueado(NombreMarcador(indice)); }
    bool UNivel(int d, int nivel) const { return U(IndiceBotonNivel(d, nivel)); }
    int32_t S(int tabla, int d) const { return p.Puntuacion(d, tabla, 0); }
    int32_t T(int tabla, int d) const { return p.Tiempo(d, tabla, 0); }
    int L(int d) const { return p.CuentaNivelesJugados(d); }

    bool HistoriaCompleta(int d) const
    {
        return P(d) > ETAPAS_HISTORIA - 1 && UNivel(d, NIVEL_CONCENTRAR_SIN_FIN) && UNivel(d, NIVEL_SELLOS_AZAR) &&
               UNivel(d, NIVEL_ATAQUES_SIN_FIN);
    }
    bool AlgunaDificultadJugada(int minimo) const
    {
        for (int d = 0; d < NUM_DIFICULTADES; ++d)
            if (L(d) >= minimo) return true;
        return false;
    }
    bool TodosLosPersonajes() const
    {
        for (int i = 0; i < NUM_PERSONAJES; ++i)
            if (!U(MARCADOR_PRIMER_PERSONAJE + i)) return false;
        return true;
    }
};

} // namespace

bool EvaluaTrofeos(uint8_t* logros)
{
    if (!logros) return false;
    for (int k = 6; k < NUM_LOGROS; ++k) logros[k] = 0;
    RegistroPerfil* perfil = PerfilActualJuego();
    CGestorDesbloqueos* gestor = GestorDesbloqueosJuego();

    if (perfil && gestor) {
        const Reglas r{*perfil};
        // The conditions of trophies 7..36, then 38, in rule order.
        const std::function<bool()> condiciones[] = {
            [&] { return r.UNivel(0, NIVEL_CONCENTRAR_JUGAR_A20) && r.UNivel(0, NIVEL_SELLOS_PEQUE1) &&
                         r.UNivel(0, NIVEL_ATAQUES_JUGAR); },
            [&] { return r.HistoriaCompleta(0) || r.HistoriaCompleta(1) || r.HistoriaCompleta(2); },
            [&] { return r.HistoriaCompleta(0) && r.HistoriaCompleta(1) && r.HistoriaCompleta(2); },
            [&] { return r.P(0) >= ETAPAS_HISTORIA; },
            [&] { return r.P(1) >= ETAPAS_HISTORIA; },
            [&] { return r.P(2) >= ETAPAS_HISTORIA; },
            [&] { return perfil->CuentaSellosGaleria() >= 5; },
            [&] { return perfil->CuentaSellosGaleria() >= 15; },
            [&] { return perfil->CuentaSellosGaleria() >= 31; },
            [&] { return perfil->CuentaSellosGaleria() >= 52; },
            [&] { return r.UNivel(0, NIVEL_CONCENTRAR_SIN_FIN); },
            [&] { return r.UNivel(1, NIVEL_CONCENTRAR_SIN_FIN); },
            [&] { return r.UNivel(2, NIVEL_CONCENTRAR_SIN_FIN); },
            [&] { return r.S(TABLA_CONCENTRAR_SIN_FIN, 2) > 10000; },
            [&] { return r.UNivel(0, NIVEL_SELLOS_AZAR); },
            [&] { return r.UNivel(1, NIVEL_SELLOS_AZAR); },
            [&] { return r.UNivel(2, NIVEL_SELLOS_AZAR); },
            [&] { return r.T(TABLA_SELLOS_MULTI, 0) <= TIEMPO_TROFEO_SELLOS; },
            [&] { return r.T(TABLA_SELLOS_MULTI, 1) <= TIEMPO_TROFEO_SELLOS; },
            [&] { return r.T(TABLA_SELLOS_MULTI, 2) <= TIEMPO_TROFEO_SELLOS; },
            [&] { return r.UNivel(0, NIVEL_ATAQUES_SIN_FIN); },
            [&] { return r.UNivel(1, NIVEL_ATAQUES_SIN_FIN); },
            [&] { return r.UNivel(2, NIVEL_ATAQUES_SIN_FIN); },
            [&] { return r.S(TABLA_ATAQUES, 0) > 75000 || r.S(TABLA_ATAQUES_SIN_FIN, 0) > 75000; },
            [&] { return r.S(TABLA_ATAQUES, 1) > 10000000 || r.S(TABLA_ATAQUES_SIN_FIN, 1) > 10000000; },
            [&] { return r.S(TABLA_ATAQUES, 2) > 20000000 || r.S(TABLA_ATAQUES_SIN_FIN, 2) > 20000000; },
            [&] { return r.AlgunaDificultadJugada(5); },
            [&] { return r.AlgunaDificultadJugada(15); },
            [&] { return r.AlgunaDificultadJugada(31); },
            [&] { return r.AlgunaDificultadJugada(53); },
            [&] { return r.TodosLosPersonajes(); },
        };
        static_assert(sizeof condiciones / sizeof condiciones[0] == NUM_LOGROS - 6);

        for (int k = 6; k < NUM_LOGROS; ++k) {
            const int trofeo = k < 36 ? k + 1 : 38;
            const char* nombre = NombreMarcador(MARCADOR_PRIMER_TROFEO + trofeo);
            if (!perfil->EstaDesbloqueado(nombre) && condiciones[k - 6]()) {
                gestor->Desbloquea(nombre, false);
                logros[k] = 1;
            }
        }
    }

    for (int k = 0; k < NUM_LOGROS; ++k)
        if (logros[k]) return true;
    return false;
}
