// The start-up benchmark's stopwatch: starts each of the programs N times, taking turns;
// each time the ms from the start until a visible top-level window of it exists, then it is
// closed. A program is given as its path, optionally followed by "|" and its command line
// arguments. Prints the median of each and its ratio to the first.
//
//   startzeit N EXE...
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tools/fernsteuerung.h"

using namespace fernsteuerung;

namespace {

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
                    Schmal(programme[k]).c_str(), mediane[k], z.front(), z.back(),
                    mediane[k] / mediane[0]);
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3 || _wtoi(argv[1]) < 1) {
        std::fprintf(stderr, "Aufruf: startzeit ANZAHL EXE...\n");
        return 2;
    }
    try {
        return Startzeit(_wtoi(argv[1]), std::vector<std::wstring>(argv + 2, argv + argc));
    } catch (const Fehlschlag& f) {
        std::printf("  ABGEBROCHEN: %s\n", f.what());
        return 1;
    }
}
