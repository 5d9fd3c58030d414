// The settings dialog's frame: the eleven pages as child dialogs, the page
// list on the left with its icons, clipped to five items and scrolled by the
// selection and the arrows, the Unload button, and the release of what the
// frame loaded. What the pages show and how OK reads them is in
// settings_pages_win.cpp and page_actions_win.cpp.
#include "dialogs/settings_dialog_win.h"

#include <cstdint>

#include "base/app_name.h"
#include "base/handles_win.h"
#include "base/os_version_win.h"
#include "base/text.h"
#include "dialogs/comctl32_functions_win.h"
#include "dialogs/page_list_scroll.h"
#include "dialogs/settings_pages_win.h"
#include "resources/resource_ids.h"

const SettingsPage kSettingsPages[kSettingsPageCount] = {
    {"general", IDD_PAGE_GENERAL},
    {"hotkey", IDD_PAGE_HOT_KEY},
    {"type", IDD_PAGE_TYPE},
    {"storage", IDD_PAGE_STORAGE},
    {"thumbnail", IDD_PAGE_THUMBNAIL},
    {"watermark", IDD_PAGE_WATERMARK},
    {"background", IDD_PAGE_BACKFILLS},
    {"info", IDD_PAGE_INFO},
    {"upload", IDD_PAGE_UPLOADS},
    {"help", IDD_PAGE_HELP},
    {"about", IDD_PAGE_ABOUT},
};

// Loaded by the frame's initialisation, given back by ReleaseResources.
HICON g_upArrowIcon = nullptr;
HICON g_downArrowIcon = nullptr;
// Shared (LoadCursor): the system owns it, so it is only ever forgotten.
HCURSOR g_handCursor = nullptr;

