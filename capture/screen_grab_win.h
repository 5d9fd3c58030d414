// ScreenGrab: the grab in progress and everything done to it, from the hot key
// to the stored file: the target and rectangle under the mouse, the screen copy
// with cursor and background fill, the store, and the release.
//
// The application owns one. It hands in what a grab needs from outside: its
// settings (read at each grab, so a confirmed settings dialog takes effect at
// once) and the main window, which is hidden again after every grab, doubles
// as the rectangular-area popup and owns the clipboard while a grab is put
// there.
#pragma once

#include <windows.h>

#include <cstdint>

#include "capture/captured_image_win.h"
#include "settings/grab_settings.h"
#include "shell/tray_icon_win.h"

class ScreenGrab {
public:
    // settings and tray must outlive the grab (all belong to the application
    // object). The tray icon brings the area popup forward while it is shown.
    ScreenGrab(const GrabSettings& settings, TrayIcon& tray) : settings_(settings), tray_(tray) {}
    ScreenGrab(const ScreenGrab&) = delete;
    ScreenGrab& operator=(const ScreenGrab&) = delete;

    // The main window, once it exists.
    void AttachWindow(HWND window) { window_ = window; }

    // Grabs what the arguments select; true when a picture is ready to store.
    bool TakeGrab(GrabType type, bool drawCursor, bool fillBackground, Colorref fillColour,
                  bool& alphaFilled);
    // Frees the grab in progress; always true.
    bool ReleaseGrab();
    // Picks the target window and the grab rectangle under the mouse and
    // prepares the empty 32-bit picture; false when there is nothing to grab.
    bool ResolveGrabTarget(GrabType type);
    // First press of a rectangular-area grab shows the popup (false), the
    // second takes it down and sets the grab rectangle (true).
    bool ToggleAreaPopup();
    // Puts the grab on the clipboard or in the next numbered file, filling the
    // two paths (kPathChars each, or null) with the files meant to be written.
    // True when the picture was stored: on the clipboard, or its file written.
    // False when it was not (and no file was left), or when there was no
    // picture to store (it was released already): then nothing may be uploaded.
    bool StoreGrab(const GrabSettings& options, bool alphaFilled, char* picturePath,
                   char* thumbnailPath);

    // Makes the main window invisible again: fully transparent from Windows
    // 2000 on, an empty region below, and at the bottom of the z-order.
    void ConcealMainWindow();
    // Escape while the area popup is shown: the area grab is abandoned, and the
    // window gives up the keyboard focus.
    void AbandonAreaPopup();

    // The grab in progress, from TakeGrab until the store has released it.
    CapturedImage capturedImage;
    // Where the cursor was when the target was resolved; put back after the
    // copy, because the area grab parks it in a corner while copying.
    POINT savedCursor = {0, 0};
    bool cursorParked = false;
    bool areaPopupShown = false;
    // Its low byte is the opacity of the rectangular-area popup.
    uint32_t popupAlpha = kPopupAlpha;

private:
    static constexpr uint32_t kPopupAlpha = 192;

    // The status title, which the popup clears while it is shown.
    void RestoreWindowTitle();

    const GrabSettings& settings_;
    TrayIcon& tray_;
    HWND window_ = nullptr;
    // The foreground window when the area popup appeared; it gets the
    // keyboard back when the popup is abandoned.
    HWND windowBeforePopup_ = nullptr;
};
