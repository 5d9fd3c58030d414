// CapturedImage: the grab in progress. It owns the memory device context and
// the DIB section selected into it, exactly once: ReleaseGrab (Release) selects
// the previous bitmap back and frees both; the clipboard store takes the DIB
// section away (TakeBitmap), after which only the device context is left.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/handles_win.h"

struct CapturedImage {
    CapturedImage() = default;
    ~CapturedImage() { Release(); }
    CapturedImage(const CapturedImage&) = delete;
    CapturedImage& operator=(const CapturedImage&) = delete;

    // Whether a picture is held: the DIB section is still selected into the
    // memory device context. A store finding none writes nothing.
    bool HoldsPicture() const { return memoryDc && dibSection && previousBitmap != nullptr; }

    // Puts the previous bitmap back, then frees the DIB section and the memory
    // device context. The target window and the rectangle are kept.
    void Release();

    // Puts the previous bitmap back and gives the DIB section to the caller
    // (the clipboard); null when no picture is held.
    HBITMAP TakeBitmap();

    int32_t Width() const { return rect.right - rect.left; }
    int32_t Height() const { return rect.bottom - rect.top; }

    HWND targetWindow = nullptr;
    MemoryDc memoryDc;
    GdiObject<HBITMAP> dibSection;
    // What the memory device context held before the DIB section; borrowed.
    HGDIOBJ previousBitmap = nullptr;
    // Screen coordinates, right and bottom exclusive.
    RECT rect = {0, 0, 0, 0};
};
