#include "fit/detail/goodness.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace fit::detail {

Goodness goodness(std::vector<double> observed, std::vector<double> expected, int parameters) {
    Goodness g;
    g.classes = static_cast<int>(observed.size());
    g.ndf = g.classes - parameters;
    double chi2 = 0;
    double pearson = 0;
    int few = 0;
    for (std::size_t j = 0; j < observed.size(); ++j) {
        const double n = observed[j];
        const double mu = expected[j];
        chi2 += 2 * (mu - n + (n > 0 ? n * std::log(n / mu) : 0));
        pearson += (n - mu) * (n - mu) / mu;
        if (mu < kFewExpected) ++few;
    }
    // Each term is at least 0; their sum may round to just below it.
    g.chi2 = std::max(chi2, 0.0);
    g.pearson = pearson;
    if (g.ndf <= 0) {
        g.note = GoodnessNote::too_few_classes;
    } else if (kFewExpectedShare * few > g.classes) {
        g.note = GoodnessNote::too_few_expected;
    } else if (std::isfinite(chi2)) {
        g.note = GoodnessNote::ok;
        g.p_value =
            boost::math::cdf(boost::math::complement(boost::math::chi_squared_distribution<double>(g.ndf), g.chi2));
    }
    g.observed = std::move(observed);
    g.expected = std::move(expected);
    return g;
}

Goodness goodness_of_unbinned(const Sample& x, double dX, const std::function<double(double, double)>& decay_share,
                              double b, int parameters) {
    const double a = x.lower;
    const double c = x.lower + x.width;
    if (!(dX > 0) || !std::isfinite(dX) || !((c - a) / dX < 10000)) return {};
    // Lower edge of class j: j dX, or on a grid the lower edge of the cell of
    // its first grid value.
    const auto edge = [&](double j) {
        if (x.step <= 0) return j * dX;
        return x.origin + x.step * std::ceil((j * dX - x.origin) / x.step - 1e-6) - x.step / 2;
    };
    const auto class_of = [&](double t) {
        double j = std::floor(t / dX);
        while (edge(j) > t) --j;
        while (edge(j + 1) <= t) ++j;
        return j;
    };
    // Classes that reach inside the window by more than rounding.
    const double inset = 1e-7 * (x.step > 0 ? std::min(dX, x.step) : dX);
    const double first = class_of(a + inset);
    const double last = class_of(c - inset);
    const auto classes = static_cast<std::size_t>(last - first + 1);

    // The values rise: each class's are those before the first at or above
    // its upper edge (the last class takes the rest), found by bisection.
    std::vector<double> observed(classes, 0.0);
    auto k = x.s.begin();
    for (std::size_t i = 0; i < classes; ++i) {
        auto end = x.s.end();
        if (const double j = first + static_cast<double>(i); j < last) {
            const double next = edge(j + 1);
            end = std::partition_point(k, end, [&](double s) { return a + s < next; });
        }
        for (; k != end; ++k) observed[i] += x.weight[static_cast<std::size_t>(k - x.s.begin())];
    }
    std::vector<double> expected(classes, 0.0);
    std::vector<double> width(classes, 0.0);
    for (std::size_t i = 0; i < classes; ++i) {
        const double j = first + static_cast<double>(i);
        const double lo = std::max(edge(j), a) - a;
        const double hi = std::min(edge(j + 1), c) - a;
        expected[i] = x.events * ((1 - b) * decay_share(lo, hi) + b * (hi - lo) / x.width);
        width[i] = hi - lo;
    }
    Goodness g = goodness(std::move(observed), std::move(expected), parameters + 1);
    g.first_class = static_cast<std::int32_t>(first);
    g.width = std::move(width);
    return g;
}

}  // namespace fit::detail
