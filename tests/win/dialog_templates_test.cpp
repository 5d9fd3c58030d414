// The dialog resources as the program's module holds them: every template
// opens, pages fit the frame's placeholder and are labelled by their caption,
// and the controls a person works with are there as the right kind of window.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "base/system_functions_win.h"
#include "resources/resource_ids.h"

namespace {

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

struct Control {
    int id;
    const char* className;
    LONG styleBits = 0;  // style bits the control must have
    int buddy = 0;       // for a spin: the edit whose number it steps
};

struct Template {
    WORD id;
    const char* title;
    bool page;
    std::vector<Control> controls;
};

const Template kTemplates[] = {
    {IDD_SETTINGS,
     "Pixelnook Settings",
     false,
     {{IDC_PAGE_LIST, WC_LISTVIEWA, LVS_OWNERDATA | LVS_NOSCROLL},
      {IDC_UP_ARROW, "Static", SS_ICON | SS_NOTIFY},
      {IDC_DOWN_ARROW, "Static", SS_ICON | SS_NOTIFY},
      {IDC_PAGE_PLACE, "Button", WS_DISABLED},
      {IDOK, "Button", BS_DEFPUSHBUTTON},
      {IDCANCEL, "Button"},
      {IDC_UNLOAD, "Button"}}},
    {IDD_INTRO, "Pixelnook Introduction", false, {{IDOK, "Button", BS_DEFPUSHBUTTON}}},
    {IDD_PAGE_GENERAL,
     "General",
     true,
     {{IDC_SYSTRAY, "Button", BS_AUTOCHECKBOX},
      {IDC_TASKBAR, "Button", BS_AUTOCHECKBOX},
      {IDC_SETTINGS_ON_START, "Button", BS_AUTOCHECKBOX},
      {IDC_REL_PATHS, "Button", BS_AUTOCHECKBOX},
      {IDC_MAKE_LINK, "Button", BS_AUTOCHECKBOX},
      {IDC_USER_LINK, "Button", BS_AUTOCHECKBOX}}},
    {IDD_PAGE_HOT_KEY,
     "Hot key",
     true,
     {{IDC_HOT_KEY, "ComboBox", CBS_DROPDOWNLIST},
      {IDC_USE_WIN, "Button", BS_AUTOCHECKBOX},
      {IDC_TEST_HOT_KEY, "Button"},
      {IDC_HOT_KEY_RESULT, "Static", SS_CENTER}}},
    {IDD_PAGE_TYPE,
     "Type",
     true,
     {{IDC_TYPE_CONTROL, "Button", BS_AUTORADIOBUTTON | WS_GROUP},
      {IDC_TYPE_RECTANGULAR_AREA, "Button", BS_AUTORADIOBUTTON},
      {IDC_SHOW_CURSOR, "Button", BS_AUTOCHECKBOX | WS_GROUP}}},
    {IDD_PAGE_STORAGE,
     "Storage",
     true,
     {{IDC_STORE_FILE, "Button", BS_AUTORADIOBUTTON},
      {IDC_BROWSE_DIR, "Button"},
      {IDC_STORE_DIR, "Static", SS_NOPREFIX},
      {IDC_PREFIX, "Edit"},
      {IDC_EXT, "ComboBox", CBS_DROPDOWNLIST},
      {IDC_DIGITS_SPIN, UPDOWN_CLASSA, 0, IDC_DIGITS},
      {IDC_QUALITY_SPIN, UPDOWN_CLASSA, 0, IDC_QUALITY},
      {IDC_COMPRESSION, "ComboBox", CBS_DROPDOWNLIST}}},
    {IDD_PAGE_THUMBNAIL,
     "Thumbnail",
     true,
     {{IDC_THUMB, "Button", BS_AUTOCHECKBOX},
      {IDC_THUMB_PERCENT_SPIN, UPDOWN_CLASSA, 0, IDC_THUMB_PERCENT},
      {IDC_THUMB_WIDTH_SPIN, UPDOWN_CLASSA, 0, IDC_THUMB_WIDTH},
      {IDC_THUMB_HEIGHT_SPIN, UPDOWN_CLASSA, 0, IDC_THUMB_HEIGHT},
      {IDC_WM_SAME, "Button", BS_AUTOCHECKBOX | BS_MULTILINE}}},
    {IDD_PAGE_WATERMARK,
     "Watermark",
     true,
     {{IDC_WM_FILE, "Static", SS_NOPREFIX},
      {IDC_BROWSE_WM, "Button"},
      {IDC_WM_WIDTH_SPIN, UPDOWN_CLASSA, 0, IDC_WM_WIDTH},
      {IDC_WM_ROWS_SPIN, UPDOWN_CLASSA, 0, IDC_WM_ROWS},
      {IDC_WM_COLUMNS_SPIN, UPDOWN_CLASSA, 0, IDC_WM_COLUMNS},
      {IDC_WM_BOTTOM_RIGHT, "Button", BS_AUTORADIOBUTTON},
      {IDC_WM_HOFFSET, "Edit", WS_DISABLED}}},
    {IDD_PAGE_BACKFILLS,
     "Backfills",
     true,
     {{IDC_FILL, "Button", BS_AUTOCHECKBOX},
      {IDC_FILL_RED, "Edit", ES_NUMBER},
      {IDC_FILL_BLUE, "Edit", ES_NUMBER},
      {IDC_TRANS_FILL, "Button", BS_AUTOCHECKBOX}}},
    {IDD_PAGE_INFO,
     "Image info",
     true,
     {{IDC_INFO_TITLE, "Edit"},
      {IDC_INFO_CREATED, "Edit", ES_READONLY},
      {IDC_INFO_SOFTWARE, "Edit", ES_READONLY}}},
    {IDD_PAGE_UPLOADS,
     "Uploads",
     true,
     {{IDC_UPLOAD_SERVER, "Edit"},
      {IDC_UPLOAD_PASSWORD, "Edit", ES_PASSWORD},
      {IDC_UPLOAD_CONFIRM, "Edit", ES_PASSWORD},
      {IDC_UPLOAD_PROTOCOL, "ComboBox", CBS_DROPDOWNLIST},
      {IDC_UPLOAD_PASSIVE, "Button", BS_AUTOCHECKBOX}}},
    {IDD_PAGE_HELP, "Help", true, {}},
    {IDD_PAGE_ABOUT,
     "About",
     true,
     {{IDC_ABOUT_HOT_KEY, "Static"},
      {IDC_ABOUT_DIR, "Static", SS_NOPREFIX},
      {IDC_ABOUT_WATERMARK, "Static"}}},
};

std::string Text(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, static_cast<int>(std::size(text)));
    return text;
}

