// A person changes something on every settings page, chooses the storage
// folder and the watermark file, and presses OK: the file then holds exactly
// those changes. The storage folder is taken with "Set to current": the
// shell's folder browser is opened without a box to type a path into, and
// choosing in its tree would mean reading the tree's items from another
// process. The watermark file is chosen in the real open-file dialog by
// typing its path.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/os_version_win.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "settings/grab_settings.h"
#include "settings/upload_settings.h"
#include "tests/support/pixelnook_driver.h"
#include "tests/support/settings_dialog_view.h"

using namespace e2e;

namespace {

// Every key in the order the program writes them, laid out as Wine writes
// the file; the dialog opens at start-up.
constexpr char kBefore[] =
    "[Properties]\r\nFirstTime=0\r\nSettingsOnStart=1\r\nSystray=0\r\nTaskbar=0\r\nRelPaths=1\r\n"
    "MakeLink=0\r\nUserLink=0\r\nIcons=.\\icons\\\r\nHotKey=10\r\nUseAlt=0\r\nUseCtrl=0\r\n"
    "UseShift=0\r\nUseWin=1\r\nStoreFile=1\r\nShowCursor=0\r\nSnapType=2\r\n"
    "[FileStore]\r\nDir=.\\\r\nName=screencap_\r\nExt=jpg\r\nDigits=3\r\nReduction=3\r\n"
    "Quality=75\r\nCompression=0\r\n"
    "[Thumbnail]\r\nThumb=1\r\nPercent=25\r\nWidth=0\r\nHeight=0\r\nAspect=1\r\nWMSame=1\r\n"
    "[Watermark]\r\nWatermark=0\r\nFile=.\\marks\\mark.png\r\nStretch=0\r\nPercent=0\r\n"
    "Width=0\r\nHeight=0\r\nAspect=1\r\nStyle=2\r\nRows=1\r\nColumns=1\r\nCorner=3\r\n"
    "HOffset=2.5\r\nVOffset=0\r\n"
    "[BkgndFill]\r\nFill=0\r\nRed=255\r\nGreen=0\r\nBlue=255\r\nTransFill=0\r\n"
    "[Info]\r\nTitle=\r\nCopyright=\r\nDocname=\r\nDescription=\r\nArtist=\r\n"
    "[Upload]\r\nServer=\r\nUser=\r\nDir=\r\nPort=\r\nService=\r\nPassive=1\r\nPassword=00\r\n";

// The open-file dialog's file name box: an extended combo box (cmb13)
// around a combo box around the edit box typed into.
constexpr int kFileNameBox = 0x47c;

// The text with the key of that section set to value.
std::string WithValue(std::string text, const std::string& section, const std::string& key,
                      const std::string& value) {
    const size_t line = text.find("\r\n" + key + "=", text.find("[" + section + "]"));
    if (line == std::string::npos)
        return text;  // not (yet) in the file
    const size_t at = line + 3 + key.size();
    return text.replace(at, text.find("\r\n", at) - at, value);
}

// Chooses the file in the open-file dialog the button opens, by typing its path.
bool ChooseWatermark(const SettingsDialogView& settings, const PixelnookProcess& pixelnook,
                     const std::string& path) {
    // Posted: the button's dialog runs until it is answered.
    PostMessageA(GetDlgItem(settings.Page("Watermark"), IDC_BROWSE_WM), BM_CLICK, 0, 0);
    HWND open = pixelnook.WaitFor("#32770", TEXT_SELECT_WATERMARK_TITLE);
    if (open == nullptr)
        return false;
    HWND combo = FindWindowExA(GetDlgItem(open, kFileNameBox), nullptr, "ComboBox", nullptr);
    SetWindowTextA(FindWindowExA(combo, nullptr, "Edit", nullptr), path.c_str());
    PostMessageA(open, WM_COMMAND, IDOK, 0);
    return WaitUntil([&] { return !IsWindow(open); });
}

}  // namespace

