// IEEE double arithmetic carried out in integers.
//
// A few layout and colour formulas are defined as double-precision arithmetic
// (a float setting widened to double, products and sums rounded to double after
// each step, then truncated). The i686 build runs on the x87 unit, which keeps
// intermediates in 80-bit registers; GCC 12 does not round them back to double in
// C++, so the same expression can truncate to a different integer there than on
// SSE2. ExactDouble gives the double result by construction: each operation forms
// the exact product or sum in integers and rounds it to 53 significant bits, to
// nearest with ties to even, exactly as an IEEE double operation does.
//
// What it does not model: overflow to infinity, subnormal results and NaN. The
// values met here (32-bit integers, 32-bit floats, 8-bit channels and the products
// of two of them) stay far inside the double range.
#pragma once

#include <cstdint>

class ExactDouble {
public:
    ExactDouble() = default;

    static ExactDouble FromInt(int64_t value);
    // The widening of a float to double is exact; so is this. Only finite values.
    static ExactDouble FromFloat(float value);
    // Exact decomposition of a finite double (a constant such as 0.587).
    static ExactDouble FromDouble(double value);

    friend ExactDouble operator*(const ExactDouble& a, const ExactDouble& b);
    friend ExactDouble operator+(const ExactDouble& a, const ExactDouble& b);
    friend ExactDouble operator-(const ExactDouble& a, const ExactDouble& b);

    // Truncation toward zero, saturated to the int64 range.
    int64_t Trunc() const;
    // The same value as a host double (exact; used by tests to compare with
    // the host's own arithmetic).
    double ToDouble() const;

private:
    static ExactDouble Rounded(bool negative, uint64_t mantissa, int32_t exponent);

    // value = (negative ? -1 : 1) * mantissa * 2^exponent, mantissa < 2^53.
    bool negative_ = false;
    uint64_t mantissa_ = 0;
    int32_t exponent_ = 0;
};
