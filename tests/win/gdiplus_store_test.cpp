// File stores through GDI+ as Wine provides it: each type's file and
// thumbnail, read back with ImageMagick and GDI+; what Wine's encoders ignore
// (quality, compression, image information) is checked where the program hands
// it to GDI+, by wrapping entries of the bound function table.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "capture/bmp_file_win.h"
#include "capture/gdiplus_api_win.h"
#include "capture/gdiplus_available_win.h"
#include "capture/gdiplus_save_win.h"
#include "capture/image_steps_win.h"
#include "capture/screen_grab_win.h"
#include "tests/win/store_test_support.h"

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
std::string Identify(const std::string& path) {
    return RunShell("/usr/bin/identify -format '%m %wx%h' '" + UnixPath(path) + "'",
                    path + ".identify");
}

// Watches calls through the bound GDI+ table: each wrapper records what the
// program hands GDI+ and calls the real function.
struct SaveCall {
    std::string path;
    std::string currentDirectory;
    UINT parameterCount = 0;
    LONG quality = -1;
    LONG compression = -1;
    gdip::PixelFormat format = 0;
    // For an 8-bit image: the alpha of the palette entry of its first pixel.
    int firstEntryAlpha = -1;
};
struct ItemCall {
    PROPID id;
    ULONG length;
    WORD type;
    std::string text;
};
GdiplusFunctions g_real;
std::vector<SaveCall> g_saves;
std::vector<ItemCall> g_items;

// (The program itself never asks for it, so it is not in the table.)
gdip::PixelFormat PixelFormatOf(gdip::GpImage* image) {
    using GetFormat = gdip::GpStatus(WINAPI*)(gdip::GpImage*, gdip::PixelFormat*);
    gdip::PixelFormat format = 0;
    reinterpret_cast<GetFormat>(reinterpret_cast<void*>(GetProcAddress(
        GetModuleHandleA("gdiplus.dll"), "GdipGetImagePixelFormat")))(image, &format);
    return format;
}

gdip::GpStatus WINAPI WatchSave(gdip::GpImage* image, const WCHAR* path, const CLSID* encoder,
                                const gdip::EncoderParameters* parameters) {
    SaveCall call;
    char narrow[MAX_PATH] = "";
    WideCharToMultiByte(CP_ACP, 0, path, -1, narrow, sizeof narrow, nullptr, nullptr);
    call.path = narrow;
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof current, current);
    call.currentDirectory = current;
    call.format = PixelFormatOf(image);
    if (call.format == PixelFormat8bppIndexed) {
        auto* bitmap = static_cast<gdip::GpBitmap*>(image);
        const gdip::GpRect first(0, 0, 1, 1);
        gdip::BitmapData data = {};
        PaletteBlock palette;
        if (g_real.GdipBitmapLockBits(bitmap, &first, gdip::ImageLockModeRead,
                                      PixelFormat8bppIndexed, &data) == gdip::Ok) {
            const uint8_t index = *static_cast<const uint8_t*>(data.Scan0);
            g_real.GdipBitmapUnlockBits(bitmap, &data);
            if (g_real.GdipGetImagePalette(image, reinterpret_cast<gdip::ColorPalette*>(&palette),
                                           sizeof palette) == gdip::Ok)
                call.firstEntryAlpha = static_cast<int>(palette.entries[index] >> 24);
        }
    }
    if (parameters != nullptr) {
        call.parameterCount = parameters->Count;
        for (UINT i = 0; i < parameters->Count; ++i) {
            const gdip::EncoderParameter& p = parameters->Parameter[i];
            EXPECT_EQ(p.NumberOfValues, 1u);
            EXPECT_EQ(p.Type, static_cast<ULONG>(gdip::EncoderParameterValueTypeLong));
            const LONG value = *static_cast<const LONG*>(p.Value);
            (i == 0 ? call.quality : call.compression) = value;
        }
    }
    g_saves.push_back(call);
    return g_real.GdipSaveImageToFile(image, path, encoder, parameters);
}

