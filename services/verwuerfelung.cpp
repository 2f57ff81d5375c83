#include "services/verwuerfelung.h"

#include <cstdint>

#include "services/programmzustand.h"

namespace {

double Zufallszahl() {
    std::uint32_t& zufall = Programm.Zufall;
    zufall = (zufall * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return zufall / 16777216.0;
}

}  // namespace

unsigned char Naechster_Schluessel() {
    return static_cast<unsigned char>(static_cast<int>(Zufallszahl() * 223) + 32);
}

std::string Verwuerfeln(const std::string& ansi, unsigned char schluessel) {
    std::string zeile(1, static_cast<char>(schluessel));
    int s = schluessel % 64;
    for (const char ch : ansi) {
        const int c = static_cast<unsigned char>(ch);
        if (c < 32) continue;
        s = (s + 1) % 64;
        int o = c + s;
        if (o > 255) o -= 224;
        zeile += static_cast<char>(o);
    }
    return zeile;
}

std::string Entwuerfeln(const std::string& zeile) {
    std::string text;
    if (zeile.empty()) return text;
    int s = static_cast<unsigned char>(zeile[0]) % 64;
    for (std::size_t i = 1; i < zeile.size(); ++i) {
        s = (s + 1) % 64;
        int o = static_cast<unsigned char>(zeile[i]) - s;
        if (o < 32) o += 224;
        text += static_cast<char>(o);
    }
    return text;
}
