// The main window as the program relies on it, run against the fake's window (natively) and
// against the Win32 window (under Wine), so that the fake can't drift away from what the user
// sees.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/contract/fensterumgebung.h"
#include "tests/support/fehlernummer_bei.h"

namespace {

using E = Element;

// Nothing the program does to the window makes it send an event.
struct Ereignisse : Fensterereignisse {
    void Geklickt(Steuerelement) override { ++anzahl; }
    void Ausgewaehlt(Steuerelement) override { ++anzahl; }
    void Fehlgeschlagen(const Laufzeitfehler&) override { ++anzahl; }
    int anzahl = 0;
};

class Fensterverhalten : public ::testing::Test {
  protected:
    void TearDown() override {
        u.reset();  // with the messages the window still had
        EXPECT_EQ(ereignisse.anzahl, 0);
    }
    // A fresh window for a case. Under Wine a window that was shown takes seconds to go, so
    // the cases that show it run as a few sequences, one window each.
    Fensterumgebung& Neu() {
        u.reset();
        u = Neues_Fenster(ereignisse);
        return *u;
    }

    Ereignisse ereignisse;
    std::unique_ptr<Fensterumgebung> u;
};

// One thing the program does: show the window, set the focus, enable or show a control.
struct Schritt {
    enum { Zeigen, Fokus, Aktivieren, Sichtbar } tun;
    E e = E::Keins;
    bool an = false;
};
constexpr Schritt Zeigen{Schritt::Zeigen};
constexpr auto Fokus = [](E e) { return Schritt{Schritt::Fokus, e}; };
constexpr auto Sperren = [](E e) { return Schritt{Schritt::Aktivieren, e, false}; };
constexpr auto Freigeben = [](E e) { return Schritt{Schritt::Aktivieren, e, true}; };
constexpr auto Verstecken = [](E e) { return Schritt{Schritt::Sichtbar, e, false}; };
constexpr auto Einblenden = [](E e) { return Schritt{Schritt::Sichtbar, e, true}; };

void Ausfuehren(Fensterumgebung& u, const Schritt& s) {
    if (s.tun == Schritt::Zeigen) u.Zeigen();
    if (s.tun == Schritt::Fokus) u.fenster().Fokus_setzen(s.e);
    if (s.tun == Schritt::Aktivieren) u.fenster().Aktivieren(s.e, s.an);
    if (s.tun == Schritt::Sichtbar) u.fenster().Sichtbar_setzen(s.e, s.an);
}

// The tab order is Beenden, then the steps' controls from top to bottom. A control that
// loses its enabled state while it holds the focus (itself or its frame) hands it on along
// that order, past what the user can't reach. No control holds it while the window is hidden.
TEST_F(Fensterverhalten, FokusGehtWeiterWieUnterWindows) {
    const std::vector<std::vector<std::pair<Schritt, E>>> ablaeufe = {
        // a step, the focus
        {
            {Zeigen, E::cmdAuswahl5},  // the first tab stop
            {Sperren(E::cmdAuswahl5), E::cmdAuswahl1},
            {Freigeben(E::cmdAuswahl5), E::cmdAuswahl1},
            {Sperren(E::cmdAuswahl1), E::cmbLaenderliste},
            {Sperren(E::cmbLaenderliste), E::cmdAuswahl3},
            {Sperren(E::cmdAuswahl3), E::cmdAuswahl4},
            {Sperren(E::cmdAuswahl4), E::cmdAuswahl5},  // round to the start
            {Fokus(E::cmdAuswahl3), E::cmdAuswahl5},    // a disabled control doesn't take it
            {Freigeben(E::cmdAuswahl4), E::cmdAuswahl5},
            {Sperren(E::cmdAuswahl5), E::cmdAuswahl4},
            {Sperren(E::cmdAuswahl4), E::Keins},  // none left to take it
        },
        {
            {Fokus(E::cmdAuswahl3), E::Keins},  // kept while hidden
            {Zeigen, E::cmdAuswahl3},
            {Sperren(E::fraRahmen2), E::cmdAuswahl3},
            {Fokus(E::cmbLaenderliste), E::cmdAuswahl3},  // not in a disabled frame
            {Fokus(E::cmdAuswahl1), E::cmdAuswahl1},
            {Sperren(E::cmdAuswahl1), E::cmdAuswahl3},  // past the disabled frame's list
            {Freigeben(E::fraRahmen2), E::cmdAuswahl3},
            {Fokus(E::cmbLaenderliste), E::cmbLaenderliste},
            {Sperren(E::fraRahmen2), E::cmdAuswahl3},   // the frame round it disabled
            {Sperren(E::fraRahmen3), E::cmdAuswahl4},   // a step made unavailable: its frame,
            {Sperren(E::cmdAuswahl3), E::cmdAuswahl4},  // then its button
        },
        {
            {Fokus(E::cmdAuswahl1), E::Keins},
            {Sperren(E::cmdAuswahl1), E::Keins},
            {Zeigen, E::cmdAuswahl5},  // the kept one can't take it
            {Verstecken(E::fraRahmen2), E::cmdAuswahl5},
            {Freigeben(E::cmdAuswahl1), E::cmdAuswahl5},
            {Fokus(E::cmdAuswahl1), E::cmdAuswahl1},
            {Sperren(E::cmdAuswahl1), E::cmdAuswahl3},    // past the hidden frame's list
            {Verstecken(E::cmdAuswahl3), E::fraRahmen3},  // hidden: its frame takes it
            {Fokus(E::cmdAuswahl4), E::cmdAuswahl4},
            {Verstecken(E::fraRahmen4), E::cmdAuswahl4},  // the frame round it hidden: kept
            {Fokus(E::cmdAuswahl5), E::cmdAuswahl5},
            {Verstecken(E::cmdAuswahl5), E::Keins},  // the window takes it
        },
    };
    for (const auto& ablauf : ablaeufe) {
        Fensterumgebung& w = Neu();
        for (std::size_t i = 0; i < ablauf.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "step " << i);
            Ausfuehren(w, ablauf[i].first);
            EXPECT_EQ(w.Fokus(), ablauf[i].second);
        }
    }
}

