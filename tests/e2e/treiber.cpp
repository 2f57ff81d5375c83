// The end-to-end driver: runs one scenario against the real Schulferien.exe (started from
// the driver's own folder; the scenarios and their checks lie beside it), or creates a demo
// host, or waits for the program's window for the start-up benchmark.
//
//   e2e_treiber szenario NAME     one scenario; exit code 0 when every check held
//   e2e_treiber demo ORDNER [BILD]  a demo host below ORDNER (its administrator: the user),
//                                   the program started on it; with BILD a screenshot of its
//                                   window is saved there and the program closed, else the
//                                   driver waits until the user closes it
//   e2e_treiber startzeit N EXE...  starts each EXE N times in turn, prints the median ms
//                                   until its window shows
//
// The scenarios expect the clock to be set from outside (faketime) to the date they name.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/e2e/demohost.h"
#include "tests/e2e/steuerung.h"
#include "tests/e2e/szenarien.h"

using namespace e2e;

namespace {

// --- Demo ---------------------------------------------------------------------------------

int Demo(const std::wstring& wurzel, const std::wstring& bild) {
    wchar_t benutzer[256] = L"";
    GetEnvironmentVariableW(L"USERNAME", benutzer, 256);
    Demohost_Wunsch w;
    w.wurzel = wurzel;
    if (*benutzer) w.administrator = benutzer;
    const Demohost host = Demohost_anlegen(w);
    std::printf(
        "Demo-Host:\n  Installationsordner  %s\n  Datenordner          %s\n"
        "  Administrator        %s\n",
        U(host.installation).c_str(), U(host.daten).c_str(), U(w.administrator).c_str());
    std::fflush(stdout);
    Programm p(Eigener_Ordner() + L"Schulferien.exe", Umgebung(host, w.administrator));
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

// --- Benchmark ------------------------------------------------------------------------------

// Starts each of the programs `anzahl` times, taking turns; each time the ms from the start
// until a visible top-level window of it exists, then it is closed. A program is given as its
// path, optionally followed by "|" and its command line arguments. Prints the median of each
// and its ratio to the first.
int Startzeit(int anzahl, const std::vector<std::wstring>& programme) {
    std::vector<std::vector<double>> zeiten(programme.size());
    LARGE_INTEGER frequenz;
    QueryPerformanceFrequency(&frequenz);
    // One round more than asked: the first, with cold caches, is not counted.
    for (int i = -1; i < anzahl; ++i) {
        for (std::size_t k = 0; k < programme.size(); ++k) {
            const std::size_t strich = programme[k].find(L'|');
            const std::wstring exe = programme[k].substr(0, strich);
            const std::wstring argumente =
                strich == std::wstring::npos ? L"" : programme[k].substr(strich + 1);
            LARGE_INTEGER start, ende;
            QueryPerformanceCounter(&start);
            Programm p(exe, {}, argumente);
            HWND f = nullptr;
            Warten(
                "Fenster",
                [&] {
                    const auto alle = p.Fenster();
                    f = alle.empty() ? nullptr : alle.front();
                    return f != nullptr;
                },
                30.0, 1);
            QueryPerformanceCounter(&ende);
            if (i >= 0)
                zeiten[k].push_back(1000.0 * static_cast<double>(ende.QuadPart - start.QuadPart) /
                                    static_cast<double>(frequenz.QuadPart));
            PostMessageW(f, WM_CLOSE, 0, 0);
            p.Ende_abwarten();
        }
    }
    std::vector<double> mediane;
    for (std::size_t k = 0; k < programme.size(); ++k) {
        std::vector<double> z = zeiten[k];
        std::sort(z.begin(), z.end());
        mediane.push_back(z[z.size() / 2]);
        std::printf("%-60s Median %7.1f ms  (min %.1f, max %.1f)  Verhältnis %.2f\n",
                    U(programme[k]).c_str(), mediane[k], z.front(), z.back(),
                    mediane[k] / mediane[0]);
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring befehl = argc > 1 ? argv[1] : L"";
    try {
        if (befehl == L"szenario" && argc == 3) {
            return Szenario_ausfuehren(U(argv[2]));
        }
        if (befehl == L"demo" && (argc == 3 || argc == 4)) {
            return Demo(argv[2], argc == 4 ? argv[3] : L"");
        }
        if (befehl == L"startzeit" && argc >= 4) {
            return Startzeit(_wtoi(argv[2]), std::vector<std::wstring>(argv + 3, argv + argc));
        }
    } catch (const Fehlschlag& f) {
        std::printf("  ABGEBROCHEN: %s\n", f.what());
        return 1;
    }
    std::fprintf(
        stderr,
        "Aufruf: e2e_treiber szenario NAME | demo ORDNER [BILD] | startzeit ANZAHL EXE...\n");
    return 2;
}
