#include "platform/Audio.h"

#include "platform/AudioMixer.h"
#include "platform/Platform.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <mutex>
#include <thread>

namespace plat {
namespace {

enum class Kind { Closed, Sdl, Manual, Silent };

struct Device {
    std::mutex lock; // the mixer's own lock
    Kind kind = Kind::Closed;
    SDL_AudioDeviceID sdl = 0;
    bool sdlSubsystem = false;
    std::vector<AudioBuffer*> buffers;
    std::thread silentThread;
    std::atomic<bool> stopSilent{false};
};

Device g_device;
std::atomic<bool> g_useManual{false};
bool g_silenceReported = false;

void SdlCallback(void*, Uint8* stream, int len)
{
    std::lock_guard<std::mutex> hold(g_device.lock);
    MixVoices(g_device.buffers, reinterpret_cast<int16_t*>(stream), len / 4);
}

// Without an output the buffers still move in real time, so that sounds end
// and music advances as the engine expects.
void SilentLoop()
{
    std::vector<int16_t> scratch;
    auto last = std::chrono::steady_clock::now();
    double owed = 0.0;
    while (!g_device.stopSilent.load()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        auto now = std::chrono::steady_clock::now();
        owed += std::chrono::duration<double>(now - last).count() * kMixRate;
        last = now;
        // Time lost to a stall (a suspended machine, a debugger) is not made
        // up at once: that would be a block of any size, mixed with the lock
        // held, moving streams past the half they are being refilled in.
        owed = std::min(owed, double(kMixRate) / 10.0);
        int frames = int(owed);
        owed -= frames;
        if (frames <= 0) continue;
        scratch.resize(size_t(frames) * 2);
        std::lock_guard<std::mutex> hold(g_device.lock);
        MixVoices(g_device.buffers, scratch.data(), frames);
    }
}

bool OpenSdl()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    g_device.sdlSubsystem = true;
    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = SdlCallback;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts our stream to whatever the output takes.
    g_device.sdl = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (g_device.sdl == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        g_device.sdlSubsystem = false;
        return false;
    }
    return true;
}

} // namespace

bool AudioFormat::Valid() const
{
    return (channels == 1 || channels == 2) && (bitsPerSample == 8 || bitsPerSample == 16) && rate > 0 &&
           rate <= 384000;
}

float GainOfVolume(int hundredthsDb)
{
    if (hundredthsDb <= kVolumeSilent) return 0.0f;
    if (hundredthsDb >= 0) return 1.0f;
    return std::pow(10.0f, float(hundredthsDb) / 2000.0f);
}

void UseManualAudio(bool manual) { g_useManual = manual; }

bool OpenAudio()
{
    if (g_device.kind != Kind::Closed) return false;
    if (g_useManual) {
        g_device.kind = Kind::Manual;
        return true;
    }
    if (OpenSdl()) {
        g_device.kind = Kind::Sdl;
        SDL_PauseAudioDevice(g_device.sdl, 0);
        return true;
    }
    if (!g_silenceReported) {
        ReportError("no audio output (%s): running silent", SDL_GetError());
        g_silenceReported = true;
    }
    g_device.kind = Kind::Silent;
    g_device.stopSilent = false;
    g_device.silentThread = std::thread(SilentLoop);
    return true;
}

void CloseAudio()
{
    if (g_device.kind == Kind::Closed) return;
    if (g_device.kind == Kind::Sdl) {
        SDL_CloseAudioDevice(g_device.sdl);
        g_device.sdl = 0;
        if (g_device.sdlSubsystem) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        g_device.sdlSubsystem = false;
    } else if (g_device.kind == Kind::Silent) {
        g_device.stopSilent = true;
        g_device.silentThread.join();
    }
    std::lock_guard<std::mutex> hold(g_device.lock);
    // Buffers still held by their owners stay valid objects but are no
    // longer mixed.
    g_device.buffers.clear();
    g_device.kind = Kind::Closed;
}

bool AudioIsOpen() { return g_device.kind != Kind::Closed; }
bool AudioIsSilent() { return g_device.kind == Kind::Silent; }

bool RenderManualAudio(int16_t* out, int frames)
{
    if (g_device.kind != Kind::Manual || !out || frames < 0) return false;
    std::lock_guard<std::mutex> hold(g_device.lock);
    MixVoices(g_device.buffers, out, frames);
    return true;
}

void LoseManualAudioBuffers()
{
    if (g_device.kind != Kind::Manual) return;
    std::lock_guard<std::mutex> hold(g_device.lock);
    for (AudioBuffer* b : g_device.buffers) {
        b->lost = true;
        b->playing = false;
    }
}

AudioBuffer* CreateAudioBuffer(const AudioFormat& format, uint32_t bytes)
{
    if (!format.Valid() || g_device.kind == Kind::Closed) return nullptr;
    uint32_t frames = bytes / uint32_t(format.BlockAlign());
    if (frames == 0) return nullptr;
    auto* b = new AudioBuffer;
    b->data = std::make_shared<AudioData>();
    b->data->format = format;
    b->data->frames = frames;
    // Silence: 0 for signed 16-bit, 128 for unsigned 8-bit.
    b->data->bytes.assign(size_t(frames) * format.BlockAlign(), format.bitsPerSample == 8 ? 128 : 0);
    std::lock_guard<std::mutex> hold(g_device.lock);
    g_device.buffers.push_back(b);
    return b;
}

