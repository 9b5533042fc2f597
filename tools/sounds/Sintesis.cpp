#include "Sintesis.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace sintesis {
namespace {

constexpr double kPi = 3.14159265358979323846;

uint32_t g_semilla = 12345;
float Ruido()
{
    g_semilla = g_semilla * 1664525u + 1013904223u;
    return float(g_semilla >> 8) / float(1u << 24) * 2.0f - 1.0f;
}

// Equal-power pan gains.
struct Pan {
    float l, r;
    explicit Pan(float pan)
    {
        float a = (std::clamp(pan, -1.0f, 1.0f) + 1.0f) * float(kPi) / 4.0f;
        l = std::cos(a);
        r = std::sin(a);
    }
};

void Suma(Pista& p, size_t i, float v, const Pan& g)
{
    p.m[2 * i] += v * g.l;
    p.m[2 * i + 1] += v * g.r;
}

// A sine by rotation: one multiply-add pair per sample instead of sin().
struct Oscilador {
    double c = 1.0, s = 0.0, cw, sw;
    int cuenta = 0;
    Oscilador(double hz, double fase = 0.0) : c(std::cos(fase)), s(std::sin(fase))
    {
        double w = 2.0 * kPi * hz / kTasa;
        cw = std::cos(w);
        sw = std::sin(w);
    }
    float Siguiente()
    {
        float v = float(s);
        double nc = c * cw - s * sw;
        s = s * cw + c * sw;
        c = nc;
        if (++cuenta == 4096) {
            cuenta = 0;
            double m = 1.0 / std::sqrt(c * c + s * s);
            c *= m;
            s *= m;
        }
        return v;
    }
};

size_t Cuadro(double t) { return size_t(std::max(0.0, t) * kTasa + 0.5); }

// Attack then exponential decay; a short release at the end of `dur`.
float Envolvente(double x, float ataque, float caida, float dur)
{
    if (x < 0) return 0.0f;
    float e = x < ataque ? float(x / ataque) : std::exp(-float(x - ataque) / caida);
    float liberar = 0.03f;
    if (x > dur - liberar) e *= std::max(0.0f, float((dur - x) / liberar));
    return e;
}

void Le16(std::FILE* f, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) std::fputc(int((v >> (8 * i)) & 0xff), f);
}

} // namespace

float Frecuencia(float midi) { return 440.0f * std::pow(2.0f, (midi - 69.0f) / 12.0f); }

void Campana(Pista& p, double t, float midi, float dur, float vol, float pan)
{
    static const float razon[] = {1.0f, 2.0f, 2.76f, 4.07f, 5.43f, 6.8f};
    static const float amp[] = {1.0f, 0.42f, 0.22f, 0.12f, 0.06f, 0.03f};
    const float f = Frecuencia(midi);
    const size_t i0 = Cuadro(t), n = Cuadro(dur);
    p.Asegura(i0 + n);
    for (size_t k = 0; k < 6; ++k) {
        float fk = f * razon[k];
        if (fk > 16000.0f) break;
        float caida = dur * 0.35f / (1.0f + float(k) * 0.9f);
        Oscilador o(fk);
        Pan g(pan);
        for (size_t j = 0; j < n; ++j) {
            float e = Envolvente(double(j) / kTasa, 0.002f, caida, dur);
            Suma(p, i0 + j, vol * amp[k] * e * o.Siguiente(), g);
        }
    }
}

void Pulsada(Pista& p, double t, float midi, float dur, float vol, float pan)
{
    const float f = Frecuencia(midi);
    const size_t i0 = Cuadro(t), n = Cuadro(dur);
    p.Asegura(i0 + n);
    size_t largo = std::max<size_t>(2, size_t(kTasa / f));
    std::vector<float> linea(largo);
    float previo = 0.0f;
    for (float& x : linea) {
        // Softened noise: a warmer string.
        previo = previo * 0.5f + Ruido() * 0.5f;
        x = previo;
    }
    size_t pos = 0;
    Pan g(pan);
    for (size_t j = 0; j < n; ++j) {
        float actual = linea[pos];
        float siguiente = linea[(pos + 1) % largo];
        linea[pos] = 0.5f * (actual + siguiente) * 0.996f;
        pos = (pos + 1) % largo;
        float e = Envolvente(double(j) / kTasa, 0.001f, 10.0f, dur);
        Suma(p, i0 + j, vol * actual * e, g);
    }
}

