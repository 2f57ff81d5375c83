// The window contract tests on the fake's window: its fields, its twips at the DPI it
// would have.
#include "tests/contract/fensterumgebung.h"
#include "tests/fake/fake_plattform.h"

namespace {

class Fake_Fensterumgebung : public Fensterumgebung {
  public:
    explicit Fake_Fensterumgebung(Fensterereignisse& e) {
        p_.Hauptfenster_erstellen(Layout::Hauptfenster, e);
    }

    Fenster& fenster() override { return f_; }
    void Zeigen() override { p_.Hauptfenster_zeigen(); }
    void Dpi_wechseln(int dpi) override { dpi_ = dpi; }  // the twips stay
    int Dpi() override { return dpi_; }

    bool Zu_sehen(Element e) override {
        return f_.sichtbar && f_.Beschreibung_von(e)->art != Steuerelementart::Bildquelle &&
               f_.Mit_Behaeltern(e, &FakeFenster::Zustand::sichtbar);
    }
    Element Fokus() override {
        return static_cast<Element>(f_.sichtbar ? f_.fokus : Kein_Steuerelement);
    }
    std::string Text(Element e) override {
        return e == Element::Keins ? f_.titel : f_.zustand[e].beschriftung;
    }
    // Each part in pixels at the window's DPI, a control in a frame from the frame's corner.
    Lage Lage_von(Element e) override {
        const Steuerelement_Beschreibung* s = f_.Beschreibung_von(e);
        Lage lage{0, 0, Pixel(s->breite, dpi_), Pixel(s->hoehe, dpi_)};
        for (; s; s = f_.Beschreibung_von(s->behaelter)) {
            lage[0] += Pixel(s->links, dpi_);
            lage[1] += Pixel(f_.zustand[s->nr].oben, dpi_);
        }
        return lage;
    }
    int Fensterhoehe() override { return Pixel(f_.hoehe.value_or(-1), dpi_); }

  private:
    FakePlattform p_;
    FakeFenster& f_ = p_.fenster;
    int dpi_ = 96;
};

}  // namespace

std::unique_ptr<Fensterumgebung> Neues_Fenster(Fensterereignisse& ereignisse) {
    return std::make_unique<Fake_Fensterumgebung>(ereignisse);
}
