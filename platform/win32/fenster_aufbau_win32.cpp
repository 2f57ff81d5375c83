#include "platform/win32/fenster_aufbau_win32.h"

#include <algorithm>

#include "platform/win32/hilfen_win32.h"
#include "platform/win32/zeichnen_win32.h"

namespace fenster_aufbau {
namespace {

// A row of the open list: 240 twips (16 pixels at 96 DPI).
constexpr int Listenzeile = 240;

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

// The height a list is made with: closed, and the rows of its open part below.
int Listenhoehe(const Fensterbeschreibung& beschreibung, const Steuerelement_Beschreibung& s,
                int dpi) {
    return Pixel(s.hoehe, dpi) + beschreibung.listenzeilen * Pixel(Listenzeile, dpi);
}

// The closed height of a list follows its selection field's item height, plus borders the
// control adds (and some versions of the control add to the height they are given): adjusted
// until the outer height is right.
void Geschlossene_Hoehe_anpassen(HWND h, int hoch) {
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

}  // namespace

void Fensterklasse_registrieren(const wchar_t* klasse, WNDPROC prozedur,
                                const Fensterbeschreibung& beschreibung) {
    HINSTANCE instanz = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(instanz, klasse, &wc)) return;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = prozedur;
    wc.hInstance = instanz;
    wc.hIcon =
        static_cast<HICON>(LoadImageW(instanz, MAKEINTRESOURCEW(beschreibung.symbol), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instanz, MAKEINTRESOURCEW(beschreibung.symbol),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = klasse;
    if (!RegisterClassExW(&wc)) throw Fehler(Fehlernummer::KomponenteFehlt);
}

std::wstring Schriftname(const Fensterbeschreibung& beschreibung) {
    std::wstring name = Breit(beschreibung.schriftart);
    if (Schrift_vorhanden(name)) return name;
    for (const char* ersatz : beschreibung.ersatzschriften) {
        if (Schrift_vorhanden(Breit(ersatz))) return Breit(ersatz);
    }
    return name;
}

Schrift Schrift_erstellen(const Fensterbeschreibung& beschreibung, const std::wstring& name,
                          int dpi) {
    Schrift neu(CreateFontW(-MulDiv(beschreibung.schriftgroesse_hundertstel_punkt, dpi, 7200), 0, 0,
                            0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                            name.c_str()));
    if (!neu) throw Fehler(Fehlernummer::KomponenteFehlt);
    return neu;
}

SIZE Aussengroesse(const Fensterbeschreibung& beschreibung, std::optional<int> hoehe_twips,
                   int dpi) {
    RECT r{0, 0, Pixel(beschreibung.client_breite, dpi), Pixel(beschreibung.client_hoehe, dpi)};
    AdjustWindowRectExForDpi(&r, Fensterstil, FALSE, Fensterstil_ex, static_cast<UINT>(dpi));
    return SIZE{r.right - r.left, hoehe_twips ? Pixel(*hoehe_twips, dpi) : r.bottom - r.top};
}

POINT Mitte_des_Bildschirms(SIZE groesse) {
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& a = mi.rcWork;
    return POINT{a.left + std::max(0L, (a.right - a.left - groesse.cx) / 2),
                 a.top + std::max(0L, (a.bottom - a.top - groesse.cy) / 2)};
}

std::vector<const Steuerelement_Beschreibung*> Erstellungsreihenfolge(
    const Fensterbeschreibung& beschreibung) {
    std::vector<const Steuerelement_Beschreibung*> reihe;
    for (const Steuerelement_Beschreibung& s : beschreibung.steuerelemente) {
        if (s.tabindex < 0) continue;
        if (reihe.empty() || s.tabindex < reihe.front()->tabindex) reihe.assign(1, &s);
    }
    for (const Steuerelement_Beschreibung& s : beschreibung.steuerelemente) {
        if (reihe.empty() || &s != reihe.front()) reihe.push_back(&s);
    }
    return reihe;
}

HWND Steuerelement_erstellen(const Fensterbeschreibung& beschreibung,
                             const Steuerelement_Beschreibung& s, HWND eltern, HFONT schrift,
                             int dpi) {
    const wchar_t* klasse = L"BUTTON";
    DWORD stil = WS_CHILD | WS_VISIBLE;
    DWORD ex = 0;
    int hoehe = Pixel(s.hoehe, dpi);
    switch (s.art) {
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
            hoehe = Listenhoehe(beschreibung, s, dpi);
            break;
        case Steuerelementart::Bild:
            klasse = L"STATIC";
            stil |= SS_OWNERDRAW;
            break;
        case Steuerelementart::Bildquelle:
            throw Fehler(Fehlernummer::UngueltigerAufruf);
    }
    const std::wstring text = s.text ? Breit(s.text) : std::wstring();
    HWND h = CreateWindowExW(ex, klasse, text.c_str(), stil, Pixel(s.links, dpi),
                             Pixel(s.oben, dpi), Pixel(s.breite, dpi), hoehe, eltern,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(Steuerelement_Id(s.nr))),
                             GetModuleHandleW(nullptr), nullptr);
    if (!h) throw Fehler(Fehlernummer::KomponenteFehlt);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(schrift), FALSE);
    if (s.art == Steuerelementart::Liste) Geschlossene_Hoehe_anpassen(h, Pixel(s.hoehe, dpi));
    if (s.art == Steuerelementart::Rahmen && !zeichnen_win32::Rahmen_einrichten(h))
        throw Fehler(Fehlernummer::KomponenteFehlt);
    return h;
}

void Platzieren(const Fensterbeschreibung& beschreibung, const Steuerelement_Beschreibung& s,
                HWND h, int oben, int dpi) {
    const bool liste = s.art == Steuerelementart::Liste;
    SetWindowPos(h, nullptr, Pixel(s.links, dpi), Pixel(oben, dpi), Pixel(s.breite, dpi),
                 liste ? Listenhoehe(beschreibung, s, dpi) : Pixel(s.hoehe, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (liste) Geschlossene_Hoehe_anpassen(h, Pixel(s.hoehe, dpi));
}

}  // namespace fenster_aufbau
