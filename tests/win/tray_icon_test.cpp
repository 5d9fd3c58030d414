// The tray icon against the platform: what it hands the shell (observed at the
// run-time bound Shell_NotifyIconA) and what its clicks post to the owner.
#include "shell/tray_icon_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "shell/shell32_functions_win.h"

namespace {

constexpr UINT kCallback = WM_APP + 1;
constexpr UINT kMenuDone = WM_APP + 2;

NOTIFYICONDATAA g_record = {};  // what the shell was handed last

BOOL WINAPI RecordShellCall(DWORD, PNOTIFYICONDATAA data) {
    g_record = *data;
    return TRUE;
}

// The owner window: a hidden top-level window whose posted messages the test
// reads from the thread's queue.
struct Owner {
    Owner() {
        tray.SetMenu(IDR_TRAY_MENU, IDM_SETTINGS);
        tray.SetMessages(kCallback, kMenuDone);
        tray.SetWindows(window, nullptr);
    }
    ~Owner() { DestroyWindow(window); }

    // The messages posted to the owner since the last call, WM_COMMAND as the
    // command id.
    std::vector<UINT> Posted() {
        std::vector<UINT> posted;
        MSG message;
        while (PeekMessageA(&message, window, 0, 0, PM_REMOVE))
            posted.push_back(message.message == WM_COMMAND ? LOWORD(message.wParam)
                                                           : message.message);
        return posted;
    }

    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    TrayIcon tray;
};

Owner* g_menuOwner = nullptr;

// Runs inside the menu's own loop: clicks the icon (which must be dropped),
// and closes the menu without a choice.
void CALLBACK WhileTheMenuShows(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    g_menuOwner->tray.HandleCallback(0, WM_LBUTTONDOWN);
    EndMenu();
}

}  // namespace

TEST(TrayIcon, HandsTheShellTheFirstRecordFormWithTheTipCutTo63) {
    auto saved = Shell32Optional().Shell_NotifyIconA;
    Shell32Optional().Shell_NotifyIconA = RecordShellCall;
    Owner owner;
    owner.tray.SetTip(std::string(100, 'x').c_str());
    owner.tray.Add();
    Shell32Optional().Shell_NotifyIconA = saved;
    // (The window, id and callback message reach the shell: the end-to-end
    // tray test clicks the icon and takes it away by them.)
    EXPECT_EQ(g_record.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
    EXPECT_EQ(std::string(g_record.szTip), std::string(63, 'x'));
}

TEST(TrayIcon, ClicksPostTheDefaultCommandShowTheMenuOrBringThePopupForward) {
    Owner owner, other;
    g_menuOwner = &owner;
    HWND popup = other.window;
    const struct {
        HWND popup;
        LPARAM mouse;
        std::vector<UINT> posted;
        bool popupShown;
    } cases[] = {
        {nullptr, WM_LBUTTONDOWN, {IDM_SETTINGS}, false},
        {nullptr, WM_LBUTTONDBLCLK, {}, false},
        {nullptr, WM_RBUTTONUP, {}, false},
        // The menu, closed without a choice: a click meanwhile posts no command.
        {nullptr, WM_RBUTTONDOWN, {kMenuDone}, false},
        {popup, WM_LBUTTONDOWN, {kMenuDone}, true},
        {popup, WM_RBUTTONDOWN, {kMenuDone}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mouse " << c.mouse);
        ShowWindow(popup, SW_HIDE);
        owner.tray.SetPopup(c.popup);
        if (c.popup == nullptr && c.mouse == WM_RBUTTONDOWN)
            SetTimer(nullptr, 0, 300, WhileTheMenuShows);
        owner.tray.HandleCallback(0, c.mouse);
        EXPECT_EQ(owner.Posted(), c.posted);
        EXPECT_EQ(IsWindowVisible(popup) != FALSE, c.popupShown);
    }
}
