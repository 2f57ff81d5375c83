// The file services as the program relies on them, run against the in-memory fake and
// against Windows itself, so that the fake can't drift away from what Windows does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/contract/umgebung.h"
#include "tests/support/fehlernummer_bei.h"

namespace {

using Schreibart = Plattform::Schreibart;
using Namen = std::vector<std::string>;

bool Nicht_gefunden(long nummer) {
    return nummer == Fehlernummer::DateiNichtGefunden || nummer == Fehlernummer::PfadNichtGefunden;
}

constexpr std::uint32_t Versteckt = Attribut::Versteckt;
constexpr std::uint32_t System = Attribut::System;
constexpr std::uint32_t Schreibgeschuetzt = Attribut::Schreibgeschuetzt;
constexpr std::uint32_t Ordner = Attribut::Verzeichnis;  // in set-up tables: make a folder

class Dateidienste : public ::testing::Test {
  protected:
    std::string In(const std::string& name) const { return w + "\\" + name; }
    // A folder of its own for the next case, with a Ferientage.dat that holds "alt".
    std::string Fall_mit_alter_Datei() {
        const std::string ordner = In("Fall" + std::to_string(++faelle_));
        u->Ordner_anlegen(ordner);
        u->Datei_anlegen(ordner + "\\Ferientage.dat", "alt");
        return ordner;
    }
    // Writes `bytes` with Ersetzen and closes with `uebernehmen`.
    void Ersetzen(const std::string& pfad, const std::string& bytes, bool uebernehmen = true) {
        const int nr = p.Datei_oeffnen(pfad, Schreibart::Ersetzen);
        p.Datei_schreiben(nr, bytes);
        p.Datei_schliessen(nr, uebernehmen);
    }

    std::unique_ptr<Umgebung> u = Neue_Umgebung();
    Plattform& p = u->plattform();
    const std::string w = u->Wurzel();
    int faelle_ = 0;
};

// --- Probes ---

TEST_F(Dateidienste, DateiVorhandenFindetNurGewoehnlicheDateien) {
    u->Ordner_anlegen(In("Ordner.dat"));
    u->Datei_anlegen(In("Plan.dat"), "x");
    u->Datei_anlegen(In("Normal.dat"), "x", Attribut::Normal);
    u->Datei_anlegen(In("Geschützt.dat"), "x", Schreibgeschuetzt);
    u->Datei_anlegen(In("Versteckt.dat"), "x", Versteckt);
    u->Datei_anlegen(In("System.dat"), "x", System);
    u->Datei_anlegen(In("Beides.dat"), "x", Versteckt | Schreibgeschuetzt);

    const struct {
        const char* name;
        bool gefunden;
    } faelle[] = {
        {"Plan.dat", true},
        {"PLAN.DAT", true},
        {"plan.Dat", true},
        {"Normal.dat", true},
        {"Geschützt.dat", true},
        {"GESCHÜTZT.DAT", true},
        {"Versteckt.dat", false},
        {"System.dat", false},
        {"Beides.dat", false},
        {"Ordner.dat", false},
        {"Ordner.dat\\", false},
        {"Plan.dat\\", false},
        {"Plan", false},
        {"Plan.da", false},
        {"Plan.dat.bak", false},
        {"Fehlt.dat", false},
        {"Fehlt\\Plan.dat", false},
        {"Plan.dat\\Plan.dat", false},
        {"Ordner.dat\\..\\Plan.dat", true},
        {"Ordner.dat\\\\..\\.\\Plan.dat", true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        EXPECT_EQ(p.Datei_vorhanden(In(fall.name)), fall.gefunden);
    }
    EXPECT_TRUE(p.Datei_vorhanden(w + "/Plan.dat"));
    EXPECT_FALSE(p.Datei_vorhanden(""));
}

TEST_F(Dateidienste, MusterPasstAufLangeNamenOhneRuecksichtAufGrossschreibung) {
    struct Eintrag {
        const char* name;
        std::uint32_t attribute;
    };
    // clang-format off
    const struct {
        std::vector<Eintrag> eintraege;
        const char* muster;
        bool gefunden;
    } faelle[] = {
        {{{"PlanData.dat", 0}}, "*Data.dat", true},
        {{{"Data.dat", 0}}, "*Data.dat", true},
        {{{"plandata.DAT", 0}}, "*Data.dat", true},
        {{{"Data.dat.bak", 0}}, "*Data.dat", false},
        {{{"PlanData.dat.old", 0}}, "*Data.dat", false},
        {{{"PlanDaten.dat", 0}}, "*Data.dat", false},
        {{{"Data.dat", Ordner}}, "*Data.dat", false},
        {{{"AData.dat", Versteckt}}, "*Data.dat", false},
        {{{"AData.dat", System}}, "*Data.dat", false},
        {{{"AData.dat", Schreibgeschuetzt}}, "*Data.dat", true},
        // Hidden, system and folder matches are passed over for the ordinary one.
        {{{"AData.dat", Versteckt}, {"BData.dat", Ordner}, {"CData.dat", 0}, {"DData.dat", System}}, "*Data.dat", true},
        {{}, "*Data.dat", false},
        {{{"Plan1Data.dat", 0}}, "Plan?Data.dat", true},
        {{{"PlanData.dat", 0}}, "Plan?Data.dat", false},
        {{{"Prüfdata.dat", 0}}, "PRÜF*.DAT", true},
        {{{"Ferientage.dat", 0}}, "*", true},
        {{{"Ferientage.dat", 0}}, "*.dat", true},
        {{{"Ferientage.dat", 0}}, "f*e.d?t", true},
        {{{"Ferientage.dat", 0}}, "*.log", false},
    };
    // clang-format on
    int nr = 0;
    for (const auto& fall : faelle) {
        const std::string ordner = In("Fall" + std::to_string(++nr));
        SCOPED_TRACE(ordner + "\\" + fall.muster);
        u->Ordner_anlegen(ordner);
        for (const Eintrag& e : fall.eintraege) {
            if (e.attribute == Ordner) {
                u->Ordner_anlegen(ordner + "\\" + e.name);
            } else {
                u->Datei_anlegen(ordner + "\\" + e.name, "x",
                                 e.attribute ? e.attribute : Attribut::Archiv);
            }
        }
        EXPECT_EQ(p.Datei_vorhanden(ordner + "\\" + fall.muster), fall.gefunden);
    }
}

TEST_F(Dateidienste, InFehlendemOrdnerFindetSichNichts) {
    u->Datei_anlegen(In("Datei.dat"), "x");
    for (const std::string& muster :
         {In("Fehlt\\*Data.dat"), In("Fehlt\\Tiefer\\Ferientage.dat"), In("Datei.dat\\*")}) {
        SCOPED_TRACE(muster);
        EXPECT_EQ(Fehlernummer_bei([&] { EXPECT_FALSE(p.Datei_vorhanden(muster)); }), 0);
        EXPECT_EQ(Fehlernummer_bei([&] { EXPECT_FALSE(p.Datei_vorhanden(muster)); }), 0);
    }
}

TEST_F(Dateidienste, UngueltigerOrdnernameWirftDateinameFalsch) {
    for (const std::string& pfad : {In("a|b\\Ferientage.dat"), In("a\"b\\*Data.dat")}) {
        SCOPED_TRACE(pfad);
        EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_vorhanden(pfad); }),
                  Fehlernummer::DateinameFalsch);
        EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_vorhanden(pfad); }),
                  Fehlernummer::DateinameFalsch);
    }
}

