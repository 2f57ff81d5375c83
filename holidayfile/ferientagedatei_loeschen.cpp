#include "holidayfile/ferientagedatei_loeschen.h"

#include <string>

#include "hostdata/konfigdaten.h"
#include "platform/plattform.h"
#include "services/host.h"
#include "services/logbuch.h"
#include "services/meldungen.h"
#include "services/programmzustand.h"
#include "services/texte.h"
#include "ui/schritte.h"

void Ferientagedatei_loeschen() {
    Geschuetzt(std::string(frmName) + " - Ferientagedatei_löschen", [&] {
        // The rights are read anew on every click.
        Konfigdaten_lesen();
        if (Rechte != 2) {
            Meldung_anzeigen(Keine_Rechte);
            return;
        }

        const std::string pfad = Datenordner + Host::Ferientagedatei;
        Datei_loeschen(pfad);
        // Datei_loeschen reports nothing; only the file's absence counts. A missing file
        // counts as removed; a hidden or system file that survived does not.
        if (Datei_noch_vorhanden(pfad)) {
            Meldung_anzeigen("Löschen der Datei '" + pfad + "' fehlgeschlagen.");
            return;
        }

        Logbuch_ergaenzen(2, "Kennzeichnen der Schulferien aufgehoben");
        Meldung_anzeigen(
            "Funktion ausgeführt. Schulferien werden künftig nicht mehr gekennzeichnet.");
        Fenster& f = fenster();
        Schritt_erledigt(f, 4);
        f.Aktivieren(cmdAuswahl(4), false);
    });
}
