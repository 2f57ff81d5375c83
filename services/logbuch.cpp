#include "services/logbuch.h"

#include "services/dateikanal.h"
#include "services/host.h"
#include "services/meldungen.h"
#include "services/programmzustand.h"
#include "services/text.h"

void Logbuch_ergaenzen(std::uint8_t stufe, const std::string& text) {
    Geschuetzt("modSchulferien - Logbuch_ergänzen", [&] {
        if (Programm.Logordner.empty()) return;
        const Zeitpunkt t = plattform().Jetzt();
        std::string eintrag = Zweistellig(t.Tag) + "." + Zweistellig(t.Monat) + "." +
                              Zweistellig(t.Jahr % 100) + " " + Zweistellig(t.Stunde) + ":" +
                              Zweistellig(t.Minute) + ":" + Zweistellig(t.Sekunde) + "|" +
                              Programm.Benutzername + "|";
        if (stufe == Administratorrechte) eintrag += Host::Adminmarke;
        eintrag += text;
        if (!Datei_oeffnen(Programm.Logordner + Links(Programm.Heute, 4) + Host::Logdatei_Endung,
                           "Append", "IgnoreErrors"))
            return;
        LineOut(eintrag);
        Datei_schliessen();
    });
}

std::string FormatDatumDS(const Zeitpunkt& datum) {
    return Geschuetzt("modSchulferien - FormatDatumDS", [&] {
        return Zweistellig(datum.Jahr % 100) + Zweistellig(datum.Monat) + Zweistellig(datum.Tag);
    });
}
