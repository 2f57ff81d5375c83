// The contract tests on the in-memory fake.
#include "tests/contract/umgebung.h"
#include "tests/fake/fake_plattform.h"

namespace {

class Fake_Umgebung : public Umgebung {
  public:
    Fake_Umgebung() { fake_.Ordner_anlegen(wurzel_); }

    Plattform& plattform() override { return fake_; }
    std::string Wurzel() override { return wurzel_; }

    void Ordner_anlegen(const std::string& pfad) override { fake_.Ordner_anlegen(pfad); }
    void Datei_anlegen(const std::string& pfad, const std::string& bytes,
                       std::uint32_t attribute) override {
        fake_.Datei_anlegen(pfad, bytes, attribute);
    }
    void Sperren(const std::string& pfad) override { fake_.Sperren(pfad, true); }
    void Freigeben(const std::string& pfad) override {
        fake_.Sperren(pfad, false);
        fake_.Loeschen_aufhalten(pfad, 0);
    }
    void Kurz_stoeren(const std::string& pfad, Stoerung art) override {
        if (art == Stoerung::Ueberholt) {
            fake_.Ueberholen(pfad, 3);
        } else if (art == Stoerung::Neue_weg) {
            fake_.Neue_wegnehmen(pfad);
        } else if (art != Stoerung::Ziel_weg) {
            fake_.Kurz_sperren(pfad, 3);
        }
    }
    void Loeschen_aufhalten(const std::string& pfad) override { fake_.Loeschen_aufhalten(pfad); }
    void Loeschen_kurz_aufhalten(const std::string& pfad) override {
        fake_.Loeschen_aufhalten(pfad, 3);
    }
    void Variable_setzen(const std::string& name, const std::string& wert) override {
        fake_.umgebung[name] = wert;
    }
    // Replacing in one step is the fake's own business: every file system of it knows it.
    void Ersetzen_wie(Ersetzung art) override {
        using E = FakePlattform::Ersetzung;
        fake_.ersetzung = art == Ersetzung::Halb_zurueck ? E::Halb_zurueck
                          : art == Ersetzung::Halb_neue  ? E::Halb_neue
                          : art == Ersetzung::Halb_keine ? E::Halb_keine
                                                         : E::Normal;
    }
    void Alter_setzen(const std::string& pfad, std::int64_t sekunden) override {
        fake_.Alter_setzen(pfad, sekunden);
    }
    bool Dateiuhr_vor(std::int64_t sekunden) override {
        fake_.dateiuhr_vor = sekunden;
        return true;
    }
    void Neue_Benutzeraktion() override { fake_.Neue_Frist(); }
    std::int64_t Millisekunden() override { return fake_.gewartet_ms; }
    std::uint32_t Prozessnummer() override { return fake_.prozessnummer; }

    std::optional<std::string> Auf_einer_Freigabe() override {
        fake_.Ordner_anlegen("\\\\server\\freigabe\\Vertrag");
        return "\\\\server\\freigabe\\Vertrag";
    }
    std::string Computername() override { return fake_.computername; }
    std::uint32_t Laufender_Prozess() override {
        fake_.laufende_prozesse.insert(0x5c);
        return 0x5c;
    }

    std::optional<std::string> Inhalt(const std::string& pfad) override {
        return fake_.Inhalt(pfad);
    }
    std::vector<std::string> Namen(const std::string& ordner) override {
        return fake_.Dateien(ordner);
    }

  private:
    FakePlattform fake_;
    const std::string wurzel_ = "C:\\Users\\Test\\AppData\\Local\\Temp\\Vertrag";
};

}  // namespace

std::unique_ptr<Umgebung> Neue_Umgebung() {
    return std::make_unique<Fake_Umgebung>();
}
