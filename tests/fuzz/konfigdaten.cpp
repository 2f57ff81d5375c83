// Konfigdaten.dat with a user name, whatever both hold: rights are decided, or the program
// ends with one message.
#include "hostdata/konfigdaten.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_stuetze.h"
#include "services/text.h"
#include "services/verwuerfelung.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider fdp(daten, groesse);
    Lauf lauf;
    Programm.Benutzername = Von_Ansi(fdp.ConsumeRandomLengthString(40));
    if (Programm.Benutzername.empty()) Programm.Benutzername = "NoName";
    const std::string datei = fdp.ConsumeRemainingBytesAsString();
    lauf.fake.Datei_anlegen("C:\\Daten\\Konfigdaten.dat", datei);

    Programm.Rechte = -1;
    if (lauf.Endet([] { Konfigdaten_lesen(); })) return 0;
    PRUEFEN(Programm.Rechte == 0 || Programm.Rechte == 2);
    PRUEFEN(lauf.fake.meldungen.empty());

    // The rights as the file's lines decide them: a user named by an administrator entry
    // ("A", anything, ":" and the name in any letter case), no administrator entry at all,
    // the 16th character of the settings line, or an edition line ending in "EPV".
    std::vector<std::string> zeilen;
    for (std::size_t anfang = 0; anfang < datei.size();) {
        std::size_t cr = datei.find('\r', anfang);
        if (cr == std::string::npos) cr = datei.size();
        zeilen.push_back(Von_Ansi(Entwuerfeln(datei.substr(anfang, cr - anfang))));
        anfang = cr + 1;
        if (cr < datei.size() && anfang < datei.size() && datei[anfang] == '\n') ++anfang;
    }
    PRUEFEN(zeilen.size() > 10);
    std::size_t i = 9;
    while (zeilen[i] != "[Administratoren]") ++i;
    const std::string ende = ":" + Kleinbuchstaben(Programm.Benutzername);
    bool genannt = false;
    int administratoren = 0;
    for (++i; i < zeilen.size(); ++i) {
        const std::string& z = zeilen[i];
        if (z == "NoAdmins" || z.empty() || z[0] != 'A') continue;
        ++administratoren;
        const std::string klein = Kleinbuchstaben(z);
        genannt = genannt || (klein.size() >= ende.size() &&
                              klein.compare(klein.size() - ende.size(), ende.size(), ende) == 0);
    }
    const bool soll = genannt || administratoren == 0 || Mitte(zeilen[7], 16, 1) == "1" ||
                      Rechts(zeilen[2], 3) == "EPV";
    PRUEFEN(Programm.Rechte == (soll ? 2 : 0));
    return 0;
}
