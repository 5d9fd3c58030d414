// WinINet, bound at run time: Windows 98 without Internet Explorer has no
// wininet.dll, and the program must start there all the same. The library is
// loaded on first use by its full path in the system folder (never by bare
// name, which would search the program's folder and the current directory
// first) and stays loaded for the process's life.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "base/handles_win.h"

struct WinInetFunctions {
    HINTERNET(WINAPI* InternetOpenA)
    (LPCSTR agent, DWORD accessType, LPCSTR proxy, LPCSTR proxyBypass, DWORD flags) = nullptr;
    HINTERNET(WINAPI* InternetConnectA)
    (HINTERNET internet, LPCSTR server, INTERNET_PORT port, LPCSTR user, LPCSTR password,
     DWORD service, DWORD flags, DWORD_PTR context) = nullptr;
    BOOL(WINAPI* InternetSetOptionA)
    (HINTERNET internet, DWORD option, LPVOID buffer, DWORD bufferLength) = nullptr;
    BOOL(WINAPI* FtpPutFileA)
    (HINTERNET connection, LPCSTR localFile, LPCSTR remoteFile, DWORD flags,
     DWORD_PTR context) = nullptr;
    BOOL(WINAPI* InternetCloseHandle)(HINTERNET internet) = nullptr;

    // True when every function was found.
    bool Available() const {
        return InternetOpenA != nullptr && InternetConnectA != nullptr &&
               InternetSetOptionA != nullptr && FtpPutFileA != nullptr &&
               InternetCloseHandle != nullptr;
    }
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
