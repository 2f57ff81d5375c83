// The services of the operating system that the tool uses, behind one interface.
//
// The Win32 implementation (platform/win32) talks to Windows; the fake (tests/fake) keeps
// everything in memory with Windows semantics, so the whole workflow runs in tests.
// Paths and texts are UTF-8 everywhere in the program; file contents are raw bytes
// (the system's ANSI code page, Windows-1252 on a Western system).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/codetabellen.h"
#include "platform/fenster.h"
#include "platform/laufzeitfehler.h"

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

class Plattform {
  public:
    virtual ~Plattform() = default;

    // Process and environment.
    virtual std::string Umgebungsvariable(const std::string& name) = 0;  // "" when unset
    virtual std::string Programmname() = 0;         // the executable's name, no extension
    virtual std::string Programmverzeichnis() = 0;  // its folder, as Windows gives it
    virtual Zeitpunkt Jetzt() = 0;
    // Text to the bytes of the system's ANSI code page (GetACP), in which the files shared with
    // the host are written, and back, whatever that code page is: 8-bit, double-byte or UTF-8.
    // A character the code page lacks becomes "?"; a stray byte keeps its value both ways, so
    // bytes read come back as they were.
    virtual std::string Text_nach_Ansi(const std::string& text) = 0;
    virtual std::string Text_von_Ansi(const std::string& bytes) = 0;
    // `text` in small letters, as the system maps letter case, so that a name compares as the
    // host compares it; a stray byte stays itself.
    virtual std::string Kleinbuchstaben(const std::string& text) = 0;

    // Whether an ordinary file matches `muster`, a path whose last part may hold * and ?
    // (C:\D\Konfigdaten.dat, C:\D\*Data.dat). Names compare without regard to case; hidden
    // and system files and folders are never found. A folder that can't be searched (no
    // access, bad name) throws Laufzeitfehler(DateinameFalsch); a missing folder finds nothing.
    virtual bool Datei_vorhanden(const std::string& muster) = 0;
    // Throws Laufzeitfehler when the path can't be examined or does not exist. A file whose
    // delete is pending is still there until the last program that holds it lets go.
    virtual std::uint32_t Attribute_lesen(const std::string& pfad) = 0;
    virtual void Attribute_normal(const std::string& pfad) = 0;
    // Deletes a file. When another program holds it open sharing delete, its name stays, the
    // delete pending, until that program lets go: waited for as for a lock; a name that stays
    // throws Laufzeitfehler(ZugriffVerweigert).
    virtual void Datei_entfernen(const std::string& pfad) = 0;

    // File contents. All of these throw Laufzeitfehler on failure.
    virtual std::string Datei_lesen(const std::string& pfad) = 0;  // the whole file
    // Writing: `Ersetzen` writes a new file beside the old one and puts it in the old one's
    // place in one step at Datei_schliessen(nr, true); until then the old file is untouched,
    // and closing with false (or a failure) leaves it so and removes the new one. A
    // replacement that stops halfway never loses the old content: it goes back, or the new
    // file takes its place, or it stays beside under its backup's name (Sicherungsname).
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