AudioResult DuplicateAudioBuffer(AudioBuffer* original, AudioBuffer** out)
{
    if (out) *out = nullptr;
    if (!original || !out || g_device.kind == Kind::Closed) return AudioResult::Failed;
    std::lock_guard<std::mutex> hold(g_device.lock);
    if (original->lost) return AudioResult::Lost;
    auto* b = new AudioBuffer;
    b->data = original->data;
    b->volume = original->volume;
    b->gain = original->gain;
    b->appliedGain = original->gain;
    g_device.buffers.push_back(b);
    *out = b;
    return AudioResult::Ok;
}

void ReleaseAudioBuffer(AudioBuffer* buffer)
{
    if (!buffer) return;
    {
        std::lock_guard<std::mutex> hold(g_device.lock);
        auto& v = g_device.buffers;
        v.erase(std::remove(v.begin(), v.end(), buffer), v.end());
    }
    delete buffer;
}

AudioResult RestoreAudioBuffer(AudioBuffer* buffer)
{
    if (!buffer) return AudioResult::Failed;
    std::lock_guard<std::mutex> hold(g_device.lock);
    buffer->lost = false;
    return AudioResult::Ok;
}

AudioResult LockAudioBuffer(AudioBuffer* buffer, uint32_t offset, uint32_t bytes, void** data)
{
    if (data) *data = nullptr;
    if (!buffer || !data) return AudioResult::Failed;
    std::lock_guard<std::mutex> hold(g_device.lock);
    if (buffer->lost) return AudioResult::Lost;
    size_t size = buffer->data->bytes.size();
    if (buffer->locked || offset > size || bytes > size - offset) return AudioResult::Failed;
    buffer->locked = true;
    buffer->lockOffset = offset;
    buffer->lockScratch.assign(buffer->data->bytes.begin() + offset, buffer->data->bytes.begin() + offset + bytes);
    *data = buffer->lockScratch.empty() ? static_cast<void*>(buffer->data.get()) : buffer->lockScratch.data();
    return AudioResult::Ok;
}

AudioResult UnlockAudioBuffer(AudioBuffer* buffer)
{
    if (!buffer) return AudioResult::Failed;
    std::lock_guard<std::mutex> hold(g_device.lock);
    if (!buffer->locked) return AudioResult::Failed;
    buffer->locked = false;
    std::copy(buffer->lockScratch.begin(), buffer->lockScratch.end(),
              buffer->data->bytes.begin() + buffer->lockOffset);
    buffer->lockScratch.clear();
    return buffer->lost ? AudioResult::Lost : AudioResult::Ok;
}

AudioResult PlayAudioBuffer(AudioBuffer* buffer, bool loop)
{
    if (!buffer) return AudioResult::Failed;
    std::lock_guard<std::mutex> hold(g_device.lock);
    if (buffer->lost) return AudioResult::Lost;
    if (buffer->position >= (uint64_t(buffer->data->frames) << 32)) buffer->position = 0;
    buffer->loop = loop;
    buffer->playing = true;
    return AudioResult::Ok;
}

void StopAudioBuffer(AudioBuffer* buffer)
{
    if (!buffer) return;
    std::lock_guard<std::mutex> hold(g_device.lock);
    buffer->playing = false;
}

void SetAudioBufferPosition(AudioBuffer* buffer, uint32_t byte)
{
    if (!buffer) return;
    std::lock_guard<std::mutex> hold(g_device.lock);
    uint32_t frame = std::min(byte / uint32_t(buffer->data->format.BlockAlign()), buffer->data->frames);
    buffer->position = uint64_t(frame) << 32;
}

uint32_t AudioBufferPosition(AudioBuffer* buffer)
{
    if (!buffer) return 0;
    std::lock_guard<std::mutex> hold(g_device.lock);
    return uint32_t(buffer->position >> 32) * uint32_t(buffer->data->format.BlockAlign());
}

bool AudioBufferPlaying(AudioBuffer* buffer)
{
    if (!buffer) return false;
    std::lock_guard<std::mutex> hold(g_device.lock);
    return buffer->playing;
}

void SetAudioBufferVolume(AudioBuffer* buffer, int hundredthsDb)
{
    if (!buffer) return;
    int v = std::clamp(hundredthsDb, kVolumeSilent, kVolumeFull);
    float g = GainOfVolume(v);
    std::lock_guard<std::mutex> hold(g_device.lock);
    buffer->volume = v;
    // A buffer that is not sounding takes the new gain at once; one that
    // plays glides to it over the next block.
    if (!buffer->playing) buffer->appliedGain = g;
    buffer->gain = g;
}

int AudioBufferVolume(AudioBuffer* buffer)
{
    if (!buffer) return kVolumeSilent;
    std::lock_guard<std::mutex> hold(g_device.lock);
    return buffer->volume;
}

uint32_t AudioBufferSize(AudioBuffer* buffer)
{
    if (!buffer) return 0;
    return uint32_t(buffer->data->bytes.size());
}

AudioFormat AudioBufferFormat(AudioBuffer* buffer)
{
    return buffer ? buffer->data->format : AudioFormat{};
}

} // namespace plat
