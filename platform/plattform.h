// The services of the operating system that the tool uses, behind one interface.
//
// The Win32 implementation (platform/win32) talks to Windows; the fake (platform/fake)
// keeps everything in memory with Windows semantics, so the whole workflow runs in tests.
// Paths and texts are UTF-8 everywhere in the program; file contents are raw bytes
// (the system's ANSI code page, Windows-1252 on a Western system).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

#include "platform/codetabellen.h"

// A failure of the platform or of the program's own steps: a number and, where the failure
// has words of its own (a failure of the C++ library), its description.
struct Laufzeitfehler : std::runtime_error {
    long Nummer;
    Laufzeitfehler(long nummer, const std::string& beschreibung)
        : std::runtime_error(beschreibung), Nummer(nummer) {}
};

// Error numbers: the numbers the platform and the program's own steps fail with. What the
// error report says about each number lives in services/fehler.h.
namespace Fehlernummer {
inline constexpr long UngueltigerAufruf = 5;
inline constexpr long Ueberlauf = 6;
inline constexpr long IndexAusserhalb = 9;
inline constexpr long Typenkonflikt = 13;
inline constexpr long DateinameFalsch = 52;
inline constexpr long DateiNichtGefunden = 53;
inline constexpr long DateiGeoeffnet = 55;
inline constexpr long DatentraegerVoll = 61;
inline constexpr long HinterDateiende = 62;
inline constexpr long ZugriffVerweigert = 70;
inline constexpr long PfadZugriff = 75;
inline constexpr long PfadNichtGefunden = 76;
inline constexpr long KomponenteFehlt = 339;
inline constexpr long KomponenteNichtGeladen = 50003;
}  // namespace Fehlernummer

// A failure with its number only; the error report adds the number's standard description.
inline Laufzeitfehler Fehler(long nummer) {
    return Laufzeitfehler(nummer, "");
}

// The new file of a replacement while it is written, beside the target:
// "<target>.~<p>-<n>.tmp", p the writing process's number and n a count, both hexadecimal.
std::string Ersatzname(const std::string& ziel, std::uint32_t prozess, std::uint32_t nummer);
// When `name` is such a file of the target named `zielname` (letters in any case), the number
// of the process that wrote it: what a writer that did not finish leaves behind.
std::optional<std::uint32_t> Ersatzname_prozess(const std::string& name,
                                                const std::string& zielname);

// The program's exit codes, so that scripts that deploy the tool can tell how it ended.
namespace Exitcode {
inline constexpr int Normal = 0;         // the window was closed ("&Beenden" or its close box)
inline constexpr int Fehlerbericht = 1;  // an error report ended the program
inline constexpr int Abbruch = 2;        // a fatal message (a host file missing or damaged)
inline constexpr int Installation = 3;   // the host product is not installed
}  // namespace Exitcode

struct Zeitpunkt {
    int Jahr = 2000, Monat = 1, Tag = 1, Stunde = 0, Minute = 0, Sekunde = 0;
};

// File attributes, with the values Windows uses.
namespace Attribut {
inline constexpr std::uint32_t Schreibgeschuetzt = 0x01;
inline constexpr std::uint32_t Versteckt = 0x02;
inline constexpr std::uint32_t System = 0x04;
inline constexpr std::uint32_t Verzeichnis = 0x10;
inline constexpr std::uint32_t Archiv = 0x20;
inline constexpr std::uint32_t Normal = 0x80;
}  // namespace Attribut

// --- The main window ---------------------------------------------------------------------

// A control of the main window is known by its number, which the window's description gives.
using Steuerelement = int;
inline constexpr Steuerelement Kein_Steuerelement = -1;

// 1440 twips to the inch: 15 twips are one pixel at 96 DPI.
inline constexpr int Twips_je_Zoll = 1440;

