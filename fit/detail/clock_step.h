#pragma once
// The clock step of durations: the step of the grid they sit on when a clock
// measured them (for example every value a whole number of 0.1 units).
//
// Each block of 16 durations gives its own common step; the steps most blocks
// give are tried, coarsest first, on every duration: the step is one that all
// of them share but one, or 1 % of them (a duration far above the others, a
// few off the grid do not change it). A value lies on a grid when it is a
// whole number of steps from the grid's origin to within 1e-12 of the larger
// of the two in size (values read from decimal text sit on their grid to
// about 1e-16 of their size).
#include "fit/detail/window_values.h"

#include <cstdint>
#include <span>
#include <vector>

namespace fit::detail {

// The common step of the values: 0 when they share none, or one too fine to
// matter (below 1e-7 of their spread). `origin` gets the lowest value on the grid.
double clock_step(std::span<const double> values, double& origin);

// The values counted by grid position while their step is checked:
// count[k] values at position base + k of the grid from the origin of the
// vote that gave the step; `done` when they were (the window's positions are
// few enough for an array of them).
struct GridCounts {
    std::vector<std::uint32_t> count;
    double base = 0;
    bool done = false;
};

// The same for the values inside a window; `counting` (when given) gets them
// counted on the grid of the step found, from `vote_origin`.
double window_step(const WindowValues& values, double& origin, GridCounts* counting, double& vote_origin);

}  // namespace fit::detail
