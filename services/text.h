// Text helpers. Texts are UTF-8; positions and lengths count characters, not bytes.
#pragma once

#include <cstddef>
#include <string>

#include "platform/codetabellen.h"
#include "platform/utf8.h"

std::size_t Laenge(const std::string& s);
std::string Links(const std::string& s, std::size_t n);
std::string Rechts(const std::string& s, std::size_t n);
// From character `start` (counted from 1), `n` characters (all the rest by default).
std::string Mitte(const std::string& s, std::size_t start, std::size_t n = std::string::npos);
// Small letters, as the system maps letter case (Plattform::Kleinbuchstaben).
std::string Kleinbuchstaben(const std::string& s);
// The numeric value of a text of decimal digits, as the month table and the period texts
// use it ("01" is 1). Throws Laufzeitfehler(Typenkonflikt) for any other text.
int Wert(const std::string& ziffern);
// The number with at least two digits ("7" -> "07").
std::string Zweistellig(int zahl);
