// A scratch folder made the current directory while a settings test runs, as
// Pixelnook's own folder is at start-up. Folders can be stacked below it until
// the current directory's path has a chosen length (Wine lets it grow past
// MAX_PATH). Files are named relative to the current directory. The files,
// the folders and the previous current directory are put right when the
// object goes.
#pragma once

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "base/current_directory_win.h"
#include "tests/support/file_bytes.h"

inline std::string CurrentDirectory() {
    char path[kPathChars] = "";
    ReadCurrentDirectory(path);
    return path;
}

class IniScratch {
public:
    explicit IniScratch(const char* tag = "ini") {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        top_ = std::string(temp) + "pixelnook-" + tag + "-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(top_.c_str(), nullptr);
        Enter();
    }
    ~IniScratch() {
        Enter();
        for (const std::string& level : levels_)
            SetCurrentDirectoryA(level.c_str());
        for (const std::string& name : files_)
            DeleteFileA(name.c_str());
        for (auto level = levels_.rbegin(); level != levels_.rend(); ++level) {
            SetCurrentDirectoryA("..");
            RemoveDirectoryA(level->c_str());
        }
        SetCurrentDirectoryA(previous_.c_str());
        RemoveDirectoryA(top_.c_str());
    }
    IniScratch(const IniScratch&) = delete;
    IniScratch& operator=(const IniScratch&) = delete;

    void Enter() const { SetCurrentDirectoryA(top_.c_str()); }

    // Stacks folders until the current directory's path is `length` characters long.
    void Deepen(size_t length) {
        for (size_t now = top_.size(); now < length; now += 1 + levels_.back().size()) {
            const size_t rest = length - now - 1;  // after the next backslash
            levels_.emplace_back(rest <= 100 ? rest : rest == 101 ? 99 : 100, 'd');
            CreateDirectoryA(levels_.back().c_str(), nullptr);
            SetCurrentDirectoryA(levels_.back().c_str());
        }
    }

    void Write(const std::string& name, const std::string& text) {
        files_.push_back(name);
        std::ofstream(name, std::ios::binary) << text;
    }
    // The file's bytes as they are on disk ("" when there is no file).
    static std::string Read(const std::string& name = "Pixelnook.ini") { return FileBytes(name); }

private:
    std::string previous_ = CurrentDirectory();
    std::string top_;
    std::vector<std::string> levels_;
    std::vector<std::string> files_{"Pixelnook.ini"};
};
