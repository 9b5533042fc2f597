#include "engine/core/NumerosC.h"

#include <cctype>
#include <climits>
#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace {

locale_t LocaleC()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// Switches the calling thread to the "C" locale for its lifetime.
class AmbitLocaleC {
public:
    AmbitLocaleC() : m_anterior(LocaleC() ? uselocale(LocaleC()) : static_cast<locale_t>(nullptr)) {}
    ~AmbitLocaleC()
    {
        if (m_anterior) uselocale(m_anterior);
    }
    AmbitLocaleC(const AmbitLocaleC&) = delete;
    AmbitLocaleC& operator=(const AmbitLocaleC&) = delete;

private:
    locale_t m_anterior;
};

} // namespace

long long Entero64DeTexto(const char* texto)
{
    if (!texto) return 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(texto);
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    bool negatiu = false;
    if (*p == '+' || *p == '-') negatiu = (*p++ == '-');
    // Accumulate as a negative number so that LLONG_MIN fits.
    long long v = 0;
    bool desbordat = false;
    for (; *p >= '0' && *p <= '9'; ++p) {
        int d = *p - '0';
        if (v < (LLONG_MIN + d) / 10) {
            desbordat = true;
            continue;
        }
        v = v * 10 - d;
    }
    if (desbordat) return negatiu ? LLONG_MIN : LLONG_MAX;
    if (negatiu) return v;
    return v == LLONG_MIN ? LLONG_MAX : -v;
}

int EnteroDeTexto(const char* texto)
{
    long long v = Entero64DeTexto(texto);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

double RealDeTexto(const char* texto)
{
    if (!texto) return 0.0;
    if (LocaleC()) return strtod_l(texto, nullptr, LocaleC());
    return std::strtod(texto, nullptr);
}

std::string FormatoCV(const char* formato, va_list args)
{
    AmbitLocaleC ambit;
    char petit[256];
    va_list copia;
    va_copy(copia, args);
    int n = std::vsnprintf(petit, sizeof petit, formato, copia);
    va_end(copia);
    if (n < 0) return std::string();
    if (static_cast<size_t>(n) < sizeof petit) return std::string(petit, static_cast<size_t>(n));
    std::string gran(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(gran.data(), gran.size(), formato, args);
    gran.resize(static_cast<size_t>(n));
    return gran;
}

std::string FormatoC(const char* formato, ...)
{
    va_list args;
    va_start(args, formato);
    std::string s = FormatoCV(formato, args);
    va_end(args);
    return s;
}

int EscribeFormatoC(FILE* f, const char* formato, va_list args)
{
    if (!f || !formato) return -1;
    AmbitLocaleC ambit;
    return std::vfprintf(f, formato, args);
}
