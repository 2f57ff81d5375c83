// Test folders on Windows: removes a folder with everything in it, whatever the attributes.
#pragma once

#include <windows.h>

#include <string>

inline void Baum_entfernen(const std::wstring& ordner) {
    WIN32_FIND_DATAW daten;
    HANDLE suche = FindFirstFileW((ordner + L"\\*").c_str(), &daten);
    if (suche != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = daten.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring pfad = ordner + L"\\" + name;
            SetFileAttributesW(pfad.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (daten.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                Baum_entfernen(pfad);
            } else {
                DeleteFileW(pfad.c_str());
            }
        } while (FindNextFileW(suche, &daten));
        FindClose(suche);
    }
    SetFileAttributesW(ordner.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(ordner.c_str());
}
