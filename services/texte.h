// Texts that more than one procedure shows.
#pragma once

// The main window's name, the first part of its procedures' places in error reports.
inline constexpr const char* frmName = "frmSchulferien";

inline constexpr const char* CR = "\r";  // lines in messages are broken with CR alone
inline constexpr const char* Titel = "Velmorant - Schulferien kennzeichnen";
inline constexpr const char* Programmende = "Das Programm wird beendet.";
inline constexpr const char* Keine_Rechte =
    "Sie sind nicht als Administrator im Velmorant eingetragen und daher nicht berechtigt "
    "diese Funktion auszuführen.";
