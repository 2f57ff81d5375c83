#include "services/dateikanal.h"

#include "platform/plattform.h"
#include "services/kanal.h"
#include "services/meldungen.h"
#include "services/programmzustand.h"
#include "services/text.h"
#include "services/texte.h"
#include "services/verwuerfelung.h"

namespace {

using Modus = Dateikanal::Modus;
Dateikanal& kanal = Programm.Kanal;

// The next physical line, up to CR; a LF right after the CR belongs to the line end.
std::string Zeile_lesen() {
    if (kanal.modus != Modus::Lesen) throw Fehler(Fehlernummer::DateinameFalsch);
    if (kanal.position >= kanal.inhalt.size()) throw Fehler(Fehlernummer::HinterDateiende);
    const std::size_t cr = kanal.inhalt.find('\r', kanal.position);
    const std::size_t ende = cr == std::string::npos ? kanal.inhalt.size() : cr;
    std::string zeile = kanal.inhalt.substr(kanal.position, ende - kanal.position);
    kanal.position = ende;
    if (kanal.position < kanal.inhalt.size()) {
        ++kanal.position;  // CR
        if (kanal.position < kanal.inhalt.size() && kanal.inhalt[kanal.position] == '\n')
            ++kanal.position;
    }
    return zeile;
}

}  // namespace

bool Datei_oeffnen(const std::string& pfad, const std::string& modus, const std::string& option) {
    try {
        if (kanal.modus != Modus::Zu) throw Fehler(Fehlernummer::DateiGeoeffnet);
        if (modus == "Input") {
            kanal.inhalt = plattform().Datei_lesen(pfad);
            kanal.position = 0;
            kanal.modus = Modus::Lesen;
        } else if (modus == "Output" || modus == "Append") {
            // "Output" builds the new file beside the old one; it takes the old one's place
            // only when the channel is closed normally (Datei_schliessen).
            kanal.nummer = plattform().Datei_oeffnen(pfad, modus == "Output"
                                                               ? Plattform::Schreibart::Ersetzen
                                                               : Plattform::Schreibart::Anhaengen);
            kanal.modus = Modus::Schreiben;
        } else {
            throw Fehler(Fehlernummer::UngueltigerAufruf);
        }
        return true;
    } catch (const Laufzeitfehler&) {
        Kanal_verwerfen();
        if (option == "IgnoreErrors") return false;
        Programm_abbrechen(
            "Die Datei " + Pfad_kuerzen(pfad) + " konnte nicht geöffnet werden." + CR + CR +
            "Möglicherweise haben Sie keine ausreichenden Zugriffsberechtigungen für den Ordner " +
            Pfad_kuerzen(ParentDir(pfad)) +
            (modus != "Input" ? ", ist die Datei schreibgeschützt" : "") +
            " oder die Datei ist nicht vorhanden");
    }
}

void Datei_schliessen() {
    Kanal_schliessen(true);
}

std::string LineIn() {
    return Geschuetzt("modSchulferien - LineIn", [] {
        const std::string zeile = Zeile_lesen();
        if (zeile.empty()) throw Fehler(Fehlernummer::UngueltigerAufruf);  // no key character
        return plattform().Text_von_Ansi(Entwuerfeln(zeile));
    });
}

std::optional<std::string> LineIn_falls_vorhanden() {
    return Geschuetzt("modSchulferien - LineIn", []() -> std::optional<std::string> {
        if (Dateiende()) return std::nullopt;
        const std::string zeile = Zeile_lesen();
        if (zeile.empty()) return std::nullopt;
        return plattform().Text_von_Ansi(Entwuerfeln(zeile));
    });
}

std::string LineInRaw() {
    return plattform().Text_von_Ansi(Zeile_lesen());
}

void LineOut(const std::string& text) {
    Geschuetzt("modSchulferien - LineOut", [&] {
        if (kanal.modus != Modus::Schreiben) throw Fehler(Fehlernummer::DateinameFalsch);
        const std::string bytes = plattform().Text_nach_Ansi(text);
        plattform().Datei_schreiben(kanal.nummer,
                                    Verwuerfeln(bytes, Naechster_Schluessel()) + "\r\n");
    });
}

bool Dateiende() {
    if (kanal.modus != Modus::Lesen) throw Fehler(Fehlernummer::DateinameFalsch);
    return kanal.position >= kanal.inhalt.size();
}
