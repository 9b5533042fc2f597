// The two colour records of the graphics system: three bytes (r, g, b) for
// blend colours, four bytes (a, r, g, b, in that order) for sprite corners.
#pragma once
#include <cstdint>

struct ColorRGB {
    uint8_t r, g, b;
    ColorRGB() : r(0), g(0), b(0) {}
    ColorRGB(uint8_t rr, uint8_t gg, uint8_t bb) : r(rr), g(gg), b(bb) {}
};

struct ColorARGB {
    uint8_t a, r, g, b;
    ColorARGB() : a(255), r(255), g(255), b(255) {}
    ColorARGB(uint8_t aa, uint8_t rr, uint8_t gg, uint8_t bb) : a(aa), r(rr), g(gg), b(bb) {}
};
