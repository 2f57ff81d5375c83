// The test fixture of the program's procedures: a fresh fake Windows and fresh program state
// for every test; and, built on it, the fixture of the window and its steps.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "calendar/schulferien.h"
#include "form/schritte.h"
#include "services/kanal.h"
#include "services/programmzustand.h"
#include "services/text.h"
#include "tests/fake/fake_plattform.h"
#include "tests/support/fehlerbericht.h"
#include "tests/support/programmlauf.h"
#include "tests/unit/testhost.h"
#include "ui/frm_schulferien.h"

using orakel::Entwuerfelt;
using orakel::Verwuerfelt;
using Liste = std::vector<std::string>;

inline std::string Klartext(const Liste& zeilen) {
    std::string bytes;
    for (const auto& z : zeilen) bytes += Nach_Ansi(z) + "\r\n";
    return bytes;
}

class Kern : public ::testing::Test {
  protected:
    void TearDown() override {
        Kanal_verwerfen();
        EXPECT_EQ(fake.Offene_Dateien(), 0) << "a file was left open";
    }

    // A new program run on a fresh fake Windows.
    void Neu_starten() {
        fake = FakePlattform();
        Programmlauf::Neu_starten(fake);
    }

    // The text of the only message box shown so far.
    std::string Meldung() const {
        EXPECT_EQ(fake.meldungen.size(), 1u);
        return fake.meldungen.empty() ? std::string() : fake.meldungen.back().text;
    }

    // The plain lines of a scrambled file on the fake disk; none when it is missing.
    Liste Zeilen(const std::string& pfad) const {
        const std::optional<std::string> inhalt = fake.Inhalt(pfad);
        return inhalt ? Entwuerfelt(*inhalt) : Liste{};
    }

    FakePlattform fake;
    Programmlauf lauf{fake};
};

// A fresh fake Windows with a demo installation of the host planner on its disk, the window
// and its steps, and short views of what the user sees.
class Testhost : public Kern {
  protected:
    FakePlattform& p = fake;
    FakeFenster& fen = fake.fenster;

    void SetUp() override {
        Uhr_stellen(2025, 3, 14);
        Programm.Benutzername = testhost::Benutzer;
    }

    // The clock and the start-up date (Heute) that Main would take from it.
    void Uhr_stellen(int jahr, int monat, int tag, int stunde = 9, int minute = 30,
                     int sekunde = 0) {
        p.jetzt = Zeitpunkt{jahr, monat, tag, stunde, minute, sekunde};
        auto zwei = [](int zahl) {
            return std::string(zahl < 10 ? "0" : "") + std::to_string(zahl);
        };
        Programm.Heute = zwei(jahr % 100) + zwei(monat) + zwei(tag);
    }

    // A host data folder: a data file, Konfigdaten.dat with the given administrator list
    // and, if wanted, the Logs folder.
    void Host_anlegen(const std::string& daten, Liste administratoren = {"A:meier"},
                      bool logs = true) {
        p.Datei_anlegen(daten + "PlanData.dat", "Abwesenheiten");
        Konfigdaten_anlegen(daten, std::move(administratoren));
        if (logs) p.Ordner_anlegen(daten + "Logs");
    }

    void Konfigdaten_anlegen(const std::string& daten, Liste administratoren) {
        Liste zeilen = testhost::Konfigkopf();
        zeilen.insert(zeilen.end(), administratoren.begin(), administratoren.end());
        p.Datei_anlegen(daten + "Konfigdaten.dat", Verwuerfelt(zeilen));
    }

    // An earlier holiday-days file, as an earlier run (or the host) left it.
    void Ferientage_anlegen(const std::string& daten, const std::string& farbe,
                            const std::string& land) {
        p.Datei_anlegen(daten + "Ferientage.dat",
                        Verwuerfelt({"[Ferientage]", testhost::Kennung, farbe, land, "void",
                                     orakel::Monat("2408", {{1, 31}})}));
    }

    // What Main does for the window: create it, load it, show it. The holiday table is
    // built first, as at start-up.
    void Fenster_laden(bool markieren = true) {
        Programm.Aktivieren = markieren;
        Schulferienarray_definieren();
        frmSchulferien_erstellen();
        Form_Load();
        p.Hauptfenster_zeigen();
    }

    // The user picks the state with this name in the list, as the Win32 list would report
    // it: the selection changes, then the handler runs.
    void Land_waehlen(const std::string& name) {
        for (std::size_t i = 0; i < fen.eintraege.size(); ++i) {
            if (fen.eintraege[i] == name) {
                fen.Auswahl_setzen(Element::cmbLaenderliste, static_cast<int>(i));
                p.fensterereignisse->Ausgewaehlt(Element::cmbLaenderliste);
                return;
            }
        }
        ADD_FAILURE() << "no list entry " << name;
    }

    // The user clicks the button cmdAuswahl(index); the window tells the program.
    void Klicken(int index) {
        static const std::map<int, Element> knopf = {{1, Element::cmdAuswahl1},
                                                     {3, Element::cmdAuswahl3},
                                                     {4, Element::cmdAuswahl4},
                                                     {5, Element::cmdAuswahl5}};
        p.fensterereignisse->Geklickt(knopf.at(index));
    }

    // One step as the user sees it: its status picture, then "+" or "-" for its frame and
    // its control being enabled. "Pfeil++" is current, "Inaktiv--" not yet available.
    std::string Schritt(int n) {
        const testhost::Schrittelemente& s = testhost::Schritt_von[n];
        return testhost::Bildname(fen.zustand[s.bild].bild) +
               (fen.zustand[s.rahmen].aktiv ? "+" : "-") +
               (fen.zustand[s.steuer].aktiv ? "+" : "-");
    }
    // The steps the window shows, from the top.
    std::string Schritte() {
        std::string schritte;
        for (int n = 1; n <= 4; ++n) {
            if (!fen.zustand[testhost::Schritt_von[n].rahmen].sichtbar) continue;
            schritte += (schritte.empty() ? "" : " ") + Schritt(n);
        }
        return schritte;
    }
    // What the status picture of step n says to a screen reader.
    std::string Bildtext(int n) { return fen.zustand[testhost::Schritt_von[n].bild].beschriftung; }

    Liste Meldungen() const {
        Liste texte;
        for (const auto& m : p.meldungen) texte.push_back(m.text);
        return texte;
    }

    std::string Gewaehlt() const {
        return fen.auswahl < 0 ? "" : fen.eintraege.at(static_cast<std::size_t>(fen.auswahl));
    }
};
