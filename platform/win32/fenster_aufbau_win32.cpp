// Win32Fenster made and laid out: the window class, the window at its final size and place, its
// controls in tab order, the font and the status pictures for the window's DPI, and all of it
// again when the DPI changes.
#include <algorithm>
#include <vector>

#include "platform/win32/bilder_win32.h"
#include "platform/win32/fenster_win32.h"
#include "platform/win32/hilfen_win32.h"
#include "platform/win32/zeichnen_win32.h"

using fenster_win32::Steuerelement_Id;

namespace {

constexpr DWORD Fensterstil =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD Fensterstil_ex = WS_EX_CONTROLPARENT;

bool Schrift_vorhanden(const std::wstring& name) {
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, name.c_str(), LF_FACESIZE);
    bool gefunden = false;
    const Fenster_DC bildschirm(nullptr);
    EnumFontFamiliesExW(
        bildschirm.get(), &lf,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM p) -> int {
            *reinterpret_cast<bool*>(p) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&gefunden), 0);
    return gefunden;
}

}  // namespace

// --- Creation ------------------------------------------------------------------------------

Win32Fenster::Win32Fenster(const Fensterbeschreibung& beschreibung_, Fensterereignisse& ereignisse_)
    : beschreibung(beschreibung_), ereignisse(&ereignisse_) {
    std::size_t anzahl = 0;
    for (const Steuerelement_Beschreibung& s : beschreibung.steuerelemente)
        anzahl = std::max(anzahl, static_cast<std::size_t>(s.nr) + 1);
    zustand.resize(anzahl);
    for (const Steuerelement_Beschreibung& s : beschreibung.steuerelemente) {
        Zustand& z = zustand[static_cast<std::size_t>(s.nr)];
        z.links = s.links;
        z.knopf = s.art == Steuerelementart::Schaltflaeche ||
                  s.art == Steuerelementart::Farbschaltflaeche;
        z.quelle_art = s.art == Steuerelementart::Bildquelle;
        z.fassungen = s.fassungen;
    }
    Erstellen();  // on failure the members give back what was made so far
}

Win32Fenster::~Win32Fenster() = default;

