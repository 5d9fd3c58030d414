// Cursor compositing; see cursor_composite.h.
#include "imaging/cursor_composite.h"

#include <cstddef>

namespace {

constexpr int kBytesPerPixel = 4;
constexpr uint8_t kOpaque = 255;

bool HasPixels(const ConstPixelRows32& rows) {
    return rows.bits != nullptr && rows.width > 0 && rows.height > 0;
}

const uint8_t* PixelAt(const ConstPixelRows32& rows, int32_t row, int32_t column) {
    return rows.bits +
           (static_cast<size_t>(row) * static_cast<size_t>(rows.width) + column) * kBytesPerPixel;
}

uint8_t* PixelAt(const PixelRows32& rows, int64_t row, int64_t column) {
    return rows.bits + (static_cast<size_t>(row) * static_cast<size_t>(rows.width) +
                        static_cast<size_t>(column)) *
                           kBytesPerPixel;
}

}  // namespace

bool CompositeCursor(const PixelRows32& picture, const CursorPixels& cursor, int32_t x, int32_t y) {
    if (!HasPixels(cursor.mask) || picture.bits == nullptr || picture.width <= 0 ||
        picture.height <= 0) {
        return false;
    }
    const bool hasColour = cursor.colour.bits != nullptr;
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
            if (PixelAt(cursor.mask, row + andOffset, column)[0] != 0) {
                continue;  // AND bit set: the screen shows through
            }
            const uint8_t* source;
            if (hasColour) {
                if (row >= cursor.colour.height || column >= cursor.colour.width) {
                    continue;  // the colour bitmap does not cover this pixel
                }
                source = PixelAt(cursor.colour, row, column);
            } else {
                source = PixelAt(cursor.mask, row, column);  // XOR half: black or white
            }
            uint8_t* out = PixelAt(picture, pictureRow, pictureColumn);
            if (hasColour) {
                out[0] = source[0];
                out[1] = source[1];
                out[2] = source[2];
            } else {
                out[0] = out[1] = out[2] = source[0];
            }
            out[3] = kOpaque;
        }
    }
    return true;
}
