// AboutDialog: a dialog with its own copy of the settings, whose
// initialisation fills the About page's summary of those settings. The
// settings dialog builds on it.
#pragma once

#include <string>

#include "dialogs/dialog_win.h"
#include "settings/grab_settings.h"

class AboutDialog : public Dialog {
public:
    AboutDialog(HINSTANCE instance, const GrabSettings& settings);

    // Fills the current-settings summary of the About page, which is hwnd.
    void OnInitDialog() override;

    std::string HotKeyText() const;
    std::string GrabTypeName() const;

    GrabSettings settings;
};