TEST(SettingsOk, AChangeOnEveryPageIsWhatTheFileHoldsAfterOk) {
    // Without GDI+ the extension list holds only "bmp": the stored "jpg" stays.
    AppDefault noGdiplus("DllOverrides", "gdiplus", "");
    ScratchDir dir;
    // The program's folder is the INI file's: relative to the file, it is
    // named from the folder above.
    const std::string here = "..\\" + dir.Path().substr(dir.Path().rfind('\\') + 1);
    enum Action { kClick, kType, kSelect };
    const struct {
        const char* page;
        int control;
        Action action;
        const char* typed;  // or the item's index
        const char* section;
        const char* key;
        std::string stored;
    } changes[] = {
        {"General", IDC_USER_LINK, kClick, "", "Properties", "UserLink", "1"},
        {"Hot key", IDC_HOT_KEY, kSelect, "7", "Properties", "HotKey", "8"},
        {"Type", IDC_TYPE_DESKTOP, kClick, "", "Properties", "SnapType", "3"},
        {"Storage", IDC_CURRENT_DIR, kClick, "", "FileStore", "Dir", here},
        {"Storage", IDC_PREFIX, kType, "grab-", "FileStore", "Name", "grab-"},
        {"Thumbnail", IDC_THUMB_PERCENT, kType, "50", "Thumbnail", "Percent", "50"},
        {"Watermark", IDC_WM_TILED, kClick, "", "Watermark", "Style", "1"},
        {"Backfills", IDC_FILL_RED, kType, "300", "BkgndFill", "Red", "44"},
        {"Image info", IDC_INFO_TITLE, kType, "Holiday", "Info", "Title", "Holiday"},
        {"Uploads", IDC_UPLOAD_SERVER, kType, "ftp.example.net", "Upload", "Server",
         "ftp.example.net"},
        {"Uploads", IDC_UPLOAD_PASSWORD, kType, "s3cret", "Upload", "Password", "(protected)"},
        {"Uploads", IDC_UPLOAD_CONFIRM, kType, "s3cret", "Upload", "Password", "(protected)"},
    };
    CreateDirectoryA(dir.FilePath("marks").c_str(), nullptr);
    dir.WriteFile("marks\\logo.bmp", "BM");
    PixelnookProcess pixelnook;
    ASSERT_TRUE(pixelnook.Start(dir, kBefore));
    SettingsDialogView settings(pixelnook);
    ASSERT_NE(settings.dialog, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(settings.Page("Storage"), IDC_EXT), CB_GETCOUNT, 0, 0), 1);
    std::string expected = kBefore;
    for (const auto& change : changes) {
        HWND control = GetDlgItem(settings.Page(change.page), change.control);
        ASSERT_NE(control, nullptr) << change.page << " " << change.control;
        if (change.action == kClick)
            SendMessageA(control, BM_CLICK, 0, 0);
        else if (change.action == kType)
            SetWindowTextA(control, change.typed);
        else
            SendMessageA(control, CB_SETCURSEL, std::stoi(change.typed), 0);
        expected = WithValue(expected, change.section, change.key, change.stored);
    }
    ASSERT_TRUE(ChooseWatermark(settings, pixelnook, dir.FilePath("marks\\logo.bmp")));
    expected = WithValue(expected, "Watermark", "File", ".\\marks\\logo.bmp");
    settings.Click(IDOK);

    // The protected password differs with every save: it is read back instead.
    auto saved = [&] {
        return WithValue(FileBytes(dir.FilePath("Pixelnook.ini")), "Upload", "Password",
                         "(protected)");
    };
    EXPECT_TRUE(WaitUntil([&] { return saved() == expected; })) << saved();
    GrabSettings read(false);
    read.IniFile.OpenIn(dir.Path().c_str(), "Pixelnook.ini");
    UploadSettings upload;
    UploadWipe wipe(upload);
    LoadUpload(read, upload, GetOsVersionClass());
    EXPECT_STREQ(upload.Password, "s3cret");
}
