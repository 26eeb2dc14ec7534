// vorns-fit run as a process: its options, exit statuses, text and JSON.
#include "analysis/record_store.h"
#include "support/languages.h"
#include "support/recorder.h"
#include "support/timed_run.h"
#include "support/toy_durations.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <set>

namespace {

struct Outcome {
    int exit_code = -1;
    QString out;
    QString err;
};

Outcome vorns_fit(const QStringList& arguments, const char* locale = "C.UTF-8") {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
    env.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VORNS_FIT), arguments);
    Outcome r;
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << "vorns-fit did not run: " << process.errorString().toStdString();
        return r;
    }
    r.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = QString::fromUtf8(process.readAllStandardOutput());
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

TEST(FitCommand, OptionsExitStatusesTextAndJson) {
    QTemporaryDir dir;
    const QString run = dir.filePath(QStringLiteral("run.txt"));
    const std::vector<double> durations = toy_durations(5, 3000, 0.05, 10);
    write_bytes(run, run_file_bytes(durations));
    // The same run behind a dead time of 40: the stability scan warns.
    const QString dead = dir.filePath(QStringLiteral("dead.txt"));
    std::vector<double> after_dead_time;
    std::copy_if(durations.begin(), durations.end(), std::back_inserter(after_dead_time),
                 [](double d) { return d >= 40; });
    write_bytes(dead, run_file_bytes(after_dead_time));
    const QString bad = dir.filePath(QStringLiteral("bad.txt"));
    write_bytes(bad, "A\r\nB\r\nHeure\tDur\r\n10:00:00\t0\r\n10:00:01\tabc\r\n10:00:02\t5\r\n");
    const QString no_record = dir.filePath(QStringLiteral("passwd"));
    write_bytes(no_record, "root:x:0:0:root:/root:/bin/bash\ndaemon:x:1:1::/usr/sbin:/usr/sbin/nologin\n");
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    // Other apparatus' files: their format and the unit it gives, unless one is typed.
    const QString two = dir.filePath(QStringLiteral("two.txt"));
    write_bytes(two, "40003 1574345682\n1620 1574345683\n-20 1574345684\n2080 1574345690\n");
    const QString decays = dir.filePath(QStringLiteral("decays.txt"));
    write_bytes(decays, "# card\nDecay 'Thu_Dec_10_11:49:22_2015' 2.4375\nDecay 'Thu_Dec_10_11:49:25_2015' 1.5\n");

    struct Case {
        QStringList arguments;
        int exit_code;
        const char* in_out;  // UTF-8
        const char* in_err;
        const char* locale = "C.UTF-8";
    };
    const Case cases[] = {
        {{run}, 0, "fenêtre = [10 ; 800], exponentielle + fond, non binné\nTau ajusté = 2", ""},
        {{run, "--unit-ns", "2.5"}, 0, " ns\nG_F / (ħc)³ = (2.", ""},
        {{run, "--tmin", "10,5"}, 0, "fenêtre = [10,5 ; 800]", "", "fr_FR.UTF-8"},
        {{run, "--json", "--tmin", "10,5"}, 0, "\"tmin\":10.5,", "", "fr_FR.UTF-8"},
        // A window refused is an option error; the file's object says so.
        {{run, "--json", "--tmin", "900"},
         2,
         "{\"status\":\"window_refused\",\"events\":0,\"tau\":null,",
         "run.txt: --tmin 900 is not below tmax 800 (chosen for the file): the window is refused"},
        {{run, "--tmin", "900", "--tmax", "800"}, 2, "", "--tmin 900 is not below --tmax 800: the window is refused"},
        {{run, "--json", "--model", "exp", "--method", "binned", "--dx", "20", "--xmax", "2000", "--skip-classes", "1"},
         0,
         "\"method\":\"binned\",\"model\":\"exp\",\"tmin\":20,\"tmax\":2000,\"warnings\":[],\"skipped_lines\":0,"
         "\"message\":null,\"span_s\":",
         ""},
        {{"--help"}, 0, "Usage: vorns-fit FILE", ""},
        {{"-h"}, 0, "\n      --version     show the version and exit\n", ""},
        {{"--version"}, 0, "vorns-fit " VORNS_VERSION "\n", ""},
        {{missing}, 1, "", "Cannot open file"},
        // A line that is no record is named, skipped, and the records read are fitted.
        {{bad},
         1,
         "fenêtre = [10 ; 800]",
         "bad.txt, ligne 5 ignorée : « 10:00:01⇥abc » n'est pas un enregistrement ('abc' is not a valid floating point "
         "value)\n"},
        {{bad, run, "--json"}, 1, "{\"status\":\"converged\"", "bad.txt, ligne 5 ignorée"},
        // Nothing fitted is never a success; the formats vorns reads are named.
        {{no_record},
         1,
         "événements dans la fenêtre = 0",
         "passwd: aucun enregistrement : pas de ligne d'en-tête « Heure » après les deux lignes de titre ; vorns lit "
         "les fichiers de l'acquisition"},
        {{two, "--json"}, 1, "\"skipped_lines\":1,\"message\":\"", "two.txt, ligne 3 ignorée"},
        {{two, "--json"}, 1, ",\"format\":\"two-integers\",\"unit_ns\":1}", ""},
        {{two, "--unit-ns", "10", "--json"}, 1, ",\"format\":\"two-integers\",\"unit_ns\":10}", ""},
        {{two}, 1, "format two-integers : 1 unité = 1 ns, début ", ""},
        {{decays, "--json"}, 0, ",\"format\":\"decay-lines\",\"unit_ns\":1000}", ""},
        {{run}, 0, "format acquisition\nfenêtre", ""},
        {{}, 2, "", "no data file given"},
        {{run, "--model", "gauss"}, 2, "", "--model: 'gauss' is none of exp+flat, exp, mu-capture and charge-ratio"},
        // The capture models: the unit needed, the material and rho.
        {{run, "--model", "mu-capture"}, 2, "", "--model mu-capture needs --unit-ns"},
        {{run, "--model", "charge-ratio", "--unit-ns", "10", "--method", "binned"},
         2,
         "",
         "--model charge-ratio is fitted by the unbinned --method only"},
        {{run, "--model", "mu-capture", "--unit-ns", "10", "--rho", "1,3"},
         0,
         "\nvaleurs fixées = τ− = 2026.3 ns (carbone), ρ = 1.3\n",
         ""},
        {{run, "--json", "--model", "charge-ratio", "--unit-ns", "10", "--material", "oxygen"},
         0,
         "\"tau_free\":219.698,\"tau_minus\":179.54,\"rho\":",
         ""},
        {{run, "--material", "1850.5", "--model", "charge-ratio", "--unit-ns", "10"}, 0, "τ− = 1850.5 ns\n", ""},
        {{run, "--material", "water"},
         2,
         "",
         "--material: 'water' is none of the known materials, carbon and oxygen, nor the negative muons' lifetime in "
         "ns"},
        {{run, "--rho", "0"}, 2, "", "--rho: must be above 0"},
        {{run, "--tmin", "abc"}, 2, "", "--tmin: 'abc' is not a valid floating point value"},
        {{run, "--tmax"}, 2, "", "--tmax: a value is missing"},
        {{run, "--report", ""}, 2, "", "--report: the file name is empty"},
        {{run, "--dx", "0"}, 2, "", "--dx"},
        {{run, "--xmax", "100000"}, 2, "", "plus de 1001 classes"},
        {{run, "--skip-classes", "-1"}, 2, "", "--skip-classes"},
        {{run, "--tmin", "10.5"}, 0, "fenêtre = [10,5 ; 800]", "", "fr_FR.UTF-8"},
        {{run, "--tmin", "10,5"}, 0, "fenêtre = [10.5 ; 800]", ""},
        // A value that is no number of the window, in text and in JSON alike.
        {{run, "--tmin", "1e999"}, 2, "", "--tmin: '1e999' is not a valid floating point value"},
        {{run, "--json", "--tmin", "1e999"}, 2, "", "--tmin: '1e999'"},
        {{run, "--tmax", "-1e999"}, 2, "", "--tmax: '-1e999'"},
        {{run, "--json", "--tmax", "nan"}, 2, "", "--tmax: 'nan'"},
        {{run, "--dx", "1e999"}, 2, "", "--dx: '1e999'"},
        {{run, "--dx", ""}, 2, "", "--dx: '' is not"},
        {{run, "--dx", "-10"}, 2, "", "--dx: must be above 0"},
        {{run, "--dx", "1e-999"}, 2, "", "--dx: must be above 0"},
        {{run, "--xmax", "1e999"}, 2, "", "--xmax: '1e999'"},
        {{run, "--xmax", "inf"}, 2, "", "--xmax: 'inf'"},
        {{run, "--json", "--xmax", "-800"}, 2, "", "--xmax: must be above 0"},
        {{run, "--unit-ns", "1e999"}, 2, "", "--unit-ns: '1e999'"},
        {{run, "--unit-ns", "NaN"}, 2, "", "--unit-ns: 'NaN'"},
        {{run, "--unit-ns", "-10"}, 2, "", "--unit-ns: must be above 0"},
        {{run, "--skip-classes", "1e999"}, 2, "", "--skip-classes: '1e999' is not a valid integer value"},
        {{run, "--skip-classes", "99999999999"}, 2, "", "--skip-classes: '99999999999'"},
        {{run, "--skip-classes", ""}, 2, "", "--skip-classes: '' is not"},
        // Durations are never negative: a window that starts below 0 is refused.
        {{run, "--tmin", "-100"}, 2, "", "--tmin: a duration cannot be negative"},
        {{run, "--json", "--tmin", "-0.5"}, 2, "", "--tmin: a duration cannot be negative"},
        {{run, "--tmax", "-10"}, 2, "", "--tmax: a duration cannot be negative"},
        {{run, "--tmin", "0"}, 0, "fenêtre = [0 ; 800]", ""},
        // The histogram method says which classes it fitted when t max is past X max.
        {{run, "--method", "binned", "--tmax", "2000"},
         0,
         "fenêtre = [10 ; 2000], exponentielle + fond, histogramme\n",
         ""},
        {{run, "--method", "binned", "--tmax", "2000"},
         0,
         "convergé ; t max au-delà des classes affichées : ajusté sur [10 ; 800]\n",
         ""},
        {{run, "--json", "--method", "binned", "--tmax", "2000"},
         0,
         "\"warnings\":[\"window_beyond_classes\"],\"skipped_lines\":0,",
         ""},
        {{run, "--bogus"}, 2, "", "unknown option '--bogus'"},
        // G_F beside the lifetime in µs; the forecast; the stability table.
        {{run, "--unit-ns", "10"}, 0, " µs\nG_F / (ħc)³ = (1,1", "", "fr_FR.UTF-8"},
        {{run}, 0, "\n1 % sur Tau dans ≈ ", ""},
        {{run, "--precision", "50"}, 0, "\n50 % sur Tau atteint (", ""},
        {{run, "--scan"},
         0,
         "\n   t min  événements  Tau                  bande  écart / bande\n      10        2",
         ""},
        {{run, "--json", "--scan"}, 0, ",\"stability\":[{\"tmin\":10,\"events\":2", ""},
        {{run, "--json", "--scan"},
         0,
         ",\"stability_verdict\":{\"warns\":false,\"tmin\":null,\"largest_deviation\":",
         ""},
        {{dead, "--json", "--scan"}, 0, ",\"stability_verdict\":{\"warns\":true,\"tmin\":", ""},
        {{run, "--json", "--scan", "--tmin", "900"},
         2,
         ",\"stability\":[],\"stability_verdict\":{\"warns\":null,\"tmin\":null,\"largest_deviation\":null}",
         ""},
        {{run, "--precision", "0"}, 2, "", "--precision: must be above 0"},
        {{run, "--precision", "100"}, 2, "", "--precision: must be below 100"},
    };
    for (const Case& c : cases) {
        const Outcome r = vorns_fit(c.arguments, c.locale);
        const std::string what = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(r.exit_code, c.exit_code) << what << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(c.in_out))) << what << "\n" << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.in_err))) << what << "\n" << r.err.toStdString();
    }

    // Exactly the documented keys, one object a line.
    const Outcome r = vorns_fit({run, "--json", "--unit-ns", "10", "--tmin", "10", "--tmax", "800"});
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    const QStringList keys({"background_fraction",
                            "background_fraction_error",
                            "chi2",
                            "correlation",
                            "drift_per_hour",
                            "drift_per_hour_error",
                            "events",
                            "forecast_hours",
                            "format",
                            "gaps",
                            "gf",
                            "gf_error",
                            "lattice_step",
                            "live_time_s",
                            "message",
                            "method",
                            "model",
                            "ndf",
                            "p_value",
                            "rate_p_value",
                            "rate_per_hour",
                            "rate_per_hour_error",
                            "rho",
                            "rho_error",
                            "rho_lower",
                            "rho_upper",
                            "skipped_lines",
                            "span_s",
                            "status",
                            "tau",
                            "tau_error",
                            "tau_free",
                            "tau_lower",
                            "tau_minus",
                            "tau_upper",
                            "tmax",
                            "tmin",
                            "unit_ns",
                            "warnings"});
    EXPECT_EQ(o.keys(), keys);
    EXPECT_TRUE(o.value(QStringLiteral("message")).isNull());
    EXPECT_EQ(o.value(QStringLiteral("skipped_lines")).toInt(-1), 0);
    const auto in_window =
        std::count_if(durations.begin(), durations.end(), [](double d) { return d >= 10 && d <= 800; });
    EXPECT_EQ(o.value(QStringLiteral("events")).toDouble(), static_cast<double>(in_window));
    const double tau = o.value(QStringLiteral("tau")).toDouble();
    const double sigma = o.value(QStringLiteral("tau_error")).toDouble();
    EXPECT_NEAR(tau, 220, 3 * sigma);
    // G_F from tau in units of 10 ns, its error half the relative error of tau.
    const double gf = o.value(QStringLiteral("gf")).toDouble();
    EXPECT_NEAR(gf * std::sqrt(tau * 10), 1.166382e-5 * std::sqrt(2196.9811), 1e-10);
    EXPECT_NEAR(o.value(QStringLiteral("gf_error")).toDouble(), gf * sigma / (2 * tau), 1e-9 * gf);
    // 1 % needs N (sigma / tau / 1 %)² events: the remainder at the run's rate, a
    // record a second from the first to the last.
    const double events = static_cast<double>(in_window);
    const double needed = events * (sigma / tau / 0.01) * (sigma / tau / 0.01);
    const double per_hour = events / ((static_cast<double>(durations.size()) - 1) / 3600);
    EXPECT_NEAR(o.value(QStringLiteral("forecast_hours")).toDouble(), (needed - events) / per_hour, 1e-9 * needed);
}

