// GrabSettings: every option of the program in one plain record.
//
// Each field is named Section.Key after the INI section and key that persist it
// (Properties.SnapType is [Properties] SnapType=). The record holds no handles
// and no heap memory: copying it copies everything, the INI accessor state
// included, which is how the settings dialog works on its own copy.
#pragma once

#include <cstdint>

#include "base/os_version_class.h"
#include "base/types.h"
#include "settings/ini_file.h"

// What Properties.SnapType selects.
enum class GrabType : int32_t {
    Control = 0,
    ClientArea = 1,
    Window = 2,
    Desktop = 3,
    VirtualScreen = 4,
    RectangularArea = 5,
};

// The watermark options: a record of their own, handed alone to the watermark code.
struct WatermarkSettings {
    WatermarkSettings();

    bool Watermark;
    char File[kPathChars];
    bool Stretch;
    int32_t Percent;
    int32_t Width;
    int32_t Height;
    bool Aspect;
    int32_t Style;  // 0 centered, 1 tiled, 2 cornered
    int32_t Rows;
    int32_t Columns;
    int32_t Corner;  // 0 top left, 1 top right, 2 bottom left, 3 bottom right
    float HOffset;
    float VOffset;
};

// What FileStore.Dir holds for "whatever directory is current".
inline constexpr char kCurrentDirectoryDir[] = ".\\";

struct GrabSettings {
    // The defaults depend on the machine in one place: the file type is "jpg"
    // when GDI+ can encode it and "bmp" otherwise. The caller makes that test
    // (IsGdiplusAvailable) so the record itself stays portable.
    explicit GrabSettings(bool gdiplusUsable);

    // Fills the record from "Pixelnook.ini" in the current directory; every
    // missing key keeps its default. Called once, at start-up, on a fresh
    // record. From Windows 2000 on (osClass 6) the file is decrypted first.
    // When the file's full path does not fit a path's 260 characters, nothing
    // is read and the record carries no file.
    void Load(OsVersionClass osClass);
    // Writes every section but Upload to the file the record carries (a copy
    // writes where its original was loaded from), then encrypts the file from
    // Windows 2000 on. A record that carries no file writes nothing.
    void Save(OsVersionClass osClass);

    // State of the INI accessor; never stored in the file. The type is named
    // with :: because the member shares its name.
    ::IniFile IniFile;

    struct {
        int32_t StartPage;  // dialog id of the settings page to open first
    } Runtime;

    struct {
        bool FirstTime;
        bool SettingsOnStart;
        bool Systray;
        bool Taskbar;
        bool RelPaths;
        bool MakeLink;
        bool UserLink;
        char Icons[kPathChars];  // folder of the icon files, ending in a backslash
        int32_t HotKey;          // virtual-key code once loaded; 0 means none
        bool UseAlt;
        bool UseCtrl;
        bool UseShift;
        bool UseWin;
        bool StoreFile;  // true: numbered files; false: the clipboard
        bool ShowCursor;
        int32_t SnapType;  // a GrabType, kept as stored
    } Properties;

    struct {
        char Dir[kPathChars];
        char Name[kPathChars];
        char Ext[kPathChars];
        int32_t Digits;
        int32_t Reduction;
        int32_t Quality;
        int32_t Compression;
    } FileStore;

    struct {
        bool Thumb;
        int32_t Percent;
        int32_t Width;
        int32_t Height;
        bool Aspect;
        bool WMSame;
    } Thumbnail;

    WatermarkSettings Watermark;

    struct {
        bool Fill;
        Colorref Color;
        bool TransFill;
    } BkgndFill;

    struct {
        char Title[kTextChars];
        char Copyright[kTextChars];
        char Docname[kTextChars];
        char Description[kTextChars];
        char Artist[kTextChars];
    } Info;
};
