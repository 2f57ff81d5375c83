#include "services/kanal.h"

#include <utility>

#include "platform/plattform.h"
#include "services/programmzustand.h"

bool Kanal_offen() {
    return Programm.Kanal.modus != Dateikanal::Modus::Zu;
}

void Kanal_schliessen(bool uebernehmen) {
    const Dateikanal kanal = std::exchange(Programm.Kanal, Dateikanal{});
    if (kanal.modus == Dateikanal::Modus::Schreiben)
        plattform().Datei_schliessen(kanal.nummer, uebernehmen);
}

void Kanal_verwerfen() {
    try {
        Kanal_schliessen(false);
    } catch (const Laufzeitfehler&) {
        // Nothing more can be done for a file that is given up.
    }
}
