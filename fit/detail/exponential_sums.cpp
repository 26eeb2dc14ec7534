// The pass over the values is most of the time of a fit of a large sample (a
// million values off a grid, some twenty thousand grid values on one; four
// passes or more), and in it the exponential and the logarithm of every value.
// So it is written here for several values at a time in the compilers' vector
// types (GCC and Clang share them), with its own exponential and logarithm,
// which need neither a table nor a branch. The program is built for the
// baseline x86-64: the same code is compiled twice, four values at a time
// for the AVX2 and FMA instructions (chosen at run time where the processor
// has them; this file alone is compiled with a * b + c fused, which shortens
// the polynomials' chains), and two at a time for the baseline's SSE2
// registers.
//
// Values outside the ranges these functions are written for (an exponent
// beyond -708 or 708, a density not a positive normal number) are taken one
// at a time by the library's functions, as are the last few values.
#include "fit/detail/exponential_sums.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace fit::detail {

namespace {

// Every function taking or giving a vector is inlined in this file: the
// calling convention the compilers warn of never applies.
#pragma GCC diagnostic ignored "-Wpsabi"

// N doubles (V), their bits (U) and a comparison of them (M: all bits set where true).
template <int N>
struct Lanes {
    using V [[gnu::vector_size(8 * N)]] = double;
    using U [[gnu::vector_size(8 * N)]] = std::uint64_t;
    using M [[gnu::vector_size(8 * N)]] = std::int64_t;
};

#define VORNS_INLINE [[gnu::always_inline]] inline

template <class W>
VORNS_INLINE W splat(double x) {
    return W{} + x;
}
template <class W>
VORNS_INLINE W whole(std::uint64_t u) {
    return W{} + u;
}
template <class W>
VORNS_INLINE W bits(double x) {
    std::uint64_t u = 0;
    std::memcpy(&u, &x, sizeof u);
    return whole<W>(u);
}
template <class W>
VORNS_INLINE W load(const double* p) {
    W v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
// The lanes and the polynomials are written out (folds over packs), not
// looped over: a loop over a list of constants is kept as a loop, five
// instructions a term.
template <class W, std::size_t... I>
VORNS_INLINE bool all_lanes(const W& m, std::index_sequence<I...>) {
    return (m[I] & ...) != 0;  // each lane all bits set or none
}
template <class W>
VORNS_INLINE bool all(const W& m) {
    return all_lanes(m, std::make_index_sequence<sizeof m / sizeof m[0]>());
}
// c0 + x (c1 + x (c2 + ...)), the coefficients from the highest: Horner's scheme.
template <class V, class... C>
VORNS_INLINE V horner(const V& x, double highest, C... lower) {
    V p = splat<V>(highest);
    ((p = p * x + splat<V>(lower)), ...);
    return p;
}
template <class W>
VORNS_INLINE double lanes(const W& v) {
    double sum = 0;
    for (std::size_t i = 0; i < sizeof v / sizeof v[0]; ++i) sum += v[i];
    return sum;
}

// e^x for -708 <= x <= 708: x = n ln 2 + r with n whole and |r| <= ln 2 / 2 (n
// rounded by adding 1.5 * 2^52, whose last bits then hold it; ln 2 in two
// parts, the first exact times any such n), e^r by its Taylor polynomial of
// degree 13 (the rest, below r^14 / 14! < 5e-18, is far below the rounding),
// and 2^n added to the exponent's bits. Error: about 2 units in the last place
// (the rounding of Horner's scheme and of r).
template <int N>
VORNS_INLINE typename Lanes<N>::V exp_of(const typename Lanes<N>::V& x) {
    using V = typename Lanes<N>::V;
    using U = typename Lanes<N>::U;

    const V magic = splat<V>(0x1.8p52);
    const V t = x * splat<V>(0x1.71547652b82fep0) + magic;  // x / ln 2 + magic
    const V n = t - magic;
    const V r = (x - n * splat<V>(0x1.62e42fee00000p-1)) - n * splat<V>(0x1.a39ef35793c76p-33);
    const V p = horner(r, 1.0 / 6227020800, 1.0 / 479001600, 1.0 / 39916800, 1.0 / 3628800, 1.0 / 362880, 1.0 / 40320,
                       1.0 / 5040, 1.0 / 720, 1.0 / 120, 1.0 / 24, 1.0 / 6, 0.5, 1.0, 1.0);
    const U n_bits = (U)t - bits<U>(0x1.8p52);  // n in two's complement
    return (V)((U)p + (n_bits << 52));
}

// ln x for a positive normal x: x = 2^e m with m in [sqrt(1/2), sqrt(2)] (from
// the bits), ln m = 2 atanh(z), z = (m - 1) / (m + 1), |z| <= 0.172, by the
// series 2 (z + z^3/3 + ... + z^21/21) (the rest, below z^22 / 23 < 7e-19 of
// it, is far below the rounding), plus e ln 2 in two parts (the first exact
// times any such e). Error: about 2 units in the last place (the rounding of z).
template <int N>
VORNS_INLINE typename Lanes<N>::V log_of(const typename Lanes<N>::V& x) {
    using V = typename Lanes<N>::V;
    using U = typename Lanes<N>::U;
    using M = typename Lanes<N>::M;

    const U u = (U)x;
    U exponent = u >> 52;
    V m = (V)((u & whole<U>(0x000FFFFFFFFFFFFF)) | bits<U>(1.0));  // in [1, 2)
    const M big = m > splat<V>(0x1.6a09e667f3bcdp0);
    m = (V)((U)m - ((U)big & whole<U>(std::uint64_t{1} << 52)));  // halved
    exponent = exponent - (U)big;                                 // and e one more
    // e as a double: its bits put below those of 2^52
    const V e = (V)(exponent | bits<U>(0x1p52)) - splat<V>(0x1p52 + 1023);
    const V f = m - splat<V>(1.0);
    const V z = f / (splat<V>(2.0) + f);
    const V z2 = z * z;
    const V series =
        horner(z2, 1.0 / 21, 1.0 / 19, 1.0 / 17, 1.0 / 15, 1.0 / 13, 1.0 / 11, 1.0 / 9, 1.0 / 7, 1.0 / 5, 1.0 / 3);
    const V twice = z + z;
    return e * splat<V>(0x1.62e42fee00000p-1) + (e * splat<V>(0x1.a39ef35793c76p-33) + (twice + twice * (z2 * series)));
}

template <int N>
VORNS_INLINE ExponentialSums sums_of(const double* s, const double* weight, std::size_t n, const ExponentialPoint& p) {
    using V = typename Lanes<N>::V;
    using U = typename Lanes<N>::U;
    using M = typename Lanes<N>::M;

    V value{}, a_l{}, a_b{}, a_g{}, a_ll{}, q_ll{}, q_lb{}, q_bb{};
    ExponentialSums one_by_one;
    const V minus_lambda = splat<V>(-p.lambda);
    const V norm = splat<V>(p.norm);
    const V mean = splat<V>(p.mean);
    const V signal = splat<V>(1 - p.b);
    const V flat = splat<V>(p.b / p.width);
    const V inverse_width = splat<V>(1 / p.width);
    const V floor = splat<V>(p.floor);
    const V inverse_floor = splat<V>(1 / p.floor);
    std::size_t k = 0;
    for (; k + N <= n; k += N) {
        const V sk = load<V>(s + k);
        const V exponent = minus_lambda * sk;
        const V g = norm * exp_of<N>(exponent);
        const V f = signal * g + flat;
        const M below = f < floor;
        const V at = (V)(((U)below & (U)floor) | (~(U)below & (U)f));  // f, at least the floor
        if (!all((exponent >= splat<V>(-708.0)) & (exponent <= splat<V>(708.0)) & (at >= splat<V>(DBL_MIN)) &
                 (at <= splat<V>(DBL_MAX)))) {
            for (std::size_t i = k; i < k + N; ++i) {
                add_exponential_terms(one_by_one, p, s[i], weight[i], p.norm * std::exp(-p.lambda * s[i]));
            }
            continue;
        }
        const V c = load<V>(weight + k);
        // Below the floor, ln continued by its Taylor polynomial there in t.
        const V t = (V)((U)below & (U)((f - floor) * inverse_floor));
        const V ln = log_of<N>(at) + t - t * t * splat<V>(0.5);
        const V inverse = splat<V>(1.0) / at;
        const V cd1 = c * (inverse * (splat<V>(1.0) - t));
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

[[gnu::target("avx2,fma")]] ExponentialSums sums_avx2(const double* s, const double* weight, std::size_t n,
                                                      const ExponentialPoint& p) {
    return sums_of<4>(s, weight, n, p);
}

}  // namespace

ExponentialSums exponential_sums_baseline(const double* s, const double* weight, std::size_t n,
                                          const ExponentialPoint& p) {
    return sums_of<2>(s, weight, n, p);
}

ExponentialSums exponential_sums(const double* s, const double* weight, std::size_t n, const ExponentialPoint& p) {
    static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return avx2 ? sums_avx2(s, weight, n, p) : exponential_sums_baseline(s, weight, n, p);
}

}  // namespace fit::detail
