// The text helpers on any bytes: UTF-8 in, Windows-1252 out, and back; letter case as the
// fake Windows maps it.
#include "services/text.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_stuetze.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static FakePlattform fake;
    Plattform_setzen(&fake);
    const std::string s(reinterpret_cast<const char*>(daten), groesse);
    const std::size_t laenge = Laenge(s);
    PRUEFEN(laenge <= s.size());

    // Changing the letter case keeps every character in its place and its byte length.
    const std::string klein = Kleinbuchstaben(s);
    PRUEFEN(klein.size() == s.size());
    PRUEFEN(Laenge(klein) == laenge);
    PRUEFEN(Kleinbuchstaben(klein) == klein);

    // One Windows-1252 byte per character.
    const std::string ansi = Nach_Ansi(s);
    PRUEFEN(ansi.size() == laenge);

    // Any bytes read from a file come back as the same bytes when written.
    const std::string utf8 = Von_Ansi(s);
    PRUEFEN(Laenge(utf8) == s.size());
    PRUEFEN(Nach_Ansi(utf8) == s);
    PRUEFEN(Von_Ansi(Nach_Ansi(utf8)) == utf8);

    // Cutting by characters never splits one.
    const std::size_t n = groesse == 0 ? 0 : daten[0] % (laenge + 2);
    PRUEFEN(Links(s, n) + Mitte(s, n + 1) == s);
    PRUEFEN(Laenge(Links(s, n)) == std::min(n, laenge));
    PRUEFEN(Rechts(s, laenge - std::min(n, laenge)) == Mitte(s, std::min(n, laenge) + 1));
    return 0;
}
