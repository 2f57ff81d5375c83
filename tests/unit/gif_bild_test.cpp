// The GIF decoder on hand-made pictures: sound ones and damaged ones.
#include "platform/gif_bild.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>

#include "tests/support/argb.h"

namespace {

struct Gif_Wunsch {
    int breite = 1, hoehe = 1;
    // LZW codes at minimum code size 2 (clear 4, end 5), packed 3 bits each, and 4 bits from
    // the code at index `breiter_ab` on.
    std::initializer_list<unsigned> codes = {4, 0, 5};
    std::size_t breiter_ab = 99;
    int min_code_size = 2;
    bool transparent = false;  // index 0 (white) is transparent
    bool trailer = true;
    bool zeilensprung = false;  // rows in the four passes of an interlaced picture
    int links = 0;
};

// A GIF89a with a two-colour table: index 0 white, index 1 black.
std::string Gif(const Gif_Wunsch& w) {
    auto wort = [](int n) {
        return std::string{static_cast<char>(n & 255), static_cast<char>(n >> 8)};
    };
    std::string g = "GIF89a" + wort(w.breite) + wort(w.hoehe) +
                    std::string("\x80\x00\x00\xff\xff\xff\x00\x00\x00", 9);
    if (w.transparent) g += std::string("\x21\xf9\x04\x01\x00\x00\x00\x00", 8);
    g += '\x2c';  // apart: "literal" + string is a false -Wrestrict in mingw-w64's g++ 12
    g += wort(w.links) + wort(0) + wort(w.breite) + wort(w.hoehe) +
         std::string(1, w.zeilensprung ? '\x40' : '\0');
    std::string strom;
    unsigned bits = 0;
    int n = 0;
    std::size_t i = 0;
    for (const unsigned code : w.codes) {
        bits |= code << n;
        for (n += i++ < w.breiter_ab ? 3 : 4; n >= 8; n -= 8, bits >>= 8)
            strom += static_cast<char>(bits & 255);
    }
    if (n > 0) strom += static_cast<char>(bits & 255);
    g += static_cast<char>(w.min_code_size);
    g += static_cast<char>(strom.size()) + strom + std::string(1, '\0');
    if (w.trailer) g += "\x3b";
    return g;
}

std::string Ein_Pixel(bool transparent, unsigned index) {
    return Gif({.codes = {4, index, 5}, .transparent = transparent});
}

struct Kleinbild {
    const char* name;
    std::string daten;
    std::optional<std::uint32_t> pixel;  // nullopt: not decodable
};

class Dekoder : public testing::TestWithParam<Kleinbild> {};

TEST_P(Dekoder, LiefertDasPixelOderNichts) {
    const std::optional<Gif_Bild> bild = Gif_dekodieren(GetParam().daten);
    ASSERT_EQ(bild.has_value(), GetParam().pixel.has_value());
    if (!bild) return;
    ASSERT_EQ(bild->pixel.size(), 1u);
    EXPECT_EQ(bild->pixel[0], *GetParam().pixel);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faelle, Dekoder, testing::Values(
    Kleinbild{"Weiss",                              Ein_Pixel(false, 0),                       Argb(255, 255, 255)},
    Kleinbild{"Schwarz",                            Ein_Pixel(false, 1),                       Argb(0, 0, 0)},
    Kleinbild{"TransparentesWeiss",                 Ein_Pixel(true, 0),                        0u},
    Kleinbild{"SchwarzBleibtBeiTransparentemWeiss", Ein_Pixel(true, 1),                        Argb(0, 0, 0)},
    // The image is complete before the trailer; a missing trailer loses nothing.
    Kleinbild{"OhneAbschluss",                      Gif({.trailer = false}),                   Argb(255, 255, 255)},
    Kleinbild{"OhneEndcode",                        Gif({.codes = {4, 0}}),                    Argb(255, 255, 255)},
    Kleinbild{"FalscherKopf",                       "GIF90a" + Ein_Pixel(false, 0).substr(6),  std::nullopt},
    Kleinbild{"Abgeschnitten",                      Ein_Pixel(false, 0).substr(0, 30),         std::nullopt},
    Kleinbild{"IndexAusserhalbDerTabelle",          Ein_Pixel(false, 2),                       std::nullopt},
    Kleinbild{"Leer",                               "",                                        std::nullopt},
    // Impossible sizes and places.
    Kleinbild{"BreiteNull",                         Gif({.breite = 0}),                        std::nullopt},
    Kleinbild{"HoeheNull",                          Gif({.hoehe = 0}),                         std::nullopt},
    Kleinbild{"ZuBreit",                            Gif({.breite = 1025}),                     std::nullopt},
    Kleinbild{"RiesigInBeidenRichtungen",           Gif({.breite = 65535, .hoehe = 65535}),    std::nullopt},
    Kleinbild{"NichtLinksOben",                     Gif({.links = 1}),                         std::nullopt},
    // Bad LZW streams.
    Kleinbild{"ErsterCodeKeineFarbe",               Gif({.codes = {4, 6, 5}}),                 std::nullopt},
    Kleinbild{"CodeNochNichtDefiniert",             Gif({.breite = 3, .codes = {4, 0, 7, 5}}), std::nullopt},
    Kleinbild{"EndeVorDemLetztenPixel",             Gif({.breite = 2, .codes = {4, 1, 5}}),    std::nullopt},
    Kleinbild{"StromOhneEndeUndZuKurz",             Gif({.breite = 2, .codes = {4, 1}}),       std::nullopt},
    Kleinbild{"CodegroesseEins",                    Gif({.min_code_size = 1}),                 std::nullopt},
    Kleinbild{"CodegroesseNeun",                    Gif({.min_code_size = 9}),                 std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Streams of more than one pixel, as an encoder may write them, top row first.
struct Strom {
    const char* name;
    std::string daten;
    const char* zeilen;  // w white, s black
};

class Stroeme : public testing::TestWithParam<Strom> {};

TEST_P(Stroeme, LiefernDieBildpunkte) {
    const std::optional<Gif_Bild> bild = Gif_dekodieren(GetParam().daten);
    ASSERT_TRUE(bild);
    std::string gelesen;
    for (const std::uint32_t p : bild->pixel) gelesen += p == Argb(0, 0, 0) ? 's' : 'w';
    EXPECT_EQ(gelesen, GetParam().zeilen);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faelle, Stroeme, testing::Values(
    // A code that the stream defines with this very code (6 = 1 and its own first).
    Strom{"CodeDerSichSelbstDefiniert", Gif({.breite = 3, .codes = {4, 1, 6, 5}}),                                       "sss"},
    // Once the table holds as many codes as 3 bits can name (after code 7), codes are 4 bits.
    Strom{"CodebreiteWaechst",          Gif({.breite = 6, .codes = {4, 0, 1, 6, 7, 5}, .breiter_ab = 4}),               "wswssw"},
    Strom{"OhneClearAmAnfang",          Gif({.breite = 4, .codes = {0, 1, 6, 5}, .breiter_ab = 3}),                     "wsws"},
    // Rows 0, 2, 1, 3 in the stream.
    Strom{"Zeilensprung",               Gif({.hoehe = 4, .codes = {4, 0, 1, 0, 1, 5}, .breiter_ab = 4, .zeilensprung = true}), "wwss"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Every cut through a sound picture before its image data end is refused, never read past.
TEST(Dekoder, JederAbgeschnitteneAnfangWirdAbgelehnt) {
    const std::string ganz = Gif({.breite = 3, .codes = {4, 1, 6, 5}, .trailer = false});
    for (std::size_t n = 0; n < ganz.size(); ++n)
        EXPECT_FALSE(Gif_dekodieren(ganz.substr(0, n))) << n << " bytes";
}

}  // namespace
