// The dialog framework and the settings frame against the platform: how a
// modal run ends, what reaches the dialog from its pages, what the page list
// is told, what the frame gives back, and the frame's resources as a person
// meets them: the pages fit their place, the spins step their own box with
// numbers that read back, the arrows answer clicks, the password boxes hide
// what is typed and the hand's hot spot lies on the hand. (That each control
// is there is shown by the OK tests, which fill and read every one.)
#include "dialogs/settings_dialog_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "settings/grab_settings.h"
#include "shell/tray_icon_win.h"
#include "tests/win/open_settings_dialog.h"

namespace {

constexpr UINT kMenuDone = WM_APP + 2;
constexpr WORD kPageControl = 1234;

// Messages a test dialog posts to itself, or to a page of its own, once it is
// up; and what the framework made of them.
class ScriptedDialog : public Dialog {
public:
    struct Step {
        bool toPage;
        UINT message;
        WPARAM wParam;
    };
    ScriptedDialog(std::vector<Step> script, bool okCloses, TrayIcon& tray)
        : Dialog(GetModuleHandleA(nullptr)),
          script_(std::move(script)),
          okCloses_(okCloses),
          tray_(tray) {}

    void OnInitDialog() override {
        log += "init";
        HWND page =
            CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_PAGE_HELP), hwnd, PageProc, 0);
        for (const Step& step : script_)
            PostMessageA(step.toPage ? page : hwnd, step.message, step.wParam, 0);
        // While it is open the tray icon brings it forward.
        tray_.HandleCallback(0, WM_LBUTTONDOWN);
        log += IsPosted(kMenuDone) ? " tray:popup" : " tray:command";
    }
    bool OnOK() override {
        log += " ok";
        return okCloses_;
    }
    void OnCancel() override { log += " cancel"; }
    void OnCommand(WPARAM wParam, WORD, LPARAM) override {
        log += " command:" + std::to_string(LOWORD(wParam));
    }
    bool IsPosted(UINT message) {
        MSG posted;
        return PeekMessageA(&posted, nullptr, message, message, PM_REMOVE) != FALSE;
    }

    std::string log;

private:
    std::vector<Step> script_;
    bool okCloses_;
    TrayIcon& tray_;
};

}  // namespace

TEST(DialogFramework, AModalRunEndsAsItsOperationsSay) {
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    TrayIcon tray;
    tray.SetMenu(IDR_TRAY_MENU, IDM_SETTINGS);
    tray.SetMessages(WM_APP + 1, kMenuDone);
    tray.SetWindows(owner, nullptr);
    const struct {
        std::vector<ScriptedDialog::Step> script;
        bool okCloses;
        bool result;
        const char* log;
    } cases[] = {
        {{{false, WM_COMMAND, IDOK}}, true, true, "init tray:popup ok"},
        {{{false, WM_COMMAND, IDOK}, {false, WM_COMMAND, IDCANCEL}},
         false,
         false,
         "init tray:popup ok cancel"},
        // A page's commands reach the dialog, its notifications do not; the
        // close box counts as Cancel.
        {{{true, WM_COMMAND, kPageControl}, {true, WM_NOTIFY, 0}, {false, WM_CLOSE, 0}},
         true,
         false,
         "init tray:popup command:1234 cancel"},
    };
    for (const auto& c : cases) {
        ScriptedDialog dialog(c.script, c.okCloses, tray);
        EXPECT_EQ(dialog.DoModal(IDD_INTRO, nullptr, nullptr, &tray), c.result) << c.log;
        EXPECT_EQ(dialog.log, c.log);
        // Once it has ended the tray icon acts again.
        tray.HandleCallback(0, WM_LBUTTONDOWN);
        MSG posted;
        EXPECT_TRUE(PeekMessageA(&posted, owner, WM_COMMAND, WM_COMMAND, PM_REMOVE)) << c.log;
    }
    DestroyWindow(owner);
}

TEST(DialogFramework, ADialogThatIsGoneIsNoLongerCurrent) {
    auto* older = new Dialog(nullptr);
    {
        Dialog newer(nullptr);
        delete older;  // the newer one stays current
        EXPECT_EQ(g_currentDialog, &newer);
    }
    EXPECT_EQ(g_currentDialog, nullptr);
    // A page command now reaches no dialog at all.
    PageProc(nullptr, WM_COMMAND, kPageControl, 0);
}

TEST(SettingsFrame, TheListAsksForPageLabelsAndImages) {
    OpenDialog open(GrabSettings(true));
    // What the list-view's request leaves in a 64-character buffer, and the image.
    auto ask = [&open](int item, UINT mask, int bufferSize, std::string& text) {
        char buffer[64] = "untouched";
        NMLVDISPINFOA request = {};
        request.hdr.idFrom = IDC_PAGE_LIST;
        request.hdr.code = LVN_GETDISPINFOA;
        request.item = {mask, item};
        request.item.pszText = buffer;
        request.item.cchTextMax = bufferSize;
        request.item.iImage = -1;
        open.dialog.OnNotify(IDC_PAGE_LIST, LVN_GETDISPINFOA, nullptr, &request.hdr);
        text = buffer;
        return request.item.iImage;
    };
    const char* const labels[kSettingsPageCount] = {
        "General",   "Hot key",    "Type",    "Storage", "Thumbnail", "Watermark",
        "Backfills", "Image info", "Uploads", "Help",    "About"};
    std::string text;
    for (int item = 0; item < kSettingsPageCount; ++item) {
        EXPECT_EQ(ask(item, LVIF_TEXT | LVIF_IMAGE, 64, text), item);
        EXPECT_EQ(text, labels[item]);
    }
    const struct {
        int item;
        UINT mask;
        int bufferSize;
        const char* text;
        int image;
    } cases[] = {
        {kPageStorage, LVIF_TEXT, 4, "Sto", kPageStorage},
        {kPageStorage, LVIF_IMAGE, 64, "untouched", kPageStorage},
        {kSettingsPageCount, LVIF_TEXT | LVIF_IMAGE, 64, "untouched", -1},
        {kPageType, LVIF_TEXT, 64, "Unknown", kPageType},  // its page failed
    };
    open.Lose(kPageType);
    for (const auto& c : cases) {
        EXPECT_EQ(ask(c.item, c.mask, c.bufferSize, text), c.image) << c.item << " " << c.mask;
        EXPECT_EQ(text, c.text) << c.item << " " << c.mask;
    }
}

