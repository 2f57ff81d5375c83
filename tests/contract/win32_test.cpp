// What only the Windows side of the platform has to show: the program's own name and
// folder, and files given up when the platform goes away.
#include <gtest/gtest.h>

#include "platform/win32/plattform_win32.h"
#include "tests/contract/umgebung.h"

namespace {

TEST(Win32Plattform, ProgrammnameUndVerzeichnis) {
    Win32Plattform p;
    EXPECT_EQ(p.Programmname(), "contract_tests_win");
    const std::string ordner = p.Programmverzeichnis();
    ASSERT_FALSE(ordner.empty());
    EXPECT_NE(ordner.back(), '\\');
    EXPECT_NE(p.Attribute_lesen(ordner) & Attribut::Verzeichnis, 0u);
    EXPECT_TRUE(p.Datei_vorhanden(ordner + "\\" + p.Programmname() + ".exe"));
}

TEST(Win32Plattform, OffenerErsatzVerschwindetMitDerPlattform) {
    auto u = Neue_Umgebung();
    const std::string ziel = u->Wurzel() + "\\Ferientage.dat";
    u->Datei_anlegen(ziel, "alt");
    {
        Win32Plattform p;
        const int nr = p.Datei_oeffnen(ziel, Plattform::Schreibart::Ersetzen);
        p.Datei_schreiben(nr, "neu");
        EXPECT_EQ(u->Namen(u->Wurzel()).size(), 2u);  // the new file beside the old one
    }
    EXPECT_EQ(u->Namen(u->Wurzel()), std::vector<std::string>{"Ferientage.dat"});
    EXPECT_EQ(u->Inhalt(ziel), "alt");
}

}  // namespace
