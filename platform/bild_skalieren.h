// Small pictures brought to the size the screen's DPI asks for: the nearest rendering drawn for
// that size, scaled smoothly where none fits exactly. Portable; no Windows headers.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/plattform.h"

// The rendering of `fassungen` to show at `groesse` pixels: the one of exactly that size, else
// the smallest larger one (scaled down), else the largest (scaled up). nullptr when empty.
const Bildfassung* Bildfassung_waehlen(std::span<const Bildfassung> fassungen, int groesse);

// `quelle` (breite x hoehe pixels, row by row from the top, 0xAARRGGBB with premultiplied
// alpha) at ziel_breite x ziel_hoehe: down by area averaging (each target pixel the mean of the
// source area it covers), up bilinearly, an unchanged size as it is. Premultiplied in and out,
// so transparent pixels never darken the edges. Empty when a size is not positive or `quelle`
// has not breite x hoehe pixels.
std::vector<std::uint32_t> Bild_skalieren(std::span<const std::uint32_t> quelle, int breite,
                                          int hoehe, int ziel_breite, int ziel_hoehe);
