// Background transparency on GDI+ images: the copy is cloned into 32-bit ARGB,
// locked, and rewritten by the portable step (imaging/transparency.h).
#include <new>

#include "encode/gdiplus_image_steps_win.h"
#include "imaging/dib_section_win.h"
#include "imaging/transparency.h"

namespace {

// Read and write: the portable step reads the pixels it rewrites, and a lock
// for writing alone need not show them.
constexpr UINT kReadWrite = gdip::ImageLockModeRead | gdip::ImageLockModeWrite;

ImagePtr ArgbCopy(GdipImage& image) {
    return CloneArea(image, 0, 0, image.Width(), image.Height(), kFormatArgb);
}

}  // namespace

ImagePtr MakeColorTransparent(ImagePtr image, Colorref fill) {
    ImagePtr copy = ArgbCopy(*image);
    if (!copy) {
        return image;
    }
    {
        LockedBits bits(*copy, kReadWrite, kFormatArgb);
        if (!bits) {
            return image;
        }
        MakeColorTransparent(bits.Argb(), fill);
    }
    return copy;
}

ImagePtr ApplyCapturedAlpha(ImagePtr image, Colorref fill, HBITMAP capture) {
    DibPixels section;
    if (!DibSectionPixels(capture, section) || !section.bottomUp) {
        return MakeColorTransparent(std::move(image), fill);
    }
    ImagePtr copy = ArgbCopy(*image);
    if (!copy) {
        return image;
    }
    {
        LockedBits bits(*copy, kReadWrite, kFormatArgb);
        // The section must cover every row of the image (it is the image's source).
        if (!bits || section.height < bits.Argb().height || section.width < bits.Argb().width) {
            return image;
        }
        ApplyCapturedAlpha(bits.Argb(), fill, section.bits, section.stride);
    }
    return copy;
}
