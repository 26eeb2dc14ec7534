// The run's rate on crafted time lines whose answers are worked out by hand:
// gaps, live time, rate, bins, constancy, the stopped-run rule and the texts.
#include "analysis/rate/rate.h"
#include "analysis/rate/text/rate_text.h"
#include "platform/numbers.h"
#include "support/process_locale.h"
#include "support/qstring_print.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

namespace {

constexpr double k10h = 36000;  // 10:00:00
constexpr double k23h = 82800;  // 23:00:00

// Records every `step` seconds from `from` to `to`, both included.
std::vector<double> every(double step, double from, double to) {
    std::vector<double> t;
    for (int i = 0; from + i * step <= to; ++i) t.push_back(from + i * step);
    return t;
}

std::vector<double> joined(std::vector<double> a, const std::vector<double>& b, bool sort = false) {
    a.insert(a.end(), b.begin(), b.end());
    if (sort) std::sort(a.begin(), a.end());
    return a;
}

// 0, 1, ..., 1000 then 1600, ..., 2600: a planted gap of 600 s.
std::vector<double> planted_gap() { return joined(every(1, 0, 1000), every(1, 1600, 2600)); }

// One day and a bit from 23:00, every minute, with an hour missing across the second midnight.
std::vector<double> two_midnights() { return joined(every(60, 0, 88200), every(60, 91800, 93600)); }

bool all_finite(const rate::RateAnalysis& a) {
    std::vector<double> v{a.first_s,
                          a.last_s,
                          a.span_s,
                          a.rate_per_hour,
                          a.rate_error_per_hour,
                          a.gap_threshold_s,
                          a.gaps_s,
                          a.live_s,
                          a.bin_width_s,
                          a.chi2,
                          a.p_value,
                          a.drift_per_hour_per_hour,
                          a.drift_error_per_hour_per_hour};
    for (const rate::Gap& g : a.gaps) v.insert(v.end(), {g.start_s, g.end_s, g.length_s});
    for (const rate::RateBin& b : a.bins) {
        v.insert(v.end(), {b.start_s, b.end_s, b.live_s, b.rate_per_hour, b.rate_error_per_hour});
    }
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

// Lines as one text, printed readably when a comparison fails.
std::string lines_of(const QStringList& lines) { return lines.join(QLatin1Char('\n')).toStdString(); }

struct BinCheck {
    std::size_t index;
    std::int64_t count;
    double live_s;
};

struct TimeLine {
    struct {
        const char* name;
        std::vector<double> times;
        double origin;
        double typed_width;
    } in;
    struct {
        struct {
            std::int64_t records, backward, zero;
        } counts;
        struct {
            double per_hour, error, live_s, threshold_s;  // per_hour 0: unknown
        } rate;
        std::vector<std::pair<double, double>> gaps;
        struct {
            double width_s;
            std::size_t count;
            std::int64_t in_test;
        } bins;
        rate::Verdict verdict;
    } out;
    std::vector<BinCheck> bin_checks;
};

TEST(RateAnalysis, CraftedTimeLines) {
    using V = rate::Verdict;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double log_3600 = std::log(3.6e6);
    const TimeLine cases[] = {
        // One record a second for an hour: 3600 intervals, r = 1 /s; the gap
        // threshold is ln(3.6e6) s; 25 events a bin ask for 25 s, so 1 min.
        {{"regular", every(1, 0, 3600), k10h, 0},
         {{3601, 0, 0}, {3600, 60, 3600, log_3600}, {}, {60, 60, 60}, V::stable},
         {{0, 60, 60}, {59, 61, 60}}},
        // 2001 intervals over 2600 s find the 600 s gap; without it r = 2000 / 2000 s.
        // Bin 16 [960, 1020) is live until 1000, bins 17-25 are in the gap, bin 26
        // from 1600 and the last bin [2580, 2600] are less than half live.
        {{"planted gap", planted_gap(), k10h, 0},
         {{2002, 0, 0},
          {3600, std::sqrt(2000.0) / 2000 * 3600, 2000, std::log(2.001e6)},
          {{1000, 1600}},
          {60, 44, 33},
          V::stable},
         {{16, 41, 40}, {20, 0, 0}, {26, 20, 20}, {43, 21, 20}}},
        // 200 events within a minute in the middle of a run at one per 10 s:
        // r = 1200 / 10000 s = 432 /h, bins of 5 min (25 events ask for 208 s).
        {{"burst", joined(every(10, 0, 10000), every(0.25, 5000.1, 5049.9), true), k10h, 0},
         {{1201, 0, 0},
          {432, std::sqrt(1200.0) / 10000 * 3600, 10000, std::log(1.2e6) / 0.12},
          {},
          {300, 34, 33},
          V::not_constant},
         {{16, 230, 300}}},
        // From 23:00 to 01:00 two days later, one a minute, the hour from 23:30 to
        // 00:30 missing: 60 /h over 25 h live, bins of 30 min, two of them in the gap.
        {{"two midnights", two_midnights(), k23h, 0},
         {{1502, 0, 0},
          {60, std::sqrt(1500.0) / 90000 * 3600, 90000, std::log(1.501e6) * 60},
          {{88200, 91800}},
          {1800, 52, 50},
          V::stable},
         {{48, 30, 1800}, {49, 1, 0}, {51, 31, 1800}}},
        // The gap longer than a day: the times of day alone could not show it.
        {{"gap over a day", joined(every(10, 0, 2000), every(10, 102000, 104000)), k10h, 0},
         {{402, 0, 0},
          {360, std::sqrt(400.0) / 4000 * 3600, 4000, std::log(401e3) * 10},
          {{2000, 102000}},
          {300, 347, 14},
          V::stable},
         {}},
        // A typed width; one so narrow that it would make 36000 bins is widened to 1 min.
        {{"typed width", every(1, 0, 3600), k10h, 600},
         {{3601, 0, 0}, {3600, 60, 3600, log_3600}, {}, {600, 6, 6}, V::stable},
         {{5, 601, 600}}},
        {{"typed width widened", every(1, 0, 3600), k10h, 0.1},
         {{3601, 0, 0}, {3600, 60, 3600, log_3600}, {}, {60, 60, 60}, V::stable},
         {}},
        // Origin 10:00, lines at 9:00, 11:00, 9:00: the record pass puts them at
        // 23 h, 25 h, 23 h; taken in time order, 2 intervals over 2 h. One bin of a
        // day (25 events at 1 /h), too little of it live to compare bins.
        {{"time going back", {82800, 90000, 82800}, k10h, 0},
         {{3, 1, 0}, {1, std::sqrt(2.0) / 2, 7200, std::log(2000.0) * 3600}, {}, {86400, 1, 0}, V::too_few_records},
         {{0, 3, 7200}}},
        {{"not a number left out", joined(every(1, 0, 5), joined({nan}, every(1, 6, 10))), k10h, 0},
         {{11, 0, 0}, {3600, std::sqrt(10.0) / 10 * 3600, 10, std::log(1e4)}, {}, {60, 1, 0}, V::too_few_records},
         {{0, 11, 10}}},
        {{"no record", {}, k10h, 0}, {{0, 0, 0}, {}, {}, {}, V::too_few_records}, {}},
        {{"one record", {5}, k10h, 0}, {{1, 0, 0}, {}, {}, {}, V::too_few_records}, {}},
        {{"two records", {0, 10}, k10h, 0}, {{2, 0, 0}, {0, 0, 10, 0}, {}, {}, V::too_few_records}, {}},
        {{"same second", {7, 7, 7, 7, 7}, k10h, 0}, {{5, 0, 4}, {}, {}, {}, V::too_few_records}, {}},
    };
    for (const TimeLine& c : cases) {
        SCOPED_TRACE(c.in.name);
        const rate::RateAnalysis a = rate::analyse_rate(c.in.times, c.in.origin, {c.in.typed_width});
        EXPECT_TRUE(all_finite(a));
        EXPECT_EQ(a.records, c.out.counts.records);
        EXPECT_EQ(a.backward_intervals, c.out.counts.backward);
        EXPECT_EQ(a.zero_intervals, c.out.counts.zero);
        EXPECT_EQ(a.rate_known, c.out.rate.per_hour > 0);
        EXPECT_NEAR(a.rate_per_hour, c.out.rate.per_hour, 1e-9 * c.out.rate.per_hour);
        EXPECT_NEAR(a.rate_error_per_hour, c.out.rate.error, 1e-9 * c.out.rate.per_hour);
        ASSERT_EQ(a.gaps.size(), c.out.gaps.size());
        for (std::size_t i = 0; i < a.gaps.size(); ++i) {
            EXPECT_EQ(a.gaps[i].start_s, c.out.gaps[i].first);
            EXPECT_EQ(a.gaps[i].end_s, c.out.gaps[i].second);
            EXPECT_EQ(a.gaps[i].length_s, c.out.gaps[i].second - c.out.gaps[i].first);
        }
        EXPECT_NEAR(a.live_s, c.out.rate.live_s, 1e-9);
        EXPECT_NEAR(a.gap_threshold_s, c.out.rate.threshold_s, 1e-9 * c.out.rate.threshold_s);
        EXPECT_EQ(a.bin_width_s, c.out.bins.width_s);
        EXPECT_EQ(a.bin_width_typed, c.in.typed_width > 0);
        EXPECT_EQ(a.bin_width_widened, c.in.typed_width > 0 && c.in.typed_width != c.out.bins.width_s);
        ASSERT_EQ(a.bins.size(), c.out.bins.count);
        EXPECT_EQ(a.bins_in_test, c.out.bins.in_test);
        EXPECT_EQ(a.verdict, c.out.verdict);
        std::int64_t counted = 0;
        for (const rate::RateBin& b : a.bins) counted += b.count;
        if (!a.bins.empty()) {
            EXPECT_EQ(counted, a.records);
        }
        for (const BinCheck& b : c.bin_checks) {
            ASSERT_LT(b.index, a.bins.size());
            EXPECT_EQ(a.bins[b.index].count, b.count) << "bin " << b.index;
            EXPECT_NEAR(a.bins[b.index].live_s, b.live_s, 1e-9) << "bin " << b.index;
            const double r = b.live_s > 0 ? static_cast<double>(b.count) / b.live_s * 3600 : 0;
            EXPECT_NEAR(a.bins[b.index].rate_per_hour, r, 1e-9 * r) << "bin " << b.index;
        }
    }
}

// Three bins of 100 s typed, the middle one with a 30 s gap: the chi2, its
// p-value (for 2 degrees of freedom exp(-chi2 / 2)) and the weighted straight
// line worked out here the textbook way, each rate weighted by live / r.
TEST(RateAnalysis, ConstancyAndDriftAgainstADirectComputation) {
    const std::vector<double> t = joined(joined(every(1, 0, 139), every(1, 169, 199)), every(2, 200, 300));
    const rate::RateAnalysis a = rate::analyse_rate(t, k10h, {100});
    ASSERT_EQ(a.gaps.size(), 1u);
    EXPECT_EQ(a.gaps[0].start_s, 139);
    const double counts[] = {100, 71, 51};
    const double lives[] = {100, 70, 100};
    const double r = (100 + 71 + 51) / 270.0;
    double chi2 = 0;
    double s = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(a.bins[i].count, counts[i]);
        ASSERT_EQ(a.bins[i].live_s, lives[i]);
        chi2 += std::pow(counts[i] - r * lives[i], 2) / (r * lives[i]);
        const double x = (50.0 + 100 * i) / 3600;  // hours
        const double y = counts[i] / lives[i] * 3600;
        const double w = 1 / (r / lives[i] * 3600 * 3600);
        s += w;
        sx += w * x;
        sy += w * y;
        sxx += w * x * x;
        sxy += w * x * y;
    }
    EXPECT_NEAR(a.chi2, chi2, 1e-9 * chi2);
    EXPECT_EQ(a.ndf, 2);
    EXPECT_NEAR(a.p_value, std::exp(-chi2 / 2), 1e-12);
    const double delta = s * sxx - sx * sx;
    EXPECT_NEAR(a.drift_per_hour_per_hour, (s * sxy - sx * sy) / delta, 1e-6 * std::fabs((s * sxy - sx * sy) / delta));
    EXPECT_NEAR(a.drift_error_per_hour_per_hour, std::sqrt(s / delta), 1e-6 * std::sqrt(s / delta));
    EXPECT_EQ(a.verdict, rate::Verdict::drifting_down);
    // Without its bins (what a forecast takes): the same rate, gaps and live time.
    const rate::RateAnalysis c = rate::analyse_rate(t, k10h, {.bin_width_s = 100, .bins = false});
    EXPECT_EQ(std::tuple(c.rate_per_hour, c.live_s, c.gaps.size()), std::tuple(a.rate_per_hour, a.live_s, 1u));
    EXPECT_TRUE(c.bins.empty() && !c.constancy_known);

    // Two bins of 10 and 30 events in a minute each: chi2 = 10 on 1 degree of
    // freedom, p = erfc(sqrt(5)); the slope is (1800 - 600) /h over one minute.
    const rate::RateAnalysis b = rate::analyse_rate(joined(every(6, 0, 54), every(2, 62, 120)), k10h, {60});
    ASSERT_EQ(b.bins.size(), 2u);
    EXPECT_NEAR(b.chi2, 10, 1e-9);
    EXPECT_NEAR(b.p_value, std::erfc(std::sqrt(5.0)), 1e-12);
    EXPECT_NEAR(b.drift_per_hour_per_hour, 1200 * 60, 1e-6);
    const double sigma = std::sqrt(40.0 / 120 / 60) * 3600;  // each bin's rate at the constant rate
    EXPECT_NEAR(b.drift_error_per_hour_per_hour, std::sqrt(2.0) * sigma * 60, 1e-6);
    EXPECT_EQ(b.verdict, rate::Verdict::drifting_up);  // 3.16 sigma
}

TEST(RateAnalysis, ChosenBinWidthIsTheNearestStepByRatio) {
    const std::pair<double, double> cases[] = {
        {1e6, 60},  {3600, 60}, {225, 300},  // 400 s: nearer 300 than 600 by ratio
        {60, 1800}, {1, 86400}, {1e-3, 86400}, {0, 86400},
    };
    for (const auto& [rate_per_hour, width] : cases) {
        EXPECT_EQ(rate::chosen_bin_width_s(rate_per_hour), width) << rate_per_hour;
    }
}

// A run at one record a second: ln(1000) = 6.9 s without a record is a stop,
// unless two refresh periods have not passed. A fake clock ticks every refresh
// period; the file grows until 20 s and brings a record again at 40 s.
TEST(RateAnalysis, StoppedRunWithAFakeClock) {
    const rate::RateAnalysis a = rate::analyse_rate(every(1, 0, 3600), k10h);
    struct Case {
        double age;
        double refresh;
        bool stopped;
    };
    for (const Case& c : {Case{6.9, 1, false}, Case{7, 1, true}, Case{9, 5, false}, Case{10.5, 5, true}}) {
        EXPECT_EQ(rate::run_stopped(a, c.age, c.refresh), c.stopped) << c.age << " s, refresh " << c.refresh;
    }
    EXPECT_FALSE(rate::run_stopped(rate::analyse_rate(std::vector<double>{0, 10}, k10h), 1e9, 1));

    rate::LastRecordWatch watch;
    std::vector<double> stopped_at;
    bool was_stopped = false;
    for (double now = 100; now <= 150; now += 2) {
        const double elapsed = now - 100;
        const std::int64_t lines = elapsed <= 20 ? static_cast<std::int64_t>(elapsed) : elapsed < 40 ? 20 : 21;
        watch.saw(lines, now);
        const bool stopped = rate::run_stopped(a, watch.age_s(now), 2);
        if (stopped != was_stopped) stopped_at.push_back(elapsed);
        was_stopped = stopped;
    }
    // Last change seen at the tick of 20 s: stopped from 28 s (8 s > 6.9 s and
    // > 4 s), cleared at 40 s by the new record, stopped again from 48 s.
    EXPECT_EQ(stopped_at, (std::vector<double>{28, 40, 48}));
}

// Every line of two runs, with both decimal marks, under a French process
// locale (which must not change the mark).
TEST(RateText, SummaryLinesWithBothDecimalMarks) {
    const ProcessLocale french("fr_FR.UTF-8");
    struct Case {
        std::vector<double> times;
        double origin;
        char separator;
        QStringList lines;
    };
    const Case cases[] = {
        {planted_gap(),
         k10h,
         ',',
         {"taux moyen : 3600 ± 80 /h", "durée : 43 min 20 s ; temps actif : 33 min 20 s (76,9 %)",
          "1 trou de plus de 15 s", "trou : 10:16:40 → 10:26:40 (10 min)",
          "tranches de 1 min (environ 25 événements chacune), 44 tranches", "taux stable (chi2 / ddl = 0 / 32, p = 1)",
          "dérive : 0 ± 350 /h par heure",
          "les heures ne portent pas de date : un trou a pu durer des jours entiers de plus"}},
        {two_midnights(),
         k23h,
         '.',
         {"taux moyen : 60.0 ± 1.5 /h", "durée : 1 j 2 h ; temps actif : 1 j 1 h (96.2 %)",
          "1 trou de plus de 14 min 13 s", "trou : jour +1 23:30:00 → jour +2 00:30:00 (1 h)",
          "tranches de 30 min (environ 25 événements chacune), 52 tranches", "taux stable (chi2 / ddl = 0 / 49, p = 1)",
          "dérive : +0.01 ± 0.21 /h par heure",
          "les heures ne portent pas de date : un trou a pu durer des jours entiers de plus"}},
        {{82800, 86400, 84000},
         k10h,
         ',',
         {"taux moyen : 2,0 ± 1,4 /h", "durée : 1 h ; temps actif : 1 h (100 %)", "aucun trou de plus de 3 h 48 min",
          "tranches de 12 h (environ 25 événements chacune), 1 tranche",
          "trop peu de tranches pour juger la constance du taux",
          "l'heure recule 1 fois d'une ligne à la suivante (de 1 h au plus) : les événements sont pris dans "
          "l'ordre de leurs heures"}},
        {{7, 7, 7},
         k10h,
         ',',
         {"taux moyen : —", "durée : 0 s", "tous les événements dans la même seconde : pas de taux"}},
        {{}, k10h, ',', {"taux moyen : —", "durée : 0 s", "aucun événement"}},
    };
    for (const Case& c : cases) {
        platform::set_decimal_separator(QLatin1Char(c.separator));
        const rate::RateAnalysis a = rate::analyse_rate(c.times, c.origin);
        EXPECT_EQ(lines_of(rate_text::summary_lines(a)), lines_of(c.lines));
    }
    platform::set_decimal_separator(QLatin1Char('.'));
}

TEST(RateText, DurationsAndTheBinTable) {
    platform::set_decimal_separator(QLatin1Char(','));
    const std::pair<double, const char*> durations[] = {
        {0, "0 s"},           {1.84, "1,8 s"},      {42.4, "42 s"}, {59.6, "1 min"},
        {2282, "38 min 2 s"}, {5220, "1 h 27 min"}, {86399, "1 j"}, {100000, "1 j 4 h"},
    };
    for (const auto& [seconds, text] : durations) EXPECT_EQ(rate_text::duration_text(seconds), QString::fromUtf8(text));
    EXPECT_EQ(rate_text::stopped_line(rate::analyse_rate(two_midnights(), k23h), 5220).toStdString(),
              "acquisition arrêtée ? aucun événement depuis 1 h 27 min (le dernier à jour +2 01:00:00)");
    // The file's last record past those analysed (a file of more than the store).
    EXPECT_EQ(rate_text::stopped_line(rate::analyse_rate(std::vector<double>{0, 60, 120}, k10h), 90, 3 * 86400 + 7200).toStdString(),
              "acquisition arrêtée ? aucun événement depuis 1 min 30 s (le dernier à jour +3 12:00:00)");

    const rate::RateAnalysis a =
        rate::analyse_rate(joined(every(6, 0, 54), joined(every(2, 62, 120), {121})), k10h, {60});
    EXPECT_EQ(lines_of(rate_text::bin_table(a)),
              lines_of({
                  "début     événements  actif (s)  taux (/h)  erreur (/h)",
                  "10:00:00          10         60      600,0        189,7",
                  "10:01:00          29         60     1740,0        323,1",
                  "10:02:00           2          1     7200,0       5091,2  hors test",
              }));
    platform::set_decimal_separator(QLatin1Char('.'));
}

}  // namespace

