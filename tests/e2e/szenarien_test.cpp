// The end-to-end scenarios: the real program, started from this test's folder under Wine,
// driven through its window by messages on a demo host of the scenario's own. Each scenario
// first sets the clock of the programs it starts. One that changes the Wine prefix is a test
// of SzenarioImWegwerfpraefix, which tests/e2e/lauf.sh runs in a throwaway copy of the prefix;
// one with a second computer is a test of SzenarioMitZweitemPC.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "platform/win32/fenster_win32.h"
#include "tests/e2e/gleichzeitig.h"
#include "tests/e2e/pruefungen.h"
#include "tests/support/ferien.h"
#include "tests/support/verwuerfelt.h"
#include "tools/baum_entfernen.h"
#include "tools/demohost.h"

namespace e2e {

namespace {

std::wstring Temp() {
    wchar_t t[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, t);
    return std::wstring(t, n);
}

std::wstring Ohne_Backslash(std::wstring p) {
    if (!p.empty() && p.back() == L'\\') p.pop_back();
    return p;
}

// Hessen marked by "verwalter" on 14 March 2025 in light green: the whole file and the one
// entry in the log book.
void Hessen_gekennzeichnet(const Demohost& host) {
    std::vector<std::string> datei = {"[Ferientage]", host.kennung, "&H80FF80", "Hessen", "void"};
    datei.insert(datei.end(), orakel::Hessen_Monate.begin(), orakel::Hessen_Monate.end());
    Zeilen_pruefen(Zeilen_von(host.daten + L"Ferientage.dat"), datei, "Ferientage.dat");
    Logbuch_pruefen(host.logs + L"2503 Zedrano.log", "14.03.25 10:0",
                    "verwalter|ZedraAdmin|Daten der Schulferien für Land Hessen aktualisiert, "
                    "Stand der Daten: 15.06.24");
}

// Step 4 clicked (by `klicken`, a plain click when empty) with Hessen and light green chosen:
// the confirmation, what was written, and Beenden ends the program normally.
void Hessen_schritt4(Programm& p, const Teile& t, const Demohost& host,
                     const std::function<void(HWND)>& klicken = {}) {
    if (klicken) {
        klicken(t.schritt4);
    } else {
        Klicken(t.schritt4);
    }
    EXPECT_EQ(Schmal(Meldung_bestaetigen(p).text), orakel::Bestaetigung("Hessen", orakel::Hessen))
        << "Bestätigung";
    Hessen_gekennzeichnet(host);
    Klicken(t.beenden);
    EXPECT_EQ(p.Ende_abwarten(), DWORD{0}) << "Exit-Code";
}

// A scenario: the clock of the programs it starts, its host and its screenshots.
class Szenario : public testing::Test {
  protected:
    // The programs started from now on begin at `datum` (local time, "2025-03-14 10:00:00")
    // and their clock runs on from there. libfaketime, which tests/e2e/lauf.sh preloads into
    // the Wine processes of the run, reads it from the file FAKETIME_TIMESTAMP_FILE names when
    // a process starts.
    void Uhr_stellen(const std::string& datum) {
        Datei_schreiben(Von_lauf_sh("FAKETIME_TIMESTAMP_FILE"), "@" + datum + "\n");
        uhr_gestellt = true;
    }

