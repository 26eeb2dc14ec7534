#pragma once
// Random numbers identical on every standard library: std::mt19937_64 (fully
// specified by the standard) through our own uniform, exponential and
// logarithm code, so that a seed gives the same draws everywhere. The
// programs that include it compile without contraction of a * b + c into
// fused multiply-adds (-ffp-contract=off), for the same results on every
// machine.
#include <cmath>
#include <cstdint>
#include <random>

namespace portable {

// Natural logarithm of x > 0 from exact IEEE operations only (frexp, +, -, *, /),
// so that the result does not depend on the maths library.
inline double portable_log(double x) {
    constexpr double kLn2 = 0.693147180559945309417232121458176568;
    constexpr double kSqrtHalf = 0.707106781186547524400844362104849039;
    int exponent = 0;
    double m = std::frexp(x, &exponent);  // x = m * 2^exponent, m in [0.5, 1)
    if (m < kSqrtHalf) {
        m *= 2.0;
        --exponent;
    }
    // ln m = 2 atanh(s) = 2 (s + s^3/3 + s^5/5 + ...), |s| <= 0.172
    const double s = (m - 1.0) / (m + 1.0);
    const double s2 = s * s;
    double term = s;
    double sum = 0.0;
    for (int k = 1; k <= 29; k += 2) {
        sum += term / static_cast<double>(k);
        term *= s2;
    }
    return 2.0 * sum + static_cast<double>(exponent) * kLn2;
}

class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    // Uniform on [0, 1), 53 random bits.
    double uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    // Exponential with the given mean (inversion; 1 - u lies in (0, 1]).
    double exponential(double mean) { return -mean * portable_log(1.0 - uniform()); }

    // 64 random bits.
    std::uint64_t bits() { return engine_(); }

private:
    std::mt19937_64 engine_;
};

}  // namespace portable
