// What the error report says about a failure.
#pragma once

#include <string>

#include "platform/plattform.h"

// The failure's own words, or else the standard description of its number.
std::string Fehlerbeschreibung(const Laufzeitfehler& fehler);
