// Failures and the program's ends: the numbers the platform and the program's own steps fail
// with, and the exit codes the program ends with.
#pragma once

#include <exception>
#include <new>
#include <stdexcept>
#include <string>

// A failure of the platform or of the program's own steps: a number and, where the failure
// has words of its own, its description.
struct Laufzeitfehler : std::runtime_error {
    long Nummer;
    Laufzeitfehler(long nummer, const std::string& beschreibung)
        : std::runtime_error(beschreibung), Nummer(nummer) {}
};

// Error numbers: the numbers the platform and the program's own steps fail with. What the
// error report says about each number lives in services/fehler.h.
namespace Fehlernummer {
inline constexpr long UngueltigerAufruf = 5;
inline constexpr long Ueberlauf = 6;
inline constexpr long NichtGenuegendSpeicher = 7;
inline constexpr long IndexAusserhalb = 9;
inline constexpr long Typenkonflikt = 13;
inline constexpr long DateinameFalsch = 52;
inline constexpr long DateiNichtGefunden = 53;
inline constexpr long DateiGeoeffnet = 55;
inline constexpr long DatentraegerVoll = 61;
inline constexpr long HinterDateiende = 62;
inline constexpr long ZugriffVerweigert = 70;
inline constexpr long PfadZugriff = 75;
inline constexpr long PfadNichtGefunden = 76;
inline constexpr long KomponenteFehlt = 339;
inline constexpr long KomponenteNichtGeladen = 50003;
// Any other failure of the C++ library: a number without a description of its own.
inline constexpr long Anwendungsfehler = 1000;
}  // namespace Fehlernummer

// A failure with its number only; the error report adds the number's standard description.
inline Laufzeitfehler Fehler(long nummer) {
    return Laufzeitfehler(nummer, "");
}

// Any failure as the error report tells it: a Laufzeitfehler as it is, memory exhaustion by
// its number, and every other failure of the C++ library by the general number, so that its
// English what() never stands in the German report.
inline Laufzeitfehler Als_Laufzeitfehler(const std::exception& fehler) {
    if (const auto* eigener = dynamic_cast<const Laufzeitfehler*>(&fehler)) return *eigener;
    if (dynamic_cast<const std::bad_alloc*>(&fehler))
        return Fehler(Fehlernummer::NichtGenuegendSpeicher);
    return Fehler(Fehlernummer::Anwendungsfehler);
}

// The program's exit codes, so that scripts that deploy the tool can tell how it ended.
namespace Exitcode {
inline constexpr int Normal = 0;         // the window was closed ("&Beenden" or its close box)
inline constexpr int Fehlerbericht = 1;  // an error report ended the program
inline constexpr int Abbruch = 2;        // a fatal message (a host file missing or damaged)
inline constexpr int Installation = 3;   // the host product is not installed
}  // namespace Exitcode