void Colchon(Pista& p, double t, float midi, float dur, float vol, float pan)
{
    const float f = Frecuencia(midi);
    const size_t i0 = Cuadro(t), n = Cuadro(dur);
    p.Asegura(i0 + n);
    const float desafinado[] = {-0.004f, 0.0f, 0.0045f};
    const float ataque = std::min(0.8f, dur * 0.3f), liberar = std::min(1.0f, dur * 0.4f);
    for (float d : desafinado) {
        for (int k = 1; k <= 6; ++k) {
            float fk = f * float(k) * (1.0f + d);
            float a = 1.0f / std::pow(float(k), 1.8f);
            Oscilador o(fk, double(k) * 1.7 + double(d) * 300.0);
            // A slow swell keeps the pad breathing.
            Oscilador respiro(0.25, double(k));
            Pan g(pan + d * 60.0f);
            for (size_t j = 0; j < n; ++j) {
                double x = double(j) / kTasa;
                float e = x < ataque ? float(x / ataque) : 1.0f;
                if (x > dur - liberar) e *= float(std::max(0.0, (dur - x) / liberar));
                float respira = 0.85f + 0.15f * respiro.Siguiente();
                Suma(p, i0 + j, vol * a * e * respira * o.Siguiente() / 3.0f, g);
            }
        }
    }
}

void Bajo(Pista& p, double t, float midi, float dur, float vol)
{
    const float f = Frecuencia(midi);
    const size_t i0 = Cuadro(t), n = Cuadro(dur);
    p.Asegura(i0 + n);
    Oscilador o1(f), o2(2.0 * f);
    Pan g(0.0f);
    for (size_t j = 0; j < n; ++j) {
        float e = Envolvente(double(j) / kTasa, 0.015f, dur * 0.6f, dur);
        float s = o1.Siguiente() + 0.25f * o2.Siguiente();
        Suma(p, i0 + j, vol * e * s, g);
    }
}

void Caja(Pista& p, double t, float midi, float dur, float vol, float pan)
{
    const float f = Frecuencia(midi);
    const size_t i0 = Cuadro(t), n = Cuadro(dur);
    p.Asegura(i0 + n);
    const float razon[] = {1.0f, 2.99f, 5.2f};
    const float amp[] = {1.0f, 0.22f, 0.08f};
    for (int k = 0; k < 3; ++k) {
        Oscilador o(f * razon[k]);
        Pan g(pan);
        float caida = dur * 0.3f / (1.0f + float(k) * 1.5f);
        for (size_t j = 0; j < n; ++j) {
            float e = Envolvente(double(j) / kTasa, 0.001f, caida, dur);
            Suma(p, i0 + j, vol * amp[k] * e * o.Siguiente(), g);
        }
    }
}

void Chasquido(Pista& p, double t, float vol, float brillo)
{
    const size_t i0 = Cuadro(t), n = Cuadro(0.05);
    p.Asegura(i0 + n);
    float lento = 0.0f, rapido = 0.0f;
    Oscilador o(1800.0 + 2200.0 * brillo);
    Pan g(0.0f);
    for (size_t j = 0; j < n; ++j) {
        double x = double(j) / kTasa;
        // A band of noise for the tick itself...
        float r = Ruido();
        rapido += (r - rapido) * 0.6f;
        lento += (r - lento) * 0.08f;
        float tic = (rapido - lento) * std::exp(-float(x) / 0.0025f);
        // ...and a tiny pitched body under it.
        float cuerpo = 0.5f * o.Siguiente() * std::exp(-float(x) / 0.012f);
        Suma(p, i0 + j, vol * (tic + cuerpo), g);
    }
}

void Reverbera(Pista& p, float mezcla, float sala)
{
    const size_t n = p.Cuadros();
    const int combs[4] = {1116, 1188, 1277, 1356};
    const int pasos[2] = {556, 441};
    for (int c = 0; c < 2; ++c) {
        const int extra = c == 0 ? 0 : 23;
        std::vector<std::vector<float>> linea(4), ap(2);
        std::vector<size_t> pos(4, 0), posAp(2, 0);
        std::vector<float> filtro(4, 0.0f);
        for (int k = 0; k < 4; ++k) linea[k].assign(size_t(combs[k] + extra), 0.0f);
        for (int k = 0; k < 2; ++k) ap[k].assign(size_t(pasos[k] + extra), 0.0f);
        for (size_t i = 0; i < n; ++i) {
            float entrada = p.m[2 * i + size_t(c)] * 0.25f;
            float salida = 0.0f;
            for (int k = 0; k < 4; ++k) {
                float y = linea[k][pos[k]];
                filtro[k] = y * 0.7f + filtro[k] * 0.3f;
                linea[k][pos[k]] = entrada + filtro[k] * sala;
                pos[k] = (pos[k] + 1) % linea[k].size();
                salida += y;
            }
            for (int k = 0; k < 2; ++k) {
                float b = ap[k][posAp[k]];
                ap[k][posAp[k]] = salida + b * 0.5f;
                posAp[k] = (posAp[k] + 1) % ap[k].size();
                salida = b - salida;
            }
            p.m[2 * i + size_t(c)] += salida * mezcla;
        }
    }
}

void Normaliza(Pista& p, float pico)
{
    float maximo = 0.0f;
    for (float x : p.m) maximo = std::max(maximo, std::fabs(x));
    if (maximo <= 0.0f) return;
    for (float& x : p.m) x *= pico / maximo;
}

