// The classes and the window of a run chosen in time when its unit is known,
// what the user typed remembered for each unit, the unit of the followed run,
// and the runs fitted together only in one unit and once each.
#include "fit/combine.h"
#include "fit/run/added_runs_store.h"
#include "fit/run/duration_choices.h"
#include "fit/run/fit_choices.h"
#include "fit/run/run_file.h"
#include "fit/run/window_runs.h"
#include "fit/text/fit_text.h"
#include "platform/textfile.h"
#include "support/qstring_print.h"
#include "support/recorder.h"
#include "support/toy_durations.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <limits>

namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

DurationsSeen seen(std::optional<double> shortest, std::optional<double> longest, double step) {
    return {shortest, longest, step};
}

}  // namespace

TEST(DurationChoices, ChosenInTimeWhenTheUnitIsKnown) {
    struct Case {
        const char* name;
        double unit_ns;
        DurationsSeen seen;
        GivenDurations given;
        DurationChoices expected;
    };
    const Case cases[] = {
        {"unknown unit: the acquisition's", kNan, seen(0.1, 1999.9, 0.1), {}, {10, 800, 10, 800}},
        {"unknown unit, values given", 0, seen(1, 2, 0), {5, 400, std::nullopt, 300}, {5, 400, 5, 300}},
        // 20 µs gate, 20 ns clock: classes of 100 ns up to 20 µs, from 100 ns.
        {"two integers a line", 1, seen(40, 19980, 20), {}, {100, 20000, 100, 20000}},
        {"no duration yet: the common gate", 1, {}, {}, {100, 20000, 100, 20000}},
        // The card's reader keeps 0.4 to 9 µs; a clock of 1.25 ns.
        {"decay lines in µs", 1000, seen(0.4, 8.99, 0.00125), {}, {0.05, 9, 0.4, 9}},
        {"units of 10 ns set by the user", 10, seen(0.1, 1999.9, 0.1), {}, {10, 2000, 10, 2000}},
        // A class of 50 ns would hold two or three steps of a 20 ns clock.
        {"classes a whole number of clock steps", 1, seen(40, 9980, 20), {}, {100, 10000, 100, 10000}},
        {"a dX typed: X max as far as 1000 classes, the window to the gate",
         1,
         seen(40, 19980, 20),
         {1, {}, {}, {}},
         {1, 1000, 100, 20000}},
        {"X max and t min typed", 1, seen(40, 19980, 20), {{}, 10000, 200, {}}, {100, 10000, 200, 10000}},
    };
    for (const Case& c : cases) {
        const DurationChoices d = duration_choices(c.unit_ns, c.seen, c.given);
        EXPECT_NEAR(d.dX, c.expected.dX, 1e-12) << c.name;
        EXPECT_NEAR(d.x_max, c.expected.x_max, 1e-9) << c.name;
        EXPECT_NEAR(d.t_min, c.expected.t_min, 1e-12) << c.name;
        EXPECT_NEAR(d.t_max, c.expected.t_max, 1e-9) << c.name;
    }
    // The durations as the fit's clock finds them; runs fitted together.
    const std::vector<double> d{40, 19980, 2200, 460};
    const DurationsSeen one = durations_seen(d);
    EXPECT_EQ(one.shortest, 40);
    EXPECT_EQ(one.longest, 19980);
    EXPECT_EQ(one.clock_step, 20);
    const DurationsSeen two[] = {one, seen(20, 9000, 20), {}};
    const DurationsSeen all = merged(two);
    EXPECT_EQ(all.shortest, 20);
    EXPECT_EQ(all.longest, 19980);
    EXPECT_EQ(all.clock_step, 20);
}

