// MainWindow: the hidden top-level window of class "PixelnookClass". It owns
// the taskbar button, the system menu with the tray commands, the tray
// callbacks and the grab-complete message.
#pragma once

#include <windows.h>

// The main window's style; ShowWindow alone makes it visible.
constexpr DWORD kMainWindowStyle = WS_POPUP | WS_SYSMENU | WS_THICKFRAME;  // 0x800C0000

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