// The count records of two integers a line: the live time is the whole seconds
// present in the file (of a count record or of a record, each once), the muons
// per minute are over them, in bins of the rate's width (a minute without one).
TEST(RateAnalysis, CountRecordsGiveTheLiveTimeAndTheMuons) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> every_second;  // 0 .. 119 but the records' seconds 30, 60 and 90
    for (int s = 0; s < 120; ++s) {
        if (s % 30 != 0 || s == 0) every_second.push_back(s);
    }
    struct Case {
        std::vector<double> records, count_seconds;
        std::vector<std::int64_t> muons;
        std::int64_t present, total;
        std::size_t bins;
        double last_bin_per_minute;
    };
    const Case cases[] = {
        {{0, 30, 60, 90}, every_second, std::vector<std::int64_t>(every_second.size(), 2), 120, 234, 1, 117},
        // Fewer than 3 records: no rate, the live time still known; a second twice is one second.
        {{0, 10}, {5, 5, 7}, {3, 1, 2}, 4, 6, 1, 90},
        // A second of a record alone, a count record far after the records.
        {{0, 1, 2}, {100}, {4}, 4, 4, 2, 240},
        // No records; a time that is not a number is left out, with its muons.
        {{}, {nan, 1}, {9, 1}, 1, 1, 1, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.present);
        const rate::RateAnalysis a = rate::analyse_rate(c.records, k10h, {}, {c.count_seconds, c.muons});
        EXPECT_TRUE(a.counts_known);
        EXPECT_TRUE(rate::live_time_known(a));
        EXPECT_EQ(a.seconds_present, c.present);
        EXPECT_EQ(a.live_s, static_cast<double>(c.present));
        EXPECT_EQ(a.muons, c.total);
        EXPECT_DOUBLE_EQ(a.muons_per_minute, static_cast<double>(c.total) / static_cast<double>(c.present) * 60);
        EXPECT_DOUBLE_EQ(a.muons_per_minute_error,
                         std::sqrt(static_cast<double>(c.total)) / static_cast<double>(c.present) * 60);
        ASSERT_EQ(a.muon_bins.size(), c.bins);
        EXPECT_DOUBLE_EQ(a.muon_bins.back().per_minute, c.last_bin_per_minute);
        if (a.rate_known) {
            EXPECT_DOUBLE_EQ(a.rate_per_hour, static_cast<double>(a.records) / a.live_s * 3600);
        }
        EXPECT_TRUE(all_finite(a));
    }
    // Without count records, the live time is the span less the gaps, as ever.
    const rate::RateAnalysis plain = rate::analyse_rate(planted_gap(), k10h);
    EXPECT_FALSE(plain.counts_known);
    EXPECT_EQ(plain.live_s, 2000);
    EXPECT_TRUE(rate_text::muons_line(plain).isEmpty());

    const rate::RateAnalysis a =
        rate::analyse_rate(std::vector<double>{0, 10}, k10h, {}, {cases[1].count_seconds, cases[1].muons});
    const QStringList lines = rate_text::summary_lines(a);
    EXPECT_TRUE(lines.contains(QStringLiteral("durée : 10 s ; temps actif : 4 s (secondes présentes dans le fichier)")))
        << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(rate_text::muons_line(a).endsWith(QStringLiteral(" /min (6 muons)")))
        << rate_text::muons_line(a).toStdString();
}

