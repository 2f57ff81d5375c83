// The main window of the program's layout, for the window contract tests, and what the user
// sees of it. The fake's window and the Win32 window each provide one.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/plattform.h"
#include "ui/layout.h"

// Left, top, width and height in pixels, in the window's client area.
using Lage = std::array<int, 4>;

class Fensterumgebung {
  public:
    virtual ~Fensterumgebung() = default;
    virtual Fenster& fenster() = 0;
    virtual void Zeigen() = 0;
    virtual void Dpi_wechseln(int dpi) = 0;  // as Windows does it with WM_DPICHANGED
    virtual int Dpi() = 0;

    // What the user sees.
    virtual bool Zu_sehen(Element e) = 0;     // it, its frame and the window shown
    virtual Element Fokus() = 0;              // Keins: no control has it
    virtual std::string Text(Element e) = 0;  // the window's title for Keins
    virtual Lage Lage_von(Element e) = 0;
    virtual int Fensterhoehe() = 0;  // outer, in pixels
};

// Hidden; its events go to `ereignisse`.
std::unique_ptr<Fensterumgebung> Neues_Fenster(Fensterereignisse& ereignisse);
