#include "imaging/exact_double.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <utility>

// The tests do their double arithmetic in SSE2 registers (x86-64, and the i686
// test build asks for them), which is IEEE
// double exactly; ExactDouble must agree with it bit for bit.

TEST(ExactDouble, ProductsAndSumsRoundLikeTheHost) {
    std::mt19937_64 random(12345);
    std::uniform_int_distribution<int> exponents(-80, 80);
    for (int i = 0; i < 200000; ++i) {
        // Mantissas of every length, both signs, exponents near and far apart;
        // some two thousand results of each operation fall halfway between two
        // doubles and must go to the even one.
        double a = std::ldexp(static_cast<double>(random() >> (random() % 64)), exponents(random));
        double b = std::ldexp(static_cast<double>(random() >> (random() % 64)), exponents(random));
        a = random() & 1 ? -a : a;
        b = random() & 1 ? -b : b;
        ExactDouble ea = ExactDouble::FromDouble(a), eb = ExactDouble::FromDouble(b);
        volatile double product = a * b, sum = a + b, difference = a - b;
        ASSERT_EQ((ea * eb).ToDouble(), product) << a << " * " << b;
        ASSERT_EQ((ea + eb).ToDouble(), sum) << a << " + " << b;
        ASSERT_EQ((ea - eb).ToDouble(), difference) << a << " - " << b;
    }
}

TEST(ExactDouble, TruncationGoesTowardZeroAndSaturates) {
    const std::pair<double, int64_t> truncated[] = {
        {2.9, 2}, {-2.9, -2}, {0.4, 0}, {-0.4, 0}, {1e30, INT64_MAX}, {-1e30, -INT64_MAX}};
    for (const auto& [value, expected] : truncated) {
        EXPECT_EQ(ExactDouble::FromDouble(value).Trunc(), expected) << value;
    }
}
