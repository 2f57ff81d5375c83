// The one text-file channel: at most one open file, read and written line by line in the
// host's scrambled line form (key character, shifted characters, CR LF), in the system's ANSI
// code page.
#pragma once

#include <optional>
#include <string>

bool Datei_oeffnen(const std::string& pfad, const std::string& modus, const std::string& option);
// Closes the channel; a file opened with "Output" takes the old file's place now.
void Datei_schliessen();
std::string LineIn();
// The next line unscrambled, or nothing when the file has no further line or the line is
// empty (no key character): for files of the program's own whose damage is no reason to end.
std::optional<std::string> LineIn_falls_vorhanden();
void LineOut(const std::string& text);
std::string LineInRaw();  // throws Laufzeitfehler to its caller
bool Dateiende();
