#include "capture/cursor_composite.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// A 32-bit picture stored bottom-up, addressed top-down as a person reads it.
// Exactly width x height x 4 bytes, so ASan catches any read past it.
struct Image {
    Image(int32_t w, int32_t h, uint32_t fill = 0) : width(w), height(h), bytes(size_t(w) * h * 4) {
        for (int32_t y = 0; y < h; ++y) {
            for (int32_t x = 0; x < w; ++x)
                Set(x, y, fill);
        }
    }
    // Pixel as 0xAARRGGBB.
    void Set(int32_t x, int32_t y, uint32_t argb) {
        uint8_t* p = At(x, y);
        p[0] = uint8_t(argb);
        p[1] = uint8_t(argb >> 8);
        p[2] = uint8_t(argb >> 16);
        p[3] = uint8_t(argb >> 24);
    }
    uint32_t Get(int32_t x, int32_t y) {
        uint8_t* p = At(x, y);
        return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    }
    uint8_t* At(int32_t x, int32_t y) { return &bytes[(size_t(height - 1 - y) * width + x) * 4]; }
    PixelRows32 Rows() { return {bytes.data(), width, height}; }
    ConstPixelRows32 ConstRows() { return {bytes.data(), width, height}; }

    int32_t width, height;
    std::vector<uint8_t> bytes;
};

constexpr uint32_t kScreen = 0x40302010;
constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kBlack = 0x00000000;

// Top-down rows of a monochrome mask: '#' AND clear + XOR black, 'o' AND clear
// + XOR white, '.' AND set (screen shows).
Image MonochromeMask(const std::vector<std::string>& rows) {
    const int32_t w = int32_t(rows[0].size()), h = int32_t(rows.size());
    Image mask(w, 2 * h);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const char c = rows[y][x];
            mask.Set(x, y, c == '.' ? kWhite : kBlack);      // AND half on top
            mask.Set(x, h + y, c == 'o' ? kWhite : kBlack);  // XOR half below
        }
    }
    return mask;
}

// What a picture row looks like: '-' screen, '#' opaque black, 'o' opaque white,
// 'c' anything else.
std::string Row(Image& picture, int32_t y) {
    std::string text;
    for (int32_t x = 0; x < picture.width; ++x) {
        const uint32_t p = picture.Get(x, y);
        text += p == kScreen ? '-' : p == 0xFF000000 ? '#' : p == 0xFFFFFFFF ? 'o' : 'c';
    }
    return text;
}

std::vector<std::string> Rows(Image& picture) {
    std::vector<std::string> rows;
    for (int32_t y = 0; y < picture.height; ++y)
        rows.push_back(Row(picture, y));
    return rows;
}

}  // namespace

TEST(CursorComposite, MonochromeCursorIsSplitIntoAndXorHalvesAndPlacedByItsHotspot) {
    const struct {
        std::vector<std::string> mask;
        int32_t width, height, hotspotX, hotspotY, systemCursorHeight, x, y;
        std::vector<std::string> rows;
    } cases[] = {
        // Hotspot (1, 1) at (3, 2): the cursor's top-left lands on (2, 1).
        {{"#..", "o#.", "oo#"},
         6,
         5,
         1,
         1,
         3,
         3,
         2,
         {"------", "--#---", "--o#--", "--oo#-", "------"}},
        // The system claims 32-pixel cursors, the mask is 2 x 3 high: still
        // split, and nothing is read beyond its 2 x 6 pixels.
        {{"#o", "..", "o#"}, 4, 4, 0, 0, 32, 0, 0, {"#o--", "----", "o#--", "----"}},
        {{"...", ".#.", "..."}, 3, 3, 1, 1, 0, 2, 0, {"--#", "---", "---"}},
    };
    for (const auto& c : cases) {
        Image mask = MonochromeMask(c.mask);
        Image picture(c.width, c.height, kScreen);
        CursorPixels cursor;
        cursor.mask = mask.ConstRows();
        cursor.hotspotX = c.hotspotX;
        cursor.hotspotY = c.hotspotY;
        cursor.systemCursorHeight = c.systemCursorHeight;
        ASSERT_TRUE(CompositeCursor(picture.Rows(), cursor, c.x, c.y));
        EXPECT_EQ(Rows(picture), c.rows) << c.mask[0];
    }
}

TEST(CursorComposite, OddMaskHeightStaysInsideTheMask) {
    Image mask(2, 5, kBlack);  // 5 rows: split into 2 + 2, the odd row unused
    Image picture(3, 3, kScreen);
    CursorPixels cursor;
    cursor.mask = mask.ConstRows();
    cursor.systemCursorHeight = 0;
    ASSERT_TRUE(CompositeCursor(picture.Rows(), cursor, 0, 0));
    EXPECT_EQ(Rows(picture), (std::vector<std::string>{"##-", "##-", "---"}));
}

