// The one text-file channel: at most one open file, read and written line by line in the
// host's scrambled line form (key character, shifted characters, CR LF; Windows-1252).
#pragma once

#include <string>

bool Datei_oeffnen(const std::string& pfad, const std::string& modus, const std::string& option);
// Closes the channel; a file opened with "Output" takes the old file's place now.
void Datei_schliessen();
// Closes the channel giving up what was written with "Output": the old file stays as it was.
// Used when the program ends on a failure.
void Kanal_verwerfen();
std::string LineIn();
void LineOut(const std::string& text);
std::string LineInRaw();  // throws Laufzeitfehler to its caller
bool Dateiende();

// The scrambling itself, on Windows-1252 bytes.
std::string Verwuerfeln(const std::string& ansi, unsigned char schluessel);
std::string Entwuerfeln(const std::string& zeile);  // zeile: key character and the rest
// The next key character, 32 to 254, from a generator that starts alike in every run.
unsigned char Naechster_Schluessel();
void Schluessel_zuruecksetzen();  // back to the start of the sequence (tests)
bool Kanal_offen();
