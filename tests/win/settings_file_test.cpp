// Load and Save of the settings record against real files through the
// profile functions, as Wine provides them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/text.h"
#include "settings/grab_settings.h"
#include "settings/settings_keys.h"
#include "tests/win/ini_scratch.h"

namespace {

// Every field of the key list written down as "Section.Key=value", so two
// records can be compared field by field and a failure names the field.
class Dumper {
public:
    std::vector<std::string> fields;

    void Section(const char* name) { section_ = name; }
    void Bool(const char* key, bool& f) { Add(key, f ? "true" : "false"); }
    void Int(const char* key, int32_t& f) { Add(key, std::to_string(f)); }
    void Float(const char* key, float& f) { Add(key, std::to_string(f)); }
    template <size_t N>
    void Text(const char* key, char (&f)[N]) {
        Add(key, std::string(f, strnlen(f, N)));
    }
    void HotKey(const char* key, int32_t& f) { Add(key, std::to_string(f)); }
    void Color(const char* red, const char*, const char*, Colorref& f) {
        Add(red, std::to_string(f));
    }

private:
    void Add(const char* key, const std::string& value) {
        fields.push_back(section_ + "." + key + "=" + value);
    }
    std::string section_;
};

std::vector<std::string> Dump(GrabSettings& s) {
    Dumper dumper;
    VisitSettingsKeys(s, dumper);
    return dumper.fields;
}

// Gives every field of the key list a value unlike its default (texts with
// spaces and backslashes, negative and fractional numbers).
class Changer {
public:
    void Section(const char*) {}
    void Bool(const char*, bool& f) { f = !f; }
    void Int(const char*, int32_t& f) { f += 3 + ++n_; }
    void Float(const char*, float& f) { f = -12.25f + ++n_; }
    template <size_t N>
    void Text(const char* key, char (&f)[N]) {
        CopyText(f, (std::string("C:\\my ") + key + " " + std::to_string(++n_) + "\\").c_str());
    }
    void HotKey(const char*, int32_t& f) { f = 44; }
    void Color(const char*, const char*, const char*, Colorref& f) {
        f = MakeColorref(1, 128, 254);
    }

private:
    int32_t n_ = 0;
};

// A record as start-up has it: constructed, then loaded.
GrabSettings Loaded(OsVersionClass osClass = kOsWindows98) {
    GrabSettings s(false);
    s.Load(osClass);
    return s;
}

const char kDefaultFileText[] =
    "[Properties]\r\n"
    "FirstTime=1\r\n"
    "SettingsOnStart=0\r\n"
    "Systray=1\r\n"
    "Taskbar=0\r\n"
    "RelPaths=1\r\n"
    "MakeLink=0\r\n"
    "UserLink=0\r\n"
    "Icons=.\\icons\\\r\n"
    "HotKey=10\r\n"
    "UseAlt=0\r\n"
    "UseCtrl=0\r\n"
    "UseShift=0\r\n"
    "UseWin=1\r\n"
    "StoreFile=1\r\n"
    "ShowCursor=0\r\n"
    "SnapType=2\r\n"
    "[FileStore]\r\n"
    "Dir=.\\\r\n"
    "Name=screencap_\r\n"
    "Ext=bmp\r\n"
    "Digits=3\r\n"
    "Reduction=3\r\n"
    "Quality=75\r\n"
    "Compression=0\r\n"
    "[Thumbnail]\r\n"
    "Thumb=1\r\n"
    "Percent=25\r\n"
    "Width=0\r\n"
    "Height=0\r\n"
    "Aspect=1\r\n"
    "WMSame=1\r\n"
    "[Watermark]\r\n"
    "Watermark=0\r\n"
    "File=.\\marks\\mark.png\r\n"
    "Stretch=0\r\n"
    "Percent=0\r\n"
    "Width=0\r\n"
    "Height=0\r\n"
    "Aspect=1\r\n"
    "Style=2\r\n"
    "Rows=1\r\n"
    "Columns=1\r\n"
    "Corner=3\r\n"
    "HOffset=0\r\n"
    "VOffset=0\r\n"
    "[BkgndFill]\r\n"
    "Fill=0\r\n"
    "Red=255\r\n"
    "Green=0\r\n"
    "Blue=255\r\n"
    "TransFill=0\r\n"
    "[Info]\r\n"
    "Title=\r\n"
    "Copyright=\r\n"
    "Docname=\r\n"
    "Description=\r\n"
    "Artist=\r\n";

// The profile functions may separate sections with an empty line; the
// comparison is about sections, keys, order and value forms.
std::string WithoutEmptyLines(std::string text) {
    for (size_t at; (at = text.find("\r\n\r\n")) != std::string::npos;) {
        text.erase(at, 2);
    }
    return text;
}

}  // namespace

