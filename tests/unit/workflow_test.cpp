// The user's paths through the window, end to end on the fake Windows: what the window
// shows, which messages come in which order, and what lands on the host's disk.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/ferientagedatei_erstellen.h"
#include "startup/main.h"
#include "tests/unit/kern.h"

using orakel::Bestaetigung;
using orakel::Hessen;
using orakel::Hessen_Monate;
using orakel::Sachsen_Anhalt_Monate;

namespace {

using E = Element;

const std::string Programmordner_Host = "C:\\Program Files\\Velmorant\\";

Liste Ferientage(const std::string& farbe, const std::string& land, const Liste& monate) {
    Liste zeilen = {"[Ferientage]", testhost::Kennung, farbe, land, "void"};
    zeilen.insert(zeilen.end(), monate.begin(), monate.end());
    return zeilen;
}

std::string Logeintrag(const std::string& text) {
    return "14.03.25 09:30:00|meier|ZedraAdmin|" + text;
}

std::string Markiert(const std::string& land) {
    return "Daten der Schulferien für Land " + land + " aktualisiert, Stand der Daten: 15.06.24";
}

// Step 4's frame and button: before the first marking, after one, and in removal mode.
const Liste Aktivieren = {"Schritt 4: Kennzeichnen der Schulferien aktivieren",
                          "&Kennzeichnen der Schulferien aktivieren"};
const Liste Aktualisieren = {"Schritt 4: Schulferiendaten aktualisieren",
                             "Schulferiendaten aktualisieren"};
const Liste Aufheben = {"Schritt 2: Kennzeichnen der Schulferien aufheben",
                        "Kennzeichnen der Schulferien aufheben"};

const char* const Keine_Rechte =
    "Sie sind nicht als Administrator im Velmorant eingetragen und daher nicht berechtigt diese "
    "Funktion auszuführen.";
const char* const Ueberholt =
    "Diese Programmversion ist überholt. Die neueste Version des Programms finden Sie im "
    "Internet unter https://www.velmorant.de/download";
const char* const Aufgehoben =
    "Funktion ausgeführt. Schulferien werden künftig nicht mehr gekennzeichnet.";

const char* const Leer_ohne_Daten =
    "Im Ordner 'D:\\Leer' wurden keine An-/Abwesenheitsdaten gefunden.";
const char* const Nicht_geloescht =
    "Löschen der Datei 'D:\\Planer\\Data\\Ferientage.dat' fehlgeschlagen.";
// A data folder with a long path (102 characters without its final backslash), named in full
// where a file in it stays, else shortened: the first 45 characters, " ... " and the last 45
// (characters, not bytes).
const char* const Lang =
    "D:\\Schulverwaltung Süd\\Velmorant\\Standort Nord\\Abteilung Personal\\Abwesenheiten und "
    "Vertretungen\\Daten\\";
const char* const Lang_ohne_Daten =
    "Im Ordner 'D:\\Schulverwaltung Süd\\Velmorant\\Standort Nor ... Personal\\Abwesenheiten und "
    "Vertretungen\\Daten' wurden keine An-/Abwesenheitsdaten gefunden.";
const char* const Lang_nicht_geloescht =
    "Löschen der Datei 'D:\\Schulverwaltung Süd\\Velmorant\\Standort Nord\\Abteilung "
    "Personal\\Abwesenheiten und Vertretungen\\Daten\\Ferientage.dat' fehlgeschlagen.";

constexpr std::uint32_t Hellgruen = 8454016u;  // what the colour dialog offers at first
constexpr std::nullopt_t Keine = std::nullopt;
constexpr std::uint32_t Archiv = Attribut::Archiv;
constexpr std::uint32_t Versteckt = Attribut::Versteckt;

class Arbeitsablauf : public Testhost {
  protected:
    const std::string daten = "D:\\Planer\\Data\\";
    const std::string ferientage = daten + "Ferientage.dat";
    const std::string logbuch = daten + "Logs\\2503 Zedrano.log";

    // What Windows and the host's installation give Main.
    void Installation(const std::string& programmname = "Schulferien") {
        p.programmname = programmname;
        p.umgebung["USERNAME"] = "meier";
        p.umgebung["ProgramFiles"] = "C:\\Program Files";
        p.Ordner_anlegen(Programmordner_Host);
    }

    // The window loaded, the state and red chosen: step 4 is current.
    void Bis_Schritt_4() {
        Fenster_laden();
        p.ordner_antworten = {"D:\\Planer"};
        Klicken(1);
        Land_waehlen("Hessen");
        p.farb_antworten = {255u};
        Klicken(3);
    }