// --- Attributes and deleting ---

TEST_F(Dateidienste, AttributeLesen) {
    u->Ordner_anlegen(In("Ordner"));
    u->Datei_anlegen(In("Plan.dat"), "x");
    u->Datei_anlegen(In("Geschützt.dat"), "x", Schreibgeschuetzt);
    u->Datei_anlegen(In("Versteckt.dat"), "x", Versteckt | System);

    const struct {
        std::string pfad;
        std::uint32_t gesetzt, nicht_gesetzt;
    } faelle[] = {
        {w, Ordner, 0},
        {w + "\\", Ordner, 0},
        {In("Ordner"), Ordner, Schreibgeschuetzt | Versteckt},
        {In("ORDNER\\"), Ordner, 0},
        {In("Plan.dat"), 0, Ordner | Schreibgeschuetzt | Versteckt | System},
        {In("Geschützt.dat"), Schreibgeschuetzt, Ordner | Versteckt},
        {In("Versteckt.dat"), Versteckt | System, Ordner | Schreibgeschuetzt},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.pfad);
        const std::uint32_t attribute = p.Attribute_lesen(fall.pfad);
        EXPECT_EQ(attribute & fall.gesetzt, fall.gesetzt);
        EXPECT_EQ(attribute & fall.nicht_gesetzt, 0u);
    }
}

TEST_F(Dateidienste, AttributeLesenVonFehlendemPfadWirft) {
    EXPECT_EQ(Fehlernummer_bei([&] { p.Attribute_lesen(In("Fehlt.dat")); }),
              Fehlernummer::DateiNichtGefunden);
    for (const std::string& pfad : {In("Fehlt\\Plan.dat"), In("Fehlt\\"), std::string()}) {
        SCOPED_TRACE(pfad);
        const long nummer = Fehlernummer_bei([&] { p.Attribute_lesen(pfad); });
        EXPECT_TRUE(Nicht_gefunden(nummer)) << nummer;
    }
}

TEST_F(Dateidienste, SchreibgeschuetzteDateiErstNachAttributeNormalLoeschbar) {
    const std::string pfad = In("Ferientage.dat");
    u->Datei_anlegen(pfad, "x", Schreibgeschuetzt | Versteckt | System);

    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_entfernen(pfad); }), Fehlernummer::ZugriffVerweigert);
    EXPECT_EQ(u->Inhalt(pfad), "x");

    p.Attribute_normal(pfad);
    EXPECT_EQ(p.Attribute_lesen(pfad) & (Schreibgeschuetzt | Versteckt | System | Ordner), 0u);
    EXPECT_TRUE(p.Datei_vorhanden(pfad));
    p.Datei_entfernen(pfad);
    EXPECT_EQ(u->Namen(w), Namen{});
}

TEST_F(Dateidienste, DateiEntfernenScheitert) {
    u->Ordner_anlegen(In("Ordner"));
    u->Datei_anlegen(In("Offen.dat"), "x");
    u->Sperren(In("Offen.dat"));

    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_entfernen(In("Fehlt.dat")); }),
              Fehlernummer::DateiNichtGefunden);
    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_entfernen(In("Offen.dat")); }),
              Fehlernummer::ZugriffVerweigert);
    EXPECT_NE(Fehlernummer_bei([&] { p.Datei_entfernen(In("Ordner")); }), 0);

    u->Freigeben(In("Offen.dat"));
    EXPECT_EQ(u->Namen(w), (Namen{"Offen.dat", "Ordner"}));
}

