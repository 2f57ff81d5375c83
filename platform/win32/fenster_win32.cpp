#include "platform/win32/fenster_win32.h"

#include <algorithm>
#include <exception>
#include <string_view>
#include <vector>

#include "platform/win32/dialoge_win32.h"
#include "platform/win32/gif_bild.h"
#include "platform/win32/hilfen_win32.h"
#include "platform/win32/plattform_win32.h"

using fenster_win32::Steuerelement_Id;

namespace {

constexpr DWORD Fensterstil =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD Fensterstil_ex = WS_EX_CONTROLPARENT;

WNDPROC rahmen_original = nullptr;  // the group box's own window procedure

void Melden(Fensterereignisse& ereignisse, const Laufzeitfehler& fehler) noexcept {
    try {
        ereignisse.Fehlgeschlagen(fehler);
    } catch (...) {
    }
}

// Runs the handling of a message; nothing that it throws crosses the Win32 callback. A
// failure goes to the window logic's error report, which ends the program.
template <class F>
void Ereignis(Fensterereignisse& ereignisse, F&& f) {
    try {
        f();
        return;
    } catch (const Laufzeitfehler& fehler) {
        Melden(ereignisse, fehler);
    } catch (const std::exception& fehler) {
        Melden(ereignisse, Laufzeitfehler(Fehlernummer::UngueltigerAufruf, fehler.what()));
    } catch (...) {
    }
    ExitProcess(1);
}

bool Schrift_vorhanden(const std::wstring& name) {
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, name.c_str(), LF_FACESIZE);
    bool gefunden = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(
        dc, &lf,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM p) -> int {
            *reinterpret_cast<bool*>(p) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&gefunden), 0);
    ReleaseDC(nullptr, dc);
    return gefunden;
}

// The GIF resource of a status picture, decoded.
std::optional<Gif_Bild> Ressourcenbild(int id) {
    HMODULE modul = GetModuleHandleW(nullptr);
    HRSRC r = FindResourceW(modul, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!r) return std::nullopt;
    HGLOBAL g = LoadResource(modul, r);
    const void* p = g ? LockResource(g) : nullptr;
    if (!p) return std::nullopt;
    return Gif_dekodieren(std::string_view(static_cast<const char*>(p), SizeofResource(modul, r)));
}

// The picture scaled to `groesse` pixels by nearest neighbour (crisp at whole multiples), as a
// premultiplied top-down 32-bit DIB for AlphaBlend.
HBITMAP Skalierte_Bitmap(const Gif_Bild& bild, int groesse) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = groesse;
    bi.bmiHeader.biHeight = -groesse;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp) return nullptr;
    auto* ziel = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < groesse; ++y) {
        const int sy = y * bild.hoehe / groesse;
        for (int x = 0; x < groesse; ++x) {
            const int sx = x * bild.breite / groesse;
            // Alpha is 0 or 255, so the colour is already premultiplied where it is opaque.
            const std::uint32_t p = bild.pixel[static_cast<std::size_t>(sy) * bild.breite + sx];
            ziel[static_cast<std::size_t>(y) * groesse + x] = (p >> 24) ? p : 0u;
        }
    }
    return bmp;
}

