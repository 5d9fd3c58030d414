// The BMP layout; see bmp_format.h.
#include "capture/bmp_format.h"

#include <cstddef>
#include <limits>

namespace {

constexpr uint32_t kRowAlignmentBits = 32;
constexpr uint64_t kLargestFileSize = std::numeric_limits<uint32_t>::max();

template <size_t N>
void Put16(std::array<uint8_t, N>& bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

template <size_t N>
void Put32(std::array<uint8_t, N>& bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

}  // namespace

uint32_t BitmapRowBytes(int32_t width, uint16_t bitCount) {
    if (width <= 0 || bitCount == 0) {
        return 0;
    }
    const uint64_t bits = static_cast<uint64_t>(width) * bitCount;
    const uint64_t bytes = (bits + kRowAlignmentBits - 1) / kRowAlignmentBits * 4;
    return bytes > kLargestFileSize ? 0 : static_cast<uint32_t>(bytes);
}

bool MakeBitmapHeader(int32_t width, int32_t height, uint16_t planes, uint16_t bitCount,
                      BitmapHeader& header) {
    header = BitmapHeader{};
    const uint32_t rowBytes = BitmapRowBytes(width, bitCount);
    if (rowBytes == 0 || height <= 0) {
        return false;
    }
    const uint64_t imageBytes = static_cast<uint64_t>(rowBytes) * static_cast<uint32_t>(height);
    if (imageBytes > kLargestFileSize - kBmpFileHeaderSize - kBitmapInfoHeaderSize) {
        return false;
    }
    header.width = width;
    header.height = height;
    header.planes = planes;
    header.bitCount = bitCount;
    header.sizeImage = static_cast<uint32_t>(imageBytes);
    return true;
}

std::array<uint8_t, kBitmapInfoHeaderSize> BitmapHeaderBytes(const BitmapHeader& header) {
    std::array<uint8_t, kBitmapInfoHeaderSize> bytes{};
    Put32(bytes, 0, header.size);
    Put32(bytes, 4, static_cast<uint32_t>(header.width));
    Put32(bytes, 8, static_cast<uint32_t>(header.height));
    Put16(bytes, 12, header.planes);
    Put16(bytes, 14, header.bitCount);
    Put32(bytes, 16, header.compression);
    Put32(bytes, 20, header.sizeImage);
    Put32(bytes, 24, static_cast<uint32_t>(header.xPelsPerMeter));
    Put32(bytes, 28, static_cast<uint32_t>(header.yPelsPerMeter));
    Put32(bytes, 32, header.clrUsed);
    Put32(bytes, 36, header.clrImportant);
    return bytes;
}

std::array<uint8_t, kBmpFileHeaderSize> BmpFileHeaderBytes(const BitmapHeader& header) {
    std::array<uint8_t, kBmpFileHeaderSize> bytes{};
    const uint32_t pixelOffset = kBmpFileHeaderSize + header.size;
    Put16(bytes, 0, kBmpFileType);
    Put32(bytes, 2, pixelOffset + header.sizeImage);
    Put16(bytes, 6, 0);
    Put16(bytes, 8, 0);
    Put32(bytes, 10, pixelOffset);
    return bytes;
}