// A file that another program holds open sharing delete keeps its name until that program
// lets go. A delete waits for the name to go, as for a lock; when it stays, the delete fails
// and the file is still there: listed, with attributes, and no second delete removes it.
TEST_F(Dateidienste, AnstehendesLoeschenWirdAbgewartet) {
    const std::string pfad = In("Ferientage.dat");
    u->Datei_anlegen(pfad, "x");
    u->Loeschen_kurz_aufhalten(pfad);
    p.Datei_entfernen(pfad);
    EXPECT_EQ(u->Namen(w), Namen{});

    u->Datei_anlegen(pfad, "x");
    u->Loeschen_aufhalten(pfad);
    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_entfernen(pfad); }), Fehlernummer::ZugriffVerweigert);
    EXPECT_TRUE(p.Datei_vorhanden(pfad));
    EXPECT_EQ(p.Attribute_lesen(pfad) & Ordner, 0u);
    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_entfernen(pfad); }), Fehlernummer::ZugriffVerweigert);
    EXPECT_EQ(u->Namen(w), Namen{"Ferientage.dat"});
    u->Freigeben(pfad);
    EXPECT_EQ(u->Namen(w), Namen{});
}

// --- Reading ---

TEST_F(Dateidienste, DateiLesenGibtAlleBytes) {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    bytes += "\r\n\x1a" + std::string(100000, 'z');  // past any one buffer
    u->Datei_anlegen(In("Alle.dat"), bytes, Schreibgeschuetzt | Versteckt);
    u->Datei_anlegen(In("Leer.dat"), "");

    EXPECT_EQ(p.Datei_lesen(In("Alle.dat")), bytes);
    EXPECT_EQ(p.Datei_lesen(In("ALLE.DAT")), bytes);
    EXPECT_EQ(p.Datei_lesen(In("Leer.dat")), "");
}

TEST_F(Dateidienste, DateiLesenScheitert) {
    u->Ordner_anlegen(In("Ordner"));
    u->Datei_anlegen(In("Offen.dat"), "x");
    u->Sperren(In("Offen.dat"));

    const struct {
        std::string pfad;
        long nummer;
    } faelle[] = {
        {In("Fehlt.dat"), Fehlernummer::DateiNichtGefunden},
        {In("Fehlt\\Konfigdaten.dat"), Fehlernummer::PfadNichtGefunden},
        {In("Offen.dat"), Fehlernummer::ZugriffVerweigert},
        {In("Ordner"), Fehlernummer::ZugriffVerweigert},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.pfad);
        EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_lesen(fall.pfad); }), fall.nummer);
    }
}

// --- Writing: Ersetzen ---

TEST_F(Dateidienste, ErsetzenTauschtDenInhaltErstBeimSchliessen) {
    const std::string pfad = In("Ferientage.dat");
    u->Datei_anlegen(pfad, "alter Inhalt");

    const int nr = p.Datei_oeffnen(pfad, Schreibart::Ersetzen);
    p.Datei_schreiben(nr, "neu 1\r\n");
    p.Datei_schreiben(nr, "");
    p.Datei_schreiben(nr, "neu 2\r\n");
    EXPECT_EQ(p.Datei_lesen(pfad), "alter Inhalt");
    // The new file beside it carries this computer's name.
    const Namen daneben = u->Namen(w);
    ASSERT_EQ(daneben.size(), 2u);
    const std::string ende = std::string(1, '@').append(u->Computername()).append(".tmp");
    EXPECT_EQ(daneben[1].rfind("Ferientage.dat.~", 0), 0u) << daneben[1];
    EXPECT_EQ(daneben[1].substr(daneben[1].size() - ende.size()), ende) << daneben[1];
    p.Datei_schliessen(nr, true);

    EXPECT_EQ(u->Inhalt(pfad), "neu 1\r\nneu 2\r\n");
    EXPECT_EQ(u->Namen(w), Namen{"Ferientage.dat"});
}

TEST_F(Dateidienste, ErsetzenLegtFehlendeDateiAn) {
    std::string bytes;
    for (int i = 255; i >= 0; --i) bytes += static_cast<char>(i);
    Ersetzen(In("Neu.dat"), bytes);
    EXPECT_EQ(u->Inhalt(In("Neu.dat")), bytes);
    EXPECT_EQ(u->Namen(w), Namen{"Neu.dat"});
    EXPECT_TRUE(p.Datei_vorhanden(In("Neu.dat")));
}

TEST_F(Dateidienste, ErsetzenOhneUebernahmeLaesstAllesWieEsWar) {
    u->Datei_anlegen(In("Ferientage.dat"), "alt");
    Ersetzen(In("Ferientage.dat"), "neu", false);
    Ersetzen(In("Fehlte.dat"), "neu", false);
    EXPECT_EQ(u->Inhalt(In("Ferientage.dat")), "alt");
    EXPECT_EQ(u->Namen(w), Namen{"Ferientage.dat"});
}

