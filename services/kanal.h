// The channel's open file underneath the channel's procedures (services/dateikanal.h), so
// that the error report can give it up before the program ends.
#pragma once

bool Kanal_offen();
// Closes the channel; `uebernehmen`: a file written with "Output" takes the old file's place.
void Kanal_schliessen(bool uebernehmen);
// Closes the channel giving up what was written with "Output": the old file stays as it was.
// Used when the program ends on a failure; never throws.
void Kanal_verwerfen();
