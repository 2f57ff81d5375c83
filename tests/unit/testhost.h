// Test support: the demo host planner's files, and names for what the user sees.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "form/steuerelemente.h"
#include "platform/plattform.h"
#include "services/text.h"
#include "tests/support/ferien.h"
#include "tests/support/verwuerfelt.h"

namespace testhost {

inline constexpr const char* Benutzer = "meier";
inline constexpr const char* Kennung = "ZK-20417 Grundschule Südpark";

// The lines of the demo host's Konfigdaten.dat; the administrator list follows them.
inline std::vector<std::string> Konfigkopf() {
    return {"[Zedrano]",
            Kennung,
            "Velmorant Netzwerk 7.2",
            "[Firma]",
            "Grundschule Südpark",
            "Parkstraße 3, 12345 Musterstadt",
            "[Settings]",
            "0000000000000000000000",
            "1",
            "[Administratoren]"};
}

// Each step's status picture, frame and control; steps 1 to 4.
struct Schrittelemente {
    Element bild, rahmen, steuer;
};
inline constexpr Schrittelemente Schritt_von[] = {
    {Element::Keins, Element::Keins, Element::Keins},
    {Element::imgIcon1, Element::fraRahmen1, Element::cmdAuswahl1},
    {Element::imgIcon2, Element::fraRahmen2, Element::cmbLaenderliste},
    {Element::imgIcon3, Element::fraRahmen3, Element::cmdAuswahl3},
    {Element::imgIcon4, Element::fraRahmen4, Element::cmdAuswahl4},
};

inline std::string Bildname(Steuerelement bild) {
    switch (bild) {
        case Element::imgPfeil:
            return "Pfeil";
        case Element::imgOK:
            return "OK";
        case Element::imgInaktiv:
            return "Inaktiv";
        case Element::Keins:
            return "Keins";
        default:
            return "?";
    }
}

}  // namespace testhost
