#include "game/story/EfectoSecTazmo.h"

#include "game/story/EfectoDibujable.h"
#include "game/story/EfectoMultiParticula.h"

#include <algorithm>
#include <strings.h>

namespace {

constexpr float kGiroLento = 0.052359868f, kGiroRapido = 0.10471974f;
constexpr float kVuelta = 6.283184f;

// name, emits, drawn, period, life, x, y, z, first sprite, sprite count
const FilaEfectoEscena kEfectos[NUM_EFECTOS_ESCENA] = {
    {"RayosSolArriba", true, false, 5, 60, {0, 1280}, {-100, -100}, {0, 0}, 0, 1},
    {"HojasVerdes", true, false, 15, 180, {0, 1280}, {-10, -5}, {kGiroLento, kGiroRapido}, 10, 4},
    {"HojasTarde", true, false, 15, 180, {0, 1280}, {-10, -5}, {kGiroLento, kGiroRapido}, 44, 4},
    {"Polvo", true, false, 15, 600, {-100, -50}, {0, 256}, {1, 5}, 23, 1},
    {"ChispasPrision", true, false, 5, 60, {0, 1024}, {0, 768}, {kGiroLento, kGiroRapido}, 20, 2},
    {"ChispasLimbo", true, false, 5, 60, {0, 1024}, {0, 768}, {kGiroLento, kGiroRapido}, 30, 2},
    {"ChispasLimboMalvado", true, false, 5, 60, {0, 1024}, {0, 768}, {kGiroLento, kGiroRapido}, 32, 2},
    {"HumoComida", true, false, 5, 150, {-64, 1088}, {256, 256}, {3, 4}, 24, 1},
    {"FuenteMigas", true, false, 1, 30, {384, 640}, {256, 512}, {-kGiroRapido, kGiroRapido}, 34, 1},
    {"VentanasAdeletia", true, false, 5, 60, {0, 0}, {0, 0}, {0, 0}, 0, 1},
    {"VentanasAdeletiaDia", true, false, 5, 60, {0, 0}, {0, 0}, {0, 0}, 0, 1},
    {"VentanasAldunia", true, false, 5, 60, {0, 0}, {0, 0}, {0, 0}, 0, 1},
    {"AmbienteLaboratorio", true, false, 15, 75, {-64, 1088}, {680, 832}, {3, 4}, 25, 1},
    {"EsperitosLimbo", true, false, 1, 60, {0, 0}, {0, 0}, {0, 0}, 29, 1},
    {"EsperitosLimboMalvado", true, false, 1, 60, {0, 0}, {0, 0}, {0, 0}, 29, 1},
    {"StokinnenConcentra", true, false, 1, 30, {200, 600}, {0, 300}, {0.1f, 0.3f}, 35, 1},
    {"StokinnenLanza", false, false, 0, 0, {0, 0}, {0, 0}, {0, 0}, 0, 0},
    {"SelloSeInstalaEnLimbo", false, false, 0, 0, {0, 0}, {0, 0}, {0, 0}, 0, 0},
    {"SelloEnLimbo", true, false, 15, 20, {768, 768}, {384, 384}, {0, 0}, 0, 2},
    {"DanyoSelloTeresia", true, false, 3, 30, {700, 800}, {300, 400}, {0, kVuelta}, 41, 2},
    {"TeresiaCarga", true, false, 1, 30, {-200, 200}, {-200, 200}, {0.1f, 0.3f}, 37, 1},
    {"TeresiaAtacaYDa", true, false, 1, 30, {-200, 200}, {-200, 200}, {0.1f, 0.3f}, 37, 1},
    {"TeresiaAtacaYRebota", true, false, 1, 30, {-200, 200}, {-200, 200}, {0.1f, 0.3f}, 37, 1},
    {"MaidaRecibeDanyo", true, false, 3, 30, {200, 300}, {300, 400}, {0, kVuelta}, 39, 2},
    {"AdeletiaCargaSello", true, false, 10, 60, {512, 512}, {384, 384}, {0, 0}, 0, 1},
    {"AlfatimaCargaSello", true, false, 10, 60, {256, 256}, {384, 384}, {0, 0}, 1, 1},
    {"AlduniaCargaSello", true, false, 10, 60, {768, 768}, {384, 384}, {0, 0}, 2, 1},
    {"MaidaRecibePrimerSello", true, false, 10, 60, {256, 256}, {384, 384}, {0, 0}, 0, 1},
    {"MaidaRecibeSegundoSello", true, false, 10, 60, {256, 256}, {384, 384}, {0, 0}, 1, 1},
    {"MaidaRecibeTercerSello", true, false, 10, 60, {256, 256}, {384, 384}, {0, 0}, 2, 1},
    {"MaidaPrimerNivel", true, false, 10, 60, {150, 350}, {100, 600}, {0, 0}, 43, 1},
    {"MaidaSegundoNivel", true, false, 3, 60, {150, 350}, {100, 600}, {0, 0}, 43, 1},
    {"MaidaTercerNivel", true, false, 5, 60, {150, 350}, {100, 600}, {0, 0}, 43, 1},
    {"MaidaConcentra", true, false, 1, 30, {0, 0}, {0, 0}, {0, 0}, 43, 1},
    {"MaidaAtaca", false, false, 0, 0, {0, 0}, {0, 0}, {0, 0}, 0, 0},
    {"PetalosDeRosaCayendo", true, false, 15, 180, {0, 1280}, {-10, -5}, {kGiroLento, kGiroRapido}, 15, 4},
    {"MaidaEnPaz", true, false, 10, 60, {150, 350}, {100, 600}, {0, 0}, 43, 1},
    {"TeresiaEnPaz", true, false, 10, 60, {650, 850}, {100, 600}, {0, 0}, 43, 1},
    {"NeblinaManyana", false, true, 0, 0, {0, 0}, {0, 0}, {0, 0}, 1, 1},
    {"NeblinaTarde", false, true, 0, 0, {0, 0}, {0, 0}, {0, 0}, 1, 1},
    {"LuzTarde", false, true, 0, 0, {0, 0}, {0, 0}, {0, 0}, 1, 1},
    {"EfectoPuertaReventada", true, false, 1, 30, {0.3f, 1.0f}, {100, 400}, {-kGiroRapido, kGiroRapido}, 48, 3},
};

} // namespace

