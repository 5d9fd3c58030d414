// Foreground activation, dialog detection and working-set trimming: small
// services the shell shares.
#pragma once

#include <windows.h>

// Forces a visible window of this program to the foreground, although the
// program is usually not the foreground process.
void BringToForeground(HWND window);

// Whether a dialog (class "#32770", message boxes included) is among the
// top-level windows of the thread that owns the given window.
bool HasThreadDialog(HWND window);
HWND FindThreadDialog(HWND window);

// Gives memory back to the system after a burst of work (NT family only).
void TrimWorkingSet();
