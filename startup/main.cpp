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

// The first three lines of Zedrano.dat: the header, the data folder and the log folder.
using Pfadzeilen = std::array<std::string, 3>;

// The lines of the path settings at `pfad`, read scrambled or plain, or nothing when they
// don't fit: a wrong header, or a file that is empty, starts with an empty line or ends
// early, which leaves the folders to the user like any other file that does not fit.
std::optional<Pfadzeilen> Pfadzeilen_lesen(const std::string& pfad, bool verwuerfelt) {
    std::optional<Pfadzeilen> ergebnis;
    try {
        Datei_oeffnen(pfad, "Input", "");
        Pfadzeilen zeilen;
        bool passt = true;
        for (std::string& zeile : zeilen) {
            const std::optional<std::string> gelesen =
                verwuerfelt ? LineIn_falls_vorhanden() : std::optional(LineInRaw());
            passt = gelesen && (&zeile != &zeilen[0] || *gelesen == Host::Zedrano_Kopf);
            if (!passt) break;
            zeile = *gelesen;
        }
        if (passt) ergebnis = zeilen;
    } catch (const std::exception&) {
        // A settings file that can't be read leaves the folders to the user.
    }
    Datei_schliessen();
    return ergebnis;
}

void Starten() {
    Plattform& p = plattform();

    if (Kleinbuchstaben(p.Programmname()).find("deaktivieren") == std::string::npos)
        Programm.Aktivieren = true;

    Programm.Heute = FormatDatumDS(p.Jetzt());

    Programm.Benutzername = p.Umgebungsvariable("USERNAME");
    if (Programm.Benutzername.empty()) Programm.Benutzername = "NoName";

    const std::string oeffentlich = p.Umgebungsvariable("PUBLIC");
    const std::string basis = oeffentlich.empty()
                                  ? Mit_Backslash(p.Umgebungsvariable("ProgramFiles"))
                                  : Mit_Backslash(oeffentlich) + Host::VirtualStore;

    const auto& ordner = Host::Installationsordner;
    Programm.Programmordner = basis + ordner[2] + "\\";
    for (const char* edition : {ordner[0], ordner[1]}) {
        if (Ordner_vorhanden(basis + edition)) {
            Programm.Programmordner = basis + edition + "\\";
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
    } catch (const std::exception& ausnahme) {
        const Laufzeitfehler fehler = Als_Laufzeitfehler(ausnahme);
        if (fehler.Nummer == Fehlernummer::KomponenteNichtGeladen ||
            fehler.Nummer == Fehlernummer::KomponenteFehlt) {
            Meldung_anzeigen(std::string("Sie müssen zuerst den ") + Host::Produkt +
                             " installieren." + CR + CR + Programmende);
            plattform().Beenden(Exitcode::Installation);
        }
        Fehler_melden("modSchulferien - Main", fehler);
    }
}

void Programmpfade_lesen() {
    try {
        std::string pfad = Programm.Programmordner + Host::Pfadeinstellungen;
        if (!plattform().Datei_vorhanden(pfad)) {
            pfad = Mit_Backslash(plattform().Programmverzeichnis()) + Host::Pfadeinstellungen;
            if (!plattform().Datei_vorhanden(pfad)) return;
        }
        // Scrambled like the host's other files, or plain text.
        std::optional<Pfadzeilen> zeilen = Pfadzeilen_lesen(pfad, true);
        if (!zeilen) zeilen = Pfadzeilen_lesen(pfad, false);
        if (!zeilen) return;

        const auto& [kopf, daten, log] = *zeilen;
        if (Links(daten, 10) == "data_pfad=") {
            Programm.Datenordner = Mitte(daten, 11);
            if (Links(log, 9) == "log_pfad=") Programm.Logordner = Mitte(log, 10);
        }
    } catch (const std::exception&) {
        // A settings folder that can't be searched leaves the folders to the user.
    }
}
