#pragma once
// How the fitted lifetime settles as the run grows: one point per load, the
// fit of the whole run at that moment beside the histogram's mean Tau. A load
// adds its point without fitting the earlier ones again; a file that was
// rewritten, shortened or replaced by another starts the series again.
#include "fit/lifetime_fit.h"

#include <QString>
#include <span>
#include <vector>

struct ConvergencePoint {
    double records = 0;  // records of the run at this load
    double events = 0;   // in the fit's window
    double tau = fit::kNone;
    double tau_error = fit::kNone;
    double histogram_tau = fit::kNone;  // the mean Tau of the class table
};

class Convergence {
public:
    // The load of `file` gave `durations` and the fit `result`. Returns true
    // when the series started again with this point. A load with no new record
    // replaces the last point instead of adding one.
    bool add(const QString& file, std::span<const double> durations, const fit::Result& result,
             double histogram_tau);
    // Forgets every point (the fit's choices changed: the earlier points are
    // fits of another window or model).
    void restart();
    const std::vector<ConvergencePoint>& points() const { return points_; }

private:
    QString file_;
    std::vector<double> seen_;  // the durations at the last point
    std::vector<ConvergencePoint> points_;
};
