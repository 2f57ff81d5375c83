// What only the Windows side of the platform has to show: the program's own name and
// folder, the numbers of a share that can't be reached, files given up when the platform goes
// away, what a replacement keeps, the answers of a file system without ReplaceFileW, the long
// form of paths, the code pages and the host's files in a system's code page.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "holidayfile/ferientage.h"
#include "hostdata/konfigdaten.h"
#include "platform/win32/hilfen_win32.h"
#include "platform/win32/plattform_win32.h"
#include "services/programmzustand.h"
#include "services/text.h"
#include "startup/main.h"
#include "tests/contract/umgebung.h"
#include "tests/support/verwuerfelt.h"

namespace {

TEST(Win32Plattform, ProgrammnameUndVerzeichnis) {
    Win32Plattform p;
    EXPECT_EQ(p.Programmname(), "contract_tests_win");
    const std::string ordner = p.Programmverzeichnis();
    ASSERT_FALSE(ordner.empty());
    EXPECT_NE(ordner.back(), '\\');
    EXPECT_NE(p.Attribute_lesen(ordner) & Attribut::Verzeichnis, 0u);
    EXPECT_TRUE(p.Datei_vorhanden(ordner + "\\" + p.Programmname() + ".exe"));
}

TEST(Win32Plattform, OffenerErsatzVerschwindetMitDerPlattform) {
    auto u = Neue_Umgebung();
    const std::string ziel = u->Wurzel() + "\\Ferientage.dat";
    u->Datei_anlegen(ziel, "alt");
    {
        Win32Plattform p;
        const int nr = p.Datei_oeffnen(ziel, Plattform::Schreibart::Ersetzen);
        p.Datei_schreiben(nr, "neu");
        EXPECT_EQ(u->Namen(u->Wurzel()).size(), 2u);  // the new file beside the old one
    }
    EXPECT_EQ(u->Namen(u->Wurzel()), std::vector<std::string>{"Ferientage.dat"});
    EXPECT_EQ(u->Inhalt(ziel), "alt");
}

// A share, its server or the network that can't be reached is a path not found, never a
// file not found: a removal would take that for done. (No share drops away under Wine, so
// the numbers are checked as such.)
TEST(Win32Plattform, UnerreichbareFreigabeIstKeineFehlendeDatei) {
    // clang-format off
    const std::pair<DWORD, long> faelle[] = {
        {ERROR_FILE_NOT_FOUND,      Fehlernummer::DateiNichtGefunden},
        {ERROR_PATH_NOT_FOUND,      Fehlernummer::PfadNichtGefunden},
        {ERROR_BAD_NETPATH,         Fehlernummer::PfadNichtGefunden},
        {ERROR_BAD_NET_NAME,        Fehlernummer::PfadNichtGefunden},
        {ERROR_NETNAME_DELETED,     Fehlernummer::PfadNichtGefunden},
        {ERROR_UNEXP_NET_ERR,       Fehlernummer::PfadNichtGefunden},
        {ERROR_DEV_NOT_EXIST,       Fehlernummer::PfadNichtGefunden},
        {ERROR_NETWORK_UNREACHABLE, Fehlernummer::PfadNichtGefunden},
    };
    // clang-format on
    for (const auto& [code, nummer] : faelle) EXPECT_EQ(Fehlernummer_von(code), nummer) << code;
}

FILETIME Erstellzeit(const std::string& pfad) {
    WIN32_FILE_ATTRIBUTE_DATA daten{};
    EXPECT_TRUE(GetFileAttributesExW(Breit(pfad).c_str(), GetFileExInfoStandard, &daten));
    return daten.ftCreationTime;
}

bool operator==(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

// ReplaceFileW keeps the old file's identity; a plain move would give it the new file's.
TEST(Win32Plattform, ErsetzenBehaeltDieErstellzeitDerAltenDatei) {
    auto u = Neue_Umgebung();
    const std::string ziel = u->Wurzel() + "\\Ferientage.dat";
    u->Datei_anlegen(ziel, "alt");
    const FILETIME frueher{0x12345600, 0x01C0A000};  // in 2000
    {
        const Handle datei(CreateFileW(Breit(ziel).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(datei);
        ASSERT_TRUE(SetFileTime(datei.get(), &frueher, nullptr, nullptr));
    }
    if (!(Erstellzeit(ziel) == frueher))
        GTEST_SKIP() << "the file system keeps no creation time of its own (Wine on Linux)";

    Plattform& p = u->plattform();
    const int nr = p.Datei_oeffnen(ziel, Plattform::Schreibart::Ersetzen);
    p.Datei_schreiben(nr, "neu");
    p.Datei_schliessen(nr, true);

    EXPECT_TRUE(Erstellzeit(ziel) == frueher);
    EXPECT_EQ(u->Inhalt(ziel), "neu");
    EXPECT_EQ(u->Namen(u->Wurzel()), std::vector<std::string>{"Ferientage.dat"});
}

// What a file system without ReplaceFileW answers (some network storage): the new file is
// moved into the old one's place instead.
DWORD ohne_ersetzen = 0;
BOOL WINAPI Ersetzen_unbekannt(LPCWSTR, LPCWSTR, LPCWSTR, DWORD, LPVOID, LPVOID) {
    SetLastError(ohne_ersetzen);
    return FALSE;
}

TEST(Win32Plattform, OhneReplaceFileWWirdVerschoben) {
    auto u = Neue_Umgebung();
    const std::string ziel = u->Wurzel() + "\\Ferientage.dat";
    u->Datei_anlegen(ziel, "alt");
    Win32Plattform p;
    p.dateifunktionen.Ersetzen = Ersetzen_unbekannt;
    for (const DWORD fehler :
         {ERROR_INVALID_FUNCTION, ERROR_NOT_SUPPORTED, ERROR_INVALID_PARAMETER}) {
        SCOPED_TRACE(fehler);
        ohne_ersetzen = fehler;
        const std::string neu = "neu " + std::to_string(fehler);
        const int nr = p.Datei_oeffnen(ziel, Plattform::Schreibart::Ersetzen);
        p.Datei_schreiben(nr, neu);
        p.Datei_schliessen(nr, true);
        EXPECT_EQ(u->Inhalt(ziel), neu);
        EXPECT_EQ(u->Namen(u->Wurzel()), std::vector<std::string>{"Ferientage.dat"});
    }
}

TEST(Win32Pfade, LangeFormAbDerGrenze) {
    const std::wstring a247(247 - 3, L'a'), a248(248 - 3, L'a'), a300(300, L'a');
    const struct {
        std::wstring pfad, api;
    } faelle[] = {
        {L"C:\\Daten\\Ferientage.dat", L"C:\\Daten\\Ferientage.dat"},
        {L"C:\\" + a247, L"C:\\" + a247},
        {L"C:\\" + a248, L"\\\\?\\C:\\" + a248},
        {L"C:/" + a300 + L"/x/../Ferientage.dat", L"\\\\?\\C:\\" + a300 + L"\\Ferientage.dat"},
        {L"\\\\server\\freigabe\\" + a300, L"\\\\?\\UNC\\server\\freigabe\\" + a300},
        {L"\\\\?\\C:\\" + a300, L"\\\\?\\C:\\" + a300},
        {L"\\\\?\\UNC\\server\\x\\" + a300, L"\\\\?\\UNC\\server\\x\\" + a300},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(Schmal(fall.pfad));
        EXPECT_EQ(Api_pfad(fall.pfad), fall.api);
    }
}

TEST(Win32Plattform, CodetabellenWieWindowsSieKennt) {
    for (const UINT codepage : {1252u, 1250u}) {
        const Codetabelle windows = Codetabelle_von_Windows(codepage);
        const Codetabelle& eigene = *Bekannte_codetabelle(codepage);
        for (std::size_t k = 0; k < windows.size(); ++k)
            EXPECT_EQ(eigene[k], windows[k]) << codepage << " byte " << 0x80 + k;
    }
}

// Double-byte code pages, as Windows converts them: a character they lack is "?", never a
// look-alike; a lead byte without its trail byte comes back as it was.
TEST(Win32Plattform, MehrbyteCodeseiten) {
    const struct {
        UINT codepage;
        std::string text, bytes;
    } faelle[] = {
        // clang-format off
        {932, "東京 Thüringen", "\x93\x8C\x8B\x9E Th?ringen"},
        {936, "北京 Łódź",      "\xB1\xB1\xBE\xA9 ?\xA8\xAE" "d?"},
        {949, "서울 € Ș",       "\xBC\xAD\xBF\xEF \xA2\xE6 ?"},
        {950, "臺北",           "\xBBO\xA5_"},
        {932, "\x93 \x93",      "\x93 \x93"},  // lead bytes without a trail byte
        // clang-format on
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.codepage) + " " + f.text);
        EXPECT_EQ(Nach_Codeseite(f.text, f.codepage), f.bytes);
        if (f.bytes.find('?') == std::string::npos) {
            EXPECT_EQ(Von_Codeseite(f.bytes, f.codepage), f.text);
        }
    }
}

// On a system of another code page the host's files are read and written in it, and user names
// compare in its letters: the Konfigdaten.dat's identifier comes back in Ferientage.dat byte for
// byte. The test command runs this with LC_ALL=pl_PL.UTF-8 and LC_ALL=ja_JP.UTF-8, which give
// Wine the ANSI code pages 1250 and 932.
TEST(Win32Plattform, HostdateienInDerCodeseiteDesSystems) {
    const struct {
        UINT codepage;
        std::string ordner, ordner_bytes, benutzer, admin_bytes, kennung_bytes, land;
    } faelle[] = {
        // clang-format off
        {1250, "Łódź", "\xA3\xF3" "d\x9F", "łukasz", "A:\xA3UKASZ", "K\xB3", "Śląsk"},
        {932,  "東京", "\x93\x8C\x8B\x9E", "山田", "A:\x8ER\x93" "c", "\x8Aw\x8DZ", "東京都"},
        // clang-format on
    };
    const auto fall = std::find_if(std::begin(faelle), std::end(faelle),
                                   [](const auto& f) { return f.codepage == GetACP(); });
    if (fall == std::end(faelle)) GTEST_SKIP() << "the system's ANSI code page is " << GetACP();
    auto u = Neue_Umgebung();
    Plattform& p = u->plattform();
    EXPECT_EQ(p.Text_nach_Ansi(fall->ordner), fall->ordner_bytes);
    Programm = {};
    Plattform_setzen(&p);
    const std::string w = u->Wurzel() + "\\";
    const std::vector<std::string> zeilen = {"[Zedrano]",
                                             "data_pfad=D:\\" + fall->ordner_bytes + "\\",
                                             "log_pfad=D:\\" + fall->ordner_bytes + "\\Logs\\"};
    std::string klar;
    for (const std::string& z : zeilen) klar += z + "\r\n";
    Programm.Programmordner = w;
    for (const std::string& bytes : {orakel::Verwuerfelt_roh(zeilen), klar}) {
        u->Datei_anlegen(w + "Zedrano.dat", bytes);
        Programmpfade_lesen();
        EXPECT_EQ(Programm.Datenordner, "D:\\" + fall->ordner + "\\");
        EXPECT_EQ(Programm.Logordner, "D:\\" + fall->ordner + "\\Logs\\");
        p.Datei_entfernen(w + "Zedrano.dat");
    }

    Programm.Datenordner = w;
    u->Datei_anlegen(w + "Konfigdaten.dat",
                     orakel::Verwuerfelt_roh(
                         {"[Zedrano]", fall->kennung_bytes, "Velmorant Netzwerk 7.2", "[Firma]", "",
                          "", "[Settings]", "0", "1", "[Administratoren]", fall->admin_bytes}));
    Programm.Benutzername = fall->benutzer;
    Konfigdaten_lesen();
    EXPECT_EQ(Programm.Rechte, Administratorrechte);

    Programm.Land = fall->land;
    Feiertage_schreiben();
    const std::optional<std::string> datei = u->Inhalt(w + "Ferientage.dat");
    ASSERT_TRUE(datei);
    const std::size_t zeile2 = datei->find("\r\n") + 2;
    EXPECT_EQ(Entwuerfeln(datei->substr(zeile2, datei->find("\r\n", zeile2) - zeile2)),
              fall->kennung_bytes);
    Programm.Land.clear();
    Feiertage_lesen();
    EXPECT_EQ(Programm.Land, fall->land);
    Plattform_setzen(nullptr);
}

}  // namespace
