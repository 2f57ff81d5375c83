// Messages, error reports and path helpers.
#pragma once

#include <exception>
#include <string>
#include <utility>

#include "platform/plattform.h"

void Meldung_anzeigen(const std::string& text);
[[noreturn]] void Fehler_melden(const std::string& ort, const Laufzeitfehler& fehler);
[[noreturn]] void Programm_abbrechen(const std::string& text);
std::string Pfad_kuerzen(const std::string& pfad);
// The folder that holds `pfad`, with its backslash; "" for a root (C:\, \\server\share\).
std::string ParentDir(const std::string& pfad);
// The folder path with a backslash at its end.
std::string Mit_Backslash(const std::string& ordner);
bool Ordner_vorhanden(const std::string& pfad);
void Datei_loeschen(const std::string& pfad);
// True when a file of that path is there, whatever its attributes (hidden and system files
// included), so that a file that survived Datei_loeschen is never taken for removed. Only a
// missing file gives false; a path that can't be found (a folder on the way, or the
// share, gone) gives true, since the file may be there still; a path that can't be examined
// otherwise throws Laufzeitfehler.
bool Datei_noch_vorhanden(const std::string& pfad);

// Runs `schritte`; a failure in them goes to Fehler_melden with `ort`, so it never travels
// on to the caller.
template <class F>
auto Geschuetzt(const std::string& ort, F&& schritte) -> decltype(schritte()) {
    try {
        return std::forward<F>(schritte)();
    } catch (const std::exception& fehler) {
        Fehler_melden(ort, Als_Laufzeitfehler(fehler));
    }
}
