// SettingsDialog: the settings frame (dialog IDD_SETTINGS) with its list of
// eleven pages, the arrows that scroll the list, OK, Cancel and Unload. It
// works on its own copy of the settings; the main window takes the copy back
// when the dialog ends with OK.
//
// settings_dialog_win.cpp  the frame: pages, list, arrows, Unload, release
// settings_pages_win.cpp   filling and reading each page
// page_actions_win.cpp     Browse, Set to current, Test for use, and OK
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "base/limits.h"
#include "dialogs/about_dialog_win.h"

constexpr int kSettingsPageCount = 11;

// Positions in the page list.
enum SettingsPageIndex {
    kPageGeneral,
    kPageHotKey,
    kPageType,
    kPageStorage,
    kPageThumbnail,
    kPageWatermark,
    kPageBackfills,
    kPageInfo,
    kPageUploads,
    kPageHelp,
    kPageAbout,
};

// One entry of the page list: the icon file's name (without ".ico", in the
// Properties.Icons folder) and the page's dialog resource.
struct SettingsPage {
    const char* iconName;
    WORD resourceId;
};

// The pages in list order.
extern const SettingsPage kSettingsPages[kSettingsPageCount];

class SettingsDialog : public AboutDialog {
public:
    SettingsDialog(HINSTANCE instance, const GrabSettings& settings);

    void OnInitDialog() override;
    bool OnOK() override;
    void OnCancel() override;
    void OnCommand(WPARAM wParam, WORD code, LPARAM lParam) override;
    bool OnNotify(int control, UINT code, HWND window, NMHDR* header) override;

    // The page buttons: Browse (folder and watermark), Set to current, Test
    // for use. Any other control changes nothing.
    void OnPageCommand(WORD control);
    // Gives back the image list, the arrow icons and the hand cursor.
    void ReleaseResources();

    char pathScratch[kPathChars] = "";  // folder paths on their way to a page
    HWND listView = nullptr;
    HWND pageWindows[kSettingsPageCount] = {};
    HIMAGELIST imageList = nullptr;
    int scrollTop = 0;  // the list item shown at the top of the visible part
};

// The arrows' icons and the cursor shown over them; null until loaded and
// again once released.
extern HICON g_upArrowIcon;
extern HICON g_downArrowIcon;
extern HCURSOR g_handCursor;
