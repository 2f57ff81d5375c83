// Step 2 in removal mode beyond the user's usual paths.
#include <string>
#include <vector>

#include "tests/unit/kern.h"

namespace {

using Liste = std::vector<std::string>;

const std::string Daten = "D:\\Planer\\Daten\\";

class Ferientage_entfernen : public Testhost {
  protected:
    void Bis_Schritt_2() {
        Programm.Datenordner = Daten;
        Fenster_laden(false);
    }
};

TEST_F(Ferientage_entfernen, OhneLogordnerOhneEintrag) {
    Host_anlegen(Daten, {"A:meier"}, false);
    Ferientage_anlegen(Daten, "&H0080FF", "Bayern");
    Bis_Schritt_2();

    cmdAuswahl_Click(4);
    EXPECT_EQ(Meldungen(),
              Liste{"Funktion ausgeführt. Schulferien werden künftig nicht mehr gekennzeichnet."});
    EXPECT_EQ(p.Dateien(Daten), (Liste{"Konfigdaten.dat", "PlanData.dat"}));
    EXPECT_EQ(Schritt(4), "OK+-");
}

TEST_F(Ferientage_entfernen, RechteBeiJedemKlickNeuGelesen) {
    Host_anlegen(Daten, {"A:schulz"});
    Ferientage_anlegen(Daten, "&H0080FF", "Bayern");
    Bis_Schritt_2();

    cmdAuswahl_Click(4);
    EXPECT_TRUE(p.Vorhanden(Daten + "Ferientage.dat"));
    EXPECT_EQ(Schritt(4), "Pfeil++");

    Konfigdaten_anlegen(Daten, {"A:schulz", "A1:x:Meier"});
    cmdAuswahl_Click(4);
    EXPECT_FALSE(p.Vorhanden(Daten + "Ferientage.dat"));
    EXPECT_EQ(Meldungen(),
              (Liste{"Sie sind nicht als Administrator im Velmorant eingetragen und daher nicht "
                     "berechtigt diese Funktion auszuführen.",
                     "Funktion ausgeführt. Schulferien werden künftig nicht mehr "
                     "gekennzeichnet."}));
    EXPECT_EQ(Zeilen(Daten + "Logs\\2503 Zedrano.log"),
              Liste{"14.03.25 09:30:00|meier|ZedraAdmin|Kennzeichnen der Schulferien aufgehoben"});
    EXPECT_EQ(Schritt(4), "OK+-");
}

// The failure names the file with its whole path, however long.
TEST_F(Ferientage_entfernen, FehlschlagMitLangemPfad) {
    const std::string lang =
        "D:\\Schulverwaltung\\Velmorant\\Standort Nord\\Abteilung Personal\\"
        "Abwesenheiten und Vertretungen\\Daten\\";
    Host_anlegen(lang);
    Ferientage_anlegen(lang, "&H0080FF", "Bayern");
    p.Sperren(lang + "Ferientage.dat");
    Programm.Datenordner = lang;
    Fenster_laden(false);

    cmdAuswahl_Click(4);
    EXPECT_EQ(Meldungen(), Liste{"Löschen der Datei 'D:\\Schulverwaltung\\Velmorant\\Standort "
                                 "Nord\\Abteilung Personal\\Abwesenheiten und "
                                 "Vertretungen\\Daten\\Ferientage.dat' fehlgeschlagen."});
    EXPECT_EQ(Schritt(4), "Pfeil++");
}

// A hidden or system file that can be neither changed nor deleted is still there: the
// removal is reported as failed, not as done.
TEST_F(Ferientage_entfernen, VersteckteDateiDieBleibtIstFehlschlag) {
    Host_anlegen(Daten);
    Ferientage_anlegen(Daten, "&H0080FF", "Bayern");
    p.Attribute_setzen(Daten + "Ferientage.dat", Attribut::Versteckt | Attribut::System);
    p.Zugriff_sperren(Daten + "Ferientage.dat");
    Bis_Schritt_2();

    cmdAuswahl_Click(4);
    EXPECT_EQ(Meldungen(),
              Liste{"Löschen der Datei 'D:\\Planer\\Daten\\Ferientage.dat' fehlgeschlagen."});
    EXPECT_EQ(Schritt(4), "Pfeil++");
    EXPECT_TRUE(Zeilen(Daten + "Logs\\2503 Zedrano.log").empty());
}

// Only Ferientage.dat goes; the host's other files stay.
TEST_F(Ferientage_entfernen, NurDieFerientagedatei) {
    Host_anlegen(Daten);
    Ferientage_anlegen(Daten, "&H0080FF", "Bayern");
    p.Datei_anlegen(Daten + "Ferientage.bak", "alt");
    Bis_Schritt_2();

    cmdAuswahl_Click(4);
    EXPECT_EQ(p.Dateien(Daten),
              (Liste{"Ferientage.bak", "Konfigdaten.dat", "Logs", "PlanData.dat"}));
}

}  // namespace