    // Dates the file `pfad` `minuten` after it was last written: by the share's clock, which
    // sets the times of the files on it and which the scenario's clock leaves as it is.
    static void Datieren(const std::wstring& pfad, int minuten) {
        HANDLE h =
            CreateFileW(pfad.c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        FILETIME zeit{};
        bool ok = h != INVALID_HANDLE_VALUE && GetFileTime(h, nullptr, nullptr, &zeit);
        ULARGE_INTEGER t{};
        t.LowPart = zeit.dwLowDateTime;
        t.HighPart = zeit.dwHighDateTime;
        t.QuadPart += static_cast<ULONGLONG>(static_cast<LONGLONG>(minuten) * 60 * 10000000);
        zeit = {t.LowPart, t.HighPart};
        ok = ok && SetFileTime(h, nullptr, nullptr, &zeit);
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        if (!ok) throw Fehlschlag("Dateizeit nicht gesetzt: " + Schmal(pfad));
    }

    // The Linux path that tests/e2e/lauf.sh gives in the environment variable `variable`, as
    // Wine reaches it: its drive Z: is the root of the Linux file system.
    static std::wstring Von_lauf_sh(const char* variable) {
        const char* wert = std::getenv(variable);
        if (!wert) throw Fehlschlag(std::string(variable) + " fehlt: die Tests laufen mit lauf.sh");
        std::wstring pfad = L"Z:" + Breit(wert);
        std::replace(pfad.begin(), pfad.end(), L'/', L'\\');
        return pfad;
    }

    // The scenario's own folder, below the temporary folder.
    static std::wstring Wurzel() {
        return Temp() + L"sfk-e2e-" +
               Breit(testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    // A host in the scenario's own folder, made afresh.
    static Demohost Host(Demohost_Wunsch w = {}) {
        w.wurzel = Wurzel();
        return Demohost_anlegen(w);
    }
    // A host in the scenario's own folder on the share \\sfk-server\e2e (tests/e2e/lauf.sh).
    static Demohost Host_auf_der_Freigabe(Demohost_Wunsch w = {}) {
        w.wurzel = L"\\\\sfk-server\\e2e\\" +
                   Breit(testing::UnitTest::GetInstance()->current_test_info()->name());
        return Demohost_anlegen(w);
    }
    // A host with an earlier Ferientage.dat of `land` in `farbe`.
    static Demohost Frueher_gekennzeichnet(const std::string& land = "Hessen",
                                           const std::string& farbe = "&H80FF80") {
        Demohost_Wunsch w;
        w.ferientage = {{land, farbe}};
        return Host(w);
    }

    // Starts `exe` (Schulferien.exe beside this test when empty) on `host`, run by `benutzer`.
    Programm Starten(const Demohost& host, const std::wstring& benutzer = L"verwalter",
                     const std::wstring& exe = L"") const {
        if (!uhr_gestellt) throw Fehlschlag("die Uhr ist nicht gestellt");
        return Programm(exe.empty() ? Eigener_Ordner() + L"Schulferien.exe" : exe,
                        Umgebung(host, benutzer));
    }

    // What the window shows now, saved beside this test as
    // e2e-bilder\<scenario>-<number>-<zustand>.bmp.
    Bildschirmfoto Foto(HWND fenster, const std::string& zustand) {
        const std::wstring ordner = Eigener_Ordner() + L"e2e-bilder";
        CreateDirectoryW(ordner.c_str(), nullptr);
        char n[8];
        std::snprintf(n, sizeof(n), "%02d", ++fotos);
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        return fernsteuerung::Foto(
            fenster, ordner + L"\\" + Breit(name + "-" + n + "-" + zustand) + L".bmp");
    }

    // A window that has its data folder but no earlier marking: steps 2 to 4 with Hessen and
    // the colour dialog's starting colour.
    void Hessen_ab_schritt2(Programm& p, HWND f, const Teile& t, const Demohost& host) {
        EXPECT_EQ(SendMessageW(t.liste, CB_GETCURSEL, 0, 0), LRESULT{CB_ERR})
            << "Auswahl der Länderliste";
        Schritte_pruefen(Foto(f, "schritt2"), t,
                         {std::nullopt, Erledigt_gesperrt, Aktuell, Grau, Grau});
        Auswaehlen(t.liste, 6);
        Warten("Schritt 3 verfügbar", [&] { return Aktiv(t.schritt3); });
        Klicken(t.schritt3);
        Farbe_bestaetigen(p);
        Warten("Schritt 4 verfügbar", [&] { return Aktiv(t.schritt4); });
        Hessen_schritt4(p, t, host);
    }

    // An earlier Ferientage.dat of Hessen in light green: the window opens on step 4, which
    // writes the file anew.
    void Hessen_aktualisieren(const Demohost& host, const std::function<void(HWND)>& klicken = {}) {
        Programm p = Starten(host);
        const Teile t =
            Teile_finden(p.Hauptfenster(), Rahmen4_Aktualisieren, Schritt4_Aktualisieren);
        Hessen_schritt4(p, t, host, klicken);
    }

    // A step-4 click that the program refuses: the message, and nothing written or changed.
    // With a non-zero `exitcode` the message ends the program with that code; otherwise the
    // window stays on step 4 and Beenden ends it normally. `vorbereiten` changes the host
    // before the start.
    void Abgelehnt(const std::wstring& benutzer, const std::string& soll_anfang, DWORD exitcode = 0,
                   const std::function<void(const Demohost&)>& vorbereiten = {}) {
        const Demohost host = Frueher_gekennzeichnet();
        if (vorbereiten) vorbereiten(host);
        const std::string vorher = Datei_lesen(host.daten + L"Ferientage.dat");
        Programm p = Starten(host, benutzer);
        HWND f = p.Hauptfenster();
        Teile t = Teile_finden(f, Rahmen4_Aktualisieren, Schritt4_Aktualisieren);
        Klicken(t.schritt4);
        const std::string meldung = Schmal(Meldung_bestaetigen(p).text);
        EXPECT_EQ(meldung.substr(0, soll_anfang.size()), soll_anfang) << "Meldung";
        EXPECT_EQ(Datei_lesen(host.daten + L"Ferientage.dat"), vorher)
            << "Ferientage.dat unverändert";
        Kein_Logbuch(host.logs);
        if (exitcode == 0) {
            Schritte_pruefen(
                Foto(f, "abgelehnt"), t,
                {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Erledigt_offen, Aktuell});
            Klicken(t.beenden);
        }
        EXPECT_EQ(p.Ende_abwarten(), exitcode) << "Exit-Code";
    }

  private:
    bool uhr_gestellt = false;
    int fotos = 0;
};

// A scenario that changes the Wine prefix (its system files, its registry): tests/e2e/lauf.sh
// runs the tests of this suite in a throwaway copy of the prefix, and says so.
class SzenarioImWegwerfpraefix : public Szenario {
  protected:
    void SetUp() override {
        if (!std::getenv("E2E_WEGWERFPRAEFIX")) {
            GTEST_FAIL() << "ändert das Wine-Präfix: nur in einer Wegwerfkopie (tests/e2e/lauf.sh)";
        }
    }
};

// The user walks through all four steps, choosing the data folder in the picker;
// Ferientage.dat holds the hand-worked months of Hessen.
TEST_F(Szenario, ErsteKennzeichnung) {
    Uhr_stellen("2025-03-14 10:00:00");
    Demohost_Wunsch w;
    w.pfadeinstellungen = false;
    const Demohost host = Host(w);
    Programm p = Starten(host);
    HWND f = p.Hauptfenster();
    Teile t = Teile_finden(f, Rahmen4_Kennzeichnen, Schritt4_Kennzeichnen);

    EXPECT_EQ(Text(f), std::wstring(L"Velmorant - Schulferien kennzeichnen")) << "Titel";
    EXPECT_EQ(p.Fokus(), t.beenden) << "Fokus beim Start auf Beenden";
    Layout_pruefen(t, 96, false);
    EXPECT_EQ(SendMessageW(t.liste, CB_GETCOUNT, 0, 0), LRESULT{16}) << "Einträge der Länderliste";
    EXPECT_EQ(SendMessageW(t.liste, CB_GETCURSEL, 0, 0), LRESULT{CB_ERR}) << "Auswahl beim Start";
    EXPECT_EQ(GetWindowLongW(t.liste, GWL_STYLE) & 3L, long{CBS_DROPDOWNLIST}) << "Listenstil";
    EXPECT_EQ(FindWindowExW(t.liste, nullptr, L"Edit", nullptr), HWND{nullptr})
        << "die Länderliste nimmt getippten Text an";
    Schritte_pruefen(Foto(f, "start"), t, {std::nullopt, Aktuell, Grau, Grau, Grau});

    // Step 1 with Alt+D, the folder typed into the picker.
    Alt_Taste(p.Fokus(), L'd');
    Ordner_eingeben(p, Ohne_Backslash(host.daten));
    Warten("Schritt 1 erledigt", [&] { return !IsWindowEnabled(t.schritt1); });
    EXPECT_TRUE(p.Fenster(L"#32770").empty()) << "unerwartete Meldung nach der Ordnerwahl";
    Schritte_pruefen(Foto(f, "datenordner"), t,
                     {std::nullopt, Erledigt_gesperrt, Aktuell, Grau, Grau});

    // Step 2: Hessen, the seventh state.
    Auswaehlen(t.liste, 6);
    Warten("Schritt 3 verfügbar", [&] { return Aktiv(t.schritt3); });
    Warten("Fokus auf Schritt 3", [&] { return p.Fokus() == t.schritt3; });
    Schritte_pruefen(Foto(f, "land"), t,
                     {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Aktuell, Grau});

    // Step 3 with Alt+F: the dialog confirmed on its starting colour, light green.
    Alt_Taste(p.Fokus(), L'f');
    Farbe_bestaetigen(p);
    Warten("Schritt 4 verfügbar", [&] { return Aktiv(t.schritt4); });
    Warten("Fokus auf Schritt 4", [&] { return p.Fokus() == t.schritt4; });
    Bildschirmfoto foto = Foto(f, "farbe");
    Schritte_pruefen(foto, t,
                     {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Erledigt_offen, Aktuell});
    Farbe_pruefen(foto, t, RGB(128, 255, 128), "Farbe der Schaltfläche 3");

    // Step 4 with Enter on the focused button.
    Taste(p.Fokus(), VK_RETURN);
    const Meldung m = Meldung_bestaetigen(p);
    EXPECT_EQ(m.titel, std::wstring(L"Velmorant - Schulferien kennzeichnen"))
        << "Titel der Meldung";
    EXPECT_EQ(m.besitzer, f) << "Besitzer der Meldung";
    EXPECT_TRUE(m.symbol) << "Meldung ohne Symbol";
    EXPECT_EQ(Schmal(m.text), orakel::Bestaetigung("Hessen", orakel::Hessen)) << "Bestätigung";
    Schritte_pruefen(
        Foto(f, "fertig"), t,
        {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Erledigt_offen, Erledigt_gesperrt});

    Hessen_gekennzeichnet(host);

    // Alt+B ends the program.
    Alt_Taste(p.Fokus() ? p.Fokus() : f, L'b');
    EXPECT_EQ(p.Ende_abwarten(), DWORD{0}) << "Exit-Code";
}

// The data folder from the host's path settings in the installation folder below PUBLIC, and
// an earlier Ferientage.dat: the window opens on step 4 with state and colour chosen.
TEST_F(Szenario, FruehereDatei) {
    Uhr_stellen("2025-03-14 10:00:00");
    const Demohost host = Frueher_gekennzeichnet("Bayern", "&H0080FF");
    Programm p = Starten(host, L"Verwalter");
    HWND f = p.Hauptfenster();
    Teile t = Teile_finden(f, Rahmen4_Aktualisieren, Schritt4_Aktualisieren);
    EXPECT_EQ(SendMessageW(t.liste, CB_GETCURSEL, 0, 0), LRESULT{1}) << "Vorauswahl Bayern";
    EXPECT_EQ(p.Fokus(), t.beenden) << "Fokus beim Start auf Beenden";
    Bildschirmfoto foto = Foto(f, "start");
    Schritte_pruefen(foto, t,
                     {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Erledigt_offen, Aktuell});
    Farbe_pruefen(foto, t, RGB(255, 128, 0), "Farbe der Schaltfläche 3 aus der früheren Datei");

    // Tab order: from Beenden through the enabled controls of the steps and back.
    for (HWND soll : {t.liste, t.schritt3, t.schritt4, t.beenden, t.liste}) {
        HWND vorher = p.Fokus();
        Taste(vorher, VK_TAB);
        Warten("Tab weiter", [&] { return p.Fokus() != vorher; });
        EXPECT_EQ(p.Fokus(), soll) << "Tab-Reihenfolge nach \"" << Schmal(Text(vorher)) << "\"";
    }

    // Space on the focused step-4 button.
    Taste(t.liste, VK_TAB);
    Taste(t.schritt3, VK_TAB);
    Warten("Fokus auf Schritt 4", [&] { return p.Fokus() == t.schritt4; });
    Taste(t.schritt4, VK_SPACE);
    const std::string meldung = Schmal(Meldung_bestaetigen(p).text);
    const std::string anfang = "Folgende Ferienzeiten werden gekennzeichnet:\r\rLand: Bayern\r\r";
    EXPECT_EQ(meldung.substr(0, anfang.size()), anfang) << "Bestätigung für Bayern";
    const std::vector<std::string> zeilen = Zeilen_von(host.daten + L"Ferientage.dat");
    Zeilen_pruefen({zeilen.begin(), zeilen.begin() + std::min<std::size_t>(6, zeilen.size())},
                   {"[Ferientage]", host.kennung, "&H0080FF", "Bayern", "void",
                    orakel::Monat("2401", {{1, 5}})},
                   "Ferientage.dat");
    Logbuch_pruefen(host.logs + L"2503 Zedrano.log", "14.03.25 10:0",
                    "Verwalter|ZedraAdmin|Daten der Schulferien für Land Bayern aktualisiert, "
                    "Stand der Daten: 15.06.24");

    Klicken(t.beenden);
    EXPECT_EQ(p.Ende_abwarten(), DWORD{0}) << "Exit-Code";
}

// Schulferien_deaktivieren.exe, with the host's path settings (plain text) beside it, which
// name the data folder and another log folder on a server's share as \\server\share\...:
// two steps, the window shortened, the read-only Ferientage.dat removed, the removal logged
// there. (Under Wine the folder dialog can't take such a path: its shell knows no network.)
TEST_F(Szenario, Entfernen) {
    Uhr_stellen("2025-03-14 10:00:00");
    Demohost_Wunsch w;
    w.pfadeinstellungen = false;
    w.ferientage = {{"Hessen", "&H80FF80"}};
    const Demohost host = Host_auf_der_Freigabe(w);
    // Beside the data folder.
    const std::wstring protokolle =
        host.daten.substr(0, host.daten.rfind(L'\\', host.daten.size() - 2) + 1) + L"Protokolle\\";
    CreateDirectoryW(protokolle.c_str(), nullptr);
    Baum_entfernen(Wurzel());
    CreateDirectoryW(Wurzel().c_str(), nullptr);
    const std::wstring ordner = Wurzel() + L"\\Werkzeug\\";
    CreateDirectoryW(ordner.c_str(), nullptr);
    const std::wstring exe = ordner + L"Schulferien_deaktivieren.exe";
    if (!CopyFileW((Eigener_Ordner() + L"Schulferien_deaktivieren.exe").c_str(), exe.c_str(),
                   FALSE)) {
        throw Fehlschlag("Programm nicht kopiert");
    }
    Datei_schreiben(ordner + L"Zedrano.dat", "[Zedrano]\r\ndata_pfad=" + Schmal(host.daten) +
                                                 "\r\nlog_pfad=" + Schmal(protokolle) + "\r\n");
    const std::wstring ferientage = host.daten + L"Ferientage.dat";
    SetFileAttributesW(ferientage.c_str(), FILE_ATTRIBUTE_READONLY);

    Programm p = Starten(host, L"verwalter", exe);
    HWND f = p.Hauptfenster();
    const Teile t = Teile_finden(f, L"Schritt 2: Kennzeichnen der Schulferien aufheben",
                                 L"Kennzeichnen der Schulferien aufheben", true);
    Layout_pruefen(t, 96, true);
    Schritte_pruefen(Foto(f, "start"), t,
                     {std::nullopt, Erledigt_gesperrt, std::nullopt, std::nullopt, Aktuell});

    Klicken(t.schritt4);
    EXPECT_EQ(Meldung_bestaetigen(p).text,
              std::wstring(L"Funktion ausgeführt. Schulferien werden künftig nicht mehr "
                           L"gekennzeichnet."))
        << "Meldung";
    EXPECT_FALSE(Datei_vorhanden(ferientage)) << "Ferientage.dat ist noch da";
    Logbuch_pruefen(protokolle + L"2503 Zedrano.log", "14.03.25 10:0",
                    "verwalter|ZedraAdmin|Kennzeichnen der Schulferien aufgehoben");
    Kein_Logbuch(host.logs);
    Schritte_pruefen(
        Foto(f, "entfernt"), t,
        {std::nullopt, Erledigt_gesperrt, std::nullopt, std::nullopt, Erledigt_gesperrt});

    // Closing the window ends the program, like Beenden.
    PostMessageW(f, WM_CLOSE, 0, 0);
    EXPECT_EQ(p.Ende_abwarten(), DWORD{0}) << "Exit-Code";
}

TEST_F(Szenario, KeinAdministrator) {
    Uhr_stellen("2025-03-14 10:00:00");
    Abgelehnt(L"gast",
              "Sie sind nicht als Administrator im Velmorant eingetragen und daher nicht "
              "berechtigt diese Funktion auszuführen.");
}

// After the built-in data's last year the program refuses to mark.
TEST_F(Szenario, Ueberholt2027) {
    Uhr_stellen("2027-01-15 09:00:00");
    Abgelehnt(L"verwalter",
              "Diese Programmversion ist überholt. Die neueste Version des Programms finden "
              "Sie im Internet unter ");
}

// A Konfigdaten.dat that ends after its header: the rights can't be read, an error report
// ends the program, and its exit code says so.
TEST_F(Szenario, Fehlerbericht) {
    Uhr_stellen("2025-03-14 10:00:00");
    Abgelehnt(
        L"verwalter", "Es ist folgender Fehler aufgetreten in Modul 'modSchulferien - LineIn':", 1,
        [](const Demohost& host) {
            Datei_schreiben(host.daten + L"Konfigdaten.dat", orakel::Verwuerfelt({"[Zedrano]"}));
        });
}

// A read-only Ferientage.dat can't be replaced: the user is told why, the program ends, and
// the old file stays exactly as it was, with nothing left beside it and nothing logged.
TEST_F(Szenario, Schreibgeschuetzt) {
    Uhr_stellen("2025-03-14 10:00:00");
    const Demohost host = Frueher_gekennzeichnet();
    const std::wstring ferientage = host.daten + L"Ferientage.dat";
    const std::string vorher = Datei_lesen(ferientage);
    SetFileAttributesW(ferientage.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::vector<std::wstring> dateien = Dateinamen(host.daten);

    Programm p = Starten(host);
    HWND f = p.Hauptfenster();
    Teile t = Teile_finden(f, Rahmen4_Aktualisieren, Schritt4_Aktualisieren);
    Klicken(t.schritt4);
    const std::string ordner = Schmal(host.daten.substr(0, host.daten.size() - 1));
    EXPECT_EQ(
        Schmal(Meldung_bestaetigen(p).text),
        "Die Datei '" + Schmal(ferientage) +
            "' konnte nicht geöffnet werden.\r\r"
            "Möglicherweise haben Sie keine ausreichenden Zugriffsberechtigungen für den Ordner '" +
            ordner +
            "', ist die Datei schreibgeschützt oder die Datei ist nicht vorhanden.\r\r"
            "Das Programm wird beendet.")
        << "Meldung";
    EXPECT_EQ(p.Ende_abwarten(), DWORD{2}) << "Exit-Code nach der Abbruchmeldung";
    EXPECT_EQ(Datei_lesen(ferientage), vorher) << "Ferientage.dat verändert";
    EXPECT_EQ(Dateinamen(host.daten), dateien) << "Dateien im Datenordner verändert";
    Kein_Logbuch(host.logs);
}

// An earlier Ferientage.dat whose colour no colour dialog gives (beyond white): the file does
// not count, the window opens on step 2 with no state and no colour, and the new file holds
// the colour chosen now.
TEST_F(Szenario, FarbeAusserhalb) {
    Uhr_stellen("2025-03-14 10:00:00");
    const Demohost host = Frueher_gekennzeichnet("Bayern", "&H1000000");
    Programm p = Starten(host);
    HWND f = p.Hauptfenster();
    Hessen_ab_schritt2(p, f, Teile_finden(f, Rahmen4_Kennzeichnen, Schritt4_Kennzeichnen), host);
}

// Damaged files of the program's own: a Zedrano.dat that starts with an empty line leaves
// the window on step 1, and a Ferientage.dat that ends after its header does not keep the
// chosen data folder from being taken or a new file from being written.
TEST_F(Szenario, BeschaedigteDateien) {
    Uhr_stellen("2025-03-14 10:00:00");
    Demohost_Wunsch w;
    w.pfadeinstellungen = false;
    const Demohost host = Host(w);
    Datei_schreiben(host.installation + L"Zedrano.dat",
                    "\r\n[Zedrano]\r\ndata_pfad=" + Schmal(host.daten) + "\r\n");
    Datei_schreiben(host.daten + L"Ferientage.dat", orakel::Verwuerfelt({"[Ferientage]"}));
    Programm p = Starten(host);
    HWND f = p.Hauptfenster();
    const Teile t = Teile_finden(f, Rahmen4_Kennzeichnen, Schritt4_Kennzeichnen);
    Schritte_pruefen(Foto(f, "start"), t, {std::nullopt, Aktuell, Grau, Grau, Grau});
    Klicken(t.schritt1);
    Ordner_eingeben(p, Ohne_Backslash(host.daten));
    Warten("Schritt 1 erledigt", [&] { return !IsWindowEnabled(t.schritt1); });
    Hessen_ab_schritt2(p, f, t, host);
}

// Temporary files that writers left beside Ferientage.dat, dated by the share's clock, while
// this computer's clock stands years behind it: marking removes those written more than an
// hour before the program's own new file and one of this computer whose process no longer runs
// (odd process ids: no process has one), unless someone holds it open; another computer's young
// one stays, and so does one dated ahead of the share's clock.
TEST_F(Szenario, Reste) {
    Uhr_stellen("2025-03-14 10:00:00");
    const Demohost host = Frueher_gekennzeichnet();
    wchar_t computer[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD laenge = MAX_COMPUTERNAME_LENGTH + 1;
    GetComputerNameW(computer, &laenge);
    const std::wstring hier = L"@" + std::wstring(computer, laenge), fremd = L"@ANDERER-PC";
    struct Rest {
        std::wstring name;
        int minuten;  // written this long before now on the share (negative: after it)
        bool bleibt;
    };
    // clang-format off
    const Rest reste[] = {
        {L"Ferientage.dat.~1f-3.tmp",                120,  false},
        {L"Ferientage.dat.~21-1.tmp",                120,  true},  // held open
        {L"Ferientage.dat.~1f-4" + fremd + L".tmp",  120,  false},
        {L"Ferientage.dat.~1f-5" + fremd + L".tmp",  1,    true},
        {L"Ferientage.dat.~1f-6" + fremd + L".tmp",  -120, true},
        {L"Ferientage.dat.~1f-7" + hier + L".tmp",   1,    false},
    };
    // clang-format on
    std::vector<std::wstring> bleiben = {L"Ferientage.dat", L"Konfigdaten.dat",
                                         L"MitarbeiterData.dat"};
    for (const Rest& r : reste) {
        Datei_schreiben(host.daten + r.name, "[Ferientage]");
        Datieren(host.daten + r.name, -r.minuten);
        if (r.bleibt) bleiben.push_back(r.name);
    }
    std::sort(bleiben.begin(), bleiben.end());
    const std::wstring offen = host.daten + L"Ferientage.dat.~21-1.tmp";
    HANDLE h = CreateFileW(offen.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw Fehlschlag("Rest nicht geöffnet");
    Hessen_aktualisieren(host);
    CloseHandle(h);
    EXPECT_EQ(Dateinamen(host.daten), bleiben) << "Dateien im Datenordner";
}

// Another process holds Ferientage.dat for a moment, sharing nothing, while step 4 is
// clicked: the program waits for it instead of calling the file write-protected.
TEST_F(Szenario, KurzGesperrt) {
    Uhr_stellen("2025-03-14 10:00:00");
    const Demohost host = Frueher_gekennzeichnet();
    const std::wstring ferientage = host.daten + L"Ferientage.dat";
    Hessen_aktualisieren(host, [&](HWND schritt4) {
        HANDLE h = CreateFileW(ferientage.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) throw Fehlschlag("Ferientage.dat nicht gesperrt");
        Klicken(schritt4);
        Sleep(300);
        CloseHandle(h);
    });
}

// Two users at step 4 update the marking on a share at the same moment, round after round
// (SCHULFERIEN_E2E_RUNDEN, 10 by default): see Gleichzeitig_aktualisieren. The host lies on
// the share; Zedrano.dat names its data and log folders as \\server\share\....
class Gleichzeitig : public Szenario {
  protected:
    void Aktualisieren(Kanal& zweiter, bool zwei_computer) {
        Uhr_stellen("2025-03-14 10:00:00");
        Demohost_Wunsch w;
        w.zweiter_administrator = L"sekretariat";
        w.ferientage = {{"Hessen", "&H80FF80"}};
        const Demohost host = Host_auf_der_Freigabe(w);
        const char* runden = std::getenv("SCHULFERIEN_E2E_RUNDEN");
        // The Gegenstelle ends, and its program with it, however the scenario ends.
        struct Schluss {
            Kanal& kanal;
            ~Schluss() {
                try {
                    kanal.Senden("schluss");
                } catch (const Fehlschlag&) {
                }
            }
        } schluss{zweiter};
        Gleichzeitig_aktualisieren(host, zweiter, runden ? std::atoi(runden) : 10, zwei_computer);
    }
};

// Two copies of the program on one computer.
TEST_F(Gleichzeitig, ZweiKopien) {
    const std::wstring kanal = Temp() + L"sfk-e2e-gegenstelle";
    Baum_entfernen(kanal);
    CreateDirectoryW(kanal.c_str(), nullptr);
    Programm gegenstelle(Eigener_Ordner() + L"gegenstelle.exe", {}, L"\"" + kanal + L"\"");
    {
        Kanal zweiter(kanal);
        Aktualisieren(zweiter, false);
    }
    EXPECT_EQ(gegenstelle.Ende_abwarten(), DWORD{0}) << "Exit-Code der Gegenstelle";
}

// Two computers: the second one is another Wine prefix with a Wine server of its own (its
// process ids overlap with this one's) and another computer's name, which reaches the same
// share; tests/e2e/zweiter_pc.sh runs the Gegenstelle there.
class SzenarioMitZweitemPC : public Gleichzeitig {};

TEST_F(SzenarioMitZweitemPC, ZweiComputer) {
    Kanal zweiter(Von_lauf_sh("E2E_ZWEITER_PC"));
    Aktualisieren(zweiter, true);
}

// The window at higher DPI: the same layout scaled, crisp and unclipped. The DPI setting of
// the Wine prefix is changed for it.
TEST_F(SzenarioImWegwerfpraefix, Dpi) {
    Uhr_stellen("2025-03-14 10:00:00");
    const Demohost host = Host();
    HKEY schluessel = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &schluessel, nullptr);
    for (DWORD dpi : {120u, 144u, 192u}) {
        RegSetValueExW(schluessel, L"LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dpi),
                       sizeof(dpi));
        Programm p = Starten(host);
        HWND f = p.Hauptfenster();
        // The host names its data folder: the window opens on step 2.
        const Teile t = Teile_finden(f, Rahmen4_Kennzeichnen, Schritt4_Kennzeichnen);
        Layout_pruefen(t, static_cast<int>(dpi), false);
        Schritte_pruefen(Foto(f, std::to_string(dpi) + "dpi"), t,
                         {std::nullopt, Erledigt_gesperrt, Aktuell, Grau, Grau});
        Klicken(t.beenden);
        p.Ende_abwarten();
    }
    RegCloseKey(schluessel);
}

// Without the colour dialog's library the program names the missing installation and ends
// before any window shows. The library is moved aside in the Wine prefix for it.
TEST_F(SzenarioImWegwerfpraefix, KomponenteFehlt) {
    Uhr_stellen("2025-03-14 10:00:00");
    wchar_t system[MAX_PATH];
    const UINT n = GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring dll = std::wstring(system, n) + L"\\comdlg32.dll";
    const std::wstring beiseite = dll + L".e2e-beiseite";
    if (!MoveFileExW(dll.c_str(), beiseite.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        throw Fehlschlag("comdlg32.dll nicht beiseite gelegt");
    }

    const Demohost host = Host();
    Programm p = Starten(host);
    const Meldung m = Meldung_bestaetigen(p);
    EXPECT_EQ(m.besitzer, HWND{nullptr}) << "Besitzer der Meldung";
    EXPECT_EQ(m.text,
              std::wstring(L"Sie müssen zuerst den Velmorant installieren.\r\rDas Programm wird "
                           L"beendet."))
        << "Meldung";
    EXPECT_EQ(p.Ende_abwarten(), DWORD{3}) << "Exit-Code nach der Installationsmeldung";
    EXPECT_TRUE(p.Fenster(fenster_win32::Fensterklasse).empty()) << "Hauptfenster erschienen";
}

}  // namespace

}  // namespace e2e
