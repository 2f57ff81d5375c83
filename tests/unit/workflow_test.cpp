// The user's paths through the window, end to end on the fake Windows: what the window
// shows, which messages come in which order, and what lands on the host's disk.
#include <string>
#include <vector>

#include "services/texte.h"
#include "startup/main.h"
#include "tests/unit/kern.h"
#include "ui/layout.h"

using orakel::Bestaetigung;
using orakel::Hessen;
using orakel::Hessen_Monate;
using orakel::Sachsen_Anhalt_Monate;
using Liste = std::vector<std::string>;

namespace {

const std::string Programmordner_Host = "C:\\Program Files\\Velmorant\\";

Liste Ferientage(const std::string& farbe, const std::string& land, const Liste& monate) {
    Liste zeilen = {"[Ferientage]", testhost::Kennung, farbe, land, "void"};
    zeilen.insert(zeilen.end(), monate.begin(), monate.end());
    return zeilen;
}

std::string Logeintrag(const std::string& text) {
    return "14.03.25 09:30:00|meier|ZedraAdmin|" + text;
}

const std::string Hessen_Log =
    Logeintrag("Daten der Schulferien für Land Hessen aktualisiert, Stand der Daten: 15.06.24");

const char* const Ueberholt =
    "Diese Programmversion ist überholt. Die neueste Version des Programms finden Sie im "
    "Internet unter https://www.velmorant.de/download";

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

    // The window loaded, and the data folder chosen in the picker.
    void Datenordner_gewaehlt() {
        Fenster_laden();
        p.ordner_antworten = {daten};
        cmdAuswahl_Click(1);
    }

    // Then Hessen and red picked: step 4 is current.
    void Bis_Schritt_4() {
        Datenordner_gewaehlt();
        Land_waehlen("Hessen");
        p.farb_antworten = {255u};
        cmdAuswahl_Click(3);
    }
};

TEST_F(Arbeitsablauf, ErsteKennzeichnungVonLeeremStart) {
    Installation();
    Host_anlegen(daten);
    Main();

    EXPECT_TRUE(fen.sichtbar);
    EXPECT_EQ(fen.titel, "Velmorant - Schulferien kennzeichnen");
    EXPECT_EQ(Schritte(), (Liste{"Pfeil++", "Inaktiv--", "Inaktiv--", "Inaktiv--"}));
    ASSERT_EQ(fen.eintraege.size(), 16u);
    EXPECT_EQ(fen.eintraege.front(), "Baden-Württemberg");
    EXPECT_EQ(fen.eintraege[6], "Hessen");
    EXPECT_EQ(fen.eintraege.back(), "Thüringen");
    EXPECT_EQ(Gewaehlt(), "");
    EXPECT_EQ(fen.fokus, Element::cmdAuswahl5);
    EXPECT_TRUE(p.meldungen.empty());

    // The user picks the installation folder; its subfolder Data is the data folder.
    p.ordner_antworten = {"D:\\Planer"};
    cmdAuswahl_Click(1);
    EXPECT_EQ(p.ordnerdialoge, Liste{"Ordner mit An-/Abwesenheitsdaten auswählen:"});
    EXPECT_EQ(Schritte(), (Liste{"OK+-", "Pfeil++", "Inaktiv--", "Inaktiv--"}));

    Land_waehlen("Hessen");
    EXPECT_EQ(Schritte(), (Liste{"OK+-", "OK++", "Pfeil++", "Inaktiv--"}));
    EXPECT_EQ(fen.fokus, Element::cmdAuswahl3);

    p.farb_antworten = {255u};
    cmdAuswahl_Click(3);
    ASSERT_EQ(p.farbdialoge.size(), 1u);
    EXPECT_EQ(p.farbdialoge[0].start, 8454016u);
    EXPECT_TRUE(p.farbdialoge[0].voll);
    EXPECT_EQ(fen.zustand[Element::cmdAuswahl3].hintergrundfarbe, 255u);
    EXPECT_EQ(Schritte(), (Liste{"OK+-", "OK++", "OK++", "Pfeil++"}));
    EXPECT_EQ(fen.fokus, Element::cmdAuswahl4);

    cmdAuswahl_Click(4);
    EXPECT_EQ(Meldungen(), Liste{Bestaetigung("Hessen", Hessen)});
    EXPECT_EQ(Schritte(), (Liste{"OK+-", "OK++", "OK++", "OK+-"}));
    EXPECT_EQ(Zeilen(ferientage), Ferientage("&H0000FF", "Hessen", Hessen_Monate));
    EXPECT_EQ(Zeilen(logbuch), Liste{Hessen_Log});
    // No earlier file: step 4 keeps the captions of the layout.
    EXPECT_EQ(fen.zustand[Element::fraRahmen4].beschriftung,
              Layout::Eintrag(Element::fraRahmen4)->text);
    EXPECT_EQ(fen.zustand[Element::cmdAuswahl4].beschriftung,
              Layout::Eintrag(Element::cmdAuswahl4)->text);
    EXPECT_EQ(p.Offene_Dateien(), 0);

    cmdAuswahl_Click(5);
    EXPECT_TRUE(fen.entladen);
}