gdip::GpStatus WINAPI WatchItem(gdip::GpImage* image, const gdip::PropertyItem* item) {
    g_items.push_back({item->id, item->length, item->type,
                       std::string(static_cast<const char*>(item->value), item->length)});
    return g_real.GdipSetPropertyItem(image, item);
}

gdip::GpStatus WINAPI RefuseIndexed(INT width, INT height, INT stride, gdip::PixelFormat format,
                                    BYTE* pixels, gdip::GpBitmap** bitmap) {
    if (format == PixelFormat8bppIndexed)
        return gdip::OutOfMemory;
    return g_real.GdipCreateBitmapFromScan0(width, height, stride, format, pixels, bitmap);
}

// Every library the binding loads, with the current directory at the time.
std::vector<std::pair<std::string, std::string>> g_loads;

HMODULE WINAPI WatchLoad(LPCSTR name) {
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof current, current);
    g_loads.emplace_back(name, current);
    return LoadLibraryA(name);
}

class Watch {
public:
    Watch() {
        g_real = Gdip();
        g_saves.clear();
        g_items.clear();
        GdiplusFunctions& table = GdiplusLibrary().functions;
        table.GdipSaveImageToFile = WatchSave;
        table.GdipSetPropertyItem = WatchItem;
    }
    ~Watch() { GdiplusLibrary().functions = g_real; }
};

// A file read back through GDI+: its pixel format and pixels
// (top-down, 0xAARRGGBB).
struct ReadBack {
    gdip::PixelFormat format = 0;
    int width = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels.at(static_cast<size_t>(y * width + x)); }
};

ReadBack ReadWithGdiplus(const std::string& path) {
    ReadBack result;
    ULONG_PTR token = 0;
    const gdip::GdiplusStartupInput input;
    Gdip().GdiplusStartup(&token, &input, nullptr);
    {
        wchar_t wide[kPathChars];
        WidenPath(path.c_str(), wide);
        ImagePtr image = ImageFromFile(wide);
        if (image) {
            result.format = PixelFormatOf(image->Native());
            LockedBits bits(*image, gdip::ImageLockModeRead, kFormatArgb);
            const ArgbView view = bits.Argb();
            result.width = view.width;
            for (int y = 0; bits && y < view.height; ++y)
                result.pixels.insert(result.pixels.end(), view.Row(y), view.Row(y) + view.width);
        }
    }
    Gdip().GdiplusShutdown(token);
    return result;
}

// Each store test: GDI+ bound, a storage folder, and a grab to put pictures in.
class GdiplusStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(IsGdiplusAvailable()); }
    void TearDown() override { grab.ReleaseGrab(); }

    StorageFolder folder{"store"};
    GrabSettings appSettings{true};
    TrayIcon tray;
    ScreenGrab grab{appSettings, tray};
};

}  // namespace

TEST_F(GdiplusStore, EachTypeWritesItsFileAndAQuarterSizeThumbnail) {
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
}

