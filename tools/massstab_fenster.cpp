// The yardstick of the program's start-up: a window that makes the same controls as the
// program's (from the same layout: four frames, the buttons, the list with the 16 states,
// the status pictures, the quit button), with the same font and Common Controls 6, and does
// nothing else. The program's start-up can't be faster than this.
#include <windows.h>

#include "calendar/schulferien_daten.h"
#include "platform/win32/hilfen_win32.h"
#include "tools/messfenster.h"
#include "ui/layout.h"

int WINAPI wWinMain(HINSTANCE instanz, HINSTANCE, PWSTR, int) {
    const int dpi = static_cast<int>(GetDpiForSystem());
    messfenster::Klasse_registrieren(instanz, L"Massstab.Fenster");
    RECT r{0, 0, Pixel(Layout::Client_Breite, dpi), Pixel(Layout::Client_Hoehe, dpi)};
    const DWORD stil = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    AdjustWindowRectExForDpi(&r, stil, FALSE, 0, static_cast<UINT>(dpi));
    HWND fenster =
        CreateWindowExW(0, L"Massstab.Fenster", L"Maßstab", stil, CW_USEDEFAULT, CW_USEDEFAULT,
                        r.right - r.left, r.bottom - r.top, nullptr, nullptr, instanz, nullptr);
    const Schrift schrift(CreateFontW(-MulDiv(Layout::Schriftgroesse_Hundertstel_Punkt, dpi, 7200),
                                      0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                      DEFAULT_PITCH | FF_SWISS, L"Microsoft Sans Serif"));
    HWND handles[Layout::Anzahl] = {};
    for (const Steuerelement_Beschreibung& s : Layout::Steuerelemente) {
        if (s.art == Steuerelementart::Bildquelle) continue;
        const wchar_t* klasse = L"BUTTON";
        DWORD art = WS_CHILD | WS_VISIBLE;
        if (s.art == Steuerelementart::Rahmen) art |= BS_GROUPBOX;
        if (s.art == Steuerelementart::Schaltflaeche) art |= WS_TABSTOP | BS_PUSHBUTTON;
        if (s.art == Steuerelementart::Farbschaltflaeche) art |= WS_TABSTOP | BS_PUSHBUTTON;
        if (s.art == Steuerelementart::Liste) {
            klasse = L"COMBOBOX";
            art |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
        }
        if (s.art == Steuerelementart::Bild) klasse = L"STATIC";
        const std::wstring text = s.text ? Breit(s.text) : L"";
        HWND eltern = s.behaelter == Kein_Steuerelement ? fenster : handles[s.behaelter];
        HWND h = CreateWindowExW(0, klasse, text.c_str(), art, Pixel(s.links, dpi),
                                 Pixel(s.oben, dpi), Pixel(s.breite, dpi), Pixel(s.hoehe, dpi),
                                 eltern, nullptr, instanz, nullptr);
        handles[s.nr] = h;
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(schrift.get()), FALSE);
        if (s.art == Steuerelementart::Liste) {
            for (const Landesdaten& land : Schulferiendaten) {
                const std::wstring name = Breit(std::string(land.Name));
                SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
            }
        }
    }
    messfenster::Laufen_lassen(fenster);
    return 0;
}
