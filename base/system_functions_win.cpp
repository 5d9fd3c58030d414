#include "base/system_functions_win.h"

#include "base/handles_win.h"
#include "base/limits.h"
#include "base/text.h"

namespace {

PIXELNOOK_DEFINE_BINDER(BindUser32, User32Functions, PIXELNOOK_USER32_OPTIONAL)
PIXELNOOK_DEFINE_BINDER(BindKernel32, Kernel32Functions, PIXELNOOK_KERNEL32_OPTIONAL)
PIXELNOOK_DEFINE_BINDER(BindAdvapi32, Advapi32Functions, PIXELNOOK_ADVAPI32_OPTIONAL)
PIXELNOOK_DEFINE_BINDER(BindCrypt32, Crypt32Functions, PIXELNOOK_CRYPT32_OPTIONAL)
PIXELNOOK_DEFINE_BINDER(BindShlwapi, ShlwapiFunctions, PIXELNOOK_SHLWAPI_OPTIONAL)

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

}  // namespace

HMODULE LoadSystemLibrary(const char* name) {
    char path[kPathChars];
    const UINT length = GetSystemDirectoryA(path, kPathChars);
    if (length == 0 || length >= kPathChars || !AppendText(path, "\\") || !AppendText(path, name)) {
        return nullptr;  // a cut path could name another file
    }
    return LoadLibraryA(path);
}

const User32Functions& User32Optional() {
    if (!g_user32Bound) {
        BindUser32(GetModuleHandleA("user32.dll"), g_user32);
        g_user32Bound = true;
    }
    return g_user32;
}

const Kernel32Functions& Kernel32Optional() {
    if (!g_kernel32Bound) {
        BindKernel32(GetModuleHandleA("kernel32.dll"), g_kernel32);
        g_kernel32Bound = true;
    }
    return g_kernel32;
}

const Advapi32Functions& Advapi32Optional() {
    if (!g_advapi32Bound) {
        g_advapi32Library.Reset(LoadSystemLibrary("advapi32.dll"));
        BindAdvapi32(g_advapi32Library.Get(), g_advapi32);
        g_advapi32Bound = true;
    }
    return g_advapi32;
}

const Crypt32Functions& Crypt32Optional() {
    if (!g_crypt32Bound) {
        g_crypt32Library.Reset(LoadSystemLibrary("crypt32.dll"));
        BindCrypt32(g_crypt32Library.Get(), g_crypt32);
        g_crypt32Bound = true;
    }
    return g_crypt32;
}

const ShlwapiFunctions& ShlwapiOptional() {
    if (!g_shlwapiBound) {
        g_shlwapiLibrary.Reset(LoadSystemLibrary("shlwapi.dll"));
        BindShlwapi(g_shlwapiLibrary.Get(), g_shlwapi);
        g_shlwapiBound = true;
    }
    return g_shlwapi;
}
