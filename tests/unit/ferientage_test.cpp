#include "holidayfile/ferientage.h"

#include "calendar/schulferien.h"
#include "tests/unit/kern.h"
#include "ui/frm_schulferien.h"

namespace {

const std::string Pfad = "C:\\Daten\\Ferientage.dat";

using testhost::Monat;

class Ferientagedatei : public Kern {
  protected:
    void SetUp() override {
        Kern::SetUp();
        Datenordner = "C:\\Daten\\";
        fake.Ordner_anlegen("C:\\Daten");
        Kennung = "Schule am See, Lizenz 4711";
    }
    // The file as marking the state builds it, with the table built during `jahr`.
    std::vector<std::string> Schreiben(int land, int jahr, std::int32_t farbe) {
        fake.jetzt = Zeitpunkt{jahr, 3, 14, 9, 30, 0};
        Schulferienarray_definieren();
        Monatsarray_aufbauen();
        for (const auto& p : Schulferienarray[land].Ferien)
            if (!p.empty())
                Ferienzeiten_uebernehmen(p.substr(0, 2), p.substr(3, 2), p.substr(6, 2),
                                         p.substr(11, 2), p.substr(14, 2), p.substr(17, 2));
        Land = Schulferienarray[land].Name;
        Farbe = farbe;
        Feiertage_schreiben();
        return Zeilen(Pfad);
    }
};

TEST(HexFarbe, BlueGreenRedInUpperCaseHex) {
    const std::vector<std::pair<std::int32_t, std::string>> faelle = {
        {8454016, "&H80FF80"}, {255, "&H0000FF"}, {33023, "&H0080FF"},   {16711680, "&HFF0000"},
        {658188, "&H0A0B0C"},  {0, "&H000000"},   {16777215, "&HFFFFFF"}};
    for (const auto& [farbe, text] : faelle) EXPECT_EQ(HexFarbe(farbe), text) << farbe;
}

TEST_F(Ferientagedatei, HessenBuiltIn2025) {
    const auto zeilen = Schreiben(7, 2025, 8454016);
    const std::vector<std::string> erwartet = {
        "[Ferientage]",
        "Schule am See, Lizenz 4711",
        "&H80FF80",
        "Hessen",
        "void",
        Monat("2401", {{1, 13}}),
        Monat("2403", {{25, 31}}),
        Monat("2404", {{1, 13}}),
        Monat("2407", {{15, 31}}),
        Monat("2408", {{1, 23}}),
        Monat("2410", {{14, 25}}),
        Monat("2412", {{23, 31}}),
        Monat("2501", {{1, 10}}),
        Monat("2504", {{7, 21}}),
        Monat("2507", {{7, 31}}),
        Monat("2508", {{1, 15}}),
        Monat("2510", {{6, 18}}),
        Monat("2512", {{22, 31}}),
        Monat("2601", {{1, 10}}),
        Monat("2603", {{30, 31}}),
        Monat("2604", {{1, 10}}),
        Monat("2606", {{29, 30}}),
        Monat("2607", {{1, 31}}),
        Monat("2608", {{1, 7}}),
        Monat("2610", {{5, 17}}),
        Monat("2612", {{23, 31}}),
        Monat("2701", {{1, 12}}),
    };
    EXPECT_EQ(zeilen, erwartet);
}

TEST_F(Ferientagedatei, SachsenAnhaltBuiltIn2025) {
    const auto zeilen = Schreiben(14, 2025, 255);
    const std::vector<std::string> monate = {
        Monat("2401", {{1, 3}}),           Monat("2402", {{5, 10}}),
        Monat("2403", {{25, 30}}),         Monat("2405", {{21, 24}}),
        Monat("2406", {{24, 30}}),         Monat("2407", {{1, 31}}),
        Monat("2408", {{1, 3}}),           Monat("2409", {{30, 30}}),
        Monat("2410", {{1, 12}}),          Monat("2412", {{23, 31}}),
        Monat("2501", {{1, 4}, {27, 31}}), Monat("2504", {{7, 19}}),
        Monat("2506", {{28, 30}}),         Monat("2507", {{1, 31}}),
        Monat("2508", {{1, 8}}),           Monat("2510", {{13, 25}}),
        Monat("2512", {{22, 31}}),         Monat("2601", {{1, 5}, {31, 31}}),
        Monat("2602", {{1, 6}}),           Monat("2603", {{30, 31}}),
        Monat("2604", {{1, 4}}),           Monat("2605", {{26, 29}}),
        Monat("2607", {{4, 31}}),          Monat("2608", {{1, 14}}),
        Monat("2610", {{19, 30}}),         Monat("2612", {{21, 31}}),
        Monat("2701", {{1, 2}}),
    };
    ASSERT_EQ(zeilen.size(), 5 + monate.size());
    EXPECT_EQ(zeilen[2], "&H0000FF");
    EXPECT_EQ(zeilen[3], "Sachsen-Anhalt");
    EXPECT_EQ(std::vector<std::string>(zeilen.begin() + 5, zeilen.end()), monate);
}

TEST_F(Ferientagedatei, EveryStateGivesAWellFormedFile) {
    for (int land = 1; land <= 16; ++land) {
        const auto zeilen = Schreiben(land, 2025, 8454016);
        SCOPED_TRACE(Land);
        ASSERT_GT(zeilen.size(), 5u);
        EXPECT_EQ(zeilen[3], Land);
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

TEST_F(Ferientagedatei, NoMarkedMonthGivesFiveLines) {
    fake.jetzt.Jahr = 2025;
    Monatsarray_aufbauen();
    Land = "Bayern";
    Farbe = 0;
    Feiertage_schreiben();
    EXPECT_EQ(Zeilen(Pfad),
              (std::vector<std::string>{"[Ferientage]", Kennung, "&H000000", "Bayern", "void"}));
}

TEST_F(Ferientagedatei, ColourComesBackAsWritten) {
    for (std::int32_t farbe : {0, 255, 8454016, 16777215}) {
        Programm = {};
        Datenordner = "C:\\Daten\\";
        Schreiben(3, 2025, farbe);
        Farbe = 12345;
        Land.clear();
        Feiertage_lesen();
        EXPECT_EQ(Farbe, farbe);
        EXPECT_EQ(Land, "Berlin");
        EXPECT_TRUE(FerientageGelesen);
    }
}

TEST_F(Ferientagedatei, ReaderTakesColourAndStateOrNothing) {
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
        {"hex colour", datei("[Ferientage]", "&H80FF80"), Attribut::Archiv, true, 8454016,
         "Bayern"},
        {"decimal colour", datei("[Ferientage]", "8454016"), Attribut::Archiv, true, 8454016,
         "Bayern"},
        {"white", datei("[Ferientage]", "&HFFFFFF"), Attribut::Archiv, true, 16777215, "Bayern"},
        {"read-only file", datei("[Ferientage]", "&H0000FF"), Attribut::Schreibgeschuetzt, true,
         255, "Bayern"},
        {"header in small letters", datei("[ferientage]", "&H80FF80"), Attribut::Archiv, false, -1,
         "vorher"},
        {"colour is a word", datei("[Ferientage]", "grün"), Attribut::Archiv, false, -1, "vorher"},
        {"colour is empty of digits", datei("[Ferientage]", "&H"), Attribut::Archiv, false, -1,
         "vorher"},
        {"hidden file", datei("[Ferientage]", "&H80FF80"), Attribut::Versteckt, false, -1,
         "vorher"},
        {"plain text", Klartext({"[Ferientage]", "K", "&H80FF80", "Bayern"}), Attribut::Archiv,
         false, -1, "vorher"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Farbe = -1;
        Land = "vorher";
        FerientageGelesen = false;
        fake.Datei_anlegen(Pfad, f.bytes, f.attribute);
        Feiertage_lesen();
        EXPECT_EQ(FerientageGelesen, f.gelesen);
        EXPECT_EQ(Farbe, f.farbe);
        EXPECT_EQ(Land, f.land);
        EXPECT_TRUE(fake.meldungen.empty());
        EXPECT_FALSE(Kanal_offen());
        fake.Attribute_setzen(Pfad, Attribut::Archiv);
    }
}

TEST_F(Ferientagedatei, MissingOrLockedFileIsSkippedSilently) {
    Feiertage_lesen();
    fake.Datei_anlegen(Pfad, Verwuerfelt({"[Ferientage]", "K", "&H80FF80", "Bayern"}));
    fake.Sperren(Pfad);
    Feiertage_lesen();
    EXPECT_FALSE(FerientageGelesen);
    EXPECT_EQ(Farbe, 0);
    EXPECT_TRUE(fake.meldungen.empty());
}

TEST_F(Ferientagedatei, AFileEndingBeforeItsFourthLineEndsTheProgram) {
    for (const auto& bytes :
         {Verwuerfelt({"[Ferientage]"}), Verwuerfelt({"[Ferientage]", "K", "&H80FF80"}),
          Verwuerfelt({"[Ferientage]"}) + "\r\n" + Verwuerfelt({"x", "y"})}) {
        fake.meldungen.clear();
        fake.Datei_anlegen(Pfad, bytes);
        EXPECT_THROW(Feiertage_lesen(), ProgrammBeendet);
        EXPECT_NE(Meldung().find("'modSchulferien - LineIn'"), std::string::npos);
    }
}

// Writing never leaves a torn file: on failure the old file stays as it was.
TEST_F(Ferientagedatei, AFailedWriteKeepsTheOldFile) {
    const std::string alt = Verwuerfelt({"[Ferientage]", "K", "&H80FF80", "Bayern", "void"});
    fake.Datei_anlegen(Pfad, alt);
    fake.Schreibfehler_nach(120);
    EXPECT_THROW(Schreiben(2, 2025, 255), ProgrammBeendet);
    EXPECT_EQ(Meldung(), Fehlerbericht("modSchulferien - LineOut", Fehlernummer::DatentraegerVoll));
    EXPECT_EQ(fake.Inhalt(Pfad), alt);
    EXPECT_EQ(fake.Dateien("C:\\Daten"), (std::vector<std::string>{"Ferientage.dat"}));
}

TEST_F(Ferientagedatei, AReadOnlyFileIsNotWrittenAndTheUserIsTold) {
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
