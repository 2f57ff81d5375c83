#include "platform/win32/hilfen_win32.h"

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

long Fehlernummer_von(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
            return Fehlernummer::DateiNichtGefunden;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_DIRECTORY:
            return Fehlernummer::PfadNichtGefunden;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
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
