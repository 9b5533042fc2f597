// One pixel of a frame read back from the screen (plat::ReadFrame: rows of
// the 1024 x 768 field, four bytes a pixel, red first).
#pragma once
#include "platform/Window.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kit {

struct Pixel {
    int r = 0, g = 0, b = 0, a = 0;
};

// The pixel at (x, y) of a frame; -1 in every channel outside it.
inline Pixel PixelDe(const std::vector<uint8_t>& frame, int x, int y)
{
    if (x < 0 || y < 0 || x >= plat::kFieldWidth) return {-1, -1, -1, -1};
    size_t i = (size_t(y) * size_t(plat::kFieldWidth) + size_t(x)) * 4;
    if (i + 3 >= frame.size()) return {-1, -1, -1, -1};
    return {frame[i], frame[i + 1], frame[i + 2], frame[i + 3]};
}

} // namespace kit