// The folders of the host's path settings on a local drive or on a server's share.
TEST_F(Arbeitsablauf, StartMitPfadeinstellungenUndFruehererKennzeichnung) {
    for (const std::string wurzel : {"D:\\Velmorant\\", "\\\\server\\freigabe\\Velmorant\\"}) {
        SCOPED_TRACE(wurzel);
        Programm = {};
        p.meldungen.clear();
        p.fenster = FakeFenster{};
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
        EXPECT_EQ(Schritte(), (Liste{"OK+-", "OK++", "OK++", "Pfeil++"}));
        EXPECT_EQ(Gewaehlt(), "Bayern");
        EXPECT_EQ(fen.zustand[Element::cmdAuswahl3].hintergrundfarbe, 33023u);
        EXPECT_EQ(fen.zustand[Element::fraRahmen4].beschriftung,
                  "Schritt 4: Schulferiendaten aktualisieren");
        EXPECT_EQ(fen.zustand[Element::cmdAuswahl4].beschriftung, "Schulferiendaten aktualisieren");
        EXPECT_EQ(fen.fokus, Element::cmdAuswahl5);  // not moved while the window was hidden

        cmdAuswahl_Click(4);
        ASSERT_EQ(p.meldungen.size(), 1u);
        EXPECT_EQ(Zeilen(eigene_daten + "Ferientage.dat")[2], "&H0080FF");
        EXPECT_EQ(Zeilen(eigene_daten + "Ferientage.dat")[3], "Bayern");
        EXPECT_EQ(Zeilen(wurzel + "Protokolle\\2503 Zedrano.log"),
                  Liste{Logeintrag("Daten der Schulferien für Land Bayern aktualisiert, Stand der "
                                   "Daten: 15.06.24")});
        EXPECT_EQ(Schritt(4), "OK+-");
    }
}

// What an earlier Ferientage.dat in the data folder of the host's path settings gives at
// the first display.
struct Frueher {
    const char* fall;
    const char* kopf;   // nullptr: no file
    const char* farbe;  // line 3
    const char* land;   // line 4
    bool versteckt;
    const char* gewaehlt;
    Liste schritte;
    std::optional<std::uint32_t> knopffarbe;
    bool aktualisieren;  // step 4 captioned as an update
};

class Vorauswahl : public Arbeitsablauf, public ::testing::WithParamInterface<Frueher> {};

