// The DPI the window is laid out for, on every Windows the program runs on. Windows 10 (from
// version 1607) has a DPI for each window and the frame at any DPI; those functions are looked
// up in user32 when first needed, so that the program starts where they are missing. There
// (Windows 7, 8 and 8.1) every window of the program has the system DPI, which the screen's
// device context tells, and the frame follows the system's metrics.
#pragma once

#include <windows.h>

namespace dpi_win32 {

// The system DPI: the primary monitor's when the user logged on.
int System_dpi();
// The DPI of the window `h`; the system DPI where Windows has no DPI for each window.
int Fenster_dpi(HWND h);
// Makes the client rectangle `r` the outer rectangle of a window of these styles at `dpi`.
void Rahmen_hinzufuegen(RECT& r, DWORD stil, DWORD stil_ex, int dpi);

// For tests only: with `an` false the lookup finds nothing, so the functions above take the
// way of Windows before 10 version 1607 on any Windows.
void Nachschlagen_erlauben(bool an);

}  // namespace dpi_win32
