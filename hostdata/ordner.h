// Choosing the host's data folder (module modOrdner).
#pragma once

#include <string>

// Whether `ordner` holds the host's data files. Throws Laufzeitfehler(DateinameFalsch) when
// the folder can't be searched.
bool Enthaelt_Daten(const std::string& ordner);

std::string BrowseForFolder();
bool Datenordner_auswaehlen();
