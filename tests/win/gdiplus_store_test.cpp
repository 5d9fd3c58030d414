// File stores through GDI+ as Wine provides it: each type's file and
// thumbnail, read back with ImageMagick and GDI+; what Wine's encoders ignore
// (quality, compression, image information, the GIF's transparent entry) is
// checked where the program hands it to GDI+, by wrapping entries of the bound
// function table.
#include <cstring>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "capture/gdiplus_api_win.h"
#include "capture/gdiplus_available_win.h"
#include "capture/gdiplus_save_win.h"
#include "capture/image_steps_win.h"
#include "tests/win/ini_scratch.h"
#include "tests/win/store_test_support.h"

namespace {

constexpr uint32_t kGrey = 0xFF808080;

// What the program handed GDI+, recorded by wrappers around the table's entries.
struct SaveCall {
    std::vector<LONG> parameters;  // each a single Long, else -1
    int firstEntryAlpha = -1;      // with a palette: the alpha of the first pixel's entry
};
GdiplusFunctions g_real;
std::vector<SaveCall> g_saves;
// Every library the binding loads and every save, with the current directory.
std::vector<std::pair<std::string, std::string>> g_calls;
std::string g_items;  // "ID type text|" for each

gdip::GpStatus WINAPI WatchSave(gdip::GpImage* image, const WCHAR* path, const CLSID* encoder,
                                const gdip::EncoderParameters* parameters) {
    SaveCall call;
    g_calls.emplace_back("save", CurrentDirectory());
    auto* bitmap = static_cast<gdip::GpBitmap*>(image);
    const gdip::GpRect first(0, 0, 1, 1);
    gdip::BitmapData data = {};
    PaletteBlock palette;
    if (g_real.GdipGetImagePalette(image, reinterpret_cast<gdip::ColorPalette*>(&palette),
                                   sizeof palette) == gdip::Ok &&
        palette.count > 0 &&
        g_real.GdipBitmapLockBits(bitmap, &first, gdip::ImageLockModeRead, PixelFormat8bppIndexed,
                                  &data) == gdip::Ok) {
        call.firstEntryAlpha = palette.entries[*static_cast<const uint8_t*>(data.Scan0)] >> 24;
        g_real.GdipBitmapUnlockBits(bitmap, &data);
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
    g_items += head + std::string(text) + "|";
    return g_real.GdipSetPropertyItem(image, item);
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
}

// A file's pixels read back through GDI+: top-down, 0xAARRGGBB.
std::vector<uint32_t> ReadWithGdiplus(const std::string& path) {
    std::vector<uint32_t> pixels;
    ULONG_PTR token = 0;
    const gdip::GdiplusStartupInput input;
    Gdip().GdiplusStartup(&token, &input, nullptr);
    wchar_t wide[kPathChars];
    if (ImagePtr image = WidenPath(path.c_str(), wide) ? ImageFromFile(wide) : nullptr) {
        LockedBits bits(*image, gdip::ImageLockModeRead, kFormatArgb);
        for (int y = 0; bits && y < bits.Argb().height; ++y)
            pixels.insert(pixels.end(), bits.Argb().Row(y), bits.Argb().Row(y) + image->Width());
    }
    Gdip().GdiplusShutdown(token);
    return pixels;
}

class GdiplusStore : public StoreTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(IsGdiplusAvailable());
        g_real = Gdip();
    }
    void TearDown() override { GdiplusLibrary().functions = g_real; }
};

}  // namespace

