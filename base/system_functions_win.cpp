#include "base/system_functions_win.h"

namespace {

// Filled once on first use and never changed afterwards.
User32Functions g_user32;
bool g_user32Bound = false;
Kernel32Functions g_kernel32;
bool g_kernel32Bound = false;

template <typename Function>
void Bind(HMODULE module, const char* name, Function& function) {
    function = module != nullptr ? reinterpret_cast<Function>(
                                       reinterpret_cast<void*>(GetProcAddress(module, name)))
                                 : nullptr;
}

}  // namespace

const User32Functions& User32Optional() {
    if (!g_user32Bound) {
        HMODULE user32 = GetModuleHandleA("user32.dll");
        Bind(user32, "GetCursorInfo", g_user32.GetCursorInfo);
        Bind(user32, "SetLayeredWindowAttributes", g_user32.SetLayeredWindowAttributes);
        Bind(user32, "AllowSetForegroundWindow", g_user32.AllowSetForegroundWindow);
        g_user32Bound = true;
    }
    return g_user32;
}

const Kernel32Functions& Kernel32Optional() {
    if (!g_kernel32Bound) {
        HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
        Bind(kernel32, "GetProcessHeaps", g_kernel32.GetProcessHeaps);
        Bind(kernel32, "GetProcessHeap", g_kernel32.GetProcessHeap);
        Bind(kernel32, "HeapCompact", g_kernel32.HeapCompact);
        Bind(kernel32, "SetProcessWorkingSetSize", g_kernel32.SetProcessWorkingSetSize);
        g_kernel32Bound = true;
    }
    return g_kernel32;
}
