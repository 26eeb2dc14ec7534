// What the fit window draws and exports of a fit: the classes with their
// counts per width dX, the normalised residuals, the background level, the
// CSV cells made from them; and the convergence series as the run grows.
#include "fit/run/convergence.h"
#include "fit/run/fit_csv.h"
#include "fit/run/histogram_view.h"
#include "fit/text/fit_text.h"
#include "platform/numbers.h"
#include "platform/translations.h"
#include "support/qstring_print.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// A converged fit of the window [5, 40] on classes of width 10, the first cut
// to half its width: observed 110, 90, 50, 30 against 100, 100, 50, 25.
fit::Request window_request() {
    fit::Request q;
    q.t_min = 5;
    q.t_max = 40;
    q.classes = {10, 4, 0, {}};
    return q;
}

fit::Result converged(fit::Method method) {
    fit::Result r;
    r.status = fit::Status::converged;
    r.method = method;
    r.events = 1000;
    r.tau = 20;
    r.background_fraction = 0.1;  // unbinned: 1000 × 0.1 events over the 35 units of the model
    r.background_per_class = 7;   // binned
    r.amplitude = 80;
    r.model_lower = 5;
    r.model_upper = 40;
    r.goodness.observed = {110, 90, 50, 30};
    r.goodness.expected = {100, 100, 50, 25};
    r.goodness.width = {5, 10, 10, 10};
    return r;
}

}  // namespace

TEST(HistogramView, ResidualsCountsPerDxAndTheBackgroundLevel) {
    const fit::Request q = window_request();
    struct Case {
        fit::Method method;
        double background;  // per class of width dX
    };
    for (const Case& c : {Case{fit::Method::unbinned, 1000 * 0.1 * 10 / 35.0}, Case{fit::Method::binned, 7}}) {
        const HistogramView v = histogram_view(q, converged(c.method));
        ASSERT_EQ(v.size(), 4u);
        EXPECT_EQ(v.lower, (std::vector<double>{5, 10, 20, 30}));
        EXPECT_EQ(v.upper, (std::vector<double>{10, 20, 30, 40}));
        EXPECT_EQ(v.count_per_dX, (std::vector<double>{220, 90, 50, 30}));  // the cut class, level with the others
        EXPECT_DOUBLE_EQ(v.error_per_dX[0], 2 * std::sqrt(110.0));
        EXPECT_EQ(v.residual, (std::vector<double>{1, -1, 0, 1}));  // (observed - expected) / √expected
        EXPECT_DOUBLE_EQ(v.background, c.background);
    }
}

TEST(HistogramView, TheCsvCellsAreTheViewsValues) {
    const fit::Request q = window_request();
    const fit::Result r = converged(fit::Method::unbinned);
    const HistogramView v = histogram_view(q, r);
    FitChoices choices;
    choices.t_min = 5;
    choices.t_max = 40;
    platform::set_decimal_separator(QLatin1Char('.'));
    QStringList lines = histogram_csv(v, r, choices);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("t min,5,t max,40,"))) << lines[0];
    EXPECT_EQ(lines[1], QString::fromUtf8("de,à,effectif,erreur,ajusté,résidu normalisé,fond"));
    // The background of a class: its level per width dX times the width it spans.
    const QString first = QStringLiteral("5,10,110,") + platform::general(std::sqrt(110.0)) +
                          QStringLiteral(",100,1,") + platform::general(v.background / 2);
    EXPECT_EQ(lines[2], first);
    EXPECT_EQ(lines[3], QStringLiteral("10,20,90,") + platform::general(std::sqrt(90.0)) + QStringLiteral(",100,-1,") +
                            platform::general(v.background));

    // With a decimal comma, the cells are ';' apart.
    platform::set_decimal_separator(QLatin1Char(','));
    lines = histogram_csv(v, r, choices);
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("30;40;30;"))) << lines[5];
    EXPECT_TRUE(lines[5].endsWith(QStringLiteral(";25;1;") + platform::general(v.background))) << lines[5];
    const QStringList convergence = convergence_csv({{2000, 1500, 219.5, 3.25, 221}}, r, choices);
    EXPECT_EQ(convergence.last(), QStringLiteral("2000;1500;219,5;3,25;221"));
    platform::set_decimal_separator(QLatin1Char('.'));

    // A file format: the same words whatever the language spoken.
    const QStringList french = histogram_csv(v, r, choices);
    ASSERT_EQ(platform::install_translations(QStringLiteral("de")), QStringLiteral("de"));
    EXPECT_NE(fit_text::text(choices.model), fit_text::source_text(choices.model));
    EXPECT_EQ(histogram_csv(v, r, choices), french);
    platform::install_translations();
}

// One point per load; a load with no new record redoes the last point; a
// shortened, rewritten or other file starts the series again.
TEST(ConvergenceSeries, GrowsWithTheRunAndStartsAgainForAnotherRun) {
    const std::vector<double> run = {100, 200, 300, 400, 500, 600};
    const std::vector<double> rewritten = {100, 250, 300, 400, 500, 600};
    struct Step {
        const char* file;
        const std::vector<double>* durations;
        std::size_t records;
        bool restarted;
        std::vector<double> series;  // the records of each point afterwards
    };
    const Step steps[] = {
        {"run", &run, 3, true, {3}},        {"run", &run, 5, false, {3, 5}},
        {"run", &run, 5, false, {3, 5}},                                  // nothing new: the last point redone
        {"run", &run, 6, false, {3, 5, 6}}, {"run", &run, 4, true, {4}},  // shortened
        {"other", &run, 5, true, {5}},      {"other", &rewritten, 6, true, {6}},
    };
    Convergence c;
    double tau = 200;
    for (const Step& s : steps) {
        fit::Result r;
        r.tau = ++tau;
        const bool restarted = c.add(QString::fromLatin1(s.file), std::span(s.durations->data(), s.records), r, 7);
        EXPECT_EQ(restarted, s.restarted) << s.file << " " << s.records;
        std::vector<double> records;
        for (const ConvergencePoint& p : c.points()) records.push_back(p.records);
        EXPECT_EQ(records, s.series) << s.file << " " << s.records;
        EXPECT_EQ(c.points().back().tau, tau);
        EXPECT_EQ(c.points().back().histogram_tau, 7);
    }
    c.restart();
    EXPECT_TRUE(c.points().empty());
}
