// How the main window is made and laid out from its description, as plain functions of the
// description and a DPI: the window class, the font, the outer size and place, the controls in
// tab order and their positions. The window (fenster_win32.h) calls them; they know nothing of
// it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/fenster.h"
#include "platform/win32/besitzer_win32.h"

namespace fenster_aufbau {

inline constexpr DWORD Fensterstil =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
inline constexpr DWORD Fensterstil_ex = WS_EX_CONTROLPARENT;

// The control ID of a control: 1000 + its number (never IDOK or IDCANCEL), and back
// (Kein_Steuerelement for an ID of none).
constexpr int Steuerelement_Id(Steuerelement e) {
    return 1000 + e;
}
constexpr Steuerelement Steuerelement_von_Id(int id) {
    return id >= 1000 ? id - 1000 : Kein_Steuerelement;
}

// Registers the window class `klasse` with `prozedur` and the description's icon, unless it is
// registered already. Throws Laufzeitfehler(KomponenteFehlt) when Windows refuses.
void Fensterklasse_registrieren(const wchar_t* klasse, WNDPROC prozedur,
                                const Fensterbeschreibung& beschreibung);

// The font the description names, else the first of its replacements the system has.
std::wstring Schriftname(const Fensterbeschreibung& beschreibung);
// The window's one font at `dpi`; throws Laufzeitfehler(KomponenteFehlt) when none can be made.
Schrift Schrift_erstellen(const Fensterbeschreibung& beschreibung, const std::wstring& name,
                          int dpi);

// The window's outer size at `dpi`: the description's client area with the frame round it, or
// the outer height the window logic set.
SIZE Aussengroesse(const Fensterbeschreibung& beschreibung, std::optional<int> hoehe_twips,
                   int dpi);
// The top-left corner that centres a window of `groesse` on the primary monitor's work area.
POINT Mitte_des_Bildschirms(SIZE groesse);

// The controls in the order the window creates them, which is the tab order: the first in the
// tab order first (the quit button), then the others in the order of the description (the
// frames with their contents from top to bottom).
std::vector<const Steuerelement_Beschreibung*> Erstellungsreihenfolge(
    const Fensterbeschreibung& beschreibung);

// Makes the control `s` in `eltern` at its place for `dpi`, in `schrift`. Throws
// Laufzeitfehler(KomponenteFehlt) when Windows refuses. Not for picture sources.
HWND Steuerelement_erstellen(const Fensterbeschreibung& beschreibung,
                             const Steuerelement_Beschreibung& s, HWND eltern, HFONT schrift,
                             int dpi);
// Moves the control `h` made from `s` to its place for `dpi`, `oben` twips from its
// container's top.
void Platzieren(const Fensterbeschreibung& beschreibung, const Steuerelement_Beschreibung& s,
                HWND h, int oben, int dpi);

}  // namespace fenster_aufbau
