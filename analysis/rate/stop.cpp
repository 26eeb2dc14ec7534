// Whether a followed run has stopped.
#include "analysis/rate/rate.h"

#include <algorithm>
#include <cmath>

namespace rate {

namespace {

// The longest wait for one record at the run's rate, at the gap's odds.
double longest_wait_s(const RateAnalysis& a) { return std::log(1 / kGapProbability) / a.rate_per_hour * 3600; }

}  // namespace

double stop_threshold_s(const RateAnalysis& a, double refresh_period_s) {
    if (!a.rate_known) return 0;
    const double refreshes = std::isfinite(refresh_period_s) ? 2 * refresh_period_s : 0;
    return std::max(longest_wait_s(a), refreshes);
}

bool run_stopped(const RateAnalysis& a, double age_s, double refresh_period_s) {
    return a.rate_known && age_s > stop_threshold_s(a, refresh_period_s);
}

void LastRecordWatch::saw(std::int64_t mark, double now_s) {
    if (seen_ && mark == mark_) return;
    changed_ = seen_;
    seen_ = true;
    mark_ = mark;
    since_s_ = now_s;
}

double LastRecordWatch::age_s(double now_s) const {
    if (!changed_ || !std::isfinite(now_s - since_s_)) return 0;
    return std::max(0.0, now_s - since_s_);
}

StopAlarm::Change StopAlarm::update(bool stopped) {
    if (stopped == standing_) return Change::none;
    standing_ = stopped;
    acknowledged_ = false;
    sounded_ = false;
    return stopped ? Change::raised : Change::withdrawn;
}

bool StopAlarm::sound_due(double now_s) {
    if (!standing_ || acknowledged_) return false;
    if (sounded_ && !(now_s - last_sound_s_ >= kAlarmRepeatS)) return false;
    sounded_ = true;
    last_sound_s_ = now_s;
    return true;
}

}  // namespace rate
