#include "base/current_directory_win.h"

#include <windows.h>

bool ReadCurrentDirectory(char (&path)[kPathChars]) {
    const DWORD length = GetCurrentDirectoryA(kPathChars, path);
    if (length == 0 || length >= kPathChars) {
        path[0] = '\0';
        return false;
    }
    return true;
}
