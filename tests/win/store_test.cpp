// File stores against the platform as Wine provides it: each type's file and
// thumbnail through GDI+, read back with ImageMagick and GDI+; what Wine's
// encoders ignore (quality, compression, image information, the GIF's palette
// and pixels as handed over) is checked where the program hands it to GDI+, by
// wrapping entries of the bound function table. GIF reductions are held
// against pixelnook-tool. The pictures are put into the grab as TakeGrab
// leaves it, with alpha bytes a screen copy cannot give.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "capture/bmp_file_win.h"
#include "capture/screen_grab_win.h"
#include "encode/gdiplus_api_win.h"
#include "encode/gdiplus_available_win.h"
#include "encode/gdiplus_image_steps_win.h"
#include "encode/gdiplus_image_win.h"
#include "encode/gdiplus_save_win.h"
#include "tests/win/ini_scratch.h"

namespace {

constexpr uint32_t kGrey = 0xFF808080;

// The Unix form of a path on Z:, Wine's drive for the Unix root.
std::string UnixPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path.substr(2);
}

// This program's path.
std::string Program() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

// What the program handed GDI+, recorded by wrappers around the table's entries.
struct SaveCall {
    std::vector<LONG> parameters;   // each a single Long, else -1
    std::vector<uint32_t> palette;  // of an 8-bit image; empty for 32 bits
    std::vector<uint8_t> indices;   // its pixels, top row first
    std::string items;              // set on the image saved: "ID type text|" for each
};
GdiplusFunctions g_real;
std::vector<SaveCall> g_saves;
// Every library the binding loads and every save, with the current directory.
std::vector<std::pair<std::string, std::string>> g_calls;
// The items set on each living image; a disposed image's address may come back.
std::map<gdip::GpImage*, std::string> g_items;

gdip::GpStatus WINAPI WatchSave(gdip::GpImage* image, const WCHAR* path, const CLSID* encoder,
                                const gdip::EncoderParameters* parameters) {
    SaveCall call;
    call.items = g_items[image];
    g_calls.emplace_back("save", CurrentDirectory());
    auto* bitmap = static_cast<gdip::GpBitmap*>(image);
    gdip::BitmapData data = {};
    PaletteBlock block;
    // Only an 8-bit image is read as one.
    if (g_real.GdipBitmapLockBits(bitmap, nullptr, gdip::ImageLockModeRead, PixelFormat8bppIndexed,
                                  &data) == gdip::Ok) {
        for (int y = 0; y < static_cast<int>(data.Height); ++y) {
            const auto* row = static_cast<const uint8_t*>(data.Scan0) + y * data.Stride;
            call.indices.insert(call.indices.end(), row, row + data.Width);
        }
        g_real.GdipBitmapUnlockBits(bitmap, &data);
        if (g_real.GdipGetImagePalette(image, reinterpret_cast<gdip::ColorPalette*>(&block),
                                       sizeof block) == gdip::Ok)
            call.palette.assign(
                block.entries, block.entries + std::min<uint32_t>(block.count, kMaxPaletteEntries));
    }
    for (UINT i = 0; parameters != nullptr && i < parameters->Count; ++i) {
        const gdip::EncoderParameter& p = parameters->Parameter[i];
        const bool oneLong = p.NumberOfValues == 1 &&
                             p.Type == static_cast<ULONG>(gdip::EncoderParameterValueTypeLong);
        call.parameters.push_back(oneLong ? *static_cast<const LONG*>(p.Value) : -1);
    }
    g_saves.push_back(call);
    return g_real.GdipSaveImageToFile(image, path, encoder, parameters);
}

gdip::GpStatus WINAPI WatchItem(gdip::GpImage* image, const gdip::PropertyItem* item) {
    const char* text = static_cast<const char*>(item->value);
    EXPECT_EQ(item->length, strlen(text) + 1) << text;  // the zero byte counted
    char head[16];
    snprintf(head, sizeof head, "%04lX %u ", static_cast<unsigned long>(item->id), item->type);
    g_items[image] += head + std::string(text) + "|";
    return g_real.GdipSetPropertyItem(image, item);
}

