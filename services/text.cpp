#include "services/text.h"

#include <array>
#include <cstdint>

#include "platform/plattform.h"

namespace {

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
    return plattform().Kleinbuchstaben(s);
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
