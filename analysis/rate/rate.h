#pragma once
// The run's rate: how fast records arrive, the gaps in which none came, the
// live time, the rate in bins of wall-clock time and whether it stayed
// constant; and whether a followed run has stopped. Plain numbers (no Qt):
// the texts are made from them in analysis/rate/text.
//
// The input is one time line: the records' times in seconds, in the order of
// the file, with their midnight roll-overs already counted (the record pass's
// elapsed minutes times 60), and the time of day of the line's zero, so that
// a moment can be said as a day and a time of day.
//
// With n intervals between consecutive records and the mean rate r (events per
// second of live time), an interval longer than ln(1000 n) / r is a gap: at a
// constant rate, the chance that any of the n intervals is that long is below
// one in a thousand. The rate is taken over the whole span first, then once
// more without the gaps found, and the gaps are found again at that rate.
// Live time = span - sum of the gaps; r = live intervals / live time.
#include <cstdint>
#include <span>
#include <vector>

namespace rate {

// One in a thousand: the chance, over the whole run, of a gap at a constant rate.
constexpr double kGapProbability = 1e-3;
// A chosen bin width expects about this many events.
constexpr double kEventsPerBin = 25;
// The widths a bin width is chosen among, in seconds: 1, 2, 5, 10, 15, 30 min,
// 1, 2, 3, 6, 12, 24 h.
constexpr double kBinWidths[] = {60, 120, 300, 600, 900, 1800, 3600, 7200, 10800, 21600, 43200, 86400};
// At most this many bins: a narrower width is widened.
constexpr std::int64_t kMaxBins = 10000;
// A bin enters the constancy test when at least this fraction of it is live:
// in a bin cut short by a gap or by the run's end, the record that opens or
// closes the live part weighs as much as the few events expected there.
constexpr double kLiveFractionForTest = 0.5;
// The rate is "not constant" below this p-value; it drifts when the slope is
// at least this many standard deviations from zero.
constexpr double kNotConstantP = 0.01;
constexpr double kDriftSigmas = 3;

// The count records of a file of two integers: in each second (on the time
// line, whole seconds), the muons that crossed the detector without a decay.
// A run with count records knows its live time: the seconds present in the
// file, those of a count record or of a record; not the span less the gaps.
struct CountRecords {
    std::span<const double> seconds;
    std::span<const std::int64_t> muons;  // the muons of each of `seconds`
};

struct RateChoices {
    // The bin width typed by the user, in seconds; 0 (or anything that is not
    // a finite number above 0): chosen from the rate.
    double bin_width_s = 0;
    // False: the time line, the rate, the gaps and the live time alone (what
    // a forecast takes); the bins and the constancy test are left unmade.
    bool bins = true;
};

// A moment of the run on the clock, to the nearest second: days after the day
// of the time line's zero (0 the same day, negative before), and the time of day.
struct ClockTime {
    std::int64_t day = 0;
    std::int64_t time_of_day_s = 0;  // 0 .. 86399
    bool operator==(const ClockTime&) const = default;
};

struct Gap {
    double start_s = 0;  // the record before the gap, on the time line
    double end_s = 0;    // the record after it
    double length_s = 0;
    ClockTime start;
    ClockTime end;
    bool operator==(const Gap&) const = default;
};

struct RateBin {
    double start_s = 0;  // on the time line; the last bin ends at the last record
    double end_s = 0;
    std::int64_t count = 0;          // records in [start, end), the last record in the last bin
    double live_s = 0;               // end - start minus the gaps inside
    double rate_per_hour = 0;        // count / live time; 0 without live time
    double rate_error_per_hour = 0;  // sqrt(count) / live time
    bool in_test = false;            // live for at least kLiveFractionForTest of the width
    ClockTime start_clock;
    bool operator==(const RateBin&) const = default;
};

// The muons through the detector in a bin of the count records.
struct MuonBin {
    double start_s = 0;  // on the time line
    double end_s = 0;
    std::int64_t muons = 0;            // of the count records in [start, end)
    std::int64_t seconds_present = 0;  // seconds of [start, end) present in the file
    double per_minute = 0;             // muons / seconds present; 0 without any
    double error_per_minute = 0;       // sqrt(muons) / seconds present
    bool operator==(const MuonBin&) const = default;
};

enum class Verdict {
    too_few_records,  // fewer than 3 records, no live time, or fewer than 2 bins to compare
    stable,
    not_constant,  // p-value below kNotConstantP and no significant drift
    drifting_up,
    drifting_down,
};

struct RateAnalysis {
    // The time line. Times that are not finite numbers are left out; when the
    // time goes back from one record to the next, the records are taken in
    // the order of their times.
    std::int64_t records = 0;
    std::int64_t intervals = 0;           // records - 1 (0 without records)
    std::int64_t backward_intervals = 0;  // the time went back from one record to the next (file order)
    std::int64_t zero_intervals = 0;      // two consecutive records in the same second
    double first_s = 0;                   // first and last record on the time line
    double last_s = 0;
    double span_s = 0;
    ClockTime first_clock;
    ClockTime last_clock;
    bool crosses_midnight = false;  // some record is not on the day of the time line's zero
    double origin_time_of_day_s = 0;  // of the time line's zero (normalised), for clock_time

    // The rate. Unknown (and 0) with fewer than 3 records or no live time (all
    // records in the same second).
    bool rate_known = false;
    double rate_per_hour = 0;
    double rate_error_per_hour = 0;  // sqrt(live intervals) / live time

    // Gaps: longer than the threshold (0 while the rate is unknown). Any gap
    // may have lasted whole days more: the times of day carry no date.
    double gap_threshold_s = 0;
    std::vector<Gap> gaps;
    double gaps_s = 0;
    double live_s = 0;  // span - gaps; with count records, the seconds present

