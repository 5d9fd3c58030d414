// The rectangular-area popup is not built yet: until it is, a Rectangular
// area grab shows nothing and takes nothing (every press answers "popup shown,
// nothing to grab").
#include "capture/screen_grab_win.h"

bool ScreenGrab::ToggleAreaPopup() {
    return false;
}
