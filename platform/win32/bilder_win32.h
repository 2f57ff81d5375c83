// The status pictures of the main window: GIF resources of the program, decoded and scaled to
// the size they are shown at.
#pragma once

#include <windows.h>

#include "platform/win32/besitzer_win32.h"

namespace bilder_win32 {

// The picture of the GIF resource `ressource` (RT_RCDATA) at `groesse` × `groesse` pixels,
// scaled by nearest neighbour (crisp at whole multiples), as a premultiplied top-down 32-bit
// DIB for AlphaBlend. Empty when the resource is missing or can't be decoded or drawn.
Bitmap Statusbild(int ressource, int groesse);

}  // namespace bilder_win32
