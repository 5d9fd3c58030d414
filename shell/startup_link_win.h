// The start-up shortcut: "Pixelnook.lnk" in the user's or the common Startup
// folder, so that the program starts when the user logs on.
#pragma once

#include <windows.h>

// Special-folder ids of the two Startup folders.
constexpr int kUserStartupFolder = 7;     // CSIDL_STARTUP
constexpr int kCommonStartupFolder = 24;  // CSIDL_COMMON_STARTUP

// Brings the two folders in line with the settings: with makeLink, a shortcut
// to the running program (working directory workingDirectory, the folder of
// its INI file) in the user's folder when userLink is set, else in the common
// one; no shortcut in the other folder, nor in either without makeLink.
// Failures are silent.
void UpdateStartupLinks(bool makeLink, bool userLink, const char* workingDirectory);

// Writes a shell shortcut at linkPath (replacing any file of that name); the
// COM result, negative on failure. COM must be initialised for the thread.
HRESULT CreateShellLink(const char* target, const char* workingDirectory, const char* linkPath,
                        const char* description);
