#include "platform/win32/plattform_win32.h"

#include <algorithm>

namespace {

constexpr DWORD Unsichtbar =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

std::wstring Hex(DWORD zahl) {
    static const wchar_t ziffern[] = L"0123456789abcdef";
    std::wstring text;
    do {
        text.insert(text.begin(), ziffern[zahl % 16]);
        zahl /= 16;
    } while (zahl != 0);
    return text;
}

// True when the folder part of `pfad` does not exist as a folder: it is missing, or a file
// stands in its place. Wine answers a search below a file with ERROR_INVALID_NAME where
// Windows says ERROR_DIRECTORY; this tells that case from a name that is really bad.
bool Ordner_fehlt(const std::wstring& pfad) {
    const std::size_t trenner = pfad.find_last_of(L"\\/");
    if (trenner == std::wstring::npos || trenner == 0) return false;
    const DWORD attribute = GetFileAttributesW(pfad.substr(0, trenner).c_str());
    if (attribute != INVALID_FILE_ATTRIBUTES) return (attribute & FILE_ATTRIBUTE_DIRECTORY) == 0;
    const DWORD fehler = GetLastError();
    return fehler == ERROR_FILE_NOT_FOUND || fehler == ERROR_PATH_NOT_FOUND ||
           fehler == ERROR_DIRECTORY;
}

}  // namespace

Win32Plattform::Offene_Datei::~Offene_Datei() {
    datei.Schliessen();
    if (!temp.empty()) DeleteFileW(temp.c_str());
}

// --- Process and environment ---

std::string Win32Plattform::Umgebungsvariable(const std::string& name) {
    const std::wstring n = Breit(name);
    std::wstring wert(64, L'\0');
    for (;;) {
        const DWORD laenge =
            GetEnvironmentVariableW(n.c_str(), wert.data(), static_cast<DWORD>(wert.size()));
        if (laenge == 0) return "";  // unset (or set to nothing)
        if (laenge < wert.size()) {
            wert.resize(laenge);
            return Schmal(wert);
        }
        wert.resize(laenge);  // too small: `laenge` counts the terminating null
    }
}

std::wstring Win32Plattform::Modulpfad() {
    std::wstring pfad(MAX_PATH, L'\0');
    for (;;) {
        const DWORD laenge =
            GetModuleFileNameW(nullptr, pfad.data(), static_cast<DWORD>(pfad.size()));
        if (laenge == 0) throw Win32_fehler(GetLastError());
        if (laenge < pfad.size()) {
            pfad.resize(laenge);
            return pfad;
        }
        pfad.resize(pfad.size() * 2);  // truncated
    }
}

std::string Win32Plattform::Programmname() {
    std::wstring name = Modulpfad();
    name.erase(0, name.find_last_of(L"\\/") + 1);
    const std::size_t punkt = name.rfind(L'.');
    if (punkt != std::wstring::npos && punkt > 0) name.erase(punkt);
    return Schmal(name);
}

std::string Win32Plattform::Programmverzeichnis() {
    std::wstring ordner = Modulpfad();
    const std::size_t trenner = ordner.find_last_of(L"\\/");
    if (trenner == std::wstring::npos) return "";
    ordner.erase(trenner);
    if (ordner.size() == 2 && ordner[1] == L':') ordner += L'\\';  // a drive's root: C:\ .
    return Schmal(ordner);
}

Zeitpunkt Win32Plattform::Jetzt() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

// --- Probes ---

// Only ordinary files count. FindFirstFileExW matches * and ? in the last part without
// regard to case; a hidden or system match or a folder is passed over for the next one.
bool Win32Plattform::Suchen(const std::string& muster) {
    if (muster.empty() || muster.back() == '\\' || muster.back() == '/') return false;
    const std::wstring pfad = Breit(muster);
    WIN32_FIND_DATAW daten;
    const Suchhandle suche(
        FindFirstFileExW(pfad.c_str(), FindExInfoBasic, &daten, FindExSearchNameMatch, nullptr, 0));
    DWORD fehler = ERROR_NO_MORE_FILES;
    if (!suche) {
        fehler = GetLastError();
    } else {
        do {
            if ((daten.dwFileAttributes & Unsichtbar) == 0) return true;
        } while (FindNextFileW(suche.get(), &daten));
        fehler = GetLastError();
    }
    switch (fehler) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_NO_MORE_FILES:
        case ERROR_DIRECTORY:  // a file stands where a folder of the path should be
            return false;
        case ERROR_INVALID_NAME:
            if (Ordner_fehlt(pfad)) return false;
            throw Fehler(Fehlernummer::DateinameFalsch);
        default:  // no access, a drive that is not ready
            throw Fehler(Fehlernummer::DateinameFalsch);
    }
}

bool Win32Plattform::Datei_vorhanden(const std::string& pfad) {
    return Suchen(pfad);
}

bool Win32Plattform::Muster_vorhanden(const std::string& muster) {
    return Suchen(muster);
}

std::uint32_t Win32Plattform::Attribute_lesen(const std::string& pfad) {
    const DWORD attribute = GetFileAttributesW(Breit(pfad).c_str());
    if (attribute == INVALID_FILE_ATTRIBUTES) throw Win32_fehler(GetLastError());
    return attribute;
}

