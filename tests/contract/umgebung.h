// The world the contract tests run in: a folder that belongs to one test, ways to set up
// files in it behind the platform's back, and the platform under test. The in-memory fake
// and Win32Plattform on a real folder each provide one, and the same tests run on both.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/plattform.h"

class Umgebung {
  public:
    virtual ~Umgebung() = default;

    virtual Plattform& plattform() = 0;
    // An empty folder of this test's own: a full path without a trailing backslash.
    virtual std::string Wurzel() = 0;

    virtual void Ordner_anlegen(const std::string& pfad) = 0;
    virtual void Datei_anlegen(const std::string& pfad, const std::string& bytes,
                               std::uint32_t attribute = Attribut::Archiv) = 0;
    // Another program holds the file open without sharing, until Freigeben.
    virtual void Sperren(const std::string& pfad) = 0;
    virtual void Freigeben(const std::string& pfad) = 0;
    // For a moment the file is busy, in one of the ways that other programs and another
    // writer on this computer cause; then it is free again by itself.
    enum class Stoerung {
        Gesperrt,            // held open without sharing (a virus scanner): 300 ms on Windows
        Zugriff_verweigert,  // being replaced or deleted: "access denied"
        Loeschen_anstehend,  // being deleted: "delete pending"
        Alte_bleibt,         // ReplaceFileW can't remove the old file yet
        Neue_bleibt,         // ReplaceFileW can't move the new file yet
        Ziel_weg,            // just taken away, as the file is checked: it is missing then
        Ersetzen_ungueltig,  // ReplaceFileW under Wine while another Wine server's writer moves
                             // the file: "invalid handle", nothing moved
        Ersetzen_halb,       // ReplaceFileW under Wine then: stops halfway, the old file moved
                             // to the backup name
        Ueberholt,  // another writer's whole file takes the target's place as it is replaced
        Neue_weg,   // once: the replacement's new file deleted just before it takes the place
    };
    // Win32 answers the next three tries of its file functions on the file with the error;
    // the fake finds it locked for three tries (it knows no one taking it away).
    virtual void Kurz_stoeren(const std::string& pfad, Stoerung art) = 0;
    // Another program holds the file open sharing delete (a virus scanner, a reader on a
    // share): a delete succeeds, but the name stays, the delete pending, until Freigeben;
    // or, for a moment, until it lets go by itself.
    virtual void Loeschen_aufhalten(const std::string& pfad) = 0;
    virtual void Loeschen_kurz_aufhalten(const std::string& pfad) = 0;
    virtual void Variable_setzen(const std::string& name, const std::string& wert) = 0;
    // How the next replacements of an existing file go on this file system.
    enum class Ersetzung {
        Normal,
        Nicht_unterstuetzt,  // no replacing in one step (some network storage)
        // The old file moved aside to a backup's name, the new one can't follow; then:
        Halb_zurueck,  // the old one can move back
        Halb_neue,     // it can't, but the new one can take the place
        Halb_keine,    // neither can move
    };
    virtual void Ersetzen_wie(Ersetzung art) = 0;
    // The file was last written `sekunden` ago by the file system's clock (negative: that far
    // ahead of it).
    virtual void Alter_setzen(const std::string& pfad, std::int64_t sekunden) = 0;
    // The file system's clock (a share's server's) runs `sekunden` ahead of this computer's;
    // false where that can't be had.
    virtual bool Dateiuhr_vor(std::int64_t sekunden) = 0;

    // A user's action begins: the deadline of its waits starts anew.
    virtual void Neue_Benutzeraktion() = 0;
    // A clock of milliseconds that runs while the platform waits.
    virtual std::int64_t Millisekunden() = 0;
    // The number of the process the platform writes into the names of its new files.
    virtual std::uint32_t Prozessnummer() = 0;

    // An empty folder of this test's own on a server's share, \\server\share\...; none
    // where no share is at hand.
    virtual std::optional<std::string> Auf_einer_Freigabe() = 0;

    // The computer's name, as the platform writes it into the names of its new files.
    virtual std::string Computername() = 0;
    // The number of another process of this computer, one that runs while the test does.
    virtual std::uint32_t Laufender_Prozess() = 0;

    // What is really there, seen without the platform under test.
    virtual std::optional<std::string> Inhalt(const std::string& pfad) = 0;
    // The names of all entries in the folder (hidden ones too), sorted.
    virtual std::vector<std::string> Namen(const std::string& ordner) = 0;
};

std::unique_ptr<Umgebung> Neue_Umgebung();
