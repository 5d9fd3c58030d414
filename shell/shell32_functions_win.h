// The shell and COM functions the program uses, bound at run time from the
// system folder's shell32.dll and ole32.dll so that the program loads without
// them. Each member is
// null when the function is not offered; callers check before calling.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

struct Shell32Functions {
    BOOL(WINAPI* Shell_NotifyIconA)(DWORD message, PNOTIFYICONDATAA data) = nullptr;
    BOOL(WINAPI* SHGetSpecialFolderPathA)
    (HWND owner, LPSTR path, int folder, BOOL create) = nullptr;
    // The folder browser, the path of the folder chosen in it, and the shell's
    // allocator that frees the browser's item list.
    PIDLIST_ABSOLUTE(WINAPI* SHBrowseForFolderA)(LPBROWSEINFOA info) = nullptr;
    BOOL(WINAPI* SHGetPathFromIDListA)(PCIDLIST_ABSOLUTE list, LPSTR path) = nullptr;
    HRESULT(WINAPI* SHGetMalloc)(IMalloc** allocator) = nullptr;
};

// COM, for the shell-link object of the start-up shortcut.
struct Ole32Functions {
    HRESULT(WINAPI* CoInitialize)(LPVOID reserved) = nullptr;
    void(WINAPI* CoUninitialize)() = nullptr;
    HRESULT(WINAPI* CoCreateInstance)
    (REFCLSID classId, LPUNKNOWN outer, DWORD context, REFIID interfaceId,
     LPVOID* object) = nullptr;
};

// Filled on first use; the library stays loaded for the process's life. The
// table is writable only so that tests can stand in for an entry.
Shell32Functions& Shell32Optional();
const Ole32Functions& Ole32Optional();
