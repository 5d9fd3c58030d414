// File numbering; see file_numbering.h.
#include "capture/file_numbering.h"

#include <cstring>
#include <limits>

#include "base/text.h"

namespace {

constexpr int32_t kLargestNumber = std::numeric_limits<int32_t>::max();

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

ReadNumber ReadLeadingNumber(const char* text) {
    ReadNumber result;
    if (text == nullptr) {
        return result;
    }
    while (IsBlank(*text)) {
        ++text;
    }
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
    }
    // Accumulate in 64 bits and stop as soon as the value leaves the 32-bit
    // range, so no number of digits can overflow the accumulator either.
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                   : static_cast<int64_t>(kLargestNumber);
    int64_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > limit) {
            result.overflow = true;
            return result;
        }
    }
    result.value = static_cast<int32_t>(negative ? -value : value);
    return result;
}

HighestFileNumber::HighestFileNumber(const char* prefix)
    : prefixLength_(prefix != nullptr ? strlen(prefix) : 0) {}

void HighestFileNumber::Add(const char* fileName) {
    if (fileName == nullptr || strlen(fileName) < prefixLength_) {
        return;  // a short-name match that does not hold the prefix at all
    }
    ReadNumber number = ReadLeadingNumber(fileName + prefixLength_);
    if (number.overflow) {
        // Only a number above the 32-bit range matters: a hugely negative one
        // would be ignored like any other negative number.
        const char* afterBlanks = fileName + prefixLength_;
        while (IsBlank(*afterBlanks)) {
            ++afterBlanks;
        }
        if (*afterBlanks != '-') {
            overflow_ = true;
        }
        return;
    }
    if (number.value >= highest_) {
        highest_ = number.value;
    }
}

bool HighestFileNumber::Next(int32_t& next) const {
    if (overflow_ || highest_ == kLargestNumber) {
        return false;
    }
    next = highest_ + 1;
    return true;
}

HighestFileNumber ScanFileNumbers(const char* prefix, const std::vector<std::string>& names) {
    HighestFileNumber highest(prefix);
    for (const std::string& name : names) {
        highest.Add(name.c_str());
    }
    return highest;
}

bool FormatGrabFileName(char* dest, size_t destSize, const char* prefix, int32_t number,
                        int32_t digits, const char* extension) {
    if (destSize == 0) {
        return false;
    }
    bool whole =
        digits >= -kMaxFileDigits && digits <= kMaxFileDigits && CopyText(dest, destSize, prefix);
    if (whole && digits != 0) {
        // "%*.*d" with width and precision both digits. For a negative value the
        // standard's reading is spelt out (the width left-justifies in -digits,
        // the precision counts as none), so the name does not depend on how a
        // C runtime treats a negative precision.
        char formatted[kMaxFileDigits + 1];
        const int number32 = static_cast<int>(number);
        whole = (digits > 0 ? FormatText(formatted, "%*.*d", static_cast<int>(digits),
                                         static_cast<int>(digits), number32)
                            : FormatText(formatted, "%-*d", static_cast<int>(-digits), number32)) &&
                AppendText(dest, destSize, formatted);
    }
    whole = whole && AppendText(dest, destSize, ".") && AppendText(dest, destSize, extension);
    if (!whole) {
        dest[0] = '\0';
    }
    return whole;
}
