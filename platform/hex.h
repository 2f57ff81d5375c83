// Hexadecimal digits, read and written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The value of a hexadecimal digit in either case; -1 for any other character.
constexpr int Hexziffer(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// `wert` in hexadecimal with at least `stellen` digits (the lowest ones when `wert` has
// fewer), in upper or lower case.
inline std::string Hex(std::uint32_t wert, std::size_t stellen, bool gross) {
    const char* ziffern = gross ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), ziffern[wert % 16]);
        wert /= 16;
    } while (wert != 0 || text.size() < stellen);
    return text;
}
