// The start-up shortcut in the prefix's two Startup folders, read back
// through the shell's own link object.
#include "shell/startup_link_win.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// "target|working directory" of the shortcut in the folder, or "" when there
// is none.
std::string ReadLink(int folder) {
    char folderPath[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, folderPath, folder, TRUE);
    const std::string path = std::string(folderPath) + "\\Pixelnook.lnk";
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return "";
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    char target[MAX_PATH] = "", directory[MAX_PATH] = "";
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(std::wstring(path.begin(), path.end()).c_str(), STGM_READ))) {
        link->GetPath(target, MAX_PATH, nullptr, 0);
        link->GetWorkingDirectory(directory, MAX_PATH);
    }
    if (file != nullptr)
        file->Release();
    if (link != nullptr)
        link->Release();
    return std::string(target) + "|" + directory;
}

}  // namespace

TEST(StartupLink, OneShortcutInTheChosenFolderOrNone) {
    CoInitialize(nullptr);
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    const std::string made = std::string(program) + "|C:\\grabs";
    const struct {
        bool makeLink, userLink;
        std::string inUser, inCommon;
    } cases[] = {
        {true, true, made, ""},   // just for me
        {true, false, "", made},  // switching moves it
        {false, true, "", ""},    // cleared: gone from both
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.makeLink << c.userLink);
        UpdateStartupLinks(c.makeLink, c.userLink, "C:\\grabs");
        EXPECT_EQ(ReadLink(kUserStartupFolder), c.inUser);
        EXPECT_EQ(ReadLink(kCommonStartupFolder), c.inCommon);
    }
    CoUninitialize();
}
