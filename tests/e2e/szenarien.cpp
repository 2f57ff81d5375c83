// The end-to-end scenarios: the real program driven through its paths, each at the date
// that the test command sets for it.
#include "tests/e2e/szenarien.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "tests/e2e/demohost.h"
#include "tests/e2e/pruefungen.h"
#include "tests/e2e/steuerung.h"
#include "tests/support/ferien.h"
#include "tests/support/verwuerfelt.h"

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

// One run of a scenario: its name, and the screenshots it has taken.
struct Lauf {
    std::string name;
    int nummer = 0;
    Bildschirmfoto Foto(HWND fenster, const std::string& zustand) {
        const std::wstring ordner = Eigener_Ordner() + L"e2e-bilder";
        CreateDirectoryW(ordner.c_str(), nullptr);
        char n[8];
        std::snprintf(n, sizeof(n), "%02d", ++nummer);
        const std::wstring datei = ordner + L"\\" + W(name + "-" + n + "-" + zustand) + L".bmp";
        return e2e::Foto(fenster, datei);
    }
};

// A scenario that changes the Wine prefix (its system files, its registry) runs only in a
// throwaway prefix of its own, which the test command makes for it.
void Wegwerfpraefix_verlangen() {
    if (!std::getenv("E2E_WEGWERFPRAEFIX")) {
        throw Fehlschlag(
            "ändert das Wine-Präfix: nur in einem eigenen Präfix "
            "(mit_datum.sh --eigenes-praefix)");
    }
}

