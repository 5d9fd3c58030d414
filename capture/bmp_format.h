// The BMP layout the store writes: the 40-byte bitmap header of a grab's
// picture and the 14-byte file header in front of it. Portable: the glue fills
// a BITMAPINFOHEADER from these values and writes the bytes as they are.
//
// A grab is always a 32-bit picture, so the header block is the 40-byte header
// alone with no colour table, and the pixels follow at offset 54.
#pragma once

#include <array>
#include <cstdint>

constexpr uint32_t kBitmapInfoHeaderSize = 40;  // biSize
constexpr uint32_t kBmpFileHeaderSize = 14;     // "BM", file size, reserved, pixel offset
constexpr uint16_t kBmpFileType = 0x4D42;       // "BM" read as a little-endian word
constexpr uint32_t kBiRgb = 0;                  // biCompression: uncompressed

// The fields of a BITMAPINFOHEADER, in its order.
struct BitmapHeader {
    uint32_t size = kBitmapInfoHeaderSize;
    int32_t width = 0;
    int32_t height = 0;  // positive: rows bottom-up
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = kBiRgb;
    uint32_t sizeImage = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t clrUsed = 0;
    uint32_t clrImportant = 0;
};

// Bytes of one pixel row, rounded up to a multiple of 4 as GDI stores rows.
// 0 for a non-positive width or bit count, or a row beyond 32 bits.
uint32_t BitmapRowBytes(int32_t width, uint16_t bitCount);

// The header the store describes a bitmap with: biSizeImage = row bytes x
// height. False when the sizes are not positive or the pixels would not fit in
// 32 bits (the file size field could not hold them).
bool MakeBitmapHeader(int32_t width, int32_t height, uint16_t planes, uint16_t bitCount,
                      BitmapHeader& header);

// Little-endian bytes of the header and of the file header in front of it:
// file size = 14 + header size + biSizeImage, pixel offset = 14 + header size.
std::array<uint8_t, kBitmapInfoHeaderSize> BitmapHeaderBytes(const BitmapHeader& header);
std::array<uint8_t, kBmpFileHeaderSize> BmpFileHeaderBytes(const BitmapHeader& header);
