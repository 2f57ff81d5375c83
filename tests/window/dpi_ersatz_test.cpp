// The window without the DPI functions of Windows 10, laid out as on Windows 7 and 8.1, is the
// window laid out with them, at 96 and at 144 DPI. Wine reads the system DPI (the prefix's
// LogPixels value) when a process starts, so there the test starts itself once per DPI;
// Windows reads it when the user logs on, so there it compares at the screen's DPI only.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "form/steuerelemente.h"
#include "platform/win32/besitzer_win32.h"
#include "platform/win32/dpi_win32.h"
#include "platform/win32/fenster_win32.h"
#include "platform/win32/plattform_win32.h"
#include "services/programmzustand.h"
#include "tests/support/pixel.h"
#include "ui/frm_schulferien.h"

namespace {

constexpr const char* Kind_dpi = "SCHULFERIEN_TEST_DPI";  // set in the started process
using Lage = std::array<long, 4>;

// The window's outer and client size and its font's height, then every control's left, top,
// width and height in the window's client area.
std::vector<Lage> Vermessen(bool nachschlagen) {
    dpi_win32::Nachschlagen_erlauben(nachschlagen);
    Programm = {};
    std::vector<Lage> lagen;
    {
        Win32Plattform p;
        Plattform_setzen(&p);
        frmSchulferien_erstellen();
        const auto& f = static_cast<Win32Fenster&>(p.Hauptfenster());
        RECT r, client;
        GetWindowRect(f.Handle(), &r);
        GetClientRect(f.Handle(), &client);
        LOGFONTW schrift{};
        HWND knopf = f.Handle_von(Element::cmdAuswahl1);
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(knopf, WM_GETFONT, 0, 0)), sizeof(schrift),
                   &schrift);
        lagen.push_back({r.right - r.left, r.bottom - r.top, client.right, schrift.lfHeight});
        for (Steuerelement e = 0; e <= Element::imgInaktiv; ++e) {
            RECT s{-1, -1, -1, -1};
            if (HWND h = f.Handle_von(e)) {
                GetWindowRect(h, &s);
                MapWindowPoints(nullptr, f.Handle(), reinterpret_cast<POINT*>(&s), 2);
            }
            lagen.push_back({s.left, s.top, s.right - s.left, s.bottom - s.top});
        }
        Plattform_setzen(nullptr);
    }
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    dpi_win32::Nachschlagen_erlauben(true);
    return lagen;
}

// Runs the current test in a process of its own with the system DPI `dpi`; its exit code.
DWORD Bei_dpi_starten(DWORD dpi) {
    HKEY k = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &k, nullptr);
    DWORD alt = 0, groesse = sizeof(alt);
    const bool hatte = RegQueryValueExW(k, L"LogPixels", nullptr, nullptr,
                                        reinterpret_cast<BYTE*>(&alt), &groesse) == ERROR_SUCCESS;
    RegSetValueExW(k, L"LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dpi), sizeof(dpi));
    SetEnvironmentVariableA(Kind_dpi, std::to_string(dpi).c_str());

    wchar_t selbst[MAX_PATH];
    GetModuleFileNameW(nullptr, selbst, MAX_PATH);
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = std::string(test->test_suite_name()) + "." + test->name();
    std::wstring zeile = L"\"" + std::wstring(selbst) + L"\" --gtest_filter=" +
                         std::wstring(filter.begin(), filter.end());
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    DWORD code = 0xFFFF;
    if (CreateProcessW(selbst, zeile.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                       &pi)) {
        if (WaitForSingleObject(pi.hProcess, 90000) != WAIT_OBJECT_0)
            TerminateProcess(pi.hProcess, 1);
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }

    SetEnvironmentVariableA(Kind_dpi, nullptr);
    if (hatte) {
        RegSetValueExW(k, L"LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&alt), sizeof(alt));
    } else {
        RegDeleteValueW(k, L"LogPixels");
    }
    RegCloseKey(k);
    return code;
}

TEST(DpiErsatz, OhneDieDpiFunktionenVonWindows10DasselbeFenster) {
    const char* kind = std::getenv(Kind_dpi);
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    if (!kind && wine) {
        for (DWORD dpi : {96u, 144u}) EXPECT_EQ(Bei_dpi_starten(dpi), 0u) << dpi << " DPI";
        return;
    }
    const Fenster_DC bildschirm(nullptr);
    const int dpi = kind ? std::atoi(kind) : GetDeviceCaps(bildschirm.get(), LOGPIXELSX);
    const std::vector<Lage> mit = Vermessen(true), ohne = Vermessen(false);
    // Both laid out for the DPI the process started with: the client area is 5475 twips wide.
    EXPECT_EQ(mit[0][2], orakel::Pixel(5475, dpi));
    ASSERT_EQ(ohne.size(), mit.size());
    for (std::size_t i = 0; i < mit.size(); ++i) {
        EXPECT_EQ(ohne[i], mit[i])
            << dpi << " DPI, " << (i ? "control " + std::to_string(i - 1) : "window");
    }
}

}  // namespace
