// The pass over the values is most of the time of a fit of a large sample off
// a grid (a million values, about ten passes), and in it the exponential and
// the logarithm of every value. So it is written here for four values at a
// time in the compilers' vector types (GCC and Clang share them), with its own
// exponential and logarithm, which need neither a table nor a branch. The
// program is built for the baseline x86-64: the same code is compiled twice,
// for the AVX2 instructions (chosen at run time where the processor has them)
// and for the baseline, where each operation takes two SSE2 halves.
//
// Values outside the ranges these functions are written for (an exponent
// below -708, a density not a positive normal number) are taken one at a time
// by the library's functions, as are the last n mod 4 values.
#include "fit/detail/exponential_sums.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace fit::detail {

namespace {

// Every function taking or giving a vector is inlined in this file: the
// calling convention the compilers warn of never applies.
#pragma GCC diagnostic ignored "-Wpsabi"

using V = double __attribute__((vector_size(32)));
using U = std::uint64_t __attribute__((vector_size(32)));
using M = std::int64_t __attribute__((vector_size(32)));  // a comparison: all bits set where true

#define VORNS_INLINE [[gnu::always_inline]] inline

VORNS_INLINE V splat(double x) { return V{x, x, x, x}; }
VORNS_INLINE U whole(std::uint64_t u) { return U{u, u, u, u}; }
VORNS_INLINE U bits(double x) {
    std::uint64_t u = 0;
    std::memcpy(&u, &x, sizeof u);
    return whole(u);
}
VORNS_INLINE V load(const double* p) {
    V v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
VORNS_INLINE bool all(const M& m) { return (m[0] & m[1] & m[2] & m[3]) != 0; }
VORNS_INLINE double lanes(const V& v) { return (v[0] + v[1]) + (v[2] + v[3]); }

// e^x for -708 <= x <= 708: x = n ln 2 + r with n whole and |r| <= ln 2 / 2 (n
// rounded by adding 1.5 * 2^52, whose last bits then hold it; ln 2 in two
// parts, the first exact times any such n), e^r by its Taylor polynomial of
// degree 13 (the rest, below r^14 / 14! < 5e-18, is far below the rounding),
// and 2^n added to the exponent's bits. Error: about 2 units in the last place
// (the rounding of Horner's scheme and of r).
VORNS_INLINE V exp4(const V& x) {
    const V magic = splat(0x1.8p52);
    const V t = x * splat(0x1.71547652b82fep0) + magic;  // x / ln 2 + magic
    const V n = t - magic;
    const V r = (x - n * splat(0x1.62e42fee00000p-1)) - n * splat(0x1.a39ef35793c76p-33);
    V p = splat(1.0 / 6227020800);  // 1 / 13!
    for (const double c : {1.0 / 479001600, 1.0 / 39916800, 1.0 / 3628800, 1.0 / 362880, 1.0 / 40320, 1.0 / 5040,
                           1.0 / 720, 1.0 / 120, 1.0 / 24, 1.0 / 6, 0.5, 1.0, 1.0}) {
        p = p * r + splat(c);
    }
    const U n_bits = (U)t - bits(0x1.8p52);  // n in two's complement
    return (V)((U)p + (n_bits << 52));
}

// ln x for a positive normal x: x = 2^e m with m in [sqrt(1/2), sqrt(2)] (from
// the bits), ln m = 2 atanh(z), z = (m - 1) / (m + 1), |z| <= 0.172, by the
// series 2 (z + z^3/3 + ... + z^21/21) (the rest, below z^22 / 23 < 7e-19 of
// it, is far below the rounding), plus e ln 2 in two parts (the first exact
// times any such e). Error: about 2 units in the last place (the rounding of z).
VORNS_INLINE V log4(const V& x) {
    const U u = (U)x;
    U exponent = u >> 52;
    V m = (V)((u & whole(0x000FFFFFFFFFFFFF)) | bits(1.0));  // in [1, 2)
    const M big = m > splat(0x1.6a09e667f3bcdp0);
    m = (V)((U)m - ((U)big & whole(std::uint64_t{1} << 52)));  // halved
    exponent = exponent - (U)big;                              // and e one more
    // e as a double: its bits put below those of 2^52
    const V e = (V)(exponent | bits(0x1p52)) - splat(0x1p52 + 1023);
    const V f = m - splat(1.0);
    const V z = f / (splat(2.0) + f);
    const V z2 = z * z;
    V series = splat(1.0 / 21);
    for (const double c : {1.0 / 19, 1.0 / 17, 1.0 / 15, 1.0 / 13, 1.0 / 11, 1.0 / 9, 1.0 / 7, 1.0 / 5, 1.0 / 3}) {
        series = series * z2 + splat(c);
    }
    const V twice = z + z;
    return e * splat(0x1.62e42fee00000p-1) + (e * splat(0x1.a39ef35793c76p-33) + (twice + twice * (z2 * series)));
}

VORNS_INLINE ExponentialSums sums_of(const double* s, const double* weight, std::size_t n, const ExponentialPoint& p) {
    V value{}, a_l{}, a_b{}, a_g{}, a_ll{}, q_ll{}, q_lb{}, q_bb{};
    ExponentialSums one_by_one;
    const V minus_lambda = splat(-p.lambda);
    const V norm = splat(p.norm);
    const V mean = splat(p.mean);
    const V signal = splat(1 - p.b);
    const V flat = splat(p.b / p.width);
    const V inverse_width = splat(1 / p.width);
    const V floor = splat(p.floor);
    const V inverse_floor = splat(1 / p.floor);
    std::size_t k = 0;
    for (; k + 4 <= n; k += 4) {
        const V sk = load(s + k);
        const V exponent = minus_lambda * sk;
        const V g = norm * exp4(exponent);
        const V f = signal * g + flat;
        const M below = f < floor;
        const V at = (V)(((U)below & (U)floor) | (~(U)below & (U)f));  // f, at least the floor
        if (!all((exponent >= splat(-708.0)) & (at >= splat(DBL_MIN)) & (at <= splat(DBL_MAX)))) {
            for (std::size_t i = k; i < k + 4; ++i) {
                add_exponential_terms(one_by_one, p, s[i], weight[i], p.norm * std::exp(-p.lambda * s[i]));
            }
            continue;
        }
        const V c = load(weight + k);
        // Below the floor, ln continued by its Taylor polynomial there in t.
        const V t = (V)((U)below & (U)((f - floor) * inverse_floor));
        const V ln = log4(at) + t - t * t * splat(0.5);
        const V inverse = splat(1.0) / at;
        const V cd1 = c * (inverse * (splat(1.0) - t));
        const V cd2 = -(c * (inverse * inverse));
        const V dm = mean - sk;
        const V g_l = g * dm;
        const V f_b = inverse_width - g;
        value -= c * ln;
        a_l += cd1 * g_l;
        a_b += cd1 * f_b;
        a_ll += cd1 * g_l * dm;
        q_ll += cd2 * g_l * g_l;
        q_lb += cd2 * g_l * f_b;
        q_bb += cd2 * f_b * f_b;
        a_g += cd1 * g;
    }
    for (; k < n; ++k) add_exponential_terms(one_by_one, p, s[k], weight[k], p.norm * std::exp(-p.lambda * s[k]));
    ExponentialSums sums;
    sums.value = lanes(value) + one_by_one.value;
    sums.a_l = lanes(a_l) + one_by_one.a_l;
    sums.a_b = lanes(a_b) + one_by_one.a_b;
    sums.a_g = lanes(a_g) + one_by_one.a_g;
    sums.a_ll = lanes(a_ll) + one_by_one.a_ll;
    sums.q_ll = lanes(q_ll) + one_by_one.q_ll;
    sums.q_lb = lanes(q_lb) + one_by_one.q_lb;
    sums.q_bb = lanes(q_bb) + one_by_one.q_bb;
    return sums;
}

[[gnu::target("avx2")]] ExponentialSums sums_avx2(const double* s, const double* weight, std::size_t n,
                                                  const ExponentialPoint& p) {
    return sums_of(s, weight, n, p);
}

ExponentialSums sums_baseline(const double* s, const double* weight, std::size_t n, const ExponentialPoint& p) {
    return sums_of(s, weight, n, p);
}

}  // namespace

ExponentialSums exponential_sums(const double* s, const double* weight, std::size_t n, const ExponentialPoint& p) {
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2 ? sums_avx2(s, weight, n, p) : sums_baseline(s, weight, n, p);
}

}  // namespace fit::detail