// The names of the files in `ordner` (ends in "\"), sorted; folders left out.
std::vector<std::wstring> Dateinamen(const std::wstring& ordner) {
    std::vector<std::wstring> n;
    WIN32_FIND_DATAW daten;
    HANDLE suche = FindFirstFileW((ordner + L"*").c_str(), &daten);
    if (suche == INVALID_HANDLE_VALUE) return n;
    do {
        if (!(daten.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) n.push_back(daten.cFileName);
    } while (FindNextFileW(suche, &daten));
    FindClose(suche);
    std::sort(n.begin(), n.end());
    return n;
}

// A host of the run's own with an earlier Ferientage.dat of `land` in `farbe`.
Demohost Frueher_gekennzeichnet(const Lauf& lauf, const std::string& land = "Hessen",
                                const std::string& farbe = "&H80FF80") {
    Demohost_Wunsch w;
    w.wurzel = Temp() + L"sfk-e2e-" + W(lauf.name);
    w.ferientage = {{land, farbe}};
    return Demohost_anlegen(w);
}

// Hessen marked by "verwalter" on 14 March 2025 in light green: the whole file and the one
// entry in the log book.
void Hessen_gekennzeichnet(const Demohost& host) {
    std::vector<std::string> datei = {"[Ferientage]", host.kennung, "&H80FF80", "Hessen", "void"};
    datei.insert(datei.end(), orakel::Hessen_Monate.begin(), orakel::Hessen_Monate.end());
    Zeilen_pruefen(Zeilen_von(host.daten + L"Ferientage.dat"), datei, "Ferientage.dat");
    Logbuch_pruefen(host.logs + L"2503 Zedrano.log", "14.03.25 ",
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
    Gleich(U(Meldung_bestaetigen(p).text), orakel::Bestaetigung("Hessen", orakel::Hessen),
           "Bestätigung");
    Hessen_gekennzeichnet(host);
    Klicken(t.beenden);
    Gleich(p.Ende_abwarten(), DWORD{0}, "Exit-Code");
}

// A window that has its data folder but no earlier marking: steps 2 to 4 with Hessen and the
// colour dialog's starting colour.
void Hessen_ab_schritt2(Lauf& lauf, Programm& p, HWND f, const Teile& t, const Demohost& host) {
    Gleich(SendMessageW(t.liste, CB_GETCURSEL, 0, 0), LRESULT{CB_ERR}, "Auswahl der Länderliste");
    Schritte_pruefen(lauf.Foto(f, "schritt2"), t,
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
    Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, L"verwalter"));
    const Teile t = Teile_finden(p.Hauptfenster(), Rahmen4_Aktualisieren, Schritt4_Aktualisieren);
    Hessen_schritt4(p, t, host, klicken);
}

// 14 March 2025: the user walks through all four steps, choosing the data folder in the
// picker; Ferientage.dat holds the hand-worked months of Hessen.
void Erste_Kennzeichnung(Lauf& lauf) {
    Demohost_Wunsch w;
    w.wurzel = Temp() + L"sfk-e2e-erste";
    w.pfadeinstellungen = false;
    const Demohost host = Demohost_anlegen(w);
    Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, L"verwalter"));
    HWND f = p.Hauptfenster();
    Teile t = Teile_finden(f, Rahmen4_Kennzeichnen, Schritt4_Kennzeichnen);

    Gleich(Text(f), std::wstring(L"Velmorant - Schulferien kennzeichnen"), "Titel");
    Gleich(p.Fokus(), t.beenden, "Fokus beim Start auf Beenden");
    Layout_pruefen(t, 96, false);
    const auto anzahl = SendMessageW(t.liste, CB_GETCOUNT, 0, 0);
    Gleich(anzahl, LRESULT{16}, "Einträge der Länderliste");
    Gleich(SendMessageW(t.liste, CB_GETCURSEL, 0, 0), LRESULT{CB_ERR}, "Auswahl beim Start");
    Gleich(GetWindowLongW(t.liste, GWL_STYLE) & 3L, long{CBS_DROPDOWNLIST}, "Listenstil");
    Pruefen(FindWindowExW(t.liste, nullptr, L"Edit", nullptr) == nullptr,
            "die Länderliste nimmt getippten Text an");
    Schritte_pruefen(lauf.Foto(f, "start"), t, {std::nullopt, Aktuell, Grau, Grau, Grau});

    // Step 1 with Alt+D, the folder typed into the picker.
    Alt_Taste(p.Fokus(), L'd');
    Ordner_eingeben(p, Ohne_Backslash(host.daten));
    Warten("Schritt 1 erledigt", [&] { return !IsWindowEnabled(t.schritt1); });
    Pruefen(p.Fenster(L"#32770").empty(), "unerwartete Meldung nach der Ordnerwahl");
    Schritte_pruefen(lauf.Foto(f, "datenordner"), t,
                     {std::nullopt, Erledigt_gesperrt, Aktuell, Grau, Grau});

    // Step 2: Hessen, the seventh state.
    Auswaehlen(t.liste, 6);
    Warten("Schritt 3 verfügbar", [&] { return Aktiv(t.schritt3); });
    Warten("Fokus auf Schritt 3", [&] { return p.Fokus() == t.schritt3; });
    Schritte_pruefen(lauf.Foto(f, "land"), t,
                     {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Aktuell, Grau});

    // Step 3 with Alt+F: the dialog confirmed on its starting colour, light green.
    Alt_Taste(p.Fokus(), L'f');
    Farbe_bestaetigen(p);
    Warten("Schritt 4 verfügbar", [&] { return Aktiv(t.schritt4); });
    Warten("Fokus auf Schritt 4", [&] { return p.Fokus() == t.schritt4; });
    Bildschirmfoto foto = lauf.Foto(f, "farbe");
    Schritte_pruefen(foto, t,
                     {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Erledigt_offen, Aktuell});
    Farbe_pruefen(foto, t, RGB(128, 255, 128), "Farbe der Schaltfläche 3");

    // Step 4 with Enter on the focused button.
    Taste(p.Fokus(), VK_RETURN);
    const Meldung m = Meldung_bestaetigen(p);
    Gleich(m.titel, std::wstring(L"Velmorant - Schulferien kennzeichnen"), "Titel der Meldung");
    Gleich(m.besitzer, f, "Besitzer der Meldung");
    Pruefen(m.symbol, "Meldung ohne Symbol");
    Gleich(U(m.text), orakel::Bestaetigung("Hessen", orakel::Hessen), "Bestätigung");
    Schritte_pruefen(
        lauf.Foto(f, "fertig"), t,
        {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Erledigt_offen, Erledigt_gesperrt});

    Hessen_gekennzeichnet(host);

    // Alt+B ends the program.
    Alt_Taste(p.Fokus() ? p.Fokus() : f, L'b');
    Gleich(p.Ende_abwarten(), DWORD{0}, "Exit-Code");
}

