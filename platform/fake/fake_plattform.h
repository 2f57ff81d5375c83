// An in-memory Windows for tests: a file system with backslash paths, names that compare
// without regard to case, attributes, read-only, locked and inaccessible entries; a clock,
// an environment, message boxes that are recorded, scripted dialogs and a recorded window.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/plattform.h"

// Thrown by FakePlattform::Beenden: the program ended. Deliberately no std::exception, so
// that no error handling of the program catches it.
struct ProgrammBeendet {};

// The window's controls as plain state.
class FakeFenster : public Fenster {
  public:
    struct Zustand {
        bool aktiv = true;
        bool sichtbar = true;
        std::string beschriftung;
        Steuerelement bild = Kein_Steuerelement;
        std::optional<std::uint32_t> hintergrundfarbe;
        std::optional<int> oben;
    };

    void Titel_setzen(const std::string& text) override { titel = text; }
    void Aktivieren(Steuerelement e, bool aktiv) override { zustand[e].aktiv = aktiv; }
    void Sichtbar_setzen(Steuerelement e, bool s) override { zustand[e].sichtbar = s; }
    void Beschriftung_setzen(Steuerelement e, const std::string& t) override {
        zustand[e].beschriftung = t;
    }
    void Bild_kopieren(Steuerelement ziel, Steuerelement quelle) override {
        zustand[ziel].bild = quelle;
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
    void Fokus_setzen(Steuerelement e) override { fokus = e; }
    void Oben_setzen(Steuerelement e, int twips) override { zustand[e].oben = twips; }
    void Hoehe_setzen(int twips) override { hoehe = twips; }
    bool Ist_sichtbar() override { return sichtbar; }
    void Entladen() override { entladen = true; }

    std::string titel;
    std::map<Steuerelement, Zustand> zustand;
    std::vector<std::string> eintraege;  // the window's only list
    int auswahl = -1;
    Steuerelement fokus = Kein_Steuerelement;  // at first the first in the tab order
    std::optional<int> hoehe;
    bool sichtbar = false;
    bool entladen = false;
};

class FakePlattform : public Plattform {
  public:
    FakePlattform();

    // --- Plattform ---
    std::string Umgebungsvariable(const std::string& name) override;
    std::string Programmname() override { return programmname; }
    std::string Programmverzeichnis() override { return programmverzeichnis; }
    Zeitpunkt Jetzt() override { return jetzt; }
    // The table of `codepage`; one the program knows no table of is a set-up mistake.
    const Codetabelle& Ansi_codetabelle() override;

    bool Datei_vorhanden(const std::string& pfad) override;
    bool Muster_vorhanden(const std::string& muster) override;
    std::uint32_t Attribute_lesen(const std::string& pfad) override;
    void Attribute_normal(const std::string& pfad) override;
    void Datei_entfernen(const std::string& pfad) override;

    std::string Datei_lesen(const std::string& pfad) override;
    int Datei_oeffnen(const std::string& pfad, Schreibart art) override;
    void Datei_schreiben(int nr, const std::string& bytes) override;
    void Datei_schliessen(int nr, bool uebernehmen) override;

    void Piepen() override { ++pieptoene; }
    void Meldungsfenster(const std::string& text, const std::string& titel) override;
    [[noreturn]] void Beenden() override;

    Fenster& Hauptfenster_erstellen(const Fensterbeschreibung& beschreibung,
                                    Fensterereignisse& ereignisse) override;
    Fenster& Hauptfenster() override;
    void Hauptfenster_zeigen() override;

    std::string Ordner_auswaehlen(const std::string& titel) override;
    std::optional<std::uint32_t> Farbe_auswaehlen(std::uint32_t farbe, bool voll) override;

    // --- Set-up and inspection for tests ---
    // Paths are full Windows paths ("C:\Daten\Konfigdaten.dat"); parent folders of a new
    // entry are created as needed. A relative path counts from programmverzeichnis.
    // Set-up mistakes (a file where a folder should be, a missing entry) throw
    // std::logic_error.
    void Ordner_anlegen(const std::string& pfad);
    void Datei_anlegen(const std::string& pfad, const std::string& bytes,
                       std::uint32_t attribute = Attribut::Archiv);
    void Attribute_setzen(const std::string& pfad, std::uint32_t attribute);
    // A locked file is held open by another program without sharing: it can't be
    // opened, written or deleted.
    void Sperren(const std::string& pfad, bool gesperrt = true);
    // Held open for a moment: the next `versuche` attempts to open, replace or delete the
    // file find it locked. Each step tries Wiederholungen more times after the first, as the
    // Win32 side does (100 ms apart), before a lock counts as a failure.
    void Kurz_sperren(const std::string& pfad, int versuche);
    static constexpr int Wiederholungen = 10;
    // A folder without access: probes in it throw DateinameFalsch, files in it can't be
    // read or written.
    void Zugriff_sperren(const std::string& ordner, bool gesperrt = true);
    // The next write fails after this many more bytes have been written (disk full).
    // The disk then stays full until Schreibfehler_aufheben.
    void Schreibfehler_nach(std::size_t bytes) { schreibgrenze = bytes; }
    void Schreibfehler_aufheben() { schreibgrenze.reset(); }
    bool Vorhanden(const std::string& pfad) const;  // any entry, hidden or not
    std::optional<std::string> Inhalt(const std::string& pfad) const;
    std::vector<std::string> Dateien(const std::string& ordner) const;  // names, sorted
    int Offene_Dateien() const { return static_cast<int>(offen.size()); }