TEST_F(Dateidienste, ErsetzenMachtAusVersteckterDateiEineGewoehnliche) {
    const std::string pfad = In("Ferientage.dat");
    u->Datei_anlegen(pfad, "alt", Versteckt | System);
    Ersetzen(In("FERIENTAGE.DAT"), "neu");
    EXPECT_EQ(u->Inhalt(pfad), "neu");
    EXPECT_EQ(u->Namen(w).size(), 1u);
    EXPECT_TRUE(p.Datei_vorhanden(pfad));
    EXPECT_EQ(p.Attribute_lesen(pfad) & (Versteckt | System | Schreibgeschuetzt), 0u);
}

// Opening to replace or to append fails on a read-only file, one another program holds open,
// a folder and a path through a missing folder; the files stay as they were, nothing beside.
TEST_F(Dateidienste, SchreibenScheitertBeimOeffnen) {
    for (const auto& [art, endung] : {std::pair{Schreibart::Ersetzen, std::string(".dat")},
                                      std::pair{Schreibart::Anhaengen, std::string(".log")}}) {
        u->Ordner_anlegen(In("Ordner" + endung));
        u->Datei_anlegen(In("Geschützt" + endung), "alt", Schreibgeschuetzt);
        u->Datei_anlegen(In("Offen" + endung), "alt");
        u->Sperren(In("Offen" + endung));
        const std::pair<std::string, long> faelle[] = {
            {In("Geschützt" + endung), Fehlernummer::ZugriffVerweigert},
            {In("Offen" + endung), Fehlernummer::ZugriffVerweigert},
            {In("Ordner" + endung), Fehlernummer::ZugriffVerweigert},
            {In("Fehlt\\Datei" + endung), Fehlernummer::PfadNichtGefunden},
        };
        for (const auto& [pfad, nummer] : faelle) {
            SCOPED_TRACE(pfad);
            EXPECT_EQ(
                Fehlernummer_bei([&, &pfad = pfad, art = art] { p.Datei_oeffnen(pfad, art); }),
                nummer);
        }
        u->Freigeben(In("Offen" + endung));
        EXPECT_EQ(u->Inhalt(In("Geschützt" + endung)), "alt");
        EXPECT_EQ(u->Inhalt(In("Offen" + endung)), "alt");
    }
    EXPECT_EQ(u->Namen(w), (Namen{"Geschützt.dat", "Geschützt.log", "Offen.dat", "Offen.log",
                                  "Ordner.dat", "Ordner.log"}));
}

TEST_F(Dateidienste, ErsetzenScheitertBeimSchliessenWennDieDateiInzwischenOffenIst) {
    const std::string pfad = In("Ferientage.dat");
    u->Datei_anlegen(pfad, "alt");
    const int nr = p.Datei_oeffnen(pfad, Schreibart::Ersetzen);
    p.Datei_schreiben(nr, "neu");
    u->Sperren(pfad);

    EXPECT_NE(Fehlernummer_bei([&] { p.Datei_schliessen(nr, true); }), 0);
    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_schliessen(nr, false); }),
              Fehlernummer::DateinameFalsch);  // closed all the same
    u->Freigeben(pfad);
    EXPECT_EQ(u->Inhalt(pfad), "alt");
    EXPECT_EQ(u->Namen(w), Namen{"Ferientage.dat"});
}

// What earlier writers left beside Ferientage.dat, as a writer on another computer of the
// share may still be writing it. A new file goes when it was written more than an hour ago,
// or when this computer's process that wrote it no longer runs (odd numbers: no process has
// one). Another computer's young file stays, however far ahead of this clock its time lies, as
// does one in the earlier form without a computer's name; backups, files held open, other
// names and what lies in folders below stay always.
TEST_F(Dateidienste, ErsetzenRaeumtAufWasAbgebrocheneSchreiberLiegenLiessen) {
    const std::string pc = std::string(1, '@').append(u->Computername()), fremd = "@ANDERER-PC";
    char laeuft[16];
    std::snprintf(laeuft, sizeof laeuft, "%x", static_cast<unsigned>(u->Laufender_Prozess()));
    const std::string lebt = std::string("Ferientage.dat.~") + laeuft;
    constexpr long H = 3600;  // an hour
    struct Rest {
        std::string name;
        long alter;  // seconds
        bool bleibt;
    };
    // clang-format off
    const Rest reste[] = {
        {"Ferientage.dat.~1f-3" + pc + ".tmp", 0, false},
        {lebt + "-3" + pc + ".tmp", 0, true},
        {lebt + "-4" + pc + ".tmp", 2 * H, false},
        {"Ferientage.dat.~1f-3" + fremd + ".tmp", 0, true},
        {"Ferientage.dat.~1f-4" + fremd + ".tmp", H - 60, true},
        {"Ferientage.dat.~1f-5" + fremd + ".tmp", H + 60, false},
        {"Ferientage.dat.~1f-6" + fremd + ".tmp", -2 * H, true},
        {"Ferientage.dat.~1f-7" + fremd + ".tmp", -H + 60, true},
        {"Ferientage.dat.~1f-8" + fremd + ".tmp", 2 * H, true},  // held open
        {"Ferientage.dat.~1f-3.tmp", 0, true},
        {"FERIENTAGE.DAT.~A0B-10.TMP", 2 * H, false},
        {"Ferientage.dat.~1f-9" + pc + ".bak", 2 * H, true},
        {"Ferientage.dat.~1f-9" + fremd + ".bak", 2 * H, true},
        {"Anderes.dat.~1f-3.tmp", 2 * H, true},
        {"Ferientage.dat.~1f-.tmp", 2 * H, true},
        {"Ferientage.dat.~1f-3.tmp.bak", 2 * H, true},
        {"Ferientage.dat.~alt.tmp", 2 * H, true},
        {"Ferientage.dat.~x1f-3.tmp", 2 * H, true},
        {"Ferientage.dat.~1f-3@.tmp", 2 * H, true},
    };
    // clang-format on
    for (const long vor : {0L, 2 * H, -2 * H}) {
        if (!u->Dateiuhr_vor(vor)) continue;
        const std::string ordner = In("Uhr" + std::to_string(vor));
        SCOPED_TRACE(ordner);
        const auto im = [&](const std::string& name) { return ordner + "\\" + name; };
        u->Ordner_anlegen(ordner);
        u->Ordner_anlegen(im("Unter"));
        u->Datei_anlegen(im("Unter\\Ferientage.dat.~1f-3.tmp"), "rest");
        u->Alter_setzen(im("Unter\\Ferientage.dat.~1f-3.tmp"), 2 * H);
        Namen erwartet = {"Ferientage.dat", "Unter"};
        for (const Rest& r : reste) {
            u->Datei_anlegen(im(r.name), "rest");
            u->Alter_setzen(im(r.name), r.alter);
            if (r.bleibt) erwartet.push_back(r.name);
        }
        const std::string offen = im("Ferientage.dat.~1f-8" + fremd + ".tmp");
        u->Sperren(offen);
        u->Datei_anlegen(im("Ferientage.dat"), "alt");

        Ersetzen(im("Ferientage.dat"), "neu");
        u->Freigeben(offen);

        std::sort(erwartet.begin(), erwartet.end());
        EXPECT_EQ(u->Namen(ordner), erwartet);
        EXPECT_EQ(u->Namen(im("Unter")), Namen{"Ferientage.dat.~1f-3.tmp"});
        EXPECT_EQ(u->Inhalt(im("Ferientage.dat")), "neu");
    }
}