TEST(DurationChoices, TypedPerUnitRememberedAndTheFieldsOverRunsOfSeveralUnits) {
    TemporaryProgramFolder folder;
    TypedPerUnit typed;
    EXPECT_FALSE(typed.set(kNan, TypedPerUnit::Field::dX, 20));  // nothing kept for an unknown unit
    EXPECT_TRUE(typed.set(1, TypedPerUnit::Field::dX, 200));
    EXPECT_TRUE(typed.set(1000, TypedPerUnit::Field::t_max, 8.5));
    EXPECT_FALSE(typed.set(1, TypedPerUnit::Field::dX, 200));
    WriteFailures failures;
    typed.write(failures);
    EXPECT_EQ(platform::read_text_lines(folder.file(FICHIER_UNITES)),
              QStringList({QStringLiteral("dx/1=200"), QStringLiteral("tmax/1000=8.5")}));
    write_bytes(folder.file(FICHIER_UNITES), "dx/1=200\nxmax/10=abc\nnonsense\ntmax/1000=8.5\n");
    const TypedPerUnit back = TypedPerUnit::read();
    EXPECT_EQ(back.of(1), GivenDurations({200, {}, {}, {}}));
    EXPECT_EQ(back.of(1000), GivenDurations({{}, {}, {}, 8.5}));
    EXPECT_EQ(back.of(10), GivenDurations());

    // A run in units of 10 ns (unknown: the acquisition's fields, 800), one in
    // ns, then the first again: 800 is never carried to the other.
    UnitFields fields;
    using P = UnitFields::Pair;
    EXPECT_EQ(fields.after_load(kNan, P{10, 800}, P{}), std::nullopt);
    EXPECT_EQ(fields.after_load(1, P{10, 800}, P{100, 20000}), P({100, 20000}));
    EXPECT_EQ(fields.kept_for_unknown_unit(), P({10, 800}));
    EXPECT_EQ(fields.after_load(1, P{100, 20000}, P{100, 20000}), std::nullopt);
    EXPECT_EQ(fields.after_load(1000, P{100, 20000}, P{0.1, 20}), P({0.1, 20}));
    EXPECT_EQ(fields.after_load(0, P{0.1, 20}, P{}), P({10, 800}));
    EXPECT_EQ(fields.after_load(0, P{10, 800}, P{}), std::nullopt);

    // The run's unit: its format's, unless typed for that file; the user's
    // own for files whose format gives none.
    RunUnit unit(10);
    EXPECT_EQ(unit.after_load("a.txt", 0), 10);
    EXPECT_EQ(unit.after_load("two.data", 1), 1);
    unit.typed("two.data", 2);
    EXPECT_EQ(unit.unit_ns(), 2);
    EXPECT_EQ(unit.after_load("a.txt", 0), 10);
    EXPECT_EQ(unit.after_load("other.data", 1), 1);
    EXPECT_EQ(unit.after_load("two.data", 1), 2);
    EXPECT_EQ(unit.after_load("a.txt", 0), 10);
    unit.typed("a.txt", 20);
    EXPECT_EQ(unit.user_unit_ns(), 20);
    EXPECT_EQ(unit.after_load("b.txt", 0), 20);
}

// Runs are fitted together in one unit: a unit unknown beside a known one, or
// another known unit, is refused; a unit typed is every run's.
TEST(RunsUnit, NeverMixed) {
    struct Case {
        const char* name;
        std::vector<double> formats;
        bool typed;
        double unit;
        std::vector<std::size_t> other, unknown;
    };
    const Case cases[] = {
        {"all in ns", {1, 1}, false, 1, {}, {}},
        {"none gives a unit", {0, 0}, false, kNan, {}, {}},
        {"a run of 10 ns units beside one in ns", {1, 0}, false, 1, {}, {1}},
        {"ns beside a run without unit", {0, 1}, false, kNan, {1}, {}},
        {"ns beside µs", {1, 1000, 0}, false, 1, {1}, {2}},
        {"a run not read is left aside", {kNan, 1, 1}, false, 1, {}, {}},
        {"a unit typed", {1, 0, 1000}, true, 10, {}, {}},
    };
    for (const Case& c : cases) {
        const RunsUnit u = runs_unit(c.formats, c.typed ? 10 : kNan, c.typed);
        EXPECT_TRUE(u.unit_ns == c.unit || (std::isnan(u.unit_ns) && std::isnan(c.unit))) << c.name;
        EXPECT_EQ(u.other, c.other) << c.name;
        EXPECT_EQ(u.unknown, c.unknown) << c.name;
    }
}

// The same run given twice would count its events twice: the same file by
// another path, or a copy, is one run.
TEST(RunFiles, TheSameRunByAnyPathOrCopy) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.txt"));
    write_bytes(a, run_file_bytes(toy_durations(1, 200, 0.05, 10)));
    const QString copy = dir.filePath(QStringLiteral("copy.txt"));
    QFile::copy(a, copy);
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    QFile::link(a, link);
    const QString other = dir.filePath(QStringLiteral("other.txt"));
    write_bytes(other, run_file_bytes(toy_durations(2, 200, 0.05, 10)));
    const RunFile run_a = read_run_file(a);
    EXPECT_TRUE(same_run(run_a, read_run_file(dir.path() + QStringLiteral("/./a.txt"))));
    EXPECT_TRUE(same_run(run_a, read_run_file(link)));
    EXPECT_TRUE(same_run(run_a, read_run_file(copy)));
    EXPECT_FALSE(same_run(run_a, read_run_file(other)));
    EXPECT_FALSE(same_run(run_a, read_run_file(dir.filePath(QStringLiteral("absent.txt")))));
}