namespace {

// Pixels between the page icons, across and down.
constexpr int kIconSpacing = 63;
// The list-view is made high enough for every page inside its clipping
// container, which shows about five of them.
constexpr int kListItemsHigh = kSettingsPageCount;
constexpr char kUnknownPageLabel[] = "Unknown";
constexpr char kIconExtension[] = ".ico";

// The page list's index of a page resource id; an unknown id counts as the
// first page.
int PageIndex(int32_t resourceId) {
    for (int index = 0; index < kSettingsPageCount; ++index) {
        if (kSettingsPages[index].resourceId == resourceId) {
            return index;
        }
    }
    return kPageGeneral;
}

// The icon file `name`.ico of the icons folder, at size x size pixels, owned
// by the caller; null when it is missing or its path does not fit.
HICON LoadIconFile(const char* folder, const char* name, int size) {
    char path[kPathChars];
    if (!CopyText(path, folder) || !AppendText(path, name) || !AppendText(path, kIconExtension)) {
        return nullptr;  // a cut path could name another file
    }
    return static_cast<HICON>(LoadImageA(nullptr, path, IMAGE_ICON, size, size, LR_LOADFROMFILE));
}

int ItemHeight(HWND listView) {
    return LOWORD(SendMessageA(listView, LVM_GETITEMSPACING, FALSE, 0));
}

// Moves the list-view inside its container by `steps` items, up for a
// positive count, down for a negative one.
void MoveList(HWND listView, int steps) {
    if (steps == 0) {
        return;
    }
    RECT rect = {};
    GetWindowRect(listView, &rect);
    MapWindowPoints(nullptr, GetParent(listView), reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(listView, nullptr, rect.left, rect.top - steps * ItemHeight(listView), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The list draws no background of its own (CLR_NONE), so where the
    // system repaints the moved list instead of moving its pixels, the old
    // labels would stay under the new ones: the container paints the
    // dialog's background first, then the list paints over it.
    RedrawWindow(GetParent(listView), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

int ItemCount(HWND listView) {
    return static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
}

void ShowArrows(HWND dialog, int scrollTop, int count) {
    ShowWindow(GetDlgItem(dialog, IDC_UP_ARROW),
               page_list::UpArrowShown(scrollTop) ? SW_SHOWNA : SW_HIDE);
    ShowWindow(GetDlgItem(dialog, IDC_DOWN_ARROW),
               page_list::DownArrowShown(scrollTop, count) ? SW_SHOWNA : SW_HIDE);
}

// The arrows show the hand, as links do.
LRESULT CALLBACK ArrowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && g_handCursor != nullptr) {
        SetCursor(g_handCursor);
        return TRUE;
    }
    return CallPreviousProc(window, message, wParam, lParam);
}

// Puts the arrow icon `name` into the arrow static `control` (a missing file
// leaves it blank; it still works) and loads the hand cursor once.
void LoadArrowIcon(const SettingsDialog& dialog, const char* name, int control, HICON& icon) {
    icon = LoadIconFile(dialog.settings.Properties.Icons, name, GetSystemMetrics(SM_CXSMICON));
    if (g_handCursor == nullptr) {
        // Windows 98 and Me have no hand cursor of their own.
        g_handCursor = GetOsVersionClass() >= kOsWindows2000
                           ? LoadCursorA(nullptr, IDC_HAND)
                           : LoadCursorA(dialog.instance, MAKEINTRESOURCEA(IDC_HAND_CURSOR));
    }
    HWND arrow = GetDlgItem(dialog.hwnd, control);
    SendMessageA(arrow, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    SubclassWindow(arrow, ArrowProc);
}

void CreatePages(SettingsDialog& dialog) {
    for (int index = 0; index < kSettingsPageCount; ++index) {
        dialog.pageWindows[index] =
            CreateDialogParamA(dialog.instance, MAKEINTRESOURCEA(kSettingsPages[index].resourceId),
                               dialog.hwnd, PageProc, 0);
    }
}

// One item per page, with the page's icon (or the program's when its file is
// missing). The list is virtual: texts and images come from OnNotify.
void FillPageList(SettingsDialog& dialog) {
    const Comctl32Functions& comctl32 = Comctl32Optional();
    const int size = GetSystemMetrics(SM_CXICON);
    if (comctl32.ImageList_Create != nullptr) {
        dialog.imageList = comctl32.ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 0, 1);
    }
    HWND list = dialog.listView;
    SendMessageA(list, LVM_SETICONSPACING, 0, MAKELPARAM(kIconSpacing, kIconSpacing));
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_ONECLICKACTIVATE);
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, CLR_NONE);
    SendMessageA(list, LVM_SETBKCOLOR, 0, CLR_NONE);
    if (dialog.imageList != nullptr && comctl32.ImageList_SetBkColor != nullptr) {
        comctl32.ImageList_SetBkColor(dialog.imageList, CLR_NONE);
    }
    for (int index = 0; index < kSettingsPageCount; ++index) {
        OwnedIcon icon(
            LoadIconFile(dialog.settings.Properties.Icons, kSettingsPages[index].iconName, size));
        if (!icon) {
            icon.Reset(static_cast<HICON>(LoadImageA(dialog.instance, MAKEINTRESOURCEA(IDI_MAIN),
                                                     IMAGE_ICON, size, size, 0)));
        }
        if (dialog.imageList != nullptr && comctl32.ImageList_ReplaceIcon != nullptr) {
            comctl32.ImageList_ReplaceIcon(dialog.imageList, -1, icon.Get());  // copies it
        }
        LVITEMA item = {};
        item.iItem = index;
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(dialog.imageList));
    // No item selected or focused until the start item is.
    LVITEMA state = {};
    state.stateMask = ~0u;
    state.state = LVIS_CUT;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    dialog.scrollTop = 0;
}

// The list has no scroll bars: a container of the list-view's size clips it,
// and scrolling moves the list-view inside the container. The list-view's
// notifications still go to the dialog.
void ClipPageList(SettingsDialog& dialog) {
    HWND list = dialog.listView;
    RECT rect = {};
    GetWindowRect(list, &rect);
    MapWindowPoints(nullptr, dialog.hwnd, reinterpret_cast<POINT*>(&rect), 2);
    const int width = rect.right - rect.left;
    HWND container =
        CreateWindowExA(WS_EX_CONTROLPARENT, "STATIC", "", WS_VISIBLE | WS_CHILD, rect.left,
                        rect.top, width, rect.bottom - rect.top, dialog.hwnd,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PAGE_LIST_CLIP)),
                        dialog.instance, nullptr);
    // The list-view keeps its coordinates, now counted from the container.
    SetParent(list, container);
    SetWindowPos(list, nullptr, 0, 0, width, kListItemsHigh * ItemHeight(list),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetFocus(list);
}

// The summary describes the dialog's copy of the settings with what the
// pages hold now, confirmed or not. The copy itself is left as it was: the
// page actions read some of its fields as they were when the dialog opened.
void RefreshAboutSummary(SettingsDialog& dialog, HWND aboutPage) {
    const GrabSettings kept = dialog.settings;
    ReadPages(dialog.pageWindows, dialog.settings);
    HWND frame = dialog.hwnd;
    dialog.hwnd = aboutPage;
    dialog.AboutDialog::OnInitDialog();
    dialog.hwnd = frame;
    dialog.settings = kept;
}

// Shows the newly selected page in the place held for pages, or hides the
// page whose item lost the selection.
void SwitchPage(SettingsDialog& dialog, int item, bool selected) {
    HWND page = dialog.pageWindows[item];
    if (!selected) {
        if (IsWindowVisible(page)) {
            ShowWindow(page, SW_HIDE);
        }
        return;
    }
    dialog.settings.Runtime.StartPage = kSettingsPages[item].resourceId;
    if (IsWindowVisible(page)) {
        return;
    }
    if (item == kPageAbout) {
        RefreshAboutSummary(dialog, page);
    }
    HWND place = GetDlgItem(dialog.hwnd, IDC_PAGE_PLACE);
    RECT rect = {};
    GetWindowRect(place, &rect);
    MapWindowPoints(nullptr, dialog.hwnd, reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(page, place, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(page, SW_SHOW);
}

void OnGetDispInfo(const SettingsDialog& dialog, LVITEMA& item) {
    if (item.iItem < 0 || item.iItem >= kSettingsPageCount) {
        return;
    }
    item.state = 0;
    item.iImage = item.iItem;
    // The text buffer is the list-view's only when it asks for text.
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) {
        return;
    }
    HWND page = dialog.pageWindows[item.iItem];
    if (page != nullptr) {
        GetWindowTextA(page, item.pszText, item.cchTextMax);
    } else {
        CopyText(item.pszText, static_cast<size_t>(item.cchTextMax), kUnknownPageLabel);
    }
}

void OnItemChanged(SettingsDialog& dialog, const NMLISTVIEW& change) {
    const int item = change.iItem;
    const int count = ItemCount(dialog.listView);
    MoveList(dialog.listView, page_list::OnItemChanged(dialog.scrollTop, item, count));
    ShowArrows(dialog.hwnd, dialog.scrollTop, count);
    if (item >= 0 && item < kSettingsPageCount && dialog.pageWindows[item] != nullptr) {
        SwitchPage(dialog, item, (change.uNewState & LVIS_SELECTED) != 0);
    }
}

}  // namespace

