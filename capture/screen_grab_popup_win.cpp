// The main window between grabs, and as the rectangular-area popup.
//
// Between grabs the main window is concealed: fully transparent from Windows
// 2000 on (an empty region before), 0 x 0 at the bottom of the z-order. For an
// area grab the first press shows it as a 64 x 64 frame centred on the cursor,
// which the user drags and sizes (the main window's procedure paints the frame
// and turns its inside into a caption); the second press takes its rectangle
// and hides it again before the screen is copied.
#include "base/handles_win.h"
#include "base/os_version_win.h"
#include "base/system_functions_win.h"
#include "capture/screen_grab_win.h"
#include "settings/status_text.h"
#include "shell/activation_win.h"

namespace {

constexpr int kPopupSize = 64;

void SetWindowAlpha(HWND window, BYTE alpha) {
    // Missing on Windows 98 and Me; also when it is missing later, the alpha
    // stays as it was.
    if (auto setAttributes = User32Optional().SetLayeredWindowAttributes) {
        setAttributes(window, 0, alpha, LWA_ALPHA);
    }
}

}  // namespace

bool ScreenGrab::ToggleAreaPopup() {
    if (!areaPopupShown) {
        POINT cursor = {};
        GetCursorPos(&cursor);
        // Every first press starts afresh, centred on the cursor.
        SetWindowPos(window_, nullptr, cursor.x - kPopupSize / 2, cursor.y - kPopupSize / 2,
                     kPopupSize, kPopupSize, SWP_NOACTIVATE);
        if (GetOsVersionClass() >= kOsWindows2000) {
            SetWindowAlpha(window_, static_cast<BYTE>(popupAlpha & 0xFF));
        } else {
            SetWindowRgn(window_, nullptr, TRUE);  // the whole window again
        }
        SetWindowTextA(window_, "");
        windowBeforePopup_ = GetForegroundWindow();
        ShowWindow(window_, SW_SHOW);
        // Keyboard input, Escape above all, goes to the popup from here.
        BringToForeground(window_);
        tray_.SetPopup(window_);
        areaPopupShown = true;
        return false;
    }

    GetCursorPos(&savedCursor);
    GetWindowRect(window_, &capturedImage.rect);  // the frame is part of the area
    tray_.SetPopup(nullptr);
    areaPopupShown = false;
    // Out of the picture until the copy is taken; TakeGrab puts it back.
    cursorParked = true;
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    RestoreWindowTitle();
    ConcealMainWindow();
    ShowWindow(window_, SW_HIDE);
    return true;
}

void ScreenGrab::ConcealMainWindow() {
    if (GetOsVersionClass() < kOsWindows2000) {
        // No layered windows before Windows 2000: an empty region hides it.
        SetWindowRegion(window_, GdiObject<HRGN>(CreateRectRgn(0, 0, 0, 0)), true);
    } else {
        SetWindowAlpha(window_, 0);
    }
    SetWindowPos(window_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOACTIVATE);
    if (settings_.Properties.Taskbar) {
        // Shown without activation, so that its taskbar button exists.
        ShowWindow(window_, SW_SHOWNA);
    }
}

void ScreenGrab::AbandonAreaPopup() {
    tray_.SetPopup(nullptr);
    areaPopupShown = false;
    RestoreWindowTitle();
    // The keyboard goes back to the window that had it before the popup: an
    // invisible window keeping the focus would take the user's next Escape as
    // Exit.
    ShowWindow(window_, SW_HIDE);
    ConcealMainWindow();
    if (windowBeforePopup_ != window_ && IsWindowVisible(windowBeforePopup_)) {
        SetForegroundWindow(windowBeforePopup_);
    }
}

void ScreenGrab::RestoreWindowTitle() {
    SetWindowTextA(window_, WindowTitle(settings_).c_str());
}
