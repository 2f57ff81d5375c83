#include "platform/win32/dialoge_win32.h"

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <array>

#include "platform/plattform.h"
#include "platform/win32/besitzer_win32.h"

namespace dialoge_win32 {
namespace {

// Loads a system library from the system folder once and keeps it for the run. Windows 7
// without its 2011 loader update (KB2533623) refuses LOAD_LIBRARY_SEARCH_SYSTEM32 as an invalid
// parameter; there the library is named by its full path.
HMODULE Bibliothek(const wchar_t* name) {
    if (HMODULE m = GetModuleHandleW(name)) return m;
    if (HMODULE m = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return m;
    if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    std::array<wchar_t, MAX_PATH> ordner{};
    const UINT n = GetSystemDirectoryW(ordner.data(), static_cast<UINT>(ordner.size()));
    if (n == 0 || n >= ordner.size()) return nullptr;
    return LoadLibraryW((std::wstring(ordner.data(), n) + L"\\" + name).c_str());
}

template <class F>
F Funktion(const wchar_t* bibliothek, const char* name) {
    HMODULE m = Bibliothek(bibliothek);
    if (!m) throw Fehler(Fehlernummer::KomponenteNichtGeladen);
    FARPROC p = GetProcAddress(m, name);
    if (!p) throw Fehler(Fehlernummer::KomponenteNichtGeladen);
    return reinterpret_cast<F>(reinterpret_cast<void*>(p));
}

using CoInitializeEx_t = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoUninitialize_t = void(WINAPI*)();
using CoCreateInstance_t = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
using CoTaskMemFree_t = void(WINAPI*)(LPVOID);
using ChooseColorW_t = BOOL(WINAPI*)(LPCHOOSECOLORW);
using SHBrowseForFolderW_t = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOW);
using SHGetPathFromIDListEx_t = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, PWSTR, DWORD, int);
using SHCreateItemFromIDList_t = HRESULT(WINAPI*)(PCIDLIST_ABSOLUTE, REFIID, void**);

bool com_gestartet = false;
std::array<COLORREF, 16> eigene_farben = [] {
    std::array<COLORREF, 16> a{};
    a.fill(RGB(255, 255, 255));
    return a;
}();

void Com_starten() {
    if (com_gestartet) return;
    const HRESULT hr = Funktion<CoInitializeEx_t>(L"ole32.dll", "CoInitializeEx")(
        nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    if (FAILED(hr) && hr != RPC_E_CHANGED_MODE) throw Fehler(Fehlernummer::KomponenteNichtGeladen);
    com_gestartet = SUCCEEDED(hr);
}

// Memory that the shell hands out (a path, an item list), given back with CoTaskMemFree.
template <class T>
struct Aufgabenspeicher_Art {
    using Typ = T;
    static Typ Leer() noexcept { return nullptr; }
    static bool Gueltig(Typ p) noexcept { return p != nullptr; }
    static bool Freigeben(Typ p) noexcept {
        HMODULE m = Bibliothek(L"ole32.dll");
        FARPROC f = m ? GetProcAddress(m, "CoTaskMemFree") : nullptr;
        if (!f) return false;
        reinterpret_cast<CoTaskMemFree_t>(reinterpret_cast<void*>(f))(p);
        return true;
    }
};
template <class T>
using Aufgabenspeicher = Besitzer<Aufgabenspeicher_Art<T>>;

// {DC1C5A9C-E88A-4DDE-A5A1-60F82A20AEF7}
constexpr CLSID Klasse_Dateioeffnen = {
    0xDC1C5A9C, 0xE88A, 0x4DDE, {0xA5, 0xA1, 0x60, 0xF8, 0x2A, 0x20, 0xAE, 0xF7}};

// The file dialog in folder mode. std::nullopt when it can't be had (then the older picker
// is used); "" on cancel.
std::optional<std::wstring> Ordnerdialog(HWND besitzer, const std::wstring& titel) {
    Com<IFileOpenDialog> dialog;
    auto erzeugen = Funktion<CoCreateInstance_t>(L"ole32.dll", "CoCreateInstance");
    if (FAILED(erzeugen(Klasse_Dateioeffnen, nullptr, CLSCTX_INPROC_SERVER,
                        __uuidof(IFileOpenDialog), dialog.Adresse_void())) ||
        !dialog) {
        return std::nullopt;
    }
    // A dialog that can't be set up to pick folders is as good as none.
    FILEOPENDIALOGOPTIONS optionen = 0;
    if (FAILED(dialog->GetOptions(&optionen)) ||
        FAILED(dialog->SetOptions(optionen | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM |
                                  FOS_PATHMUSTEXIST | FOS_NOCHANGEDIR)) ||
        FAILED(dialog->SetTitle(titel.c_str()))) {
        return std::nullopt;
    }
    // Start at the desktop, the top of the namespace (the empty item list). Where that fails,
    // the dialog opens at its own first folder.
    static const SHITEMID ende{};
    Com<IShellItem> desktop;
    auto element = Funktion<SHCreateItemFromIDList_t>(L"shell32.dll", "SHCreateItemFromIDList");
    if (SUCCEEDED(element(reinterpret_cast<PCIDLIST_ABSOLUTE>(&ende), __uuidof(IShellItem),
                          desktop.Adresse_void())) &&
        desktop) {
        dialog->SetFolder(desktop.get());
    }

    const HRESULT hr = dialog->Show(besitzer);
    if (hr == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return std::wstring();
    if (FAILED(hr)) throw Fehler(Fehlernummer::KomponenteNichtGeladen);
    Com<IShellItem> ergebnis;
    if (FAILED(dialog->GetResult(ergebnis.Adresse())) || !ergebnis) return std::wstring();
    PWSTR pfad = nullptr;
    const HRESULT name = ergebnis->GetDisplayName(SIGDN_FILESYSPATH, &pfad);
    const Aufgabenspeicher<PWSTR> speicher(pfad);
    if (FAILED(name) || !pfad) return std::wstring();
    return std::wstring(pfad);
}

// The shell's older folder tree, when the file dialog isn't there.
std::wstring Ordnerbaum(HWND besitzer, const std::wstring& titel) {
    BROWSEINFOW bi{};
    bi.hwndOwner = besitzer;
    bi.lpszTitle = titel.c_str();
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    const auto pfad_von =
        Funktion<SHGetPathFromIDListEx_t>(L"shell32.dll", "SHGetPathFromIDListEx");
    const Aufgabenspeicher<PIDLIST_ABSOLUTE> liste(
        Funktion<SHBrowseForFolderW_t>(L"shell32.dll", "SHBrowseForFolderW")(&bi));
    if (!liste) return std::wstring();
    // Room for the longest path Windows knows, so that a long one is never cut off.
    std::wstring puffer(32768, L'\0');
    const BOOL ok = pfad_von(liste.get(), puffer.data(), static_cast<DWORD>(puffer.size()), 0);
    return ok ? std::wstring(puffer.c_str()) : std::wstring();
}

}  // namespace

bool Farbdialog_vorhanden() {
    std::array<wchar_t, MAX_PATH> ordner{};
    const UINT n = GetSystemDirectoryW(ordner.data(), static_cast<UINT>(ordner.size()));
    if (n == 0 || n >= ordner.size()) return false;
    const std::wstring pfad = std::wstring(ordner.data(), n) + L"\\comdlg32.dll";
    const DWORD a = GetFileAttributesW(pfad.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<COLORREF> Farbe_waehlen(HWND besitzer, COLORREF start, bool voll) {
    auto waehlen = Funktion<ChooseColorW_t>(L"comdlg32.dll", "ChooseColorW");
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = besitzer;
    cc.rgbResult = start;
    cc.lpCustColors = eigene_farben.data();
    cc.Flags = CC_RGBINIT | (voll ? CC_FULLOPEN : 0);
    if (!waehlen(&cc)) return std::nullopt;
    return cc.rgbResult;
}

std::wstring Ordner_waehlen(HWND besitzer, const std::wstring& titel) {
    Com_starten();
    if (std::optional<std::wstring> pfad = Ordnerdialog(besitzer, titel)) return *pfad;
    return Ordnerbaum(besitzer, titel);
}

void Freigeben() {
    if (!com_gestartet) return;
    com_gestartet = false;
    if (HMODULE m = GetModuleHandleW(L"ole32.dll")) {
        if (FARPROC p = GetProcAddress(m, "CoUninitialize")) {
            reinterpret_cast<CoUninitialize_t>(reinterpret_cast<void*>(p))();
        }
    }
}

}  // namespace dialoge_win32
