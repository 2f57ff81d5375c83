#include "services/meldungen.h"

#include <cstdlib>

#include "services/fehler.h"
#include "services/kanal.h"
#include "services/text.h"
#include "services/texte.h"

namespace {

[[noreturn]] void Beenden(int exitcode) {
    plattform().Beenden(exitcode);
    std::abort();  // a platform's Beenden never returns
}

// The length of the root of a share's path, \\server\share\ (the whole path when it ends
// there); 0 for any other path.
std::size_t Wurzellaenge(const std::string& pfad) {
    if (pfad.rfind("\\\\", 0) != 0) return 0;
    const std::size_t server = pfad.find('\\', 2);
    const std::size_t freigabe = server == std::string::npos ? server : pfad.find('\\', server + 1);
    return freigabe == std::string::npos ? pfad.size() : freigabe + 1;
}

}  // namespace

void Meldung_anzeigen(const std::string& text) {
    plattform().Piepen();
    plattform().Meldungsfenster(text, Titel);
}

void Fehler_melden(const std::string& ort, const Laufzeitfehler& fehler) {
    Kanal_verwerfen();
    Meldung_anzeigen(std::string("Es ist folgender Fehler aufgetreten in Modul '") + ort +
                     "':" + CR + CR + "Fehler Nr. " + std::to_string(fehler.Nummer) + CR +
                     Fehlerbeschreibung(fehler) + CR + CR + Programmende);
    Beenden(Exitcode::Fehlerbericht);
}

void Programm_abbrechen(const std::string& text) {
    Kanal_verwerfen();
    Meldung_anzeigen(text + "." + CR + CR + Programmende);
    Beenden(Exitcode::Abbruch);
}

std::string Pfad_kuerzen(const std::string& pfad) {
    std::string p = pfad;
    if (!p.empty() && p.back() == '\\') p.pop_back();
    if (Laenge(p) > 100) p = Links(p, 45) + " ... " + Rechts(p, 45);
    return "'" + p + "'";
}

std::string ParentDir(const std::string& pfad) {
    return Geschuetzt("modSchulferien - ParentDir", [&] {
        if (pfad.size() < 2) return std::string();
        // The last character is never taken; a backslash is never part of a longer
        // UTF-8 sequence, so searching the bytes before the last one is enough.
        const std::size_t i = pfad.find_last_of('\\', pfad.size() - 2);
        // A share's root \\server\share\ is the top, as C:\ is: \\server\ is no folder.
        if (i == std::string::npos || i + 1 < Wurzellaenge(pfad)) return std::string();
        return pfad.substr(0, i + 1);
    });
}

std::string Mit_Backslash(const std::string& ordner) {
    return !ordner.empty() && ordner.back() == '\\' ? ordner : ordner + "\\";
}

bool Ordner_vorhanden(const std::string& pfad) {
    try {
        return (plattform().Attribute_lesen(pfad) & Attribut::Verzeichnis) != 0;
    } catch (const std::exception&) {
        return false;
    }
}

void Datei_loeschen(const std::string& pfad) {
    try {
        plattform().Attribute_normal(pfad);
    } catch (const std::exception&) {
    }
    try {
        plattform().Datei_entfernen(pfad);
    } catch (const std::exception&) {
    }
}

bool Datei_noch_vorhanden(const std::string& pfad) {
    try {
        return (plattform().Attribute_lesen(pfad) & Attribut::Verzeichnis) == 0;
    } catch (const Laufzeitfehler& fehler) {
        if (fehler.Nummer == Fehlernummer::DateiNichtGefunden) return false;
        // A path that can't be reached (its folder gone, or the share it lies on) may still
        // hold the file: nothing shows that it went.
        if (fehler.Nummer == Fehlernummer::PfadNichtGefunden) return true;
        throw;
    }
}
