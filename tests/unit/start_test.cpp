// Start-up: mode, date, user, installation folder, the host's path settings.
#include "services/logbuch.h"
#include "startup/main.h"
#include "tests/unit/kern.h"

namespace {

class Start : public Kern {};

TEST_F(Start, ModusAusDemEigenenProgrammnamen) {
    const std::vector<std::pair<std::string, bool>> faelle = {
        {"Schulferien", true},
        {"Schulferien_aktivieren", true},
        {"Schulferien_deaktivieren", false},
        {"Schulferien_Deaktivieren", false},
        {"DEAKTIVIEREN", false},
        {"deaktivierenX", false},
        {"Schulferien_deaktiviert", true},
    };
    for (const auto& [name, aktivieren] : faelle) {
        Neu_starten();
        fake.programmname = name;
        Main();
        EXPECT_EQ(Programm.Aktivieren, aktivieren) << name;
        EXPECT_TRUE(fake.fenster.sichtbar);
    }
}

TEST_F(Start, DatumUndBenutzer) {
    fake.jetzt = Zeitpunkt{2026, 12, 7, 23, 59, 59};
    fake.umgebung["USERNAME"] = "benutzer1";
    Main();
    EXPECT_EQ(Programm.Heute, "261207");
    EXPECT_EQ(Programm.Benutzername, "benutzer1");

    Neu_starten();
    fake.jetzt = Zeitpunkt{2030, 1, 5, 0, 0, 0};
    Main();
    EXPECT_EQ(Programm.Benutzername, "NoName");
    EXPECT_EQ(Programm.Heute, "300105");
    EXPECT_EQ(FormatDatumDS(Zeitpunkt{2009, 9, 30}), "090930");
}

TEST_F(Start, Installationsordner) {
    struct Fall {
        const char* name;
        std::string oeffentlich, programme;
        std::vector<std::string> ordner;
        std::string erwartet;
    };
    const std::string vs = "C:\\Users\\Public\\AppData\\Local\\VirtualStore\\Program Files\\";
    // clang-format off
    const std::vector<Fall> faelle = {
        {"PUBLIC, nichts installiert",        "C:\\Users\\Public",   "C:\\Program Files", {},                                  vs + "Velmorant\\"},
        {"PUBLIC mit Backslash",              "C:\\Users\\Public\\", "",                  {vs + "Orsalind"},                   vs + "Orsalind\\"},
        {"beide Ausgaben: die erste gewinnt", "C:\\Users\\Public",   "",                  {vs + "Orsalind", vs + "Brindavel"}, vs + "Brindavel\\"},
        {"ProgramFiles bei leerem PUBLIC",    "",                    "C:\\Program Files", {"C:\\Program Files\\Brindavel"},    "C:\\Program Files\\Brindavel\\"},
        {"ProgramFiles mit Backslash",        "",                    "D:\\Progs\\",       {},                                  "D:\\Progs\\Velmorant\\"},
        {"PUBLIC vor ProgramFiles",           "C:\\Users\\Public",   "C:\\Program Files", {"C:\\Program Files\\Brindavel"},    vs + "Velmorant\\"},
    };
    // clang-format on
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Neu_starten();
        if (!f.oeffentlich.empty()) fake.umgebung["PUBLIC"] = f.oeffentlich;
        fake.umgebung["ProgramFiles"] = f.programme;
        for (const auto& o : f.ordner) fake.Ordner_anlegen(o);
        Main();
        EXPECT_EQ(Programm.Programmordner, f.erwartet);
    }
}

TEST_F(Start, DateiMitDemNamenEinerAusgabeIstKeinOrdner) {
    fake.umgebung["PUBLIC"] = "C:\\P";
    const std::string vs = "C:\\P\\AppData\\Local\\VirtualStore\\Program Files\\";
    fake.Datei_anlegen(vs + "Brindavel", "x");
    fake.Ordner_anlegen(vs + "Orsalind");
    Main();
    EXPECT_EQ(Programm.Programmordner, vs + "Orsalind\\");
}

