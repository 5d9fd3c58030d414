// The settings dialog's OK and its page buttons, on the real dialog made
// from its template. The dialog is modeless here so that the test thread can
// fill its boxes, press its buttons and call OK; message boxes are answered
// from a second thread, as a person would answer them. The shell's folder
// browser and the open-file dialog are stood in for: they cannot be driven
// from inside the process, and what matters here is what the dialog asks
// them and does with their answer.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "base/os_version_win.h"
#include "base/text.h"
#include "capture/gdiplus_available_win.h"
#include "dialogs/comctl32_functions_win.h"
#include "dialogs/comdlg32_functions_win.h"
#include "dialogs/page_values.h"
#include "dialogs/settings_dialog_win.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "settings/upload_settings.h"
#include "shell/shell32_functions_win.h"
#include "tests/win/ini_scratch.h"

namespace {

// Ctrl+Shift+F7, and the stored upload password "stored" in its plain form.
constexpr char kIni[] =
    "[Properties]\r\nFirstTime=0\r\nHotKey=7\r\nUseCtrl=1\r\nUseShift=1\r\nUseWin=0\r\n"
    "[Upload]\r\nServer=host\r\nPassword=73746f72656400\r\n";
constexpr UINT kHotKeyModifiers = MOD_CONTROL | MOD_SHIFT;

// The settings dialog on settings loaded from the scratch folder's file.
class OpenDialog {
public:
    explicit OpenDialog(GrabSettings settings) : dialog(GetModuleHandleA(nullptr), settings) {
        if (Comctl32Optional().InitCommonControls != nullptr)
            Comctl32Optional().InitCommonControls();
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS), nullptr,
                           DialogProc, 0);
    }
    ~OpenDialog() {
        dialog.ReleaseResources();
        DestroyWindow(dialog.hwnd);
    }
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;

    std::string Text(int page, int id) const {
        char text[kPathChars] = "";
        GetDlgItemTextA(dialog.pageWindows[page], id, text, sizeof text);
        return text;
    }
    void Type(int page, int id, const char* text) const {
        SetDlgItemTextA(dialog.pageWindows[page], id, text);
    }
    // A click reaches the dialog through the page, as the user's does.
    void Click(int page, int id) const {
        SendDlgItemMessageA(dialog.pageWindows[page], id, BM_CLICK, 0, 0);
    }

    SettingsDialog dialog;
};

GrabSettings Loaded(const char* iniText, IniScratch& dir) {
    dir.Write("Pixelnook.ini", iniText);
    GrabSettings settings(true);
    settings.Load(kOsWindows98);
    return settings;
}

// Answers the next message box with that caption with OK, from a thread of
// its own, and keeps its text.
class BoxAnswerer {
public:
    explicit BoxAnswerer(const char* caption)
        : watcher_([this, caption] {
              for (; !stop_; Sleep(20)) {
                  HWND box = FindWindowA("#32770", caption);
                  if (box != nullptr && IsWindowVisible(box)) {
                      char text[1024] = "";
                      GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message
                      text_ = text;
                      PostMessageA(box, WM_COMMAND, IDOK, 0);
                      return;
                  }
              }
          }) {}
    ~BoxAnswerer() { Answered(); }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    // The text of the box answered; "" when none came.
    std::string Answered() {
        stop_ = true;
        if (watcher_.joinable())
            watcher_.join();
        return text_;
    }

private:
    std::atomic<bool> stop_{false};
    std::string text_;
    std::thread watcher_;
};

// Holds a hot key from a thread of its own, as another program would.
class HotKeyHolder {
public:
    explicit HotKeyHolder(UINT key)
        : thread_([this, key] {
              held_ = RegisterHotKey(nullptr, 7, kHotKeyModifiers, key) != 0;
              ready_ = true;
              while (!release_)
                  Sleep(10);
              UnregisterHotKey(nullptr, 7);
          }) {
        while (!ready_)
            Sleep(10);
    }
    ~HotKeyHolder() {
        release_ = true;
        thread_.join();
    }
    HotKeyHolder(const HotKeyHolder&) = delete;
    HotKeyHolder& operator=(const HotKeyHolder&) = delete;

    bool Held() const { return held_; }

private:
    std::atomic<bool> held_{false}, ready_{false}, release_{false};
    std::thread thread_;
};

// What the stood-in shell and open-file dialog were asked and answer.
struct StandIns {
    std::string chosen;  // the path the user picks
    bool cancel = false;
    BROWSEINFOA browse = {};
    std::string browseTitle;
    OPENFILENAMEA open = {};
    std::string openTitle, openFilter;
};
StandIns g_standIns;

