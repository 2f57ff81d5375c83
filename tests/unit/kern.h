// Test support for the program's procedures: a fresh fake Windows and fresh program state
// for every test, and helpers to lay out host files in the scrambled line form.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_plattform.h"
#include "services/dateikanal.h"
#include "services/text.h"
#include "startup/globale.h"
#include "testhost.h"

using testhost::Entwuerfelt;
using testhost::Verwuerfelt;

inline std::string Klartext(const std::vector<std::string>& zeilen) {
    std::string bytes;
    for (const auto& z : zeilen) bytes += Nach_Ansi(z) + "\r\n";
    return bytes;
}

class Kern : public ::testing::Test {
  protected:
    void SetUp() override {
        Globale_zuruecksetzen();
        Schluessel_zuruecksetzen();
        Plattform_setzen(&fake);
    }
    void TearDown() override {
        Kanal_verwerfen();
        EXPECT_EQ(fake.Offene_Dateien(), 0) << "a file was left open";
        Plattform_setzen(nullptr);
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
};

// The error report for a failure at `ort`.
inline std::string Fehlerbericht(const std::string& ort, long nummer) {
    return "Es ist folgender Fehler aufgetreten in Modul '" + ort + "':\r\rFehler Nr. " +
           std::to_string(nummer) + "\r" + Fehler(nummer).Beschreibung() +
           "\r\rDas Programm wird beendet.";
}
