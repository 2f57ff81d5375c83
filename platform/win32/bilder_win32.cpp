#include "platform/win32/bilder_win32.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/bild_skalieren.h"
#include "platform/gif_bild.h"

namespace bilder_win32 {
namespace {

// The GIF resource of a status picture, decoded.
std::optional<Gif_Bild> Ressourcenbild(int id) {
    HMODULE modul = GetModuleHandleW(nullptr);
    HRSRC r = FindResourceW(modul, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!r) return std::nullopt;
    HGLOBAL g = LoadResource(modul, r);
    const void* p = g ? LockResource(g) : nullptr;
    if (!p) return std::nullopt;
    return Gif_dekodieren(std::string_view(static_cast<const char*>(p), SizeofResource(modul, r)));
}

Bitmap Dib(const std::vector<std::uint32_t>& pixel, int groesse) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = groesse;
    bi.bmiHeader.biHeight = -groesse;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap bmp(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bmp) std::memcpy(bits, pixel.data(), pixel.size() * sizeof(std::uint32_t));
    return bmp;
}

}  // namespace

Bitmap Statusbild(std::span<const Bildfassung> fassungen, int groesse) {
    const Bildfassung* fassung = Bildfassung_waehlen(fassungen, groesse);
    if (!fassung || groesse <= 0) return Bitmap();
    std::optional<Gif_Bild> bild = Ressourcenbild(fassung->ressource);
    if (!bild) return Bitmap();
    // GIF alpha is 0 or 255: premultiplied, a transparent pixel is all zero and an opaque one
    // keeps its colour.
    for (std::uint32_t& p : bild->pixel) {
        if (!(p >> 24)) p = 0;
    }
    const std::vector<std::uint32_t> pixel =
        Bild_skalieren(bild->pixel, bild->breite, bild->hoehe, groesse, groesse);
    if (pixel.empty()) return Bitmap();
    return Dib(pixel, groesse);
}

}  // namespace bilder_win32
