#include "platform/win32/dpi_win32.h"

#include "platform/win32/besitzer_win32.h"

namespace dpi_win32 {
namespace {

using GetDpiForSystem_t = UINT(WINAPI*)();
using GetDpiForWindow_t = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpi_t = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

struct Funktionen {
    GetDpiForSystem_t system = nullptr;
    GetDpiForWindow_t fenster = nullptr;
    AdjustWindowRectExForDpi_t rahmen = nullptr;
};

bool nachschlagen = true;

template <class F>
F Suchen(HMODULE bibliothek, const char* name) {
    FARPROC p = bibliothek ? GetProcAddress(bibliothek, name) : nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void*>(p));
}

// What user32 has, looked up once; nothing while tests switch the lookup off.
const Funktionen& Vorhanden() {
    static const Funktionen gefunden = [] {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return Funktionen{Suchen<GetDpiForSystem_t>(user32, "GetDpiForSystem"),
                          Suchen<GetDpiForWindow_t>(user32, "GetDpiForWindow"),
                          Suchen<AdjustWindowRectExForDpi_t>(user32, "AdjustWindowRectExForDpi")};
    }();
    static const Funktionen keine;
    return nachschlagen ? gefunden : keine;
}

int Oder_96(int dpi) {
    return dpi > 0 ? dpi : 96;
}

}  // namespace

int System_dpi() {
    if (const GetDpiForSystem_t f = Vorhanden().system) return Oder_96(static_cast<int>(f()));
    const Fenster_DC bildschirm(nullptr);
    return Oder_96(bildschirm.get() ? GetDeviceCaps(bildschirm.get(), LOGPIXELSX) : 0);
}

int Fenster_dpi(HWND h) {
    const GetDpiForWindow_t f = Vorhanden().fenster;
    const int dpi = f ? static_cast<int>(f(h)) : 0;
    return dpi > 0 ? dpi : System_dpi();
}

void Rahmen_hinzufuegen(RECT& r, DWORD stil, DWORD stil_ex, int dpi) {
    if (const AdjustWindowRectExForDpi_t f = Vorhanden().rahmen) {
        f(&r, stil, FALSE, stil_ex, static_cast<UINT>(dpi));
        return;
    }
    // The frame at the system DPI, scaled for a window that Windows 8.1 moved to a monitor of
    // another DPI.
    RECT rahmen{0, 0, 0, 0};
    AdjustWindowRectEx(&rahmen, stil, FALSE, stil_ex);
    const int system = System_dpi();
    r.left += MulDiv(rahmen.left, dpi, system);
    r.top += MulDiv(rahmen.top, dpi, system);
    r.right += MulDiv(rahmen.right, dpi, system);
    r.bottom += MulDiv(rahmen.bottom, dpi, system);
}

void Nachschlagen_erlauben(bool an) {
    nachschlagen = an;
}

}  // namespace dpi_win32
