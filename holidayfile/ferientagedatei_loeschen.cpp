// Step 2 in removal mode: Ferientage.dat is deleted, so the host marks no school holidays.
#include <string>

#include "hostdata/konfigdaten.h"
#include "platform/plattform.h"
#include "services/logbuch.h"
#include "services/meldungen.h"
#include "services/texte.h"
#include "startup/globale.h"
#include "startup/host.h"
#include "ui/frm_schulferien.h"

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
        // counts as removed.
        if (plattform().Datei_vorhanden(pfad)) {
            Meldung_anzeigen("Löschen der Datei '" + pfad + "' fehlgeschlagen.");
            return;
        }

        Logbuch_ergaenzen(2, "Kennzeichnen der Schulferien aufgehoben");
        Meldung_anzeigen(
            "Funktion ausgeführt. Schulferien werden künftig nicht mehr gekennzeichnet.");
        Fenster& f = fenster();
        f.Bild_kopieren(imgIcon(4), Element::imgOK);
        f.Aktivieren(cmdAuswahl(4), false);
    });
}