// Every file given gets exactly one object, in order, with the same keys: a
// script can match the lines with its files.
TEST(FitCommand, EveryFileGetsOneJsonObjectInOrder) {
    QTemporaryDir dir;
    const QString run = dir.filePath(QStringLiteral("run.txt"));
    write_bytes(run, run_file_bytes(toy_durations(5, 3000, 0.05, 10)));
    const QString bad = dir.filePath(QStringLiteral("bad.txt"));
    write_bytes(bad, "A\r\nB\r\nHeure\tDur\r\n10:00:00\t0\r\n10:00:01\tabc\r\n10:00:02\t5\r\nx\r\n");
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    const QString folder = dir.filePath(QStringLiteral("folder.txt"));
    ASSERT_TRUE(QDir().mkpath(folder));

    for (const bool details : {false, true}) {
        QStringList arguments{bad, missing, run, folder, QStringLiteral("--json")};
        if (details) arguments << QStringLiteral("--details") << QStringLiteral("--scan");
        const Outcome r = vorns_fit(arguments);
        EXPECT_EQ(r.exit_code, 1);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 4) << r.out.toStdString();
        struct Expected {
            const char* status;
            int skipped;          // -1: null
            const char* message;  // a part of it; nullptr: null
        };
        const Expected expected[] = {
            {"no_event", 2, "bad.txt : 2 lignes ignorées ; la première, ligne 5 : « 10:00:01⇥abc »"},
            {"unreadable", -1, "Cannot open file \""},
            {"converged", 0, nullptr},
            {"unreadable", -1, "Cannot open file \""},
        };
        QStringList keys;
        for (int i = 0; i < 4; ++i) {
            const QJsonObject o = QJsonDocument::fromJson(lines[i].toUtf8()).object();
            if (i == 0) keys = o.keys();
            EXPECT_EQ(o.keys(), keys) << i;
            EXPECT_EQ(o.value(QStringLiteral("status")).toString(), QString::fromLatin1(expected[i].status)) << i;
            const QJsonValue skipped = o.value(QStringLiteral("skipped_lines"));
            EXPECT_EQ(skipped.isNull() ? -1 : skipped.toInt(), expected[i].skipped) << i;
            const QJsonValue message = o.value(QStringLiteral("message"));
            if (expected[i].message) {
                EXPECT_TRUE(message.toString().contains(QString::fromUtf8(expected[i].message)))
                    << i << " " << message.toString().toStdString();
            } else {
                EXPECT_TRUE(message.isNull()) << i;
            }
            if (expected[i].skipped < 0) {
                for (const char* figure : {"events", "tau", "tau_error", "chi2", "ndf", "tmin", "method"}) {
                    EXPECT_TRUE(o.value(QString::fromLatin1(figure)).isNull()) << figure;
                }
            }
            if (details) {
                const QString file[] = {bad, missing, run, folder};
                EXPECT_EQ(o.value(QStringLiteral("file")).toString(), file[i]);
            }
        }
    }
}

