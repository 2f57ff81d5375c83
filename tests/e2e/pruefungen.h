// The checks of the end-to-end scenarios as GoogleTest expectations (a failed one is
// reported and the scenario goes on, so that one run shows every difference): what the
// window and the host's files are expected to show.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "tools/fernsteuerung.h"

namespace e2e {

using namespace fernsteuerung;
// The remote control's function, not the platform's type of the same name.
using fernsteuerung::Steuerelement;

// --- The window -----------------------------------------------------------------------------

struct Teile {
    HWND fenster;
    std::array<HWND, 5> rahmen{};  // 1..4
    std::array<HWND, 5> bild{};    // 1..4, the picture in each frame
    HWND schritt1, liste, schritt3, schritt4, beenden;
};

inline const std::wstring Rahmen4_Kennzeichnen =
    L"Schritt 4: Kennzeichnen der Schulferien aktivieren";
inline const std::wstring Schritt4_Kennzeichnen = L"&Kennzeichnen der Schulferien aktivieren";
inline const std::wstring Rahmen4_Aktualisieren = L"Schritt 4: Schulferiendaten aktualisieren";
inline const std::wstring Schritt4_Aktualisieren = L"Schulferiendaten aktualisieren";

// The controls of the window in marking mode, step 4 under the given captions; in removal
// mode (`entfernen`) only steps 1 and 4 have their controls.
Teile Teile_finden(HWND f, const std::wstring& rahmen4, const std::wstring& schritt4,
                   bool entfernen = false);

// A step as the window shows it: its picture, whether its frame and its control are enabled.
enum class Bild { Pfeil, OK, Inaktiv };
struct Schritt {
    Bild bild;
    bool rahmen_aktiv, steuerelement_aktiv;
};
constexpr Schritt Grau{Bild::Inaktiv, false, false};
constexpr Schritt Aktuell{Bild::Pfeil, true, true};
constexpr Schritt Erledigt_gesperrt{Bild::OK, true, false};  // step 1, and step 4 when done
constexpr Schritt Erledigt_offen{Bild::OK, true, true};      // steps 2 and 3
// Steps 1..4 (index 0 unused); nullopt: the step is hidden.
using Schritte = std::array<std::optional<Schritt>, 5>;

void Schritte_pruefen(const Bildschirmfoto& foto, const Teile& t, const Schritte& soll);
// The geometry of the window against the layout (twips) at `dpi`.
void Layout_pruefen(const Teile& t, int dpi, bool entfernen);
// The colour that step 3's button shows.
void Farbe_pruefen(const Bildschirmfoto& foto, const Teile& t, COLORREF soll,
                   const std::string& was);

// --- Files ----------------------------------------------------------------------------------

void Zeilen_pruefen(const std::vector<std::string>& ist, const std::vector<std::string>& soll,
                    const std::string& datei);
// The plain lines of a scrambled file of the host.
std::vector<std::string> Zeilen_von(const std::wstring& datei);
// The log book's single entry: its time stamp begins with `zeit` ("dd.mm.yy hh:m", the clock
// of the run), then come user, marker and text.
void Logbuch_pruefen(const std::wstring& datei, const std::string& zeit, const std::string& rest);
// No log book in the folder `logs` (ends in "\").
void Kein_Logbuch(const std::wstring& logs);
// The names of the files in `ordner` (ends in "\\"), sorted; folders left out.
std::vector<std::wstring> Dateinamen(const std::wstring& ordner);

}  // namespace e2e
