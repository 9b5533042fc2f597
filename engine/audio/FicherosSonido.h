// How the audio engine reaches its files: whole WAV files, and Ogg streams
// read piece by piece from the sound thread. The one place that knows which
// file system serves them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct FicheroSonido;

// Reads a whole file; false when it cannot be opened or read.
bool LeeFicheroSonido(const char* nombre, std::vector<uint8_t>& datos);

// A file open for binary reading, or null.
FicheroSonido* AbreFicheroSonido(const char* nombre);
void CierraFicheroSonido(FicheroSonido* f);
// Bytes read (0 at the end or on error).
size_t LeeBloqueSonido(FicheroSonido* f, void* destino, size_t bytes);
// Origin 0 from the start, 1 from the end, 2 from the current position.
// 0 on success, -1 on failure.
int SituaFicheroSonido(FicheroSonido* f, int64_t desplazamiento, int origen);
int64_t PosicionFicheroSonido(FicheroSonido* f);