// The data folder from the host's path settings in the installation folder below PUBLIC, and
// an earlier Ferientage.dat: the window opens on step 4 with state and colour chosen.
void Fruehere_Datei(Lauf& lauf) {
    Demohost_Wunsch w;
    w.wurzel = Temp() + L"sfk-e2e-frueher";
    w.ferientage = {{"Bayern", "&H0080FF"}};
    const Demohost host = Demohost_anlegen(w);
    Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, L"Verwalter"));
    HWND f = p.Hauptfenster();
    Teile t = Teile_finden(f, Rahmen4_Aktualisieren, Schritt4_Aktualisieren);
    Gleich(SendMessageW(t.liste, CB_GETCURSEL, 0, 0), LRESULT{1}, "Vorauswahl Bayern");
    Gleich(p.Fokus(), t.beenden, "Fokus beim Start auf Beenden");
    Bildschirmfoto foto = lauf.Foto(f, "start");
    Schritte_pruefen(foto, t,
                     {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Erledigt_offen, Aktuell});
    Farbe_pruefen(foto, t, RGB(255, 128, 0), "Farbe der Schaltfläche 3 aus der früheren Datei");

    // Tab order: from Beenden through the enabled controls of the steps and back.
    for (HWND soll : {t.liste, t.schritt3, t.schritt4, t.beenden, t.liste}) {
        HWND vorher = p.Fokus();
        Taste(vorher, VK_TAB);
        Warten("Tab weiter", [&] { return p.Fokus() != vorher; });
        Gleich(p.Fokus(), soll, "Tab-Reihenfolge nach \"" + U(Text(vorher)) + "\"");
    }

    // Space on the focused step-4 button.
    Taste(t.liste, VK_TAB);
    Taste(t.schritt3, VK_TAB);
    Warten("Fokus auf Schritt 4", [&] { return p.Fokus() == t.schritt4; });
    Taste(t.schritt4, VK_SPACE);
    const std::string meldung = U(Meldung_bestaetigen(p).text);
    Pruefen(
        meldung.rfind("Folgende Ferienzeiten werden gekennzeichnet:\r\rLand: Bayern\r\r", 0) == 0,
        "Bestätigung für Bayern: " + Sichtbar_machen(meldung));
    const std::vector<std::string> zeilen = Zeilen_von(host.daten + L"Ferientage.dat");
    Zeilen_pruefen({zeilen.begin(), zeilen.begin() + std::min<std::size_t>(6, zeilen.size())},
                   {"[Ferientage]", host.kennung, "&H0080FF", "Bayern", "void",
                    orakel::Monat("2401", {{1, 5}})},
                   "Ferientage.dat");
    Logbuch_pruefen(host.logs + L"2503 Zedrano.log", "14.03.25 ",
                    "Verwalter|ZedraAdmin|Daten der Schulferien für Land Bayern aktualisiert, "
                    "Stand der Daten: 15.06.24");

    Klicken(t.beenden);
    Gleich(p.Ende_abwarten(), DWORD{0}, "Exit-Code");
}

