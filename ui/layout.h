// The main window's layout: its size, font and controls with their texts, positions and sizes
// in twips, in the order in which the window creates them. The one place for these values;
// the platform's window converts them to pixels with the window's DPI.
#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <tuple>

#include "calendar/schulferien_daten.h"
#include "form/steuerelemente.h"
#include "platform/fenster.h"
#include "ui/resources/ressourcen.h"

namespace Layout {

// The window's client area.
inline constexpr int Client_Breite = 5475;
inline constexpr int Client_Hoehe = 6360;

// One font for the window and all its controls.
inline constexpr const char* Schriftart = "Microsoft Sans Serif";
// Used, in this order, when the system lacks the font above.
inline constexpr const char* Ersatzschriften[] = {"Tahoma", "MS Shell Dlg 2", "MS Shell Dlg"};
inline constexpr int Schriftgroesse_Hundertstel_Punkt = 975;  // 9.75 pt

// The status pictures, as drawn for 96, 120, 144, 192 and 240 DPI (17 x 17 pixels at 96 DPI).
// The resource script numbers the sizes of one picture 10 apart (ui/resources/ressourcen.h).
inline constexpr int Bildgroessen[] = {17, 21, 26, 34, 43};
constexpr std::array<Bildfassung, std::size(Bildgroessen)> Fassungen(int ressource) {
    std::array<Bildfassung, std::size(Bildgroessen)> f{};
    for (std::size_t i = 0; i < f.size(); ++i)
        f[i] = {Bildgroessen[i], ressource + 10 * static_cast<int>(i)};
    return f;
}
inline constexpr auto Pfeil = Fassungen(IDR_PFEIL);
inline constexpr auto OK = Fassungen(IDR_OK);
inline constexpr auto Inaktiv = Fassungen(IDR_INAKTIV);
static_assert(Pfeil.back().ressource == IDR_PFEIL_43 && OK.back().ressource == IDR_OK_43 &&
              Inaktiv.back().ressource == IDR_INAKTIV_43);

// In creation order: container first, then its contents. Positions and sizes in twips.
// clang-format off
inline constexpr Steuerelement_Beschreibung Steuerelemente[] = {
    // control, kind, container, text, left, top, width, height, tab index, pictures
    {Element::fraRahmen1, Steuerelementart::Rahmen, Element::Keins,
     "Schritt 1: Datenordner auswählen", 300, 240, 4860, 1095, 1, {}},
    {Element::cmdAuswahl1, Steuerelementart::Schaltflaeche, Element::fraRahmen1,
     "&Datenordner auswählen ...", 510, 450, 4110, 375, 2, {}},
    {Element::imgIcon1, Steuerelementart::Bild, Element::fraRahmen1,
     nullptr, 150, 510, 255, 255, -1, {}},
    {Element::fraRahmen2, Steuerelementart::Rahmen, Element::Keins,
     "Schritt 2: Bundesland auswählen", 300, 1560, 4860, 1095, 3, {}},
    {Element::cmbLaenderliste, Steuerelementart::Liste, Element::fraRahmen2,
     nullptr, 510, 465, 4110, 360, 4, {}},
    {Element::imgIcon2, Steuerelementart::Bild, Element::fraRahmen2,
     nullptr, 150, 510, 255, 255, -1, {}},
    {Element::fraRahmen3, Steuerelementart::Rahmen, Element::Keins,
     "Schritt 3: Farbe auswählen", 300, 2880, 4860, 1095, 5, {}},
    {Element::cmdAuswahl3, Steuerelementart::Farbschaltflaeche, Element::fraRahmen3,
     "&Farbe auswählen ...", 510, 450, 4110, 375, 6, {}},
    {Element::imgIcon3, Steuerelementart::Bild, Element::fraRahmen3,
     nullptr, 150, 510, 255, 255, -1, {}},
    {Element::fraRahmen4, Steuerelementart::Rahmen, Element::Keins,
     "Schritt 4: Kennzeichnen der Schulferien aktivieren", 300, 4200, 4860, 1095, 7, {}},
    {Element::cmdAuswahl4, Steuerelementart::Schaltflaeche, Element::fraRahmen4,
     "&Kennzeichnen der Schulferien aktivieren", 510, 450, 4110, 375, 8, {}},
    {Element::imgIcon4, Steuerelementart::Bild, Element::fraRahmen4,
     nullptr, 150, 510, 255, 255, -1, {}},
    {Element::cmdAuswahl5, Steuerelementart::Schaltflaeche, Element::Keins,
     "&Beenden", 1830, 5640, 1800, 375, 0, {}},
    {Element::imgPfeil, Steuerelementart::Bildquelle, Element::Keins,
     nullptr, 360, 5700, 255, 255, -1, Pfeil},
    {Element::imgOK, Steuerelementart::Bildquelle, Element::Keins,
     nullptr, 690, 5700, 255, 255, -1, OK},
    {Element::imgInaktiv, Steuerelementart::Bildquelle, Element::Keins,
     nullptr, 1020, 5700, 255, 255, -1, Inaktiv},
};
// clang-format on

inline constexpr std::size_t Anzahl = sizeof(Steuerelemente) / sizeof(Steuerelemente[0]);

// The open state list shows all the states at once.
inline constexpr int Listenzeilen = static_cast<int>(std::tuple_size_v<decltype(Schulferiendaten)>);

inline constexpr Fensterbeschreibung Hauptfenster{
    Client_Breite,   Client_Hoehe,   Schriftart,  Ersatzschriften, Schriftgroesse_Hundertstel_Punkt,
    IDI_SCHULFERIEN, Steuerelemente, Listenzeilen};

// Removal mode: step 4 takes the place of step 2, the quit button moves up below it and the
// window's outer height shrinks to fit.
inline constexpr int Entfernen_Rahmen4_oben = 1560;
inline constexpr int Entfernen_Beenden_oben = 3000;
inline constexpr int Entfernen_Fensterhoehe = 4095;

// The layout entry of a control; nullptr for Element::Keins.
constexpr const Steuerelement_Beschreibung* Eintrag(Element e) {
    for (const Steuerelement_Beschreibung& s : Steuerelemente) {
        if (s.nr == e) return &s;
    }
    return nullptr;
}

}  // namespace Layout