// Twips to pixels at `dpi`, rounded to the nearest pixel (halves up). Negative values stay
// symmetric, so a position and its mirror round alike.
constexpr int Pixel(int twips, int dpi) {
    const long long z = static_cast<long long>(twips) * dpi;
    const long long h = Twips_je_Zoll / 2;
    return static_cast<int>(z >= 0 ? (z + h) / Twips_je_Zoll : -((-z + h) / Twips_je_Zoll));
}

enum class Steuerelementart {
    Rahmen,             // a frame that holds controls
    Schaltflaeche,      // a push button
    Farbschaltflaeche,  // a push button shown in a back colour of the program's choice
    Liste,              // a drop-down list without typing
    Bild,               // a picture control; shows a copy of a source picture
    Bildquelle,         // a picture of the program's resources, never shown itself
};

// A picture of the program's resources, drawn for one size.
struct Bildfassung {
    int pixel;  // width and height
    int ressource;
};

struct Steuerelement_Beschreibung {
    Steuerelement nr;
    Steuerelementart art;
    Steuerelement behaelter;         // Kein_Steuerelement: the window itself
    const char* text;                // nullptr: none
    int links, oben, breite, hoehe;  // twips; inside a frame relative to its top-left corner
    int tabindex;                    // -1: never takes the focus
    // Bildquelle: the picture, drawn for several sizes; the first is its size at 96 DPI, and at
    // other DPI it is shown at that size scaled like the twips.
    std::span<const Bildfassung> fassungen;
};

// What the window is made of: its client size, its one font, its icon and its controls,
// containers before their contents (the status pictures' sizes are their renderings').
struct Fensterbeschreibung {
    int client_breite, client_hoehe;  // twips
    const char* schriftart;
    std::span<const char* const> ersatzschriften;  // in this order, when the system lacks it
    int schriftgroesse_hundertstel_punkt;
    int symbol;  // the window icon's resource number
    std::span<const Steuerelement_Beschreibung> steuerelemente;
};

// What the user does in the window, handed to the window logic. Whatever these throw is the
// window logic's to report; the platform only makes sure nothing crosses into the system.
class Fensterereignisse {
  public:
    virtual ~Fensterereignisse() = default;
    virtual void Geklickt(Steuerelement schaltflaeche) = 0;
    // The user picked an entry (never sent for a selection the program makes).
    virtual void Ausgewaehlt(Steuerelement liste) = 0;
    // A failure while the window handled a message of its own (layout, painting).
    virtual void Fehlgeschlagen(const Laufzeitfehler& fehler) = 0;
};

// The main window's controls, as the window logic (ui/) changes them.
// None of these calls runs an event handler of the window.
class Fenster {
  public:
    virtual ~Fenster() = default;
    virtual void Titel_setzen(const std::string& text) = 0;
    virtual void Aktivieren(Steuerelement e, bool aktiv) = 0;
    virtual void Sichtbar_setzen(Steuerelement e, bool sichtbar) = 0;
    virtual void Beschriftung_setzen(Steuerelement e, const std::string& text) = 0;
    // The picture control `ziel` shows a copy of the picture of `quelle`.
    virtual void Bild_kopieren(Steuerelement ziel, Steuerelement quelle) = 0;
    // The source whose picture `bild` shows now (Kein_Steuerelement when none).
    virtual Steuerelement Bild(Steuerelement bild) = 0;
    virtual void Hintergrundfarbe_setzen(Steuerelement e, std::uint32_t farbe) = 0;
    virtual void Eintrag_hinzufuegen(Steuerelement liste, const std::string& text) = 0;
    virtual int Eintragsanzahl(Steuerelement liste) = 0;
    virtual std::string Eintrag(Steuerelement liste, int index) = 0;
    // Selects an entry; sends no selection event (the caller runs the handler itself).
    virtual void Auswahl_setzen(Steuerelement liste, int index) = 0;
    virtual int Auswahl(Steuerelement liste) = 0;  // -1 when nothing is selected
    virtual void Fokus_setzen(Steuerelement e) = 0;
    virtual void Oben_setzen(Steuerelement e, int twips) = 0;
    virtual void Hoehe_setzen(int twips) = 0;  // the window's outer height
    virtual bool Ist_sichtbar() = 0;
    // Unloads the window; the program ends when its message loop sees that.
    virtual void Entladen() = 0;
};