// A replacement never loses the old content. One that stops halfway puts the old file back;
// when that can't move, the new one takes its place, and the write has succeeded; when neither
// can, the old content stays beside the target under a backup's name that no later write
// removes. A file system that knows no replacing in one step gets the new file all the same.
TEST_F(Dateidienste, ErsetzenVerliertDenAltenInhaltNie) {
    using E = Umgebung::Ersetzung;
    const struct {
        E art;
        long nummer;
        std::optional<std::string> inhalt;
        bool sicherung;  // the old content beside, under a backup's name
    } faelle[] = {
        {E::Nicht_unterstuetzt, 0, "neu", false},
        {E::Halb_zurueck, Fehlernummer::PfadZugriff, "alt", false},
        {E::Halb_neue, 0, "neu", false},
        {E::Halb_keine, Fehlernummer::PfadZugriff, std::nullopt, true},
    };
    for (const auto& fall : faelle) {
        const std::string ordner = Fall_mit_alter_Datei(), ziel = ordner + "\\Ferientage.dat";
        SCOPED_TRACE(ordner);
        u->Ersetzen_wie(fall.art);
        EXPECT_EQ(Fehlernummer_bei([&] { Ersetzen(ziel, "neu"); }), fall.nummer);
        u->Ersetzen_wie(E::Normal);
        EXPECT_EQ(u->Inhalt(ziel), fall.inhalt);
        const Namen namen = u->Namen(ordner);
        if (!fall.sicherung) {
            EXPECT_EQ(namen, Namen{"Ferientage.dat"});
            EXPECT_EQ(p.Attribute_lesen(ziel) & (Versteckt | System | Schreibgeschuetzt), 0u);
            continue;
        }
        ASSERT_EQ(namen.size(), 1u);
        const std::string sicherung = namen[0];
        EXPECT_EQ(sicherung.rfind("Ferientage.dat.~", 0), 0u) << sicherung;
        EXPECT_EQ(sicherung.substr(sicherung.size() - 4), ".bak") << sicherung;
        EXPECT_EQ(u->Inhalt(ordner + "\\" + sicherung), "alt");
        Ersetzen(ziel, "neuer");
        EXPECT_EQ(u->Namen(ordner), (Namen{"Ferientage.dat", sicherung}));
    }
}

// A write counts only when its own new file has become the target. One that another program
// deleted before it took the place fails, the old content kept (or no file, as before); one
// that another writer's whole file overtakes at that moment is done again, so that the file
// holds it. A backup's name is never one in use: a backup that an earlier process of the same
// number left stays as it was.
TEST_F(Dateidienste, ErsetzenZaehltNurMitDerEigenenNeuenDatei) {
    using S = Umgebung::Stoerung;
    const struct {
        S stoerung;
        long nummer;
        std::optional<std::string> inhalt;
    } faelle[] = {
        {S::Neue_weg, Fehlernummer::DateiNichtGefunden, "alt"},
        {S::Ueberholt, 0, "neu"},
    };
    for (const auto& fall : faelle) {
        const std::string ordner = Fall_mit_alter_Datei(), ziel = ordner + "\\Ferientage.dat";
        SCOPED_TRACE(ordner);
        char name[64];
        std::snprintf(name, sizeof name, "Ferientage.dat.~%x-", u->Prozessnummer());
        Namen erwartet = {"Ferientage.dat"};
        for (int n = 1; n <= 20; ++n) {
            erwartet.push_back(name + std::to_string(n) + "@" + u->Computername() + ".bak");
            u->Datei_anlegen(ordner + "\\" + erwartet.back(), "Sicherung " + std::to_string(n));
        }
        std::sort(erwartet.begin(), erwartet.end());
        const int d = p.Datei_oeffnen(ziel, Schreibart::Ersetzen);
        p.Datei_schreiben(d, "neu");
        u->Kurz_stoeren(ziel, fall.stoerung);
        EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_schliessen(d, true); }), fall.nummer);
        EXPECT_EQ(u->Inhalt(ziel), fall.inhalt);
        EXPECT_EQ(u->Namen(ordner), erwartet);
        for (int n = 1; n <= 20; ++n)
            EXPECT_EQ(u->Inhalt(ordner + "\\" + name + std::to_string(n) + "@" + u->Computername() +
                                ".bak"),
                      "Sicherung " + std::to_string(n));
    }
}

