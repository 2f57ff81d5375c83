// The main window frmSchulferien: loading, the buttons, the state list and the colour step.
#include "ui/frm_schulferien.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <string>

#include "hostdata/ordner.h"
#include "platform/plattform.h"
#include "services/meldungen.h"
#include "services/texte.h"
#include "startup/globale.h"
#include "startup/host.h"
#include "ui/layout.h"

namespace {

// Light green (red 128, green 255, blue 128): the colour the dialog offers while none is
// chosen.
constexpr std::int32_t Vorgabefarbe = 8454016;

void Schritt_nicht_verfuegbar(Fenster& f, Element rahmen, int schritt, Element steuerelement) {
    f.Aktivieren(rahmen, false);
    f.Bild_kopieren(imgIcon(schritt), Element::imgInaktiv);
    f.Aktivieren(steuerelement, false);
}

// Step 4 becomes current; its frame is enabled as well.
void Schritt4_aktuell(Fenster& f) {
    f.Aktivieren(fraRahmen(4), true);
    f.Bild_kopieren(imgIcon(4), Element::imgPfeil);
    f.Aktivieren(cmdAuswahl(4), true);
}

// Whether a data folder from the host's path settings holds data files. One that can't be
// searched (a share that is gone, no access) counts as one without data: the user then
// chooses the folder in step 1 instead of meeting an error report at every start.
bool Daten_erreichbar(const std::string& ordner) {
    try {
        return plattform().Muster_vorhanden(ordner + Host::Datenmuster);
    } catch (const Laufzeitfehler&) {
        return false;
    }
}

}  // namespace

void Form_Load() {
    Geschuetzt(std::string(frmName) + " - Form_Load", [&] {
        Fenster& f = fenster();
        f.Titel_setzen(Titel);
        f.Bild_kopieren(imgIcon(1), Element::imgPfeil);
        Schritt_nicht_verfuegbar(f, fraRahmen(4), 4, cmdAuswahl(4));

        if (Aktivieren) {
            for (std::size_t s = 1; s < Schulferienarray.size(); ++s) {
                f.Eintrag_hinzufuegen(Element::cmbLaenderliste, Schulferienarray[s].Name);
            }
            Schritt_nicht_verfuegbar(f, fraRahmen(2), 2, Element::cmbLaenderliste);
            Schritt_nicht_verfuegbar(f, fraRahmen(3), 3, cmdAuswahl(3));
        } else {
            for (Element e : {fraRahmen(2), imgIcon(2), Element::cmbLaenderliste, fraRahmen(3),
                              imgIcon(3), cmdAuswahl(3)}) {
                f.Sichtbar_setzen(e, false);
            }
            f.Beschriftung_setzen(fraRahmen(4), "Schritt 2: Kennzeichnen der Schulferien aufheben");
            f.Beschriftung_setzen(cmdAuswahl(4), "Kennzeichnen der Schulferien aufheben");
            f.Oben_setzen(fraRahmen(4), Layout::Entfernen_Rahmen4_oben);
            f.Oben_setzen(cmdAuswahl(5), Layout::Entfernen_Beenden_oben);
            f.Hoehe_setzen(Layout::Entfernen_Fensterhoehe);
        }

        // A data folder from the host's path settings is checked at once when it holds data.
        if (!Datenordner.empty() && Daten_erreichbar(Datenordner)) Datenordner_checken();

        if (Aktivieren && FerientageGelesen) {
            f.Beschriftung_setzen(fraRahmen(4), "Schritt 4: Schulferiendaten aktualisieren");
            f.Beschriftung_setzen(cmdAuswahl(4), "Schulferiendaten aktualisieren");
        }
    });
}

void cmdAuswahl_Click(std::int16_t Index) {
    switch (Index) {
        case 1:
            if (Datenordner_auswaehlen()) Datenordner_checken();
            break;
        case 3:
            Farbe_auswaehlen();
            break;
        case 4:
            if (Aktivieren) {
                Ferientagedatei_erstellen();
            } else {
                Ferientagedatei_loeschen();
            }
            break;
        case 5:
            fenster().Entladen();
            break;
        default:
            break;
    }
}

void cmbLaenderliste_Click() {
    Fenster& f = fenster();
    f.Bild_kopieren(imgIcon(2), Element::imgOK);
    if (f.Bild(imgIcon(3)) == Element::imgOK) {
        // The colour is chosen already: step 4 is current again, the focus stays.
        f.Bild_kopieren(imgIcon(4), Element::imgPfeil);
        f.Aktivieren(cmdAuswahl(4), true);
        return;
    }
    f.Aktivieren(fraRahmen(3), true);
    f.Bild_kopieren(imgIcon(3), Element::imgPfeil);
    f.Aktivieren(cmdAuswahl(3), true);
    // While the window loads it is not shown yet and can't take the focus.
    if (f.Ist_sichtbar()) f.Fokus_setzen(cmdAuswahl(3));
}

void Farbe_auswaehlen() {
    // A cancelled dialog, and any failure here, ends the step quietly; what was changed
    // before stays.
    try {
        // The default is kept even when the user cancels.
        if (Farbe == 0) Farbe = Vorgabefarbe;
        const std::optional<std::uint32_t> gewaehlt =
            plattform().Farbe_auswaehlen(static_cast<std::uint32_t>(Farbe), true);
        if (!gewaehlt) return;
        Farbe = static_cast<std::int32_t>(*gewaehlt);

        Fenster& f = fenster();
        f.Hintergrundfarbe_setzen(cmdAuswahl(3), static_cast<std::uint32_t>(Farbe));
        f.Bild_kopieren(imgIcon(3), Element::imgOK);
        Schritt4_aktuell(f);
        f.Fokus_setzen(cmdAuswahl(4));
    } catch (const Laufzeitfehler&) {
    } catch (const std::exception&) {
    }
}
