// The states of the main window's four steps: what the steps' actions change in the window,
// and the state list's handler, which runs nested in the data folder check when that one
// selects an earlier state.
#pragma once

#include "form/steuerelemente.h"
#include "platform/fenster.h"

// A step's status picture shows a copy of `quelle` (imgPfeil, imgOK or imgInaktiv) and says
// so in its text, which screen readers announce.
void Statusbild_zeigen(Fenster& f, int schritt, Element quelle);

// The three states of a step: its frame, its status picture and its control.
void Schritt_nicht_verfuegbar(Fenster& f, int schritt);
void Schritt_aktuell(Fenster& f, int schritt);
void Schritt_erledigt(Fenster& f, int schritt);  // the control stays as it is

// A state was chosen in the list (by the user, or by the program, which then calls it).
void cmbLaenderliste_Click();
