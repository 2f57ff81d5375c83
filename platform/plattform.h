// The services of the operating system that the tool uses, behind one interface.
//
// The Win32 implementation (platform/win32) talks to Windows; the fake (platform/fake)
// keeps everything in memory with Windows semantics, so the whole workflow runs in tests.
// Paths and texts are UTF-8 everywhere in the program; file contents are raw bytes
// (the ANSI code page, Windows-1252).
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

// A failure of the platform or of the program's own steps: a number and a one-line
// description, as the error report shows them.
struct Laufzeitfehler : std::runtime_error {
    long Nummer;
    Laufzeitfehler(long nummer, const std::string& beschreibung)
        : std::runtime_error(beschreibung), Nummer(nummer) {}
    std::string Beschreibung() const { return what(); }
};

// Error numbers. Their descriptions live in services/fehler.cpp.
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

// Makes a Laufzeitfehler with the standard description of the number.
Laufzeitfehler Fehler(long nummer);

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

// The controls of the main window, by their names and indexes.
enum class Element {
    fraRahmen1,
    fraRahmen2,
    fraRahmen3,
    fraRahmen4,
    cmdAuswahl1,
    cmdAuswahl3,
    cmdAuswahl4,
    cmdAuswahl5,
    cmbLaenderliste,
    imgIcon1,
    imgIcon2,
    imgIcon3,
    imgIcon4,
    imgPfeil,
    imgOK,
    imgInaktiv,
    Keins,  // no picture copied yet
};

// Control arrays: fraRahmen(1..4), cmdAuswahl(1, 3, 4, 5), imgIcon(1..4).
// An index outside the array throws Laufzeitfehler(IndexAusserhalb).
Element fraRahmen(int n);
Element cmdAuswahl(int index);
Element imgIcon(int index);

// The main window's controls, as the window logic (ui/) changes them.
// None of these calls runs an event handler of the window.
class Fenster {
  public:
    virtual ~Fenster() = default;
    virtual void Titel_setzen(const std::string& text) = 0;
    virtual void Aktivieren(Element e, bool aktiv) = 0;
    virtual void Sichtbar_setzen(Element e, bool sichtbar) = 0;
    virtual void Beschriftung_setzen(Element e, const std::string& text) = 0;
    // The picture control `ziel` shows a copy of the picture of source image `quelle`.
    virtual void Bild_kopieren(Element ziel, Element quelle) = 0;
    // The source image whose picture `bild` shows now (Element::Keins when none).
    virtual Element Bild(Element bild) = 0;
    virtual void Hintergrundfarbe_setzen(Element e, std::uint32_t farbe) = 0;
    virtual void Eintrag_hinzufuegen(Element liste, const std::string& text) = 0;
    virtual int Eintragsanzahl(Element liste) = 0;
    virtual std::string Eintrag(Element liste, int index) = 0;
    // Selects an entry; sends no selection event (the caller runs the handler itself).
    virtual void Auswahl_setzen(Element liste, int index) = 0;
    virtual int Auswahl(Element liste) = 0;  // -1 when nothing is selected
    virtual void Fokus_setzen(Element e) = 0;
    virtual void Oben_setzen(Element e, int twips) = 0;
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
    [[noreturn]] virtual void Beenden() = 0;

    // The main window. Erstellen makes it (hidden) with all its controls, and throws
    // Laufzeitfehler(KomponenteFehlt) when a component it needs can't be had.
    virtual Fenster& Hauptfenster_erstellen() = 0;
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
