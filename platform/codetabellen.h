// The code pages the program knows by heart: Windows-1252 (Western) and Windows-1250 (Central
// European). Their unassigned bytes keep their C1 code points, as Windows converts them, so
// that every byte survives a round trip.
#pragma once

#include <array>

// The characters that the bytes 0x80..0xFF stand for in an 8-bit code page (the bytes below
// are ASCII in all of them).
using Codetabelle = std::array<char32_t, 128>;

// nullptr for a code page the program carries no table of.
const Codetabelle* Bekannte_codetabelle(unsigned codepage);
const Codetabelle& Windows_1252();