TEST_F(GdiplusStore, FullSizeSaveGetsEncoderSettingsAndImageInformation) {
    // Quality only for JPEG; compression only for TIFF (CCITT4 is 4), the
    // others pass LZW (2). The thumbnail gets the encoder's defaults.
    const struct {
        const char* ext;
        LONG quality;
        LONG compression;
    } types[] = {{"jpg", 75, 2}, {"tif", 100, 4}, {"png", 100, 2}};
    for (const auto& t : types) {
        SCOPED_TRACE(t.ext);
        InstallPicture(grab, 40, 20, [](int, int) { return Opaque(kGrey); });
        GrabSettings s = StoreSettings(folder, t.ext);
        s.FileStore.Quality = 75;
        s.FileStore.Compression = 2;
        snprintf(s.Info.Title, sizeof s.Info.Title, "Title");
        snprintf(s.Info.Artist, sizeof s.Info.Artist, "Artist");
        Watch watch;
        Store(grab, s);
        ASSERT_EQ(g_saves.size(), 2u);
        EXPECT_EQ(g_saves[0].parameterCount, 2u);
        EXPECT_EQ(g_saves[0].quality, t.quality);
        EXPECT_EQ(g_saves[0].compression, t.compression);
        EXPECT_EQ(g_saves[1].parameterCount, 0u);
        EXPECT_EQ(g_saves[1].path, folder / (std::string("tscreencap_001.") + t.ext));
        // Empty texts are left out; the date (UTC, seconds 00) and software
        // items are always there.
        ASSERT_EQ(g_items.size(), 4u);
        const PROPID ids[] = {0x0320, 0x013B, 0x0132, 0x0131};
        const char* texts[] = {"Title", "Artist", nullptr, "Pixelnook Beta 0.4.0"};
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(g_items[i].id, ids[i]);
            EXPECT_EQ(g_items[i].type, 2);  // ASCII
            EXPECT_EQ(g_items[i].length, strlen(g_items[i].text.c_str()) + 1);
            if (texts[i] != nullptr) {
                EXPECT_STREQ(g_items[i].text.c_str(), texts[i]);
            }
        }
        EXPECT_EQ(g_items[2].text.size(), 20u);  // "YYYY:MM:DD hh:mm:00"
        EXPECT_EQ(g_items[2].text.substr(16), std::string(":00", 4));
    }
}

TEST_F(GdiplusStore, NoEncoderForTheTypeWritesNoFile) {
    InstallPicture(grab, 8, 8, [](int, int) { return Opaque(kGrey); });
    GdiplusSaveOptions options;
    options.mimeType = "image/x-pixelnook";
    Watch watch;
    EXPECT_FALSE(SaveWithGdiplus((folder / "none.pxn").c_str(), (folder / "tnone.pxn").c_str(),
                                 grab.capturedImage.dibSection.Get(),
                                 grab.capturedImage.memoryDc.Get(), appSettings, options));
    EXPECT_TRUE(g_saves.empty());
    EXPECT_FALSE(folder.Holds("none.pxn"));
    EXPECT_FALSE(folder.Holds("tnone.pxn"));
}

TEST(GdiplusBinding, LoadedBesideTheProgramThenByNameBeforeTheStorageFolderIsCurrent) {
    // A gdiplus.dll planted among the grabs must never be the one loaded, so
    // no library may be loaded while the storage folder is current: neither
    // GDI+ itself nor what GDI+ loads while it saves (Wine's codecs).
    StorageFolder folder("planted");
    GrabSettings appSettings(true);
    TrayIcon tray;
    ScreenGrab grab(appSettings, tray);
    InstallPicture(grab, 8, 8, [](int, int) { return Opaque(kGrey); });
    GdiplusBinding& binding = GdiplusLibrary();
    binding.Forget();
    binding.loader = WatchLoad;
    g_loads.clear();
    Store(grab, StoreSettings(folder, "png"));
    binding.loader = nullptr;
    {
        Watch watch;
        Store(grab, StoreSettings(folder, "png"));
        ASSERT_EQ(g_saves.size(), 2u);
        for (const SaveCall& save : g_saves)
            EXPECT_NE(_stricmp(save.currentDirectory.c_str(), folder.Path().c_str()), 0);
    }
    grab.ReleaseGrab();

    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof program);
    *(strrchr(program, '\\') + 1) = '\0';
    // Nothing lies beside the test program, so the name is tried next; the
    // second store loads nothing.
    ASSERT_EQ(g_loads.size(), 2u);
    EXPECT_EQ(g_loads[0].first, std::string(program) + "gdiplus.dll");
    EXPECT_EQ(g_loads[1].first, "gdiplus.dll");
    for (const auto& load : g_loads)
        EXPECT_NE(_stricmp(load.second.c_str(), folder.Path().c_str()), 0) << load.first;
    EXPECT_TRUE(folder.Holds("screencap_002.png"));
}

