// The check of a chosen data folder: host data present or not, and the log folder.
#include "hostdata/datenordner_checken.h"

#include <optional>
#include <string>
#include <vector>

#include "tests/unit/kern.h"

namespace {

class Datenordner_check : public Testhost {};

using Liste = std::vector<std::string>;

const std::string Daten = "D:\\Planer\\Daten\\";

// Where log entries go after the check: the folder from the host's path settings, else
// Logs below the data, and only a folder that exists.
struct Logfall {
    const char* fall;
    std::string logordner_vorher;
    Liste ordner;
    std::string logordner;
};

class Datenordner_check_Logordner : public Testhost,
                                    public ::testing::WithParamInterface<Logfall> {};

TEST_P(Datenordner_check_Logordner, Logordner) {
    const Logfall& l = GetParam();
    Host_anlegen(Daten, {"A:meier"}, false);
    for (const std::string& o : l.ordner) p.Ordner_anlegen(o);
    Fenster_laden();
    Programm.Datenordner = Daten;
    Programm.Logordner = l.logordner_vorher;

    Datenordner_checken();
    EXPECT_EQ(Programm.Logordner, l.logordner);
    EXPECT_TRUE(p.meldungen.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Datenordner_check, Datenordner_check_Logordner,
    ::testing::Values(Logfall{"LogsImDatenordner", "", {Daten + "Logs"}, Daten + "Logs\\"},
                      Logfall{"KeinLogsOrdner", "", {}, ""},
                      Logfall{"AusEinstellungen",
                              "E:\\Protokolle\\",
                              {"E:\\Protokolle", Daten + "Logs"},
                              "E:\\Protokolle\\"},
                      Logfall{"AusEinstellungenFehlt", "E:\\Protokolle\\", {Daten + "Logs"}, ""}),
    [](const ::testing::TestParamInfo<Logfall>& info) { return std::string(info.param.fall); });

TEST_F(Datenordner_check, LogsAlsDateiZaehltNicht) {
    Host_anlegen(Daten, {"A:meier"}, false);
    p.Datei_anlegen(Daten + "Logs", "keine Ordner");
    Fenster_laden();
    Programm.Datenordner = Daten;

    Datenordner_checken();
    EXPECT_EQ(Programm.Logordner, "");
}

// A folder without host data: the message shows it shortened, and nothing else changes,
// not even a log folder that does not exist.
struct Ohne_Daten {
    const char* fall;
    std::string ordner;
    std::string meldung;
};

class Datenordner_check_ohne_Daten : public Testhost,
                                     public ::testing::WithParamInterface<Ohne_Daten> {};

TEST_P(Datenordner_check_ohne_Daten, Meldung) {
    const Ohne_Daten& o = GetParam();
    p.Ordner_anlegen(o.ordner);
    p.Datei_anlegen(o.ordner + "PlanData.dat", "x", Attribut::Versteckt);
    Fenster_laden();
    const Liste vorher = Schritte();
    Programm.Datenordner = o.ordner;
    Programm.Logordner = "E:\\Fehlt\\";

    Datenordner_checken();
    EXPECT_EQ(Meldungen(), Liste{o.meldung});
    EXPECT_EQ(Schritte(), vorher);
    EXPECT_EQ(Programm.Datenordner, o.ordner);
    EXPECT_EQ(Programm.Logordner, "E:\\Fehlt\\");
}

const std::string Lang =
    "D:\\Schulverwaltung Süd\\Velmorant\\Standort Nord\\Abteilung Personal\\"
    "Abwesenheiten und Vertretungen\\Daten\\";

INSTANTIATE_TEST_SUITE_P(
    Datenordner_check, Datenordner_check_ohne_Daten,
    ::testing::Values(
        Ohne_Daten{"Kurz", "D:\\Leer\\",
                   "Im Ordner 'D:\\Leer' wurden keine An-/Abwesenheitsdaten gefunden."},
        // 102 characters without the final backslash (counted as characters, not bytes):
        // the first 45, " ... " and the last 45.
        Ohne_Daten{"Lang", Lang,
                   "Im Ordner 'D:\\Schulverwaltung Süd\\Velmorant\\Standort Nor ... "
                   "Personal\\Abwesenheiten und Vertretungen\\Daten' wurden keine "
                   "An-/Abwesenheitsdaten gefunden."}),
    [](const ::testing::TestParamInfo<Ohne_Daten>& info) { return std::string(info.param.fall); });

TEST_F(Datenordner_check, EntfernenLiestKeineFerientage) {
    Host_anlegen(Daten);
    Ferientage_anlegen(Daten, "&H0080FF", "Bayern");
    Fenster_laden(false);
    Programm.Datenordner = Daten;

    Datenordner_checken();
    EXPECT_EQ(Schritt(1), "OK+-");
    EXPECT_EQ(Schritt(4), "Pfeil++");
    EXPECT_EQ(Programm.Land, "");
    EXPECT_EQ(Programm.Farbe, 0);
    EXPECT_FALSE(Programm.FerientageGelesen);
    EXPECT_TRUE(p.meldungen.empty());
}

// The check with the window already shown (after the step-1 button): an earlier file's
// state is selected like a user's choice, and step 3 takes the focus when no colour is
// known.
TEST_F(Datenordner_check, NachDemKlickFokusAufFarbe) {
    Host_anlegen(Daten);
    Ferientage_anlegen(Daten, "&H000000", "Saarland");
    Fenster_laden();
    Programm.Datenordner = Daten;

    Datenordner_checken();
    EXPECT_EQ(Gewaehlt(), "Saarland");
    EXPECT_EQ(Schritte(), (Liste{"OK+-", "OK++", "Pfeil++", "Inaktiv--"}));
    EXPECT_EQ(fen.fokus, Element::cmdAuswahl3);
}

}  // namespace
