#include "engine/audio/FicherosSonido.h"

#include "engine/core/SistemaFitxers.h"

// Sound files come through the data file system (archive first, then disk);
// it serialises the main thread's and the sound thread's reads.
struct FicheroSonido {
    CSistemaFitxers* sistema = nullptr;
    EntradaFitxer* entrada = nullptr;
};

FicheroSonido* AbreFicheroSonido(const char* nombre)
{
    if (!nombre || !*nombre || !g_pSistemaFitxers) return nullptr;
    EntradaFitxer* e = g_pSistemaFitxers->Obre(nombre, FITXER_LECTURA | FITXER_BINARI);
    if (!e) return nullptr;
    return new FicheroSonido{g_pSistemaFitxers, e};
}

void CierraFicheroSonido(FicheroSonido* f)
{
    if (!f) return;
    f->sistema->Tanca(f->entrada);
    delete f;
}

size_t LeeBloqueSonido(FicheroSonido* f, void* destino, size_t bytes)
{
    if (!f || !destino || bytes == 0) return 0;
    int n = f->sistema->Llegeix(destino, 1, int(bytes > 0x7fffffff ? 0x7fffffff : bytes), f->entrada);
    return n > 0 ? size_t(n) : 0;
}

int SituaFicheroSonido(FicheroSonido* f, int64_t desplazamiento, int origen)
{
    if (!f) return -1;
    return f->sistema->Situa(f->entrada, long(desplazamiento), origen) == 0 ? 0 : -1;
}

int64_t PosicionFicheroSonido(FicheroSonido* f)
{
    if (!f) return -1;
    return f->sistema->Posicio(f->entrada);
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
