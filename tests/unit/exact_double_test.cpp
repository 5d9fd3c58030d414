#include "imaging/exact_double.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

// The host here does double arithmetic in SSE2 registers (x86-64), which is IEEE
// double exactly; ExactDouble must agree with it bit for bit.

TEST(ExactDouble, ConversionsAreExact) {
    const double values[] = {0.0, 1.0, -1.0, 0.587, 0.299, 0.114, 0.5, 1e300, -3.25e-200};
    for (double v : values) {
        EXPECT_EQ(ExactDouble::FromDouble(v).ToDouble(), v) << v;
    }
    const float floats[] = {0.25f, 0.1f, -0.3f, 3.4e38f, 1.4e-45f};
    for (float f : floats) {
        EXPECT_EQ(ExactDouble::FromFloat(f).ToDouble(), static_cast<double>(f)) << f;
    }
    const int64_t ints[] = {0, 1, -1, 2147483647, -2147483647 - 1, (int64_t{1} << 53) + 1};
    for (int64_t i : ints) {
        EXPECT_EQ(ExactDouble::FromInt(i).ToDouble(), static_cast<double>(i)) << i;
    }
}

TEST(ExactDouble, ProductsAndSumsRoundLikeTheHost) {
    std::mt19937_64 random(12345);
    std::uniform_int_distribution<int> exponents(-80, 80);
    for (int i = 0; i < 200000; ++i) {
        // Mantissas of every length, both signs, exponents near and far apart.
        double a = std::ldexp(static_cast<double>(random() >> (random() % 64)), exponents(random));
        double b = std::ldexp(static_cast<double>(random() >> (random() % 64)), exponents(random));
        if (random() & 1) {
            a = -a;
        }
        if (random() & 1) {
            b = -b;
        }
        ExactDouble ea = ExactDouble::FromDouble(a), eb = ExactDouble::FromDouble(b);
        volatile double product = a * b, sum = a + b, difference = a - b;
        ASSERT_EQ((ea * eb).ToDouble(), product) << a << " * " << b;
        ASSERT_EQ((ea + eb).ToDouble(), sum) << a << " + " << b;
        ASSERT_EQ((ea - eb).ToDouble(), difference) << a << " - " << b;
    }
}

TEST(ExactDouble, TiesRoundToEven) {
    // 2^53 + 1 is halfway between two doubles: it goes to the even one, 2^53.
    ExactDouble big = ExactDouble::FromInt(int64_t{1} << 53);
    EXPECT_EQ((big + ExactDouble::FromInt(1)).ToDouble(), 9007199254740992.0);
    // 2^53 + 3 is halfway too and goes up to 2^53 + 4.
    EXPECT_EQ((big + ExactDouble::FromInt(3)).ToDouble(), 9007199254740996.0);
}

TEST(ExactDouble, TruncatesTowardZero) {
    const struct {
        double value;
        int64_t expected;
    } cases[] = {{2.9, 2}, {-2.9, -2}, {0.4, 0}, {-0.4, 0}, {1e30, INT64_MAX}, {-1e30, -INT64_MAX}};
    for (const auto& c : cases) {
        EXPECT_EQ(ExactDouble::FromDouble(c.value).Trunc(), c.expected) << c.value;
    }
}
