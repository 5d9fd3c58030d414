// The main window's dialog commands: the settings dialog with what follows a
// confirmed or cancelled run, and the first-run Introduction.
#pragma once

class GrabApp;

// IDM_SETTINGS: runs the settings dialog at settings.Runtime.StartPage on a
// copy of the settings, and applies the copy at once when it ends with OK. An
// open dialog is brought forward instead.
void RunSettingsCommand(GrabApp& app);

// IDM_INTRO: runs the Introduction; the caller then opens the Help page.
void RunIntroCommand(GrabApp& app);
