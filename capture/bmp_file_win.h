// BMP files written by the program itself: used when GDI+ is missing. The
// layout (14-byte file header, 40-byte header, pixels) is bmp_format.h's.
#pragma once

#include <windows.h>

#include "capture/bmp_format.h"

// The header the file describes the bitmap with; false when the bitmap cannot
// be described (no bitmap, empty, or too large for a BMP file).
bool MakeBitmapInfo(HBITMAP bitmap, BitmapHeader& header);

// Writes the bitmap's pixels as the file, replacing any file of that name: a
// grab's DIB section straight from its own rows, any other bitmap read through
// dc (the grab's memory device context). False when nothing was written: no
// memory for the pixels, unreadable pixels, no file, or a write that failed
// (the partly written file is removed again).
bool WriteBmpFile(const char* path, const BitmapHeader& header, HBITMAP bitmap, HDC dc);

// The bitmap as a packed DIB (the 40-byte header, then the rows bottom-up) in
// movable global memory, as the clipboard's CF_DIB takes it; the caller owns
// it. Null when the bitmap cannot be described or read, or memory runs out.
// dc is any device context the bitmap is not selected into, or the one it is.
HGLOBAL MakePackedDib(HBITMAP bitmap, HDC dc);
