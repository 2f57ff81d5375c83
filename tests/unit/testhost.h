// Test support for the window and its steps: a fresh fake Windows per test, a demo
// installation of the host planner on its disk, and short views of what the user sees.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calendar/schulferien.h"
#include "platform/fake/fake_plattform.h"
#include "platform/plattform.h"
#include "services/dateikanal.h"
#include "services/text.h"
#include "startup/globale.h"
#include "ui/frm_schulferien.h"

namespace testhost {

inline constexpr const char* Benutzer = "meier";
inline constexpr const char* Kennung = "ZK-20417 Grundschule Südpark";

// The lines of the demo host's Konfigdaten.dat; the administrator list follows them.
inline std::vector<std::string> Konfigkopf() {
    return {"[Zedrano]",
            Kennung,
            "Velmorant Netzwerk 7.2",
            "[Firma]",
            "Grundschule Südpark",
            "Parkstraße 3, 12345 Musterstadt",
            "[Settings]",
            "0000000000000000000000",
            "1",
            "[Administratoren]"};
}

// A text in the host's scrambled line form, one physical line per entry of `zeilen`.
inline std::string Verwuerfelt(const std::vector<std::string>& zeilen) {
    std::string bytes;
    unsigned schluessel = 65;
    for (const std::string& zeile : zeilen) {
        bytes += Verwuerfeln(Nach_Ansi(zeile), static_cast<unsigned char>(schluessel)) + "\r\n";
        schluessel = 32 + (schluessel + 37) % 223;  // keys all over 32..254
    }
    return bytes;
}

// The plain lines of a file in the scrambled line form.
inline std::vector<std::string> Entwuerfelt(const std::string& bytes) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang < bytes.size()) {
        std::size_t ende = bytes.find("\r\n", anfang);
        if (ende == std::string::npos) ende = bytes.size();
        zeilen.push_back(Von_Ansi(Entwuerfeln(bytes.substr(anfang, ende - anfang))));
        anfang = ende + 2;
    }
    return zeilen;
}

// A month line of Ferientage.dat: YYMM, ":" and 31 day flags, the given day ranges set.
struct Tage {
    int von, bis;
};
inline std::string Monat(const std::string& jjmm, std::initializer_list<Tage> tage) {
    std::string flags(31, '0');
    for (const Tage& t : tage) {
        for (int tag = t.von; tag <= t.bis; ++tag) flags[static_cast<std::size_t>(tag - 1)] = '1';
    }
    return jjmm + ":" + flags;
}

inline std::string Bildname(Element bild) {
    switch (bild) {
        case Element::imgPfeil:
            return "Pfeil";
        case Element::imgOK:
            return "OK";
        case Element::imgInaktiv:
            return "Inaktiv";
        case Element::Keins:
            return "Keins";
        default:
            return "?";
    }
}

}  // namespace testhost

class Testhost : public ::testing::Test {
  protected:
    FakePlattform p;
    FakeFenster& fen = p.fenster;

    void SetUp() override {
        Plattform_setzen(&p);
        Globale_zuruecksetzen();
        Schluessel_zuruecksetzen();
        Datei_schliessen();
        Uhr_stellen(2025, 3, 14);
        Benutzername = testhost::Benutzer;
    }

    void TearDown() override {
        Datei_schliessen();
        Plattform_setzen(nullptr);
    }

    // The clock and the start-up date (Heute) that Main would take from it.
    void Uhr_stellen(int jahr, int monat, int tag, int stunde = 9, int minute = 30,
                     int sekunde = 0) {
        p.jetzt = Zeitpunkt{jahr, monat, tag, stunde, minute, sekunde};
        auto zwei = [](int zahl) {
            return std::string(zahl < 10 ? "0" : "") + std::to_string(zahl);
        };
        Heute = zwei(jahr % 100) + zwei(monat) + zwei(tag);
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
        p.Datei_anlegen(daten + "Konfigdaten.dat", testhost::Verwuerfelt(zeilen));
    }

    // An earlier holiday-days file, as an earlier run (or the host) left it.
    void Ferientage_anlegen(const std::string& daten, const std::string& farbe,
                            const std::string& land) {
        p.Datei_anlegen(daten + "Ferientage.dat",
                        testhost::Verwuerfelt({"[Ferientage]", testhost::Kennung, farbe, land,
                                               "void", testhost::Monat("2408", {{1, 31}})}));
    }

    // The plain lines of a scrambled file on the fake disk; none when it is missing.
    std::vector<std::string> Zeilen(const std::string& pfad) const {
        const std::optional<std::string> inhalt = p.Inhalt(pfad);
        return inhalt ? testhost::Entwuerfelt(*inhalt) : std::vector<std::string>{};
    }

    // What Main does for the window: create it, load it, show it. The holiday table is
    // built first, as at start-up.
    void Fenster_laden(bool markieren = true) {
        Aktivieren = markieren;
        Schulferienarray_definieren();
        p.Hauptfenster_erstellen();
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
        return testhost::Bildname(fen.zustand[imgIcon(n)].bild) +
               (fen.zustand[rahmen[n]].aktiv ? "+" : "-") +
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
