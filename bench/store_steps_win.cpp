// Where the time of a GIF store (every reduction) and of the program's own BMP
// store goes under Wine. A 1920 x 1080 picture (the screen-like or photo-like
// benchmark picture, or the screen itself) is put into a bottom-up 32-bit DIB
// section as a grab holds it; then each step is timed alone with the
// program's own functions, the same calls and modes, beside the whole store.
// Prints the median (and range) of RUNS per step; the steps of one run are
// interleaved so that the noise of a shared machine falls on all alike.
//
//   wine store-steps.exe FOLDER [RUNS [screen|photo|desktop]]
//       (under an X display; writes its files into FOLDER)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/test_images.h"
#include "capture/bmp_file_win.h"
#include "bench/step_timer_win.h"
#include "encode/gdiplus_image_win.h"
#include "encode/gdiplus_api_win.h"
#include "encode/gdiplus_available_win.h"
#include "encode/gdiplus_save_win.h"
#include "encode/gdiplus_image_steps_win.h"
#include "encode/file_types.h"
#include "imaging/color_reducer.h"
#include "imaging/fixed_palettes.h"
#include "imaging/median_cut.h"
#include "imaging/octree.h"
#include "settings/grab_settings.h"

namespace {

// The grab: a bottom-up 32-bit DIB section holding the picture (or the
// screen), selected into no device context.
HBITMAP MakeGrab(HDC memory, int width, int height, const char* picture) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (strcmp(picture, "desktop") == 0) {
        HGDIOBJ previous = SelectObject(memory, section);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        GdiFlush();
        SelectObject(memory, previous);
    } else {
        GeneratedImage image = strcmp(picture, "photo") == 0 ? PhotoLikeImage(width, height)
                                                             : ScreenLikeImage(width, height);
        auto* rows = static_cast<Argb*>(bits);
        for (int y = 0; y < height; ++y) {
            // A screen copy leaves the fourth byte 0.
            for (int x = 0; x < width; ++x) {
                rows[size_t(height - 1 - y) * size_t(width) + size_t(x)] =
                    image.pixels[size_t(y) * size_t(width) + size_t(x)] & kColorMask;
            }
        }
    }
    ReleaseDC(nullptr, screen);
    return section;
}

const char* const kReductionNames[] = {"halftone",         "grayscale", "median cut",
                                       "median cut dith.", "octree",    "web safe"};

// One GIF store's steps for a reduction, as the store runs them.
void GifSteps(HBITMAP grab, int reduction, const wchar_t* path, Timer& timer) {
    const std::string r = std::string("gif ") + kReductionNames[reduction] + ": ";
    ULONG_PTR token = 0;
    const gdip::GdiplusStartupInput input;
    timer.Restart();
    Gdip().GdiplusStartup(&token, &input, nullptr);
    timer.Mark(r + "GDI+ start");
    CLSID encoder;
    GetEncoderClsid("image/gif", encoder);
    timer.Mark(r + "encoder lookup");
    {
        ImagePtr image = ImageOverDibSection(grab);
        timer.Mark(r + "view of the DIB section");
        if (reduction != 0) {
            ImagePtr reduced = ReduceForGif(std::move(image), reduction, 0x00FF00FF, false);
            timer.Mark(r + "reduction (whole, the program's own)");
            image = std::move(reduced);
        }
        Gdip().GdipSaveImageToFile(image->Native(), path, &encoder, nullptr);
        timer.Mark(r + "save");
    }
    Gdip().GdiplusShutdown(token);
    timer.Mark(r + "GDI+ shutdown");
}

// Builds the reducer of a reduction (not median cut, which has none).
std::unique_ptr<ColorReducer> MakeReducer(int reduction) {
    if (reduction == 1) {
        return std::make_unique<GrayscaleReducer>(false, 0x00FF00FF);
    }
    if (reduction == 4) {
        return std::make_unique<OctreeReducer>(false, 0x00FF00FF, 255, 8);
    }
    return std::make_unique<WebSafeReducer>(false, 0x00FF00FF);
}

