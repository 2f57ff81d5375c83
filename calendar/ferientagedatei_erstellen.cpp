#include "calendar/ferientagedatei_erstellen.h"

#include <cstddef>
#include <string>

#include "calendar/schulferien.h"
#include "form/schritte.h"
#include "holidayfile/ferientage.h"
#include "platform/plattform.h"
#include "services/logbuch.h"
#include "services/meldungen.h"
#include "services/programmzustand.h"
#include "services/text.h"
#include "services/texte.h"

namespace {

// Where the newest version of the tool is offered.
constexpr const char* Downloadseite = "https://www.velmorant.de/download";
// The source of the holiday periods.
constexpr const char* KMK_Seite = "https://www.kmk.org";

// With this many periods or more, the confirmation leaves out those that ended before
// this year.
constexpr std::size_t Volle_Liste_bis = 29;

constexpr std::size_t Erster_Slot = 1;
constexpr std::size_t Letzter_Slot = 33;

// Period texts: dd.mm.yy - dd.mm.yy Name; the two-character fields by position.
std::string Feld(const std::string& zeitraum, std::size_t position) {
    return Mitte(zeitraum, position, 2);
}

}  // namespace

void Ferientagedatei_erstellen() {
    Geschuetzt(std::string(frmName) + " - Ferientagedatei_erstellen", [&] {
        Fenster& f = fenster();
        const int auswahl = f.Auswahl(Element::cmbLaenderliste);
        const int land_nr = auswahl + 1;
        if (land_nr < 1 || land_nr >= static_cast<int>(Programm.Schulferienarray.size())) {
            throw Fehler(Fehlernummer::IndexAusserhalb);
        }
        Programm.Land = f.Eintrag(Element::cmbLaenderliste, auswahl);
        const Bundesland& bundesland = Programm.Schulferienarray[static_cast<std::size_t>(land_nr)];

        // The built-in data must still hold a period that starts in the current year.
        const std::string jahr = Rechts(std::to_string(plattform().Jetzt().Jahr), 2);
        bool aktuell = false;
        for (std::size_t j = Erster_Slot; j <= Letzter_Slot; ++j) {
            const std::string& zeitraum = bundesland.Ferien[j];
            if (!zeitraum.empty() && Feld(zeitraum, 7) == jahr) aktuell = true;
        }
        if (!aktuell) {
            Meldung_anzeigen(
                std::string("Diese Programmversion ist überholt. Die neueste Version des "
                            "Programms finden Sie im Internet unter ") +
                Downloadseite);
            return;
        }

        Monatsarray_aufbauen();
        for (std::size_t j = Erster_Slot; j <= Letzter_Slot; ++j) {
            const std::string& zeitraum = bundesland.Ferien[j];
            if (zeitraum.empty()) continue;
            Ferienzeiten_uebernehmen(Feld(zeitraum, 1), Feld(zeitraum, 4), Feld(zeitraum, 7),
                                     Feld(zeitraum, 12), Feld(zeitraum, 15), Feld(zeitraum, 18));
        }

        Feiertage_schreiben();
        Logbuch_ergaenzen(Administratorrechte, "Daten der Schulferien für Land " + Programm.Land +
                                                   " aktualisiert, Stand der Daten: " + Datenstand);

        std::size_t anzahl = 0;
        for (std::size_t j = Erster_Slot; j <= Letzter_Slot; ++j) {
            if (!bundesland.Ferien[j].empty()) ++anzahl;
        }
        std::string liste;
        for (std::size_t j = Erster_Slot; j <= Letzter_Slot; ++j) {
            const std::string& zeitraum = bundesland.Ferien[j];
            if (zeitraum.empty()) continue;
            if (anzahl < Volle_Liste_bis ||
                Wert(Links(Programm.Heute, 2)) <= Wert(Feld(zeitraum, 18))) {
                liste += CR + zeitraum;
            }
        }

        const std::string cr = CR;
        Meldung_anzeigen("Folgende Ferienzeiten werden gekennzeichnet:" + cr + cr +
                         "Land: " + Programm.Land + cr + liste + cr + cr + "Stand der Daten " +
                         Datenstand + ". Quelle: Kultusminister-" + cr + "konferenz (" + KMK_Seite +
                         "). Keine Gewähr für die" + cr + "Richtigkeit.");

        Schritt_erledigt(f, 4);
        f.Aktivieren(cmdAuswahl(4), false);
    });
}
