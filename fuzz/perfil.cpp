// The profile reader on arbitrary save files: no crash, no undefined
// behaviour, every value in the record within its range, and whatever loads
// is saved and read back unchanged.
#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "game/profiles/RegistroPerfil.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Servicios {
    std::string carpeta;
    std::string ruta;
    Servicios()
    {
        g_pSistemaFitxers = new CSistemaFitxers;
        g_pSistemaFitxers->Inicia("Kestrune", "Marrowgate");
        g_pGestorComandes = new CGestorComandes;
        g_pGestorComandes->Inicia();
        // A memory-backed folder where there is one: every save is synced.
        char memoria[] = "/dev/shm/mg_fuzz_perfil_XXXXXX";
        char plantilla[] = "/tmp/mg_fuzz_perfil_XXXXXX";
        const char* c = mkdtemp(memoria);
        if (!c) c = mkdtemp(plantilla);
        if (!c) std::abort();
        carpeta = c;
        ruta = carpeta + "/Perfil0.SVG";
    }
    ~Servicios()
    {
        for (const char* sufijo : {"", ".bad", ".tmp"}) std::remove((ruta + sufijo).c_str());
        rmdir(carpeta.c_str());
        delete g_pGestorComandes;
        g_pGestorComandes = nullptr;
        delete g_pSistemaFitxers;
        g_pSistemaFitxers = nullptr;
    }
};

void Comprueba(bool condicion)
{
    if (!condicion) __builtin_trap();
}

void CompruebaRangos(const RegistroPerfil& p)
{
    Comprueba(std::strlen(p.m_szNombre) < LONGITUD_NOMBRE);
    Comprueba(p.m_iDificultad >= 0 && p.m_iDificultad < NUM_DIFICULTADES);
    for (const BloqueDificultad& b : p.m_aBloques) {
        const int32_t* d = b.m_aiDatos;
        Comprueba(d[BloqueDificultad::CONTADOR_MAPA] >= 0 && d[BloqueDificultad::CONTADOR_MAPA] <= MAX_CONTADOR_MAPA);
        Comprueba(d[BloqueDificultad::PROGRESO_HISTORIA] >= 0 &&
                  d[BloqueDificultad::PROGRESO_HISTORIA] <= MAX_PROGRESO_HISTORIA);
        Comprueba(d[BloqueDificultad::LINEA_MAXIMA] >= 1 && d[BloqueDificultad::LINEA_MAXIMA] <= LINEA_MAXIMA_TOPE);
        for (int i = BloqueDificultad::PRIMERA_PUNTUACION; i < BloqueDificultad::PRIMER_TIEMPO; ++i) Comprueba(d[i] >= 0);
        for (int i = BloqueDificultad::PRIMER_TIEMPO; i < BloqueDificultad::PRIMERA_JUGADA; ++i)
            Comprueba(d[i] >= 0 && d[i] <= SIN_TIEMPO);
        for (int i = BloqueDificultad::PRIMERA_JUGADA; i < BloqueDificultad::NUM_DATOS; ++i)
            Comprueba(d[i] >= 1 && d[i] <= SIN_JUGADA);
    }
}

std::vector<std::string> Ordenados(CLista& l)
{
    std::vector<std::string> v;
    if (!l.EstaVacia())
        for (l.VaAlPrincipio(); !l.EsFinal(); l.Avanza()) v.emplace_back(static_cast<const char*>(l.Actual()));
    std::sort(v.begin(), v.end());
    return v;
}

bool Iguales(RegistroPerfil& a, RegistroPerfil& b)
{
    if (std::strcmp(a.m_szNombre, b.m_szNombre) != 0) return false;
    for (int k = 0; k < NUM_DIFICULTADES; ++k)
        if (std::memcmp(a.m_aBloques[k].m_aiDatos, b.m_aBloques[k].m_aiDatos, sizeof a.m_aBloques[k].m_aiDatos) != 0)
            return false;
    return Ordenados(a.m_ListaBloqueados) == Ordenados(b.m_ListaBloqueados) &&
           Ordenados(a.m_ListaRecienDesbloqueados) == Ordenados(b.m_ListaRecienDesbloqueados) &&
           Ordenados(a.m_ListaNovedades) == Ordenados(b.m_ListaNovedades);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Servicios s;
    std::remove((s.ruta + ".bad").c_str());
    FILE* f = std::fopen(s.ruta.c_str(), "wb");
    if (!f) return 0;
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);

    RegistroPerfil p;
    Comprueba(p.Carga(s.ruta.c_str(), false));
    CompruebaRangos(p);
    // A file that was not taken is kept aside whole, and the slot starts with
    // the fresh profile's locks, never with everything unlocked.
    FILE* aparte = std::fopen((s.ruta + ".bad").c_str(), "rb");
    if (aparte) {
        std::fclose(aparte);
        Comprueba(p.m_ListaBloqueados.m_iNumElementos == 266);
    }

    p.m_bModificado = 1;
    Comprueba(p.Guarda());
    RegistroPerfil q;
    Comprueba(q.Carga(s.ruta.c_str(), false));
    Comprueba(Iguales(p, q));
    return 0;
}
