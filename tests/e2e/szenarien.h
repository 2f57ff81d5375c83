// The end-to-end scenarios, by name.
#pragma once

#include <string>

namespace e2e {

// Runs the scenario `name` and reports its checks; 0 when every check held. Throws
// Fehlschlag when it has to stop early (or there is no such scenario).
int Szenario_ausfuehren(const std::string& name);

}  // namespace e2e
