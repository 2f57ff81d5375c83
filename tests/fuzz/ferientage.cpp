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

    Farbe = 4711;
    Land = "vorher";
    PRUEFEN(!lauf.Endet([] { Feiertage_lesen(); }));
    PRUEFEN(lauf.fake.meldungen.empty());
    PRUEFEN(Farbe >= 0 && Farbe <= 0xFFFFFF);
    if (!FerientageGelesen) PRUEFEN(Farbe == 4711 && Land == "vorher");

    // The marking: a month table with some marked days, written with a disk that is full
    // after `grenze` bytes.
    Kennung = "Kennung";
    Monatsarray_aufbauen();
    for (std::size_t i = 1; i < Monatsarray.size(); ++i)
        if (monate & (1u << (i % 16))) Monatsarray[i][5 + i % 31] = '1';
    const std::vector<std::string> dateien = lauf.fake.Dateien("C:\\Daten");
    lauf.fake.Schreibfehler_nach(grenze);
    const std::int32_t farbe = Farbe;
    const std::string land = Land;
    if (lauf.Endet([] { Feiertage_schreiben(); })) {
        PRUEFEN(lauf.fake.exitcode == Exitcode::Fehlerbericht);
        PRUEFEN(lauf.fake.Inhalt(pfad) == alt);
        PRUEFEN(lauf.fake.Dateien("C:\\Daten") == dateien);
        return 0;
    }
    lauf.fake.Schreibfehler_aufheben();
    Farbe = 4711;
    Land = "vorher";
    FerientageGelesen = false;
    PRUEFEN(!lauf.Endet([] { Feiertage_lesen(); }));
    PRUEFEN(FerientageGelesen && Farbe == farbe && Land == land);
    return 0;
}
