// Small pieces every Win32 file of the program uses: text conversion at the API boundary,
// the mapping of Win32 error codes to the program's error numbers, and the owners of handles.
#pragma once

#include <windows.h>

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

// The characters of bytes 0x80..0xFF in an 8-bit code page, as Windows converts them; a byte
// Windows gives no character (a lead byte of a double-byte code page) stays a stray byte.
Codetabelle Codetabelle_von_Windows(UINT codepage);

// Virus scanners, indexers and other readers hold files open for moments, and another copy of
// the program, on this computer or another one, replaces or deletes the same file. What they
// cause (Voruebergehend_belegt) is tried again `wiederholungen` times, `pause_ms` apart,
// before it counts; genuinely missing rights are told a second later.
struct Wiederholung {
    int wiederholungen = 10;
    DWORD pause_ms = 100;
};
bool Voruebergehend_belegt(DWORD code);
// Runs `versuch` (true on success, false with GetLastError set) until it succeeds or fails
// for another reason than a passing lock; the result is ERROR_SUCCESS or the last error.
template <class F>
DWORD Wiederholt(const Wiederholung& w, F versuch) {
    for (int n = 0;; ++n) {
        if (versuch()) return ERROR_SUCCESS;
        const DWORD fehler = GetLastError();
        if (!Voruebergehend_belegt(fehler) || n >= w.wiederholungen) return fehler;
        Sleep(w.pause_ms);
    }
}

// The program's error number for a Win32 error code (GetLastError).
long Fehlernummer_von(DWORD code);
inline Laufzeitfehler Win32_fehler(DWORD code) {
    return Fehler(Fehlernummer_von(code));
}