// Schulferien_deaktivieren.exe, with the host's path settings (plain text) beside it: two
// steps, the window shortened, the read-only Ferientage.dat removed.
void Entfernen(Lauf& lauf) {
    Demohost_Wunsch w;
    w.wurzel = Temp() + L"sfk-e2e-entfernen";
    w.pfadeinstellungen = false;
    w.ferientage = {{"Hessen", "&H80FF80"}};
    const Demohost host = Demohost_anlegen(w);
    const std::wstring ordner = w.wurzel + L"\\Werkzeug\\";
    CreateDirectoryW(ordner.c_str(), nullptr);
    const std::wstring exe = ordner + L"Schulferien_deaktivieren.exe";
    if (!CopyFileW((Eigener_Ordner() + L"Schulferien_deaktivieren.exe").c_str(), exe.c_str(),
                   FALSE)) {
        throw Fehlschlag("Programm nicht kopiert");
    }
    Datei_schreiben(ordner + L"Zedrano.dat",
                    "[Zedrano]\r\ndata_pfad=" + U(host.daten) + "\r\nlog_pfad=\r\n");
    const std::wstring ferientage = host.daten + L"Ferientage.dat";
    SetFileAttributesW(ferientage.c_str(), FILE_ATTRIBUTE_READONLY);

    Programm p(exe, Umgebung(host, L"verwalter"));
    HWND f = p.Hauptfenster();
    const Teile t = Teile_finden(f, L"Schritt 2: Kennzeichnen der Schulferien aufheben",
                                 L"Kennzeichnen der Schulferien aufheben", true);
    Layout_pruefen(t, 96, true);
    Schritte_pruefen(lauf.Foto(f, "start"), t,
                     {std::nullopt, Erledigt_gesperrt, std::nullopt, std::nullopt, Aktuell});

    Klicken(t.schritt4);
    Gleich(Meldung_bestaetigen(p).text,
           std::wstring(L"Funktion ausgeführt. Schulferien werden künftig nicht mehr "
                        L"gekennzeichnet."),
           "Meldung");
    Pruefen(!Datei_vorhanden(ferientage), "Ferientage.dat ist noch da");
    Logbuch_pruefen(host.logs + L"2503 Zedrano.log", "14.03.25 ",
                    "verwalter|ZedraAdmin|Kennzeichnen der Schulferien aufgehoben");
    Schritte_pruefen(
        lauf.Foto(f, "entfernt"), t,
        {std::nullopt, Erledigt_gesperrt, std::nullopt, std::nullopt, Erledigt_gesperrt});

    // Closing the window ends the program, like Beenden.
    PostMessageW(f, WM_CLOSE, 0, 0);
    Gleich(p.Ende_abwarten(), DWORD{0}, "Exit-Code");
}

// A step-4 click that the program refuses: the message, and nothing written or changed. With
// a non-zero `exitcode` the message ends the program with that code; otherwise the window
// stays on step 4 and Beenden ends it normally. `vorbereiten` changes the host before the
// start.
void Abgelehnt(Lauf& lauf, const std::wstring& benutzer, const std::string& soll_anfang,
               DWORD exitcode = 0, const std::function<void(const Demohost&)>& vorbereiten = {}) {
    const Demohost host = Frueher_gekennzeichnet(lauf);
    if (vorbereiten) vorbereiten(host);
    const std::string vorher = Datei_lesen(host.daten + L"Ferientage.dat");
    Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, benutzer));
    HWND f = p.Hauptfenster();
    Teile t = Teile_finden(f, Rahmen4_Aktualisieren, Schritt4_Aktualisieren);
    Klicken(t.schritt4);
    const std::string meldung = U(Meldung_bestaetigen(p).text);
    Gleich(meldung.substr(0, soll_anfang.size()), soll_anfang, "Meldung");
    Gleich(Datei_lesen(host.daten + L"Ferientage.dat") == vorher, true,
           "Ferientage.dat unverändert");
    Kein_Logbuch(host.logs);
    if (exitcode == 0) {
        Schritte_pruefen(
            lauf.Foto(f, "abgelehnt"), t,
            {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Erledigt_offen, Aktuell});
        Klicken(t.beenden);
    }
    Gleich(p.Ende_abwarten(), exitcode, "Exit-Code");
}

void Kein_Administrator(Lauf& lauf) {
    Abgelehnt(lauf, L"gast",
              "Sie sind nicht als Administrator im Velmorant eingetragen und daher nicht "
              "berechtigt diese Funktion auszuführen.");
}

void Ueberholt_2027(Lauf& lauf) {
    Abgelehnt(lauf, L"verwalter",
              "Diese Programmversion ist überholt. Die neueste Version des Programms finden "
              "Sie im Internet unter ");
}

// A Konfigdaten.dat that ends after its header: the rights can't be read, an error report
// ends the program, and its exit code says so.
void Fehlerbericht(Lauf& lauf) {
    Abgelehnt(lauf, L"verwalter",
              "Es ist folgender Fehler aufgetreten in Modul 'modSchulferien - LineIn':", 1,
              [](const Demohost& host) {
                  Datei_schreiben(host.daten + L"Konfigdaten.dat",
                                  orakel::Verwuerfelt({"[Zedrano]"}));
              });
}

