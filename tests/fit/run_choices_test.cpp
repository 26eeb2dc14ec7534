// The fit's choices: their file "qrt_vorn.fit", the reading of the fit
// window's fields, and what a change of them or a load makes the window do.
#include "fit/run/fit_decisions.h"
#include "platform/numbers.h"
#include "support/qstring_print.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

TEST(FitChoicesFile, WrittenAsKeysWithPointsAndReadBackAnUnreadableValueTakingTheDefault) {
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
    c.muons = {1850.5, 1.3};
    WriteFailures failures;
    ecrit_choix_ajustement(c, failures);
    EXPECT_EQ(read_bytes(folder.file(FICHIER_AJUSTEMENT)),
              "log_counts=1\r\nmethod=binned\r\nmodel=exp\r\nprecision=0.01\r\n"
              "rho=1.3\r\nt_max=1500.5\r\nt_min=12.5\r\ntau_minus_ns=1850.5\r\nunit_ns=2.5\r\n");
    const FitChoices read = lit_choix_ajustement(defaults);
    EXPECT_EQ(read.t_min, 12.5);
    EXPECT_EQ(read.t_max, 1500.5);
    EXPECT_EQ(read.model, fit::Model::exp_only);
    EXPECT_EQ(read.method, fit::Method::binned);
    EXPECT_EQ(read.unit_ns, 2.5);
    EXPECT_TRUE(read.log_counts);
    EXPECT_EQ(read.muons.tau_minus_ns, 1850.5);
    EXPECT_EQ(read.muons.rho, 1.3);

    write_bytes(folder.file(FICHIER_AJUSTEMENT),
                "t_min=abc\r\nt_max=1e999\r\nmodel=linear\r\nmethod=binned\r\nunit_ns=\r\nlog_counts=yes\r\n"
                "future_key=kept\r\n");
    const FitChoices mended = lit_choix_ajustement(defaults);
    EXPECT_EQ(mended.t_min, 20);
    EXPECT_EQ(mended.t_max, defaults.t_max);
    EXPECT_EQ(mended.model, defaults.model);
    EXPECT_EQ(mended.method, fit::Method::binned);
    EXPECT_TRUE(std::isnan(mended.unit_ns));
    EXPECT_EQ(mended.log_counts, defaults.log_counts);
    ecrit_choix_ajustement(mended, failures);
    EXPECT_TRUE(read_bytes(folder.file(FICHIER_AJUSTEMENT)).contains("future_key=kept\r\n"))
        << "a key of another version is kept";
    platform::set_decimal_separator(QLatin1Char('.'));
}

