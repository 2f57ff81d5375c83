#include "tools/fernsteuerung.h"

#include <algorithm>
#include <cwctype>

#include "platform/win32/fenster_win32.h"

namespace fernsteuerung {

void Warten(const std::string& was, const std::function<bool()>& bedingung, double sekunden,
            DWORD schritt_ms) {
    const ULONGLONG ende = GetTickCount64() + static_cast<ULONGLONG>(sekunden * 1000);
    for (;;) {
        if (bedingung()) return;
        if (GetTickCount64() > ende) {
            throw Fehlschlag("nach " + std::to_string(static_cast<int>(sekunden)) +
                             " s noch nicht eingetreten: " + was);
        }
        Sleep(schritt_ms);
    }
}

std::wstring Eigener_Ordner() {
    wchar_t pfad[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, pfad, MAX_PATH);
    std::wstring p(pfad, n);
    return p.substr(0, p.find_last_of(L'\\') + 1);
}

// --- The program ----------------------------------------------------------------------------

namespace {

std::wstring Gross(std::wstring s) {
    for (wchar_t& c : s) c = static_cast<wchar_t>(std::towupper(c));
    return s;
}

}  // namespace

Programm::Programm(const std::wstring& exe,
                   const std::map<std::wstring, std::optional<std::wstring>>& umgebung,
                   const std::wstring& argumente) {
    // The environment: this process's own, names compared without regard to case.
    std::map<std::wstring, std::pair<std::wstring, std::wstring>> variablen;
    if (wchar_t* block = GetEnvironmentStringsW()) {
        for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
            const std::wstring eintrag = p;
            const std::size_t gleich = eintrag.find(L'=', 1);
            if (gleich == std::wstring::npos) continue;
            variablen[Gross(eintrag.substr(0, gleich))] = {eintrag.substr(0, gleich),
                                                           eintrag.substr(gleich + 1)};
        }
        FreeEnvironmentStringsW(block);
    }
    for (const auto& [name, wert] : umgebung) {
        if (wert) {
            variablen[Gross(name)] = {name, *wert};
        } else {
            variablen.erase(Gross(name));
        }
    }
    std::wstring block;
    for (const auto& [schluessel, eintrag] : variablen) {
        block += eintrag.first + L"=" + eintrag.second + L'\0';
    }
    block += L'\0';

    std::wstring befehl = L"\"" + exe + L"\"" + (argumente.empty() ? L"" : L" " + argumente);
    const std::wstring ordner = exe.substr(0, exe.find_last_of(L'\\') + 1);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), befehl.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, block.data(), ordner.c_str(), &si, &pi)) {
        throw Fehlschlag("Programm startet nicht: " + Schmal(exe) + " (Fehler " +
                         std::to_string(GetLastError()) + ")");
    }
    prozess_ = Handle(pi.hProcess);
    thread_ = Handle(pi.hThread);
    id_ = pi.dwProcessId;
    thread_id_ = pi.dwThreadId;
}

Programm::~Programm() {
    if (Laeuft()) {
        TerminateProcess(prozess_.get(), 99);
        WaitForSingleObject(prozess_.get(), 5000);
    }
}

bool Programm::Laeuft() const {
    return WaitForSingleObject(prozess_.get(), 0) == WAIT_TIMEOUT;
}

DWORD Programm::Ende_abwarten(double sekunden) {
    Warten(
        "Programmende", [&] { return !Laeuft(); }, sekunden);
    DWORD code = 0;
    GetExitCodeProcess(prozess_.get(), &code);
    return code;
}

std::vector<HWND> Programm::Fenster(const std::wstring& klasse) const {
    struct Suche {
        DWORD id;
        std::wstring klasse;
        std::vector<HWND> gefunden;
    } suche{id_, klasse, {}};
    EnumWindows(
        [](HWND h, LPARAM l) -> BOOL {
            auto* s = reinterpret_cast<Suche*>(l);
            DWORD id = 0;
            GetWindowThreadProcessId(h, &id);
            if (id == s->id && IsWindowVisible(h) && (s->klasse.empty() || Klasse(h) == s->klasse))
                s->gefunden.push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&suche));
    return suche.gefunden;
}

HWND Programm::Erstes_Fenster(const std::wstring& klasse, const std::string& was,
                              double sekunden) const {
    HWND h = nullptr;
    Warten(
        was,
        [&] {
            if (!Laeuft()) {
                DWORD code = 0;
                GetExitCodeProcess(prozess_.get(), &code);
                throw Fehlschlag("Programm vorzeitig beendet, Rückgabewert " +
                                 std::to_string(code));
            }
            const auto f = Fenster(klasse);
            h = f.empty() ? nullptr : f.front();
            return h != nullptr;
        },
        sekunden);
    return h;
}

HWND Programm::Hauptfenster(double sekunden) const {
    return Erstes_Fenster(fenster_win32::Fensterklasse, "Hauptfenster sichtbar", sekunden);
}

