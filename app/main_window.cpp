// MainWindow's procedure: each message goes to one small handler. The
// window is hidden and has no size; it carries the system menu with the tray
// commands, the keyboard shortcuts, and the store that follows every grab.
#include "app/main_window.h"

#include <iterator>

#include "shell/activation_win.h"
#include "app/grab_app.h"
#include "app/messages.h"
#include "app/settings_command.h"
#include "base/handles_win.h"
#include "base/limits.h"
#include "base/os_version_win.h"
#include "resources/resource_ids.h"
#include "settings/status_text.h"
#include "upload/upload_win.h"

namespace {

constexpr char kTaskbarCreatedMessageName[] = "TaskbarCreated";
constexpr WPARAM kEscapeChar = 27;
// Menu item texts are read into a buffer of this size when the tray menu is
// copied into the system menu.
constexpr UINT kMenuTextChars = 80;
// The frame drawn instead of the standard one (the window is also the area
// popup, which shows this frame).
constexpr int kFramePenWidth = 2;
// System menu items the main window has no use for.
constexpr UINT kRemovedSystemCommands[] = {SC_CLOSE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE};

// The window's user data holds the GrabApp; it is stored on WM_NCCREATE from
// the creation parameter, so messages before that go to the default procedure.
GrabApp* AppOf(HWND window) {
    return reinterpret_cast<GrabApp*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void PostCommand(HWND window, WORD command) {
    PostMessageA(window, WM_COMMAND, command, 0);
}

// The system menu carries the tray commands: the window-management items go,
// the tray menu's items (separator included) follow in their own order.
void BuildSystemMenu(GrabApp& app, HWND window) {
    HMENU system = GetSystemMenu(window, FALSE);
    for (UINT command : kRemovedSystemCommands) {
        DeleteMenu(system, command, MF_BYCOMMAND);
    }
    OwnedMenu loaded(LoadMenuA(app.instance, MAKEINTRESOURCEA(IDR_TRAY_MENU)));
    HMENU tray = GetSubMenu(loaded.Get(), 0);
    const int first = GetMenuItemCount(system);
    const int count = GetMenuItemCount(tray);
    for (int position = 0; position < count; ++position) {
        char text[kMenuTextChars] = "";
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
        item.dwTypeData = text;
        item.cch = static_cast<UINT>(std::size(text));
        if (GetMenuItemInfoA(tray, static_cast<UINT>(position), TRUE, &item)) {
            InsertMenuItemA(system, static_cast<UINT>(first + position), TRUE, &item);
        }
    }
    SetMenuDefaultItem(system, IDM_SETTINGS, FALSE);
}

void SetUpTrayIcon(GrabApp& app, HWND window) {
    TrayIcon& tray = app.tray;
    tray.SetTip(TooltipText(app.settings).c_str());
    tray.SetIcon(app.smallIcon);
    tray.SetMenu(IDR_TRAY_MENU, IDM_SETTINGS);
    tray.SetMessages(WM_TRAY_NOTIFY, WM_TRAY_MENU_DONE);
    tray.SetWindows(window, nullptr);
    if (app.settings.Properties.Systray) {
        tray.Add();
    }
}

void OnCreate(GrabApp& app, HWND window) {
    app.mainWindow = window;
    app.grab.AttachWindow(window);
    app.taskbarCreatedMessage = RegisterWindowMessageA(kTaskbarCreatedMessageName);
    SetUpTrayIcon(app, window);
    BuildSystemMenu(app, window);
}

void OnDestroy(GrabApp& app) {
    app.grab.ReleaseGrab();
    if (app.settings.Properties.Systray) {
        app.tray.Delete();
    }
    PostQuitMessage(0);
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
}

LRESULT OnGetMinMaxInfo(LPARAM lParam) {
    // The window has no size, and the area popup may be sized down to nothing.
    MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize.x = 0;
    info->ptMinTrackSize.y = 0;
    return 0;
}

LRESULT OnNcHitTest(GrabApp& app, HWND window, WPARAM wParam, LPARAM lParam) {
    // The area popup is dragged by its inside; not while the cursor is parked
    // in the screen corner for the grab.
    LRESULT hit = DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    return hit == HTCLIENT && !app.grab.cursorParked ? HTCAPTION : hit;
}

LRESULT OnNcPaint(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    OffsetRect(&rect, -rect.left, -rect.top);
    WindowDc dc(window, GetWindowDC(window));
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, kFramePenWidth, GetSysColor(COLOR_ACTIVEBORDER)));
    GdiObject<HBRUSH> brush(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
    if (dc) {
        SelectGuard selectPen(dc.Get(), pen.Get());
        SelectGuard selectBrush(dc.Get(), brush.Get());
        Rectangle(dc.Get(), 0, 0, rect.right, rect.bottom);
    }
    return 1;  // no standard frame
}

void OnKeyDown(HWND window, WPARAM key) {
    if (key == VK_F1) {
        PostCommand(window, IDM_HELP);
    }
}

void OnEscape(GrabApp& app, HWND window) {
    if (!app.grab.areaPopupShown) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    app.grab.AbandonAreaPopup();
}

void OnChar(GrabApp& app, HWND window, WPARAM character) {
    if (character == kEscapeChar) {
        OnEscape(app, window);
    } else if (character == 'A' || character == 'a') {
        PostCommand(window, IDM_ABOUT);
    } else if (character == 'S' || character == 's') {
        PostCommand(window, IDM_SETTINGS);
    }
}

void DispatchCommand(GrabApp& app, HWND window, WORD command) {
    PostMessageA(window, WM_TRAY_MENU_DONE, 0, 0);
    switch (command) {
        case IDM_SETTINGS:
            RunSettingsCommand(app);
            break;
        case IDM_ABOUT:
            app.settings.Runtime.StartPage = IDD_PAGE_ABOUT;
            PostCommand(window, IDM_SETTINGS);
            break;
        case IDM_HELP:
            app.settings.Runtime.StartPage = IDD_PAGE_HELP;
            PostCommand(window, IDM_SETTINGS);
            break;
        case IDM_EXIT:
            PostMessageA(window, WM_CLOSE, 0, 0);
            break;
        case IDM_INTRO:
            RunIntroCommand(app);
            PostCommand(window, IDM_HELP);
            break;
        default:
            break;
    }
}

void OnSysCommand(GrabApp& app, HWND window, WPARAM wParam) {
    SetForegroundWindow(window);
    DispatchCommand(app, window, LOWORD(wParam));
}

// After every grab: store, upload, release, trim.
void OnGrabComplete(GrabApp& app, WPARAM alphaFilled) {
    char picturePath[kPathChars] = "";
    char thumbnailPath[kPathChars] = "";
    // Only a picture this grab really stored is uploaded: after a failed save
    // the path may name an earlier grab's file of the same name.
    const bool pictureStored =
        app.grab.StoreGrab(app.settings, alphaFilled == 1, picturePath, thumbnailPath);
    if (pictureStored && app.settings.Properties.StoreFile) {
        UploadGrabFiles(app.settings, picturePath, thumbnailPath);
    }
    app.grab.ReleaseGrab();
    TrimWorkingSet();
}

}  // namespace