void Win32Fenster::Erstellen() {
    HINSTANCE instanz = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(instanz, fenster_win32::Fensterklasse, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = Fensterprozedur;
        wc.hInstance = instanz;
        wc.hIcon = static_cast<HICON>(LoadImageW(instanz, MAKEINTRESOURCEW(beschreibung.symbol),
                                                 IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                 GetSystemMetrics(SM_CYICON), 0));
        wc.hIconSm = static_cast<HICON>(LoadImageW(instanz, MAKEINTRESOURCEW(beschreibung.symbol),
                                                   IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = fenster_win32::Fensterklasse;
        if (!RegisterClassExW(&wc)) throw Fehler(Fehlernummer::KomponenteFehlt);
    }

    // Everything is made at its final size and place for the DPI of the primary monitor,
    // where the window opens, so nothing is laid out twice during the start.
    dpi = static_cast<int>(GetDpiForSystem());
    if (dpi <= 0) dpi = 96;
    Schrift_anlegen();
    Kontrast_lesen();
    const SIZE aussen = Aussengroesse();
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& a = mi.rcWork;
    // WM_NCCREATE hands the window to `hwnd.get()`.
    HWND h = CreateWindowExW(Fensterstil_ex, fenster_win32::Fensterklasse, L"", Fensterstil,
                             a.left + std::max(0L, (a.right - a.left - aussen.cx) / 2),
                             a.top + std::max(0L, (a.bottom - a.top - aussen.cy) / 2), aussen.cx,
                             aussen.cy, nullptr, nullptr, instanz, this);
    if (!h) throw Fehler(Fehlernummer::KomponenteFehlt);
    Steuerelemente_anlegen();
    // A window that Windows put on a monitor of another DPI is laid out for that one.
    const int tatsaechlich = static_cast<int>(GetDpiForWindow(hwnd.get()));
    if (tatsaechlich > 0 && tatsaechlich != dpi) {
        dpi = tatsaechlich;
        Anordnen();
    }
}

SIZE Win32Fenster::Aussengroesse() const {
    RECT r{0, 0, Pixel(beschreibung.client_breite, dpi), Pixel(beschreibung.client_hoehe, dpi)};
    AdjustWindowRectExForDpi(&r, Fensterstil, FALSE, Fensterstil_ex, static_cast<UINT>(dpi));
    return SIZE{r.right - r.left, hoehe ? Pixel(*hoehe, dpi) : r.bottom - r.top};
}

void Win32Fenster::Platzieren(const Steuerelement_Beschreibung& s, bool neu) {
    HWND h = Z(s.nr).hwnd;
    const int x = Pixel(s.links, dpi), y = Pixel(Z(s.nr).oben, dpi);
    const int b = Pixel(s.breite, dpi);
    const int hoch = Pixel(s.hoehe, dpi);
    if (s.art != Steuerelementart::Liste) {
        if (!neu) SetWindowPos(h, nullptr, x, y, b, hoch, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    // The open list shows all 16 states.
    if (!neu) {
        SetWindowPos(h, nullptr, x, y, b, hoch + 16 * Pixel(240, dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The closed height follows the selection field's item height, plus borders the control
    // adds (and some versions of the control add to the height they are given): adjust
    // until the outer height is right.
    LRESULT wunsch = SendMessageW(h, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int versuch = 0; versuch < 4 && wunsch != CB_ERR; ++versuch) {
        RECT r;
        GetWindowRect(h, &r);
        const int abweichung = hoch - (r.bottom - r.top);
        if (abweichung == 0 || wunsch + abweichung <= 0) break;
        wunsch += abweichung;
        SendMessageW(h, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), wunsch);
    }
}

void Win32Fenster::Steuerelemente_anlegen() {
    HINSTANCE instanz = GetModuleHandleW(nullptr);
    // Tab order follows the order of creation: the first in the tab order first (the quit
    // button), then the others in the order of the description (the frames with their
    // contents from top to bottom).
    std::vector<const Steuerelement_Beschreibung*> reihe;
    for (const Steuerelement_Beschreibung& s : beschreibung.steuerelemente) {
        if (s.tabindex < 0) continue;
        if (reihe.empty() || s.tabindex < reihe.front()->tabindex) reihe.assign(1, &s);
    }
    for (const Steuerelement_Beschreibung& s : beschreibung.steuerelemente) {
        if (reihe.empty() || &s != reihe.front()) reihe.push_back(&s);
    }

    for (const Steuerelement_Beschreibung* s : reihe) {
        HWND eltern = s->behaelter == Kein_Steuerelement ? hwnd.get() : Z(s->behaelter).hwnd;
        const wchar_t* klasse = L"BUTTON";
        DWORD stil = WS_CHILD | WS_VISIBLE;
        DWORD ex = 0;
        switch (s->art) {
            case Steuerelementart::Rahmen:
                stil |= BS_GROUPBOX | WS_CLIPCHILDREN;
                ex = WS_EX_CONTROLPARENT;
                break;
            case Steuerelementart::Schaltflaeche:
                stil |= WS_TABSTOP | BS_PUSHBUTTON;
                break;
            case Steuerelementart::Farbschaltflaeche:
                stil |= WS_TABSTOP | BS_OWNERDRAW;
                break;
            case Steuerelementart::Liste:
                klasse = L"COMBOBOX";
                stil |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
                break;
            case Steuerelementart::Bild:
                klasse = L"STATIC";
                stil |= SS_OWNERDRAW;
                break;
            case Steuerelementart::Bildquelle:
                break;
        }
        Zustand& z = Z(s->nr);
        z.oben = s->oben;
        if (s->art == Steuerelementart::Bildquelle) {  // sources of the pictures only, never shown
            z.bild = s->nr;
            continue;
        }
        const std::wstring text = s->text ? Breit(s->text) : std::wstring();
        const int hoehe =
            Pixel(s->hoehe, dpi) + (s->art == Steuerelementart::Liste ? 16 * Pixel(240, dpi) : 0);
        HWND h =
            CreateWindowExW(ex, klasse, text.c_str(), stil, Pixel(s->links, dpi),
                            Pixel(s->oben, dpi), Pixel(s->breite, dpi), hoehe, eltern,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(Steuerelement_Id(s->nr))),
                            instanz, nullptr);
        if (!h) throw Fehler(Fehlernummer::KomponenteFehlt);
        z.hwnd = h;
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(schrift.get()), FALSE);
        if (s->art == Steuerelementart::Liste) Platzieren(*s, true);
        if (s->art == Steuerelementart::Rahmen && !zeichnen_win32::Rahmen_einrichten(h))
            throw Fehler(Fehlernummer::KomponenteFehlt);
    }
}

void Win32Fenster::Schrift_anlegen() {
    if (schriftname.empty()) {
        schriftname = Breit(beschreibung.schriftart);
        if (!Schrift_vorhanden(schriftname)) {
            for (const char* ersatz : beschreibung.ersatzschriften) {
                if (Schrift_vorhanden(Breit(ersatz))) {
                    schriftname = Breit(ersatz);
                    break;
                }
            }
        }
    }
    Schrift neu(CreateFontW(-MulDiv(beschreibung.schriftgroesse_hundertstel_punkt, dpi, 7200), 0, 0,
                            0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                            schriftname.c_str()));
    if (!neu) throw Fehler(Fehlernummer::KomponenteFehlt);
    schrift = std::move(neu);
}

const Win32Fenster::Bildpuffer& Win32Fenster::Bild_bei_dpi(Steuerelement quelle) {
    Zustand& z = Z(quelle);
    if (z.fassungen.empty()) throw Fehler(Fehlernummer::KomponenteFehlt);
    // The first rendering is the one for 96 DPI, so there it is shown exactly as drawn.
    const int groesse = Pixel(z.fassungen.front().pixel * (Twips_je_Zoll / 96), dpi);
    if (!z.quelle.bitmap || z.quelle.groesse != groesse) {
        Bitmap bmp = bilder_win32::Statusbild(z.fassungen, groesse);
        if (!bmp) throw Fehler(Fehlernummer::KomponenteFehlt);
        z.quelle = {std::move(bmp), groesse};
    }
    return z.quelle;
}

void Win32Fenster::Anordnen() {
    Schrift_anlegen();
    for (const Steuerelement_Beschreibung& s : beschreibung.steuerelemente) {
        HWND h = Z(s.nr).hwnd;
        if (!h) continue;
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(schrift.get()), FALSE);
        Platzieren(s, false);
    }
    const SIZE aussen = Aussengroesse();
    SetWindowPos(hwnd.get(), nullptr, 0, 0, aussen.cx, aussen.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd.get(), nullptr, TRUE);
}
