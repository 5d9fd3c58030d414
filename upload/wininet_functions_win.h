// WinINet, bound at run time: Windows 98 without Internet Explorer has no
// wininet.dll, and the program must start there all the same. The library is
// loaded on first use by its full path in the system folder (never by bare
// name, which would search the program's folder and the current directory
// first) and stays loaded for the process's life.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "base/handles_win.h"
#include "base/system_functions_win.h"

#define PIXELNOOK_WININET_FUNCTIONS(F) \
    F(::, InternetOpenA)               \
    F(::, InternetConnectA)            \
    F(::, InternetSetOptionA)          \
    F(::, FtpPutFileA)                 \
    F(::, InternetCloseHandle)
// All null unless every function was found.
struct WinInetFunctions {
    PIXELNOOK_WININET_FUNCTIONS(PIXELNOOK_BOUND_FIELD)

    bool Available() const { return InternetOpenA != nullptr; }
};

// The table, filled on first use; all members are null when wininet.dll or
// one of its functions is missing.
const WinInetFunctions& WinInet();

// An internet, connection or transfer handle, closed with InternetCloseHandle.
// Handles exist only when the table is available, so closing can rely on it.
struct InternetHandleTraits {
    using Handle = HINTERNET;
    static Handle Invalid() { return nullptr; }
    static void Free(Handle h) { WinInet().InternetCloseHandle(h); }
};
using InternetHandle = UniqueHandle<InternetHandleTraits>;
