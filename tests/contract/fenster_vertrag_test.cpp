// The main window as the program relies on it, run against the fake's window and against the
// Win32 window, so that the fake can't drift away from what the user sees: the focus when
// controls are disabled or hidden, visibility, the state list, pictures, captions, places and
// sizes in twips, and a change of DPI.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/contract/fensterumgebung.h"
#include "tests/support/fehlernummer_bei.h"
#include "ui/layout.h"

namespace {

using E = Element;

// The events the window sends; the tests here expect none.
struct Aufzeichnung : Fensterereignisse {
    void Geklickt(Steuerelement e) override { gesendet.push_back("Geklickt " + std::to_string(e)); }
    void Ausgewaehlt(Steuerelement e) override {
        gesendet.push_back("Ausgewaehlt " + std::to_string(e));
    }
    void Fehlgeschlagen(const Laufzeitfehler& f) override {
        gesendet.push_back("Fehlgeschlagen " + std::to_string(f.Nummer));
    }
    std::vector<std::string> gesendet;
};

// One thing the program does to the window.
enum class Tun { Zeigen, Fokus, Sperren, Freigeben, Verstecken, Einblenden };
struct Schritt {
    Tun tun;
    Element e = E::Keins;
};

void Ausfuehren(Fensterumgebung& u, const Schritt& s) {
    Fenster& f = u.fenster();
    switch (s.tun) {
        case Tun::Zeigen:
            u.Zeigen();
            break;
        case Tun::Fokus:
            f.Fokus_setzen(s.e);
            break;
        case Tun::Sperren:
        case Tun::Freigeben:
            f.Aktivieren(s.e, s.tun == Tun::Freigeben);
            break;
        case Tun::Verstecken:
        case Tun::Einblenden:
            f.Sichtbar_setzen(s.e, s.tun == Tun::Einblenden);
            break;
    }
}

class Fensterverhalten : public ::testing::Test {
  protected:
    void TearDown() override {
        u.reset();  // with the messages the window still had
        EXPECT_TRUE(ereignisse.gesendet.empty());
    }

    // A fresh window for each case of a table. (Under Wine a window that was shown takes
    // seconds to go: the tables that show it run as a few sequences, one window each.)
    Fensterumgebung& Neu() {
        u.reset();
        u = Neues_Fenster(ereignisse);
        return *u;
    }

