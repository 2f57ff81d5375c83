// What only the fake can show: folders without access, a full disk, and the recorded
// window, messages and dialogs that stand in for the user.
#include "tests/fake/fake_plattform.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "tests/support/fehlernummer_bei.h"
#include "ui/layout.h"

namespace {

using Schreibart = Plattform::Schreibart;
using Namen = std::vector<std::string>;

TEST(FakePlattform, OrdnerOhneZugriff) {
    FakePlattform p;
    p.Datei_anlegen("C:\\Daten\\Gesperrt\\PlanData.dat", "x");
    p.Datei_anlegen("C:\\Daten\\Gesperrt\\Tiefer\\Ferientage.dat", "x");
    p.Zugriff_sperren("C:\\Daten\\Gesperrt");

    const struct {
        const char* schritt;
        std::function<void()> ausfuehren;
        long nummer;
    } faelle[] = {
        {"Muster", [&] { p.Datei_vorhanden("C:\\Daten\\Gesperrt\\*Data.dat"); },
         Fehlernummer::DateinameFalsch},
        {"Datei tiefer", [&] { p.Datei_vorhanden("C:\\Daten\\Gesperrt\\Tiefer\\Ferientage.dat"); },
         Fehlernummer::DateinameFalsch},
        {"Lesen", [&] { p.Datei_lesen("C:\\Daten\\Gesperrt\\PlanData.dat"); },
         Fehlernummer::ZugriffVerweigert},
        {"Ersetzen",
         [&] { p.Datei_oeffnen("C:\\Daten\\Gesperrt\\Ferientage.dat", Schreibart::Ersetzen); },
         Fehlernummer::ZugriffVerweigert},
        {"Anhängen",
         [&] { p.Datei_oeffnen("C:\\Daten\\Gesperrt\\2503 Log.log", Schreibart::Anhaengen); },
         Fehlernummer::ZugriffVerweigert},
        {"Entfernen", [&] { p.Datei_entfernen("C:\\Daten\\Gesperrt\\PlanData.dat"); },
         Fehlernummer::ZugriffVerweigert},
        {"Attribute der Datei", [&] { p.Attribute_lesen("C:\\Daten\\Gesperrt\\PlanData.dat"); },
         Fehlernummer::ZugriffVerweigert},
        // The folder itself is seen from its parent.
        {"Attribute des Ordners", [&] { p.Attribute_lesen("C:\\Daten\\Gesperrt"); }, 0},
        {"Ordner als Datei", [&] { p.Datei_vorhanden("C:\\Daten\\Gesperrt"); }, 0},
    };
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

TEST(FakePlattform, LaufwerkeUndWurzeln) {
    FakePlattform p;
    EXPECT_EQ(p.Attribute_lesen("C:\\"), Attribut::Verzeichnis);
    EXPECT_EQ(Fehlernummer_bei([&] { p.Attribute_lesen("Q:\\"); }),
              Fehlernummer::PfadNichtGefunden);
    EXPECT_FALSE(p.Datei_vorhanden("Q:\\Daten\\Konfigdaten.dat"));
    p.Datei_anlegen("Q:\\Daten\\Konfigdaten.dat", "x");
    EXPECT_TRUE(p.Datei_vorhanden("q:/daten/KONFIGDATEN.DAT"));

    // A share is a root like a drive; there is nothing above it.
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

TEST(FakePlattform, AttributeNormalGibtNormal) {
    FakePlattform p;
    p.Datei_anlegen("C:\\D\\x.dat", "x", Attribut::Versteckt | Attribut::Schreibgeschuetzt);
    p.Attribute_normal("C:\\D\\x.dat");
    EXPECT_EQ(p.Attribute_lesen("C:\\D\\x.dat"), Attribut::Normal);
    p.Attribute_normal("C:\\D");
    EXPECT_EQ(p.Attribute_lesen("C:\\D"), Attribut::Verzeichnis);
}

TEST(FakePlattform, FehlerBeimEinrichten) {
    FakePlattform p;
    p.Datei_anlegen("C:\\D\\x.dat", "x");
    EXPECT_THROW(p.Ordner_anlegen("C:\\D\\x.dat\\Unter"), std::logic_error);
    EXPECT_THROW(p.Datei_anlegen("C:\\D", "x"), std::logic_error);
    EXPECT_THROW(p.Sperren("C:\\D\\fehlt.dat"), std::logic_error);
    EXPECT_THROW(p.Kurz_sperren("C:\\D\\fehlt.dat", 1), std::logic_error);
    p.codepage = 65001;
    EXPECT_THROW(p.Ansi_codetabelle(), std::logic_error);
    EXPECT_THROW(p.Zugriff_sperren("C:\\D\\fehlt.dat"), std::logic_error);
    EXPECT_THROW(p.Attribute_setzen("C:\\fehlt", Attribut::Versteckt), std::logic_error);
}

TEST(FakePlattform, GrossUndKleinbuchstabenAuchJenseitsVonAscii) {
    FakePlattform p;
    p.Datei_anlegen("C:\\Ÿ Œuvre Šárka Ĳ\\Ärger.dat", "x");
    EXPECT_TRUE(p.Datei_vorhanden("c:\\ÿ œUVRE šÁRKA ĳ\\äRGER.DAT"));
    EXPECT_FALSE(p.Datei_vorhanden("C:\\Y OEuvre Sarka IJ\\Arger.dat"));
}

TEST(FakePlattform, MeldungenWerdenAufgezeichnet) {
    FakePlattform p;
    std::vector<std::string> waehrend;
    p.bei_meldung = [&](const std::string& text) {
        waehrend.push_back(text + " / " + std::to_string(p.meldungen.size()));
    };
    p.Meldungsfenster("Erste", "Titel");
    p.Meldungsfenster("Zweite", "Titel 2");
    ASSERT_EQ(p.meldungen.size(), 2u);
    EXPECT_EQ(p.meldungen[1].text, "Zweite");
    EXPECT_EQ(p.meldungen[1].titel, "Titel 2");
    // The box is already recorded while it is shown.
    EXPECT_EQ(waehrend, (std::vector<std::string>{"Erste / 1", "Zweite / 2"}));
}

TEST(FakePlattform, BeendenWirftProgrammBeendet) {
    FakePlattform p;
    EXPECT_THROW(p.Beenden(2), ProgrammBeendet);
    EXPECT_EQ(p.exitcode, 2);
    EXPECT_TRUE(p.beendet);
}

TEST(FakePlattform, Hauptfenster) {
    struct : Fensterereignisse {
        void Geklickt(Steuerelement) override {}
        void Ausgewaehlt(Steuerelement) override {}
        void Fehlgeschlagen(const Laufzeitfehler&) override {}
    } ereignisse;
    FakePlattform p;
    EXPECT_THROW(p.Hauptfenster(), Laufzeitfehler);
    p.farbdialog_fehlt = true;
    EXPECT_EQ(Fehlernummer_bei([&] { p.Hauptfenster_erstellen(Layout::Hauptfenster, ereignisse); }),
              Fehlernummer::KomponenteFehlt);
    EXPECT_FALSE(p.fenster_erstellt);

    p.farbdialog_fehlt = false;
    Fenster& f = p.Hauptfenster_erstellen(Layout::Hauptfenster, ereignisse);
    EXPECT_EQ(&f, &p.fenster);
    EXPECT_EQ(&p.Hauptfenster(), &p.fenster);
}

TEST(FakePlattform, DialogeAntwortenDerReiheNach) {
    FakePlattform p;
    p.ordner_antworten = {"C:\\Daten\\", "D:\\"};
    p.farb_antworten = {0x0000FFu, std::nullopt, 0x00FF00u};

    EXPECT_EQ(p.Ordner_auswaehlen("Erster"), "C:\\Daten\\");
    EXPECT_EQ(p.Ordner_auswaehlen("Zweiter"), "D:\\");
    EXPECT_EQ(p.Ordner_auswaehlen("Dritter"), "");  // cancelled
    EXPECT_EQ(p.ordnerdialoge, (std::vector<std::string>{"Erster", "Zweiter", "Dritter"}));

    EXPECT_EQ(p.Farbe_auswaehlen(0x123456, true), 0x0000FFu);
    EXPECT_EQ(p.Farbe_auswaehlen(0, false), std::nullopt);
    EXPECT_EQ(p.Farbe_auswaehlen(7, true), 0x00FF00u);
    EXPECT_EQ(p.Farbe_auswaehlen(8, true), std::nullopt);
    ASSERT_EQ(p.farbdialoge.size(), 4u);
    EXPECT_EQ(p.farbdialoge[0].start, 0x123456u);
    EXPECT_TRUE(p.farbdialoge[0].voll);
    EXPECT_FALSE(p.farbdialoge[1].voll);
}

}  // namespace
