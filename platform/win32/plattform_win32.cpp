#include "platform/win32/plattform_win32.h"

#include <algorithm>

#include "platform/codetabellen.h"
#include "platform/ersatzname.h"
#include "platform/utf8.h"
#include "platform/win32/dialoge_win32.h"
#include "platform/win32/fenster_win32.h"

namespace {

constexpr DWORD Unsichtbar =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// True when the folder part of `pfad` does not exist as a folder: it is missing, or a file
// stands in its place. Wine answers a search below a file with ERROR_INVALID_NAME where
// Windows says ERROR_DIRECTORY; this tells that case from a name that is really bad.
bool Ordner_fehlt(const std::wstring& pfad) {
    const std::size_t trenner = pfad.find_last_of(L"\\/");
    if (trenner == std::wstring::npos || trenner == 0) return false;
    const DWORD attribute = GetFileAttributesW(Api_pfad(pfad.substr(0, trenner)).c_str());
    if (attribute != INVALID_FILE_ATTRIBUTES) return (attribute & FILE_ATTRIBUTE_DIRECTORY) == 0;
    const DWORD fehler = GetLastError();
    return fehler == ERROR_FILE_NOT_FOUND || fehler == ERROR_PATH_NOT_FOUND ||
           fehler == ERROR_DIRECTORY;
}

// True for another process that runs now (one of another user's included).
bool Laeuft_noch(DWORD prozess) {
    if (prozess == GetCurrentProcessId()) return false;
    const Handle h(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, prozess));
    if (!h) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    return GetExitCodeProcess(h.get(), &code) && code == STILL_ACTIVE;
}

// The computer's name, as other writers of a share see it in the names of its files.
std::string Computername() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD laenge = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &laenge) ? Schmal(std::wstring(name, laenge)) : std::string();
}

// The age of a file written at `zeit` at the moment `jetzt`, in seconds; negative for a time
// ahead of it.
std::int64_t Alter(const FILETIME& zeit, const FILETIME& jetzt) {
    const auto wert = [](const FILETIME& t) {
        return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) |
                                         t.dwLowDateTime);
    };
    return (wert(jetzt) - wert(zeit)) / 10000000;
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

const Win32Plattform::Ansi_seite& Win32Plattform::Ansi() {
    if (!ansi_) {
        Ansi_seite a{GetACP(), std::nullopt};
        CPINFO info{};
        if (const Codetabelle* bekannt = Bekannte_codetabelle(a.codepage))
            a.tabelle = *bekannt;
        else if (GetCPInfo(a.codepage, &info) && info.MaxCharSize == 1)
            a.tabelle = Codetabelle_von_Windows(a.codepage);
        ansi_ = a;
    }
    return *ansi_;
}

std::string Win32Plattform::Text_nach_Ansi(const std::string& text) {
    const Ansi_seite& a = Ansi();
    if (a.tabelle) return Nach_Ansi(text, *a.tabelle);
    if (a.codepage == Codeseite_utf8) return text;
    return Nach_Codeseite(text, a.codepage);
}

std::string Win32Plattform::Text_von_Ansi(const std::string& bytes) {
    const Ansi_seite& a = Ansi();
    if (a.tabelle) return Von_Ansi(bytes, *a.tabelle);
    if (a.codepage == Codeseite_utf8) return bytes;
    return Von_Codeseite(bytes, a.codepage);
}

std::string Win32Plattform::Kleinbuchstaben(const std::string& text) {
    std::string klein;
    klein.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = Zeichen_lesen(text, i);
        // Stray bytes lie among the surrogates; characters beyond them keep their case.
        if (c < 0xD800 || (c > 0xDFFF && c < 0x10000)) {
            wchar_t w = static_cast<wchar_t>(c);
            CharLowerBuffW(&w, 1);
            c = w;
        }
        Zeichen_anhaengen(klein, c);
    }
    return klein;
}

// --- Probes ---

