// Small pieces every Win32 file of the program uses: text conversion at the API boundary,
// the mapping of Win32 error codes to the program's error numbers, and the owners of handles.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/plattform.h"
#include "platform/win32/besitzer_win32.h"

// The program keeps texts in UTF-8; the W functions of Windows take UTF-16.
std::wstring Breit(const std::string& utf8);
std::string Schmal(const std::wstring& utf16);

// A path as the file functions take it. One that comes near MAX_PATH gets the long form:
// made absolute and normalised, then "\\?\" before a drive path and "\\?\UNC\" instead of the
// "\\" of a share. Shorter paths and paths already in a "\\?\" or "\\.\" form stay as they are.
std::wstring Api_pfad(const std::wstring& pfad);
inline std::wstring Api_pfad(const std::string& utf8) {
    return Api_pfad(Breit(utf8));
}

// Text (UTF-8) to the bytes of any code page, as Windows converts it, and back: characters the
// code page lacks become its default character ("?"), a stray byte keeps its value both ways,
// and so does every byte sequence that Windows would not give back as it was (a lead byte
// without its trail byte, say).
std::string Nach_Codeseite(const std::string& text, UINT codepage);
std::string Von_Codeseite(const std::string& bytes, UINT codepage);

// The characters of bytes 0x80..0xFF in an 8-bit code page, as Windows converts them; a byte
// Windows gives no character (a lead byte of a double-byte code page) stays a stray byte.
Codetabelle Codetabelle_von_Windows(UINT codepage);

// Virus scanners, indexers and other readers hold files open for moments, and another copy of
// the program, on this computer or another one, replaces or deletes the same file. What they
// cause (Voruebergehend_belegt) is tried again `wiederholungen` times, `pause_ms` apart,
// before it counts; genuinely missing rights are told a second later.
//
// All the waits of one user action share one deadline, `frist`: the window handles no
// messages while they last, and Windows greys a window that has not answered for 5 seconds
// as hung. Once the deadline has passed, every step makes one try and no more, and a lock
// that lasts answers as it always does.
struct Wiederholung {
    static constexpr ULONGLONG Frist_ms = 3000;
    int wiederholungen = 10;
    DWORD pause_ms = 100;
    ULONGLONG frist = GetTickCount64() + Frist_ms;
    // A new user action: its waits start with the whole time.
    void Neue_Frist() { frist = GetTickCount64() + Frist_ms; }
    bool Frist_vorbei() const { return GetTickCount64() >= frist; }
};
bool Voruebergehend_belegt(DWORD code);
// Runs `versuch` (true on success, false with GetLastError set) until it succeeds or fails
// for another reason than a passing lock; the result is ERROR_SUCCESS or the last error.
template <class F>
DWORD Wiederholt(const Wiederholung& w, F versuch) {
    for (int n = 0;; ++n) {
        if (versuch()) return ERROR_SUCCESS;
        const DWORD fehler = GetLastError();
        const ULONGLONG jetzt = GetTickCount64();
        if (!Voruebergehend_belegt(fehler) || n >= w.wiederholungen || jetzt >= w.frist)
            return fehler;
        Sleep(static_cast<DWORD>(std::min<ULONGLONG>(w.pause_ms, w.frist - jetzt)));
    }
}

// The program's error number for a Win32 error code (GetLastError).
long Fehlernummer_von(DWORD code);
inline Laufzeitfehler Win32_fehler(DWORD code) {
    return Fehler(Fehlernummer_von(code));
}
