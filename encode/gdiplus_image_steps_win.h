// The image steps of the GDI+ pipeline that work on GdipImages: background
// transparency, the watermark and GIF colour reduction. The pixel work is the
// portable core's (imaging/); these lock the GDI+ bitmaps and hand it views.
//
// Each step that replaces the image takes it and returns its replacement. When
// GDI+ cannot make the bitmap a step needs (a very large grab, low memory),
// the step is skipped and the image it was given comes back unchanged.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/types.h"
#include "encode/gdiplus_image_win.h"
#include "settings/grab_settings.h"

// A 32-bit ARGB copy in which every pixel of exactly the opaque fill colour
// has alpha 0.
ImagePtr MakeColorTransparent(ImagePtr image, Colorref fill);
// A 32-bit ARGB copy whose alpha comes from the capture's DIB section (the
// colour channels stay); the colour key when the section's pixels cannot be
// reached.
ImagePtr ApplyCapturedAlpha(ImagePtr image, Colorref fill, HBITMAP capture);

// Stamps the watermark file onto target, sized and placed against reference
// (which may be target itself). Nothing is drawn when the file cannot be read
// or its path does not fit.
void DrawWatermark(GdipImage& target, GdipImage& reference, const WatermarkSettings& settings);

// FileStore.Reduction's methods, as the settings page lists them.
enum class GifReduction : int32_t {
    Halftone = 0,  // left to the GIF encoder; transparency is added after the save
    Grayscale = 1,
    MedianCut = 2,
    MedianCutDithered = 3,
    Octree = 4,
    WebSafe = 5,
};

// The reduction a GIF gets before it is saved: an 8-bit indexed image, or the
// image itself for the halftone method (and any unknown number).
ImagePtr ReduceForGif(ImagePtr image, int32_t reduction, Colorref fill, bool transparent);
// Whether the GIF is saved a second time after MakeHalftoneTransparent.
bool HalftoneAfterSave(int32_t reduction, bool transparent);
// The image reduced to the palette of the GIF just written at path, with the
// fill colour's entry (if the encoder chose one at index 41 or above)
// transparent; the image itself when the file cannot be read back.
ImagePtr MakeHalftoneTransparent(ImagePtr image, Colorref fill, const char* path);

ImagePtr ReduceToGrayscale(ImagePtr image, Colorref fill, bool transparent);
ImagePtr ReduceToWebSafe(ImagePtr image, Colorref fill, bool transparent);
ImagePtr ReduceByOctree(ImagePtr image, Colorref fill, bool transparent);
ImagePtr ReduceByMedianCut(ImagePtr image, Colorref fill, bool transparent, bool dithered);