SettingsDialog::SettingsDialog(HINSTANCE instance_, const GrabSettings& settings_)
    : AboutDialog(instance_, settings_) {}

void SettingsDialog::OnInitDialog() {
    listView = GetDlgItem(hwnd, IDC_PAGE_LIST);
    CreatePages(*this);
    FillPageList(*this);
    const int start = PageIndex(settings.Runtime.StartPage);
    const int initialTop = page_list::InitialTop(start);
    ClipPageList(*this);
    LoadArrowIcon(*this, "up", IDC_UP_ARROW, g_upArrowIcon);
    LoadArrowIcon(*this, "down", IDC_DOWN_ARROW, g_downArrowIcon);
    FillPages(pageWindows, settings);
    if (settings.Properties.Systray || settings.Properties.Taskbar) {
        // Unload is offered only when no tray icon or taskbar button could
        // end the program.
        HWND unload = GetDlgItem(hwnd, IDC_UNLOAD);
        EnableWindow(unload, FALSE);
        ShowWindow(unload, SW_HIDE);
    }
    if (initialTop > 0) {
        scrollTop = initialTop;
        MoveList(listView, scrollTop);
    }
    // Its change notification shows the start page.
    LVITEMA selected = {};
    selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(start),
                 reinterpret_cast<LPARAM>(&selected));
}

bool SettingsDialog::OnNotify(int control, UINT code, HWND, NMHDR* header) {
    if (control != IDC_PAGE_LIST) {
        return false;
    }
    if (code == LVN_GETDISPINFOA) {
        OnGetDispInfo(*this, reinterpret_cast<NMLVDISPINFOA*>(header)->item);
    } else if (code == LVN_ITEMCHANGED) {
        OnItemChanged(*this, *reinterpret_cast<NMLISTVIEW*>(header));
    }
    return false;
}

void SettingsDialog::OnCommand(WPARAM wParam, WORD, LPARAM lParam) {
    // The arrows share their ids with page controls whose commands come
    // through here too: only the frame's own windows are the arrows.
    HWND from = reinterpret_cast<HWND>(lParam);
    if (from != nullptr && from == GetDlgItem(hwnd, IDC_DOWN_ARROW)) {
        const int count = ItemCount(listView);
        MoveList(listView, page_list::OnDownArrow(scrollTop, count));
        ShowArrows(hwnd, scrollTop, count);
    } else if (from != nullptr && from == GetDlgItem(hwnd, IDC_UP_ARROW)) {
        MoveList(listView, page_list::OnUpArrow(scrollTop));
        ShowArrows(hwnd, scrollTop, ItemCount(listView));
    } else if (from != nullptr && from == GetDlgItem(hwnd, IDC_UNLOAD)) {
        HWND mainWindow = FindWindowA(kAppName, nullptr);
        if (mainWindow != nullptr) {
            PostMessageA(mainWindow, WM_COMMAND, IDM_EXIT, 0);
        }
    } else {
        OnPageCommand(LOWORD(wParam));
    }
}

void SettingsDialog::OnCancel() {
    ReleaseResources();
}

void SettingsDialog::ReleaseResources() {
    if (imageList != nullptr) {
        // A list-view destroys the image list it holds when it goes; taken
        // back first, it is destroyed once, here.
        SendMessageA(listView, LVM_SETIMAGELIST, LVSIL_NORMAL, 0);
        if (Comctl32Optional().ImageList_Destroy != nullptr) {
            Comctl32Optional().ImageList_Destroy(imageList);
        }
        imageList = nullptr;
    }
    const struct {
        int control;
        HICON& icon;
    } arrows[] = {{IDC_UP_ARROW, g_upArrowIcon}, {IDC_DOWN_ARROW, g_downArrowIcon}};
    for (const auto& arrow : arrows) {
        if (arrow.icon != nullptr) {
            SendDlgItemMessageA(hwnd, arrow.control, STM_SETICON, 0, 0);
            DestroyIcon(arrow.icon);
            arrow.icon = nullptr;
        }
    }
    g_handCursor = nullptr;
}