SIZE Size(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

TEST(DialogTemplates, EveryDialogOpensWithItsTitleAndControls) {
    // The list-view and up-down classes are registered by comctl32.
    void(WINAPI * initCommonControls)() = nullptr;
    ASSERT_TRUE(
        BindFunction(LoadSystemLibrary("comctl32.dll"), "InitCommonControls", initCommonControls));
    initCommonControls();
    const HINSTANCE module = GetModuleHandleA(nullptr);
    HWND frame =
        CreateDialogParamA(module, MAKEINTRESOURCEA(IDD_SETTINGS), nullptr, IgnoreMessages, 0);
    ASSERT_NE(frame, nullptr);
    RECT place;
    GetWindowRect(GetDlgItem(frame, IDC_PAGE_PLACE), &place);

    for (const Template& entry : kTemplates) {
        SCOPED_TRACE(entry.title);
        HWND window = entry.id == IDD_SETTINGS
                          ? frame
                          : CreateDialogParamA(module, MAKEINTRESOURCEA(entry.id),
                                               entry.page ? frame : nullptr, IgnoreMessages, 0);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Text(window), entry.title);
        if (entry.page) {
            EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_CAPTION),
                      WS_CHILD);
            RECT client;
            GetClientRect(window, &client);
            EXPECT_EQ(Size(client).cx, Size(place).cx);
            EXPECT_EQ(Size(client).cy, Size(place).cy);
        }
        for (const Control& control : entry.controls) {
            SCOPED_TRACE(control.id);
            HWND item = GetDlgItem(window, control.id);
            ASSERT_NE(item, nullptr);
            char className[64] = "";
            GetClassNameA(item, className, static_cast<int>(std::size(className)));
            EXPECT_STRCASEEQ(className, control.className);
            EXPECT_EQ(GetWindowLongA(item, GWL_STYLE) & control.styleBits, control.styleBits);
            if (control.buddy != 0) {
                // The spin steps its own edit and writes a number that reads back.
                EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(item, UDM_GETBUDDY, 0, 0)),
                          GetDlgItem(window, control.buddy));
                SendMessageA(item, UDM_SETRANGE32, 0, 4096);
                SendMessageA(item, UDM_SETPOS32, 0, 4096);
                BOOL read = FALSE;
                EXPECT_EQ(GetDlgItemInt(window, control.buddy, &read, FALSE), 4096u);
                EXPECT_TRUE(read);
            }
        }
        if (window != frame)
            DestroyWindow(window);
    }
    DestroyWindow(frame);
}

// The program's own hand for the page list's arrows: it loads, and the hot
// spot lies on the hand, not on the transparent part around it.
TEST(DialogTemplates, HandCursorClicksWithTheHand) {
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
