// The log book, messages, error reports and the path helpers.
#include <functional>
#include <new>
#include <stdexcept>

#include "services/dateikanal.h"
#include "services/logbuch.h"
#include "services/meldungen.h"
#include "startup/main.h"
#include "tests/unit/kern.h"

namespace {

class Logbuch : public Kern {
  protected:
    void SetUp() override {
        Programm.Logordner = "C:\\Daten\\Logs\\";
        fake.Ordner_anlegen("C:\\Daten\\Logs");
        Programm.Benutzername = "benutzer1";
        Programm.Heute = "261207";
        fake.jetzt = Zeitpunkt{2026, 12, 7, 14, 5, 9};
    }
};

TEST_F(Logbuch, EintraegeInDieDateiDesStartmonats) {
    Logbuch_ergaenzen(2, "Kennzeichnen der Schulferien aufgehoben");
    fake.jetzt = Zeitpunkt{2027, 1, 1, 0, 0, 1};  // after midnight at the turn of the year
    Logbuch_ergaenzen(1, "a|b");
    EXPECT_EQ(Zeilen("C:\\Daten\\Logs\\2612 Zedrano.log"),
              (std::vector<std::string>{
                  "07.12.26 14:05:09|benutzer1|ZedraAdmin|Kennzeichnen der Schulferien aufgehoben",
                  "01.01.27 00:00:01|benutzer1|a|b"}));
    EXPECT_EQ(fake.Dateien("C:\\Daten\\Logs"), (std::vector<std::string>{"2612 Zedrano.log"}));
}

TEST_F(Logbuch, OhneOderVerschwundenenLogordnerKeinEintrag) {
    Programm.Logordner.clear();
    Logbuch_ergaenzen(2, "x");
    EXPECT_TRUE(fake.Dateien("C:\\Daten\\Logs").empty());
    Programm.Logordner = "C:\\Weg\\";
    Logbuch_ergaenzen(2, "x");
    Programm.Logordner = "C:\\Daten\\Logs\\";
    fake.Datei_anlegen("C:\\Daten\\Logs\\2612 Zedrano.log", "", Attribut::Schreibgeschuetzt);
    Logbuch_ergaenzen(2, "x");
    EXPECT_EQ(fake.Inhalt("C:\\Daten\\Logs\\2612 Zedrano.log"), "");
    EXPECT_TRUE(fake.meldungen.empty());
    EXPECT_FALSE(fake.Vorhanden("C:\\Weg"));
}

class Meldungen : public Kern {};

TEST_F(Meldungen, JedeMeldungPieptUndTraegtDenTitel) {
    Meldung_anzeigen("Hallo\rWelt");
    ASSERT_EQ(fake.meldungen.size(), 1u);
    EXPECT_EQ(fake.meldungen[0].text, "Hallo\rWelt");
    EXPECT_EQ(fake.meldungen[0].titel, "Velmorant - Schulferien kennzeichnen");
    EXPECT_EQ(fake.pieptoene, 1);
}

// A platform whose first question at start-up fails as the C++ library would.
struct FakePlattform_mit_Ausnahme : FakePlattform {
    std::function<void()> ausnahme;
    std::string Programmname() override {
        ausnahme();
        return programmname;
    }
};

TEST_F(Meldungen, FehlerberichteNennenOrtNummerUndBeschreibungAufDeutsch) {
    struct Fall {
        const char* name;
        std::function<void()> ausnahme;
        const char* bericht;
    };
    // clang-format off
    const std::vector<Fall> faelle = {
        {"Laufzeitfehler", [] { throw Fehler(Fehlernummer::DateiNichtGefunden); },
         "Fehler Nr. 53\rDatei nicht gefunden"},
        {"Speicher erschoepft", [] { throw std::bad_alloc(); },
         "Fehler Nr. 7\rNicht genügend Speicher"},
        {"Ausnahme der Bibliothek", [] { throw std::out_of_range("vector::_M_range_check"); },
         "Fehler Nr. 1000\rAnwendungs- oder objektdefinierter Fehler"},
    };
    // clang-format on
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const std::string ende =
            std::string("':\r\r") + f.bericht + "\r\rDas Programm wird beendet.";

        fake.meldungen.clear();
        fake.Datei_anlegen("C:\\D\\a.dat", "x");
        ASSERT_TRUE(Datei_oeffnen("C:\\D\\a.dat", "Input", ""));
        EXPECT_THROW(Geschuetzt("modSchulferien - ParentDir", f.ausnahme), ProgrammBeendet);
        EXPECT_EQ(
            Meldung(),
            "Es ist folgender Fehler aufgetreten in Modul 'modSchulferien - ParentDir" + ende);
        EXPECT_FALSE(Kanal_offen());
        EXPECT_EQ(fake.exitcode, Exitcode::Fehlerbericht);

        FakePlattform_mit_Ausnahme start;
        start.ausnahme = f.ausnahme;
        Plattform_setzen(&start);
        EXPECT_THROW(Main(), ProgrammBeendet);
        Plattform_setzen(&fake);
        EXPECT_EQ(start.meldungen.empty() ? "" : start.meldungen[0].text,
                  "Es ist folgender Fehler aufgetreten in Modul 'modSchulferien - Main" + ende);
        EXPECT_EQ(start.exitcode, Exitcode::Fehlerbericht);
    }
}

