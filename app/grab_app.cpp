#include "app/grab_app.h"

#include "shell/activation_win.h"
#include "shell/hot_key_win.h"
#include "app/main_window.h"
#include "app/messages.h"
#include "base/limits.h"
#include "base/os_version_win.h"
#include "base/text.h"
#include "dialogs/dialog_win.h"
#include "encode/gdiplus_available_win.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "settings/status_text.h"

namespace {

HICON LoadAppIcon(HINSTANCE instance, const char* path, int size) {
    HICON icon = static_cast<HICON>(
        LoadImageA(nullptr, path, IMAGE_ICON, size, size, LR_LOADFROMFILE | LR_SHARED));
    if (icon == nullptr) {
        icon = static_cast<HICON>(
            LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON, size, size, LR_SHARED));
    }
    return icon;
}

}  // namespace

GrabApp::GrabApp(const char* name)
    : SingleInstanceApp(name, name, IDM_SETTINGS), settings(IsGdiplusAvailable()) {}

int GrabApp::Run() {
    if (GetOsVersionClass() < kOsWindows98) {
        ShowStringTableBox(instance, IDS_OS_ERROR, IDS_OS_ERROR_CAPTION, MB_OK);
        return kExitRefused;
    }
    // "Pixelnook.ini" in the current directory; missing keys keep the defaults.
    settings.Load(GetOsVersionClass());

    LoadIcons();
    if (!RegisterWindowClass()) {
        return kExitNoWindowClass;
    }
    EnsureHotKey();
    if (!CreateMainWindow()) {
        UnregisterHotKey(nullptr, kGrabHotKeyId);
        return kExitNoMainWindow;
    }
    UpdateWindowTitle();
    grab.ConcealMainWindow();
    TrimWorkingSet();

    if (settings.Properties.FirstTime) {
        PostMessageA(mainWindow, WM_COMMAND, IDM_INTRO, 0);
    }
    if (settings.Properties.SettingsOnStart) {
        PostMessageA(mainWindow, WM_COMMAND, IDM_SETTINGS, 0);
    }
    return MessageLoop();
}

void GrabApp::LoadIcons() {
    char path[kPathChars];
    CopyText(path, settings.Properties.Icons);
    if (!AppendText(path, "main.ico")) {
        path[0] = '\0';  // a cut path could name another file: use our own icon
    }
    smallIcon = LoadAppIcon(instance, path, GetSystemMetrics(SM_CXSMICON));
    largeIcon = LoadAppIcon(instance, path, GetSystemMetrics(SM_CXICON));
}

bool GrabApp::RegisterWindowClass() {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = largeIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = windowClassName;
    windowClass.hIconSm = smallIcon;
    return RegisterClassExA(&windowClass) != 0;
}

bool GrabApp::CreateMainWindow() {
    DWORD exStyle = settings.Properties.Taskbar ? 0 : WS_EX_TOOLWINDOW;
    if (GetOsVersionClass() >= kOsWindows2000) {
        exStyle |= WS_EX_LAYERED;
    }
    // The window procedure stores mainWindow when it sees WM_CREATE.
    HWND window = CreateWindowExA(exStyle, windowClassName, "", kMainWindowStyle, 0, 0, 0, 0,
                                  nullptr, nullptr, instance, this);
    return window != nullptr;
}

void GrabApp::EnsureHotKey() {
    if (RegisterGrabHotKey(settings)) {
        return;
    }
    ShowStringTableBox(instance, IDS_HOTKEY_ERROR, IDS_HOTKEY_ERROR_CAPTION,
                       MB_ICONEXCLAMATION | MB_OK);
    settings.Properties.HotKey = 0;
}

int GrabApp::MessageLoop() {
    MSG message = {};
    // GetMessage answers -1 on failure; leaving then beats spinning.
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_HOTKEY) {
            // Hot keys are thread messages: never translated or dispatched.
            OnHotKey();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    UnregisterHotKey(nullptr, kGrabHotKeyId);
    return static_cast<int>(message.wParam);
}

void GrabApp::OnHotKey() {
    // No grab while any dialog of ours is open, message boxes included.
    if (HasThreadDialog(mainWindow)) {
        return;
    }
    bool alphaFilled = false;
    if (grab.TakeGrab(static_cast<GrabType>(settings.Properties.SnapType),
                      settings.Properties.ShowCursor, settings.BkgndFill.Fill,
                      settings.BkgndFill.Color, alphaFilled)) {
        PostMessageA(mainWindow, WM_GRAB_COMPLETE, alphaFilled ? 1 : 0, 0);
    }
}

void GrabApp::UpdateWindowTitle() {
    SetWindowTextA(mainWindow, WindowTitle(settings).c_str());
}
