// The settings dialog of a running Pixelnook as the e2e tests see it from
// their own process: its pages (child dialogs found by their titles), its
// buttons by id, and where the page list stands, read from the windows'
// places (the list-view's own item records live in the other process).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "resources/resource_ids.h"
#include "tests/support/pixelnook_driver.h"

namespace e2e {

constexpr char kSettingsTitle[] = "Pixelnook Settings";
constexpr char kIntroTitle[] = "Pixelnook Introduction";

struct SettingsDialogView {
    // Waits until the dialog is on screen, set up; dialog stays null when it
    // does not come.
    explicit SettingsDialogView(const PixelnookProcess& pixelnook)
        : dialog(pixelnook.WaitFor("#32770", kSettingsTitle)) {
        if (!WaitUntil([&] { return IsWindowVisible(dialog); }))
            dialog = nullptr;
    }

    // A page by its title ("General", "Type", ...).
    HWND Page(const char* title) const { return FindWindowExA(dialog, nullptr, "#32770", title); }
    std::string VisiblePage() const {
        for (HWND page = FindWindowExA(dialog, nullptr, "#32770", nullptr); page != nullptr;
             page = FindWindowExA(dialog, page, "#32770", nullptr)) {
            if (IsWindowVisible(page))
                return WindowText(page);
        }
        return "";
    }
    // BM_CLICK on a control of the frame, or of a page when one is given.
    void Click(int control, const char* page = nullptr) const {
        SendMessageA(GetDlgItem(page != nullptr ? Page(page) : dialog, control), BM_CLICK, 0, 0);
    }
    std::string Text(const char* page, int control) const {
        return WindowText(GetDlgItem(Page(page), control));
    }
    bool Shown(int control) const { return IsWindowVisible(GetDlgItem(dialog, control)) != FALSE; }
    // Cancels the dialog and waits until it is gone.
    bool Cancel() const {
        Click(IDCANCEL);
        return WaitUntil([&] { return !IsWindow(dialog); });
    }

    HWND List() const { return GetDlgItem(GetDlgItem(dialog, IDC_PAGE_LIST_CLIP), IDC_PAGE_LIST); }
    int ItemHeight() const { return LOWORD(SendMessageA(List(), LVM_GETITEMSPACING, FALSE, 0)); }
    // The item at the top of the list's visible part. The list-view sits in
    // a container made at its own first place, and keeps that offset within
    // it; it moves up one item height per item scrolled.
    int TopItem() const {
        RECT box = {}, list = {};
        GetWindowRect(GetDlgItem(dialog, IDC_PAGE_LIST_CLIP), &box);
        GetWindowRect(List(), &list);
        POINT first = {box.left, box.top};
        ScreenToClient(dialog, &first);
        return ItemHeight() == 0 ? -1 : (box.top + first.y - list.top) / ItemHeight();
    }
    // A mouse click on the item's icon, which lies in the upper part of its
    // square cell. (Wine's list-view moves by arrow keys only through its
    // owner, which a virtual list of pages leaves unanswered.)
    void ClickItem(int item) const {
        RECT list = {};
        GetWindowRect(List(), &list);
        const int cell = ItemHeight();
        ClickAt({list.left + cell / 2, list.top + item * cell + cell / 3});
    }
    // A click on an arrow, as the arrow static reports it.
    void ClickArrow(int control) const {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, STN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, control)));
    }

    HWND dialog;
};

}  // namespace e2e
