// System functions that Windows 98 lacks (or that later systems moved), bound
// at run time so the program still loads where they are missing. Each member
// is null when the function is not offered; callers check before calling.
#pragma once

#include <windows.h>

struct User32Functions {
    BOOL(WINAPI* GetCursorInfo)(PCURSORINFO info) = nullptr;
    BOOL(WINAPI* SetLayeredWindowAttributes)(HWND window, COLORREF key, BYTE alpha,
                                             DWORD flags) = nullptr;
    BOOL(WINAPI* AllowSetForegroundWindow)(DWORD processId) = nullptr;
};

struct Kernel32Functions {
    DWORD(WINAPI* GetProcessHeaps)(DWORD count, PHANDLE heaps) = nullptr;
    HANDLE(WINAPI* GetProcessHeap)() = nullptr;
    SIZE_T(WINAPI* HeapCompact)(HANDLE heap, DWORD flags) = nullptr;
    BOOL(WINAPI* SetProcessWorkingSetSize)(HANDLE process, SIZE_T minimum,
                                           SIZE_T maximum) = nullptr;
};

// Both libraries are loaded in every process; the tables are filled on first use.
const User32Functions& User32Optional();
const Kernel32Functions& Kernel32Optional();
