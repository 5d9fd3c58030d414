// The keys of "Pixelnook.ini" in the order Load reads and Save writes them.
//
// One list serves both directions, so the two cannot drift apart: Load and
// Save each pass a visitor that reads or writes the field it is handed. A
// visitor offers Section(name), Bool, Int, Float and Text (key, field),
// HotKey(key, field) for the key kept in its INI form, and Color(red key,
// green key, blue key, field) for the colour kept as three numbers. The Upload
// section is not here: the upload settings are read on demand, apart from the
// record.
#pragma once

#include "settings/grab_settings.h"

template <typename Visitor>
void VisitSettingsKeys(GrabSettings& s, Visitor& v) {
    v.Section("Properties");
    v.Bool("FirstTime", s.Properties.FirstTime);
    v.Bool("SettingsOnStart", s.Properties.SettingsOnStart);
    v.Bool("Systray", s.Properties.Systray);
    v.Bool("Taskbar", s.Properties.Taskbar);
    v.Bool("RelPaths", s.Properties.RelPaths);
    v.Bool("MakeLink", s.Properties.MakeLink);
    v.Bool("UserLink", s.Properties.UserLink);
    v.Text("Icons", s.Properties.Icons);
    v.HotKey("HotKey", s.Properties.HotKey);
    v.Bool("UseAlt", s.Properties.UseAlt);
    v.Bool("UseCtrl", s.Properties.UseCtrl);
    v.Bool("UseShift", s.Properties.UseShift);
    v.Bool("UseWin", s.Properties.UseWin);
    v.Bool("StoreFile", s.Properties.StoreFile);
    v.Bool("ShowCursor", s.Properties.ShowCursor);
    v.Int("SnapType", s.Properties.SnapType);

    v.Section("FileStore");
    v.Text("Dir", s.FileStore.Dir);
    v.Text("Name", s.FileStore.Name);
    v.Text("Ext", s.FileStore.Ext);
    v.Int("Digits", s.FileStore.Digits);
    v.Int("Reduction", s.FileStore.Reduction);
    v.Int("Quality", s.FileStore.Quality);
    v.Int("Compression", s.FileStore.Compression);

    v.Section("Thumbnail");
    v.Bool("Thumb", s.Thumbnail.Thumb);
    v.Int("Percent", s.Thumbnail.Percent);
    v.Int("Width", s.Thumbnail.Width);
    v.Int("Height", s.Thumbnail.Height);
    v.Bool("Aspect", s.Thumbnail.Aspect);
    v.Bool("WMSame", s.Thumbnail.WMSame);

    v.Section("Watermark");
    v.Bool("Watermark", s.Watermark.Watermark);
    v.Text("File", s.Watermark.File);
    v.Bool("Stretch", s.Watermark.Stretch);
    v.Int("Percent", s.Watermark.Percent);
    v.Int("Width", s.Watermark.Width);
    v.Int("Height", s.Watermark.Height);
    v.Bool("Aspect", s.Watermark.Aspect);
    v.Int("Style", s.Watermark.Style);
    v.Int("Rows", s.Watermark.Rows);
    v.Int("Columns", s.Watermark.Columns);
    v.Int("Corner", s.Watermark.Corner);
    v.Float("HOffset", s.Watermark.HOffset);
    v.Float("VOffset", s.Watermark.VOffset);

    v.Section("BkgndFill");
    v.Bool("Fill", s.BkgndFill.Fill);
    v.Color("Red", "Green", "Blue", s.BkgndFill.Color);
    v.Bool("TransFill", s.BkgndFill.TransFill);

    v.Section("Info");
    v.Text("Title", s.Info.Title);
    v.Text("Copyright", s.Info.Copyright);
    v.Text("Docname", s.Info.Docname);
    v.Text("Description", s.Info.Description);
    v.Text("Artist", s.Info.Artist);
}
