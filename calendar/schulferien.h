// The built-in school-holiday periods of the sixteen states, and the month table.
#pragma once

#include <string>

inline constexpr const char* Datenstand = "15.06.24";

void Schulferienarray_definieren();
// Ten years of months from January of last year, all day flags "0".
void Monatsarray_aufbauen();