TEST_P(Vorauswahl, BeimStart) {
    const Frueher& f = GetParam();
    Host_anlegen(daten);
    if (f.kopf) {
        p.Datei_anlegen(ferientage,
                        orakel::Verwuerfelt({f.kopf, testhost::Kennung, f.farbe, f.land, "void"}),
                        f.versteckt ? Attribut::Versteckt : Attribut::Archiv);
    }
    Programm.Datenordner = daten;
    Fenster_laden();

    EXPECT_TRUE(p.meldungen.empty());
    EXPECT_EQ(Gewaehlt(), f.gewaehlt);
    EXPECT_EQ(Schritte(), f.schritte);
    EXPECT_EQ(fen.zustand[Element::cmdAuswahl3].hintergrundfarbe, f.knopffarbe);
    EXPECT_EQ(fen.zustand[Element::fraRahmen4].beschriftung,
              f.aktualisieren ? "Schritt 4: Schulferiendaten aktualisieren"
                              : Layout::Eintrag(Element::fraRahmen4)->text);
    EXPECT_EQ(fen.zustand[Element::cmdAuswahl4].beschriftung,
              f.aktualisieren ? "Schulferiendaten aktualisieren"
                              : Layout::Eintrag(Element::cmdAuswahl4)->text);
    EXPECT_EQ(fen.fokus, Element::cmdAuswahl5);
}

INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Vorauswahl,
                         ::testing::Values(Frueher{"Bekannt",
                                                   "[Ferientage]",
                                                   "&H0080FF",
                                                   "Bayern",
                                                   false,
                                                   "Bayern",
                                                   {"OK+-", "OK++", "OK++", "Pfeil++"},
                                                   33023u,
                                                   true},
                                           Frueher{"Dezimalfarbe",
                                                   "[Ferientage]",
                                                   "8454016",
                                                   "Hessen",
                                                   false,
                                                   "Hessen",
                                                   {"OK+-", "OK++", "OK++", "Pfeil++"},
                                                   8454016u,
                                                   true},
                                           Frueher{"OhneFarbe",
                                                   "[Ferientage]",
                                                   "&H000000",
                                                   "Berlin",
                                                   false,
                                                   "Berlin",
                                                   {"OK+-", "OK++", "Pfeil++", "Inaktiv--"},
                                                   std::nullopt,
                                                   true},
                                           Frueher{"UnbekanntesLand",
                                                   "[Ferientage]",
                                                   "&H0080FF",
                                                   "bayern",
                                                   false,
                                                   "",
                                                   {"OK+-", "Pfeil++", "Inaktiv--", "Inaktiv--"},
                                                   std::nullopt,
                                                   true},
                                           Frueher{"FremderKopf",
                                                   "[ferientage]",
                                                   "&H0080FF",
                                                   "Bayern",
                                                   false,
                                                   "",
                                                   {"OK+-", "Pfeil++", "Inaktiv--", "Inaktiv--"},
                                                   std::nullopt,
                                                   false},
                                           Frueher{"Versteckt",
                                                   "[Ferientage]",
                                                   "&H0080FF",
                                                   "Bayern",
                                                   true,
                                                   "",
                                                   {"OK+-", "Pfeil++", "Inaktiv--", "Inaktiv--"},
                                                   std::nullopt,
                                                   false},
                                           Frueher{"KeineDatei",
                                                   nullptr,
                                                   "",
                                                   "",
                                                   false,
                                                   "",
                                                   {"OK+-", "Pfeil++", "Inaktiv--", "Inaktiv--"},
                                                   std::nullopt,
                                                   false}),
                         [](const ::testing::TestParamInfo<Frueher>& info) {
                             return std::string(info.param.fall);
                         });

TEST_F(Arbeitsablauf, LandOhneBekannteFarbe) {
    Host_anlegen(daten);
    Ferientage_anlegen(daten, "&H000000", "Hessen");
    Programm.Datenordner = daten;
    Fenster_laden();
    ASSERT_EQ(Schritte(), (Liste{"OK+-", "OK++", "Pfeil++", "Inaktiv--"}));

    // Colour 0 means none: the dialog offers the light green.
    p.farb_antworten = {16711680u};
    cmdAuswahl_Click(3);
    ASSERT_EQ(p.farbdialoge.size(), 1u);
    EXPECT_EQ(p.farbdialoge[0].start, 8454016u);
    EXPECT_EQ(Schritte(), (Liste{"OK+-", "OK++", "OK++", "Pfeil++"}));

    cmdAuswahl_Click(4);
    EXPECT_EQ(Meldungen(), Liste{Bestaetigung("Hessen", Hessen)});
    EXPECT_EQ(Zeilen(ferientage), Ferientage("&HFF0000", "Hessen", Hessen_Monate));
}