TEST_F(GdiplusStore, PngAndTiffCarryTheBackgroundAsAlpha) {
    // Left half the fill colour (magenta), then one pixel one level off it,
    // then grey; the capture's alpha bytes are 0x80 in the top row only.
    auto colour = [](int x) { return x < 4 ? 0xFF00FFu : x == 4 ? 0xFE00FFu : kGrey; };
    for (const char* ext : {"png", "tif"}) {
        for (bool alphaFilled : {false, true}) {
            SCOPED_TRACE(std::string(ext) + (alphaFilled ? " captured alpha" : " colour key"));
            folder.Clear();
            InstallPicture(grab, 8, 4, [&](int x, int y) {
                return (y == 0 ? 0x80000000u : 0xFF000000u) | colour(x);
            });
            GrabSettings s = StoreSettings(folder, ext);
            s.Thumbnail.Thumb = false;
            s.BkgndFill.TransFill = true;
            s.BkgndFill.Color = kMagenta;
            Store(grab, s, alphaFilled);
            const ReadBack file = ReadWithGdiplus(folder / (std::string("screencap_001.") + ext));
            ASSERT_EQ(file.pixels.size(), 32u);
            for (int y = 0; y < 4; ++y) {
                for (int x = 0; x < 8; ++x) {
                    const uint32_t alpha =
                        alphaFilled ? (y == 0 ? 0x80u : 0xFFu) : (x < 4 ? 0u : 0xFFu);
                    EXPECT_EQ(file.At(x, y) >> 24, alpha) << x << "," << y;
                    if (alpha == 0xFF) {
                        EXPECT_EQ(file.At(x, y) & 0xFFFFFFu, colour(x)) << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST_F(GdiplusStore, GifReductionsWriteIndexedFiles) {
    // Magenta background (the fill colour, made transparent), red and blue.
    const struct {
        int reduction;
        uint32_t red;  // what the red and blue pixels read back as
        uint32_t blue;
    } methods[] = {
        {1, 0xFF4C4C4C, 0xFF1D1D1D},  // grayscale: levels 76 and 29
        // Median cut: the means of the coarse histogram's boxes.
        {2, 0xFFFE0204, 0xFF0202FC},
        {3, 0xFFFE0204, 0xFF0202FC},
        {4, 0xFFFF0000, 0xFF0000FF},
        {5, 0xFFFF0000, 0xFF0000FF},
    };
    for (const auto& m : methods) {
        SCOPED_TRACE(m.reduction);
        folder.Clear();
        InstallPicture(grab, 8, 4, [](int x, int y) {
            return Opaque(x < 4 ? 0xFF00FF : y < 2 ? 0xFF0000 : 0x0000FF);
        });
        GrabSettings s = StoreSettings(folder, "gif");
        s.FileStore.Reduction = m.reduction;
        s.BkgndFill.TransFill = true;
        s.BkgndFill.Color = kMagenta;
        {
            Watch watch;
            Store(grab, s);
            // Wine's GIF encoder drops the transparent entry, so it is checked
            // in the image handed to it: the background's entry has alpha 0.
            ASSERT_EQ(g_saves.size(), 2u);
            for (const SaveCall& save : g_saves)
                EXPECT_EQ(save.firstEntryAlpha, 0) << save.path;
        }
        for (const char* name : {"screencap_001.gif", "tscreencap_001.gif"}) {
            const ReadBack file = ReadWithGdiplus(folder / name);
            EXPECT_EQ(file.format, static_cast<gdip::PixelFormat>(PixelFormat8bppIndexed)) << name;
        }
        const ReadBack full = ReadWithGdiplus(folder / "screencap_001.gif");
        EXPECT_EQ(full.At(5, 0), m.red);
        EXPECT_EQ(full.At(5, 3), m.blue);
    }
}

TEST_F(GdiplusStore, GifReductionIsSkippedWhenGdiplusCannotMakeTheBitmap) {
    // The halftone method is saved twice with transparency (the second time
    // after MakeHalftoneTransparent); a reduction whose 8-bit bitmap GDI+
    // refuses saves the 32-bit image instead.
    const struct {
        int reduction;
        bool transparent;
        bool refuseIndexed;
        size_t saves;
        bool indexed;
    } cases[] = {
        {0, false, false, 2, false},
        {0, true, false, 4, false},
        {4, true, true, 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reduction * 100 + c.transparent * 10 + c.refuseIndexed);
        InstallPicture(grab, 8, 4, [](int x, int) { return Opaque(x < 4 ? 0xFF00FF : kGrey); });
        GrabSettings s = StoreSettings(folder, "gif");
        s.FileStore.Reduction = c.reduction;
        s.BkgndFill.TransFill = c.transparent;
        Watch watch;
        if (c.refuseIndexed)
            GdiplusLibrary().functions.GdipCreateBitmapFromScan0 = RefuseIndexed;
        Store(grab, s);
        ASSERT_EQ(g_saves.size(), c.saves);
        for (const SaveCall& save : g_saves)
            EXPECT_EQ(save.format == PixelFormat8bppIndexed, c.indexed) << save.path;
    }
}

TEST_F(GdiplusStore, WatermarkIsDrawnWhereTheLayoutPutsIt) {
    // The watermark: 8 x 4, solid green, written as a BMP.
    InstallPicture(grab, 8, 4, [](int, int) { return Opaque(0x00FF00); });
    BitmapHeader header;
    ASSERT_TRUE(MakeBitmapInfo(grab.capturedImage.dibSection.Get(), header));
    ASSERT_TRUE(WriteBmpFile((folder / "mark.bmp").c_str(), header,
                             grab.capturedImage.dibSection.Get(),
                             grab.capturedImage.memoryDc.Get()));
    const struct {
        const char* what;
        int style;
        bool stretch;      // 25 percent of the full-size picture, aspect kept
        const char* file;  // the picture checked
        std::vector<POINT> green;
        std::vector<POINT> grey;
    } cases[] = {
        {"centered", 0, false, "screencap_.png", {{28, 22}, {35, 25}}, {{27, 22}, {36, 25}}},
        {"bottom right", 2, false, "screencap_.png", {{56, 44}, {63, 47}}, {{55, 44}, {56, 43}}},
        {"tiled", 1, false, "screencap_.png", {{0, 0}, {16, 0}, {8, 4}}, {{8, 0}, {0, 4}}},
        // The thumbnail (half size) gets a mark of the full-size picture's 16 x 8.
        {"thumbnail", 0, true, "tscreencap_.png", {{9, 9}, {22, 14}}, {{6, 6}, {25, 17}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        InstallPicture(grab, 64, 48, [](int, int) { return Opaque(kGrey); });
        GrabSettings s = StoreSettings(folder, "png");
        s.FileStore.Digits = 0;  // each case writes over the one before
        s.Thumbnail.Percent = 50;
        s.Thumbnail.WMSame = true;
        s.Watermark.Watermark = true;
        // Relative: found in the storage folder, as ".\\marks\\mark.png" would be.
        snprintf(s.Watermark.File, sizeof s.Watermark.File, "mark.bmp");
        s.Watermark.Style = c.style;
        s.Watermark.Corner = 3;
        s.Watermark.Stretch = c.stretch;
        s.Watermark.Percent = 25;
        Store(grab, s);
        const ReadBack file = ReadWithGdiplus(folder / c.file);
        ASSERT_FALSE(file.pixels.empty());
        for (const POINT& p : c.green)
            EXPECT_EQ(file.At(p.x, p.y), 0xFF00FF00u) << p.x << "," << p.y;
        for (const POINT& p : c.grey)
            EXPECT_EQ(file.At(p.x, p.y), Opaque(kGrey)) << p.x << "," << p.y;
    }
}

TEST(WidePath, APathThatDoesNotFitIsRefusedNotCut) {
    const struct {
        std::string path;
        bool fits;
    } cases[] = {{"", false}, {std::string(259, 'a'), true}, {std::string(260, 'a'), false}};
    for (const auto& c : cases) {
        wchar_t wide[kPathChars];
        EXPECT_EQ(WidenPath(c.path.c_str(), wide), c.fits) << c.path.size();
        EXPECT_EQ(wcslen(wide), c.fits ? c.path.size() : 0u) << c.path.size();
    }
}
