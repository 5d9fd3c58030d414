// Filling each settings page from the dialog's copy of the settings when the
// dialog opens, and reading it back on OK. The pages hold no state of their
// own: everything lives in the settings copy and in the controls.
#pragma once

#include <windows.h>

#include "dialogs/settings_dialog_win.h"

// Fills every page (the Uploads page from the INI file's Upload section).
void FillPages(const HWND (&pages)[kSettingsPageCount], GrabSettings& settings);

// Reads every page but the Uploads page and the watermark offsets back into
// settings, in the order OK takes them.
void ReadPages(const HWND (&pages)[kSettingsPageCount], GrabSettings& settings);

// The Hot key page's key and modifiers, as OK and Test for use read them.
void ReadHotKeyPage(HWND page, GrabSettings& settings);
