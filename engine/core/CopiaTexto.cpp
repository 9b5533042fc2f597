#include "engine/core/CopiaTexto.h"

#include <cstring>

char* CopiaTexto(const char* szTexto)
{
    if (!szTexto) return nullptr;
    size_t n = std::strlen(szTexto);
    char* p = new char[n + 1];
    std::memcpy(p, szTexto, n + 1);
    return p;
}
