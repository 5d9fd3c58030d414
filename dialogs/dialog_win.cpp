// The dialog framework: one dialog procedure for every modal dialog, which
// hands each message to a small virtual operation of the current dialog, and
// the settings pages' procedure, which passes their commands on to it.
#include "dialogs/dialog_win.h"

#include <iterator>

#include "base/limits.h"

#include "dialogs/comctl32_functions_win.h"
#include "shell/tray_icon_win.h"

Dialog* g_currentDialog = nullptr;
TrayIcon* g_dialogTrayIcon = nullptr;

namespace {

// Where SubclassWindow keeps a window's own procedure.
constexpr char kPrevProcProperty[] = "PrevProc";

// While a dialog is open a click on the tray icon brings it forward; once it
// has ended, the icon acts again.
void SetTrayPopup(HWND popup) {
    if (g_dialogTrayIcon != nullptr) {
        g_dialogTrayIcon->SetPopup(popup);
    }
}

INT_PTR OnInitDialogMessage(Dialog& dialog, HWND window) {
    if (dialog.smallIcon != nullptr && dialog.bigIcon != nullptr) {
        SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(dialog.smallIcon));
        SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(dialog.bigIcon));
    }
    SetTrayPopup(window);
    SetForegroundWindow(window);
    dialog.hwnd = window;
    dialog.OnInitDialog();
    return FALSE;  // the dialog has placed the focus itself
}

INT_PTR OnCommandMessage(Dialog& dialog, HWND window, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case IDOK:
            if (!dialog.OnOK()) {
                return FALSE;  // stays open
            }
            EndDialog(window, IDOK);
            SetTrayPopup(nullptr);
            return TRUE;
        case IDCANCEL:
            dialog.OnCancel();
            EndDialog(window, IDCANCEL);
            SetTrayPopup(nullptr);
            return TRUE;
        default:
            dialog.OnCommand(wParam, HIWORD(wParam), lParam);
            return FALSE;
    }
}

}  // namespace

Dialog::Dialog(HINSTANCE instance_) : instance(instance_) {
    g_currentDialog = this;
}

Dialog::~Dialog() {
    // A later message must find no dialog rather than this object's remains.
    if (g_currentDialog == this) {
        g_currentDialog = nullptr;
    }
}

bool Dialog::DoModal(WORD resourceId, HICON titleSmallIcon, HICON titleBigIcon, TrayIcon* tray) {
    g_dialogTrayIcon = tray;
    smallIcon = titleSmallIcon;
    bigIcon = titleBigIcon;
    const Comctl32Functions& comctl32 = Comctl32Optional();
    if (comctl32.InitCommonControls != nullptr) {
        comctl32.InitCommonControls();
    }
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(resourceId), nullptr, DialogProc, 0) == IDOK;
}

bool Dialog::HandleMessage(UINT, WPARAM, LPARAM) {
    return false;
}

void Dialog::OnCommand(WPARAM, WORD, LPARAM) {}

bool Dialog::OnNotify(int, UINT, HWND, NMHDR*) {
    return false;
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* dialog = g_currentDialog;
    if (dialog == nullptr) {
        return FALSE;
    }
    if (dialog->HandleMessage(message, wParam, lParam)) {
        return TRUE;
    }
    switch (message) {
        case WM_CLOSE:  // the close box counts as Cancel
            return OnCommandMessage(*dialog, window, IDCANCEL, 0);
        case WM_NOTIFY: {
            NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
            return dialog->OnNotify(static_cast<int>(header->idFrom), header->code,
                                    header->hwndFrom, header)
                       ? TRUE
                       : FALSE;
        }
        case WM_INITDIALOG:
            return OnInitDialogMessage(*dialog, window);
        case WM_COMMAND:
            return OnCommandMessage(*dialog, window, wParam, lParam);
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && g_currentDialog != nullptr && g_currentDialog->hwnd != nullptr) {
        SendMessageA(g_currentDialog->hwnd, WM_COMMAND, wParam, lParam);
    }
    return FALSE;
}

void SubclassWindow(HWND window, WNDPROC procedure) {
    SetPropA(window, kPrevProcProperty,
             reinterpret_cast<HANDLE>(GetWindowLongPtrA(window, GWLP_WNDPROC)));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

LRESULT CallPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = reinterpret_cast<WNDPROC>(GetPropA(window, kPrevProcProperty));
    if (message == WM_NCDESTROY) {
        // The window's last message: its property list must be empty after it.
        RemovePropA(window, kPrevProcProperty);
    }
    if (previous == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

void ShortenPathInMiddle(HWND control) {
    const LONG style = GetWindowLongA(control, GWL_STYLE) & ~SS_ELLIPSISMASK;
    SetWindowLongA(control, GWL_STYLE, style | SS_PATHELLIPSIS);
}

void ShowStringTableBox(HINSTANCE instance, UINT textId, UINT captionId, UINT style) {
    char text[kTextChars] = "";
    char caption[kTextChars] = "";
    LoadStringA(instance, textId, text, static_cast<int>(std::size(text)));
    LoadStringA(instance, captionId, caption, static_cast<int>(std::size(caption)));
    MessageBoxA(nullptr, text, caption, style);
}
