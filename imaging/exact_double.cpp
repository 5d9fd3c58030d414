// IEEE double arithmetic carried out in integers; see exact_double.h for why.
#include "imaging/exact_double.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

// Significant bits of a double, the hidden bit included.
constexpr int kMantissaBits = 53;
// Operands are lined up with their top bit here, which leaves 8 or more guard bits
// below the rounding position and one free bit above it for the carry of a sum.
constexpr int kAlignedTopBit = 61;

int BitLength(uint64_t v) {
    int n = 0;
    while (v != 0) {
        ++n;
        v >>= 1;
    }
    return n;
}

// Shifts right by `shift` and folds every bit shifted out into bit 0 (a "sticky"
// bit), so that rounding later still sees that the value was not exact.
uint64_t ShiftRightJamming(uint64_t v, int shift) {
    if (shift <= 0) {
        return v;
    }
    if (shift >= 64) {
        return v != 0 ? 1 : 0;
    }
    uint64_t lost = v & ((uint64_t{1} << shift) - 1);
    return (v >> shift) | (lost != 0 ? 1 : 0);
}

}  // namespace

ExactDouble ExactDouble::Rounded(bool negative, uint64_t mantissa, int32_t exponent) {
    ExactDouble r;
    if (mantissa == 0) {
        return r;
    }
    int length = BitLength(mantissa);
    if (length > kMantissaBits) {
        int drop = length - kMantissaBits;
        uint64_t rest = mantissa & ((uint64_t{1} << drop) - 1);
        uint64_t half = uint64_t{1} << (drop - 1);
        mantissa >>= drop;
        exponent += drop;
        if (rest > half || (rest == half && (mantissa & 1) != 0)) {
            ++mantissa;
            if (mantissa == (uint64_t{1} << kMantissaBits)) {
                mantissa >>= 1;
                ++exponent;
            }
        }
    }
    r.negative_ = negative;
    r.mantissa_ = mantissa;
    r.exponent_ = exponent;
    return r;
}

ExactDouble ExactDouble::FromInt(int64_t value) {
    bool negative = value < 0;
    uint64_t magnitude =
        negative ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    // A 64-bit magnitude may exceed 53 bits; line it up like a sum so that the
    // dropped bits are kept as a sticky bit.
    int shift = BitLength(magnitude) > kAlignedTopBit + 1 ? BitLength(magnitude) - 62 : 0;
    return Rounded(negative, ShiftRightJamming(magnitude, shift), shift);
}

ExactDouble ExactDouble::FromFloat(float value) {
    return FromDouble(static_cast<double>(value));
}

ExactDouble ExactDouble::FromDouble(double value) {
    ExactDouble r;
    if (value == 0.0 || !std::isfinite(value)) {
        return r;
    }
    int exponent = 0;
    double fraction = std::frexp(value, &exponent);  // exact: only the exponent moves
    bool negative = fraction < 0;
    if (negative) {
        fraction = -fraction;
    }
    // fraction is in [0.5, 1): scaling by 2^53 gives an integer below 2^53, exactly.
    r.negative_ = negative;
    r.mantissa_ = static_cast<uint64_t>(std::ldexp(fraction, kMantissaBits));
    r.exponent_ = exponent - kMantissaBits;
    return r;
}

ExactDouble operator*(const ExactDouble& a, const ExactDouble& b) {
    if (a.mantissa_ == 0 || b.mantissa_ == 0) {
        return ExactDouble();
    }
    // 53 x 53 bits: the full 106-bit product from 32-bit halves.
    uint64_t aHigh = a.mantissa_ >> 32, aLow = a.mantissa_ & 0xFFFFFFFFu;
    uint64_t bHigh = b.mantissa_ >> 32, bLow = b.mantissa_ & 0xFFFFFFFFu;
    uint64_t lowLow = aLow * bLow;
    uint64_t lowHigh = aLow * bHigh;
    uint64_t highLow = aHigh * bLow;
    uint64_t highHigh = aHigh * bHigh;
    uint64_t middle = (lowLow >> 32) + (lowHigh & 0xFFFFFFFFu) + (highLow & 0xFFFFFFFFu);
    uint64_t low = (middle << 32) | (lowLow & 0xFFFFFFFFu);
    uint64_t high = highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32);

    int32_t exponent = a.exponent_ + b.exponent_;
    uint64_t mantissa = low;
    if (high != 0) {
        int shift = BitLength(high);
        mantissa = ShiftRightJamming(low, shift) | (high << (64 - shift));
        exponent += shift;
    }
    return ExactDouble::Rounded(a.negative_ != b.negative_, mantissa, exponent);
}

ExactDouble operator+(const ExactDouble& a, const ExactDouble& b) {
    if (a.mantissa_ == 0) {
        return b;
    }
    if (b.mantissa_ == 0) {
        return a;
    }
    int aShift = kAlignedTopBit + 1 - BitLength(a.mantissa_);
    int bShift = kAlignedTopBit + 1 - BitLength(b.mantissa_);
    uint64_t aBits = a.mantissa_ << aShift;
    uint64_t bBits = b.mantissa_ << bShift;
    int32_t aExponent = a.exponent_ - aShift;
    int32_t bExponent = b.exponent_ - bShift;
    bool aNegative = a.negative_, bNegative = b.negative_;
    if (aExponent < bExponent || (aExponent == bExponent && aBits < bBits)) {
        std::swap(aBits, bBits);
        std::swap(aExponent, bExponent);
        std::swap(aNegative, bNegative);
    }
    // a is now the larger in magnitude; b moves down to a's scale. Both have
    // their low 8 bits clear, so a shift of one loses nothing, and a longer one
    // leaves the sticky bit far below the rounding position.
    int64_t distance = static_cast<int64_t>(aExponent) - bExponent;
    bBits = ShiftRightJamming(bBits, distance > 64 ? 64 : static_cast<int>(distance));
    uint64_t sum = aNegative == bNegative ? aBits + bBits : aBits - bBits;
    if (sum == 0) {
        return ExactDouble();  // exact cancellation gives +0, as in IEEE
    }
    return ExactDouble::Rounded(aNegative, sum, aExponent);
}

ExactDouble operator-(const ExactDouble& a, const ExactDouble& b) {
    ExactDouble negated = b;
    negated.negative_ = !b.negative_;
    return a + negated;
}

int64_t ExactDouble::Trunc() const {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    uint64_t magnitude = 0;
    if (exponent_ >= 0) {
        if (exponent_ + BitLength(mantissa_) > 63) {
            return negative_ ? -kMax : kMax;
        }
        magnitude = mantissa_ << exponent_;
    } else if (exponent_ > -64) {
        magnitude = mantissa_ >> -exponent_;
    }
    int64_t value = static_cast<int64_t>(magnitude);
    return negative_ ? -value : value;
}

double ExactDouble::ToDouble() const {
    double magnitude = std::ldexp(static_cast<double>(mantissa_), exponent_);
    return negative_ ? -magnitude : magnitude;
}
