// The bytes of one of the test program's own RT_RCDATA resources (the status pictures' GIFs).
#pragma once

#include <windows.h>

#include <string_view>

// Empty when there is none with that number.
inline std::string_view Ressource(int id) {
    HRSRC r = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));
    if (!r) return {};
    return {static_cast<const char*>(LockResource(LoadResource(nullptr, r))),
            SizeofResource(nullptr, r)};
}
