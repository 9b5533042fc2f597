// The figure-file reader on arbitrary files: no crash, no undefined
// behaviour; every piece has a colour 0..7 and its record's order, and the
// pieces step and work out their drawing whatever the transform read.
#include "ServiciosFuzz.h"
#include "engine/core/Lista.h"
#include "game/play/Figuras.h"
#include "game/play/RegistroNivel.h"

#include <cstdint>
#include <filesystem>

namespace {

void Comprueba(bool condicion)
{
    if (!condicion) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!fuzz::IniciaServiciosFicheros()) return 0;
    static bool carpeta = plat::MakeFolders(plat::DataRoot() + "/Data/Tapices");
    if (!carpeta || !fuzz::EscribeEntrada("Data/Tapices/Figura.TPZ", data, size)) return 0;

    RegistroNivel nivel;
    nivel.TRAZAR_TIEMPODESVANECIMIENTOESQUIRLAS_MS = size % 3 == 0 ? 0 : 300;
    nivel.TRAZAR_TIEMPODESVANECIMIENTOESQUIRLASTRASILUMINAR_MS = size % 2 == 0 ? 0 : 60;
    CLista lista;
    lista.Inicia();
    CargaTapiz(lista, "Figura.TPZ", nivel);
    CBolaTablero::s_Transformacion = g_TransformacionCarga;
    int anterior = -1;
    if (!lista.EstaVacia())
        for (lista.VaAlPrincipio(); !lista.EsFinal(); lista.Avanza()) {
            auto* p = static_cast<CBolaTablero*>(lista.Actual());
            Comprueba(p->Color() >= 0 && p->Color() <= 7);
            Comprueba(p->Orden() > anterior);
            anterior = p->Orden();
            p->PonEsquirla(p->Orden() % 2 == 0);
            p->Aparece();
            for (int i = 0; i < 40; ++i) p->Actualiza(512.0f, 384.0f);
            p->Coge();
            p->Actualiza(512.0f, 384.0f);
            PasadasBola pasadas;
            p->CalculaPasadas(0.5f, pasadas);
            // A late piece may still be waiting to appear; a taken one draws.
            Comprueba(pasadas.m_iNum <= 6 && (!p->EstaCogida() || pasadas.m_iNum >= 1));
            p->Desvanece();
            p->CalculaPasadas(0.5f, pasadas);
        }
    CBolaTablero::s_Transformacion = TransformacionFigura{};
    BorraPiezas(lista);
    return 0;
}
