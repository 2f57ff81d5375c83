// The main window frmSchulferien's controls and the states of its four steps: what the
// steps' actions change in the window, and the state list's handler, which runs nested in
// the data folder check when that one selects an earlier state.
#pragma once

#include "platform/plattform.h"

inline constexpr const char* frmName = "frmSchulferien";

namespace ui {
// The controls by their names and indexes; the number is the control's in the platform.
enum Element : Steuerelement {
    fraRahmen1,
    fraRahmen2,
    fraRahmen3,
    fraRahmen4,
    cmdAuswahl1,
    cmdAuswahl3,
    cmdAuswahl4,
    cmdAuswahl5,
    cmbLaenderliste,
    imgIcon1,
    imgIcon2,
    imgIcon3,
    imgIcon4,
    imgPfeil,
    imgOK,
    imgInaktiv,
    Keins = Kein_Steuerelement,  // no picture copied yet
};
}  // namespace ui
using ui::Element;

// Control arrays: fraRahmen(1..4), cmdAuswahl(1, 3, 4, 5), imgIcon(1..4).
// An index outside the array throws Laufzeitfehler(IndexAusserhalb).
Element fraRahmen(int n);
Element cmdAuswahl(int index);
Element imgIcon(int index);

// A step's status picture shows a copy of `quelle` (imgPfeil, imgOK or imgInaktiv) and says
// so in its text, which screen readers announce.
void Statusbild_zeigen(Fenster& f, int schritt, Element quelle);

// The three states of a step: its frame, its status picture and its control.
void Schritt_nicht_verfuegbar(Fenster& f, int schritt);
void Schritt_aktuell(Fenster& f, int schritt);
void Schritt_erledigt(Fenster& f, int schritt);  // the control stays as it is

// A state was chosen in the list (by the user, or by the program, which then calls it).
void cmbLaenderliste_Click();