gdip::GpStatus WINAPI WatchDispose(gdip::GpImage* image) {
    g_items.erase(image);
    return g_real.GdipDisposeImage(image);
}

// A save that fails before it opens the file, as a refusing encoder does.
gdip::GpStatus WINAPI RefuseSave(gdip::GpImage*, const WCHAR*, const CLSID*,
                                 const gdip::EncoderParameters*) {
    return gdip::Win32Error;
}

gdip::GpStatus WINAPI RefuseIndexed(INT width, INT height, INT stride, gdip::PixelFormat format,
                                    BYTE* pixels, gdip::GpBitmap** bitmap) {
    if (format == PixelFormat8bppIndexed)
        return gdip::OutOfMemory;
    return g_real.GdipCreateBitmapFromScan0(width, height, stride, format, pixels, bitmap);
}

HMODULE WINAPI WatchLoad(LPCSTR name) {
    g_calls.emplace_back(name, CurrentDirectory());
    return LoadLibraryA(name);
}

// Puts the watchers in the table; the fixture puts the real functions back.
void Watch() {
    GdiplusLibrary().functions = g_real;
    g_saves.clear();
    g_items.clear();
    GdiplusLibrary().functions.GdipSaveImageToFile = WatchSave;
    GdiplusLibrary().functions.GdipSetPropertyItem = WatchItem;
    GdiplusLibrary().functions.GdipDisposeImage = WatchDispose;
}

// A file's pixels read back through GDI+: top-down, 0xAARRGGBB.
std::vector<uint32_t> ReadWithGdiplus(const std::string& path) {
    std::vector<uint32_t> pixels;
    const gdip::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdip().GdiplusStartup(&token, &input, nullptr);
    wchar_t wide[kPathChars];
    if (ImagePtr image = WidenPath(path.c_str(), wide) ? ImageFromFile(wide) : nullptr) {
        LockedBits bits(*image, gdip::ImageLockModeRead, kFormatArgb);
        for (int y = 0; bits && y < bits.Argb().height; ++y)
            pixels.insert(pixels.end(), bits.Argb().Row(y), bits.Argb().Row(y) + bits.Argb().width);
    }
    Gdip().GdiplusShutdown(token);
    return pixels;
}

// Whether a width-wide picture shows the green mark over area (x, y, width,
// height, measured by hand) on grey: every pixel lying in the area shrunk by
// one pixel each side is green, every one outside it grown by one is grey; the
// rim is left to the interpolation. "" or the first wrong pixel.
using Area = std::array<double, 4>;
std::string Sweep(const std::vector<uint32_t>& pixels, int width, const Area& a) {
    for (size_t i = 0; i < pixels.size(); ++i) {
        const double x = double(i % width), y = double(i / width);
        auto in = [&](double d) {  // in the area grown by d
            return x >= a[0] - d && x + 1 <= a[0] + a[2] + d && y >= a[1] - d &&
                   y + 1 <= a[1] + a[3] + d;
        };
        if (in(-1) ? pixels[i] != 0xFF00FF00 : !in(1) && pixels[i] != kGrey)
            return std::to_string(i % width) + "," + std::to_string(i / width);
    }
    return pixels.empty() ? "no picture" : "";
}

// GDI+ bound, a storage folder of its own on Z: (so ImageMagick finds the
// files under the same path), removed with all it holds, and a grab to store
// from. The real functions go back into the table after each test.
class GdiplusStore : public ::testing::Test {
protected:
    GdiplusStore() { CreateDirectoryA(folder.c_str(), nullptr); }
    ~GdiplusStore() override {
        GdiplusLibrary().functions = g_real;
        grab.ReleaseGrab();
        Shell("cd / && rm -rf '" + UnixPath(folder) + "'");
    }
    void SetUp() override {
        ASSERT_TRUE(IsGdiplusAvailable());
        g_real = Gdip();
    }
    std::string In(const std::string& name) const { return folder + "\\" + name; }

