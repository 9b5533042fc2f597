// Inside the platform layer only: the buffers as the mixer sees them and the
// mixing kernel. Nothing here takes a lock; the device holds its own around
// every call.
#pragma once
#include "platform/Audio.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace plat {

struct AudioData {
    AudioFormat format;
    uint32_t frames = 0;
    std::vector<uint8_t> bytes;
};

struct AudioBuffer {
    std::shared_ptr<AudioData> data;
    bool playing = false;
    bool loop = false;
    bool lost = false;
    uint64_t position = 0; // frames, 32.32 fixed point
    int volume = kVolumeFull;
    float gain = 1.0f;        // the gain of `volume`
    float appliedGain = 1.0f; // the gain at the end of the last block mixed
    // Lock region: written here, copied into the data at unlock.
    bool locked = false;
    uint32_t lockOffset = 0;
    std::vector<uint8_t> lockScratch;
};

// Mixes every playing buffer of `voices` into `out` (frames stereo frames of
// 16-bit samples at kMixRate, saturated), advancing their cursors. A buffer
// that plays once stops at its end with the cursor left at the end. Volume
// changes glide across the block instead of stepping.
void MixVoices(const std::vector<AudioBuffer*>& voices, int16_t* out, int frames);

} // namespace plat
