#include "engine/audio/FicherosSonido.h"

#include "platform/Paths.h"

#include <cstdio>

struct FicheroSonido {
    std::FILE* f = nullptr;
};

FicheroSonido* AbreFicheroSonido(const char* nombre)
{
    if (!nombre || !*nombre) return nullptr;
    std::string ruta;
    if (!plat::ResolveExisting(nombre, &ruta)) return nullptr;
    std::FILE* f = std::fopen(ruta.c_str(), "rb");
    if (!f) return nullptr;
    return new FicheroSonido{f};
}

void CierraFicheroSonido(FicheroSonido* f)
{
    if (!f) return;
    std::fclose(f->f);
    delete f;
}

size_t LeeBloqueSonido(FicheroSonido* f, void* destino, size_t bytes)
{
    if (!f || !destino) return 0;
    return std::fread(destino, 1, bytes, f->f);
}

int SituaFicheroSonido(FicheroSonido* f, int64_t desplazamiento, int origen)
{
    if (!f) return -1;
    int o = origen == 0 ? SEEK_SET : (origen == 1 ? SEEK_END : SEEK_CUR);
    return std::fseek(f->f, long(desplazamiento), o) == 0 ? 0 : -1;
}

int64_t PosicionFicheroSonido(FicheroSonido* f)
{
    if (!f) return -1;
    return std::ftell(f->f);
}

bool LeeFicheroSonido(const char* nombre, std::vector<uint8_t>& datos)
{
    datos.clear();
    FicheroSonido* f = AbreFicheroSonido(nombre);
    if (!f) return false;
    uint8_t bloque[16384];
    size_t n;
    while ((n = LeeBloqueSonido(f, bloque, sizeof bloque)) > 0) datos.insert(datos.end(), bloque, bloque + n);
    CierraFicheroSonido(f);
    return true;
}
