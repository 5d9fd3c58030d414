// File numbering for the numbered-file store: the highest sequence number in
// use among the names a directory search found, and the name of the next file
// (prefix, number formatted with "%*.*d", ".", extension).
//
// The numbers are read the way atoi reads them (leading blanks and a sign, then
// digits up to the first non-digit), except that a number too large for 32 bits
// is reported instead of wrapping: the store then writes nothing rather than
// overwrite an older grab under a wrapped, negative number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The formatted number is at most 11 characters ("-2147483648"), so digits
// beyond this in either direction are more than the store supports.
constexpr int32_t kMaxFileDigits = 11;

// An atoi-style number read from text.
struct ReadNumber {
    int32_t value = 0;      // 0 when the text does not start with digits
    bool overflow = false;  // the digits do not fit in 32 bits; value is then 0
};
ReadNumber ReadLeadingNumber(const char* text);

// Collects the highest number in use, one found name at a time.
class HighestFileNumber {
public:
    explicit HighestFileNumber(const char* prefix);

    // A name the directory search matched. The number is read right after the
    // prefix; names whose text there is not a number count as 0, negative ones
    // are ignored.
    void Add(const char* fileName);

    int32_t Highest() const { return highest_; }
    // The number for the next file: highest + 1. False when there is none to
    // give (a name's number overflowed, or the highest is already the largest
    // 32-bit number).
    bool Next(int32_t& next) const;

private:
    size_t prefixLength_;
    int32_t highest_ = 0;
    bool overflow_ = false;
};

// The whole scan over a list of names.
HighestFileNumber ScanFileNumbers(const char* prefix, const std::vector<std::string>& names);

// Writes prefix + number + "." + extension into dest. The number is formatted
// as "%*.*d" with width and precision both digits: zero-padded to digits when
// positive, left-justified in -digits (padded with blanks on the right) when
// negative (digits -3, number 1: "1  "), and left out when digits is 0. False,
// with dest empty, when digits is outside -kMaxFileDigits..kMaxFileDigits or the
// name does not fit.
bool FormatGrabFileName(char* dest, size_t destSize, const char* prefix, int32_t number,
                        int32_t digits, const char* extension);
