#include "shell/shell32_functions_win.h"

#include "base/handles_win.h"
#include "base/system_functions_win.h"

namespace {

PIXELNOOK_DEFINE_BINDER(BindShell32, Shell32Functions, PIXELNOOK_SHELL32_OPTIONAL)
PIXELNOOK_DEFINE_BINDER(BindOle32, Ole32Functions, PIXELNOOK_OLE32_OPTIONAL)

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
        BindShell32(g_shell32Library.Get(), g_shell32);
        g_shell32Bound = true;
    }
    return g_shell32;
}

const Ole32Functions& Ole32Optional() {
    if (!g_ole32Bound) {
        g_ole32Library.Reset(LoadSystemLibrary("ole32.dll"));
        BindOle32(g_ole32Library.Get(), g_ole32);
        g_ole32Bound = true;
    }
    return g_ole32;
}
