#include "settings/grab_settings.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(GrabSettingsDefaults, EveryFieldAsShipped) {
    const GrabSettings s(true);
    EXPECT_STREQ(s.IniFile.Directory, "");
    EXPECT_STREQ(s.IniFile.Path, "");
    EXPECT_STREQ(s.IniFile.Section, "");
    EXPECT_EQ(s.Runtime.StartPage, 118);

    EXPECT_TRUE(s.Properties.FirstTime);
    EXPECT_FALSE(s.Properties.SettingsOnStart);
    EXPECT_TRUE(s.Properties.Systray);
    EXPECT_FALSE(s.Properties.Taskbar);
    EXPECT_TRUE(s.Properties.RelPaths);
    EXPECT_FALSE(s.Properties.MakeLink);
    EXPECT_FALSE(s.Properties.UserLink);
    EXPECT_STREQ(s.Properties.Icons, ".\\icons\\");
    EXPECT_EQ(s.Properties.HotKey, 10);  // the INI form of F10 until loaded
    EXPECT_FALSE(s.Properties.UseAlt);
    EXPECT_FALSE(s.Properties.UseCtrl);
    EXPECT_FALSE(s.Properties.UseShift);
    EXPECT_TRUE(s.Properties.UseWin);
    EXPECT_TRUE(s.Properties.StoreFile);
    EXPECT_FALSE(s.Properties.ShowCursor);
    EXPECT_EQ(s.Properties.SnapType, static_cast<int32_t>(GrabType::Window));

    EXPECT_STREQ(s.FileStore.Dir, ".\\");
    EXPECT_STREQ(s.FileStore.Name, "screencap_");
    EXPECT_STREQ(s.FileStore.Ext, "jpg");
    EXPECT_EQ(s.FileStore.Digits, 3);
    EXPECT_EQ(s.FileStore.Reduction, 3);
    EXPECT_EQ(s.FileStore.Quality, 75);
    EXPECT_EQ(s.FileStore.Compression, 0);

    EXPECT_TRUE(s.Thumbnail.Thumb);
    EXPECT_EQ(s.Thumbnail.Percent, 25);
    EXPECT_EQ(s.Thumbnail.Width, 0);
    EXPECT_EQ(s.Thumbnail.Height, 0);
    EXPECT_TRUE(s.Thumbnail.Aspect);
    EXPECT_TRUE(s.Thumbnail.WMSame);

    EXPECT_FALSE(s.Watermark.Watermark);
    EXPECT_STREQ(s.Watermark.File, ".\\marks\\mark.png");
    EXPECT_FALSE(s.Watermark.Stretch);
    EXPECT_EQ(s.Watermark.Percent, 0);
    EXPECT_EQ(s.Watermark.Width, 0);
    EXPECT_EQ(s.Watermark.Height, 0);
    EXPECT_TRUE(s.Watermark.Aspect);
    EXPECT_EQ(s.Watermark.Style, 2);
    EXPECT_EQ(s.Watermark.Rows, 1);
    EXPECT_EQ(s.Watermark.Columns, 1);
    EXPECT_EQ(s.Watermark.Corner, 3);
    EXPECT_EQ(s.Watermark.HOffset, 0.0f);
    EXPECT_EQ(s.Watermark.VOffset, 0.0f);

    EXPECT_FALSE(s.BkgndFill.Fill);
    EXPECT_EQ(s.BkgndFill.Color, 0x00FF00FFu);  // magenta: red 255, blue 255
    EXPECT_FALSE(s.BkgndFill.TransFill);

    EXPECT_STREQ(s.Info.Title, "");
    EXPECT_STREQ(s.Info.Copyright, "");
    EXPECT_STREQ(s.Info.Docname, "");
    EXPECT_STREQ(s.Info.Description, "");
    EXPECT_STREQ(s.Info.Artist, "");
}

TEST(GrabSettingsDefaults, BmpWithoutGdiplus) {
    EXPECT_STREQ(GrabSettings(false).FileStore.Ext, "bmp");
}

TEST(GrabSettingsDefaults, CopiesAreIndependentValues) {
    GrabSettings original(true);
    GrabSettings copy = original;
    copy.Properties.SnapType = 4;
    strcpy(copy.IniFile.Path, "C:\\elsewhere\\Pixelnook.ini");
    copy.Watermark.Rows = 7;
    EXPECT_EQ(original.Properties.SnapType, 2);
    EXPECT_STREQ(original.IniFile.Path, "");
    EXPECT_EQ(original.Watermark.Rows, 1);

    original = copy;
    EXPECT_EQ(original.Properties.SnapType, 4);
    EXPECT_STREQ(original.IniFile.Path, "C:\\elsewhere\\Pixelnook.ini");
    EXPECT_EQ(original.Watermark.Rows, 7);
}
