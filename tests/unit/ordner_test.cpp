// Choosing the data folder: what the picker returns becomes the host's data folder.
#include "hostdata/ordner.h"

#include <string>
#include <vector>

#include "tests/unit/kern.h"

namespace {

struct Auswahl {
    const char* fall;
    Liste ordner;         // folders on the disk
    Liste dateien;        // ordinary files on the disk
    Liste versteckt;      // hidden files on the disk
    std::string antwort;  // what the picker returns; "" = cancel
    std::string datenordner;
    bool ergebnis;
};

class Ordnerwahl : public Testhost, public ::testing::WithParamInterface<Auswahl> {};

TEST_P(Ordnerwahl, Datenordner) {
    const Auswahl& a = GetParam();
    for (const std::string& o : a.ordner) p.Ordner_anlegen(o);
    for (const std::string& d : a.dateien) p.Datei_anlegen(d, "x");
    for (const std::string& d : a.versteckt) p.Datei_anlegen(d, "x", Attribut::Versteckt);
    Programm.Datenordner = "E:\\Vorher\\";
    p.ordner_antworten = {a.antwort};

    EXPECT_EQ(Datenordner_auswaehlen(), a.ergebnis);
    EXPECT_EQ(Programm.Datenordner, a.datenordner);
    EXPECT_EQ(p.ordnerdialoge, Liste{"Ordner mit An-/Abwesenheitsdaten auswählen:"});
    EXPECT_TRUE(p.meldungen.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ordner, Ordnerwahl, ::testing::Values(
    Auswahl{"Abgebrochen", {}, {}, {}, "", "", false},
    Auswahl{"Sicherungen", {"C:\\Host\\Data\\Backups"}, {}, {}, "C:\\Host\\Data\\Backups", "C:\\Host\\Data\\", true},
    Auswahl{"Inidateien", {"C:\\Host\\DATA\\IniFiles"}, {}, {}, "C:\\Host\\DATA\\IniFiles", "C:\\Host\\DATA\\", true},
    Auswahl{"Logs", {"C:\\Host\\data\\logs"}, {}, {}, "C:\\Host\\data\\logs", "C:\\Host\\data\\", true},
    Auswahl{"NurEinmalHoch", {"C:\\Host\\data\\logs\\old"}, {}, {}, "C:\\Host\\data\\logs\\old", "C:\\Host\\data\\logs\\old\\", true},
    Auswahl{"EndetNurAufData", {"D:\\X\\mydata\\logs"}, {}, {}, "D:\\X\\mydata\\logs", "D:\\X\\mydata\\", true},
    Auswahl{"HochgestiegenUndHinab", {"D:\\X\\mydata\\logs", "D:\\X\\mydata\\Data"}, {}, {}, "D:\\X\\mydata\\logs", "D:\\X\\mydata\\Data\\", true},
    Auswahl{"Installationsordner", {"C:\\Host\\Data"}, {}, {}, "C:\\Host", "C:\\Host\\Data\\", true},
    Auswahl{"Abwesenheitsordner", {"C:\\Host\\AnAbwesenheitsdaten"}, {}, {}, "C:\\Host", "C:\\Host\\AnAbwesenheitsdaten\\", true},
    Auswahl{"AbwesenheitsordnerMitData", {"C:\\Host\\AnAbwesenheitsdaten\\Data"}, {}, {}, "C:\\Host", "C:\\Host\\AnAbwesenheitsdaten\\Data\\", true},
    Auswahl{"AbwesenheitsordnerMitDatenUndData", {"C:\\Host\\AnAbwesenheitsdaten\\Data"}, {"C:\\Host\\AnAbwesenheitsdaten\\PlanData.dat"}, {}, "C:\\Host", "C:\\Host\\AnAbwesenheitsdaten\\", true},
    Auswahl{"DataVorAbwesenheitsordner", {"C:\\Host\\AnAbwesenheitsdaten\\Data", "C:\\Host\\Data"}, {}, {}, "C:\\Host", "C:\\Host\\Data\\", true},
    Auswahl{"MitDatendateien", {"C:\\Host\\Data"}, {"C:\\Host\\PlanData.dat"}, {}, "C:\\Host", "C:\\Host\\", true},
    Auswahl{"VersteckteDatendatei", {"C:\\Host\\Data"}, {}, {"C:\\Host\\PlanData.dat"}, "C:\\Host", "C:\\Host\\Data\\", true},
    Auswahl{"DataOhneDaten", {"C:\\Host\\Data\\Data"}, {}, {}, "C:\\Host\\Data", "C:\\Host\\Data\\", true},
    Auswahl{"DateiNamensData", {"C:\\Host"}, {"C:\\Host\\Data"}, {}, "C:\\Host", "C:\\Host\\", true},
    Auswahl{"Laufwerk", {}, {"C:\\PlanData.dat"}, {}, "C:\\", "C:\\", true},
    Auswahl{"MitBackslash", {"C:\\Host\\Data"}, {}, {}, "C:\\Host\\", "C:\\Host\\Data\\", true},
    Auswahl{"OhneDaten", {"C:\\Leer"}, {}, {}, "C:\\Leer", "C:\\Leer\\", true},
    // On a share, \\server\share\ is the top: no step up above it.
    Auswahl{"Freigabe", {"\\\\srv\\Velmorant\\Data"}, {}, {}, "\\\\srv\\Velmorant", "\\\\srv\\Velmorant\\Data\\", true},
    Auswahl{"FreigabeHoch", {"\\\\srv\\Planer\\Data\\Logs"}, {}, {}, "\\\\srv\\Planer\\Data\\Logs", "\\\\srv\\Planer\\Data\\", true},
    Auswahl{"FreigabeNamensLogs", {"\\\\data\\logs"}, {}, {}, "\\\\data\\logs", "\\\\data\\logs\\", true}),
    [](const auto& info) { return std::string(info.param.fall); });
// clang-format on

// A folder that can't be searched: the user is told, the choice is dropped.
struct Gesperrt {
    const char* fall;
    Liste ordner;
    std::string gesperrt;
    std::string antwort;
    std::string meldung;
};

class Ordnerwahl_ohne_Zugriff : public Testhost, public ::testing::WithParamInterface<Gesperrt> {};

TEST_P(Ordnerwahl_ohne_Zugriff, Meldung) {
    const Gesperrt& g = GetParam();
    for (const std::string& o : g.ordner) p.Ordner_anlegen(o);
    p.Zugriff_sperren(g.gesperrt);
    p.ordner_antworten = {g.antwort};

    EXPECT_FALSE(Datenordner_auswaehlen());
    EXPECT_EQ(Programm.Datenordner, "");
    ASSERT_EQ(p.meldungen.size(), 1u);
    EXPECT_EQ(p.meldungen[0].text, g.meldung);
    EXPECT_EQ(p.meldungen[0].titel, "Velmorant - Schulferien kennzeichnen");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ordner, Ordnerwahl_ohne_Zugriff, ::testing::Values(
    Gesperrt{"Gewaehlt", {"C:\\Fremd"}, "C:\\Fremd", "C:\\Fremd", "Auf 'C:\\Fremd' kann nicht zugegriffen werden. Bitte wählen Sie einen anderen Ordner."},
    // The message names the folder reached when the probe failed.
    Gesperrt{"Abwesenheitsordner", {"C:\\Host\\AnAbwesenheitsdaten"}, "C:\\Host\\AnAbwesenheitsdaten", "C:\\Host", "Auf 'C:\\Host\\AnAbwesenheitsdaten' kann nicht zugegriffen werden. Bitte wählen Sie einen anderen Ordner."}),
    [](const auto& info) { return std::string(info.param.fall); });
// clang-format on

}  // namespace
