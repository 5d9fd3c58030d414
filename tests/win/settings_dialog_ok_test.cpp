// The settings dialog's pages, its OK and its page buttons, on the real dialog
// made from its template: what each page shows and what OK takes back, the
// rules with edges of their own, the password and hot-key checks. The dialog
// is modeless here so that the test thread can fill its boxes, press its
// buttons and call OK; message boxes are answered from a second thread, as a
// person would answer them. The shell's folder browser and the open-file
// dialog are stood in for: they cannot be driven from inside the process, and
// what matters here is what the dialog does with their answer.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/os_version_win.h"
#include "base/text.h"
#include "encode/gdiplus_available_win.h"
#include "dialogs/comdlg32_functions_win.h"
#include "dialogs/page_values.h"
#include "dialogs/settings_pages_win.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "settings/upload_settings.h"
#include "shell/shell32_functions_win.h"
#include "tests/win/open_settings_dialog.h"
#include "tests/win/settings_fields.h"

namespace {

// Ctrl+Shift+F7, and the stored upload password "stored" in its plain form.
constexpr char kIni[] =
    "[Properties]\r\nFirstTime=0\r\nHotKey=7\r\nUseCtrl=1\r\nUseShift=1\r\nUseWin=0\r\n"
    "[Upload]\r\nServer=host\r\nPassword=73746f72656400\r\n";
constexpr UINT kHotKeyModifiers = MOD_CONTROL | MOD_SHIFT;

// Every page field away from its default; the Upload password is "pw" in
// its plain stored form, which reads back on every system.
constexpr char kChangedIni[] =
    "[Properties]\r\nSettingsOnStart=1\r\nSystray=0\r\nTaskbar=1\r\nRelPaths=0\r\nMakeLink=1\r\n"
    "UserLink=1\r\nHotKey=7\r\nUseAlt=1\r\nUseCtrl=1\r\nUseShift=1\r\nUseWin=0\r\nStoreFile=0\r\n"
    "ShowCursor=1\r\nSnapType=4\r\n"
    "[FileStore]\r\nDir=C:\\grabs\\here\r\nName=shot-\r\nExt=png\r\nDigits=2\r\nReduction=5\r\n"
    "Quality=40\r\nCompression=3\r\n"
    "[Thumbnail]\r\nThumb=0\r\nPercent=0\r\nWidth=320\r\nHeight=200\r\nAspect=0\r\nWMSame=0\r\n"
    "[Watermark]\r\nWatermark=1\r\nFile=C:\\marks\\logo.bmp\r\nStretch=1\r\nPercent=50\r\n"
    "Width=64\r\nHeight=48\r\nAspect=0\r\nStyle=1\r\nRows=3\r\nColumns=4\r\nCorner=0\r\n"
    "HOffset=2.5\r\nVOffset=-1.5\r\n"
    "[BkgndFill]\r\nFill=1\r\nRed=1\r\nGreen=128\r\nBlue=254\r\nTransFill=1\r\n"
    "[Info]\r\nTitle=A title\r\nCopyright=(c) me\r\nDocname=doc\r\nDescription=some words\r\n"
    "Artist=an artist\r\n"
    "[Upload]\r\nServer=ftp.example.org\r\nUser=me\r\nDir=/in\r\nPassive=0\r\nPassword=707700\r\n";

// Answers the next message box with that caption with OK, from a timer that
// the box's own message loop serves, and keeps its text.
class BoxAnswerer {
public:
    explicit BoxAnswerer(const char* caption) : timer_(SetTimer(nullptr, 0, 20, Answer)) {
        caption_ = caption;
        text_.clear();
    }
    ~BoxAnswerer() { KillTimer(nullptr, timer_); }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    // The text of the box answered; "" when none came.
    std::string Answered() const { return text_; }

private:
    static void CALLBACK Answer(HWND, UINT, UINT_PTR, DWORD) {
        HWND box = FindWindowA("#32770", caption_);
        if (box != nullptr && IsWindowVisible(box) && text_.empty()) {
            char text[1024] = "";
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message
            text_ = text;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
    static inline const char* caption_ = nullptr;
    static inline std::string text_;
    UINT_PTR timer_;
};

// What the stood-in shell and open-file dialog answer.
struct StandIns {
    std::string chosen;  // the path the user picks
    bool cancel = false;
};
StandIns g_standIns;

PIDLIST_ABSOLUTE WINAPI StandInBrowse(LPBROWSEINFOA) {
    if (g_standIns.cancel)
        return nullptr;
    // A real item list, so the shell's own path query and allocator serve it.
    using CreateList = PIDLIST_ABSOLUTE(WINAPI*)(LPCSTR);
    auto create = reinterpret_cast<CreateList>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("shell32.dll"), "ILCreateFromPathA")));
    return create(g_standIns.chosen.c_str());
}