TEST_F(GdiplusStore, EachTypeWritesItsFileAndQuarterSizeThumbnailWithItsSettings) {
    // Quality counts for JPEG only, compression for TIFF only (CCITT4, 4); the
    // thumbnail gets the encoder's defaults. Empty texts are left out.
    const std::tuple<const char*, const char*, std::vector<LONG>> types[] = {
        {"jpg", "JPEG", {75, 2}},
        {"bmp", "BMP3", {100, 2}},
        {"gif", "GIF", {100, 2}},
        {"png", "PNG", {100, 2}},
        {"tif", "TIFF", {100, 4}}};
    InstallPicture(grab, 64, 48, [](int x, int) { return x < 32 ? kGrey : 0xFF0000FF; });
    for (const auto& [ext, format, parameters] : types) {
        SCOPED_TRACE(ext);
        GrabSettings s = Settings(ext);
        s.FileStore.Reduction = 4;  // octree: Wine cannot write a GIF from 32 bits
        s.FileStore.Quality = 75;
        s.FileStore.Compression = 2;
        snprintf(s.Info.Title, sizeof s.Info.Title, "Title");
        snprintf(s.Info.Artist, sizeof s.Info.Artist, "Artist");
        Watch();
        const std::string name = std::string("screencap_.") + ext;
        EXPECT_EQ(Store(s), In(name) + "|" + In("t" + name));
        const std::string identify = "/usr/bin/identify -format '%m %wx%h ' " + name + " t" + name;
        EXPECT_EQ(RunShell("cd '" + UnixPath(folder) + "' && " + identify, In("identify")),
                  std::string(format) + " 64x48 " + format + " 16x12 ");
        // Wine writes none of what follows into the file.
        ASSERT_EQ(g_saves.size(), 2u);
        EXPECT_EQ(g_saves[0].parameters, parameters);
        EXPECT_EQ(g_saves[1].parameters, std::vector<LONG>());
        // The date and time (UTC, to the minute) and the software are always there.
        EXPECT_TRUE(std::regex_match(g_items, std::regex("0320 2 Title\\|013B 2 Artist\\|0132 2 "
                                                         "\\d{4}(:\\d\\d){2} \\d\\d:\\d\\d:00\\|"
                                                         "0131 2 Pixelnook [^|]+\\|")))
            << g_items;
    }
}

TEST_F(GdiplusStore, NoEncoderForTheTypeWritesNoFile) {
    InstallPicture(grab, 8, 8, [](int, int) { return kGrey; });
    GdiplusSaveOptions options;
    options.mimeType = "image/x-pixelnook";
    Watch();
    EXPECT_FALSE(SaveWithGdiplus(In("none.pxn").c_str(), In("tnone.pxn").c_str(),
                                 grab.capturedImage.dibSection.Get(),
                                 grab.capturedImage.memoryDc.Get(), appSettings, options));
    EXPECT_TRUE(g_saves.empty());  // GDI+ is not handed an encoder that was not found
    EXPECT_FALSE(Exists(In("none.pxn")) || Exists(In("tnone.pxn")));
}

using GdiplusLoading = GdiplusStore;

