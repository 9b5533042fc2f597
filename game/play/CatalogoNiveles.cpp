#include "game/play/CatalogoNiveles.h"

#include <cstdio>

const char* const NombresDificultad[NUM_DIFICULTADES_NIVEL] = {"Pasatiempos", "Puzzle", "Desafio", "Heroico"};

const char* const NombresSoloSellos[MAX_PARTES_GRUPO] = {"Primero", "Segundo", "Tercero",     "Cuarto",
                                                         "Quinto",  "Sexto",   "Septimo",     "Octavo",
                                                         "Noveno",  "MultiSellos", "Azar"};

namespace {

std::string RutaFila(int dificultad, int grupo, int parte)
{
    const std::string dif = NombresDificultad[dificultad];
    char nombre[32];
    if (grupo < NUM_CAPITULOS_HISTORIA) {
        std::snprintf(nombre, sizeof nombre, "Cap_%02d_%d", grupo + 2, parte);
        return "Data\\Niveles\\ModoHistoria\\" + dif + "\\" + nombre + ".lvl";
    }
    switch (grupo) {
    case GRUPO_RAPIDA: return "Data\\Niveles\\ModoHistoria\\" + dif + "\\Rapida.lvl";
    case GRUPO_SOLO_SELLOS: return "Data\\Niveles\\SoloSellos\\" + dif + "\\" + NombresSoloSellos[parte] + ".lvl";
    case GRUPO_SOLO_ATAQUES:
        return "Data\\Niveles\\SoloAtaques\\" + dif + (parte == 0 ? "\\Jugar.lvl" : "\\JugarSinFin.lvl");
    default: return "Data\\Niveles\\SoloConcentrar\\" + dif + (parte == 0 ? "\\JugarA10.lvl" : "\\JugarSinFin.lvl");
    }
}

std::array<FilaCatalogoNiveles, NUM_FILAS_CATALOGO> ConstruyeCatalogo()
{
    std::array<FilaCatalogoNiveles, NUM_FILAS_CATALOGO> filas;
    size_t i = 0;
    for (int d = 0; d < NUM_DIFICULTADES_NIVEL; ++d)
        for (int g = 0; g < NUM_GRUPOS_NIVEL; ++g)
            for (int p = 0; p < PartesPorGrupo[static_cast<size_t>(g)]; ++p) {
                FilaCatalogoNiveles& f = filas[i++];
                f.m_iGrupo = g;
                f.m_iParte = p;
                f.m_iDificultad = d;
                f.m_iTutorial = (g < NUM_CAPITULOS_HISTORIA && p == 0) ? g : TUTORIAL_NINGUNO;
                f.m_sRuta = RutaFila(d, g, p);
            }
    return filas;
}

} // namespace

const std::array<FilaCatalogoNiveles, NUM_FILAS_CATALOGO>& CatalogoNiveles()
{
    static const std::array<FilaCatalogoNiveles, NUM_FILAS_CATALOGO> filas = ConstruyeCatalogo();
    return filas;
}

int EtapaHistoria(int capitulo, int parte)
{
    if (capitulo < 0 || capitulo >= NUM_CAPITULOS_HISTORIA) return -1;
    if (parte < 0 || parte >= PartesPorGrupo[static_cast<size_t>(capitulo)]) return -1;
    return IndiceCatalogo(0, capitulo, parte);
}

bool CapituloYParte(int etapa, int& capitulo, int& parte)
{
    if (etapa < 0 || etapa >= NUM_ETAPAS_HISTORIA) return false;
    for (int c = 0; c < NUM_CAPITULOS_HISTORIA; ++c) {
        const int n = PartesPorGrupo[static_cast<size_t>(c)];
        if (etapa < n) {
            capitulo = c;
            parte = etapa;
            return true;
        }
        etapa -= n;
    }
    return false;
}

int LineaMaximaAlLlegar(int capitulo, int parte)
{
    const int etapa = EtapaHistoria(capitulo, parte);
    int maximo = LINEA_MAXIMA_PRIMERA_ETAPA;
    if (etapa < 0) return maximo;
    for (const EtapaCapitulo& e : EtapasLineaMaxima)
        if (EtapaHistoria(e.m_iCapitulo, e.m_iParte) < etapa) ++maximo;
    return maximo;
}
