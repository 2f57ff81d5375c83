#include "platform/gif_bild.h"

#include <array>
#include <cstddef>

namespace {

class Leser {
  public:
    explicit Leser(std::string_view d) : daten(d) {}
    bool Genug(std::size_t n) const { return pos + n <= daten.size(); }
    std::uint8_t Byte() {
        return Genug(1) ? static_cast<std::uint8_t>(daten[pos++]) : (fehler = true, 0);
    }
    int Wort() {
        const int lo = Byte();
        return lo | (Byte() << 8);
    }
    void Ueberspringen(std::size_t n) {
        if (Genug(n)) {
            pos += n;
        } else {
            fehler = true;
        }
    }
    // The data sub-blocks that follow, joined (each block: length byte, bytes; 0 ends).
    std::vector<std::uint8_t> Unterbloecke() {
        std::vector<std::uint8_t> alle;
        for (std::uint8_t n = Byte(); n != 0 && !fehler; n = Byte()) {
            if (!Genug(n)) {
                fehler = true;
                break;
            }
            alle.insert(alle.end(), daten.begin() + pos, daten.begin() + pos + n);
            pos += n;
        }
        return alle;
    }
    bool fehler = false;

  private:
    std::string_view daten;
    std::size_t pos = 0;
};

// GIF's LZW: variable code width from min_code_size + 1 up to 12 bits, least significant bit
// first. Returns false on a code that can't occur in a sound stream.
bool Lzw_dekodieren(const std::vector<std::uint8_t>& strom, int min_code_size, std::size_t anzahl,
                    std::vector<std::uint8_t>& aus) {
    if (min_code_size < 2 || min_code_size > 8) return false;
    const int clear = 1 << min_code_size;
    const int ende = clear + 1;
    std::array<std::uint16_t, 4096> praefix{};
    std::array<std::uint8_t, 4096> suffix{};
    std::array<std::uint8_t, 4097> stapel{};
    int breite = min_code_size + 1;
    int naechster = ende + 1;
    int vorher = -1;
    std::uint8_t erstes = 0;
    std::uint32_t bits = 0;
    int nbits = 0;
    std::size_t i = 0;
    for (int c = 0; c < clear; ++c) suffix[c] = static_cast<std::uint8_t>(c);

    while (aus.size() < anzahl) {
        while (nbits < breite) {
            if (i >= strom.size()) return false;
            bits |= static_cast<std::uint32_t>(strom[i++]) << nbits;
            nbits += 8;
        }
        const int code = static_cast<int>(bits & ((1u << breite) - 1));
        bits >>= breite;
        nbits -= breite;

        if (code == clear) {
            breite = min_code_size + 1;
            naechster = ende + 1;
            vorher = -1;
            continue;
        }
        if (code == ende) break;
        if (vorher < 0) {
            if (code >= clear) return false;
            aus.push_back(static_cast<std::uint8_t>(code));
            vorher = code;
            erstes = static_cast<std::uint8_t>(code);
            continue;
        }
        if (code > naechster) return false;

        std::size_t n = 0;
        int c = code;
        if (code == naechster) {  // the entry that this very code defines
            stapel[n++] = erstes;
            c = vorher;
        }
        while (c >= clear) {
            stapel[n++] = suffix[c];
            c = praefix[c];
        }
        stapel[n++] = static_cast<std::uint8_t>(c);
        erstes = static_cast<std::uint8_t>(c);
        while (n > 0) aus.push_back(stapel[--n]);

        if (naechster < 4096) {
            praefix[naechster] = static_cast<std::uint16_t>(vorher);
            suffix[naechster] = erstes;
            ++naechster;
            if (naechster == (1 << breite) && breite < 12) ++breite;
        }
        vorher = code;
    }
    if (aus.size() > anzahl) aus.resize(anzahl);
    return aus.size() == anzahl;
}

std::vector<std::uint32_t> Farbtabelle(Leser& l, int groesse_bits) {
    std::vector<std::uint32_t> tabelle(std::size_t{1} << (groesse_bits + 1));
    for (auto& farbe : tabelle) {
        const std::uint32_t r = l.Byte(), g = l.Byte(), b = l.Byte();
        farbe = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
    return tabelle;
}

}  // namespace

std::optional<Gif_Bild> Gif_dekodieren(std::string_view daten) {
    if (daten.size() < 13 || (daten.substr(0, 6) != "GIF89a" && daten.substr(0, 6) != "GIF87a")) {
        return std::nullopt;
    }
    Leser l(daten.substr(6));
    Gif_Bild bild;
    l.Wort();  // logical screen width and height: the image descriptor's count
    l.Wort();
    const std::uint8_t schirm = l.Byte();
    l.Byte();  // background colour
    l.Byte();  // aspect ratio
    std::vector<std::uint32_t> global;
    if (schirm & 0x80) global = Farbtabelle(l, schirm & 0x07);
    int transparent = -1;

    while (!l.fehler) {
        const std::uint8_t art = l.Byte();
        if (art == 0x21) {  // extension
            const std::uint8_t marke = l.Byte();
            const std::vector<std::uint8_t> inhalt = l.Unterbloecke();
            if (marke == 0xF9 && inhalt.size() >= 4 && (inhalt[0] & 0x01)) transparent = inhalt[3];
        } else if (art == 0x2C) {  // image descriptor
            const int links = l.Wort(), oben = l.Wort();
            bild.breite = l.Wort();
            bild.hoehe = l.Wort();
            const std::uint8_t merkmale = l.Byte();
            std::vector<std::uint32_t> farben =
                (merkmale & 0x80) ? Farbtabelle(l, merkmale & 0x07) : global;
            const bool zeilensprung = merkmale & 0x40;
            const int min_code_size = l.Byte();
            const std::vector<std::uint8_t> strom = l.Unterbloecke();
            if (l.fehler || links != 0 || oben != 0 || bild.breite <= 0 || bild.hoehe <= 0 ||
                bild.breite > 1024 || bild.hoehe > 1024 || farben.empty()) {
                return std::nullopt;
            }
            const std::size_t anzahl = static_cast<std::size_t>(bild.breite) * bild.hoehe;
            std::vector<std::uint8_t> indexe;
            if (!Lzw_dekodieren(strom, min_code_size, anzahl, indexe)) return std::nullopt;

            // Interlaced rows come in four passes: 0, 4, 8...; 4, 12...; 2, 6...; 1, 3...
            std::vector<int> zeilen;
            if (zeilensprung) {
                constexpr std::array<std::array<int, 2>, 4> Durchgaenge{
                    {{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
                for (const auto& [start, schritt] : Durchgaenge) {
                    for (int y = start; y < bild.hoehe; y += schritt) zeilen.push_back(y);
                }
            } else {
                for (int y = 0; y < bild.hoehe; ++y) zeilen.push_back(y);
            }
            bild.pixel.assign(anzahl, 0);
            for (int z = 0; z < bild.hoehe; ++z) {
                for (int x = 0; x < bild.breite; ++x) {
                    const std::uint8_t i = indexe[static_cast<std::size_t>(z) * bild.breite + x];
                    if (i >= farben.size()) return std::nullopt;
                    bild.pixel[static_cast<std::size_t>(zeilen[z]) * bild.breite + x] =
                        i == transparent ? 0u : farben[i];
                }
            }
            return bild;
        } else {
            return std::nullopt;  // trailer before any image, or garbage
        }
    }
    return std::nullopt;
}
