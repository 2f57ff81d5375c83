// The host's path settings Zedrano.dat, whatever it holds: start-up goes on.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_stuetze.h"
#include "startup/main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Lauf lauf;
    const std::string vorher = "(ungesetzt)";
    Programm.Datenordner = Programm.Logordner = vorher;
    Programm.Programmordner = "C:\\Prog\\Brindavel\\";
    lauf.fake.Datei_anlegen(Programm.Programmordner + "Zedrano.dat",
                            std::string(reinterpret_cast<const char*>(daten), groesse));
    // A file that can be opened never ends the program and shows nothing.
    PRUEFEN(!lauf.Endet([] { Programmpfade_lesen(); }));
    PRUEFEN(lauf.fake.meldungen.empty());
    // The log folder is taken only together with the data folder.
    PRUEFEN(Programm.Datenordner != vorher || Programm.Logordner == vorher);
    return 0;
}
