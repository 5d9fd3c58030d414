// A person's use of the settings dialog's frame: the first run's
// Introduction, the page list, OK taking effect at once and being kept, the
// dialog while it is open, and Unload. What each page's fields show and what
// OK takes from them is the Windows tests' part (SettingsDialogOk).
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "tests/support/pixelnook_driver.h"

using namespace e2e;

namespace {

// The settings dialog of a running Pixelnook as the e2e tests see it from
// their own process: its pages (child dialogs found by their titles), its
// buttons by id, and where the page list stands, read from the windows'
// places (the list-view's own item records live in the other process).
struct SettingsDialogView {
    // Waits until the dialog is on screen, set up; dialog stays null when it
    // does not come.
    explicit SettingsDialogView(const PixelnookProcess& pixelnook)
        : dialog(pixelnook.WaitFor("#32770", "Pixelnook Settings")) {
        if (!WaitUntil([&] { return IsWindowVisible(dialog); }))
            dialog = nullptr;
    }

    // A page by its title ("General", "Type", ...).
    HWND Page(const char* title) const { return FindWindowExA(dialog, nullptr, "#32770", title); }
    std::string VisiblePage() const {
        for (HWND page = FindWindowExA(dialog, nullptr, "#32770", nullptr); page != nullptr;
             page = FindWindowExA(dialog, page, "#32770", nullptr)) {
            if (IsWindowVisible(page))
                return WindowText(page);
        }
        return "";
    }
    // BM_CLICK on a control of the frame, or of a page when one is given.
    void Click(int control, const char* page = nullptr) const {
        SendMessageA(GetDlgItem(page != nullptr ? Page(page) : dialog, control), BM_CLICK, 0, 0);
    }
    bool Shown(int control) const { return IsWindowVisible(GetDlgItem(dialog, control)) != FALSE; }
    // Cancels the dialog and waits until it is gone.
    bool Cancel() const {
        Click(IDCANCEL);
        return WaitUntil([&] { return !IsWindow(dialog); });
    }

    HWND List() const { return GetDlgItem(GetDlgItem(dialog, IDC_PAGE_LIST_CLIP), IDC_PAGE_LIST); }
    int ItemHeight() const { return LOWORD(SendMessageA(List(), LVM_GETITEMSPACING, FALSE, 0)); }
    // The item at the top of the list's visible part. The list-view sits in
    // a container made at its own first place, and keeps that offset within
    // it; it moves up one item height per item scrolled.
    int TopItem() const {
        RECT box = {}, list = {};
        GetWindowRect(GetDlgItem(dialog, IDC_PAGE_LIST_CLIP), &box);
        GetWindowRect(List(), &list);
        POINT first = {box.left, box.top};
        ScreenToClient(dialog, &first);
        return ItemHeight() == 0 ? -1 : (box.top + first.y - list.top) / ItemHeight();
    }
    // A mouse click on the item's icon, which lies in the upper part of its
    // square cell. (Wine's list-view moves by arrow keys only through its
    // owner, which a virtual list of pages leaves unanswered.)
    void ClickItem(int item) const {
        RECT list = {};
        GetWindowRect(List(), &list);
        const int cell = ItemHeight();
        ClickAt({list.left + cell / 2, list.top + item * cell + cell / 3});
    }

    HWND dialog;
};

// Pixelnook with its settings dialog open from the start, writing its grabs
// to BMP files without thumbnails.
struct Open : BmpPixelnook {
    explicit Open(const std::string& properties)
        : ini(IniAfterFirstRun("SettingsOnStart=1\r\n" + properties,
                               "Name=screencap_\r\nExt=bmp\r\n", "[Thumbnail]\r\nThumb=0\r\n")),
          started(Start(ini)) {}

    const std::string ini;  // as written into Pixelnook.ini before the start
    bool started;
    SettingsDialogView settings{pixelnook};
};

}  // namespace

TEST(SettingsDialog, PageListAndAboutPageShowTheUnconfirmedAndCancelShowsALostKey) {
    Open open("Systray=0\r\n");
    ASSERT_NE(open.settings.dialog, nullptr);
    EXPECT_EQ(open.settings.VisiblePage(), "General");
    // The fifth visible item brings the next one into view.
    open.settings.ClickItem(4);
    ASSERT_TRUE(WaitUntil([&] { return open.settings.VisiblePage() == "Thumbnail"; }));
    EXPECT_EQ(open.settings.TopItem(), 1);
    EXPECT_TRUE(open.settings.Shown(IDC_UP_ARROW));
    // The tray box shares the up arrow's id: only the arrow itself scrolls.
    open.settings.Click(IDC_SYSTRAY, "General");
    EXPECT_EQ(open.settings.TopItem(), 1);
    open.settings.ClickItem(2);
    ASSERT_TRUE(WaitUntil([&] { return open.settings.VisiblePage() == "Type"; }));
    open.settings.Click(IDC_TYPE_DESKTOP, "Type");
    // Clicks on the down arrow, as the arrow static reports them.
    for (int top = 2; top <= 6; ++top)  // (where the arrows stop: PageListScroll)
        SendMessageA(open.settings.dialog, WM_COMMAND, MAKEWPARAM(IDC_DOWN_ARROW, STN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(open.settings.dialog, IDC_DOWN_ARROW)));
    open.settings.ClickItem(10);
    ASSERT_TRUE(WaitUntil([&] { return open.settings.VisiblePage() == "About"; }));
    EXPECT_EQ(WindowText(GetDlgItem(open.settings.Page("About"), IDC_ABOUT_TYPE)), "Desktop");
    // The test for use lets the key go, and another program takes it.
    open.settings.Click(IDC_TEST_HOT_KEY, "Hot key");
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_WIN, VK_F10));
    ASSERT_TRUE(open.settings.Cancel());

    // Cancelled: nothing of it stays, and the title says the key is lost.
    PostMessageA(open.pixelnook.WaitFor("#32770", TEXT_HOTKEY_ERROR_CAPTION), WM_COMMAND, IDOK, 0);
    HWND mainWindow = open.pixelnook.WaitForMainWindow();
    EXPECT_TRUE(WaitUntil(
        [&] { return WindowText(mainWindow) == TEXT_NO_HOTKEY_STATUS TEXT_TITLE_SUFFIX; }));
    PostMessageA(mainWindow, WM_COMMAND, IDM_ABOUT, 0);
    SettingsDialogView about(open.pixelnook);
    ASSERT_NE(about.dialog, nullptr);
    EXPECT_EQ(about.VisiblePage(), "About");
    EXPECT_EQ(about.TopItem(), 6);
    EXPECT_EQ(WindowText(GetDlgItem(about.Page("About"), IDC_ABOUT_TYPE)), "Window");
}

