// The host's monthly log book.
#pragma once

#include <cstdint>
#include <string>

#include "platform/plattform.h"

void Logbuch_ergaenzen(std::uint8_t stufe, const std::string& text);
std::string FormatDatumDS(const Zeitpunkt& datum);  // YYMMDD
