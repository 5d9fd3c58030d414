// Cursor compositing; see cursor_composite.h.
#include "imaging/cursor_composite.h"

#include <cstddef>

namespace {

// The blue byte of a pixel: the AND bit of a mask, the level of its XOR half.
constexpr Argb kBlueMask = 0xFF;

bool HasPixels(const ArgbView& rows) {
    return rows.scan0 != nullptr && rows.width > 0 && rows.height > 0;
}

// Row `row` counted from the bottom, as cursor bitmaps and the bottom-up
// placement below count them.
Argb* RowFromBottom(const ArgbView& rows, int64_t row) {
    return rows.Row(static_cast<int32_t>(rows.height - 1 - row));
}

}  // namespace

bool CompositeCursor(const ArgbView& picture, const CursorPixels& cursor, int32_t x, int32_t y) {
    if (!HasPixels(cursor.mask) || !HasPixels(picture)) {
        return false;
    }
    const bool hasColour = cursor.colour.scan0 != nullptr;
    if (hasColour && !HasPixels(cursor.colour)) {
        return false;
    }

    // A monochrome cursor's mask is the XOR half (bottom rows, bottom-up) under
    // the AND half; it is always split, so the AND rows stay inside the mask.
    // A colour cursor's mask is split only when it is twice the system height.
    int32_t height = cursor.mask.height;
    if (!hasColour || (cursor.systemCursorHeight > 0 && height == 2 * cursor.systemCursorHeight)) {
        height /= 2;
    }
    if (height <= 0) {
        return false;
    }
    const int32_t width = cursor.mask.width;
    const int32_t andOffset = hasColour ? 0 : height;

    // Cursor row r (bottom-up) lands on bottom-up picture row
    // H - top - h + r, which puts the cursor's top row at picture row `top`.
    const int64_t left = static_cast<int64_t>(x) - cursor.hotspotX;
    const int64_t top = static_cast<int64_t>(y) - cursor.hotspotY;
    const int64_t bottomRow = static_cast<int64_t>(picture.height) - top - height;

    for (int32_t row = 0; row < height; ++row) {
        const int64_t pictureRow = bottomRow + row;
        if (pictureRow < 0 || pictureRow >= picture.height) {
            continue;
        }
        for (int32_t column = 0; column < width; ++column) {
            const int64_t pictureColumn = left + column;
            if (pictureColumn < 0 || pictureColumn >= picture.width) {
                continue;
            }
            if ((RowFromBottom(cursor.mask, row + andOffset)[column] & kBlueMask) != 0) {
                continue;  // AND bit set: the screen shows through
            }
            Argb& out = RowFromBottom(picture, pictureRow)[pictureColumn];
            if (hasColour) {
                if (row >= cursor.colour.height || column >= cursor.colour.width) {
                    continue;  // the colour bitmap does not cover this pixel
                }
                out = kOpaque | (RowFromBottom(cursor.colour, row)[column] & kColorMask);
            } else {
                // XOR half: black or white, read from its blue byte.
                const Argb level = RowFromBottom(cursor.mask, row)[column] & kBlueMask;
                out = kOpaque | level << 16 | level << 8 | level;
            }
        }
    }
    return true;
}
