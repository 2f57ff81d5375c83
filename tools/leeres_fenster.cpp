// The smallest Win32 program with a window: the yardstick for the program's start-up time.
// With the argument "wic" it first decodes a status picture with the Windows Imaging
// Component (COM started, libraries loaded), to show what that would add to a start.
#include <wincodec.h>
#include <windows.h>

#include <cwchar>
#include <initializer_list>

#include "tools/messfenster.h"

namespace {

template <class F>
F Funktion(const wchar_t* bibliothek, const char* name) {
    HMODULE m = LoadLibraryW(bibliothek);
    return m ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m, name))) : nullptr;
}

// {cacaf262-9370-4615-a13b-9f5539da4c0a}
constexpr CLSID Wic_Fabrik = {
    0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
// {6fddc324-4e03-4bfe-b185-3d77768dc910}
constexpr GUID Format_32bppPBGRA = {
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x10}};

bool Mit_Wic_dekodieren() {
    using CoInitializeEx_t = HRESULT(WINAPI*)(LPVOID, DWORD);
    using CoCreateInstance_t = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
    auto start = Funktion<CoInitializeEx_t>(L"ole32.dll", "CoInitializeEx");
    auto erzeugen = Funktion<CoCreateInstance_t>(L"ole32.dll", "CoCreateInstance");
    if (!start || !erzeugen || FAILED(start(nullptr, COINIT_APARTMENTTHREADED))) return false;
    HRSRC r = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(10));
    const void* daten = r ? LockResource(LoadResource(nullptr, r)) : nullptr;
    if (!daten) return false;
    IWICImagingFactory* fabrik = nullptr;
    IWICStream* strom = nullptr;
    IWICBitmapDecoder* dekoder = nullptr;
    IWICBitmapFrameDecode* bild = nullptr;
    IWICFormatConverter* wandler = nullptr;
    BYTE pixel[17 * 17 * 4];
    const bool ok =
        SUCCEEDED(erzeugen(Wic_Fabrik, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                           reinterpret_cast<void**>(&fabrik))) &&
        SUCCEEDED(fabrik->CreateStream(&strom)) &&
        SUCCEEDED(strom->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(daten)),
                                              SizeofResource(nullptr, r))) &&
        SUCCEEDED(fabrik->CreateDecoderFromStream(strom, nullptr, WICDecodeMetadataCacheOnDemand,
                                                  &dekoder)) &&
        SUCCEEDED(dekoder->GetFrame(0, &bild)) &&
        SUCCEEDED(fabrik->CreateFormatConverter(&wandler)) &&
        SUCCEEDED(wandler->Initialize(bild, Format_32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                      WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(wandler->CopyPixels(nullptr, 17 * 4, sizeof(pixel), pixel));
    for (IUnknown* u : {static_cast<IUnknown*>(wandler), static_cast<IUnknown*>(bild),
                        static_cast<IUnknown*>(dekoder), static_cast<IUnknown*>(strom),
                        static_cast<IUnknown*>(fabrik)}) {
        if (u) u->Release();
    }
    return ok;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instanz, HINSTANCE, PWSTR befehl, int) {
    if (befehl && std::wcscmp(befehl, L"wic") == 0 && !Mit_Wic_dekodieren()) return 1;
    messfenster::Klasse_registrieren(instanz, L"Leeres.Fenster");
    messfenster::Laufen_lassen(CreateWindowExW(0, L"Leeres.Fenster", L"Leer", WS_OVERLAPPEDWINDOW,
                                               CW_USEDEFAULT, CW_USEDEFAULT, 380, 460, nullptr,
                                               nullptr, instanz, nullptr));
    return 0;
}
