// The end-to-end driver: runs one scenario against the real Schulferien.exe (started from
// the driver's own folder), or creates a demo host, or waits for the program's window for the
// start-up benchmark.
//
//   e2e_treiber szenario NAME     one scenario; exit code 0 when every check held
//   e2e_treiber demo ORDNER [BILD]  a demo host below ORDNER (its administrator: the user),
//                                   the program started on it; with BILD a screenshot of its
//                                   window is saved there and the program closed, else the
//                                   driver waits until the user closes it
//   e2e_treiber startzeit N EXE...  starts each EXE N times in turn, prints the median ms
//                                   until its window shows
//
// The scenarios expect the clock to be set from outside (faketime) to the date they name.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>

#include "tests/e2e/demohost.h"
#include "tests/e2e/steuerung.h"

using namespace e2e;

namespace {

// --- Reporting ------------------------------------------------------------------------------

int fehler = 0;

std::string Sichtbar_machen(const std::string& s) {
    std::string t;
    for (char c : s) t += c == '\r' ? std::string("\\r") : std::string(1, c);
    return t;
}

void Pruefen(bool ok, const std::string& was) {
    if (ok) return;
    ++fehler;
    std::printf("  FEHLER: %s\n", was.c_str());
}

template <class T>
std::string Text_von(const T& wert) {
    std::ostringstream s;
    s << wert;
    return s.str();
}
std::string Text_von(const std::string& wert) {
    std::string t(1, '"');
    t.append(Sichtbar_machen(wert));
    t.push_back('"');
    return t;
}
std::string Text_von(const std::wstring& wert) {
    return Text_von(U(wert));
}

template <class T, class U2>
void Gleich(const T& ist, const U2& soll, const std::string& was) {
    Pruefen(ist == soll, was + ": ist " + Text_von(ist) + ", soll " + Text_von(soll));
}

// --- Set-up ---------------------------------------------------------------------------------

std::wstring Temp() {
    wchar_t t[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, t);
    return std::wstring(t, n);
}

std::wstring Ohne_Backslash(std::wstring p) {
    if (!p.empty() && p.back() == L'\\') p.pop_back();
    return p;
}

int Pixel(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

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

std::map<std::wstring, std::optional<std::wstring>> Umgebung(const Demohost& host,
                                                             const std::wstring& benutzer) {
    return {{L"USERNAME", benutzer},
            {L"PUBLIC", host.public_ordner},
            {L"ProgramFiles", host.programme}};
}

// --- The window -----------------------------------------------------------------------------

struct Teile {
    HWND fenster;
    std::array<HWND, 5> rahmen{};  // 1..4
    std::array<HWND, 5> bild{};    // 1..4, the picture in each frame
    HWND schritt1, liste, schritt3, schritt4, beenden;
};

HWND Bild_in(HWND rahmen) {
    return Steuerelement(rahmen, L"Static");
}

Teile Teile_finden(HWND f, const std::wstring& rahmen4, const std::wstring& schritt4) {
    Teile t{};
    t.fenster = f;
    const std::array<std::wstring, 5> namen = {L"", L"Schritt 1: Datenordner auswählen",
                                               L"Schritt 2: Bundesland auswählen",
                                               L"Schritt 3: Farbe auswählen", rahmen4};
    for (int n = 1; n <= 4; ++n) {
        t.rahmen[n] = Steuerelement(f, L"Button", namen[n]);
        t.bild[n] = Bild_in(t.rahmen[n]);
    }
    t.schritt1 = Steuerelement(f, L"Button", L"&Datenordner auswählen ...");
    t.liste = Steuerelement(f, L"ComboBox");
    t.schritt3 = Steuerelement(f, L"Button", L"&Farbe auswählen ...");
    t.schritt4 = Steuerelement(f, L"Button", schritt4);
    t.beenden = Steuerelement(f, L"Button", L"&Beenden");
    return t;
}

const std::wstring Rahmen4_Kennzeichnen = L"Schritt 4: Kennzeichnen der Schulferien aktivieren";
const std::wstring Schritt4_Kennzeichnen = L"&Kennzeichnen der Schulferien aktivieren";

// The three status pictures, told apart by the colour of their circle.
enum class Bild { Pfeil, OK, Inaktiv };
const char* Name(Bild b) {
    switch (b) {
        case Bild::Pfeil:
            return "roter Pfeil";
        case Bild::OK:
            return "grüner Haken";
        default:
            return "grauer Pfeil";
    }
}

std::optional<Bild> Gezeigtes_Bild(const Bildschirmfoto& foto, HWND fenster, HWND bild) {
    const RECT r = Rechteck_in(fenster, bild);
    const int groesse = r.right - r.left;
    // A point on the circle that neither the arrow nor the tick covers.
    const COLORREF c = foto.Pixel(r.left + groesse * 8 / 17, r.top + groesse * 2 / 17);
    if (c == RGB(184, 42, 23)) return Bild::Pfeil;
    if (c == RGB(0, 166, 81)) return Bild::OK;
    if (c == RGB(140, 140, 140)) return Bild::Inaktiv;
    return std::nullopt;
}

// A step as the window shows it: its picture, whether its frame and its control are enabled.
struct Schritt {
    Bild bild;
    bool rahmen_aktiv, steuerelement_aktiv;
};
constexpr Schritt Grau{Bild::Inaktiv, false, false};
constexpr Schritt Aktuell{Bild::Pfeil, true, true};
constexpr Schritt Erledigt_gesperrt{Bild::OK, true, false};  // step 1, and step 4 when done
constexpr Schritt Erledigt_offen{Bild::OK, true, true};      // steps 2 and 3

void Schritte_pruefen(const Bildschirmfoto& foto, const Teile& t,
                      const std::array<std::optional<Schritt>, 5>& soll) {
    const std::array<HWND, 5> steuer = {nullptr, t.schritt1, t.liste, t.schritt3, t.schritt4};
    for (int n = 1; n <= 4; ++n) {
        const std::string s = "Schritt " + std::to_string(n);
        if (!soll[n]) {
            Gleich(Sichtbar(t.rahmen[n]), false, s + " verborgen");
            continue;
        }
        const std::optional<Bild> bild = Gezeigtes_Bild(foto, t.fenster, t.bild[n]);
        Pruefen(bild == soll[n]->bild, s + ": Bild soll " + Name(soll[n]->bild) + " sein, ist " +
                                           (bild ? Name(*bild) : "keines der drei"));
        Gleich(IsWindowEnabled(t.rahmen[n]) != FALSE, soll[n]->rahmen_aktiv, s + " Rahmen aktiv");
        Gleich(Aktiv(steuer[n]), soll[n]->steuerelement_aktiv, s + " Steuerelement aktiv");
    }
}

// The geometry of the window against the layout (twips) at `dpi`.
void Layout_pruefen(const Teile& t, int dpi, bool entfernen) {
    const std::string bei = " bei " + std::to_string(dpi) + " dpi";
    const RECT client = Clientbereich(t.fenster);
    Gleich(client.right - client.left, Pixel(5475, dpi), "Clientbreite" + bei);
    if (entfernen) {
        RECT aussen;
        GetWindowRect(t.fenster, &aussen);
        Gleich(aussen.bottom - aussen.top, Pixel(4095, dpi), "Fensterhöhe" + bei);
    } else {
        Gleich(client.bottom - client.top, Pixel(6360, dpi), "Clienthöhe" + bei);
    }

    struct Platz {
        HWND h;
        HWND bezug;
        int links, oben, breite, hoehe;
        const char* name;
    };
    const int oben4 = entfernen ? 1560 : 4200;
    std::vector<Platz> plaetze = {
        {t.rahmen[1], t.fenster, 300, 240, 4860, 1095, "fraRahmen1"},
        {t.rahmen[4], t.fenster, 300, oben4, 4860, 1095, "fraRahmen4"},
        {t.beenden, t.fenster, 1830, entfernen ? 3000 : 5640, 1800, 375, "Beenden"},
        {t.schritt1, t.rahmen[1], 510, 450, 4110, 375, "cmdAuswahl1"},
        {t.bild[1], t.rahmen[1], 150, 510, 255, 255, "imgIcon1"},
        {t.schritt4, t.rahmen[4], 510, 450, 4110, 375, "cmdAuswahl4"},
        {t.bild[4], t.rahmen[4], 150, 510, 255, 255, "imgIcon4"},
    };
    if (!entfernen) {
        plaetze.insert(plaetze.end(),
                       {
                           {t.rahmen[2], t.fenster, 300, 1560, 4860, 1095, "fraRahmen2"},
                           {t.rahmen[3], t.fenster, 300, 2880, 4860, 1095, "fraRahmen3"},
                           {t.liste, t.rahmen[2], 510, 465, 4110, 360, "cmbLänderliste"},
                           {t.bild[2], t.rahmen[2], 150, 510, 255, 255, "imgIcon2"},
                           {t.schritt3, t.rahmen[3], 510, 450, 4110, 375, "cmdAuswahl3"},
                           {t.bild[3], t.rahmen[3], 150, 510, 255, 255, "imgIcon3"},
                       });
    }
    for (const Platz& p : plaetze) {
        const RECT r = Rechteck_in(p.bezug, p.h);
        const std::string n = std::string(p.name) + bei;
        Gleich(r.left, Pixel(p.links, dpi), n + " links");
        Gleich(r.top, Pixel(p.oben, dpi), n + " oben");
        Gleich(r.right - r.left, Pixel(p.breite, dpi), n + " Breite");
        Gleich(r.bottom - r.top, Pixel(p.hoehe, dpi), n + " Höhe");
        // Nothing is clipped: every control lies wholly inside its container's client area.
        RECT innen;
        GetClientRect(p.bezug, &innen);
        Pruefen(r.left >= 0 && r.top >= 0 && r.right <= innen.right && r.bottom <= innen.bottom,
                n + " liegt nicht ganz in seinem Behälter");
    }
    // Picture and button of a step share their vertical centre (to the pixel's rounding).
    for (auto [bild, knopf] : {std::pair{t.bild[1], t.schritt1}, {t.bild[4], t.schritt4}}) {
        const RECT b = Rechteck_in(t.fenster, bild), k = Rechteck_in(t.fenster, knopf);
        Pruefen(std::abs((b.top + b.bottom) - (k.top + k.bottom)) <= 2,
                "Bild und Schaltfläche nicht auf einer Mitte" + bei);
    }
}

// --- Files ----------------------------------------------------------------------------------

// A month line: YYMM, ":" and 31 flags with the days von..bis set.
std::string Monat(const std::string& jjmm, int von, int bis) {
    std::string flags(31, '0');
    for (int d = von; d <= bis; ++d) flags[static_cast<std::size_t>(d - 1)] = '1';
    return jjmm + ":" + flags;
}

void Zeilen_pruefen(const std::vector<std::string>& ist, const std::vector<std::string>& soll,
                    const std::string& datei) {
    Gleich(ist.size(), soll.size(), datei + ": Zeilenzahl");
    for (std::size_t i = 0; i < std::min(ist.size(), soll.size()); ++i) {
        Gleich(ist[i], soll[i], datei + ": Zeile " + std::to_string(i + 1));
    }
}

// The log book's single entry: time stamp of the day, then user, marker and text.
void Logbuch_pruefen(const std::wstring& datei, const std::string& datum, const std::string& rest) {
    if (!Datei_vorhanden(datei)) {
        Pruefen(false, "Logbuch fehlt: " + U(datei));
        return;
    }
    const std::vector<std::string> zeilen = Entwuerfelte_Zeilen(Datei_lesen(datei));
    Gleich(zeilen.size(), std::size_t{1}, "Einträge im Logbuch");
    if (zeilen.empty()) return;
    // "dd.mm.yy hh:nn:ss|": the time is that of the run; the day is set by the test.
    Gleich(zeilen[0].substr(0, 9), datum, "Logbuch: Datum");
    Gleich(zeilen[0].size() > 18 ? zeilen[0].substr(18) : "", rest, "Logbuch: Eintrag");
}

// --- Scenarios ------------------------------------------------------------------------------

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
    const RECT k3 = Rechteck_in(f, t.schritt3);
    Gleich(foto.Pixel(k3.left + 6, (k3.top + k3.bottom) / 2), COLORREF{RGB(128, 255, 128)},
           "Farbe der Schaltfläche 3");

    // Step 4 with Enter on the focused button.
    Taste(p.Fokus(), VK_RETURN);
    const Meldung m = Meldung_bestaetigen(p);
    Gleich(m.titel, std::wstring(L"Velmorant - Schulferien kennzeichnen"), "Titel der Meldung");
    Gleich(m.besitzer, f, "Besitzer der Meldung");
    Pruefen(m.symbol, "Meldung ohne Symbol");
    const std::string meldung = U(m.text);
    const std::string anfang =
        "Folgende Ferienzeiten werden gekennzeichnet:\r\rLand: Hessen\r\r"
        "27.12.23 - 13.01.24 Weihnachten\r";
    Gleich(meldung.substr(0, anfang.size()), anfang, "Bestätigung: Anfang");
    Pruefen(meldung.find("\r23.12.26 - 12.01.27 Weihnachten\r\rStand der Daten 15.06.24. "
                         "Quelle: Kultusminister-\rkonferenz (") != std::string::npos,
            "Bestätigung: letzte Ferienzeit und Quelle fehlen: " + Sichtbar_machen(meldung));
    Schritte_pruefen(
        lauf.Foto(f, "fertig"), t,
        {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Erledigt_offen, Erledigt_gesperrt});

    Zeilen_pruefen(Entwuerfelte_Zeilen(Datei_lesen(host.daten + L"Ferientage.dat")),
                   {"[Ferientage]",
                    host.kennung,
                    "&H80FF80",
                    "Hessen",
                    "void",
                    Monat("2401", 1, 13),
                    Monat("2403", 25, 31),
                    Monat("2404", 1, 13),
                    Monat("2407", 15, 31),
                    Monat("2408", 1, 23),
                    Monat("2410", 14, 25),
                    Monat("2412", 23, 31),
                    Monat("2501", 1, 10),
                    Monat("2504", 7, 21),
                    Monat("2507", 7, 31),
                    Monat("2508", 1, 15),
                    Monat("2510", 6, 18),
                    Monat("2512", 22, 31),
                    Monat("2601", 1, 10),
                    Monat("2603", 30, 31),
                    Monat("2604", 1, 10),
                    Monat("2606", 29, 30),
                    Monat("2607", 1, 31),
                    Monat("2608", 1, 7),
                    Monat("2610", 5, 17),
                    Monat("2612", 23, 31),
                    Monat("2701", 1, 12)},
                   "Ferientage.dat");
    Logbuch_pruefen(host.logs + L"2503 Zedrano.log", "14.03.25 ",
                    "verwalter|ZedraAdmin|Daten der Schulferien für Land Hessen aktualisiert, "
                    "Stand der Daten: 15.06.24");

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
    Teile t = Teile_finden(f, L"Schritt 4: Schulferiendaten aktualisieren",
                           L"Schulferiendaten aktualisieren");
    Gleich(SendMessageW(t.liste, CB_GETCURSEL, 0, 0), LRESULT{1}, "Vorauswahl Bayern");
    Gleich(p.Fokus(), t.beenden, "Fokus beim Start auf Beenden");
    Bildschirmfoto foto = lauf.Foto(f, "start");
    Schritte_pruefen(foto, t,
                     {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Erledigt_offen, Aktuell});
    const RECT k3 = Rechteck_in(f, t.schritt3);
    Gleich(foto.Pixel(k3.left + 6, (k3.top + k3.bottom) / 2), COLORREF{RGB(255, 128, 0)},
           "Farbe der Schaltfläche 3 aus der früheren Datei");

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
    const std::vector<std::string> zeilen =
        Entwuerfelte_Zeilen(Datei_lesen(host.daten + L"Ferientage.dat"));
    Zeilen_pruefen(
        {zeilen.begin(), zeilen.begin() + std::min<std::size_t>(6, zeilen.size())},
        {"[Ferientage]", host.kennung, "&H0080FF", "Bayern", "void", Monat("2401", 1, 5)},
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
    const std::wstring rahmen = L"Schritt 2: Kennzeichnen der Schulferien aufheben";
    const std::wstring knopf = L"Kennzeichnen der Schulferien aufheben";
    Teile t{};
    t.fenster = f;
    t.rahmen[1] = Steuerelement(f, L"Button", L"Schritt 1: Datenordner auswählen");
    t.rahmen[2] = Steuerelement(f, L"Button", L"Schritt 2: Bundesland auswählen");
    t.rahmen[3] = Steuerelement(f, L"Button", L"Schritt 3: Farbe auswählen");
    t.rahmen[4] = Steuerelement(f, L"Button", rahmen);
    t.bild[1] = Bild_in(t.rahmen[1]);
    t.bild[4] = Bild_in(t.rahmen[4]);
    t.schritt1 = Steuerelement(f, L"Button", L"&Datenordner auswählen ...");
    t.schritt4 = Steuerelement(f, L"Button", knopf);
    t.beenden = Steuerelement(f, L"Button", L"&Beenden");
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

// A step-4 click that the program refuses: the message, and nothing written or changed.
void Abgelehnt(Lauf& lauf, const std::wstring& benutzer, const std::string& soll_anfang) {
    Demohost_Wunsch w;
    w.wurzel = Temp() + L"sfk-e2e-" + W(lauf.name);
    w.ferientage = {{"Hessen", "&H80FF80"}};
    const Demohost host = Demohost_anlegen(w);
    const std::string vorher = Datei_lesen(host.daten + L"Ferientage.dat");
    Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, benutzer));
    HWND f = p.Hauptfenster();
    Teile t = Teile_finden(f, L"Schritt 4: Schulferiendaten aktualisieren",
                           L"Schulferiendaten aktualisieren");
    Klicken(t.schritt4);
    const std::string meldung = U(Meldung_bestaetigen(p).text);
    Gleich(meldung.substr(0, soll_anfang.size()), soll_anfang, "Meldung");
    Gleich(Datei_lesen(host.daten + L"Ferientage.dat") == vorher, true,
           "Ferientage.dat unverändert");
    WIN32_FIND_DATAW daten;
    HANDLE suche = FindFirstFileW((host.logs + L"*.log").c_str(), &daten);
    Pruefen(suche == INVALID_HANDLE_VALUE, "Logbuch geschrieben");
    if (suche != INVALID_HANDLE_VALUE) FindClose(suche);
    Schritte_pruefen(lauf.Foto(f, "abgelehnt"), t,
                     {std::nullopt, Erledigt_gesperrt, Erledigt_offen, Erledigt_offen, Aktuell});
    Klicken(t.beenden);
    Gleich(p.Ende_abwarten(), DWORD{0}, "Exit-Code");
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

// A read-only Ferientage.dat can't be replaced: the user is told why, the program ends, and
// the old file stays exactly as it was, with nothing left beside it and nothing logged.
void Schreibgeschuetzt(Lauf& lauf) {
    Demohost_Wunsch w;
    w.wurzel = Temp() + L"sfk-e2e-" + W(lauf.name);
    w.ferientage = {{"Hessen", "&H80FF80"}};
    const Demohost host = Demohost_anlegen(w);
    const std::wstring ferientage = host.daten + L"Ferientage.dat";
    const std::string vorher = Datei_lesen(ferientage);
    SetFileAttributesW(ferientage.c_str(), FILE_ATTRIBUTE_READONLY);
    const auto namen = [&] {
        std::vector<std::wstring> n;
        WIN32_FIND_DATAW daten;
        HANDLE suche = FindFirstFileW((host.daten + L"*").c_str(), &daten);
        if (suche == INVALID_HANDLE_VALUE) return n;
        do {
            if (!(daten.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) n.push_back(daten.cFileName);
        } while (FindNextFileW(suche, &daten));
        FindClose(suche);
        std::sort(n.begin(), n.end());
        return n;
    };
    const std::vector<std::wstring> dateien = namen();

    Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, L"verwalter"));
    HWND f = p.Hauptfenster();
    Teile t = Teile_finden(f, L"Schritt 4: Schulferiendaten aktualisieren",
                           L"Schulferiendaten aktualisieren");
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
    p.Ende_abwarten();
    Pruefen(Datei_lesen(ferientage) == vorher, "Ferientage.dat verändert");
    Pruefen(namen() == dateien, "Dateien im Datenordner verändert");
    WIN32_FIND_DATAW daten;
    HANDLE suche = FindFirstFileW((host.logs + L"*.log").c_str(), &daten);
    Pruefen(suche == INVALID_HANDLE_VALUE, "Logbuch geschrieben");
    if (suche != INVALID_HANDLE_VALUE) FindClose(suche);
}

// The window at higher DPI: the same layout scaled, crisp and unclipped.
void Dpi(Lauf& lauf) {
    Demohost_Wunsch w;
    w.wurzel = Temp() + L"sfk-e2e-dpi";
    const Demohost host = Demohost_anlegen(w);
    HKEY schluessel = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &schluessel, nullptr);
    // The setting as it was is put back afterwards.
    DWORD vorher = 0, groesse = sizeof(vorher);
    const bool gab_es =
        RegQueryValueExW(schluessel, L"LogPixels", nullptr, nullptr,
                         reinterpret_cast<BYTE*>(&vorher), &groesse) == ERROR_SUCCESS;
    struct Zurueck {
        HKEY k;
        bool gab_es;
        DWORD wert;
        ~Zurueck() {
            if (gab_es) {
                RegSetValueExW(k, L"LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&wert),
                               sizeof(wert));
            } else {
                RegDeleteValueW(k, L"LogPixels");
            }
            RegCloseKey(k);
        }
    } zurueck{schluessel, gab_es, vorher};
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
}