// The waits of one user action end after about three seconds together, however many steps meet
// a lock that lasts (Windows greys a window that answers no messages for five as hung); the
// next action waits anew.
TEST_F(Dateidienste, EineBenutzeraktionWartetHoechstensDreiSekunden) {
    const std::string pfad = In("Ferientage.dat");
    u->Datei_anlegen(pfad, "alt");
    u->Sperren(pfad);
    const std::function<void()> schritte[] = {
        [&] { p.Datei_lesen(pfad); },
        [&] { p.Datei_oeffnen(pfad, Schreibart::Ersetzen); },
        [&] { p.Datei_oeffnen(pfad, Schreibart::Anhaengen); },
        [&] { p.Datei_entfernen(pfad); },
        [&] { p.Datei_lesen(pfad); },
    };
    u->Neue_Benutzeraktion();
    const std::int64_t anfang = u->Millisekunden();
    for (const auto& schritt : schritte)
        EXPECT_EQ(Fehlernummer_bei(schritt), Fehlernummer::ZugriffVerweigert);
    const std::int64_t gewartet = u->Millisekunden() - anfang;
    EXPECT_GE(gewartet, 2900);
    EXPECT_LE(gewartet, 4000);  // five steps of a second each before
    u->Neue_Benutzeraktion();
    const std::int64_t neu = u->Millisekunden();
    EXPECT_EQ(Fehlernummer_bei(schritte[0]), Fehlernummer::ZugriffVerweigert);
    EXPECT_GE(u->Millisekunden() - neu, 900);
    u->Freigeben(pfad);
    EXPECT_EQ(u->Inhalt(pfad), "alt");
}

// What other programs and another writer on this computer cause for a moment is waited for,
// at every step, and never taken for missing rights: a file held open without sharing, one
// that is being replaced or deleted ("access denied", "delete pending"), a replacement that
// can't remove the old file or move the new one yet, or that meets another computer's writer
// under Wine (and answers "invalid handle", or stops halfway and puts the old file back). A
// file that has just been taken away when a replacement starts is a missing one.
TEST_F(Dateidienste, KurzeStoerungIstKeinFehler) {
    using S = Umgebung::Stoerung;
    enum Schritt { Lesen, Ersetzen_oeffnen, Ersetzen_schliessen, Anhaengen, Entfernen };
    const std::vector<Schritt> alle = {Lesen, Ersetzen_oeffnen, Ersetzen_schliessen, Anhaengen,
                                       Entfernen};
    const struct {
        S stoerung;
        std::vector<Schritt> schritte;
    } faelle[] = {
        {S::Gesperrt, alle},
        {S::Zugriff_verweigert, alle},
        {S::Loeschen_anstehend, alle},
        {S::Alte_bleibt, {Ersetzen_schliessen}},
        {S::Neue_bleibt, {Ersetzen_schliessen}},
        {S::Ziel_weg, {Ersetzen_oeffnen}},
        {S::Ersetzen_ungueltig, {Ersetzen_schliessen}},
        {S::Ersetzen_halb, {Ersetzen_schliessen}},
    };
    for (const auto& fall : faelle) {
        for (const Schritt schritt : fall.schritte) {
            const std::string ordner = Fall_mit_alter_Datei(), pfad = ordner + "\\Ferientage.dat";
            SCOPED_TRACE(ordner + " Schritt " + std::to_string(schritt));
            u->Neue_Benutzeraktion();
            const long nummer = Fehlernummer_bei([&] {
                if (schritt == Ersetzen_schliessen) {
                    const int d = p.Datei_oeffnen(pfad, Schreibart::Ersetzen);
                    p.Datei_schreiben(d, "neu");
                    u->Kurz_stoeren(pfad, fall.stoerung);
                    p.Datei_schliessen(d, true);
                    return;
                }
                u->Kurz_stoeren(pfad, fall.stoerung);
                if (schritt == Lesen) {
                    EXPECT_EQ(p.Datei_lesen(pfad), "alt");
                }
                if (schritt == Ersetzen_oeffnen) Ersetzen(pfad, "neu");
                if (schritt == Anhaengen) {
                    const int d = p.Datei_oeffnen(pfad, Schreibart::Anhaengen);
                    p.Datei_schreiben(d, " und mehr");
                    p.Datei_schliessen(d, true);
                }
                if (schritt == Entfernen) p.Datei_entfernen(pfad);
            });
            EXPECT_EQ(nummer, 0);
            const char* const inhalt[] = {"alt", "neu", "neu", "alt und mehr", nullptr};
            EXPECT_EQ(u->Inhalt(pfad),
                      inhalt[schritt] ? std::optional<std::string>(inhalt[schritt]) : std::nullopt);
        }
    }
}

