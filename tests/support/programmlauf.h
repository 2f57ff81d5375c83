// One program run in this process, for unit, window and fuzz tests alike: the process-wide
// state as the program starts with it, on the platform the test gives; at the end the text
// channel given up and no platform set.
#pragma once

#include "platform/plattform.h"
#include "services/kanal.h"
#include "services/programmzustand.h"

class Programmlauf {
  public:
    explicit Programmlauf(Plattform& p) { Neu_starten(p); }
    ~Programmlauf() {
        Kanal_verwerfen();
        Plattform_setzen(nullptr);
    }
    Programmlauf(const Programmlauf&) = delete;
    Programmlauf& operator=(const Programmlauf&) = delete;

    // A new run on `p` within the same test.
    static void Neu_starten(Plattform& p) {
        Programm = {};
        Plattform_setzen(&p);
    }
};
