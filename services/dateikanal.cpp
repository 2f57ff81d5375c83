#include "services/dateikanal.h"

#include <cstdint>

#include "platform/plattform.h"
#include "services/meldungen.h"
#include "services/text.h"
#include "services/texte.h"

namespace {

enum class Modus { Zu, Lesen, Schreiben };

struct Kanal {
    Modus modus = Modus::Zu;
    std::string inhalt;  // Lesen: the whole file
    std::size_t position = 0;
    int nummer = 0;  // Schreiben: the platform's file number
};
Kanal kanal;

// The generator of the key characters: a 24-bit linear congruential generator with a
// fixed start, so that every run writes the same sequence of keys.
constexpr std::uint32_t Startwert = 0x50000;
std::uint32_t zufall = Startwert;

double Zufallszahl() {
    zufall = (zufall * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return zufall / 16777216.0;
}

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

void Schliessen(bool uebernehmen) {
    const Modus modus = kanal.modus;
    const int nummer = kanal.nummer;
    kanal = Kanal{};
    if (modus == Modus::Schreiben) plattform().Datei_schliessen(nummer, uebernehmen);
}

}  // namespace

unsigned char Naechster_Schluessel() {
    return static_cast<unsigned char>(static_cast<int>(Zufallszahl() * 223) + 32);
}

void Schluessel_zuruecksetzen() {
    zufall = Startwert;
}

std::string Verwuerfeln(const std::string& ansi, unsigned char schluessel) {
    std::string zeile(1, static_cast<char>(schluessel));
    int s = schluessel % 64;
    for (const char ch : ansi) {
        const int c = static_cast<unsigned char>(ch);
        if (c < 32) continue;
        s = (s + 1) % 64;
        int o = c + s;
        if (o > 255) o -= 224;
        zeile += static_cast<char>(o);
    }
    return zeile;
}

std::string Entwuerfeln(const std::string& zeile) {
    std::string text;
    if (zeile.empty()) return text;
    int s = static_cast<unsigned char>(zeile[0]) % 64;
    for (std::size_t i = 1; i < zeile.size(); ++i) {
        s = (s + 1) % 64;
        int o = static_cast<unsigned char>(zeile[i]) - s;
        if (o < 32) o += 224;
        text += static_cast<char>(o);
    }
    return text;
}

bool Kanal_offen() {
    return kanal.modus != Modus::Zu;
}

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
    Schliessen(true);
}

void Kanal_verwerfen() {
    try {
        Schliessen(false);
    } catch (const Laufzeitfehler&) {
        // Nothing more can be done for a file that is given up.
    }
}

std::string LineIn() {
    return Geschuetzt("modSchulferien - LineIn", [] {
        const std::string zeile = Zeile_lesen();
        if (zeile.empty()) throw Fehler(Fehlernummer::UngueltigerAufruf);  // no key character
        return Von_Ansi(Entwuerfeln(zeile));
    });
}

std::string LineInRaw() {
    return Von_Ansi(Zeile_lesen());
}

void LineOut(const std::string& text) {
    Geschuetzt("modSchulferien - LineOut", [&] {
        if (kanal.modus != Modus::Schreiben) throw Fehler(Fehlernummer::DateinameFalsch);
        plattform().Datei_schreiben(kanal.nummer,
                                    Verwuerfeln(Nach_Ansi(text), Naechster_Schluessel()) + "\r\n");
    });
}

bool Dateiende() {
    if (kanal.modus != Modus::Lesen) throw Fehler(Fehlernummer::DateinameFalsch);
    return kanal.position >= kanal.inhalt.size();
}
