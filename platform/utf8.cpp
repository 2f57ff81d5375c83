#include "platform/utf8.h"

namespace {

// Byte length of the UTF-8 character that starts with `b`; a stray byte counts as one.
std::size_t Zeichenlaenge(unsigned char b) {
    if (b >= 0xF0 && b < 0xF8) return 4;
    if (b >= 0xE0) return b < 0xF0 ? 3 : 1;
    if (b >= 0xC0) return 2;
    return 1;
}

}  // namespace

char32_t Zeichen_lesen(const std::string& s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = Zeichenlaenge(b);
    if (n == 1 || i + n > s.size()) {
        ++i;
        return b < 0x80 ? b : Streubyte + b;
    }
    char32_t c = b & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
    for (std::size_t k = 1; k < n; ++k) {
        const auto f = static_cast<unsigned char>(s[i + k]);
        if ((f & 0xC0) != 0x80) {
            ++i;
            return Streubyte + b;
        }
        c = (c << 6) | (f & 0x3F);
    }
    // Overlong forms, surrogates and values beyond U+10FFFF are no characters: their lead
    // byte is a stray byte like any other. Otherwise an overlong "A" would turn into one
    // byte on its way through Kleinbuchstaben or Nach_Ansi, and an encoded U+DC80..U+DCFF
    // into the stray byte it stands for.
    const char32_t kleinster = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
    if (c < kleinster || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        ++i;
        return Streubyte + b;
    }
    i += n;
    return c;
}

void Zeichen_anhaengen(std::string& s, char32_t c) {
    if (c >= Streubyte + 0x80 && c <= Streubyte + 0xFF) {
        s += static_cast<char>(c - Streubyte);
    } else if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}
