#include "upload/wininet_functions_win.h"

#include <type_traits>

#include "base/limits.h"
#include "base/text.h"

// Every pointer's type is the SDK's declaration of the function: a missing
// WINAPI or a wrong parameter would only show on i686, where nothing here runs.
#define PIXELNOOK_SAME_AS_SDK(function)                                                        \
    static_assert(std::is_same_v<decltype(WinInetFunctions::function), decltype(&::function)>, \
                  #function " differs from the SDK's declaration")
PIXELNOOK_SAME_AS_SDK(InternetOpenA);
PIXELNOOK_SAME_AS_SDK(InternetConnectA);
PIXELNOOK_SAME_AS_SDK(InternetSetOptionA);
PIXELNOOK_SAME_AS_SDK(FtpPutFileA);
PIXELNOOK_SAME_AS_SDK(InternetCloseHandle);
#undef PIXELNOOK_SAME_AS_SDK

namespace {

// Filled once on first use; the library stays loaded until the process ends,
// so the bound pointers stay valid.
WinInetFunctions g_winInet;
LoadedLibrary g_winInetLibrary;
bool g_winInetBound = false;

template <typename Function>
void Bind(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// "<system folder>\wininet.dll"; false when the path does not fit.
bool WinInetPath(char (&path)[kPathChars]) {
    const UINT length = GetSystemDirectoryA(path, kPathChars);
    return length > 0 && length < kPathChars && AppendText(path, "\\wininet.dll");
}

}  // namespace

const WinInetFunctions& WinInet() {
    if (!g_winInetBound) {
        g_winInetBound = true;
        char path[kPathChars];
        if (WinInetPath(path)) {
            g_winInetLibrary.Reset(LoadLibraryA(path));
        }
        if (HMODULE wininet = g_winInetLibrary.Get()) {
            Bind(wininet, "InternetOpenA", g_winInet.InternetOpenA);
            Bind(wininet, "InternetConnectA", g_winInet.InternetConnectA);
            Bind(wininet, "InternetSetOptionA", g_winInet.InternetSetOptionA);
            Bind(wininet, "FtpPutFileA", g_winInet.FtpPutFileA);
            Bind(wininet, "InternetCloseHandle", g_winInet.InternetCloseHandle);
            if (!g_winInet.Available()) {
                g_winInet = WinInetFunctions();  // all or nothing
            }
        }
    }
    return g_winInet;
}
