// What only the fake can show and no contract case covers: folders without access, a full
// disk, locks that last a given number of tries, writers that still run, relative paths and
// the fake's own set-up checks.
#include "tests/fake/fake_plattform.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "tests/support/fehlernummer_bei.h"

namespace {

using Schreibart = Plattform::Schreibart;
using Namen = std::vector<std::string>;

TEST(FakePlattform, OrdnerOhneZugriff) {
    FakePlattform p;
    p.Datei_anlegen("C:\\Daten\\Gesperrt\\PlanData.dat", "x");
    p.Datei_anlegen("C:\\Daten\\Gesperrt\\Tiefer\\Ferientage.dat", "x");
    p.Zugriff_sperren("C:\\Daten\\Gesperrt");

    // clang-format off
    const struct {
        const char* schritt;
        std::function<void()> ausfuehren;
        long nummer;
    } faelle[] = {
        {"Muster",                [&] { p.Datei_vorhanden("C:\\Daten\\Gesperrt\\*Data.dat"); },                          Fehlernummer::DateinameFalsch},
        {"Datei tiefer",          [&] { p.Datei_vorhanden("C:\\Daten\\Gesperrt\\Tiefer\\Ferientage.dat"); },             Fehlernummer::DateinameFalsch},
        {"Lesen",                 [&] { p.Datei_lesen("C:\\Daten\\Gesperrt\\PlanData.dat"); },                           Fehlernummer::ZugriffVerweigert},
        {"Ersetzen",              [&] { p.Datei_oeffnen("C:\\Daten\\Gesperrt\\Ferientage.dat", Schreibart::Ersetzen); }, Fehlernummer::ZugriffVerweigert},
        {"Anhängen",              [&] { p.Datei_oeffnen("C:\\Daten\\Gesperrt\\2503 Log.log", Schreibart::Anhaengen); },  Fehlernummer::ZugriffVerweigert},
        {"Entfernen",             [&] { p.Datei_entfernen("C:\\Daten\\Gesperrt\\PlanData.dat"); },                       Fehlernummer::ZugriffVerweigert},
        {"Attribute der Datei",   [&] { p.Attribute_lesen("C:\\Daten\\Gesperrt\\PlanData.dat"); },                       Fehlernummer::ZugriffVerweigert},
        // The folder itself is seen from its parent.
        {"Attribute des Ordners", [&] { p.Attribute_lesen("C:\\Daten\\Gesperrt"); },                                     0},
        {"Ordner als Datei",      [&] { p.Datei_vorhanden("C:\\Daten\\Gesperrt"); },                                     0},
    };
    // clang-format on
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.schritt);
        EXPECT_EQ(Fehlernummer_bei(fall.ausfuehren), fall.nummer);
    }
    EXPECT_EQ(p.Dateien("C:\\Daten\\Gesperrt"), (Namen{"PlanData.dat", "Tiefer"}));

    p.Zugriff_sperren("C:\\Daten\\Gesperrt", false);
    EXPECT_TRUE(p.Datei_vorhanden("C:\\Daten\\Gesperrt\\*Data.dat"));
}

TEST(FakePlattform, VollerDatentraegerBeimErsetzenLaesstDieAlteDatei) {
    FakePlattform p;
    p.Datei_anlegen("C:\\Daten\\Ferientage.dat", "alt");
    p.Schreibfehler_nach(5);

    const int nr = p.Datei_oeffnen("C:\\Daten\\Ferientage.dat", Schreibart::Ersetzen);
    p.Datei_schreiben(nr, "1234");
    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_schreiben(nr, "567"); }),
              Fehlernummer::DatentraegerVoll);
    // A file that lost bytes never takes the old one's place, even when closed with true.
    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_schliessen(nr, true); }),
              Fehlernummer::DatentraegerVoll);
    EXPECT_EQ(p.Inhalt("C:\\Daten\\Ferientage.dat"), "alt");
    EXPECT_EQ(p.Dateien("C:\\Daten"), Namen{"Ferientage.dat"});
    EXPECT_EQ(p.Offene_Dateien(), 0);
}

