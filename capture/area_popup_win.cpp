// The rectangular-area popup is not built yet: until it is, a Rectangular
// area grab shows nothing and takes nothing (every press answers "popup shown,
// nothing to grab").
#include "app/grab_app.h"

bool GrabApp::ToggleAreaPopup() {
    return false;
}
