// The platform on Windows. Paths are UTF-8 inside the program and UTF-16 at the API.
//
// The constructor and destructor are defined in plattform_win32.cpp, where Win32Fenster is a
// complete type, as the unique_ptr member needs wherever it may be created or destroyed.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/plattform.h"
#include "platform/win32/hilfen_win32.h"

class Win32Fenster;

class Win32Plattform : public Plattform {
  public:
    Win32Plattform();
    ~Win32Plattform() override;
    Win32Plattform(const Win32Plattform&) = delete;
    Win32Plattform& operator=(const Win32Plattform&) = delete;

    std::string Umgebungsvariable(const std::string& name) override;
    std::string Programmname() override;
    std::string Programmverzeichnis() override;
    Zeitpunkt Jetzt() override;
    // GetACP's code page: through the tables of 1252 and 1250 the program carries, or of
    // another 8-bit code page as Windows converts it, so that every byte comes back; UTF-8
    // as it is; double-byte code pages as Windows converts them.
    std::string Text_nach_Ansi(const std::string& text) override;
    std::string Text_von_Ansi(const std::string& bytes) override;
    // CharLowerBuffW, Windows' own case mapping, character by character.
    std::string Kleinbuchstaben(const std::string& text) override;

    bool Datei_vorhanden(const std::string& muster) override;
    std::uint32_t Attribute_lesen(const std::string& pfad) override;
    void Attribute_normal(const std::string& pfad) override;
    void Datei_entfernen(const std::string& pfad) override;

    std::string Datei_lesen(const std::string& pfad) override;
    int Datei_oeffnen(const std::string& pfad, Schreibart art) override;
    void Datei_schreiben(int nr, const std::string& bytes) override;
    void Datei_schliessen(int nr, bool uebernehmen) override;

    // Ends the process at once; files still open for Ersetzen are given up first.
    [[noreturn]] void Beenden(int exitcode) override;

    void Piepen() override;
    void Meldungsfenster(const std::string& text, const std::string& titel) override;
    Fenster& Hauptfenster_erstellen(const Fensterbeschreibung& beschreibung,
                                    Fensterereignisse& ereignisse) override;
    Fenster& Hauptfenster() override;
    void Hauptfenster_zeigen() override;
    std::string Ordner_auswaehlen(const std::string& titel) override;
    std::optional<std::uint32_t> Farbe_auswaehlen(std::uint32_t farbe, bool voll) override;

    // The file functions whose answers depend on the file system and on other writers: a
    // share that knows no ReplaceFileW, a replacement that stops halfway, a file that another
    // program replaces or deletes at the same moment. The platform calls them through this
    // table, so that a test can give those answers where its own disk never would.
    struct Dateifunktionen {
        decltype(&::CreateFileW) Oeffnen = ::CreateFileW;
        decltype(&::DeleteFileW) Loeschen = ::DeleteFileW;
        decltype(&::GetFileAttributesW) Attribute = ::GetFileAttributesW;
        decltype(&::MoveFileExW) Verschieben = ::MoveFileExW;
        decltype(&::ReplaceFileW) Ersetzen = ::ReplaceFileW;
    };
    Dateifunktionen dateifunktionen;

    // How a file held open for a moment by another program is waited for; the deadline of the
    // waits starts anew with every event of the window, a user's action.
    Wiederholung wiederholung;

  private:
    // A file open for writing. For Ersetzen the bytes go to `temp` in the target's folder;
    // until it has taken the target's place, the destructor removes it. Both paths are in
    // the form the file functions take (Api_pfad).
    struct Offene_Datei {
        Handle datei;
        std::wstring ziel;
        std::wstring temp;
        Schreibart art;
        std::string inhalt;          // Ersetzen: all that was written, to write it again
        std::optional<long> fehler;  // a write failed: the file must not replace the target
        Offene_Datei(Handle h, std::wstring ziel_, std::wstring temp_, Schreibart art_)
            : datei(std::move(h)), ziel(std::move(ziel_)), temp(std::move(temp_)), art(art_) {}
        ~Offene_Datei();
        Offene_Datei(const Offene_Datei&) = delete;
        Offene_Datei& operator=(const Offene_Datei&) = delete;
    };
    std::wstring Modulpfad();
    // The names of a new file and of a backup beside `ziel` (Ersatzname, Sicherungsname), in
    // the form the file functions take.
    std::wstring Neuer_Ersatzname(const std::string& ziel);
    std::wstring Neuer_Sicherungsname(const std::string& ziel);
    // Removes the new files that writers of `ziel` left behind, as far as Rest_entfernbar
    // lets them go, at the file system's time `jetzt`, and no one holds them open; never
    // `eigene`, this write's own.
    void Reste_entfernen(const std::string& ziel, const std::wstring& eigene,
                         const FILETIME& jetzt);
    // A new file beside `ziel`, open for writing, and its name in `temp`.
    Handle Neue_Datei(const std::string& ziel, std::wstring& temp);
    // Puts the finished new file in the target's place: false when another writer's file has
    // taken it meanwhile.
    bool Uebernehmen(Offene_Datei& datei);
    // The write once more, in a new file from the content held.
    void Neu_schreiben(Offene_Datei& datei);

    std::map<int, Offene_Datei> offen_;
    int naechste_nummer_ = 1;
    unsigned temp_zaehler_ = 0;
    const std::string computername_;  // in the names of new files and backups
    // The system's ANSI code page, and its table when it is an 8-bit one.
    struct Ansi_seite {
        UINT codepage;
        std::optional<Codetabelle> tabelle;
    };
    const Ansi_seite& Ansi();
    std::optional<Ansi_seite> ansi_;

    std::unique_ptr<Ereignisse_mit_Vorlauf> fristereignisse_;
    std::unique_ptr<class Win32Fenster> fenster_;
};