TEST(SettingsFile, MissingFileGivesTheDefaults) {
    IniScratch dir;
    GrabSettings s = Loaded();
    GrabSettings defaults(false);
    defaults.Properties.HotKey = 121;  // F10: Load turns the INI form into the key
    EXPECT_EQ(Dump(s), Dump(defaults));
    EXPECT_EQ(std::string(s.IniFile.GetPath()), dir.IniPath());
    EXPECT_EQ(std::string(s.IniFile.GetDirectory()), dir.Path());
    EXPECT_FALSE(dir.HasIni()) << "loading must not create the file";
}

TEST(SettingsFile, SavedDefaultsReadAsTheKeyTable) {
    IniScratch dir;
    GrabSettings s = Loaded();
    s.Save(kOsWindows98);
    EXPECT_EQ(WithoutEmptyLines(dir.ReadIni()), kDefaultFileText);
}

TEST(SettingsFile, SaveThenLoadRoundTripsEveryField) {
    IniScratch dir;
    GrabSettings s = Loaded();
    Changer changer;
    VisitSettingsKeys(s, changer);
    s.Save(kOsWindows98);

    GrabSettings back = Loaded();
    EXPECT_EQ(Dump(back), Dump(s));
    // Every field was changed, so a field that is not carried shows.
    GrabSettings fresh(false);
    const std::vector<std::string> changed = Dump(s), defaults = Dump(fresh);
    for (size_t i = 0; i < changed.size(); ++i)
        EXPECT_NE(changed[i], defaults[i]);
}

TEST(SettingsFile, HotKeyForms) {
    const struct {
        const char* stored;
        int32_t virtualKey;
        const char* saved;
    } cases[] = {
        {"44", 44, "HotKey=44\r\n"}, {"10", 121, "HotKey=10\r\n"}, {"0", 111, "HotKey=0\r\n"}};
    for (const auto& c : cases) {
        IniScratch dir;
        dir.WriteIni(std::string("[Properties]\r\nHotKey=") + c.stored + "\r\n");
        GrabSettings s = Loaded();
        EXPECT_EQ(s.Properties.HotKey, c.virtualKey) << c.stored;
        s.Save(kOsWindows98);
        EXPECT_NE(dir.ReadIni().find(c.saved), std::string::npos) << c.stored;
    }
}

TEST(SettingsFile, BoolsAreSetOnlyByOne) {
    IniScratch dir;
    dir.WriteIni("[Properties]\r\nSystray=2\r\nTaskbar=1\r\nUseWin=yes\r\nFirstTime=-1\r\n");
    GrabSettings s = Loaded();
    EXPECT_FALSE(s.Properties.Systray);
    EXPECT_TRUE(s.Properties.Taskbar);
    EXPECT_FALSE(s.Properties.UseWin);
    EXPECT_FALSE(s.Properties.FirstTime);
}

TEST(SettingsFile, EmptyTextKeepsTheDefault) {
    IniScratch dir;
    dir.WriteIni("[FileStore]\r\nName=\r\nExt=gif\r\n");
    GrabSettings s = Loaded();
    EXPECT_STREQ(s.FileStore.Name, "screencap_");
    EXPECT_STREQ(s.FileStore.Ext, "gif");
}

TEST(SettingsFile, FloatsReadAndWriteAsPercentG) {
    IniScratch dir;
    dir.WriteIni("[Watermark]\r\nHOffset=abc\r\nVOffset=2.5\r\n");
    GrabSettings s = Loaded();
    EXPECT_EQ(s.Watermark.HOffset, 0.0f);
    EXPECT_EQ(s.Watermark.VOffset, 2.5f);
    s.Save(kOsWindows98);
    std::string text = dir.ReadIni();
    EXPECT_NE(text.find("HOffset=0\r\n"), std::string::npos);
    EXPECT_NE(text.find("VOffset=2.5\r\n"), std::string::npos);
}

