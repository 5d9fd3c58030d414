// The stored form of the upload password: two lower-case hex digits per byte.
//
// The bytes are either the plain password with its terminating zero, or the
// blob the system's data protection made of it; this file only converts
// between bytes and text and knows nothing of which it is.
#pragma once

#include <cstddef>
#include <cstdint>

// The stored text is read into, and written from, a buffer of this size.
constexpr int kPasswordHexChars = 1024;
// Bytes decoded from the longest stored text (1023 digits: 511 pairs), plus
// the zero byte that always follows them.
constexpr int kPasswordBytes = kPasswordHexChars / 2;

// Writes the bytes as "%2.2x" pairs. The text is always terminated; when not
// every byte fits, only whole pairs are written and the result is false.
bool EncodeHex(const uint8_t* bytes, size_t count, char* text, size_t textSize);

// Decodes the pairs of the text into bytes and returns how many were decoded.
// An odd last digit is ignored. A pair that is not two hex digits (only a
// hand-edited file holds one) decodes to 0. At most bytesSize - 1 bytes are
// decoded, and the byte after the last one decoded is always set to zero, so
// the result can be read as a text whatever the stored text's length.
size_t DecodeHex(const char* text, uint8_t* bytes, size_t bytesSize);

// Copies bytes into a text field, stopping at the first zero byte or when the
// field is full; the field is always terminated.
void BytesToText(const uint8_t* bytes, size_t count, char* text, size_t textSize);
