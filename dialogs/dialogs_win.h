// The program's modal dialogs, as the main window's commands open them.
#pragma once

#include <windows.h>

#include "settings/grab_settings.h"

// The settings dialog, opened at settings.Runtime.StartPage.
void OpenSettingsDialog(HINSTANCE instance, HWND owner, GrabSettings& settings);
// The first-run Introduction.
void OpenIntroduction(HINSTANCE instance, HWND owner);
