// The main window frmSchulferien's controls by their names, and its control arrays.
#pragma once

#include "platform/fenster.h"

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
