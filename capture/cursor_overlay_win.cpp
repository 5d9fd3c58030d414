// The cursor overlay; see cursor_overlay_win.h. The compositing itself is the
// portable CompositeCursor; this file finds the cursor and reads its bitmaps.
#include "capture/cursor_overlay_win.h"

#include <new>

#include "base/handles_win.h"
#include "base/system_functions_win.h"
#include "imaging/dib_section_win.h"
#include "imaging/cursor_composite.h"

namespace {

constexpr UINT kDrawCursorFlags = DI_NORMAL | DI_DEFAULTSIZE;

HCURSOR FindCurrentCursor(HWND targetWindow) {
    HCURSOR cursor = nullptr;
    if (User32Optional().GetCursorInfo != nullptr) {
        CURSORINFO info = {};
        info.cbSize = sizeof info;
        if (User32Optional().GetCursorInfo(&info)) {
            cursor = info.hCursor;
        }
    }
    if (cursor == nullptr) {
        // GetCursor answers for the calling thread only: borrow the input state
        // of the thread whose window is under the mouse for this one call.
        const DWORD ourThread = GetCurrentThreadId();
        const DWORD targetThread = GetWindowThreadProcessId(targetWindow, nullptr);
        AttachThreadInput(ourThread, targetThread, TRUE);
        cursor = GetCursor();
        AttachThreadInput(ourThread, targetThread, FALSE);
    }
    return cursor != nullptr ? cursor : LoadCursorA(nullptr, IDC_ARROW);
}

// The picture selected into dc as a pixel view, when it is a 32-bit DIB section.
bool PictureRows(HDC dc, ArgbView& rows) {
    DibPixels picture;
    if (!DibSectionPixels(static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP)), picture)) {
        return false;
    }
    rows = picture.TopDown();
    return true;
}

// Rows as ReadBitmapBits32 returns them (bottom-up, one after the other) as a
// view, top row first; no pixels when there are none.
ArgbView RowsOf(const std::unique_ptr<uint8_t[]>& bits, const BITMAPINFOHEADER& header) {
    if (!bits) {
        return {};
    }
    const int32_t stride = header.biWidth * static_cast<int32_t>(sizeof(RGBQUAD));
    return {header.biWidth, header.biHeight, -stride,
            bits.get() + static_cast<ptrdiff_t>(header.biHeight - 1) * stride};
}

// Composites from the cursor's bitmaps; false when the fallback must draw it.
bool CompositeFromMasks(HDC dc, const ICONINFO& icon, POINT point) {
    ArgbView picture;
    if (!PictureRows(dc, picture)) {
        return false;
    }
    BITMAPINFOHEADER maskHeader = {};
    BITMAPINFOHEADER colourHeader = {};
    std::unique_ptr<uint8_t[]> mask, colour;
    if (icon.hbmMask != nullptr) {
        mask = ReadBitmapBits32(icon.hbmMask, dc, maskHeader);
    }
    if (icon.hbmColor != nullptr) {
        colour = ReadBitmapBits32(icon.hbmColor, dc, colourHeader);
        if (!colour) {
            return false;  // a colour cursor drawn as monochrome would be wrong
        }
    }
    // Without a readable mask there are no AND bits to honour: the fallback.
    if (!mask) {
        return false;
    }
    CursorPixels cursor;
    cursor.mask = RowsOf(mask, maskHeader);
    cursor.colour = RowsOf(colour, colourHeader);
    cursor.hotspotX = static_cast<int32_t>(icon.xHotspot);
    cursor.hotspotY = static_cast<int32_t>(icon.yHotspot);
    cursor.systemCursorHeight = GetSystemMetrics(SM_CYCURSOR);
    return CompositeCursor(picture, cursor, point.x, point.y);
}

}  // namespace

void DrawCursorImage(HWND targetWindow, HDC dc, POINT point) {
    // The cursor handle is shared: it is never destroyed here.
    HCURSOR cursor = FindCurrentCursor(targetWindow);
    ICONINFO icon = {};
    if (!GetIconInfo(cursor, &icon)) {
        // A cursor that cannot be read here (Wine keeps another process's
        // cursor to that process) is drawn as the standard arrow.
        cursor = LoadCursorA(nullptr, IDC_ARROW);
        if (!GetIconInfo(cursor, &icon)) {
            icon = ICONINFO{};
        }
    }
    // GetIconInfo made copies of both bitmaps for us: freed in every case.
    GdiObject<HBITMAP> mask(icon.hbmMask);
    GdiObject<HBITMAP> colour(icon.hbmColor);
    if ((mask || colour) && CompositeFromMasks(dc, icon, point)) {
        return;
    }
    DrawIconEx(dc, point.x - static_cast<int>(icon.xHotspot),
               point.y - static_cast<int>(icon.yHotspot), cursor, 0, 0, 0, nullptr,
               kDrawCursorFlags);
}

std::unique_ptr<uint8_t[]> ReadBitmapBits32(HBITMAP bitmap, HDC dc, BITMAPINFOHEADER& header) {
    header = BITMAPINFOHEADER{};
    BITMAP description = {};
    if (GetObjectA(bitmap, sizeof description, &description) == 0 || description.bmWidth <= 0 ||
        description.bmHeight <= 0) {
        return nullptr;
    }
    const size_t bytes = static_cast<size_t>(description.bmWidth) *
                         static_cast<size_t>(description.bmHeight) * sizeof(RGBQUAD);
    std::unique_ptr<uint8_t[]> bits(new (std::nothrow) uint8_t[bytes]);
    if (!bits) {
        return nullptr;
    }
    // GetDIBits may write a colour table after the header for some formats;
    // a whole BITMAPINFO with room for it keeps that inside our memory.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info = {};
    info.header = Header32(description.bmWidth, description.bmHeight);
    if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(description.bmHeight), bits.get(),
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == 0) {
        return nullptr;
    }
    header = info.header;
    return bits;
}
