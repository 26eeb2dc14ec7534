#pragma once
// The durations a fit works on: those inside the window [t_min, t_max], equal
// values grouped with their count, and the edges of the model.
//
// Durations measured on a clock all sit on a grid of one step D (for example
// every value a whole number of 0.1 units); the few that do not count at the
// nearest grid value inside the window. A value then stands for the whole
// clock cell around it, so the model spans whole cells: from half a step below
// the first grid value at or above t_min to half a step above the last one at
// or below t_max. A duration is never negative, so when t_min >= 0 the lowest
// cell does not reach below 0 (a value of 0 stands for [0, D/2] only).
#include <cstdint>
#include <span>
#include <vector>

namespace fit::detail {

struct Sample {
    std::vector<double> s;       // distinct durations less the model's lower edge, rising
    std::vector<double> weight;  // how many durations have that value
    // Grid positions of the values (with a grid): the exponentials of the
    // likelihood then come from one another by multiplication.
    std::vector<std::int64_t> position;
    double events = 0;
    double sum_s = 0;
    double lower = 0;   // the model's lower edge a; s = t - a
    double width = 0;   // the model's width W
    double step = 0;    // the clock step D, 0 when the durations are not on a grid
    double origin = 0;  // a value on the grid

    double mean_s() const { return sum_s / events; }
    double largest_s() const { return s.empty() ? 0 : s.back(); }
    std::size_t distinct() const { return s.size(); }
};

// The common step of the durations: the coarsest step that all of them share
// but one, or 1 % of them (a duration far above the others, a few off the
// grid do not change it); 0 when they share none, or one too fine to matter
// (below 1e-7 of their spread). `origin` gets the lowest duration on the grid.
double clock_step(std::span<const double> values, double& origin);

Sample sample_window(std::span<const double> durations, double t_min, double t_max);

}  // namespace fit::detail
