#include "capture/file_numbering.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The next number, or -1 when the store must write nothing.
int32_t NextNumber(const std::vector<std::string>& names) {
    int32_t next = -1;
    return ScanFileNumbers("screencap_", names).Next(next) ? next : -1;
}

std::string Name(int32_t number, int32_t digits) {
    char name[260];
    if (!FormatGrabFileName(name, sizeof name, "screencap_", number, digits, "bmp")) {
        return "<none>";
    }
    return name;
}

}  // namespace

TEST(FileNumbering, ReadsNumbersTheWayAtoiDoes) {
    const struct {
        const char* text;
        int32_t value;
        bool overflow;
    } cases[] = {
        {"007.bmp", 7, false},
        {"abc.bmp", 0, false},
        {"12b.png", 12, false},
        {"  42.bmp", 42, false},
        {"+5.bmp", 5, false},
        {"-3.bmp", -3, false},
        {".bmp", 0, false},
        {"", 0, false},
        {"2147483647.bmp", INT32_MAX, false},
        {"2147483648.bmp", 0, true},
        {"99999999999999999999", 0, true},
        {"-2147483648", INT32_MIN, false},
        {"-2147483649", 0, true},
        {"0000000000000000000000000000000012.bmp", 12, false},
    };
    for (const auto& c : cases) {
        ReadNumber read = ReadLeadingNumber(c.text);
        EXPECT_EQ(read.value, c.value) << c.text;
        EXPECT_EQ(read.overflow, c.overflow) << c.text;
    }
}

TEST(FileNumbering, NextNumberFollowsTheHighestInUse) {
    EXPECT_EQ(NextNumber({}), 1);
    EXPECT_EQ(NextNumber({"screencap_001.bmp", "screencap_007.bmp"}), 8);
    EXPECT_EQ(NextNumber({"screencap_007.bmp", "screencap_001.bmp"}), 8);  // order does not matter
    EXPECT_EQ(NextNumber({"screencap_999.bmp"}), 1000);
    EXPECT_EQ(NextNumber({"screencap_abc.bmp"}), 1);  // counts as 0
    EXPECT_EQ(NextNumber({"screencap_12b.bmp", "screencap_abc.bmp"}), 13);
    EXPECT_EQ(NextNumber({"screencap_-5.bmp"}), 1);  // negative numbers are ignored
    EXPECT_EQ(NextNumber({"screencap_.bmp"}), 1);
    // A short-name match shorter than the prefix holds no number.
    EXPECT_EQ(NextNumber({"SCREEN~1.BMP"}), 1);
}

TEST(FileNumbering, NeverWrapsToANegativeNumber) {
    EXPECT_EQ(NextNumber({"screencap_2147483646.bmp"}), 2147483647);
    EXPECT_EQ(NextNumber({"screencap_2147483647.bmp"}), -1);
    EXPECT_EQ(NextNumber({"screencap_001.bmp", "screencap_2147483648.bmp"}), -1);
    EXPECT_EQ(NextNumber({"screencap_99999999999999999999.bmp", "screencap_001.bmp"}), -1);
    // A hugely negative number is ignored like any negative one.
    EXPECT_EQ(NextNumber({"screencap_-99999999999.bmp", "screencap_004.bmp"}), 5);
}

TEST(FileNumbering, FormatsTheNumberWithStarDotStarD) {
    // Width and precision are both the digits setting: a negative width pads on
    // the right, a negative precision counts as none.
    const struct {
        int32_t number, digits;
        const char* name;
    } cases[] = {
        {1, 3, "screencap_001.bmp"},
        {1000, 3, "screencap_1000.bmp"},  // grows, nothing is cut
        {5, 1, "screencap_5.bmp"},
        {42, 0, "screencap_.bmp"},  // no number at all
        {7, 11, "screencap_00000000007.bmp"},
        {2147483647, 11, "screencap_02147483647.bmp"},
        {1, -3, "screencap_1  .bmp"},
        {1, -1, "screencap_1.bmp"},
        {12345, -3, "screencap_12345.bmp"},
        {2147483647, -11, "screencap_2147483647 .bmp"},
        {1, 12, "<none>"},  // beyond the 11 characters a number can take
        {1, -12, "<none>"},
        {1, 1000, "<none>"},
        {1, INT32_MIN, "<none>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Name(c.number, c.digits), c.name) << c.number << " " << c.digits;
    }
}

TEST(FileNumbering, RefusesANameThatDoesNotFit) {
    char name[16] = "old";
    EXPECT_TRUE(FormatGrabFileName(name, sizeof name, "abc_", 1, 3, "bmp"));  // 11 chars
    EXPECT_STREQ(name, "abc_001.bmp");
    EXPECT_FALSE(FormatGrabFileName(name, sizeof name, "abcdefgh_", 1, 3, "bmp"));  // 16 chars
    EXPECT_STREQ(name, "");
    EXPECT_FALSE(FormatGrabFileName(name, sizeof name, "abc_", 1, 3, "extension"));
    EXPECT_STREQ(name, "");
    // Exactly full: 15 characters and the terminator.
    EXPECT_TRUE(FormatGrabFileName(name, sizeof name, "abcdefg_", 1, 3, "bmp"));
    EXPECT_STREQ(name, "abcdefg_001.bmp");
}
