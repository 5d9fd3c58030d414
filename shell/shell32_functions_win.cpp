#include "shell/shell32_functions_win.h"

#include <shlobj.h>

#include <type_traits>

#include "base/handles_win.h"
#include "base/limits.h"
#include "base/text.h"

// A pointer type that differs from the SDK's declaration (a missing WINAPI
// above all) would only show on i686, where nothing here is run.
static_assert(
    std::is_same_v<decltype(Shell32Functions::Shell_NotifyIconA), decltype(&::Shell_NotifyIconA)>);

namespace {

Shell32Functions g_shell32;
LoadedLibrary g_shell32Library;
bool g_shell32Bound = false;
Ole32Functions g_ole32;
LoadedLibrary g_ole32Library;
bool g_ole32Bound = false;

template <typename Function>
void Bind(const LoadedLibrary& library, const char* name, Function& function) {
    function = library ? reinterpret_cast<Function>(
                             reinterpret_cast<void*>(GetProcAddress(library.Get(), name)))
                       : nullptr;
}

// A system library by its full path: never a copy planted in the current folder.
HMODULE LoadSystemLibrary(const char* name) {
    char path[kPathChars];
    const UINT length = GetSystemDirectoryA(path, kPathChars);
    if (length == 0 || length >= kPathChars || !AppendText(path, "\\") || !AppendText(path, name)) {
        return nullptr;
    }
    return LoadLibraryA(path);
}

}  // namespace

Shell32Functions& Shell32Optional() {
    if (!g_shell32Bound) {
        g_shell32Library.Reset(LoadSystemLibrary("shell32.dll"));
        Bind(g_shell32Library, "Shell_NotifyIconA", g_shell32.Shell_NotifyIconA);
        Bind(g_shell32Library, "SHGetSpecialFolderPathA", g_shell32.SHGetSpecialFolderPathA);
        g_shell32Bound = true;
    }
    return g_shell32;
}

const Ole32Functions& Ole32Optional() {
    if (!g_ole32Bound) {
        g_ole32Library.Reset(LoadSystemLibrary("ole32.dll"));
        Bind(g_ole32Library, "CoInitialize", g_ole32.CoInitialize);
        Bind(g_ole32Library, "CoUninitialize", g_ole32.CoUninitialize);
        Bind(g_ole32Library, "CoCreateInstance", g_ole32.CoCreateInstance);
        g_ole32Bound = true;
    }
    return g_ole32;
}