PIDLIST_ABSOLUTE WINAPI StandInBrowse(LPBROWSEINFOA info) {
    g_standIns.browse = *info;
    g_standIns.browseTitle = info->lpszTitle;
    if (g_standIns.cancel)
        return nullptr;
    // A real item list, so the shell's own path query and allocator serve it.
    using CreateList = PIDLIST_ABSOLUTE(WINAPI*)(LPCSTR);
    auto create = reinterpret_cast<CreateList>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("shell32.dll"), "ILCreateFromPathA")));
    return create(g_standIns.chosen.c_str());
}

BOOL WINAPI StandInOpen(LPOPENFILENAMEA request) {
    g_standIns.open = *request;
    g_standIns.openTitle = request->lpstrTitle;
    const char* end = request->lpstrFilter;
    while (*end != '\0' || end[1] != '\0')
        ++end;
    g_standIns.openFilter.assign(request->lpstrFilter, end + 2);
    if (g_standIns.cancel)
        return FALSE;
    CopyText(request->lpstrFile, request->nMaxFile, g_standIns.chosen.c_str());
    return TRUE;
}

}  // namespace

TEST(SettingsDialogOk, ThePasswordBoxesDecideWhatIsStored) {
    const struct {
        const char* what;
        const char* password;  // null: left untouched
        const char* confirmation;
        bool closes;
        const char* message;  // the confirmation error, or ""
        const char* stored;   // the password in the file afterwards
        bool pageMissing;     // the Uploads page could not be made
    } rows[] = {
        {"untouched keeps the stored one", nullptr, "junk", true, "", "stored", false},
        {"a new one confirmed is stored", "fresh", "fresh", true, "", "fresh", false},
        {"a new one confirmed otherwise is refused", "fresh", "Fresh", false,
         TEXT_PASSWORD_MISMATCH, "stored", false},
        {"without the page the section stays as stored", "", "", true, "", "stored", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        IniScratch dir;
        OpenDialog open(Loaded(kIni, dir));
        if (row.password != nullptr)
            open.Type(kPageUploads, IDC_UPLOAD_PASSWORD, row.password);
        open.Type(kPageUploads, IDC_UPLOAD_CONFIRM, row.confirmation);
        open.Type(kPageUploads, IDC_UPLOAD_SERVER, "new host");
        if (row.pageMissing) {
            DestroyWindow(open.dialog.pageWindows[kPageUploads]);
            open.dialog.pageWindows[kPageUploads] = nullptr;
        }
        BoxAnswerer box(TEXT_PASSWORD_MISMATCH_CAPTION);
        EXPECT_EQ(open.dialog.OnOK(), row.closes);
        EXPECT_EQ(box.Answered(), row.message);
        if (!row.closes) {
            EXPECT_EQ(IniScratch::Read(), kIni) << "a refused OK wrote the file";
            EXPECT_EQ(open.Text(kPageUploads, IDC_UPLOAD_CONFIRM), row.confirmation);
            continue;
        }
        UploadSettings upload;
        UploadWipe wipe(upload);
        LoadUpload(open.dialog.settings, upload, GetOsVersionClass());
        EXPECT_STREQ(upload.Password, row.stored);
        EXPECT_STREQ(upload.Server, row.pageMissing ? "host" : "new host");
        if (row.pageMissing)
            continue;
        for (int id : {IDC_UPLOAD_PASSWORD, IDC_UPLOAD_CONFIRM})
            EXPECT_EQ(open.Text(kPageUploads, id), kPasswordPlaceholder) << id;
    }
}

TEST(SettingsDialogOk, AHotKeyHeldElsewhereFailsTheTestAndKeepsTheDialogOpen) {
    IniScratch dir;
    OpenDialog open(Loaded(kIni, dir));
    {
        HotKeyHolder other(VK_F7);
        ASSERT_TRUE(other.Held());
        open.Click(kPageHotKey, IDC_TEST_HOT_KEY);
        EXPECT_EQ(open.Text(kPageHotKey, IDC_HOT_KEY_RESULT), TEXT_HOTKEY_ERROR);
        BoxAnswerer box(TEXT_HOTKEY_ERROR_CAPTION);
        EXPECT_FALSE(open.dialog.OnOK());
        EXPECT_EQ(box.Answered(), TEXT_HOTKEY_ERROR);
    }
    open.Click(kPageHotKey, IDC_TEST_HOT_KEY);
    EXPECT_EQ(open.Text(kPageHotKey, IDC_HOT_KEY_RESULT), TEXT_HOTKEY_AVAILABLE);
    // The test let the key go again: the dialog holds no hot key.
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, kHotKeyModifiers, VK_F7));
    UnregisterHotKey(nullptr, 1);
    BoxAnswerer none(TEXT_HOTKEY_ERROR_CAPTION);
    EXPECT_TRUE(open.dialog.OnOK());
    EXPECT_EQ(none.Answered(), "");
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, kHotKeyModifiers, VK_F7));
    UnregisterHotKey(nullptr, 1);
}

