// Test folders on Windows: removes a folder with everything in it, whatever the attributes.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/besitzer_win32.h"

inline void Baum_entfernen(const std::wstring& ordner) {
    WIN32_FIND_DATAW daten;
    if (const Suchhandle suche(FindFirstFileW((ordner + L"\\*").c_str(), &daten)); suche) {
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
        } while (FindNextFileW(suche.get(), &daten));
    }
    SetFileAttributesW(ordner.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(ordner.c_str());
}
