// A small decoder for the program's own status pictures: the first image of a GIF87a/GIF89a
// file, with its transparent colour. Portable; no Windows headers.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

struct Gif_Bild {
    int breite = 0, höhe = 0;
    // Row by row from the top, 0xAARRGGBB; alpha is 0 (transparent) or 255.
    std::vector<std::uint32_t> pixel;
};

// std::nullopt when the data are no GIF picture or are damaged.
std::optional<Gif_Bild> Gif_dekodieren(std::string_view daten);
