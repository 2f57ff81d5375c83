// Step 4 in marking mode beyond the user's usual paths: state names outside ASCII, the
// shortened period list, refusals and a call without a state.
#include "calendar/ferientagedatei_erstellen.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/fake/fake_plattform.h"
#include "tests/unit/kern.h"

namespace {

using Liste = std::vector<std::string>;

const std::string Daten = "D:\\Planer\\Daten\\";

class Kennzeichnen_Schritt4 : public Testhost {
  protected:
    // The window at step 4 for the given state, colour chosen.
    void Bis_Schritt_4(const std::string& land) {
        Programm.Datenordner = Daten;
        Fenster_laden();
        Land_waehlen(land);
        p.farb_antworten = {255u};
        cmdAuswahl_Click(3);
    }
};

// The state's name goes into the file, the log entry and the confirmation as it stands in
// the list; in the files in the host's 8-bit code page.
struct Name {
    const char* fall;
    std::string land;
    std::string land_ansi;
};

class Kennzeichnen_Landname : public Kennzeichnen_Schritt4,
                              public ::testing::WithParamInterface<Name> {};

TEST_P(Kennzeichnen_Landname, Geschrieben) {
    const Name& n = GetParam();
    Host_anlegen(Daten);
    Bis_Schritt_4(n.land);

    cmdAuswahl_Click(4);
    const Liste datei = Zeilen(Daten + "Ferientage.dat");
    ASSERT_GE(datei.size(), 5u);
    EXPECT_EQ(datei[3], n.land);
    EXPECT_EQ(Zeilen(Daten + "Logs\\2503 Zedrano.log"),
              Liste{"14.03.25 09:30:00|meier|ZedraAdmin|Daten der Schulferien für Land " + n.land +
                    " aktualisiert, Stand der Daten: 15.06.24"});
    ASSERT_EQ(p.meldungen.size(), 1u);
    EXPECT_NE(p.meldungen[0].text.find("\rLand: " + n.land + "\r\r"), std::string::npos);

    // Line 4 of the file as bytes.
    const std::string roh = *p.Inhalt(Daten + "Ferientage.dat");
    std::size_t anfang = 0;
    for (int zeile = 0; zeile < 3; ++zeile) anfang = roh.find("\r\n", anfang) + 2;
    EXPECT_EQ(Entwuerfeln(roh.substr(anfang, roh.find("\r\n", anfang) - anfang)), n.land_ansi);
}

INSTANTIATE_TEST_SUITE_P(
    Kennzeichnen_Schritt4, Kennzeichnen_Landname,
    ::testing::Values(Name{"Thueringen", "Thüringen", "Th\xFCringen"},
                      Name{"BadenWuerttemberg", "Baden-Württemberg", "Baden-W\xFCrttemberg"},
                      Name{"NordrheinWestfalen", "Nordrhein-Westfalen", "Nordrhein-Westfalen"}),
    [](const ::testing::TestParamInfo<Name>& info) { return std::string(info.param.fall); });

// A refused call changes nothing the user can see or the host can read, but the state is
// taken from the list before the data are found outdated.
TEST_F(Kennzeichnen_Schritt4, UeberholtNimmtDasLandSchon) {
    Uhr_stellen(2027, 8, 2);
    Host_anlegen(Daten);
    Bis_Schritt_4("Hessen");

    cmdAuswahl_Click(4);
    EXPECT_EQ(Programm.Land, "Hessen");
    EXPECT_FALSE(p.Vorhanden(Daten + "Ferientage.dat"));
    EXPECT_EQ(Schritt(4), "Pfeil++");
}

TEST_F(Kennzeichnen_Schritt4, KeineRechteLaesstDieAlteDateiStehen) {
    Host_anlegen(Daten, {"A:schulz"});
    Ferientage_anlegen(Daten, "&H0080FF", "Bayern");
    const std::string vorher = *p.Inhalt(Daten + "Ferientage.dat");
    Bis_Schritt_4("Hessen");

    cmdAuswahl_Click(4);
    EXPECT_EQ(Meldungen(), Liste{"Sie sind nicht als Administrator im Velmorant eingetragen und "
                                 "daher nicht berechtigt diese Funktion auszuführen."});
    EXPECT_EQ(p.Inhalt(Daten + "Ferientage.dat"), vorher);
    EXPECT_TRUE(p.Dateien(Daten + "Logs").empty());
}

TEST_F(Kennzeichnen_Schritt4, OhneGewaehltesLandEndetDasProgramm) {
    Host_anlegen(Daten);
    Programm.Datenordner = Daten;
    Fenster_laden();
    ASSERT_EQ(Gewaehlt(), "");

    EXPECT_THROW(Ferientagedatei_erstellen(), ProgrammBeendet);
    EXPECT_EQ(Meldungen(), Liste{"Es ist folgender Fehler aufgetreten in Modul 'frmSchulferien - "
                                 "Ferientagedatei_erstellen':\r\rFehler Nr. 9\rIndex außerhalb "
                                 "des gültigen Bereichs\r\rDas Programm wird beendet."});
    EXPECT_FALSE(p.Vorhanden(Daten + "Ferientage.dat"));
    EXPECT_EQ(p.Offene_Dateien(), 0);
}

// A state with many periods lists only those that end this year or later; below 29
// periods every period is listed. The periods are one-day holidays in January of 2024,
// 2025 and 2026; the clock stands in March 2025.
struct Viele {
    int je_jahr[3];  // periods in 2024, 2025, 2026
    Liste gelistet;
};

std::string Eintag(int tag, const std::string& jahr) {
    const std::string datum = (tag < 10 ? "0" : "") + std::to_string(tag) + ".01." + jahr;
    return datum + " - " + datum + " Winter";
}

Liste Eintage(int anzahl, const std::string& jahr) {
    Liste zeitraeume;
    for (int tag = 1; tag <= anzahl; ++tag) zeitraeume.push_back(Eintag(tag, jahr));
    return zeitraeume;
}

Liste Verbunden(std::initializer_list<Liste> teile) {
    Liste alle;
    for (const Liste& t : teile) alle.insert(alle.end(), t.begin(), t.end());
    return alle;
}

class Kennzeichnen_Zeitraumliste : public Kennzeichnen_Schritt4,
                                   public ::testing::WithParamInterface<Viele> {};

TEST_P(Kennzeichnen_Zeitraumliste, Bestaetigung) {
    const Viele& v = GetParam();
    Host_anlegen(Daten);
    Programm.Datenordner = Daten;
    Fenster_laden();
    Bundesland& land = Programm.Schulferienarray[1];
    land.Ferien = {};
    const Liste alle = Verbunden(
        {Eintage(v.je_jahr[0], "24"), Eintage(v.je_jahr[1], "25"), Eintage(v.je_jahr[2], "26")});
    for (std::size_t j = 0; j < alle.size(); ++j) land.Ferien[j + 1] = alle[j];
    Land_waehlen("Baden-Württemberg");
    p.farb_antworten = {255u};
    cmdAuswahl_Click(3);

    cmdAuswahl_Click(4);
    EXPECT_EQ(Meldungen(), Liste{orakel::Bestaetigung("Baden-Württemberg", v.gelistet)});
    // Every period is marked, listed or not.
    const Liste datei = Zeilen(Daten + "Ferientage.dat");
    ASSERT_EQ(datei.size(), 8u);
    EXPECT_EQ(datei[5], orakel::Monat("2401", {{1, v.je_jahr[0]}}));
    EXPECT_EQ(datei[6], orakel::Monat("2501", {{1, v.je_jahr[1]}}));
    EXPECT_EQ(datei[7], orakel::Monat("2601", {{1, v.je_jahr[2]}}));
}

INSTANTIATE_TEST_SUITE_P(
    Kennzeichnen_Schritt4, Kennzeichnen_Zeitraumliste,
    ::testing::Values(Viele{{10, 10, 8},
                            Verbunden({Eintage(10, "24"), Eintage(10, "25"), Eintage(8, "26")})},
                      Viele{{10, 10, 9}, Verbunden({Eintage(10, "25"), Eintage(9, "26")})},
                      Viele{{3, 15, 15}, Verbunden({Eintage(15, "25"), Eintage(15, "26")})}));

}  // namespace
