// The window contract tests on the fake's window: its recorded state, with twips turned into
// pixels at the DPI the window would have.
#include "platform/fake/fake_plattform.h"
#include "tests/contract/fensterumgebung.h"
#include "ui/layout.h"

namespace {

class Fake_Fensterumgebung : public Fensterumgebung {
  public:
    explicit Fake_Fensterumgebung(Fensterereignisse& ereignisse) {
        p_.Hauptfenster_erstellen(Layout::Hauptfenster, ereignisse);
    }

    Fenster& fenster() override { return f_; }
    void Zeigen() override { p_.Hauptfenster_zeigen(); }
    // The fake keeps twips: only the pixels they stand for change.
    void Dpi_wechseln(int dpi) override { dpi_ = dpi; }
    int Dpi() override { return dpi_; }

    bool Zu_sehen(Steuerelement e) override {
        const Steuerelement_Beschreibung* s = f_.Beschreibung_von(e);
        return f_.sichtbar && s && s->art != Steuerelementart::Bildquelle &&
               f_.Sichtbar_mit_Behaeltern(e);
    }
    Steuerelement Fokus() override { return f_.sichtbar ? f_.fokus : Kein_Steuerelement; }
    std::string Text(Steuerelement e) override {
        return e == Kein_Steuerelement ? f_.titel : f_.zustand[e].beschriftung;
    }
    Lage Lage_von(Steuerelement e) override {
        return Lage_bei(Layout::Hauptfenster, e, dpi_,
                        [&](Steuerelement nr) { return f_.zustand[nr].oben; });
    }
    int Fensterhoehe() override { return f_.hoehe ? Pixel(*f_.hoehe, dpi_) : -1; }

  private:
    FakePlattform p_;
    FakeFenster& f_ = p_.fenster;
    int dpi_ = 96;
};

}  // namespace

std::unique_ptr<Fensterumgebung> Neues_Fenster(Fensterereignisse& ereignisse) {
    return std::make_unique<Fake_Fensterumgebung>(ereignisse);
}