void CierraBucle(Pista& p, size_t cuadros)
{
    p.Asegura(cuadros);
    for (size_t i = cuadros * 2; i < p.m.size(); ++i) p.m[i % (cuadros * 2)] += p.m[i];
    p.m.resize(cuadros * 2);
}

void Recorta(Pista& p, size_t cuadros)
{
    p.Asegura(cuadros);
    p.m.resize(cuadros * 2);
    // A few milliseconds of fade so the cut never clicks.
    size_t f = std::min<size_t>(cuadros, 200);
    for (size_t j = 0; j < f; ++j) {
        float g = float(j) / float(f);
        p.m[2 * (cuadros - 1 - j)] *= g;
        p.m[2 * (cuadros - 1 - j) + 1] *= g;
    }
}

bool EscribeWav(const std::string& ruta, const Pista& p, int canales)
{
    std::FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) return false;
    const size_t n = p.Cuadros();
    const uint32_t datos = uint32_t(n * size_t(canales) * 2);
    std::fwrite("RIFF", 1, 4, f);
    Le16(f, 36 + datos, 4);
    std::fwrite("WAVEfmt ", 1, 8, f);
    Le16(f, 16, 4);
    Le16(f, 1, 2);
    Le16(f, uint32_t(canales), 2);
    Le16(f, kTasa, 4);
    Le16(f, uint32_t(kTasa * canales * 2), 4);
    Le16(f, uint32_t(canales * 2), 2);
    Le16(f, 16, 2);
    std::fwrite("data", 1, 4, f);
    Le16(f, datos, 4);
    for (size_t i = 0; i < n; ++i) {
        for (int c = 0; c < canales; ++c) {
            float x = canales == 1 ? 0.5f * (p.m[2 * i] + p.m[2 * i + 1]) : p.m[2 * i + size_t(c)];
            int v = int(std::lrint(std::clamp(x, -1.0f, 1.0f) * 32767.0f));
            Le16(f, uint32_t(uint16_t(int16_t(v))), 2);
        }
    }
    return std::fclose(f) == 0;
}

bool EscribeOgg(const std::string& ruta, const Pista& p, int canales, int tasa, float calidad)
{
    std::FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) return false;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, canales, tasa, calidad) != 0) {
        vorbis_info_clear(&vi);
        std::fclose(f);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "marrowgate sounds");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    // Each file's stream has a serial number of its own (from its name), so
    // that files joined end to end make a valid chained stream.
    uint32_t serie = 2166136261u;
    for (unsigned char c : std::filesystem::path(ruta).filename().string()) serie = (serie ^ c) * 16777619u;
    ogg_stream_state os;
    ogg_stream_init(&os, int(serie & 0x7fffffff));
    ogg_packet cab, com, cod;
    vorbis_analysis_headerout(&vd, &vc, &cab, &com, &cod);
    ogg_stream_packetin(&os, &cab);
    ogg_stream_packetin(&os, &com);
    ogg_stream_packetin(&os, &cod);
    ogg_page pg;
    while (ogg_stream_flush(&os, &pg) != 0) {
        std::fwrite(pg.header, 1, size_t(pg.header_len), f);
        std::fwrite(pg.body, 1, size_t(pg.body_len), f);
    }
    const size_t n = p.Cuadros();
    size_t hecho = 0;
    bool fin = false;
    while (!fin) {
        const size_t bloque = 4096;
        size_t k = std::min(bloque, n - hecho);
        if (k == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buf = vorbis_analysis_buffer(&vd, int(k));
            for (size_t j = 0; j < k; ++j) {
                size_t i = hecho + j;
                if (canales == 1) {
                    buf[0][j] = 0.5f * (p.m[2 * i] + p.m[2 * i + 1]);
                } else {
                    buf[0][j] = p.m[2 * i];
                    buf[1][j] = p.m[2 * i + 1];
                }
            }
            vorbis_analysis_wrote(&vd, int(k));
            hecho += k;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &pg) != 0) {
                    std::fwrite(pg.header, 1, size_t(pg.header_len), f);
                    std::fwrite(pg.body, 1, size_t(pg.body_len), f);
                    if (ogg_page_eos(&pg)) fin = true;
                }
            }
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return std::fclose(f) == 0;
}

bool EscribeOggTono(const std::string& ruta, int canales, int tasa, size_t cuadros, float hz)
{
    Pista p;
    p.Asegura(cuadros);
    for (size_t i = 0; i < cuadros; ++i) {
        float v = 0.5f * float(std::sin(2.0 * kPi * hz * double(i) / tasa));
        p.m[2 * i] = v;
        p.m[2 * i + 1] = v;
    }
    return EscribeOgg(ruta, p, canales, tasa, 0.3f);
}

} // namespace sintesis
