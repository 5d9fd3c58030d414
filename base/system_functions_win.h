// System functions that Windows 98 lacks (or that later systems moved), bound
// at run time so the program still loads where they are missing. Each member
// is null when the function is not offered; callers check before calling.
#pragma once

#include <windows.h>
#include <wincrypt.h>  // DATA_BLOB and the data-protection prototypes

#include <type_traits>

// Checks at compile time that a table's pointer has exactly the type of the
// SDK's declaration of the function: a missing WINAPI or a wrong parameter
// would only show on i686, where nothing here is run.
#define PIXELNOOK_SAME_AS_SDK(member, declared)                          \
    static_assert(std::is_same_v<decltype(member), decltype(&declared)>, \
                  #declared " differs from the SDK's declaration")

// A library of the system folder, loaded by its full path so that a copy
// planted in the current folder is never run; null when it is missing.
HMODULE LoadSystemLibrary(const char* name);

// Binds a table's pointer to the function `name` of module, typed as the
// entry; null when the module or the function is missing. True when bound.
template <typename Function>
bool BindFunction(HMODULE module, const char* name, Function& function) {
    function =
        module != nullptr
            ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
            : nullptr;
    return function != nullptr;
}

struct User32Functions {
    BOOL(WINAPI* GetCursorInfo)(PCURSORINFO info) = nullptr;
    BOOL(WINAPI* SetLayeredWindowAttributes)
    (HWND window, COLORREF key, BYTE alpha, DWORD flags) = nullptr;
    BOOL(WINAPI* AllowSetForegroundWindow)(DWORD processId) = nullptr;
};

struct Kernel32Functions {
    DWORD(WINAPI* GetProcessHeaps)(DWORD count, PHANDLE heaps) = nullptr;
    HANDLE(WINAPI* GetProcessHeap)() = nullptr;
    SIZE_T(WINAPI* HeapCompact)(HANDLE heap, DWORD flags) = nullptr;
    BOOL(WINAPI* SetProcessWorkingSetSize)
    (HANDLE process, SIZE_T minimum, SIZE_T maximum) = nullptr;
};

// Both libraries are loaded in every process; the tables are filled on first use.
const User32Functions& User32Optional();
const Kernel32Functions& Kernel32Optional();

// Libraries that are not loaded in every process: each table is filled on
// first use by LoadLibraryA and keeps its library loaded for the process's life.

// File-system encryption of the INI file (Windows 2000 and later).
struct Advapi32Functions {
    BOOL(WINAPI* EncryptFileA)(LPCSTR fileName) = nullptr;
    BOOL(WINAPI* DecryptFileA)(LPCSTR fileName, DWORD reserved) = nullptr;
};

// Data protection for the upload password (Windows 2000 and later).
struct Crypt32Functions {
    BOOL(WINAPI* CryptProtectData)
    (DATA_BLOB* in, LPCWSTR description, DATA_BLOB* entropy, PVOID reserved,
     CRYPTPROTECT_PROMPTSTRUCT* prompt, DWORD flags, DATA_BLOB* out) = nullptr;
    BOOL(WINAPI* CryptUnprotectData)
    (DATA_BLOB* in, LPWSTR* description, DATA_BLOB* entropy, PVOID reserved,
     CRYPTPROTECT_PROMPTSTRUCT* prompt, DWORD flags, DATA_BLOB* out) = nullptr;
};

// Relative paths for the settings dialog (shlwapi comes with Internet Explorer
// on Windows 98, so it may be missing there).
struct ShlwapiFunctions {
    BOOL(WINAPI* PathRelativePathToA)
    (LPSTR path, LPCSTR from, DWORD fromAttributes, LPCSTR to, DWORD toAttributes) = nullptr;
};

const Advapi32Functions& Advapi32Optional();
const Crypt32Functions& Crypt32Optional();
const ShlwapiFunctions& ShlwapiOptional();
