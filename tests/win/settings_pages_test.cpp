// The settings pages' binding rules against page windows made from their
// templates: a record filled into the pages and read back, and the rules
// with edges of their own.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>

#include "capture/gdiplus_available_win.h"
#include "dialogs/comctl32_functions_win.h"
#include "dialogs/page_values.h"
#include "dialogs/settings_pages_win.h"
#include "resources/resource_ids.h"
#include "tests/win/ini_scratch.h"
#include "tests/win/settings_fields.h"

namespace {

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
    "[BkgndFill]\r\nFill=1\r\nRed=1\r\nGreen=128\r\nBlue=254\r\nTransFill=1\r\n"
    "[Info]\r\nTitle=A title\r\nCopyright=(c) me\r\nDocname=doc\r\nDescription=some words\r\n"
    "Artist=an artist\r\n"
    "[Upload]\r\nServer=ftp.example.org\r\nUser=me\r\nDir=/in\r\nPassive=0\r\nPassword=707700\r\n";

// The eleven pages made from their templates inside a hidden frame.
class PageWindows {
public:
    PageWindows() {
        if (Comctl32Optional().InitCommonControls != nullptr)
            Comctl32Optional().InitCommonControls();  // the spins' class
        frame_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 500, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        for (int i = 0; i < kSettingsPageCount; ++i) {
            windows[i] = CreateDialogParamA(GetModuleHandleA(nullptr),
                                            MAKEINTRESOURCEA(kSettingsPages[i].resourceId), frame_,
                                            PageProc, 0);
        }
    }
    ~PageWindows() { DestroyWindow(frame_); }
    PageWindows(const PageWindows&) = delete;
    PageWindows& operator=(const PageWindows&) = delete;

    std::string Text(int page, int id) const {
        char text[kPathChars] = "";
        GetDlgItemTextA(windows[page], id, text, sizeof text);
        return text;
    }
    LRESULT Send(int page, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendDlgItemMessageA(windows[page], id, message, wParam, lParam);
    }

    HWND windows[kSettingsPageCount] = {};

private:
    HWND frame_ = nullptr;
};

}  // namespace

TEST(SettingsPages, EveryPageFieldIsFilledAndReadBack) {
    IniScratch dir;
    dir.Write("Pixelnook.ini", kChangedIni);
    GrabSettings in(true), defaults(true), out(true);
    in.Load(kOsWindows98);
    defaults.Properties.HotKey = out.Properties.HotKey = VK_F10;  // as loaded
    PageWindows pages;
    ASSERT_NE(pages.windows[kPageUploads], nullptr);
    FillPages(pages.windows, in);
    ReadPages(pages.windows, out);
    // Every field a page shows differs from its default, so one that is not
    // carried shows; the offsets are OK's to read.
    const std::set<std::string> unshown = {"Properties.FirstTime", "Properties.Icons",
                                           "Watermark.HOffset", "Watermark.VOffset"};
    const std::vector<std::string> expected = Dump(in), before = Dump(defaults), read = Dump(out);
    for (size_t i = 0; i < expected.size(); ++i) {
        const std::string key = expected[i].substr(0, expected[i].find('='));
        EXPECT_EQ(unshown.count(key) == 0, expected[i] != before[i]) << expected[i];
        EXPECT_EQ(read[i], expected[i]);
    }
    // The Uploads page comes from the file; the stored password never shows.
    const std::pair<int, std::string> uploads[] = {{IDC_UPLOAD_USER, "me"},
                                                   {IDC_UPLOAD_PASSWORD, kPasswordPlaceholder},
                                                   {IDC_UPLOAD_CONFIRM, ""},
                                                   {IDC_UPLOAD_SERVER, "ftp.example.org"},
                                                   {IDC_UPLOAD_DIR, "/in"},
                                                   {IDC_UPLOAD_PROTOCOL, "FTP"},
                                                   {IDC_UPLOAD_SERVICE, "Service default"}};
    for (const auto& [id, text] : uploads)
        EXPECT_EQ(pages.Text(kPageUploads, id), text) << id;
    EXPECT_EQ(IsDlgButtonChecked(pages.windows[kPageUploads], IDC_UPLOAD_PASSIVE), BST_UNCHECKED);
}

