#include "game/play/CatalogoNiveles.h"

#include "game/CatalogoJuego.h"

#include <cstring>
#include <vector>

const char* const NombresDificultad[NUM_DIFICULTADES_NIVEL] = {"Pasatiempos", "Puzzle", "Desafio", "Heroico"};

const char* const NombresSoloSellos[MAX_PARTES_GRUPO] = {"Primero", "Segundo", "Tercero",     "Cuarto",
                                                         "Quinto",  "Sexto",   "Septimo",     "Octavo",
                                                         "Noveno",  "MultiSellos", "Azar"};

namespace {

// The level files are rows of the game's content catalogue, in the table's
// order.
std::vector<const char*> RutasDelCatalogo()
{
    std::vector<const char*> r;
    for (const FilaCatalogo& f : juego::kCatalogo)
        if (f.tipo == TipoContenido::Fichero && std::strcmp(f.clase, "CTablaNiveles") == 0) r.push_back(f.nombre);
    return r;
}

std::array<FilaCatalogoNiveles, NUM_FILAS_CATALOGO> ConstruyeCatalogo()
{
    std::array<FilaCatalogoNiveles, NUM_FILAS_CATALOGO> filas;
    const std::vector<const char*> rutas = RutasDelCatalogo();
    size_t i = 0;
    for (int d = 0; d < NUM_DIFICULTADES_NIVEL; ++d)
        for (int g = 0; g < NUM_GRUPOS_NIVEL; ++g)
            for (int p = 0; p < PartesPorGrupo[static_cast<size_t>(g)]; ++p) {
                FilaCatalogoNiveles& f = filas[i++];
                f.m_iGrupo = g;
                f.m_iParte = p;
                f.m_iDificultad = d;
                f.m_iTutorial = (g < NUM_CAPITULOS_HISTORIA && p == 0) ? g : TUTORIAL_NINGUNO;
                // A row missing from the content catalogue names no file (the
                // level table then fails at start-up, naming the slot).
                f.m_sRuta = i - 1 < rutas.size() ? rutas[i - 1] : "";
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
