// Every kind of file the store writes, from fixed pictures, so that two builds
// can be compared byte for byte: a change made for speed must not change a
// stored byte. Each picture is put into a grab as TakeGrab leaves it (a 32-bit
// bottom-up DIB section selected into a memory DC, with alpha bytes a screen
// copy cannot give), then stored through ScreenGrab::StoreGrab for every file
// type, every GIF reduction, with and without transparency (colour key and
// captured alpha), watermark and thumbnail. The BMP writer and the clipboard's
// packed DIB, used where GDI+ is missing, are written directly.
//
//   wine store-outputs.exe FOLDER WATERMARK   (FOLDER a Windows path; the
//       files are named after their case; WATERMARK the watermark picture)
//   then: sha256sum FOLDER/* of one build against another's (bench/store-bytes)
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "capture/bmp_file_win.h"
#include "capture/screen_grab_win.h"
#include "shell/tray_icon_win.h"

namespace {

// The fill colour of the settings, present in every picture so that the colour
// key has pixels to take.
constexpr Colorref kFill = MakeColorref(255, 0, 255);
constexpr uint32_t kFillArgb = 0xFFFF00FFu;

// A screen-like picture: flat panels, thin dark strokes like text, a region of
// the fill colour, and alpha bytes that vary (0 outside a window's shape).
uint32_t ScreenLike(int x, int y) {
    const uint32_t alpha = (x < 20 || y < 10) ? 0u : 0xFFu;
    if (x >= 40 && x < 90 && y >= 30 && y < 60) {
        return kFillArgb;
    }
    if ((x / 3 + y / 5) % 7 == 0 && y % 12 < 9) {
        return (alpha << 24) | 0x101820u;
    }
    const uint32_t panel = y < 25 ? 0x0A246Au : (x < 120 ? 0xD4D0C8u : 0xFFFFFFu);
    return (alpha << 24) | panel;
}

// A photo-like picture: smooth gradients with noise, far more than 256
// colours, alpha from a ramp.
uint32_t PhotoLike(int x, int y) {
    uint32_t noise = static_cast<uint32_t>(x * 73856093) ^ static_cast<uint32_t>(y * 19349663);
    noise = (noise >> 13) & 15u;
    const uint32_t red = static_cast<uint32_t>((x * 255) / 640 + noise) & 0xFFu;
    const uint32_t green = static_cast<uint32_t>((y * 255) / 480 + noise) & 0xFFu;
    const uint32_t blue = static_cast<uint32_t>(((x + y) * 255) / 1120) & 0xFFu;
    if (x >= 300 && x < 340 && y >= 200 && y < 240) {
        return kFillArgb;
    }
    const uint32_t alpha = static_cast<uint32_t>((x * 7) & 0xFF);
    return (alpha << 24) | (red << 16) | (green << 8) | blue;
}

struct Picture {
    const char* name;
    int width;
    int height;
    uint32_t (*pixel)(int, int);
};

const Picture kPictures[] = {
    {"screen", 301, 203, ScreenLike},  // an odd width: rows need no padding at 32 bits
    {"photo", 640, 480, PhotoLike},
};

void InstallPicture(ScreenGrab& grab, const Picture& picture) {
    grab.ReleaseGrab();
    CapturedImage& image = grab.capturedImage;
    BITMAPINFO info = {
        {sizeof info.bmiHeader, picture.width, picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    image.memoryDc.Reset(CreateCompatibleDC(nullptr));
    image.dibSection.Reset(
        CreateDIBSection(image.memoryDc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int i = 0; i < picture.width * picture.height; ++i) {
        pixels[i] = picture.pixel(i % picture.width, picture.height - 1 - i / picture.width);
    }
    image.previousBitmap = SelectObject(image.memoryDc.Get(), image.dibSection.Get());
    image.rect = {0, 0, picture.width, picture.height};
}

bool WriteBytes(const std::string& path, const void* bytes, size_t count) {
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool whole = fwrite(bytes, 1, count, file) == count;
    return fclose(file) == 0 && whole;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: store-outputs FOLDER WATERMARK\n");
        return 2;
    }
    const std::string folder = argv[1];
    GrabSettings appSettings(true);
    TrayIcon tray;
    ScreenGrab grab(appSettings, tray);
    int stored = 0;
    int failed = 0;
    for (const Picture& picture : kPictures) {
        InstallPicture(grab, picture);
        // Without GDI+: the program's own BMP writer and the clipboard's DIB.
        {
            HBITMAP bitmap = grab.capturedImage.dibSection.Get();
            HDC dc = grab.capturedImage.memoryDc.Get();
            BitmapHeader header;
            const std::string bmp = folder + "\\" + picture.name + "-own.bmp";
            const bool written =
                MakeBitmapInfo(bitmap, header) && WriteBmpFile(bmp.c_str(), header, bitmap, dc);
            HGLOBAL dib = MakePackedDib(bitmap, dc);
            bool dibWritten = false;
            if (dib != nullptr) {
                const void* bytes = GlobalLock(dib);
                dibWritten =
                    bytes != nullptr && WriteBytes(folder + "\\" + picture.name + "-clipboard.dib",
                                                   bytes, GlobalSize(dib));
                GlobalUnlock(dib);
                GlobalFree(dib);
            }
            stored += written + dibWritten;
            failed += !written + !dibWritten;
        }
        struct Type {
            const char* ext;
            int reductions;  // GIF: 0..5
        };
        for (const Type& type :
             {Type{"bmp", 1}, Type{"gif", 6}, Type{"jpg", 1}, Type{"png", 1}, Type{"tif", 1}}) {
            for (int reduction = 0; reduction < type.reductions; ++reduction) {
                // Bits: transparency, captured alpha, watermark, thumbnail.
                for (int flags = 0; flags < 16; ++flags) {
                    const bool transparent = flags & 1;
                    const bool alphaFilled = flags & 2;
                    if (alphaFilled && !transparent) {
                        continue;  // captured alpha is a kind of transparency
                    }
                    GrabSettings s(true);
                    s.Properties.StoreFile = true;
                    snprintf(s.FileStore.Dir, sizeof s.FileStore.Dir, "%s", folder.c_str());
                    snprintf(s.FileStore.Ext, sizeof s.FileStore.Ext, "%s", type.ext);
                    snprintf(s.FileStore.Name, sizeof s.FileStore.Name, "%s-r%d-t%d-a%d-w%d-h%d-",
                             picture.name, reduction, transparent, alphaFilled, (flags >> 2) & 1,
                             (flags >> 3) & 1);
                    s.FileStore.Digits = 0;
                    s.FileStore.Reduction = reduction;
                    s.BkgndFill.TransFill = transparent;
                    s.BkgndFill.Color = kFill;
                    s.Watermark.Watermark = (flags & 4) != 0;
                    snprintf(s.Watermark.File, sizeof s.Watermark.File, "%s", argv[2]);
                    s.Thumbnail.Thumb = (flags & 8) != 0;
                    s.Thumbnail.WMSame = true;
                    char path[MAX_PATH] = "", thumbnail[MAX_PATH] = "";
                    const bool ok = grab.StoreGrab(s, alphaFilled, path, thumbnail);
                    const bool exists = GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
                    stored += ok && exists;
                    failed += !(ok && exists);
                }
            }
        }
    }
    grab.ReleaseGrab();
    printf("%d stores written, %d failed\n", stored, failed);
    return failed == 0 ? 0 : 1;
}
