// GdipImage, the owner of one GDI+ image, and the small owners around it: a
// drawing surface, locked pixels, a wide path. Image steps take the image they
// are given as std::unique_ptr<GdipImage> and hand back the one that replaces
// it (the same one when the step could not run).
//
// Every function here needs GDI+ bound and started (gdiplus_save_win.h).
#pragma once

#include <cstdint>
#include <memory>

#include "base/limits.h"
#include "encode/gdiplus_api_win.h"
#include "imaging/pixel_view.h"

class GdipImage {
public:
    explicit GdipImage(gdip::GpImage* image) : native_(image) {}
    virtual ~GdipImage();
    GdipImage(GdipImage&& other) noexcept;
    GdipImage& operator=(GdipImage&& other) noexcept;
    GdipImage(const GdipImage&) = delete;
    GdipImage& operator=(const GdipImage&) = delete;

    gdip::GpImage* Native() const { return native_; }
    // Every image made here is a bitmap.
    gdip::GpBitmap* Bitmap() const { return static_cast<gdip::GpBitmap*>(native_); }
    // Size in pixels; 0 when GDI+ cannot tell.
    int32_t Width();
    int32_t Height();
    // The pixel format; 0 (PixelFormatUndefined) when GDI+ cannot tell.
    gdip::PixelFormat Format();

    // Keeps a failing status (the last one) and passes every status through.
    gdip::GpStatus Record(gdip::GpStatus status);
    gdip::GpStatus lastStatus = gdip::Ok;

private:
    gdip::GpImage* native_ = nullptr;
};

using ImagePtr = std::unique_ptr<GdipImage>;

constexpr gdip::PixelFormat kFormatArgb = PixelFormat32bppARGB;
constexpr gdip::PixelFormat kFormatIndexed = PixelFormat8bppIndexed;

// The grab's DIB section (selected into no device context) as an image; null
// when GDI+ refuses it.
ImagePtr ImageFromBitmap(HBITMAP bitmap);
// The same picture without a copy: the image reads the pixels of the grab's
// DIB section (32 bits a pixel, bottom-up rows) where they lie, so it must not
// outlive the section, and drawing into it would draw into the grab. Null for
// a bitmap whose pixels cannot be reached so.
ImagePtr ImageOverDibSection(HBITMAP bitmap);
// A blank image of that size and format; null when GDI+ cannot make it.
ImagePtr BlankImage(int32_t width, int32_t height, gdip::PixelFormat format);
// An image read from a file; null when it cannot be read.
ImagePtr ImageFromFile(const wchar_t* path);
// A copy of a rectangle of image in that format; the copy's status is kept in
// image. Null when nothing could be copied.
ImagePtr CloneArea(GdipImage& image, int32_t x, int32_t y, int32_t width, int32_t height,
                   gdip::PixelFormat format);

// A drawing surface on an image, deleted with the owner.
class GdipGraphics {
public:
    explicit GdipGraphics(GdipImage& target);
    ~GdipGraphics();
    GdipGraphics(const GdipGraphics&) = delete;
    GdipGraphics& operator=(const GdipGraphics&) = delete;

    gdip::GpGraphics* Get() const { return graphics_; }
    explicit operator bool() const { return graphics_ != nullptr; }

private:
    gdip::GpGraphics* graphics_ = nullptr;
};

// The whole of a bitmap locked in one format; unlocked with the owner.
class LockedBits {
public:
    LockedBits(GdipImage& image, UINT mode, gdip::PixelFormat format);
    ~LockedBits();
    LockedBits(const LockedBits&) = delete;
    LockedBits& operator=(const LockedBits&) = delete;

    explicit operator bool() const { return locked_; }
    ArgbView Argb() const;
    IndexView Indices() const;

private:
    GdipImage& image_;
    gdip::BitmapData data_ = {};
    bool locked_ = false;
};

// An ANSI path in the wide form GDI+ file calls take. A path that does not
// fit (or is empty) is refused: the result is then false and wide is empty,
// because a cut path would name another file.
bool WidenPath(const char* path, wchar_t (&wide)[kPathChars]);
