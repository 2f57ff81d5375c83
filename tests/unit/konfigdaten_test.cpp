#include "hostdata/konfigdaten.h"

#include <optional>

#include "tests/unit/kern.h"

namespace {

const std::string Pfad = "C:\\Daten\\Konfigdaten.dat";

// A configuration file: the nine fixed lines, then `danach` (lines after line 9).
std::vector<std::string> Konfig(const std::vector<std::string>& danach,
                                const std::string& edition = "Standard",
                                const std::string& einstellungen = "000000000000000000") {
    std::vector<std::string> z = {"[Zedrano]", "Kennung 42", edition,       "[Firma]", "Firma",
                                  "Ort",       "[Settings]", einstellungen, "frei"};
    z.insert(z.end(), danach.begin(), danach.end());
    return z;
}

class Konfigdaten : public Kern {
  protected:
    void SetUp() override {
        Programm.Datenordner = "C:\\Daten\\";
        Programm.Benutzername = "Meier";
    }
    void Lesen(const std::vector<std::string>& zeilen) {
        fake.Datei_anlegen(Pfad, Verwuerfelt(zeilen));
        Konfigdaten_lesen();
    }
};

TEST_F(Konfigdaten, RechteAusDerAdministratorenliste) {
    struct Fall {
        std::vector<std::string> liste;
        std::string edition, einstellungen;
        int rechte;
    };
    const std::string aus = "000000000000000000";
    const std::vector<Fall> faelle = {
        {{"NoAdmins"}, "Standard", aus, 2},
        {{"B:meier"}, "Standard", aus, 2},
        {{"A:meier"}, "Standard", aus, 2},
        {{"Admin:MEIER"}, "Standard", aus, 2},
        {{"A1:x:meier"}, "Standard", aus, 2},
        {{"A:schulz", "NoAdmins", "A:meier"}, "Standard", aus, 2},
        {{"A:xmeier"}, "Standard", aus, 0},
        {{"a:meier", "A:schulz"}, "Standard", aus, 0},
        {{"A:meier "}, "Standard", aus, 0},
        {{"A:schulz"}, "Standard", aus, 0},
        {{"A"}, "Standard", aus, 0},
        {{"A:schulz"}, "Standard", "000000000000000100", 2},
        {{"A:schulz"}, "Standard", "111111111111111", 0},  // 15 characters: no 16th
        {{"A:schulz"}, "ProfiEPV", aus, 2},
        {{"A:schulz"}, "Profiepv", aus, 0},
        {{"B:meier", "A:schulz"}, "Standard", aus, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(::testing::PrintToString(f.liste) + " " + f.edition + " " + f.einstellungen);
        Programm.Rechte = -1;
        auto zeilen = Konfig({"[Administratoren]"}, f.edition, f.einstellungen);
        zeilen.insert(zeilen.end(), f.liste.begin(), f.liste.end());
        Lesen(zeilen);
        EXPECT_EQ(Programm.Rechte, f.rechte);
        EXPECT_EQ(Programm.Kennung, "Kennung 42");
        EXPECT_EQ(Programm.Editionszeile, f.edition);
        EXPECT_EQ(Programm.Einstellungen, f.einstellungen);
        EXPECT_FALSE(Kanal_offen());
    }
}

TEST_F(Konfigdaten, StandardnameUndZeilenVorDerListe) {
    Programm.Benutzername = "NoName";
    Lesen(Konfig({"irgendwas", "[Administratoren]x", "[Administratoren]", "A:noname"}));
    EXPECT_EQ(Programm.Rechte, 2);
    // "[Administratoren]" on line 9 is a settings line; the search starts at line 10.
    auto zeilen = Konfig({"A:schulz", "[Administratoren]", "A:schulz"});
    zeilen[8] = "[Administratoren]";
    Programm.Benutzername = "Meier";
    Lesen(zeilen);
    EXPECT_EQ(Programm.Rechte, 0);
}

// The host stores names in the system's ANSI code page: a letter the code page lacks is "?"
// there, and the user's name is compared as it would come back from it.
TEST_F(Konfigdaten, BenutzernameVerglichenWieDieCodeseiteDesSystemsIhnHaelt) {
    const struct {
        unsigned codepage;
        const char* benutzer;
        const char* eintrag;  // as written into the file, in that code page
        int rechte;
    } faelle[] = {
        {1252, "Łukasz", "A:?ukasz", 2},  {1252, "Łukasz", "A:Lukasz", 0},
        {1252, "Jürgen", "A:JÜRGEN", 2},  {1250, "Łukasz", "A:Łukasz", 2},
        {1250, "Łukasz", "A:ŁUKASZ", 2},  {1250, "łukasz", "A:Łukasz", 2},
        {1250, "Łukasz", "A:?ukasz", 0},  {1250, "Jürgen", "A:jürgen", 2},
        {1250, "Søren", "A:S?ren", 2},  // 1250 has no ø
        {1252, "Ànne", "A:àNNE", 2},      {65001, "Łukasz", "A:ŁUKASZ", 2},
        {65001, "Łukasz", "A:?ukasz", 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.codepage) + " " + f.benutzer + " " + f.eintrag);
        fake.codepage = f.codepage;
        Programm.Benutzername = f.benutzer;
        Programm.Rechte = -1;
        fake.Datei_anlegen(
            Pfad, Verwuerfelt(Konfig({"[Administratoren]", f.eintrag, "A:schulz"}), f.codepage));
        Konfigdaten_lesen();
        EXPECT_EQ(Programm.Rechte, f.rechte);
    }
}

TEST_F(Konfigdaten, BeiJedemAufrufNeuGelesen) {
    Lesen(Konfig({"[Administratoren]", "A:schulz"}));
    EXPECT_EQ(Programm.Rechte, 0);
    Lesen(Konfig({"[Administratoren]", "A:meier"}));
    EXPECT_EQ(Programm.Rechte, 2);
}

TEST_F(Konfigdaten, BeschaedigteDateienBeendenDasProgrammMitIhremText) {
    const std::string ende = ".\r\rDas Programm wird beendet.";
    const auto kopf = [&](const std::string& k) {
        return "Der Dateiheader " + k + " in 'Konfigdaten.dat' wurde nicht erkannt" + ende;
    };
    auto zeile = [](std::vector<std::string> z, std::size_t i, const std::string& t) {
        z[i] = t;
        return Verwuerfelt(z);
    };
    const auto gut = Konfig({"[Administratoren]", "A:meier"});
    struct Fall {
        const char* name;
        std::optional<std::string> bytes;
        std::string meldung;
    };
    // clang-format off
    const std::vector<Fall> faelle = {
        {"fehlt", std::nullopt, "Die Datei 'C:\\Daten\\Konfigdaten.dat' wurde nicht gefunden" + ende},
        {"erster Kopf", zeile(gut, 0, "[zedrano]"), kopf("[Zedrano]")},
        {"Datei in Klartext", Klartext(gut), kopf("[Zedrano]")},
        {"zweiter Kopf", zeile(gut, 3, "[FIRMA]"), kopf("[Firma]")},
        {"dritter Kopf", zeile(gut, 6, "[Setting]"), kopf("[Settings]")},
        {"kein Listenkopf", Verwuerfelt(Konfig({"A:meier"})), kopf("[Administratoren]")},
        {"Listenkopf zuletzt", Verwuerfelt(Konfig({"[Administratoren]"})), kopf("[Administratoren]")},
        {"Listenkopf in Kleinbuchstaben", Verwuerfelt(Konfig({"[administratoren]", "A:meier"})), kopf("[Administratoren]")},
        {"endet vor Zeile 9", Verwuerfelt({"[Zedrano]", "K", "E", "[Firma]", "F", "O", "[Settings]", "S"}), Fehlerbericht("modSchulferien - LineIn", 62)},
        {"leere Zeile", Verwuerfelt({"[Zedrano]", "K", "E", "[Firma]"}) + "\r\n" + Verwuerfelt({"O"}), Fehlerbericht("modSchulferien - LineIn", 5)},
        {"leere Datei", std::string(), Fehlerbericht("modSchulferien - LineIn", 62)},
        {"eine riesige Zeile", std::string(300000, 'Z'), kopf("[Zedrano]")},
        {"NUL-Bytes", std::string(40, '\0'), kopf("[Zedrano]")},
    };
    // clang-format on
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        fake.meldungen.clear();
        if (f.bytes) fake.Datei_anlegen(Pfad, *f.bytes);
        EXPECT_THROW(Konfigdaten_lesen(), ProgrammBeendet);
        EXPECT_EQ(Meldung(), f.meldung);
        EXPECT_FALSE(Kanal_offen());
    }
}

TEST_F(Konfigdaten, NichtZuOeffnendeDateiBeendetDasProgramm) {
    fake.Datei_anlegen(Pfad, Verwuerfelt(Konfig({"[Administratoren]", "A:meier"})));
    fake.Sperren(Pfad);
    EXPECT_THROW(Konfigdaten_lesen(), ProgrammBeendet);
    EXPECT_EQ(Meldung().rfind("Die Datei 'C:\\Daten\\Konfigdaten.dat' konnte nicht geöffnet", 0),
              0u);
}

}  // namespace
