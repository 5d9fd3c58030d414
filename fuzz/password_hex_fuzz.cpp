// The stored password's hex text as a hand-edited file may hold it: decoding
// stays inside its buffer and ends in a zero; encoding gives back each pair in
// lower case ("00" for a pair that is not hex), which decodes to the same bytes.
#include <cctype>
#include <cstring>
#include <string>

#include "base/limits.h"
#include "settings/password_hex.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // As read from the file: at most 1023 characters, up to the first zero.
    const std::string text(reinterpret_cast<const char*>(data),
                           strnlen(reinterpret_cast<const char*>(data),
                                   std::min<size_t>(size, kPasswordHexChars - 1)));
    uint8_t bytes[kPasswordBytes + 1];
    memset(bytes, 0xA5, sizeof bytes);
    const size_t count = DecodeHex(text.c_str(), bytes, kPasswordBytes);
    char hex[kPasswordHexChars];
    if (count != text.size() / 2 || bytes[count] != 0 || bytes[kPasswordBytes] != 0xA5 ||
        !EncodeHex(bytes, count, hex, sizeof hex) || strlen(hex) != 2 * count) {
        __builtin_trap();
    }
    for (size_t i = 0; i < count; ++i) {
        const char a = text[2 * i], b = text[2 * i + 1];
        const bool pair =
            isxdigit(static_cast<unsigned char>(a)) && isxdigit(static_cast<unsigned char>(b));
        if (hex[2 * i] != (pair ? tolower(a) : '0') ||
            hex[2 * i + 1] != (pair ? tolower(b) : '0')) {
            __builtin_trap();
        }
    }
    uint8_t again[kPasswordBytes];
    char field[kTextChars];
    BytesToText(bytes, count, field, sizeof field);
    if (DecodeHex(hex, again, sizeof again) != count || memcmp(again, bytes, count) != 0 ||
        strlen(field) >= sizeof field) {
        __builtin_trap();
    }
    return 0;
}
