// The dialog resources as the program's module holds them: every template
// opens with its title, pages fit the frame's placeholder, and what a person
// would notice is right: the spins step their own box with numbers that read
// back, the arrows answer clicks and the password boxes hide what is typed.
// (That each control is there is shown by the page tests, which fill and read
// every one, and by the end-to-end settings tests.)
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "base/system_functions_win.h"
#include "resources/resource_ids.h"

namespace {

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

struct Template {
    WORD id;
    const char* title;
    bool page;
    std::vector<std::pair<int, int>> spins;    // each spin and the box it steps
    std::vector<std::pair<int, LONG>> styles;  // style bits a person relies on
};

const Template kTemplates[] = {
    // The arrows answer clicks.
    {IDD_SETTINGS,
     "Pixelnook Settings",
     false,
     {},
     {{IDC_UP_ARROW, SS_NOTIFY}, {IDC_DOWN_ARROW, SS_NOTIFY}}},
    {IDD_INTRO, "Pixelnook Introduction", false, {}, {}},
    {IDD_PAGE_GENERAL, "General", true, {}, {}},
    {IDD_PAGE_HOT_KEY, "Hot key", true, {}, {}},
    {IDD_PAGE_TYPE, "Type", true, {}, {}},
    {IDD_PAGE_STORAGE,
     "Storage",
     true,
     {{IDC_DIGITS_SPIN, IDC_DIGITS}, {IDC_QUALITY_SPIN, IDC_QUALITY}},
     {}},
    {IDD_PAGE_THUMBNAIL,
     "Thumbnail",
     true,
     {{IDC_THUMB_PERCENT_SPIN, IDC_THUMB_PERCENT},
      {IDC_THUMB_WIDTH_SPIN, IDC_THUMB_WIDTH},
      {IDC_THUMB_HEIGHT_SPIN, IDC_THUMB_HEIGHT}},
     {}},
    {IDD_PAGE_WATERMARK,
     "Watermark",
     true,
     {{IDC_WM_PERCENT_SPIN, IDC_WM_PERCENT},
      {IDC_WM_WIDTH_SPIN, IDC_WM_WIDTH},
      {IDC_WM_HEIGHT_SPIN, IDC_WM_HEIGHT},
      {IDC_WM_ROWS_SPIN, IDC_WM_ROWS},
      {IDC_WM_COLUMNS_SPIN, IDC_WM_COLUMNS}},
     {}},
    {IDD_PAGE_BACKFILLS, "Backfills", true, {}, {}},
    {IDD_PAGE_INFO, "Image info", true, {}, {}},
    // The password boxes hide what is typed.
    {IDD_PAGE_UPLOADS,
     "Uploads",
     true,
     {},
     {{IDC_UPLOAD_PASSWORD, ES_PASSWORD}, {IDC_UPLOAD_CONFIRM, ES_PASSWORD}}},
    {IDD_PAGE_HELP, "Help", true, {}, {}},
    {IDD_PAGE_ABOUT, "About", true, {}, {}},
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

TEST(DialogTemplates, EveryDialogOpensWithItsTitleAndWhatAPersonReliesOn) {
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
        for (const auto& [spin, buddy] : entry.spins) {
            SCOPED_TRACE(spin);
            // The spin steps its own box and writes a number that reads back
            // (no thousands separator).
            HWND item = GetDlgItem(window, spin);
            EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(item, UDM_GETBUDDY, 0, 0)),
                      GetDlgItem(window, buddy));
            SendMessageA(item, UDM_SETRANGE32, 0, 4096);
            SendMessageA(item, UDM_SETPOS32, 0, 4096);
            BOOL read = FALSE;
            EXPECT_EQ(GetDlgItemInt(window, buddy, &read, FALSE), 4096u);
            EXPECT_TRUE(read);
        }
        for (const auto& [id, bits] : entry.styles)
            EXPECT_EQ(GetWindowLongA(GetDlgItem(window, id), GWL_STYLE) & bits, bits) << id;
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
