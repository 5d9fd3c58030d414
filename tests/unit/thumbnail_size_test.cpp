#include "imaging/thumbnail_size.h"

#include <gtest/gtest.h>

TEST(ThumbnailSize, Rules) {
    const struct {
        int32_t percent, width, height;
        bool aspect;
        int32_t sw, sh, ew, eh;
        const char* what;
    } cases[] = {
        {25, 0, 0, false, 1024, 768, 256, 192, "percent"},
        {0, 200, 0, true, 1024, 768, 200, 150, "width with aspect"},
        {0, 200, 0, false, 1024, 768, 0, 0, "width, height 0, no aspect: none"},
        {0, 0, 100, true, 1024, 768, 0, 0, "width 0: none"},
        {0, 200, 120, false, 1024, 768, 200, 120, "fixed size"},
        {1, 0, 0, false, 50, 50, 0, 0, "rounds to 0: no file"},
        {300, 0, 0, false, 40000, 30000, 120000, 90000, "no 32-bit wrap"},
        {0, 60000, 0, true, 70000, 80000, 60000, 68571, "height x width passes 2^32"},
        {-5, 0, 0, false, 100, 100, 0, 0, "negative setting"},
    };
    for (const auto& c : cases) {
        ThumbnailSize s = ComputeThumbnailSize(c.percent, c.width, c.height, c.aspect, c.sw, c.sh);
        EXPECT_EQ(s.width, c.ew) << c.what;
        EXPECT_EQ(s.height, c.eh) << c.what;
        EXPECT_EQ(s.Makes(), c.ew > 0 && c.eh > 0) << c.what;
    }
}
