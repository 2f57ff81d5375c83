#include "holidayfile/ferientagedatei_loeschen.h"

#include <string>

#include "form/schritte.h"
#include "platform/plattform.h"
#include "services/host.h"
#include "services/logbuch.h"
#include "services/meldungen.h"
#include "services/programmzustand.h"
#include "services/texte.h"

void Ferientagedatei_loeschen() {
    Geschuetzt(std::string(frmName) + " - Ferientagedatei_löschen", [&] {
        const std::string pfad = Programm.Datenordner + Host::Ferientagedatei;
        Datei_loeschen(pfad);
        // Datei_loeschen reports nothing; only the file's absence counts. A missing file
        // counts as removed; a hidden or system file that survived does not, nor does one
        // behind a path that can't be reached (a share gone): no one can tell it went.
        if (Datei_noch_vorhanden(pfad)) {
            Meldung_anzeigen("Löschen der Datei '" + pfad + "' fehlgeschlagen.");
            return;
        }

        Logbuch_ergaenzen(Administratorrechte, "Kennzeichnen der Schulferien aufgehoben");
        Meldung_anzeigen(
            "Funktion ausgeführt. Schulferien werden künftig nicht mehr gekennzeichnet.");
        Fenster& f = fenster();
        Schritt_erledigt(f, 4);
        f.Aktivieren(cmdAuswahl(4), false);
    });
}
