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
#include <string>
#include <utility>
#include <vector>

#include "capture/screen_grab_win.h"
#include "encode/gdiplus_api_win.h"
#include "encode/gdiplus_image_win.h"
#include "tests/support/unix_shell.h"

// A 32-bit bottom-up DIB section and its pixels, the bottom row first.
inline std::pair<HBITMAP, uint32_t*> MakeSection(int width, int height) {
    BITMAPINFO info = {{sizeof info.bmiHeader, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    return {section, static_cast<uint32_t*>(bits)};
}

// GDI+ started while the object lives.
struct GdiplusStarted {
    GdiplusStarted() {
        const gdip::GdiplusStartupInput input;
        ok = Gdip().GdiplusStartup(&token, &input, nullptr) == gdip::Ok;
    }
    ~GdiplusStarted() { Gdip().GdiplusShutdown(token); }
    ULONG_PTR token = 0;
    bool ok = false;
};

// The image's pixels as 0xAARRGGBB, top row first.
inline std::vector<uint32_t> ArgbPixels(GdipImage& image) {
    std::vector<uint32_t> pixels;
    LockedBits bits(image, gdip::ImageLockModeRead, kFormatArgb);
    for (int y = 0; bits && y < bits.Argb().height; ++y)
        pixels.insert(pixels.end(), bits.Argb().Row(y), bits.Argb().Row(y) + bits.Argb().width);
    return pixels;
}

// Puts a picture into the grab as TakeGrab leaves it: a 32-bit bottom-up DIB
// section selected into a memory DC. pixel(x, y) is the top-down 0xAARRGGBB.
inline void InstallPicture(ScreenGrab& grab, int width, int height,
                           const std::function<uint32_t(int, int)>& pixel) {
    grab.ReleaseGrab();
    CapturedImage& image = grab.capturedImage;
    const auto [section, bits] = MakeSection(width, height);
    image.memoryDc.Reset(CreateCompatibleDC(nullptr));
    image.dibSection.Reset(section);
    for (int i = 0; i < width * height; ++i)
        bits[i] = pixel(i % width, height - 1 - i / width);
    image.previousBitmap = SelectObject(image.memoryDc.Get(), image.dibSection.Get());
    image.rect = {0, 0, width, height};
}

// Runs the tests `filter` names in a second run of this program (under Wine's
// loader, after the shell commands `before`); "0\n" when they passed.
inline std::string RunAgain(const std::string& before, const std::string& filter,
                            const std::string& out) {
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof program);
    return RunShell(before + " " PIXELNOOK_WINE_LOADER " '" + UnixPath(program) +
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
