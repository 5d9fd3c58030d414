// A scratch folder made the current directory while a settings test runs, as
// Pixelnook's own folder is at start-up; the previous directory comes back and
// the folder goes when the object goes.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

class IniScratch {
public:
    IniScratch() : IniScratch("ini") {}
    explicit IniScratch(const char* tag) {
        GetCurrentDirectoryA(sizeof previous_, previous_);
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        path_ =
            std::string(temp) + "pixelnook-" + tag + "-" + std::to_string(GetCurrentProcessId());
        Clear();
        CreateDirectoryA(path_.c_str(), nullptr);
        SetCurrentDirectoryA(path_.c_str());
    }
    ~IniScratch() {
        SetCurrentDirectoryA(previous_);
        Clear();
    }
    IniScratch(const IniScratch&) = delete;
    IniScratch& operator=(const IniScratch&) = delete;

    const std::string& Path() const { return path_; }
    std::string IniPath() const { return path_ + "\\Pixelnook.ini"; }
    void Enter() const { SetCurrentDirectoryA(path_.c_str()); }

    void WriteIni(const std::string& text) const {
        FILE* file = fopen(IniPath().c_str(), "wb");
        if (file != nullptr) {
            fwrite(text.data(), 1, text.size(), file);
            fclose(file);
        }
    }
    // The file's bytes as they are on disk ("" when there is no file).
    std::string ReadIni() const {
        std::string text;
        FILE* file = fopen(IniPath().c_str(), "rb");
        if (file != nullptr) {
            char chunk[4096];
            size_t got;
            while ((got = fread(chunk, 1, sizeof chunk, file)) > 0) {
                text.append(chunk, got);
            }
            fclose(file);
        }
        return text;
    }
    bool HasIni() const { return GetFileAttributesA(IniPath().c_str()) != INVALID_FILE_ATTRIBUTES; }

private:
    void Clear() const {
        DeleteFileA(IniPath().c_str());
        RemoveDirectoryA(path_.c_str());
    }

    char previous_[MAX_PATH] = "";
    std::string path_;
};
