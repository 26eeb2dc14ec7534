#pragma once
// The durations a fit works on: those inside the window [t_min, t_max], equal
// values grouped with their count, and the edges of the model.
//
// Durations measured on a clock all sit on a grid of one step D (for example
// every value a whole number of 0.1 units); the few that do not count at the
// nearest grid value inside the window. The fit then takes the probability of
// each grid value (truncated_exponential.h), which is exact whatever the
// counter does inside a step (truncate, round, a random clock phase) as long
// as no time below 0 could have given it: the grid values less than one step
// above 0 are left out, with the durations on them. A value stands for the
// clock cell around it, so the model spans whole cells: from half a step below
// the first grid value fitted to half a step above the last one at or below
// t_max.
#include "fit/detail/truncated_exponential.h"

#include <cstdint>
#include <span>
#include <vector>

namespace fit::detail {

struct Sample {
    std::vector<double> s;       // distinct durations less the model's lower edge, rising
    std::vector<double> weight;  // how many durations have that value
    // Grid positions of the values (with a grid; empty off it): the
    // exponentials of the likelihood then come from one another by multiplication.
    std::vector<std::int64_t> position;
    double events = 0;
    double sum_s = 0;
    double lower = 0;   // the model's lower edge a; s = t - a
    double width = 0;   // the model's width W
    double step = 0;    // the clock step D, 0 when the durations are not on a grid
    double origin = 0;  // a value on the grid
    // Grid values of the window less than one step above 0 were left out,
    // with the durations on them (those are not counted in `events`).
    bool start_left_out = false;

    double mean_s() const { return sum_s / events; }
    double largest_s() const { return s.empty() ? 0 : s.back(); }
    std::size_t distinct() const { return s.size(); }
    Decay decay() const { return {width, step}; }
};

// Off a grid, the values of a large sample in groups of `every` in a row,
// each group one value (their weighted mean) with their summed weight: a
// close likelihood at a fraction of the cost, for a start of the fit. The
// sample itself when it is on a grid or holds no more than that many groups.
Sample thinned(const Sample& sample, std::size_t every);

Sample sample_window(std::span<const double> durations, double t_min, double t_max);

// Two samples whose values stand for the same cells (or, off any grid, that
// have the same window): their values can be counted together. Each run finds
// its own step and edges, equal to rounding when the grids are the same.
bool same_cells(const Sample& a, const Sample& b);

// The samples of several runs' windows, those of runs on the same grid
// counted together by grid position (one sample for them, its values those
// of the first run's grid), those of the runs off any grid (the same edges)
// gathered and sorted together into one sample in the place of the first of
// them, the others as sample_window makes them.
std::vector<Sample> run_samples(std::span<const std::span<const double>> runs, double t_min, double t_max);

}  // namespace fit::detail
