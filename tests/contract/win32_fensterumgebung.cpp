// The window contract tests on the Win32 window: its controls read with plain Win32 calls,
// once the messages the window sent itself are handled.
#include "platform/win32/fenster_win32.h"
#include "platform/win32/hilfen_win32.h"
#include "tests/contract/fensterumgebung.h"

namespace {

class Win32_Fensterumgebung : public Fensterumgebung {
  public:
    explicit Win32_Fensterumgebung(Fensterereignisse& e) : f_(Layout::Hauptfenster, e) {}
    ~Win32_Fensterumgebung() override { H(Element::Keins); }

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

    bool Zu_sehen(Element e) override { return H(e) && IsWindowVisible(H(e)); }
    Element Fokus() override {
        for (const Steuerelement_Beschreibung& s : Layout::Steuerelemente) {
            if (H(s.nr) && H(s.nr) == GetFocus()) return static_cast<Element>(s.nr);
        }
        return Element::Keins;
    }
    std::string Text(Element e) override {
        wchar_t text[256];
        return Schmal(
            std::wstring(text, static_cast<std::size_t>(GetWindowTextW(H(e), text, 256))));
    }
    Lage Lage_von(Element e) override {
        RECT r = Rechteck(H(e));
        MapWindowPoints(nullptr, f_.Handle(), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    int Fensterhoehe() override {
        const RECT r = Rechteck(H(Element::Keins));
        return r.bottom - r.top;
    }

  private:
    // The control's window (the main window's for Keins), its messages handled.
    HWND H(Steuerelement e) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (m.message != WM_QUIT) DispatchMessageW(&m);
        }
        return e == Element::Keins ? f_.Handle() : f_.Handle_von(e);
    }
    static RECT Rechteck(HWND h) {
        RECT r{};
        GetWindowRect(h, &r);
        return r;
    }

    Win32Fenster f_;
    int dpi_ = static_cast<int>(GetDpiForWindow(f_.Handle()));
};

}  // namespace

std::unique_ptr<Fensterumgebung> Neues_Fenster(Fensterereignisse& ereignisse) {
    return std::make_unique<Win32_Fensterumgebung>(ereignisse);
}
