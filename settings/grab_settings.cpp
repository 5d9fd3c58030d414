#include "settings/grab_settings.h"

#include "base/text.h"
#include "resources/resource_ids.h"

namespace {

// The hot key as the INI file stores it: function-key number 10, i.e. F10.
// Loading turns it into the virtual-key code.
constexpr int32_t kDefaultHotKeyIniForm = 10;
constexpr Colorref kMagenta = MakeColorref(255, 0, 255);

}  // namespace

WatermarkSettings::WatermarkSettings()
    : Watermark(false),
      File{},
      Stretch(false),
      Percent(0),
      Width(0),
      Height(0),
      Aspect(true),
      Style(2),
      Rows(1),
      Columns(1),
      Corner(3),
      HOffset(0.0f),
      VOffset(0.0f) {
    CopyText(File, ".\\marks\\mark.png");
}

GrabSettings::GrabSettings(bool gdiplusUsable)
    : IniFile{},
      Runtime{},
      Properties{},
      FileStore{},
      Thumbnail{},
      Watermark(),
      BkgndFill{},
      Info{} {
    Runtime.StartPage = IDD_PAGE_GENERAL;

    Properties.FirstTime = true;
    Properties.SettingsOnStart = false;
    Properties.Systray = true;
    Properties.Taskbar = false;
    Properties.RelPaths = true;
    Properties.MakeLink = false;
    Properties.UserLink = false;
    CopyText(Properties.Icons, ".\\icons\\");
    Properties.HotKey = kDefaultHotKeyIniForm;
    Properties.UseAlt = false;
    Properties.UseCtrl = false;
    Properties.UseShift = false;
    Properties.UseWin = true;

    BkgndFill.Fill = false;
    BkgndFill.Color = kMagenta;
    BkgndFill.TransFill = false;

    Properties.StoreFile = true;
    Properties.ShowCursor = false;
    Properties.SnapType = static_cast<int32_t>(GrabType::Window);

    CopyText(FileStore.Dir, kCurrentDirectoryDir);
    CopyText(FileStore.Name, "screencap_");
    CopyText(FileStore.Ext, gdiplusUsable ? "jpg" : "bmp");
    FileStore.Digits = 3;
    FileStore.Reduction = 3;
    FileStore.Quality = 75;
    FileStore.Compression = 0;

    Thumbnail.Thumb = true;
    Thumbnail.Percent = 25;
    Thumbnail.Width = 0;
    Thumbnail.Height = 0;
    Thumbnail.Aspect = true;
    Thumbnail.WMSame = true;
}
