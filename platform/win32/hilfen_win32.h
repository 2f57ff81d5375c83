// Small pieces every Win32 file of the program uses: text conversion at the API boundary,
// the mapping of Win32 error codes to the program's error numbers, and owners for handles.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "platform/plattform.h"

// The program keeps texts in UTF-8; the W functions of Windows take UTF-16.
std::wstring Breit(const std::string& utf8);
std::string Schmal(const std::wstring& utf16);

// The program's error number for a Win32 error code (GetLastError).
long Fehlernummer_von(DWORD code);
inline Laufzeitfehler Win32_fehler(DWORD code) {
    return Fehler(Fehlernummer_von(code));
}

// Owns a kernel handle such as an open file and closes it at the end of its life.
class Handle {
  public:
    Handle() = default;
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { Schliessen(); }
    Handle(Handle&& anderer) noexcept : h_(std::exchange(anderer.h_, INVALID_HANDLE_VALUE)) {}
    Handle& operator=(Handle&& anderer) noexcept {
        if (this != &anderer) {
            Schliessen();
            h_ = std::exchange(anderer.h_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return h_; }
    explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    // Closes now; false when Windows reports a failure (the handle is gone either way).
    bool Schliessen() noexcept {
        const bool ok = !*this || CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

  private:
    HANDLE h_ = INVALID_HANDLE_VALUE;
};

// Owns a search started with FindFirstFileExW.
class Suchhandle {
  public:
    explicit Suchhandle(HANDLE h) : h_(h) {}
    ~Suchhandle() {
        if (*this) FindClose(h_);
    }
    Suchhandle(const Suchhandle&) = delete;
    Suchhandle& operator=(const Suchhandle&) = delete;

    HANDLE get() const { return h_; }
    explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE h_;
};
