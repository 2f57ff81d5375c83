// Test support: the demo host planner's files in the scrambled line form, and names for what
// the user sees.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/plattform.h"
#include "services/text.h"
#include "services/verwuerfelung.h"
#include "ui/schritte.h"

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

// A text in the host's scrambled line form, one physical line per entry of `zeilen`, in the
// code page of `tabelle`.
inline std::string Verwuerfelt(const std::vector<std::string>& zeilen,
                               const Codetabelle& tabelle = Windows_1252()) {
    std::string bytes;
    unsigned schluessel = 65;
    for (const std::string& zeile : zeilen) {
        bytes +=
            Verwuerfeln(Nach_Ansi(zeile, tabelle), static_cast<unsigned char>(schluessel)) + "\r\n";
        schluessel = 32 + (schluessel + 37) % 223;  // keys all over 32..254
    }
    return bytes;
}

// The plain lines of a file in the scrambled line form.
inline std::vector<std::string> Entwuerfelt(const std::string& bytes) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang < bytes.size()) {
        std::size_t ende = bytes.find("\r\n", anfang);
        if (ende == std::string::npos) ende = bytes.size();
        zeilen.push_back(Von_Ansi(Entwuerfeln(bytes.substr(anfang, ende - anfang))));
        anfang = ende + 2;
    }
    return zeilen;
}

// A month line of Ferientage.dat: YYMM, ":" and 31 day flags, the given day ranges set.
struct Tage {
    int von, bis;
};
inline std::string Monat(const std::string& jjmm, std::initializer_list<Tage> tage) {
    std::string flags(31, '0');
    for (const Tage& t : tage) {
        for (int tag = t.von; tag <= t.bis; ++tag) flags[static_cast<std::size_t>(tag - 1)] = '1';
    }
    return jjmm + ":" + flags;
}

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