// A frame: an etched rectangle and its caption, the caption grey while the frame is disabled.
void Rahmen_zeichnen(HWND h, HDC dc) {
    RECT r;
    GetClientRect(h, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    HFONT schrift = reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0));
    HGDIOBJ alt = schrift ? SelectObject(dc, schrift) : nullptr;
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    RECT rand = r;
    rand.top += tm.tmHeight / 2;
    DrawEdge(dc, &rand, EDGE_ETCHED, BF_RECT);

    wchar_t text[256];
    const int n = GetWindowTextW(h, text, 256);
    if (n > 0) {
        const int dpi = static_cast<int>(GetDpiForWindow(h));
        RECT feld{Pixel(90, dpi), 0, r.right - Pixel(90, dpi), tm.tmHeight};
        DrawTextW(dc, text, n, &feld, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        const int rand_x = Pixel(30, dpi);
        RECT grund{feld.left - rand_x, feld.top, feld.right + rand_x, feld.bottom};
        FillRect(dc, &grund, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        if (!IsWindowEnabled(h)) {  // etched, as disabled text looks
            OffsetRect(&feld, 1, 1);
            SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            DrawTextW(dc, text, n, &feld, DT_SINGLELINE | DT_NOPREFIX);
            OffsetRect(&feld, -1, -1);
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        } else {
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        }
        DrawTextW(dc, text, n, &feld, DT_SINGLELINE | DT_NOPREFIX);
    }
    if (alt) SelectObject(dc, alt);
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
    }
    try {
        Erstellen();
    } catch (...) {
        if (hwnd) {  // quietly: no quit message, the program's message must still show
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            DestroyWindow(hwnd);
        }
        if (schrift) DeleteObject(schrift);
        for (Zustand& z : zustand) {
            if (z.quelle.bitmap) DeleteObject(z.quelle.bitmap);
        }
        throw;
    }
}

Win32Fenster::~Win32Fenster() {
    if (hwnd) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
    }
    for (Zustand& z : zustand) {
        if (z.pinsel) DeleteObject(z.pinsel);
        if (z.quelle.bitmap) DeleteObject(z.quelle.bitmap);
    }
    if (schrift) DeleteObject(schrift);
}

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
    Bilder_vorbereiten();
    const SIZE aussen = Aussengroesse();
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& a = mi.rcWork;
    hwnd = CreateWindowExW(Fensterstil_ex, fenster_win32::Fensterklasse, L"", Fensterstil,
                           a.left + std::max(0L, (a.right - a.left - aussen.cx) / 2),
                           a.top + std::max(0L, (a.bottom - a.top - aussen.cy) / 2), aussen.cx,
                           aussen.cy, nullptr, nullptr, instanz, this);
    if (!hwnd) throw Fehler(Fehlernummer::KomponenteFehlt);
    Steuerelemente_anlegen();
    // A window that Windows put on a monitor of another DPI is laid out for that one.
    const int tatsaechlich = static_cast<int>(GetDpiForWindow(hwnd));
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
        HWND eltern = s->behaelter == Kein_Steuerelement ? hwnd : Z(s->behaelter).hwnd;
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
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(schrift), FALSE);
        if (s->art == Steuerelementart::Liste) Platzieren(*s, true);
        if (s->art == Steuerelementart::Rahmen) {
            WNDPROC alt = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Rahmenprozedur)));
            if (!rahmen_original) rahmen_original = alt;
        }
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
    HFONT neu = CreateFontW(-MulDiv(beschreibung.schriftgroesse_hundertstel_punkt, dpi, 7200), 0, 0,
                            0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                            schriftname.c_str());
    if (!neu) throw Fehler(Fehlernummer::KomponenteFehlt);
    if (schrift) DeleteObject(schrift);
    schrift = neu;
}

void Win32Fenster::Bilder_vorbereiten() {
    const int groesse = Pixel(beschreibung.bild_pixel * 15, dpi);
    for (const Steuerelement_Beschreibung& s : beschreibung.steuerelemente) {
        if (s.art != Steuerelementart::Bildquelle) continue;
        Bildpuffer& b = Z(s.nr).quelle;
        if (b.bitmap && b.groesse == groesse) continue;
        const std::optional<Gif_Bild> bild = Ressourcenbild(s.fassungen.front().ressource);
        if (!bild) throw Fehler(Fehlernummer::KomponenteFehlt);
        HBITMAP bmp = Skalierte_Bitmap(*bild, groesse);
        if (!bmp) throw Fehler(Fehlernummer::KomponenteFehlt);
        if (b.bitmap) DeleteObject(b.bitmap);
        b = {bmp, groesse};
    }
}

