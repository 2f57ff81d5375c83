#include "hostdata/konfigdaten.h"

#include <cstdint>
#include <limits>

#include "platform/plattform.h"
#include "services/dateikanal.h"
#include "services/host.h"
#include "services/meldungen.h"
#include "services/programmzustand.h"
#include "services/text.h"
#include "services/texte.h"

namespace {

[[noreturn]] void Kopf_fehlt(const std::string& kopf) {
    Programm_abbrechen("Der Dateiheader " + kopf + " in '" + Host::Konfigdatei +
                       "' wurde nicht erkannt");
}

void Kopf_pruefen(const std::string& zeile, const std::string& kopf) {
    if (zeile != kopf) Kopf_fehlt(kopf);
}

// An administrator entry names the user when it ends in ":" and the user's name, in any case.
// The host keeps the name in the system's ANSI code page, so it is compared as it comes back
// from there: on a Western system "Łukasz" is stored, and matched, as "?ukasz".
bool Nennt_Benutzer(const std::string& eintrag) {
    Plattform& p = plattform();
    std::string ende(1, ':');
    ende += Kleinbuchstaben(p.Text_von_Ansi(p.Text_nach_Ansi(Programm.Benutzername)));
    const std::string klein = Kleinbuchstaben(eintrag);
    return klein.size() >= ende.size() &&
           klein.compare(klein.size() - ende.size(), ende.size(), ende) == 0;
}

}  // namespace

void Konfigdaten_lesen() {
    Geschuetzt("modSchulferien - Konfigdaten_lesen", [] {
        const std::string pfad = Programm.Datenordner + Host::Konfigdatei;
        if (!plattform().Datei_vorhanden(pfad))
            Programm_abbrechen("Die Datei '" + pfad + "' wurde nicht gefunden");

        Datei_oeffnen(pfad, "Input", "");
        Kopf_pruefen(LineIn(), Host::Zedrano_Kopf);
        Programm.Kennung = LineIn();
        Programm.Editionszeile = LineIn();
        Kopf_pruefen(LineIn(), "[Firma]");
        LineIn();
        LineIn();
        const bool epv = Rechts(Programm.Editionszeile, 3) == "EPV";
        Kopf_pruefen(LineIn(), "[Settings]");
        Programm.Einstellungen = LineIn();
        LineIn();

        const std::string admin_kopf = "[Administratoren]";
        while (!Dateiende())
            if (LineIn() == admin_kopf) break;
        if (Dateiende()) Kopf_fehlt(admin_kopf);

        Programm.Rechte = 0;
        std::int16_t administratoren = 0;
        while (!Dateiende()) {
            const std::string eintrag = LineIn();
            if (eintrag == "NoAdmins") continue;
            if (Links(eintrag, 1) != "A") continue;
            if (Nennt_Benutzer(eintrag)) Programm.Rechte = Administratorrechte;
            if (administratoren == std::numeric_limits<std::int16_t>::max())
                throw Fehler(Fehlernummer::Ueberlauf);
            ++administratoren;
        }
        Datei_schliessen();

        if (administratoren == 0 || Mitte(Programm.Einstellungen, 16, 1) == "1" || epv)
            Programm.Rechte = Administratorrechte;
    });
}

bool Administrator_pruefen() {
    Konfigdaten_lesen();
    if (Programm.Rechte == Administratorrechte) return true;
    Meldung_anzeigen(Keine_Rechte);
    return false;
}
