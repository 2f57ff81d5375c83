#include "holidayfile/ferientage.h"

#include "calendar/schulferien.h"
#include "tests/unit/kern.h"
#include "ui/frm_schulferien.h"

namespace {

const std::string Pfad = "C:\\Daten\\Ferientage.dat";

class Ferientagedatei : public Kern {
  protected:
    void SetUp() override {
        Kern::SetUp();
        Programm.Datenordner = "C:\\Daten\\";
        fake.Ordner_anlegen("C:\\Daten");
        Programm.Kennung = "Schule am See, Lizenz 4711";
    }
    // The file as marking the state builds it, with the table built during `jahr`.
    std::vector<std::string> Schreiben(int land, int jahr, std::int32_t farbe) {
        fake.jetzt = Zeitpunkt{jahr, 3, 14, 9, 30, 0};
        Schulferienarray_definieren();
        Monatsarray_aufbauen();
        for (const auto& p : Programm.Schulferienarray[land].Ferien)
            if (!p.empty())
                Ferienzeiten_uebernehmen(p.substr(0, 2), p.substr(3, 2), p.substr(6, 2),
                                         p.substr(11, 2), p.substr(14, 2), p.substr(17, 2));
        Programm.Land = Programm.Schulferienarray[land].Name;
        Programm.Farbe = farbe;
        Feiertage_schreiben();
        return Zeilen(Pfad);
    }
};

TEST(HexFarbe, BlauGruenRotHexadezimalInGrossbuchstaben) {
    const std::vector<std::pair<std::int32_t, std::string>> faelle = {
        {8454016, "&H80FF80"}, {255, "&H0000FF"}, {33023, "&H0080FF"},   {16711680, "&HFF0000"},
        {658188, "&H0A0B0C"},  {0, "&H000000"},   {16777215, "&HFFFFFF"}};
    for (const auto& [farbe, text] : faelle) EXPECT_EQ(HexFarbe(farbe), text) << farbe;
}

// The whole file for states worked out by hand, the table built in 2025.
TEST_F(Ferientagedatei, VonHandGerechneteLaender2025) {
    struct Fall {
        int land;
        std::int32_t farbe;
        const char *farbtext, *name;
        const std::vector<std::string>& monate;
    };
    for (const Fall& f :
         {Fall{7, 8454016, "&H80FF80", "Hessen", orakel::Hessen_Monate},
          Fall{14, 255, "&H0000FF", "Sachsen-Anhalt", orakel::Sachsen_Anhalt_Monate}}) {
        std::vector<std::string> erwartet = {"[Ferientage]", "Schule am See, Lizenz 4711",
                                             f.farbtext, f.name, "void"};
        erwartet.insert(erwartet.end(), f.monate.begin(), f.monate.end());
        EXPECT_EQ(Schreiben(f.land, 2025, f.farbe), erwartet);
    }
}

TEST_F(Ferientagedatei, JedesLandGibtEineWohlgeformteDatei) {
    for (int land = 1; land <= 16; ++land) {
        const auto zeilen = Schreiben(land, 2025, 8454016);
        SCOPED_TRACE(Programm.Land);
        ASSERT_GT(zeilen.size(), 5u);
        EXPECT_EQ(zeilen[3], Programm.Land);
        std::string vorher;
        for (std::size_t i = 5; i < zeilen.size(); ++i) {
            const std::string& z = zeilen[i];
            ASSERT_EQ(z.size(), 36u) << z;
            EXPECT_EQ(z[4], ':');
            EXPECT_NE(z.find('1', 5), std::string::npos);
            EXPECT_GT(z.substr(0, 4), vorher) << "months out of order";
            vorher = z.substr(0, 4);
        }
        // The table built in 2025 starts in January 2024; every state has holidays then.
        EXPECT_EQ(zeilen[5].substr(0, 4), "2401");
    }
}

TEST_F(Ferientagedatei, OhneMarkiertenMonatFuenfZeilen) {
    fake.jetzt.Jahr = 2025;
    Monatsarray_aufbauen();
    Programm.Land = "Bayern";
    Programm.Farbe = 0;
    Feiertage_schreiben();
    EXPECT_EQ(Zeilen(Pfad), (std::vector<std::string>{"[Ferientage]", Programm.Kennung, "&H000000",
                                                      "Bayern", "void"}));
}

TEST_F(Ferientagedatei, FarbeKommtWieGeschriebenZurueck) {
    for (std::int32_t farbe : {0, 255, 8454016, 16777215}) {
        Programm = {};
        Programm.Datenordner = "C:\\Daten\\";
        Schreiben(3, 2025, farbe);
        Programm.Farbe = 12345;
        Programm.Land.clear();
        Feiertage_lesen();
        EXPECT_EQ(Programm.Farbe, farbe);
        EXPECT_EQ(Programm.Land, "Berlin");
        EXPECT_TRUE(Programm.FerientageGelesen);
    }
}

TEST_F(Ferientagedatei, LeserNimmtFarbeUndLandOderNichts) {
    struct Fall {
        const char* name;
        std::string bytes;
        std::uint32_t attribute;
        bool gelesen;
        std::int32_t farbe;
        std::string land;
    };
    const auto datei = [](const std::string& kopf, const std::string& farbe) {
        return Verwuerfelt({kopf, "Kennung", farbe, "Bayern", "void", "kaputt\x01", "2401:1"});
    };
    const std::vector<Fall> faelle = {
        {"Hexfarbe", datei("[Ferientage]", "&H80FF80"), Attribut::Archiv, true, 8454016, "Bayern"},
        {"Dezimalfarbe", datei("[Ferientage]", "8454016"), Attribut::Archiv, true, 8454016,
         "Bayern"},
        {"weiss", datei("[Ferientage]", "&HFFFFFF"), Attribut::Archiv, true, 16777215, "Bayern"},
        {"schreibgeschuetzte Datei", datei("[Ferientage]", "&H0000FF"), Attribut::Schreibgeschuetzt,
         true, 255, "Bayern"},
        {"Kopf in Kleinbuchstaben", datei("[ferientage]", "&H80FF80"), Attribut::Archiv, false, -1,
         "vorher"},
        {"Farbe ist ein Wort", datei("[Ferientage]", "grün"), Attribut::Archiv, false, -1,
         "vorher"},
        {"Farbe ohne Ziffern", datei("[Ferientage]", "&H"), Attribut::Archiv, false, -1, "vorher"},
        {"versteckte Datei", datei("[Ferientage]", "&H80FF80"), Attribut::Versteckt, false, -1,
         "vorher"},
        {"Klartext", Klartext({"[Ferientage]", "K", "&H80FF80", "Bayern"}), Attribut::Archiv, false,
         -1, "vorher"},
        // A colour outside 0..16,777,215 is no colour, whichever way it is written.
        {"Farbe ueber Weiss", datei("[Ferientage]", "&H1000000"), Attribut::Archiv, false, -1,
         "vorher"},
        {"Farbe mit 32 Bit", datei("[Ferientage]", "&HFFFFFFFF"), Attribut::Archiv, false, -1,
         "vorher"},
        {"groesste Farbzahl", datei("[Ferientage]", "&H7FFFFFFF"), Attribut::Archiv, false, -1,
         "vorher"},
        {"negative Farbe", datei("[Ferientage]", "-1"), Attribut::Archiv, false, -1, "vorher"},
        {"dezimal ueber Weiss", datei("[Ferientage]", "16777216"), Attribut::Archiv, false, -1,
         "vorher"},
        // The program replaces a damaged file of its own on the next marking; reading it
        // must not end the program.
        {"leere Datei", "", Attribut::Archiv, false, -1, "vorher"},
        {"nur Kopf", Verwuerfelt({"[Ferientage]"}), Attribut::Archiv, false, -1, "vorher"},
        {"endet vor dem Land", Verwuerfelt({"[Ferientage]", "K", "&H80FF80"}), Attribut::Archiv,
         false, -1, "vorher"},
        {"leere erste Zeile", "\r\n" + Verwuerfelt({"K", "&H80FF80", "Bayern"}), Attribut::Archiv,
         false, -1, "vorher"},
        {"leere Zeile unter den ersten vier",
         Verwuerfelt({"[Ferientage]"}) + "\r\n" + Verwuerfelt({"&H80FF80", "Bayern"}),
         Attribut::Archiv, false, -1, "vorher"},
        {"leere Landzeile", Verwuerfelt({"[Ferientage]", "K", "&H80FF80"}) + "\r\n",
         Attribut::Archiv, false, -1, "vorher"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Programm.Farbe = -1;
        Programm.Land = "vorher";
        Programm.FerientageGelesen = false;
        fake.Datei_anlegen(Pfad, f.bytes, f.attribute);
        Feiertage_lesen();
        EXPECT_EQ(Programm.FerientageGelesen, f.gelesen);
        EXPECT_EQ(Programm.Farbe, f.farbe);
        EXPECT_EQ(Programm.Land, f.land);
        EXPECT_TRUE(fake.meldungen.empty());
        EXPECT_FALSE(Kanal_offen());
        fake.Attribute_setzen(Pfad, Attribut::Archiv);
    }
}

// Written and read in the system's ANSI code page.
TEST_F(Ferientagedatei, InDerCodeseiteDesSystems) {
    fake.codepage = 1250;
    Programm.Land = "Śląsk";
    Feiertage_schreiben();
    Programm.Land.clear();
    Feiertage_lesen();
    EXPECT_TRUE(Programm.FerientageGelesen);
    EXPECT_EQ(Programm.Land, "Śląsk");
}

TEST_F(Ferientagedatei, FehlendeOderGesperrteDateiWirdStillUebergangen) {
    Feiertage_lesen();
    fake.Datei_anlegen(Pfad, Verwuerfelt({"[Ferientage]", "K", "&H80FF80", "Bayern"}));
    fake.Sperren(Pfad);
    Feiertage_lesen();
    EXPECT_FALSE(Programm.FerientageGelesen);
    EXPECT_EQ(Programm.Farbe, 0);
    EXPECT_TRUE(fake.meldungen.empty());
}

// Writing never leaves a torn file: on failure the old file stays as it was.
TEST_F(Ferientagedatei, FehlgeschlagenesSchreibenLaesstDieAlteDatei) {
    const std::string alt = Verwuerfelt({"[Ferientage]", "K", "&H80FF80", "Bayern", "void"});
    fake.Datei_anlegen(Pfad, alt);
    fake.Schreibfehler_nach(120);
    EXPECT_THROW(Schreiben(2, 2025, 255), ProgrammBeendet);
    EXPECT_EQ(Meldung(), Fehlerbericht("modSchulferien - LineOut", Fehlernummer::DatentraegerVoll));
    EXPECT_EQ(fake.Inhalt(Pfad), alt);
    EXPECT_EQ(fake.Dateien("C:\\Daten"), (std::vector<std::string>{"Ferientage.dat"}));
}

TEST_F(Ferientagedatei, SchreibgeschuetzteDateiBleibtUndDerNutzerErfaehrtEs) {
    fake.Datei_anlegen(Pfad, "alt", Attribut::Schreibgeschuetzt);
    EXPECT_THROW(Schreiben(2, 2025, 255), ProgrammBeendet);
    EXPECT_EQ(Meldung(),
              "Die Datei 'C:\\Daten\\Ferientage.dat' konnte nicht geöffnet werden.\r\r"
              "Möglicherweise haben Sie keine ausreichenden Zugriffsberechtigungen für den "
              "Ordner 'C:\\Daten', ist die Datei schreibgeschützt oder die Datei ist nicht "
              "vorhanden.\r\rDas Programm wird beendet.");
    EXPECT_EQ(fake.Inhalt(Pfad), "alt");
}

}  // namespace
