#include "services/fehler.h"

namespace {

const char* Standardbeschreibung(long nummer) {
    switch (nummer) {
        case Fehlernummer::UngueltigerAufruf:
            return "Unzulässiger Prozeduraufruf oder ungültiges Argument";
        case Fehlernummer::Ueberlauf:
            return "Überlauf";
        case Fehlernummer::NichtGenuegendSpeicher:
            return "Nicht genügend Speicher";
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

std::string Fehlerbeschreibung(const Laufzeitfehler& fehler) {
    const std::string eigene = fehler.what();
    return eigene.empty() ? Standardbeschreibung(fehler.Nummer) : eigene;
}
