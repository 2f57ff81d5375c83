// Win32Fenster: made and laid out from the description (with fenster_aufbau_win32.h), the
// controls as the window logic changes them, and the message map that turns what the user does
// into the window's events. How its own controls look is in zeichnen_win32.cpp.
#include "platform/win32/fenster_win32.h"

#include <algorithm>
#include <exception>

#include "platform/win32/bilder_win32.h"
#include "platform/win32/dpi_win32.h"
#include "platform/win32/fenster_aufbau_win32.h"
#include "platform/win32/hilfen_win32.h"
#include "platform/win32/zeichnen_win32.h"

using fenster_aufbau::Steuerelement_von_Id;

namespace {

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
    } catch (const std::exception& fehler) {
        Melden(ereignisse, Als_Laufzeitfehler(fehler));
    } catch (...) {
    }
    ExitProcess(Exitcode::Fehlerbericht);
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
        z.oben = s.oben;
        z.knopf = s.art == Steuerelementart::Schaltflaeche ||
                  s.art == Steuerelementart::Farbschaltflaeche;
        z.quelle_art = s.art == Steuerelementart::Bildquelle;
        z.fassungen = s.fassungen;
        if (z.quelle_art) z.bild = s.nr;  // a source shows its own picture
    }
    Erstellen();  // on failure the members give back what was made so far
}

Win32Fenster::~Win32Fenster() = default;

void Win32Fenster::Erstellen() {
    fenster_aufbau::Fensterklasse_registrieren(fenster_win32::Fensterklasse, Fensterprozedur,
                                               beschreibung);
    // Everything is made at its final size and place for the DPI of the primary monitor,
    // where the window opens, so nothing is laid out twice during the start.
    dpi = dpi_win32::System_dpi();
    schriftname = fenster_aufbau::Schriftname(beschreibung);
    schrift = fenster_aufbau::Schrift_erstellen(beschreibung, schriftname, dpi);
    Kontrast_lesen();
    const SIZE aussen = fenster_aufbau::Aussengroesse(beschreibung, hoehe, dpi);
    const POINT ort = fenster_aufbau::Mitte_des_Bildschirms(aussen);
    // WM_NCCREATE hands the window to `hwnd.get()`.
    HWND h = CreateWindowExW(fenster_aufbau::Fensterstil_ex, fenster_win32::Fensterklasse, L"",
                             fenster_aufbau::Fensterstil, ort.x, ort.y, aussen.cx, aussen.cy,
                             nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!h) throw Fehler(Fehlernummer::KomponenteFehlt);
    for (const Steuerelement_Beschreibung* s :
         fenster_aufbau::Erstellungsreihenfolge(beschreibung)) {
        if (s->art == Steuerelementart::Bildquelle) continue;  // never shown itself
        HWND eltern = s->behaelter == Kein_Steuerelement ? hwnd.get() : Z(s->behaelter).hwnd;
        Z(s->nr).hwnd =
            fenster_aufbau::Steuerelement_erstellen(beschreibung, *s, eltern, schrift.get(), dpi);
    }
    // A window that Windows put on a monitor of another DPI is laid out for that one.
    const int tatsaechlich = dpi_win32::Fenster_dpi(hwnd.get());
    if (tatsaechlich != dpi) {
        dpi = tatsaechlich;
        Anordnen();
    }
}

