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

TEST(PasswordHex, EncodesLowerCasePairsWithTheZeroByte) {
    const char password[] = "abc";
    char text[kPasswordHexChars];
    EXPECT_TRUE(EncodeHex(reinterpret_cast<const uint8_t*>(password), 4, text, sizeof text));
    EXPECT_STREQ(text, "61626300");

    EXPECT_TRUE(EncodeHex(reinterpret_cast<const uint8_t*>(""), 1, text, sizeof text));
    EXPECT_STREQ(text, "00");

    const uint8_t bytes[] = {0x00, 0x0F, 0xA0, 0xFF, 0x7e};
    EXPECT_TRUE(EncodeHex(bytes, sizeof bytes, text, sizeof text));
    EXPECT_STREQ(text, "000fa0ff7e");
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
    const struct {
        const char* text;
        std::string bytes;
    } cases[] = {
        {"61626300", std::string("abc\0", 4)},
        {"00", std::string(1, '\0')},
        {"", ""},
        {"4A4b", "JK"},
        {"ff01", "\xff\x01"},
        {"616", "a"},  // an odd last digit is ignored
        {"6", ""},
        {"g1", std::string(1, '\0')},  // pairs that are not two hex digits decode to 0
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
    std::string longText(5000, 'a');
    std::string bytes = Decode(longText.c_str());
    EXPECT_EQ(bytes.size(), kPasswordBytes - 1u);
    EXPECT_EQ(bytes, std::string(kPasswordBytes - 1, '\xaa'));

    EXPECT_EQ(Decode("41424344", 3), "AB");
    EXPECT_EQ(Decode("41", 1), "");
    uint8_t none = kGuard;
    EXPECT_EQ(DecodeHex("4142", &none, 0), 0u);
    EXPECT_EQ(none, kGuard);
}

TEST(PasswordHex, RoundTripsEveryByte) {
    std::vector<uint8_t> bytes(256);
    for (int i = 0; i < 256; ++i)
        bytes[i] = static_cast<uint8_t>(i);
    char text[kPasswordHexChars];
    ASSERT_TRUE(EncodeHex(bytes.data(), bytes.size(), text, sizeof text));
    EXPECT_EQ(strlen(text), 512u);
    std::vector<uint8_t> back(kPasswordBytes, kGuard);
    ASSERT_EQ(DecodeHex(text, back.data(), back.size()), 256u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), back.begin()));
}

TEST(PasswordHex, BytesToTextStopsAtZeroAndAtTheField) {
    const uint8_t bytes[] = {'p', 'w', 0, 'x'};
    char text[8];
    memset(text, 'q', sizeof text);
    BytesToText(bytes, sizeof bytes, text, sizeof text);
    EXPECT_STREQ(text, "pw");

    // Bytes without a zero (a blob from elsewhere) are cut to the field.
    std::vector<uint8_t> many(600, 'z');
    char field[256];
    BytesToText(many.data(), many.size(), field, sizeof field);
    EXPECT_EQ(strlen(field), 255u);

    BytesToText(bytes, 0, text, sizeof text);
    EXPECT_STREQ(text, "");
}
