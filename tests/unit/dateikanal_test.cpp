#include "services/dateikanal.h"

#include "services/kanal.h"
#include "services/meldungen.h"
#include "services/verwuerfelung.h"
#include "tests/unit/kern.h"

namespace {

std::string Bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s += static_cast<char>(c);
    return s;
}

TEST(Verwuerfeln, DurchgerechneteBeispiele) {
    EXPECT_EQ(Verwuerfeln("abc", 'A'), "Aceg");
    EXPECT_EQ(Verwuerfeln(Nach_Ansi("äb"), '~'), "~Cb");
    EXPECT_EQ(Von_Ansi(Entwuerfeln("~Cb")), "äb");
    EXPECT_EQ(Entwuerfeln("Aceg"), "abc");
}

TEST(Verwuerfeln, JedesByteUnterJedemSchluesselKommtZurueck) {
    std::string alle;
    for (int c = 32; c <= 255; ++c) alle += static_cast<char>(c);
    for (int schluessel = 32; schluessel <= 254; ++schluessel) {
        const std::string zeile = Verwuerfeln(alle, static_cast<unsigned char>(schluessel));
        ASSERT_EQ(zeile.size(), alle.size() + 1);
        ASSERT_EQ(static_cast<unsigned char>(zeile[0]), schluessel);
        for (const char b : zeile) ASSERT_GE(static_cast<unsigned char>(b), 32) << schluessel;
        ASSERT_EQ(Entwuerfeln(zeile), alle) << "key " << schluessel;
    }
}

TEST(Verwuerfeln, SteuerzeichenFallenOhneVerschiebungWeg) {
    EXPECT_EQ(Entwuerfeln(Verwuerfeln("a\tb\x01"
                                      "c",
                                      'A')),
              "abc");
    EXPECT_EQ(Verwuerfeln("a\tbc", 'A'), "Aceg");
    EXPECT_EQ(Verwuerfeln("", 'Z'), "Z");
}

TEST(Ansi, JedesByteUeberstehtDenWegDurchUtf8) {
    for (const unsigned codepage : {1252u, 1250u}) {
        const Codetabelle& t = *Bekannte_codetabelle(codepage);
        for (int b = 0; b < 256; ++b) {
            const std::string byte(1, static_cast<char>(b));
            ASSERT_EQ(Nach_Ansi(Von_Ansi(byte, t), t), byte) << codepage << " " << b;
            // A byte that is no UTF-8 comes through as itself.
            ASSERT_EQ(Nach_Ansi(byte, t), byte) << codepage << " " << b;
        }
    }
    EXPECT_EQ(Nach_Ansi("Thüringen €"),
              Bytes({'T', 'h', 0xFC, 'r', 'i', 'n', 'g', 'e', 'n', ' ', 0x80}));
    EXPECT_EQ(Nach_Ansi("Ω"), "?");
}

TEST(Ansi, Codeseiten) {
    const Codetabelle& cp1250 = *Bekannte_codetabelle(1250);
    const struct {
        const char* text;
        std::string cp1252, cp1250;
    } faelle[] = {
        // clang-format off
        {"Łódź €",    Bytes({'?', 0xF3, 'd', '?', ' ', 0x80}),               Bytes({0xA3, 0xF3, 'd', 0x9F, ' ', 0x80})},
        {"Thüringen", Bytes({'T', 'h', 0xFC, 'r', 'i', 'n', 'g', 'e', 'n'}), Bytes({'T', 'h', 0xFC, 'r', 'i', 'n', 'g', 'e', 'n'})},
        {"Søren Œ",   Bytes({'S', 0xF8, 'r', 'e', 'n', ' ', 0x8C}),          Bytes({'S', '?', 'r', 'e', 'n', ' ', '?'})},
        {"अ 😀",       "? ?",                                                 "? ?"},  // three and four bytes in UTF-8
        // clang-format on
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(Nach_Ansi(f.text), f.cp1252);
        EXPECT_EQ(Nach_Ansi(f.text, cp1250), f.cp1250);
    }
    EXPECT_EQ(Von_Ansi(Bytes({0xA3, 0xB3, 0x8C, 0x9C}), cp1250), "ŁłŚś");
    EXPECT_EQ(Bekannte_codetabelle(65001), nullptr);
    EXPECT_EQ(Bekannte_codetabelle(1252), &Windows_1252());
}

