#include "hostdata/datenordner_checken.h"

#include <string>

#include "form/schritte.h"
#include "holidayfile/ferientage.h"
#include "hostdata/ordner.h"
#include "platform/plattform.h"
#include "services/host.h"
#include "services/meldungen.h"
#include "services/programmzustand.h"
#include "services/texte.h"

namespace {

// The text of the state list's selected entry; "" when nothing is selected.
std::string Gewaehltes_Land(Fenster& f) {
    const int auswahl = f.Auswahl(Element::cmbLaenderliste);
    return auswahl < 0 ? std::string() : f.Eintrag(Element::cmbLaenderliste, auswahl);
}

// Selects the first list entry that equals `land` exactly and runs the list's selection
// handler, as a user's choice would.
void Land_vorwaehlen(Fenster& f, const std::string& land) {
    const int anzahl = f.Eintragsanzahl(Element::cmbLaenderliste);
    for (int i = 0; i < anzahl; ++i) {
        if (f.Eintrag(Element::cmbLaenderliste, i) == land) {
            f.Auswahl_setzen(Element::cmbLaenderliste, i);
            cmbLaenderliste_Click();
            return;
        }
    }
}

}  // namespace

void Datenordner_checken() {
    Geschuetzt(std::string(frmName) + " - Datenordner_checken", [&] {
        if (!Enthaelt_Daten(Programm.Datenordner)) {
            Meldung_anzeigen("Im Ordner " + Pfad_kuerzen(Programm.Datenordner) +
                             " wurden keine An-/Abwesenheitsdaten gefunden.");
            return;
        }

        // Log folder: the one from the host's path settings, else Logs below the data; only
        // a folder that exists is kept.
        if (Programm.Logordner.empty())
            Programm.Logordner = Programm.Datenordner + Host::Logunterordner;
        if (!Ordner_vorhanden(Programm.Logordner)) Programm.Logordner.clear();

        Fenster& f = fenster();
        // Step 1 is done for good: the data folder can't be chosen again in this run.
        Schritt_erledigt(f, 1);
        f.Aktivieren(cmdAuswahl(1), false);

        if (!Programm.Aktivieren) {
            Schritt_aktuell(f, 4);
            return;
        }

        Schritt_aktuell(f, 2);

        // An earlier marking offers its state and colour again.
        Feiertage_lesen();
        if (!Programm.Land.empty()) Land_vorwaehlen(f, Programm.Land);
        if (Gewaehltes_Land(f).empty() || Programm.Farbe == 0) return;

        Schritt_erledigt(f, 3);
        f.Hintergrundfarbe_setzen(cmdAuswahl(3), static_cast<std::uint32_t>(Programm.Farbe));
        Schritt_aktuell(f, 4);
    });
}
