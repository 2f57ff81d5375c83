// Module modOrdner: the user points the tool at the host's data folder, and the choice is
// turned into the most likely data folder.
#include "hostdata/ordner.h"

#include <string>

#include "platform/plattform.h"
#include "services/host.h"
#include "services/meldungen.h"
#include "services/programmzustand.h"
#include "services/text.h"

namespace {

constexpr const char* Ordnerdialog_Titel = "Ordner mit An-/Abwesenheitsdaten auswählen:";

// Subfolders of a host data folder named "data" from which the choice steps up once. The
// suffixes begin with "data", not with a backslash, so ...\mydata\logs\ steps up as well.
constexpr const char* Unterordner_von_data[] = {"data\\backups\\", "data\\inifiles\\",
                                                "data\\logs\\"};

bool Endet_mit(const std::string& pfad_klein, const std::string& ende) {
    return Rechts(pfad_klein, Laenge(ende)) == ende;
}

}  // namespace

bool Enthaelt_Daten(const std::string& ordner) {
    return plattform().Datei_vorhanden(ordner + Host::Datenmuster);
}

std::string BrowseForFolder() {
    return Geschuetzt("modOrdner - BrowseForFolder",
                      [&] { return plattform().Ordner_auswaehlen(Ordnerdialog_Titel); });
}

bool Datenordner_auswaehlen() {
    return Geschuetzt("modOrdner - Datenordner_auswählen", [&]() -> bool {
        // The earlier choice is forgotten at once, also when the user cancels.
        Programm.Datenordner = BrowseForFolder();
        if (Programm.Datenordner.empty()) return false;
        Programm.Datenordner = Mit_Backslash(Programm.Datenordner);

        // Never above a root: a share \\data\logs\ is itself the folder chosen.
        for (const char* ende : Unterordner_von_data) {
            if (Endet_mit(Kleinbuchstaben(Programm.Datenordner), ende)) {
                const std::string oben = ParentDir(Programm.Datenordner);
                if (!oben.empty()) Programm.Datenordner = oben;
                break;
            }
        }

        try {
            if (!Enthaelt_Daten(Programm.Datenordner) &&
                !Endet_mit(Kleinbuchstaben(Programm.Datenordner), "\\data\\")) {
                const std::string data = std::string(Host::Datenunterordner);
                if (Ordner_vorhanden(Programm.Datenordner + data)) {
                    Programm.Datenordner += data + "\\";
                } else if (Ordner_vorhanden(Programm.Datenordner + Host::Abwesenheitsordner)) {
                    Programm.Datenordner += std::string(Host::Abwesenheitsordner) + "\\";
                    if (!Enthaelt_Daten(Programm.Datenordner) &&
                        Ordner_vorhanden(Programm.Datenordner + data)) {
                        Programm.Datenordner += data + "\\";
                    }
                }
            }
        } catch (const Laufzeitfehler& fehler) {
            if (fehler.Nummer != Fehlernummer::DateinameFalsch) throw;
            Meldung_anzeigen("Auf " + Pfad_kuerzen(Programm.Datenordner) +
                             " kann nicht zugegriffen werden. Bitte wählen Sie einen anderen "
                             "Ordner.");
            Programm.Datenordner.clear();
            return false;
        }
        return true;
    });
}
