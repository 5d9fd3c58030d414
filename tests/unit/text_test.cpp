#include "base/text.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(BoundedText, CopyCutsAndAlwaysTerminates) {
    char buffer[8];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_TRUE(CopyText(buffer, "1234567"));
    EXPECT_STREQ(buffer, "1234567");
    EXPECT_FALSE(CopyText(buffer, "123456789"));
    EXPECT_STREQ(buffer, "1234567");
    EXPECT_TRUE(CopyText(buffer, nullptr));
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(CopyText(buffer, 0, "a"));  // nothing may be written at all
}

TEST(BoundedText, AppendStopsAtTheEnd) {
    char buffer[10] = "abc";
    EXPECT_TRUE(AppendText(buffer, "def"));
    EXPECT_STREQ(buffer, "abcdef");
    EXPECT_FALSE(AppendText(buffer, "ghijkl"));
    EXPECT_STREQ(buffer, "abcdefghi");
    EXPECT_FALSE(AppendText(buffer, "z"));
    EXPECT_STREQ(buffer, "abcdefghi");

    char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_FALSE(AppendText(unterminated, "e"));
    EXPECT_EQ(unterminated[3], '\0');
}

TEST(BoundedText, FormatReportsTruncation) {
    char buffer[6];
    EXPECT_TRUE(FormatText(buffer, "%d-%s", 12, "ab"));
    EXPECT_STREQ(buffer, "12-ab");
    EXPECT_FALSE(FormatText(buffer, "%d", 1234567));
    EXPECT_STREQ(buffer, "12345");
}