// vorns-fit leaves the run report to vorns-fit-report, in lib/vorns beside
// its bin folder: a copy of vorns-fit without it says so and writes nothing.
TEST(FitCommand, ReportWithoutItsProgram) {
    QTemporaryDir dir;
    const QString run = dir.filePath(QStringLiteral("run.txt"));
    write_bytes(run, run_file_bytes(toy_durations(5, 300, 0.05, 10)));
    const QString program = dir.filePath(QStringLiteral("bin/vorns-fit"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("bin"))));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORNS_FIT), program));
    QProcess process;
    process.start(program, {run, QStringLiteral("--report"), dir.filePath(QStringLiteral("run.pdf"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()),
              QStringLiteral("vorns-fit: the run report cannot be written: %1/bin/../lib/vorns/vorns-fit-report cannot "
                             "be started (No such file or directory)\n")
                  .arg(QFileInfo(dir.path()).canonicalFilePath()));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("run.pdf"))));
    // The same copy fits without the report.
    process.start(program, {run});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}

}  // namespace

// The run's rate in the JSON object and as text, on runs whose rate and gaps
// are known by hand: 360 records an hour, and an hour without any.
TEST(FitCommand, TheRunsRateSpanGapsAndLiveTime) {
    QTemporaryDir dir;
    const QString run = dir.filePath(QStringLiteral("run.txt"));
    std::vector<int> times = every(10, 200);                      // 10 .. 2000 s
    for (const int t : every(10, 200, 5590)) times.push_back(t);  // 5600 .. 7590 s
    const double null = NAN;
    struct Case {
        std::vector<int> times;
        double span, live, rate, rate_error;
        const char* gaps;  // as printed; nullptr: null
        bool constancy;    // rate_p_value and the drift are numbers
    };
    const Case cases[] = {
        {times, 7580, 3980, 360, std::sqrt(398.0) / 3980 * 3600,
         "[{\"start_s\":1990,\"end_s\":5590,\"length_s\":3600}]", true},
        {every(10, 2), 10, null, null, null, nullptr, false},  // fewer than 3 records
        {{}, null, null, null, null, nullptr, false},
    };
    const auto expect = [null](const QJsonObject& o, const char* key, double value) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (std::isnan(value)) {
            EXPECT_TRUE(v.isNull()) << key;
        } else {
            EXPECT_NEAR(v.toDouble(null), value, 1e-9 * std::fabs(value)) << key;
        }
    };
    for (const Case& c : cases) {
        write_bytes(run, timed_run(c.times));
        const Outcome r = vorns_fit({run, "--json"});
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        expect(o, "span_s", c.span);
        expect(o, "live_time_s", c.live);
        expect(o, "rate_per_hour", c.rate);
        expect(o, "rate_per_hour_error", c.rate_error);
        if (c.gaps) {
            EXPECT_TRUE(r.out.contains(QString::fromUtf8("\"gaps\":") + QString::fromUtf8(c.gaps)))
                << r.out.toStdString();
        } else {
            EXPECT_TRUE(o.value(QStringLiteral("gaps")).isNull());
        }
        for (const char* key : {"rate_p_value", "drift_per_hour", "drift_per_hour_error"}) {
            EXPECT_EQ(o.value(QLatin1String(key)).isDouble(), c.constancy) << key;
        }
    }
    write_bytes(run, timed_run(times));
    const Outcome r = vorns_fit({run, "--rate"}, "fr_FR.UTF-8");
    EXPECT_EQ(r.exit_code, 0);
    for (const char* part : {"taux moyen : 360 ± 18 /h", "trou : 10:33:20 → 11:33:20 (1 h)", "début"}) {
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(part))) << part << "\n" << r.out.toStdString();
    }
}

