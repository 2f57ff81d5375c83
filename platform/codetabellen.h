// The code pages the program knows by heart: Windows-1252 (Western) and Windows-1250 (Central
// European). Their unassigned bytes keep their C1 code points, as Windows converts them, so
// that every byte survives a round trip.
#pragma once

#include <array>
#include <string>

// The characters that the bytes 0x80..0xFF stand for in an 8-bit code page (the bytes below
// are ASCII in all of them).
using Codetabelle = std::array<char32_t, 128>;

// The code page UTF-8, which Windows 10 offers as the ANSI code page ("Unicode UTF-8 für
// weltweite Sprachunterstützung"): the program's texts are its bytes already.
inline constexpr unsigned Codeseite_utf8 = 65001;

// nullptr for a code page the program carries no table of.
const Codetabelle* Bekannte_codetabelle(unsigned codepage);
const Codetabelle& Windows_1252();
// UTF-8 to bytes of an 8-bit code page (characters it lacks become "?") and back; a stray byte
// keeps its value both ways.
std::string Nach_Ansi(const std::string& utf8, const Codetabelle& tabelle = Windows_1252());
std::string Von_Ansi(const std::string& ansi, const Codetabelle& tabelle = Windows_1252());
