// The common dialogs of the main window: colour and folder. Their libraries (comdlg32, ole32,
// shell32) are loaded when a dialog is first opened, not at start-up.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace dialoge_win32 {

// True when the colour dialog's library is installed; probed without loading it.
bool Farbdialog_vorhanden();

// The colour dialog, starting from `start`; `voll` opens it with the custom colours shown.
// The 16 custom colours are kept for the run. std::nullopt when the user cancels.
std::optional<COLORREF> Farbe_waehlen(HWND besitzer, COLORREF start, bool voll);

// The folder picker: file-system folders only, starting at the desktop. The chosen folder's
// path, or "" when the user cancels.
std::wstring Ordner_waehlen(HWND besitzer, const std::wstring& titel);

// Gives COM up again if a dialog started it (at the end of the program).
void Freigeben();

}  // namespace dialoge_win32