    Aufzeichnung ereignisse;
    std::unique_ptr<Fensterumgebung> u;
};

constexpr Schritt Zeigen{Tun::Zeigen};
constexpr Schritt Fokus(Element e) {
    return {Tun::Fokus, e};
}
constexpr Schritt Sperren(Element e) {
    return {Tun::Sperren, e};
}
constexpr Schritt Freigeben(Element e) {
    return {Tun::Freigeben, e};
}
constexpr Schritt Verstecken(Element e) {
    return {Tun::Verstecken, e};
}
constexpr Schritt Einblenden(Element e) {
    return {Tun::Einblenden, e};
}

// The tab order is Beenden, then the steps' controls from top to bottom. A control that
// loses its enabled state while it holds the focus hands it on along that order, past what
// the user can't reach; while the window is hidden no control holds it.
TEST_F(Fensterverhalten, FokusGehtWeiterWieUnterWindows) {
    struct Zeile {
        const char* fall;
        Schritt schritt;
        Element fokus;  // afterwards
    };
    const std::vector<std::vector<Zeile>> ablaeufe = {
        {
            {"beim Zeigen der erste Tabstopp", Zeigen, E::cmdAuswahl5},
            {"Beenden gesperrt: weiter zu Schritt 1", Sperren(E::cmdAuswahl5), E::cmdAuswahl1},
            {"wieder frei: der Fokus bleibt", Freigeben(E::cmdAuswahl5), E::cmdAuswahl1},
            {"Schritt 1 gesperrt: weiter zur Liste", Sperren(E::cmdAuswahl1), E::cmbLaenderliste},
            {"Liste gesperrt", Sperren(E::cmbLaenderliste), E::cmdAuswahl3},
            {"Schritt 3 gesperrt", Sperren(E::cmdAuswahl3), E::cmdAuswahl4},
            {"Schritt 4 gesperrt: von vorn", Sperren(E::cmdAuswahl4), E::cmdAuswahl5},
            {"ein Gesperrtes nimmt ihn nicht", Fokus(E::cmdAuswahl3), E::cmdAuswahl5},
            {"", Freigeben(E::cmdAuswahl4), E::cmdAuswahl5},
            {"Beenden gesperrt: nur Schritt 4 frei", Sperren(E::cmdAuswahl5), E::cmdAuswahl4},
            {"das letzte gesperrt: keiner hat ihn", Sperren(E::cmdAuswahl4), E::Keins},
        },
        {
            {"vor dem Zeigen gesetzt", Fokus(E::cmdAuswahl3), E::Keins},
            {"beim Zeigen erhalten", Zeigen, E::cmdAuswahl3},
            {"ein anderes gesperrt", Sperren(E::fraRahmen2), E::cmdAuswahl3},
            {"im gesperrten Rahmen nicht", Fokus(E::cmbLaenderliste), E::cmdAuswahl3},
            {"", Fokus(E::cmdAuswahl1), E::cmdAuswahl1},
            {"ein gesperrter Rahmen nimmt sein Steuerelement mit", Sperren(E::cmdAuswahl1),
             E::cmdAuswahl3},
            {"", Freigeben(E::fraRahmen2), E::cmdAuswahl3},
            {"", Fokus(E::cmbLaenderliste), E::cmbLaenderliste},
            {"sein Rahmen gesperrt", Sperren(E::fraRahmen2), E::cmdAuswahl3},
            {"Schritt nicht verfügbar: Rahmen, dann Schaltfläche", Sperren(E::fraRahmen3),
             E::cmdAuswahl4},
            {"", Sperren(E::cmdAuswahl3), E::cmdAuswahl4},
        },
        {
            {"vor dem Zeigen gesetzt", Fokus(E::cmdAuswahl1), E::Keins},
            {"und gesperrt", Sperren(E::cmdAuswahl1), E::Keins},
            {"beim Zeigen der erste erreichbare Tabstopp", Zeigen, E::cmdAuswahl5},
            {"", Verstecken(E::fraRahmen2), E::cmdAuswahl5},
            {"", Freigeben(E::cmdAuswahl1), E::cmdAuswahl5},
            {"", Fokus(E::cmdAuswahl1), E::cmdAuswahl1},
            {"ein versteckter Rahmen nimmt sein Steuerelement mit", Sperren(E::cmdAuswahl1),
             E::cmdAuswahl3},
            {"versteckt: sein Rahmen erhält ihn", Verstecken(E::cmdAuswahl3), E::fraRahmen3},
            {"", Fokus(E::cmdAuswahl4), E::cmdAuswahl4},
            {"sein Rahmen versteckt: er bleibt", Verstecken(E::fraRahmen4), E::cmdAuswahl4},
            {"", Fokus(E::cmdAuswahl5), E::cmdAuswahl5},
            {"versteckt im Fenster: das Fenster erhält ihn", Verstecken(E::cmdAuswahl5), E::Keins},
        },
    };
    for (const std::vector<Zeile>& ablauf : ablaeufe) {
        Fensterumgebung& w = Neu();
        for (std::size_t i = 0; i < ablauf.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "line " << i << " " << ablauf[i].fall);
            Ausfuehren(w, ablauf[i].schritt);
            EXPECT_EQ(w.Fokus(), ablauf[i].fokus);
        }
    }
}

