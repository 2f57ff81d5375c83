#include "startup/main.h"

#include <array>
#include <optional>

#include "calendar/schulferien.h"
#include "platform/plattform.h"
#include "services/dateikanal.h"
#include "services/host.h"
#include "services/logbuch.h"
#include "services/meldungen.h"
#include "services/programmzustand.h"
#include "services/text.h"
#include "services/texte.h"
#include "ui/frm_schulferien.h"

namespace {

std::string Mit_Backslash(const std::string& ordner) {
    return !ordner.empty() && ordner.back() == '\\' ? ordner : ordner + "\\";
}

void Starten() {
    Plattform& p = plattform();

    if (Kleinbuchstaben(p.Programmname()).find("deaktivieren") == std::string::npos)
        Aktivieren = true;

    Heute = FormatDatumDS(p.Jetzt());

    Benutzername = p.Umgebungsvariable("USERNAME");
    if (Benutzername.empty()) Benutzername = "NoName";

    const std::string oeffentlich = p.Umgebungsvariable("PUBLIC");
    const std::string basis = oeffentlich.empty()
                                  ? Mit_Backslash(p.Umgebungsvariable("ProgramFiles"))
                                  : Mit_Backslash(oeffentlich) + Host::VirtualStore;

    const auto& ordner = Host::Installationsordner;
    Programmordner = basis + ordner[2] + "\\";
    for (const char* edition : {ordner[0], ordner[1]}) {
        if (Ordner_vorhanden(basis + edition)) {
            Programmordner = basis + edition + "\\";
            break;
        }
    }

    Programmpfade_lesen();
    Schulferienarray_definieren();

    frmSchulferien_erstellen();
    Form_Load();
    p.Hauptfenster_zeigen();
}

}  // namespace

void Main() {
    try {
        Starten();
    } catch (const Laufzeitfehler& fehler) {
        if (fehler.Nummer == Fehlernummer::KomponenteNichtGeladen ||
            fehler.Nummer == Fehlernummer::KomponenteFehlt) {
            Meldung_anzeigen(std::string("Sie müssen zuerst den ") + Host::Produkt +
                             " installieren." + CR + CR + Programmende);
            plattform().Beenden(Exitcode::Installation);
        }
        Fehler_melden("modSchulferien - Main", fehler);
    } catch (const std::exception& fehler) {
        Fehler_melden("modSchulferien - Main",
                      Laufzeitfehler(Fehlernummer::UngueltigerAufruf, fehler.what()));
    }
}

void Programmpfade_lesen() {
    const std::string kopf = Host::Pfadeinstellungen_Kopf;
    try {
        std::string pfad = Programmordner + Host::Pfadeinstellungen;
        if (!plattform().Datei_vorhanden(pfad)) {
            pfad = Mit_Backslash(plattform().Programmverzeichnis()) + Host::Pfadeinstellungen;
            if (!plattform().Datei_vorhanden(pfad)) return;
        }

        // Scrambled like the host's other files, or plain text: line 1 decides. A file
        // that is empty, starts with an empty line or ends early does not fit, and leaves
        // the folders to the user like any other file that does not fit.
        std::array<std::string, 3> zeilen;
        Datei_oeffnen(pfad, "Input", "");
        const std::optional<std::string> erste = LineIn_falls_vorhanden();
        if (erste == kopf) {
            for (std::size_t i = 1; i < zeilen.size(); ++i) {
                const std::optional<std::string> zeile = LineIn_falls_vorhanden();
                if (!zeile) {
                    Datei_schliessen();
                    return;
                }
                zeilen[i] = *zeile;
            }
        } else {
            Datei_schliessen();
            Datei_oeffnen(pfad, "Input", "");
            zeilen[0] = LineInRaw();
            if (zeilen[0] != kopf) {
                Datei_schliessen();
                return;
            }
            zeilen[1] = LineInRaw();
            zeilen[2] = LineInRaw();
        }
        Datei_schliessen();

        if (Links(zeilen[1], 10) == "data_pfad=") {
            Datenordner = Mitte(zeilen[1], 11);
            if (Links(zeilen[2], 9) == "log_pfad=") Logordner = Mitte(zeilen[2], 10);
        }
    } catch (const std::exception&) {
        // A settings file that can't be read leaves the folders to the user.
    }
    Datei_schliessen();
}
