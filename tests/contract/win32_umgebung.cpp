// The contract tests on Windows: a fresh folder in the user's temporary folder per test,
// set up and inspected with the W functions directly, and Win32Plattform under test.
#include <algorithm>
#include <map>
#include <mutex>
#include <set>
#include <stdexcept>

#include "platform/win32/plattform_win32.h"
#include "tests/contract/umgebung.h"
#include "tools/baum_entfernen.h"

namespace {

[[noreturn]] void Einrichtung_gescheitert(const std::string& was, const std::string& pfad) {
    throw std::runtime_error(was + " " + pfad + ": Win32 error " + std::to_string(GetLastError()));
}

// What Ersetzen_wie asks of the file system, for the file functions below.
using Ersetzung = Umgebung::Ersetzung;
Ersetzung ersetzung = Ersetzung::Normal;

enum class Funktion { Attribute, Oeffnen, Loeschen, Verschieben, Ersetzen };
bool Verweigert(LPCWSTR pfad, Funktion funktion);

// What other programs do to a replacement, as Kurz_stoeren asks, in place of an error code:
// another writer's whole file takes the target's place at the moment the replacement has moved
// the old one aside; another program deletes the new file just before.
constexpr DWORD Ueberholt_von_anderem = 0xE0000001, Neue_geloescht = 0xE0000002;

// ReplaceFileW as a file system answers that knows none, or one that stops halfway.
BOOL WINAPI Ersetzen_wie_verlangt(LPCWSTR ziel, LPCWSTR ersatz, LPCWSTR sicherung, DWORD art,
                                  LPVOID ausschluss, LPVOID reserviert) {
    if (Verweigert(ziel, Funktion::Ersetzen)) {
        if (GetLastError() == Neue_geloescht) {
            DeleteFileW(ersatz);
            return ReplaceFileW(ziel, ersatz, sicherung, art, ausschluss, reserviert);
        }
        if (GetLastError() == Ueberholt_von_anderem) {
            if (!MoveFileExW(ziel, sicherung, 0)) return FALSE;
            const Handle fremd(CreateFileW(ziel, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
            DWORD geschrieben = 0;
            WriteFile(fremd.get(), "von einem anderen Schreiber", 27, &geschrieben, nullptr);
            SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
            return FALSE;
        }
        // Halfway: the old file under the backup name first.
        if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 && MoveFileExW(ziel, sicherung, 0))
            SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
        return FALSE;
    }
    if (ersetzung == Ersetzung::Normal)
        return ReplaceFileW(ziel, ersatz, sicherung, art, ausschluss, reserviert);
    if (ersetzung == Ersetzung::Nicht_unterstuetzt) {
        SetLastError(ERROR_INVALID_FUNCTION);
        return FALSE;
    }
    if (!MoveFileExW(ziel, sicherung, 0)) return FALSE;
    SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
    return FALSE;
}

// MoveFileExW after a halfway replacement: the moves that Ersetzen_wie rules out fail as on a
// share that has gone away.
BOOL WINAPI Verschieben_wie_verlangt(LPCWSTR von, LPCWSTR nach, DWORD art) {
    if (Verweigert(nach, Funktion::Verschieben)) return FALSE;
    const std::wstring v = von;
    const bool zurueck = v.size() > 4 && v.compare(v.size() - 4, 4, L".bak") == 0;
    if ((zurueck && (ersetzung == Ersetzung::Halb_neue || ersetzung == Ersetzung::Halb_keine)) ||
        (!zurueck && ersetzung == Ersetzung::Halb_keine)) {
        SetLastError(ERROR_UNEXP_NET_ERR);
        return FALSE;
    }
    return MoveFileExW(von, nach, art);
}

// A file that the test holds open sharing delete keeps its name after a delete, the delete
// pending. Windows then answers "access denied" to every look at it and every try to open or
// delete it, where Wine reads it as any other file: the file functions below answer as
// Windows does, and give the errors that Kurz_stoeren asks for. Guarded, since a thread of
// the test lets go of a file held for a moment.
struct Loeschfreigaben {
    std::mutex sperre;
    std::set<std::wstring> gehalten;   // keys: the path as the platform passes it, small letters
    std::set<std::wstring> anstehend;  // deleted since
    std::map<std::wstring, std::pair<DWORD, int>> stoerungen;  // the error, tries left
};
Loeschfreigaben loeschfreigaben;

std::wstring Schluessel(std::wstring pfad) {
    CharLowerBuffW(pfad.data(), static_cast<DWORD>(pfad.size()));
    return pfad;
}

// True, with the error set, when a try of `funktion` on `pfad` meets a pending delete or a
// disturbance: ReplaceFileW's own errors (and Wine's "invalid handle") only ReplaceFileW, a
// file just taken away only the next open, the others every function.
bool Verweigert(LPCWSTR pfad, Funktion funktion) {
    const std::lock_guard<std::mutex> g(loeschfreigaben.sperre);
    const std::wstring schluessel = Schluessel(pfad);
    const auto stoerung = loeschfreigaben.stoerungen.find(schluessel);
    if (stoerung != loeschfreigaben.stoerungen.end()) {
        auto& [fehler, versuche] = stoerung->second;
        const Funktion nur = fehler == ERROR_UNABLE_TO_REMOVE_REPLACED ||
                                     fehler == ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
                                     fehler == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 ||
                                     fehler == ERROR_INVALID_HANDLE ||
                                     fehler == Ueberholt_von_anderem || fehler == Neue_geloescht
                                 ? Funktion::Ersetzen
                             : fehler == ERROR_FILE_NOT_FOUND ? Funktion::Oeffnen
                                                              : funktion;
        if (versuche > 0 && funktion == nur) {
            --versuche;
            SetLastError(fehler);
            return true;
        }
    }
    if (loeschfreigaben.anstehend.count(schluessel) == 0) return false;
    SetLastError(ERROR_ACCESS_DENIED);
    return true;
}

DWORD WINAPI Attribute_wie_windows(LPCWSTR pfad) {
    return Verweigert(pfad, Funktion::Attribute) ? INVALID_FILE_ATTRIBUTES
                                                 : GetFileAttributesW(pfad);
}

HANDLE WINAPI Oeffnen_wie_windows(LPCWSTR pfad, DWORD zugriff, DWORD teilen,
                                  LPSECURITY_ATTRIBUTES sicherheit, DWORD art, DWORD attribute,
                                  HANDLE vorlage) {
    if (Verweigert(pfad, Funktion::Oeffnen)) return INVALID_HANDLE_VALUE;
    return CreateFileW(pfad, zugriff, teilen, sicherheit, art, attribute, vorlage);
}

BOOL WINAPI Loeschen_wie_windows(LPCWSTR pfad) {
    if (Verweigert(pfad, Funktion::Loeschen) || !DeleteFileW(pfad)) return FALSE;
    const std::lock_guard<std::mutex> g(loeschfreigaben.sperre);
    if (loeschfreigaben.gehalten.count(Schluessel(pfad)))
        loeschfreigaben.anstehend.insert(Schluessel(pfad));
    return TRUE;
}

void Loslassen(const std::wstring& schluessel) {
    const std::lock_guard<std::mutex> g(loeschfreigaben.sperre);
    loeschfreigaben.gehalten.erase(schluessel);
    loeschfreigaben.anstehend.erase(schluessel);
}

// A file held open by the test until a thread lets go of it, 300 ms from now.
struct Kurz_gehalten {
    HANDLE datei;
    std::wstring schluessel;  // of a file held sharing delete; else empty
};

class Win32_Umgebung : public Umgebung {
  public:
    Win32_Umgebung() {
        wchar_t temp[MAX_PATH + 1];
        const DWORD laenge = GetTempPathW(MAX_PATH + 1, temp);
        if (laenge == 0 || laenge > MAX_PATH) Einrichtung_gescheitert("GetTempPathW", "");
        static unsigned zaehler = 0;
        wurzel_ = std::wstring(temp, laenge) + L"sfk-vertrag-" +
                  std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++zaehler);
        Baum_entfernen(wurzel_);  // left over by an earlier run that was killed
        if (!CreateDirectoryW(wurzel_.c_str(), nullptr))
            Einrichtung_gescheitert("CreateDirectoryW", Schmal(wurzel_));
        ersetzung = Ersetzung::Normal;
        loeschfreigaben.gehalten.clear();
        loeschfreigaben.anstehend.clear();
        loeschfreigaben.stoerungen.clear();
        Win32Plattform::Dateifunktionen& f = plattform_->dateifunktionen;
        f.Ersetzen = Ersetzen_wie_verlangt;
        f.Verschieben = Verschieben_wie_verlangt;
        f.Attribute = Attribute_wie_windows;
        f.Oeffnen = Oeffnen_wie_windows;
        f.Loeschen = Loeschen_wie_windows;
    }
    ~Win32_Umgebung() override {
        if (prozess_.hProcess) {
            TerminateProcess(prozess_.hProcess, 0);
            CloseHandle(prozess_.hProcess);
            CloseHandle(prozess_.hThread);
        }
        plattform_.reset();  // its open files first
        Kurze_Sperre_abwarten();
        sperren_.clear();
        for (const std::wstring& name : variablen_) SetEnvironmentVariableW(name.c_str(), nullptr);
        Baum_entfernen(Api_pfad(wurzel_));
        if (!freigabe_.empty()) Baum_entfernen(Api_pfad(freigabe_));
    }

    Plattform& plattform() override { return *plattform_; }
    std::string Wurzel() override { return Schmal(wurzel_); }

    void Ordner_anlegen(const std::string& pfad) override {
        if (!CreateDirectoryW(Api_pfad(pfad).c_str(), nullptr))
            Einrichtung_gescheitert("CreateDirectoryW", pfad);
    }

    void Datei_anlegen(const std::string& pfad, const std::string& bytes,
                       std::uint32_t attribute) override {
        const std::wstring p = Api_pfad(pfad);
        {
            const Handle datei(CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!datei) Einrichtung_gescheitert("CreateFileW", pfad);
            DWORD geschrieben = 0;
            if (!bytes.empty() &&
                (!WriteFile(datei.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                            &geschrieben, nullptr) ||
                 geschrieben != bytes.size()))
                Einrichtung_gescheitert("WriteFile", pfad);
        }
        if (!SetFileAttributesW(p.c_str(), attribute))
            Einrichtung_gescheitert("SetFileAttributesW", pfad);
    }

    void Sperren(const std::string& pfad) override { sperren_[pfad] = Oeffnen(pfad, 0); }
    void Freigeben(const std::string& pfad) override {
        sperren_.erase(pfad);
        Loslassen(Schluessel(Api_pfad(pfad)));
    }
    void Kurz_stoeren(const std::string& pfad, Stoerung art) override {
        if (art == Stoerung::Gesperrt) {
            Kurz_halten(new Kurz_gehalten{Oeffnen(pfad, 0).Abgeben(), {}});
            return;
        }
        const std::map<Stoerung, std::pair<DWORD, int>> fehler = {
            {Stoerung::Zugriff_verweigert, {ERROR_ACCESS_DENIED, 3}},
            {Stoerung::Loeschen_anstehend, {ERROR_DELETE_PENDING, 3}},
            {Stoerung::Alte_bleibt, {ERROR_UNABLE_TO_REMOVE_REPLACED, 3}},
            {Stoerung::Neue_bleibt, {ERROR_UNABLE_TO_MOVE_REPLACEMENT, 3}},
            {Stoerung::Ziel_weg, {ERROR_FILE_NOT_FOUND, 1}},
            {Stoerung::Ersetzen_ungueltig, {ERROR_INVALID_HANDLE, 3}},
            {Stoerung::Ersetzen_halb, {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, 3}},
            {Stoerung::Ueberholt, {Ueberholt_von_anderem, 3}},
            {Stoerung::Neue_weg, {Neue_geloescht, 1}},
        };
        const std::lock_guard<std::mutex> g(loeschfreigaben.sperre);
        loeschfreigaben.stoerungen[Schluessel(Api_pfad(pfad))] = fehler.at(art);
    }
    void Loeschen_aufhalten(const std::string& pfad) override {
        sperren_[pfad] = Mit_Loeschfreigabe_oeffnen(pfad);
    }
    void Loeschen_kurz_aufhalten(const std::string& pfad) override {
        HANDLE datei = Mit_Loeschfreigabe_oeffnen(pfad).Abgeben();
        Kurz_halten(new Kurz_gehalten{datei, Schluessel(Api_pfad(pfad))});
    }

    void Variable_setzen(const std::string& name, const std::string& wert) override {
        if (!SetEnvironmentVariableW(Breit(name).c_str(), Breit(wert).c_str()))
            Einrichtung_gescheitert("SetEnvironmentVariableW", name);
        variablen_.push_back(Breit(name));
    }

    void Ersetzen_wie(Ersetzung art) override { ersetzung = art; }
    // This computer's clock is the file system's.
    bool Dateiuhr_vor(std::int64_t sekunden) override { return sekunden == 0; }
    void Neue_Benutzeraktion() override { plattform_->wiederholung.Neue_Frist(); }
    std::int64_t Millisekunden() override { return static_cast<std::int64_t>(GetTickCount64()); }
    std::uint32_t Prozessnummer() override { return GetCurrentProcessId(); }
    void Alter_setzen(const std::string& pfad, std::int64_t sekunden) override {
        FILETIME jetzt;
        GetSystemTimeAsFileTime(&jetzt);
        ULARGE_INTEGER t{};
        t.LowPart = jetzt.dwLowDateTime;
        t.HighPart = jetzt.dwHighDateTime;
        t.QuadPart -= static_cast<ULONGLONG>(sekunden * 10000000);
        const FILETIME zeit{t.LowPart, t.HighPart};
        const Handle datei(CreateFileW(Api_pfad(pfad).c_str(), FILE_WRITE_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!datei || !SetFileTime(datei.get(), nullptr, nullptr, &zeit))
            Einrichtung_gescheitert("SetFileTime", pfad);
    }

    // The share \\sfk-server\freigabe, when the test command provides it: under Wine a
    // folder linked into the prefix as dosdevices/unc/sfk-server/freigabe.
    std::optional<std::string> Auf_einer_Freigabe() override {
        const std::wstring freigabe = L"\\\\sfk-server\\freigabe";
        const DWORD attribute = GetFileAttributesW(freigabe.c_str());
        if (attribute == INVALID_FILE_ATTRIBUTES || !(attribute & FILE_ATTRIBUTE_DIRECTORY))
            return std::nullopt;
        freigabe_ = freigabe + wurzel_.substr(wurzel_.find_last_of(L'\\'));
        Baum_entfernen(freigabe_);  // left over by an earlier run that was killed
        if (!CreateDirectoryW(freigabe_.c_str(), nullptr))
            Einrichtung_gescheitert("CreateDirectoryW", Schmal(freigabe_));
        return Schmal(freigabe_);
    }

    std::string Computername() override {
        wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
        DWORD laenge = MAX_COMPUTERNAME_LENGTH + 1;
        if (!GetComputerNameW(name, &laenge)) Einrichtung_gescheitert("GetComputerNameW", "");
        return Schmal(std::wstring(name, laenge));
    }

    // This test program once more, suspended until the test ends.
    std::uint32_t Laufender_Prozess() override {
        if (!prozess_.hProcess) {
            wchar_t programm[MAX_PATH + 1];
            GetModuleFileNameW(nullptr, programm, MAX_PATH + 1);
            STARTUPINFOW start{};
            start.cb = sizeof(start);
            if (!CreateProcessW(programm, nullptr, nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                                nullptr, nullptr, &start, &prozess_))
                Einrichtung_gescheitert("CreateProcessW", Schmal(programm));
        }
        return prozess_.dwProcessId;
    }

    std::optional<std::string> Inhalt(const std::string& pfad) override {
        const Handle datei(CreateFileW(Api_pfad(pfad).c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!datei) {
            if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::nullopt;
            Einrichtung_gescheitert("CreateFileW (read)", pfad);
        }
        std::string inhalt;
        char puffer[4096];
        DWORD gelesen = 0;
        while (ReadFile(datei.get(), puffer, sizeof puffer, &gelesen, nullptr) && gelesen > 0)
            inhalt.append(puffer, gelesen);
        return inhalt;
    }

    std::vector<std::string> Namen(const std::string& ordner) override {
        std::vector<std::string> namen;
        WIN32_FIND_DATAW daten;
        const Suchhandle suche(FindFirstFileW(Api_pfad(ordner + "\\*").c_str(), &daten));
        if (!suche) Einrichtung_gescheitert("FindFirstFileW", ordner);
        do {
            const std::wstring name = daten.cFileName;
            if (name != L"." && name != L"..") namen.push_back(Schmal(name));
        } while (FindNextFileW(suche.get(), &daten));
        std::sort(namen.begin(), namen.end());
        return namen;
    }

  private:
    static Handle Oeffnen(const std::string& pfad, DWORD teilen) {
        Handle datei(CreateFileW(Api_pfad(pfad).c_str(), GENERIC_READ | GENERIC_WRITE, teilen,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!datei) Einrichtung_gescheitert("CreateFileW (hold)", pfad);
        return datei;
    }
    static Handle Mit_Loeschfreigabe_oeffnen(const std::string& pfad) {
        Handle datei = Oeffnen(pfad, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
        const std::lock_guard<std::mutex> g(loeschfreigaben.sperre);
        loeschfreigaben.gehalten.insert(Schluessel(Api_pfad(pfad)));
        return datei;
    }
    void Kurz_halten(Kurz_gehalten* gehalten) {
        Kurze_Sperre_abwarten();
        kurze_sperre_ = CreateThread(
            nullptr, 0,
            [](void* g) -> DWORD {
                const std::unique_ptr<Kurz_gehalten> k(static_cast<Kurz_gehalten*>(g));
                Sleep(300);
                CloseHandle(k->datei);
                if (!k->schluessel.empty()) Loslassen(k->schluessel);
                return 0;
            },
            gehalten, 0, nullptr);
        if (!kurze_sperre_) {
            CloseHandle(gehalten->datei);
            delete gehalten;
            Einrichtung_gescheitert("CreateThread", "");
        }
    }
    void Kurze_Sperre_abwarten() {
        if (!kurze_sperre_) return;
        WaitForSingleObject(kurze_sperre_, INFINITE);
        CloseHandle(kurze_sperre_);
        kurze_sperre_ = nullptr;
    }

    HANDLE kurze_sperre_ = nullptr;  // the thread that lets go of a file held for a moment
    PROCESS_INFORMATION prozess_{};  // Laufender_Prozess
    std::unique_ptr<Win32Plattform> plattform_ = std::make_unique<Win32Plattform>();
    std::wstring wurzel_;
    std::wstring freigabe_;  // Auf_einer_Freigabe
    std::map<std::string, Handle> sperren_;
    std::vector<std::wstring> variablen_;
};

}  // namespace

std::unique_ptr<Umgebung> Neue_Umgebung() {
    return std::make_unique<Win32_Umgebung>();
}
