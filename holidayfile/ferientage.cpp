#include "holidayfile/ferientage.h"

#include <array>
#include <cstdint>
#include <optional>

#include "platform/hex.h"
#include "platform/plattform.h"
#include "services/dateikanal.h"
#include "services/host.h"
#include "services/meldungen.h"
#include "services/programmzustand.h"
#include "services/text.h"

namespace {

constexpr const char* Kopf = "[Ferientage]";
constexpr std::int32_t Hoechste_Farbe = 0xFFFFFF;  // white

// "&H" and hexadecimal digits, or a decimal number; anything else is no number.
std::int32_t Farbwert(const std::string& text) {
    std::size_t i = 0, ende = text.size();
    while (i < ende && text[i] == ' ') ++i;
    while (ende > i && text[ende - 1] == ' ') --ende;
    const std::string t = text.substr(i, ende - i);
    if (t.size() > 2 && (t[0] == '&') && (t[1] == 'H' || t[1] == 'h')) {
        if (t.size() > 10) throw Fehler(Fehlernummer::Ueberlauf);
        std::uint32_t wert = 0;
        for (std::size_t k = 2; k < t.size(); ++k) {
            const int ziffer = Hexziffer(t[k]);
            if (ziffer < 0) throw Fehler(Fehlernummer::Typenkonflikt);
            wert = wert * 16 + static_cast<std::uint32_t>(ziffer);
        }
        return static_cast<std::int32_t>(wert);
    }
    bool negativ = false;
    std::size_t k = 0;
    if (k < t.size() && (t[k] == '-' || t[k] == '+')) negativ = t[k++] == '-';
    if (k == t.size()) throw Fehler(Fehlernummer::Typenkonflikt);
    std::int64_t wert = 0;
    for (; k < t.size(); ++k) {
        if (t[k] < '0' || t[k] > '9') throw Fehler(Fehlernummer::Typenkonflikt);
        wert = wert * 10 + (t[k] - '0');
        if (wert > 2147483648LL) throw Fehler(Fehlernummer::Ueberlauf);
    }
    if (negativ) wert = -wert;
    if (wert > 2147483647LL) throw Fehler(Fehlernummer::Ueberlauf);
    return static_cast<std::int32_t>(wert);
}

}  // namespace

std::string HexFarbe(std::int32_t farbe) {
    return Geschuetzt("modSchulferien - HexFarbe", [&] {
        const auto rot = static_cast<std::uint32_t>(farbe & 255);
        const auto gruen = static_cast<std::uint32_t>((farbe / 256) & 255);
        const auto blau = static_cast<std::uint32_t>((farbe / 65536) & 255);
        return "&H" + Hex(blau, 2, true) + Hex(gruen, 2, true) + Hex(rot, 2, true);
    });
}

void Feiertage_schreiben() {
    Geschuetzt("modSchulferien - Feiertage_schreiben", [] {
        Datei_oeffnen(Programm.Datenordner + Host::Ferientagedatei, "Output", "");
        LineOut(Kopf);
        LineOut(Programm.Kennung);
        LineOut(HexFarbe(Programm.Farbe));
        LineOut(Programm.Land);
        LineOut("void");
        const std::string leer(31, '0');
        for (std::size_t i = 1; i < Programm.Monatsarray.size(); ++i)
            if (Mitte(Programm.Monatsarray[i], 6) != leer) LineOut(Programm.Monatsarray[i]);
        Datei_schliessen();
    });
}

void Feiertage_lesen() {
    try {
        const std::string pfad = Programm.Datenordner + Host::Ferientagedatei;
        if (!plattform().Datei_vorhanden(pfad)) return;
        if (!Datei_oeffnen(pfad, "Input", "IgnoreErrors")) return;
        // The program owns this file and replaces it on the next marking: a file that ends
        // early or holds an empty line is one that does not fit, like a wrong header, so
        // that it never keeps the user from writing a new one.
        std::array<std::optional<std::string>, 4> zeilen;
        for (auto& zeile : zeilen) {
            zeile = LineIn_falls_vorhanden();
            if (!zeile || *zeilen[0] != Kopf) {
                Datei_schliessen();
                return;
            }
        }
        // Only a colour the colour dialog can give counts; any other value is no colour.
        const std::int32_t farbe = Farbwert(*zeilen[2]);
        if (farbe < 0 || farbe > Hoechste_Farbe) {
            Datei_schliessen();
            return;
        }
        Programm.Farbe = farbe;
        Programm.Land = *zeilen[3];
        Programm.FerientageGelesen = true;
        Datei_schliessen();
    } catch (const std::exception&) {
        // An unreadable file only means that nothing is offered again.
        Datei_schliessen();
    }
}
