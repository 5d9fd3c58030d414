// GdipImage and its helpers; see gdiplus_image_win.h.
#include "encode/gdiplus_image_win.h"

#include "imaging/dib_section_win.h"

#include <cstddef>
#include <cstring>
#include <new>
#include <utility>

namespace {

// A wrapper for a native image just made (or null when the making failed);
// the image is disposed of when no wrapper can be had. Callers take the status
// into a variable first: as an argument beside the image pointer it could be
// evaluated after the pointer was read.
ImagePtr Wrap(gdip::GpStatus status, gdip::GpBitmap* bitmap) {
    if (status != gdip::Ok || bitmap == nullptr) {
        return nullptr;
    }
    ImagePtr image(new (std::nothrow) GdipImage(bitmap));
    if (!image) {
        Gdip().GdipDisposeImage(bitmap);
    }
    return image;
}

}  // namespace

GdipImage::~GdipImage() {
    if (native_ != nullptr) {
        Gdip().GdipDisposeImage(native_);
    }
}

GdipImage::GdipImage(GdipImage&& other) noexcept
    : lastStatus(other.lastStatus), native_(std::exchange(other.native_, nullptr)) {}

GdipImage& GdipImage::operator=(GdipImage&& other) noexcept {
    if (this != &other) {
        if (native_ != nullptr) {
            Gdip().GdipDisposeImage(native_);
        }
        native_ = std::exchange(other.native_, nullptr);
        lastStatus = other.lastStatus;
    }
    return *this;
}

int32_t GdipImage::Width() {
    UINT width = 0;
    if (Record(Gdip().GdipGetImageWidth(native_, &width)) != gdip::Ok) {
        return 0;
    }
    return static_cast<int32_t>(width);
}

int32_t GdipImage::Height() {
    UINT height = 0;
    if (Record(Gdip().GdipGetImageHeight(native_, &height)) != gdip::Ok) {
        return 0;
    }
    return static_cast<int32_t>(height);
}

gdip::PixelFormat GdipImage::Format() {
    gdip::PixelFormat format = 0;
    if (Record(Gdip().GdipGetImagePixelFormat(native_, &format)) != gdip::Ok) {
        return 0;
    }
    return format;
}

gdip::GpStatus GdipImage::Record(gdip::GpStatus status) {
    if (status != gdip::Ok) {
        lastStatus = status;
    }
    return status;
}

ImagePtr ImageFromBitmap(HBITMAP bitmap) {
    gdip::GpBitmap* image = nullptr;
    const gdip::GpStatus status = Gdip().GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image);
    return Wrap(status, image);
}

ImagePtr ImageOverDibSection(HBITMAP bitmap) {
    DibPixels pixels;
    if (!DibSectionPixels(bitmap, pixels)) {
        return nullptr;
    }
    // GDI+ wants the top row first. 32bppRGB, as GdipCreateBitmapFromHBITMAP
    // makes of the section: the fourth byte is no alpha.
    const ArgbView rows = pixels.TopDown();
    gdip::GpBitmap* image = nullptr;
    const gdip::GpStatus status = Gdip().GdipCreateBitmapFromScan0(
        rows.width, rows.height, rows.stride, PixelFormat32bppRGB, rows.scan0, &image);
    return Wrap(status, image);
}

ImagePtr BlankImage(int32_t width, int32_t height, gdip::PixelFormat format) {
    gdip::GpBitmap* image = nullptr;
    const gdip::GpStatus status =
        Gdip().GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &image);
    return Wrap(status, image);
}

ImagePtr ImageFromFile(const wchar_t* path) {
    gdip::GpBitmap* image = nullptr;
    const gdip::GpStatus status = Gdip().GdipCreateBitmapFromFile(path, &image);
    return Wrap(status, image);
}

ImagePtr CloneArea(GdipImage& source, int32_t x, int32_t y, int32_t width, int32_t height,
                   gdip::PixelFormat format) {
    gdip::GpBitmap* copy = nullptr;
    const gdip::GpStatus status =
        Gdip().GdipCloneBitmapAreaI(x, y, width, height, format, source.Bitmap(), &copy);
    source.Record(status);
    return Wrap(status, copy);
}

GdipGraphics::GdipGraphics(GdipImage& target) {
    if (target.Record(Gdip().GdipGetImageGraphicsContext(target.Native(), &graphics_)) !=
        gdip::Ok) {
        graphics_ = nullptr;
    }
}

GdipGraphics::~GdipGraphics() {
    if (graphics_ != nullptr) {
        Gdip().GdipDeleteGraphics(graphics_);
    }
}

LockedBits::LockedBits(GdipImage& image, UINT mode, gdip::PixelFormat format) : image_(image) {
    const int32_t width = image.Width();
    const int32_t height = image.Height();
    if (width <= 0 || height <= 0) {
        return;
    }
    const gdip::GpRect whole(0, 0, width, height);
    locked_ = image.Record(Gdip().GdipBitmapLockBits(image.Bitmap(), &whole, mode, format,
                                                     &data_)) == gdip::Ok;
}

LockedBits::~LockedBits() {
    if (locked_) {
        image_.Record(Gdip().GdipBitmapUnlockBits(image_.Bitmap(), &data_));
    }
}

ArgbView LockedBits::Argb() const {
    return ArgbView{static_cast<int32_t>(data_.Width), static_cast<int32_t>(data_.Height),
                    data_.Stride, static_cast<uint8_t*>(data_.Scan0)};
}

IndexView LockedBits::Indices() const {
    return IndexView{static_cast<int32_t>(data_.Width), static_cast<int32_t>(data_.Height),
                     data_.Stride, static_cast<uint8_t*>(data_.Scan0)};
}

bool WidenPath(const char* path, wchar_t (&wide)[kPathChars]) {
    wide[0] = L'\0';
    const int length = static_cast<int>(strlen(path));
    if (length == 0) {
        return false;
    }
    // Room for the terminating zero is kept back; a path that needs more gives
    // 0 characters and is refused.
    const int converted = MultiByteToWideChar(CP_ACP, MB_COMPOSITE, path, length, wide,
                                              static_cast<int>(kPathChars) - 1);
    wide[converted > 0 ? converted : 0] = L'\0';
    return converted > 0;
}
