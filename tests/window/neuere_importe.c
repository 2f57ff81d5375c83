/* A program that Windows 7 does not start, for the import check to find: a function of
   Windows 8 and one of Windows 10 imported directly, and a newer subsystem version. */
#include <windows.h>

int main(void) {
    FILETIME t;
    GetSystemTimePreciseAsFileTime(&t);
    return (int)(GetDpiForWindow(GetDesktopWindow()) + t.dwLowDateTime);
}
