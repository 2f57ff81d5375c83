#include "platform/plattform.h"

namespace {
Plattform* aktuelle_plattform = nullptr;
}  // namespace

Plattform& plattform() {
    if (!aktuelle_plattform) throw Fehler(Fehlernummer::UngueltigerAufruf);
    return *aktuelle_plattform;
}

void Plattform_setzen(Plattform* p) {
    aktuelle_plattform = p;
}