TEST(FakePlattform, VollerDatentraegerBeimAnhaengenSchreibtBisZurGrenze) {
    FakePlattform p;
    p.Datei_anlegen("C:\\Logs\\2503 Log.log", "0");
    p.Schreibfehler_nach(3);

    const int nr = p.Datei_oeffnen("C:\\Logs\\2503 Log.log", Schreibart::Anhaengen);
    p.Datei_schreiben(nr, "ab");
    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_schreiben(nr, "cd"); }),
              Fehlernummer::DatentraegerVoll);
    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_schreiben(nr, "e"); }),
              Fehlernummer::DatentraegerVoll);  // still full
    p.Datei_schreiben(nr, "");
    p.Schreibfehler_aufheben();
    p.Datei_schreiben(nr, "f");
    p.Datei_schliessen(nr, false);
    EXPECT_EQ(p.Inhalt("C:\\Logs\\2503 Log.log"), "0abcf");
}

TEST(FakePlattform, ErsetzenZeigtDieNeueDateiNebenDerAltenBisZumSchliessen) {
    FakePlattform p;
    p.Datei_anlegen("C:\\Daten\\Ferientage.dat", "alt");
    const int nr = p.Datei_oeffnen("C:\\Daten\\Ferientage.dat", Schreibart::Ersetzen);
    EXPECT_EQ(p.Offene_Dateien(), 1);
    EXPECT_EQ(p.Dateien("C:\\Daten"),
              (Namen{"Ferientage.dat", "Ferientage.dat.~2a4-1@BUERO-7.tmp"}));
    EXPECT_FALSE(p.Datei_vorhanden("C:\\Daten\\*Data.dat"));
    p.Datei_schliessen(nr, true);
    EXPECT_EQ(p.Offene_Dateien(), 0);
    EXPECT_EQ(p.Dateien("C:\\Daten"), Namen{"Ferientage.dat"});
}

// Each step tries a locked file once and then Wiederholungen times more: a lock that lasts
// that long passes, one a try longer is a failure.
TEST(FakePlattform, KurzeSperreVergehtInnerhalbDerVersuche) {
    const std::string pfad = "C:\\Daten\\Ferientage.dat";
    const auto oeffnen = [&](FakePlattform& p, Schreibart art, int sperre) {
        p.Kurz_sperren(pfad, sperre);
        return p.Datei_oeffnen(pfad, art);
    };
    const struct {
        const char* schritt;
        std::function<void(FakePlattform&, int sperre)> ausfuehren;
    } faelle[] = {
        {"Lesen",
         [&](FakePlattform& p, int sperre) {
             p.Kurz_sperren(pfad, sperre);
             p.Datei_lesen(pfad);
         }},
        {"Entfernen",
         [&](FakePlattform& p, int sperre) {
             p.Kurz_sperren(pfad, sperre);
             p.Datei_entfernen(pfad);
         }},
        {"Anhängen",
         [&](FakePlattform& p, int sperre) {
             p.Datei_schliessen(oeffnen(p, Schreibart::Anhaengen, sperre), true);
         }},
        {"Ersetzen, Öffnen",
         [&](FakePlattform& p, int sperre) {
             p.Datei_schliessen(oeffnen(p, Schreibart::Ersetzen, sperre), true);
         }},
        {"Ersetzen, Schließen",
         [&](FakePlattform& p, int sperre) {
             const int nr = oeffnen(p, Schreibart::Ersetzen, 0);
             p.Kurz_sperren(pfad, sperre);
             p.Datei_schliessen(nr, true);
         }},
    };
    constexpr int Versuche = FakePlattform::Wiederholungen + 1;
    for (const auto& fall : faelle) {
        for (const int sperre : {Versuche - 1, Versuche}) {
            SCOPED_TRACE(std::string(fall.schritt) + " " + std::to_string(sperre));
            FakePlattform p;
            p.Datei_anlegen(pfad, "alt");
            EXPECT_EQ(Fehlernummer_bei([&] { fall.ausfuehren(p, sperre); }),
                      sperre < Versuche ? 0 : Fehlernummer::ZugriffVerweigert);
        }
    }
}

