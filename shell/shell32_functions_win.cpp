#include "shell/shell32_functions_win.h"

#include "base/handles_win.h"
#include "base/system_functions_win.h"

PIXELNOOK_SAME_AS_SDK(Shell32Functions::Shell_NotifyIconA, ::Shell_NotifyIconA);
PIXELNOOK_SAME_AS_SDK(Shell32Functions::SHGetSpecialFolderPathA, ::SHGetSpecialFolderPathA);
PIXELNOOK_SAME_AS_SDK(Shell32Functions::SHBrowseForFolderA, ::SHBrowseForFolderA);
PIXELNOOK_SAME_AS_SDK(Shell32Functions::SHGetPathFromIDListA, ::SHGetPathFromIDListA);
PIXELNOOK_SAME_AS_SDK(Shell32Functions::SHGetMalloc, ::SHGetMalloc);
PIXELNOOK_SAME_AS_SDK(Ole32Functions::CoInitialize, ::CoInitialize);
PIXELNOOK_SAME_AS_SDK(Ole32Functions::CoUninitialize, ::CoUninitialize);
PIXELNOOK_SAME_AS_SDK(Ole32Functions::CoCreateInstance, ::CoCreateInstance);

namespace {

// Filled on first use; each library stays loaded until the process ends, so
// the bound pointers stay valid.
Shell32Functions g_shell32;
LoadedLibrary g_shell32Library;
bool g_shell32Bound = false;
Ole32Functions g_ole32;
LoadedLibrary g_ole32Library;
bool g_ole32Bound = false;

}  // namespace

Shell32Functions& Shell32Optional() {
    if (!g_shell32Bound) {
        g_shell32Library.Reset(LoadSystemLibrary("shell32.dll"));
        HMODULE shell32 = g_shell32Library.Get();
        BindFunction(shell32, "Shell_NotifyIconA", g_shell32.Shell_NotifyIconA);
        BindFunction(shell32, "SHGetSpecialFolderPathA", g_shell32.SHGetSpecialFolderPathA);
        BindFunction(shell32, "SHBrowseForFolderA", g_shell32.SHBrowseForFolderA);
        BindFunction(shell32, "SHGetPathFromIDListA", g_shell32.SHGetPathFromIDListA);
        BindFunction(shell32, "SHGetMalloc", g_shell32.SHGetMalloc);
        g_shell32Bound = true;
    }
    return g_shell32;
}

const Ole32Functions& Ole32Optional() {
    if (!g_ole32Bound) {
        g_ole32Library.Reset(LoadSystemLibrary("ole32.dll"));
        HMODULE ole32 = g_ole32Library.Get();
        BindFunction(ole32, "CoInitialize", g_ole32.CoInitialize);
        BindFunction(ole32, "CoUninitialize", g_ole32.CoUninitialize);
        BindFunction(ole32, "CoCreateInstance", g_ole32.CoCreateInstance);
        g_ole32Bound = true;
    }
    return g_ole32;
}