    std::map<std::string, std::string> umgebung;
    std::string programmname = "Schulferien";
    std::string programmverzeichnis = "C:\\Tools";
    Zeitpunkt jetzt{2025, 3, 14, 9, 30, 0};
    unsigned codepage = 1252;                   // the system's ANSI code page
    std::uint32_t prozessnummer = 0x2a4;        // in the names of new files beside their targets
    std::set<std::uint32_t> laufende_prozesse;  // other processes that run now

    struct Meldung {
        std::string text, titel;
    };
    std::vector<Meldung> meldungen;
    int pieptoene = 0;
    bool beendet = false;
    // Called while a message box is shown (before the user confirms it).
    std::function<void(const std::string& text)> bei_meldung;

    // Dialog answers, taken in order; an empty queue answers "cancel".
    std::deque<std::string> ordner_antworten;
    std::deque<std::optional<std::uint32_t>> farb_antworten;
    struct Farbdialog {
        std::uint32_t start;
        bool voll;
    };
    std::vector<Farbdialog> farbdialoge;     // every colour dialog that was opened
    std::vector<std::string> ordnerdialoge;  // the titles of every folder picker shown
    bool farbdialog_fehlt = false;           // Hauptfenster_erstellen throws KomponenteFehlt

    FakeFenster fenster;
    bool fenster_erstellt = false;
    const Fensterbeschreibung* fensterbeschreibung = nullptr;  // as the window was made
    Fensterereignisse* fensterereignisse = nullptr;            // where the window's events go

  private:
    struct Knoten {
        std::string name;  // the path as it was created
        bool ordner = false;
        std::uint32_t attribute = Attribut::Archiv;  // without Verzeichnis
        std::string inhalt;
        bool gesperrt = false;
        int gesperrt_fuer = 0;  // attempts that still find it locked
        bool kein_zugriff = false;
    };
    struct Offen {
        std::string pfad;  // the target, as given to Datei_oeffnen
        std::string temp;  // Ersetzen: the key of the new file beside the old one
        Schreibart art;
        std::optional<long> fehler;  // a write failed: the file must not take the old one's place
    };
    // A path taken apart: the drive ("C:") and the names below it, "." and ".." resolved.
    struct Ort {
        std::vector<std::string> teile;
        bool ordner_gemeint = false;  // written with a trailing backslash
        std::string Schluessel() const { return Schluessel_von(teile.size()); }
        std::string Schluessel_von(std::size_t anzahl) const;  // of the first `anzahl` parts
        std::string Pfad() const;
    };
    // Throws DateinameFalsch for a name Windows refuses; `muster`: * and ? in the last part.
    Ort Aufloesen(const std::string& pfad, bool muster = false) const;
    Knoten* Finden(const std::string& schluessel);
    const Knoten* Finden(const std::string& schluessel) const;
    // The folder that holds the entry at `ort`, checked on the way down: a missing folder
    // throws PfadNichtGefunden, a folder without access ZugriffVerweigert.
    Knoten& Elternordner(const Ort& ort);
    // The existing file at `pfad` for reading or changing; throws as Windows would.
    Knoten& Vorhandene_Datei(const std::string& pfad);
    bool Suchen(const std::string& muster);
    Knoten& Anlegen(const Ort& ort, bool ordner);  // with its parent folders (test set-up)
    // True when another program holds the file open through every try of one step.
    bool Belegt(Knoten& k);
    // Removes the new files that writers of the target at `ort` left behind, unless they
    // are held open (by another program, or by this one for a replacement in progress) or
    // their writer still runs.
    void Reste_entfernen(const Ort& ort);

    std::map<std::string, Knoten> knoten;  // key: the normalised path in upper case
    std::map<int, Offen> offen;
    int naechste_nummer = 1;
    std::optional<std::size_t> schreibgrenze;
};
