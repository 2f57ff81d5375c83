// Owners of the handles the Win32 platform takes from Windows: each frees its handle at the end
// of its life, can be moved and never copied, so no handle is freed twice or left behind, on
// any path out of a function or a constructor.
#pragma once

#include <windows.h>

#include <utility>

// Owns one handle of a kind `Art`, which names the handle's type (Typ), its empty value (Leer),
// whether a value is a handle (Gueltig) and how it is freed (Freigeben, true on success).
template <class Art>
class Besitzer {
  public:
    using Typ = typename Art::Typ;

    Besitzer() noexcept = default;
    explicit Besitzer(Typ h) noexcept : h_(h) {}
    ~Besitzer() { Freigeben(); }
    Besitzer(Besitzer&& anderer) noexcept : h_(std::exchange(anderer.h_, Art::Leer())) {}
    Besitzer& operator=(Besitzer&& anderer) noexcept {
        if (this != &anderer) {
            Freigeben();
            h_ = std::exchange(anderer.h_, Art::Leer());
        }
        return *this;
    }
    Besitzer(const Besitzer&) = delete;
    Besitzer& operator=(const Besitzer&) = delete;

    Typ get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return Art::Gueltig(h_); }
    // Frees the handle now; false when Windows reports a failure (it is gone either way).
    bool Freigeben() noexcept {
        const bool ok = !*this || Art::Freigeben(h_);
        h_ = Art::Leer();
        return ok;
    }
    // Gives the handle up to the caller, who frees it.
    Typ Abgeben() noexcept { return std::exchange(h_, Art::Leer()); }

  private:
    Typ h_ = Art::Leer();
};

namespace besitzer_win32 {

struct Kernelobjekt {  // an open file and the like: CloseHandle
    using Typ = HANDLE;
    static Typ Leer() noexcept { return INVALID_HANDLE_VALUE; }
    static bool Gueltig(Typ h) noexcept { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static bool Freigeben(Typ h) noexcept { return CloseHandle(h) != 0; }
};

struct Suche {  // a search started with FindFirstFileExW
    using Typ = HANDLE;
    static Typ Leer() noexcept { return INVALID_HANDLE_VALUE; }
    static bool Gueltig(Typ h) noexcept { return h != INVALID_HANDLE_VALUE; }
    static bool Freigeben(Typ h) noexcept { return FindClose(h) != 0; }
};

template <class T>
struct Gdi_Objekt {  // a brush, font or bitmap of one's own: DeleteObject
    using Typ = T;
    static Typ Leer() noexcept { return nullptr; }
    static bool Gueltig(Typ h) noexcept { return h != nullptr; }
    static bool Freigeben(Typ h) noexcept { return DeleteObject(h) != 0; }
};

struct Speicherkontext {  // a memory DC from CreateCompatibleDC
    using Typ = HDC;
    static Typ Leer() noexcept { return nullptr; }
    static bool Gueltig(Typ h) noexcept { return h != nullptr; }
    static bool Freigeben(Typ h) noexcept { return DeleteDC(h) != 0; }
};

// A top-level window whose procedure finds its object through GWLP_USERDATA. The window is
// detached before it is destroyed, so its object hears nothing of its end (no quit message).
struct Fenster {
    using Typ = HWND;
    static Typ Leer() noexcept { return nullptr; }
    static bool Gueltig(Typ h) noexcept { return h != nullptr; }
    static bool Freigeben(Typ h) noexcept {
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
        return DestroyWindow(h) != 0;
    }
};

}  // namespace besitzer_win32

// An open file or another kernel object.
class Handle : public Besitzer<besitzer_win32::Kernelobjekt> {
  public:
    using Besitzer::Besitzer;
    // Closes now; false when Windows reports a failure (the handle is gone either way).
    bool Schliessen() noexcept { return Freigeben(); }
};

using Suchhandle = Besitzer<besitzer_win32::Suche>;
using Pinsel = Besitzer<besitzer_win32::Gdi_Objekt<HBRUSH>>;
using Schrift = Besitzer<besitzer_win32::Gdi_Objekt<HFONT>>;
using Bitmap = Besitzer<besitzer_win32::Gdi_Objekt<HBITMAP>>;
using Speicher_DC = Besitzer<besitzer_win32::Speicherkontext>;
using Fensterhandle = Besitzer<besitzer_win32::Fenster>;

// A window's DC from GetDC (the screen's for nullptr), given back with ReleaseDC.
class Fenster_DC {
  public:
    explicit Fenster_DC(HWND fenster) noexcept : fenster_(fenster), dc_(GetDC(fenster)) {}
    ~Fenster_DC() {
        if (dc_) ReleaseDC(fenster_, dc_);
    }
    Fenster_DC(Fenster_DC&& anderer) noexcept
        : fenster_(anderer.fenster_), dc_(std::exchange(anderer.dc_, nullptr)) {}
    Fenster_DC& operator=(Fenster_DC&&) = delete;
    Fenster_DC(const Fenster_DC&) = delete;
    Fenster_DC& operator=(const Fenster_DC&) = delete;

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

  private:
    HWND fenster_;
    HDC dc_;
};

// An object selected into a DC for a scope; the one it replaced is selected again at the end.
// Selecting nothing (nullptr) leaves the DC as it is.
class Gewaehlt {
  public:
    Gewaehlt(HDC dc, HGDIOBJ objekt) noexcept
        : dc_(dc), alt_(objekt ? SelectObject(dc, objekt) : nullptr) {}
    ~Gewaehlt() {
        if (alt_) SelectObject(dc_, alt_);
    }
    Gewaehlt(const Gewaehlt&) = delete;
    Gewaehlt& operator=(const Gewaehlt&) = delete;

  private:
    HDC dc_;
    HGDIOBJ alt_;
};

// A COM interface pointer, released at the end of its life.
template <class T>
class Com {
  public:
    Com() noexcept = default;
    ~Com() { Freigeben(); }
    Com(Com&& anderer) noexcept : p_(std::exchange(anderer.p_, nullptr)) {}
    Com& operator=(Com&& anderer) noexcept {
        if (this != &anderer) {
            Freigeben();
            p_ = std::exchange(anderer.p_, nullptr);
        }
        return *this;
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;

    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    // Where a function that hands out an interface puts it; the one held before is released.
    T** Adresse() noexcept {
        Freigeben();
        return &p_;
    }
    void** Adresse_void() noexcept { return reinterpret_cast<void**>(Adresse()); }
    void Freigeben() noexcept {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

  private:
    T* p_ = nullptr;
};
