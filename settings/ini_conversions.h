// How values look in "Pixelnook.ini": the conversions between the record's
// fields and the texts and numbers the profile functions read and write.
//
// The profile functions themselves are glue (ini_file_win.cpp); everything here
// is the part of the file format that does not need Windows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/types.h"

// A text value is read into a buffer of this size (1023 characters at most)
// and then cut to its field.
constexpr int kIniTextChars = 1024;
// A float value's text is read into a buffer of this size (31 characters).
constexpr int kFloatTextChars = 32;
// Integers are written as decimal text: a sign and ten digits fit.
constexpr int kIntTextChars = 16;

// A bool field is set only by the number 1: 2, -1 or a word read as 0 turn it off.
bool BoolFromIni(int32_t stored);
// Any set bool is written as "1", a clear one as "0".
const char* BoolToIni(bool value);

// "%g" of the value widened to double: 0, 12.5, 1e+06.
void FloatToIni(float value, char (&text)[kFloatTextChars]);
// The text scanned as a number; the current value stays when the text is empty
// or does not start with a number.
float FloatFromIni(const char* text, float current);

// The fill colour is kept as three keys. Each channel keeps only its low byte,
// so 300 reads as 44 and -5 as 251.
Colorref ColorFromIni(int32_t red, int32_t green, int32_t blue);

// A key that is present with nothing after the equals sign counts as missing:
// its field keeps the default.
const char* TextOrDefault(const char* read, const char* fallback);

// The directory part of a file path, drive included and ending with its
// backslash ("C:\\dir\\" for "C:\\dir\\Pixelnook.ini"); empty when the path
// names no directory. False when the directory did not fit.
bool DirectoryOfFile(const char* file, char* directory, size_t directorySize);
