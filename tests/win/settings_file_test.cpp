// Load and Save of the settings record against real files through the
// profile functions, as Wine provides them, and the relative-path helper.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "base/system_functions_win.h"
#include "settings/grab_settings.h"
#include "settings/ini_file.h"
#include "tests/win/ini_scratch.h"
#include "tests/win/settings_fields.h"

namespace {

// A record as start-up has it: constructed, then loaded.
GrabSettings Loaded(OsVersionClass osClass = kOsWindows98) {
    GrabSettings s(false);
    s.Load(osClass);
    return s;
}

// Windows' PathRelativePathToA writes the whole relative path into the
// MAX_PATH buffer it is given, however long; Wine's stops there. So the fault
// shows here as the request: a stand-in counts them.
decltype(ShlwapiFunctions::PathRelativePathToA) g_pathRelativePathTo = nullptr;
int g_relativeRequests = 0;

BOOL WINAPI CountedPathRelativePathTo(LPSTR path, LPCSTR from, DWORD fromAttributes, LPCSTR to,
                                      DWORD toAttributes) {
    ++g_relativeRequests;
    return g_pathRelativePathTo(path, from, fromAttributes, to, toAttributes);
}

}  // namespace

TEST(SettingsFile, MissingFileGivesTheDefaultsAndSavingWritesTheStoredFormsButNoRefusedKey) {
    IniScratch dir;
    GrabSettings s = Loaded();
    GrabSettings defaults(false);
    defaults.Properties.HotKey = VK_F10;  // Load turns the stored form into the key
    EXPECT_EQ(Dump(s), Dump(defaults));
    s.Save(kOsWindows98);
    const std::string text = IniScratch::Read();
    for (const char* lines :
         {"[Properties]\r\nFirstTime=1\r\n", "\r\nIcons=.\\icons\\\r\n", "\r\nHotKey=10\r\n",
          "\r\nHOffset=0\r\n", "\r\nRed=255\r\nGreen=0\r\nBlue=255\r\n", "[Info]\r\nTitle=\r\n"})
        EXPECT_NE(text.find(lines), std::string::npos) << lines;
    // A key the system refused (cleared to 0 in memory) leaves the file its own.
    s.Properties.HotKey = 0;
    s.Save(kOsWindows98);
    EXPECT_EQ(Loaded().Properties.HotKey, VK_F10);
}

TEST(SettingsFile, SaveThenLoadRoundTripsEveryFieldInTheFileTheRecordCameFrom) {
    // From Windows 2000 on, Save encrypts the file and Load decrypts it first.
    for (OsVersionClass osClass : {kOsWindows98, kOsWindowsXp}) {
        IniScratch dir;
        GrabSettings s = Loaded(osClass);
        const std::vector<std::string> defaults = Dump(s), changed = Dump(s, true);
        for (size_t i = 0; i < changed.size(); ++i)
            EXPECT_NE(changed[i], defaults[i]);  // so a field that is not carried shows
        {
            IniScratch elsewhere("elsewhere");  // now the current directory
            s.Save(osClass);
            EXPECT_EQ(IniScratch::Read(), "");
        }
        dir.Enter();
        GrabSettings back = Loaded(osClass);
        EXPECT_EQ(Dump(back), changed);
    }
}

TEST(SettingsFile, OverlongValuesAreCutToTheirFields) {
    // (How a hand-edited or damaged file is parsed is the profile functions'
    // affair; what is ours is the room each value is given.)
    const std::string longText(5000, 'x');
    IniScratch dir;
    dir.Write("Pixelnook.ini",
              "[FileStore]\r\nDir=" + longText + "\r\n[Info]\r\nTitle=" + longText + "\r\n");
    GrabSettings s = Loaded();
    EXPECT_EQ(s.FileStore.Dir, longText.substr(0, 259));
    EXPECT_EQ(s.Info.Title, longText.substr(0, 255));
}

TEST(SettingsFile, APathCutToItsBufferNamesNoFileToReadOrWrite) {
    // The file a path cut to 259 characters names, or with no current
    // directory to be had, the one in the drive's root.
    const std::pair<size_t, const char*> cases[] = {
        {245, "Pixelnook.ini"}, {246, "Pixelnook.in"}, {300, "\\Pixelnook.ini"}};
    const std::string text = "[Properties]\r\nSnapType=4\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        const bool fits = c.first == 245;  // 245 + 1 + 13 characters
        IniScratch dir("deep");
        dir.Deepen(c.first);
        dir.Write(c.second, text);
        GrabSettings s = Loaded();
        EXPECT_EQ(s.Properties.SnapType, fits ? 4 : 2);
        s.Properties.SnapType = 3;
        s.Save(kOsWindows98);
        EXPECT_EQ(IniScratch::Read(c.second) == text, !fits);
    }
}

TEST(MakeRelativePath, RelativeWhereItFitsItsBufferElseAbsolute) {
    auto& shlwapi = const_cast<ShlwapiFunctions&>(ShlwapiOptional());
    g_pathRelativePathTo = shlwapi.PathRelativePathToA;
    shlwapi.PathRelativePathToA = CountedPathRelativePathTo;
    const std::string name(250, 'p');
    const std::tuple<std::string, std::string, std::string, bool> cases[] = {
        // Without a common root, the absolute path is the only name.
        {"D:\\other\\marks", "C:\\grabber\\Pixelnook.ini", "D:\\other\\marks", true},
        // Three steps up and the name make 259 characters; a fourth, 262.
        {"C:\\" + name, "C:\\a\\b\\c\\Pixelnook.ini", "..\\..\\..\\" + name, true},
        {"C:\\" + name, "C:\\a\\b\\c\\d\\Pixelnook.ini", "C:\\" + name, false},
        {"C:\\x", "C:\\" + std::string(600, 'b') + "\\Pixelnook.ini", "C:\\x", false},
    };
    for (const auto& [path, baseFile, result, requested] : cases) {
        g_relativeRequests = 0;
        EXPECT_EQ(MakeRelativePath(path.c_str(), baseFile.c_str()), result) << baseFile;
        EXPECT_EQ(g_relativeRequests > 0, requested) << baseFile;
    }
    shlwapi.PathRelativePathToA = g_pathRelativePathTo;
}
