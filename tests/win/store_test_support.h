// What the store tests share: a picture put into a ScreenGrab as TakeGrab
// leaves it (known pixels, and alpha bytes a screen copy cannot give), and a
// Unix shell command run from the Wine test process.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "capture/screen_grab_win.h"

// Puts a width x height picture into the grab as TakeGrab leaves it: a 32-bit
// bottom-up DIB section selected into a memory DC. pixel(x, y) gives the
// top-down pixel as 0xAARRGGBB, alpha byte included.
inline void InstallPicture(ScreenGrab& grab, int width, int height,
                           const std::function<uint32_t(int, int)>& pixel) {
    grab.ReleaseGrab();
    CapturedImage& image = grab.capturedImage;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    image.memoryDc.Reset(CreateCompatibleDC(nullptr));
    image.dibSection.Reset(
        CreateDIBSection(image.memoryDc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            static_cast<uint32_t*>(bits)[(height - 1 - y) * width + x] = pixel(x, y);
    }
    image.previousBitmap = SelectObject(image.memoryDc.Get(), image.dibSection.Get());
    image.rect = {0, 0, width, height};
}

// The Unix form of a path on Z:, Wine's drive for the Unix root.
inline std::string UnixPath(const std::string& zPath) {
    std::string path = zPath.substr(2);
    for (char& c : path)
        c = c == '\\' ? '/' : c;
    return path;
}

// Runs a /bin/sh script (no double quotes in it) and returns what it printed,
// by way of the file out (on Z:). A Unix child's process handle cannot be
// waited for, so the finished output file is: the script writes it under
// another name and renames it at the end.
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
    for (int tries = 0; tries < 1200 && GetFileAttributesA(out.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++tries)
        Sleep(50);
    std::string text;
    if (FILE* file = fopen(out.c_str(), "rb")) {
        char buffer[256];
        text.assign(buffer, fread(buffer, 1, sizeof buffer, file));
        fclose(file);
    }
    DeleteFileA(out.c_str());
    return text;
}