const FilaEfectoEscena& FilaEfecto(int iTipo) { return kEfectos[std::clamp(iTipo, 0, NUM_EFECTOS_ESCENA - 1)]; }

int BuscaTipoEfecto(const char* szNombre)
{
    if (!szNombre) return EFECTO_ESCENA_NINGUNO;
    for (int i = 0; i < NUM_EFECTOS_ESCENA; ++i)
        if (strcasecmp(kEfectos[i].nombre, szNombre) == 0) return i;
    return EFECTO_ESCENA_NINGUNO;
}

CEfectoSecTazmo::~CEfectoSecTazmo() = default;

bool CEfectoSecTazmo::Carga(int iTipo)
{
    m_iTipo = iTipo;
    m_bCargado = iTipo != EFECTO_ESCENA_NINGUNO;
    return m_bCargado;
}

std::unique_ptr<CEfectoSecTazmo> CreaEfectoSecuencia(const char* szNombre)
{
    const int iTipo = BuscaTipoEfecto(szNombre);
    if (iTipo < 0 || iTipo >= NUM_EFECTOS_ESCENA) return nullptr;
    const FilaEfectoEscena& f = kEfectos[iTipo];
    std::unique_ptr<CEfectoSecTazmo> e;
    if (f.dibujado)
        e = std::make_unique<CEfectoDibujable>();
    else if (f.emite)
        e = std::make_unique<CEfectoMultiParticula>();
    else
        return nullptr;
    if (!e->Carga(iTipo)) return nullptr;
    return e;
}
