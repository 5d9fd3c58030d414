#include "shell/activation_win.h"

#include <cstring>

#include "base/os_version_win.h"
#include "base/system_functions_win.h"

namespace {

constexpr char kDialogClassName[] = "#32770";
// A process with more heaps than this compacts only its default heap.
constexpr DWORD kMaxCompactedHeaps = 16;

BOOL CALLBACK FindDialogCallback(HWND window, LPARAM found) {
    char className[MAX_PATH] = "";
    GetClassNameA(window, className, static_cast<int>(sizeof className));
    if (strcmp(className, kDialogClassName) == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void BringToForeground(HWND window) {
    if (!IsWindowVisible(window)) {
        return;
    }
    HWND foreground = GetForegroundWindow();
    if (foreground == window) {
        return;
    }
    DWORD windowProcess = 0;
    DWORD windowThread = GetWindowThreadProcessId(window, &windowProcess);
    DWORD foregroundThread = GetWindowThreadProcessId(foreground, nullptr);
    // The system lets only the foreground thread change the foreground window;
    // sharing its input state for a moment lifts that restriction.
    AttachThreadInput(foregroundThread, windowThread, TRUE);
    if (User32Optional().AllowSetForegroundWindow != nullptr) {
        User32Optional().AllowSetForegroundWindow(windowProcess);
    }
    ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    SetFocus(window);
    AttachThreadInput(foregroundThread, windowThread, FALSE);
}

HWND FindThreadDialog(HWND window) {
    HWND found = nullptr;
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    EnumThreadWindows(thread, FindDialogCallback, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool HasThreadDialog(HWND window) {
    return FindThreadDialog(window) != nullptr;
}

void TrimWorkingSet() {
    OsVersionClass os = GetOsVersionClass();
    if (os < kOsWindows2000 && os != kOsNt4OrOlder) {
        return;
    }
    if (GetModuleHandleA("kernel32.dll") == nullptr) {
        return;
    }
    const Kernel32Functions& kernel32 = Kernel32Optional();
    if (kernel32.GetProcessHeaps != nullptr && kernel32.GetProcessHeap != nullptr &&
        kernel32.HeapCompact != nullptr) {
        HANDLE heaps[kMaxCompactedHeaps];
        DWORD count = kernel32.GetProcessHeaps(0, nullptr);
        if (count > kMaxCompactedHeaps) {
            kernel32.HeapCompact(kernel32.GetProcessHeap(), 0);
        } else {
            // The count can change between the two calls; never compact more
            // handles than were actually written.
            DWORD written = kernel32.GetProcessHeaps(kMaxCompactedHeaps, heaps);
            for (DWORD i = 0; i < written && i < kMaxCompactedHeaps; ++i) {
                kernel32.HeapCompact(heaps[i], 0);
            }
        }
    }
    if (kernel32.SetProcessWorkingSetSize != nullptr) {
        kernel32.SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1),
                                          static_cast<SIZE_T>(-1));
    }
}