// The reduction's inner steps, each alone: lock, working copy, analyse,
// palette, map, the 8-bit image, over the same picture; then the reduction
// as the store now runs it, straight from the locked grab.
void ReductionSteps(HBITMAP grab, int reduction, Timer& timer) {
    const std::string r = std::string("gif ") + kReductionNames[reduction] + ": ";
    ULONG_PTR token = 0;
    const gdip::GdiplusStartupInput input;
    Gdip().GdiplusStartup(&token, &input, nullptr);
    {
        ImagePtr image = ImageOverDibSection(grab);
        const int32_t width = image->Width();
        const int32_t height = image->Height();
        timer.Restart();
        {
            LockedBits argb(*image, gdip::ImageLockModeRead, kFormatArgb);
            timer.Mark(r + "  lock 32bppRGB as ARGB (a converted copy)");
        }
        timer.Mark(r + "  unlock it");
        {
            LockedBits rgb(*image, gdip::ImageLockModeRead, PixelFormat32bppRGB);
            timer.Mark(r + "  lock 32bppRGB as it is");
        }
        timer.Mark(r + "  unlock it");
        ImagePtr result = BlankImage(width, height, kFormatIndexed);
        timer.Mark(r + "  8-bit image: blank");
        LockedBits source(*image, gdip::ImageLockModeRead, PixelFormat32bppRGB);
        LockedBits target(*result, gdip::ImageLockModeWrite, kFormatIndexed);
        timer.Mark(r + "  8-bit image: locks");
        std::vector<Argb> pixels(size_t(width) * size_t(height));
        timer.Mark(r + "  working copy: zero-filled buffer");
        const ArgbView working{width, height, width * 4, reinterpret_cast<uint8_t*>(pixels.data())};
        const ArgbView view = source.Argb();
        for (int32_t y = 0; y < height; ++y) {
            const Argb* from = view.Row(y);
            Argb* to = working.Row(y);
            for (int32_t x = 0; x < width; ++x) {
                to[x] = from[x] | kOpaque;
            }
        }
        timer.Mark(r + "  working copy: pixels");
        PaletteBlock block;
        block.count = kMaxPaletteEntries;
        if (reduction == 2 || reduction == 3) {
            ReduceByMedianCut(working, 0x00FF00FF, false, reduction == 3, target.Indices(), block);
            timer.Mark(r + "  analyse, map" + (reduction == 3 ? ", dither" : ""));
        } else if (reduction != 0) {
            std::unique_ptr<ColorReducer> reducer = MakeReducer(reduction);
            timer.Restart();
            if (!reducer->paletteFixed) {
                reducer->Analyze(working);
            }
            timer.Mark(r + "  analyse");
            reducer->GetPalette(block);
            timer.Mark(r + "  palette");
            reducer->Remap(working, target.Indices());
            timer.Mark(r + "  map");
        }
        pixels.clear();
        pixels.shrink_to_fit();
        timer.Restart();
        if (reduction == 2 || reduction == 3) {
            ReduceByMedianCut(source.Argb(), 0x00FF00FF, false, reduction == 3, target.Indices(),
                              block);
        } else {
            ReduceDrawnColors(*MakeReducer(reduction), source.Argb(), true, target.Indices(),
                              block);
        }
        timer.Mark(r + "  reduced from the grab's own pixels, band by band");
    }
    Gdip().GdiplusShutdown(token);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !IsGdiplusAvailable()) {
        fprintf(stderr,
                "usage: store-steps FOLDER [RUNS [screen|photo|desktop]] (GDI+ must load)\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 9;
    const char* picture = argc > 3 ? argv[3] : "screen";
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP grab = MakeGrab(memory, width, height, picture);
    const size_t pictureBytes = size_t(width) * size_t(height) * 4;

    const std::string folder = argv[1];
    const std::string gifPath = folder + "\\steps.gif";
    const std::string bmpPath = folder + "\\steps.bmp";
    wchar_t wideGif[kPathChars];
    WidenPath(gifPath.c_str(), wideGif);

    GrabSettings settings(true);
    settings.Thumbnail.Thumb = false;
    std::vector<Step> steps;
    for (int run = 0; run < runs; ++run) {
        Timer timer(steps);
        TimeFreshMemory(pictureBytes, timer);

        // The BMP store without GDI+, and its floor: the section's bits written.
        {
            HGDIOBJ previous = SelectObject(memory, grab);  // as a grab holds it
            timer.Restart();
            BitmapHeader header;
            MakeBitmapInfo(grab, header);
            WriteBmpFile(bmpPath.c_str(), header, grab, memory);
            timer.Mark("bmp: store (WriteBmpFile)");
            std::unique_ptr<BYTE[]> copy(new BYTE[header.sizeImage]);
            timer.Mark("bmp:   fresh buffer");
            BITMAPINFO info = {};
            info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
            GetDIBits(memory, grab, 0, UINT(height), copy.get(), &info, DIB_RGB_COLORS);
            timer.Mark("bmp:   GetDIBits into it");
            copy.reset();
            DIBSECTION section = {};
            GetObjectA(grab, sizeof section, &section);
            GdiFlush();
            timer.Mark("bmp:   GetObject, GdiFlush");
            HANDLE file = CreateFileA(bmpPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
            DWORD written = 0;
            WriteFile(file, &info, 54, &written, nullptr);  // stands in for both headers
            WriteFile(file, section.dsBm.bmBits, header.sizeImage, &written, nullptr);
            CloseHandle(file);
            timer.Mark("bmp:   create, write the section's bits, close");
            SelectObject(memory, previous);
        }

        for (int reduction = 0; reduction < 6; ++reduction) {
            GifSteps(grab, reduction, wideGif, timer);
            if (reduction != 0) {
                ReductionSteps(grab, reduction, timer);
            }
            StoreFormatInputs inputs;
            inputs.reduction = reduction;
            GdiplusSaveOptions gif;
            GdiplusSaveOptionsFor("gif", inputs, gif);
            HGDIOBJ previous = SelectObject(memory, grab);
            timer.Restart();
            SaveWithGdiplus(gifPath.c_str(), "", grab, memory, settings, gif);
            timer.Mark(std::string("gif ") + kReductionNames[reduction] + ": store (whole)");
            SelectObject(memory, previous);
        }
    }
    printf("%d x %d %s picture, median (min..max) of %d runs in ms\n", width, height, picture,
           runs);
    PrintMedians(steps);
    DeleteObject(grab);
    DeleteDC(memory);
    return 0;
}