TEST(Schluessel, BleibenImBereichUndWiederholenSichVonLaufZuLauf) {
    Programm.Zufall = Programmzustand{}.Zufall;
    std::vector<int> erste;
    for (int i = 0; i < 5000; ++i) {
        const int k = Naechster_Schluessel();
        ASSERT_GE(k, 32);
        ASSERT_LE(k, 254);
        if (i < 20) erste.push_back(k);
    }
    Programm.Zufall = Programmzustand{}.Zufall;
    for (int k : erste) EXPECT_EQ(Naechster_Schluessel(), k);
}

class Dateikanal : public Kern {};

TEST_F(Dateikanal, GeschriebeneZeilenKommenUnveraendertZurueck) {
    fake.Ordner_anlegen("C:\\Daten");
    const std::vector<std::string> texte = {"[Ferientage]", "", "Grüße aus Köln – 100 €",
                                            std::string(500, 'x'), "ü|ß|Ä"};
    ASSERT_TRUE(Datei_oeffnen("C:\\Daten\\t.dat", "Output", ""));
    for (const auto& t : texte) LineOut(t);
    Datei_schliessen();

    const std::string bytes = *fake.Inhalt("C:\\Daten\\t.dat");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    ASSERT_TRUE(Datei_oeffnen("C:\\Daten\\t.dat", "Input", ""));
    for (const auto& t : texte) {
        ASSERT_FALSE(Dateiende());
        EXPECT_EQ(LineIn(), t);
    }
    EXPECT_TRUE(Dateiende());
    Datei_schliessen();
}

TEST_F(Dateikanal, AnhaengenFuegtZeilenMitEigenenSchluesselnAn) {
    fake.Datei_anlegen("C:\\Logs\\l.log", Verwuerfelt({"eins"}));
    ASSERT_TRUE(Datei_oeffnen("C:\\Logs\\l.log", "Append", ""));
    LineOut("zwei");
    Datei_schliessen();
    ASSERT_TRUE(Datei_oeffnen("C:\\Logs\\neu.log", "Append", ""));
    LineOut("drei");
    Datei_schliessen();
    EXPECT_EQ(Zeilen("C:\\Logs\\l.log"), (std::vector<std::string>{"eins", "zwei"}));
    EXPECT_EQ(Zeilen("C:\\Logs\\neu.log"), (std::vector<std::string>{"drei"}));
}

TEST_F(Dateikanal, ZeilenendenWieDerHostSieSchreibt) {
    // CR LF, CR alone, a LF that follows no CR (part of the line), no end on the last line.
    fake.Datei_anlegen("C:\\D\\x.dat", "Aceg\r\nAceg\rA\nb\r\nAceg");
    ASSERT_TRUE(Datei_oeffnen("C:\\D\\x.dat", "Input", ""));
    EXPECT_EQ(LineInRaw(), "Aceg");
    EXPECT_EQ(LineIn(), "abc");
    EXPECT_EQ(LineInRaw(), "A\nb");
    EXPECT_EQ(LineIn(), "abc");
    EXPECT_TRUE(Dateiende());
    EXPECT_THROW(LineInRaw(), Laufzeitfehler);
    Datei_schliessen();
}