// --combine: the runs' object against the fits of the files alone, and
// --exclude against a file that holds only the records kept.
TEST(FitCommand, CombinedRunsAndExcludedSpans) {
    QTemporaryDir dir;
    const auto file = [&dir](const char* name, const std::vector<double>& durations) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        write_bytes(path, run_file_bytes(durations));
        return path;
    };
    const std::vector<double> a_durations = toy_durations(5, 3000, 0.05, 1);
    const QString a = file("a.txt", a_durations);
    const QString fine = file("fine.txt", toy_durations(6, 3000, 0.05, 10));
    const QString outside = file("outside.txt", std::vector<double>(40, 5000.0));
    // The records of a.txt after 10:05:00 (records 300 and on), with their durations.
    const QString tail = file("tail.txt", std::vector<double>(a_durations.begin() + 299, a_durations.end()));
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    const auto object = [](const Outcome& r) { return QJsonDocument::fromJson(r.out.toUtf8()).object(); };
    const auto number = [](const QJsonObject& o, const char* key) {
        return o.value(QString::fromLatin1(key)).toDouble();
    };
    const QJsonObject a_alone = object(vorns_fit({a, QStringLiteral("--json")}));
    const QJsonObject tail_alone = object(vorns_fit({tail, QStringLiteral("--json")}));
    ASSERT_GT(number(a_alone, "tau"), 0);
    ASSERT_LT(number(tail_alone, "events"), number(a_alone, "events"));

    struct Case {
        const char* name;
        QStringList files;
        QStringList more;
        int exit_code;
        std::function<void(const QJsonObject& combined, const QJsonArray& runs, const QJsonObject& consistency)> check;
    };
    const Case cases[] = {
        {"one run: its fit",
         {a},
         {},
         0,
         [&](const QJsonObject& c, const QJsonArray&, const QJsonObject& k) {
             for (const char* key : {"events", "tau", "tau_error", "tau_lower", "tau_upper", "background_fraction"}) {
                 EXPECT_EQ(number(c, key), number(a_alone, key)) << key;
             }
             EXPECT_EQ(k.value(QStringLiteral("ndf")).toInt(), 0);
             EXPECT_TRUE(k.value(QStringLiteral("chi2")).isNull());
         }},
        {"clock steps of 1 and 0.1, a run with no event in the window",
         {a, fine, outside},
         {},
         0,
         [&](const QJsonObject& c, const QJsonArray& runs, const QJsonObject& k) {
             ASSERT_EQ(runs.size(), 3);
             EXPECT_EQ(runs[2].toObject().value(QStringLiteral("status")).toString(), QStringLiteral("no_event"));
             EXPECT_EQ(number(c, "events"),
                       number(runs[0].toObject(), "events") + number(runs[1].toObject(), "events"));
             EXPECT_EQ(k.value(QStringLiteral("ndf")).toInt(), 1);
             EXPECT_EQ(c.value(QStringLiteral("status")).toString(), QStringLiteral("converged"));
         }},
        {"a file that cannot be read: the others combined",
         {missing, a},
         {},
         1,
         [&](const QJsonObject& c, const QJsonArray& runs, const QJsonObject&) {
             EXPECT_EQ(runs[0].toObject().value(QStringLiteral("status")).toString(), QStringLiteral("unreadable"));
             EXPECT_EQ(number(c, "tau"), number(a_alone, "tau"));
             EXPECT_TRUE(c.value(QStringLiteral("message")).toString().contains(QStringLiteral("Cannot open file")));
         }},
        {"an excluded span: the records inside left out",
         {a},
         {"--exclude", a + "@10:00:00-10:04:59"},
         0,
         [&](const QJsonObject& c, const QJsonArray& runs, const QJsonObject&) {
             const QJsonObject run = runs[0].toObject();
             EXPECT_EQ(number(run, "excluded"), 299);
             EXPECT_EQ(number(c, "events"), number(tail_alone, "events"));
             EXPECT_EQ(number(c, "tau"), number(tail_alone, "tau"));
             EXPECT_EQ(number(run, "live_time_s"), number(a_alone, "live_time_s") - 298);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome r =
            vorns_fit(c.files + c.more + QStringList{QStringLiteral("--combine"), QStringLiteral("--json")});
        EXPECT_EQ(r.exit_code, c.exit_code) << r.err.toStdString();
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 1) << r.out.toStdString();
        const QJsonObject o = object(r);
        c.check(o, o.value(QStringLiteral("runs")).toArray(), o.value(QStringLiteral("consistency")).toObject());
    }
    // A file past the window's capacity: fitted alone up to it, combined whole.
    const std::vector<double> long_durations = toy_durations(7, NB_MAX_DONNEES + 10, 0.05, 1);
    const QString long_run = file("long.txt", long_durations);
    const auto in_window = [](auto first, auto last) {
        return static_cast<double>(std::count_if(first, last, [](double d) { return d >= 10 && d <= 800; }));
    };
    EXPECT_EQ(number(object(vorns_fit({long_run, QStringLiteral("--json")})), "events"),
              in_window(long_durations.begin(), long_durations.begin() + NB_MAX_DONNEES));
    const Outcome long_combined = vorns_fit({long_run, QStringLiteral("--combine"), QStringLiteral("--json")});
    EXPECT_EQ(long_combined.exit_code, 0) << long_combined.err.toStdString();
    EXPECT_TRUE(long_combined.err.isEmpty()) << long_combined.err.toStdString();  // no note of the capacity
    EXPECT_EQ(number(object(long_combined), "events"), in_window(long_durations.begin(), long_durations.end()));

    // One run given twice, by its name, another path or a copy, would count its
    // events twice (sigma / sqrt 2, "runs compatibles"): refused.
    const QString copy = dir.filePath(QStringLiteral("copy.txt"));
    QFile::copy(a, copy);
    for (const QStringList& twice :
         {QStringList{a, a}, QStringList{a, dir.path() + QStringLiteral("/./a.txt")}, QStringList{a, fine, copy}}) {
        const Outcome r = vorns_fit(twice + QStringList{QStringLiteral("--combine")});
        EXPECT_EQ(r.exit_code, 2) << twice.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral(": the same run as ") + a)) << r.err.toStdString();
    }

    // The text: the table of the runs, the combination, the verdict; an --exclude of no file given.
    const Outcome text = vorns_fit(
        {a, fine, QStringLiteral("--combine"), QStringLiteral("--exclude"), a + QStringLiteral("@10:00:00-10:01:00")});
    EXPECT_EQ(text.exit_code, 0);
    for (const char* part : {"run  ", "τ seul", "exclu : 10:00:00 → 10:01:00 (60 enregistrements)",
                             "combinaison de 2 runs\nTau ajusté = ", "cohérence : chi2 / ddl = "}) {
        EXPECT_TRUE(text.out.contains(QString::fromUtf8(part))) << part << "\n" << text.out.toStdString();
    }
    EXPECT_EQ(
        vorns_fit({a, QStringLiteral("--combine"), QStringLiteral("--exclude"), fine + "@10:00:00-11:00:00"}).exit_code,
        2);
    EXPECT_EQ(
        vorns_fit({a, QStringLiteral("--combine"), QStringLiteral("--exclude"), a + "@11:00:00-10:00:00"}).exit_code,
        2);
}

