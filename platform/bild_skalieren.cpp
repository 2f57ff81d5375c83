#include "platform/bild_skalieren.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace {

struct Anteil {
    int index;  // source pixel
    double gewicht;
};

// For each of `ziel` target pixels along one axis, the source pixels it is made of and their
// weights (summing to 1).
std::vector<std::vector<Anteil>> Anteile(int quelle, int ziel) {
    std::vector<std::vector<Anteil>> anteile(static_cast<std::size_t>(ziel));
    for (int t = 0; t < ziel; ++t) {
        auto& a = anteile[static_cast<std::size_t>(t)];
        if (ziel == quelle) {
            a.push_back({t, 1.0});
        } else if (ziel < quelle) {
            // Box filter: in units of 1/ziel source pixel the target covers [t*quelle,
            // (t+1)*quelle), source pixel s covers [s*ziel, (s+1)*ziel).
            const long long von = static_cast<long long>(t) * quelle;
            const long long bis = von + quelle;
            for (int s = static_cast<int>(von / ziel); s < quelle && 1LL * s * ziel < bis; ++s) {
                const long long ueber =
                    std::min(bis, 1LL * (s + 1) * ziel) - std::max(von, 1LL * s * ziel);
                if (ueber > 0) a.push_back({s, static_cast<double>(ueber) / quelle});
            }
        } else {
            // Bilinear: the target pixel's centre in source coordinates, clamped at the edges.
            const double mitte = (t + 0.5) * quelle / ziel - 0.5;
            const double x = std::clamp(mitte, 0.0, static_cast<double>(quelle - 1));
            const int links = static_cast<int>(x);
            const double rechts_anteil = x - links;
            a.push_back({links, 1.0 - rechts_anteil});
            if (rechts_anteil > 0 && links + 1 < quelle) a.push_back({links + 1, rechts_anteil});
        }
    }
    return anteile;
}

}  // namespace

const Bildfassung* Bildfassung_waehlen(std::span<const Bildfassung> fassungen, int groesse) {
    const Bildfassung* groesser = nullptr;  // the smallest at least `groesse`
    const Bildfassung* groesste = nullptr;
    for (const Bildfassung& f : fassungen) {
        if (f.pixel >= groesse && (!groesser || f.pixel < groesser->pixel)) groesser = &f;
        if (!groesste || f.pixel > groesste->pixel) groesste = &f;
    }
    return groesser ? groesser : groesste;
}

std::vector<std::uint32_t> Bild_skalieren(std::span<const std::uint32_t> quelle, int breite,
                                          int hoehe, int ziel_breite, int ziel_hoehe) {
    if (breite <= 0 || hoehe <= 0 || ziel_breite <= 0 || ziel_hoehe <= 0 ||
        quelle.size() != static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe)) {
        return {};
    }
    const auto spalten = Anteile(breite, ziel_breite);
    const auto zeilen = Anteile(hoehe, ziel_hoehe);
    std::vector<std::uint32_t> ziel(static_cast<std::size_t>(ziel_breite) *
                                    static_cast<std::size_t>(ziel_hoehe));
    for (int y = 0; y < ziel_hoehe; ++y) {
        for (int x = 0; x < ziel_breite; ++x) {
            std::array<double, 4> summe{};  // by the byte's shift / 8: b, g, r, a
            for (const Anteil& zy : zeilen[static_cast<std::size_t>(y)]) {
                for (const Anteil& sx : spalten[static_cast<std::size_t>(x)]) {
                    const std::uint32_t p =
                        quelle[static_cast<std::size_t>(zy.index) * breite + sx.index];
                    const double g = zy.gewicht * sx.gewicht;
                    for (std::size_t k = 0; k < 4; ++k) summe[k] += g * ((p >> (8 * k)) & 0xFF);
                }
            }
            std::uint32_t p = 0;
            for (std::size_t k = 0; k < 4; ++k) {
                const long wert = std::lround(summe[k]);
                p |= static_cast<std::uint32_t>(std::clamp(wert, 0L, 255L)) << (8 * k);
            }
            ziel[static_cast<std::size_t>(y) * ziel_breite + x] = p;
        }
    }
    return ziel;
}