// A control is seen when it, its frame and the window show; source pictures never are.
TEST_F(Fensterverhalten, SichtbarMitRahmenUndFenster) {
    const std::vector<Element> alle = {E::fraRahmen1,  E::cmdAuswahl1,     E::imgIcon1,
                                       E::fraRahmen2,  E::cmbLaenderliste, E::imgIcon2,
                                       E::cmdAuswahl5, E::imgPfeil};
    struct Zeile {
        Schritt schritt;
        std::vector<Element> zu_sehen;  // of `alle`, afterwards
    };
    const std::vector<Zeile> ablauf = {
        {Verstecken(E::fraRahmen2), {}},
        {Verstecken(E::cmdAuswahl1), {}},
        {Einblenden(E::imgPfeil), {}},
        {Zeigen, {E::fraRahmen1, E::imgIcon1, E::cmdAuswahl5}},
        {Einblenden(E::fraRahmen2),
         {E::fraRahmen1, E::imgIcon1, E::fraRahmen2, E::cmbLaenderliste, E::imgIcon2,
          E::cmdAuswahl5}},
        {Verstecken(E::cmbLaenderliste),
         {E::fraRahmen1, E::imgIcon1, E::fraRahmen2, E::imgIcon2, E::cmdAuswahl5}},
        {Einblenden(E::cmdAuswahl1),
         {E::fraRahmen1, E::cmdAuswahl1, E::imgIcon1, E::fraRahmen2, E::imgIcon2, E::cmdAuswahl5}},
    };
    Fensterumgebung& w = Neu();
    for (std::size_t i = 0; i < ablauf.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "line " << i);
        Ausfuehren(w, ablauf[i].schritt);
        EXPECT_EQ(w.fenster().Ist_sichtbar(), i >= 3);
        std::vector<Element> gesehen;
        for (Element e : alle) {
            if (w.Zu_sehen(e)) gesehen.push_back(e);
        }
        EXPECT_EQ(gesehen, ablauf[i].zu_sehen);
    }
}

// The program selects an entry itself and then runs the list's handler: the window reports
// no selection of its own (the fixture checks that no event came).
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
        const char* fall;
        std::vector<std::pair<Element, Element>> kopien;  // target, source
        Element bild;
        Element quelle;
    } faelle[] = {
        {"nichts kopiert", {}, E::imgIcon1, E::Keins},
        {"eine Bildquelle zeigt sich selbst", {}, E::imgOK, E::imgOK},
        {"Pfeil", {{E::imgIcon1, E::imgPfeil}}, E::imgIcon1, E::imgPfeil},
        {"OK", {{E::imgIcon3, E::imgOK}}, E::imgIcon3, E::imgOK},
        {"Kopie einer Kopie",
         {{E::imgIcon1, E::imgInaktiv}, {E::imgIcon2, E::imgIcon1}},
         E::imgIcon2,
         E::imgInaktiv},
        {"überschrieben",
         {{E::imgIcon4, E::imgPfeil}, {E::imgIcon4, E::imgOK}},
         E::imgIcon4,
         E::imgOK},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.fall);
        Fenster& f = Neu().fenster();
        for (const auto& [ziel, quelle] : fall.kopien) f.Bild_kopieren(ziel, quelle);
        EXPECT_EQ(f.Bild(fall.bild), fall.quelle);
    }
}

// The source pictures are no controls of their own: any change leaves them as they are.
TEST_F(Fensterverhalten, BildquellenVertragenJedeAenderung) {
    Fenster& f = Neu().fenster();
    for (Element e : {E::imgPfeil, E::imgOK, E::imgInaktiv}) {
        SCOPED_TRACE(static_cast<int>(e));
        EXPECT_NO_THROW(f.Sichtbar_setzen(e, true));
        EXPECT_NO_THROW(f.Aktivieren(e, false));
        EXPECT_NO_THROW(f.Oben_setzen(e, 100));
        EXPECT_EQ(f.Bild(e), e);
    }
}

