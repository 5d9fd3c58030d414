// System functions that Windows 98 lacks (or that later systems moved), bound
// at run time so the program still loads where they are missing. Each member
// is null when the function is not offered; callers check before calling.
#pragma once

#include <windows.h>
#include <shlwapi.h>   // PathRelativePathToA
#include <wincrypt.h>  // DATA_BLOB and the data-protection prototypes

// Each run-time bound function is named once, in one list per library:
//   #define PIXELNOOK_USER32_OPTIONAL(F) F(::, GetCursorInfo) ...
// F gets the scope the SDK declares the function in and its name. The same
// list declares the table's fields (PIXELNOOK_BOUND_FIELD) and binds them
// (PIXELNOOK_DEFINE_BINDER), so no field can be left unbound, and each field
// is typed from the SDK's own declaration: a wrong parameter or a missing
// WINAPI cannot be written, even by builds that never run on i686.
#define PIXELNOOK_BOUND_FIELD(scope, name) decltype(&scope name) name = nullptr;
#define PIXELNOOK_BIND_FIELD(scope, name) bound = BindFunction(module, #name, table.name) && bound;
// Defines bool binder(HMODULE module, Table& table): binds every function of
// the list from module (null: none); true when all of them were found.
#define PIXELNOOK_DEFINE_BINDER(binder, Table, LIST) \
    bool binder(HMODULE module, Table& table) {      \
        bool bound = true;                           \
        LIST(PIXELNOOK_BIND_FIELD)                   \
        return bound;                                \
    }

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

#define PIXELNOOK_USER32_OPTIONAL(F)  \
    F(::, GetCursorInfo)              \
    F(::, SetLayeredWindowAttributes) \
    F(::, AllowSetForegroundWindow)
struct User32Functions {
    PIXELNOOK_USER32_OPTIONAL(PIXELNOOK_BOUND_FIELD)
};

#define PIXELNOOK_KERNEL32_OPTIONAL(F) \
    F(::, GetProcessHeaps)             \
    F(::, GetProcessHeap)              \
    F(::, HeapCompact)                 \
    F(::, SetProcessWorkingSetSize)
struct Kernel32Functions {
    PIXELNOOK_KERNEL32_OPTIONAL(PIXELNOOK_BOUND_FIELD)
};

// Both libraries are loaded in every process; the tables are filled on first use.
const User32Functions& User32Optional();
const Kernel32Functions& Kernel32Optional();

// Libraries that are not loaded in every process: each table is filled on
// first use by LoadLibraryA and keeps its library loaded for the process's life.

// File-system encryption of the INI file (Windows 2000 and later).
#define PIXELNOOK_ADVAPI32_OPTIONAL(F) F(::, EncryptFileA) F(::, DecryptFileA)
struct Advapi32Functions {
    PIXELNOOK_ADVAPI32_OPTIONAL(PIXELNOOK_BOUND_FIELD)
};

// Data protection for the upload password (Windows 2000 and later).
#define PIXELNOOK_CRYPT32_OPTIONAL(F) F(::, CryptProtectData) F(::, CryptUnprotectData)
struct Crypt32Functions {
    PIXELNOOK_CRYPT32_OPTIONAL(PIXELNOOK_BOUND_FIELD)
};

// Relative paths for the settings dialog (shlwapi comes with Internet Explorer
// on Windows 98, so it may be missing there).
#define PIXELNOOK_SHLWAPI_OPTIONAL(F) F(::, PathRelativePathToA)
struct ShlwapiFunctions {
    PIXELNOOK_SHLWAPI_OPTIONAL(PIXELNOOK_BOUND_FIELD)
};

const Advapi32Functions& Advapi32Optional();
const Crypt32Functions& Crypt32Optional();
const ShlwapiFunctions& ShlwapiOptional();