void Win32Fenster::Anordnen() {
    schrift = fenster_aufbau::Schrift_erstellen(beschreibung, schriftname, dpi);
    for (const Steuerelement_Beschreibung& s : beschreibung.steuerelemente) {
        const Zustand& z = Z(s.nr);
        if (!z.hwnd) continue;
        SendMessageW(z.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(schrift.get()), FALSE);
        fenster_aufbau::Platzieren(beschreibung, s, z.hwnd, z.oben, dpi);
    }
    const SIZE aussen = fenster_aufbau::Aussengroesse(beschreibung, hoehe, dpi);
    SetWindowPos(hwnd.get(), nullptr, 0, 0, aussen.cx, aussen.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd.get(), nullptr, TRUE);
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

// --- Controls ------------------------------------------------------------------------------

Win32Fenster::Zustand* Win32Fenster::Z_falls(Steuerelement e) {
    return e < 0 || static_cast<std::size_t>(e) >= zustand.size()
               ? nullptr
               : &zustand[static_cast<std::size_t>(e)];
}

Win32Fenster::Zustand& Win32Fenster::Z(Steuerelement e) {
    Zustand* z = Z_falls(e);
    if (!z) throw Fehler(Fehlernummer::IndexAusserhalb);
    return *z;
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
    if (hwnd) SetWindowTextW(hwnd.get(), Breit(text).c_str());
}

void Win32Fenster::Aktivieren(Steuerelement e, bool aktiv) {
    HWND h = Pflicht(e);
    if (!h) return;
    // A control that loses its enabled state while it holds the focus hands it on, as a
    // dialog does, so the keyboard keeps working.
    HWND f = GetFocus();
    if (!aktiv && f && (f == h || IsChild(h, f))) {
        HWND naechstes = GetNextDlgTabItem(hwnd.get(), f, FALSE);
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
    Pinsel neu(CreateSolidBrush(c));
    if (!neu) throw Fehler(Fehlernummer::KomponenteNichtGeladen);
    z.pinsel = std::move(neu);
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
    if (IsWindowVisible(hwnd.get())) {
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
    InvalidateRect(hwnd.get(), nullptr, TRUE);
}

void Win32Fenster::Hoehe_setzen(int twips) {
    hoehe = twips;
    if (!hwnd) return;
    RECT r;
    GetWindowRect(hwnd.get(), &r);
    SetWindowPos(hwnd.get(), nullptr, 0, 0, r.right - r.left, Pixel(twips, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Fenster::Hoher_Kontrast_setzen(bool an) {
    if (an == hoher_kontrast) return;
    hoher_kontrast = an;
    if (hwnd) RedrawWindow(hwnd.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Win32Fenster::Kontrast_lesen() {
    HIGHCONTRASTW hc{};
    hc.cbSize = sizeof(hc);
    Hoher_Kontrast_setzen(SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(hc), &hc, 0) &&
                          (hc.dwFlags & HCF_HIGHCONTRASTON));
}

bool Win32Fenster::Ist_sichtbar() {
    return hwnd && IsWindowVisible(hwnd.get());
}

void Win32Fenster::Entladen() {
    if (hwnd) DestroyWindow(hwnd.get());
}

Win32Fenster::Schritt_laeuft::Schritt_laeuft(Win32Fenster& f) : fenster(f) {
    ++fenster.schritte;
}

Win32Fenster::Schritt_laeuft::~Schritt_laeuft() {
    if (--fenster.schritte == 0 && fenster.gezeigt && fenster.schliessen_verlangt)
        fenster.Entladen();
}

void Win32Fenster::Zeigen() {
    gezeigt = true;
    if (schliessen_verlangt) Entladen();
    if (!hwnd) return;
    ShowWindow(hwnd.get(), SW_SHOWNORMAL);
    UpdateWindow(hwnd.get());
    SetForegroundWindow(hwnd.get());
    HWND erstes = fokus_merken && IsWindowEnabled(fokus_merken) && IsWindowVisible(fokus_merken)
                      ? fokus_merken
                      : GetNextDlgTabItem(hwnd.get(), nullptr, FALSE);
    if (erstes) SetFocus(erstes);
}

// --- Messages ------------------------------------------------------------------------------

LRESULT CALLBACK Win32Fenster::Fensterprozedur(HWND h, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(l);
        auto* selbst = static_cast<Win32Fenster*>(cs->lpCreateParams);
        selbst->hwnd = Fensterhandle(h);
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(selbst));
    }
    auto* selbst = reinterpret_cast<Win32Fenster*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (!selbst) return DefWindowProcW(h, msg, w, l);
    // Nothing thrown while handling a message travels back into Windows.
    LRESULT ergebnis = 0;
    Ereignis(*selbst->ereignisse, [&] { ergebnis = selbst->Nachricht(msg, w, l); });
    return ergebnis;
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
                if (f && IsChild(hwnd.get(), f)) fokus_merken = f;
            } else if (!HIWORD(w)) {
                HWND f = fokus_merken && IsWindow(fokus_merken) && IsWindowEnabled(fokus_merken)
                             ? fokus_merken
                             : GetNextDlgTabItem(hwnd.get(), nullptr, FALSE);
                if (f) SetFocus(f);
            }
            return 0;
        case WM_DPICHANGED: {
            dpi = HIWORD(w);
            Anordnen();
            const RECT* vorschlag = reinterpret_cast<const RECT*>(l);
            SetWindowPos(hwnd.get(), nullptr, vorschlag->left, vorschlag->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
        case WM_SETTINGCHANGE:
            Kontrast_lesen();
            return DefWindowProcW(hwnd.get(), msg, w, l);
        case WM_CLOSE:
            if (Beschaeftigt()) {
                schliessen_verlangt = true;
            } else {
                Entladen();
            }
            return 0;
        case WM_QUERYENDSESSION:
            // No file is open while the program waits for the user; but a step that waits is
            // finished first, so the session waits for it, and the window closes after it.
            if (!Beschaeftigt()) return TRUE;
            schliessen_verlangt = true;
            return FALSE;
        case WM_ENDSESSION:
            if (w && !Beschaeftigt()) Entladen();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY: {
            HWND h = hwnd.Abgeben();
            SetWindowLongPtrW(h, GWLP_USERDATA, 0);
            for (Zustand& z : zustand) z.hwnd = nullptr;
            return DefWindowProcW(h, msg, w, l);
        }
        default:
            return DefWindowProcW(hwnd.get(), msg, w, l);
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
    const Steuerelement nr = Steuerelement_von_Id(id);
    const Zustand* z = Z_falls(nr);
    if (!z) return;
    const Schritt_laeuft schritt(*this);
    if (code == BN_CLICKED && z->knopf) {
        ereignisse->Geklickt(nr);
    } else if (code == CBN_SELCHANGE) {
        ereignisse->Ausgewaehlt(nr);
    }
}

// --- Painting ------------------------------------------------------------------------------

void Win32Fenster::Zeichnen(const DRAWITEMSTRUCT& d) {
    const Zustand* z_falls = Z_falls(Steuerelement_von_Id(static_cast<int>(d.CtlID)));
    if (!z_falls) return;
    const Zustand& z = *z_falls;
    if (d.CtlType == ODT_BUTTON) {
        zeichnen_win32::Farbschaltflaeche_zeichnen(d, schrift.get(), z.pinsel.get(), z.farbe,
                                                   hoher_kontrast);
    } else if (d.CtlType == ODT_STATIC) {
        const Bildpuffer* b = Ist_Quelle(z.bild) ? &Bild_bei_dpi(z.bild) : nullptr;
        zeichnen_win32::Bild_zeichnen(d, b ? b->bitmap.get() : nullptr, b ? b->groesse : 0);
    }
}