void Win32Plattform::Attribute_normal(const std::string& pfad) {
    if (!SetFileAttributesW(Breit(pfad).c_str(), FILE_ATTRIBUTE_NORMAL))
        throw Win32_fehler(GetLastError());
}

void Win32Plattform::Datei_entfernen(const std::string& pfad) {
    if (!DeleteFileW(Breit(pfad).c_str())) throw Win32_fehler(GetLastError());
}

// --- Contents ---

std::string Win32Plattform::Datei_lesen(const std::string& pfad) {
    const Handle datei(CreateFileW(Breit(pfad).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!datei) throw Win32_fehler(GetLastError());
    std::string inhalt;
    LARGE_INTEGER groesse;
    if (GetFileSizeEx(datei.get(), &groesse) && groesse.QuadPart > 0)
        inhalt.reserve(static_cast<std::size_t>(groesse.QuadPart));
    char puffer[64 * 1024];
    for (;;) {
        DWORD gelesen = 0;
        if (!ReadFile(datei.get(), puffer, sizeof puffer, &gelesen, nullptr))
            throw Win32_fehler(GetLastError());
        if (gelesen == 0) return inhalt;
        inhalt.append(puffer, gelesen);
    }
}

int Win32Plattform::Datei_oeffnen(const std::string& pfad, Schreibart art) {
    std::wstring ziel = Breit(pfad);
    const int nr = naechste_nummer_;

    if (art == Schreibart::Anhaengen) {
        // Windows refuses write access to a read-only file by itself; asking first gives the
        // same answer where the file system would let the write through (Wine run as root).
        const DWORD attribute = GetFileAttributesW(ziel.c_str());
        if (attribute != INVALID_FILE_ATTRIBUTES &&
            (attribute & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
            throw Fehler(Fehlernummer::ZugriffVerweigert);
        Handle datei(CreateFileW(ziel.c_str(), FILE_APPEND_DATA,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!datei) throw Win32_fehler(GetLastError());
        offen_.try_emplace(nr, std::move(datei), std::move(ziel), std::wstring(), art);
        ++naechste_nummer_;
        return nr;
    }

    // Ersetzen: only start when the old file could be replaced now.
    const DWORD attribute = GetFileAttributesW(ziel.c_str());
    if (attribute == INVALID_FILE_ATTRIBUTES) {
        const DWORD fehler = GetLastError();
        if (fehler != ERROR_FILE_NOT_FOUND) throw Win32_fehler(fehler);
    } else {
        if (attribute & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            throw Fehler(Fehlernummer::ZugriffVerweigert);
        const Handle probe(CreateFileW(ziel.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!probe) throw Win32_fehler(GetLastError());
    }

    // The new file beside the old one, under a name no other file has.
    for (int versuch = 0;; ++versuch) {
        std::wstring temp =
            ziel + L".~" + Hex(GetCurrentProcessId()) + L"-" + Hex(++temp_zaehler_) + L".tmp";
        Handle datei(CreateFileW(temp.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
        if (datei) {
            offen_.try_emplace(nr, std::move(datei), std::move(ziel), std::move(temp), art);
            ++naechste_nummer_;
            return nr;
        }
        const DWORD fehler = GetLastError();
        if ((fehler != ERROR_FILE_EXISTS && fehler != ERROR_ALREADY_EXISTS) || versuch >= 100)
            throw Win32_fehler(fehler);
    }
}

void Win32Plattform::Datei_schreiben(int nr, const std::string& bytes) {
    const auto it = offen_.find(nr);
    if (it == offen_.end()) throw Fehler(Fehlernummer::DateinameFalsch);
    Offene_Datei& datei = it->second;
    const char* daten = bytes.data();
    std::size_t rest = bytes.size();
    while (rest > 0) {
        const DWORD stueck = static_cast<DWORD>(std::min<std::size_t>(rest, 1u << 30));
        DWORD geschrieben = 0;
        if (!WriteFile(datei.datei.get(), daten, stueck, &geschrieben, nullptr)) {
            const DWORD fehler = GetLastError();
            datei.fehler = Fehlernummer_von(fehler);
            throw Win32_fehler(fehler);
        }
        if (geschrieben == 0) {
            datei.fehler = Fehlernummer::DatentraegerVoll;
            throw Fehler(Fehlernummer::DatentraegerVoll);
        }
        daten += geschrieben;
        rest -= geschrieben;
    }
}

void Win32Plattform::Datei_schliessen(int nr, bool uebernehmen) {
    const auto it = offen_.find(nr);
    if (it == offen_.end()) throw Fehler(Fehlernummer::DateinameFalsch);
    // Taken out of the table first: whatever happens below, the number is closed, and the
    // destructor removes a new file that did not take the old one's place.
    const auto eintrag = offen_.extract(it);
    Offene_Datei& datei = eintrag.mapped();
    if (datei.art == Schreibart::Anhaengen || !uebernehmen) return;
    if (datei.fehler) throw Fehler(*datei.fehler);
    if (!FlushFileBuffers(datei.datei.get())) throw Win32_fehler(GetLastError());
    if (!datei.datei.Schliessen()) throw Win32_fehler(GetLastError());
    if (!MoveFileExW(datei.temp.c_str(), datei.ziel.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw Win32_fehler(GetLastError());
    datei.temp.clear();  // it is the target now
}

// --- The end ---

void Win32Plattform::Beenden() {
    offen_.clear();
    ExitProcess(0);
}