// Without the colour dialog's library the program names the missing installation and ends
// before any window shows. The library is moved aside in this Wine prefix for the test.
void Komponente_fehlt(Lauf&) {
    wchar_t system[MAX_PATH];
    const UINT n = GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring dll = std::wstring(system, n) + L"\\comdlg32.dll";
    const std::wstring beiseite = dll + L".e2e-beiseite";
    if (!MoveFileExW(dll.c_str(), beiseite.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        throw Fehlschlag("comdlg32.dll nicht beiseite gelegt");
    }
    struct Zurueck {
        const std::wstring &dll, &beiseite;
        ~Zurueck() { MoveFileExW(beiseite.c_str(), dll.c_str(), MOVEFILE_REPLACE_EXISTING); }
    } zurueck{dll, beiseite};

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
    p.Ende_abwarten();
    Pruefen(p.Fenster(L"Schulferien.frmSchulferien").empty(), "Hauptfenster erschienen");
}

const std::map<std::string, std::function<void(Lauf&)>> Szenarien = {
    {"erste_kennzeichnung", Erste_Kennzeichnung},
    {"fruehere_datei", Fruehere_Datei},
    {"entfernen", Entfernen},
    {"kein_administrator", Kein_Administrator},
    {"ueberholt_2027", Ueberholt_2027},
    {"schreibgeschuetzt", Schreibgeschuetzt},
    {"dpi", Dpi},
    {"komponente_fehlt", Komponente_fehlt},
};

// --- Demo ---------------------------------------------------------------------------------

int Demo(const std::wstring& wurzel, const std::wstring& bild) {
    wchar_t benutzer[256] = L"";
    GetEnvironmentVariableW(L"USERNAME", benutzer, 256);
    Demohost_Wunsch w;
    w.wurzel = wurzel;
    if (*benutzer) w.administrator = benutzer;
    const Demohost host = Demohost_anlegen(w);
    std::printf(
        "Demo-Host:\n  Installationsordner  %s\n  Datenordner          %s\n"
        "  Administrator        %s\n",
        U(host.installation).c_str(), U(host.daten).c_str(), U(w.administrator).c_str());
    std::fflush(stdout);
    Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, w.administrator));
    HWND f = p.Hauptfenster();
    if (!bild.empty()) {
        Foto(f, bild);
        PostMessageW(f, WM_CLOSE, 0, 0);
        return static_cast<int>(p.Ende_abwarten());
    }
    std::printf("Schulferien.exe läuft; das Fenster schließen, um zu beenden.\n");
    std::fflush(stdout);
    WaitForSingleObject(p.Prozess(), INFINITE);
    return 0;
}