// The sample of two integers a line: its live time is the seconds present in
// the file (each second of a line once), and the capture models take the unit
// its format gives.
TEST(FitCommand, TwoIntegersSampleLiveTimeAndCaptureUnit) {
    const QString sample = QStringLiteral(VORNS_SAMPLES "/deux_entiers.txt");
    QFile file(sample);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::set<QByteArray> seconds;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() == 2) seconds.insert(fields[1]);
    }
    ASSERT_GT(seconds.size(), 100u);
    const Outcome r = vorns_fit({sample, "--json"});
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(o.value(QStringLiteral("live_time_s")).toDouble(), static_cast<double>(seconds.size()))
        << r.out.toStdString();

    // Alone and combined: the capture model takes the format's unit; a combined
    // run's live time is its seconds present too.
    for (const bool combined : {false, true}) {
        SCOPED_TRACE(combined ? "combined" : "alone");
        QStringList arguments{sample, "--json", "--model", "mu-capture"};
        if (combined) arguments << "--combine";
        const Outcome capture = vorns_fit(arguments);
        EXPECT_EQ(capture.exit_code, 0) << capture.err.toStdString();
        const QJsonObject fitted = QJsonDocument::fromJson(capture.out.toUtf8()).object();
        EXPECT_EQ(fitted.value(QStringLiteral("unit_ns")).toDouble(), 1) << capture.out.toStdString();
        if (!combined) continue;
        const QJsonArray runs = fitted.value(QStringLiteral("runs")).toArray();
        ASSERT_EQ(runs.size(), 1) << capture.out.toStdString();
        EXPECT_EQ(runs[0].toObject().value(QStringLiteral("live_time_s")).toDouble(),
                  static_cast<double>(seconds.size()));
    }
}

