// Remote control of a Windows program, for the demo, the start-up benchmark and the end-to-end
// tests: starting it with a chosen environment, finding its windows and controls by class and
// text, clicking, picking and typing through window messages, answering its dialogs, waiting
// with a deadline, and screenshots.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/hilfen_win32.h"  // Breit, Schmal and the handle owners

namespace fernsteuerung {

// Something that did not happen as expected (a window, a control, a file): what uses the
// remote control stops there.
struct Fehlschlag : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Waits until `bedingung` holds, polling every few milliseconds; throws Fehlschlag naming
// `was` when `sekunden` pass first.
void Warten(const std::string& was, const std::function<bool()>& bedingung, double sekunden = 20.0,
            DWORD schritt_ms = 15);

// The folder of this program (ends in "\"): the tools and tests lie beside the program they
// start.
std::wstring Eigener_Ordner();

class Programm {
  public:
    // Starts `exe` with this process's environment changed by `umgebung` (nullopt: removed).
    Programm(const std::wstring& exe,
             const std::map<std::wstring, std::optional<std::wstring>>& umgebung,
             const std::wstring& argumente = L"");
    ~Programm();
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    DWORD Id() const { return id_; }
    HANDLE Prozess() const { return prozess_.get(); }
    bool Laeuft() const;
    // Waits until the program has ended; its exit code.
    DWORD Ende_abwarten(double sekunden = 20.0);

    // Its visible top-level windows of the given class (all classes when empty).
    std::vector<HWND> Fenster(const std::wstring& klasse = L"") const;
    // The main window, once it is visible.
    HWND Hauptfenster(double sekunden = 30.0) const;
    // The next modal dialog (#32770) that it shows.
    HWND Dialog(double sekunden = 20.0) const;
    // The control that has the keyboard focus in the program.
    HWND Fokus() const;

  private:
    // The first of its visible top-level windows of `klasse`, once there is one.
    HWND Erstes_Fenster(const std::wstring& klasse, const std::string& was, double sekunden) const;

    Handle prozess_, thread_;
    DWORD id_ = 0, thread_id_ = 0;
};

// The descendants of `fenster` (depth first, in z order).
std::vector<HWND> Nachfahren(HWND fenster);
std::wstring Klasse(HWND h);
std::wstring Text(HWND h);
// The descendant of the given class whose text is `text`; throws Fehlschlag when none.
HWND Steuerelement(HWND fenster, const std::wstring& klasse, const std::wstring& text);
HWND Steuerelement(HWND fenster, const std::wstring& klasse);  // the first of that class

bool Aktiv(HWND h);     // enabled, its parents too
bool Sichtbar(HWND h);  // visible, its parents too

// A click as the user makes it; returns at once (the click may open a modal dialog).
void Klicken(HWND schaltflaeche);
// Picks entry `index` of a drop-down list, with the notification a user's pick sends.
void Auswaehlen(HWND liste, int index);
// Alt + letter.
void Alt_Taste(HWND ziel, wchar_t buchstabe);
// A key pressed and released in the control `ziel` (VK_TAB, VK_RETURN, VK_SPACE).
void Taste(HWND ziel, UINT vk);

// A message box as it was shown, then confirmed with OK.
struct Meldung {
    std::wstring text;  // CR line breaks as shown
    std::wstring titel;
    HWND besitzer;  // the window that owns it (nullptr: none)
    bool symbol;    // it shows an icon
};
Meldung Meldung_bestaetigen(Programm& p, double sekunden = 20.0);
// The folder picker: the path typed into it and confirmed.
void Ordner_eingeben(Programm& p, const std::wstring& pfad);
// The colour dialog: confirmed as it stands.
void Farbe_bestaetigen(Programm& p);

// The window's client area in screen pixels and a control's rectangle relative to it.
RECT Clientbereich(HWND fenster);
RECT Rechteck_in(HWND fenster, HWND steuerelement);

// Saves what the window shows now as a 24-bit BMP; the pixels for checks.
struct Bildschirmfoto {
    int breite = 0, hoehe = 0;
    std::vector<COLORREF> pixel;  // row by row from the top
    COLORREF Pixel(int x, int y) const { return pixel[static_cast<std::size_t>(y) * breite + x]; }
};
Bildschirmfoto Foto(HWND fenster, const std::wstring& datei);

// Files.
std::string Datei_lesen(const std::wstring& pfad);  // throws Fehlschlag when missing
bool Datei_vorhanden(const std::wstring& pfad);

}  // namespace fernsteuerung