// A damaged Ferientage.dat of an earlier run does not lock the user out: the check goes
// on as if there were none, and the next marking replaces it.
TEST_F(Arbeitsablauf, BeschaedigteFerientagedateiWirdErsetzt) {
    Host_anlegen(daten);
    p.Datei_anlegen(ferientage, Verwuerfelt({"[Ferientage]"}));
    Datenordner_gewaehlt();
    ASSERT_EQ(Schritte(), (Liste{"OK+-", "Pfeil++", "Inaktiv--", "Inaktiv--"}));
    Land_waehlen("Hessen");
    p.farb_antworten = {16711680u};
    cmdAuswahl_Click(3);
    cmdAuswahl_Click(4);
    EXPECT_EQ(Meldungen(), Liste{Bestaetigung("Hessen", Hessen)});
    EXPECT_EQ(Zeilen(ferientage), Ferientage("&HFF0000", "Hessen", Hessen_Monate));
    EXPECT_FALSE(p.beendet);
}

TEST_F(Arbeitsablauf, ZweiteKennzeichnungFuerEinAnderesLand) {
    Host_anlegen(daten);
    Bis_Schritt_4();
    cmdAuswahl_Click(4);
    ASSERT_EQ(Schritt(4), "OK+-");

    // Another state with the colour already chosen: step 4 is current again at once. The
    // focus stays on Beenden, where it went when step 4's button was disabled.
    Land_waehlen("Sachsen-Anhalt");
    EXPECT_EQ(Schritte(), (Liste{"OK+-", "OK++", "OK++", "Pfeil++"}));
    EXPECT_EQ(fen.fokus, Element::cmdAuswahl5);
    EXPECT_EQ(p.farbdialoge.size(), 1u);

    cmdAuswahl_Click(4);
    EXPECT_EQ(Zeilen(ferientage), Ferientage("&H0000FF", "Sachsen-Anhalt", Sachsen_Anhalt_Monate));
    EXPECT_EQ(Zeilen(logbuch),
              (Liste{Hessen_Log, Logeintrag("Daten der Schulferien für Land Sachsen-Anhalt "
                                            "aktualisiert, Stand der Daten: 15.06.24")}));
    ASSERT_EQ(p.meldungen.size(), 2u);
    EXPECT_EQ(Schritt(4), "OK+-");
}

TEST_F(Arbeitsablauf, FarbdialogAbgebrochen) {
    Host_anlegen(daten);
    Datenordner_gewaehlt();
    Land_waehlen("Hessen");

    cmdAuswahl_Click(3);  // no answer queued: the user cancels
    EXPECT_EQ(Schritte(), (Liste{"OK+-", "OK++", "Pfeil++", "Inaktiv--"}));
    EXPECT_EQ(fen.zustand[Element::cmdAuswahl3].hintergrundfarbe, std::nullopt);
    EXPECT_EQ(fen.fokus, Element::cmdAuswahl3);
    EXPECT_TRUE(p.meldungen.empty());

    // The light green stays the start; after a confirmed colour the dialog opens on that.
    p.farb_antworten = {std::nullopt, 65280u};
    cmdAuswahl_Click(3);
    cmdAuswahl_Click(3);
    cmdAuswahl_Click(3);
    ASSERT_EQ(p.farbdialoge.size(), 4u);
    EXPECT_EQ(p.farbdialoge[1].start, 8454016u);
    EXPECT_EQ(p.farbdialoge[2].start, 8454016u);
    EXPECT_EQ(p.farbdialoge[3].start, 65280u);
    EXPECT_EQ(fen.zustand[Element::cmdAuswahl3].hintergrundfarbe, 65280u);
    EXPECT_FALSE(p.Vorhanden(ferientage));
}

