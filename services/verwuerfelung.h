// The host's line scrambling, on Windows-1252 bytes: a key character, then every character
// shifted by a running offset that starts from the key.
#pragma once

#include <string>

std::string Verwuerfeln(const std::string& ansi, unsigned char schluessel);
std::string Entwuerfeln(const std::string& zeile);  // zeile: key character and the rest
// The next key character, 32 to 254, from a generator that starts alike in every run.
unsigned char Naechster_Schluessel();
