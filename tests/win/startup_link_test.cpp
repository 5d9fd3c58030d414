// The start-up shortcut in the prefix's two Startup folders, read back
// through the shell's own link object.
#include "shell/startup_link_win.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string FolderLink(int folder) {
    char path[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, path, folder, TRUE);
    return std::string(path) + "\\Pixelnook.lnk";
}

// "target|working directory" of the shortcut, or "" when there is none.
std::string ReadLink(const std::string& path) {
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
    const std::string user = FolderLink(kUserStartupFolder);
    const std::string common = FolderLink(kCommonStartupFolder);
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
        EXPECT_EQ(ReadLink(user), c.inUser);
        EXPECT_EQ(ReadLink(common), c.inCommon);
    }
    CoUninitialize();
}