TEST(SettingsFile, ColourChannelsKeepTheirLowByte) {
    IniScratch dir;
    dir.WriteIni("[BkgndFill]\r\nRed=300\r\nGreen=-5\r\n");
    GrabSettings s = Loaded();
    EXPECT_EQ(s.BkgndFill.Color, MakeColorref(44, 251, 255));
    s.Save(kOsWindows98);
    std::string text = dir.ReadIni();
    // Keys already in the file are rewritten where they stand.
    for (const char* line : {"\nRed=44\r\n", "\nGreen=251\r\n", "\nBlue=255\r\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
    }
}

TEST(SettingsFile, SavedCopyWritesToThePathItCarries) {
    IniScratch first("first");
    GrabSettings original = Loaded();
    GrabSettings copy = original;
    copy.FileStore.Quality = 33;

    IniScratch second("second");  // now the current directory
    copy.Save(kOsWindows98);
    EXPECT_FALSE(second.HasIni());
    ASSERT_TRUE(first.HasIni());
    EXPECT_NE(first.ReadIni().find("Quality=33\r\n"), std::string::npos);
}

TEST(SettingsFile, HostileFileLoadsCutOrDefaulted) {
    IniScratch dir;
    const std::string longText(5000, 'x');
    std::string junk;
    for (int i = 1; i < 256; ++i) {
        if (i != '\r' && i != '\n')
            junk += static_cast<char>(i);
    }
    std::string text =
        // Keys before any section header belong to no section at all.
        "FirstTime=0\r\nSnapType=4\r\nHotKey=3\r\n"
        "[FileStore]\r\n"
        "Name=" +
        longText +
        "\r\n"
        "Dir=" +
        longText +
        "\r\n"
        "Digits=99999999999\r\n"
        "Quality=-5\r\n"
        "Ext=" +
        junk +
        "\r\n"
        "Ext=second\r\n" +
        junk +
        "\r\n"
        "[Watermark]\r\n"
        "HOffset=" +
        longText +
        "\r\n"
        "Rows=-5\r\n"
        "Rows=7\r\n"
        "Watermark=99999999999\r\n"
        "[Info]\r\n"
        "Title=" +
        longText +
        "\r\n"
        "Artist=" +
        junk +
        "\r\n"
        "[BkgndFill]\r\n"
        "Red=99999999999\r\nGreen=-5\r\n" +
        // Zero bytes last: whatever the reader makes of them, the keys above
        // must already be readable.
        std::string("\0\0garbage\0=\0[", 14);
    dir.WriteIni(text);

    GrabSettings s = Loaded();
    // No [Properties] header: its keys all keep their defaults.
    EXPECT_TRUE(s.Properties.FirstTime);
    EXPECT_EQ(s.Properties.SnapType, 2);
    EXPECT_EQ(s.Properties.HotKey, 121);
    // Texts are cut to their fields, never past them.
    EXPECT_EQ(std::string(s.FileStore.Name), std::string(kPathChars - 1, 'x'));
    EXPECT_EQ(std::string(s.FileStore.Dir), std::string(kPathChars - 1, 'x'));
    EXPECT_EQ(std::string(s.Info.Title), std::string(kTextChars - 1, 'x'));
    EXPECT_LT(strnlen(s.FileStore.Ext, kPathChars), static_cast<size_t>(kPathChars));
    EXPECT_LT(strnlen(s.Info.Artist, kTextChars), static_cast<size_t>(kTextChars));
    // Numbers go in unchanged when they are numbers; the first of two keys wins.
    EXPECT_EQ(s.FileStore.Quality, -5);
    EXPECT_EQ(s.Watermark.Rows, -5);
    EXPECT_FALSE(s.Watermark.Watermark);
    EXPECT_EQ(GreenOf(s.BkgndFill.Color), 251u);
    // 5,000 x's hold no number: the offset keeps its default.
    EXPECT_EQ(s.Watermark.HOffset, 0.0f);
    // What does not parse leaves the rest of the file readable.
    EXPECT_EQ(s.Info.Copyright[0], '\0');
    EXPECT_EQ(s.Thumbnail.Percent, 25);
}

TEST(MakeRelativePath, BelowBesideAndElsewhere) {
    const char base[] = "C:\\grabber\\Pixelnook.ini";
    EXPECT_STREQ(MakeRelativePath("C:\\grabber\\sub", base), ".\\sub");
    EXPECT_STREQ(MakeRelativePath("C:\\sibling", base), "..\\sibling");
    EXPECT_STREQ(MakeRelativePath("C:\\grabber\\icons\\main.ico", base), ".\\icons\\main.ico");
    // Another drive has no common root: the absolute path stays.
    EXPECT_STREQ(MakeRelativePath("D:\\other\\marks", base), "D:\\other\\marks");
    EXPECT_STREQ(MakeRelativePath("\\\\server\\share\\x", base), "\\\\server\\share\\x");
}

TEST(MakeRelativePath, LongPathsStayBounded) {
    std::string longPath = "C:\\grabber\\" + std::string(600, 'p');
    const char* result = MakeRelativePath(longPath.c_str(), "C:\\grabber\\Pixelnook.ini");
    EXPECT_LT(strlen(result), static_cast<size_t>(kPathChars));
    std::string longBase = "C:\\" + std::string(600, 'b') + "\\Pixelnook.ini";
    EXPECT_STREQ(MakeRelativePath("C:\\x", longBase.c_str()), "C:\\x");
}

TEST(SettingsFile, EncryptedSaveStaysReadableFromWindows2000On) {
    IniScratch dir;
    GrabSettings s = Loaded(kOsWindowsXp);
    s.FileStore.Quality = 42;
    s.Save(kOsWindowsXp);                      // encrypts the file where the volume allows it
    GrabSettings back = Loaded(kOsWindowsXp);  // decrypts it first
    EXPECT_EQ(back.FileStore.Quality, 42);
    EXPECT_EQ(Dump(back), Dump(s));
}
