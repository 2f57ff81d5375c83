// Ferientage.dat, whatever it holds, read at the data folder check and then replaced by a
// marking whose write fails after k bytes: the reader is silent and takes only a colour of
// 0..16,777,215; a failed write leaves the old file and nothing beside it; a whole write
// reads back as written.
#include "holidayfile/ferientage.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "calendar/schulferien.h"
#include "fuzz_stuetze.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider fdp(daten, groesse);
    const auto grenze = fdp.ConsumeIntegralInRange<std::size_t>(0, 6000);
    const auto monate = fdp.ConsumeIntegral<std::uint16_t>();
    const std::string alt = fdp.ConsumeRemainingBytesAsString();

    Lauf lauf;
    const std::string pfad = "C:\\Daten\\Ferientage.dat";
    lauf.fake.Datei_anlegen(pfad, alt);

    Programm.Farbe = 4711;
    Programm.Land = "vorher";
    PRUEFEN(!lauf.Endet([] { Feiertage_lesen(); }));
    PRUEFEN(lauf.fake.meldungen.empty());
    PRUEFEN(Programm.Farbe >= 0 && Programm.Farbe <= 0xFFFFFF);
    if (!Programm.FerientageGelesen) PRUEFEN(Programm.Farbe == 4711 && Programm.Land == "vorher");

    // The marking: a month table with some marked days, written with a disk that is full
    // after `grenze` bytes.
    Programm.Kennung = "Kennung";
    Monatsarray_aufbauen();
    for (std::size_t i = 1; i < Programm.Monatsarray.size(); ++i)
        if (monate & (1u << (i % 16))) Programm.Monatsarray[i][5 + i % 31] = '1';
    const std::vector<std::string> dateien = lauf.fake.Dateien("C:\\Daten");
    lauf.fake.Schreibfehler_nach(grenze);
    const std::int32_t farbe = Programm.Farbe;
    const std::string land = Programm.Land;
    if (lauf.Endet([] { Feiertage_schreiben(); })) {
        PRUEFEN(lauf.fake.exitcode == Exitcode::Fehlerbericht);
        PRUEFEN(lauf.fake.Inhalt(pfad) == alt);
        PRUEFEN(lauf.fake.Dateien("C:\\Daten") == dateien);
        return 0;
    }
    lauf.fake.Schreibfehler_aufheben();
    Programm.Farbe = 4711;
    Programm.Land = "vorher";
    Programm.FerientageGelesen = false;
    PRUEFEN(!lauf.Endet([] { Feiertage_lesen(); }));
    PRUEFEN(Programm.FerientageGelesen && Programm.Farbe == farbe && Programm.Land == land);
    return 0;
}