// A read-only Ferientage.dat can't be replaced: the user is told why, the program ends, and
// the old file stays exactly as it was, with nothing left beside it and nothing logged.
void Schreibgeschuetzt(Lauf& lauf) {
    const Demohost host = Frueher_gekennzeichnet(lauf);
    const std::wstring ferientage = host.daten + L"Ferientage.dat";
    const std::string vorher = Datei_lesen(ferientage);
    SetFileAttributesW(ferientage.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::vector<std::wstring> dateien = Dateinamen(host.daten);

    Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, L"verwalter"));
    HWND f = p.Hauptfenster();
    Teile t = Teile_finden(f, Rahmen4_Aktualisieren, Schritt4_Aktualisieren);
    Klicken(t.schritt4);
    const std::string ordner = U(host.daten.substr(0, host.daten.size() - 1));
    Gleich(
        U(Meldung_bestaetigen(p).text),
        "Die Datei '" + U(ferientage) +
            "' konnte nicht geöffnet werden.\r\r"
            "Möglicherweise haben Sie keine ausreichenden Zugriffsberechtigungen für den Ordner '" +
            ordner +
            "', ist die Datei schreibgeschützt oder die Datei ist nicht vorhanden.\r\r"
            "Das Programm wird beendet.",
        "Meldung");
    Gleich(p.Ende_abwarten(), DWORD{2}, "Exit-Code nach der Abbruchmeldung");
    Pruefen(Datei_lesen(ferientage) == vorher, "Ferientage.dat verändert");
    Pruefen(Dateinamen(host.daten) == dateien, "Dateien im Datenordner verändert");
    Kein_Logbuch(host.logs);
}

// An earlier Ferientage.dat whose colour no colour dialog gives (beyond white): the file does
// not count, the window opens on step 2 with no state and no colour, and the new file holds
// the colour chosen now.
void Farbe_ausserhalb(Lauf& lauf) {
    const Demohost host = Frueher_gekennzeichnet(lauf, "Bayern", "&H1000000");
    Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, L"verwalter"));
    HWND f = p.Hauptfenster();
    Hessen_ab_schritt2(lauf, p, f, Teile_finden(f, Rahmen4_Kennzeichnen, Schritt4_Kennzeichnen),
                       host);
}

// Damaged files of the program's own: a Zedrano.dat that starts with an empty line leaves
// the window on step 1, and a Ferientage.dat that ends after its header does not keep the
// chosen data folder from being taken or a new file from being written.
void Beschaedigte_Dateien(Lauf& lauf) {
    Demohost_Wunsch w;
    w.wurzel = Temp() + L"sfk-e2e-" + W(lauf.name);
    w.pfadeinstellungen = false;
    const Demohost host = Demohost_anlegen(w);
    Datei_schreiben(host.installation + L"Zedrano.dat",
                    "\r\n[Zedrano]\r\ndata_pfad=" + U(host.daten) + "\r\n");
    Datei_schreiben(host.daten + L"Ferientage.dat", orakel::Verwuerfelt({"[Ferientage]"}));
    Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, L"verwalter"));
    HWND f = p.Hauptfenster();
    const Teile t = Teile_finden(f, Rahmen4_Kennzeichnen, Schritt4_Kennzeichnen);
    Schritte_pruefen(lauf.Foto(f, "start"), t, {std::nullopt, Aktuell, Grau, Grau, Grau});
    Klicken(t.schritt1);
    Ordner_eingeben(p, Ohne_Backslash(host.daten));
    Warten("Schritt 1 erledigt", [&] { return !IsWindowEnabled(t.schritt1); });
    Hessen_ab_schritt2(lauf, p, f, t, host);
}

