// The status pictures as the program decodes them from its own GIF resources, the decoder on
// hand-made pictures, and the version resource's German text.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/win32/gif_bild.h"
#include "platform/win32/hilfen_win32.h"
#include "ressourcen.h"
#include "version.h"

namespace {

std::string_view Ressource(int id) {
    HRSRC r = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));
    if (!r) return {};
    return {static_cast<const char*>(LockResource(LoadResource(nullptr, r))),
            SizeofResource(nullptr, r)};
}

std::uint32_t Argb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) |
           (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
}

struct Statusbild {
    const char* name;
    int id;
    std::uint32_t kreis;
};

class Statusbilder : public testing::TestWithParam<Statusbild> {};

TEST_P(Statusbilder, SindSiebzehnPixelGrossMitDurchsichtigenEckenUndKreisfarbe) {
    const std::string_view daten = Ressource(GetParam().id);
    ASSERT_FALSE(daten.empty());
    EXPECT_EQ(daten.substr(0, 6), "GIF89a");
    const std::optional<Gif_Bild> bild = Gif_dekodieren(daten);
    ASSERT_TRUE(bild);
    ASSERT_EQ(bild->breite, 17);
    ASSERT_EQ(bild->hoehe, 17);
    auto p = [&](int x, int y) { return bild->pixel[static_cast<std::size_t>(y) * 17 + x]; };
    for (auto [x, y] : {std::pair{0, 0}, {16, 0}, {0, 16}, {16, 16}}) {
        EXPECT_EQ(p(x, y) >> 24, 0u) << "corner " << x << "," << y << " is not transparent";
    }
    EXPECT_EQ(p(8, 2), GetParam().kreis);   // the circle above the symbol
    EXPECT_EQ(p(8, 15), GetParam().kreis);  // and below it
}

INSTANTIATE_TEST_SUITE_P(Alle, Statusbilder,
                         testing::Values(Statusbild{"Pfeil", IDR_PFEIL, Argb(184, 42, 23)},
                                         Statusbild{"OK", IDR_OK, Argb(0, 166, 81)},
                                         Statusbild{"Inaktiv", IDR_INAKTIV, Argb(140, 140, 140)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Statusbilder, PfeilUndHakenHabenWeisseSymbole) {
    // The arrow's shaft crosses the centre; the tick's corner lies below it.
    const std::optional<Gif_Bild> pfeil = Gif_dekodieren(Ressource(IDR_PFEIL));
    const std::optional<Gif_Bild> ok = Gif_dekodieren(Ressource(IDR_OK));
    ASSERT_TRUE(pfeil && ok);
    EXPECT_EQ(pfeil->pixel[8 * 17 + 6], Argb(255, 255, 255));
    EXPECT_EQ(ok->pixel[11 * 17 + 7], Argb(255, 255, 255));
}

// A 1 x 1 picture with a two-colour table: index 0 white, index 1 black.
std::string Ein_Pixel(bool transparent, char index) {
    std::string g("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00", 19);
    if (transparent) g += std::string("\x21\xf9\x04\x01\x00\x00\x00\x00", 8);
    g += std::string("\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    // LZW, minimum code size 2: clear (4), the index, end (5), 3 bits each.
    const unsigned bits = 4u | (static_cast<unsigned>(index) << 3) | (5u << 6);
    g += std::string("\x02\x02", 2) + static_cast<char>(bits & 0xFF) +
         static_cast<char>(bits >> 8) + std::string("\x00\x3b", 2);
    return g;
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

INSTANTIATE_TEST_SUITE_P(
    Faelle, Dekoder,
    testing::Values(
        Kleinbild{"Weiss", Ein_Pixel(false, 0), Argb(255, 255, 255)},
        Kleinbild{"Schwarz", Ein_Pixel(false, 1), Argb(0, 0, 0)},
        Kleinbild{"TransparentesWeiss", Ein_Pixel(true, 0), 0u},
        Kleinbild{"SchwarzBleibtBeiTransparentemWeiss", Ein_Pixel(true, 1), Argb(0, 0, 0)},
        Kleinbild{"FalscherKopf", "GIF90a" + Ein_Pixel(false, 0).substr(6), std::nullopt},
        Kleinbild{"Abgeschnitten", Ein_Pixel(false, 0).substr(0, 30), std::nullopt},
        Kleinbild{"IndexAusserhalbDerTabelle", Ein_Pixel(false, 3), std::nullopt},
        Kleinbild{"Leer", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Versionsressource, TraegtNamenVersionUndUmlauteUnverfaelscht) {
    wchar_t pfad[MAX_PATH];
    GetModuleFileNameW(nullptr, pfad, MAX_PATH);
    DWORD griff = 0;
    const DWORD groesse = GetFileVersionInfoSizeW(pfad, &griff);
    ASSERT_GT(groesse, 0u);
    std::string block(groesse, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(pfad, 0, groesse, block.data()));
    auto wert = [&](const wchar_t* name) {
        wchar_t* text = nullptr;
        UINT laenge = 0;
        const std::wstring schluessel = std::wstring(L"\\StringFileInfo\\040704B0\\") + name;
        if (!VerQueryValueW(block.data(), schluessel.c_str(), reinterpret_cast<void**>(&text),
                            &laenge)) {
            return std::string("(fehlt)");
        }
        return Schmal(std::wstring(text, laenge ? laenge - 1 : 0));
    };
    EXPECT_EQ(wert(L"ProductName"), SCHULFERIEN_PRODUKT);
    EXPECT_EQ(wert(L"ProductVersion"), SCHULFERIEN_VERSION_TEXT);
    EXPECT_EQ(wert(L"FileDescription"),
              "Kennzeichnet die Schulferien der Bundesländer im Velmorant");
}

}  // namespace