// Only ordinary files count. FindFirstFileExW matches * and ? in the last part without
// regard to case; a hidden or system match or a folder is passed over for the next one.
bool Win32Plattform::Datei_vorhanden(const std::string& muster) {
    if (muster.empty() || muster.back() == '\\' || muster.back() == '/') return false;
    const std::wstring pfad = Breit(muster);
    WIN32_FIND_DATAW daten;
    const Suchhandle suche(FindFirstFileExW(Api_pfad(pfad).c_str(), FindExInfoBasic, &daten,
                                            FindExSearchNameMatch, nullptr, 0));
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

std::uint32_t Win32Plattform::Attribute_lesen(const std::string& pfad) {
    const std::wstring p = Api_pfad(pfad);
    const DWORD attribute = dateifunktionen.Attribute(p.c_str());
    if (attribute != INVALID_FILE_ATTRIBUTES) return attribute;
    const DWORD fehler = GetLastError();
    // A file whose delete is pending answers "access denied", but its name stands in its
    // folder until the last program that holds it lets go: the folder's entry counts.
    if (fehler == ERROR_ACCESS_DENIED || fehler == ERROR_DELETE_PENDING) {
        WIN32_FIND_DATAW daten;
        const Suchhandle suche(FindFirstFileExW(p.c_str(), FindExInfoBasic, &daten,
                                                FindExSearchNameMatch, nullptr, 0));
        if (suche) return daten.dwFileAttributes;
    }
    throw Win32_fehler(fehler);
}

void Win32Plattform::Attribute_normal(const std::string& pfad) {
    if (!SetFileAttributesW(Api_pfad(pfad).c_str(), FILE_ATTRIBUTE_NORMAL))
        throw Win32_fehler(GetLastError());
}

void Win32Plattform::Datei_entfernen(const std::string& pfad) {
    Dateifunktionen& f = dateifunktionen;
    const std::wstring p = Api_pfad(pfad);
    // A read-only file and a folder are refused at once; "access denied" for any other file
    // is waited for (Wiederholt).
    const DWORD attribute = f.Attribute(p.c_str());
    if (attribute != INVALID_FILE_ATTRIBUTES &&
        (attribute & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        throw Fehler(Fehlernummer::ZugriffVerweigert);
    const DWORD fehler = Wiederholt(wiederholung, [&] { return f.Loeschen(p.c_str()) != 0; });
    if (fehler != ERROR_SUCCESS) throw Win32_fehler(fehler);
    // A program that holds the file open sharing delete (a virus scanner, a reader on a
    // share) keeps its name, the delete pending, until it lets go: waited for as for a lock.
    const DWORD bleibt = Wiederholt(wiederholung, [&] {
        if (f.Attribute(p.c_str()) == INVALID_FILE_ATTRIBUTES) {
            const DWORD e = GetLastError();
            if (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND) return true;
        }
        SetLastError(ERROR_DELETE_PENDING);
        return false;
    });
    if (bleibt != ERROR_SUCCESS) throw Fehler(Fehlernummer::ZugriffVerweigert);
}

// --- Contents ---

std::string Win32Plattform::Datei_lesen(const std::string& pfad) {
    // Shared for every use, so that reading never keeps a writer from replacing the file.
    const std::wstring p = Api_pfad(pfad);
    // A folder can't be read; "access denied" for a file is waited for (Wiederholt).
    const DWORD attribute = dateifunktionen.Attribute(p.c_str());
    if (attribute != INVALID_FILE_ATTRIBUTES && (attribute & FILE_ATTRIBUTE_DIRECTORY))
        throw Fehler(Fehlernummer::ZugriffVerweigert);
    Handle datei;
    const DWORD fehler = Wiederholt(wiederholung, [&] {
        datei = Handle(dateifunktionen.Oeffnen(
            p.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        return static_cast<bool>(datei);
    });
    if (fehler != ERROR_SUCCESS) throw Win32_fehler(fehler);
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

std::wstring Win32Plattform::Neuer_Ersatzname(const std::string& ziel) {
    return Api_pfad(Ersatzname(ziel, GetCurrentProcessId(), ++temp_zaehler_, computername_));
}

// A backup that an earlier process of the same number left after a replacement stopped halfway
// may hold the only old content: ReplaceFileW would overwrite it, so its name is passed over.
std::wstring Win32Plattform::Neuer_Sicherungsname(const std::string& ziel) {
    for (;;) {
        std::wstring name =
            Api_pfad(Sicherungsname(ziel, GetCurrentProcessId(), ++temp_zaehler_, computername_));
        if (dateifunktionen.Attribute(name.c_str()) == INVALID_FILE_ATTRIBUTES &&
            GetLastError() == ERROR_FILE_NOT_FOUND)
            return name;
    }
}

// The new file beside the target under a name no other file has, open for writing.
Handle Win32Plattform::Neue_Datei(const std::string& ziel, std::wstring& temp) {
    for (int versuch = 0;; ++versuch) {
        temp = Neuer_Ersatzname(ziel);
        Handle datei(dateifunktionen.Oeffnen(
            temp.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
        if (datei) return datei;
        const DWORD fehler = GetLastError();
        temp.clear();
        if ((fehler != ERROR_FILE_EXISTS && fehler != ERROR_ALREADY_EXISTS) || versuch >= 100)
            throw Win32_fehler(fehler);
    }
}

void Win32Plattform::Reste_entfernen(const std::string& ziel, const std::wstring& eigene,
                                     const FILETIME& jetzt) {
    const std::wstring pfad = Breit(ziel);
    const std::size_t trenner = pfad.find_last_of(L"\\/");
    if (trenner == std::wstring::npos) return;
    const std::wstring ordner = pfad.substr(0, trenner + 1);
    const std::string zielname = Schmal(pfad.substr(trenner + 1));
    const std::wstring eigener_name = eigene.substr(eigene.find_last_of(L"\\/") + 1);
    WIN32_FIND_DATAW daten;
    const Suchhandle suche(FindFirstFileExW(Api_pfad(pfad + L".~*.tmp").c_str(), FindExInfoBasic,
                                            &daten, FindExSearchNameMatch, nullptr, 0));
    if (!suche) return;
    do {
        if ((daten.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            CompareStringOrdinal(daten.cFileName, -1, eigener_name.c_str(), -1, TRUE) == CSTR_EQUAL)
            continue;
        // A writer may have closed its new file and be about to put it in place: only what
        // Rest_entfernbar lets go is deleted. A file someone holds open (without
        // FILE_SHARE_DELETE) can't be deleted: that one stays as well.
        if (!Rest_entfernbar(Schmal(daten.cFileName), zielname, computername_,
                             Alter(daten.ftLastWriteTime, jetzt), Laeuft_noch))
            continue;
        dateifunktionen.Loeschen(Api_pfad(ordner + daten.cFileName).c_str());
    } while (FindNextFileW(suche.get(), &daten));
}

int Win32Plattform::Datei_oeffnen(const std::string& pfad, Schreibart art) {
    std::wstring ziel = Api_pfad(pfad);
    const int nr = naechste_nummer_;

    if (art == Schreibart::Anhaengen) {
        // Windows refuses write access to a read-only file by itself; asking first gives the
        // same answer where the file system would let the write through (Wine run as root).
        const DWORD attribute = dateifunktionen.Attribute(ziel.c_str());
        if (attribute != INVALID_FILE_ATTRIBUTES &&
            (attribute & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
            throw Fehler(Fehlernummer::ZugriffVerweigert);
        Handle datei;
        const DWORD fehler = Wiederholt(wiederholung, [&] {
            datei = Handle(
                dateifunktionen.Oeffnen(ziel.c_str(), FILE_APPEND_DATA,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            return static_cast<bool>(datei);
        });
        if (fehler != ERROR_SUCCESS) throw Win32_fehler(fehler);
        offen_.try_emplace(nr, std::move(datei), std::move(ziel), std::wstring(), art);
        ++naechste_nummer_;
        return nr;
    }

    // Ersetzen: only start when the old file could be replaced now. One that another writer
    // replaces or deletes at this moment is waited for; one that it has just taken away is
    // missing, and the new file simply takes its place.
    DWORD attribute = INVALID_FILE_ATTRIBUTES;
    DWORD fehler = Wiederholt(wiederholung, [&] {
        attribute = dateifunktionen.Attribute(ziel.c_str());
        return attribute != INVALID_FILE_ATTRIBUTES;
    });
    if (fehler == ERROR_SUCCESS) {
        if (attribute & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            throw Fehler(Fehlernummer::ZugriffVerweigert);
        fehler = Wiederholt(wiederholung, [&] {
            const Handle probe(dateifunktionen.Oeffnen(ziel.c_str(), GENERIC_WRITE | DELETE,
                                                       FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                       FILE_ATTRIBUTE_NORMAL, nullptr));
            return static_cast<bool>(probe);
        });
    }
    if (fehler != ERROR_SUCCESS && fehler != ERROR_FILE_NOT_FOUND) throw Win32_fehler(fehler);

    std::wstring temp;
    Handle datei = Neue_Datei(pfad, temp);
    // What earlier writers left goes now. Their ages count by the clock of the file system that
    // dated them (on a share, its server's), which has just dated the new file; the clocks of
    // the computers that write there may differ from it by hours.
    FILETIME jetzt;
    if (GetFileTime(datei.get(), nullptr, nullptr, &jetzt)) Reste_entfernen(pfad, temp, jetzt);
    offen_.try_emplace(nr, std::move(datei), std::move(ziel), std::move(temp), art);
    ++naechste_nummer_;
    return nr;
}

void Win32Plattform::Datei_schreiben(int nr, const std::string& bytes) {
    const auto it = offen_.find(nr);
    if (it == offen_.end()) throw Fehler(Fehlernummer::DateinameFalsch);
    Offene_Datei& datei = it->second;
    if (datei.art == Schreibart::Ersetzen) datei.inhalt += bytes;
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
    // Overtaken by another writer's file, the write is done again from what was written, so
    // that the file holds it when the user is told so; until the user action's wait is spent,
    // which then counts as a lasting lock.
    while (!Uebernehmen(datei)) {
        if (wiederholung.Frist_vorbei()) throw Fehler(Fehlernummer::ZugriffVerweigert);
        Neu_schreiben(datei);
    }
}

void Win32Plattform::Neu_schreiben(Offene_Datei& datei) {
    if (!datei.temp.empty()) dateifunktionen.Loeschen(datei.temp.c_str());
    datei.datei = Neue_Datei(Schmal(datei.ziel), datei.temp);
    DWORD geschrieben = 0;
    if (!WriteFile(datei.datei.get(), datei.inhalt.data(), static_cast<DWORD>(datei.inhalt.size()),
                   &geschrieben, nullptr) ||
        !FlushFileBuffers(datei.datei.get()) || !datei.datei.Schliessen())
        throw Win32_fehler(GetLastError());
    if (geschrieben != datei.inhalt.size()) throw Fehler(Fehlernummer::DatentraegerVoll);
}

// An existing target is replaced with ReplaceFileW, which keeps what the old file carried
// (security settings, owner, creation time, alternate streams); the old file goes to a backup
// name first, so that it survives every failure. A missing target is simply moved into place,
// and so is every target on a file system that knows no ReplaceFileW (some network storage).
// Either way the file has normal attributes afterwards. True when the new file has become the
// target; false when another writer's whole file has taken the target's place meanwhile. A new
// file that another program deleted before it was in place (a clean-up of *.tmp) fails the
// write: the target keeps its content.
bool Win32Plattform::Uebernehmen(Offene_Datei& datei) {
    Dateifunktionen& f = dateifunktionen;
    const auto verschieben = [&](const std::wstring& von, const std::wstring& nach, DWORD art) {
        return Wiederholt(wiederholung, [&] {
            return f.Verschieben(von.c_str(), nach.c_str(), art | MOVEFILE_WRITE_THROUGH) != 0;
        });
    };
    const auto vorhanden = [&](const std::wstring& pfad) {
        return f.Attribute(pfad.c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    const auto fehlt = [&](const std::wstring& pfad) {
        return f.Attribute(pfad.c_str()) == INVALID_FILE_ATTRIBUTES &&
               GetLastError() == ERROR_FILE_NOT_FOUND;
    };
    // The new file is the target now; the old one under the backup name goes.
    const auto uebernommen = [&](const std::wstring& sicherung) {
        datei.temp.clear();
        f.Loeschen(sicherung.c_str());
        SetFileAttributesW(datei.ziel.c_str(), FILE_ATTRIBUTE_NORMAL);
        return true;
    };
    // A target that another writer replaces at this moment is waited for.
    DWORD fehler = Wiederholt(wiederholung, [&] { return vorhanden(datei.ziel); });
    if (fehler == ERROR_SUCCESS) {
        const std::wstring sicherung = Neuer_Sicherungsname(Schmal(datei.ziel));
        // A replacement that stops halfway (ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) leaves the old
        // file under the backup name, the new one under its own, and the target's name free. The
        // old one goes back, but never over a new file that another writer has put there
        // meanwhile. Back in place, all is as before the try: another writer moving the file at
        // that moment (under Wine, one at another computer) is waited out like a lock, and only a
        // stop that lasts fails the write.
        bool zurueckgelegt = false;
        fehler = Wiederholt(wiederholung, [&] {
            zurueckgelegt = false;
            if (f.Ersetzen(datei.ziel.c_str(), datei.temp.c_str(), sicherung.c_str(),
                           REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
                return true;
            const DWORD e = GetLastError();
            zurueckgelegt = e == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
                            verschieben(sicherung, datei.ziel, 0) == ERROR_SUCCESS;
            // Wine, when a writer of another Wine server (another computer at the share)
            // moves the old file at this moment, answers "invalid handle" from the first
            // move, before anything has moved: a passing lock, as on Windows.
            SetLastError(zurueckgelegt || e == ERROR_INVALID_HANDLE ? ERROR_SHARING_VIOLATION : e);
            return false;
        });
        if (zurueckgelegt) throw Win32_fehler(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
        switch (fehler) {
            case ERROR_SUCCESS:
                return uebernommen(sicherung);
            case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
                // Halfway, and the old file could not go back. When the target's name holds a file
                // again, only another writer can have put it there, a whole new one, newer than
                // the old content under the backup name, which goes: this write is done again.
                if (vorhanden(datei.ziel)) {
                    f.Loeschen(sicherung.c_str());
                    return false;
                }
                // Else the new one takes the place, as any newer write would.
                fehler = verschieben(datei.temp, datei.ziel, MOVEFILE_REPLACE_EXISTING);
                if (fehler == ERROR_SUCCESS) return uebernommen(sicherung);
                if (vorhanden(datei.ziel)) {
                    f.Loeschen(sicherung.c_str());
                    return false;
                }
                // Else the old content stays under the backup name, which no clean-up removes,
                // unless it can go back now.
                verschieben(sicherung, datei.ziel, 0);
                throw Win32_fehler(
                    fehler == ERROR_FILE_NOT_FOUND ? fehler : ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
            case ERROR_FILE_NOT_FOUND:
                // ReplaceFileW says so for a missing new file as for a missing target.
                if (fehlt(datei.temp)) throw Win32_fehler(ERROR_FILE_NOT_FOUND);
                break;                    // the target went away meanwhile
            case ERROR_INVALID_FUNCTION:  // a file system without ReplaceFileW
            case ERROR_NOT_SUPPORTED:
            case ERROR_INVALID_PARAMETER:
                break;
            default:  // a lasting ERROR_UNABLE_TO_MOVE_REPLACEMENT among them: nothing has moved
                throw Win32_fehler(fehler);
        }
    }
    // The new file over whatever stands in the target's place now. "File not found": the new
    // file is gone.
    fehler = verschieben(datei.temp, datei.ziel, MOVEFILE_REPLACE_EXISTING);
    if (fehler != ERROR_SUCCESS) throw Win32_fehler(fehler);
    datei.temp.clear();
    return true;
}

// --- The end ---

void Win32Plattform::Beenden(int exitcode) {
    offen_.clear();
    ExitProcess(static_cast<UINT>(exitcode));
}

// --- The window, its dialogs and messages ---

Win32Plattform::Win32Plattform() : computername_(Computername()) {}

Win32Plattform::~Win32Plattform() {
    fenster_.reset();
    dialoge_win32::Freigeben();
}

void Win32Plattform::Piepen() {
    MessageBeep(MB_OK);
}

void Win32Plattform::Meldungsfenster(const std::string& text, const std::string& titel) {
    HWND besitzer = fenster_ ? fenster_->Handle() : nullptr;
    MessageBoxW(besitzer, Breit(text).c_str(), Breit(titel).c_str(), MB_OK | MB_ICONWARNING);
}

Fenster& Win32Plattform::Hauptfenster_erstellen(const Fensterbeschreibung& beschreibung,
                                                Fensterereignisse& ereignisse) {
    if (fenster_) return *fenster_;
    // The colour dialog is part of the window; without its library the window is incomplete.
    if (!dialoge_win32::Farbdialog_vorhanden()) throw Fehler(Fehlernummer::KomponenteFehlt);
    fristereignisse_ =
        std::make_unique<Ereignisse_mit_Vorlauf>(ereignisse, [this] { wiederholung.Neue_Frist(); });
    fenster_ = std::make_unique<Win32Fenster>(beschreibung, *fristereignisse_);
    return *fenster_;
}

Fenster& Win32Plattform::Hauptfenster() {
    if (!fenster_) throw Fehler(Fehlernummer::UngueltigerAufruf);
    return *fenster_;
}

void Win32Plattform::Hauptfenster_zeigen() {
    if (!fenster_) throw Fehler(Fehlernummer::UngueltigerAufruf);
    fenster_->Zeigen();
}

std::string Win32Plattform::Ordner_auswaehlen(const std::string& titel) {
    HWND besitzer = fenster_ ? fenster_->Handle() : nullptr;
    return Schmal(dialoge_win32::Ordner_waehlen(besitzer, Breit(titel)));
}

std::optional<std::uint32_t> Win32Plattform::Farbe_auswaehlen(std::uint32_t farbe, bool voll) {
    HWND besitzer = fenster_ ? fenster_->Handle() : nullptr;
    const std::optional<COLORREF> c =
        dialoge_win32::Farbe_waehlen(besitzer, static_cast<COLORREF>(farbe & 0xFFFFFFu), voll);
    if (!c) return std::nullopt;
    return static_cast<std::uint32_t>(*c & 0xFFFFFFu);
}
