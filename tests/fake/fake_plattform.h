// An in-memory Windows for tests: a file system with backslash paths, names that compare
// without regard to case, attributes, read-only, locked and inaccessible entries; a clock
// and an environment; and, from fake_fenster.h, the window, message boxes and dialogs.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/plattform.h"
#include "tests/fake/fake_fenster.h"

// Thrown by FakePlattform::Beenden: the program ended. Deliberately no std::exception, so
// that no error handling of the program catches it.
struct ProgrammBeendet {};

class FakePlattform : public Plattform, public FakeOberflaeche {
  public:
    FakePlattform();

    // --- Plattform ---
    std::string Umgebungsvariable(const std::string& name) override;
    std::string Programmname() override { return programmname; }
    std::string Programmverzeichnis() override { return programmverzeichnis; }
    Zeitpunkt Jetzt() override { return jetzt; }
    // Through the table of `codepage`, or as they are for UTF-8 (65001); any other code page
    // is a set-up mistake.
    std::string Text_nach_Ansi(const std::string& text) override;
    std::string Text_von_Ansi(const std::string& bytes) override;
    // From a table of the letters of Latin, Greek and Cyrillic (fake_namen.h).
    std::string Kleinbuchstaben(const std::string& text) override;

    bool Datei_vorhanden(const std::string& muster) override;
    std::uint32_t Attribute_lesen(const std::string& pfad) override;
    void Attribute_normal(const std::string& pfad) override;
    void Datei_entfernen(const std::string& pfad) override;

    std::string Datei_lesen(const std::string& pfad) override;
    int Datei_oeffnen(const std::string& pfad, Schreibart art) override;
    void Datei_schreiben(int nr, const std::string& bytes) override;
    void Datei_schliessen(int nr, bool uebernehmen) override;

    void Piepen() override { ++pieptoene; }
    void Meldungsfenster(const std::string& text, const std::string& titel) override {
        FakeOberflaeche::Meldungsfenster(text, titel);
    }
    [[noreturn]] void Beenden(int code) override {
        beendet = true;
        exitcode = code;
        throw ProgrammBeendet{};
    }

    // Every event of the window starts the deadline of its waits anew (Neue_Frist).
    Fenster& Hauptfenster_erstellen(const Fensterbeschreibung& beschreibung,
                                    Fensterereignisse& ereignisse) override;
    Fenster& Hauptfenster() override { return FakeOberflaeche::Hauptfenster(); }
    void Hauptfenster_zeigen() override { FakeOberflaeche::Hauptfenster_zeigen(); }

    std::string Ordner_auswaehlen(const std::string& titel) override {
        return FakeOberflaeche::Ordner_auswaehlen(titel);
    }
    std::optional<std::uint32_t> Farbe_auswaehlen(std::uint32_t farbe, bool voll) override {
        return FakeOberflaeche::Farbe_auswaehlen(farbe, voll);
    }

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
    // The waits of one user action take at most Frist_ms together, a try Pause_ms, counted in
    // gewartet_ms; once the deadline has passed, every step makes one try and no more.
    static constexpr std::int64_t Frist_ms = 3000, Pause_ms = 100;
    void Neue_Frist() { frist_ms = Frist_ms; }
    std::int64_t gewartet_ms = 0;
    // At the next `mal` replacements of the file another writer's whole file takes its place
    // (a writer at another computer, at the same moment); each is a try.
    void Ueberholen(const std::string& pfad, int mal);
    // The next new file of a replacement of the file is deleted by another program after it
    // was written and before it takes the old one's place (a clean-up of *.tmp).
    void Neue_wegnehmen(const std::string& pfad);
    // Another program holds the file open sharing delete (a virus scanner, a reader on a
    // share): deleting it succeeds, but its name stays, the delete pending, until that program
    // lets go, after `blicke` more looks at the name (a delete looks as long as it waits for a
    // lock) or at Loeschen_aufhalten(pfad, 0). While its delete is pending the file is listed
    // and its attributes can be read, but it can't be opened, changed or deleted again.
    static constexpr int Bis_zur_Freigabe = -1;
    void Loeschen_aufhalten(const std::string& pfad, int blicke = Bis_zur_Freigabe);
    // A folder without access: probes in it throw DateinameFalsch, files in it can't be
    // read or written. A file without access is still listed and its attributes can be
    // read, but it can't be read, written, changed in its attributes or deleted.
    void Zugriff_sperren(const std::string& pfad, bool gesperrt = true);
    // A folder that can't be reached any more (Nein), as on a share whose server has gone:
    // every path through it is not found (PfadNichtGefunden), though what it holds stays.
    // Bis_zum_Loeschen: it goes when a file in it is about to be deleted.
    enum class Erreichbar { Ja, Nein, Bis_zum_Loeschen };
    void Erreichbarkeit(const std::string& ordner, Erreichbar e);
    // The next write fails after this many more bytes have been written (disk full).
    // The disk then stays full until Schreibfehler_aufheben.
    void Schreibfehler_nach(std::size_t bytes) { schreibgrenze = bytes; }
    // How the next replacements of an existing file go. Halfway ones move the old file aside
    // under a backup's name and can't put the new one in place; then the old one goes back,
    // or else the new one takes the place, or neither can move.
    enum class Ersetzung { Normal, Halb_zurueck, Halb_neue, Halb_keine };
    Ersetzung ersetzung = Ersetzung::Normal;
    // The file was last written `sekunden` before the file system's time (negative: after
    // it). Every entry is dated by the file system's clock when it is made or written to,
    // `dateiuhr_vor` seconds ahead of the computer's clock `jetzt` (a share's server whose clock
    // differs from this computer's).
    void Alter_setzen(const std::string& pfad, std::int64_t sekunden);
    std::int64_t dateiuhr_vor = 0;
    void Schreibfehler_aufheben() { schreibgrenze.reset(); }
    bool Vorhanden(const std::string& pfad) const;  // any entry, hidden or not
    std::optional<std::string> Inhalt(const std::string& pfad) const;
    std::vector<std::string> Dateien(const std::string& ordner) const;  // names, sorted
    int Offene_Dateien() const { return static_cast<int>(offen.size()); }

