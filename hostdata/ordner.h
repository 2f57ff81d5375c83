// Choosing the host's data folder (module modOrdner).
#pragma once

#include <string>

std::string BrowseForFolder();
bool Datenordner_auswaehlen();
