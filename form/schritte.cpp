#include "form/schritte.h"

#include <string>

#include "platform/plattform.h"
#include "services/programmzustand.h"

namespace {

// The control of step n: the button of steps 1, 3 and 4, the state list of step 2.
Element Steuerelement_von(int schritt) {
    return schritt == 2 ? Element::cmbLaenderliste : cmdAuswahl(schritt);
}

// What a status picture says to a screen reader: the step as the window numbers it (removal
// mode shows step 4 as its second step) and the step's state.
std::string Statustext(int schritt, Steuerelement quelle) {
    const int angezeigt = !Programm.Aktivieren && schritt == 4 ? 2 : schritt;
    const char* zustand = quelle == Element::imgOK      ? "erledigt"
                          : quelle == Element::imgPfeil ? "aktueller Schritt"
                                                        : "noch nicht verfügbar";
    return "Schritt " + std::to_string(angezeigt) + ": " + zustand;
}

}  // namespace

void Statusbild_zeigen(Fenster& f, int schritt, Element quelle) {
    f.Bild_kopieren(imgIcon(schritt), quelle);
    // The picture control's text is its name for accessibility tools.
    f.Beschriftung_setzen(imgIcon(schritt), Statustext(schritt, quelle));
}

void Schritt_nicht_verfuegbar(Fenster& f, int schritt) {
    f.Aktivieren(fraRahmen(schritt), false);
    Statusbild_zeigen(f, schritt, Element::imgInaktiv);
    f.Aktivieren(Steuerelement_von(schritt), false);
}

void Schritt_aktuell(Fenster& f, int schritt) {
    f.Aktivieren(fraRahmen(schritt), true);
    Statusbild_zeigen(f, schritt, Element::imgPfeil);
    f.Aktivieren(Steuerelement_von(schritt), true);
}

void Schritt_erledigt(Fenster& f, int schritt) {
    Statusbild_zeigen(f, schritt, Element::imgOK);
}

void cmbLaenderliste_Click() {
    Fenster& f = fenster();
    Schritt_erledigt(f, 2);
    if (f.Bild(imgIcon(3)) == Element::imgOK) {
        // The colour is chosen already: step 4 is current again, the focus stays.
        Schritt_aktuell(f, 4);
        return;
    }
    Schritt_aktuell(f, 3);
    // While the window loads it is not shown yet and can't take the focus.
    if (f.Ist_sichtbar()) f.Fokus_setzen(cmdAuswahl(3));
}
