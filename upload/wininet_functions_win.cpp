#include "upload/wininet_functions_win.h"

#include "base/system_functions_win.h"

namespace {

PIXELNOOK_DEFINE_BINDER(BindWinInet, WinInetFunctions, PIXELNOOK_WININET_FUNCTIONS)

// Filled once on first use; the library stays loaded until the process ends,
// so the bound pointers stay valid.
WinInetFunctions g_winInet;
LoadedLibrary g_winInetLibrary;
bool g_winInetBound = false;

}  // namespace

const WinInetFunctions& WinInet() {
    if (!g_winInetBound) {
        g_winInetBound = true;
        g_winInetLibrary.Reset(LoadSystemLibrary("wininet.dll"));
        if (!BindWinInet(g_winInetLibrary.Get(), g_winInet)) {
            g_winInet = WinInetFunctions();  // all or nothing
        }
    }
    return g_winInet;
}
