// Dialog: the small framework that runs the program's modal dialogs from
// their resources. One dialog procedure serves every modal dialog through the
// process-wide current dialog; the settings pages have their own procedure,
// which hands every command on to that dialog.
#pragma once

#include <windows.h>

class TrayIcon;

class Dialog {
public:
    // Makes the new object the current dialog.
    explicit Dialog(HINSTANCE instance);
    // Stops being the current dialog when it still is, so that nothing serves
    // messages from a dialog object that is gone.
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs dialog resourceId modally, without owner, with the given title-bar
    // icons; tray (may be null) brings the dialog forward on a click while it
    // is open. True when the dialog ended with OK.
    bool DoModal(WORD resourceId, HICON titleSmallIcon, HICON titleBigIcon, TrayIcon* tray);

    // The six operations a dialog may override, with the base behaviour.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnInitDialog() {}
    virtual bool OnOK() { return true; }  // true: the dialog may close
    virtual void OnCancel() {}
    virtual void OnCommand(WPARAM wParam, WORD code, LPARAM lParam);
    virtual bool OnNotify(int control, UINT code, HWND window, NMHDR* header);

    HWND hwnd = nullptr;  // set when the dialog is initialised
    HINSTANCE instance;   // where the resources come from
    HICON smallIcon = nullptr;
    HICON bigIcon = nullptr;
};

// The dialog DialogProc serves; set by each Dialog's constructor. Only one
// dialog object is in use at a time.
extern Dialog* g_currentDialog;
// The tray icon told about the open dialog, or null; set by DoModal.
extern TrayIcon* g_dialogTrayIcon;

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The procedure of every settings page: commands go on, unchanged, to the
// current dialog's window; notifications of page controls stay on the page.
INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A long path in the static control keeps its drive and last folder and loses
// its middle when drawn, whatever ellipsis the template gave it; the text
// itself stays whole.
void ShortenPathInMiddle(HWND control);

// A message box of two string-table texts (at most 255 characters each), with
// no owner: it stands on its own beside any dialog.
void ShowStringTableBox(HINSTANCE instance, UINT textId, UINT captionId, UINT style);

// Window subclassing through the window property "PrevProc".
void SubclassWindow(HWND window, WNDPROC procedure);
LRESULT CallPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