    Liste Schritt4_Texte() {
        return {fen.zustand[E::fraRahmen4].beschriftung, fen.zustand[E::cmdAuswahl4].beschriftung};
    }
};

TEST_F(Arbeitsablauf, ErsteKennzeichnungVonLeeremStart) {
    Installation();
    Host_anlegen(daten);
    Main();

    EXPECT_TRUE(fen.sichtbar);
    EXPECT_EQ(fen.titel, "Velmorant - Schulferien kennzeichnen");
    EXPECT_EQ(Schritte(), "Pfeil++ Inaktiv-- Inaktiv-- Inaktiv--");
    EXPECT_EQ((Liste{Bildtext(1), Bildtext(2), Bildtext(3), Bildtext(4)}),
              (Liste{"Schritt 1: aktueller Schritt", "Schritt 2: noch nicht verfügbar",
                     "Schritt 3: noch nicht verfügbar", "Schritt 4: noch nicht verfügbar"}));
    EXPECT_EQ(fen.eintraege, orakel::Laender);
    EXPECT_EQ(Gewaehlt(), "");
    EXPECT_EQ(fen.fokus, E::cmdAuswahl5);
    EXPECT_TRUE(p.meldungen.empty());

    // The user picks the installation folder; its subfolder Data is the data folder.
    p.ordner_antworten = {"D:\\Planer"};
    Klicken(1);
    EXPECT_EQ(p.ordnerdialoge, Liste{"Ordner mit An-/Abwesenheitsdaten auswählen:"});
    EXPECT_EQ(Schritte(), "OK+- Pfeil++ Inaktiv-- Inaktiv--");

    Land_waehlen("Hessen");
    p.farb_antworten = {255u};
    Klicken(3);
    EXPECT_EQ(Schritte(), "OK+- OK++ OK++ Pfeil++");

    Klicken(4);
    EXPECT_EQ(Meldungen(), Liste{Bestaetigung("Hessen", Hessen)});
    EXPECT_EQ(Schritte(), "OK+- OK++ OK++ OK+-");
    EXPECT_EQ((Liste{Bildtext(1), Bildtext(2), Bildtext(3), Bildtext(4)}),
              (Liste{"Schritt 1: erledigt", "Schritt 2: erledigt", "Schritt 3: erledigt",
                     "Schritt 4: erledigt"}));
    EXPECT_EQ(Zeilen(ferientage), Ferientage("&H0000FF", "Hessen", Hessen_Monate));
    EXPECT_EQ(Zeilen(logbuch), Liste{Logeintrag(Markiert("Hessen"))});
    EXPECT_EQ(Schritt4_Texte(), Aktivieren);  // no earlier file

    Klicken(5);
    EXPECT_TRUE(fen.entladen);
}

// The folders of the host's path settings on a local drive or on a server's share.
TEST_F(Arbeitsablauf, StartMitPfadeinstellungenUndFruehererKennzeichnung) {
    for (const std::string wurzel : {"D:\\Velmorant\\", "\\\\server\\freigabe\\Velmorant\\"}) {
        SCOPED_TRACE(wurzel);
        Neu_starten();
        Installation();
        const std::string eigene_daten = wurzel + "Daten\\";
        p.Datei_anlegen(Programmordner_Host + "Zedrano.dat",
                        "[Zedrano]\r\ndata_pfad=" + eigene_daten + "\r\nlog_pfad=" + wurzel +
                            "Protokolle\\\r\n");
        Host_anlegen(eigene_daten, {"A:meier"}, false);
        p.Ordner_anlegen(wurzel + "Protokolle");
        Ferientage_anlegen(eigene_daten, "&H0080FF", "Bayern");
        Main();

        // At first display the earlier choice is back and only step 4 waits.
        EXPECT_TRUE(p.meldungen.empty());
        EXPECT_TRUE(p.ordnerdialoge.empty());
        EXPECT_EQ(Schritte(), "OK+- OK++ OK++ Pfeil++");
        EXPECT_EQ(Gewaehlt(), "Bayern");

        Klicken(4);
        ASSERT_EQ(p.meldungen.size(), 1u);
        EXPECT_EQ(Zeilen(eigene_daten + "Ferientage.dat")[2], "&H0080FF");
        EXPECT_EQ(Zeilen(eigene_daten + "Ferientage.dat")[3], "Bayern");
        EXPECT_EQ(Zeilen(wurzel + "Protokolle\\2503 Zedrano.log"),
                  Liste{Logeintrag(Markiert("Bayern"))});
        EXPECT_EQ(Schritt(4), "OK+-");
    }
}

// What the window shows at first display, by the data folder of the host's path settings
// and an earlier Ferientage.dat in it. A folder that can't be searched is left to step 1
// instead of ending the program at every start; a damaged file of the program's own does not
// lock the user out.
enum Ordner { Mit_Daten, Ohne_Daten, Ohne_Zugriff };

struct Start {
    const char* fall;
    Ordner ordner;
    const char* kopf;   // line 1 of the earlier file; nullptr: no file
    const char* farbe;  // line 3; nullptr: the file ends after line 1
    const char* land;   // line 4
    std::uint32_t attribute;
    const char* gewaehlt;
    const char* schritte;
    std::optional<std::uint32_t> knopffarbe;
    bool aktualisieren;  // step 4 captioned as an update
};

class Beim_Start : public Arbeitsablauf, public ::testing::WithParamInterface<Start> {};

TEST_P(Beim_Start, Anzeige) {
    const Start& s = GetParam();
    Host_anlegen(daten);
    if (s.kopf) {
        p.Datei_anlegen(
            ferientage,
            Verwuerfelt(s.farbe ? Liste{s.kopf, "K", s.farbe, s.land, "void"} : Liste{s.kopf}),
            s.attribute);
    }
    if (s.ordner == Ohne_Zugriff) p.Zugriff_sperren(daten);
    Programm.Datenordner = s.ordner == Ohne_Daten ? "D:\\Planer\\" : daten;
    Fenster_laden();

    EXPECT_TRUE(p.meldungen.empty());
    EXPECT_EQ(Gewaehlt(), s.gewaehlt);
    EXPECT_EQ(Schritte(), s.schritte);
    EXPECT_EQ(fen.zustand[E::cmdAuswahl3].hintergrundfarbe, s.knopffarbe);
    EXPECT_EQ(Schritt4_Texte(), s.aktualisieren ? Aktualisieren : Aktivieren);
    EXPECT_EQ(fen.fokus, E::cmdAuswahl5);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Beim_Start, ::testing::Values(
    Start{"Bekannt",           Mit_Daten,    "[Ferientage]", "&H0080FF", "Bayern", Archiv,    "Bayern", "OK+- OK++ OK++ Pfeil++",                33023u,   true},
    Start{"Dezimalfarbe",      Mit_Daten,    "[Ferientage]", "8454016",  "Hessen", Archiv,    "Hessen", "OK+- OK++ OK++ Pfeil++",                8454016u, true},
    Start{"OhneFarbe",         Mit_Daten,    "[Ferientage]", "&H000000", "Berlin", Archiv,    "Berlin", "OK+- OK++ Pfeil++ Inaktiv--",           Keine,    true},
    Start{"UnbekanntesLand",   Mit_Daten,    "[Ferientage]", "&H0080FF", "bayern", Archiv,    "",       "OK+- Pfeil++ Inaktiv-- Inaktiv--",      Keine,    true},
    Start{"FremderKopf",       Mit_Daten,    "[ferientage]", "&H0080FF", "Bayern", Archiv,    "",       "OK+- Pfeil++ Inaktiv-- Inaktiv--",      Keine,    false},
    Start{"Versteckt",         Mit_Daten,    "[Ferientage]", "&H0080FF", "Bayern", Versteckt, "",       "OK+- Pfeil++ Inaktiv-- Inaktiv--",      Keine,    false},
    Start{"NurKopf",           Mit_Daten,    "[Ferientage]", nullptr,    nullptr,  Archiv,    "",       "OK+- Pfeil++ Inaktiv-- Inaktiv--",      Keine,    false},
    Start{"KeineDatei",        Mit_Daten,    nullptr,        nullptr,    nullptr,  Archiv,    "",       "OK+- Pfeil++ Inaktiv-- Inaktiv--",      Keine,    false},
    Start{"OrdnerOhneDaten",   Ohne_Daten,   "[Ferientage]", "&H0080FF", "Bayern", Archiv,    "",       "Pfeil++ Inaktiv-- Inaktiv-- Inaktiv--", Keine,    false},
    Start{"OrdnerOhneZugriff", Ohne_Zugriff, "[Ferientage]", "&H0080FF", "Bayern", Archiv,    "",       "Pfeil++ Inaktiv-- Inaktiv-- Inaktiv--", Keine,    false}),
    [](const auto& info) { return std::string(info.param.fall); });
// clang-format on

// Step 1's button: the folder the user picks is checked at once. A folder without host data
// (a hidden data file does not count) is named in the message, shortened, and step 1 stays
// current. In a folder with data an earlier marking's state is picked as a user would pick it,
// and step 3 takes the focus when no colour is known.
struct Wahl {
    const char* fall;
    const char* antwort;  // "": cancelled
    const char* meldung;  // nullptr: none
    const char* schritte;
    const char* gewaehlt;
    Element fokus;
};

class Ordner_im_Fenster : public Arbeitsablauf, public ::testing::WithParamInterface<Wahl> {};

TEST_P(Ordner_im_Fenster, Schritt1) {
    const Wahl& w = GetParam();
    Host_anlegen(daten);
    Ferientage_anlegen(daten, "&H000000", "Saarland");
    if (*w.antwort) p.Datei_anlegen(std::string(w.antwort) + "\\PlanData.dat", "x", Versteckt);
    Fenster_laden();
    p.ordner_antworten = {w.antwort};

    Klicken(1);
    EXPECT_EQ(Meldungen(), w.meldung ? Liste{w.meldung} : Liste{});
    EXPECT_EQ(Schritte(), w.schritte);
    EXPECT_EQ(Gewaehlt(), w.gewaehlt);
    EXPECT_EQ(fen.fokus, w.fokus);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Ordner_im_Fenster, ::testing::Values(
    Wahl{"Abgebrochen",   "",           nullptr,         "Pfeil++ Inaktiv-- Inaktiv-- Inaktiv--", "",         E::cmdAuswahl5},
    Wahl{"OhneDaten",     "D:\\Leer",   Leer_ohne_Daten, "Pfeil++ Inaktiv-- Inaktiv-- Inaktiv--", "",         E::cmdAuswahl5},
    Wahl{"LangOhneDaten", Lang,         Lang_ohne_Daten, "Pfeil++ Inaktiv-- Inaktiv-- Inaktiv--", "",         E::cmdAuswahl5},
    Wahl{"MitDaten",      "D:\\Planer", nullptr,         "OK+- OK++ Pfeil++ Inaktiv--",           "Saarland", E::cmdAuswahl3}),
    [](const auto& info) { return std::string(info.param.fall); });
// clang-format on

// The colour step for the first state of the list, by the colour an earlier file gave (the
// window starts at step 4) or none (the state picked by hand) and the user's answers in the dialog;
// then the colour that marking writes, where step 4 is available.
struct Farbe {
    const char* fall;
    const char* vorher;  // line 3 of an earlier file; nullptr: no file
    std::vector<std::optional<std::uint32_t>> antworten;  // Keine: cancelled
    std::vector<std::uint32_t> dialogstarts;
    std::optional<std::uint32_t> knopffarbe;
    const char* schritte;  // steps 3 and 4
    Element fokus;
    const char* geschrieben;  // line 3 of the file marking writes; nullptr: no step 4
};

class Farbwahl : public Arbeitsablauf, public ::testing::WithParamInterface<Farbe> {};

TEST_P(Farbwahl, Dialog) {
    const Farbe& f = GetParam();
    Host_anlegen(daten);
    if (f.vorher) Ferientage_anlegen(daten, f.vorher, "Baden-Württemberg");
    Programm.Datenordner = daten;
    Fenster_laden();
    if (!f.vorher) Land_waehlen("Baden-Württemberg");
    p.farb_antworten.assign(f.antworten.begin(), f.antworten.end());
    for (std::size_t i = 0; i < f.antworten.size(); ++i) Klicken(3);

    std::vector<std::uint32_t> starts;
    for (const auto& dialog : p.farbdialoge) {
        starts.push_back(dialog.start);
        EXPECT_TRUE(dialog.voll);  // with the custom colours
    }
    EXPECT_EQ(starts, f.dialogstarts);
    EXPECT_EQ(fen.zustand[E::cmdAuswahl3].hintergrundfarbe, f.knopffarbe);
    EXPECT_EQ(Schritt(3) + " " + Schritt(4), f.schritte);
    EXPECT_EQ(fen.fokus, f.fokus);
    EXPECT_TRUE(p.meldungen.empty());
    if (!f.geschrieben) return;
    Klicken(4);
    EXPECT_EQ(Zeilen(ferientage).at(2), f.geschrieben);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Farbwahl, ::testing::Values(
    Farbe{"ErsteWahl",               nullptr,    {255u},                 {Hellgruen},                    255u,      "OK++ Pfeil++",      E::cmdAuswahl4, "&H0000FF"},
    Farbe{"ErsteWahlAbgebrochen",    nullptr,    {Keine},                {Hellgruen},                    Keine,     "Pfeil++ Inaktiv--", E::cmdAuswahl3, nullptr},
    Farbe{"VorgabeBestaetigt",       nullptr,    {Hellgruen},            {Hellgruen},                    Hellgruen, "OK++ Pfeil++",      E::cmdAuswahl4, "&H80FF80"},
    // The light green stays the start after a cancel; after a confirmed colour the dialog opens on that.
    Farbe{"AbgebrochenDannGewaehlt", nullptr,    {Keine, 65280u, Keine}, {Hellgruen, Hellgruen, 65280u}, 65280u,    "OK++ Pfeil++",      E::cmdAuswahl4, "&H00FF00"},
    Farbe{"AlteFarbe",               "&H0080FF", {16777215u},            {33023u},                       16777215u, "OK++ Pfeil++",      E::cmdAuswahl4, "&HFFFFFF"},
    Farbe{"AlteFarbeAbgebrochen",    "&H0080FF", {Keine},                {33023u},                       33023u,    "OK++ Pfeil++",      E::cmdAuswahl5, "&H0080FF"},
    // Colour 0 means none: the dialog offers the light green.
    Farbe{"FruehereOhneFarbe",       "&H000000", {16711680u},            {Hellgruen},                    16711680u, "OK++ Pfeil++",      E::cmdAuswahl4, "&HFF0000"}),
    [](const auto& info) { return std::string(info.param.fall); });
// clang-format on

// Picking a state (Hamburg), by how far the user got before and whether the window shows:
// with the colour chosen, step 4 is current again at once and the focus stays where the user
// left it (on Beenden); before, step 3 takes the focus.
struct Land {
    const char* fall;
    int vorher;  // 0: nothing; 1: a state picked; 2: and a colour; 3: and marked
    bool sichtbar;
    const char* schritte;  // steps 2 to 4
    Element fokus;
};

class Landwahl : public Arbeitsablauf, public ::testing::WithParamInterface<Land> {};

TEST_P(Landwahl, Schritte) {
    const Land& l = GetParam();
    Host_anlegen(daten);
    Programm.Datenordner = daten;
    Fenster_laden();
    p.farb_antworten = {255u};
    if (l.vorher >= 1) Land_waehlen("Bremen");
    if (l.vorher >= 2) Klicken(3);
    if (l.vorher >= 3) Klicken(4);
    fen.fokus = E::cmdAuswahl5;
    fen.sichtbar = l.sichtbar;

    Land_waehlen("Hamburg");
    EXPECT_EQ(Schritt(2) + " " + Schritt(3) + " " + Schritt(4), l.schritte);
    EXPECT_EQ(fen.fokus, l.fokus);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Landwahl, ::testing::Values(
    Land{"VorDerFarbe",           0, true,  "OK++ Pfeil++ Inaktiv--", E::cmdAuswahl3},
    Land{"VorDerFarbeUnsichtbar", 0, false, "OK++ Pfeil++ Inaktiv--", E::cmdAuswahl5},
    Land{"ZweiteVorDerFarbe",     1, true,  "OK++ Pfeil++ Inaktiv--", E::cmdAuswahl3},
    Land{"NachDerFarbe",          2, true,  "OK++ OK++ Pfeil++",      E::cmdAuswahl5},
    Land{"NachDerKennzeichnung",  3, true,  "OK++ OK++ Pfeil++",      E::cmdAuswahl5}),
    [](const auto& info) { return std::string(info.param.fall); });
// clang-format on

// Every state of the list, marked one after the other with the colour chosen once: its name
// as the list shows it in the file (in the host's code page), the log entry and the
// confirmation; a month line for every month with holidays, in order, from January 2024,
// where the table starts in 2025. Two states' months are worked out by hand.
TEST_F(Arbeitsablauf, JedesLandWirdGekennzeichnet) {
    Host_anlegen(daten);
    Bis_Schritt_4();
    for (const std::string& land : orakel::Laender) {
        SCOPED_TRACE(land);
        Land_waehlen(land);
        Klicken(4);
        const Liste datei = Zeilen(ferientage);
        ASSERT_GT(datei.size(), 5u);
        EXPECT_EQ(datei[3], land);
        EXPECT_EQ(datei[5].substr(0, 4), "2401");
        for (std::size_t i = 5; i < datei.size(); ++i) {
            EXPECT_EQ(datei[i].size(), 36u);
            EXPECT_EQ(datei[i][4], ':');
            EXPECT_NE(datei[i].find('1', 5), std::string::npos);
            if (i > 5) {
                EXPECT_LT(datei[i - 1].substr(0, 4), datei[i].substr(0, 4));
            }
        }
        if (land == "Sachsen-Anhalt") {
            EXPECT_EQ(datei, Ferientage("&H0000FF", land, Sachsen_Anhalt_Monate));
        }
        EXPECT_EQ(Zeilen(logbuch).back(), Logeintrag(Markiert(land)));
        EXPECT_NE(p.meldungen.back().text.find("\rLand: " + land + "\r\r"), std::string::npos);
    }
    EXPECT_EQ(Zeilen(logbuch).size(), 16u);
    EXPECT_EQ(p.farbdialoge.size(), 1u);
}

// A state with 29 periods or more lists only those that end this year or later; with fewer,
// every period. The periods are one-day holidays in January of 2024, 2025 and 2026; the clock
// stands in March 2025. Every period is marked, listed or not.
struct Viele {
    int je_jahr[3];  // periods in 2024, 2025, 2026
    bool gelistet[3];
};

class Zeitraumliste : public Arbeitsablauf, public ::testing::WithParamInterface<Viele> {};

TEST_P(Zeitraumliste, Bestaetigung) {
    const Viele& v = GetParam();
    Host_anlegen(daten);
    Programm.Datenordner = daten;
    Fenster_laden();
    Bundesland& land = Programm.Schulferienarray[1];
    land.Ferien = {};
    Liste gelistet;
    std::size_t slot = 1;
    for (int j = 0; j < 3; ++j) {
        for (int tag = 1; tag <= v.je_jahr[j]; ++tag) {
            const std::string datum =
                (tag < 10 ? "0" : "") + std::to_string(tag) + ".01." + std::to_string(24 + j);
            land.Ferien[slot] = datum + " - " + datum + " Winter";
            if (v.gelistet[j]) gelistet.push_back(land.Ferien[slot]);
            ++slot;
        }
    }
    Land_waehlen("Baden-Württemberg");
    p.farb_antworten = {255u};
    Klicken(3);

    Klicken(4);
    EXPECT_EQ(Meldungen(), Liste{Bestaetigung("Baden-Württemberg", gelistet)});
    const Liste datei = Zeilen(ferientage);
    ASSERT_EQ(datei.size(), 8u);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(datei[5 + j], orakel::Monat(std::to_string(24 + j) + "01", {{1, v.je_jahr[j]}}));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Zeitraumliste, ::testing::Values(
    Viele{{10, 10, 8}, {true, true, true}},
    Viele{{10, 10, 9}, {false, true, true}},
    Viele{{3, 15, 15}, {false, true, true}}));
// clang-format on

// Step 4 by a user whom the host does not list as administrator: refused, nothing changed.
// The rights are read anew at every click: once the host lists the user, the same click works.
struct Rechte {
    const char* fall;
    bool markieren;
    const char* logeintrag;  // once allowed
};

class Ohne_Rechte : public Arbeitsablauf, public ::testing::WithParamInterface<Rechte> {};

TEST_P(Ohne_Rechte, Klick) {
    const Rechte& r = GetParam();
    Host_anlegen(daten, {"A:schulz", "B:meier"});
    Ferientage_anlegen(daten, "&H0080FF", "Bayern");
    const std::string vorher = *p.Inhalt(ferientage);
    Programm.Datenordner = daten;
    Fenster_laden(r.markieren);
    ASSERT_EQ(Schritt(4), "Pfeil++");

    Klicken(4);
    EXPECT_EQ(Meldungen(), Liste{Keine_Rechte});
    EXPECT_EQ(p.Inhalt(ferientage), vorher);
    EXPECT_TRUE(p.Dateien(daten + "Logs").empty());
    EXPECT_EQ(Schritt(4), "Pfeil++");

    Konfigdaten_anlegen(daten, {"A:schulz", "Admin:MEIER"});
    Klicken(4);
    EXPECT_EQ(p.meldungen.size(), 2u);
    EXPECT_EQ(Zeilen(logbuch), Liste{Logeintrag(r.logeintrag)});
    EXPECT_EQ(Schritt(4), "OK+-");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Ohne_Rechte, ::testing::Values(
    Rechte{"Kennzeichnen", true,  "Daten der Schulferien für Land Bayern aktualisiert, Stand der Daten: 15.06.24"},
    Rechte{"Entfernen",    false, "Kennzeichnen der Schulferien aufgehoben"}),
    [](const auto& info) { return std::string(info.param.fall); });
// clang-format on

// The built-in data hold periods starting in 2023 to 2026; from 2027 on this version is
// outdated. The state is taken from the list all the same.
struct Jahr {
    int jahr;
    bool geschrieben;
};

class Datenstand_im_Jahr : public Arbeitsablauf, public ::testing::WithParamInterface<Jahr> {};

TEST_P(Datenstand_im_Jahr, Kennzeichnen) {
    Uhr_stellen(GetParam().jahr, 1, 11);
    Host_anlegen(daten);
    Bis_Schritt_4();

    Klicken(4);
    ASSERT_EQ(p.meldungen.size(), 1u);
    EXPECT_EQ(Programm.Land, "Hessen");
    if (GetParam().geschrieben) {
        EXPECT_TRUE(p.Vorhanden(ferientage));
        EXPECT_EQ(Schritt(4), "OK+-");
    } else {
        EXPECT_EQ(p.meldungen[0].text, Ueberholt);
        EXPECT_FALSE(p.Vorhanden(ferientage));
        EXPECT_TRUE(p.Dateien(daten + "Logs").empty());
        EXPECT_EQ(Schritt(4), "Pfeil++");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Datenstand_im_Jahr,
    ::testing::Values(Jahr{2023, true}, Jahr{2026, true}, Jahr{2027, false}, Jahr{2031, false}),
    [](const auto& info) { return std::to_string(info.param.jahr); });
// clang-format on

// Started on New Year's Eve, clicked after midnight: the clock's year counts, not the
// start-up day's; the log book stays the one of the start-up month.
struct Jahreswechsel {
    const char* fall;
    int startjahr;
    const char* logbuch;  // nullptr: outdated
    const char* datum;    // of the log entry
};

class Nach_Mitternacht : public Arbeitsablauf,
                         public ::testing::WithParamInterface<Jahreswechsel> {};

TEST_P(Nach_Mitternacht, Kennzeichnen) {
    const Jahreswechsel& j = GetParam();
    Uhr_stellen(j.startjahr, 12, 31, 23, 50);
    Host_anlegen(daten);
    Bis_Schritt_4();

    p.jetzt = Zeitpunkt{j.startjahr + 1, 1, 1, 0, 5, 0};
    Klicken(4);
    ASSERT_EQ(p.meldungen.size(), 1u);
    EXPECT_EQ(p.Vorhanden(ferientage), j.logbuch != nullptr);
    if (!j.logbuch) {
        EXPECT_EQ(p.meldungen[0].text, Ueberholt);
        return;
    }
    EXPECT_EQ(Zeilen(daten + "Logs\\" + j.logbuch),
              Liste{std::string(j.datum) + " 00:05:00|meier|ZedraAdmin|" + Markiert("Hessen")});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Nach_Mitternacht, ::testing::Values(
    Jahreswechsel{"In2027", 2026, nullptr,            nullptr},
    Jahreswechsel{"In2023", 2022, "2212 Zedrano.log", "01.01.23"}),
    [](const auto& info) { return std::string(info.param.fall); });
// clang-format on

// Marking without a chosen state can't come from the window, where step 4 is not available
// then; called all the same, it ends the program with the error report.
TEST_F(Arbeitsablauf, KennzeichnenOhneLandEndetDasProgramm) {
    Host_anlegen(daten);
    Programm.Datenordner = daten;
    Fenster_laden();
    EXPECT_THROW(Ferientagedatei_erstellen(), ProgrammBeendet);
    EXPECT_EQ(Meldungen(), Liste{Fehlerbericht("frmSchulferien - Ferientagedatei_erstellen", 9)});
    EXPECT_FALSE(p.Vorhanden(ferientage));
}

TEST_F(Arbeitsablauf, UnbekannteKnoepfeTunNichts) {
    Host_anlegen(daten);
    p.ordner_antworten = {"D:\\Planer"};
    p.farb_antworten = {255u};
    Fenster_laden();
    for (std::int16_t index : {0, 2, 6, -1}) cmdAuswahl_Click(index);
    EXPECT_EQ(Schritte(), "Pfeil++ Inaktiv-- Inaktiv-- Inaktiv--");
    EXPECT_FALSE(fen.entladen);
    EXPECT_TRUE(p.ordnerdialoge.empty());
    EXPECT_TRUE(p.farbdialoge.empty());
    EXPECT_TRUE(p.meldungen.empty());
}

TEST_F(Arbeitsablauf, EntfernenFensterMitZweiSchritten) {
    Installation("Schulferien_Deaktivieren");
    Main();

    EXPECT_TRUE(fen.sichtbar);
    EXPECT_EQ(fen.titel, "Velmorant - Schulferien kennzeichnen");
    EXPECT_EQ(Schritte(), "Pfeil++ Inaktiv--");
    EXPECT_EQ(Bildtext(4), "Schritt 2: noch nicht verfügbar");
    EXPECT_EQ(Schritt4_Texte(), Aufheben);
    for (Element e : {E::fraRahmen2, E::imgIcon2, E::cmbLaenderliste, E::fraRahmen3, E::imgIcon3,
                      E::cmdAuswahl3}) {
        EXPECT_FALSE(fen.zustand[e].sichtbar) << static_cast<int>(e);
    }
    for (Element e : {E::fraRahmen1, E::cmdAuswahl1, E::imgIcon1, E::fraRahmen4, E::cmdAuswahl4,
                      E::imgIcon4, E::cmdAuswahl5}) {
        EXPECT_TRUE(fen.zustand[e].sichtbar) << static_cast<int>(e);
    }
    EXPECT_EQ(fen.zustand[E::fraRahmen4].oben, 1560);
    EXPECT_EQ(fen.zustand[E::cmdAuswahl5].oben, 3000);
    EXPECT_EQ(fen.hoehe, 4095);
    EXPECT_TRUE(fen.eintraege.empty());
    EXPECT_EQ(fen.fokus, E::cmdAuswahl5);
    EXPECT_TRUE(p.meldungen.empty());
}

// Removal mode, the second step clicked by an administrator, by the state of Ferientage.dat.
// Only that file goes. One that stays is named with its whole path, however long, and the
// user may try again: also when the share (here the drive mapped to it) goes while the file is
// deleted, so that nobody can tell whether it went (Ordner_weg).
using Erreichbar = FakePlattform::Erreichbar;
enum Sperre {
    Frei,
    Offen,
    Kein_Zugriff,
    Loeschen_aufgehalten,
    Loeschen_kurz_aufgehalten,
    Ordner_weg
};

struct Entfernen {
    const char* fall;
    const char* ordner;       // the data folder, picked in step 1
    std::uint32_t attribute;  // of the file; 0: no file
    Sperre sperre;
    const char* meldung;  // nullptr: removed at once
};

class Kennzeichnung_aufheben : public Arbeitsablauf,
                               public ::testing::WithParamInterface<Entfernen> {};

TEST_P(Kennzeichnung_aufheben, Klick) {
    const Entfernen& e = GetParam();
    const std::string ordner = e.ordner, datei = ordner + "Ferientage.dat";
    Host_anlegen(ordner);
    p.Datei_anlegen(ordner + "Ferientage.bak", "alt");
    if (e.sperre == Ordner_weg) p.Erreichbarkeit(ordner, Erreichbar::Bis_zum_Loeschen);
    if (e.attribute) {
        Ferientage_anlegen(ordner, "&H0080FF", "Bayern");
        p.Attribute_setzen(datei, e.attribute);
        p.Sperren(datei, e.sperre == Offen);
        p.Zugriff_sperren(datei, e.sperre == Kein_Zugriff);
        // Another program holds it sharing delete: the delete stays pending until it lets go,
        // here for good or after a moment.
        if (e.sperre == Loeschen_aufgehalten) p.Loeschen_aufhalten(datei);
        if (e.sperre == Loeschen_kurz_aufgehalten) p.Loeschen_aufhalten(datei, 3);
    }
    Fenster_laden(false);
    p.ordner_antworten = {ordner};
    Klicken(1);
    ASSERT_EQ(Schritte(), "OK+- Pfeil++");

    Klicken(4);
    if (e.meldung) {
        EXPECT_EQ(Meldungen(), Liste{e.meldung});
        EXPECT_TRUE(p.Vorhanden(datei));
        EXPECT_TRUE(p.Dateien(ordner + "Logs").empty());
        EXPECT_EQ(Schritt(4), "Pfeil++");
        EXPECT_EQ(Bildtext(4), "Schritt 2: aktueller Schritt");
        // The same again as long as the other program holds the file (or the share goes).
        if (e.sperre == Ordner_weg) p.Erreichbarkeit(ordner, Erreichbar::Bis_zum_Loeschen);
        Klicken(4);
        EXPECT_EQ(Meldungen(), (Liste{e.meldung, e.meldung}));
        p.Sperren(datei, false);
        p.Zugriff_sperren(datei, false);
        p.Loeschen_aufhalten(datei, 0);
        p.Erreichbarkeit(ordner, Erreichbar::Ja);
        p.meldungen.clear();
        Klicken(4);
    }
    EXPECT_EQ(Meldungen(), Liste{Aufgehoben});
    EXPECT_EQ(p.Dateien(ordner),
              (Liste{"Ferientage.bak", "Konfigdaten.dat", "Logs", "PlanData.dat"}));
    EXPECT_EQ(Zeilen(ordner + "Logs\\2503 Zedrano.log"),
              Liste{Logeintrag("Kennzeichnen der Schulferien aufgehoben")});
    EXPECT_EQ(Schritt(4), "OK+-");
    EXPECT_EQ(Bildtext(4), "Schritt 2: erledigt");
}

constexpr std::uint32_t Versteckte_Systemdatei = Attribut::Versteckt | Attribut::System;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Kennzeichnung_aufheben, ::testing::Values(
    Entfernen{"Vorhanden",             "D:\\Planer\\Data\\", Archiv,                      Frei,         nullptr},
    Entfernen{"Fehlt",                 "D:\\Planer\\Data\\", 0,                           Frei,         nullptr},
    Entfernen{"Schreibschutz",         "D:\\Planer\\Data\\", Attribut::Schreibgeschuetzt, Frei,         nullptr},
    Entfernen{"VersteckteSystemdatei", "D:\\Planer\\Data\\", Versteckte_Systemdatei,      Frei,         nullptr},
    Entfernen{"Offen",                 "D:\\Planer\\Data\\", Archiv,                      Offen,        Nicht_geloescht},
    Entfernen{"VersteckteOhneZugriff", "D:\\Planer\\Data\\", Versteckte_Systemdatei,      Kein_Zugriff, Nicht_geloescht},
    Entfernen{"OffenLangerPfad",       Lang,                 Archiv,                      Offen,        Lang_nicht_geloescht},
    Entfernen{"LoeschenAufgehalten",   "D:\\Planer\\Data\\", Archiv,                      Loeschen_aufgehalten,      Nicht_geloescht},
    Entfernen{"LoeschenKurzAufgehalten", "D:\\Planer\\Data\\", Archiv,                    Loeschen_kurz_aufgehalten, nullptr},
    Entfernen{"NetzlaufwerkGetrennt",  "D:\\Planer\\Data\\", Archiv,                      Ordner_weg,   Nicht_geloescht}),
    [](const auto& info) { return std::string(info.param.fall); });
// clang-format on

// Where the removal's log entry goes: the log folder of the host's path settings, else Logs
// in the data folder; only a folder that exists. Without one there is no entry, and the
// removal is done all the same.
struct Logordner {
    const char* fall;
    const char* einstellung;  // the log folder of the host's path settings
    Liste ordner;             // folders on the disk besides the data folder
    bool logs_ist_datei;      // a file named Logs in the data folder
    std::string logbuch;      // "": none written
};

class Logbuch_nach_Einstellung : public Arbeitsablauf,
                                 public ::testing::WithParamInterface<Logordner> {};

TEST_P(Logbuch_nach_Einstellung, Entfernen) {
    const Logordner& l = GetParam();
    Host_anlegen(daten, {"A:meier"}, false);
    for (const std::string& o : l.ordner) p.Ordner_anlegen(o);
    if (l.logs_ist_datei) p.Datei_anlegen(daten + "Logs", "keine Ordner");
    Ferientage_anlegen(daten, "&H0080FF", "Bayern");
    Programm.Logordner = l.einstellung;
    Programm.Datenordner = daten;
    Fenster_laden(false);

    Klicken(4);
    EXPECT_EQ(Schritt(4), "OK+-");
    for (const std::string& log : {logbuch, std::string("E:\\Protokolle\\2503 Zedrano.log")}) {
        EXPECT_EQ(Zeilen(log), log == l.logbuch
                                   ? Liste{Logeintrag("Kennzeichnen der Schulferien aufgehoben")}
                                   : Liste{})
            << log;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Logbuch_nach_Einstellung, ::testing::Values(
    Logordner{"LogsImDatenordner",     "",                 {"D:\\Planer\\Data\\Logs"},                   false, "D:\\Planer\\Data\\Logs\\2503 Zedrano.log"},
    Logordner{"KeinLogsOrdner",        "",                 {},                                           false, ""},
    Logordner{"LogsIstEineDatei",      "",                 {},                                           true,  ""},
    Logordner{"AusEinstellungen",      "E:\\Protokolle\\", {"E:\\Protokolle", "D:\\Planer\\Data\\Logs"}, false, "E:\\Protokolle\\2503 Zedrano.log"},
    Logordner{"AusEinstellungenFehlt", "E:\\Protokolle\\", {"D:\\Planer\\Data\\Logs"},                   false, ""}),
    [](const auto& info) { return std::string(info.param.fall); });
// clang-format on

}  // namespace
