#include "platform/win32/bilder_win32.h"

#include <cstdint>
#include <optional>
#include <string_view>

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

Bitmap Skalierte_Bitmap(const Gif_Bild& bild, int groesse) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = groesse;
    bi.bmiHeader.biHeight = -groesse;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap bmp(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bmp) return bmp;
    auto* ziel = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < groesse; ++y) {
        const int sy = y * bild.hoehe / groesse;
        for (int x = 0; x < groesse; ++x) {
            const int sx = x * bild.breite / groesse;
            // Alpha is 0 or 255, so the colour is already premultiplied where it is opaque.
            const std::uint32_t p = bild.pixel[static_cast<std::size_t>(sy) * bild.breite + sx];
            ziel[static_cast<std::size_t>(y) * groesse + x] = (p >> 24) ? p : 0u;
        }
    }
    return bmp;
}

}  // namespace

Bitmap Statusbild(int ressource, int groesse) {
    const std::optional<Gif_Bild> bild = Ressourcenbild(ressource);
    if (!bild) return Bitmap();
    return Skalierte_Bitmap(*bild, groesse);
}

}  // namespace bilder_win32