// A control is seen when it, its frame and the window show. A source picture, no control of
// its own, never is, whatever the program changes.
TEST_F(Fensterverhalten, SichtbarMitRahmenUndFenster) {
    const E alle[] = {E::fraRahmen2,  E::cmbLaenderliste, E::imgIcon2,
                      E::cmdAuswahl1, E::cmdAuswahl5,     E::imgPfeil};
    const std::vector<std::pair<Schritt, std::string>> ablauf = {
        // the window, then `alle`
        {Verstecken(E::fraRahmen2), "- ------"},
        {Verstecken(E::cmdAuswahl1), "- ------"},
        {Einblenden(E::imgPfeil), "- ------"},
        {Sperren(E::imgPfeil), "- ------"},
        {Zeigen, "+ ----+-"},
        {Einblenden(E::fraRahmen2), "+ +++-+-"},
        {Verstecken(E::cmbLaenderliste), "+ +-+-+-"},
        {Einblenden(E::cmdAuswahl1), "+ +-+++-"},
    };
    Fensterumgebung& w = Neu();
    w.fenster().Oben_setzen(E::imgPfeil, 100);
    for (const auto& [schritt, erwartet] : ablauf) {
        Ausfuehren(w, schritt);
        std::string gesehen = w.fenster().Ist_sichtbar() ? "+ " : "- ";
        for (E e : alle) gesehen += w.Zu_sehen(e) ? '+' : '-';
        EXPECT_EQ(gesehen, erwartet);
    }
}

// The program selects an entry itself and then runs the list's handler: the window sends no
// event of its own (the fixture checks that).
TEST_F(Fensterverhalten, AuswahlOhneMeldungUndMitGeprueftemIndex) {
    const struct {
        int index;
        bool gueltig;
    } faelle[] = {{-1, true}, {0, true}, {2, true}, {-2, false}, {3, false}, {100, false}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.index);
        Fenster& f = Neu().fenster();
        for (const char* land : {"Baden-Württemberg", "Bayern", "Thüringen"}) {
            f.Eintrag_hinzufuegen(E::cmbLaenderliste, land);
        }
        f.Auswahl_setzen(E::cmbLaenderliste, 1);
        EXPECT_EQ(Fehlernummer_bei([&] { f.Auswahl_setzen(E::cmbLaenderliste, fall.index); }),
                  fall.gueltig ? 0 : Fehlernummer::IndexAusserhalb);
        EXPECT_EQ(f.Auswahl(E::cmbLaenderliste), fall.gueltig ? fall.index : 1);
        EXPECT_EQ(f.Eintragsanzahl(E::cmbLaenderliste), 3);
        EXPECT_EQ(Fehlernummer_bei([&] { f.Eintrag(E::cmbLaenderliste, fall.index); }),
                  fall.gueltig && fall.index >= 0 ? 0 : Fehlernummer::IndexAusserhalb);
        EXPECT_EQ(f.Eintrag(E::cmbLaenderliste, 2), "Thüringen");
    }
}

// A picture control shows a copy of a source picture; a copy of a copy shows the source.
TEST_F(Fensterverhalten, BildKopierenGibtDieQuelle) {
    const struct {
        std::vector<std::pair<E, E>> kopien;  // target, source
        E bild, quelle;
    } faelle[] = {
        {{}, E::imgIcon1, E::Keins},
        {{}, E::imgOK, E::imgOK},
        {{{E::imgIcon3, E::imgOK}}, E::imgIcon3, E::imgOK},
        {{{E::imgIcon1, E::imgInaktiv}, {E::imgIcon2, E::imgIcon1}}, E::imgIcon2, E::imgInaktiv},
        {{{E::imgIcon4, E::imgPfeil}, {E::imgIcon4, E::imgOK}}, E::imgIcon4, E::imgOK},
    };
    for (const auto& fall : faelle) {
        Fenster& f = Neu().fenster();
        for (const auto& [ziel, quelle] : fall.kopien) f.Bild_kopieren(ziel, quelle);
        EXPECT_EQ(f.Bild(fall.bild), fall.quelle) << fall.bild;
    }
}

