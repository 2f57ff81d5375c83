#include "calendar/schulferien.h"
#include "tests/unit/kern.h"
#include "ui/frm_schulferien.h"

namespace {

using orakel::Monat;

class Monatstabelle : public Kern {
  protected:
    void Aufbauen(int jahr) {
        fake.jetzt = Zeitpunkt{jahr, 6, 1, 12, 0, 0};
        Monatsarray_aufbauen();
    }
    // Marks a period given as "dd.mm.yy - dd.mm.yy".
    void Markieren(const std::string& p) {
        Ferienzeiten_uebernehmen(p.substr(0, 2), p.substr(3, 2), p.substr(6, 2), p.substr(11, 2),
                                 p.substr(14, 2), p.substr(17, 2));
    }
    // The entry of month yymm.
    std::string Eintrag(const std::string& yymm) {
        for (std::size_t i = 1; i < Programm.Monatsarray.size(); ++i)
            if (Programm.Monatsarray[i].substr(0, 4) == yymm) return Programm.Monatsarray[i];
        ADD_FAILURE() << "no entry " << yymm;
        return {};
    }
    // Every entry whose flags are not all "0".
    std::vector<std::string> Markiert() {
        std::vector<std::string> m;
        for (std::size_t i = 1; i < Programm.Monatsarray.size(); ++i)
            if (Programm.Monatsarray[i].find('1', 5) != std::string::npos)
                m.push_back(Programm.Monatsarray[i]);
        return m;
    }
};

TEST_F(Monatstabelle, ZehnJahreAbJanuarDesVorjahres) {
    Aufbauen(2025);
    EXPECT_EQ(Programm.Monatsarray[1], "2401:" + std::string(31, '0'));
    EXPECT_EQ(Programm.Monatsarray[13], "2501:" + std::string(31, '0'));
    EXPECT_EQ(Programm.Monatsarray[120], "3312:" + std::string(31, '0'));
    for (std::size_t i = 1; i < Programm.Monatsarray.size(); ++i)
        ASSERT_EQ(Programm.Monatsarray[i].size(), 36u);
}

TEST_F(Monatstabelle, ZeitraeumeWerdenTageweiseMarkiert) {
    struct Fall {
        int jahr;
        const char* periode;
        std::vector<std::string> erwartet;
    };
    const std::vector<Fall> faelle = {
        {2025,
         "29.07.24 - 09.09.24",
         {Monat("2407", {{29, 31}}), "2408:" + std::string(31, '1'), Monat("2409", {{1, 9}})}},
        // Clipped to 1 January of the first year.
        {2025, "23.12.23 - 05.01.24", {Monat("2401", {{1, 5}})}},
        // Not clipped when the table starts in 2023.
        {2024, "23.12.23 - 05.01.24", {Monat("2312", {{23, 31}}), Monat("2401", {{1, 5}})}},
        // February 2025 has 28 days: its positions 29 to 31 stay "0".
        {2025, "24.02.25 - 04.03.25", {Monat("2502", {{24, 28}}), Monat("2503", {{1, 4}})}},
        // Leap year.
        {2025, "26.02.24 - 02.03.24", {Monat("2402", {{26, 29}}), Monat("2403", {{1, 2}})}},
        {2025, "02.02.24 - 02.02.24", {Monat("2402", {{2, 2}})}},
        {2025, "21.12.26 - 31.12.26", {Monat("2612", {{21, 31}})}},
        {2025, "31.01.26 - 06.02.26", {Monat("2601", {{31, 31}}), Monat("2602", {{1, 6}})}},
        // Wholly before the table, wholly after it, and across its end.
        {2026, "23.12.23 - 05.01.24", {}},
        {2025, "01.01.34 - 05.01.34", {}},
        {2025, "28.12.33 - 03.01.34", {Monat("3312", {{28, 31}})}},
        {2025, "01.06.33 - 05.06.33", {Monat("3306", {{1, 5}})}},
        // A month strictly inside a period gets all 31 flags, whatever its length.
        {2025,
         "30.05.26 - 01.07.26",
         {Monat("2605", {{30, 31}}), "2606:" + std::string(31, '1'), Monat("2607", {{1, 1}})}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.periode) + " built in " + std::to_string(f.jahr));
        Aufbauen(f.jahr);
        Markieren(f.periode);
        EXPECT_EQ(Markiert(), f.erwartet);
        Markieren(f.periode);  // a second time changes nothing
        EXPECT_EQ(Markiert(), f.erwartet);
    }
}

TEST_F(Monatstabelle, MarkierungenEinesMonatsSummierenSich) {
    Aufbauen(2025);
    Markieren("23.12.24 - 04.01.25");
    Markieren("27.01.25 - 31.01.25");
    EXPECT_EQ(Eintrag("2501"), Monat("2501", {{1, 4}, {27, 31}}));
    EXPECT_EQ(Eintrag("2412"), Monat("2412", {{23, 31}}));
}

TEST_F(Monatstabelle, ZeitraumMitEndeVorBeginnGibtDenFehlerbericht) {
    for (const char* periode : {"10.03.25 - 05.02.25", "10.03.25 - 05.03.25"}) {
        SCOPED_TRACE(periode);
        fake.meldungen.clear();
        Aufbauen(2025);
        EXPECT_THROW(Markieren(periode), ProgrammBeendet);
        ASSERT_EQ(fake.meldungen.size(), 1u);
        EXPECT_NE(fake.meldungen[0].text.find("'frmSchulferien - Ferienzeiten_übernehmen'"),
                  std::string::npos);
    }
}

}  // namespace
