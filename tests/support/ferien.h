// Holidays worked out by hand from the published periods, to check the built-in table and
// everything made from it: the periods as listed, the month lines of Ferientage.dat and the
// confirmation before marking.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace orakel {

using Liste = std::vector<std::string>;

// A month line of Ferientage.dat: YYMM, ":" and 31 day flags, the given day ranges set.
struct Tage {
    int von, bis;
};
inline std::string Monat(const std::string& jjmm, std::initializer_list<Tage> tage) {
    std::string flags(31, '0');
    for (const Tage& t : tage) {
        for (int tag = t.von; tag <= t.bis; ++tag) flags[static_cast<std::size_t>(tag - 1)] = '1';
    }
    return jjmm + ":" + flags;
}

// The sixteen states in the order of the built-in table and of the window's list.
// clang-format off
inline const Liste Laender = {
    "Baden-Württemberg", "Bayern", "Berlin", "Brandenburg", "Bremen", "Hamburg", "Hessen",
    "Mecklenburg-Vorpommern", "Niedersachsen", "Nordrhein-Westfalen", "Rheinland-Pfalz",
    "Saarland", "Sachsen", "Sachsen-Anhalt", "Schleswig-Holstein", "Thüringen",
};
// clang-format on

inline const Liste Hessen = {
    "27.12.23 - 13.01.24 Weihnachten", "25.03.24 - 13.04.24 Ostern",
    "15.07.24 - 23.08.24 Sommer",      "14.10.24 - 25.10.24 Herbst",
    "23.12.24 - 10.01.25 Weihnachten", "07.04.25 - 21.04.25 Ostern",
    "07.07.25 - 15.08.25 Sommer",      "06.10.25 - 18.10.25 Herbst",
    "22.12.25 - 10.01.26 Weihnachten", "30.03.26 - 10.04.26 Ostern",
    "29.06.26 - 07.08.26 Sommer",      "05.10.26 - 17.10.26 Herbst",
    "23.12.26 - 12.01.27 Weihnachten",
};

// Hessen's months from January 2024 on (the table built in 2025): the Christmas holidays
// 2023/24 are cut at 1 January 2024, June has 30 days.
inline const Liste Hessen_Monate = {
    Monat("2401", {{1, 13}}),  Monat("2403", {{25, 31}}), Monat("2404", {{1, 13}}),
    Monat("2407", {{15, 31}}), Monat("2408", {{1, 23}}),  Monat("2410", {{14, 25}}),
    Monat("2412", {{23, 31}}), Monat("2501", {{1, 10}}),  Monat("2504", {{7, 21}}),
    Monat("2507", {{7, 31}}),  Monat("2508", {{1, 15}}),  Monat("2510", {{6, 18}}),
    Monat("2512", {{22, 31}}), Monat("2601", {{1, 10}}),  Monat("2603", {{30, 31}}),
    Monat("2604", {{1, 10}}),  Monat("2606", {{29, 30}}), Monat("2607", {{1, 31}}),
    Monat("2608", {{1, 7}}),   Monat("2610", {{5, 17}}),  Monat("2612", {{23, 31}}),
    Monat("2701", {{1, 12}}),
};

// Sachsen-Anhalt, built in 2025. Two periods share January 2025 and January 2026; the
// winter holidays 2026 start on 31 January.
inline const Liste Sachsen_Anhalt_Monate = {
    Monat("2401", {{1, 3}}),   Monat("2402", {{5, 10}}),          Monat("2403", {{25, 30}}),
    Monat("2405", {{21, 24}}), Monat("2406", {{24, 30}}),         Monat("2407", {{1, 31}}),
    Monat("2408", {{1, 3}}),   Monat("2409", {{30, 30}}),         Monat("2410", {{1, 12}}),
    Monat("2412", {{23, 31}}), Monat("2501", {{1, 4}, {27, 31}}), Monat("2504", {{7, 19}}),
    Monat("2506", {{28, 30}}), Monat("2507", {{1, 31}}),          Monat("2508", {{1, 8}}),
    Monat("2510", {{13, 25}}), Monat("2512", {{22, 31}}),         Monat("2601", {{1, 5}, {31, 31}}),
    Monat("2602", {{1, 6}}),   Monat("2603", {{30, 31}}),         Monat("2604", {{1, 4}}),
    Monat("2605", {{26, 29}}), Monat("2607", {{4, 31}}),          Monat("2608", {{1, 14}}),
    Monat("2610", {{19, 30}}), Monat("2612", {{21, 31}}),         Monat("2701", {{1, 2}}),
};

// The confirmation before marking: the state and the periods listed.
inline std::string Bestaetigung(const std::string& land, const Liste& zeitraeume) {
    std::string text = "Folgende Ferienzeiten werden gekennzeichnet:\r\rLand: " + land + "\r";
    for (const std::string& z : zeitraeume) text += "\r" + z;
    return text +
           "\r\rStand der Daten 15.06.24. Quelle: Kultusminister-\r"
           "konferenz (https://www.kmk.org). Keine Gewähr für die\rRichtigkeit.";
}

}  // namespace orakel
