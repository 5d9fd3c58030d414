#include "imaging/cursor_composite.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::string>;

constexpr uint32_t kScreen = 0x40302010;

// Pixels by letter: '.' white and '#' black (a mask's set and clear AND bits),
// lower-case letters colour pixels whose fourth byte must not matter.
const std::map<char, uint32_t> kPixels = {{'.', 0x00FFFFFF}, {'#', 0},          {'a', 0x80112233},
                                          {'b', 0x00445566}, {'c', 0x00778899}, {'d', 0x00AABBCC}};

// A 32-bit picture stored bottom-up, as GDI gives a cursor's bitmaps, painted
// from rows read top-down. Its
// pixels' bytes (blue, green, red, fourth) are one little-endian 0xAARRGGBB.
// Exactly width x height pixels, so ASan catches any read past it.
struct Image {
    explicit Image(const Rows& rows)
        : width(int32_t(rows[0].size())),
          height(int32_t(rows.size())),
          pixels(rows.size() * width) {
        for (int32_t y = 0; y < height; ++y) {
            for (int32_t x = 0; x < width; ++x)
                At(x, y) = rows[y][x] == '-' ? kScreen : kPixels.at(rows[y][x]);
        }
    }
    uint32_t& At(int32_t x, int32_t y) { return pixels[size_t(height - 1 - y) * width + x]; }
    // Top row first: the last row in memory, walked backwards.
    ArgbView Picture() {
        return {width, height, -4 * width,
                reinterpret_cast<uint8_t*>(&pixels[size_t(height - 1) * width])};
    }
    ArgbView Cursor() const { return const_cast<Image*>(this)->Picture(); }

    // What the picture shows: '-' screen, '#' opaque black, 'o' opaque white,
    // the upper-case letter of an opaque colour pixel, '?' anything else.
    Rows Shown() {
        Rows rows(height);
        for (int32_t y = 0; y < height; ++y) {
            for (int32_t x = 0; x < width; ++x) {
                char shown = At(x, y) == kScreen ? '-' : '?';
                for (const auto& [c, pixel] : kPixels) {
                    shown = At(x, y) == (0xFF000000 | pixel) ? (c == '.' ? 'o' : char(toupper(c)))
                                                             : shown;
                }
                rows[y] += shown;
            }
        }
        return rows;
    }

    int32_t width, height;
    std::vector<uint32_t> pixels;
};

// A monochrome cursor's mask from rows of what it draws: '#' AND clear + XOR
// black, 'o' AND clear + XOR white, '.' AND set (the screen shows). The AND half
// is above the XOR half.
Image MonochromeMask(const Rows& cursor) {
    Rows halves(cursor.size() * 2);
    for (size_t y = 0; y < cursor.size(); ++y) {
        for (char c : cursor[y]) {
            halves[y] += c == '.' ? '.' : '#';
            halves[cursor.size() + y] += c == 'o' ? '.' : '#';
        }
    }
    return Image(halves);
}

// The picture after compositing the cursor (no colour rows: a monochrome one).
Rows Composited(const Image& mask, const Rows& colour, int32_t systemCursorHeight, int32_t x,
                int32_t y, Image picture, int32_t hotspotX = 0, int32_t hotspotY = 0) {
    const Image colourImage(colour.empty() ? Rows{"-"} : colour);
    const CursorPixels cursor{mask.Cursor(), colour.empty() ? ArgbView{} : colourImage.Cursor(),
                              hotspotX, hotspotY, systemCursorHeight};
    EXPECT_TRUE(CompositeCursor(picture.Picture(), cursor, x, y));
    return picture.Shown();
}

}  // namespace

TEST(CursorComposite, MonochromeCursorIsSplitIntoAndXorHalvesAndPlacedByItsHotspot) {
    // Hotspot (1, 1) at (3, 2): the cursor's top-left lands on (2, 1).
    EXPECT_EQ(Composited(MonochromeMask({"#..", "o#.", "oo#"}), {}, 3, 3, 2,
                         Image(Rows(5, "------")), 1, 1),
              (Rows{"------", "--#---", "--o#--", "--oo#-", "------"}));
    // The system claims 32-pixel cursors, the mask is 2 x 3 high: still split,
    // and nothing is read beyond its 2 x 6 pixels.
    EXPECT_EQ(Composited(MonochromeMask({"#o", "..", "o#"}), {}, 32, 0, 0, Image(Rows(4, "----"))),
              (Rows{"#o--", "----", "o#--", "----"}));
    // An odd mask height: 5 rows split into 2 + 2, the odd row unused.
    EXPECT_EQ(Composited(Image(Rows(5, "##")), {}, 0, 0, 0, Image(Rows(3, "---"))),
              (Rows{"##-", "##-", "---"}));
}

TEST(CursorComposite, ColourCursorCopiesOpaqueColoursWhereTheAndBitIsClear) {
    EXPECT_EQ(Composited(Image({"##", "#."}), {"ab", "cd"}, 32, 1, 1, Image(Rows(3, "---"))),
              (Rows{"---", "-AB", "-C-"}));
    // A mask twice the system cursor height: its lower half is the AND mask.
    EXPECT_EQ(Composited(Image({".", ".", ".", "#"}), {"b", "b"}, 2, 0, 0, Image(Rows(2, "-"))),
              (Rows{"-", "B"}));
    // A colour bitmap smaller than the mask: its one row (bottom-up) is the
    // cursor's bottom row.
    EXPECT_EQ(Composited(Image(Rows(3, "###")), {"cc"}, 0, 0, 0, Image(Rows(3, "---"))),
              (Rows{"---", "---", "CC-"}));
}

TEST(CursorComposite, ClipsACursorHalfOutsideThePicture) {
    const struct {
        int32_t x, y;
        Rows shown;
    } cases[] = {
        {-1, -1, {"##--", "##--", "----"}},
        {3, 2, {"----", "----", "---#"}},
        {-2, 2, {"----", "----", "#---"}},
        {2, -2, {"--##", "----", "----"}},
        {-3, 0, Rows(3, "----")},
        {4, 0, Rows(3, "----")},
        {0, 3, Rows(3, "----")},
        {INT32_MIN, INT32_MAX, Rows(3, "----")},
        {INT32_MAX, INT32_MIN, Rows(3, "----")},
    };
    const Image mask = MonochromeMask({"###", "###", "###"});
    for (const auto& c : cases) {
        EXPECT_EQ(Composited(mask, {}, 3, c.x, c.y, Image(Rows(3, "----"))), c.shown)
            << c.x << ", " << c.y;
    }
}

TEST(CursorComposite, RefusesWhatItCannotComposite) {
    Image picture(Rows(2, "--")), colour(Rows(2, "..")), mask(Rows(2, "##")), oneRow({"##"});
    CursorPixels cursor;
    cursor.colour = colour.Cursor();  // no mask
    EXPECT_FALSE(CompositeCursor(picture.Picture(), cursor, 0, 0));
    cursor.mask = mask.Cursor();
    EXPECT_FALSE(CompositeCursor(ArgbView{}, cursor, 0, 0));
    cursor.colour = ArgbView{};
    cursor.mask = oneRow.Cursor();  // a monochrome mask of one row has no halves
    EXPECT_FALSE(CompositeCursor(picture.Picture(), cursor, 0, 0));
    EXPECT_EQ(picture.Shown(), Rows(2, "--"));
}
