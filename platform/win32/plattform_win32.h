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
    // GetACP's code page: the tables of 1252 and 1250 the program carries, others as Windows
    // converts them.
    const Codetabelle& Ansi_codetabelle() override;

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

  private:
    // How a file held open for a moment by another program is waited for.
    const Wiederholung wiederholung{};

    // A file open for writing. For Ersetzen the bytes go to `temp` in the target's folder;
    // until it has taken the target's place, the destructor removes it. Both paths are in
    // the form the file functions take (Api_pfad).
    struct Offene_Datei {
        Handle datei;
        std::wstring ziel;
        std::wstring temp;
        Schreibart art;
        std::optional<long> fehler;  // a write failed: the file must not replace the target
        Offene_Datei(Handle h, std::wstring ziel_, std::wstring temp_, Schreibart art_)
            : datei(std::move(h)), ziel(std::move(ziel_)), temp(std::move(temp_)), art(art_) {}
        ~Offene_Datei();
        Offene_Datei(const Offene_Datei&) = delete;
        Offene_Datei& operator=(const Offene_Datei&) = delete;
    };
    std::wstring Modulpfad();
    std::wstring Neuer_Ersatzname(const std::string& ziel);
    // Removes what writers of `ziel` left behind (Ersatzname_prozess) that no one holds open
    // and whose writer has ended.
    void Reste_entfernen(const std::string& ziel);
    // Puts the finished new file in the target's place.
    void Uebernehmen(Offene_Datei& datei);

    std::map<int, Offene_Datei> offen_;
    int naechste_nummer_ = 1;
    unsigned temp_zaehler_ = 0;
    std::optional<Codetabelle> codetabelle_;

    std::unique_ptr<class Win32Fenster> fenster_;
};