TEST_F(Fensterverhalten, BeschriftungenUndTitel) {
    Fenster& f = Neu().fenster();
    f.Titel_setzen("Velmorant - Schulferien kennzeichnen");
    f.Beschriftung_setzen(E::fraRahmen4, "Schritt 2: Kennzeichnen der Schulferien aufheben");
    f.Beschriftung_setzen(E::cmdAuswahl4, "Schulferiendaten aktualisieren");
    f.Beschriftung_setzen(E::cmdAuswahl3, "");
    const std::pair<E, const char*> faelle[] = {
        {E::Keins, "Velmorant - Schulferien kennzeichnen"},
        {E::fraRahmen1, "Schritt 1: Datenordner auswählen"},  // as the layout made them
        {E::cmdAuswahl1, "&Datenordner auswählen ..."},
        {E::fraRahmen4, "Schritt 2: Kennzeichnen der Schulferien aufheben"},
        {E::cmdAuswahl4, "Schulferiendaten aktualisieren"},
        {E::cmdAuswahl3, ""},
    };
    for (const auto& [e, text] : faelle) EXPECT_EQ(u->Text(e), text) << e;
}

// Where the controls are when the program moves some of them and sets the window's height
// (in twips), at the window's DPI and after it moves to a monitor of another DPI: sizes
// follow the DPI, the twips stay; a control in a frame moves with the frame.
TEST_F(Fensterverhalten, LageUndHoeheInTwipsBeiJederDpi) {
    // clang-format off
    const struct {
        int dpi;                // the window's own, or it moves to a monitor of it
        std::map<E, int> oben;  // controls moved (twips); the others as the layout has them
        int hoehe;              // the window's height (twips); 0: as made
        E e;                    // Keins: the window, its outer height last
        Lage lage;              // pixels
    } faelle[] = {
        {96,  {},                                              0,    E::fraRahmen1,      {20, 16, 324, 73}},
        {96,  {},                                              0,    E::cmdAuswahl1,     {54, 46, 274, 25}},
        {96,  {},                                              0,    E::cmbLaenderliste, {54, 135, 274, 24}},
        {96,  {},                                              0,    E::imgIcon4,        {30, 314, 17, 17}},
        {96,  {},                                              0,    E::cmdAuswahl5,     {122, 376, 120, 25}},
        {96,  {{E::fraRahmen4, 1560}, {E::cmdAuswahl5, 3000}}, 4095, E::fraRahmen4,      {20, 104, 324, 73}},
        {96,  {{E::fraRahmen4, 1560}, {E::cmdAuswahl5, 3000}}, 4095, E::cmdAuswahl4,     {54, 134, 274, 25}},
        {96,  {{E::fraRahmen4, 1560}, {E::cmdAuswahl5, 3000}}, 4095, E::imgIcon4,        {30, 138, 17, 17}},
        {96,  {{E::fraRahmen4, 1560}, {E::cmdAuswahl5, 3000}}, 4095, E::cmdAuswahl5,     {122, 200, 120, 25}},
        {96,  {{E::fraRahmen4, 1560}, {E::cmdAuswahl5, 3000}}, 4095, E::Keins,           {0, 0, 0, 273}},
        {96,  {{E::cmdAuswahl1, 600}},                         7000, E::cmdAuswahl1,     {54, 56, 274, 25}},
        {96,  {{E::cmdAuswahl1, 600}},                         7000, E::Keins,           {0, 0, 0, 467}},
        {144, {},                                              0,    E::fraRahmen1,      {30, 24, 486, 110}},
        {144, {},                                              0,    E::cmdAuswahl1,     {81, 69, 411, 38}},
        {144, {},                                              0,    E::imgIcon4,        {45, 471, 26, 26}},
        {192, {{E::fraRahmen4, 1560}},                         4095, E::fraRahmen4,      {40, 208, 648, 146}},
        {192, {{E::fraRahmen4, 1560}},                         4095, E::cmdAuswahl4,     {108, 268, 548, 50}},
        {192, {{E::fraRahmen4, 1560}},                         4095, E::Keins,           {0, 0, 0, 546}},
        {120, {{E::cmdAuswahl1, 600}},                         0,    E::cmdAuswahl1,     {68, 70, 343, 31}},
    };
    // clang-format on
    for (const auto& fall : faelle) {
        SCOPED_TRACE(testing::Message() << fall.dpi << " DPI, " << fall.e);
        Fensterumgebung& w = Neu();
        for (const auto& [e, twips] : fall.oben) w.fenster().Oben_setzen(e, twips);
        if (fall.hoehe) w.fenster().Hoehe_setzen(fall.hoehe);
        if (fall.dpi != w.Dpi()) w.Dpi_wechseln(fall.dpi);
        if (fall.e == E::Keins) {
            EXPECT_EQ(w.Fensterhoehe(), fall.lage[3]);
        } else {
            EXPECT_EQ(w.Lage_von(fall.e), fall.lage);
        }
    }
}

}  // namespace