void GrabApp::ApplyTaskbarStyle() {
    DWORD exStyle = settings.Properties.Taskbar ? 0 : WS_EX_TOOLWINDOW;
    if (GetOsVersionClass() >= kOsWindows2000) {
        exStyle |= WS_EX_LAYERED;
    }
    // The shell adds or removes a taskbar button only when a window is shown
    // or hidden, never for a change of style alone: the window is hidden
    // first, and only ShowWindow makes it visible again (a style with
    // WS_VISIBLE would make the show below do nothing).
    ShowWindow(mainWindow, SW_HIDE);
    SetWindowLongA(mainWindow, GWL_STYLE, static_cast<LONG>(kMainWindowStyle));
    SetWindowLongA(mainWindow, GWL_EXSTYLE, static_cast<LONG>(exStyle));
    SetWindowPos(mainWindow, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (settings.Properties.Taskbar) {
        // Shown without activation it gets its taskbar button; it stays
        // invisible to the eye.
        ShowWindow(mainWindow, SW_SHOWNA);
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    GrabApp* app = AppOf(window);
    if (app == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_CREATE:
            OnCreate(*app, window);
            break;
        case WM_DESTROY:
            OnDestroy(*app);
            break;
        case WM_PAINT:
            OnPaint(window);
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_GETMINMAXINFO:
            return OnGetMinMaxInfo(lParam);
        case WM_NCHITTEST:
            return OnNcHitTest(*app, window, wParam, lParam);
        case WM_NCPAINT:
            return OnNcPaint(window);
        case WM_KEYDOWN:
            OnKeyDown(window, wParam);
            break;
        case WM_CHAR:
            OnChar(*app, window, wParam);
            break;
        case WM_COMMAND:
            DispatchCommand(*app, window, LOWORD(wParam));
            break;
        case WM_SYSCOMMAND:
            OnSysCommand(*app, window, wParam);
            break;
        case WM_INITMENU:
        case WM_INITMENUPOPUP:
            SetForegroundWindow(window);
            break;
        case WM_GRAB_COMPLETE:
            OnGrabComplete(*app, wParam);
            break;
        case WM_TRAY_NOTIFY:
            if (app->settings.Properties.Systray) {
                app->tray.HandleCallback(wParam, lParam);
            }
            break;
        default:
            // The shell restarted (its id is known only at run time): the
            // icon must be added again.
            if (message == app->taskbarCreatedMessage && app->settings.Properties.Systray) {
                app->tray.Add();
            }
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
