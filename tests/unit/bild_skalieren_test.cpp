// Choosing the status pictures' rendering for a size and scaling it: exact where drawn, area
// averaging down, bilinear up, over premultiplied alpha.
#include "platform/bild_skalieren.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

TEST(Bildfassung, GenauPassendSonstNaechstGroessereSonstGroesste) {
    constexpr Bildfassung Fassungen[] = {{17, 1}, {21, 2}, {26, 3}, {34, 4}, {43, 5}};
    struct Fall {
        int dpi;
        int pixel;      // the size shown
        int ressource;  // the rendering taken
    };
    for (const Fall& fall :
         {Fall{72, 13, 1}, Fall{96, 17, 1}, Fall{110, 19, 2}, Fall{120, 21, 2}, Fall{144, 26, 3},
          Fall{168, 30, 4}, Fall{192, 34, 4}, Fall{240, 43, 5}, Fall{288, 51, 5}}) {
        const int groesse = Pixel(255, fall.dpi);
        EXPECT_EQ(groesse, fall.pixel) << fall.dpi << " dpi";
        const Bildfassung* f = Bildfassung_waehlen(Fassungen, groesse);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->ressource, fall.ressource) << fall.dpi << " dpi";
    }
    EXPECT_EQ(Bildfassung_waehlen({}, 17), nullptr);
}

// Grey levels as opaque pixels, and back (the blue byte).
std::vector<std::uint32_t> Grau(std::initializer_list<int> werte) {
    std::vector<std::uint32_t> p;
    for (int w : werte) {
        const auto v = static_cast<std::uint32_t>(w);
        p.push_back(0xFF000000u | v << 16 | v << 8 | v);
    }
    return p;
}

struct Skalierung {
    const char* name;
    std::vector<std::uint32_t> quelle;
    int breite, hoehe, ziel_breite, ziel_hoehe;
    std::vector<std::uint32_t> erwartet;
};

class Skalieren : public testing::TestWithParam<Skalierung> {};

TEST_P(Skalieren, LiefertDieErwartetenPixel) {
    const Skalierung& s = GetParam();
    EXPECT_EQ(Bild_skalieren(s.quelle, s.breite, s.hoehe, s.ziel_breite, s.ziel_hoehe), s.erwartet);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faelle, Skalieren, testing::Values(
    // The same size: every pixel as it was.
    Skalierung{"GleicheGroesse",                       {0xFF102030u, 0u, 0x80404040u, 0xFFFFFFFFu}, 2, 2, 2, 2, {0xFF102030u, 0u, 0x80404040u, 0xFFFFFFFFu}},
    // 3 -> 2: each target covers one and a half source pixels.
    Skalierung{"DreiZuZweiNachFlaeche",                Grau({0, 90, 180}),                          3, 1, 2, 1, Grau({30, 150})},
    Skalierung{"ZweiMalZweiZuEins",                    Grau({0, 100, 200, 100}),                    2, 2, 1, 1, Grau({100})},
    // Premultiplied: one opaque white pixel among three transparent ones is a quarter covered
    // white, not a dark grey.
    Skalierung{"DurchsichtigeNachbarnVerdunkelnNicht", {0xFFFFFFFFu, 0u, 0u, 0u},                   2, 2, 1, 1, {0x40404040u}},
    // 2 -> 4: the pixel centres at -0.25, 0.25, 0.75, 1.25 of the source, edges clamped.
    Skalierung{"ZweiZuVierBilinear",                   Grau({0, 120}),                              2, 1, 4, 1, Grau({0, 30, 90, 120})},
    Skalierung{"FalscheAnzahl",                        Grau({0, 1, 2}),                             2, 2, 1, 1, {}},
    Skalierung{"NullGross",                            Grau({0}),                                   1, 1, 0, 0, {}},
    Skalierung{"QuelleOhneBreite",                     {},                                          0, 3, 1, 1, {}},
    Skalierung{"QuelleOhneHoehe",                      {},                                          3, 0, 1, 1, {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Skalieren, EinfarbigBleibtEinfarbigInJederGroesse) {
    // One colour stays that colour at every size the window may ask for: no seams, no drift.
    const std::vector<std::uint32_t> rot(43 * 43, 0xFFB82A17u);
    for (int groesse = 13; groesse <= 60; ++groesse) {
        const std::vector<std::uint32_t> bild = Bild_skalieren(rot, 43, 43, groesse, groesse);
        ASSERT_EQ(bild.size(), static_cast<std::size_t>(groesse * groesse));
        for (std::uint32_t p : bild) ASSERT_EQ(p, 0xFFB82A17u) << groesse;
    }
}

}  // namespace