TEST_F(Dateikanal, KlartextAlsVerwuerfeltGelesenIstVerstuemmeltKeinFehler) {
    fake.Datei_anlegen("C:\\D\\x.dat", "[Ferientage]\r\n");
    ASSERT_TRUE(Datei_oeffnen("C:\\D\\x.dat", "Input", ""));
    const std::string text = LineIn();
    EXPECT_EQ(Laenge(text), 11u);
    EXPECT_NE(text, "Ferientage]");
    Datei_schliessen();
}

// Whatever the bytes, reading ends in a line or in the LineIn error report; never a crash.
TEST_F(Dateikanal, BeschaedigteDateienGebenZeilenOderDenFehlerbericht) {
    struct Fall {
        const char* name;
        std::string bytes;
        int zeilen;  // lines LineIn returns before the report
        int fehler;
    };
    // clang-format off
    const std::vector<Fall> faelle = {
        {"leere Datei",           "",                           0, 62},
        {"leere Zeile",           "\r\n",                       0, 5},
        {"zweite Zeile leer",     "Aceg\r\n\r\nAceg\r\n",       1, 5},
        {"riesige Zeile ohne CR", std::string(1 << 20, 'q'),    1, 62},
        {"NUL-Bytes",             std::string("A\0\0c\r\n", 6), 1, 62},
        {"nur LF",                "Aceg\nAceg\n",               1, 62},
        {"Bytes ueber 127",       "\xff\xfe\x80\x81\r\n\x90",   2, 62},
    };
    // clang-format on
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        fake.meldungen.clear();
        fake.Datei_anlegen("C:\\D\\x.dat", f.bytes);
        ASSERT_TRUE(Datei_oeffnen("C:\\D\\x.dat", "Input", ""));
        for (int i = 0; i < f.zeilen; ++i) LineIn();
        EXPECT_THROW(LineIn(), ProgrammBeendet);
        EXPECT_EQ(Meldung(), Fehlerbericht("modSchulferien - LineIn", f.fehler));
        EXPECT_FALSE(Kanal_offen());
    }
}

TEST_F(Dateikanal, OeffnenScheitertMitDemTextDesKanals) {
    const std::string lang = "C:\\" + std::string(60, 'a') + "\\" + std::string(60, 'b');
    fake.Ordner_anlegen(lang);
    fake.Datei_anlegen("C:\\Daten\\schreibgeschützt.dat", "x", Attribut::Schreibgeschuetzt);
    struct Fall {
        std::string pfad, modus, text;
    };
    const std::vector<Fall> faelle = {
        {"C:\\Daten\\Konfigdaten.dat", "Input",
         "Die Datei 'C:\\Daten\\Konfigdaten.dat' konnte nicht geöffnet werden.\r\r"
         "Möglicherweise haben Sie keine ausreichenden Zugriffsberechtigungen für den Ordner "
         "'C:\\Daten' oder die Datei ist nicht vorhanden.\r\rDas Programm wird beendet."},
        {"C:\\Daten\\schreibgeschützt.dat", "Output",
         "Die Datei 'C:\\Daten\\schreibgeschützt.dat' konnte nicht geöffnet werden.\r\r"
         "Möglicherweise haben Sie keine ausreichenden Zugriffsberechtigungen für den Ordner "
         "'C:\\Daten', ist die Datei schreibgeschützt oder die Datei ist nicht vorhanden.\r\r"
         "Das Programm wird beendet."},
        {"C:\\Fehlt\\x.log", "Append",
         "Die Datei 'C:\\Fehlt\\x.log' konnte nicht geöffnet werden.\r\r"
         "Möglicherweise haben Sie keine ausreichenden Zugriffsberechtigungen für den Ordner "
         "'C:\\Fehlt', ist die Datei schreibgeschützt oder die Datei ist nicht vorhanden.\r\r"
         "Das Programm wird beendet."},
        {lang + "\\fehlt.dat", "Input",
         "Die Datei '" + lang.substr(0, 45) + " ... " +
             (lang + "\\fehlt.dat").substr(lang.size() + 10 - 45) +
             "' konnte nicht geöffnet werden.\r\r"
             "Möglicherweise haben Sie keine ausreichenden Zugriffsberechtigungen für den Ordner "
             "'" +
             lang.substr(0, 45) + " ... " + lang.substr(lang.size() - 45) +
             "' oder die Datei ist nicht vorhanden.\r\rDas Programm wird beendet."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.pfad + " " + f.modus);
        fake.meldungen.clear();
        EXPECT_THROW(Datei_oeffnen(f.pfad, f.modus, ""), ProgrammBeendet);
        EXPECT_EQ(Meldung(), f.text);
        EXPECT_FALSE(Kanal_offen());
        fake.meldungen.clear();
        EXPECT_FALSE(Datei_oeffnen(f.pfad, f.modus, "IgnoreErrors"));
        EXPECT_TRUE(fake.meldungen.empty());
        EXPECT_FALSE(Kanal_offen());
    }
}

