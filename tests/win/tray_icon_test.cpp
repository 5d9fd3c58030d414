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

struct ShellCall {
    DWORD action;
    NOTIFYICONDATAA data;
};
std::vector<ShellCall> g_shellCalls;

BOOL WINAPI RecordShellCall(DWORD action, PNOTIFYICONDATAA data) {
    g_shellCalls.push_back({action, *data});
    return TRUE;
}

// The owner window: a hidden top-level window whose posted messages the test
// reads from the thread's queue.
struct Owner {
    Owner() {
        window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        tray.SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
        tray.SetMenu(IDR_TRAY_MENU, IDM_SETTINGS);
        tray.SetMessages(kCallback, kMenuDone);
        tray.SetWindows(window, nullptr);
    }
    ~Owner() { DestroyWindow(window); }

    // The messages posted to the owner since the last call: WM_COMMAND as the
    // command id, the menu-done message as kMenuDone.
    std::vector<UINT> Posted() {
        std::vector<UINT> posted;
        MSG message;
        while (PeekMessageA(&message, window, 0, 0, PM_REMOVE)) {
            if (message.message == WM_COMMAND) {
                posted.push_back(LOWORD(message.wParam));
            } else if (message.message == kMenuDone) {
                posted.push_back(kMenuDone);
            }
        }
        return posted;
    }

    HWND window;
    TrayIcon tray;
};

}  // namespace

TEST(TrayIcon, HandsTheShellTheFirstRecordFormWithTheTipCutTo63) {
    auto saved = Shell32Optional().Shell_NotifyIconA;
    Shell32Optional().Shell_NotifyIconA = RecordShellCall;
    g_shellCalls.clear();
    Owner owner;
    const std::string tip(100, 'x');
    owner.tray.SetTip(tip.c_str());
    owner.tray.Add();
    owner.tray.Modify();
    owner.tray.Delete();
    Shell32Optional().Shell_NotifyIconA = saved;

    const struct {
        DWORD action;
        UINT flags;
    } expected[] = {{NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP},
                    {NIM_MODIFY, NIF_ICON | NIF_TIP},
                    {NIM_DELETE, 0}};
    ASSERT_EQ(g_shellCalls.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const NOTIFYICONDATAA& data = g_shellCalls[i].data;
        EXPECT_EQ(g_shellCalls[i].action, expected[i].action) << i;
        EXPECT_EQ(data.uFlags, expected[i].flags) << i;
        // (The window, id and callback message reach the shell: the end-to-end
        // tray test clicks the icon and takes it away by them.)
        EXPECT_EQ(data.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE)) << i;
        EXPECT_EQ(std::string(data.szTip), tip.substr(0, 63)) << i;
    }
}

TEST(TrayIcon, ClicksPostTheDefaultCommandOrBringThePopupForward) {
    Owner owner;
    HWND popup = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    const struct {
        HWND popup;
        WPARAM id;
        LPARAM mouse;
        std::vector<UINT> posted;
        bool popupShown;
    } cases[] = {
        {nullptr, 0, WM_LBUTTONDOWN, {IDM_SETTINGS}, false},
        {nullptr, 0, WM_LBUTTONDBLCLK, {}, false},
        {nullptr, 0, WM_RBUTTONUP, {}, false},
        {nullptr, 7, WM_LBUTTONDOWN, {}, false},  // another icon's id
        {popup, 0, WM_LBUTTONDOWN, {kMenuDone}, true},
        {popup, 0, WM_RBUTTONDOWN, {kMenuDone}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mouse " << c.mouse << " id " << c.id);
        ShowWindow(popup, SW_HIDE);
        owner.tray.SetPopup(c.popup);
        owner.tray.HandleCallback(c.id, c.mouse);
        EXPECT_EQ(owner.Posted(), c.posted);
        EXPECT_EQ(IsWindowVisible(popup) != FALSE, c.popupShown);
    }
    DestroyWindow(popup);
}

namespace {

Owner* g_menuOwner = nullptr;
UINT g_defaultItem = 0;

// Runs inside the menu's own loop: reads the menu's default item, clicks the
// icon (which must be dropped), and closes the menu without a choice.
void CALLBACK WhileTheMenuShows(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND menuWindow = FindWindowA("#32768", nullptr);
    HMENU shown = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    g_defaultItem = GetMenuDefaultItem(shown, FALSE, 0);
    g_menuOwner->tray.HandleCallback(0, WM_LBUTTONDOWN);
    EndMenu();
}

}  // namespace

TEST(TrayIcon, RightClickShowsTheMenuAndDropsClicksMeanwhile) {
    Owner owner;
    g_menuOwner = &owner;
    SetTimer(nullptr, 0, 300, WhileTheMenuShows);
    owner.tray.HandleCallback(0, WM_RBUTTONDOWN);
    EXPECT_EQ(g_defaultItem, static_cast<UINT>(IDM_SETTINGS));
    // Only the menu-done message: the nested left click posted no command.
    EXPECT_EQ(owner.Posted(), std::vector<UINT>{kMenuDone});
}
