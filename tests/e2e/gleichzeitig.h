// Two users who update the marking on one share at the same moment, round after round: the
// first through a program started here, the second through the Gegenstelle
// (tools/bedienung.h) at another computer or as another copy on this one.
#pragma once

#include "tools/bedienung.h"
#include "tools/demohost.h"

namespace e2e {

using namespace fernsteuerung;

// Updates the marking of `host` (an earlier Ferientage.dat of Hessen, two administrators:
// verwalter here and sekretariat there, the clock set to 14 March 2025, 10:00) `runden` times
// from both sides at once, Hessen here and Sachsen-Anhalt there. Each round both users see the
// confirmation (a write that another one overtook is done again, so neither waits out a lock
// nor sees an error report), Ferientage.dat is whole and the write of one of them, and the log
// book gains both entries whole; at the end nothing is left beside the file and both programs end
// normally. The two sides run on two computers of different names (`zwei_computer`), or on one.
// Prints the figures.
void Gleichzeitig_aktualisieren(const Demohost& host, Kanal& zweiter, int runden,
                                bool zwei_computer);

}  // namespace e2e
