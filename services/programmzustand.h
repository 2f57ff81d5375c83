// The program's process-wide state, in one place: what the procedures share, the one
// text-file channel and the generator of its key characters. Each value is written only by
// the procedures named beside it and read by the others, always as `Programm.Name`, so that
// every use shows that the value is process-wide. `Programm = {}` puts everything back as it
// is at program start (tests run many "programs" in one process).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// One federal state: its name and its holiday periods in slots 1..33 (slot 0 stays empty).
struct Bundesland {
    std::string Name;
    std::array<std::string, 34> Ferien;
};

// The one text-file channel: at most one open file.
struct Dateikanal {
    enum class Modus { Zu, Lesen, Schreiben };
    Modus modus = Modus::Zu;
    std::string inhalt;  // Lesen: the whole file
    std::size_t position = 0;
    int nummer = 0;  // Schreiben: the platform's file number
};

// The rights of an administrator of the host (Rechte), and the level of the log entries only
// an administrator's action writes.
inline constexpr std::int16_t Administratorrechte = 2;

struct Programmzustand {
    bool Aktivieren = false;     // Main: true in marking mode, false in removal mode
    std::string Heute;           // Main: the start-up date as YYMMDD
    std::string Benutzername;    // Main: the login name, "NoName" without one
    std::string Programmordner;  // Main: the host's installation folder, ends in "\"
    std::string Datenordner;     // Programmpfade_lesen, Datenordner_auswaehlen
    std::string Logordner;       // Programmpfade_lesen, Datenordner_checken; "" = no log
    std::array<Bundesland, 17> Schulferienarray;  // Schulferienarray_definieren; 1..16
    std::array<std::string, 121> Monatsarray;     // month texts 1..120
    std::string Land;                             // the chosen state's name
    std::int32_t Farbe = 0;          // marking colour, red in the lowest byte; 0 = none
    bool FerientageGelesen = false;  // an earlier Ferientage.dat was read
    std::string Kennung;             // Konfigdaten_lesen: lines 2, 3 and 8
    std::string Editionszeile;
    std::string Einstellungen;
    std::int16_t Rechte = 0;  // Konfigdaten_lesen: 0 no rights, or Administratorrechte

    Dateikanal Kanal;
    // The key generator: a 24-bit linear congruential generator with a fixed start, so that
    // every run writes the same sequence of keys.
    std::uint32_t Zufall = 0x50000;
};

inline Programmzustand Programm;
