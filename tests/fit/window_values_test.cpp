// The durations inside a window, counted several at a time: the same counts,
// extremes and ranks as one by one, whatever the number of values (the last
// few taken alone), values below, above or not numbers, and 0 beside -0.
#include "fit/detail/window_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using fit::detail::WindowValues;

// Durations 0 to 99.9 in no order, with the values the window must leave out.
std::vector<double> mixed(std::size_t n) {
    std::vector<double> v;
    for (std::size_t i = 0; i < n; ++i) {
        const double d = static_cast<double>((i * 7919) % 1000) / 10;
        v.push_back(i % 13 == 5 ? NAN : i % 17 == 3 ? -d : d);
    }
    return v;
}

}  // namespace

TEST(WindowValues, CountsExtremesAndRanksAsOneByOne) {
    struct Case {
        std::vector<double> values;
        double t_min;
        double t_max;
    };
    std::vector<Case> cases;
    for (const std::size_t n : {0, 1, 3, 5, 255, 256, 257, 1029}) cases.push_back({mixed(n), 10, 80});
    cases.push_back({mixed(600), -INFINITY, INFINITY});
    cases.push_back({mixed(300), 200, 300});  // none inside
    // 0 and -0 in different lanes: the first inside is kept, as one by one.
    cases.push_back({{5, 0.0, 7, 9, -0.0, 1, 3, 2}, 0, 10});
    cases.push_back({{5, -0.0, 7, 9, 0.0, 1, 3, 2}, 0, 10});
    cases.push_back({{-3, -0.0, -7, -8, 0.0, -9, -1, -2}, -10, 0});
    for (const Case& c : cases) {
        std::vector<double> inside;
        std::size_t above = 0;
        double lowest = INFINITY;
        double highest = -INFINITY;
        for (const double d : c.values) {
            if (!(d >= c.t_min)) continue;
            if (d > c.t_max) {
                ++above;
                continue;
            }
            inside.push_back(d);
            lowest = std::min(lowest, d);
            highest = std::max(highest, d);
        }
        SCOPED_TRACE(testing::Message() << c.values.size() << " values in [" << c.t_min << ", " << c.t_max << "]");
        // Four at a time where the processor has AVX2, and two at a time.
        for (const WindowValues& w : {WindowValues(c.values, c.t_min, c.t_max),
                                      WindowValues(c.values, c.t_min, c.t_max, WindowValues::Baseline())}) {
            EXPECT_EQ(w.size(), inside.size());
            EXPECT_EQ(w.above(), above);
            EXPECT_EQ(w.below(), c.values.size() - inside.size() - above);
            EXPECT_EQ(w.lowest(), lowest);
            EXPECT_EQ(w.highest(), highest);
            EXPECT_EQ(std::signbit(w.lowest()), std::signbit(lowest));
            EXPECT_EQ(std::signbit(w.highest()), std::signbit(highest));
            EXPECT_EQ(w.copied(), inside);
            std::vector<double> ranked;
            for (std::size_t first = 0; first < inside.size(); first += 97) {
                const std::size_t count = std::min<std::size_t>(20, inside.size() - first);
                w.ranked(first, count, ranked);
                EXPECT_EQ(ranked, std::vector<double>(inside.begin() + static_cast<std::ptrdiff_t>(first),
                                                      inside.begin() + static_cast<std::ptrdiff_t>(first + count)));
            }
        }
    }
}
