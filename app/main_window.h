// MainWindow: the hidden top-level window of class "PixelnookClass". It owns
// the taskbar button, the system menu with the tray commands, the tray
// callbacks and the grab-complete message.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
