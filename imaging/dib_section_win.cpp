// 32-bit DIB sections; see dib_section_win.h.
#include "imaging/dib_section_win.h"

#include <cstddef>

namespace {

constexpr int32_t kBytesPerPixel = 4;

}  // namespace

ArgbView DibPixels::TopDown() const {
    ArgbView view;
    view.width = width;
    view.height = height;
    view.stride = bottomUp ? -stride : stride;
    view.scan0 = bottomUp && height > 0 ? bits + static_cast<ptrdiff_t>(height - 1) * stride : bits;
    return view;
}

bool DibSectionPixels(HBITMAP bitmap, DibPixels& pixels) {
    pixels = DibPixels{};
    DIBSECTION section = {};
    // Only a DIB section fills the whole record; a device bitmap has no bits here.
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof section, &section) != sizeof section ||
        section.dsBm.bmBits == nullptr || section.dsBm.bmBitsPixel != kDibBitsPerPixel ||
        section.dsBmih.biCompression != BI_RGB || section.dsBm.bmWidth <= 0 ||
        section.dsBm.bmHeight <= 0) {
        return false;
    }
    GdiFlush();  // drawing still queued must reach the pixels first
    pixels.bits = static_cast<uint8_t*>(section.dsBm.bmBits);
    pixels.width = section.dsBm.bmWidth;
    pixels.height = section.dsBm.bmHeight;
    pixels.stride = section.dsBm.bmWidthBytes;
    pixels.bottomUp = section.dsBmih.biHeight > 0;
    return true;
}

BITMAPINFOHEADER Header32(int32_t width, int32_t height) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = kDibBitsPerPixel;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * kBytesPerPixel;
    return header;
}
