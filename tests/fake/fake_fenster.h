// The fake's main window, message boxes and dialogs: the window's controls as plain state,
// made from the window's description, with the keyboard focus as the Win32 window moves it;
// message boxes that are recorded and dialogs that answer from a script.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/plattform.h"

// The window's controls as plain state. Positions stay in twips: the fake has no DPI.
class FakeFenster : public Fenster {
  public:
    struct Zustand {
        bool aktiv = true;
        bool sichtbar = true;
        std::string beschriftung;
        Steuerelement bild = Kein_Steuerelement;  // a source picture: itself
        std::optional<std::uint32_t> hintergrundfarbe;
        int oben = 0;  // twips, relative to its container
    };

    FakeFenster() = default;
    // The window as `beschreibung` (which outlives it) makes it: hidden, every control enabled
    // and visible with its caption and place, the focus kept for the first tab stop.
    explicit FakeFenster(const Fensterbeschreibung& beschreibung);

    void Titel_setzen(const std::string& text) override { titel = text; }
    void Aktivieren(Steuerelement e, bool aktiv) override;
    void Sichtbar_setzen(Steuerelement e, bool s) override;
    void Beschriftung_setzen(Steuerelement e, const std::string& t) override {
        zustand[e].beschriftung = t;
    }
    void Bild_kopieren(Steuerelement ziel, Steuerelement quelle) override {
        zustand[ziel].bild = zustand[quelle].bild;
    }
    Steuerelement Bild(Steuerelement bild) override { return zustand[bild].bild; }
    void Hintergrundfarbe_setzen(Steuerelement e, std::uint32_t farbe) override {
        zustand[e].hintergrundfarbe = farbe;
    }
    void Eintrag_hinzufuegen(Steuerelement, const std::string& text) override {
        eintraege.push_back(text);
    }
    int Eintragsanzahl(Steuerelement) override { return static_cast<int>(eintraege.size()); }
    std::string Eintrag(Steuerelement, int index) override;
    void Auswahl_setzen(Steuerelement, int index) override;
    int Auswahl(Steuerelement) override { return auswahl; }
    void Fokus_setzen(Steuerelement e) override;
    void Oben_setzen(Steuerelement e, int twips) override { zustand[e].oben = twips; }
    void Hoehe_setzen(int twips) override { hoehe = twips; }
    bool Ist_sichtbar() override { return sichtbar; }
    void Entladen() override { entladen = true; }

    // Shows the window. A kept focus that its control can't take goes to the first tab stop
    // that can take it.
    void Zeigen();

    // The description's entry of `e` (nullptr when it has none).
    const Steuerelement_Beschreibung* Beschreibung_von(Steuerelement e) const;
    // Whether `merkmal` (aktiv, sichtbar) holds for `e` and the containers round it.
    bool Mit_Behaeltern(Steuerelement e, bool Zustand::*merkmal) const;

    const Fensterbeschreibung* beschreibung = nullptr;
    std::string titel;
    std::map<Steuerelement, Zustand> zustand;
    std::vector<std::string> eintraege;  // the window's only list
    int auswahl = -1;
    // The control with the focus (Kein_Steuerelement: none); while the window is hidden, the
    // one that gets it when the window shows.
    Steuerelement fokus = Kein_Steuerelement;
    std::optional<int> hoehe;  // the outer height in twips, once set
    bool sichtbar = false;
    bool entladen = false;

  private:
    // Whether the user can reach `e` with the Tab key: a tab stop, enabled and visible with
    // its containers.
    bool Erreichbar(Steuerelement e) const;
    // The next reachable tab stop after `e` in the tab order, wrapping round; from the start
    // for Kein_Steuerelement. Kein_Steuerelement when there is none besides `e`.
    Steuerelement Naechster_Tabstopp(Steuerelement e) const;
    // `e` itself or one of the controls in it.
    bool Enthaelt(Steuerelement e, Steuerelement inneres) const;
};

// What the fake shows besides the file system: the main window, message boxes that are
// recorded and dialogs that answer from a script.
class FakeOberflaeche {
  public:
    Fenster& Hauptfenster_erstellen(const Fensterbeschreibung& beschreibung,
                                    Fensterereignisse& ereignisse);
    Fenster& Hauptfenster();
    void Hauptfenster_zeigen();
    void Meldungsfenster(const std::string& text, const std::string& titel);
    std::string Ordner_auswaehlen(const std::string& titel);
    std::optional<std::uint32_t> Farbe_auswaehlen(std::uint32_t farbe, bool voll);

    FakeFenster fenster;
    bool fenster_erstellt = false;
    bool farbdialog_fehlt = false;  // Hauptfenster_erstellen throws KomponenteFehlt
    Fensterereignisse* fensterereignisse = nullptr;  // where the window's events go

    struct Meldung {
        std::string text, titel;
    };
    std::vector<Meldung> meldungen;

    // Dialog answers, taken in order; an empty queue answers "cancel".
    std::deque<std::string> ordner_antworten;
    std::deque<std::optional<std::uint32_t>> farb_antworten;
    struct Farbdialog {
        std::uint32_t start;
        bool voll;
    };
    std::vector<Farbdialog> farbdialoge;     // every colour dialog that was opened
    std::vector<std::string> ordnerdialoge;  // the titles of every folder picker shown
};