TEST(SettingsDialog, OkTakesEffectAtOnce) {
    char folder[MAX_PATH] = "";
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, folder, CSIDL_COMMON_STARTUP, FALSE));
    const std::string link = std::string(folder) + "\\Pixelnook.lnk";
    DeleteFileA(link.c_str());
    const size_t iconsBefore = TrayIcons().size();
    Open open("Systray=1\r\nTaskbar=1\r\nMakeLink=0\r\n");
    ASSERT_NE(open.settings.dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return TrayIcons().size() == iconsBefore + 1; }));
    // Without GDI+ only bitmaps are offered.
    EXPECT_EQ(SendDlgItemMessageA(open.settings.Page("Storage"), IDC_EXT, CB_GETCOUNT, 0, 0), 1);
    for (int box : {IDC_SYSTRAY, IDC_TASKBAR, IDC_MAKE_LINK})
        open.settings.Click(box, "General");
    open.settings.ClickItem(2);
    ASSERT_TRUE(WaitUntil([&] { return open.settings.VisiblePage() == "Type"; }));
    open.settings.Click(IDC_TYPE_DESKTOP, "Type");
    open.settings.Click(IDOK);
    EXPECT_TRUE(WaitUntil([&] { return TrayIcons().size() == iconsBefore; }));
    // Hidden, the main window loses its taskbar button.
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(open.pixelnook.WaitForMainWindow()); }));
    EXPECT_TRUE(
        WaitUntil([&] { return GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES; }));
    DeleteFileA(link.c_str());
    // The file holds the change too, and the next grab is of the whole screen.
    EXPECT_EQ(GetPrivateProfileIntA("Properties", "SnapType", -1,
                                    open.dir.FilePath("Pixelnook.ini").c_str()),
              3);
    PressKeys({VK_LWIN, VK_F10});
    Bmp bmp;
    ASSERT_TRUE(WaitForBmp(open.dir.FilePath("screencap_001.bmp"), bmp));
    EXPECT_EQ(bmp.Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(bmp.Height(), GetSystemMetrics(SM_CYSCREEN));
}

TEST(SettingsDialog, WhileOpenASecondCopyBringsItForwardAndTheHotKeyTakesNoGrab) {
    Scene elsewhere(600);
    Open open("Systray=0\r\n");
    ASSERT_NE(open.settings.dialog, nullptr);
    // The user turns to another window. Asked again until it holds: Pixelnook
    // may still be bringing its dialog forward as it opens.
    ASSERT_TRUE(WaitUntil([&] {
        SetForegroundWindow(elsewhere.parent);
        Pump(20);
        return GetForegroundWindow() == elsewhere.parent;
    }));
    PixelnookProcess second;
    ASSERT_TRUE(second.Start(open.dir));
    EXPECT_EQ(second.ExitCode(), 1u);
    EXPECT_TRUE(WaitUntil([&] {
        Pump(20);
        return GetForegroundWindow() == open.settings.dialog;
    }));
    // Nor does the Introduction open over it.
    PostMessageA(open.pixelnook.WaitForMainWindow(), WM_COMMAND, IDM_INTRO, 0);
    PressKeys({VK_LWIN, VK_F10});
    Pump(1500);
    EXPECT_EQ(open.pixelnook.Find("#32770", "Pixelnook Introduction"), nullptr);
    EXPECT_EQ(open.dir.List().size(), 1u);  // Pixelnook.ini alone: no grab
    // Once the dialog is gone the hot key grabs again.
    ASSERT_TRUE(open.settings.Cancel());
    PressKeys({VK_LWIN, VK_F10});
    EXPECT_TRUE(WaitUntil([&] { return open.dir.List().size() == 2; }));
}

TEST(SettingsDialog, UnloadWithoutTrayIconAndTaskbarButtonEndsTheProgram) {
    Open open("Systray=0\r\nTaskbar=0\r\n");
    ASSERT_NE(open.settings.dialog, nullptr);
    ASSERT_TRUE(open.settings.Shown(IDC_UNLOAD));
    open.settings.Click(IDC_UNLOAD);
    EXPECT_EQ(open.pixelnook.ExitCode(), 0u);
    // Unload ends the program and nothing else: no settings are saved.
    EXPECT_EQ(FileBytes(open.dir.FilePath("Pixelnook.ini")), open.ini);
}
