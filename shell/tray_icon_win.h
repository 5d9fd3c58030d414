// TrayIcon: the program's icon in the notification area. A left click runs
// the default command, a right click shows the tray menu, and while a popup
// window is set (an open dialog, the area popup) either click brings that
// window forward instead.
//
// It knows nothing of what the commands do: they reach the owner window as
// WM_COMMAND, and after every menu or popup activation the owner is posted the
// menu-done message.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <cstdint>

#include "base/handles_win.h"
#include "base/limits.h"

class TrayIcon {
public:
    void SetIcon(HICON icon) { icon_ = icon; }
    void SetWindows(HWND owner, HWND popup) {
        owner_ = owner;
        popup_ = popup;
    }
    void SetPopup(HWND popup) { popup_ = popup; }
    void SetMessages(UINT callbackMessage, UINT menuDoneMessage) {
        callbackMessage_ = callbackMessage;
        menuDoneMessage_ = menuDoneMessage;
    }
    // Loads the menu resource from the program's own module; its first popup
    // is the tray menu, with defaultCommand as its default item.
    void SetMenu(WORD resourceId, int32_t defaultCommand);
    // The status text; the shell shows its first 63 characters.
    void SetTip(const char* text);

    // Ask the shell to add, update or remove the icon; the shell's answer.
    bool Add() { return Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP); }
    bool Modify() { return Notify(NIM_MODIFY, NIF_ICON | NIF_TIP); }
    bool Delete() { return Notify(NIM_DELETE, 0); }

    // One callback message from the shell (its wParam and lParam).
    void HandleCallback(WPARAM wParam, LPARAM lParam);

private:
    bool Notify(DWORD action, UINT flags);
    void BringPopupForward();
    void ShowMenu();

    HICON icon_ = nullptr;  // borrowed: the application's shared icon
    OwnedMenu menu_;
    HWND owner_ = nullptr;
    HWND popup_ = nullptr;
    UINT id_ = 0;  // the icon's id towards the shell; never changes
    UINT callbackMessage_ = 0;
    UINT menuDoneMessage_ = 0;
    int32_t defaultCommand_ = -1;
    char tip_[kPathChars] = "";
    // True while TrackPopupMenu runs its own loop: callbacks are dropped then.
    bool menuShowing_ = false;
};
