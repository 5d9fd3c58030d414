// GrabApp: the one application object. It owns the settings, the main window,
// the icons and the grab in progress for the life of the process, and its Run
// is the start-up sequence and the message loop that turns the hot key into a
// grab.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/single_instance_app.h"
#include "base/types.h"
#include "capture/captured_image_win.h"
#include "settings/grab_settings.h"

// The name of the guard mutex and of the main window's class.
constexpr char kAppName[] = "PixelnookClass";

// Exit codes of Run besides the quit message's 0.
constexpr int kExitRefused = 1;
constexpr int kExitNoWindowClass = 2;
constexpr int kExitNoMainWindow = 3;

class GrabApp : public SingleInstanceApp {
public:
    explicit GrabApp(const char* name);

    int Run() override;

    // Registers the hot key from settings; on failure warns the user and clears
    // the key in memory (the INI file keeps the chosen one).
    void EnsureHotKey();

    // Grabs what the settings select; true when a picture is ready to store.
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
    // False when there was no picture to store (it was released already).
    bool StoreGrab(const GrabSettings& options, bool alphaFilled, char* picturePath,
                   char* thumbnailPath);
    // Re-applies the main window's styles after Properties.Taskbar changed.
    void ApplyTaskbarStyle();

    void UpdateWindowTitle();
    void ConcealMainWindow();

    GrabSettings settings;
    HWND mainWindow = nullptr;
    // Shared icons (loaded with LR_SHARED): the system frees them, not us.
    HICON smallIcon = nullptr;
    HICON largeIcon = nullptr;

    // The grab in progress, from TakeGrab until the store has released it.
    CapturedImage capturedImage;
    // The id the system gave the "TaskbarCreated" message (0 until created).
    UINT taskbarCreatedMessage = 0;

    bool areaPopupShown = false;
    bool cursorParked = false;
    POINT savedCursor = {0, 0};
    // Its low byte is the opacity of the rectangular-area popup.
    uint32_t popupAlpha = kPopupAlpha;

private:
    static constexpr uint32_t kPopupAlpha = 192;

    void LoadIcons();
    bool RegisterWindowClass();
    bool CreateMainWindow();
    int MessageLoop();
    void OnHotKey();
};
