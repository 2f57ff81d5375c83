// The built-in holiday table: the periods as published, in the form the program reads.
#include "calendar/schulferien.h"

#include <algorithm>
#include <set>

#include "tests/unit/kern.h"

namespace {

class Schulferientabelle : public Kern {
  protected:
    void SetUp() override { Schulferienarray_definieren(); }
    std::vector<std::string> Perioden(int land) {
        std::vector<std::string> p;
        for (int slot = 1; slot <= 33; ++slot)
            if (!Programm.Schulferienarray[land].Ferien[slot].empty())
                p.push_back(Programm.Schulferienarray[land].Ferien[slot]);
        return p;
    }
};

TEST_F(Schulferientabelle, AusgewaehlteLaenderHabenGenauIhreZeitraeume) {
    EXPECT_EQ(Perioden(7), orakel::Hessen);
    const auto hamburg = Perioden(6);
    ASSERT_EQ(hamburg.size(), 17u);
    EXPECT_EQ(hamburg[1], "02.02.24 - 02.02.24 Winter");
    EXPECT_EQ(hamburg[8], "26.05.25 - 30.05.25 Christi Himmelfahrt");
    EXPECT_EQ(hamburg[16], "21.12.26 - 01.01.27 Weihnachten");
    const auto saarland = Perioden(12);
    ASSERT_EQ(saarland.size(), 17u);
    EXPECT_EQ(saarland[16], "21.12.26 - 31.12.26 Weihnachten");
    const auto sachsen_anhalt = Perioden(14);
    ASSERT_EQ(sachsen_anhalt.size(), 18u);
    EXPECT_EQ(sachsen_anhalt[7], "27.01.25 - 31.01.25 Winter");
    EXPECT_EQ(sachsen_anhalt[12], "31.01.26 - 06.02.26 Winter");
    EXPECT_EQ(Perioden(2).size(), 19u);
    EXPECT_EQ(Perioden(8).size(), 19u);
    EXPECT_EQ(Perioden(16).front(), "22.12.23 - 05.01.24 Weihnachten");
}

TEST_F(Schulferientabelle, PlaetzeFolgenLueckenlosAufeinander) {
    for (int land = 1; land <= 16; ++land) {
        const auto& ferien = Programm.Schulferienarray[land].Ferien;
        EXPECT_TRUE(ferien[0].empty());
        const std::size_t n = Perioden(land).size();
        for (std::size_t slot = 1; slot <= 33; ++slot)
            EXPECT_EQ(ferien[slot].empty(), slot > n) << land << " slot " << slot;
    }
}

// What the rest of the program relies on: the field layout, every period within the data's
// years, none after its end, and periods starting in each of 2023 to 2026 but not 2027.
TEST_F(Schulferientabelle, JederZeitraumHatDasFesteFormat) {
    const std::vector<std::string> namen = {"Weihnachten", "Winter",    "Ostern",
                                            "Frühjahr",    "Pfingsten", "Christi Himmelfahrt",
                                            "Sommer",      "Herbst"};
    for (int land = 1; land <= 16; ++land) {
        std::set<int> startjahre;
        for (const auto& p : Perioden(land)) {
            SCOPED_TRACE(p);
            ASSERT_GE(p.size(), 21u);
            EXPECT_EQ(p.substr(2, 1) + p.substr(5, 1) + p.substr(8, 3) + p.substr(13, 1) +
                          p.substr(16, 1) + p.substr(19, 1),
                      ".. - .. ");
            EXPECT_NE(std::find(namen.begin(), namen.end(), p.substr(20)), namen.end());
            const int von =
                Wert(p.substr(6, 2)) * 10000 + Wert(p.substr(3, 2)) * 100 + Wert(p.substr(0, 2));
            const int bis =
                Wert(p.substr(17, 2)) * 10000 + Wert(p.substr(14, 2)) * 100 + Wert(p.substr(11, 2));
            EXPECT_LE(von, bis);
            startjahre.insert(Wert(p.substr(6, 2)));
        }
        EXPECT_EQ(startjahre, (std::set<int>{23, 24, 25, 26}))
            << Programm.Schulferienarray[land].Name;
    }
}

}  // namespace
