// Ferientage.dat: the writer, the reader of an earlier file, and failures on the way.
#include "holidayfile/ferientage.h"

#include <initializer_list>
#include <utility>

#include "tests/unit/kern.h"

namespace {

const std::string Pfad = "C:\\Daten\\Ferientage.dat";

class Ferientagedatei : public Kern {
  protected:
    void SetUp() override {
        Programm.Datenordner = "C:\\Daten\\";
        fake.Ordner_anlegen("C:\\Daten");
        Programm.Kennung = "Schule am See, Lizenz 4711";
    }
    // Writes the file for Bayern in `farbe`, the month table built in 2025 with the days of
    // `markiert` (1 to 120: January 2024 on) marked from the 1st.
    Liste Schreiben(std::int32_t farbe, std::initializer_list<std::pair<int, int>> markiert = {}) {
        Monatsarray_aufbauen();
        for (const auto& [monat, tage] : markiert)
            for (int tag = 1; tag <= tage; ++tag) Programm.Monatsarray[monat][4 + tag] = '1';
        Programm.Land = "Bayern";
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

// The header lines, then the months with at least one marked day, in order.
TEST_F(Ferientagedatei, KopfUndMonateMitFerientagen) {
    EXPECT_EQ(Schreiben(0),
              (Liste{"[Ferientage]", "Schule am See, Lizenz 4711", "&H000000", "Bayern", "void"}));
    EXPECT_EQ(Schreiben(255, {{8, 31}, {2, 1}, {120, 2}}),
              (Liste{"[Ferientage]", "Schule am See, Lizenz 4711", "&H0000FF", "Bayern", "void",
                     orakel::Monat("2402", {{1, 1}}), orakel::Monat("2408", {{1, 31}}),
                     orakel::Monat("3312", {{1, 2}})}));
}

TEST_F(Ferientagedatei, FarbeKommtWieGeschriebenZurueck) {
    for (std::int32_t farbe : {0, 255, 8454016, 16777215}) {
        Schreiben(farbe);
        Programm.Farbe = 12345;
        Programm.Land.clear();
        Programm.FerientageGelesen = false;
        Feiertage_lesen();
        EXPECT_EQ(Programm.Farbe, farbe);
        EXPECT_EQ(Programm.Land, "Bayern");
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
    // clang-format off
    const std::vector<Fall> faelle = {
        {"Hexfarbe", datei("[Ferientage]", "&H80FF80"), Attribut::Archiv, true, 8454016, "Bayern"},
        {"Hexfarbe klein", datei("[Ferientage]", "&h80ff80"), Attribut::Archiv, true, 8454016, "Bayern"},
        {"Dezimalfarbe", datei("[Ferientage]", "8454016"), Attribut::Archiv, true, 8454016, "Bayern"},
        {"Dezimal mit Vorzeichen", datei("[Ferientage]", "+9"), Attribut::Archiv, true, 9, "Bayern"},
        {"weiss", datei("[Ferientage]", "&HFFFFFF"), Attribut::Archiv, true, 16777215, "Bayern"},
        {"schreibgeschuetzte Datei", datei("[Ferientage]", "&H0000FF"), Attribut::Schreibgeschuetzt, true, 255, "Bayern"},
        {"Kopf in Kleinbuchstaben", datei("[ferientage]", "&H80FF80"), Attribut::Archiv, false, -1, "vorher"},
        {"Farbe ist ein Wort", datei("[Ferientage]", "grün"), Attribut::Archiv, false, -1, "vorher"},
        {"Farbe ohne Ziffern", datei("[Ferientage]", "&H"), Attribut::Archiv, false, -1, "vorher"},
        {"versteckte Datei", datei("[Ferientage]", "&H80FF80"), Attribut::Versteckt, false, -1, "vorher"},
        {"Klartext", Klartext({"[Ferientage]", "K", "&H80FF80", "Bayern"}), Attribut::Archiv, false, -1, "vorher"},
        // A colour outside 0..16,777,215 is no colour, whichever way it is written.
        {"Farbe ueber Weiss", datei("[Ferientage]", "&H1000000"), Attribut::Archiv, false, -1, "vorher"},
        {"Farbe mit 32 Bit", datei("[Ferientage]", "&HFFFFFFFF"), Attribut::Archiv, false, -1, "vorher"},
        {"groesste Farbzahl", datei("[Ferientage]", "&H7FFFFFFF"), Attribut::Archiv, false, -1, "vorher"},
        {"negative Farbe", datei("[Ferientage]", "-1"), Attribut::Archiv, false, -1, "vorher"},
        {"dezimal ueber Weiss", datei("[Ferientage]", "16777216"), Attribut::Archiv, false, -1, "vorher"},
        // The program replaces a damaged file of its own on the next marking; reading it
        // must not end the program.
        {"leere Datei", "", Attribut::Archiv, false, -1, "vorher"},
        {"nur Kopf", Verwuerfelt({"[Ferientage]"}), Attribut::Archiv, false, -1, "vorher"},
        {"endet vor dem Land", Verwuerfelt({"[Ferientage]", "K", "&H80FF80"}), Attribut::Archiv, false, -1, "vorher"},
        {"leere erste Zeile", "\r\n" + Verwuerfelt({"K", "&H80FF80", "Bayern"}), Attribut::Archiv, false, -1, "vorher"},
        {"leere Zeile unter den ersten vier", Verwuerfelt({"[Ferientage]"}) + "\r\n" + Verwuerfelt({"&H80FF80", "Bayern"}), Attribut::Archiv, false, -1, "vorher"},
        {"leere Landzeile", Verwuerfelt({"[Ferientage]", "K", "&H80FF80"}) + "\r\n", Attribut::Archiv, false, -1, "vorher"},
    };
    // clang-format on
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
    fake.Schreibfehler_nach(80);
    EXPECT_THROW(Schreiben(255, {{8, 31}}), ProgrammBeendet);
    EXPECT_EQ(Meldung(), Fehlerbericht("modSchulferien - LineOut", 61));
    EXPECT_EQ(fake.Inhalt(Pfad), alt);
    EXPECT_EQ(fake.Dateien("C:\\Daten"), Liste{"Ferientage.dat"});
}

TEST_F(Ferientagedatei, SchreibgeschuetzteDateiBleibtUndDerNutzerErfaehrtEs) {
    fake.Datei_anlegen(Pfad, "alt", Attribut::Schreibgeschuetzt);
    EXPECT_THROW(Schreiben(255), ProgrammBeendet);
    EXPECT_EQ(Meldung(),
              "Die Datei 'C:\\Daten\\Ferientage.dat' konnte nicht geöffnet werden.\r\r"
              "Möglicherweise haben Sie keine ausreichenden Zugriffsberechtigungen für den "
              "Ordner 'C:\\Daten', ist die Datei schreibgeschützt oder die Datei ist nicht "
              "vorhanden.\r\rDas Programm wird beendet.");
    EXPECT_EQ(fake.Inhalt(Pfad), "alt");
}

}  // namespace
