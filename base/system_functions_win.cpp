#include "base/system_functions_win.h"

#include <shlwapi.h>

#include <type_traits>

#include "base/handles_win.h"

// Every pointer's type is the SDK's declaration of the function: a missing
// WINAPI or a wrong parameter would only show on i686, where nothing here runs.
#define PIXELNOOK_SAME_AS_SDK(table, function)                                      \
    static_assert(std::is_same_v<decltype(table::function), decltype(&::function)>, \
                  #function " differs from the SDK's declaration")
PIXELNOOK_SAME_AS_SDK(User32Functions, GetCursorInfo);
PIXELNOOK_SAME_AS_SDK(User32Functions, SetLayeredWindowAttributes);
PIXELNOOK_SAME_AS_SDK(User32Functions, AllowSetForegroundWindow);
PIXELNOOK_SAME_AS_SDK(Kernel32Functions, GetProcessHeaps);
PIXELNOOK_SAME_AS_SDK(Kernel32Functions, GetProcessHeap);
PIXELNOOK_SAME_AS_SDK(Kernel32Functions, HeapCompact);
PIXELNOOK_SAME_AS_SDK(Kernel32Functions, SetProcessWorkingSetSize);
PIXELNOOK_SAME_AS_SDK(Advapi32Functions, EncryptFileA);
PIXELNOOK_SAME_AS_SDK(Advapi32Functions, DecryptFileA);
PIXELNOOK_SAME_AS_SDK(Crypt32Functions, CryptProtectData);
PIXELNOOK_SAME_AS_SDK(Crypt32Functions, CryptUnprotectData);
PIXELNOOK_SAME_AS_SDK(ShlwapiFunctions, PathRelativePathToA);
#undef PIXELNOOK_SAME_AS_SDK

namespace {

// Filled once on first use and never changed afterwards.
User32Functions g_user32;
bool g_user32Bound = false;
Kernel32Functions g_kernel32;
bool g_kernel32Bound = false;

// These libraries are loaded on first use; each owner keeps its library loaded
// until the process ends, so the bound pointers stay valid.
Advapi32Functions g_advapi32;
LoadedLibrary g_advapi32Library;
bool g_advapi32Bound = false;
Crypt32Functions g_crypt32;
LoadedLibrary g_crypt32Library;
bool g_crypt32Bound = false;
ShlwapiFunctions g_shlwapi;
LoadedLibrary g_shlwapiLibrary;
bool g_shlwapiBound = false;

template <typename Function>
void Bind(HMODULE module, const char* name, Function& function) {
    function =
        module != nullptr
            ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
            : nullptr;
}

}  // namespace

const User32Functions& User32Optional() {
    if (!g_user32Bound) {
        HMODULE user32 = GetModuleHandleA("user32.dll");
        Bind(user32, "GetCursorInfo", g_user32.GetCursorInfo);
        Bind(user32, "SetLayeredWindowAttributes", g_user32.SetLayeredWindowAttributes);
        Bind(user32, "AllowSetForegroundWindow", g_user32.AllowSetForegroundWindow);
        g_user32Bound = true;
    }
    return g_user32;
}

const Kernel32Functions& Kernel32Optional() {
    if (!g_kernel32Bound) {
        HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
        Bind(kernel32, "GetProcessHeaps", g_kernel32.GetProcessHeaps);
        Bind(kernel32, "GetProcessHeap", g_kernel32.GetProcessHeap);
        Bind(kernel32, "HeapCompact", g_kernel32.HeapCompact);
        Bind(kernel32, "SetProcessWorkingSetSize", g_kernel32.SetProcessWorkingSetSize);
        g_kernel32Bound = true;
    }
    return g_kernel32;
}

const Advapi32Functions& Advapi32Optional() {
    if (!g_advapi32Bound) {
        g_advapi32Library.Reset(LoadLibraryA("advapi32.dll"));
        HMODULE advapi32 = g_advapi32Library.Get();
        Bind(advapi32, "EncryptFileA", g_advapi32.EncryptFileA);
        Bind(advapi32, "DecryptFileA", g_advapi32.DecryptFileA);
        g_advapi32Bound = true;
    }
    return g_advapi32;
}

const Crypt32Functions& Crypt32Optional() {
    if (!g_crypt32Bound) {
        g_crypt32Library.Reset(LoadLibraryA("crypt32.dll"));
        HMODULE crypt32 = g_crypt32Library.Get();
        Bind(crypt32, "CryptProtectData", g_crypt32.CryptProtectData);
        Bind(crypt32, "CryptUnprotectData", g_crypt32.CryptUnprotectData);
        g_crypt32Bound = true;
    }
    return g_crypt32;
}

const ShlwapiFunctions& ShlwapiOptional() {
    if (!g_shlwapiBound) {
        g_shlwapiLibrary.Reset(LoadLibraryA("shlwapi.dll"));
        Bind(g_shlwapiLibrary.Get(), "PathRelativePathToA", g_shlwapi.PathRelativePathToA);
        g_shlwapiBound = true;
    }
    return g_shlwapi;
}
