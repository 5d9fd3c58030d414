#include "upload/wininet_functions_win.h"

#include "base/system_functions_win.h"

PIXELNOOK_SAME_AS_SDK(WinInetFunctions::InternetOpenA, ::InternetOpenA);
PIXELNOOK_SAME_AS_SDK(WinInetFunctions::InternetConnectA, ::InternetConnectA);
PIXELNOOK_SAME_AS_SDK(WinInetFunctions::InternetSetOptionA, ::InternetSetOptionA);
PIXELNOOK_SAME_AS_SDK(WinInetFunctions::FtpPutFileA, ::FtpPutFileA);
PIXELNOOK_SAME_AS_SDK(WinInetFunctions::InternetCloseHandle, ::InternetCloseHandle);

namespace {

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
        if (HMODULE wininet = g_winInetLibrary.Get()) {
            BindFunction(wininet, "InternetOpenA", g_winInet.InternetOpenA);
            BindFunction(wininet, "InternetConnectA", g_winInet.InternetConnectA);
            BindFunction(wininet, "InternetSetOptionA", g_winInet.InternetSetOptionA);
            BindFunction(wininet, "FtpPutFileA", g_winInet.FtpPutFileA);
            BindFunction(wininet, "InternetCloseHandle", g_winInet.InternetCloseHandle);
            if (!g_winInet.Available()) {
                g_winInet = WinInetFunctions();  // all or nothing
            }
        }
    }
    return g_winInet;
}
