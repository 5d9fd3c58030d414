// CapturedImage; see captured_image_win.h.
#include "capture/captured_image_win.h"

#include <utility>

void CapturedImage::Release() {
    // The DIB section cannot be deleted while it is selected into a context.
    if (memoryDc && previousBitmap != nullptr) {
        SelectObject(memoryDc.Get(), previousBitmap);
    }
    previousBitmap = nullptr;
    dibSection.Reset();
    memoryDc.Reset();
}

HBITMAP CapturedImage::TakeBitmap() {
    if (!HoldsPicture()) {
        return nullptr;
    }
    SelectObject(memoryDc.Get(), std::exchange(previousBitmap, nullptr));
    return dibSection.Release();
}
