#include "imaging/watermark_layout.h"

#include <gtest/gtest.h>

namespace {

WatermarkSettings Plain(int32_t style) {
    WatermarkSettings s;
    s.Stretch = false;
    s.Percent = 0;
    s.Width = 0;
    s.Height = 0;
    s.Aspect = false;
    s.Style = style;
    s.Rows = 0;
    s.Columns = 0;
    s.Corner = 0;
    s.HOffset = 0.0f;
    s.VOffset = 0.0f;
    return s;
}

constexpr int32_t kCentered = 0, kTiled = 1, kCornered = 2;

}  // namespace

TEST(WatermarkLayout, FixedSizeOfWidthZeroDrawsNothingInEveryStyle) {
    for (int32_t style : {kCentered, kTiled, kCornered}) {
        WatermarkSettings s = Plain(style);
        s.Stretch = true;
        s.Width = 0;
        s.Height = 50;
        s.Columns = 2;
        s.Rows = 2;
        EXPECT_FALSE(WatermarkHasSize(s)) << style;
        EXPECT_TRUE(WatermarkTiles(LayoutWatermark(s, {100, 100}, {100, 100}, {10, 10})).empty());
        s.Width = 40;
        s.Height = 0;
        EXPECT_FALSE(WatermarkHasSize(s)) << style;
        s.Aspect = true;
        EXPECT_TRUE(WatermarkHasSize(s)) << style;
    }
}

TEST(WatermarkLayout, DrawnSizes) {
    const struct {
        int32_t percent, width, height;
        bool aspect;
        Size reference, mark;
        int32_t w, h;
    } cases[] = {
        {0, 120, 0, true, {800, 600}, {200, 50}, 120, 30},
        {25, 0, 0, false, {801, 601}, {10, 10}, 200, 150},
        {25, 0, 0, true, {800, 600}, {300, 100}, 200, 66},
        {10, 0, 0, true, {1000, 800}, {50, 50}, 100, 100},  // same mark on a thumbnail
        {0, 64, 48, false, {10, 10}, {300, 100}, 64, 48},
    };
    for (const auto& c : cases) {
        WatermarkSettings s = Plain(kCentered);
        s.Stretch = true;
        s.Percent = c.percent;
        s.Width = c.width;
        s.Height = c.height;
        s.Aspect = c.aspect;
        WatermarkLayout l = LayoutWatermark(s, {100, 100}, c.reference, c.mark);
        EXPECT_EQ(l.width, c.w);
        EXPECT_EQ(l.height, c.h);
    }
}

TEST(WatermarkLayout, CenteredOrigins) {
    const struct {
        Size target, mark;
        int32_t x0, y0;
    } cases[] = {
        {{100, 100}, {30, 21}, 35, 39},
        {{100, 100}, {105, 100}, -2, 0},  // -5 / 2 truncates toward zero
    };
    for (const auto& c : cases) {
        WatermarkLayout l = LayoutWatermark(Plain(kCentered), c.target, c.target, c.mark);
        ASSERT_EQ(WatermarkTiles(l).size(), 1u);
        EXPECT_EQ(WatermarkTiles(l)[0], (TileRect{c.x0, c.y0, c.mark.width, c.mark.height}));
    }
}

TEST(WatermarkLayout, CorneredOrigins) {
    const struct {
        int32_t corner;
        float h, v;
        int32_t x0, y0;
    } cases[] = {
        {3, 0.5f, 0.25f, 544, 440},  // trunc(640 - 32) - 64, trunc(480 - 8) - 32
        {0, 0.5f, 0.25f, 32, 8},     {1, 0.5f, 0.25f, 544, 8},
        {2, 0.5f, 0.25f, 32, 440},   {0, 0.1f, 0.1f, 6, 3},  // 6.4000000953..., 3.2000000476...
        {1, 0.1f, 0.1f, 569, 3},                             // trunc(640 - 6.4) - 64
        {0, -0.1f, 0.0f, -6, 0},                             // toward zero, not down
        {3, 1e-9f, 1e-9f, 575, 447},                         // 640 - tiny rounds to 640 in double
        {4, 0.5f, 0.5f, 0, 0},                               // no such corner: nothing drawn
    };
    for (const auto& c : cases) {
        WatermarkSettings s = Plain(kCornered);
        s.Corner = c.corner;
        s.HOffset = c.h;
        s.VOffset = c.v;
        WatermarkLayout l = LayoutWatermark(s, {640, 480}, {640, 480}, {64, 32});
        std::vector<TileRect> tiles = WatermarkTiles(l);
        if (c.corner > 3) {
            EXPECT_TRUE(tiles.empty());
            continue;
        }
        ASSERT_EQ(tiles.size(), 1u) << c.corner;
        EXPECT_EQ(tiles[0], (TileRect{c.x0, c.y0, 64, 32})) << c.corner << " " << c.h;
    }
}