TEST_F(Arbeitsablauf, KeinAdministratorWirdAbgewiesen) {
    Host_anlegen(daten, {"A:schulz", "B:meier"});
    Bis_Schritt_4();

    cmdAuswahl_Click(4);
    EXPECT_EQ(Meldungen(), Liste{Keine_Rechte});
    EXPECT_FALSE(p.Vorhanden(ferientage));
    EXPECT_TRUE(p.Dateien(daten + "Logs").empty());
    EXPECT_EQ(Schritte(), (Liste{"OK+-", "OK++", "OK++", "Pfeil++"}));

    // The rights are read anew: once the host lists the user, the same click works.
    Konfigdaten_anlegen(daten, {"A:schulz", "Admin:MEIER"});
    cmdAuswahl_Click(4);
    EXPECT_EQ(Meldungen(), (Liste{Keine_Rechte, Bestaetigung("Hessen", Hessen)}));
    EXPECT_EQ(Zeilen(ferientage), Ferientage("&H0000FF", "Hessen", Hessen_Monate));
    EXPECT_EQ(Zeilen(logbuch), Liste{Hessen_Log});
}

// The built-in data hold periods starting in 2023 to 2026; from 2027 on this version is
// outdated.
struct Jahr {
    int jahr;
    bool geschrieben;
};

class Datenstand_im_Jahr : public Arbeitsablauf, public ::testing::WithParamInterface<Jahr> {};

TEST_P(Datenstand_im_Jahr, Kennzeichnen) {
    Uhr_stellen(GetParam().jahr, 1, 11);
    Host_anlegen(daten);
    Bis_Schritt_4();

    cmdAuswahl_Click(4);
    ASSERT_EQ(p.meldungen.size(), 1u);
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

INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Datenstand_im_Jahr,
                         ::testing::Values(Jahr{2023, true}, Jahr{2026, true}, Jahr{2027, false},
                                           Jahr{2031, false}),
                         [](const ::testing::TestParamInfo<Jahr>& info) {
                             return std::to_string(info.param.jahr);
                         });

// Started on New Year's Eve, clicked after midnight: the clock's year counts, not the
// start-up day's; the log book stays the one of the start-up month.
struct Jahreswechsel {
    const char* fall;
    int startjahr;
    bool geschrieben;
    const char* logbuch;
};

class Nach_Mitternacht : public Arbeitsablauf,
                         public ::testing::WithParamInterface<Jahreswechsel> {};

TEST_P(Nach_Mitternacht, Kennzeichnen) {
    const Jahreswechsel& j = GetParam();
    Uhr_stellen(j.startjahr, 12, 31, 23, 50);
    Host_anlegen(daten);
    Bis_Schritt_4();

    p.jetzt = Zeitpunkt{j.startjahr + 1, 1, 1, 0, 5, 0};
    cmdAuswahl_Click(4);
    ASSERT_EQ(p.meldungen.size(), 1u);
    EXPECT_EQ(p.Vorhanden(ferientage), j.geschrieben);
    if (j.geschrieben) {
        EXPECT_EQ(Zeilen(daten + "Logs\\" + j.logbuch),
                  Liste{"01.01." + std::to_string((j.startjahr + 1) % 100) +
                        " 00:05:00|meier|ZedraAdmin|Daten der Schulferien für Land Hessen "
                        "aktualisiert, Stand der Daten: 15.06.24"});
    } else {
        EXPECT_EQ(p.meldungen[0].text, Ueberholt);
    }
}

