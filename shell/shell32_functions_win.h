// The shell functions the program uses, bound at run time from the system
// folder's shell32.dll so that the program loads without them. Each member is
// null when the function is not offered; callers check before calling.
#pragma once

#include <windows.h>

#include <shellapi.h>

struct Shell32Functions {
    BOOL(WINAPI* Shell_NotifyIconA)(DWORD message, PNOTIFYICONDATAA data) = nullptr;
};

// Filled on first use; the library stays loaded for the process's life. The
// table is writable only so that tests can stand in for an entry.
Shell32Functions& Shell32Optional();
