// The program's entry point: the platform, the start procedure, then the main window's
// message loop with dialog keyboard navigation until the window is gone.
#include <windows.h>

#include "platform/win32/fenster_win32.h"
#include "platform/win32/plattform_win32.h"
#include "startup/main.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Win32Plattform p;
    Plattform_setzen(&p);
    Main();

    auto hauptfenster = [&p]() -> HWND {
        try {
            return static_cast<Win32Fenster&>(p.Hauptfenster()).Handle();
        } catch (...) {
            return nullptr;
        }
    };
    MSG m;
    while (hauptfenster() && GetMessageW(&m, nullptr, 0, 0) > 0) {
        HWND h = hauptfenster();
        if (h && IsDialogMessageW(h, &m)) continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    Plattform_setzen(nullptr);
    return Exitcode::Normal;
}
