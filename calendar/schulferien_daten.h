// The built-in holiday periods, as constant data.
#pragma once

#include <array>
#include <string_view>
#include <vector>

struct Landesdaten {
    std::string_view Name;
    std::vector<std::string_view> Ferien;  // in chronological order
};

extern const std::array<Landesdaten, 16> Schulferiendaten;
