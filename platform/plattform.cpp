#include "platform/plattform.h"

namespace {
Plattform* aktuelle_plattform = nullptr;

const char* Beschreibung(long nummer) {
    switch (nummer) {
        case Fehlernummer::UngueltigerAufruf:
            return "Unzulässiger Prozeduraufruf oder ungültiges Argument";
        case Fehlernummer::Ueberlauf:
            return "Überlauf";
        case Fehlernummer::IndexAusserhalb:
            return "Index außerhalb des gültigen Bereichs";
        case Fehlernummer::Typenkonflikt:
            return "Typen unverträglich";
        case Fehlernummer::DateinameFalsch:
            return "Dateiname oder -nummer falsch";
        case Fehlernummer::DateiNichtGefunden:
            return "Datei nicht gefunden";
        case Fehlernummer::DateiGeoeffnet:
            return "Datei bereits geöffnet";
        case Fehlernummer::DatentraegerVoll:
            return "Datenträger voll";
        case Fehlernummer::HinterDateiende:
            return "Einlesen hinter Dateiende";
        case Fehlernummer::ZugriffVerweigert:
            return "Zugriff verweigert";
        case Fehlernummer::PfadZugriff:
            return "Fehler beim Zugriff auf Pfad/Datei";
        case Fehlernummer::PfadNichtGefunden:
            return "Pfad nicht gefunden";
        case Fehlernummer::KomponenteFehlt:
            return "Komponente nicht korrekt registriert oder Datei fehlt";
        case Fehlernummer::KomponenteNichtGeladen:
            return "Komponente konnte nicht geladen werden";
        default:
            return "Anwendungs- oder objektdefinierter Fehler";
    }
}
}  // namespace

Laufzeitfehler Fehler(long nummer) {
    return Laufzeitfehler(nummer, Beschreibung(nummer));
}

Plattform& plattform() {
    if (!aktuelle_plattform) throw Fehler(Fehlernummer::UngueltigerAufruf);
    return *aktuelle_plattform;
}

void Plattform_setzen(Plattform* p) {
    aktuelle_plattform = p;
}

Element fraRahmen(int n) {
    switch (n) {
        case 1:
            return Element::fraRahmen1;
        case 2:
            return Element::fraRahmen2;
        case 3:
            return Element::fraRahmen3;
        case 4:
            return Element::fraRahmen4;
        default:
            throw Fehler(Fehlernummer::IndexAusserhalb);
    }
}

Element cmdAuswahl(int index) {
    switch (index) {
        case 1:
            return Element::cmdAuswahl1;
        case 3:
            return Element::cmdAuswahl3;
        case 4:
            return Element::cmdAuswahl4;
        case 5:
            return Element::cmdAuswahl5;
        default:
            throw Fehler(Fehlernummer::IndexAusserhalb);
    }
}

Element imgIcon(int index) {
    switch (index) {
        case 1:
            return Element::imgIcon1;
        case 2:
            return Element::imgIcon2;
        case 3:
            return Element::imgIcon3;
        case 4:
            return Element::imgIcon4;
        default:
            throw Fehler(Fehlernummer::IndexAusserhalb);
    }
}
