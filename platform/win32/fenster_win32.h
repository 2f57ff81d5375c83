// The main window as a native Win32 window: real controls laid out from ui/layout.h at the
// window's DPI, the status pictures from the program's GIF resources, the step-3 button
// painted in its back colour, and dialog keyboard navigation.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/plattform.h"
#include "ui/layout.h"

namespace fenster_win32 {

// The window class of the main window (for finding it from outside, too).
inline constexpr const wchar_t* Fensterklasse = L"Schulferien.frmSchulferien";

// The control ID of an element's control: 1000 + its number (never IDOK or IDCANCEL).
constexpr int Steuerelement_Id(Element e) {
    return 1000 + static_cast<int>(e);
}

}  // namespace fenster_win32

class Win32Fenster : public Fenster {
  public:
    // Makes the window, hidden, with all its controls. Throws Laufzeitfehler(KomponenteFehlt)
    // when the window or one of its components can't be had.
    Win32Fenster();
    ~Win32Fenster() override;
    Win32Fenster(const Win32Fenster&) = delete;
    Win32Fenster& operator=(const Win32Fenster&) = delete;

    void Titel_setzen(const std::string& text) override;
    void Aktivieren(Element e, bool aktiv) override;
    void Sichtbar_setzen(Element e, bool sichtbar) override;
    void Beschriftung_setzen(Element e, const std::string& text) override;
    void Bild_kopieren(Element ziel, Element quelle) override;
    Element Bild(Element bild) override;
    void Hintergrundfarbe_setzen(Element e, std::uint32_t farbe) override;
    void Eintrag_hinzufuegen(Element liste, const std::string& text) override;
    int Eintragsanzahl(Element liste) override;
    std::string Eintrag(Element liste, int index) override;
    void Auswahl_setzen(Element liste, int index) override;
    int Auswahl(Element liste) override;
    void Fokus_setzen(Element e) override;
    void Oben_setzen(Element e, int twips) override;
    void Hoehe_setzen(int twips) override;
    bool Ist_sichtbar() override;
    void Entladen() override;

    // Shows the window and gives the focus to the first control in the tab order.
    void Zeigen();
    HWND Handle() const { return hwnd; }  // nullptr once the window is gone
    HWND Steuerelement(Element e) const;

  private:
    static constexpr std::size_t Anzahl = static_cast<std::size_t>(Element::Keins);
    struct Zustand {
        HWND hwnd = nullptr;
        int oben = 0;                   // twips, relative to its container
        Element bild = Element::Keins;  // the picture shown (pictures only)
        std::optional<COLORREF> farbe;  // back colour (buttons)
        HBRUSH pinsel = nullptr;        // made when the colour changes
    };
    struct Bildpuffer {  // a status picture at the current DPI, premultiplied 32-bit
        HBITMAP bitmap = nullptr;
        int groesse = 0;
    };

    static LRESULT CALLBACK Fensterprozedur(HWND h, UINT msg, WPARAM w, LPARAM l);
    static LRESULT CALLBACK Rahmenprozedur(HWND h, UINT msg, WPARAM w, LPARAM l);
    LRESULT Nachricht(UINT msg, WPARAM w, LPARAM l);
    void Erstellen();
    void Steuerelemente_anlegen();
    void Schrift_anlegen();
    void Anordnen();  // positions, sizes, font and pictures for a new DPI
    SIZE Aussengroesse() const;
    // Puts a control at its place for the current DPI; `neu`: made there already.
    void Platzieren(const Layout::Steuerelement& s, bool neu);
    void Bilder_vorbereiten();
    void Befehl(int id, int code, HWND steuerelement);
    void Zeichnen(const DRAWITEMSTRUCT& d);
    void Schaltflaeche_zeichnen(const DRAWITEMSTRUCT& d, const Zustand& z);
    void Bild_zeichnen(const DRAWITEMSTRUCT& d, const Zustand& z);
    Zustand& Z(Element e);
    HWND Pflicht(Element e);

    HWND hwnd = nullptr;
    int dpi = 96;
    HFONT schrift = nullptr;
    std::wstring schriftname;
    std::optional<int> hoehe;  // outer height in twips, once set
    HWND fokus_merken = nullptr;
    std::array<Zustand, Anzahl> zustand{};
    std::array<Bildpuffer, 3> bilder{};  // imgPfeil, imgOK, imgInaktiv
    bool beim_zeichnen_fehler = false;
};
