// The program's own window messages and menu commands.
#pragma once

#include <windows.h>

// The command ids (IDM_SETTINGS ...) are resource ids: the menus carry them.
#include "resources/resource_ids.h"

// Posted by the message loop when a grab is ready; wParam 1 when its alpha
// bytes are meaningful.
constexpr UINT WM_GRAB_COMPLETE = WM_USER + 0;
// The shell's callback for the tray icon.
constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;
// Posted after a tray menu or popup activation and before every command.
constexpr UINT WM_TRAY_MENU_DONE = WM_USER + 2;