INSTANTIATE_TEST_SUITE_P(Arbeitsablauf, Nach_Mitternacht,
                         ::testing::Values(Jahreswechsel{"In2027", 2026, false, ""},
                                           Jahreswechsel{"In2023", 2022, true, "2212 Zedrano.log"}),
                         [](const ::testing::TestParamInfo<Jahreswechsel>& info) {
                             return std::string(info.param.fall);
                         });

TEST_F(Arbeitsablauf, DatenordnerOhneDaten) {
    Host_anlegen(daten);
    p.Ordner_anlegen("D:\\Leer");
    Fenster_laden();

    p.ordner_antworten = {"D:\\Leer"};
    cmdAuswahl_Click(1);
    EXPECT_EQ(Meldungen(),
              Liste{"Im Ordner 'D:\\Leer' wurden keine An-/Abwesenheitsdaten gefunden."});
    EXPECT_EQ(Schritte(), (Liste{"Pfeil++", "Inaktiv--", "Inaktiv--", "Inaktiv--"}));

    // Step 1 stays available; the next choice is taken.
    p.ordner_antworten = {daten};
    cmdAuswahl_Click(1);
    EXPECT_EQ(p.meldungen.size(), 1u);
    EXPECT_EQ(Schritte(), (Liste{"OK+-", "Pfeil++", "Inaktiv--", "Inaktiv--"}));
}

TEST_F(Arbeitsablauf, EntfernenFensterMitZweiSchritten) {
    Installation("Schulferien_Deaktivieren");
    Main();

    EXPECT_TRUE(fen.sichtbar);
    EXPECT_EQ(Schritt(1), "Pfeil++");
    EXPECT_EQ(Schritt(4), "Inaktiv--");
    for (Element e : {Element::fraRahmen2, Element::imgIcon2, Element::cmbLaenderliste,
                      Element::fraRahmen3, Element::imgIcon3, Element::cmdAuswahl3}) {
        EXPECT_FALSE(fen.zustand[e].sichtbar) << static_cast<int>(e);
    }
    for (Element e :
         {Element::fraRahmen1, Element::cmdAuswahl1, Element::imgIcon1, Element::fraRahmen4,
          Element::cmdAuswahl4, Element::imgIcon4, Element::cmdAuswahl5}) {
        EXPECT_TRUE(fen.zustand[e].sichtbar) << static_cast<int>(e);
    }
    EXPECT_EQ(fen.zustand[Element::fraRahmen4].beschriftung,
              "Schritt 2: Kennzeichnen der Schulferien aufheben");
    EXPECT_EQ(fen.zustand[Element::cmdAuswahl4].beschriftung,
              "Kennzeichnen der Schulferien aufheben");
    EXPECT_EQ(fen.zustand[Element::fraRahmen4].oben, 1560);
    EXPECT_EQ(fen.zustand[Element::cmdAuswahl5].oben, 3000);
    EXPECT_EQ(fen.hoehe, 4095);
    EXPECT_TRUE(fen.eintraege.empty());
    EXPECT_TRUE(p.meldungen.empty());
}

// Removal mode, the second step clicked by an administrator, by the state of the file.
struct Entfernen {
    const char* fall;
    bool vorhanden;
    std::uint32_t attribute;
    // Another program holds it: without sharing, or sharing delete (the delete stays pending
    // until it lets go, here for good or after a moment).
    enum { Frei, Gesperrt, Loeschen_aufgehalten, Loeschen_kurz_aufgehalten } gehalten;
    bool geloescht;
};

class Kennzeichnung_aufheben : public Arbeitsablauf,
                               public ::testing::WithParamInterface<Entfernen> {};