TEST_F(Start, FehlenderFarbdialogEndetMitDerInstallationsmeldung) {
    fake.farbdialog_fehlt = true;
    EXPECT_THROW(Main(), ProgrammBeendet);
    EXPECT_EQ(Meldung(),
              "Sie müssen zuerst den Velmorant installieren.\r\rDas Programm wird beendet.");
    EXPECT_EQ(fake.meldungen[0].titel, "Velmorant - Schulferien kennzeichnen");
    EXPECT_EQ(fake.pieptoene, 1);
    EXPECT_FALSE(fake.fenster.sichtbar);
    EXPECT_EQ(fake.exitcode, Exitcode::Installation);
}

class Pfadeinstellungen : public Kern {
  protected:
    void SetUp() override {
        Programm.Programmordner = "C:\\Prog\\Brindavel\\";
        fake.Ordner_anlegen("C:\\Prog\\Brindavel");
        fake.programmverzeichnis = "C:\\Tools";
        fake.Ordner_anlegen("C:\\Tools");
    }
    const std::string Installiert = "C:\\Prog\\Brindavel\\Zedrano.dat";
};

TEST_F(Pfadeinstellungen, KlareUndVerwuerfelteDateien) {
    struct Fall {
        const char* name;
        std::string bytes;
        std::string daten, log;
    };
    const std::vector<std::string> gut = {"[Zedrano]", "data_pfad=D:\\Daten\\",
                                          "log_pfad=D:\\Daten\\Logs\\"};
    const auto mit = [&](std::size_t i, const std::string& t) {
        auto z = gut;
        z[i] = t;
        return z;
    };
    auto laenger = gut;
    laenger.insert(laenger.end(), {"data_pfad=X:\\", "", "Müll"});
    // clang-format off
    const std::vector<Fall> faelle = {
        {"Klartext",                         Klartext(gut),                                                           "D:\\Daten\\",   "D:\\Daten\\Logs\\"},
        {"verwuerfelt",                      Verwuerfelt(gut),                                                        "D:\\Daten\\",   "D:\\Daten\\Logs\\"},
        {"weitere Zeilen",                   Klartext(laenger) + std::string("\0\0\r\n", 4),                          "D:\\Daten\\",   "D:\\Daten\\Logs\\"},
        {"leerer Datenpfad",                 Klartext(mit(1, "data_pfad=")),                                          "",              "D:\\Daten\\Logs\\"},
        {"Schluessel in anderer Schreibung", Verwuerfelt(mit(1, "Data_Pfad=D:\\Daten\\")),                            "",              ""},
        {"Log-Schluessel fehlt",             Klartext(mit(2, "log=D:\\L\\")),                                         "D:\\Daten\\",   ""},
        {"leerer Logpfad",                   Klartext(mit(2, "log_pfad=")),                                           "D:\\Daten\\",   ""},
        {"Leerzeichen bleiben",              Klartext(mit(1, "data_pfad= D:\\A B\\ ")),                               " D:\\A B\\ ",   "D:\\Daten\\Logs\\"},
        {"Umlaute",                          Verwuerfelt(mit(1, "data_pfad=D:\\Schüler\\")),                          "D:\\Schüler\\", "D:\\Daten\\Logs\\"},
        {"fremde erste Zeile",               Klartext(mit(0, "[zedrano]")),                                           "",              ""},
        {"Klartext, zu kurz",                Klartext({"[Zedrano]", "data_pfad=D:\\"}),                               "",              ""},
        {"Klartext, nur Kopf",               Klartext({"[Zedrano]"}),                                                 "",              ""},
        {"LF-Zeilenenden",                   "[Zedrano]\ndata_pfad=D:\\\nlog_pfad=D:\\L\\\n",                         "",              ""},
        // A damaged file fits no form: the user chooses the folder, start-up goes on.
        {"leere Datei",                      "",                                                                      "",              ""},
        {"leere erste Zeile",                "\r\ndata_pfad=D:\\\r\nlog_pfad=D:\\L\\\r\n",                            "",              ""},
        {"verwuerfelt, zwei Zeilen",         Verwuerfelt({"[Zedrano]", "data_pfad=D:\\"}),                            "",              ""},
        {"verwuerfelt, leere zweite Zeile",  Verwuerfelt({"[Zedrano]"}) + "\r\n" + Verwuerfelt({"log_pfad=D:\\L\\"}), "",              ""},
    };
    // clang-format on
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Programm.Datenordner = Programm.Logordner = "";
        fake.Datei_anlegen(Installiert, f.bytes);
        Programmpfade_lesen();
        EXPECT_EQ(Programm.Datenordner, f.daten);
        EXPECT_EQ(Programm.Logordner, f.log);
        EXPECT_TRUE(fake.meldungen.empty());
        EXPECT_FALSE(Kanal_offen());
    }
}

