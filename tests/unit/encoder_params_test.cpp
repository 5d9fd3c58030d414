#include "capture/encoder_params.h"

#include <gtest/gtest.h>

TEST(EncoderParams, CompressionMapping) {
    const struct {
        int32_t setting, value;
    } cases[] = {{0, 2}, {1, 3}, {2, 4}, {3, 5}, {4, 6}, {5, 5}, {-1, -1}, {99, 99}};
    for (const auto& c : cases) {
        EXPECT_EQ(EncoderCompressionValue(c.setting), c.value) << c.setting;
    }
}

TEST(EncoderParams, QualityAndWhichTypesPassCompression) {
    EXPECT_EQ(EncoderQualityValue(true, 75), 75);
    EXPECT_EQ(EncoderQualityValue(false, 75), 100);
    EXPECT_EQ(CompressionSettingFor(true, 2), 2);
    EXPECT_EQ(EncoderCompressionValue(CompressionSettingFor(true, 2)), 4);   // CCITT4
    EXPECT_EQ(EncoderCompressionValue(CompressionSettingFor(false, 2)), 2);  // LZW
}
