#include "settings/password_hex.h"

#include <cstring>

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr int kNotHex = -1;

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return kNotHex;
}

}  // namespace

bool EncodeHex(const uint8_t* bytes, size_t count, char* text, size_t textSize) {
    if (textSize == 0) {
        return false;
    }
    size_t fit = (textSize - 1) / 2;
    size_t written = count < fit ? count : fit;
    for (size_t i = 0; i < written; ++i) {
        text[2 * i] = kHexDigits[bytes[i] >> 4];
        text[2 * i + 1] = kHexDigits[bytes[i] & 0x0F];
    }
    text[2 * written] = '\0';
    return written == count;
}

size_t DecodeHex(const char* text, uint8_t* bytes, size_t bytesSize) {
    if (bytesSize == 0) {
        return 0;
    }
    size_t pairs = strlen(text) / 2;
    size_t decoded = pairs < bytesSize - 1 ? pairs : bytesSize - 1;
    for (size_t i = 0; i < decoded; ++i) {
        int high = HexValue(text[2 * i]);
        int low = HexValue(text[2 * i + 1]);
        bytes[i] = (high == kNotHex || low == kNotHex) ? 0 : static_cast<uint8_t>(high * 16 + low);
    }
    bytes[decoded] = 0;
    return decoded;
}

void BytesToText(const uint8_t* bytes, size_t count, char* text, size_t textSize) {
    if (textSize == 0) {
        return;
    }
    size_t i = 0;
    while (i < count && i + 1 < textSize && bytes[i] != 0) {
        text[i] = static_cast<char>(bytes[i]);
        ++i;
    }
    text[i] = '\0';
}