// The folders are read in the system's ANSI code page, scrambled or plain.
TEST_F(Pfadeinstellungen, InDerCodeseiteDesSystems) {
    fake.codepage = 1250;
    const std::vector<std::string> zeilen = {"[Zedrano]", "data_pfad=D:\\Łódź\\",
                                             "log_pfad=D:\\Łódź\\Dzienniki\\"};
    std::string klar;
    for (const std::string& z : zeilen) klar += orakel::In_Codeseite(z, 1250) + "\r\n";
    for (const std::string& bytes : {Verwuerfelt(zeilen, 1250), klar}) {
        Programm.Datenordner = Programm.Logordner = "";
        fake.Datei_anlegen(Installiert, bytes);
        Programmpfade_lesen();
        EXPECT_EQ(Programm.Datenordner, "D:\\Łódź\\");
        EXPECT_EQ(Programm.Logordner, "D:\\Łódź\\Dzienniki\\");
    }
}

TEST_F(Pfadeinstellungen, ErstInstallationsordnerDannNebenDemProgramm) {
    fake.Datei_anlegen("C:\\Tools\\Zedrano.dat",
                       Klartext({"[Zedrano]", "data_pfad=T:\\", "log_pfad=T:\\L\\"}));
    Programmpfade_lesen();
    EXPECT_EQ(Programm.Datenordner, "T:\\");
    fake.Datei_anlegen(Installiert, Klartext({"[Zedrano]", "data_pfad=I:\\", "log_pfad=I:\\L\\"}));
    Programmpfade_lesen();
    EXPECT_EQ(Programm.Datenordner, "I:\\");
    // A hidden file counts as missing.
    fake.Attribute_setzen(Installiert, Attribut::Versteckt);
    Programmpfade_lesen();
    EXPECT_EQ(Programm.Datenordner, "T:\\");
    fake.programmverzeichnis = "C:\\";
    Programm.Datenordner.clear();
    Programmpfade_lesen();
    EXPECT_EQ(Programm.Datenordner, "");
}

// Only a file that can't be opened ends the program.
TEST_F(Pfadeinstellungen, GesperrteDateiBeendetDasProgramm) {
    fake.Datei_anlegen(Installiert, Klartext({"[Zedrano]", "data_pfad=D:\\", "log_pfad=L"}));
    fake.Sperren(Installiert);
    EXPECT_THROW(Programmpfade_lesen(), ProgrammBeendet);
    EXPECT_EQ(Meldung(),
              "Die Datei 'C:\\Prog\\Brindavel\\Zedrano.dat' konnte nicht geöffnet werden.\r\r"
              "Möglicherweise haben Sie keine ausreichenden Zugriffsberechtigungen für den Ordner "
              "'C:\\Prog\\Brindavel' oder die Datei ist nicht vorhanden.\r\r"
              "Das Programm wird beendet.");
    EXPECT_EQ(fake.exitcode, Exitcode::Abbruch);
}

}  // namespace
