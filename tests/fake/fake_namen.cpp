#include "tests/fake/fake_namen.h"

#include "platform/utf8.h"

namespace {

// A character in upper case, as Windows compares names.
char32_t Gross(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x137 && c != 0x131) return c & ~char32_t{1};
    if (c >= 0x139 && c <= 0x148) return c % 2 == 0 ? c - 1 : c;
    if (c >= 0x14A && c <= 0x177) return c & ~char32_t{1};
    if (c >= 0x179 && c <= 0x17E) return c % 2 == 0 ? c - 1 : c;
    if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return c - 32;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

// A character in small letters, as CharLowerBuffW maps it. U+0130 (capital I with dot) keeps
// its case there.
char32_t Klein(char32_t c) {
    const auto paar = [&](char32_t von, char32_t bis) {  // capitals on even code points
        return c >= von && c <= bis && c % 2 == 0;
    };
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    if ((c >= 0x100 && c <= 0x137 && c != 0x130) || (c >= 0x14A && c <= 0x177)) return c | 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 == 1 ? c + 1 : c;
    if (c == 0x178) return 0xFF;
    if (c == 0x386) return 0x3AC;
    if (c >= 0x388 && c <= 0x38A) return c + 37;
    if (c == 0x38C) return 0x3CC;
    if (c == 0x38E || c == 0x38F) return c + 63;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (paar(0x460, 0x481) || paar(0x48A, 0x4BF) || paar(0x4D0, 0x52F)) return c + 1;
    if (c == 0x4C0) return 0x4CF;
    if (c >= 0x4C1 && c <= 0x4CE && c % 2 == 1) return c + 1;
    return c;
}

}  // namespace

std::string Klein(const std::string& s) {
    std::string k;
    for (std::size_t i = 0; i < s.size();) Zeichen_anhaengen(k, Klein(Zeichen_lesen(s, i)));
    return k;
}

std::u32string Zeichenfolge(const std::string& s) {
    std::u32string z;
    for (std::size_t i = 0; i < s.size();) z += Gross(Zeichen_lesen(s, i));
    return z;
}

std::string Schluessel_zu(const std::string& s) {
    std::string k;
    for (std::size_t i = 0; i < s.size();) Zeichen_anhaengen(k, Gross(Zeichen_lesen(s, i)));
    return k;
}

bool Passt(const std::u32string& muster, const std::u32string& name) {
    std::size_t m = 0, n = 0;
    std::size_t stern = std::u32string::npos, ab = 0;
    while (n < name.size()) {
        if (m < muster.size() && (muster[m] == U'?' || muster[m] == name[n])) {
            ++m;
            ++n;
        } else if (m < muster.size() && muster[m] == U'*') {
            stern = m++;
            ab = n;
        } else if (stern != std::u32string::npos) {
            m = stern + 1;
            n = ++ab;
        } else {
            return false;
        }
    }
    while (m < muster.size() && muster[m] == U'*') ++m;
    return m == muster.size();
}