// The alarm of a stopped run: raised and withdrawn with the stop, its sound
// due at once and every kAlarmRepeatS until acknowledged; a new stop is a new
// alarm, not acknowledged.
TEST(StopAlarm, RaisedWithdrawnAndSoundedUntilAcknowledged) {
    using C = rate::StopAlarm::Change;
    rate::StopAlarm a;
    a.acknowledge();  // nothing stands: nothing to acknowledge
    EXPECT_EQ(a.update(false), C::none);
    EXPECT_FALSE(a.sound_due(0));
    EXPECT_EQ(a.update(true), C::raised);
    EXPECT_FALSE(a.acknowledged());
    EXPECT_EQ(a.update(true), C::none);
    const std::pair<double, bool> sons[] = {{100, true}, {130, false}, {159, false}, {160, true}, {161, false}};
    for (const auto& [t, du] : sons) EXPECT_EQ(a.sound_due(t), du) << t;
    a.acknowledge();
    EXPECT_TRUE(a.standing());
    EXPECT_FALSE(a.sound_due(500));
    EXPECT_EQ(a.update(false), C::withdrawn);
    EXPECT_EQ(a.update(true), C::raised);
    EXPECT_FALSE(a.acknowledged());
    EXPECT_TRUE(a.sound_due(501));
}
