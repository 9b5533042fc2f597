// The audio device: sound buffers in any PCM format, mixed by our own mixer
// into one 44.1 kHz stereo 16-bit output. A buffer plays once or looping,
// keeps its play cursor when stopped, and has a volume in hundredths of a
// decibel (0 full, -10000 silent). Duplicates share the data of their
// original with a cursor and a volume of their own.
//
// The mixer runs on SDL's audio callback thread under a lock of its own.
// The manual device (tests, benchmarks) has no thread: RenderManualAudio
// mixes the next frames on demand.
#pragma once
#include <cstdint>

namespace plat {

constexpr int kMixRate = 44100;
constexpr int kVolumeSilent = -10000;
constexpr int kVolumeFull = 0;

struct AudioFormat {
    int channels = 2;       // 1 or 2
    int bitsPerSample = 16; // 8 (unsigned) or 16 (signed little-endian)
    int rate = kMixRate;    // frames per second, 1..384000
    int BlockAlign() const { return channels * bitsPerSample / 8; }
    int BytesPerSecond() const { return rate * BlockAlign(); }
    bool Valid() const;
};

struct AudioBuffer; // opaque

// Opens the device: the real one, or the manual one after UseManualAudio(true).
// When no output can be opened the device still works, silently: buffers
// advance in real time and nothing is heard (said once on standard error).
// False only when the device is already open.
bool OpenAudio();
void CloseAudio();
bool AudioIsOpen();
// True while the open device is silent for want of an output.
bool AudioIsSilent();

// Test seam: the next OpenAudio opens the manual device.
void UseManualAudio(bool manual);
// Manual device only: mixes `frames` stereo frames into `out` (2 * frames
// samples) and advances every playing buffer. Returns false on another device.
bool RenderManualAudio(int16_t* out, int frames);
// Manual device only: marks every buffer lost, as a device does when its
// output is taken away. Lock, play and duplicate then report Lost until the
// buffer is restored.
void LoseManualAudioBuffers();

enum class AudioResult { Ok, Lost, Failed };

// A silent buffer of `bytes` (rounded down to whole frames), stopped, at full
// volume. Null on a bad format, no device or a size of 0.
AudioBuffer* CreateAudioBuffer(const AudioFormat& format, uint32_t bytes);
// A new buffer sharing the data of `original`, stopped at position 0, with
// the original's volume.
AudioResult DuplicateAudioBuffer(AudioBuffer* original, AudioBuffer** out);
void ReleaseAudioBuffer(AudioBuffer* buffer);
AudioResult RestoreAudioBuffer(AudioBuffer* buffer);

// Lock hands out a region of the data to fill (offset and size in bytes, the
// region must lie inside the buffer); Unlock puts the written region in place
// for the mixer. One lock at a time per buffer.
AudioResult LockAudioBuffer(AudioBuffer* buffer, uint32_t offset, uint32_t bytes, void** data);
AudioResult UnlockAudioBuffer(AudioBuffer* buffer);

AudioResult PlayAudioBuffer(AudioBuffer* buffer, bool loop);
// Stops without rewinding.
void StopAudioBuffer(AudioBuffer* buffer);
// Play cursor in bytes (whole frames). After a buffer played once to its end
// it stays at the size.
void SetAudioBufferPosition(AudioBuffer* buffer, uint32_t byte);
uint32_t AudioBufferPosition(AudioBuffer* buffer);
bool AudioBufferPlaying(AudioBuffer* buffer);
// Hundredths of a decibel, limited to -10000..0; the gain is 10^(v/2000),
// and -10000 is silence.
void SetAudioBufferVolume(AudioBuffer* buffer, int hundredthsDb);
int AudioBufferVolume(AudioBuffer* buffer);
uint32_t AudioBufferSize(AudioBuffer* buffer);
AudioFormat AudioBufferFormat(AudioBuffer* buffer);

// The gain of a volume in hundredths of a decibel.
float GainOfVolume(int hundredthsDb);

} // namespace plat