// Temporary files that writers left beside Ferientage.dat: marking removes those of processes
// that no longer run (odd process ids: no process has one) unless someone holds them open.
void Reste(Lauf& lauf) {
    const Demohost host = Frueher_gekennzeichnet(lauf);
    Datei_schreiben(host.daten + L"Ferientage.dat.~1f-3.tmp", "[Ferientage]");
    const std::wstring offen = host.daten + L"Ferientage.dat.~21-1.tmp";
    Datei_schreiben(offen, "[Ferientage]");
    HANDLE h = CreateFileW(offen.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw Fehlschlag("Rest nicht geöffnet");
    Hessen_aktualisieren(host);
    CloseHandle(h);
    std::wstring namen;
    for (const std::wstring& name : Dateinamen(host.daten)) namen += name + L" ";
    Gleich(namen,
           std::wstring(L"Ferientage.dat Ferientage.dat.~21-1.tmp Konfigdaten.dat "
                        L"MitarbeiterData.dat "),
           "Dateien im Datenordner");
}

// Another process holds Ferientage.dat for a moment, sharing nothing, while step 4 is
// clicked: the program waits for it instead of calling the file write-protected.
void Kurz_gesperrt(Lauf& lauf) {
    const Demohost host = Frueher_gekennzeichnet(lauf);
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

// The window at higher DPI: the same layout scaled, crisp and unclipped. The DPI setting of
// the Wine prefix is changed for it.
void Dpi(Lauf& lauf) {
    Wegwerfpraefix_verlangen();
    Demohost_Wunsch w;
    w.wurzel = Temp() + L"sfk-e2e-dpi";
    const Demohost host = Demohost_anlegen(w);
    HKEY schluessel = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &schluessel, nullptr);
    for (DWORD dpi : {120u, 144u, 192u}) {
        RegSetValueExW(schluessel, L"LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dpi),
                       sizeof(dpi));
        Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, L"verwalter"));
        HWND f = p.Hauptfenster();
        // The host names its data folder: the window opens on step 2.
        const Teile t = Teile_finden(f, Rahmen4_Kennzeichnen, Schritt4_Kennzeichnen);
        Layout_pruefen(t, static_cast<int>(dpi), false);
        Schritte_pruefen(lauf.Foto(f, std::to_string(dpi) + "dpi"), t,
                         {std::nullopt, Erledigt_gesperrt, Aktuell, Grau, Grau});
        Klicken(t.beenden);
        p.Ende_abwarten();
    }
    RegCloseKey(schluessel);
}

// Without the colour dialog's library the program names the missing installation and ends
// before any window shows. The library is moved aside in the Wine prefix for it.
void Komponente_fehlt(Lauf&) {
    Wegwerfpraefix_verlangen();
    wchar_t system[MAX_PATH];
    const UINT n = GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring dll = std::wstring(system, n) + L"\\comdlg32.dll";
    const std::wstring beiseite = dll + L".e2e-beiseite";
    if (!MoveFileExW(dll.c_str(), beiseite.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        throw Fehlschlag("comdlg32.dll nicht beiseite gelegt");
    }

    Demohost_Wunsch w;
    w.wurzel = Temp() + L"sfk-e2e-komponente";
    const Demohost host = Demohost_anlegen(w);
    Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, L"verwalter"));
    const Meldung m = Meldung_bestaetigen(p);
    Gleich(m.besitzer, HWND{nullptr}, "Besitzer der Meldung");
    Gleich(m.text,
           std::wstring(L"Sie müssen zuerst den Velmorant installieren.\r\rDas Programm wird "
                        L"beendet."),
           "Meldung");
    Gleich(p.Ende_abwarten(), DWORD{3}, "Exit-Code nach der Installationsmeldung");
    Pruefen(p.Fenster(L"Schulferien.frmSchulferien").empty(), "Hauptfenster erschienen");
}

const std::map<std::string, void (*)(Lauf&)> Szenarien = {
    {"erste_kennzeichnung", Erste_Kennzeichnung},
    {"fruehere_datei", Fruehere_Datei},
    {"entfernen", Entfernen},
    {"kein_administrator", Kein_Administrator},
    {"ueberholt_2027", Ueberholt_2027},
    {"schreibgeschuetzt", Schreibgeschuetzt},
    {"fehlerbericht", Fehlerbericht},
    {"farbe_ausserhalb", Farbe_ausserhalb},
    {"beschaedigte_dateien", Beschaedigte_Dateien},
    {"reste", Reste},
    {"kurz_gesperrt", Kurz_gesperrt},
    {"dpi", Dpi},
    {"komponente_fehlt", Komponente_fehlt},
};

}  // namespace

int Szenario_ausfuehren(const std::string& name) {
    const auto s = Szenarien.find(name);
    if (s == Szenarien.end()) throw Fehlschlag("unbekanntes Szenario " + name);
    Lauf lauf{s->first};
    std::printf("Szenario %s\n", s->first.c_str());
    s->second(lauf);
    std::printf(Fehlerzahl() ? "%d Fehler\n" : "bestanden\n", Fehlerzahl());
    return Fehlerzahl() ? 1 : 0;
}

}  // namespace e2e