TEST_P(Kennzeichnung_aufheben, Klick) {
    const Entfernen& e = GetParam();
    Host_anlegen(daten);
    if (e.vorhanden) {
        Ferientage_anlegen(daten, "&H0080FF", "Bayern");
        p.Attribute_setzen(ferientage, e.attribute);
        p.Sperren(ferientage, e.gehalten == Entfernen::Gesperrt);
        if (e.gehalten == Entfernen::Loeschen_aufgehalten) p.Loeschen_aufhalten(ferientage);
        if (e.gehalten == Entfernen::Loeschen_kurz_aufgehalten) p.Loeschen_aufhalten(ferientage, 3);
    }
    Fenster_laden(false);
    p.ordner_antworten = {"D:\\Planer"};
    cmdAuswahl_Click(1);
    ASSERT_EQ(Schritt(4), "Pfeil++");
    EXPECT_EQ(Programm.Land, "");  // the earlier file is not read in this mode

    cmdAuswahl_Click(4);
    if (e.geloescht) {
        EXPECT_EQ(Meldungen(), Liste{"Funktion ausgeführt. Schulferien werden künftig nicht "
                                     "mehr gekennzeichnet."});
        EXPECT_FALSE(p.Vorhanden(ferientage));
        EXPECT_EQ(Zeilen(logbuch), Liste{Logeintrag("Kennzeichnen der Schulferien aufgehoben")});
        EXPECT_EQ(Schritt(4), "OK+-");
    } else {
        // The full path, not shortened; the user may try again, and meets the same as long
        // as the other program holds the file.
        const std::string fehlschlag =
            "Löschen der Datei 'D:\\Planer\\Data\\Ferientage.dat' fehlgeschlagen.";
        EXPECT_EQ(Meldungen(), Liste{fehlschlag});
        cmdAuswahl_Click(4);
        EXPECT_EQ(Meldungen(), (Liste{fehlschlag, fehlschlag}));
        EXPECT_TRUE(p.Vorhanden(ferientage));
        EXPECT_TRUE(p.Dateien(daten + "Logs").empty());
        EXPECT_EQ(Schritt(4), "Pfeil++");

        p.Sperren(ferientage, false);
        p.Loeschen_aufhalten(ferientage, 0);
        p.meldungen.clear();
        cmdAuswahl_Click(4);
        EXPECT_FALSE(p.Vorhanden(ferientage));
        EXPECT_EQ(Zeilen(logbuch), Liste{Logeintrag("Kennzeichnen der Schulferien aufgehoben")});
        EXPECT_EQ(Schritt(4), "OK+-");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arbeitsablauf, Kennzeichnung_aufheben,
    ::testing::Values(Entfernen{"Vorhanden", true, Attribut::Archiv, Entfernen::Frei, true},
                      Entfernen{"Fehlt", false, 0, Entfernen::Frei, true},
                      Entfernen{"Schreibschutz", true, Attribut::Schreibgeschuetzt, Entfernen::Frei,
                                true},
                      Entfernen{"VersteckteSystemdatei", true,
                                Attribut::Versteckt | Attribut::System, Entfernen::Frei, true},
                      Entfernen{"Gesperrt", true, Attribut::Archiv, Entfernen::Gesperrt, false},
                      Entfernen{"LoeschenAufgehalten", true, Attribut::Archiv,
                                Entfernen::Loeschen_aufgehalten, false},
                      Entfernen{"LoeschenKurzAufgehalten", true, Attribut::Archiv,
                                Entfernen::Loeschen_kurz_aufgehalten, true}),
    [](const ::testing::TestParamInfo<Entfernen>& info) { return std::string(info.param.fall); });

TEST_F(Arbeitsablauf, EntfernenOhneRechte) {
    Host_anlegen(daten, {"A:schulz"});
    Ferientage_anlegen(daten, "&H0080FF", "Bayern");
    const std::string vorher = *p.Inhalt(ferientage);
    Programm.Datenordner = daten;
    Fenster_laden(false);
    ASSERT_EQ(Schritt(4), "Pfeil++");

    cmdAuswahl_Click(4);
    EXPECT_EQ(Meldungen(), Liste{Keine_Rechte});
    EXPECT_EQ(p.Inhalt(ferientage), vorher);
    EXPECT_TRUE(p.Dateien(daten + "Logs").empty());
    EXPECT_EQ(Schritt(4), "Pfeil++");
}

}  // namespace