TEST_F(Dateikanal, EineZweiteDateiLaesstSichNichtOeffnen) {
    fake.Datei_anlegen("C:\\D\\a.dat", Verwuerfelt({"a"}));
    ASSERT_TRUE(Datei_oeffnen("C:\\D\\a.dat", "Input", ""));
    EXPECT_FALSE(Datei_oeffnen("C:\\D\\a.dat", "Input", "IgnoreErrors"));
    EXPECT_FALSE(Kanal_offen());
}

TEST_F(Dateikanal, SchreibfehlerWirdGemeldetUndDieAlteDateiBleibt) {
    fake.Datei_anlegen("C:\\D\\a.dat", "alt");
    ASSERT_TRUE(Datei_oeffnen("C:\\D\\a.dat", "Output", ""));
    LineOut("eins");
    fake.Schreibfehler_nach(3);
    EXPECT_THROW(LineOut("zwei"), ProgrammBeendet);
    EXPECT_EQ(Meldung(), Fehlerbericht("modSchulferien - LineOut", 61));
    EXPECT_EQ(fake.Inhalt("C:\\D\\a.dat"), "alt");
    EXPECT_EQ(fake.Dateien("C:\\D"), (std::vector<std::string>{"a.dat"}));
}

}  // namespace

namespace {

TEST(Text, ZeichenNichtBytes) {
    EXPECT_EQ(Laenge("Thüringen"), 9u);
    EXPECT_EQ(Links("Grüße", 3), "Grü");
    EXPECT_EQ(Rechts("Grüße", 2), "ße");
    EXPECT_EQ(Mitte("Köln-Süd", 4, 3), "n-S");
    EXPECT_EQ(Mitte("abc", 5), "");
    // A byte that is no UTF-8 stays exactly that byte, and counts as one character.
    EXPECT_EQ(Laenge("A\xC4Z"), 3u);
    EXPECT_EQ(Nach_Ansi("\xE4"), "\xE4");
}

// Sequences that only look like UTF-8 (overlong forms, surrogates, beyond U+10FFFF) are
// stray bytes, each one character, kept byte for byte.
TEST(Text, UngueltigesUtf8BleibtBytes) {
    const std::string faelle[] = {
        "\xC1\x81",          // "A" in two bytes
        "\xC0\x80",          // NUL in two bytes
        "\xE0\x81\x81X",     // "A" in three bytes, then a letter
        "\xF0\x80\x81\x81",  // "A" in four bytes
        "\xE0\x83\x84",      // "Ä" in three bytes
        "\xED\xB3\x84",      // a surrogate, no stray byte
        "\xED\xBF\xBF",      // the last surrogate
        "\xF4\x90\x80\x80",  // beyond U+10FFFF
        "\xC3",              // cut short
    };
    for (const std::string& text : faelle) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(Laenge(text), text.size());
        EXPECT_EQ(Nach_Ansi(text), text);  // written to a file as the bytes they are
    }
}

}  // namespace
