// The checks of the end-to-end scenarios: expectations that are counted and reported, not
// thrown, so that one run shows every difference; and what the window and the host's files
// are expected to show.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/steuerung.h"

namespace e2e {

// --- Reporting ------------------------------------------------------------------------------

// How many checks have failed in this run.
int Fehlerzahl();
// Counts and prints a failure when `ok` is false.
void Pruefen(bool ok, const std::string& was);
// A text with its carriage returns visible.
std::string Sichtbar_machen(const std::string& s);

template <class T>
std::string Text_von(const T& wert) {
    std::ostringstream s;
    s << wert;
    return s.str();
}
inline std::string Text_von(const std::string& wert) {
    return '"' + Sichtbar_machen(wert) + '"';
}
inline std::string Text_von(const std::wstring& wert) {
    return Text_von(U(wert));
}

template <class T, class U2>
void Gleich(const T& ist, const U2& soll, const std::string& was) {
    Pruefen(ist == soll, was + ": ist " + Text_von(ist) + ", soll " + Text_von(soll));
}

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
// The log book's single entry: the day ("dd.mm.yy "), then user, marker and text.
void Logbuch_pruefen(const std::wstring& datei, const std::string& datum, const std::string& rest);
// No log book in the folder `logs` (ends in "\").
void Kein_Logbuch(const std::wstring& logs);

}  // namespace e2e
