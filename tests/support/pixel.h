// A length in twips (1/1440 inch) on a screen of `dpi` dots per inch, to the nearest pixel.
#pragma once

namespace orakel {

constexpr int Pixel(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

}  // namespace orakel
