// The cursor overlay: paints the cursor the user sees into a grab's picture,
// pixel by pixel from its masks (so it comes out opaque), or with DrawIconEx
// when the picture or the cursor's bitmaps cannot be read that way.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

// Draws the current cursor (of the system, or of the target window's thread
// when GetCursorInfo is missing; the arrow when there is none) with its hotspot
// at point, counted from the picture's top-left corner. The picture is the
// bitmap selected into dc.
void DrawCursorImage(HWND targetWindow, HDC dc, POINT point);

// The bitmap's pixels as 32-bit bottom-up rows (a monochrome bitmap comes back
// as black and white pixels), with the header that describes them. Null, and
// nothing allocated, when it cannot be read.
std::unique_ptr<uint8_t[]> ReadBitmapBits32(HBITMAP bitmap, HDC dc, BITMAPINFOHEADER& header);
