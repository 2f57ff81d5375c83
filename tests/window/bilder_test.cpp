// The status pictures as the program decodes them from its own GIF resources, and the version
// resource's German text. The decoder itself is tested natively (tests/unit/gif_bild_test.cpp).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/gif_bild.h"
#include "platform/win32/hilfen_win32.h"
#include "ressourcen.h"
#include "tests/support/argb.h"
#include "tests/support/ressource_win32.h"
#include "version.h"

namespace {

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
    EXPECT_EQ(wert(L"ProductName"), "Schulferien kennzeichnen");
    EXPECT_EQ(wert(L"FileVersion"), SCHULFERIEN_VERSION_TEXT);
    EXPECT_EQ(wert(L"FileDescription"),
              "Kennzeichnet die Schulferien der Bundesländer im Velmorant");
}

}  // namespace
