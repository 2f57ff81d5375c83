// The host's configuration Konfigdaten.dat and the user's rights in it.
#pragma once

// Reads Kennung, Editionszeile, Einstellungen and Rechte from Konfigdaten.dat.
void Konfigdaten_lesen();
// Before each changing action: the rights, read anew. True for an administrator; anyone else
// is told that the action is not theirs.
bool Administrator_pruefen();