TEST(SettingsFrame, ReleaseGivesBackTheImageListOnceAndTheArrowIcons) {
    OpenDialog open(GrabSettings(true));
    SettingsDialog& dialog = open.dialog;
    ASSERT_NE(dialog.imageList, nullptr);
    g_upArrowIcon = CopyIcon(LoadIconA(nullptr, IDI_APPLICATION));
    g_downArrowIcon = CopyIcon(LoadIconA(nullptr, IDI_APPLICATION));
    const HICON up = g_upArrowIcon;

    dialog.ReleaseResources();
    EXPECT_EQ(dialog.imageList, nullptr);
    // The list-view would destroy a list it still held when it goes.
    EXPECT_EQ(SendMessageA(dialog.listView, LVM_GETIMAGELIST, LVSIL_NORMAL, 0), 0);
    EXPECT_EQ(g_upArrowIcon, nullptr);
    EXPECT_EQ(g_downArrowIcon, nullptr);
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(up, &info));
}

TEST(SettingsFrame, PagesFitTheirPlaceAndTheirControlsWorkAsAPersonExpects) {
    OpenDialog open(GrabSettings(true));
    RECT place, client;
    GetWindowRect(GetDlgItem(open.dialog.hwnd, IDC_PAGE_PLACE), &place);
    for (int page = 0; page < kSettingsPageCount; ++page) {
        // A child without a caption, shown only when chosen (here the first).
        const LONG style = GetWindowLongA(open.dialog.pageWindows[page], GWL_STYLE);
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_CAPTION),
                  page == kPageGeneral ? WS_CHILD | WS_VISIBLE : WS_CHILD)
            << page;
        GetClientRect(open.dialog.pageWindows[page], &client);
        EXPECT_EQ(client.right, place.right - place.left) << page;
        EXPECT_EQ(client.bottom, place.bottom - place.top) << page;
    }
    const struct {
        int page, spin, box;
    } spins[] = {{kPageStorage, IDC_DIGITS_SPIN, IDC_DIGITS},
                 {kPageStorage, IDC_QUALITY_SPIN, IDC_QUALITY},
                 {kPageThumbnail, IDC_THUMB_PERCENT_SPIN, IDC_THUMB_PERCENT},
                 {kPageThumbnail, IDC_THUMB_WIDTH_SPIN, IDC_THUMB_WIDTH},
                 {kPageThumbnail, IDC_THUMB_HEIGHT_SPIN, IDC_THUMB_HEIGHT},
                 {kPageWatermark, IDC_WM_PERCENT_SPIN, IDC_WM_PERCENT},
                 {kPageWatermark, IDC_WM_WIDTH_SPIN, IDC_WM_WIDTH},
                 {kPageWatermark, IDC_WM_HEIGHT_SPIN, IDC_WM_HEIGHT},
                 {kPageWatermark, IDC_WM_ROWS_SPIN, IDC_WM_ROWS},
                 {kPageWatermark, IDC_WM_COLUMNS_SPIN, IDC_WM_COLUMNS}};
    for (const auto& s : spins) {
        // The spin steps its own box and writes a number that reads back (no
        // thousands separator).
        HWND page = open.dialog.pageWindows[s.page];
        HWND spin = GetDlgItem(page, s.spin);
        SendMessageA(spin, UDM_SETRANGE32, 0, 4096);
        SendMessageA(spin, UDM_SETPOS32, 0, 4096);
        BOOL read = FALSE;
        EXPECT_EQ(GetDlgItemInt(page, s.box, &read, FALSE), 4096u) << s.spin;
        EXPECT_TRUE(read) << s.spin;
    }
    for (int id : {IDC_UPLOAD_PASSWORD, IDC_UPLOAD_CONFIRM})
        EXPECT_NE(open.Send(kPageUploads, id, EM_GETPASSWORDCHAR), 0) << id;
    for (int id : {IDC_UP_ARROW, IDC_DOWN_ARROW})
        EXPECT_NE(GetWindowLongA(GetDlgItem(open.dialog.hwnd, id), GWL_STYLE) & SS_NOTIFY, 0) << id;
}

// The program's own hand for the page list's arrows: it loads, and the hot
// spot lies on the hand, not on the transparent part around it.
TEST(SettingsFrame, HandCursorClicksWithTheHand) {
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_CURSOR));
    ASSERT_NE(hand, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    // A two-colour cursor keeps its AND mask over its XOR image in hbmMask.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, info.hbmMask);
    EXPECT_EQ(GetPixel(dc, static_cast<int>(info.xHotspot), static_cast<int>(info.yHotspot)),
              RGB(0, 0, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
}
