// Where the time of a JPEG store with its thumbnail goes under Wine: the
// screen copied into a bottom-up 32-bit DIB section as a grab is, then each
// GDI+ step of the store timed alone (the program's own functions, the same
// calls and modes), and the whole store with and without the thumbnail.
// Prints the median of RUNS per step; the steps of one run are interleaved so
// that the noise of a shared machine falls on all of them alike.
//
//   wine64 thumbnail-steps.exe FOLDER [RUNS]   (under an X display; writes
//                                               its JPEG files into FOLDER)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/step_timer_win.h"
#include "encode/gdiplus_image_win.h"
#include "encode/gdiplus_api_win.h"
#include "encode/gdiplus_available_win.h"
#include "encode/gdiplus_save_win.h"
#include "encode/file_types.h"
#include "settings/grab_settings.h"

namespace {

// A grab's picture: the whole screen in a bottom-up 32-bit DIB section,
// selected into no device context.
HBITMAP GrabScreen(HDC memory, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    SelectObject(memory, previous);
    ReleaseDC(nullptr, screen);
    return section;
}

// The thumbnail as the store makes it: HighQualityBicubic into a blank ARGB
// image of a quarter of the size. A timer given marks the steps before the draw.
ImagePtr DrawThumbnail(GdipImage& source, int width, int height, Timer* timer) {
    ImagePtr thumbnail = BlankImage(width, height, kFormatArgb);
    if (timer != nullptr)
        timer->Mark("thumbnail: blank ARGB image");
    GdipGraphics graphics(*thumbnail);
    Gdip().GdipSetPageUnit(graphics.Get(), gdip::UnitPixel);
    Gdip().GdipSetInterpolationMode(graphics.Get(), gdip::InterpolationModeHighQualityBicubic);
    if (timer != nullptr)
        timer->Mark("thumbnail: graphics, unit, mode");
    Gdip().GdipDrawImageRectI(graphics.Get(), source.Native(), 0, 0, width, height);
    return thumbnail;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !IsGdiplusAvailable()) {
        fprintf(stderr, "usage: thumbnail-steps FOLDER [RUNS] (and GDI+ must load)\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 9;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP grab = GrabScreen(memory, width, height);
    const size_t pictureBytes = static_cast<size_t>(width) * height * 4;

    char picture[MAX_PATH], thumbnail[MAX_PATH];
    snprintf(picture, sizeof picture, "%s\\steps.jpg", argv[1]);
    snprintf(thumbnail, sizeof thumbnail, "%s\\tsteps.jpg", argv[1]);
    wchar_t widePicture[kPathChars], wideThumbnail[kPathChars];
    WidenPath(picture, widePicture);
    WidenPath(thumbnail, wideThumbnail);

    GrabSettings settings(true);
    StoreFormatInputs inputs;
    inputs.quality = settings.FileStore.Quality;
    GdiplusSaveOptions jpeg;
    GdiplusSaveOptionsFor("jpg", inputs, jpeg);

    std::vector<Step> steps;
    for (int run = 0; run < runs; ++run) {
        Timer timer(steps);
        TimeFreshMemory(pictureBytes, timer);

        ULONG_PTR token = 0;
        const gdip::GdiplusStartupInput input;
        Gdip().GdiplusStartup(&token, &input, nullptr);
        CLSID encoder;
        GetEncoderClsid("image/jpeg", encoder);
        timer.Mark("GDI+ start, encoder lookup");
        {
            ImagePtr copy = ImageFromBitmap(grab);
            timer.Mark("full image: copy (GdipCreateBitmapFromHBITMAP)");
            ImagePtr full = ImageOverDibSection(grab);
            timer.Mark("full image: view of the DIB section");
            Gdip().GdipSaveImageToFile(full->Native(), widePicture, &encoder, nullptr);
            timer.Mark("full image: JPEG save");
            ImagePtr small = DrawThumbnail(*full, width / 4, height / 4, &timer);
            timer.Mark("thumbnail: GdipDrawImageRectI from the 32bppRGB image");
            Gdip().GdipSaveImageToFile(small->Native(), wideThumbnail, &encoder, nullptr);
            timer.Mark("thumbnail: JPEG save");
            // Whether the source's format matters to the draw.
            ImagePtr premultiplied = CloneArea(*full, 0, 0, width, height, PixelFormat32bppPARGB);
            timer.Restart();
            DrawThumbnail(*premultiplied, width / 4, height / 4, nullptr);
            timer.Mark("  (blank, graphics and draw from a 32bppPARGB copy)");
        }
        Gdip().GdiplusShutdown(token);

        for (const bool withThumbnail : {false, true}) {
            settings.Thumbnail.Thumb = withThumbnail;
            HGDIOBJ previous = SelectObject(memory, grab);  // as a grab holds it
            timer.Restart();
            SaveWithGdiplus(picture, withThumbnail ? thumbnail : "", grab, memory, settings, jpeg);
            timer.Mark(withThumbnail ? "store: JPEG and thumbnail" : "store: JPEG");
            SelectObject(memory, previous);
        }
    }
    printf("%d x %d, median (min..max) of %d runs in ms\n", width, height, runs);
    PrintMedians(steps);
    DeleteObject(grab);
    DeleteDC(memory);
    return 0;
}