// --- Benchmark ------------------------------------------------------------------------------

// Starts each of the programs `anzahl` times, taking turns; each time the ms from the start
// until a visible top-level window of it exists, then it is closed. A program is given as its
// path, optionally followed by "|" and its command line arguments. Prints the median of each
// and its ratio to the first.
int Startzeit(int anzahl, const std::vector<std::wstring>& programme) {
    std::vector<std::vector<double>> zeiten(programme.size());
    LARGE_INTEGER frequenz;
    QueryPerformanceFrequency(&frequenz);
    // One round more than asked: the first, with cold caches, is not counted.
    for (int i = -1; i < anzahl; ++i) {
        for (std::size_t k = 0; k < programme.size(); ++k) {
            const std::size_t strich = programme[k].find(L'|');
            const std::wstring exe = programme[k].substr(0, strich);
            const std::wstring argumente =
                strich == std::wstring::npos ? L"" : programme[k].substr(strich + 1);
            LARGE_INTEGER start, ende;
            QueryPerformanceCounter(&start);
            Programm p(exe, {}, argumente);
            HWND f = nullptr;
            Warten(
                "Fenster",
                [&] {
                    const auto alle = p.Fenster();
                    f = alle.empty() ? nullptr : alle.front();
                    return f != nullptr;
                },
                30.0, 1);
            QueryPerformanceCounter(&ende);
            if (i >= 0)
                zeiten[k].push_back(1000.0 * static_cast<double>(ende.QuadPart - start.QuadPart) /
                                    static_cast<double>(frequenz.QuadPart));
            PostMessageW(f, WM_CLOSE, 0, 0);
            p.Ende_abwarten();
        }
    }
    std::vector<double> mediane;
    for (std::size_t k = 0; k < programme.size(); ++k) {
        std::vector<double> z = zeiten[k];
        std::sort(z.begin(), z.end());
        mediane.push_back(z[z.size() / 2]);
        std::printf("%-60s Median %7.1f ms  (min %.1f, max %.1f)  Verhältnis %.2f\n",
                    U(programme[k]).c_str(), mediane[k], z.front(), z.back(),
                    mediane[k] / mediane[0]);
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring befehl = argc > 1 ? argv[1] : L"";
    try {
        if (befehl == L"szenario" && argc == 3) {
            const auto s = Szenarien.find(U(argv[2]));
            if (s == Szenarien.end()) throw Fehlschlag("unbekanntes Szenario " + U(argv[2]));
            Lauf lauf{s->first};
            std::printf("Szenario %s\n", s->first.c_str());
            s->second(lauf);
            std::printf(fehler ? "%d Fehler\n" : "bestanden\n", fehler);
            return fehler ? 1 : 0;
        }
        if (befehl == L"demo" && (argc == 3 || argc == 4)) {
            return Demo(argv[2], argc == 4 ? argv[3] : L"");
        }
        if (befehl == L"startzeit" && argc >= 4) {
            return Startzeit(_wtoi(argv[2]), std::vector<std::wstring>(argv + 3, argv + argc));
        }
    } catch (const Fehlschlag& f) {
        std::printf("  ABGEBROCHEN: %s\n", f.what());
        return 1;
    }
    std::fprintf(
        stderr,
        "Aufruf: e2e_treiber szenario NAME | demo ORDNER [BILD] | startzeit ANZAHL EXE...\n");
    return 2;
}
