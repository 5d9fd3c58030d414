// A person at the desktop, seen from another program: keys pressed and mouse
// events sent as the devices themselves report them, window texts read, the
// icons in Wine's tray counted. Shared by pixelnook-probe and the e2e tests.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace desktop {

// Handles every message this thread has queued, for the given time, so that
// its own windows stay painted and answer.
inline void Pump(DWORD milliseconds) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(10)) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
}

// Presses the keys in order and releases them in reverse: PressKeys({VK_LWIN,
// VK_F10}). False when the system did not take every event.
inline bool PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs(2 * keys.size(), INPUT{INPUT_KEYBOARD, {}});
    for (size_t down = 0, up = inputs.size() - 1; down < keys.size(); ++down, --up) {
        inputs[down].ki.wVk = inputs[up].ki.wVk = keys.begin()[down];
        inputs[up].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
}

// One mouse event at a point of the screen, then a moment for it to arrive.
inline void Mouse(DWORD flags, POINT at) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    Pump(50);
}

inline void ClickAt(POINT at) {
    Mouse(0, at);
    Mouse(MOUSEEVENTF_LEFTDOWN, at);
    Mouse(MOUSEEVENTF_LEFTUP, at);
}

inline std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Without a desktop shell Wine shows tray icons in a window of its own, one
// child per icon, the newest last. (Another process cannot read a tip there.)
inline std::vector<HWND> TrayIcons() {
    std::vector<HWND> icons;
    HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    for (HWND icon = FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr);
         tray != nullptr && icon != nullptr;
         icon = FindWindowExA(tray, icon, "__winex11_tray_icon", nullptr)) {
        icons.push_back(icon);
    }
    return icons;
}

}  // namespace desktop