TEST(CursorComposite, ColourCursorCopiesColoursWhereTheAndBitIsClearIgnoringItsAlpha) {
    Image mask(2, 2, kBlack);
    mask.Set(1, 1, kWhite);  // AND set: screen shows through
    Image colour(2, 2);
    colour.Set(0, 0, 0x80112233);  // a soft-shadow alpha that must not matter
    colour.Set(1, 0, 0x00445566);
    colour.Set(0, 1, 0x00778899);
    colour.Set(1, 1, 0x00AABBCC);
    Image picture(3, 3, kScreen);
    CursorPixels cursor;
    cursor.mask = mask.ConstRows();
    cursor.colour = colour.ConstRows();
    cursor.systemCursorHeight = 32;
    ASSERT_TRUE(CompositeCursor(picture.Rows(), cursor, 1, 1));
    EXPECT_EQ(picture.Get(1, 1), 0xFF112233u);
    EXPECT_EQ(picture.Get(2, 1), 0xFF445566u);
    EXPECT_EQ(picture.Get(1, 2), 0xFF778899u);
    EXPECT_EQ(picture.Get(2, 2), kScreen);
    EXPECT_EQ(picture.Get(0, 0), kScreen);
}

TEST(CursorComposite, ColourCursorWithDoubleHeightMaskUsesItsBottomHalf) {
    // Mask of 2 x cy rows with a colour bitmap: halved, AND rows from offset 0
    // bottom-up, which is the lower half read top-down.
    Image mask(1, 4, kWhite);
    mask.Set(0, 3, kBlack);  // bottom row top-down = bottom-up row 0
    Image colour(1, 2, 0x00123456);
    Image picture(1, 2, kScreen);
    CursorPixels cursor;
    cursor.mask = mask.ConstRows();
    cursor.colour = colour.ConstRows();
    cursor.systemCursorHeight = 2;
    ASSERT_TRUE(CompositeCursor(picture.Rows(), cursor, 0, 0));
    EXPECT_EQ(picture.Get(0, 0), kScreen);
    EXPECT_EQ(picture.Get(0, 1), 0xFF123456u);
}

TEST(CursorComposite, ClipsACursorHalfOutsideThePicture) {
    Image mask = MonochromeMask({"###", "###", "###"});
    CursorPixels cursor;
    cursor.mask = mask.ConstRows();
    cursor.systemCursorHeight = 3;
    const struct {
        int32_t x, y;
        std::vector<std::string> rows;
    } cases[] = {
        {-1, -1, {"##--", "##--", "----"}},
        {3, 2, {"----", "----", "---#"}},
        {-2, 2, {"----", "----", "#---"}},
        {2, -2, {"--##", "----", "----"}},
        {-3, 0, {"----", "----", "----"}},
        {4, 0, {"----", "----", "----"}},
        {0, 3, {"----", "----", "----"}},
        {INT32_MIN, INT32_MAX, {"----", "----", "----"}},
        {INT32_MAX, INT32_MIN, {"----", "----", "----"}},
    };
    for (const auto& c : cases) {
        Image picture(4, 3, kScreen);
        ASSERT_TRUE(CompositeCursor(picture.Rows(), cursor, c.x, c.y));
        EXPECT_EQ(Rows(picture), c.rows) << c.x << ", " << c.y;
    }
}

TEST(CursorComposite, ColourSmallerThanMaskLeavesUncoveredPixels) {
    Image mask(3, 3, kBlack);
    Image colour(2, 1, 0x00010203);
    Image picture(3, 3, kScreen);
    CursorPixels cursor;
    cursor.mask = mask.ConstRows();
    cursor.colour = colour.ConstRows();
    ASSERT_TRUE(CompositeCursor(picture.Rows(), cursor, 0, 0));
    // Colour row 0 bottom-up is the cursor's bottom row: only (0,2) and (1,2).
    EXPECT_EQ(Rows(picture), (std::vector<std::string>{"---", "---", "cc-"}));
    EXPECT_EQ(picture.Get(0, 2), 0xFF010203u);
}

TEST(CursorComposite, RefusesWhatItCannotComposite) {
    Image picture(2, 2, kScreen);
    Image colour(2, 2, 0x00FFFFFF);
    CursorPixels noMask;
    noMask.colour = colour.ConstRows();
    EXPECT_FALSE(CompositeCursor(picture.Rows(), noMask, 0, 0));

    Image mask(2, 2, kBlack);
    CursorPixels cursor;
    cursor.mask = mask.ConstRows();
    EXPECT_FALSE(CompositeCursor(PixelRows32{}, cursor, 0, 0));
    Image oneRow(2, 1, kBlack);  // a monochrome mask of one row has no halves
    cursor.mask = oneRow.ConstRows();
    EXPECT_FALSE(CompositeCursor(picture.Rows(), cursor, 0, 0));
    EXPECT_EQ(Rows(picture), (std::vector<std::string>{"--", "--"}));
}
