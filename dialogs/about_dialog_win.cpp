// AboutDialog: the About page's current-settings summary, written into the
// page's statics from the object's own copy of the settings.
#include "dialogs/about_dialog_win.h"

#include "base/current_directory_win.h"
#include "base/limits.h"
#include "dialogs/about_summary.h"
#include "resources/resource_ids.h"
#include "settings/hot_key_text.h"
#include "settings/status_text.h"

AboutDialog::AboutDialog(HINSTANCE instance_, const GrabSettings& settings_)
    : Dialog(instance_), settings(settings_) {}

void AboutDialog::OnInitDialog() {
    char currentDirectory[kPathChars] = "";
    ReadCurrentDirectory(currentDirectory);  // left empty rather than cut
    const AboutSummary summary = SummarizeSettings(settings, currentDirectory);
    SetDlgItemTextA(hwnd, IDC_ABOUT_HOT_KEY, summary.hotKey.c_str());
    SetDlgItemTextA(hwnd, IDC_ABOUT_TYPE, summary.type.c_str());
    SetDlgItemTextA(hwnd, IDC_ABOUT_DIR, summary.directory.c_str());
    HWND directory = GetDlgItem(hwnd, IDC_ABOUT_DIR);
    ShortenPathInMiddle(directory);
    InvalidateRect(directory, nullptr, TRUE);
    SetDlgItemTextA(hwnd, IDC_ABOUT_THUMBNAIL, summary.thumbnail.c_str());
    SetDlgItemTextA(hwnd, IDC_ABOUT_WATERMARK, summary.watermark.c_str());
}

std::string AboutDialog::HotKeyText() const {
    return ::HotKeyText(settings);
}

std::string AboutDialog::GrabTypeName() const {
    return ::GrabTypeName(settings);
}
