// What only the Windows side of the platform has to show: the program's own name and
// folder, the numbers of a share that can't be reached, files given up when the platform goes
// away, what a replacement keeps, the answers of a file system without ReplaceFileW, the long
// form of paths, the code page tables and the host's files on a Central European system.
#include <gtest/gtest.h>

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
    Win32Plattform p;
    EXPECT_EQ(p.Ansi_codetabelle(), Codetabelle_von_Windows(GetACP()));
}

// On a Central European system the host's files are read and written in its code page, and
// user names compare in its letters. The test command runs this once more with
// LC_ALL=pl_PL.UTF-8, which gives Wine the ANSI code page 1250.
TEST(Win32Plattform, HostdateienInDerCodeseite1250) {
    if (GetACP() != 1250) GTEST_SKIP() << "the system's ANSI code page is " << GetACP();
    auto u = Neue_Umgebung();
    Plattform& p = u->plattform();
    const Codetabelle& cp1250 = *Bekannte_codetabelle(1250);
    EXPECT_EQ(p.Ansi_codetabelle(), cp1250);
    Programm = {};
    Plattform_setzen(&p);
    const std::string w = u->Wurzel() + "\\";

    const std::vector<std::string> zeilen = {"[Zedrano]", "data_pfad=D:\\Łódź\\",
                                             "log_pfad=D:\\Łódź\\Dzienniki\\"};
    std::string klar;
    for (const std::string& z : zeilen) klar += Nach_Ansi(z, cp1250) + "\r\n";
    Programm.Programmordner = w;
    for (const std::string& bytes : {orakel::Verwuerfelt(zeilen, cp1250), klar}) {
        u->Datei_anlegen(w + "Zedrano.dat", bytes);
        Programmpfade_lesen();
        EXPECT_EQ(Programm.Datenordner, "D:\\Łódź\\");
        EXPECT_EQ(Programm.Logordner, "D:\\Łódź\\Dzienniki\\");
        p.Datei_entfernen(w + "Zedrano.dat");
    }

    Programm.Datenordner = w;
    u->Datei_anlegen(
        w + "Konfigdaten.dat",
        orakel::Verwuerfelt({"[Zedrano]", "K", "Velmorant Netzwerk 7.2", "[Firma]", "Szkoła", "",
                             "[Settings]", "0", "1", "[Administratoren]", "A:ŁUKASZ"},
                            cp1250));
    Programm.Benutzername = "łukasz";
    Konfigdaten_lesen();
    EXPECT_EQ(Programm.Rechte, Administratorrechte);

    Programm.Land = "Śląsk";
    Feiertage_schreiben();
    Programm.Land.clear();
    Feiertage_lesen();
    EXPECT_EQ(Programm.Land, "Śląsk");
    Plattform_setzen(nullptr);
}

}  // namespace