TEST_F(Fensterverhalten, BeschriftungenUndTitel) {
    const struct {
        Element e;
        const char* text;     // nullptr: left as the layout made it
        std::string gezeigt;  // the window's title for Keins
    } faelle[] = {
        {E::fraRahmen1, nullptr, "Schritt 1: Datenordner auswählen"},
        {E::cmdAuswahl4, nullptr, "&Kennzeichnen der Schulferien aktivieren"},
        {E::Keins, nullptr, ""},
        {E::fraRahmen4, "Schritt 2: Kennzeichnen der Schulferien aufheben",
         "Schritt 2: Kennzeichnen der Schulferien aufheben"},
        {E::cmdAuswahl4, "Schulferiendaten aktualisieren", "Schulferiendaten aktualisieren"},
        {E::cmdAuswahl3, "", ""},
        {E::Keins, "Velmorant - Schulferien kennzeichnen", "Velmorant - Schulferien kennzeichnen"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.gezeigt);
        Fensterumgebung& w = Neu();
        if (fall.text && fall.e == E::Keins) w.fenster().Titel_setzen(fall.text);
        if (fall.text && fall.e != E::Keins) w.fenster().Beschriftung_setzen(fall.e, fall.text);
        EXPECT_EQ(w.Text(fall.e), fall.gezeigt);
    }
}

// Where the controls are when the program moves some of them (in twips), at the window's DPI
// and after it moves to a monitor of another DPI: sizes follow, the twips stay.
TEST_F(Fensterverhalten, LageInTwipsBeiJederDpi) {
    const std::vector<Element> geprueft = {E::fraRahmen1,     E::cmdAuswahl1, E::fraRahmen4,
                                           E::cmdAuswahl4,    E::imgIcon4,    E::cmdAuswahl5,
                                           E::cmbLaenderliste};
    const struct {
        const char* fall;
        std::map<Element, int> oben;  // twips; the others as the layout has them
        int dpi;                      // 0: the window's own
    } faelle[] = {
        {"wie im Layout", {}, 0},
        {"Entfernen: Schritt 4 an der Stelle von Schritt 2, Beenden darunter",
         {{E::fraRahmen4, Layout::Entfernen_Rahmen4_oben},
          {E::cmdAuswahl5, Layout::Entfernen_Beenden_oben}},
         0},
        {"im Rahmen", {{E::cmdAuswahl1, 600}}, 0},
        {"150 %", {}, 144},
        {"200 % nach dem Verschieben", {{E::fraRahmen4, Layout::Entfernen_Rahmen4_oben}}, 192},
        {"125 %", {{E::cmdAuswahl1, 600}}, 120},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.fall);
        Fensterumgebung& w = Neu();
        for (const auto& [e, twips] : fall.oben) w.fenster().Oben_setzen(e, twips);
        if (fall.dpi) w.Dpi_wechseln(fall.dpi);
        const auto oben = [&](Steuerelement nr) {
            const auto it = fall.oben.find(static_cast<Element>(nr));
            return it != fall.oben.end() ? it->second
                                         : Layout::Eintrag(static_cast<Element>(nr))->oben;
        };
        for (Element e : geprueft) {
            SCOPED_TRACE(static_cast<int>(e));
            EXPECT_EQ(w.Lage_von(e), Lage_bei(Layout::Hauptfenster, e, w.Dpi(), oben));
        }
    }
}

TEST_F(Fensterverhalten, FensterhoeheInTwipsBeiJederDpi) {
    const struct {
        int twips;
        int dpi;  // 0: the window's own
    } faelle[] = {
        {Layout::Entfernen_Fensterhoehe, 0}, {7000, 0}, {Layout::Entfernen_Fensterhoehe, 144}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.twips);
        Fensterumgebung& w = Neu();
        w.fenster().Hoehe_setzen(fall.twips);
        if (fall.dpi) w.Dpi_wechseln(fall.dpi);
        EXPECT_EQ(w.Fensterhoehe(), Pixel(fall.twips, w.Dpi()));
    }
}

}  // namespace
