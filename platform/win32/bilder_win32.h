// The status pictures of the main window: GIF resources of the program, drawn for several
// sizes, decoded and brought to the size they are shown at.
#pragma once

#include <windows.h>

#include <span>

#include "platform/plattform.h"
#include "platform/win32/besitzer_win32.h"

namespace bilder_win32 {

// The picture at `groesse` x `groesse` pixels as a premultiplied top-down 32-bit DIB for
// AlphaBlend, from the one rendering of `fassungen` (GIF resources, RT_RCDATA) that
// Bildfassung_waehlen picks: as it is when drawn for that size, else scaled smoothly. Only
// that rendering is decoded. Empty when the resource is missing or can't be decoded or drawn.
Bitmap Statusbild(std::span<const Bildfassung> fassungen, int groesse);

}  // namespace bilder_win32
