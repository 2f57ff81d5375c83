#include "form/steuerelemente.h"

#include <initializer_list>

#include "platform/laufzeitfehler.h"

namespace {

// Element `index` (counted from 1) of a control array.
Element Feldelement(std::initializer_list<Element> feld, int index) {
    if (index < 1 || index > static_cast<int>(feld.size()) ||
        feld.begin()[index - 1] == Element::Keins)
        throw Fehler(Fehlernummer::IndexAusserhalb);
    return feld.begin()[index - 1];
}

}  // namespace

Element fraRahmen(int n) {
    return Feldelement(
        {Element::fraRahmen1, Element::fraRahmen2, Element::fraRahmen3, Element::fraRahmen4}, n);
}

Element cmdAuswahl(int index) {
    // There is no button 2: step 2 has the list.
    return Feldelement({Element::cmdAuswahl1, Element::Keins, Element::cmdAuswahl3,
                        Element::cmdAuswahl4, Element::cmdAuswahl5},
                       index);
}

Element imgIcon(int index) {
    return Feldelement({Element::imgIcon1, Element::imgIcon2, Element::imgIcon3, Element::imgIcon4},
                       index);
}