    std::map<std::string, std::string> umgebung;
    std::string programmname = "Schulferien";
    std::string programmverzeichnis = "C:\\Tools";
    Zeitpunkt jetzt{2025, 3, 14, 9, 30, 0};
    unsigned codepage = 1252;  // the system's ANSI code page
    // In the names of new files beside their targets: the process and the computer.
    std::uint32_t prozessnummer = 0x2a4;
    std::string computername = "BUERO-7";
    std::set<std::uint32_t> laufende_prozesse;  // other processes of this computer that run now

    int pieptoene = 0;
    bool beendet = false;
    std::optional<int> exitcode;  // set by Beenden

  private:
    struct Knoten {
        std::string name;  // the path as it was created
        bool ordner = false;
        std::uint32_t attribute = Attribut::Archiv;  // without Verzeichnis
        std::string inhalt;
        bool gesperrt = false;
        int gesperrt_fuer = 0;  // attempts that still find it locked
        bool kein_zugriff = false;
        Erreichbar erreichbar = Erreichbar::Ja;  // a folder
        std::int64_t zeit = 0;                   // last written, in seconds of the clock (Sekunden)
        int loeschen_aufgehalten = 0;            // looks until the holder lets go; Bis_zur_Freigabe
        bool loeschen_anstehend = false;
        int ueberholt_fuer = 0;  // replacements that another writer's file overtakes
        bool neue_weg = false;   // the next replacement's new file is deleted before it
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
    // The entry at `pfad` that a test sets up; a missing one is the test's own fault.
    Knoten& Eintrag(const std::string& pfad);
    // The folder that holds the entry at `ort`, checked on the way down: a missing folder
    // throws PfadNichtGefunden, a folder without access ZugriffVerweigert.
    Knoten& Elternordner(const Ort& ort);
    // The existing file at `pfad` for reading or changing; throws as Windows would.
    Knoten& Vorhandene_Datei(const std::string& pfad);
    Knoten& Anlegen(const Ort& ort, bool ordner);  // with its parent folders (test set-up)
    void Umbenennen(const Ort& von, const Ort& nach);
    // True when another program holds the file open through every try of one step, or the
    // file's delete is pending.
    bool Belegt(Knoten& k);
    // Removes the new files that writers of the target at `ort` left behind, as far as
    // Rest_entfernbar lets them go at the file system's time `jetzt`, unless they are held open (by
    // another program, or by this one for a replacement in progress).
    void Reste_entfernen(const Ort& ort, std::int64_t jetzt);
    std::int64_t Dateizeit() const;  // the file system's time, in seconds
    // A pause before one more try, when the deadline allows it.
    bool Pause();
    std::int64_t frist_ms = Frist_ms;
    std::unique_ptr<Ereignisse_mit_Vorlauf> fristereignisse;

    std::map<std::string, Knoten> knoten;  // key: the normalised path in upper case
    std::map<int, Offen> offen;
    int naechste_nummer = 1;
    std::optional<std::size_t> schreibgrenze;
};
