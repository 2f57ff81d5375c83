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
// its text light on dark colours. In a high-contrast theme the face and text keep the theme's
// button colours and the colour (`pinsel`, `farbe`) shows as a swatch left of the text, framed
// in the theme's text colour.
void Farbschaltflaeche_zeichnen(const DRAWITEMSTRUCT& d, HFONT schrift, HBRUSH pinsel,
                                std::optional<COLORREF> farbe, bool hoher_kontrast);

// A status picture: the control's face, and `bild` (a premultiplied DIB of `groesse` pixels
// square; nullptr: none) at its top-left corner.
void Bild_zeichnen(const DRAWITEMSTRUCT& d, HBITMAP bild, int groesse);

}  // namespace zeichnen_win32
