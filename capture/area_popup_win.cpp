// The main window between grabs: concealed, and the rectangular-area popup's
// frame while an area is being placed.
#include "base/handles_win.h"
#include "base/os_version_win.h"
#include "base/system_functions_win.h"
#include "capture/screen_grab_win.h"

void ScreenGrab::ConcealMainWindow() {
    if (GetOsVersionClass() < kOsWindows2000) {
        // No layered windows before Windows 2000: an empty region hides it.
        SetWindowRegion(window_, GdiObject<HRGN>(CreateRectRgn(0, 0, 0, 0)), true);
    } else if (User32Optional().SetLayeredWindowAttributes != nullptr) {
        User32Optional().SetLayeredWindowAttributes(window_, 0, 0, LWA_ALPHA);
    }
    SetWindowPos(window_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOACTIVATE);
    if (settings_.Properties.Taskbar) {
        ShowWindow(window_, SW_SHOWNA);
    }
}

void ScreenGrab::AbandonAreaPopup() {
    areaPopupShown = false;
    ConcealMainWindow();
}
