// The scrambled line channel on any file: reading every line, the end of the file, and the
// scrambling round trip of any text under any key.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_stuetze.h"
#include "services/dateikanal.h"
#include "services/text.h"
#include "services/verwuerfelung.h"

namespace {

// The physical lines of a file, as the channel's description has them: up to each CR, a LF
// right after the CR belongs to the line end; the last line may lack its end.
std::vector<std::string> Physische_Zeilen(const std::string& bytes) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang < bytes.size()) {
        std::size_t cr = bytes.find('\r', anfang);
        if (cr == std::string::npos) cr = bytes.size();
        zeilen.push_back(bytes.substr(anfang, cr - anfang));
        anfang = cr + 1;
        if (cr < bytes.size() && anfang < bytes.size() && bytes[anfang] == '\n') ++anfang;
    }
    return zeilen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider fdp(daten, groesse);
    const auto schluessel = fdp.ConsumeIntegralInRange<unsigned char>(32, 254);
    const std::string text = fdp.ConsumeRandomLengthString(200);
    const std::string datei = fdp.ConsumeRemainingBytesAsString();

    // Scrambling: no byte below 32 in a line, and any text comes back without its control
    // characters, under any key.
    const std::string zeile = Verwuerfeln(text, schluessel);
    PRUEFEN(!zeile.empty() && static_cast<unsigned char>(zeile[0]) == schluessel);
    std::string ohne_steuerzeichen;
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 32) ohne_steuerzeichen += c;
    for (const char c : zeile) PRUEFEN(static_cast<unsigned char>(c) >= 32);
    PRUEFEN(Entwuerfeln(zeile) == ohne_steuerzeichen);

    Lauf lauf;
    const std::string pfad = "C:\\Daten\\Datei.dat";
    lauf.fake.Datei_anlegen(pfad, datei);
    const std::vector<std::string> soll = Physische_Zeilen(datei);

    // Raw reading gives every physical line as its bytes, then the end of the file.
    PRUEFEN(Datei_oeffnen(pfad, "Input", ""));
    for (const std::string& z : soll) {
        PRUEFEN(!Dateiende());
        PRUEFEN(Nach_Ansi(LineInRaw()) == z);
    }
    PRUEFEN(Dateiende());
    Datei_schliessen();

    // Unscrambled reading: every line that has a key character, until the first that has
    // none, which ends the program with the error report.
    const bool beendet = lauf.Endet([&] {
        PRUEFEN(Datei_oeffnen(pfad, "Input", ""));
        for (const std::string& z : soll) {
            const std::string gelesen = LineIn();
            PRUEFEN(!z.empty());
            PRUEFEN(Nach_Ansi(gelesen) == Entwuerfeln(z));
        }
        PRUEFEN(Dateiende());
        LineIn();  // one line too many
    });
    PRUEFEN(beendet);
    PRUEFEN(lauf.fake.exitcode == Exitcode::Fehlerbericht);
    PRUEFEN(lauf.fake.meldungen.back().text.find("'modSchulferien - LineIn'") != std::string::npos);

    // Writing and reading back through the channel: the text without its control characters.
    const std::string neu = "C:\\Daten\\Neu.dat";
    const std::string utf8 = Von_Ansi(text);
    PRUEFEN(!lauf.Endet([&] {
        PRUEFEN(Datei_oeffnen(neu, "Output", ""));
        LineOut(utf8);
        Datei_schliessen();
        PRUEFEN(Datei_oeffnen(neu, "Input", ""));
        PRUEFEN(Nach_Ansi(LineIn()) == ohne_steuerzeichen);
        PRUEFEN(Dateiende());
        Datei_schliessen();
    }));
    return 0;
}
