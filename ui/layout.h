// The main window's layout: its size, font and controls with their texts, positions and sizes
// in twips, in the order in which the window creates them. The one place for these values;
// the Win32 window converts them to pixels with the window's DPI.
#pragma once

#include <cstddef>

#include "platform/plattform.h"

namespace Layout {

// 1440 twips to the inch: 15 twips are one pixel at 96 DPI.
inline constexpr int Twips_je_Zoll = 1440;

// Twips to pixels at `dpi`, rounded to the nearest pixel (halves up). Negative values stay
// symmetric, so a position and its mirror round alike.
constexpr int Pixel(int twips, int dpi) {
    const long long z = static_cast<long long>(twips) * dpi;
    const long long h = Twips_je_Zoll / 2;
    return static_cast<int>(z >= 0 ? (z + h) / Twips_je_Zoll : -((-z + h) / Twips_je_Zoll));
}

// The window's client area.
inline constexpr int Client_Breite = 5475;
inline constexpr int Client_Hoehe = 6360;

// One font for the window and all its controls.
inline constexpr const char* Schriftart = "Microsoft Sans Serif";
// Used, in this order, when the system lacks the font above.
inline constexpr const char* Ersatzschriften[] = {"Tahoma", "MS Shell Dlg 2", "MS Shell Dlg"};
inline constexpr int Schriftgroesse_Hundertstel_Punkt = 975;  // 9.75 pt

// The status pictures: 17 x 17 pixels at 96 DPI.
inline constexpr int Bild_Pixel = 17;

enum class Art { Rahmen, Schaltflaeche, Liste, Bild };

struct Steuerelement {
    Element element;
    Art art;
    Element behaelter;               // Element::Keins: the window itself
    const char* text;                // nullptr: none
    int links, oben, breite, hoehe;  // twips; inside a frame relative to its top-left corner
    int tabindex;                    // -1: never takes the focus
};

// In creation order: container first, then its contents.
inline constexpr Steuerelement Steuerelemente[] = {
    {Element::fraRahmen1, Art::Rahmen, Element::Keins, "Schritt 1: Datenordner auswählen", 300, 240,
     4860, 1095, 1},
    {Element::cmdAuswahl1, Art::Schaltflaeche, Element::fraRahmen1, "&Datenordner auswählen ...",
     510, 450, 4110, 375, 2},
    {Element::imgIcon1, Art::Bild, Element::fraRahmen1, nullptr, 150, 510, 255, 255, -1},
    {Element::fraRahmen2, Art::Rahmen, Element::Keins, "Schritt 2: Bundesland auswählen", 300, 1560,
     4860, 1095, 3},
    {Element::cmbLaenderliste, Art::Liste, Element::fraRahmen2, nullptr, 510, 465, 4110, 360, 4},
    {Element::imgIcon2, Art::Bild, Element::fraRahmen2, nullptr, 150, 510, 255, 255, -1},
    {Element::fraRahmen3, Art::Rahmen, Element::Keins, "Schritt 3: Farbe auswählen", 300, 2880,
     4860, 1095, 5},
    {Element::cmdAuswahl3, Art::Schaltflaeche, Element::fraRahmen3, "&Farbe auswählen ...", 510,
     450, 4110, 375, 6},
    {Element::imgIcon3, Art::Bild, Element::fraRahmen3, nullptr, 150, 510, 255, 255, -1},
    {Element::fraRahmen4, Art::Rahmen, Element::Keins,
     "Schritt 4: Kennzeichnen der Schulferien aktivieren", 300, 4200, 4860, 1095, 7},
    {Element::cmdAuswahl4, Art::Schaltflaeche, Element::fraRahmen4,
     "&Kennzeichnen der Schulferien aktivieren", 510, 450, 4110, 375, 8},
    {Element::imgIcon4, Art::Bild, Element::fraRahmen4, nullptr, 150, 510, 255, 255, -1},
    {Element::cmdAuswahl5, Art::Schaltflaeche, Element::Keins, "&Beenden", 1830, 5640, 1800, 375,
     0},
    {Element::imgPfeil, Art::Bild, Element::Keins, nullptr, 360, 5700, 255, 255, -1},
    {Element::imgOK, Art::Bild, Element::Keins, nullptr, 690, 5700, 255, 255, -1},
    {Element::imgInaktiv, Art::Bild, Element::Keins, nullptr, 1020, 5700, 255, 255, -1},
};

inline constexpr std::size_t Anzahl = sizeof(Steuerelemente) / sizeof(Steuerelemente[0]);

// Removal mode: step 4 takes the place of step 2, the quit button moves up below it and the
// window's outer height shrinks to fit.
inline constexpr int Entfernen_Rahmen4_oben = 1560;
inline constexpr int Entfernen_Beenden_oben = 3000;
inline constexpr int Entfernen_Fensterhoehe = 4095;

// The layout entry of a control; nullptr for Element::Keins.
constexpr const Steuerelement* Eintrag(Element e) {
    for (const Steuerelement& s : Steuerelemente) {
        if (s.element == e) return &s;
    }
    return nullptr;
}

}  // namespace Layout
