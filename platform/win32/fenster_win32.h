// The main window as a native Win32 window: real controls laid out from the window's
// description at the window's DPI (fenster_aufbau_win32.h), the status pictures from the
// program's GIF resources, the step-3 button painted in its back colour, and dialog keyboard
// navigation.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/plattform.h"
#include "platform/win32/besitzer_win32.h"

namespace fenster_win32 {

// The window class of the main window (for finding it from outside, too).
inline constexpr const wchar_t* Fensterklasse = L"Schulferien.frmSchulferien";

}  // namespace fenster_win32

class Win32Fenster : public Fenster {
  public:
    // Makes the window, hidden, with all its controls. Throws Laufzeitfehler(KomponenteFehlt)
    // when the window or one of its components can't be had. Both arguments outlive it.
    Win32Fenster(const Fensterbeschreibung& beschreibung, Fensterereignisse& ereignisse);
    ~Win32Fenster() override;
    Win32Fenster(const Win32Fenster&) = delete;
    Win32Fenster& operator=(const Win32Fenster&) = delete;

    void Titel_setzen(const std::string& text) override;
    void Aktivieren(Steuerelement e, bool aktiv) override;
    void Sichtbar_setzen(Steuerelement e, bool sichtbar) override;
    void Beschriftung_setzen(Steuerelement e, const std::string& text) override;
    void Bild_kopieren(Steuerelement ziel, Steuerelement quelle) override;
    Steuerelement Bild(Steuerelement bild) override;
    void Hintergrundfarbe_setzen(Steuerelement e, std::uint32_t farbe) override;
    void Eintrag_hinzufuegen(Steuerelement liste, const std::string& text) override;
    int Eintragsanzahl(Steuerelement liste) override;
    std::string Eintrag(Steuerelement liste, int index) override;
    void Auswahl_setzen(Steuerelement liste, int index) override;
    int Auswahl(Steuerelement liste) override;
    void Fokus_setzen(Steuerelement e) override;
    void Oben_setzen(Steuerelement e, int twips) override;
    void Hoehe_setzen(int twips) override;
    bool Ist_sichtbar() override;
    void Entladen() override;

    // Shows the window and gives the focus to the first control in the tab order; a window
    // that was closed from outside before is unloaded instead.
    void Zeigen();
    HWND Handle() const { return hwnd.get(); }  // nullptr once the window is gone
    HWND Handle_von(Steuerelement e) const;
    // Whether a high-contrast theme is on, as the window paints: read from Windows at the start
    // and whenever the system's colours or settings change; tests set it, since the theme can't
    // be switched under them.
    void Hoher_Kontrast_setzen(bool an);

  private:
    struct Bildpuffer {  // a status picture at the current DPI, premultiplied 32-bit
        Bitmap bitmap;
        int groesse = 0;
    };
    struct Zustand {
        HWND hwnd = nullptr;
        int links = 0, oben = 0;                  // twips, relative to its container
        bool knopf = false;                       // a push button
        bool quelle_art = false;                  // a source picture: no window, only `quelle`
        std::span<const Bildfassung> fassungen;   // source pictures: their renderings
        Steuerelement bild = Kein_Steuerelement;  // the picture shown (pictures only)
        std::optional<COLORREF> farbe;            // back colour (buttons)
        Pinsel pinsel;                            // made when the colour changes
        Bildpuffer quelle;                        // source pictures, made when first shown
    };

    static LRESULT CALLBACK Fensterprozedur(HWND h, UINT msg, WPARAM w, LPARAM l);
    LRESULT Nachricht(UINT msg, WPARAM w, LPARAM l);
    void Erstellen();
    void Anordnen();  // positions, sizes, font and pictures for a new DPI
    // The source picture `quelle` at the current DPI, decoded when first needed.
    const Bildpuffer& Bild_bei_dpi(Steuerelement quelle);
    void Kontrast_lesen();
    void Befehl(int id, int code, HWND steuerelement);
    void Zeichnen(const DRAWITEMSTRUCT& d);
    Zustand& Z(Steuerelement e);
    Zustand* Z_falls(Steuerelement e);  // nullptr for a number of no control
    bool Ist_Quelle(Steuerelement e) const;
    HWND Pflicht(Steuerelement e);

    // While a step runs (a click or a pick: its message box or dialog may be open) or the
    // window has not yet been shown, a close from outside (WM_CLOSE, the end of the session)
    // waits: the step finishes with the window it started with, then the window closes.
    struct Schritt_laeuft {
        explicit Schritt_laeuft(Win32Fenster& f);
        ~Schritt_laeuft();
        Schritt_laeuft(const Schritt_laeuft&) = delete;
        Schritt_laeuft& operator=(const Schritt_laeuft&) = delete;
        Win32Fenster& fenster;
    };
    bool Beschaeftigt() const { return schritte > 0 || !gezeigt; }
    int schritte = 0;
    bool gezeigt = false;
    bool schliessen_verlangt = false;

    const Fensterbeschreibung& beschreibung;
    Fensterereignisse* ereignisse;
    int dpi = 96;
    bool hoher_kontrast = false;
    Schrift schrift;
    std::wstring schriftname;
    std::optional<int> hoehe;  // outer height in twips, once set
    HWND fokus_merken = nullptr;
    std::vector<Zustand> zustand;  // by control number
    // Last, so it goes first: the controls are gone before the font and pictures they use.
    Fensterhandle hwnd;
};
