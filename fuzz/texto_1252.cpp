// Fuzzes the conversion of typed text (UTF-8, as the system's text input
// sends it) to the fonts' single-byte code page, into a small buffer.
#include "platform/Input.h"

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t mida)
{
    std::vector<char> texto(datos, datos + mida);
    texto.push_back('\0');
    unsigned char salida[32];
    std::memset(salida, 0xCC, sizeof salida);
    const size_t capacidad = mida % 17;
    const size_t n = plat::Utf8ToWindows1252(texto.data(), salida, capacidad);
    if (n > capacidad || n > std::strlen(texto.data())) __builtin_trap();
    for (size_t i = 0; i < n; ++i)
        if (salida[i] == 0) __builtin_trap();
    for (size_t i = capacidad; i < sizeof salida; ++i)
        if (salida[i] != 0xCC) __builtin_trap();
    return 0;
}
