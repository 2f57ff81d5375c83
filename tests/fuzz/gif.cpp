// The GIF decoder on any bytes: a picture it accepts is whole and sound.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "fuzz_stuetze.h"
#include "platform/gif_bild.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::optional<Gif_Bild> bild =
        Gif_dekodieren(std::string_view(reinterpret_cast<const char*>(daten), groesse));
    if (!bild) return 0;
    PRUEFEN(bild->breite >= 1 && bild->breite <= 1024);
    PRUEFEN(bild->hoehe >= 1 && bild->hoehe <= 1024);
    PRUEFEN(bild->pixel.size() == static_cast<std::size_t>(bild->breite) * bild->hoehe);
    for (const std::uint32_t p : bild->pixel) PRUEFEN(p == 0 || (p >> 24) == 0xFF);
    return 0;
}
