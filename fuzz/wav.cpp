// Fuzzes the WAV reader: the chunk walk must never point outside the file,
// and a sample loaded from such a file plays or refuses without harm.
#include "ServiciosSonidoFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t mida)
{
    DatosWav w;
    if (AnalizaWav(datos, mida, &w)) {
        if (w.inicio > mida || w.bytes > mida - w.inicio || w.bytes == 0) __builtin_trap();
        if (!w.formato.Valid() || w.bytes % size_t(w.formato.BlockAlign()) != 0) __builtin_trap();
    }
    if (!fuzz::IniciaServiciosSonido() || !fuzz::EscribeEntrada("Fuzz.wav", datos, mida)) return 0;
    CMuestraSonido* m = g_pSistemaSonido->CargaMuestra("Fuzz.wav", 2, true);
    int id = g_pSistemaSonido->TocaMuestra(m, 1.0f);
    if (id >= 0) {
        int16_t salida[2 * 64];
        plat::RenderManualAudio(salida, 64);
        if (g_pSistemaSonido->GetTiempoRestante(id) < 0.0f) __builtin_trap();
        g_pSistemaSonido->ParaInstancia(id);
    }
    g_pSistemaSonido->Actualiza();
    g_pSistemaSonido->LiberaMuestra(m);
    g_pSistemaSonido->DescargaMuestrasSinUso();
    return 0;
}
