// Ferientage.dat: writer, reader and the colour text.
#pragma once

#include <cstdint>
#include <string>

void Feiertage_schreiben();
void Feiertage_lesen();
std::string HexFarbe(std::int32_t farbe);
