// The main window's handlers: loading in both modes, the buttons, the state list and the
// colour step, seen through what the window shows.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/unit/kern.h"

namespace {

using Liste = std::vector<std::string>;

const std::string Daten = "D:\\Planer\\Daten\\";

class Hauptfenster : public Testhost {};

struct Laden {
    const char* fall;
    bool markieren;
    bool datenordner_mit_daten;
    Liste schritte;  // "" where the mode hides the step
    std::size_t eintraege;
};

class Hauptfenster_laden : public Testhost, public ::testing::WithParamInterface<Laden> {};

TEST_P(Hauptfenster_laden, Startzustand) {
    const Laden& l = GetParam();
    Host_anlegen(Daten);
    // A data folder from the host's settings counts only when it holds data files.
    Programm.Datenordner = l.datenordner_mit_daten ? Daten : "D:\\Planer\\";
    Fenster_laden(l.markieren);

    EXPECT_EQ(fen.titel, "Velmorant - Schulferien kennzeichnen");
    for (int n = 1; n <= 4; ++n) {
        const std::string& erwartet = l.schritte[static_cast<std::size_t>(n - 1)];
        if (!erwartet.empty()) {
            EXPECT_EQ(Schritt(n), erwartet) << "step " << n;
        }
    }
    EXPECT_EQ(fen.eintraege.size(), l.eintraege);
    EXPECT_EQ(Gewaehlt(), "");
    EXPECT_EQ(fen.fokus, Element::cmdAuswahl5);
    EXPECT_TRUE(p.meldungen.empty());
    EXPECT_FALSE(fen.entladen);
}

INSTANTIATE_TEST_SUITE_P(
    Hauptfenster, Hauptfenster_laden,
    ::testing::Values(
        Laden{"Kennzeichnen", true, false, {"Pfeil++", "Inaktiv--", "Inaktiv--", "Inaktiv--"}, 16},
        Laden{
            "KennzeichnenMitDaten", true, true, {"OK+-", "Pfeil++", "Inaktiv--", "Inaktiv--"}, 16},
        Laden{"Entfernen", false, false, {"Pfeil++", "", "", "Inaktiv--"}, 0},
        Laden{"EntfernenMitDaten", false, true, {"OK+-", "", "", "Pfeil++"}, 0}),
    [](const ::testing::TestParamInfo<Laden>& info) { return std::string(info.param.fall); });

TEST_F(Hauptfenster, ListeInTabellenreihenfolge) {
    Fenster_laden();
    EXPECT_EQ(fen.eintraege,
              (Liste{"Baden-Württemberg", "Bayern", "Berlin", "Brandenburg", "Bremen", "Hamburg",
                     "Hessen", "Mecklenburg-Vorpommern", "Niedersachsen", "Nordrhein-Westfalen",
                     "Rheinland-Pfalz", "Saarland", "Sachsen", "Sachsen-Anhalt",
                     "Schleswig-Holstein", "Thüringen"}));
}

TEST_F(Hauptfenster, BeendenEntlaedtDasFenster) {
    Fenster_laden();
    cmdAuswahl_Click(5);
    EXPECT_TRUE(fen.entladen);
    EXPECT_TRUE(p.meldungen.empty());
}

TEST_F(Hauptfenster, UnbekannteKnoepfeTunNichts) {
    Host_anlegen(Daten);
    p.ordner_antworten = {Daten};
    p.farb_antworten = {255u};
    Fenster_laden();
    const Liste vorher = Schritte();
    for (std::int16_t index : {0, 2, 6, -1}) cmdAuswahl_Click(index);
    EXPECT_EQ(Schritte(), vorher);
    EXPECT_FALSE(fen.entladen);
    EXPECT_TRUE(p.ordnerdialoge.empty());
    EXPECT_TRUE(p.farbdialoge.empty());
    EXPECT_TRUE(p.meldungen.empty());
}

// A data folder from the host's settings that can't be searched is left to step 1 instead of
// ending the program at every start.
TEST_F(Hauptfenster, UnerreichbarerDatenordnerBleibtSchritt1) {
    Host_anlegen(Daten);
    p.Zugriff_sperren(Daten);
    Programm.Datenordner = Daten;
    Fenster_laden();
    EXPECT_EQ(Schritte(), (Liste{"Pfeil++", "Inaktiv--", "Inaktiv--", "Inaktiv--"}));
    EXPECT_TRUE(p.meldungen.empty());
    EXPECT_FALSE(p.beendet);
}

TEST_F(Hauptfenster, OrdnerwahlAbgebrochenAendertNichts) {
    Host_anlegen(Daten);
    Fenster_laden();
    cmdAuswahl_Click(1);  // no answer queued: the user cancels
    EXPECT_EQ(p.ordnerdialoge.size(), 1u);
    EXPECT_EQ(Schritte(), (Liste{"Pfeil++", "Inaktiv--", "Inaktiv--", "Inaktiv--"}));
    EXPECT_TRUE(p.meldungen.empty());
}

// Picking a state, by how far the steps are.
struct Wahl {
    const char* fall;
    bool farbe_gewaehlt;        // step 3 done before
    bool kennzeichnung_fertig;  // step 4 done before
    bool sichtbar;
    Liste schritte;  // steps 2 to 4 after the choice
    Steuerelement fokus;
};

class Hauptfenster_Landwahl : public Testhost, public ::testing::WithParamInterface<Wahl> {};

TEST_P(Hauptfenster_Landwahl, Schritte) {
    const Wahl& w = GetParam();
    Host_anlegen(Daten);
    Programm.Datenordner = Daten;
    Fenster_laden();
    if (w.farbe_gewaehlt) {
        Land_waehlen("Bremen");
        p.farb_antworten = {255u};
        cmdAuswahl_Click(3);
    }
    if (w.kennzeichnung_fertig) cmdAuswahl_Click(4);
    fen.fokus = Element::cmdAuswahl5;  // the user has moved on to "Beenden"
    fen.sichtbar = w.sichtbar;

    Land_waehlen("Hamburg");
    EXPECT_EQ((Liste{Schritt(2), Schritt(3), Schritt(4)}), w.schritte);
    EXPECT_EQ(fen.fokus, w.fokus);
}

INSTANTIATE_TEST_SUITE_P(
    Hauptfenster, Hauptfenster_Landwahl,
    ::testing::Values(
        Wahl{"VorDerFarbe",
             false,
             false,
             true,
             {"OK++", "Pfeil++", "Inaktiv--"},
             Element::cmdAuswahl3},
        Wahl{"VorDerFarbeUnsichtbar",
             false,
             false,
             false,
             {"OK++", "Pfeil++", "Inaktiv--"},
             Element::cmdAuswahl5},
        Wahl{"NachDerFarbe", true, false, true, {"OK++", "OK++", "Pfeil++"}, Element::cmdAuswahl5},
        Wahl{"NachDerKennzeichnung",
             true,
             true,
             true,
             {"OK++", "OK++", "Pfeil++"},
             Element::cmdAuswahl5}),
    [](const ::testing::TestParamInfo<Wahl>& info) { return std::string(info.param.fall); });

TEST_F(Hauptfenster, ZweiteWahlVorDerFarbeHoltNurDenFokus) {
    Host_anlegen(Daten);
    Programm.Datenordner = Daten;
    Fenster_laden();
    Land_waehlen("Bremen");
    fen.fokus = Element::cmdAuswahl5;
    Land_waehlen("Hamburg");
    EXPECT_EQ(Schritte(), (Liste{"OK+-", "OK++", "Pfeil++", "Inaktiv--"}));
    EXPECT_EQ(fen.fokus, Element::cmdAuswahl3);
}

// The colour step, by the colour held before and the user's answer.
struct Farbwahl {
    const char* fall;
    std::int32_t farbe_vorher;
    std::optional<std::uint32_t> antwort;  // nullopt: cancelled
    std::uint32_t dialogstart;
    std::int32_t farbe_nachher;
    std::optional<std::uint32_t> knopffarbe;
    Liste schritte;  // steps 3 and 4
    Steuerelement fokus;
};

class Hauptfenster_Farbe : public Testhost, public ::testing::WithParamInterface<Farbwahl> {};

TEST_P(Hauptfenster_Farbe, Dialog) {
    const Farbwahl& f = GetParam();
    Host_anlegen(Daten);
    Programm.Datenordner = Daten;
    Fenster_laden();
    Land_waehlen("Bayern");
    Programm.Farbe = f.farbe_vorher;
    if (f.antwort) p.farb_antworten = {f.antwort};

    cmdAuswahl_Click(3);
    ASSERT_EQ(p.farbdialoge.size(), 1u);
    EXPECT_EQ(p.farbdialoge[0].start, f.dialogstart);
    EXPECT_TRUE(p.farbdialoge[0].voll);
    EXPECT_EQ(Programm.Farbe, f.farbe_nachher);
    EXPECT_EQ(fen.zustand[Element::cmdAuswahl3].hintergrundfarbe, f.knopffarbe);
    EXPECT_EQ((Liste{Schritt(3), Schritt(4)}), f.schritte);
    EXPECT_EQ(fen.fokus, f.fokus);
    EXPECT_TRUE(p.meldungen.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Hauptfenster, Hauptfenster_Farbe,
    ::testing::Values(
        Farbwahl{
            "ErsteWahl", 0, 255u, 8454016u, 255, 255u, {"OK++", "Pfeil++"}, Element::cmdAuswahl4},
        Farbwahl{"ErsteWahlAbgebrochen",
                 0,
                 std::nullopt,
                 8454016u,
                 8454016,
                 std::nullopt,
                 {"Pfeil++", "Inaktiv--"},
                 Element::cmdAuswahl3},
        Farbwahl{"VorgabeBestaetigt",
                 0,
                 8454016u,
                 8454016u,
                 8454016,
                 8454016u,
                 {"OK++", "Pfeil++"},
                 Element::cmdAuswahl4},
        Farbwahl{"AlteFarbe",
                 33023,
                 16777215u,
                 33023u,
                 16777215,
                 16777215u,
                 {"OK++", "Pfeil++"},
                 Element::cmdAuswahl4},
        Farbwahl{"AlteFarbeAbgebrochen",
                 33023,
                 std::nullopt,
                 33023u,
                 33023,
                 std::nullopt,
                 {"Pfeil++", "Inaktiv--"},
                 Element::cmdAuswahl3}),
    [](const ::testing::TestParamInfo<Farbwahl>& info) { return std::string(info.param.fall); });

}  // namespace
