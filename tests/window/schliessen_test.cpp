// The window closed from outside (End task, a script's WM_CLOSE, the end of the session) while
// step 4's confirmation is open: the step finishes, file and log book written, without an
// error report, and the window closes after it.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "calendar/schulferien.h"
#include "form/schritte.h"
#include "platform/win32/fenster_win32.h"
#include "platform/win32/plattform_win32.h"
#include "services/programmzustand.h"
#include "tests/support/verwuerfelt.h"
#include "tools/baum_entfernen.h"
#include "ui/frm_schulferien.h"

namespace {

// A clock inside the years of the built-in holiday data, so that the test passes in any year.
class Plattform_im_Maerz_2025 : public Win32Plattform {
  public:
    Zeitpunkt Jetzt() override { return {2025, 3, 14, 9, 30, 0}; }
};

// What happens on another thread while the step's message box is open on the window's: the
// close from outside, then OK.
struct Von_aussen {
    HWND fenster = nullptr;
    DWORD thread = 0;  // the window's
    UINT nachricht = 0;
    std::atomic<bool> fertig{false};
    // Seen:
    std::vector<std::wstring> meldungen;
    bool offen_nach_der_nachricht = false;
    LRESULT antwort = -1;
};

std::wstring Klasse(HWND h) {
    wchar_t name[64] = {};
    GetClassNameW(h, name, 64);
    return name;
}

HWND Meldungsfenster(DWORD thread) {
    HWND gefunden = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND h, LPARAM l) -> BOOL {
            if (Klasse(h) != L"#32770" || !IsWindowVisible(h)) return TRUE;
            *reinterpret_cast<HWND*>(l) = h;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&gefunden));
    return gefunden;
}