void Win32Fenster::Anordnen() {
    Schrift_anlegen();
    Bilder_vorbereiten();
    for (const Steuerelement_Beschreibung& s : beschreibung.steuerelemente) {
        HWND h = Z(s.nr).hwnd;
        if (!h) continue;
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(schrift), FALSE);
        Platzieren(s, false);
    }
    const SIZE aussen = Aussengroesse();
    SetWindowPos(hwnd, nullptr, 0, 0, aussen.cx, aussen.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

Win32Fenster::Zustand& Win32Fenster::Z(Steuerelement e) {
    if (e < 0 || static_cast<std::size_t>(e) >= zustand.size())
        throw Fehler(Fehlernummer::IndexAusserhalb);
    return zustand[static_cast<std::size_t>(e)];
}

bool Win32Fenster::Ist_Quelle(Steuerelement e) const {
    return e >= 0 && static_cast<std::size_t>(e) < zustand.size() &&
           zustand[static_cast<std::size_t>(e)].quelle_art;
}

HWND Win32Fenster::Pflicht(Steuerelement e) {
    HWND h = Z(e).hwnd;
    if ((!h && !Ist_Quelle(e)) || (h && !IsWindow(h))) {
        throw Fehler(Fehlernummer::UngueltigerAufruf);
    }
    return h;  // nullptr for the windowless source pictures
}

HWND Win32Fenster::Handle_von(Steuerelement e) const {
    return e < 0 || static_cast<std::size_t>(e) >= zustand.size()
               ? nullptr
               : zustand[static_cast<std::size_t>(e)].hwnd;
}

// --- Fenster -------------------------------------------------------------------------------

void Win32Fenster::Titel_setzen(const std::string& text) {
    if (hwnd) SetWindowTextW(hwnd, Breit(text).c_str());
}

void Win32Fenster::Aktivieren(Steuerelement e, bool aktiv) {
    HWND h = Pflicht(e);
    if (!h) return;
    // A control that loses its enabled state while it holds the focus hands it on, as a
    // dialog does, so the keyboard keeps working.
    HWND f = GetFocus();
    if (!aktiv && f && (f == h || IsChild(h, f))) {
        HWND naechstes = GetNextDlgTabItem(hwnd, f, FALSE);
        if (naechstes && naechstes != f) SetFocus(naechstes);
    }
    EnableWindow(h, aktiv ? TRUE : FALSE);
}

void Win32Fenster::Sichtbar_setzen(Steuerelement e, bool sichtbar) {
    if (HWND h = Pflicht(e)) ShowWindow(h, sichtbar ? SW_SHOWNA : SW_HIDE);
}

void Win32Fenster::Beschriftung_setzen(Steuerelement e, const std::string& text) {
    HWND h = Pflicht(e);
    if (!h) return;
    SetWindowTextW(h, Breit(text).c_str());
    InvalidateRect(h, nullptr, TRUE);
}

void Win32Fenster::Bild_kopieren(Steuerelement ziel, Steuerelement quelle) {
    const Steuerelement bild = Ist_Quelle(quelle) ? quelle : Z(quelle).bild;
    Zustand& z = Z(ziel);
    z.bild = bild;
    if (z.hwnd) InvalidateRect(z.hwnd, nullptr, TRUE);
}

Steuerelement Win32Fenster::Bild(Steuerelement bild) {
    return Z(bild).bild;
}

void Win32Fenster::Hintergrundfarbe_setzen(Steuerelement e, std::uint32_t farbe) {
    Zustand& z = Z(e);
    const COLORREF c = static_cast<COLORREF>(farbe & 0xFFFFFFu);
    if (z.farbe == c && z.pinsel) return;
    HBRUSH neu = CreateSolidBrush(c);
    if (!neu) throw Fehler(Fehlernummer::KomponenteNichtGeladen);
    if (z.pinsel) DeleteObject(z.pinsel);
    z.pinsel = neu;
    z.farbe = c;
    if (z.hwnd) InvalidateRect(z.hwnd, nullptr, TRUE);
}

void Win32Fenster::Eintrag_hinzufuegen(Steuerelement liste, const std::string& text) {
    const LRESULT r = SendMessageW(Pflicht(liste), CB_ADDSTRING, 0,
                                   reinterpret_cast<LPARAM>(Breit(text).c_str()));
    if (r == CB_ERR || r == CB_ERRSPACE) throw Fehler(Fehlernummer::UngueltigerAufruf);
}

int Win32Fenster::Eintragsanzahl(Steuerelement liste) {
    return static_cast<int>(SendMessageW(Pflicht(liste), CB_GETCOUNT, 0, 0));
}

std::string Win32Fenster::Eintrag(Steuerelement liste, int index) {
    HWND h = Pflicht(liste);
    if (index < 0 || index >= Eintragsanzahl(liste)) throw Fehler(Fehlernummer::IndexAusserhalb);
    const LRESULT n = SendMessageW(h, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n == CB_ERR) throw Fehler(Fehlernummer::IndexAusserhalb);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    SendMessageW(h, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(n));
    return Schmal(text);
}

void Win32Fenster::Auswahl_setzen(Steuerelement liste, int index) {
    HWND h = Pflicht(liste);
    if (index < -1 || index >= Eintragsanzahl(liste)) throw Fehler(Fehlernummer::IndexAusserhalb);
    SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);  // sends no CBN_SELCHANGE
}

