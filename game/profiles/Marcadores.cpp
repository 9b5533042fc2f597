#include "game/profiles/Marcadores.h"

#include "engine/core/Lista.h"

#include <cstring>
#include <string>

namespace {

// The names are built once by the grouping rule of the table.
struct TablaNombres {
    std::string nombres[NUM_MARCADORES];
    int16_t padres[NUM_MARCADORES];

    TablaNombres()
    {
        int i = 0;
        auto pon = [&](const std::string& nombre, int padre) {
            nombres[i] = nombre;
            padres[i] = static_cast<int16_t>(padre);
            ++i;
        };
        auto serie = [&](const char* prefijo, int cuantos, int padre) {
            for (int k = 0; k < cuantos; ++k) pon(prefijo + std::to_string(k), padre);
        };

        static const char* const kPrincipal[] = {"MPrin_ModoHistoria",  "MPrin_BotonRapida",
                                                 "MPrin_BotonAtaques",  "MPrin_BotonSoloSellos",
                                                 "MPrin_BotonCofreTesoro", "MPrin_BotonCreditos"};
        for (const char* n : kPrincipal) pon(n, MARCADOR_NINGUNO);
        serie("BoxDif_", 4, MARCADOR_NINGUNO);

        // The level buttons' parents are the main-menu buttons of their mode.
        const int rapida = 1, ataques = 2, soloSellos = 3;
        for (int d = 0; d < 4; ++d) {
            const std::string dif = "_Dif" + std::to_string(d);
            pon("m_pBoton_Concentrar_JugarA20" + dif, rapida);
            pon("m_pBoton_Concentrar_JugarSinFin" + dif, rapida);
            for (int k = 1; k <= 9; ++k) pon("m_pBoton_Sellos_Peque" + std::to_string(k) + dif, soloSellos);
            pon("m_pBoton_Sellos_MultiSellos" + dif, soloSellos);
            pon("m_pBoton_Sellos_Azar" + dif, soloSellos);
            pon("m_pBoton_Ataques_Jugar" + dif, ataques);
            pon("m_pBoton_Ataques_SinFin" + dif, ataques);
        }

        const int cofre = 4;
        static const char* const kCofre[] = {"MCofre_Personajes", "MCofre_Capitulos", "MCofre_Galeria",
                                             "MCofre_BolsasPiezas", "MCofre_Trofeos", "MCofre_Sellos",
                                             "MCofre_Musica"};
        for (const char* n : kCofre) pon(n, cofre);

        serie("MPerso_", NUM_PERSONAJES, MARCADOR_PRIMER_COFRE + 0);
        serie("MCapitulos_", 12, MARCADOR_PRIMER_COFRE + 1);
        serie("MGaleria_", 45, MARCADOR_PRIMER_COFRE + 2);
        serie("MGalSello_", NUM_SELLOS_GALERIA, MARCADOR_PRIMER_COFRE + 5);
        serie("MTrofeo_", NUM_TROFEOS, MARCADOR_PRIMER_COFRE + 4);
        serie("MBolsa_", 7, MARCADOR_PRIMER_COFRE + 3);

        static const char* const kAvisos[] = {"InstSellos", "InstAtaques", "InstConcentrar", "UsadoDeshacer",
                                              "ExplicacionMenuPrincipal", "AvisoCofreTesoro"};
        for (const char* n : kAvisos) pon(n, MARCADOR_NINGUNO);
        for (int k = 1; k <= 12; ++k) pon(std::string(k < 10 ? "Tuto0" : "Tuto") + std::to_string(k), MARCADOR_NINGUNO);
    }
};

const TablaNombres& Tabla()
{
    static const TablaNombres tabla;
    return tabla;
}

constexpr std::array<int16_t, NUM_MARCADORES_INICIALES> ConstruyeIniciales()
{
    std::array<int16_t, NUM_MARCADORES_INICIALES> a{};
    int n = 0;
    for (int i = 1; i <= 5; ++i) a[n++] = static_cast<int16_t>(i);
    for (int i = 9; i <= 251; ++i) a[n++] = static_cast<int16_t>(i);
    a[n++] = 253;
    a[n++] = 252;
    for (int i = 254; i <= 269; ++i) a[n++] = static_cast<int16_t>(i);
    return a;
}

} // namespace

const std::array<int16_t, NUM_MARCADORES_INICIALES> MarcadoresIniciales = ConstruyeIniciales();

int BuscaMarcador(const char* nombre)
{
    if (!nombre) return MARCADOR_NINGUNO;
    const TablaNombres& t = Tabla();
    for (int i = 0; i < NUM_MARCADORES; ++i)
        if (t.nombres[i] == nombre) return i;
    return MARCADOR_NINGUNO;
}

const char* NombreMarcador(int indice)
{
    if (indice < 0 || indice >= NUM_MARCADORES) return "";
    return Tabla().nombres[indice].c_str();
}

int PadreMarcador(int indice)
{
    if (indice < 0 || indice >= NUM_MARCADORES) return MARCADOR_NINGUNO;
    return Tabla().padres[indice];
}

bool BuscaEnLista(const char* nombre, CLista& lista)
{
    if (!nombre || lista.EstaVacia()) return false;
    for (lista.VaAlPrincipio(); !lista.EsFinal(); lista.Avanza()) {
        const char* texto = static_cast<const char*>(lista.Actual());
        if (texto && std::strcmp(texto, nombre) == 0) return true;
    }
    return false;
}
