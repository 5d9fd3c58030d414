// What the settings pages' buttons do (choose the storage folder, take the
// current directory, choose the watermark file, test the hot key) and the
// settings dialog's OK: read every page back, check the upload password and
// save the Upload section, then make sure the hot key can be registered.
//
// The path buttons only change what a page shows; OK takes the shown text.
// They make a path relative to the INI file's folder when the dialog's copy
// says so, which is the value it had when the dialog opened: ticking "Use
// relative paths" counts only from the next OK on.
#include <windows.h>

#include <shlobj.h>

#include <iterator>

#include "base/current_directory_win.h"
#include "base/os_version_win.h"
#include "base/text.h"
#include "encode/gdiplus_available_win.h"
#include "dialogs/comdlg32_functions_win.h"
#include "dialogs/page_values.h"
#include "dialogs/settings_dialog_win.h"
#include "dialogs/settings_pages_win.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "settings/hot_key_text.h"
#include "settings/ini_conversions.h"
#include "settings/upload_settings.h"
#include "shell/hot_key_win.h"
#include "shell/shell32_functions_win.h"

namespace {

// A string-table text, at most 255 characters.
struct LoadedText {
    LoadedText(HINSTANCE instance, UINT id) { LoadStringA(instance, id, text, std::size(text)); }
    char text[kTextChars] = "";
};

void ShowWarning(HINSTANCE instance, UINT textId, UINT captionId) {
    ShowStringTableBox(instance, textId, captionId, MB_ICONEXCLAMATION | MB_OK);
}

// Gives the shell's item list back to the shell's allocator.
void FreeItemList(PIDLIST_ABSOLUTE list) {
    IMalloc* allocator = nullptr;
    auto getMalloc = Shell32Optional().SHGetMalloc;
    if (getMalloc != nullptr && SUCCEEDED(getMalloc(&allocator)) && allocator != nullptr) {
        allocator->Free(list);
        allocator->Release();
    }
}

// The path as the page shows it: relative to the INI file's folder when the
// dialog's copy asks for relative paths.
const char* PathAsChosen(const SettingsDialog& dialog, const char* path) {
    const GrabSettings& settings = dialog.settings;
    return settings.Properties.RelPaths ? MakeRelativePath(path, settings.IniFile.Path) : path;
}

void BrowseForStorageFolder(SettingsDialog& dialog) {
    const Shell32Functions& shell = Shell32Optional();
    if (shell.SHBrowseForFolderA == nullptr || shell.SHGetPathFromIDListA == nullptr) {
        return;
    }
    LoadedText title(dialog.instance, IDS_SELECT_FOLDER_TITLE);
    char displayName[kPathChars] = "";  // the browser writes the folder's name here
    BROWSEINFOA browse = {};
    browse.hwndOwner = dialog.hwnd;  // rooted at the desktop, no flags, no callback
    browse.pszDisplayName = displayName;
    browse.lpszTitle = title.text;
    PIDLIST_ABSOLUTE list = shell.SHBrowseForFolderA(&browse);
    if (list == nullptr) {
        return;  // cancelled
    }
    // A folder without a file-system path (the computer's folder) has nothing
    // to show: the field stays as it was.
    if (shell.SHGetPathFromIDListA(list, dialog.pathScratch)) {
        CopyText(dialog.pathScratch, PathAsChosen(dialog, dialog.pathScratch));
        SetDlgItemTextA(dialog.pageWindows[kPageStorage], IDC_STORE_DIR, dialog.pathScratch);
    }
    FreeItemList(list);
}

void TakeCurrentDirectory(SettingsDialog& dialog) {
    if (!ReadCurrentDirectory(dialog.pathScratch)) {
        // Too long for a path (or gone): the folder is named as the current one.
        CopyText(dialog.pathScratch, kCurrentDirectoryDir);
    } else {
        CopyText(dialog.pathScratch, PathAsChosen(dialog, dialog.pathScratch));
    }
    SetDlgItemTextA(dialog.pageWindows[kPageStorage], IDC_STORE_DIR, dialog.pathScratch);
    CopyText(dialog.pathScratch, kCurrentDirectoryDir);
}

void BrowseForWatermark(SettingsDialog& dialog) {
    auto getOpenFileName = Comdlg32Optional().GetOpenFileNameA;
    if (getOpenFileName == nullptr) {
        return;
    }
    LoadedText allSupported(dialog.instance, IDS_ALL_SUPPORTED);
    LoadedText title(dialog.instance, IDS_SELECT_WATERMARK_TITLE);
    const std::string filter = WatermarkFilter(allSupported.text, IsGdiplusAvailable());
    char file[kPathChars] = "";
    OPENFILENAMEA request = {};
    request.lStructSize = kOpenFileNameSize;
    request.hwndOwner = dialog.hwnd;
    request.lpstrFilter = filter.c_str();
    request.lpstrFile = file;
    request.nMaxFile = std::size(file);
    request.lpstrTitle = title.text;
    request.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (getOpenFileName(&request)) {
        SetDlgItemTextA(dialog.pageWindows[kPageWatermark], IDC_WM_FILE,
                        PathAsChosen(dialog, file));
    }
}

void TestHotKey(SettingsDialog& dialog) {
    // The program's own registration is let go first, or the test would only
    // ever find the key taken by Pixelnook itself. While the dialog stays
    // open no grab hot key is registered; the main window registers it again
    // once the dialog has ended.
    UnregisterHotKey(nullptr, kGrabHotKeyId);
    ReadHotKeyPage(dialog.pageWindows[kPageHotKey], dialog.settings);
    const bool free = RegisterGrabHotKey(dialog.settings);
    SetDlgItemTextA(
        dialog.pageWindows[kPageHotKey], IDC_HOT_KEY_RESULT,
        LoadedText(dialog.instance, free ? IDS_HOTKEY_AVAILABLE : IDS_HOTKEY_ERROR).text);
    UnregisterHotKey(nullptr, kGrabHotKeyId);
}

bool SaveUploadPage(SettingsDialog& dialog) {
    HWND page = dialog.pageWindows[kPageUploads];
    if (page == nullptr) {
        return true;  // no page, nothing entered: the section stays as stored
    }
    const OsVersionClass osClass = GetOsVersionClass();
    UploadSettings stored, entered;
    UploadWipe wipeStored(stored), wipeEntered(entered);
    char confirmation[kTextChars] = "";
    LoadUpload(dialog.settings, stored, osClass);
    GetDlgItemTextA(page, IDC_UPLOAD_SERVER, entered.Server, std::size(entered.Server));
    GetDlgItemTextA(page, IDC_UPLOAD_USER, entered.User, std::size(entered.User));
    GetDlgItemTextA(page, IDC_UPLOAD_PASSWORD, entered.Password, std::size(entered.Password));
    GetDlgItemTextA(page, IDC_UPLOAD_DIR, entered.Dir, std::size(entered.Dir));
    entered.Passive = IsDlgButtonChecked(page, IDC_UPLOAD_PASSIVE) == BST_CHECKED;
    GetDlgItemTextA(page, IDC_UPLOAD_CONFIRM, confirmation, std::size(confirmation));
    const PasswordChoice choice = ChoosePassword(entered.Password, stored.Password, confirmation);
    SecureZeroMemory(confirmation, sizeof confirmation);
    if (choice == PasswordChoice::Mismatch) {
        // Everything stays as the user left it, and nothing is written.
        ShowWarning(dialog.instance, IDS_PASSWORD_MISMATCH, IDS_PASSWORD_MISMATCH_CAPTION);
        return false;
    }
    if (choice == PasswordChoice::KeepStored) {
        CopyText(entered.Password, stored.Password);
    }
    SetDlgItemTextA(page, IDC_UPLOAD_PASSWORD, kPasswordPlaceholder);
    SetDlgItemTextA(page, IDC_UPLOAD_CONFIRM, kPasswordPlaceholder);
    // Written now, whatever the hot-key check below decides.
    SaveUpload(dialog.settings, entered, osClass);
    return true;
}

}  // namespace