// vorns-fit --follow: one JSON object a reload with the figures vorns-fit
// gives for the same bytes, one alarm on stderr for a pause longer than a gap
// at the run's rate, cleared by the next record, and a clean end on SIGTERM.
TEST(FitCommand, FollowGivesTheFiguresOfEachReloadAndOneAlarmForAPause) {
    QTemporaryDir dir;
    const QString run = dir.filePath(QStringLiteral("run.txt"));
    // Four records a second: a pause is a stop after ln(1000) / 4 s, 1.7 s.
    const auto records = [](int from_s, int seconds) {
        std::vector<int> at;
        for (int s = from_s; s < from_s + seconds; ++s) at.insert(at.end(), 4, s);
        return timed_records(at);
    };
    write_bytes(run, timed_run({}) + records(1, 60));
    QProcess follower;
    follower.start(QStringLiteral(VORNS_FIT),
                   {run, QStringLiteral("--follow"), QStringLiteral("--json"), QStringLiteral("--period"),
                    QStringLiteral("0.2")});
    ASSERT_TRUE(follower.waitForStarted(10000));
    const auto next_object = [&]() -> QJsonObject {
        QElapsedTimer waited;
        waited.start();
        while (!follower.canReadLine() && waited.elapsed() < 10000) follower.waitForReadyRead(100);
        if (!follower.canReadLine()) {
            ADD_FAILURE() << "no line from --follow";
            return {};
        }
        return QJsonDocument::fromJson(follower.readLine()).object();
    };
    // The one-shot fit of the file as it stands, with the follower's object.
    const auto same_as_vorns_fit = [&](QJsonObject followed, const char* step) {
        const Outcome once = vorns_fit({run, QStringLiteral("--json")});
        followed.remove(QStringLiteral("alarm"));
        EXPECT_EQ(followed, QJsonDocument::fromJson(once.out.toUtf8()).object()) << step;
    };
    QJsonObject object = next_object();
    EXPECT_TRUE(object.value(QStringLiteral("alarm")).isNull());
    same_as_vorns_fit(object, "the first load");

    append_bytes(run, records(61, 5));
    object = next_object();
    same_as_vorns_fit(object, "grown");
    EXPECT_EQ(object.value(QStringLiteral("events")).toInt(), 260);

    // The pause: said once on stderr.
    QElapsedTimer paused;
    paused.start();
    QString err;
    while (!err.contains(QLatin1Char('\n')) && paused.elapsed() < 8000) {
        follower.waitForReadyRead(100);
        err += QString::fromUtf8(follower.readAllStandardError());
    }
    EXPECT_TRUE(err.startsWith(QStringLiteral("vorns-fit: acquisition arrêtée ? aucun événement depuis"))) << err.toStdString();
    EXPECT_GE(paused.elapsed(), 1000);

    append_bytes(run, records(66, 1));
    object = next_object();
    EXPECT_TRUE(object.value(QStringLiteral("alarm")).isNull());
    same_as_vorns_fit(object, "resumed");

    follower.terminate();  // SIGTERM
    ASSERT_TRUE(follower.waitForFinished(10000));
    EXPECT_EQ(follower.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(follower.exitCode(), 0);
    err += QString::fromUtf8(follower.readAllStandardError());
    EXPECT_EQ(err.count(QStringLiteral("arrêtée")), 1) << err.toStdString();
}

namespace {

// A run of the common teaching apparatus, simulated: two integers a line,
// decays in ns on its 20 ns clock within its 20 µs gate (tau = 2.197 µs, a
// flat background), and a count line each second, as its files have them.
QString common_apparatus_run(const QTemporaryDir& dir, const char* name, int decays, double hours, std::uint64_t seed) {
    const QString file = dir.filePath(QString::fromLatin1(name));
    QProcess simulator;
    simulator.start(QStringLiteral(VORNS_ACQUISITION), {"-o",
                                                        file,
                                                        "--format",
                                                        "two-integers",
                                                        "--events",
                                                        QString::number(decays),
                                                        "--rate",
                                                        QString::number(decays / (hours * 3600), 'g', 17),
                                                        "--lifetime",
                                                        "219.7",
                                                        "--background",
                                                        "0.08",
                                                        "--max-duration",
                                                        "2000",
                                                        "--muons",
                                                        "8",
                                                        "--seed",
                                                        QString::number(seed),
                                                        "--date",
                                                        "2024-03-21"});
    EXPECT_TRUE(simulator.waitForFinished(60000) && simulator.exitCode() == 0) << name;
    return file;
}

}  // namespace

// A run of the common apparatus opens in time: its window from 100 ns to the
// gate's end, its classes of 100 ns, whatever its length; fitted in the
// acquisition's default window [10 ; 800] (ns!) it gave 471 ns or "no decay
// signal". Runs without unit are never combined with it.
TEST(FitCommand, RunsOfTheCommonApparatusFittedInTime) {
    QTemporaryDir dir;
    const QStringList runs{
        QStringLiteral(VORNS_SAMPLES "/deux_entiers.txt"), common_apparatus_run(dir, "26h.data", 1705, 26, 21),
        common_apparatus_run(dir, "72h.data", 3000, 72, 22), common_apparatus_run(dir, "172h.data", 1923, 172, 23)};
    for (const QString& run : runs) {
        const Outcome r = vorns_fit({run, "--json"});
        EXPECT_EQ(r.exit_code, 0) << run.toStdString() << r.err.toStdString();
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        EXPECT_EQ(o.value(QStringLiteral("status")).toString(), QStringLiteral("converged")) << run.toStdString();
        EXPECT_EQ(o.value(QStringLiteral("tmin")).toDouble(), 100) << run.toStdString();
        // The gate's end: the longest duration rounded up (17980 ns in the sample: 18000).
        EXPECT_GE(o.value(QStringLiteral("tmax")).toDouble(), 18000) << run.toStdString();
        EXPECT_LE(o.value(QStringLiteral("tmax")).toDouble(), 20000) << run.toStdString();
        const double tau = o.value(QStringLiteral("tau")).toDouble();
        EXPECT_GT(tau, 1200) << run.toStdString();
        EXPECT_LT(tau, 2600) << run.toStdString();
        EXPECT_TRUE(vorns_fit({run}).out.contains(QStringLiteral("\nfenêtre = [100 ; ")));
    }
    // Given, the values are taken as they are.
    EXPECT_TRUE(vorns_fit({runs[1], "--json", "--tmax", "15000", "--dx", "200"})
                    .out.contains(QStringLiteral("\"tmin\":200,\"tmax\":15000,")));

    // The run in units of 10 ns (no unit) beside one in ns: refused, never combined in mixed units.
    const Outcome mixed = vorns_fit({QStringLiteral(VORNS_SAMPLES "/muon_run.txt"), runs[0], "--combine"});
    EXPECT_EQ(mixed.exit_code, 2);
    EXPECT_TRUE(mixed.out.isEmpty()) << mixed.out.toStdString();
    EXPECT_TRUE(
        mixed.err.contains(QStringLiteral("deux_entiers.txt: its format gives 1 ns a unit, the files before it "
                                          "none: the runs are not combined in different units; give "
                                          "--unit-ns")))
        << mixed.err.toStdString();
    const Outcome combined = vorns_fit(runs.mid(1) + QStringList{"--combine", "--json"});
    EXPECT_EQ(combined.exit_code, 0) << combined.err.toStdString();
    const QJsonObject c = QJsonDocument::fromJson(combined.out.toUtf8()).object();
    EXPECT_EQ(c.value(QStringLiteral("tmax")).toDouble(), 20000);
    EXPECT_NEAR(c.value(QStringLiteral("tau")).toDouble(), 2197, 150);
}

// vorns-fit speaks the desktop's language: every line of its text in English
// or German, none of the other languages' words, and the numbers those of the
// French text, decimal marks aside. Options, JSON keys and status names do not
// change.
TEST(FitCommand, EnglishAndGermanCarryTheNumbersOfTheFrenchText) {
    const QString sample = QStringLiteral(VORNS_SAMPLES "/muon_run.txt");
    const QStringList arguments{sample, "--unit-ns", "10", "--scan", "--rate"};
    const Outcome french = vorns_fit(arguments);
    ASSERT_EQ(french.exit_code, 0) << french.err.toStdString();
    ASSERT_TRUE(french.out.contains(QStringLiteral("Tau ajusté = "))) << french.out.toStdString();
    const QStringList numbers = numbers_of(french.out);
    ASSERT_GT(numbers.size(), 100);
    const std::pair<const char*, const char*> languages[] = {{"en", "en_US.UTF-8"}, {"de", "de_DE.UTF-8"}};
    for (const auto& [language, locale] : languages) {
        SCOPED_TRACE(locale);
        const Outcome spoken = vorns_fit(arguments, locale);
        EXPECT_EQ(spoken.exit_code, 0) << spoken.err.toStdString();
        EXPECT_EQ(foreign_words(QString::fromLatin1(language), spoken.out), QStringList()) << spoken.out.toStdString();
        EXPECT_EQ(numbers_of(spoken.out), numbers) << spoken.out.toStdString();
        const Outcome json = vorns_fit(arguments + QStringList{"--json"}, locale);
        EXPECT_TRUE(json.out.startsWith(QStringLiteral("{\"status\":\"converged\",\"events\":")))
            << json.out.toStdString();
        const Outcome wrong = vorns_fit({sample, "--modle"}, locale);
        EXPECT_EQ(wrong.exit_code, 2);
        EXPECT_EQ(foreign_words(QString::fromLatin1(language), wrong.err), QStringList()) << wrong.err.toStdString();
    }
}