    // Runs a /bin/sh script (no double quotes in it) in the folder and returns
    // what it printed, by way of a file beside the folder. A Unix child's
    // process handle cannot be waited for, so the script writes that file
    // under another name and renames it last.
    std::string Shell(const std::string& script) const {
        const std::string out = folder + ".out", unixOut = UnixPath(out);
        std::string command = "/bin/sh -c \"(cd '" + UnixPath(folder) + "' && " + script + ") > '" +
                              unixOut + ".part' 2>&1; mv '" + unixOut + ".part' '" + unixOut +
                              "'\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return "the shell did not start";
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        for (int tries = 0; tries < 1200 && !std::filesystem::exists(out); ++tries)
            Sleep(50);
        const std::string text = FileBytes(out);
        DeleteFileA(out.c_str());
        return text;
    }

    // Puts a picture into the grab as TakeGrab leaves it: a 32-bit bottom-up
    // DIB section selected into a memory DC. pixel(x, y) is the top-down
    // 0xAARRGGBB.
    void Install(int width, int height, const std::function<uint32_t(int, int)>& pixel) {
        grab.ReleaseGrab();
        CapturedImage& image = grab.capturedImage;
        BITMAPINFO info = {{sizeof info.bmiHeader, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                           {}};
        void* bits = nullptr;
        image.dibSection.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        image.memoryDc.Reset(CreateCompatibleDC(nullptr));
        for (int i = 0; i < width * height; ++i)
            static_cast<uint32_t*>(bits)[i] = pixel(i % width, height - 1 - i / width);
        image.previousBitmap = SelectObject(image.memoryDc.Get(), image.dibSection.Get());
        image.rect = {0, 0, width, height};
    }

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

}  // namespace

TEST_F(GdiplusStore, EachTypeWritesItsFilesWithItsSettingsAndAFailedSaveKeepsTheEarlierOnes) {
    // Quality counts for JPEG only, compression for TIFF only (CCITT4, 4); the
    // quarter-size thumbnail gets the encoder's defaults. Empty texts are left
    // out. The file name is fixed (no digits): a failed save must leave the
    // files of the earlier grab of that name as they were.
    const std::tuple<const char*, const char*, std::vector<LONG>> types[] = {
        {"jpg", "JPEG", {75, 2}},
        {"bmp", "BMP3", {100, 2}},
        {"gif", "GIF", {100, 2}},
        {"png", "PNG", {100, 2}},
        {"tif", "TIFF", {100, 4}}};
    Install(64, 48, [](int x, int) { return x < 32 ? kGrey : 0xFF0000FF; });
    for (const auto& [ext, format, parameters] : types) {
        SCOPED_TRACE(ext);
        GrabSettings s = Settings(ext);
        s.FileStore.Reduction = 4;  // octree: Wine cannot write a GIF from 32 bits
        s.FileStore.Quality = 75;
        s.FileStore.Compression = 2;
        snprintf(s.Info.Title, sizeof s.Info.Title, "Title");
        Watch();
        const std::string name = std::string("screencap_.") + ext;
        EXPECT_EQ(Store(s), In(name) + "|" + In("t" + name));
        EXPECT_EQ(Shell("/usr/bin/identify -format '%m %wx%h ' " + name + " t" + name),
                  std::string(format) + " 64x48 " + format + " 16x12 ");
        // Wine writes none of what follows into the file. The items are set
        // on the image that is saved (for GIF the reduced one).
        ASSERT_EQ(g_saves.size(), 2u);
        EXPECT_EQ(g_saves[0].parameters, parameters);
        EXPECT_EQ(g_saves[1].parameters, std::vector<LONG>());
        // The date and time (UTC, to the minute) and the software are always there.
        EXPECT_TRUE(
            std::regex_match(g_saves[0].items, std::regex("0320 2 Title\\|0132 2 "
                                                          "\\d{4}(:\\d\\d){2} \\d\\d:\\d\\d:00\\|"
                                                          "0131 2 Pixelnook [^|]+\\|")))
            << g_saves[0].items;

        const std::string before = FileBytes(In(name)) + FileBytes(In("t" + name));
        GdiplusLibrary().functions.GdipSaveImageToFile = RefuseSave;
        EXPECT_FALSE(grab.StoreGrab(s, false, nullptr, nullptr));  // so nothing is uploaded
        EXPECT_EQ(FileBytes(In(name)) + FileBytes(In("t" + name)), before);
    }
}

using GdiplusLoading = GdiplusStore;

TEST_F(GdiplusLoading, LoadedBesideTheProgramThenByNameBeforeTheStorageFolderIsCurrent) {
    // A gdiplus.dll planted among the grabs must never be the one loaded, so
    // no library may be loaded while the storage folder is current: neither
    // GDI+ itself nor what GDI+ loads while it saves (Wine's codecs).
    Install(8, 8, [](int, int) { return kGrey; });
    GdiplusBinding& binding = GdiplusLibrary();
    binding.Forget();
    binding.loader = WatchLoad;
    g_calls.clear();
    Store(Settings("png"));
    binding.loader = nullptr;
    g_real = Gdip();  // bound afresh
    const std::string program = Program();
    // Nothing lies beside the test program, so the name is tried next.
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[0].first, program.substr(0, program.rfind('\\') + 1) + "gdiplus.dll");
    EXPECT_EQ(g_calls[1].first, "gdiplus.dll");
    Watch();
    Store(Settings("png"));
    ASSERT_EQ(g_calls.size(), 4u);  // and the picture's and thumbnail's saves
    for (const auto& load : g_calls)
        EXPECT_NE(_stricmp(load.second.c_str(), folder.c_str()), 0) << load.first;
}

