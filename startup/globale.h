// The program's process-wide state. Each value is written only by the procedures named
// beside it and read by the others.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// One federal state: its name and its holiday periods in slots 1..33 (slot 0 stays empty).
struct Bundesland {
    std::string Name;
    std::array<std::string, 34> Ferien;
};

inline bool Aktivieren = false;     // Main: true in marking mode, false in removal mode
inline std::string Heute;           // Main: the start-up date as YYMMDD
inline std::string Benutzername;    // Main: the login name, "NoName" without one
inline std::string Programmordner;  // Main: the host's installation folder, ends in "\"
inline std::string Datenordner;     // Programmpfade_lesen, Datenordner_auswaehlen
inline std::string Logordner;       // Programmpfade_lesen, Datenordner_checken; "" = no log
inline std::array<Bundesland, 17> Schulferienarray;  // Schulferienarray_definieren; 1..16
inline std::array<std::string, 121> Monatsarray;     // month texts 1..120
inline std::string Land;                             // the chosen state's name
inline std::int32_t Farbe = 0;          // marking colour, red in the lowest byte; 0 = none
inline bool FerientageGelesen = false;  // an earlier Ferientage.dat was read
inline std::string Kennung;             // Konfigdaten_lesen: lines 2, 3 and 8
inline std::string Editionszeile;
inline std::string Einstellungen;
inline std::int16_t Rechte = 0;  // Konfigdaten_lesen: 0 no rights, 2 administrator

// Back to the state at program start (for tests, which run many "programs" in one process).
void Globale_zuruecksetzen();
