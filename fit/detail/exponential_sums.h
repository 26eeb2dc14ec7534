#pragma once
// The sums over the values that the likelihood of the exponential plus the flat
// background needs at one point (lambda, b), for its value, gradient and
// Hessian all at once (likelihood.h turns them into these).
//
// With g = norm(lambda) e^(-lambda s) each value's density of the exponential,
// f = (1 - b) g + b / W, dm = mean - s, g_l = g dm (dg / dlambda), f_b = 1/W - g
// (df / db), c the value's weight and d1, d2 the first two derivatives of
// ln f (guarded_log.h):
//   value = -sum c ln f      a_l = sum c d1 g_l    a_b = sum c d1 f_b
//   a_g = sum c d1 g         a_ll = sum c d1 g_l dm
//   q_ll = sum c d2 g_l^2    q_lb = sum c d2 g_l f_b   q_bb = sum c d2 f_b^2
#include "fit/detail/guarded_log.h"

#include <cstddef>

namespace fit::detail {

struct ExponentialSums {
    double value = 0;
    double a_l = 0;
    double a_b = 0;
    double a_g = 0;
    double a_ll = 0;
    double q_ll = 0;
    double q_lb = 0;
    double q_bb = 0;
};

// What every value's terms share at one point.
struct ExponentialPoint {
    double lambda = 0;
    double norm = 0;  // the density at s over e^(-lambda s)
    double mean = 0;  // the mean of s for lambda
    double b = 0;
    double width = 0;
    double floor = 0;  // of the guarded logarithm
};

// Adds the terms of one value s of weight c, whose density g is given.
inline void add_exponential_terms(ExponentialSums& sums, const ExponentialPoint& p, double s, double c, double g) {
    const double dm = p.mean - s;
    const double g_l = g * dm;
    const double f_b = 1 / p.width - g;
    const GuardedLog ln = guarded_log((1 - p.b) * g + p.b / p.width, p.floor);
    const double cd1 = c * ln.d1;
    const double cd2 = c * ln.d2;
    sums.value -= c * ln.value;
    sums.a_l += cd1 * g_l;
    sums.a_b += cd1 * f_b;
    sums.a_ll += cd1 * g_l * dm;
    sums.q_ll += cd2 * g_l * g_l;
    sums.q_lb += cd2 * g_l * f_b;
    sums.q_bb += cd2 * f_b * f_b;
    sums.a_g += cd1 * g;
}

// The sums over the n values s (rising or not) with their weights, each
// density g = norm e^(-lambda s) computed on the way.
ExponentialSums exponential_sums(const double* s, const double* weight, std::size_t n, const ExponentialPoint& p);

// The same, two values at a time in the registers every x86-64 has: what
// exponential_sums takes on a processor without AVX2 and FMA.
ExponentialSums exponential_sums_baseline(const double* s, const double* weight, std::size_t n,
                                          const ExponentialPoint& p);

}  // namespace fit::detail
