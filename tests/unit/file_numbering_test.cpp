#include "capture/file_numbering.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

TEST(FileNumbering, NextNumberFollowsTheHighestInUseAndNeverWraps) {
    // Numbers are read after the prefix the way atoi reads them, except that
    // one beyond 32 bits is reported: the store then writes nothing (-1) rather
    // than overwrite an older grab under a wrapped number.
    // The names in the folder, and the next number.
    const std::pair<std::vector<std::string>, int32_t> cases[] = {
        {{}, 1},
        {{"screencap_007.bmp", "screencap_001.bmp"}, 8},   // in any order
        {{"screencap_12b.bmp", "screencap_abc.bmp"}, 13},  // not a number: 0
        {{"screencap_  42.bmp", "screencap_+5.bmp"}, 43},
        {{"screencap_-5.bmp", "screencap_.bmp"}, 1},  // negative numbers are ignored
        {{"SCREEN~1.BMP"}, 1},                        // a short-name match shorter than the prefix
        {{"screencap_0000000000000000000000000000000012.bmp"}, 13},
        {{"screencap_2147483646.bmp"}, INT32_MAX},
        {{"screencap_2147483647.bmp"}, -1},
        {{"screencap_001.bmp", "screencap_2147483648.bmp"}, -1},
        {{"screencap_99999999999999999999.bmp", "screencap_001.bmp"}, -1},
        {{"screencap_-99999999999.bmp", "screencap_004.bmp"}, 5},  // ignored like any negative
    };
    for (const auto& [names, expected] : cases) {
        int32_t next = -1;
        EXPECT_EQ(ScanFileNumbers("screencap_", names).Next(next) ? next : -1, expected)
            << testing::PrintToString(names);
    }
}

TEST(FileNumbering, FormatsTheNumberWithStarDotStarD) {
    // Width and precision are both the digits setting: a negative width pads on
    // the right, a negative precision counts as none. The name is refused, and
    // the buffer emptied, when it does not fit; the number grows, nothing is cut.
    const struct {
        int32_t number, digits;
        const char* name;
        const char* prefix = "screencap_";
        size_t size = 260;
        const char* ext = "bmp";
    } cases[] = {
        {1, 3, "screencap_001.bmp"},
        {1000, 3, "screencap_1000.bmp"},
        {42, 0, "screencap_.bmp"},  // no number at all
        {2147483647, 11, "screencap_02147483647.bmp"},
        {1, -3, "screencap_1  .bmp"},
        {12345, -3, "screencap_12345.bmp"},
        {2147483647, -11, "screencap_2147483647 .bmp"},
        {1, 12, "refused: "},  // beyond the 11 characters a number can take
        {1, -12, "refused: "},
        {1, INT32_MIN, "refused: "},
        {1, 3, "abc_001.bmp", "abc_", 16},
        {1, 3, "abcdefg_001.bmp", "abcdefg_", 16},  // exactly full: 15 and the terminator
        {1, 3, "refused: ", "abcdefgh_", 16},
        {1, 3, "refused: ", "abc_", 16, "extension"},
    };
    for (const auto& c : cases) {
        // Into a buffer of exactly that size, so ASan sees a write past it, that
        // held "old"; "refused: " and what is left there when the name does not fit.
        std::vector<char> name = {'o', 'l', 'd'};
        name.resize(c.size);
        const bool fits =
            FormatGrabFileName(name.data(), c.size, c.prefix, c.number, c.digits, c.ext);
        EXPECT_EQ((fits ? "" : "refused: ") + std::string(name.data()), c.name)
            << c.prefix << " " << c.number << " " << c.digits << " in " << c.size;
    }
}