void SettingsDialog::OnPageCommand(WORD control) {
    switch (control) {
        case IDC_BROWSE_DIR:
            BrowseForStorageFolder(*this);
            break;
        case IDC_CURRENT_DIR:
            TakeCurrentDirectory(*this);
            break;
        case IDC_BROWSE_WM:
            BrowseForWatermark(*this);
            break;
        case IDC_TEST_HOT_KEY:
            TestHotKey(*this);
            break;
        default:
            break;
    }
}

bool SettingsDialog::OnOK() {
    ReadPages(pageWindows, settings);
    if (!SaveUploadPage(*this)) {
        return false;
    }
    if (HWND watermark = pageWindows[kPageWatermark]) {
        char offset[kFloatTextChars] = "";  // 31 characters, as in the INI file
        GetDlgItemTextA(watermark, IDC_WM_HOFFSET, offset, std::size(offset));
        settings.Watermark.HOffset = ParseFloat(offset, settings.Watermark.HOffset);
        GetDlgItemTextA(watermark, IDC_WM_VOFFSET, offset, std::size(offset));
        settings.Watermark.VOffset = ParseFloat(offset, settings.Watermark.VOffset);
    }
    // The dialog may close only with a hot key that can be registered. The
    // key is let go again at once: the main window registers it for good.
    // Without a key (the system refused it and the user picked none) there is
    // nothing to check: the other pages still take effect.
    UnregisterHotKey(nullptr, kGrabHotKeyId);
    if (settings.Properties.HotKey != kNoHotKey) {
        if (!RegisterGrabHotKey(settings)) {
            ShowWarning(instance, IDS_HOTKEY_ERROR, IDS_HOTKEY_ERROR_CAPTION);
            return false;
        }
        UnregisterHotKey(nullptr, kGrabHotKeyId);
    }
    ReleaseResources();
    return true;
}
