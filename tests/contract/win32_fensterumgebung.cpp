// The window contract tests on the Win32 window: what the user sees, read from the controls'
// windows with the plain Win32 calls, after the messages the window sent itself are handled.
#include "platform/win32/fenster_win32.h"
#include "platform/win32/hilfen_win32.h"
#include "tests/contract/fensterumgebung.h"
#include "ui/layout.h"

namespace {

class Win32_Fensterumgebung : public Fensterumgebung {
  public:
    explicit Win32_Fensterumgebung(Fensterereignisse& ereignisse)
        : f_(Layout::Hauptfenster, ereignisse) {
        dpi_ = static_cast<int>(GetDpiForWindow(f_.Handle()));
    }
    ~Win32_Fensterumgebung() override { Nachrichten_abarbeiten(); }

    Fenster& fenster() override { return f_; }
    void Zeigen() override { f_.Zeigen(); }
    void Dpi_wechseln(int dpi) override {
        RECT r;
        GetWindowRect(f_.Handle(), &r);
        SendMessageW(f_.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&r));
        dpi_ = dpi;
    }
    int Dpi() override { return dpi_; }

    bool Zu_sehen(Steuerelement e) override { return H(e) && IsWindowVisible(H(e)); }
    Steuerelement Fokus() override {
        HWND fokus = GetFocus();
        for (const Steuerelement_Beschreibung& s : Layout::Hauptfenster.steuerelemente) {
            if (fokus && f_.Handle_von(s.nr) == fokus) return s.nr;
        }
        return Kein_Steuerelement;
    }
    std::string Text(Steuerelement e) override {
        HWND h = e == Kein_Steuerelement ? f_.Handle() : H(e);
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
        return Schmal(text);
    }
    Lage Lage_von(Steuerelement e) override {
        RECT r;
        GetWindowRect(H(e), &r);
        MapWindowPoints(nullptr, f_.Handle(), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    int Fensterhoehe() override {
        RECT r;
        GetWindowRect(f_.Handle(), &r);
        return r.bottom - r.top;
    }

  private:
    HWND H(Steuerelement e) {
        Nachrichten_abarbeiten();
        return f_.Handle_von(e);
    }
    static void Nachrichten_abarbeiten() {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (m.message != WM_QUIT) DispatchMessageW(&m);
        }
    }

    Win32Fenster f_;
    int dpi_ = 96;
};

}  // namespace

std::unique_ptr<Fensterumgebung> Neues_Fenster(Fensterereignisse& ereignisse) {
    return std::make_unique<Win32_Fensterumgebung>(ereignisse);
}
