// A pixel of a decoded picture: opaque, 0xAARRGGBB.
#pragma once

#include <cstdint>

inline std::uint32_t Argb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) |
           (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
}
