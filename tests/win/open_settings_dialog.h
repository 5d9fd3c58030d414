// The settings dialog made from its template, modeless, so that a test thread
// can fill its boxes, press its buttons and call its operations itself.
#pragma once

#include <windows.h>

#include <string>

#include "base/os_version_class.h"
#include "dialogs/comctl32_functions_win.h"
#include "dialogs/settings_dialog_win.h"
#include "resources/resource_ids.h"
#include "tests/win/ini_scratch.h"

// The settings the program would load from the scratch folder's file.
inline GrabSettings Loaded(const char* iniText, IniScratch& dir) {
    dir.Write("Pixelnook.ini", iniText);
    GrabSettings settings(true);
    settings.Load(kOsWindows98);
    return settings;
}

// The settings dialog on a copy of the settings, its pages filled.
class OpenDialog {
public:
    explicit OpenDialog(const GrabSettings& settings)
        : dialog(GetModuleHandleA(nullptr), settings) {
        Comctl32Optional().InitCommonControls();  // the list-view and spin classes
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS), nullptr,
                           DialogProc, 0);
    }
    ~OpenDialog() {
        dialog.ReleaseResources();
        DestroyWindow(dialog.hwnd);
    }
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;

    std::string Text(int page, int id) const {
        char text[kPathChars] = "";
        GetDlgItemTextA(dialog.pageWindows[page], id, text, sizeof text);
        return text;
    }
    void Type(int page, int id, const char* text) const {
        SetDlgItemTextA(dialog.pageWindows[page], id, text);
    }
    // A click reaches the dialog through the page, as the user's does.
    void Click(int page, int id) const {
        SendDlgItemMessageA(dialog.pageWindows[page], id, BM_CLICK, 0, 0);
    }
    // The page as if its window could not be made.
    void Lose(int page) {
        DestroyWindow(dialog.pageWindows[page]);
        dialog.pageWindows[page] = nullptr;
    }

    SettingsDialog dialog;
};
