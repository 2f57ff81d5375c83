// The built-in school-holiday periods of the sixteen states, and the month table.
#pragma once

#include <string>

inline constexpr const char* Datenstand = "15.06.24";

void Schulferienarray_definieren();
// Ten years of months from January of last year, all day flags "0".
void Monatsarray_aufbauen();
// Sets the day flags of one period in Monatsarray; the period is clipped to the table.
void Ferienzeiten_uebernehmen(std::string VonTag, std::string VonMonat, std::string VonJahr,
                              std::string BisTag, std::string BisMonat, std::string BisJahr);
