// How the main window's own controls look: the frames (group boxes that paint themselves and
// pass their controls' notifications on to the main window), the button shown in a colour of
// the program's choice, and the status pictures. Everything paints into the DC it is given, a
// memory DC as well (WM_PRINTCLIENT).
#pragma once

#include <windows.h>

#include <optional>

namespace zeichnen_win32 {

// Makes the group box `rahmen` a frame of the main window. False when Windows refuses.
bool Rahmen_einrichten(HWND rahmen);

// The colour button, owner-drawn in `schrift`: its face filled with `pinsel` (none: plain),
// its text light on dark colours.
void Farbschaltflaeche_zeichnen(const DRAWITEMSTRUCT& d, HFONT schrift, HBRUSH pinsel,
                                std::optional<COLORREF> farbe);

// A status picture: the control's face, and `bild` (a premultiplied DIB of `groesse` pixels
// square; nullptr: none) at its top-left corner.
void Bild_zeichnen(const DRAWITEMSTRUCT& d, HBITMAP bild, int groesse);

}  // namespace zeichnen_win32
