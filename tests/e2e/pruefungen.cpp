#include "tests/e2e/pruefungen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "tests/support/pixel.h"
#include "tests/support/verwuerfelt.h"

namespace e2e {

namespace {

HWND Bild_in(HWND rahmen) {
    return Steuerelement(rahmen, L"Static");
}

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

// The three status pictures, told apart by the colour of their circle.
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

}  // namespace

Teile Teile_finden(HWND f, const std::wstring& rahmen4, const std::wstring& schritt4,
                   bool entfernen) {
    Teile t{};
    t.fenster = f;
    const std::array<std::wstring, 5> namen = {L"", L"Schritt 1: Datenordner auswählen",
                                               L"Schritt 2: Bundesland auswählen",
                                               L"Schritt 3: Farbe auswählen", rahmen4};
    for (int n = 1; n <= 4; ++n) {
        t.rahmen[n] = Steuerelement(f, L"Button", namen[n]);
        if (!entfernen || n == 1 || n == 4) t.bild[n] = Bild_in(t.rahmen[n]);
    }
    t.schritt1 = Steuerelement(f, L"Button", L"&Datenordner auswählen ...");
    if (!entfernen) {
        t.liste = Steuerelement(f, L"ComboBox");
        t.schritt3 = Steuerelement(f, L"Button", L"&Farbe auswählen ...");
    }
    t.schritt4 = Steuerelement(f, L"Button", schritt4);
    t.beenden = Steuerelement(f, L"Button", L"&Beenden");
    return t;
}

void Schritte_pruefen(const Bildschirmfoto& foto, const Teile& t, const Schritte& soll) {
    const std::array<HWND, 5> steuer = {nullptr, t.schritt1, t.liste, t.schritt3, t.schritt4};
    for (int n = 1; n <= 4; ++n) {
        const std::string s = "Schritt " + std::to_string(n);
        if (!soll[n]) {
            EXPECT_FALSE(Sichtbar(t.rahmen[n])) << s << " verborgen";
            continue;
        }
        const std::optional<Bild> bild = Gezeigtes_Bild(foto, t.fenster, t.bild[n]);
        EXPECT_STREQ(bild ? Name(*bild) : "keines der drei", Name(soll[n]->bild)) << s << ": Bild";
        EXPECT_EQ(IsWindowEnabled(t.rahmen[n]) != FALSE, soll[n]->rahmen_aktiv)
            << s << " Rahmen aktiv";
        EXPECT_EQ(Aktiv(steuer[n]), soll[n]->steuerelement_aktiv) << s << " Steuerelement aktiv";
    }
}

void Layout_pruefen(const Teile& t, int dpi, bool entfernen) {
    using orakel::Pixel;
    const std::string bei = " bei " + std::to_string(dpi) + " dpi";
    const RECT client = Clientbereich(t.fenster);
    EXPECT_EQ(client.right - client.left, Pixel(5475, dpi)) << "Clientbreite" + bei;
    if (entfernen) {
        RECT aussen;
        GetWindowRect(t.fenster, &aussen);
        EXPECT_EQ(aussen.bottom - aussen.top, Pixel(4095, dpi)) << "Fensterhöhe" + bei;
    } else {
        EXPECT_EQ(client.bottom - client.top, Pixel(6360, dpi)) << "Clienthöhe" + bei;
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
        EXPECT_EQ(r.left, Pixel(p.links, dpi)) << n + " links";
        EXPECT_EQ(r.top, Pixel(p.oben, dpi)) << n + " oben";
        EXPECT_EQ(r.right - r.left, Pixel(p.breite, dpi)) << n + " Breite";
        EXPECT_EQ(r.bottom - r.top, Pixel(p.hoehe, dpi)) << n + " Höhe";
        // Nothing is clipped: every control lies wholly inside its container's client area.
        RECT innen;
        GetClientRect(p.bezug, &innen);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= innen.right && r.bottom <= innen.bottom)
            << n + " liegt nicht ganz in seinem Behälter";
    }
    // Picture and button of a step share their vertical centre (to the pixel's rounding).
    for (auto [bild, knopf] : {std::pair{t.bild[1], t.schritt1}, {t.bild[4], t.schritt4}}) {
        const RECT b = Rechteck_in(t.fenster, bild), k = Rechteck_in(t.fenster, knopf);
        EXPECT_LE(std::abs((b.top + b.bottom) - (k.top + k.bottom)), 2)
            << "Bild und Schaltfläche nicht auf einer Mitte" + bei;
    }
}

void Farbe_pruefen(const Bildschirmfoto& foto, const Teile& t, COLORREF soll,
                   const std::string& was) {
    const RECT k3 = Rechteck_in(t.fenster, t.schritt3);
    EXPECT_EQ(foto.Pixel(k3.left + 6, (k3.top + k3.bottom) / 2), soll) << was;
}

void Zeilen_pruefen(const std::vector<std::string>& ist, const std::vector<std::string>& soll,
                    const std::string& datei) {
    EXPECT_EQ(ist.size(), soll.size()) << datei + ": Zeilenzahl";
    for (std::size_t i = 0; i < std::min(ist.size(), soll.size()); ++i) {
        EXPECT_EQ(ist[i], soll[i]) << datei + ": Zeile " + std::to_string(i + 1);
    }
}

std::vector<std::string> Zeilen_von(const std::wstring& datei) {
    return orakel::Entwuerfelt(Datei_lesen(datei));
}

void Logbuch_pruefen(const std::wstring& datei, const std::string& zeit, const std::string& rest) {
    ASSERT_TRUE(Datei_vorhanden(datei)) << "Logbuch fehlt: " << Schmal(datei);
    const std::vector<std::string> zeilen = Zeilen_von(datei);
    EXPECT_EQ(zeilen.size(), std::size_t{1}) << "Einträge im Logbuch";
    if (zeilen.empty()) return;
    // "dd.mm.yy hh:nn:ss|": the clock that the scenario set, a few seconds on.
    EXPECT_EQ(zeilen[0].substr(0, zeit.size()), zeit) << "Logbuch: Zeit";
    EXPECT_EQ(zeilen[0].size() > 18 ? zeilen[0].substr(18) : "", rest) << "Logbuch: Eintrag";
}

void Kein_Logbuch(const std::wstring& logs) {
    WIN32_FIND_DATAW daten;
    HANDLE suche = FindFirstFileW((logs + L"*.log").c_str(), &daten);
    EXPECT_EQ(suche, INVALID_HANDLE_VALUE) << "Logbuch geschrieben";
    if (suche != INVALID_HANDLE_VALUE) FindClose(suche);
}

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

}  // namespace e2e
