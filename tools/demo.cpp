// The demo: a demo host below ORDNER (its administrator: the user) with both program files in
// ORDNER itself, as an administrator unpacks them, and the program started on it from there.
// With BILD a screenshot of its window is saved there and the program closed; otherwise the
// demo waits until the user closes the window.
//
//   demo ORDNER [BILD]
#include <cstdio>

#include "tools/demohost.h"
#include "tools/fernsteuerung.h"

using namespace fernsteuerung;

namespace {

int Demo(const std::wstring& wurzel, const std::wstring& bild) {
    wchar_t benutzer[256] = L"";
    GetEnvironmentVariableW(L"USERNAME", benutzer, 256);
    Demohost_Wunsch w;
    w.wurzel = wurzel;
    if (*benutzer) w.administrator = benutzer;
    const Demohost host = Demohost_anlegen(w);
    const std::wstring programm = wurzel + L"\\Schulferien.exe";
    for (const wchar_t* name : {L"Schulferien.exe", L"Schulferien_deaktivieren.exe"}) {
        if (!CopyFileW((Eigener_Ordner() + L"Schulferien.exe").c_str(),
                       (wurzel + L"\\" + name).c_str(), FALSE)) {
            throw Fehlschlag("Programm nicht kopiert: " + Schmal(name));
        }
    }
    std::printf(
        "Demo-Host:\n  Installationsordner  %s\n  Datenordner          %s\n"
        "  Administrator        %s\n",
        Schmal(host.installation).c_str(), Schmal(host.daten).c_str(),
        Schmal(w.administrator).c_str());
    std::fflush(stdout);
    Programm p(programm, Umgebung(host, w.administrator));
    HWND f = p.Hauptfenster();
    if (!bild.empty()) {
        Foto(f, bild);
        PostMessageW(f, WM_CLOSE, 0, 0);
        return static_cast<int>(p.Ende_abwarten());
    }
    std::printf("Schulferien.exe läuft; das Fenster schließen, um zu beenden.\n");
    std::fflush(stdout);
    WaitForSingleObject(p.Prozess(), INFINITE);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "Aufruf: demo ORDNER [BILD]\n");
        return 2;
    }
    try {
        return Demo(argv[1], argc == 3 ? argv[2] : L"");
    } catch (const Fehlschlag& f) {
        std::printf("  ABGEBROCHEN: %s\n", f.what());
        return 1;
    }
}
