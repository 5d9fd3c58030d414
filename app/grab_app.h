// GrabApp: the one application object. It owns the settings, the main window,
// the icons and the grab in progress for the life of the process, and its Run
// is the start-up sequence and the message loop that turns the hot key into a
// grab.
#pragma once

#include <windows.h>

#include "app/single_instance_app.h"
#include "base/app_name.h"
#include "base/types.h"
#include "capture/screen_grab_win.h"
#include "settings/grab_settings.h"
#include "shell/tray_icon_win.h"

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

    // Re-applies the main window's styles after Properties.Taskbar changed.
    void ApplyTaskbarStyle();

    void UpdateWindowTitle();

    GrabSettings settings;
    HWND mainWindow = nullptr;
    // Shared icons (loaded with LR_SHARED): the system frees them, not us.
    HICON smallIcon = nullptr;
    HICON largeIcon = nullptr;
    // The notification-area icon, shown while Properties.Systray is set.
    TrayIcon tray;
    // The grab in progress and the area popup; reads settings at each grab.
    ScreenGrab grab{settings, tray};
    // The id the system gave the "TaskbarCreated" message (0 until created).
    UINT taskbarCreatedMessage = 0;

private:
    void LoadIcons();
    bool RegisterWindowClass();
    bool CreateMainWindow();
    int MessageLoop();
    void OnHotKey();
};
