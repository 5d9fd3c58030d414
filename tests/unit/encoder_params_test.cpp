#include "encode/encoder_params.h"

#include <gtest/gtest.h>

TEST(EncoderParams, CompressionMapping) {
    const struct {
        int32_t setting, value;
    } cases[] = {{0, 2}, {1, 3}, {2, 4}, {3, 5}, {4, 6}, {5, 5}, {-1, -1}, {99, 99}};
    for (const auto& c : cases) {
        EXPECT_EQ(EncoderCompressionValue(c.setting), c.value) << c.setting;
    }
}
