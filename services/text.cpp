#include "services/text.h"

#include <array>
#include <cstdint>

#include "platform/plattform.h"

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned ones keep their C1 code points, as
// Windows converts them, so that every byte survives a round trip.
constexpr std::array<char32_t, 32> Cp1252_80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t Klein(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    switch (c) {
        case 0x160:
            return 0x161;
        case 0x152:
            return 0x153;
        case 0x17D:
            return 0x17E;
        case 0x178:
            return 0xFF;
        default:
            return c;
    }
}

// Byte offset of character `n` (0-based), or s.size() when the text is shorter.
std::size_t Versatz(const std::string& s, std::size_t n) {
    std::size_t i = 0;
    for (; n > 0 && i < s.size(); --n) Zeichen_lesen(s, i);
    return i;
}

}  // namespace

std::size_t Laenge(const std::string& s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) Zeichen_lesen(s, i);
    return n;
}

std::string Links(const std::string& s, std::size_t n) {
    return s.substr(0, Versatz(s, n));
}

std::string Rechts(const std::string& s, std::size_t n) {
    const std::size_t l = Laenge(s);
    return n >= l ? s : s.substr(Versatz(s, l - n));
}

std::string Mitte(const std::string& s, std::size_t start, std::size_t n) {
    if (start < 1) throw Fehler(Fehlernummer::UngueltigerAufruf);
    const std::size_t von = Versatz(s, start - 1);
    if (n == std::string::npos) return s.substr(von);
    const std::string rest = s.substr(von);
    return rest.substr(0, Versatz(rest, n));
}

std::string Kleinbuchstaben(const std::string& s) {
    std::string aus;
    aus.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) Zeichen_anhaengen(aus, Klein(Zeichen_lesen(s, i)));
    return aus;
}

std::string Nach_Ansi(const std::string& utf8) {
    std::string aus;
    aus.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = Zeichen_lesen(utf8, i);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            aus += static_cast<char>(c);
            continue;
        }
        if (c >= Streubyte + 0x80 && c <= Streubyte + 0xFF) {  // a stray byte stays itself
            aus += static_cast<char>(c - Streubyte);
            continue;
        }
        char ersatz = '?';
        for (std::size_t k = 0; k < Cp1252_80.size(); ++k)
            if (Cp1252_80[k] == c) ersatz = static_cast<char>(0x80 + k);
        aus += ersatz;
    }
    return aus;
}

std::string Von_Ansi(const std::string& ansi) {
    std::string aus;
    aus.reserve(ansi.size() + ansi.size() / 4);
    for (const char ch : ansi) {
        const auto b = static_cast<unsigned char>(ch);
        Zeichen_anhaengen(aus, b >= 0x80 && b < 0xA0 ? Cp1252_80[b - 0x80] : b);
    }
    return aus;
}

int Wert(const std::string& ziffern) {
    if (ziffern.empty() || ziffern.size() > 9) throw Fehler(Fehlernummer::Typenkonflikt);
    int wert = 0;
    for (const char c : ziffern) {
        if (c < '0' || c > '9') throw Fehler(Fehlernummer::Typenkonflikt);
        wert = wert * 10 + (c - '0');
    }
    return wert;
}

std::string Zweistellig(int zahl) {
    std::string s = std::to_string(zahl);
    return s.size() < 2 ? "0" + s : s;
}
