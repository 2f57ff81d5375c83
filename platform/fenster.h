// The main window as the window logic (ui/) sees it: what it is made of (its description),
// what the user does in it (its events) and how the window logic changes it (Fenster).
// Positions and sizes are in twips; the platform converts them for the screen.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>

#include "platform/laufzeitfehler.h"

// A control of the main window is known by its number, which the window's description gives.
using Steuerelement = int;
inline constexpr Steuerelement Kein_Steuerelement = -1;

// 1440 twips to the inch: 15 twips are one pixel at 96 DPI.
inline constexpr int Twips_je_Zoll = 1440;

// Twips to pixels at `dpi`, rounded to the nearest pixel (halves up). Negative values stay
// symmetric, so a position and its mirror round alike.
constexpr int Pixel(int twips, int dpi) {
    const long long z = static_cast<long long>(twips) * dpi;
    const long long h = Twips_je_Zoll / 2;
    return static_cast<int>(z >= 0 ? (z + h) / Twips_je_Zoll : -((-z + h) / Twips_je_Zoll));
}

enum class Steuerelementart {
    Rahmen,             // a frame that holds controls
    Schaltflaeche,      // a push button
    Farbschaltflaeche,  // a push button shown in a back colour of the program's choice
    Liste,              // a drop-down list without typing
    Bild,               // a picture control; shows a copy of a source picture
    Bildquelle,         // a picture of the program's resources, never shown itself
};

// A picture of the program's resources, drawn for one size.
struct Bildfassung {
    int pixel;  // width and height
    int ressource;
};

struct Steuerelement_Beschreibung {
    Steuerelement nr;
    Steuerelementart art;
    Steuerelement behaelter;         // Kein_Steuerelement: the window itself
    const char* text;                // nullptr: none
    int links, oben, breite, hoehe;  // twips; inside a frame relative to its top-left corner
    int tabindex;                    // -1: never takes the focus
    // Bildquelle: the picture, drawn for several sizes; the first is its size at 96 DPI, and at
    // other DPI it is shown at that size scaled like the twips.
    std::span<const Bildfassung> fassungen;
};

// What the window is made of: its client size, its one font, its icon and its controls,
// containers before their contents (the status pictures' sizes are their renderings').
struct Fensterbeschreibung {
    int client_breite, client_hoehe;  // twips
    const char* schriftart;
    std::span<const char* const> ersatzschriften;  // in this order, when the system lacks it
    int schriftgroesse_hundertstel_punkt;
    int symbol;  // the window icon's resource number
    std::span<const Steuerelement_Beschreibung> steuerelemente;
    int listenzeilen;  // the rows an open list shows
};

// What the user does in the window, handed to the window logic. Whatever these throw is the
// window logic's to report; the platform only makes sure nothing crosses into the system.
class Fensterereignisse {
  public:
    virtual ~Fensterereignisse() = default;
    virtual void Geklickt(Steuerelement schaltflaeche) = 0;
    // The user picked an entry (never sent for a selection the program makes).
    virtual void Ausgewaehlt(Steuerelement liste) = 0;
    // A failure while the window handled a message of its own (layout, painting).
    virtual void Fehlgeschlagen(const Laufzeitfehler& fehler) = 0;
};

// The events of a user's action passed on to `weiter`, each after `vorher` (a platform starts
// the deadline of the action's waits there).
class Ereignisse_mit_Vorlauf : public Fensterereignisse {
  public:
    Ereignisse_mit_Vorlauf(Fensterereignisse& weiter, std::function<void()> vorher)
        : weiter_(weiter), vorher_(std::move(vorher)) {}
    void Geklickt(Steuerelement schaltflaeche) override {
        vorher_();
        weiter_.Geklickt(schaltflaeche);
    }
    void Ausgewaehlt(Steuerelement liste) override {
        vorher_();
        weiter_.Ausgewaehlt(liste);
    }
    void Fehlgeschlagen(const Laufzeitfehler& fehler) override { weiter_.Fehlgeschlagen(fehler); }

  private:
    Fensterereignisse& weiter_;
    std::function<void()> vorher_;
};

// The main window's controls, as the window logic (ui/) changes them.
// None of these calls runs an event handler of the window.
class Fenster {
  public:
    virtual ~Fenster() = default;
    virtual void Titel_setzen(const std::string& text) = 0;
    virtual void Aktivieren(Steuerelement e, bool aktiv) = 0;
    virtual void Sichtbar_setzen(Steuerelement e, bool sichtbar) = 0;
    virtual void Beschriftung_setzen(Steuerelement e, const std::string& text) = 0;
    // The picture control `ziel` shows a copy of the picture of `quelle`.
    virtual void Bild_kopieren(Steuerelement ziel, Steuerelement quelle) = 0;
    // The source whose picture `bild` shows now (Kein_Steuerelement when none).
    virtual Steuerelement Bild(Steuerelement bild) = 0;
    virtual void Hintergrundfarbe_setzen(Steuerelement e, std::uint32_t farbe) = 0;
    virtual void Eintrag_hinzufuegen(Steuerelement liste, const std::string& text) = 0;
    virtual int Eintragsanzahl(Steuerelement liste) = 0;
    virtual std::string Eintrag(Steuerelement liste, int index) = 0;
    // Selects an entry; sends no selection event (the caller runs the handler itself).
    virtual void Auswahl_setzen(Steuerelement liste, int index) = 0;
    virtual int Auswahl(Steuerelement liste) = 0;  // -1 when nothing is selected
    virtual void Fokus_setzen(Steuerelement e) = 0;
    virtual void Oben_setzen(Steuerelement e, int twips) = 0;
    virtual void Hoehe_setzen(int twips) = 0;  // the window's outer height
    virtual bool Ist_sichtbar() = 0;
    // Unloads the window; the program ends when its message loop sees that.
    virtual void Entladen() = 0;
};
