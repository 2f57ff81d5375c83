// A small decoder for the program's own status pictures: the first image of a GIF87a/GIF89a
// file, with its transparent colour. Portable code of the core library, so that it is tested
// natively (also under the sanitizers); no Windows headers.
//
// The Win32 window decodes its GIF resources with this when it first paints them, instead of the
// Windows Imaging Component: starting COM and WIC for three 17 x 17 pictures costs about a quarter
// of an empty window's whole start-up under Wine (tools/benchmark.sh measures that variant as
// well).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

struct Gif_Bild {
    int breite = 0, hoehe = 0;
    // Row by row from the top, 0xAARRGGBB; alpha is 0 (transparent) or 255.
    std::vector<std::uint32_t> pixel;
};

// std::nullopt when the data are no GIF picture or are damaged.
std::optional<Gif_Bild> Gif_dekodieren(std::string_view daten);
