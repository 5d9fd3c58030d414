#include "settings/settings_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes down what a visitor is handed, in order, as "Section Key kind".
class Recorder {
public:
    std::vector<std::string> keys;

    void Section(const char* name) { section_ = name; }
    void Bool(const char* key, bool&) { Add(key, "bool"); }
    void Int(const char* key, int32_t&) { Add(key, "int"); }
    void Float(const char* key, float&) { Add(key, "float"); }
    template <size_t N>
    void Text(const char* key, char (&)[N]) {
        Add(key, "text" + std::to_string(N));
    }
    void HotKey(const char* key, int32_t&) { Add(key, "hotkey"); }
    void Color(const char* red, const char* green, const char* blue, Colorref&) {
        Add(red, "int");
        Add(green, "int");
        Add(blue, "int");
    }

private:
    void Add(const char* key, const std::string& kind) {
        keys.push_back(section_ + " " + key + " " + kind);
    }
    std::string section_;
};

}  // namespace

TEST(SettingsKeys, TableOrderSectionsAndKinds) {
    const std::vector<std::string> expected = {
        "Properties FirstTime bool",  "Properties SettingsOnStart bool",
        "Properties Systray bool",    "Properties Taskbar bool",
        "Properties RelPaths bool",   "Properties MakeLink bool",
        "Properties UserLink bool",   "Properties Icons text260",
        "Properties HotKey hotkey",   "Properties UseAlt bool",
        "Properties UseCtrl bool",    "Properties UseShift bool",
        "Properties UseWin bool",     "Properties StoreFile bool",
        "Properties ShowCursor bool", "Properties SnapType int",
        "FileStore Dir text260",      "FileStore Name text260",
        "FileStore Ext text260",      "FileStore Digits int",
        "FileStore Reduction int",    "FileStore Quality int",
        "FileStore Compression int",  "Thumbnail Thumb bool",
        "Thumbnail Percent int",      "Thumbnail Width int",
        "Thumbnail Height int",       "Thumbnail Aspect bool",
        "Thumbnail WMSame bool",      "Watermark Watermark bool",
        "Watermark File text260",     "Watermark Stretch bool",
        "Watermark Percent int",      "Watermark Width int",
        "Watermark Height int",       "Watermark Aspect bool",
        "Watermark Style int",        "Watermark Rows int",
        "Watermark Columns int",      "Watermark Corner int",
        "Watermark HOffset float",    "Watermark VOffset float",
        "BkgndFill Fill bool",        "BkgndFill Red int",
        "BkgndFill Green int",        "BkgndFill Blue int",
        "BkgndFill TransFill bool",   "Info Title text256",
        "Info Copyright text256",     "Info Docname text256",
        "Info Description text256",   "Info Artist text256",
    };
    GrabSettings settings(true);
    Recorder recorder;
    VisitSettingsKeys(settings, recorder);
    EXPECT_EQ(recorder.keys, expected);
}
