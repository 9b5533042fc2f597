// A sound file of the data decoded for a test: a WAV sample or an Ogg
// Vorbis piece as floats, and what a listener would check of a loop.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace mgtest {

struct SonidoPrueba {
    int canales = 0, tasa = 0;
    std::vector<float> m; // interleaved, -1..1
    size_t Cuadros() const { return canales ? m.size() / size_t(canales) : 0; }
    double Segundos() const { return tasa ? double(Cuadros()) / tasa : 0.0; }
    float Pico() const;
    // Root mean square of frames [desde, desde + n) (all channels).
    float Rms(size_t desde, size_t n) const;
    float Rms() const { return Rms(0, Cuadros()); }
};

// The data name decoded through g_pSistemaFitxers (.ogg as Ogg Vorbis, else
// a WAV of 8 or 16 bits); nothing when it cannot be read or decoded.
std::optional<SonidoPrueba> DecodificaSonido(const std::string& nombre);

// Why the sound, played over and over, would not join cleanly ("" when it
// does): a jump across the seam larger than the steps around it (a click),
// or an edge of the loop much quieter than the rest (a gap).
std::string CosturaDelBucle(const SonidoPrueba& s);

} // namespace mgtest
