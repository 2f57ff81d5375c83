// Host files in the scrambled line form, written and read independently of the channel.
#pragma once

#include <string>
#include <vector>

#include "services/text.h"
#include "services/verwuerfelung.h"

namespace orakel {

// A text (UTF-8) in the bytes of an 8-bit code page the program knows, or of UTF-8.
inline std::string In_Codeseite(const std::string& text, unsigned codepage) {
    return codepage == Codeseite_utf8 ? text : Nach_Ansi(text, *Bekannte_codetabelle(codepage));
}

// Lines of bytes as the host stores them: one scrambled line each, CR LF.
inline std::string Verwuerfelt_roh(const std::vector<std::string>& zeilen) {
    std::string bytes;
    unsigned schluessel = 65;
    for (const std::string& zeile : zeilen) {
        bytes += Verwuerfeln(zeile, static_cast<unsigned char>(schluessel)) + "\r\n";
        schluessel = 32 + (schluessel + 37) % 223;  // keys all over 32..254
    }
    return bytes;
}

// Texts (UTF-8) as the host stores them, in `codepage`.
inline std::string Verwuerfelt(const std::vector<std::string>& zeilen, unsigned codepage = 1252) {
    std::vector<std::string> bytes;
    for (const std::string& zeile : zeilen) bytes.push_back(In_Codeseite(zeile, codepage));
    return Verwuerfelt_roh(bytes);
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