// The message box's text: its longest static text.
std::wstring Meldungstext(HWND box) {
    std::wstring text;
    EnumChildWindows(
        box,
        [](HWND h, LPARAM l) -> BOOL {
            auto& t = *reinterpret_cast<std::wstring*>(l);
            wchar_t s[1024] = {};
            if (_wcsicmp(Klasse(h).c_str(), L"Static") == 0 && GetWindowTextW(h, s, 1024) > 0 &&
                wcslen(s) > t.size())
                t = s;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

DWORD WINAPI Beobachten(void* p) {
    Von_aussen& v = *static_cast<Von_aussen*>(p);
    const DWORD ende = GetTickCount() + 30000;
    while (!v.fertig && GetTickCount() < ende) {
        HWND box = Meldungsfenster(v.thread);
        if (!box) {
            Sleep(20);
            continue;
        }
        v.meldungen.push_back(Meldungstext(box));
        if (v.meldungen.size() == 1) {
            DWORD_PTR antwort = 0;
            SendMessageTimeoutW(v.fenster, v.nachricht, 0, 0, SMTO_NORMAL, 10000, &antwort);
            v.antwort = static_cast<LRESULT>(antwort);
            v.offen_nach_der_nachricht = IsWindow(v.fenster);
        }
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        while (IsWindow(box) && GetTickCount() < ende) Sleep(20);
    }
    return 0;
}

struct Fall {
    bool markieren;  // else remove the marking
    UINT nachricht;
};

class Schliessen_von_aussen : public testing::TestWithParam<Fall> {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, temp);
        ordner = std::wstring(temp) + L"sfk-schliessen-" + std::to_wstring(GetCurrentProcessId());
        Baum_entfernen(ordner);
        CreateDirectoryW(ordner.c_str(), nullptr);
        CreateDirectoryW((ordner + L"\\Logs").c_str(), nullptr);
        Programm = {};
        Programm.Benutzername = "meier";
        Programm.Heute = "250314";
        Programm.Datenordner = Schmal(ordner) + "\\";
        Plattform_setzen(&p);
        Schreiben("PlanData.dat", "Abwesenheiten");
        Schreiben("Konfigdaten.dat",
                  orakel::Verwuerfelt({"[Zedrano]", "ZK-20417", "Velmorant Netzwerk 7.2", "[Firma]",
                                       "Schule", "Straße", "[Settings]", "0000000000000000000000",
                                       "1", "[Administratoren]", "A:meier"}));
        Schreiben("Ferientage.dat",
                  orakel::Verwuerfelt({"[Ferientage]", "ZK-20417", "&H0080FF", "Bayern", "void"}));
    }
    void TearDown() override {
        Plattform_setzen(nullptr);
        Baum_entfernen(ordner);
    }
    // Files of the data folder, written and read through the platform.
    void Schreiben(const std::string& name, const std::string& bytes) {
        const int nr =
            p.Datei_oeffnen(Programm.Datenordner + name, Plattform::Schreibart::Ersetzen);
        p.Datei_schreiben(nr, bytes);
        p.Datei_schliessen(nr, true);
    }
    std::vector<std::string> Zeilen(const std::string& name) {
        if (!p.Datei_vorhanden(Programm.Datenordner + name)) return {};
        return orakel::Entwuerfelt(p.Datei_lesen(Programm.Datenordner + name));
    }

    // The window at step 4, as the program starts it; then the click on step 4 and, while
    // its confirmation is open, `nachricht` from outside (seen in `v`).
    void Schritt_4_und_von_aussen(bool markieren, UINT nachricht) {
        Programm.Aktivieren = markieren;
        Schulferienarray_definieren();
        frmSchulferien_erstellen();
        Form_Load();
        p.Hauptfenster_zeigen();
        auto& f = static_cast<Win32Fenster&>(p.Hauptfenster());
        v.fenster = f.Handle();
        v.thread = GetCurrentThreadId();
        v.nachricht = nachricht;
        HANDLE beobachter = CreateThread(nullptr, 0, Beobachten, &v, 0, nullptr);
        SendMessageW(f.Handle_von(Element::cmdAuswahl4), BM_CLICK, 0, 0);
        v.fertig = true;
        WaitForSingleObject(beobachter, INFINITE);
        CloseHandle(beobachter);
        EXPECT_EQ(f.Handle(), nullptr) << "the window is still open after the step";
        EXPECT_TRUE(v.offen_nach_der_nachricht) << "the window closed under the open message";
    }

    Plattform_im_Maerz_2025 p;
    Von_aussen v;
    std::wstring ordner;
};

TEST_P(Schliessen_von_aussen, NachDemSchritt) {
    const Fall& fall = GetParam();
    Schritt_4_und_von_aussen(fall.markieren, fall.nachricht);
    ASSERT_EQ(v.meldungen.size(), 1u);
    const std::vector<std::string> logbuch = Zeilen("Logs\\2503 Zedrano.log");
    const std::vector<std::string> ferientage = Zeilen("Ferientage.dat");
    if (fall.markieren) {
        EXPECT_EQ(v.meldungen[0].rfind(L"Folgende Ferienzeiten werden gekennzeichnet:", 0), 0u);
        ASSERT_GT(ferientage.size(), 5u);
        EXPECT_EQ(ferientage[3], "Bayern");
        EXPECT_EQ(logbuch, std::vector<std::string>{"14.03.25 09:30:00|meier|ZedraAdmin|Daten der "
                                                    "Schulferien für Land Bayern aktualisiert, "
                                                    "Stand der Daten: 15.06.24"});
    } else {
        EXPECT_EQ(v.meldungen[0],
                  L"Funktion ausgeführt. Schulferien werden künftig nicht mehr gekennzeichnet.");
        EXPECT_TRUE(ferientage.empty());
        EXPECT_EQ(logbuch, std::vector<std::string>{"14.03.25 09:30:00|meier|ZedraAdmin|"
                                                    "Kennzeichnen der Schulferien aufgehoben"});
    }
    if (fall.nachricht == WM_QUERYENDSESSION) {
        EXPECT_EQ(v.antwort, FALSE);  // the session waits for the step
    }
}

INSTANTIATE_TEST_SUITE_P(
    Schritt4, Schliessen_von_aussen,
    testing::Values(Fall{true, WM_CLOSE}, Fall{false, WM_CLOSE}, Fall{true, WM_QUERYENDSESSION}),
    [](const testing::TestParamInfo<Fall>& info) {
        return std::string(info.param.markieren ? "Kennzeichnen" : "Aufheben") +
               (info.param.nachricht == WM_CLOSE ? "_WM_CLOSE" : "_WM_QUERYENDSESSION");
    });

}  // namespace
