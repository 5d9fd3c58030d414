#include "imaging/cursor_composite.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "tests/unit/imaging_test_support.h"

namespace {

using Rows = std::vector<std::string>;

constexpr Argb kScreen = 0x40302010;

// Pixels by letter, all with a fourth byte that must not matter: 'o' white and
// 'x' black (a mask's set and clear AND bits, its XOR half's white and black),
// the others colour pixels. Upper case is the same pixel opaque, '-' the screen.
const std::map<char, Argb> kPixels = {{'o', 0x00FFFFFF}, {'x', 0},          {'a', 0x80112233},
                                      {'b', 0x00445566}, {'c', 0x00778899}, {'d', 0x00AABBCC}};

// A 32-bit picture painted from rows read top-down and stored bottom-up, as
// GDI gives a cursor's bitmaps; BottomUp views it top row first. Exactly
// width x height pixels, so ASan catches any read past it.
TestImage Painted(const Rows& rows) {
    TestImage image(int32_t(rows[0].size()), int32_t(rows.size()));
    for (int32_t y = 0; y < image.height; ++y) {
        for (int32_t x = 0; x < image.width; ++x) {
            const char c = rows[y][x];
            image.At(x, image.height - 1 - y) =
                c == '-' ? kScreen : kPixels.at(char(tolower(c))) | (isupper(c) ? kOpaque : 0);
        }
    }
    return image;
}

// A monochrome cursor's mask from rows of what it draws: 'X' black, 'O' white,
// '-' the screen shows. The AND half is above the XOR half.
Rows MonochromeMask(const Rows& cursor) {
    Rows halves(cursor.size() * 2);
    for (size_t y = 0; y < cursor.size(); ++y) {
        for (char c : cursor[y]) {
            halves[y] += c == '-' ? 'o' : 'x';
            halves[cursor.size() + y] += c == 'O' ? 'o' : 'x';
        }
    }
    return halves;
}

// The picture's pixels after compositing the cursor (no colour rows: a monochrome one).
std::vector<Argb> Composited(const Rows& mask, const Rows& colour, int32_t systemCursorHeight,
                             int32_t x, int32_t y, const Rows& picture, int32_t hotspotX = 0,
                             int32_t hotspotY = 0) {
    TestImage maskImage = Painted(mask), colourImage = Painted(colour.empty() ? Rows{"-"} : colour),
              out = Painted(picture);
    const CursorPixels cursor{BottomUp(maskImage.View()),
                              colour.empty() ? ArgbView{} : BottomUp(colourImage.View()), hotspotX,
                              hotspotY, systemCursorHeight};
    EXPECT_TRUE(CompositeCursor(BottomUp(out.View()), cursor, x, y));
    return out.pixels;
}

}  // namespace

TEST(CursorComposite, MonochromeCursorIsSplitIntoAndXorHalvesAndPlacedByItsHotspot) {
    // Hotspot (1, 1) at (3, 2): the cursor's top-left lands on (2, 1).
    EXPECT_EQ(
        Composited(MonochromeMask({"X--", "OX-", "OOX"}), {}, 3, 3, 2, Rows(5, "------"), 1, 1),
        Painted({"------", "--X---", "--OX--", "--OOX-", "------"}).pixels);
    // The system claims 32-pixel cursors, the mask is 2 x 3 high: still split,
    // and nothing is read beyond its 2 x 6 pixels.
    EXPECT_EQ(Composited(MonochromeMask({"XO", "--", "OX"}), {}, 32, 0, 0, Rows(4, "----")),
              Painted({"XO--", "----", "OX--", "----"}).pixels);
    // An odd mask height: 5 rows split into 2 + 2, the odd row unused.
    EXPECT_EQ(Composited(Rows(5, "xx"), {}, 0, 0, 0, Rows(3, "---")),
              Painted({"XX-", "XX-", "---"}).pixels);
}

TEST(CursorComposite, ColourCursorCopiesOpaqueColoursWhereTheAndBitIsClear) {
    EXPECT_EQ(Composited({"xx", "xo"}, {"ab", "cd"}, 32, 1, 1, Rows(3, "---")),
              Painted({"---", "-AB", "-C-"}).pixels);
    // A mask twice the system cursor height: its lower half is the AND mask.
    EXPECT_EQ(Composited({"o", "o", "o", "x"}, {"b", "b"}, 2, 0, 0, Rows(2, "-")),
              Painted({"-", "B"}).pixels);
    // A colour bitmap smaller than the mask: its one row (bottom-up) is the
    // cursor's bottom row.
    EXPECT_EQ(Composited(Rows(3, "xxx"), {"cc"}, 0, 0, 0, Rows(3, "---")),
              Painted({"---", "---", "CC-"}).pixels);
}

TEST(CursorComposite, ClipsACursorHalfOutsideThePicture) {
    // Where the hotspot is, and what the picture shows.
    const std::tuple<int32_t, int32_t, Rows> cases[] = {
        {-1, -1, {"XX--", "XX--", "----"}},
        {3, 2, {"----", "----", "---X"}},
        {-3, 0, Rows(3, "----")},
        {4, 0, Rows(3, "----")},
        {0, 3, Rows(3, "----")},
        {INT32_MIN, INT32_MAX, Rows(3, "----")},
        {INT32_MAX, INT32_MIN, Rows(3, "----")},
    };
    const Rows mask = MonochromeMask({"XXX", "XXX", "XXX"});
    for (const auto& [x, y, shown] : cases) {
        EXPECT_EQ(Composited(mask, {}, 3, x, y, Rows(3, "----")), Painted(shown).pixels)
            << x << ", " << y;
    }
}

TEST(CursorComposite, RefusesWhatItCannotComposite) {
    TestImage picture = Painted(Rows(2, "--")), colour = Painted(Rows(2, "oo")),
              mask = Painted(Rows(2, "xx")), oneRow = Painted({"xx"});
    CursorPixels cursor;
    cursor.colour = BottomUp(colour.View());  // no mask
    EXPECT_FALSE(CompositeCursor(BottomUp(picture.View()), cursor, 0, 0));
    cursor.mask = BottomUp(mask.View());
    EXPECT_FALSE(CompositeCursor(ArgbView{}, cursor, 0, 0));
    cursor.colour = ArgbView{};
    cursor.mask = BottomUp(oneRow.View());  // a monochrome mask of one row has no halves
    EXPECT_FALSE(CompositeCursor(BottomUp(picture.View()), cursor, 0, 0));
    EXPECT_EQ(picture.pixels, Painted(Rows(2, "--")).pixels);
}