TEST_F(GdiplusStore, PngAndTiffCarryTheBackgroundAsAlpha) {
    // Left half the fill colour (magenta), then one pixel one level off it,
    // then grey; the capture's alpha bytes are 0x80 in the top row only.
    auto colour = [](int x) { return x < 4 ? 0xFF00FFu : x == 4 ? 0xFE00FFu : kGrey & 0xFFFFFF; };
    Install(8, 4, [&](int x, int y) { return (y ? 0xFFu : 0x80u) << 24 | colour(x); });
    for (const char* ext : {"png", "tif"}) {
        for (bool alphaFilled : {false, true}) {
            SCOPED_TRACE(std::string(ext) + (alphaFilled ? " captured alpha" : " colour key"));
            GrabSettings s = Settings(ext);
            s.BkgndFill.TransFill = true;
            s.BkgndFill.Color = RGB(255, 0, 255);
            Store(s, alphaFilled);
            const std::vector<uint32_t> file =
                ReadWithGdiplus(In(std::string("screencap_.") + ext));
            ASSERT_EQ(file.size(), 32u);
            for (int i = 0; i < 32; ++i) {
                const int x = i % 8, y = i / 8;
                const uint32_t alpha = alphaFilled ? (y ? 0xFF : 0x80) : (x < 4 ? 0 : 0xFF);
                const uint32_t rgb = alpha == 0xFF ? colour(x) : file[i] & 0xFFFFFF;
                EXPECT_EQ(file[i], alpha << 24 | rgb) << x << "," << y;
            }
        }
    }
}