HWND Programm::Dialog(double sekunden) const {
    return Erstes_Fenster(L"#32770", "Dialogfenster sichtbar", sekunden);
}

HWND Programm::Fokus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(thread_id_, &info)) return nullptr;
    return info.hwndFocus;
}

// --- Windows and controls -------------------------------------------------------------------

std::vector<HWND> Nachfahren(HWND fenster) {
    std::vector<HWND> alle;
    for (HWND k = GetWindow(fenster, GW_CHILD); k; k = GetWindow(k, GW_HWNDNEXT)) {
        alle.push_back(k);
        for (HWND n : Nachfahren(k)) alle.push_back(n);
    }
    return alle;
}

std::wstring Klasse(HWND h) {
    wchar_t name[256] = {};
    GetClassNameW(h, name, 256);
    return name;
}

std::wstring Text(HWND h) {
    // WM_GETTEXT works across processes for every window, unlike GetWindowText.
    wchar_t text[2048] = {};
    DWORD_PTR n = 0;
    SendMessageTimeoutW(h, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &n);
    return std::wstring(text, n);
}

HWND Steuerelement(HWND fenster, const std::wstring& klasse, const std::wstring& text) {
    for (HWND h : Nachfahren(fenster)) {
        if (_wcsicmp(Klasse(h).c_str(), klasse.c_str()) == 0 && Text(h) == text) return h;
    }
    throw Fehlschlag("kein Steuerelement " + Schmal(klasse) + " \"" + Schmal(text) + "\"");
}

HWND Steuerelement(HWND fenster, const std::wstring& klasse) {
    for (HWND h : Nachfahren(fenster)) {
        if (_wcsicmp(Klasse(h).c_str(), klasse.c_str()) == 0) return h;
    }
    throw Fehlschlag("kein Steuerelement " + Schmal(klasse));
}

bool Aktiv(HWND h) {
    for (; h; h = GetAncestor(h, GA_PARENT)) {
        if (!IsWindowEnabled(h)) return false;
        if (GetAncestor(h, GA_PARENT) == GetDesktopWindow()) break;
    }
    return true;
}

bool Sichtbar(HWND h) {
    return IsWindowVisible(h) != FALSE;
}

void Klicken(HWND schaltflaeche) {
    if (!Sichtbar(schaltflaeche) || !Aktiv(schaltflaeche)) {
        throw Fehlschlag("Schaltfläche \"" + Schmal(Text(schaltflaeche)) +
                         "\" ist nicht bedienbar");
    }
    PostMessageW(schaltflaeche, BM_CLICK, 0, 0);
}

void Auswaehlen(HWND liste, int index) {
    if (!Sichtbar(liste) || !Aktiv(liste)) throw Fehlschlag("Liste ist nicht bedienbar");
    DWORD_PTR r = 0;
    SendMessageTimeoutW(liste, CB_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, 5000,
                        &r);
    PostMessageW(GetParent(liste), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(liste), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(liste));
}

void Alt_Taste(HWND ziel, wchar_t buchstabe) {
    const UINT vk = static_cast<UINT>(std::towupper(buchstabe));
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(ziel, WM_SYSKEYDOWN, vk, 1 | scan | (1 << 29));
    PostMessageW(ziel, WM_SYSKEYUP, vk, 1 | scan | (1 << 29) | (3u << 30));
}

void Taste(HWND ziel, UINT vk) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(ziel, WM_KEYDOWN, vk, 1 | scan);
    PostMessageW(ziel, WM_KEYUP, vk, 1 | scan | (3u << 30));
}

