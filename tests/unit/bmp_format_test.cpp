#include "capture/bmp_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

TEST(BmpFormat, HeaderBytesOfATenByThreeGrab) {
    BitmapHeader header;
    ASSERT_TRUE(MakeBitmapHeader(10, 3, 1, 32, header));
    const auto file = BmpFileHeaderBytes(header);
    const auto info = BitmapHeaderBytes(header);
    std::vector<uint8_t> bytes(file.begin(), file.end());
    bytes.insert(bytes.end(), info.begin(), info.end());
    // After "BM", little-endian fields: file size 54 + 10 x 3 x 4, reserved,
    // pixel offset; biSize, biWidth, biHeight (positive: bottom-up), biPlanes 1
    // with biBitCount 32, BI_RGB, biSizeImage, resolutions and colour counts 0.
    std::vector<uint8_t> expected = {'B', 'M'};
    for (uint32_t field : {174u, 0u, 54u, 40u, 10u, 3u, 1u | 32u << 16, 0u, 120u, 0u, 0u, 0u, 0u}) {
        for (int shift = 0; shift < 32; shift += 8) {
            expected.push_back(uint8_t(field >> shift));
        }
    }
    EXPECT_EQ(bytes, expected);
}

TEST(BmpFormat, RowBytesAndSizeImage) {
    // Width and bits per pixel, and the row bytes.
    const std::tuple<int32_t, uint16_t, uint32_t> rows[] = {{10, 32, 40}, {1, 24, 4},  {3, 24, 12},
                                                            {5, 24, 16},  {1, 1, 4},   {33, 1, 8},
                                                            {0, 32, 0},   {-4, 32, 0}, {7, 0, 0}};
    for (const auto& [width, bits, row] : rows) {
        EXPECT_EQ(BitmapRowBytes(width, bits), row) << width << " x " << bits;
    }
    // biSizeImage is row bytes x height; 0 and false when a 32-bit file size
    // cannot describe the picture or it is empty.
    const std::tuple<int32_t, int32_t, uint32_t> sizes[] = {
        {5, 2, 40}, {16384, 16384, 1u << 30}, {65536, 65536, 0}, {0, 3, 0}, {10, 0, 0},
        {10, -3, 0}};
    for (const auto& [width, height, sizeImage] : sizes) {
        BitmapHeader header;
        EXPECT_EQ(MakeBitmapHeader(width, height, 1, 32, header), sizeImage != 0);
        EXPECT_EQ(header.sizeImage, sizeImage) << width << " x " << height;
    }
}
