#include "capture/bmp_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(BmpFormat, HeaderBytesOfATenByThreeGrab) {
    BitmapHeader header;
    ASSERT_TRUE(MakeBitmapHeader(10, 3, 1, 32, header));
    const auto file = BmpFileHeaderBytes(header);
    const auto info = BitmapHeaderBytes(header);
    std::vector<uint8_t> bytes(file.begin(), file.end());
    bytes.insert(bytes.end(), info.begin(), info.end());
    const std::vector<uint8_t> expected = {
        'B', 'M', 174, 0, 0, 0,                                // file size: 54 + 10 x 3 x 4
        0,   0,   0,   0,                                      // reserved
        54,  0,   0,   0,                                      // pixel offset
        40,  0,   0,   0,                                      // biSize
        10,  0,   0,   0,                                      // biWidth
        3,   0,   0,   0,                                      // biHeight, positive: bottom-up
        1,   0,   32,  0,                                      // biPlanes, biBitCount
        0,   0,   0,   0,                                      // BI_RGB
        120, 0,   0,   0,                                      // biSizeImage
        0,   0,   0,   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // resolution, colour counts
    };
    EXPECT_EQ(bytes, expected);
}

TEST(BmpFormat, RowBytesAndSizeImage) {
    const struct {
        int32_t width;
        uint16_t bits;
        uint32_t row;
    } rows[] = {{10, 32, 40}, {1, 24, 4}, {3, 24, 12}, {5, 24, 16}, {1, 1, 4},
                {33, 1, 8},   {0, 32, 0}, {-4, 32, 0}, {7, 0, 0}};
    for (const auto& c : rows) {
        EXPECT_EQ(BitmapRowBytes(c.width, c.bits), c.row) << c.width << " x " << c.bits;
    }
    // biSizeImage is row bytes x height; 0 and false when a 32-bit file size
    // cannot describe the picture or it is empty.
    const struct {
        int32_t width, height;
        uint32_t sizeImage;
    } sizes[] = {{5, 2, 40}, {16384, 16384, 1u << 30}, {65536, 65536, 0}, {0, 3, 0}, {10, 0, 0},
                 {10, -3, 0}};
    for (const auto& c : sizes) {
        BitmapHeader header;
        EXPECT_EQ(MakeBitmapHeader(c.width, c.height, 1, 32, header), c.sizeImage != 0);
        EXPECT_EQ(header.sizeImage, c.sizeImage) << c.width << " x " << c.height;
    }
}