TEST(SettingsPages, EdgesOfTheBindingRules) {
    ASSERT_TRUE(IsGdiplusAvailable());  // the extension row needs the whole list
    const struct {
        const char* what;
        void (*stored)(GrabSettings&);
        void (*typed)(const PageWindows&);  // what the user does before OK
        void (*check)(const PageWindows&, const GrabSettings& read);
    } rows[] = {
        {"F10 is selected", [](GrabSettings& s) { s.Properties.HotKey = 121; }, nullptr,
         [](const PageWindows& p, const GrabSettings& s) {
             EXPECT_EQ(p.Text(kPageHotKey, IDC_HOT_KEY), "F10");
             EXPECT_EQ(s.Properties.HotKey, 121);
         }},
        {"Print Screen is selected", [](GrabSettings& s) { s.Properties.HotKey = 44; }, nullptr,
         [](const PageWindows& p, const GrabSettings& s) {
             EXPECT_EQ(p.Text(kPageHotKey, IDC_HOT_KEY), "PrtScrn");
             EXPECT_EQ(s.Properties.HotKey, 44);
         }},
        {"a key the list lacks selects nothing", [](GrabSettings& s) { s.Properties.HotKey = 200; },
         nullptr,
         [](const PageWindows& p, const GrabSettings& s) {
             EXPECT_EQ(p.Send(kPageHotKey, IDC_HOT_KEY, CB_GETCURSEL), CB_ERR);
             EXPECT_EQ(s.Properties.HotKey, 111);
         }},
        {"a grab type without a button checks none and reads as -1",
         [](GrabSettings& s) { s.Properties.SnapType = 7; }, nullptr,
         [](const PageWindows& p, const GrabSettings& s) {
             for (int id : {1018, 1019, 1020, 1021, 1023, 1024})
                 EXPECT_EQ(IsDlgButtonChecked(p.windows[kPageType], id), BST_UNCHECKED) << id;
             EXPECT_EQ(s.Properties.SnapType, -1);
         }},
        {"the last checked radio button wins", [](GrabSettings& s) { s.Watermark.Style = 0; },
         [](const PageWindows& p) {
             CheckDlgButton(p.windows[kPageWatermark], IDC_WM_TILED, BST_CHECKED);
         },
         [](const PageWindows&, const GrabSettings& s) { EXPECT_EQ(s.Watermark.Style, 1); }},
        {"red 300 keeps its low byte", [](GrabSettings&) {},
         [](const PageWindows& p) {
             SetDlgItemInt(p.windows[kPageBackfills], IDC_FILL_RED, 300, 0);
         },
         [](const PageWindows&, const GrabSettings& s) {
             EXPECT_EQ(s.BkgndFill.Color, MakeColorref(44, 0, 255));
         }},
        {"9 digits are kept past the spin's 4, an empty quality is 0", [](GrabSettings&) {},
         [](const PageWindows& p) {
             SetDlgItemTextA(p.windows[kPageStorage], IDC_DIGITS, "9");
             SetDlgItemTextA(p.windows[kPageStorage], IDC_QUALITY, "");
         },
         [](const PageWindows& p, const GrabSettings& s) {
             EXPECT_EQ(p.Send(kPageStorage, IDC_DIGITS_SPIN, UDM_GETRANGE), MAKELONG(4, 0));
             EXPECT_EQ(s.FileStore.Digits, 9);
             EXPECT_EQ(s.FileStore.Quality, 0);
         }},
        {"the current directory is shown and kept as its full path",
         [](GrabSettings& s) { CopyText(s.FileStore.Dir, ".\\"); }, nullptr,
         [](const PageWindows& p, const GrabSettings& s) {
             EXPECT_EQ(p.Text(kPageStorage, IDC_STORE_DIR), CurrentDirectory());
             EXPECT_EQ(s.FileStore.Dir, CurrentDirectory());
             // Long paths are shortened in their middle.
             for (auto [page, id] : {std::pair(kPageStorage, IDC_STORE_DIR),
                                     std::pair(kPageWatermark, IDC_WM_FILE)}) {
                 const LONG style = GetWindowLongA(GetDlgItem(p.windows[page], id), GWL_STYLE);
                 EXPECT_EQ(style & SS_ELLIPSISMASK, SS_PATHELLIPSIS) << id;
             }
         }},
        {"the extension selects the first item it begins, whatever its case",
         [](GrabSettings& s) { CopyText(s.FileStore.Ext, "JP"); }, nullptr,
         [](const PageWindows& p, const GrabSettings& s) {
             EXPECT_EQ(p.Send(kPageStorage, IDC_EXT, CB_GETCOUNT), 5);
             EXPECT_STREQ(s.FileStore.Ext, "jpg");
         }},
        {"an extension the list lacks selects nothing and is kept",
         [](GrabSettings& s) { CopyText(s.FileStore.Ext, "webp"); }, nullptr,
         [](const PageWindows& p, const GrabSettings& s) {
             EXPECT_EQ(p.Send(kPageStorage, IDC_EXT, CB_GETCURSEL), CB_ERR);
             EXPECT_STREQ(s.FileStore.Ext, "webp");
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        GrabSettings stored(true);
        stored.Properties.HotKey = VK_F10;
        row.stored(stored);
        PageWindows pages;
        FillPages(pages.windows, stored);
        if (row.typed != nullptr)
            row.typed(pages);
        GrabSettings read = stored;
        ReadPages(pages.windows, read);
        row.check(pages, read);
    }
}

TEST(SettingsPages, APageThatCouldNotBeMadeKeepsItsFields) {
    GrabSettings stored(true);
    stored.Thumbnail.Width = 320;
    CopyText(stored.Info.Title, "kept");
    PageWindows pages;
    HWND windows[kSettingsPageCount];
    std::copy(std::begin(pages.windows), std::end(pages.windows), windows);
    windows[kPageThumbnail] = windows[kPageInfo] = nullptr;
    FillPages(windows, stored);
    GrabSettings read = stored;
    ReadPages(windows, read);
    EXPECT_EQ(read.Thumbnail.Width, 320);
    EXPECT_STREQ(read.Info.Title, "kept");
}
