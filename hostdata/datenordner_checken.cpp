// Checking the chosen data folder and moving the window on from step 1.
#include <string>

#include "holidayfile/ferientage.h"
#include "platform/plattform.h"
#include "services/meldungen.h"
#include "startup/globale.h"
#include "startup/host.h"
#include "ui/frm_schulferien.h"

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
        if (!plattform().Muster_vorhanden(Datenordner + Host::Datenmuster)) {
            Meldung_anzeigen("Im Ordner " + Pfad_kuerzen(Datenordner) +
                             " wurden keine An-/Abwesenheitsdaten gefunden.");
            return;
        }

        // Log folder: the one from the host's path settings, else Logs below the data; only
        // a folder that exists is kept.
        if (Logordner.empty()) Logordner = Datenordner + Host::Logunterordner;
        if (!Ordner_vorhanden(Logordner)) Logordner.clear();

        Fenster& f = fenster();
        // Step 1 is done for good: the data folder can't be chosen again in this run.
        f.Bild_kopieren(imgIcon(1), Element::imgOK);
        f.Aktivieren(cmdAuswahl(1), false);

        if (!Aktivieren) {
            f.Aktivieren(fraRahmen(4), true);
            f.Bild_kopieren(imgIcon(4), Element::imgPfeil);
            f.Aktivieren(cmdAuswahl(4), true);
            return;
        }

        f.Aktivieren(fraRahmen(2), true);
        f.Bild_kopieren(imgIcon(2), Element::imgPfeil);
        f.Aktivieren(Element::cmbLaenderliste, true);

        // An earlier marking offers its state and colour again.
        Feiertage_lesen();
        if (!Land.empty()) Land_vorwaehlen(f, Land);
        if (Gewaehltes_Land(f).empty() || Farbe == 0) return;

        f.Bild_kopieren(imgIcon(3), Element::imgOK);
        f.Hintergrundfarbe_setzen(cmdAuswahl(3), static_cast<std::uint32_t>(Farbe));
        f.Aktivieren(fraRahmen(4), true);
        f.Bild_kopieren(imgIcon(4), Element::imgPfeil);
        f.Aktivieren(cmdAuswahl(4), true);
    });
}