// A file of numbered lines, as an earlier version wrote it, is read as such:
// nothing the user chose is lost, and the next write turns it into keys. The
// unit is the one the user gave: that version wrote its default 10 on line 5
// whether the user typed it or not, so from line 5 only another value counts.
TEST(FitChoicesFile, AFileOfNumberedLinesIsReadAndWrittenBackAsKeys) {
    TemporaryProgramFolder folder;
    struct Case {
        const char* name;
        QByteArray lines;
        double unit_ns;  // NaN: not given
        double tau_minus_ns;
        double rho;
    };
    const double none = fit::kNone;
    const Case cases[] = {
        {"no file", "", none, fit::kCarbonLifetimeNs, fit::kChargeRatio},
        {"an earlier version's default", "10\r\n800\r\nexp\r\nunbinned\r\n10\r\n1\r\n", none,
         fit::kCarbonLifetimeNs, fit::kChargeRatio},
        {"an earlier version's typed unit", "10\r\n800\r\nexp\r\nunbinned\r\n2.5\r\n0\r\n", 2.5,
         fit::kCarbonLifetimeNs, fit::kChargeRatio},
        {"10 given", "10\r\n800\r\nexp\r\nunbinned\r\n10\r\n0\r\n\r\n\r\n\r\n10\r\n1795.4\r\n1.1\r\n", 10,
         fit::kOxygenLifetimeNs, 1.1},
        {"none given", "10\r\n800\r\nexp\r\nunbinned\r\n\r\n0\r\n\r\n\r\n\r\n\r\n-5\r\nabc\r\n", none,
         fit::kCarbonLifetimeNs, fit::kChargeRatio},
    };
    for (const Case& c : cases) {
        write_bytes(folder.file(FICHIER_AJUSTEMENT), c.lines);
        const FitChoices read = lit_choix_ajustement(FitChoices());
        if (std::isnan(c.unit_ns)) {
            EXPECT_TRUE(std::isnan(read.unit_ns)) << c.name << ": " << read.unit_ns;
        } else {
            EXPECT_EQ(read.unit_ns, c.unit_ns) << c.name;
        }
        EXPECT_EQ(read.muons.tau_minus_ns, c.tau_minus_ns) << c.name;
        EXPECT_EQ(read.muons.rho, c.rho) << c.name;
    }

    // Every line of a whole file of that version, through a change of the choices.
    write_bytes(folder.file(FICHIER_AJUSTEMENT),
                "12.5\r\n1500\r\nexp\r\nbinned\r\n2.5\r\n1\r\n\r\n\r\n\r\n2.5\r\n1795.4\r\n1.1\r\n0.02\r\n"
                "/a.txt /b%20c.txt\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    const FitChoices before = lit_choix_ajustement(FitChoices());
    WriteFailures failures;
    ecrit_choix_ajustement(before, failures);
    EXPECT_FALSE(read_bytes(folder.file(FICHIER_AJUSTEMENT)).startsWith("12.5")) << "written back as keys";
    const FitChoices after = lit_choix_ajustement(FitChoices());
    for (const FitChoices& c : {before, after}) {
        EXPECT_EQ(c.t_min, 12.5);
        EXPECT_EQ(c.t_max, 1500);
        EXPECT_EQ(c.model, fit::Model::exp_only);
        EXPECT_EQ(c.method, fit::Method::binned);
        EXPECT_EQ(c.unit_ns, 2.5);
        EXPECT_TRUE(c.log_counts);
        EXPECT_EQ(c.muons.tau_minus_ns, 1795.4);
        EXPECT_EQ(c.muons.rho, 1.1);
        EXPECT_EQ(c.precision, 0.02);
    }
    // The runs that version added, kept until the store of each file's runs takes them.
    EXPECT_EQ(lit_runs_ajoutes(), (QStringList{QStringLiteral("/a.txt"), QStringLiteral("/b c.txt")}));
}

#ifdef Q_OS_UNIX
// A process killed while it saves the choices (a crash, a power cut) leaves
// the file whole: the former choices or the new ones, never an empty or a
// partial file. A file the user cannot replace is said, and kept.
TEST(FitChoicesFile, AKilledSaveLeavesTheFileWholeAndAFailedOneIsSaid) {
    TemporaryProgramFolder folder;
    const QString path = folder.file(FICHIER_AJUSTEMENT);
    WriteFailures failures;
    FitChoices c;
    c.t_min = 15;
    c.muons.rho = 1.5;
    ecrit_choix_ajustement(c, failures);
    std::mt19937 random(35);
    for (int attempt = 0; attempt < 50; ++attempt) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            WriteFailures none;
            FitChoices d = c;
            for (int i = 0;; ++i) {
                d.t_min = 15 + i % 2;
                ecrit_choix_ajustement(d, none);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200 + random() % 3000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const FitChoices read = lit_choix_ajustement(FitChoices());
        ASSERT_TRUE(read.t_min == 15 || read.t_min == 16) << "attempt " << attempt << ": " << read.t_min;
        ASSERT_EQ(read.muons.rho, 1.5) << "attempt " << attempt;
    }

    // A folder in the file's place: the failure is told, nothing written.
    std::vector<EchecDuReglage> told;
    failures.signale = [&told](const EchecDuReglage& e, bool) { told.push_back(e); };
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/inside")));
    ecrit_choix_ajustement(c, failures);
    ASSERT_EQ(told.size(), 1u) << "one write, one failure";
    EXPECT_EQ(told[0].message, QStringLiteral("Cannot write file \"") + QDir::toNativeSeparators(path) +
                                   QStringLiteral("\". Not a regular file"));
    EXPECT_TRUE(QFileInfo(path + QStringLiteral("/inside")).isDir());
}
#endif

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
        const char* material = "carbone";
        const char* rho = "1.27";
    };
    const auto A = fit::Model::exp_flat;
    const auto E = fit::Model::exp_only;
    const auto C = fit::Model::mu_capture;
    const auto R = fit::Model::charge_ratio;
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
        {"-5", "800", "", E, true, step(false, true, false, true, false), ""},     // no unit: no time line
        {"10", "800", "", C, true, step(false, true, true, true, true), ""},       // refused by the fit, not here
        {"10", "800", "10", C, true, step(false, true, true, true, true), ""},     // its unit: another fit
        {"10", "800", "10", C, true, step(false, true, true, true, true), "", "oxygène"},
        {"10", "800", "10", C, true, step(false, false, false, false, false), "", "Oxygène "},  // the same
        {"10", "800", "10", C, true, step(false, true, true, true, true), "", "1850,5"},
        {"10", "800", "10", C, true, step(true, false, false, false, false),
         "matière des μ− : 'fer' is not a valid floating point value", "fer"},
        {"10", "800", "10", C, true, step(true, false, false, false, false), "ρ : doit être supérieur à 0", "1850.5",
         "0"},
        {"10", "800", "10", C, true, step(false, true, true, true, true), "", "1850.5", "1.3"},
        {"10", "800", "10", R, true, step(false, true, true, true, true), "", "1850.5", "abc"},  // rho not read
        {"10", "800", "12", A, true, step(false, true, true, true, true), "", "fer", "abc"},     // neither is read
    };
    FitChoices start;
    start.unit_ns = 10;
    FitDecisions decisions{start};
    for (const Edit& e : edits) {
        const TypedChoices typed{QString::fromUtf8(e.t_min),    QString::fromUtf8(e.t_max),
                                 QString::fromUtf8(e.unit),     e.model,
                                 fit::Method::unbinned,         e.log,
                                 QString::fromUtf8(e.material), QString::fromUtf8(e.rho)};
        const std::string what = std::string(e.t_min) + " " + e.t_max + " " + e.unit + " " +
                                 std::string(fit::name(e.model)) + " " + e.material + " " + e.rho;
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
            const double unit = *e.unit == '\0' ? fit::kNone : static_cast<double>(fit_number(typed.unit_ns));
            EXPECT_EQ(std::isnan(decisions.choices().unit_ns), std::isnan(unit)) << what;
            if (!std::isnan(unit)) {
                EXPECT_EQ(decisions.choices().unit_ns, unit) << what;
            }
            EXPECT_EQ(decisions.choices().model, e.model) << what;
        } else {
            EXPECT_TRUE(decisions.refusal_line().startsWith(decisions.refusal())) << what;
        }
    }
}
