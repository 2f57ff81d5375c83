#include "platform/win32/zeichnen_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/plattform.h"
#include "platform/win32/besitzer_win32.h"
#include "platform/win32/dpi_win32.h"

namespace zeichnen_win32 {
namespace {

constexpr UINT_PTR Rahmen_Id = 1;  // the frames' subclass

// Draws `text` in `feld`; disabled: etched grey, as disabled text looks.
void Text_zeichnen(HDC dc, const wchar_t* text, int n, RECT feld, UINT format, bool aktiv,
                   COLORREF farbe) {
    if (!aktiv) {
        OffsetRect(&feld, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, text, n, &feld, format);
        OffsetRect(&feld, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, farbe);
    }
    DrawTextW(dc, text, n, &feld, format);
}

// A frame: an etched rectangle and its caption, the caption grey while the frame is disabled.
void Rahmen_zeichnen(HWND h, HDC dc) {
    RECT r;
    GetClientRect(h, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const Gewaehlt schrift(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    RECT rand = r;
    rand.top += tm.tmHeight / 2;
    DrawEdge(dc, &rand, EDGE_ETCHED, BF_RECT);

    wchar_t text[256];
    const int n = GetWindowTextW(h, text, 256);
    if (n > 0) {
        const int dpi = dpi_win32::Fenster_dpi(h);
        RECT feld{Pixel(90, dpi), 0, r.right - Pixel(90, dpi), tm.tmHeight};
        DrawTextW(dc, text, n, &feld, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        const int rand_x = Pixel(30, dpi);
        RECT grund{feld.left - rand_x, feld.top, feld.right + rand_x, feld.bottom};
        FillRect(dc, &grund, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        Text_zeichnen(dc, text, n, feld, DT_SINGLELINE | DT_NOPREFIX, IsWindowEnabled(h),
                      GetSysColor(COLOR_BTNTEXT));
    }
}

// The frames hold their step's controls; what those send to their parent goes on to the main
// window.
LRESULT CALLBACK Rahmenprozedur(HWND h, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR) {
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
        case WM_NCDESTROY:
            RemoveWindowSubclass(h, Rahmenprozedur, id);
            return DefSubclassProc(h, msg, w, l);
        default:
            return DefSubclassProc(h, msg, w, l);
    }
}

}  // namespace

bool Rahmen_einrichten(HWND rahmen) {
    return SetWindowSubclass(rahmen, Rahmenprozedur, Rahmen_Id, 0) != FALSE;
}

void Farbschaltflaeche_zeichnen(const DRAWITEMSTRUCT& d, HFONT schrift, HBRUSH pinsel,
                                std::optional<COLORREF> farbe, bool hoher_kontrast) {
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
    RECT textfeld = innen;
    if (pinsel && hoher_kontrast) {
        // A square swatch, as high as the face allows with a margin, framed in the text colour.
        const int rand = std::max(3, static_cast<int>(innen.bottom - innen.top) / 6);
        const int seite = static_cast<int>(innen.bottom - innen.top) - 2 * rand;
        RECT muster{innen.left + 2 * rand, innen.top + rand, innen.left + 2 * rand + seite,
                    innen.bottom - rand};
        if (gedrueckt) OffsetRect(&muster, 1, 1);
        FillRect(dc, &muster, GetSysColorBrush(aus ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        InflateRect(&muster, -1, -1);
        FillRect(dc, &muster, pinsel);
        textfeld.left = muster.right + 1 + rand;
    } else if (pinsel) {
        FillRect(dc, &innen, pinsel);
    }

    wchar_t puffer[256];
    const int n = GetWindowTextW(d.hwndItem, puffer, 256);
    {
        const Gewaehlt gewaehlt(dc, schrift);
        SetBkMode(dc, TRANSPARENT);
        COLORREF text = GetSysColor(COLOR_BTNTEXT);
        if (farbe && !hoher_kontrast) {  // dark back colours get a light text
            const COLORREF c = *farbe;
            const int hell = (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000;
            if (hell < 110) text = RGB(255, 255, 255);
        }
        if (gedrueckt) OffsetRect(&textfeld, 1, 1);
        const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE |
                            ((d.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
        Text_zeichnen(dc, puffer, n, textfeld, format, !aus, text);
    }

    if (fokus && !(d.itemState & ODS_NOFOCUSRECT)) {
        RECT f = innen;
        InflateRect(&f, -2, -2);
        DrawFocusRect(dc, &f);
    }
}

void Bild_zeichnen(const DRAWITEMSTRUCT& d, HBITMAP bild, int groesse) {
    HDC dc = d.hDC;
    const RECT& r = d.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (!bild) return;
    const Speicher_DC speicher(CreateCompatibleDC(dc));
    const Gewaehlt gewaehlt(speicher.get(), bild);
    const BLENDFUNCTION mischung{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, r.left, r.top, groesse, groesse, speicher.get(), 0, 0, groesse, groesse,
                  mischung);
}

}  // namespace zeichnen_win32
