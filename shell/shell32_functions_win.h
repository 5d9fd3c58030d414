// The shell and COM functions the program uses, bound at run time from the
// system folder's shell32.dll and ole32.dll so that the program loads without
// them. Each member is
// null when the function is not offered; callers check before calling.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "base/system_functions_win.h"

// The folder browser, the path of the folder chosen in it, and the shell's
// allocator that frees the browser's item list serve the settings dialog.
#define PIXELNOOK_SHELL32_OPTIONAL(F) \
    F(::, Shell_NotifyIconA)          \
    F(::, SHGetSpecialFolderPathA)    \
    F(::, SHBrowseForFolderA)         \
    F(::, SHGetPathFromIDListA)       \
    F(::, SHGetMalloc)
struct Shell32Functions {
    PIXELNOOK_SHELL32_OPTIONAL(PIXELNOOK_BOUND_FIELD)
};

// COM, for the shell-link object of the start-up shortcut.
#define PIXELNOOK_OLE32_OPTIONAL(F) \
    F(::, CoInitialize) F(::, CoUninitialize) F(::, CoCreateInstance)
struct Ole32Functions {
    PIXELNOOK_OLE32_OPTIONAL(PIXELNOOK_BOUND_FIELD)
};

// Filled on first use; the library stays loaded for the process's life. The
// table is writable only so that tests can stand in for an entry.
Shell32Functions& Shell32Optional();
const Ole32Functions& Ole32Optional();
