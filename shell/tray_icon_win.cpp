#include "shell/tray_icon_win.h"

#include "base/text.h"
#include "shell/shell32_functions_win.h"

// Windows 98 refuses the larger records of later shells: the first, 88-byte
// form (tip of 64 characters) is the one every system takes.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88,
              "the shell record's first form is 88 bytes on i686");

namespace {

constexpr size_t kShellTipChars = 64;  // the first form's tip, terminator included

}  // namespace

void TrayIcon::SetMenu(WORD resourceId, int32_t defaultCommand) {
    menu_.Reset(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId)));
    defaultCommand_ = defaultCommand;
}

void TrayIcon::SetTip(const char* text) {
    CopyText(tip_, text);
}

bool TrayIcon::Notify(DWORD action, UINT flags) {
    auto notify = Shell32Optional().Shell_NotifyIconA;
    if (notify == nullptr) {
        return false;
    }
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner_;
    data.uID = id_;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    static_assert(sizeof data.szTip >= kShellTipChars);
    CopyText(data.szTip, kShellTipChars, tip_);
    return notify(action, &data) != FALSE;
}

void TrayIcon::BringPopupForward() {
    ShowWindow(popup_, SW_RESTORE);
    SetForegroundWindow(popup_);
    PostMessageA(owner_, menuDoneMessage_, 0, 0);
}

void TrayIcon::ShowMenu() {
    POINT cursor = {};
    GetCursorPos(&cursor);
    menuShowing_ = true;
    HMENU tray = GetSubMenu(menu_.Get(), 0);
    // The menu closes when the user clicks elsewhere only if its owner is the
    // foreground window.
    SetForegroundWindow(owner_);
    SetMenuDefaultItem(tray, static_cast<UINT>(defaultCommand_), FALSE);
    TrackPopupMenu(tray, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner_, nullptr);
    PostMessageA(owner_, menuDoneMessage_, 0, 0);
    menuShowing_ = false;
}

void TrayIcon::HandleCallback(WPARAM wParam, LPARAM lParam) {
    if (wParam != id_ || menuShowing_) {
        return;
    }
    switch (lParam) {
        case WM_LBUTTONDOWN:
            if (popup_ != nullptr) {
                BringPopupForward();
            } else if (defaultCommand_ != 0 && menu_) {
                SetForegroundWindow(owner_);
                PostMessageA(owner_, WM_COMMAND, LOWORD(defaultCommand_), 0);
            }
            break;
        case WM_RBUTTONDOWN:
            if (popup_ != nullptr) {
                BringPopupForward();
            } else if (owner_ != nullptr && menu_) {
                ShowMenu();
            }
            break;
        default:
            break;  // moves, button-up and double clicks
    }
}