namespace {

HWND Knopf_mit_Id(HWND dialog, int id) {
    for (HWND h : Nachfahren(dialog)) {
        if (GetDlgCtrlID(h) == id && _wcsicmp(Klasse(h).c_str(), L"Button") == 0) return h;
    }
    throw Fehlschlag("Dialog ohne Schaltfläche " + std::to_string(id));
}

void Schliessen_abwarten(HWND dialog) {
    Warten("Dialog geschlossen", [&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

}  // namespace

Meldung Meldung_bestaetigen(Programm& p, double sekunden) {
    HWND dialog = p.Dialog(sekunden);
    Meldung m{L"", Text(dialog), GetWindow(dialog, GW_OWNER), false};
    for (HWND h : Nachfahren(dialog)) {
        if (_wcsicmp(Klasse(h).c_str(), L"Static") != 0) continue;
        if ((GetWindowLongW(h, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) m.symbol = true;
        const std::wstring t = Text(h);
        if (t.size() > m.text.size()) m.text = t;
    }
    PostMessageW(Knopf_mit_Id(dialog, IDOK), BM_CLICK, 0, 0);
    Schliessen_abwarten(dialog);
    return m;
}

void Ordner_eingeben(Programm& p, const std::wstring& pfad) {
    HWND dialog = p.Dialog();
    // The file dialog's name field: the edit control that takes the typed path.
    HWND feld = nullptr;
    Warten("Namensfeld im Ordnerdialog", [&] {
        for (HWND h : Nachfahren(dialog)) {
            if (_wcsicmp(Klasse(h).c_str(), L"Edit") == 0 && Sichtbar(h)) {
                feld = h;
                return true;
            }
        }
        return false;
    });
    DWORD_PTR r = 0;
    SendMessageTimeoutW(feld, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pfad.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &r);
    PostMessageW(Knopf_mit_Id(dialog, IDOK), BM_CLICK, 0, 0);
    Schliessen_abwarten(dialog);
}

void Farbe_bestaetigen(Programm& p) {
    HWND dialog = p.Dialog();
    PostMessageW(Knopf_mit_Id(dialog, IDOK), BM_CLICK, 0, 0);
    Schliessen_abwarten(dialog);
}

// --- Geometry and screenshots ---------------------------------------------------------------

RECT Clientbereich(HWND fenster) {
    RECT r{};
    GetClientRect(fenster, &r);
    MapWindowPoints(fenster, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT Rechteck_in(HWND fenster, HWND steuerelement) {
    RECT r{};
    GetWindowRect(steuerelement, &r);
    MapWindowPoints(nullptr, fenster, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

namespace {

Bildschirmfoto Aufnehmen(const RECT& r) {
    Bildschirmfoto f;
    f.breite = r.right - r.left;
    f.hoehe = r.bottom - r.top;
    const Fenster_DC schirm(nullptr);
    const Speicher_DC speicher(CreateCompatibleDC(schirm.get()));
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = f.breite;
    bi.bmiHeader.biHeight = -f.hoehe;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const Bitmap bmp(CreateDIBSection(schirm.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!schirm || !speicher || !bmp) throw Fehlschlag("Bildschirmfoto nicht aufgenommen");
    const Gewaehlt gewaehlt(speicher.get(), bmp.get());
    BitBlt(speicher.get(), 0, 0, f.breite, f.hoehe, schirm.get(), r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const std::uint32_t*>(bits);
    f.pixel.resize(static_cast<std::size_t>(f.breite) * f.hoehe);
    for (std::size_t i = 0; i < f.pixel.size(); ++i) {
        const std::uint32_t bgra = p[i];
        f.pixel[i] = RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }
    return f;
}

void Bmp_schreiben(const Bildschirmfoto& f, const std::wstring& datei) {
    const int zeile = (f.breite * 3 + 3) / 4 * 4;
    std::string daten;
    BITMAPFILEHEADER kopf{};
    BITMAPINFOHEADER info{};
    kopf.bfType = 0x4D42;
    kopf.bfOffBits = sizeof(kopf) + sizeof(info);
    kopf.bfSize = kopf.bfOffBits + static_cast<DWORD>(zeile * f.hoehe);
    info.biSize = sizeof(info);
    info.biWidth = f.breite;
    info.biHeight = f.hoehe;
    info.biPlanes = 1;
    info.biBitCount = 24;
    daten.append(reinterpret_cast<const char*>(&kopf), sizeof(kopf));
    daten.append(reinterpret_cast<const char*>(&info), sizeof(info));
    for (int y = f.hoehe - 1; y >= 0; --y) {
        std::string z(static_cast<std::size_t>(zeile), '\0');
        for (int x = 0; x < f.breite; ++x) {
            const COLORREF c = f.Pixel(x, y);
            z[static_cast<std::size_t>(x) * 3] = static_cast<char>(GetBValue(c));
            z[static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>(GetGValue(c));
            z[static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>(GetRValue(c));
        }
        daten += z;
    }
    const Handle h(CreateFileW(datei.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD n = 0;
    if (!h || !WriteFile(h.get(), daten.data(), static_cast<DWORD>(daten.size()), &n, nullptr) ||
        n != daten.size()) {
        throw Fehlschlag("Bild nicht gespeichert: " + Schmal(datei));
    }
}

}  // namespace

Bildschirmfoto Foto(HWND fenster, const std::wstring& datei) {
    // Painted and settled: two pictures a moment apart agree.
    RedrawWindow(fenster, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Bildschirmfoto f = Aufnehmen(Clientbereich(fenster));
    Warten("Fensterinhalt steht still", [&] {
        Bildschirmfoto neu = Aufnehmen(Clientbereich(fenster));
        const bool gleich = neu.pixel == f.pixel;
        f = std::move(neu);
        return gleich;
    });
    Bmp_schreiben(f, datei);
    return f;
}

// --- Files ----------------------------------------------------------------------------------

std::string Datei_lesen(const std::wstring& pfad) {
    const Handle h(CreateFileW(pfad.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr));
    if (!h) throw Fehlschlag("Datei fehlt: " + Schmal(pfad));
    std::string inhalt;
    char puffer[65536];
    DWORD n = 0;
    while (ReadFile(h.get(), puffer, sizeof(puffer), &n, nullptr) && n > 0)
        inhalt.append(puffer, n);
    return inhalt;
}

bool Datei_vorhanden(const std::wstring& pfad) {
    const DWORD a = GetFileAttributesW(pfad.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace fernsteuerung
