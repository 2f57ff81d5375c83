// The main window the window contract tests run against, made from the program's layout, and
// what the user sees of it. The fake's window and the Win32 window each provide one, and the
// same tests run on both.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "platform/plattform.h"

// A control's place and size in pixels, in the window's client area.
struct Lage {
    int links, oben, breite, hoehe;
    friend bool operator==(const Lage&, const Lage&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Lage& l) {
        return os << "{" << l.links << ", " << l.oben << ", " << l.breite << ", " << l.hoehe << "}";
    }
};

// Where a control of `beschreibung` lies at `dpi` when `oben(nr)` gives the twips of each
// control's top edge (a control in a frame counts from the frame's corner).
template <class Oben>
Lage Lage_bei(const Fensterbeschreibung& beschreibung, Steuerelement e, int dpi, Oben&& oben) {
    Lage lage{0, 0, 0, 0};
    bool erstes = true;
    for (Steuerelement nr = e; nr != Kein_Steuerelement;) {
        const Steuerelement_Beschreibung* s = nullptr;
        for (const Steuerelement_Beschreibung& k : beschreibung.steuerelemente) {
            if (k.nr == nr) s = &k;
        }
        if (!s) break;
        if (erstes) lage = {0, 0, Pixel(s->breite, dpi), Pixel(s->hoehe, dpi)};
        erstes = false;
        lage.links += Pixel(s->links, dpi);
        lage.oben += Pixel(oben(nr), dpi);
        nr = s->behaelter;
    }
    return lage;
}

class Fensterumgebung {
  public:
    virtual ~Fensterumgebung() = default;

    virtual Fenster& fenster() = 0;
    virtual void Zeigen() = 0;
    // The window moves to a monitor of another DPI (Windows sends WM_DPICHANGED).
    virtual void Dpi_wechseln(int dpi) = 0;
    virtual int Dpi() = 0;

    // What the user sees.
    // It is on the screen: it, its containers and the window shown.
    virtual bool Zu_sehen(Steuerelement e) = 0;
    virtual Steuerelement Fokus() = 0;  // Kein_Steuerelement: no control has it
    // The control's caption; the window's title for Kein_Steuerelement.
    virtual std::string Text(Steuerelement e) = 0;
    virtual Lage Lage_von(Steuerelement e) = 0;
    virtual int Fensterhoehe() = 0;  // the outer height in pixels
};

// The main window of the program's layout, hidden, reporting to `ereignisse`.
std::unique_ptr<Fensterumgebung> Neues_Fenster(Fensterereignisse& ereignisse);