class Plattform {
  public:
    virtual ~Plattform() = default;

    // Process and environment.
    virtual std::string Umgebungsvariable(const std::string& name) = 0;  // "" when unset
    virtual std::string Programmname() = 0;         // the executable's name, no extension
    virtual std::string Programmverzeichnis() = 0;  // its folder, as Windows gives it
    virtual Zeitpunkt Jetzt() = 0;
    // The system's ANSI code page (GetACP), in which the files shared with the host are written.
    virtual const Codetabelle& Ansi_codetabelle() = 0;

    // File probes. Names compare without regard to case; hidden and system files and
    // folders are never found. A folder that can't be searched (no access, bad name)
    // throws Laufzeitfehler(DateinameFalsch); a missing folder finds nothing.
    virtual bool Datei_vorhanden(const std::string& pfad) = 0;
    // `muster` is a path whose last part may hold * and ? (for example C:\D\*Data.dat).
    virtual bool Muster_vorhanden(const std::string& muster) = 0;
    // Throws Laufzeitfehler when the path can't be examined or does not exist.
    virtual std::uint32_t Attribute_lesen(const std::string& pfad) = 0;
    virtual void Attribute_normal(const std::string& pfad) = 0;
    virtual void Datei_entfernen(const std::string& pfad) = 0;

    // File contents. All of these throw Laufzeitfehler on failure.
    virtual std::string Datei_lesen(const std::string& pfad) = 0;  // the whole file
    // Writing: `Ersetzen` writes a new file beside the old one and puts it in the old one's
    // place in one step at Datei_schliessen(nr, true); until then the old file is untouched,
    // and closing with false (or a failure) leaves it so and removes the new one.
    // `Anhaengen` appends to the file (created when missing), shared with other writers.
    enum class Schreibart { Ersetzen, Anhaengen };
    virtual int Datei_oeffnen(const std::string& pfad, Schreibart art) = 0;
    virtual void Datei_schreiben(int nr, const std::string& bytes) = 0;
    virtual void Datei_schliessen(int nr, bool uebernehmen) = 0;

    // Messages and the end of the program.
    virtual void Piepen() = 0;
    virtual void Meldungsfenster(const std::string& text, const std::string& titel) = 0;
    // Ends the process at once with `exitcode` (see Exitcode).
    [[noreturn]] virtual void Beenden(int exitcode) = 0;

    // The main window. Erstellen makes it (hidden) with all its controls as `beschreibung`
    // says, reporting to `ereignisse` (both outlive the window), and throws
    // Laufzeitfehler(KomponenteFehlt) when a component it needs can't be had.
    virtual Fenster& Hauptfenster_erstellen(const Fensterbeschreibung& beschreibung,
                                            Fensterereignisse& ereignisse) = 0;
    virtual Fenster& Hauptfenster() = 0;
    virtual void Hauptfenster_zeigen() = 0;

    // Dialogs, owned by the main window.
    // The chosen folder's path ("" on cancel).
    virtual std::string Ordner_auswaehlen(const std::string& titel) = 0;
    // Colour dialog starting from `farbe`; `voll` opens it with the custom colours.
    // std::nullopt when the user cancels.
    virtual std::optional<std::uint32_t> Farbe_auswaehlen(std::uint32_t farbe, bool voll) = 0;
};

// The platform the program runs on; set once by the entry point or a test.
Plattform& plattform();
void Plattform_setzen(Plattform* p);
inline Fenster& fenster() {
    return plattform().Hauptfenster();
}