TEST_F(GdiplusLoading, LoadedBesideTheProgramThenByNameBeforeTheStorageFolderIsCurrent) {
    // A gdiplus.dll planted among the grabs must never be the one loaded, so
    // no library may be loaded while the storage folder is current: neither
    // GDI+ itself nor what GDI+ loads while it saves (Wine's codecs).
    InstallPicture(grab, 8, 8, [](int, int) { return kGrey; });
    GdiplusBinding& binding = GdiplusLibrary();
    binding.Forget();
    binding.loader = WatchLoad;
    g_calls.clear();
    Store(Settings("png"));
    binding.loader = nullptr;
    g_real = Gdip();  // bound afresh
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof program);
    *(strrchr(program, '\\') + 1) = '\0';
    // Nothing lies beside the test program, so the name is tried next.
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[0].first, std::string(program) + "gdiplus.dll");
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
    InstallPicture(grab, 8, 4, [&](int x, int y) { return (y ? 0xFFu : 0x80u) << 24 | colour(x); });
    for (const char* ext : {"png", "tif"}) {
        for (bool alphaFilled : {false, true}) {
            SCOPED_TRACE(std::string(ext) + (alphaFilled ? " captured alpha" : " colour key"));
            GrabSettings s = Settings(ext);
            s.Thumbnail.Thumb = false;
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

TEST_F(GdiplusStore, GifIsReducedToEightBitsWithTheBackgroundTransparent) {
    // Wine's GIF encoder drops the transparent entry, so it is checked in the
    // image handed to it: the background's entry has alpha 0 (-1: not 8 bits).
    // The halftone method (0) saves 32 bits, twice with transparency (the second
    // time after MakeHalftoneTransparent); so does a reduction whose 8-bit
    // bitmap GDI+ refuses. Red and blue read back as given (0: not readable
    // under Wine).
    const std::tuple<int, size_t, int, bool, bool, uint32_t, uint32_t> cases[] = {
        {1, 2, 0, true, false, 0xFF4C4C4C, 0xFF1D1D1D},  // grayscale: levels 76 and 29
        // Median cut: the means of the coarse histogram's boxes.
        {2, 2, 0, true, false, 0xFFFE0204, 0xFF0202FC},
        {3, 2, 0, true, false, 0xFFFE0204, 0xFF0202FC},
        {4, 2, 0, true, false, 0xFFFF0000, 0xFF0000FF},
        {5, 2, 0, true, false, 0xFFFF0000, 0xFF0000FF},
        {0, 2, -1, false, false, 0, 0},
        {0, 4, -1, true, false, 0, 0},
        {4, 2, -1, true, true, 0, 0},
    };
    // Magenta background (the fill colour), red above blue.
    InstallPicture(grab, 8, 4, [](int x, int y) {
        return 0xFF000000 | (x < 4 ? 0xFF00FF : y < 2 ? 0xFF0000 : 0x0000FF);
    });
    for (const auto& [reduction, saves, entryAlpha, transparent, refuseIndexed, red, blue] :
         cases) {
        SCOPED_TRACE(reduction * 100 + transparent * 10 + refuseIndexed);
        GrabSettings s = Settings("gif");
        s.FileStore.Reduction = reduction;
        s.BkgndFill.TransFill = transparent;
        s.BkgndFill.Color = RGB(255, 0, 255);
        Watch();
        if (refuseIndexed)
            GdiplusLibrary().functions.GdipCreateBitmapFromScan0 = RefuseIndexed;
        Store(s);
        ASSERT_EQ(g_saves.size(), saves);
        for (const SaveCall& save : g_saves)
            EXPECT_EQ(save.firstEntryAlpha, entryAlpha);
        if (red != 0) {
            const std::vector<uint32_t> file = ReadWithGdiplus(In("screencap_.gif"));
            EXPECT_EQ(std::make_pair(file.at(5), file.at(29)), std::make_pair(red, blue));
        }
    }
}

TEST_F(GdiplusStore, WatermarkIsDrawnWhereTheLayoutPutsIt) {
    // The watermark: 8 x 4, solid green.
    RunShell("/usr/bin/convert -size 8x4 xc:lime 'BMP3:" + UnixPath(In("mark.bmp")) + "'",
             In("convert"));
    // The style, whether stretched (to 25 percent of the full-size picture,
    // aspect kept), the picture checked, and where it is green and grey.
    using Points = std::vector<POINT>;
    const std::tuple<int, bool, const char*, Points, Points> cases[] = {
        {0, false, "screencap_.png", {{28, 22}, {35, 25}}, {{27, 22}, {36, 25}}},   // centred
        {1, false, "screencap_.png", {{0, 0}, {16, 0}, {8, 4}}, {{8, 0}, {0, 4}}},  // tiled
        {2, false, "screencap_.png", {{56, 44}, {63, 47}}, {{55, 47}, {63, 43}}},   // cornered
        {0, true, "screencap_.png", {{25, 21}, {38, 26}}, {{22, 19}, {41, 29}}},    // 16 x 8
        // The thumbnail (half size) gets a mark of the full-size picture's 16 x 8.
        {0, true, "tscreencap_.png", {{9, 9}, {22, 14}}, {{6, 6}, {25, 17}}},
    };
    InstallPicture(grab, 64, 48, [](int, int) { return kGrey; });
    GrabSettings s = Settings("png");
    s.Thumbnail.Percent = 50;
    s.Thumbnail.WMSame = true;
    s.Watermark.Watermark = true;
    // Relative: found in the storage folder, as ".\\marks\\mark.png" would be.
    snprintf(s.Watermark.File, sizeof s.Watermark.File, "mark.bmp");
    s.Watermark.Corner = 3;
    s.Watermark.Percent = 25;
    for (const auto& [style, stretch, picture, green, grey] : cases) {
        SCOPED_TRACE(picture + std::to_string(style));
        s.Watermark.Style = style;
        s.Watermark.Stretch = stretch;
        Store(s);
        const std::vector<uint32_t> file = ReadWithGdiplus(In(picture));
        const int width = picture[0] == 't' ? 32 : 64;
        ASSERT_EQ(file.size(), width * width * 3u / 4);
        for (const POINT& p : green)
            EXPECT_EQ(file[p.y * width + p.x], 0xFF00FF00u) << p.x << "," << p.y;
        for (const POINT& p : grey)
            EXPECT_EQ(file[p.y * width + p.x], kGrey) << p.x << "," << p.y;
    }
}

TEST(WidePath, APathThatDoesNotFitIsRefusedNotCut) {
    for (size_t length : {0, 259, 260}) {
        wchar_t wide[kPathChars];
        const bool fits = length == 259;
        EXPECT_EQ(WidenPath(std::string(length, 'a').c_str(), wide), fits) << length;
        EXPECT_EQ(wcslen(wide), fits ? length : 0u) << length;
    }
}
