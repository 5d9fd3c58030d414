#include "capture/bmp_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

uint32_t Read32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t Read16(const uint8_t* p) {
    return uint16_t(p[0] | p[1] << 8);
}

}  // namespace

TEST(BmpFormat, TenByThreeGrabIs174Bytes) {
    BitmapHeader header;
    ASSERT_TRUE(MakeBitmapHeader(10, 3, 1, 32, header));
    auto file = BmpFileHeaderBytes(header);
    auto info = BitmapHeaderBytes(header);
    std::vector<uint8_t> bytes(file.begin(), file.end());
    bytes.insert(bytes.end(), info.begin(), info.end());

    ASSERT_EQ(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Read32(&bytes[2]), 174u);  // file size: 54 + 10 x 3 x 4
    EXPECT_EQ(Read16(&bytes[6]), 0u);
    EXPECT_EQ(Read16(&bytes[8]), 0u);
    EXPECT_EQ(Read32(&bytes[10]), 54u);   // pixel offset
    EXPECT_EQ(Read32(&bytes[14]), 40u);   // biSize
    EXPECT_EQ(Read32(&bytes[18]), 10u);   // biWidth
    EXPECT_EQ(Read32(&bytes[22]), 3u);    // biHeight, positive: bottom-up
    EXPECT_EQ(Read16(&bytes[26]), 1u);    // biPlanes
    EXPECT_EQ(Read16(&bytes[28]), 32u);   // biBitCount
    EXPECT_EQ(Read32(&bytes[30]), 0u);    // BI_RGB
    EXPECT_EQ(Read32(&bytes[34]), 120u);  // biSizeImage
    for (size_t offset = 38; offset < 54; ++offset) {
        EXPECT_EQ(bytes[offset], 0) << offset;  // resolution and colour counts
    }
}

TEST(BmpFormat, RowsAreRoundedUpToFourBytes) {
    const struct {
        int32_t width;
        uint16_t bits;
        uint32_t row;
    } cases[] = {{10, 32, 40}, {1, 24, 4}, {3, 24, 12}, {5, 24, 16}, {1, 1, 4},
                 {33, 1, 8},   {0, 32, 0}, {-4, 32, 0}, {7, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(BitmapRowBytes(c.width, c.bits), c.row) << c.width << " x " << c.bits;
    }
    BitmapHeader header;
    ASSERT_TRUE(MakeBitmapHeader(5, 2, 1, 24, header));
    EXPECT_EQ(header.sizeImage, 32u);
}

TEST(BmpFormat, RefusesEmptyOrOversizedPictures) {
    BitmapHeader header;
    EXPECT_FALSE(MakeBitmapHeader(0, 3, 1, 32, header));
    EXPECT_FALSE(MakeBitmapHeader(10, 0, 1, 32, header));
    EXPECT_FALSE(MakeBitmapHeader(10, -3, 1, 32, header));
    // 65536 x 65536 x 4 bytes cannot be described by a 32-bit file size.
    EXPECT_FALSE(MakeBitmapHeader(65536, 65536, 1, 32, header));
    EXPECT_EQ(header.sizeImage, 0u);
    EXPECT_TRUE(MakeBitmapHeader(16384, 16384, 1, 32, header));  // 1 GiB still fits
    EXPECT_EQ(header.sizeImage, 1u << 30);
}