    // The count records, when the run has some: the live time is then known
    // (even while the rate is not) and the rate is the records over it.
    bool counts_known = false;
    std::int64_t seconds_present = 0;  // whole seconds of a count record or of a record
    std::int64_t muons = 0;
    double muons_per_minute = 0;  // muons over the seconds present
    double muons_per_minute_error = 0;
    double muon_bin_width_s = 0;  // the rate's bin width, 60 s without one, widened past kMaxBins
    std::vector<MuonBin> muon_bins;

    // Bins of wall-clock time from the first record.
    double bin_width_s = 0;
    bool bin_width_typed = false;
    bool bin_width_widened = false;  // the width (typed or chosen) made more than kMaxBins bins
    std::vector<RateBin> bins;

    // Constancy over the bins in the test: Pearson chi2 of the counts against
    // a constant rate times each bin's live time (the rate that fits them
    // best: their counts over their live time), ndf = bins - 1; the weighted
    // straight line through the bins' rates against the time of their middle.
    std::int64_t bins_in_test = 0;
    bool constancy_known = false;
    double chi2 = 0;
    std::int64_t ndf = 0;
    double p_value = 0;
    bool drift_known = false;
    double drift_per_hour_per_hour = 0;  // change of the rate (events / h) in an hour
    double drift_error_per_hour_per_hour = 0;
    Verdict verdict = Verdict::too_few_records;
    bool operator==(const RateAnalysis&) const = default;
};

// A time line read where it lies: time i is values[i] x scale seconds. The
// record pass's elapsed minutes in the store, read with a scale of 60, give
// the times a copy of them in seconds would hold (the same product), without
// the copy.
struct TimeLine {
    std::span<const double> values;
    double scale = 1;
    std::size_t size() const { return values.size(); }
    bool empty() const { return values.empty(); }
    double operator[](std::size_t i) const { return values[i] * scale; }
};

// The analysis of a time line. `origin_time_of_day_s`: the time of day of the
// line's zero in seconds after midnight (taken modulo a day; 0 if it is not a
// finite number). `counts`: the run's count records, if it has some. Never
// raises, never gives a NaN or an infinity.
RateAnalysis analyse_rate(TimeLine seconds, double origin_time_of_day_s, const RateChoices& choices = {},
                          const CountRecords& counts = {});
inline RateAnalysis analyse_rate(std::span<const double> seconds, double origin_time_of_day_s,
                                 const RateChoices& choices = {}, const CountRecords& counts = {}) {
    return analyse_rate(TimeLine{seconds}, origin_time_of_day_s, choices, counts);
}
// How many analyses this process has made (read by tests: a program that
// shows the rate and a forecast of one load makes one analysis of it).
std::uint64_t analyses_made();

// Whether the live time is known: the rate is, or the run has count records.
inline bool live_time_known(const RateAnalysis& a) { return a.rate_known || a.counts_known; }

// The bin width chosen for a rate: the width of kBinWidths nearest (by ratio)
// to the one that expects kEventsPerBin events.
double chosen_bin_width_s(double rate_per_hour);

// The moment `seconds` after the time line's zero.
ClockTime clock_time(double seconds, double origin_time_of_day_s);

// While following: the run is said stopped when no record came for longer
// than a gap at the run's rate (ln(1000) / r, one interval that unlikely) and
// than two refresh periods. Never while the rate is unknown. The threshold is
// the longer of the two waits (0 while the rate is unknown).
double stop_threshold_s(const RateAnalysis& analysis, double refresh_period_s);
bool run_stopped(const RateAnalysis& analysis, double age_s, double refresh_period_s);

// The age of the last record while following: the time since the file last
// brought records, on a clock the caller reads (a monotonic clock in the
// window, a fake one in tests), in seconds. What it watches is a mark that
// changes when records come: the number of data lines read, or the file's
// size; not the record count, which stops at the store's capacity.
class LastRecordWatch {
public:
    // After each load: the mark and the clock's time. The first mark seen is
    // where the watch starts, not a change: a file opened after its run ended
    // never changes while watched, and is never said stopped.
    void saw(std::int64_t mark, double now_s);
    // Seconds since the mark last changed; 0 before the first change.
    double age_s(double now_s) const;

private:
    std::int64_t mark_ = 0;
    bool seen_ = false;
    bool changed_ = false;
    double since_s_ = 0;
};

// The alarm's sound is played again after this many seconds while the alarm
// stands and nobody acknowledged it: often enough to be heard on coming back
// into the room, rarely enough to be borne.
constexpr double kAlarmRepeatS = 60;

// The alarm of a followed run that stopped, on the caller's clock: raised
// when the run is said stopped, standing (and shown) until the run resumes or
// is no longer followed, when it is withdrawn. Its sound is due at the raise
// and again every kAlarmRepeatS until someone acknowledges the alarm, which
// then still stands (the run is still stopped) but is silent. A new stop is a
// new alarm.
class StopAlarm {
public:
    enum class Change { none, raised, withdrawn };
    // At each tick, or after a load: whether the run is said stopped now.
    Change update(bool stopped);
    void acknowledge() { acknowledged_ = standing_; }
    bool standing() const { return standing_; }
    bool acknowledged() const { return acknowledged_; }
    // Whether the alarm's sound is to be played now, `now_s` on the caller's
    // clock; a sound due is taken as played.
    bool sound_due(double now_s);

private:
    bool standing_ = false;
    bool acknowledged_ = false;
    bool sounded_ = false;
    double last_sound_s_ = 0;
};

}  // namespace rate
