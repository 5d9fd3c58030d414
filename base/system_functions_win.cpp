#include "base/system_functions_win.h"

#include "base/handles_win.h"

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
