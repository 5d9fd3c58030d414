#include "app/settings_command.h"

#include "app/grab_app.h"
#include "base/os_version_win.h"
#include "dialogs/settings_dialog_win.h"
#include "resources/resource_ids.h"
#include "shell/activation_win.h"
#include "shell/hot_key_win.h"
#include "shell/startup_link_win.h"
#include "settings/status_text.h"

namespace {

// A second copy of the program, the tray or a key asks again while a dialog
// is open: that dialog comes forward instead of a second one, which would
// take the dialog procedure away from it.
bool BringOpenDialogForward(const GrabApp& app) {
    if (!HasThreadDialog(app.mainWindow)) {
        return false;
    }
    BringToForeground(FindThreadDialog(app.mainWindow));
    return true;
}

// The dialog's hot-key test and OK check leave no grab hot key registered.
void RegisterHotKeyAgain(GrabApp& app) {
    UnregisterHotKey(nullptr, kGrabHotKeyId);
    app.EnsureHotKey();
}

// The tooltip and the title name the hot key, which a registration that
// failed has just cleared.
void RefreshStatus(GrabApp& app) {
    if (app.settings.Properties.Systray) {
        app.tray.SetTip(TooltipText(app.settings).c_str());
        app.tray.Modify();
    }
    app.UpdateWindowTitle();
}

void ApplyConfirmedSettings(GrabApp& app, const GrabSettings& confirmed) {
    const bool hadSystray = app.settings.Properties.Systray;
    const bool hadTaskbar = app.settings.Properties.Taskbar;
    app.settings = confirmed;
    app.settings.Properties.FirstTime = false;
    app.settings.Save(GetOsVersionClass());
    RegisterHotKeyAgain(app);
    const auto& properties = app.settings.Properties;
    if (properties.Systray != hadSystray) {
        if (properties.Systray) {
            app.tray.Add();
        } else {
            app.tray.Delete();
        }
    }
    if (properties.Taskbar != hadTaskbar) {
        app.ApplyTaskbarStyle();
    }
    // The shortcut starts the program where its settings file is.
    UpdateStartupLinks(properties.MakeLink, properties.UserLink,
                       app.settings.IniFile.GetDirectory());
    RefreshStatus(app);
}

void KeepSettingsAfterCancel(GrabApp& app) {
    // The Introduction is shown once, even when its settings are cancelled.
    if (app.settings.Properties.FirstTime) {
        app.settings.Properties.FirstTime = false;
        app.settings.Save(GetOsVersionClass());
    }
    RegisterHotKeyAgain(app);
    RefreshStatus(app);
}

}  // namespace

void RunSettingsCommand(GrabApp& app) {
    if (app.grab.areaPopupShown || BringOpenDialogForward(app)) {
        return;
    }
    SettingsDialog dialog(app.instance, app.settings);
    const bool confirmed = dialog.DoModal(IDD_SETTINGS, app.smallIcon, app.largeIcon, &app.tray);
    if (!IsWindow(app.mainWindow)) {
        // Unload (or the system) closed the main window from inside the
        // dialog, whose loop then ended on the quit message, under Wine as if
        // by OK: the program is ending, so nothing is saved or registered any
        // more and no warning shows.
        return;
    }
    if (confirmed) {
        ApplyConfirmedSettings(app, dialog.settings);
    } else {
        KeepSettingsAfterCancel(app);
    }
    // The next dialog opens at the page last shown.
    app.settings.Runtime.StartPage = dialog.settings.Runtime.StartPage;
    TrimWorkingSet();
    app.grab.ConcealMainWindow();
}

void RunIntroCommand(GrabApp& app) {
    if (BringOpenDialogForward(app)) {
        return;
    }
    Dialog intro(app.instance);
    intro.DoModal(IDD_INTRO, app.smallIcon, app.largeIcon, &app.tray);
}
