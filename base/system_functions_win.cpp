#include "base/system_functions_win.h"

#include <shlwapi.h>

#include "base/handles_win.h"
#include "base/limits.h"
#include "base/text.h"

PIXELNOOK_SAME_AS_SDK(User32Functions::GetCursorInfo, ::GetCursorInfo);
PIXELNOOK_SAME_AS_SDK(User32Functions::SetLayeredWindowAttributes, ::SetLayeredWindowAttributes);
PIXELNOOK_SAME_AS_SDK(User32Functions::AllowSetForegroundWindow, ::AllowSetForegroundWindow);
PIXELNOOK_SAME_AS_SDK(Kernel32Functions::GetProcessHeaps, ::GetProcessHeaps);
PIXELNOOK_SAME_AS_SDK(Kernel32Functions::GetProcessHeap, ::GetProcessHeap);
PIXELNOOK_SAME_AS_SDK(Kernel32Functions::HeapCompact, ::HeapCompact);
PIXELNOOK_SAME_AS_SDK(Kernel32Functions::SetProcessWorkingSetSize, ::SetProcessWorkingSetSize);
PIXELNOOK_SAME_AS_SDK(Advapi32Functions::EncryptFileA, ::EncryptFileA);
PIXELNOOK_SAME_AS_SDK(Advapi32Functions::DecryptFileA, ::DecryptFileA);
PIXELNOOK_SAME_AS_SDK(Crypt32Functions::CryptProtectData, ::CryptProtectData);
PIXELNOOK_SAME_AS_SDK(Crypt32Functions::CryptUnprotectData, ::CryptUnprotectData);
PIXELNOOK_SAME_AS_SDK(ShlwapiFunctions::PathRelativePathToA, ::PathRelativePathToA);

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
        HMODULE user32 = GetModuleHandleA("user32.dll");
        BindFunction(user32, "GetCursorInfo", g_user32.GetCursorInfo);
        BindFunction(user32, "SetLayeredWindowAttributes", g_user32.SetLayeredWindowAttributes);
        BindFunction(user32, "AllowSetForegroundWindow", g_user32.AllowSetForegroundWindow);
        g_user32Bound = true;
    }
    return g_user32;
}

const Kernel32Functions& Kernel32Optional() {
    if (!g_kernel32Bound) {
        HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
        BindFunction(kernel32, "GetProcessHeaps", g_kernel32.GetProcessHeaps);
        BindFunction(kernel32, "GetProcessHeap", g_kernel32.GetProcessHeap);
        BindFunction(kernel32, "HeapCompact", g_kernel32.HeapCompact);
        BindFunction(kernel32, "SetProcessWorkingSetSize", g_kernel32.SetProcessWorkingSetSize);
        g_kernel32Bound = true;
    }
    return g_kernel32;
}

const Advapi32Functions& Advapi32Optional() {
    if (!g_advapi32Bound) {
        g_advapi32Library.Reset(LoadSystemLibrary("advapi32.dll"));
        HMODULE advapi32 = g_advapi32Library.Get();
        BindFunction(advapi32, "EncryptFileA", g_advapi32.EncryptFileA);
        BindFunction(advapi32, "DecryptFileA", g_advapi32.DecryptFileA);
        g_advapi32Bound = true;
    }
    return g_advapi32;
}

const Crypt32Functions& Crypt32Optional() {
    if (!g_crypt32Bound) {
        g_crypt32Library.Reset(LoadSystemLibrary("crypt32.dll"));
        HMODULE crypt32 = g_crypt32Library.Get();
        BindFunction(crypt32, "CryptProtectData", g_crypt32.CryptProtectData);
        BindFunction(crypt32, "CryptUnprotectData", g_crypt32.CryptUnprotectData);
        g_crypt32Bound = true;
    }
    return g_crypt32;
}

const ShlwapiFunctions& ShlwapiOptional() {
    if (!g_shlwapiBound) {
        g_shlwapiLibrary.Reset(LoadSystemLibrary("shlwapi.dll"));
        BindFunction(g_shlwapiLibrary.Get(), "PathRelativePathToA", g_shlwapi.PathRelativePathToA);
        g_shlwapiBound = true;
    }
    return g_shlwapi;
}
