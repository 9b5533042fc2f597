#include "kit/SonidoPrueba.h"

#include "engine/core/SistemaFitxers.h"
#include "engine/audio/SistemaSonido.h"
#include "platform/Audio.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace mgtest {

namespace {

std::optional<std::string> Lee(const std::string& nombre)
{
    EntradaFitxer* f = g_pSistemaFitxers ? g_pSistemaFitxers->Obre(nombre.c_str(), FITXER_LECTURA | FITXER_BINARI)
                                         : nullptr;
    if (!f) return std::nullopt;
    std::string bytes;
    char bloque[65536];
    int n;
    while ((n = g_pSistemaFitxers->Llegeix(bloque, 1, sizeof bloque, f)) > 0) bytes.append(bloque, size_t(n));
    g_pSistemaFitxers->Tanca(f);
    return bytes;
}

struct Memoria {
    const std::string* bytes;
    size_t pos = 0;
};
size_t LeeMemoria(void* destino, size_t tam, size_t n, void* origen)
{
    auto* m = static_cast<Memoria*>(origen);
    const size_t copia = std::min(m->bytes->size() - m->pos, tam * n);
    std::memcpy(destino, m->bytes->data() + m->pos, copia);
    m->pos += copia;
    return tam ? copia / tam : 0;
}
int SituaMemoria(void* origen, ogg_int64_t desp, int desde)
{
    auto* m = static_cast<Memoria*>(origen);
    const int64_t base = desde == SEEK_SET ? 0 : desde == SEEK_CUR ? int64_t(m->pos) : int64_t(m->bytes->size());
    const int64_t pos = base + desp;
    if (pos < 0 || pos > int64_t(m->bytes->size())) return -1;
    m->pos = size_t(pos);
    return 0;
}
long PosicionMemoria(void* origen) { return long(static_cast<Memoria*>(origen)->pos); }

std::optional<SonidoPrueba> Ogg(const std::string& bytes)
{
    Memoria mem{&bytes};
    OggVorbis_File vf;
    const ov_callbacks cb{LeeMemoria, SituaMemoria, nullptr, PosicionMemoria};
    if (ov_open_callbacks(&mem, &vf, nullptr, 0, cb) != 0) return std::nullopt;
    SonidoPrueba s;
    if (const vorbis_info* info = ov_info(&vf, -1)) {
        s.canales = info->channels;
        s.tasa = int(info->rate);
    }
    bool bien = s.canales > 0;
    while (bien) {
        float** pcm = nullptr;
        int seccion = 0;
        const long n = ov_read_float(&vf, &pcm, 4096, &seccion);
        if (n == 0) break;
        const vorbis_info* info = ov_info(&vf, seccion);
        if (n < 0 || !info || info->channels != s.canales) bien = false;
        for (long i = 0; bien && i < n; ++i)
            for (int c = 0; c < s.canales; ++c) s.m.push_back(pcm[c][i]);
    }
    ov_clear(&vf);
    if (!bien) return std::nullopt;
    return s;
}

std::optional<SonidoPrueba> Wav(const std::string& bytes)
{
    DatosWav d;
    if (!AnalizaWav(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &d)) return std::nullopt;
    SonidoPrueba s;
    s.canales = d.formato.channels;
    s.tasa = int(d.formato.rate);
    if (s.canales <= 0) return std::nullopt;
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data()) + d.inicio;
    if (d.formato.bitsPerSample == 16)
        for (size_t i = 0; i + 1 < d.bytes; i += 2) s.m.push_back(float(int16_t(uint16_t(p[i] | (p[i + 1] << 8)))) / 32768.0f);
    else
        for (size_t i = 0; i < d.bytes; ++i) s.m.push_back(float(int(p[i]) - 128) / 128.0f);
    s.m.resize(s.Cuadros() * size_t(s.canales));
    return s;
}

} // namespace

float SonidoPrueba::Pico() const
{
    float p = 0.0f;
    for (float x : m) p = std::max(p, std::fabs(x));
    return p;
}

float SonidoPrueba::Rms(size_t desde, size_t n) const
{
    const size_t hasta = std::min(Cuadros(), desde + n);
    double s = 0.0;
    for (size_t i = desde * size_t(canales); i < hasta * size_t(canales); ++i) s += double(m[i]) * m[i];
    return hasta > desde ? float(std::sqrt(s / double((hasta - desde) * size_t(canales)))) : 0.0f;
}

std::optional<SonidoPrueba> DecodificaSonido(const std::string& nombre)
{
    const auto bytes = Lee(nombre);
    if (!bytes) return std::nullopt;
    const bool ogg = nombre.size() > 4 && strcasecmp(nombre.c_str() + nombre.size() - 4, ".ogg") == 0;
    return ogg ? Ogg(*bytes) : Wav(*bytes);
}

std::string CosturaDelBucle(const SonidoPrueba& s)
{
    const size_t n = s.Cuadros(), k = size_t(s.canales), ventana = size_t(s.tasa / 100); // 10 ms
    if (n < 4 * ventana || ventana == 0) return "too short to loop";
    char texto[160];
    for (size_t c = 0; c < k; ++c) {
        const auto x = [&](size_t i) { return s.m[(i % n) * k + c]; };
        // The largest step between neighbouring frames within 10 ms of the seam, either side.
        float paso = 0.0f;
        for (size_t i = n - ventana; i < n + ventana; ++i)
            if (i != n - 1) paso = std::max(paso, std::fabs(x(i + 1) - x(i)));
        const float salto = std::fabs(x(0) - x(n - 1));
        if (salto > 2.0f * paso + 0.002f) {
            std::snprintf(texto, sizeof texto, "channel %zu jumps by %.4f across the seam where its steps are at most %.4f",
                          c, double(salto), double(paso));
            return texto;
        }
    }
    // Neither edge a gap: each quarter second at the seam holds a tenth of
    // the loop's level at least.
    const float total = s.Rms(), cuarto = float(s.tasa) / 4.0f;
    const float fin = s.Rms(n - size_t(cuarto), size_t(cuarto)), inicio = s.Rms(0, size_t(cuarto));
    if (std::min(inicio, fin) < 0.1f * total) {
        std::snprintf(texto, sizeof texto, "the loop's %s is nearly silent (%.4f against %.4f)",
                      inicio < fin ? "start" : "end", double(std::min(inicio, fin)), double(total));
        return texto;
    }
    return "";
}

} // namespace mgtest