TEST(FakePlattform, RelativePfadeZaehlenVomProgrammordner) {
    FakePlattform p;
    p.programmverzeichnis = "D:\\Programme\\Velmorant";
    p.Datei_anlegen("Zedrano.dat", "x");
    EXPECT_TRUE(p.Vorhanden("D:\\Programme\\Velmorant\\Zedrano.dat"));
    EXPECT_TRUE(p.Datei_vorhanden("zedrano.dat"));
    EXPECT_TRUE(p.Datei_vorhanden("\\Programme\\Velmorant\\Zedrano.dat"));
    EXPECT_FALSE(p.Datei_vorhanden("C:\\Programme\\Velmorant\\Zedrano.dat"));
}

// A share is a root like a drive; there is nothing above it.
TEST(FakePlattform, FreigabenSindWurzeln) {
    FakePlattform p;
    EXPECT_EQ(Fehlernummer_bei([&] { p.Attribute_lesen("\\\\srv\\freigabe\\"); }),
              Fehlernummer::PfadNichtGefunden);
    for (const char* ohne_freigabe : {"\\\\srv", "\\\\srv\\", "\\\\srv\\\\Daten", "\\\\\\x"})
        EXPECT_EQ(Fehlernummer_bei([&] { p.Attribute_lesen(ohne_freigabe); }),
                  Fehlernummer::DateinameFalsch)
            << ohne_freigabe;
    p.Datei_anlegen("\\\\srv\\freigabe\\Daten\\Konfigdaten.dat", "x");
    EXPECT_EQ(p.Attribute_lesen("\\\\SRV\\Freigabe"), Attribut::Verzeichnis);
    EXPECT_TRUE(p.Datei_vorhanden("\\\\srv\\FREIGABE\\..\\daten\\*.dat"));
    EXPECT_FALSE(p.Datei_vorhanden("\\\\srv\\andere\\Daten\\Konfigdaten.dat"));
    EXPECT_EQ(p.Dateien("\\\\srv\\freigabe"), Namen{"Daten"});
}

TEST(FakePlattform, FehlerBeimEinrichten) {
    FakePlattform p;
    p.Datei_anlegen("C:\\D\\x.dat", "x");
    EXPECT_THROW(p.Ordner_anlegen("C:\\D\\x.dat\\Unter"), std::logic_error);
    EXPECT_THROW(p.Datei_anlegen("C:\\D", "x"), std::logic_error);
    EXPECT_THROW(p.Sperren("C:\\D\\fehlt.dat"), std::logic_error);
    EXPECT_THROW(p.Kurz_sperren("C:\\D\\fehlt.dat", 1), std::logic_error);
    p.codepage = 932;
    EXPECT_THROW(p.Text_nach_Ansi("x"), std::logic_error);
    EXPECT_THROW(p.Zugriff_sperren("C:\\D\\fehlt.dat"), std::logic_error);
    EXPECT_THROW(p.Attribute_setzen("C:\\fehlt", Attribut::Versteckt), std::logic_error);
}

TEST(FakePlattform, GrossUndKleinbuchstabenAuchJenseitsVonAscii) {
    FakePlattform p;
    p.Datei_anlegen("C:\\Ÿ Œuvre Šárka Ĳ\\Ärger.dat", "x");
    EXPECT_TRUE(p.Datei_vorhanden("c:\\ÿ œUVRE šÁRKA ĳ\\äRGER.DAT"));
    EXPECT_FALSE(p.Datei_vorhanden("C:\\Y OEuvre Sarka IJ\\Arger.dat"));
}

}  // namespace
