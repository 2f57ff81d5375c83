// What the two windows that the start-up benchmark measures the program against share: a window
// class that only ends the program with its window, and the message loop after showing it.
#pragma once

#include <windows.h>

namespace messfenster {

inline LRESULT CALLBACK Prozedur(HWND h, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(h, msg, w, l);
}

inline void Klasse_registrieren(HINSTANCE instanz, const wchar_t* name) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Prozedur;
    wc.hInstance = instanz;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

// Shows the window and runs until it is closed.
inline void Laufen_lassen(HWND fenster) {
    ShowWindow(fenster, SW_SHOWNORMAL);
    UpdateWindow(fenster);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

}  // namespace messfenster
