// The number of the Laufzeitfehler that a step throws, for tests of the platform's failures.
#pragma once

#include "platform/plattform.h"

// 0 when `schritt` throws none.
template <class F>
long Fehlernummer_bei(F&& schritt) {
    try {
        schritt();
    } catch (const Laufzeitfehler& fehler) {
        return fehler.Nummer;
    }
    return 0;
}
