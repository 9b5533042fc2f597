#include "platform/AudioMixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace plat {
namespace {

constexpr uint64_t kOne = uint64_t(1) << 32;
constexpr float kFracScale = 1.0f / 4294967296.0f;

// One sample of channel c of frame i, as a float in 16-bit units.
template <int Channels, int Bits>
inline float Sample(const uint8_t* bytes, uint32_t i, int c)
{
    if constexpr (Bits == 16) {
        int16_t v;
        std::memcpy(&v, bytes + (size_t(i) * Channels + c) * 2, 2);
        return float(v);
    } else {
        return float(int(bytes[size_t(i) * Channels + c]) - 128) * 256.0f;
    }
}

// Stores a voice's new cursor: past the end a looping voice wraps, any
// other stops on its end.
void StoreCursor(AudioBuffer& v, uint64_t pos, uint64_t end)
{
    if (pos >= end) {
        if (v.loop) {
            pos %= end;
        } else {
            pos = end;
            v.playing = false;
        }
    }
    v.position = pos;
}

// Adds frames [0, n) of one voice to `mix` starting at its cursor. Stops
// early when a voice that plays once reaches its end. Returns the frames
// written.
template <int Channels, int Bits>
int MixVoice(AudioBuffer& v, float* mix, int n, float g0, float dg)
{
    const AudioData& d = *v.data;
    const uint8_t* bytes = d.bytes.data();
    const uint32_t frames = d.frames;
    const uint64_t step = (uint64_t(uint32_t(d.format.rate)) << 32) / kMixRate;
    const uint64_t end = uint64_t(frames) << 32;
    uint64_t pos = v.position;
    float g = g0;
    int k = 0;
    while (k < n) {
        if (pos >= end) {
            if (v.loop) {
                pos %= end;
            } else {
                v.playing = false;
                pos = end;
                break;
            }
        }
        // Frames that can be taken without looking past the last frame.
        uint64_t safeEnd = end - kOne; // the last frame's start
        int run = 0;
        if (pos < safeEnd) {
            uint64_t r = (safeEnd - pos + step - 1) / step;
            run = int(std::min<uint64_t>(r, uint64_t(n - k)));
        }
        if (step == kOne && uint32_t(pos) == 0) {
            // At the output rate on a whole frame: no interpolation needed.
            uint32_t i = uint32_t(pos >> 32);
            for (int j = 0; j < run; ++j, ++k, ++i) {
                float l = Sample<Channels, Bits>(bytes, i, 0);
                float r = Channels == 2 ? Sample<Channels, Bits>(bytes, i, 1) : l;
                mix[2 * k] += l * g;
                mix[2 * k + 1] += r * g;
                g += dg;
            }
            pos += uint64_t(run) << 32;
            run = 0;
        }
        for (int j = 0; j < run; ++j, ++k) {
            uint32_t i = uint32_t(pos >> 32);
            float f = float(uint32_t(pos)) * kFracScale;
            float l0 = Sample<Channels, Bits>(bytes, i, 0);
            float l1 = Sample<Channels, Bits>(bytes, i + 1, 0);
            float l = l0 + (l1 - l0) * f;
            float r = l;
            if constexpr (Channels == 2) {
                float r0 = Sample<Channels, Bits>(bytes, i, 1);
                float r1 = Sample<Channels, Bits>(bytes, i + 1, 1);
                r = r0 + (r1 - r0) * f;
            }
            mix[2 * k] += l * g;
            mix[2 * k + 1] += r * g;
            g += dg;
            pos += step;
        }
        if (k >= n) break;
        if (pos >= end) continue;
        // The last frame: it leans towards the first one when looping and
        // towards silence otherwise.
        uint32_t i = uint32_t(pos >> 32);
        float f = float(uint32_t(pos)) * kFracScale;
        float l0 = Sample<Channels, Bits>(bytes, i, 0);
        float l1 = v.loop ? Sample<Channels, Bits>(bytes, 0, 0) : 0.0f;
        float l = l0 + (l1 - l0) * f;
        float r = l;
        if constexpr (Channels == 2) {
            float r0 = Sample<Channels, Bits>(bytes, i, 1);
            float r1 = v.loop ? Sample<Channels, Bits>(bytes, 0, 1) : 0.0f;
            r = r0 + (r1 - r0) * f;
        }
        mix[2 * k] += l * g;
        mix[2 * k + 1] += r * g;
        g += dg;
        pos += step;
        ++k;
    }
    // A voice that has just played its last frame stops now, not at the
    // next block.
    StoreCursor(v, pos, end);
    return k;
}

// Moves a silent voice's cursor as if it had been mixed.
void Advance(AudioBuffer& v, int n)
{
    const AudioData& d = *v.data;
    const uint64_t step = (uint64_t(uint32_t(d.format.rate)) << 32) / kMixRate;
    const uint64_t end = uint64_t(d.frames) << 32;
    StoreCursor(v, v.position + step * uint64_t(n), end);
}

} // namespace

void MixVoices(const std::vector<AudioBuffer*>& voices, int16_t* out, int frames)
{
    if (frames <= 0) return;
    thread_local std::vector<float> mix;
    mix.assign(size_t(frames) * 2, 0.0f);
    for (AudioBuffer* v : voices) {
        if (!v->playing || v->lost || !v->data || v->data->frames == 0) continue;
        float g0 = v->appliedGain;
        float g1 = v->gain;
        v->appliedGain = g1;
        if (g0 == 0.0f && g1 == 0.0f) {
            Advance(*v, frames);
            continue;
        }
        float dg = (g1 - g0) / float(frames);
        const AudioFormat& f = v->data->format;
        if (f.channels == 2 && f.bitsPerSample == 16)
            MixVoice<2, 16>(*v, mix.data(), frames, g0, dg);
        else if (f.channels == 1 && f.bitsPerSample == 16)
            MixVoice<1, 16>(*v, mix.data(), frames, g0, dg);
        else if (f.channels == 2)
            MixVoice<2, 8>(*v, mix.data(), frames, g0, dg);
        else
            MixVoice<1, 8>(*v, mix.data(), frames, g0, dg);
    }
    for (size_t i = 0; i < mix.size(); ++i) {
        float s = mix[i];
        s = s > 32767.0f ? 32767.0f : (s < -32768.0f ? -32768.0f : s);
        out[i] = int16_t(std::lrintf(s));
    }
}

} // namespace plat