// Paths of MAX_PATH and more: a target just below it whose new file's name goes past it,
// a long file name, and a long folder.
TEST_F(Dateidienste, LangePfade) {
    for (const std::size_t laenge : {250u, 300u, 400u}) {
        std::string ordner = In("Lang" + std::to_string(laenge));
        u->Ordner_anlegen(ordner);
        while (laenge - ordner.size() > 150) {
            ordner += "\\" + std::string(100, 'o');
            u->Ordner_anlegen(ordner);
        }
        const std::string name = std::string(laenge - ordner.size() - 5, 'f') + ".dat";
        const std::string pfad = ordner + "\\" + name;
        SCOPED_TRACE(pfad);
        ASSERT_EQ(pfad.size(), laenge);
        u->Datei_anlegen(pfad, "alt");

        EXPECT_TRUE(p.Datei_vorhanden(pfad));
        EXPECT_TRUE(p.Datei_vorhanden(ordner + "\\*.dat"));
        EXPECT_NE(p.Attribute_lesen(ordner) & Ordner, 0u);
        EXPECT_EQ(p.Attribute_lesen(pfad) & (Ordner | Schreibgeschuetzt), 0u);
        EXPECT_EQ(p.Datei_lesen(pfad), "alt");
        Ersetzen(pfad, "neu");
        EXPECT_EQ(u->Inhalt(pfad), "neu");
        const int nr = p.Datei_oeffnen(ordner + "\\2503 Log.log", Schreibart::Anhaengen);
        p.Datei_schreiben(nr, "eins");
        p.Datei_schliessen(nr, true);
        EXPECT_EQ(u->Namen(ordner), (Namen{"2503 Log.log", name}));
        p.Attribute_normal(pfad);
        p.Datei_entfernen(pfad);
        EXPECT_FALSE(p.Datei_vorhanden(pfad));
        EXPECT_EQ(u->Namen(ordner), Namen{"2503 Log.log"});
    }
}

// The host's data folder on a server's share: what marking and removing do works there as on
// a drive, in paths past MAX_PATH too.
TEST_F(Dateidienste, AufEinerFreigabe) {
    const std::optional<std::string> freigabe = u->Auf_einer_Freigabe();
    if (!freigabe) GTEST_SKIP() << "no share at hand";
    std::string daten = *freigabe + "\\Velmorant";
    u->Ordner_anlegen(daten);
    // A share of the server that is not there (any more): the path is not found, which a
    // removal must never take for a file that went.
    const std::string weg = freigabe->substr(0, freigabe->find('\\', 2)) + "\\weg\\Ferientage.dat";
    EXPECT_EQ(Fehlernummer_bei([&] { p.Attribute_lesen(weg); }), Fehlernummer::PfadNichtGefunden);
    for (int tiefe = 0; tiefe < 2; ++tiefe) {
        SCOPED_TRACE(daten);
        u->Ordner_anlegen(daten + "\\Logs");
        u->Datei_anlegen(daten + "\\PlanData.dat", "x");
        u->Datei_anlegen(daten + "\\Ferientage.dat", "alt");
        u->Datei_anlegen(daten + "\\Ferientage.dat.~1f-3.tmp", "rest");
        u->Alter_setzen(daten + "\\Ferientage.dat.~1f-3.tmp", 2 * 3600);

        EXPECT_NE(p.Attribute_lesen(*freigabe) & Ordner, 0u);
        EXPECT_NE(p.Attribute_lesen(daten + "\\") & Ordner, 0u);
        EXPECT_TRUE(p.Datei_vorhanden(daten + "\\*Data.dat"));
        EXPECT_EQ(p.Datei_lesen(daten + "\\Ferientage.dat"), "alt");
        Ersetzen(daten + "\\Ferientage.dat", "neu");
        const int nr = p.Datei_oeffnen(daten + "\\Logs\\2503 Zedrano.log", Schreibart::Anhaengen);
        p.Datei_schreiben(nr, "eins");
        p.Datei_schliessen(nr, true);
        EXPECT_EQ(u->Inhalt(daten + "\\Ferientage.dat"), "neu");
        EXPECT_EQ(u->Inhalt(daten + "\\Logs\\2503 Zedrano.log"), "eins");
        EXPECT_EQ(u->Namen(daten), (Namen{"Ferientage.dat", "Logs", "PlanData.dat"}));
        p.Attribute_normal(daten + "\\Ferientage.dat");
        p.Datei_entfernen(daten + "\\Ferientage.dat");
        EXPECT_EQ(u->Namen(daten), (Namen{"Logs", "PlanData.dat"}));

        // Once more in a folder whose path passes MAX_PATH.
        while (daten.size() < 300) {
            daten += "\\" + std::string(80, 'o');
            u->Ordner_anlegen(daten);
        }
    }
}

// --- Writing: Anhaengen ---

TEST_F(Dateidienste, AnhaengenLegtAnUndHaengtAn) {
    const std::string pfad = In("2503 Log.log");
    int nr = p.Datei_oeffnen(pfad, Schreibart::Anhaengen);
    EXPECT_TRUE(u->Inhalt(pfad).has_value());  // there as soon as it is open
    p.Datei_schreiben(nr, "eins\r\n");
    p.Datei_schliessen(nr, true);
    nr = p.Datei_oeffnen(In("2503 LOG.LOG"), Schreibart::Anhaengen);
    p.Datei_schreiben(nr, "zwei\r\n");
    p.Datei_schliessen(nr, true);

    EXPECT_EQ(p.Datei_lesen(pfad), "eins\r\nzwei\r\n");
    EXPECT_EQ(u->Namen(w), Namen{"2503 Log.log"});
}

