// The settings frame against the platform: what the page list is told and
// what the frame gives back.
// (That each control is there is shown by the OK tests, which fill and read
// every one; OK, Cancel and the page buttons reaching the dialog by them and
// the end-to-end tests.)
#include "dialogs/settings_dialog_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "settings/grab_settings.h"
#include "tests/win/open_settings_dialog.h"

TEST(SettingsFrame, TheListAsksForPageLabelsAndImages) {
    OpenDialog open(GrabSettings(true));
    // What the list-view's request leaves in a 64-character buffer, and the image.
    const struct {
        int item;
        int bufferSize;
        const char* text;
        int image;
    } cases[] = {
        {kPageStorage, 4, "Sto", kPageStorage},
        {kSettingsPageCount, 64, "untouched", -1},
        {kPageType, 64, "Unknown", kPageType},  // its page failed
    };
    open.Lose(kPageType);
    for (const auto& c : cases) {
        char buffer[64] = "untouched";
        NMLVDISPINFOA request = {};
        request.item.mask = LVIF_TEXT | LVIF_IMAGE;
        request.item.iItem = c.item;
        request.item.pszText = buffer;
        request.item.cchTextMax = c.bufferSize;
        request.item.iImage = -1;
        open.dialog.OnNotify(IDC_PAGE_LIST, LVN_GETDISPINFOA, nullptr, &request.hdr);
        EXPECT_EQ(request.item.iImage, c.image) << c.item;
        EXPECT_STREQ(buffer, c.text) << c.item;
    }
}

TEST(SettingsFrame, ReleaseGivesBackTheImageListOnceAndTheArrowIcons) {
    OpenDialog open(GrabSettings(true));
    SettingsDialog& dialog = open.dialog;
    ASSERT_NE(dialog.imageList, nullptr);
    const HICON up = g_upArrowIcon = CopyIcon(LoadIconA(nullptr, IDI_APPLICATION));

    dialog.ReleaseResources();
    EXPECT_EQ(dialog.imageList, nullptr);
    // The list-view would destroy a list it still held when it goes.
    EXPECT_EQ(SendMessageA(dialog.listView, LVM_GETIMAGELIST, LVSIL_NORMAL, 0), 0);
    EXPECT_EQ(g_upArrowIcon, nullptr);
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(up, &info));
}
