#include "settings/password_hex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The decoded bytes; the buffer is exactly bytesSize, so ASan sees a write
// past it. (That the zero byte follows is the fuzz target's invariant.)
std::string Decode(const std::string& text, size_t bytesSize) {
    std::vector<uint8_t> bytes(bytesSize);
    const size_t count = DecodeHex(text.c_str(), bytes.data(), bytesSize);
    EXPECT_LT(count, bytesSize) << "no room left for the zero byte";
    return std::string(bytes.begin(), bytes.begin() + std::min(count, bytesSize));
}

}  // namespace

TEST(PasswordHex, EncodeWritesLowerCasePairsOnlyWholeAndOnlyWhereTheyFit) {
    // Every digit in both halves of a byte.
    const uint8_t bytes[] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef,
                             0xfe, 0xdc, 0xba, 0x98, 0x76, 0x54, 0x32, 0x10};
    // Bytes encoded, the text's room, whether they all fit, and the text.
    const std::tuple<size_t, size_t, bool, const char*> cases[] = {
        {3, 6, false, "0123"},
        {3, 7, true, "012345"},
        {16, 33, true, "0123456789abcdeffedcba9876543210"}};
    for (const auto& [count, textSize, whole, expected] : cases) {
        char text[34];
        memset(text, 'x', sizeof text);
        EXPECT_EQ(EncodeHex(bytes, count, text, textSize), whole) << textSize;
        EXPECT_STREQ(text, expected);
        EXPECT_EQ(text[textSize], 'x') << textSize;
    }
    char none = 'x';
    EXPECT_FALSE(EncodeHex(bytes, 1, &none, 0));
    EXPECT_EQ(none, 'x');
}

TEST(PasswordHex, DecodesPairsAndNeverWritesPastItsBuffer) {
    // An odd last digit is ignored; a pair that is not two hex digits is 0. The
    // stored text can be any length when the file was edited by hand.
    using namespace std::string_literals;
    const size_t kAll = kPasswordBytes;
    // The stored text, the bytes it decodes to, and the buffer's size.
    const std::tuple<std::string, std::string, size_t> cases[] = {
        {"61626300", "abc\0"s, kAll}, {"", "", kAll},        {"4A4b5c9D", "JK\x5c\x9d", kAll},
        {"ff01", "\xff\x01", kAll},   {"616", "a", kAll},    {"6", "", kAll},
        {"41zz42", "A\0B"s, kAll},    {"41424344", "AB", 3}, {"41", "", 1},
        {"g1", "\0"s, kAll},          {"1g", "\0"s, kAll}};
    for (const auto& [text, bytes, bytesSize] : cases) {
        EXPECT_EQ(Decode(text, bytesSize), bytes) << '"' << text << '"';
    }
    uint8_t none = 0xAB;
    EXPECT_EQ(DecodeHex("4142", &none, 0), 0u);
    EXPECT_EQ(none, 0xAB);
}

TEST(PasswordHex, BytesToTextStopsAtZeroAndAtTheField) {
    // Bytes without a zero (a blob from elsewhere) are cut to the field.
    const std::vector<uint8_t> pw = {'p', 'w', 0, 'x'}, many(600, 'z');
    const std::tuple<const uint8_t*, size_t, size_t, std::string> cases[] = {
        {pw.data(), 4, 8, "pw"},
        {pw.data(), 0, 8, ""},
        {many.data(), 600, 256, std::string(255, 'z')}};
    for (const auto& [bytes, count, textSize, expected] : cases) {
        std::vector<char> text(textSize + 1, 'q');
        BytesToText(bytes, count, text.data(), textSize);
        EXPECT_EQ(text.data(), expected);
        EXPECT_EQ(text[textSize], 'q') << "written past the field";
    }
}
