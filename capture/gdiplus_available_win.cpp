#include "capture/gdiplus_available_win.h"

#include <windows.h>

#include "base/handles_win.h"
#include "base/os_version_win.h"

bool IsGdiplusAvailable() {
    if (GetOsVersionClass() <= kOsWindows95) {
        return false;
    }
    LoadedLibrary gdiplus(LoadLibraryA("gdiplus.dll"));
    return static_cast<bool>(gdiplus);
}
