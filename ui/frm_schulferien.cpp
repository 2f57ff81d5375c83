// The main window frmSchulferien: loading, the buttons, the state list and the colour step.
#include "ui/frm_schulferien.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <string>

#include "calendar/ferientagedatei_erstellen.h"
#include "form/schritte.h"
#include "holidayfile/ferientagedatei_loeschen.h"
#include "hostdata/datenordner_checken.h"
#include "hostdata/konfigdaten.h"
#include "hostdata/ordner.h"
#include "platform/plattform.h"
#include "services/host.h"
#include "services/meldungen.h"
#include "services/programmzustand.h"
#include "services/texte.h"
#include "ui/layout.h"

namespace {

// Light green (red 128, green 255, blue 128): the colour the dialog offers while none is
// chosen.
constexpr std::int32_t Vorgabefarbe = 8454016;

// Whether a data folder from the host's path settings holds data files. One that can't be
// searched (a share that is gone, no access) counts as one without data: the user then
// chooses the folder in step 1 instead of meeting an error report at every start.
bool Daten_erreichbar(const std::string& ordner) {
    try {
        return Enthaelt_Daten(ordner);
    } catch (const Laufzeitfehler&) {
        return false;
    }
}

// The window's events go to the handlers; a failure not caught on the way goes to the common
// error report under the handler's name, which ends the program.
class Ereignisse : public Fensterereignisse {
  public:
    void Geklickt(Steuerelement schaltflaeche) override {
        static constexpr std::int16_t indizes[] = {1, 3, 4, 5};  // the array cmdAuswahl
        for (const std::int16_t index : indizes) {
            if (cmdAuswahl(index) != schaltflaeche) continue;
            Geschuetzt(std::string(frmName) + " - cmdAuswahl_Click",
                       [&] { cmdAuswahl_Click(index); });
            return;
        }
    }
    void Ausgewaehlt(Steuerelement liste) override {
        if (liste != Element::cmbLaenderliste) return;
        Geschuetzt(std::string(frmName) + " - cmbLänderliste_Click",
                   [] { cmbLaenderliste_Click(); });
    }
    void Fehlgeschlagen(const Laufzeitfehler& fehler) override {
        Fehler_melden(std::string(frmName) + " - Fensterprozedur", fehler);
    }
};

Ereignisse ereignisse;

}  // namespace

void frmSchulferien_erstellen() {
    plattform().Hauptfenster_erstellen(Layout::Hauptfenster, ereignisse);
}

void Form_Load() {
    Geschuetzt(std::string(frmName) + " - Form_Load", [&] {
        Fenster& f = fenster();
        f.Titel_setzen(Titel);
        Statusbild_zeigen(f, 1, Element::imgPfeil);
        Schritt_nicht_verfuegbar(f, 4);

        if (Programm.Aktivieren) {
            for (std::size_t s = 1; s < Programm.Schulferienarray.size(); ++s) {
                f.Eintrag_hinzufuegen(Element::cmbLaenderliste, Programm.Schulferienarray[s].Name);
            }
            Schritt_nicht_verfuegbar(f, 2);
            Schritt_nicht_verfuegbar(f, 3);
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
        if (!Programm.Datenordner.empty() && Daten_erreichbar(Programm.Datenordner))
            Datenordner_checken();

        if (Programm.Aktivieren && Programm.FerientageGelesen) {
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
            if (!Administrator_pruefen()) break;
            if (Programm.Aktivieren) {
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

void Farbe_auswaehlen() {
    // A cancelled dialog, and any failure here, ends the step quietly; what was changed
    // before stays.
    try {
        // The default is kept even when the user cancels.
        if (Programm.Farbe == 0) Programm.Farbe = Vorgabefarbe;
        const std::optional<std::uint32_t> gewaehlt =
            plattform().Farbe_auswaehlen(static_cast<std::uint32_t>(Programm.Farbe), true);
        if (!gewaehlt) return;
        Programm.Farbe = static_cast<std::int32_t>(*gewaehlt);

        Fenster& f = fenster();
        f.Hintergrundfarbe_setzen(cmdAuswahl(3), static_cast<std::uint32_t>(Programm.Farbe));
        Schritt_erledigt(f, 3);
        Schritt_aktuell(f, 4);
        f.Fokus_setzen(cmdAuswahl(4));
    } catch (const std::exception&) {
    }
}
