// The Gegenstelle (tools/bedienung.h): the user at another computer, driving that computer's
// program by the orders it reads from the folder KANAL. With COMPUTERNAME it first names its
// computer so (under Wine a prefix, which takes the host's name at each start of its Wine
// server: so it is named while the server runs, for the programs started from now on).
//
//   gegenstelle KANAL [COMPUTERNAME]
#include <cstdio>

#include "tools/bedienung.h"

using namespace fernsteuerung;

namespace {

void Computername_setzen(const std::wstring& name) {
    for (const wchar_t* schluessel : {L"ComputerName", L"ActiveComputerName"}) {
        const std::wstring pfad =
            std::wstring(L"System\\CurrentControlSet\\Control\\ComputerName\\") + schluessel;
        HKEY k = nullptr;
        const DWORD bytes = static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t));
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, pfad.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &k, nullptr) != ERROR_SUCCESS ||
            RegSetValueExW(k, L"ComputerName", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(name.c_str()), bytes) != ERROR_SUCCESS) {
            throw Fehlschlag("Computername nicht gesetzt: " + Schmal(pfad));
        }
        RegCloseKey(k);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "Aufruf: gegenstelle KANAL [COMPUTERNAME]\n");
        return 2;
    }
    try {
        if (argc == 3) Computername_setzen(argv[2]);
        Gegenstelle(argv[1]);
        return 0;
    } catch (const Fehlschlag& f) {
        std::fprintf(stderr, "gegenstelle: %s\n", f.what());
        return 1;
    }
}
