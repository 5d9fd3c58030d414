// The settings dialog and the Introduction are not built yet: until they are,
// the Settings, About, Help and Intro commands open nothing and change no
// setting.
#include "dialogs/dialogs_win.h"

void OpenSettingsDialog(HINSTANCE, HWND, GrabSettings&) {}

void OpenIntroduction(HINSTANCE, HWND) {}
