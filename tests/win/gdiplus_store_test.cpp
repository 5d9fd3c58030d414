// File stores through GDI+ as Wine provides it: each type's file and
// thumbnail, read back with ImageMagick and GDI+; what Wine's encoders ignore
// (quality, compression, image information) is checked where the program hands
// it to GDI+, by wrapping entries of the bound function table.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "capture/gdiplus_api_win.h"
#include "capture/gdiplus_available_win.h"
#include "capture/gdiplus_save_win.h"
#include "capture/image_steps_win.h"
#include "capture/screen_grab_win.h"

namespace {

constexpr Colorref kMagenta = RGB(255, 0, 255);
constexpr uint32_t kGrey = 0x808080;  // 0xRRGGBB

// A storage folder of its own, not current; emptied and removed afterwards.
class StorageFolder {
public:
    explicit StorageFolder(const char* tag) {
        // On Z:, so that ImageMagick finds the files under the same path.
        path_ =
            std::string("Z:\\tmp\\pixelnook-") + tag + "-" + std::to_string(GetCurrentProcessId());
        Clear();
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~StorageFolder() {
        Clear();
        RemoveDirectoryA(path_.c_str());
    }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
    const std::string& Path() const { return path_; }
    bool Holds(const std::string& name) const {
        return GetFileAttributesA((*this / name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    void Clear() const {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((*this / "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        do {
            DeleteFileA((*this / found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }

private:
    std::string path_;
};

// Puts a width x height picture into the grab as TakeGrab leaves it: a 32-bit
// bottom-up DIB section selected into a memory DC. pixel(x, y) gives the
// top-down pixel as 0xAARRGGBB, alpha byte included.
void InstallPicture(ScreenGrab& grab, int width, int height,
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

uint32_t Opaque(uint32_t rgb) {
    return 0xFF000000u | rgb;
}

// Settings storing into folder as "shot_NNN.ext".
GrabSettings StoreSettings(const StorageFolder& folder, const char* ext) {
    GrabSettings s(true);
    snprintf(s.FileStore.Dir, sizeof s.FileStore.Dir, "%s", folder.Path().c_str());
    snprintf(s.FileStore.Ext, sizeof s.FileStore.Ext, "%s", ext);
    return s;
}

std::string Store(ScreenGrab& grab, const GrabSettings& s, bool alphaFilled = false) {
    char picture[MAX_PATH] = "";
    char thumbnail[MAX_PATH] = "";
    EXPECT_TRUE(grab.StoreGrab(s, alphaFilled, picture, thumbnail));
    return std::string(picture) + "|" + thumbnail;
}

// ImageMagick's description of a file in a storage folder: "FORMAT WxH".
std::string Identify(const std::string& windowsPath) {
    // Storage folders lie on Z:, Wine's drive for the Unix root.
    std::string unixPath = windowsPath.substr(2);
    for (char& c : unixPath)
        c = c == '\\' ? '/' : c;
    // Wine hands a Unix program no Windows handles: the shell writes the file.
    const std::string out = windowsPath + ".identify";
    std::string command = "/bin/sh -c \"/usr/bin/identify -format '%m %wx%h' '" + unixPath +
                          "' > '" + unixPath + ".part' 2>&1; mv '" + unixPath + ".part' '" +
                          unixPath + ".identify'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return "identify did not start";
    // A Unix child's handle does not wait for it: wait for the finished file.
    for (int tries = 0; tries < 300 && GetFileAttributesA(out.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++tries)
        Sleep(50);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    char text[256] = "";
    FILE* read = fopen(out.c_str(), "rb");
    if (read != nullptr) {
        text[fread(text, 1, sizeof text - 1, read)] = '\0';
        fclose(read);
    }
    DeleteFileA(out.c_str());
    return text;
}

}  // namespace

TEST(GdiplusStore, EachTypeWritesItsFileAndAQuarterSizeThumbnail) {
    ASSERT_TRUE(IsGdiplusAvailable());
    StorageFolder folder("types");
    GrabSettings appSettings(true);
    ScreenGrab grab(appSettings);
    const struct {
        const char* ext;
        const char* format;
    } types[] = {{"jpg", "JPEG"}, {"bmp", "BMP3"}, {"gif", "GIF"}, {"png", "PNG"}, {"tif", "TIFF"}};
    for (const auto& t : types) {
        SCOPED_TRACE(t.ext);
        InstallPicture(grab, 64, 48, [](int x, int) { return Opaque(x < 32 ? kGrey : 0x0000FF); });
        GrabSettings s = StoreSettings(folder, t.ext);
        s.FileStore.Reduction = 4;  // octree: Wine cannot write a GIF from 32 bits
        const std::string name = std::string("screencap_001.") + t.ext;
        EXPECT_EQ(Store(grab, s), (folder / name) + "|" + (folder / ("t" + name)));
        EXPECT_EQ(Identify(folder / name), std::string(t.format) + " 64x48");
        EXPECT_EQ(Identify(folder / ("t" + name)), std::string(t.format) + " 16x12");
    }
    grab.ReleaseGrab();
}