TEST_F(GdiplusStore, GifHandsGdiplusThePaletteAndPixelsTheToolComputes) {
    // A gradient of 2817 colours around a block of the fill colour, stored by
    // each method with and without transparency, and reduced by pixelnook-tool
    // as the reducer gets it (alpha 0 on the fill colour when transparent).
    // Wine's encoder writes 256 entries and no transparency: the palette and
    // the pixels are compared as handed over. Halftone (0; saved again after
    // MakeHalftoneTransparent when transparent) and a refused 8-bit bitmap (no
    // method) stay 32 bits.
    const std::pair<int, const char*> cases[] = {
        {0, ""},       {1, "grayscale"}, {2, "median"}, {3, "median-dither"},
        {4, "octree"}, {5, "websafe"},   {4, nullptr},
    };
    constexpr int kWidth = 64, kPixels = 64 * 48;
    constexpr uint32_t kFill = 0xFF28C878;
    auto pixel = [](int x, int y) {
        const bool background = x >= 20 && x < 36 && y >= 12 && y < 28;
        return background ? kFill : 0xFF000000 | x * 4 << 16 | y * 5 << 8 | (x + y) * 2;
    };
    Install(kWidth, 48, pixel);
    for (const auto& [reduction, method] : cases) {
        for (bool transparent : {false, true}) {
            SCOPED_TRACE(reduction * 10 + transparent);
            GrabSettings s = Settings("gif");
            s.FileStore.Reduction = reduction;
            s.BkgndFill.TransFill = transparent;
            s.BkgndFill.Color = RGB(40, 200, 120);
            Watch();
            if (method == nullptr)
                GdiplusLibrary().functions.GdipCreateBitmapFromScan0 = RefuseIndexed;
            Store(s);
            ASSERT_EQ(g_saves.size(), reduction == 0 && transparent ? 4u : 2u);
            const bool thirtyTwoBits = reduction == 0 || method == nullptr;
            // The picture's saves, then the thumbnail's; the picture's image
            // carries its information whichever image the reduction gave.
            for (size_t i = 0; i < g_saves.size(); ++i) {
                ASSERT_EQ(g_saves[i].palette.empty(), thirtyTwoBits);
                EXPECT_EQ(g_saves[i].items.find("0131 2 ") != std::string::npos,
                          i < g_saves.size() / 2)
                    << i;
            }
            if (thirtyTwoBits)
                continue;

            std::string pam =
                "P7\nWIDTH 64\nHEIGHT 48\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\n"
                "ENDHDR\n";
            for (int i = 0; i < kPixels; ++i) {
                const uint32_t p = pixel(i % kWidth, i / kWidth);
                pam += {char(p >> 16), char(p >> 8), char(p),
                        char(transparent && p == kFill ? 0 : 255)};
            }
            std::ofstream(In("in.pam"), std::ios::binary) << pam;
            ASSERT_EQ(Shell(PIXELNOOK_WINE_LOADER " '" PIXELNOOK_TOOL "' reduce --method " +
                            std::string(method) + (transparent ? " --transparent" : "") +
                            " --fill 40,200,120 in.pam tool 2>/dev/null; echo $?"),
                      "0\n");
            std::istringstream text(FileBytes(In("tool.palette.txt")));
            text.ignore(99, '\n') >> std::hex;  // "count N", then N entries AARRGGBB
            std::vector<uint32_t> palette{std::istream_iterator<uint32_t>(text), {}};
            const std::string pgm = FileBytes(In("tool.indices.pgm"));
            ASSERT_GE(pgm.size(), size_t(kPixels));
            const std::vector<uint8_t> index(pgm.end() - kPixels, pgm.end());
            EXPECT_EQ(g_saves[0].indices, index);

            // Entries no pixel takes that the tool leaves black (the octree's last
            // ones) keep the colours GDI+ gave the new 8-bit bitmap.
            for (size_t e = 0; e < palette.size() && e < g_saves[0].palette.size(); ++e)
                if (palette[e] == 0xFF000000 && std::count(index.begin(), index.end(), e) == 0)
                    palette[e] = g_saves[0].palette[e];
            EXPECT_EQ(g_saves[0].palette, palette);
            // The thumbnail's own transparent entry.
            const std::vector<uint32_t>& own = g_saves[1].palette;
            EXPECT_EQ(std::count_if(own.begin(), own.end(), [](uint32_t e) { return e < 1 << 24; }),
                      transparent);
        }
    }
}