BOOL WINAPI StandInOpen(LPOPENFILENAMEA request) {
    if (g_standIns.cancel)
        return FALSE;
    CopyText(request->lpstrFile, request->nMaxFile, g_standIns.chosen.c_str());
    return TRUE;
}

}  // namespace

TEST(SettingsDialogOk, EveryPageFieldIsShownAndTakenBack) {
    IniScratch dir;
    GrabSettings shown = Loaded(kChangedIni, dir), defaults(true);
    defaults.Properties.HotKey = VK_F10;  // as loaded
    // Every field a page shows differs from its default, so one that is not
    // carried shows.
    const std::set<std::string> unshown = {"Properties.FirstTime", "Properties.Icons"};
    const std::vector<std::string> expected = Dump(shown), before = Dump(defaults);
    for (size_t i = 0; i < expected.size(); ++i) {
        const std::string key = expected[i].substr(0, expected[i].find('='));
        EXPECT_EQ(unshown.count(key) == 0, expected[i] != before[i]) << expected[i];
    }
    OpenDialog open(shown);
    // The Uploads page comes from the file; the stored password never shows.
    const struct {
        int id;
        const char* shown;
        const char* typed;  // null: left as shown
    } uploads[] = {{IDC_UPLOAD_USER, "me", "you"},
                   {IDC_UPLOAD_SERVER, "ftp.example.org", "ftp.example.net"},
                   {IDC_UPLOAD_DIR, "/in", "/out"},
                   {IDC_UPLOAD_PASSWORD, kPasswordPlaceholder, nullptr},
                   {IDC_UPLOAD_CONFIRM, "", nullptr}};
    for (const auto& box : uploads) {
        EXPECT_EQ(open.Text(kPageUploads, box.id), box.shown) << box.id;
        if (box.typed != nullptr)
            open.Type(kPageUploads, box.id, box.typed);
    }
    EXPECT_EQ(IsDlgButtonChecked(open.dialog.pageWindows[kPageUploads], IDC_UPLOAD_PASSIVE), 0u);
    open.Click(kPageUploads, IDC_UPLOAD_PASSIVE);
    // OK takes every field from the pages, none from the dialog's copy.
    GrabSettings& copy = open.dialog.settings;
    defaults.IniFile = copy.IniFile;
    copy = defaults;
    ASSERT_TRUE(open.dialog.OnOK());
    const std::vector<std::string> read = Dump(copy);
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(read[i], expected[i]);
    UploadSettings upload;
    UploadWipe wipe(upload);
    LoadUpload(copy, upload, GetOsVersionClass());
    EXPECT_STREQ(upload.User, "you");
    EXPECT_STREQ(upload.Server, "ftp.example.net");
    EXPECT_STREQ(upload.Dir, "/out");
    EXPECT_TRUE(upload.Passive);
    EXPECT_STREQ(upload.Password, "pw");
}

