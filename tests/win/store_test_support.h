// What the store tests share: a grab holding a known picture (with alpha bytes
// a screen copy cannot give), a storage folder of its own, and Unix commands
// run from the Wine test process (ImageMagick, a second run of this program).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "capture/screen_grab_win.h"

// Puts a picture into the grab as TakeGrab leaves it: a 32-bit bottom-up DIB
// section selected into a memory DC. pixel(x, y) is the top-down 0xAARRGGBB.
inline void InstallPicture(ScreenGrab& grab, int width, int height,
                           const std::function<uint32_t(int, int)>& pixel) {
    grab.ReleaseGrab();
    CapturedImage& image = grab.capturedImage;
    BITMAPINFO info = {{sizeof info.bmiHeader, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    image.memoryDc.Reset(CreateCompatibleDC(nullptr));
    image.dibSection.Reset(
        CreateDIBSection(image.memoryDc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    for (int i = 0; i < width * height; ++i)
        static_cast<uint32_t*>(bits)[i] = pixel(i % width, height - 1 - i / width);
    image.previousBitmap = SelectObject(image.memoryDc.Get(), image.dibSection.Get());
    image.rect = {0, 0, width, height};
}

inline bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The Unix form of a path on Z:, Wine's drive for the Unix root.
inline std::string UnixPath(std::string path) {
    for (char& c : path)
        c = c == '\\' ? '/' : c;
    return path.substr(2);
}

// Runs a /bin/sh script (no double quotes in it) and returns what it printed,
// by way of the file out (on Z:). A Unix child's process handle cannot be
// waited for, so the script writes out under another name and renames it last.
inline std::string RunShell(const std::string& script, const std::string& out) {
    const std::string unixOut = UnixPath(out);
    std::string command = "/bin/sh -c \"(" + script + ") > '" + unixOut + ".part' 2>&1; mv '" +
                          unixOut + ".part' '" + unixOut + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return "the shell did not start";
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int tries = 0; tries < 1200 && !Exists(out); ++tries)
        Sleep(50);
    const std::string text(
        std::istreambuf_iterator<char>(std::ifstream(out, std::ios::binary).rdbuf()), {});
    DeleteFileA(out.c_str());
    return text;
}

// Runs the tests `filter` names in a second run of this program (under Wine's
// loader, after the shell commands `before`); "0\n" when they passed.
inline std::string RunAgain(const std::string& before, const std::string& filter,
                            const std::string& out) {
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof program);
    return RunShell(before + " /usr/lib/wine/wine64 '" + UnixPath(program) +
                        "' --gtest_filter=" + filter + " >/dev/null 2>&1; echo $?",
                    out);
}

// A storage folder of its own on Z: (so ImageMagick finds the files under the
// same path), removed with all it holds, and a grab to store from.
class StoreTest : public ::testing::Test {
protected:
    StoreTest() { CreateDirectoryA(folder.c_str(), nullptr); }
    ~StoreTest() override {
        grab.ReleaseGrab();
        RunShell("rm -rf '" + UnixPath(folder) + "'", folder + ".removed");
    }
    std::string In(const std::string& name) const { return folder + "\\" + name; }

    // Settings storing into the folder as "screencap_.ext", each store writing
    // over the one before.
    GrabSettings Settings(const char* ext) const {
        GrabSettings s(true);
        snprintf(s.FileStore.Dir, sizeof s.FileStore.Dir, "%s", folder.c_str());
        snprintf(s.FileStore.Ext, sizeof s.FileStore.Ext, "%s", ext);
        s.FileStore.Digits = 0;
        return s;
    }
    // "picture|thumbnail", the paths the store reports.
    std::string Store(const GrabSettings& s, bool alphaFilled = false) {
        char picture[MAX_PATH] = "", thumbnail[MAX_PATH] = "";
        EXPECT_TRUE(grab.StoreGrab(s, alphaFilled, picture, thumbnail));
        return std::string(picture) + "|" + thumbnail;
    }

    const std::string folder = "Z:\\tmp\\pixelnook-store-" + std::to_string(GetCurrentProcessId());
    GrabSettings appSettings{true};
    TrayIcon tray;
    ScreenGrab grab{appSettings, tray};
};
