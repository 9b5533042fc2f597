// Fuzzes the .Set font description reader and the widths-file reader with
// the same input.
#include "ServiciosFuzz.h"
#include "engine/graphics/DescripcionFont.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t mida)
{
    if (!fuzz::IniciaServiciosFicheros() || !fuzz::EscribeEntrada("Fuzz.Set", datos, mida)) return 0;
    DescripcionFont d;
    if (LeeDescripcionFont("Fuzz.Set", d)) {
        for (const LetraFont& l : d.m_aLetras) {
            if (l.m_iCodigo < 0 || l.m_iCodigo > 255) __builtin_trap();
            if (l.m_iImagen < 0 || l.m_iImagen >= static_cast<int>(d.m_asImagenes.size())) __builtin_trap();
        }
    }
    float anchos[256];
    LeeAnchosFont("Fuzz.Set", anchos);
    return 0;
}
