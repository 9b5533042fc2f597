// Small synthesiser for the demo sounds and music: instruments rendered into
// float stereo buffers, a room reverb, and writers for WAV and Ogg Vorbis.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sintesis {

constexpr int kTasa = 44100;

// Interleaved stereo, floats around -1..1.
struct Pista {
    std::vector<float> m; // 2 * frames
    size_t Cuadros() const { return m.size() / 2; }
    void Asegura(size_t cuadros)
    {
        if (m.size() < cuadros * 2) m.resize(cuadros * 2, 0.0f);
    }
};

float Frecuencia(float midi);

// Instruments: each adds one note at time t (seconds) with pan -1..1.
void Campana(Pista& p, double t, float midi, float dur, float vol, float pan);
void Pulsada(Pista& p, double t, float midi, float dur, float vol, float pan);
void Colchon(Pista& p, double t, float midi, float dur, float vol, float pan);
void Bajo(Pista& p, double t, float midi, float dur, float vol);
void Caja(Pista& p, double t, float midi, float dur, float vol, float pan); // music box
void Chasquido(Pista& p, double t, float vol, float brillo);

void Reverbera(Pista& p, float mezcla, float sala);
void Normaliza(Pista& p, float pico);
// Folds everything past `cuadros` back onto the start (a seamless loop) and
// cuts the track to that length.
void CierraBucle(Pista& p, size_t cuadros);
void Recorta(Pista& p, size_t cuadros);

bool EscribeWav(const std::string& ruta, const Pista& p, int canales);
bool EscribeOgg(const std::string& ruta, const Pista& p, int canales, int tasa, float calidad);
// Mono or stereo tone of exactly `cuadros` frames at any rate (test files).
bool EscribeOggTono(const std::string& ruta, int canales, int tasa, size_t cuadros, float hz);

} // namespace sintesis
