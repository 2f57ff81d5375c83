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

inline std::string Klartext(const std::vector<std::string>& zeilen) {
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

    std::vector<std::string> Zeilen(const std::string& pfad) const {
        const auto inhalt = fake.Inhalt(pfad);
        EXPECT_TRUE(inhalt.has_value()) << pfad;
        return inhalt ? Entwuerfelt(*inhalt) : std::vector<std::string>{};
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
    void Host_anlegen(const std::string& daten,
                      std::vector<std::string> administratoren = {"A:meier"}, bool logs = true) {
        p.Datei_anlegen(daten + "PlanData.dat", "Abwesenheiten");
        Konfigdaten_anlegen(daten, std::move(administratoren));
        if (logs) p.Ordner_anlegen(daten + "Logs");
    }

    void Konfigdaten_anlegen(const std::string& daten, std::vector<std::string> administratoren) {
        std::vector<std::string> zeilen = testhost::Konfigkopf();
        zeilen.insert(zeilen.end(), administratoren.begin(), administratoren.end());
        p.Datei_anlegen(daten + "Konfigdaten.dat", orakel::Verwuerfelt(zeilen));
    }

    // An earlier holiday-days file, as an earlier run (or the host) left it.
    void Ferientage_anlegen(const std::string& daten, const std::string& farbe,
                            const std::string& land) {
        p.Datei_anlegen(daten + "Ferientage.dat",
                        orakel::Verwuerfelt({"[Ferientage]", testhost::Kennung, farbe, land, "void",
                                             orakel::Monat("2408", {{1, 31}})}));
    }

    // The plain lines of a scrambled file on the fake disk; none when it is missing.
    std::vector<std::string> Zeilen(const std::string& pfad) const {
        const std::optional<std::string> inhalt = p.Inhalt(pfad);
        return inhalt ? orakel::Entwuerfelt(*inhalt) : std::vector<std::string>{};
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
                cmbLaenderliste_Click();
                return;
            }
        }
        ADD_FAILURE() << "no list entry " << name;
    }

    // One step as the user sees it: its status picture, then "+" or "-" for its frame
    // and its control being enabled. "Pfeil++" is current, "Inaktiv--" not yet available.
    std::string Schritt(int n) {
        const Element steuer[] = {Element::Keins, Element::cmdAuswahl1, Element::cmbLaenderliste,
                                  Element::cmdAuswahl3, Element::cmdAuswahl4};
        const Element rahmen[] = {Element::Keins, Element::fraRahmen1, Element::fraRahmen2,
                                  Element::fraRahmen3, Element::fraRahmen4};
        // The picture's text, which screen readers announce, always tells the same.
        const FakeFenster::Zustand& bild = fen.zustand[imgIcon(n)];
        const std::map<Steuerelement, std::string> zustand = {
            {Element::imgPfeil, "aktueller Schritt"},
            {Element::imgOK, "erledigt"},
            {Element::imgInaktiv, "noch nicht verfügbar"},
            {Element::Keins, ""}};
        const int angezeigt = n == 4 && !Programm.Aktivieren ? 2 : n;
        EXPECT_EQ(bild.beschriftung,
                  bild.bild == Element::Keins
                      ? ""
                      : "Schritt " + std::to_string(angezeigt) + ": " + zustand.at(bild.bild));
        return testhost::Bildname(bild.bild) + (fen.zustand[rahmen[n]].aktiv ? "+" : "-") +
               (fen.zustand[steuer[n]].aktiv ? "+" : "-");
    }
    std::vector<std::string> Schritte() { return {Schritt(1), Schritt(2), Schritt(3), Schritt(4)}; }

    std::vector<std::string> Meldungen() const {
        std::vector<std::string> texte;
        for (const auto& m : p.meldungen) texte.push_back(m.text);
        return texte;
    }

    std::string Gewaehlt() const {
        return fen.auswahl < 0 ? "" : fen.eintraege.at(static_cast<std::size_t>(fen.auswahl));
    }
};