TEST(SettingsPageButtons, PathsAreRelativeOnlyWhenTheDialogOpenedSoAsked) {
    enum Shown { kRelative, kAbsolute, kUnchanged };
    const struct {
        int button;
        bool relativeAtOpening;
        bool boxTickedOtherwise;  // the General page's box, before the button
        bool cancel;
        Shown shown;
    } rows[] = {
        {IDC_CURRENT_DIR, true, false, false, kRelative},
        {IDC_CURRENT_DIR, false, true, false, kAbsolute},
        {IDC_BROWSE_DIR, true, false, false, kRelative},
        {IDC_BROWSE_DIR, false, true, false, kAbsolute},
        {IDC_BROWSE_DIR, true, false, true, kUnchanged},
        {IDC_BROWSE_WM, true, false, false, kRelative},
        {IDC_BROWSE_WM, false, true, false, kAbsolute},
        {IDC_BROWSE_WM, true, false, true, kUnchanged},
    };
    Shell32Functions& shell = Shell32Optional();
    Comdlg32Functions& comdlg = Comdlg32Optional();
    const auto realBrowse = shell.SHBrowseForFolderA;
    const auto realOpen = comdlg.GetOpenFileNameA;
    shell.SHBrowseForFolderA = StandInBrowse;
    comdlg.GetOpenFileNameA = StandInOpen;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.button) + (row.relativeAtOpening ? " relative" : ""));
        IniScratch dir;
        CreateDirectoryA("shots", nullptr);
        const bool file = row.button == IDC_BROWSE_WM;
        const std::string folder = CurrentDirectory() + "\\shots";
        g_standIns = StandIns();
        g_standIns.chosen = file ? folder + "\\mark.png" : folder;
        g_standIns.cancel = row.cancel;
        {
            OpenDialog open(Loaded(row.relativeAtOpening ? "[Properties]\r\nRelPaths=1\r\n"
                                                         : "[Properties]\r\nRelPaths=0\r\n",
                                   dir));
            CheckDlgButton(open.dialog.pageWindows[kPageGeneral], IDC_REL_PATHS,
                           row.boxTickedOtherwise != row.relativeAtOpening);
            const int page = file ? kPageWatermark : kPageStorage;
            const int shownId = file ? IDC_WM_FILE : IDC_STORE_DIR;
            const std::string before = open.Text(page, shownId);
            if (row.button == IDC_CURRENT_DIR)
                SetCurrentDirectoryA("shots");
            open.Click(page, row.button);
            dir.Enter();
            const std::string relative = file ? ".\\shots\\mark.png" : ".\\shots";
            EXPECT_EQ(open.Text(page, shownId), row.shown == kRelative   ? relative
                                                : row.shown == kAbsolute ? g_standIns.chosen
                                                                         : before);
            // What the dialogs were asked.
            if (row.button == IDC_BROWSE_DIR) {
                EXPECT_EQ(g_standIns.browseTitle, TEXT_SELECT_FOLDER_TITLE);
                EXPECT_EQ(g_standIns.browse.pidlRoot, nullptr);  // the desktop
                EXPECT_EQ(g_standIns.browse.ulFlags, 0u);
            } else if (file) {
                const OPENFILENAMEA& asked = g_standIns.open;
                EXPECT_EQ(asked.lStructSize, kOpenFileNameSize);  // what Windows 98 takes
                EXPECT_EQ(g_standIns.openTitle, TEXT_SELECT_WATERMARK_TITLE);
                EXPECT_EQ(g_standIns.openFilter, WatermarkFilter(TEXT_ALL_SUPPORTED, true));
                EXPECT_EQ(asked.Flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                                                          OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST));
            }
        }
        RemoveDirectoryA("shots");
    }
    shell.SHBrowseForFolderA = realBrowse;
    comdlg.GetOpenFileNameA = realOpen;
}

TEST(SettingsPageButtons, ACurrentDirectoryTooLongForAPathIsNamedAsTheCurrentOne) {
    IniScratch dir("deep");
    GrabSettings settings = Loaded("[FileStore]\r\nDir=.\\\r\n", dir);
    dir.Deepen(300);
    OpenDialog open(settings);
    EXPECT_EQ(open.Text(kPageStorage, IDC_STORE_DIR), ".\\");
    open.Type(kPageStorage, IDC_STORE_DIR, "C:\\chosen");
    open.Click(kPageStorage, IDC_CURRENT_DIR);
    EXPECT_EQ(open.Text(kPageStorage, IDC_STORE_DIR), ".\\");
}
