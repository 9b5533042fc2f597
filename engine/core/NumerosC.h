// Numbers in text, always in the "C" locale whatever the user's locale (a
// decimal point, never a comma), and integer parsing that saturates instead
// of overflowing.
#pragma once
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <string>

// atoi without undefined behaviour: leading blanks, an optional sign and
// decimal digits; values beyond the 32-bit range are clamped to it; 0 when
// the text does not start with a number. A null text gives 0.
int EnteroDeTexto(const char* texto);
// The same for 64-bit values.
long long Entero64DeTexto(const char* texto);

// atof in the "C" locale; 0 for a null text or one that is not a number.
double RealDeTexto(const char* texto);

// printf-style formatting in the "C" locale.
std::string FormatoC(const char* formato, ...) __attribute__((format(printf, 1, 2)));
std::string FormatoCV(const char* formato, va_list args);
// vfprintf in the "C" locale; the count of bytes written or -1.
int EscribeFormatoC(FILE* f, const char* formato, va_list args);