int Win32Fenster::Auswahl(Steuerelement liste) {
    const LRESULT r = SendMessageW(Pflicht(liste), CB_GETCURSEL, 0, 0);
    return r == CB_ERR ? -1 : static_cast<int>(r);
}

void Win32Fenster::Fokus_setzen(Steuerelement e) {
    HWND h = Pflicht(e);
    if (!h) return;
    if (IsWindowVisible(hwnd)) {
        SetFocus(h);
    } else {
        fokus_merken = h;
    }
}

void Win32Fenster::Oben_setzen(Steuerelement e, int twips) {
    Zustand& z = Z(e);
    z.oben = twips;
    if (!z.hwnd) return;
    SetWindowPos(z.hwnd, nullptr, Pixel(z.links, dpi), Pixel(twips, dpi), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32Fenster::Hoehe_setzen(int twips) {
    hoehe = twips;
    if (!hwnd) return;
    RECT r;
    GetWindowRect(hwnd, &r);
    SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, Pixel(twips, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32Fenster::Ist_sichtbar() {
    return hwnd && IsWindowVisible(hwnd);
}

void Win32Fenster::Entladen() {
    if (hwnd) DestroyWindow(hwnd);
}

void Win32Fenster::Zeigen() {
    if (!hwnd) return;
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    SetForegroundWindow(hwnd);
    HWND erstes = fokus_merken && IsWindowEnabled(fokus_merken) && IsWindowVisible(fokus_merken)
                      ? fokus_merken
                      : GetNextDlgTabItem(hwnd, nullptr, FALSE);
    if (erstes) SetFocus(erstes);
}

// --- Messages ------------------------------------------------------------------------------

LRESULT CALLBACK Win32Fenster::Fensterprozedur(HWND h, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(l);
        auto* selbst = static_cast<Win32Fenster*>(cs->lpCreateParams);
        selbst->hwnd = h;
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(selbst));
    }
    auto* selbst = reinterpret_cast<Win32Fenster*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (!selbst) return DefWindowProcW(h, msg, w, l);
    // Nothing thrown while handling a message travels back into Windows.
    LRESULT ergebnis = 0;
    Ereignis(*selbst->ereignisse, [&] { ergebnis = selbst->Nachricht(msg, w, l); });
    return ergebnis;
}

// The frames hold their step's controls; what those send to their parent goes on to the main
// window.
LRESULT CALLBACK Win32Fenster::Rahmenprozedur(HWND h, UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
        case WM_COMMAND:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_NOTIFY:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return SendMessageW(GetAncestor(h, GA_ROOT), msg, w, l);
        case WM_ERASEBKGND:
            return TRUE;  // WM_PAINT fills the whole frame
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            Rahmen_zeichnen(h, dc);
            EndPaint(h, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            Rahmen_zeichnen(h, reinterpret_cast<HDC>(w));
            return 0;
        case WM_ENABLE:  // repainted in its new state; the group box would paint its own look
            InvalidateRect(h, nullptr, TRUE);
            return 0;
        default:
            return CallWindowProcW(rahmen_original, h, msg, w, l);
    }
}

LRESULT Win32Fenster::Nachricht(UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
        case WM_COMMAND:
            Befehl(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
            return 0;
        case WM_DRAWITEM:
            Zeichnen(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
            return TRUE;
        case WM_ACTIVATE:
            // Like a dialog: the focus leaves with the window and comes back with it.
            if (LOWORD(w) == WA_INACTIVE) {
                HWND f = GetFocus();
                if (f && IsChild(hwnd, f)) fokus_merken = f;
            } else if (!HIWORD(w)) {
                HWND f = fokus_merken && IsWindow(fokus_merken) && IsWindowEnabled(fokus_merken)
                             ? fokus_merken
                             : GetNextDlgTabItem(hwnd, nullptr, FALSE);
                if (f) SetFocus(f);
            }
            return 0;
        case WM_DPICHANGED: {
            dpi = HIWORD(w);
            Anordnen();
            const RECT* vorschlag = reinterpret_cast<const RECT*>(l);
            SetWindowPos(hwnd, nullptr, vorschlag->left, vorschlag->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_CLOSE:
            Entladen();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY: {
            HWND h = hwnd;
            SetWindowLongPtrW(h, GWLP_USERDATA, 0);
            hwnd = nullptr;
            for (Zustand& z : zustand) z.hwnd = nullptr;
            return DefWindowProcW(h, msg, w, l);
        }
        default:
            return DefWindowProcW(hwnd, msg, w, l);
    }
}

void Win32Fenster::Befehl(int id, int code, HWND steuerelement) {
    if (!steuerelement) {
        // Enter in the window (IsDialogMessage sends IDOK): the focused button is pressed.
        if (id == IDOK) {
            HWND f = GetFocus();
            for (const Zustand& z : zustand) {
                if (f && f == z.hwnd && z.knopf && IsWindowEnabled(f)) {
                    SendMessageW(f, BM_CLICK, 0, 0);
                    break;
                }
            }
        }
        return;
    }
    const int nr = id - 1000;
    if (nr < 0 || static_cast<std::size_t>(nr) >= zustand.size()) return;
    if (code == BN_CLICKED && zustand[static_cast<std::size_t>(nr)].knopf) {
        ereignisse->Geklickt(nr);
    } else if (code == CBN_SELCHANGE) {
        ereignisse->Ausgewaehlt(nr);
    }
}

// --- Painting ------------------------------------------------------------------------------

void Win32Fenster::Zeichnen(const DRAWITEMSTRUCT& d) {
    const int nr = static_cast<int>(d.CtlID) - 1000;
    if (nr < 0 || static_cast<std::size_t>(nr) >= zustand.size()) return;
    const Zustand& z = zustand[static_cast<std::size_t>(nr)];
    if (d.CtlType == ODT_BUTTON) {
        Schaltflaeche_zeichnen(d, z);
    } else if (d.CtlType == ODT_STATIC) {
        Bild_zeichnen(d, z);
    }
}

void Win32Fenster::Schaltflaeche_zeichnen(const DRAWITEMSTRUCT& d, const Zustand& z) {
    HDC dc = d.hDC;
    RECT r = d.rcItem;
    const bool gedrueckt = d.itemState & ODS_SELECTED;
    const bool aus = d.itemState & ODS_DISABLED;
    const bool fokus = d.itemState & ODS_FOCUS;

    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (fokus) {  // the focused button carries the dark outline of the default button
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (gedrueckt ? DFCS_PUSHED : 0));
    RECT innen = r;
    InflateRect(&innen, -2, -2);
    if (z.pinsel) FillRect(dc, &innen, z.pinsel);

    wchar_t puffer[256];
    const int n = GetWindowTextW(d.hwndItem, puffer, 256);
    HGDIOBJ alt = SelectObject(dc, schrift);
    SetBkMode(dc, TRANSPARENT);
    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    if (z.farbe) {  // dark back colours get a light text
        const COLORREF c = *z.farbe;
        const int hell = (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000;
        if (hell < 110) text = RGB(255, 255, 255);
    }
    RECT textfeld = innen;
    if (gedrueckt) OffsetRect(&textfeld, 1, 1);
    const UINT format =
        DT_CENTER | DT_VCENTER | DT_SINGLELINE | ((d.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    if (aus) {  // etched grey text, as a disabled button shows it
        OffsetRect(&textfeld, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, puffer, n, &textfeld, format);
        OffsetRect(&textfeld, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, text);
    }
    DrawTextW(dc, puffer, n, &textfeld, format);
    SelectObject(dc, alt);

    if (fokus && !(d.itemState & ODS_NOFOCUSRECT)) {
        RECT f = innen;
        InflateRect(&f, -2, -2);
        DrawFocusRect(dc, &f);
    }
}

void Win32Fenster::Bild_zeichnen(const DRAWITEMSTRUCT& d, const Zustand& z) {
    HDC dc = d.hDC;
    const RECT& r = d.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (!Ist_Quelle(z.bild)) return;
    const Bildpuffer& b = zustand[static_cast<std::size_t>(z.bild)].quelle;
    if (!b.bitmap) return;
    HDC speicher = CreateCompatibleDC(dc);
    HGDIOBJ alt = SelectObject(speicher, b.bitmap);
    const BLENDFUNCTION mischung{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, r.left, r.top, b.groesse, b.groesse, speicher, 0, 0, b.groesse, b.groesse,
                  mischung);
    SelectObject(speicher, alt);
    DeleteDC(speicher);
}

// --- Win32Plattform: the window, its dialogs and messages -----------------------------------

Win32Plattform::Win32Plattform() = default;

Win32Plattform::~Win32Plattform() {
    fenster_.reset();
    dialoge_win32::Freigeben();
}

void Win32Plattform::Piepen() {
    MessageBeep(MB_OK);
}

void Win32Plattform::Meldungsfenster(const std::string& text, const std::string& titel) {
    HWND besitzer = fenster_ ? fenster_->Handle() : nullptr;
    MessageBoxW(besitzer, Breit(text).c_str(), Breit(titel).c_str(), MB_OK | MB_ICONWARNING);
}

Fenster& Win32Plattform::Hauptfenster_erstellen(const Fensterbeschreibung& beschreibung,
                                                Fensterereignisse& ereignisse) {
    if (fenster_) return *fenster_;
    // The colour dialog is part of the window; without its library the window is incomplete.
    if (!dialoge_win32::Farbdialog_vorhanden()) throw Fehler(Fehlernummer::KomponenteFehlt);
    fenster_ = std::make_unique<Win32Fenster>(beschreibung, ereignisse);
    return *fenster_;
}

Fenster& Win32Plattform::Hauptfenster() {
    if (!fenster_) throw Fehler(Fehlernummer::UngueltigerAufruf);
    return *fenster_;
}

void Win32Plattform::Hauptfenster_zeigen() {
    if (!fenster_) throw Fehler(Fehlernummer::UngueltigerAufruf);
    fenster_->Zeigen();
}

std::string Win32Plattform::Ordner_auswaehlen(const std::string& titel) {
    HWND besitzer = fenster_ ? fenster_->Handle() : nullptr;
    return Schmal(dialoge_win32::Ordner_waehlen(besitzer, Breit(titel)));
}

std::optional<std::uint32_t> Win32Plattform::Farbe_auswaehlen(std::uint32_t farbe, bool voll) {
    HWND besitzer = fenster_ ? fenster_->Handle() : nullptr;
    const std::optional<COLORREF> c =
        dialoge_win32::Farbe_waehlen(besitzer, static_cast<COLORREF>(farbe & 0xFFFFFFu), voll);
    if (!c) return std::nullopt;
    return static_cast<std::uint32_t>(*c & 0xFFFFFFu);
}
