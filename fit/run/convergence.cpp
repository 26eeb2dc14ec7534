#include "fit/run/convergence.h"

#include <algorithm>

bool Convergence::add(const QString& file, std::span<const double> durations, const fit::Result& result,
                      double histogram_tau) {
    // The same run grown: the same file, and the records seen last time still
    // its first ones.
    const bool grown = !points_.empty() && file == file_ && durations.size() >= seen_.size() &&
                       std::equal(seen_.begin(), seen_.end(), durations.begin());
    if (!grown) restart();
    file_ = file;
    const ConvergencePoint point{static_cast<double>(durations.size()), result.events, result.tau,
                                 fit::interval_error(result), histogram_tau};
    if (grown && durations.size() == seen_.size()) {
        points_.back() = point;
    } else {
        points_.push_back(point);
    }
    seen_.assign(durations.begin(), durations.end());
    return !grown;
}

void Convergence::restart() {
    points_.clear();
    seen_.clear();
    file_.clear();
}
