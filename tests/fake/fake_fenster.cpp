#include "tests/fake/fake_fenster.h"

#include <algorithm>

namespace {

// Push buttons and lists take the focus with the Tab key; frames and pictures never do.
bool Ist_Tabstopp(const Steuerelement_Beschreibung& s) {
    return s.tabindex >= 0 &&
           (s.art == Steuerelementart::Schaltflaeche ||
            s.art == Steuerelementart::Farbschaltflaeche || s.art == Steuerelementart::Liste);
}

}  // namespace

// --- FakeFenster ---

FakeFenster::FakeFenster(const Fensterbeschreibung& b) : beschreibung(&b) {
    for (const Steuerelement_Beschreibung& s : b.steuerelemente) {
        Zustand& z = zustand[s.nr];
        z.beschriftung = s.text ? s.text : "";
        z.oben = s.oben;
        if (s.art == Steuerelementart::Bildquelle) z.bild = s.nr;
    }
    fokus = Naechster_Tabstopp(Kein_Steuerelement);
}

const Steuerelement_Beschreibung* FakeFenster::Beschreibung_von(Steuerelement e) const {
    if (!beschreibung) return nullptr;
    for (const Steuerelement_Beschreibung& s : beschreibung->steuerelemente) {
        if (s.nr == e) return &s;
    }
    return nullptr;
}

bool FakeFenster::Enthaelt(Steuerelement e, Steuerelement inneres) const {
    for (const Steuerelement_Beschreibung* s = Beschreibung_von(inneres); s;
         s = Beschreibung_von(s->behaelter)) {
        if (s->nr == e) return true;
    }
    return e == inneres && e != Kein_Steuerelement;
}

bool FakeFenster::Mit_Behaeltern(Steuerelement e, bool Zustand::*merkmal) const {
    for (const Steuerelement_Beschreibung* s = Beschreibung_von(e); s;
         s = Beschreibung_von(s->behaelter)) {
        const auto z = zustand.find(s->nr);
        if (z != zustand.end() && !(z->second.*merkmal)) return false;
    }
    return true;
}

bool FakeFenster::Erreichbar(Steuerelement e) const {
    const Steuerelement_Beschreibung* s = Beschreibung_von(e);
    return s && Ist_Tabstopp(*s) && Mit_Behaeltern(e, &Zustand::aktiv) &&
           Mit_Behaeltern(e, &Zustand::sichtbar);
}

Steuerelement FakeFenster::Naechster_Tabstopp(Steuerelement e) const {
    if (!beschreibung) return Kein_Steuerelement;
    std::vector<const Steuerelement_Beschreibung*> reihe;
    for (const Steuerelement_Beschreibung& s : beschreibung->steuerelemente) {
        if (Ist_Tabstopp(s)) reihe.push_back(&s);
    }
    std::stable_sort(reihe.begin(), reihe.end(),
                     [](const auto* a, const auto* b) { return a->tabindex < b->tabindex; });
    const auto ab =
        std::find_if(reihe.begin(), reihe.end(), [&](const auto* s) { return s->nr == e; });
    std::rotate(reihe.begin(), ab == reihe.end() ? reihe.begin() : ab + 1, reihe.end());
    for (const Steuerelement_Beschreibung* s : reihe) {
        if (s->nr != e && Erreichbar(s->nr)) return s->nr;
    }
    return Kein_Steuerelement;
}

// While the window shows, a control that loses its enabled state while it holds the focus
// (itself or a control in it) hands the focus on to the next tab stop; with none, a control
// that held the focus itself loses it.
void FakeFenster::Aktivieren(Steuerelement e, bool aktiv) {
    if (!aktiv && sichtbar && Enthaelt(e, fokus)) {
        const Steuerelement naechstes = Naechster_Tabstopp(fokus);
        if (naechstes != Kein_Steuerelement) {
            fokus = naechstes;
        } else if (fokus == e) {
            fokus = Kein_Steuerelement;
        }
    }
    zustand[e].aktiv = aktiv;
}

// While the window shows, hiding the control that holds the focus gives the focus to its
// container (the window itself is no control). A control in a hidden frame keeps it.
void FakeFenster::Sichtbar_setzen(Steuerelement e, bool s) {
    if (!s && sichtbar && e == fokus) {
        const Steuerelement_Beschreibung* b = Beschreibung_von(e);
        fokus = b ? b->behaelter : Kein_Steuerelement;
    }
    zustand[e].sichtbar = s;
}

// While the window shows, a control that is disabled (itself or its container) can't take
// the focus; a hidden window keeps it for the control until it shows.
void FakeFenster::Fokus_setzen(Steuerelement e) {
    const Steuerelement_Beschreibung* s = Beschreibung_von(e);
    if (s && s->art == Steuerelementart::Bildquelle) return;
    if (sichtbar && !Mit_Behaeltern(e, &Zustand::aktiv)) return;
    fokus = e;
}

void FakeFenster::Zeigen() {
    sichtbar = true;
    if (!Erreichbar(fokus)) fokus = Naechster_Tabstopp(Kein_Steuerelement);
}

std::string FakeFenster::Eintrag(Steuerelement, int index) {
    if (index < 0 || index >= static_cast<int>(eintraege.size()))
        throw Fehler(Fehlernummer::IndexAusserhalb);
    return eintraege[static_cast<std::size_t>(index)];
}

void FakeFenster::Auswahl_setzen(Steuerelement, int index) {
    if (index < -1 || index >= static_cast<int>(eintraege.size()))
        throw Fehler(Fehlernummer::IndexAusserhalb);
    auswahl = index;
}

// --- FakeOberflaeche ---

Fenster& FakeOberflaeche::Hauptfenster_erstellen(const Fensterbeschreibung& beschreibung,
                                                 Fensterereignisse& ereignisse) {
    if (farbdialog_fehlt) throw Fehler(Fehlernummer::KomponenteFehlt);
    fenster = FakeFenster(beschreibung);
    fenster_erstellt = true;
    fensterereignisse = &ereignisse;
    return fenster;
}

Fenster& FakeOberflaeche::Hauptfenster() {
    if (!fenster_erstellt) throw Fehler(Fehlernummer::UngueltigerAufruf);
    return fenster;
}

void FakeOberflaeche::Hauptfenster_zeigen() {
    Hauptfenster();
    fenster.Zeigen();
}

void FakeOberflaeche::Meldungsfenster(const std::string& text, const std::string& titel) {
    meldungen.push_back({text, titel});
}

std::string FakeOberflaeche::Ordner_auswaehlen(const std::string& titel) {
    ordnerdialoge.push_back(titel);
    if (ordner_antworten.empty()) return "";
    std::string antwort = ordner_antworten.front();
    ordner_antworten.pop_front();
    return antwort;
}

std::optional<std::uint32_t> FakeOberflaeche::Farbe_auswaehlen(std::uint32_t farbe, bool voll) {
    farbdialoge.push_back({farbe, voll});
    if (farb_antworten.empty()) return std::nullopt;
    const std::optional<std::uint32_t> antwort = farb_antworten.front();
    farb_antworten.pop_front();
    return antwort;
}