// The runs added to one followed file stay that file's: another file opened
// later is fitted alone, and the old single list is given once to the file
// followed when it is first read.
TEST(AddedRuns, RememberedForEachFollowedFile) {
    TemporaryProgramFolder folder;
    WriteFailures failures;
    write_bytes(folder.file(FICHIER_AJUSTEMENT), QByteArray("10\r\n800\r\nexp+flat\r\nunbinned\r\n\r\n0\r\n")
                                                     .append(QByteArray("\r\n").repeated(7))
                                                     .append("/runs/b.txt /runs/n%C3%A9.txt\r\n"));
    RunsAjoutesParFichier runs = lit_runs_ajoutes_par_fichier(QStringLiteral("/runs/a.txt"), failures);
    EXPECT_EQ(runs[QStringLiteral("/runs/a.txt")], QStringList({"/runs/b.txt", QStringLiteral("/runs/né.txt")}));
    EXPECT_EQ(lit_runs_ajoutes_par_fichier(QStringLiteral("/runs/z.txt"), failures), runs);  // given once

    WindowRuns window;
    window.set_added_by_file(runs);
    window.follow(QStringLiteral("/runs/a.txt"));
    EXPECT_EQ(window.added().size(), 2);
    window.follow(QStringLiteral("/runs/muon_run.txt"));
    EXPECT_TRUE(window.added().isEmpty());
    window.set_added({QStringLiteral("/runs/c d.txt")});
    EXPECT_EQ(window.added(), QStringList({"/runs/c d.txt"}));
    ecrit_runs_ajoutes_par_fichier(window.added_by_file(), failures);
    write_bytes(folder.file(FICHIER_RUNS_AJOUTES),
                read_bytes(folder.file(FICHIER_RUNS_AJOUTES)).append("no equal sign\n"));
    const RunsAjoutesParFichier back = lit_runs_ajoutes_par_fichier({}, failures);
    EXPECT_EQ(back, window.added_by_file());
    EXPECT_EQ(back.size(), 2u);

    // What a row says of its spans, singular as French has it for 0 and 1.
    const ExcludedSpan span = read_excluded_span(QStringLiteral("10:00:00-10:00:05"));
    for (const auto& [count, text] :
         {std::pair{1, "(1 enregistrement)"}, {0, "(0 enregistrement)"}, {2, "(2 enregistrements)"}}) {
        EXPECT_EQ(excluded_note(std::span(&span, 1), count), QStringLiteral("exclu : 10:00:00 → 10:00:05 ") + text);
    }
}

// A run whose background sits at its bound brings to the consistency the
// error its profile interval shows, not the exponential's alone; the "±"
// beside it agrees with its interval.
TEST(CombineRuns, ARunAtTheBackgroundsBoundBringsItsIntervalsError) {
    fit::Result at_limit;
    at_limit.status = fit::Status::converged;
    at_limit.tau = 221;
    at_limit.tau_error = 1.39;  // the exponential's alone
    at_limit.tau_lower = 219.0;
    at_limit.tau_upper = 223.38;
    at_limit.background_fraction = 0;
    at_limit.add(fit::Warning::background_at_limit);
    fit::Result free = at_limit;
    free.warnings = 0;
    free.tau = 216;
    free.tau_error = 2.19;
    EXPECT_NEAR(fit::interval_error(at_limit), 2.19, 1e-12);
    EXPECT_DOUBLE_EQ(fit::interval_error(free), 2.19);
    fit::Result combined = free;
    combined.tau = 218.5;
    const fit::Result runs[] = {at_limit, free};
    const fit::Consistency c = fit::consistency_of(runs, combined);
    EXPECT_NEAR(c.chi2, 2 * (2.5 / 2.19) * (2.5 / 2.19), 1e-9);
    platform::set_decimal_separator(QLatin1Char('.'));
    const fit_text::ResultLines l = fit_text::result_lines(at_limit, 10);
    EXPECT_EQ(l.tau, QStringLiteral("221.0 ± 2.2"));
    EXPECT_EQ(l.interval, QStringLiteral("(−2.0 / +2.4)"));
    EXPECT_EQ(l.background, QStringLiteral("0 (à la limite)"));

    // Twenty clean simulated runs of one lifetime: about half keep their
    // background at 0, and they agree.
    std::vector<std::vector<double>> durations;
    std::vector<fit::Run> twenty;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        durations.push_back(toy_durations(seed, 400, 0, 10));
        twenty.push_back({durations.back(), {}});
    }
    fit::Request q;
    q.t_min = 10;
    q.t_max = 800;
    q.classes = {10, 80, 0, {}};
    const fit::Combination all = fit::combine_runs(q, twenty);
    int at_bound = 0;
    for (const fit::Result& r : all.runs) at_bound += r.background_at_limit() ? 1 : 0;
    EXPECT_GE(at_bound, 5);
    EXPECT_TRUE(all.consistency.compatible()) << all.consistency.chi2 << " / " << all.consistency.ndf;
    EXPECT_EQ(all.consistency.counted.size(), 20u);
}