TEST(SettingsDialogOk, EdgesOfThePageRules) {
    ASSERT_TRUE(IsGdiplusAvailable());  // the extension rows need the whole list
    const struct {
        const char* stored;
        LRESULT selected;
        const char* read;
    } extensions[] = {
        {"JP", 2, "jpg"},          // the first item it begins, whatever its case
        {"webp", CB_ERR, "webp"},  // one the list lacks selects nothing and is kept
    };
    for (const auto& extension : extensions) {
        SCOPED_TRACE(extension.stored);
        IniScratch dir;
        GrabSettings stored = Loaded("[FileStore]\r\nDir=.\\\r\n", dir);
        CopyText(stored.FileStore.Ext, extension.stored);
        stored.Properties.SnapType = 7;  // a grab type without a button
        stored.Thumbnail.Width = 320;
        CopyText(stored.Info.Title, "kept");
        OpenDialog open(stored);
        EXPECT_EQ(open.Send(kPageStorage, IDC_EXT, CB_GETCURSEL), extension.selected);
        for (int id : {IDC_TYPE_CONTROL, IDC_TYPE_CLIENT_AREA, IDC_TYPE_WINDOW, IDC_TYPE_DESKTOP,
                       IDC_TYPE_VIRTUAL_SCREEN, IDC_TYPE_RECTANGULAR_AREA})
            EXPECT_EQ(IsDlgButtonChecked(open.dialog.pageWindows[kPageType], id), 0u) << id;
        // The current directory is shown as its full path.
        EXPECT_EQ(open.Text(kPageStorage, IDC_STORE_DIR), CurrentDirectory());
        // A number past its spin's range is kept, an empty one is 0.
        open.Type(kPageStorage, IDC_DIGITS, "9");
        open.Type(kPageStorage, IDC_QUALITY, "");
        // A page whose window could not be made keeps its fields.
        open.Lose(kPageThumbnail);
        open.Lose(kPageInfo);
        GrabSettings read = stored;
        ReadPages(open.dialog.pageWindows, read);
        EXPECT_STREQ(read.FileStore.Ext, extension.read);
        EXPECT_EQ(read.Properties.SnapType, -1);
        EXPECT_EQ(read.FileStore.Dir, CurrentDirectory());
        EXPECT_EQ(read.FileStore.Digits, 9);
        EXPECT_EQ(read.FileStore.Quality, 0);
        EXPECT_EQ(read.Thumbnail.Width, 320);
        EXPECT_STREQ(read.Info.Title, "kept");
    }
}

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
        if (row.pageMissing)
            open.Lose(kPageUploads);
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

TEST(SettingsDialogOk, AHotKeyHeldElsewhereFailsTheTestAndOkButNoKeyIsNotChecked) {
    IniScratch dir;
    OpenDialog open(Loaded(kIni, dir));
    constexpr int kOtherId = 7;  // another holder of the same key
    ASSERT_TRUE(RegisterHotKey(nullptr, kOtherId, kHotKeyModifiers, VK_F7));
    open.Click(kPageHotKey, IDC_TEST_HOT_KEY);
    EXPECT_EQ(open.Text(kPageHotKey, IDC_HOT_KEY_RESULT), TEXT_HOTKEY_ERROR);
    {
        BoxAnswerer box(TEXT_HOTKEY_ERROR_CAPTION);
        EXPECT_FALSE(open.dialog.OnOK());
        EXPECT_EQ(box.Answered(), TEXT_HOTKEY_ERROR);
    }
    UnregisterHotKey(nullptr, kOtherId);
    open.Click(kPageHotKey, IDC_TEST_HOT_KEY);
    EXPECT_EQ(open.Text(kPageHotKey, IDC_HOT_KEY_RESULT), TEXT_HOTKEY_AVAILABLE);
    // The test let the key go again: the dialog holds no hot key.
    EXPECT_TRUE(RegisterHotKey(nullptr, kOtherId, kHotKeyModifiers, VK_F7));
    UnregisterHotKey(nullptr, kOtherId);
    BoxAnswerer none(TEXT_HOTKEY_ERROR_CAPTION);
    EXPECT_TRUE(open.dialog.OnOK());
    EXPECT_EQ(none.Answered(), "");
    EXPECT_TRUE(RegisterHotKey(nullptr, kOtherId, kHotKeyModifiers, VK_F7));
    UnregisterHotKey(nullptr, kOtherId);
    // No key, as a failed registration leaves it, and no choice in the list:
    // OK checks none, though a holder of that combination would refuse it.
    open.dialog.settings.Properties.HotKey = 0;
    open.Send(kPageHotKey, IDC_HOT_KEY, CB_SETCURSEL, static_cast<WPARAM>(-1));
    ASSERT_TRUE(RegisterHotKey(nullptr, kOtherId, kHotKeyModifiers, 0));
    EXPECT_TRUE(open.dialog.OnOK());
    UnregisterHotKey(nullptr, kOtherId);
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
        {IDC_BROWSE_DIR, true, false, true, kUnchanged},
        {IDC_BROWSE_WM, true, false, false, kRelative},
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
