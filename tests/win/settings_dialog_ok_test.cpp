// The settings dialog's pages, its OK and its page buttons, on the real dialog
// made from its template: what each page shows and what OK takes back, the
// rules with edges of their own, the password and hot-key checks. The dialog
// is modeless here so that the test thread can fill its boxes, press its
// buttons and call OK; message boxes are answered from a timer, as a person
// would answer them. The shell's folder browser and the open-file dialog are
// stood in for: they cannot be driven from inside the process, and what
// matters here is what the dialog does with their answer.
#include <windows.h>

#include <shlobj.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/os_version_win.h"
#include "base/text.h"
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

// Every page field away from its default, the hot key Ctrl+Alt+Shift+F7; the
// Upload password is "pw" in its plain stored form, which reads back on every
// system.
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
constexpr UINT kHotKeyModifiers = MOD_ALT | MOD_CONTROL | MOD_SHIFT;

constexpr char kClosed[] = "closed";
std::string g_boxText;  // the text of the message box answered

// Answers the message box OK shows with OK, and keeps its text.
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR, DWORD) {
    for (const char* caption : {TEXT_PASSWORD_MISMATCH_CAPTION, TEXT_HOTKEY_ERROR_CAPTION}) {
        HWND box = FindWindowA("#32770", caption);
        if (box != nullptr && IsWindowVisible(box) && g_boxText.empty()) {
            char text[1024] = "";
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message
            g_boxText = text;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
}

// OK as a person presses it: kClosed when the dialog may close, else the text
// of the message box that kept it open, answered from a timer that the box's
// own message loop serves.
std::string PressOk(OpenDialog& open) {
    g_boxText.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, AnswerBox);
    const bool closed = open.dialog.OnOK();
    KillTimer(nullptr, timer);
    return g_boxText + (closed ? kClosed : "");
}

// What the stood-in folder browser and open-file dialog answer; "" cancels.
std::string g_chosen;

PIDLIST_ABSOLUTE WINAPI StandInBrowse(LPBROWSEINFOA) {
    // A real item list, so the shell's own path query and allocator serve it.
    return g_chosen.empty() ? nullptr : ILCreateFromPathA(g_chosen.c_str());
}

BOOL WINAPI StandInOpen(LPOPENFILENAMEA request) {
    return !g_chosen.empty() && CopyText(request->lpstrFile, request->nMaxFile, g_chosen.c_str());
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
    // OK takes every field from the pages, none from the dialog's copy.
    defaults.IniFile = shown.IniFile;
    open.dialog.settings = defaults;
    ASSERT_EQ(PressOk(open), kClosed);
    EXPECT_THAT(Dump(open.dialog.settings), testing::ElementsAreArray(expected));
}

TEST(SettingsDialogOk, EdgesOfThePageRules) {
    // The current directory (Dir's default) is shown, set and read as its full
    // path, or as itself when too long for a path.
    for (size_t depth : {0, 300}) {
        SCOPED_TRACE(depth);
        IniScratch dir;
        dir.Deepen(depth);
        const std::string current = depth == 0 ? CurrentDirectory() : ".\\";
        GrabSettings stored(true);
        stored.Properties.RelPaths = false;
        // An extension the list lacks selects nothing and is kept.
        CopyText(stored.FileStore.Ext, "webp");
        stored.Thumbnail.Width = 320;
        CopyText(stored.Info.Title, "kept");
        OpenDialog open(stored);
        EXPECT_EQ(open.Text(kPageStorage, IDC_STORE_DIR), current);
        open.Type(kPageStorage, IDC_STORE_DIR, "C:\\chosen");
        open.Click(kPageStorage, IDC_CURRENT_DIR);
        // A page whose window could not be made keeps its fields.
        open.Lose(kPageThumbnail);
        open.Lose(kPageInfo);
        GrabSettings read = stored;
        ReadPages(open.dialog.pageWindows, read);
        EXPECT_STREQ(read.FileStore.Ext, "webp");
        EXPECT_EQ(read.FileStore.Dir, current);
        EXPECT_EQ(read.Thumbnail.Width, 320);
        EXPECT_STREQ(read.Info.Title, "kept");
    }
}

TEST(SettingsDialogOk, TheUploadsPageHidesThePasswordAndItsBoxesDecideWhatIsStored) {
    // The stored password is kept while its box is untouched, replaced by a
    // new one confirmed, and a new one confirmed otherwise refuses OK. Without
    // the page the section stays as stored.
    const struct {
        const char* what;
        const char* password;  // kPasswordPlaceholder: as the box shows it
        const char* confirmation;
        const char* ok;      // kClosed, or the message that refused
        const char* stored;  // "user server dir passive password"; null: the file untouched
        bool pageMissing;    // the Uploads page could not be made
    } rows[] = {
        {"untouched", kPasswordPlaceholder, "junk", kClosed, "you ftp.example.net /out 1 pw",
         false},
        {"confirmed", "fresh", "fresh", kClosed, "you ftp.example.net /out 1 fresh", false},
        {"confirmed otherwise", "fresh", "Fresh", TEXT_PASSWORD_MISMATCH, nullptr, false},
        {"without the page", "", "", kClosed, nullptr, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        IniScratch dir;
        OpenDialog open(Loaded(kChangedIni, dir));
        std::string shown;
        for (int id : {IDC_UPLOAD_USER, IDC_UPLOAD_SERVER, IDC_UPLOAD_DIR, IDC_UPLOAD_PASSWORD,
                       IDC_UPLOAD_CONFIRM})
            shown += open.Text(kPageUploads, id) + "|";
        EXPECT_EQ(shown, "me|ftp.example.org|/in|" + std::string(kPasswordPlaceholder) + "||");
        open.Type(kPageUploads, IDC_UPLOAD_USER, "you");
        open.Type(kPageUploads, IDC_UPLOAD_SERVER, "ftp.example.net");
        open.Type(kPageUploads, IDC_UPLOAD_DIR, "/out");
        open.Click(kPageUploads, IDC_UPLOAD_PASSIVE);
        open.Type(kPageUploads, IDC_UPLOAD_PASSWORD, row.password);
        open.Type(kPageUploads, IDC_UPLOAD_CONFIRM, row.confirmation);
        if (row.pageMissing)
            open.Lose(kPageUploads);
        EXPECT_EQ(PressOk(open), row.ok);
        if (row.stored == nullptr) {
            EXPECT_EQ(IniScratch::Read(), kChangedIni) << "OK wrote the file";
        } else {
            UploadSettings upload;
            UploadWipe wipe(upload);
            LoadUpload(open.dialog.settings, upload, GetOsVersionClass());
            EXPECT_EQ(std::string(upload.User) + " " + upload.Server + " " + upload.Dir + " " +
                          std::to_string(upload.Passive) + " " + upload.Password,
                      row.stored);
        }
    }
}

TEST(SettingsDialogOk, AHotKeyHeldElsewhereFailsTheTestAndOk) {
    IniScratch dir;
    OpenDialog open(Loaded(kChangedIni, dir));
    constexpr int kOtherId = 7;  // another holder of the same key
    ASSERT_TRUE(RegisterHotKey(nullptr, kOtherId, kHotKeyModifiers, VK_F7));
    open.Click(kPageHotKey, IDC_TEST_HOT_KEY);
    EXPECT_EQ(open.Text(kPageHotKey, IDC_HOT_KEY_RESULT), TEXT_HOTKEY_ERROR);
    EXPECT_EQ(PressOk(open), TEXT_HOTKEY_ERROR);
    UnregisterHotKey(nullptr, kOtherId);
    open.Click(kPageHotKey, IDC_TEST_HOT_KEY);
    EXPECT_EQ(open.Text(kPageHotKey, IDC_HOT_KEY_RESULT), TEXT_HOTKEY_AVAILABLE);
    // The test let the key go again: the dialog holds no hot key. Nor does OK.
    EXPECT_TRUE(RegisterHotKey(nullptr, kOtherId, kHotKeyModifiers, VK_F7));
    UnregisterHotKey(nullptr, kOtherId);
    EXPECT_EQ(PressOk(open), kClosed);
    EXPECT_TRUE(RegisterHotKey(nullptr, kOtherId, kHotKeyModifiers, VK_F7));
    UnregisterHotKey(nullptr, kOtherId);
}

TEST(SettingsPageButtons, PathsAreRelativeOnlyWhenTheDialogOpenedSoAsked) {
    // The General page's box is ticked the other way before each button: it
    // counts only from the next OK on. A cancelled choice changes nothing.
    const struct {
        int button;
        bool relativeAtOpening;
        bool cancel;
    } rows[] = {
        {IDC_CURRENT_DIR, true, false}, {IDC_CURRENT_DIR, false, false},
        {IDC_BROWSE_DIR, true, false},  {IDC_BROWSE_DIR, true, true},
        {IDC_BROWSE_WM, true, false},   {IDC_BROWSE_WM, true, true},
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
        const std::string top = CurrentDirectory(), name = file ? "\\shots\\mark.png" : "\\shots";
        g_chosen = row.cancel ? "" : top + name;
        GrabSettings settings = Loaded("", dir);
        settings.Properties.RelPaths = row.relativeAtOpening;
        OpenDialog open(settings);
        CheckDlgButton(open.dialog.pageWindows[kPageGeneral], IDC_REL_PATHS,
                       !row.relativeAtOpening);
        const int page = file ? kPageWatermark : kPageStorage;
        const int shownId = file ? IDC_WM_FILE : IDC_STORE_DIR;
        const std::string before = open.Text(page, shownId);
        if (row.button == IDC_CURRENT_DIR)
            SetCurrentDirectoryA("shots");
        open.Click(page, row.button);
        dir.Enter();
        EXPECT_EQ(open.Text(page, shownId),
                  row.cancel ? before : (row.relativeAtOpening ? "." : top) + name);
        RemoveDirectoryA("shots");
    }
    shell.SHBrowseForFolderA = realBrowse;
    comdlg.GetOpenFileNameA = realOpen;
}
