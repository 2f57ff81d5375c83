#include "platform/ersatzname.h"

#include "platform/hex.h"

namespace {

char Gross(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// One to eight hexadecimal digits from `i` on, their value; `i` moves past them.
std::optional<std::uint32_t> Hexzahl(const std::string& s, std::size_t& i) {
    std::uint32_t wert = 0;
    const std::size_t anfang = i;
    for (; i < s.size() && i - anfang < 9 && Hexziffer(s[i]) >= 0; ++i)
        wert = wert * 16 + static_cast<std::uint32_t>(Hexziffer(s[i]));
    if (i == anfang || i - anfang > 8) return std::nullopt;
    return wert;
}

bool Gleich_ohne_Gross(const std::string& a, std::size_t von, const std::string& b) {
    if (a.size() < von + b.size()) return false;
    for (std::size_t k = 0; k < b.size(); ++k)
        if (Gross(a[von + k]) != Gross(b[k])) return false;
    return true;
}

}  // namespace

std::string Ersatzname(const std::string& ziel, std::uint32_t prozess, std::uint32_t nummer) {
    return ziel + ".~" + Hex(prozess, 1, false) + "-" + Hex(nummer, 1, false) + ".tmp";
}

std::optional<std::uint32_t> Ersatzname_prozess(const std::string& name,
                                                const std::string& zielname) {
    if (!Gleich_ohne_Gross(name, 0, zielname + ".~")) return std::nullopt;
    std::size_t i = zielname.size() + 2;
    const std::optional<std::uint32_t> prozess = Hexzahl(name, i);
    if (!prozess || i >= name.size() || name[i++] != '-' || !Hexzahl(name, i)) return std::nullopt;
    if (i + 4 != name.size() || !Gleich_ohne_Gross(name, i, ".tmp")) return std::nullopt;
    return prozess;
}
