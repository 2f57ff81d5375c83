// Host files in the scrambled line form, written and read independently of the channel.
#pragma once

#include <string>
#include <vector>

#include "services/text.h"
#include "services/verwuerfelung.h"

namespace orakel {

// Texts (UTF-8) as the host stores them: one scrambled line each in the code page of
// `tabelle`, CR LF.
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

// The plain lines (UTF-8) of a file in the scrambled line form.
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

}  // namespace orakel
