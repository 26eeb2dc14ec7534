// The fit's choices: their file "qrt_vorn.fit", the reading of the fit
// window's fields, and what a change of them or a load makes the window do.
#include "fit/run/fit_decisions.h"
#include "platform/numbers.h"
#include "support/qstring_print.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

TEST(FitChoicesFile, WrittenWithPointsAndReadBackAnUnreadableLineTakingTheDefault) {
    TemporaryProgramFolder folder;
    platform::set_decimal_separator(QLatin1Char(','));
    FitChoices defaults;
    defaults.t_min = 20;
    EXPECT_EQ(lit_choix_ajustement(defaults).t_min, 20);  // no file yet
    FitChoices c;
    c.t_min = 12.5;
    c.t_max = 1500.5;
    c.model = fit::Model::exp_only;
    c.method = fit::Method::binned;
    c.unit_ns = 2.5;
    c.log_counts = true;
    WriteFailures failures;
    ecrit_choix_ajustement(c, failures);
    EXPECT_TRUE(
        read_bytes(folder.file(FICHIER_AJUSTEMENT)).startsWith("12.5\r\n1500.5\r\nexp\r\nbinned\r\n2.5\r\n1\r\n"));
    const FitChoices read = lit_choix_ajustement(defaults);
    EXPECT_EQ(read.t_min, 12.5);
    EXPECT_EQ(read.t_max, 1500.5);
    EXPECT_EQ(read.model, fit::Model::exp_only);
    EXPECT_EQ(read.method, fit::Method::binned);
    EXPECT_EQ(read.unit_ns, 2.5);
    EXPECT_TRUE(read.log_counts);

    write_bytes(folder.file(FICHIER_AJUSTEMENT), "abc\r\n1e999\r\nlinear\r\nbinned\r\n\r\nyes\r\n");
    const FitChoices mended = lit_choix_ajustement(defaults);
    EXPECT_EQ(mended.t_min, 20);
    EXPECT_EQ(mended.t_max, defaults.t_max);
    EXPECT_EQ(mended.model, defaults.model);
    EXPECT_EQ(mended.method, fit::Method::binned);
    EXPECT_EQ(mended.unit_ns, defaults.unit_ns);
    EXPECT_EQ(mended.log_counts, defaults.log_counts);
    platform::set_decimal_separator(QLatin1Char('.'));
}

// A sequence of edits, each with what the window does next: a field that
// cannot be read fits nothing; mended, the fit goes on with the series of its
// window; another window or model starts the series again; the unit or the
// log scale refit without a new point; a field left as it was shows the
// same fit again.
TEST(FitDecisions, WhatEachEditMakesTheWindowDo) {
    struct Edit {
        const char* t_min;
        const char* t_max;
        const char* unit;
        fit::Model model;
        bool log;
        // refused, write, restart, fit, add_point
        FitStep step;
        const char* refusal;
    };
    const auto A = fit::Model::exp_flat;
    const auto E = fit::Model::exp_only;
    const auto step = [](bool refused, bool write, bool restart, bool fit, bool add_point) {
        FitStep s;
        s.refused = refused;
        s.write = write;
        s.restart = restart;
        s.fit = fit;
        s.add_point = add_point;
        return s;
    };
    const Edit edits[] = {
        {"10", "800", "10", A, false, step(false, false, false, false, false), ""},  // left as it was
        {"abc", "800", "10", A, false, step(true, false, false, false, false),
         "t min : 'abc' is not a valid floating point value"},
        {"10", "1e999", "10", A, false, step(true, false, false, false, false),
         "t max : '1e999' is not a valid floating point value"},
        {"nan", "800", "10", A, false, step(true, false, false, false, false),
         "t min : 'nan' is not a valid floating point value"},
        {"", "800", "1e999", A, false, step(true, false, false, false, false),
         "t min : '' is not a valid floating point value"},
        {"10", "800", "1e999", A, false, step(true, false, false, false, false),
         "1 unité : '1e999' is not a valid floating point value"},
        {"10", "800", "10", A, false, step(false, false, false, true, true), ""},  // mended back: the series goes on
        {"10", "800", "-2", A, false, step(true, false, false, false, false), "1 unité : doit être supérieur à 0"},
        {"10", "800", "2,5", A, false, step(false, true, false, true, true), ""},  // mended to another unit
        {"10", "800", "2.5", A, true, step(false, true, false, true, false), ""},  // the log scale
        {"10,5", "800", "2.5", A, true, step(false, true, true, true, true), ""},  // another window
        {"10.5", "800", "2.5", E, true, step(false, true, true, true, true), ""},  // another model
        {"-5", "800", "2.5", E, true, step(false, true, true, true, true), ""},    // refused by the fit, not here
    };
    FitDecisions decisions{FitChoices()};
    for (const Edit& e : edits) {
        const TypedChoices typed{QString::fromUtf8(e.t_min), QString::fromUtf8(e.t_max),
                                 QString::fromUtf8(e.unit),  e.model,
                                 fit::Method::unbinned,      e.log};
        const std::string what = std::string(e.t_min) + " " + e.t_max + " " + e.unit;
        const FitStep s = decisions.typed(typed);
        EXPECT_EQ(s.refused, e.step.refused) << what;
        EXPECT_EQ(s.write, e.step.write) << what;
        EXPECT_EQ(s.restart, e.step.restart) << what;
        EXPECT_EQ(s.fit, e.step.fit) << what;
        EXPECT_EQ(s.add_point, e.step.add_point) << what;
        EXPECT_EQ(decisions.refusal(), QString::fromUtf8(e.refusal)) << what;
        // A load fits and adds its point unless a field cannot be read.
        const FitStep load = decisions.loaded();
        EXPECT_EQ(load.refused, e.step.refused) << what;
        EXPECT_EQ(load.fit && load.add_point, !e.step.refused) << what;
        if (!e.step.refused) {
            EXPECT_EQ(decisions.choices().t_min, fit_number(typed.t_min)) << what;
            EXPECT_EQ(decisions.choices().unit_ns, fit_number(typed.unit_ns)) << what;
            EXPECT_EQ(decisions.choices().model, e.model) << what;
        } else {
            EXPECT_TRUE(decisions.refusal_line().startsWith(decisions.refusal())) << what;
        }
    }
}
