#include "settings/password_hex.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Guard bytes around each buffer show any write past its end.
constexpr uint8_t kGuard = 0xAB;

std::string Decode(const char* text, size_t bytesSize = kPasswordBytes) {
    std::vector<uint8_t> bytes(bytesSize + 8, kGuard);
    size_t count = DecodeHex(text, bytes.data(), bytesSize);
    EXPECT_LT(count, bytesSize);
    EXPECT_EQ(bytes[count], 0) << "no zero byte after the decoded bytes";
    for (size_t i = bytesSize; i < bytes.size(); ++i) {
        EXPECT_EQ(bytes[i], kGuard) << "written past the buffer at " << i;
    }
    return std::string(bytes.begin(), bytes.begin() + count);
}

}  // namespace

TEST(PasswordHex, EncodesLowerCasePairs) {
    // The stored form of "abc" ends with its zero byte.
    const std::string bytes = std::string("abc\0\x0f\xa0\xff\x58\x9c\xd2\x7e", 11);
    char text[kPasswordHexChars];
    EXPECT_TRUE(EncodeHex(reinterpret_cast<const uint8_t*>(bytes.data()), 4, text, sizeof text));
    EXPECT_STREQ(text, "61626300");
    EXPECT_TRUE(
        EncodeHex(reinterpret_cast<const uint8_t*>(bytes.data()) + 3, 8, text, sizeof text));
    EXPECT_STREQ(text, "000fa0ff589cd27e");
}

TEST(PasswordHex, EncodeWritesOnlyWholePairsThatFit) {
    const uint8_t bytes[] = {1, 2, 3, 4};
    char text[8];
    memset(text, 'x', sizeof text);
    EXPECT_FALSE(EncodeHex(bytes, sizeof bytes, text, 6));  // room for two pairs
    EXPECT_STREQ(text, "0102");
    EXPECT_EQ(text[6], 'x');
    EXPECT_TRUE(EncodeHex(bytes, 3, text, 7));
    EXPECT_STREQ(text, "010203");
    EXPECT_FALSE(EncodeHex(bytes, 1, text, 0));
}

TEST(PasswordHex, DecodesPairs) {
    // An odd last digit is ignored; a pair that is not two hex digits is 0.
    const struct {
        const char* text;
        std::string bytes;
    } cases[] = {
        {"61626300", std::string("abc\0", 4)},
        {"", ""},
        {"4A4b5c9D", "JK\x5c\x9d"},
        {"ff01", "\xff\x01"},
        {"616", "a"},
        {"6", ""},
        {"g1", std::string(1, '\0')},
        {"1g", std::string(1, '\0')},
        {"-1", std::string(1, '\0')},
        {" 1", std::string(1, '\0')},
        {"41zz42", std::string("A\0B", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Decode(c.text), c.bytes) << '"' << c.text << '"';
    }
}

TEST(PasswordHex, DecodeNeverWritesPastItsBuffer) {
    // The stored text can be any length when the file was edited by hand.
    EXPECT_EQ(Decode(std::string(5000, 'a').c_str()), std::string(kPasswordBytes - 1, '\xaa'));
    EXPECT_EQ(Decode("41424344", 3), "AB");
    EXPECT_EQ(Decode("41", 1), "");
    uint8_t none = kGuard;
    EXPECT_EQ(DecodeHex("4142", &none, 0), 0u);
    EXPECT_EQ(none, kGuard);
}

TEST(PasswordHex, BytesToTextStopsAtZeroAndAtTheField) {
    const uint8_t bytes[] = {'p', 'w', 0, 'x'};
    char text[8];
    memset(text, 'q', sizeof text);
    BytesToText(bytes, sizeof bytes, text, sizeof text);
    EXPECT_STREQ(text, "pw");
    BytesToText(bytes, 0, text, sizeof text);
    EXPECT_STREQ(text, "");
    // Bytes without a zero (a blob from elsewhere) are cut to the field.
    std::vector<uint8_t> many(600, 'z');
    char field[256];
    BytesToText(many.data(), many.size(), field, sizeof field);
    EXPECT_EQ(strlen(field), 255u);
}
