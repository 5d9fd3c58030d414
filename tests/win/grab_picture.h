// A picture put into a ScreenGrab as TakeGrab leaves it, for the store tests:
// they need known pixels, and alpha bytes a screen copy cannot give.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "capture/screen_grab_win.h"

// Puts a width x height picture into the grab as TakeGrab leaves it: a 32-bit
// bottom-up DIB section selected into a memory DC. pixel(x, y) gives the
// top-down pixel as 0xAARRGGBB, alpha byte included.
inline void InstallPicture(ScreenGrab& grab, int width, int height,
                           const std::function<uint32_t(int, int)>& pixel) {
    grab.ReleaseGrab();
    CapturedImage& image = grab.capturedImage;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    image.memoryDc.Reset(CreateCompatibleDC(nullptr));
    image.dibSection.Reset(
        CreateDIBSection(image.memoryDc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            static_cast<uint32_t*>(bits)[(height - 1 - y) * width + x] = pixel(x, y);
    }
    image.previousBitmap = SelectObject(image.memoryDc.Get(), image.dibSection.Get());
    image.rect = {0, 0, width, height};
}