TEST(WatermarkLayout, TiledUnresizedCheckerboard) {
    WatermarkLayout l = LayoutWatermark(Plain(kTiled), {100, 100}, {100, 100}, {30, 20});
    EXPECT_EQ(l.rows, 5);
    EXPECT_EQ(l.columns, 3);
    std::vector<TileRect> expected = {
        {0, 0, 30, 20},   {60, 0, 30, 20},  {30, 20, 30, 20}, {0, 40, 30, 20},
        {60, 40, 30, 20}, {30, 60, 30, 20}, {0, 80, 30, 20},  {60, 80, 30, 20},
    };
    EXPECT_EQ(WatermarkTiles(l), expected);
}

TEST(WatermarkLayout, TiledResized) {
    WatermarkSettings s = Plain(kTiled);
    s.Stretch = true;
    s.Columns = 4;
    s.Rows = 3;
    s.Percent = 50;  // not used for tiles
    WatermarkLayout l = LayoutWatermark(s, {400, 300}, {400, 300}, {7, 9});
    std::vector<TileRect> expected = {
        {0, 0, 100, 100},     {200, 0, 100, 100}, {100, 100, 100, 100},
        {300, 100, 100, 100}, {0, 200, 100, 100}, {200, 200, 100, 100},
    };
    EXPECT_EQ(WatermarkTiles(l), expected);

    // With the aspect rule the rows follow the target height, not Rows.
    s.Aspect = true;
    s.Rows = 1;
    WatermarkLayout a = LayoutWatermark(s, {400, 300}, {400, 300}, {200, 100});
    EXPECT_EQ(a.width, 100);
    EXPECT_EQ(a.height, 50);
    EXPECT_EQ(a.rows, 6);
}

TEST(WatermarkLayout, ZeroDivisorsDrawNothing) {
    WatermarkSettings columns = Plain(kTiled);
    columns.Stretch = true;
    columns.Percent = 10;
    columns.Rows = 3;
    columns.Columns = 0;
    WatermarkSettings rows = columns;
    rows.Columns = 3;
    rows.Rows = 0;
    WatermarkSettings flat = columns;  // tile height 0 under the aspect rule
    flat.Columns = 3;
    flat.Aspect = true;
    WatermarkSettings aspect = Plain(kCentered);
    aspect.Stretch = true;
    aspect.Percent = 10;
    aspect.Aspect = true;
    const struct {
        WatermarkSettings s;
        Size mark;
        const char* what;
    } cases[] = {
        {columns, {10, 10}, "no columns"},
        {rows, {10, 10}, "no rows"},
        {flat, {300, 1}, "tile height 0"},
        {aspect, {0, 0}, "unreadable watermark, aspect rule"},
        {Plain(kTiled), {0, 0}, "unreadable watermark, tiled"},
        {Plain(kTiled), {0, 5}, "watermark of width 0, tiled"},
        {Plain(kTiled), {5, 0}, "watermark of height 0, tiled"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(WatermarkTiles(LayoutWatermark(c.s, {300, 300}, {300, 300}, c.mark)).empty())
            << c.what;
    }
}

TEST(WatermarkLayout, HugeSettingsSaturateInsteadOfWrapping) {
    WatermarkSettings s = Plain(kCentered);
    s.Stretch = true;
    s.Percent = 2000000000;
    WatermarkLayout l = LayoutWatermark(s, {1000, 1000}, {4000, 3000}, {10, 10});
    EXPECT_EQ(l.width, 2147483647);
    EXPECT_EQ(l.height, 2147483647);
    EXPECT_EQ(l.x0, (1000 - 2147483647) / 2);
}