TEST_F(Meldungen, AbbruchSchliesstDenKanalUndBeendetDasProgramm) {
    fake.Datei_anlegen("C:\\D\\a.dat", "x");
    ASSERT_TRUE(Datei_oeffnen("C:\\D\\a.dat", "Input", ""));
    EXPECT_THROW(Programm_abbrechen("Es geht nicht"), ProgrammBeendet);
    EXPECT_EQ(Meldung(), "Es geht nicht.\r\rDas Programm wird beendet.");
    EXPECT_FALSE(Kanal_offen());
    EXPECT_EQ(fake.exitcode, Exitcode::Abbruch);
}

TEST(Pfade, FuerMeldungenGekuerzt) {
    const std::string p100 = "C:\\" + std::string(97, 'x');
    const std::string p101 = "C:\\" + std::string(47, 'a') + std::string(51, 'z');
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"", "''"},
        {"C:\\Daten\\", "'C:\\Daten'"},
        {"C:\\", "'C:'"},
        {"C:\\Daten\\a.dat", "'C:\\Daten\\a.dat'"},
        {p100, "'" + p100 + "'"},
        {p100 + "\\", "'" + p100 + "'"},
        {p101, "'" + p101.substr(0, 45) + " ... " + p101.substr(56) + "'"},
        {"C:\\" + std::string(120, 'u') + "ä",
         "'C:\\" + std::string(42, 'u') + " ... " + std::string(44, 'u') + "ä'"},
    };
    for (const auto& [pfad, gekuerzt] : faelle) EXPECT_EQ(Pfad_kuerzen(pfad), gekuerzt) << pfad;
    EXPECT_EQ(Laenge(Pfad_kuerzen(p101)), 97u);
}

TEST(Pfade, UebergeordneterOrdner) {
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"C:\\Daten\\Ferientage.dat", "C:\\Daten\\"},
        {"C:\\Daten\\", "C:\\"},
        {"C:\\", ""},
        {"Datei.dat", ""},
        {"", ""},
        {"\\", ""},
        {"C:\\Schüler\\ä", "C:\\Schüler\\"},
        // A share's root is the top.
        {"\\\\server\\freigabe\\", ""},
        {"\\\\server\\freigabe", ""},
        {"\\\\server\\", ""},
        {"\\\\server\\freigabe\\Daten\\", "\\\\server\\freigabe\\"},
        {"\\\\server\\freigabe\\Ferientage.dat", "\\\\server\\freigabe\\"},
        {"\\\\server\\freigabe\\Daten\\Logs", "\\\\server\\freigabe\\Daten\\"},
    };
    for (const auto& [pfad, ordner] : faelle) EXPECT_EQ(ParentDir(pfad), ordner) << pfad;
}

TEST_F(Meldungen, OrdnerpruefungUndLoeschen) {
    fake.Ordner_anlegen("C:\\Daten");
    fake.Datei_anlegen("C:\\Daten\\a.dat", "x", Attribut::Schreibgeschuetzt | Attribut::Versteckt);
    EXPECT_TRUE(Ordner_vorhanden("C:\\Daten"));
    EXPECT_TRUE(Ordner_vorhanden("c:\\daten\\"));
    EXPECT_FALSE(Ordner_vorhanden("C:\\Daten\\a.dat"));
    EXPECT_FALSE(Ordner_vorhanden("Q:\\Nichts"));
    EXPECT_FALSE(Ordner_vorhanden(""));
    Datei_loeschen("C:\\Daten\\a.dat");
    EXPECT_FALSE(fake.Vorhanden("C:\\Daten\\a.dat"));
    Datei_loeschen("C:\\Daten\\fehlt.dat");
    fake.Datei_anlegen("C:\\Daten\\b.dat", "x");
    fake.Sperren("C:\\Daten\\b.dat");
    Datei_loeschen("C:\\Daten\\b.dat");
    EXPECT_TRUE(fake.Vorhanden("C:\\Daten\\b.dat"));
    EXPECT_TRUE(fake.meldungen.empty());
}

}  // namespace
