// ScreenGrab::TakeGrab and ReleaseGrab: the screen copy into the grab's DIB
// section, the cursor drawn in, and the background around shaped or
// translucent windows filled with a solid colour.
//
// Background fill has two ways. From Windows 2000 on, a layered window, or any
// window on a 32-bit display whose region is not complex, is taken to carry a
// meaningful alpha channel: its picture is composited over the fill colour
// (FlattenAlpha), or left with its alpha for the translucent saves when
// BkgndFill.TransFill is set. Otherwise a window with a complex region gets
// everything outside its region painted in the fill colour.
//
// A copy whose alpha bytes are all 0 delivered no alpha channel (GDI leaves
// them so for ordinary windows): compositing it would turn the whole picture
// into the fill colour, so such a grab takes the region fill instead.
#include <windows.h>

#include "base/handles_win.h"
#include "base/os_version_win.h"
#include "imaging/dib_section_win.h"
#include "capture/cursor_overlay_win.h"
#include "imaging/flatten_alpha.h"
#include "capture/screen_grab_win.h"

namespace {

constexpr int kTrueColourBits = 32;

// The region type of the window (ERROR when it has none); the region itself
// goes into region when one is given.
int WindowRegionType(HWND window, HRGN region) {
    return GetWindowRgn(window, region);
}

// Paints what lies outside the window's complex region in the fill colour.
void FillOutsideRegion(HWND window, HDC dc, int width, int height, COLORREF colour) {
    GdiObject<HRGN> windowRegion(CreateRectRgn(0, 0, 0, 0));
    if (WindowRegionType(window, windowRegion.Get()) != COMPLEXREGION) {
        return;  // no region, a null or a simple one: nothing lies outside
    }
    GdiObject<HRGN> outside(CreateRectRgn(0, 0, width, height));
    CombineRgn(outside.Get(), windowRegion.Get(), outside.Get(), RGN_XOR);
    GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FillRgn(dc, outside.Get(), brush.Get());
}

// Whether the grab's alpha bytes are taken as meaningful (Windows 2000 on).
bool HasMeaningfulAlpha(HWND window, HDC dc) {
    GdiObject<HRGN> scratch(CreateRectRgn(0, 0, 0, 0));
    const int regionType = WindowRegionType(window, scratch.Get());
    scratch.Reset();
    const bool layered = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    return layered ||
           (GetDeviceCaps(dc, BITSPIXEL) == kTrueColourBits && regionType != COMPLEXREGION);
}

// The DIB section's pixels; no pixels when they cannot be reached.
ArgbView PictureBits(HBITMAP bitmap) {
    DibPixels pixels;
    return DibSectionPixels(bitmap, pixels) ? pixels.TopDown() : ArgbView{};
}

bool CopyHasAlpha(HBITMAP bitmap) {
    return HasAnyAlpha(PictureBits(bitmap));
}

void FlattenPicture(HBITMAP bitmap, Colorref colour) {
    FlattenAlpha(PictureBits(bitmap), colour);
}

}  // namespace

bool ScreenGrab::TakeGrab(GrabType type, bool drawCursor, bool fillBackground, Colorref fillColour,
                          bool& alphaFilled) {
    alphaFilled = false;
    ReleaseGrab();
    if (!ResolveGrabTarget(type)) {
        if (cursorParked) {
            // An area popup sized down to nothing: no copy follows, so the
            // cursor comes back and the window is concealed (keeping its
            // taskbar button) here.
            cursorParked = false;
            SetCursorPos(savedCursor.x, savedCursor.y);
            ConcealMainWindow();
        }
        return false;
    }
    // A DC for the whole virtual screen: its coordinates are screen coordinates.
    MemoryDc display(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
    if (!display) {
        return false;  // the prepared picture waits for the next release
    }
    const RECT& rect = capturedImage.rect;
    const int width = capturedImage.Width();
    const int height = capturedImage.Height();
    HDC picture = capturedImage.memoryDc.Get();
    const bool nt5 = GetOsVersionClass() >= kOsWindows2000;
    // CAPTUREBLT brings layered windows into the copy.
    BitBlt(picture, 0, 0, width, height, display.Get(), rect.left, rect.top,
           nt5 ? SRCCOPY | CAPTUREBLT : SRCCOPY);
    // Asked before the cursor goes in: the cursor is drawn opaque.
    const bool copyHasAlpha = fillBackground && nt5 && CopyHasAlpha(capturedImage.dibSection.Get());

    cursorParked = false;
    SetCursorPos(savedCursor.x, savedCursor.y);
    ConcealMainWindow();

    // The cursor goes in before the fill: the region fill paints over cursor
    // pixels outside the window's shape, and FlattenAlpha keeps the cursor's
    // opaque pixels as they are.
    if (drawCursor) {
        POINT cursor = {};
        GetCursorPos(&cursor);
        cursor.x -= rect.left;
        cursor.y -= rect.top;
        DrawCursorImage(capturedImage.targetWindow, picture, cursor);
    }
    if (fillBackground) {
        HWND target = capturedImage.targetWindow;
        if (nt5) {
            alphaFilled = HasMeaningfulAlpha(target, picture) && copyHasAlpha;
            if (alphaFilled && !settings_.BkgndFill.TransFill) {
                FlattenPicture(capturedImage.dibSection.Get(), fillColour);
            }
        }
        if (!alphaFilled) {
            FillOutsideRegion(target, picture, width, height, fillColour);
        }
    }
    SelectClipRgn(display.Get(), nullptr);
    return true;
}

bool ScreenGrab::ReleaseGrab() {
    capturedImage.Release();
    return true;
}
