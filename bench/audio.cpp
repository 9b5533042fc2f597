// Mixing cost: 32 simultaneous 16-bit stereo voices, every voice's volume
// changed on every block, for 10 s of output at 44.1 kHz, on the manual
// device (the mixer alone, one core). realtime_fraction = mixing time /
// length of the audio mixed; the target is under 1/200.
#include "platform/Audio.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

namespace {

constexpr int kVoces = 32;
constexpr int kBloque = 1024; // frames per block, as the output callback asks
constexpr double kSegundos = 10.0;

void BM_Mezcla32Voces(benchmark::State& state)
{
    plat::UseManualAudio(true);
    plat::OpenAudio();
    std::vector<plat::AudioBuffer*> voces;
    uint32_t semilla = 1;
    for (int v = 0; v < kVoces; ++v) {
        plat::AudioFormat f;
        f.channels = 2;
        f.bitsPerSample = 16;
        f.rate = 44100;
        // Lengths differ so the voices wrap at different places.
        const uint32_t cuadros = 30000 + uint32_t(v) * 1171;
        plat::AudioBuffer* b = plat::CreateAudioBuffer(f, cuadros * 4);
        void* p = nullptr;
        plat::LockAudioBuffer(b, 0, cuadros * 4, &p);
        auto* s = static_cast<int16_t*>(p);
        for (uint32_t i = 0; i < cuadros * 2; ++i) {
            semilla = semilla * 1664525u + 1013904223u;
            s[i] = int16_t(semilla >> 20); // quiet noise
        }
        plat::UnlockAudioBuffer(b);
        plat::PlayAudioBuffer(b, true);
        voces.push_back(b);
    }
    const int bloques = int(kSegundos * plat::kMixRate) / kBloque;
    std::vector<int16_t> salida(size_t(kBloque) * 2);
    double fraccion = 0.0;
    int vueltas = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        for (int k = 0; k < bloques; ++k) {
            for (int v = 0; v < kVoces; ++v) plat::SetAudioBufferVolume(voces[size_t(v)], -((k * 37 + v * 101) % 3000));
            plat::RenderManualAudio(salida.data(), kBloque);
        }
        benchmark::DoNotOptimize(salida.data());
        double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        fraccion += t / (double(bloques) * kBloque / plat::kMixRate);
        ++vueltas;
    }
    state.counters["realtime_fraction"] = fraccion / vueltas;
    for (plat::AudioBuffer* b : voces) plat::ReleaseAudioBuffer(b);
    plat::CloseAudio();
    plat::UseManualAudio(false);
}
BENCHMARK(BM_Mezcla32Voces)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