TEST_F(GdiplusStore, WatermarkCoversTheRectangleWorkedOutByHand) {
    // A solid green 24 x 16 mark on a grey 64 x 48 picture, and the 32 x 24
    // thumbnail: scaled from the picture, so with the rectangle halved, or with
    // "Don't resize watermark" its own mark measured against the picture.
    // (Every layout is pinned by the unit tests of the layout; here the glue
    // draws what it computes.) Bottom right, offsets of half the width and a
    // quarter of the height, stretched to 25 percent of the picture's width
    // (16 x 16 * 16 / 24 = 16 x 10): 64 - 8 - 16, trunc(48 - 2.5) - 10 = 35;
    // own mark 32 - 8 - 16, 21 - 10.
    Shell("/usr/bin/convert -size 24x16 xc:lime BMP3:mark.bmp");
    Install(64, 48, [](int, int) { return kGrey; });
    GrabSettings s = Settings("png");
    s.Thumbnail.Percent = 50;
    s.Watermark.Watermark = true;
    // Relative: found in the storage folder, as ".\\marks\\mark.png" would be.
    snprintf(s.Watermark.File, sizeof s.Watermark.File, "mark.bmp");
    s.Watermark.Style = 2;
    s.Watermark.Stretch = true;
    s.Watermark.Percent = 25;
    s.Watermark.Corner = 3;
    s.Watermark.HOffset = 0.5f;
    s.Watermark.VOffset = 0.25f;
    for (bool dontResize : {false, true}) {
        s.Thumbnail.WMSame = dontResize;
        Store(s);
        EXPECT_EQ(Sweep(ReadWithGdiplus(In("screencap_.png")), 64, {40, 35, 16, 10}), "");
        EXPECT_EQ(Sweep(ReadWithGdiplus(In("tscreencap_.png")), 32,
                        dontResize ? Area{8, 11, 16, 10} : Area{20, 17.5, 8, 5}),
                  "")
            << "thumbnail with its own mark: " << dontResize;
    }
}

// A full disk, for real: a second run of this test whose files may not grow
// beyond 512 bytes (ulimit -f 1, with SIGXFSZ ignored, so a write past the
// limit fails as on a full disk). What did not fit must be gone.
using FullDisk = GdiplusStore;

TEST_F(FullDisk, WhatDoesNotFitIsRemoved) {
    if (getenv("PIXELNOOK_FULL_DISK") == nullptr) {
        const std::string limited =
            "trap '' XFSZ; ulimit -f 1; PIXELNOOK_FULL_DISK=1 " PIXELNOOK_WINE_LOADER " '" +
            UnixPath(Program()) + "' --gtest_filter=FullDisk.* >/dev/null 2>&1; echo $?";
        EXPECT_EQ(Shell(limited), "0\n") << "the limited run failed";
        return;
    }
    // The limited run: a small BMP fits (54 + 128 bytes), a large one does not,
    // from the own writer, then from GDI+ for picture and thumbnail.
    auto noise = [](int x, int y) { return x * 2654435761u + y; };
    for (int width : {8, 64}) {
        Install(width, 4, noise);
        BitmapHeader header;
        ASSERT_TRUE(MakeBitmapInfo(grab.capturedImage.dibSection.Get(), header));
        const std::string path = In("own" + std::to_string(width) + ".bmp");
        const HDC dc = grab.capturedImage.memoryDc.Get();
        EXPECT_EQ(WriteBmpFile(path.c_str(), header, grab.capturedImage.dibSection.Get(), dc),
                  width == 8);
        EXPECT_EQ(std::filesystem::exists(path), width == 8) << path;
    }
    Install(64, 48, noise);
    char picture[MAX_PATH] = "", thumbnail[MAX_PATH] = "";
    grab.StoreGrab(Settings("bmp"), false, picture, thumbnail);
    EXPECT_FALSE(std::filesystem::exists(picture)) << picture;
    EXPECT_FALSE(std::filesystem::exists(thumbnail)) << thumbnail;
}
