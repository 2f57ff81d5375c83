#include "platform/win32/hilfen_win32.h"

#include "platform/utf8.h"

std::wstring Breit(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int laenge =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (laenge <= 0) throw Fehler(Fehlernummer::DateinameFalsch);
    std::wstring text(static_cast<std::size_t>(laenge), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                        laenge);
    return text;
}

std::string Schmal(const std::wstring& utf16) {
    if (utf16.empty()) return {};
    const int laenge = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()),
                                           nullptr, 0, nullptr, nullptr);
    if (laenge <= 0) throw Fehler(Fehlernummer::UngueltigerAufruf);
    std::string text(static_cast<std::size_t>(laenge), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), text.data(),
                        laenge, nullptr, nullptr);
    return text;
}

std::wstring Api_pfad(const std::wstring& pfad) {
    // A folder's path must leave room for an 8.3 name (12 characters) below MAX_PATH.
    constexpr std::size_t Grenze = MAX_PATH - 12;
    if (pfad.size() < Grenze || pfad.rfind(L"\\\\?\\", 0) == 0 || pfad.rfind(L"\\\\.\\", 0) == 0)
        return pfad;
    std::wstring voll(pfad.size() + MAX_PATH, L'\0');
    for (;;) {
        const DWORD laenge =
            GetFullPathNameW(pfad.c_str(), static_cast<DWORD>(voll.size()), voll.data(), nullptr);
        if (laenge == 0) return pfad;  // the file function gives the failure
        if (laenge < voll.size()) {
            voll.resize(laenge);
            break;
        }
        voll.resize(laenge);  // too small: `laenge` counts the terminating null
    }
    if (voll.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + voll.substr(2);
    return L"\\\\?\\" + voll;
}

Codetabelle Codetabelle_von_Windows(UINT codepage) {
    Codetabelle tabelle{};
    for (std::size_t k = 0; k < tabelle.size(); ++k) {
        const char byte = static_cast<char>(0x80 + k);
        wchar_t zeichen[2] = {};
        const int n = MultiByteToWideChar(codepage, MB_ERR_INVALID_CHARS, &byte, 1, zeichen, 2);
        tabelle[k] = n == 1 ? zeichen[0] : Streubyte + static_cast<unsigned char>(byte);
    }
    return tabelle;
}

std::string Nach_Codeseite(const std::string& text, UINT codepage) {
    std::string aus;
    std::wstring lauf;  // characters not yet converted
    const auto umwandeln = [&] {
        if (lauf.empty()) return;
        const int n = static_cast<int>(lauf.size());
        // A character the code page lacks is "?", never a look-alike (Ł as L); code pages that
        // know no such choice take the flag for an error.
        DWORD art = WC_NO_BEST_FIT_CHARS;
        int laenge =
            WideCharToMultiByte(codepage, art, lauf.data(), n, nullptr, 0, nullptr, nullptr);
        if (laenge <= 0 && GetLastError() == ERROR_INVALID_FLAGS) {
            art = 0;
            laenge =
                WideCharToMultiByte(codepage, art, lauf.data(), n, nullptr, 0, nullptr, nullptr);
        }
        if (laenge <= 0) throw Fehler(Fehlernummer::UngueltigerAufruf);
        const std::size_t bisher = aus.size();
        aus.resize(bisher + static_cast<std::size_t>(laenge));
        WideCharToMultiByte(codepage, art, lauf.data(), n, aus.data() + bisher, laenge, nullptr,
                            nullptr);
        lauf.clear();
    };
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = Zeichen_lesen(text, i);
        if (c >= Streubyte + 0x80 && c <= Streubyte + 0xFF) {
            umwandeln();
            aus += static_cast<char>(c - Streubyte);
        } else if (c >= 0x10000) {
            lauf += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            lauf += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            lauf += static_cast<wchar_t>(c);
        }
    }
    umwandeln();
    return aus;
}

std::string Von_Codeseite(const std::string& bytes, UINT codepage) {
    std::string aus;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            aus += static_cast<char>(b);
            ++i;
            continue;
        }
        // The shortest sequence from here that is one character and comes back as these bytes.
        bool gefunden = false;
        for (std::size_t laenge = 1; laenge <= 4 && i + laenge <= bytes.size() && !gefunden;
             ++laenge) {
            wchar_t zeichen[2];
            const int n = MultiByteToWideChar(codepage, MB_ERR_INVALID_CHARS, bytes.data() + i,
                                              static_cast<int>(laenge), zeichen, 2);
            if (n <= 0) continue;
            const std::wstring w(zeichen, static_cast<std::size_t>(n));
            std::string utf8;
            if (n == 2 && (w[0] & 0xFC00) == 0xD800 && (w[1] & 0xFC00) == 0xDC00)
                Zeichen_anhaengen(utf8, 0x10000 + ((w[0] - 0xD800) << 10) + (w[1] - 0xDC00));
            else if (n == 1 && (w[0] & 0xF800) != 0xD800)
                Zeichen_anhaengen(utf8, w[0]);
            else
                continue;
            if (Nach_Codeseite(utf8, codepage) != bytes.substr(i, laenge)) continue;
            aus += utf8;
            i += laenge;
            gefunden = true;
        }
        if (!gefunden) {
            Zeichen_anhaengen(aus, Streubyte + b);
            ++i;
        }
    }
    return aus;
}

bool Voruebergehend_belegt(DWORD code) {
    switch (code) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        // A file that another writer replaces or deletes at this moment: Windows says access
        // denied (or delete pending) while its delete is pending, Wine while it is moved
        // over; ReplaceFileW's answers for an old file held open and for a new one that
        // can't move yet, both leaving the files as they were.
        case ERROR_ACCESS_DENIED:
        case ERROR_DELETE_PENDING:
        case ERROR_UNABLE_TO_REMOVE_REPLACED:
        case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
            return true;
        default:
            return false;
    }
}

long Fehlernummer_von(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
            return Fehlernummer::DateiNichtGefunden;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_DIRECTORY:
        // A share, its server or the network that can't be reached (any more): the path is
        // not there, whatever it held. Never "file not found", which a removal takes for done.
        case ERROR_REM_NOT_LIST:
        case ERROR_BAD_NETPATH:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_UNEXP_NET_ERR:
        case ERROR_NETNAME_DELETED:
        case ERROR_BAD_NET_NAME:
        case ERROR_NO_NET_OR_BAD_PATH:
        case ERROR_NO_NETWORK:
        case ERROR_NETWORK_UNREACHABLE:
        case ERROR_HOST_UNREACHABLE:
        case ERROR_NOT_CONNECTED:
            return Fehlernummer::PfadNichtGefunden;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_UNABLE_TO_REMOVE_REPLACED:
        case ERROR_WRITE_PROTECT:
        case ERROR_DELETE_PENDING:
        case ERROR_CURRENT_DIRECTORY:
            return Fehlernummer::ZugriffVerweigert;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return Fehlernummer::DatentraegerVoll;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_INVALID_HANDLE:
            return Fehlernummer::DateinameFalsch;
        case ERROR_HANDLE_EOF:
            return Fehlernummer::HinterDateiende;
        default:
            return Fehlernummer::PfadZugriff;
    }
}
