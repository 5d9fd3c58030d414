// The dialog framework and the settings frame against the platform: how a
// modal run ends, what reaches the dialog from its pages, what the page list
// is told, and what the frame gives back.
#include "dialogs/settings_dialog_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/comctl32_functions_win.h"
#include "resources/resource_ids.h"
#include "settings/grab_settings.h"
#include "shell/tray_icon_win.h"

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
    SettingsDialog dialog(GetModuleHandleA(nullptr), GrabSettings(true));
    HWND storage = CreateWindowExA(0, "STATIC", "Storage", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    dialog.pageWindows[kPageStorage] = storage;
    const struct {
        int item;
        UINT mask;
        int bufferSize;
        const char* text;
        int image;
    } cases[] = {
        {kPageStorage, LVIF_TEXT | LVIF_IMAGE, 64, "Storage", kPageStorage},
        {kPageStorage, LVIF_TEXT, 4, "Sto", kPageStorage},
        {kPageType, LVIF_TEXT, 64, "Unknown", kPageType},  // its page failed
        {kPageStorage, LVIF_IMAGE, 64, "untouched", kPageStorage},
        {kSettingsPageCount, LVIF_TEXT | LVIF_IMAGE, 64, "untouched", -1},
    };
    for (const auto& c : cases) {
        char text[64] = "untouched";
        NMLVDISPINFOA request = {};
        request.hdr.idFrom = IDC_PAGE_LIST;
        request.hdr.code = LVN_GETDISPINFOA;
        request.item.mask = c.mask;
        request.item.iItem = c.item;
        request.item.pszText = text;
        request.item.cchTextMax = c.bufferSize;
        request.item.iImage = -1;
        dialog.OnNotify(IDC_PAGE_LIST, LVN_GETDISPINFOA, nullptr, &request.hdr);
        EXPECT_STREQ(text, c.text) << c.item << " " << c.mask;
        EXPECT_EQ(request.item.iImage, c.image) << c.item << " " << c.mask;
    }
    DestroyWindow(storage);
}

TEST(SettingsFrame, ReleaseGivesBackTheImageListOnceAndTheArrowIcons) {
    const Comctl32Functions& comctl32 = Comctl32Optional();
    ASSERT_NE(comctl32.ImageList_Create, nullptr);
    comctl32.InitCommonControls();
    SettingsDialog dialog(GetModuleHandleA(nullptr), GrabSettings(true));
    dialog.listView = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_ICON, 0, 0, 10, 10,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    dialog.imageList = comctl32.ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 0, 1);
    SendMessageA(dialog.listView, LVM_SETIMAGELIST, LVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(dialog.imageList));
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
    DestroyWindow(dialog.listView);
}