TEST_F(Dateidienste, AnhaengenTeiltDieDateiMitAnderenSchreibern) {
    const std::string pfad = In("Log.log");
    u->Datei_anlegen(pfad, "0");
    const int a = p.Datei_oeffnen(pfad, Schreibart::Anhaengen);
    const int b = p.Datei_oeffnen(pfad, Schreibart::Anhaengen);
    EXPECT_NE(a, b);
    p.Datei_schreiben(a, "a");
    p.Datei_schreiben(b, "b");
    p.Datei_schreiben(a, "a");
    EXPECT_EQ(p.Datei_lesen(pfad), "0aba");  // readable while open
    p.Datei_schliessen(a, true);
    p.Datei_schliessen(b, false);  // appended bytes stay
    EXPECT_EQ(u->Inhalt(pfad), "0aba");
}

TEST_F(Dateidienste, UnbekannteDateinummer) {
    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_schreiben(4711, "x"); }),
              Fehlernummer::DateinameFalsch);
    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_schliessen(4711, true); }),
              Fehlernummer::DateinameFalsch);

    const int nr = p.Datei_oeffnen(In("Ferientage.dat"), Schreibart::Ersetzen);
    p.Datei_schliessen(nr, true);
    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_schreiben(nr, "x"); }), Fehlernummer::DateinameFalsch);
    EXPECT_EQ(Fehlernummer_bei([&] { p.Datei_schliessen(nr, true); }),
              Fehlernummer::DateinameFalsch);
    EXPECT_EQ(u->Inhalt(In("Ferientage.dat")), "");
}

// --- Names and environment ---

TEST_F(Dateidienste, NamenMitUmlautenInUtf8) {
    const std::string ordner = In("Ärger Ü");
    u->Ordner_anlegen(ordner);
    u->Datei_anlegen(ordner + "\\Prüfung ä.dat", "x");

    EXPECT_TRUE(p.Datei_vorhanden(In("äRGER ü\\PRÜFUNG Ä.dat")));
    EXPECT_TRUE(p.Datei_vorhanden(In("ärger ü\\*ä.DAT")));
    EXPECT_EQ(p.Datei_lesen(In("ÄRGER Ü\\prüfung Ä.dat")), "x");
    EXPECT_NE(p.Attribute_lesen(ordner) & Ordner, 0u);

    Ersetzen(ordner + "\\Neu ö ß.dat", "neu");
    const int nr = p.Datei_oeffnen(ordner + "\\Log é.log", Schreibart::Anhaengen);
    p.Datei_schliessen(nr, true);
    EXPECT_EQ(u->Namen(ordner), (Namen{"Log é.log", "Neu ö ß.dat", "Prüfung ä.dat"}));
    EXPECT_EQ(u->Inhalt(ordner + "\\Neu ö ß.dat"), "neu");

    p.Datei_entfernen(ordner + "\\PRÜFUNG Ä.DAT");
    EXPECT_EQ(u->Namen(ordner), (Namen{"Log é.log", "Neu ö ß.dat"}));
}

// Letter case as Windows maps it, for Latin, Greek and Cyrillic names; a byte that is no
// UTF-8 stays itself.
TEST_F(Dateidienste, KleinbuchstabenWieWindowsSieBildet) {
    // clang-format off
    const std::pair<std::string, std::string> faelle[] = {
        {"ÄÖÜ ABC ß Ÿ", "äöü abc ß ÿ"},
        {"ŁÓDŹ ŚĄČĘŇŐŘŠŤŮŰŽ Œ İ", "łódź śąčęňőřšťůűž œ İ"},
        {"ΓΙΏΡΓΟΣ ΠΑΠΑΔΌΠΟΥΛΟΣ", "γιώργοσ παπαδόπουλοσ"},
        {"ΆΈΉΊΌΎΏ ΪΫ", "άέήίόύώ ϊϋ"},
        {"ЮЛИЯ ЁЖИКОВА", "юлия ёжикова"},
        {"ІВАН ЇЖАК ҐЄЎЈ", "іван їжак ґєўј"},
        {"ЂОРЂЕ ЉУБА ЊЕГОШ ЋИРИЋ ЏАФЕР Ѕ", "ђорђе љуба његош ћирић џафер ѕ"},
        {"A\xC4Z", "a\xC4z"},
        {"\xC1\x81", "\xC1\x81"},  // "A" in two bytes
    };
    // clang-format on
    for (const auto& [text, klein] : faelle) {
        SCOPED_TRACE(text);
        EXPECT_EQ(p.Kleinbuchstaben(text), klein);
    }
}

TEST_F(Dateidienste, UmgebungsvariablenOhneRuecksichtAufGrossschreibung) {
    u->Variable_setzen("SfkVertragsTest", "C:\\Users\\Öffentlich");
    EXPECT_EQ(p.Umgebungsvariable("SfkVertragsTest"), "C:\\Users\\Öffentlich");
    EXPECT_EQ(p.Umgebungsvariable("SFKVERTRAGSTEST"), "C:\\Users\\Öffentlich");
    EXPECT_EQ(p.Umgebungsvariable("SfkVertragsTestFehlt"), "");
}

}  // namespace
