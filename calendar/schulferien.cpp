#include "calendar/schulferien.h"

#include "calendar/schulferien_daten.h"
#include "platform/plattform.h"
#include "services/meldungen.h"
#include "services/programmzustand.h"
#include "services/text.h"
#include "services/texte.h"

void Schulferienarray_definieren() {
    Geschuetzt("modSchulferien - Schulferienarray_definieren", [] {
        for (std::size_t land = 1; land <= Schulferiendaten.size(); ++land) {
            const Landesdaten& daten = Schulferiendaten[land - 1];
            Bundesland& eintrag = Programm.Schulferienarray.at(land);
            eintrag = Bundesland{};
            eintrag.Name = daten.Name;
            for (std::size_t slot = 1; slot <= daten.Ferien.size(); ++slot)
                eintrag.Ferien.at(slot) = daten.Ferien[slot - 1];
        }
    });
}

void Monatsarray_aufbauen() {
    const int jahre = static_cast<int>(Programm.Monatsarray.size() - 1) / 12;
    const int basis = (plattform().Jetzt().Jahr - 1) % 100;
    int i = 0;
    for (int g = 1; g <= jahre; ++g)
        for (int m = 1; m <= 12; ++m)
            Programm.Monatsarray.at(++i) =
                std::to_string(basis + g - 1) + Zweistellig(m) + ":" + std::string(31, '0');
}

namespace {

bool Schaltjahr(int jahr) {
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

// Days of a month; months past 12 count on into the following years.
int Tage_im_Monat(int jahr, int monat) {
    jahr += (monat - 1) / 12;
    monat = (monat - 1) % 12 + 1;
    static constexpr int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return monat == 2 && Schaltjahr(jahr) ? 29 : tage[monat - 1];
}

// `anzahl` times "1"; a negative count is an invalid call, as for a period that ends
// before it starts.
std::string Einsen(int anzahl) {
    if (anzahl < 0) throw Fehler(Fehlernummer::UngueltigerAufruf);
    return std::string(static_cast<std::size_t>(anzahl), '1');
}

}  // namespace

void Ferienzeiten_uebernehmen(std::string VonTag, std::string VonMonat, std::string VonJahr,
                              std::string BisTag, std::string BisMonat, std::string BisJahr) {
    Geschuetzt(std::string(frmName) + " - Ferienzeiten_übernehmen", [&] {
        const int letzter = static_cast<int>(Programm.Monatsarray.size() - 1);
        const int erstes_jahr = Wert(Links(Programm.Monatsarray.at(1), 2));
        const int letztes_jahr = Wert(Links(Programm.Monatsarray.at(letzter), 2));

        if (Wert(VonJahr) < erstes_jahr) {
            if (Wert(BisJahr) < erstes_jahr) return;
            VonTag = "01";
            VonMonat = "01";
            VonJahr = Zweistellig(erstes_jahr);
        }
        if (Wert(BisJahr) > letztes_jahr) {
            if (Wert(VonJahr) > letztes_jahr) return;
            BisTag = "31";
            BisMonat = "12";
            BisJahr = Zweistellig(letztes_jahr);
        }

        const int tage_startmonat = Tage_im_Monat(2000 + Wert(VonJahr), Wert(VonMonat));
        const int von_tag = Wert(VonTag);

        for (int i = 1; i <= letzter; ++i) {
            std::string& eintrag = Programm.Monatsarray.at(i);
            if (Links(eintrag, 4) != VonJahr + VonMonat) continue;

            const int letzter_tag = VonMonat == BisMonat ? Wert(BisTag) : tage_startmonat;
            eintrag = Links(eintrag, von_tag + 4) + Einsen(letzter_tag - von_tag + 1) +
                      Mitte(eintrag, letzter_tag + 6);

            if (VonMonat != BisMonat) {
                for (int k = 1;; ++k) {
                    // A period that ends before it starts never meets its end month.
                    if (i + k > letzter) throw Fehler(Fehlernummer::IndexAusserhalb);
                    std::string& folgend = Programm.Monatsarray.at(i + k);
                    if (Links(folgend, 4) != BisJahr + BisMonat) {
                        folgend = Links(folgend, 5) + std::string(31, '1');
                        continue;
                    }
                    const int bis_tag = Wert(BisTag);
                    folgend = Links(folgend, 5) + Einsen(bis_tag) + Mitte(folgend, bis_tag + 6);
                    break;
                }
            }
        }
    });
}
