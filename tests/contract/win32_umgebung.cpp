// The contract tests on Windows: a fresh folder in the user's temporary folder per test,
// set up and inspected with the W functions directly, and Win32Plattform under test.
#include <algorithm>
#include <map>
#include <stdexcept>

#include "platform/win32/plattform_win32.h"
#include "tests/contract/umgebung.h"
#include "tools/baum_entfernen.h"

namespace {

[[noreturn]] void Einrichtung_gescheitert(const std::string& was, const std::string& pfad) {
    throw std::runtime_error(was + " " + pfad + ": Win32 error " + std::to_string(GetLastError()));
}

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
    }
    ~Win32_Umgebung() override {
        plattform_.reset();  // its open files first
        Kurze_Sperre_abwarten();
        sperren_.clear();
        for (const std::wstring& name : variablen_) SetEnvironmentVariableW(name.c_str(), nullptr);
        Baum_entfernen(Api_pfad(wurzel_));
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

    void Sperren(const std::string& pfad) override { sperren_[pfad] = Ohne_Teilen_oeffnen(pfad); }
    void Freigeben(const std::string& pfad) override { sperren_.erase(pfad); }

    void Kurz_sperren(const std::string& pfad) override {
        Kurze_Sperre_abwarten();
        HANDLE datei = Ohne_Teilen_oeffnen(pfad).Abgeben();
        kurze_sperre_ = CreateThread(
            nullptr, 0,
            [](void* h) -> DWORD {
                Sleep(300);
                CloseHandle(static_cast<HANDLE>(h));
                return 0;
            },
            datei, 0, nullptr);
        if (!kurze_sperre_) {
            CloseHandle(datei);
            Einrichtung_gescheitert("CreateThread", pfad);
        }
    }

    void Variable_setzen(const std::string& name, const std::string& wert) override {
        if (!SetEnvironmentVariableW(Breit(name).c_str(), Breit(wert).c_str()))
            Einrichtung_gescheitert("SetEnvironmentVariableW", name);
        variablen_.push_back(Breit(name));
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
    static Handle Ohne_Teilen_oeffnen(const std::string& pfad) {
        Handle datei(CreateFileW(Api_pfad(pfad).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!datei) Einrichtung_gescheitert("CreateFileW (lock)", pfad);
        return datei;
    }
    void Kurze_Sperre_abwarten() {
        if (!kurze_sperre_) return;
        WaitForSingleObject(kurze_sperre_, INFINITE);
        CloseHandle(kurze_sperre_);
        kurze_sperre_ = nullptr;
    }

    HANDLE kurze_sperre_ = nullptr;  // the thread that lets go of a file held for a moment
    std::unique_ptr<Win32Plattform> plattform_ = std::make_unique<Win32Plattform>();
    std::wstring wurzel_;
    std::map<std::string, Handle> sperren_;
    std::vector<std::wstring> variablen_;
};

}  // namespace

std::unique_ptr<Umgebung> Neue_Umgebung() {
    return std::make_unique<Win32_Umgebung>();
}
