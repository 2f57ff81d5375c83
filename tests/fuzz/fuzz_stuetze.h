// Shared by the fuzz targets: a fresh fake Windows and fresh program state per input, the
// run of a step that may end the program, and a check that stops the fuzzer with a message.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "services/kanal.h"
#include "services/programmzustand.h"
#include "tests/fake/fake_plattform.h"
#include "tests/support/programmlauf.h"

// A property that failed: libFuzzer keeps the input as a crash.
#define PRUEFEN(bedingung)                                                                        \
    do {                                                                                          \
        if (!(bedingung)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #bedingung); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

// One program run on an empty fake disk with the data folder C:\Daten\.
struct Lauf {
    FakePlattform fake;
    Programmlauf lauf{fake};

    Lauf() {
        fake.Ordner_anlegen("C:\\Daten");
        Programm.Datenordner = "C:\\Daten\\";
    }

    // Runs `schritt`; true when it ended the program. An end leaves exactly one message
    // box, a non-zero exit code, and no file open.
    template <class F>
    bool Endet(F&& schritt) {
        const std::size_t vorher = fake.meldungen.size();
        try {
            schritt();
        } catch (const ProgrammBeendet&) {
            PRUEFEN(fake.meldungen.size() == vorher + 1);
            PRUEFEN(fake.exitcode.has_value() && *fake.exitcode != 0);
            PRUEFEN(!Kanal_offen());
            PRUEFEN(fake.Offene_Dateien() == 0);
            return true;
        }
        PRUEFEN(!Kanal_offen());
        PRUEFEN(fake.Offene_Dateien() == 0);
        return false;
    }
};
