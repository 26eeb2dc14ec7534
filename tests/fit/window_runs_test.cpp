// The runs of the analysis window: the added runs remembered on their line of
// the choices file, the spans of each data file in their settings file, each
// added file read once and again only when it changes, and the combination
// fitted again with the followed run after each load.
#include "analysis/load.h"
#include "fit/combine.h"
#include "fit/run/fit_choices.h"
#include "fit/run/window_runs.h"
#include "platform/errors.h"
#include "platform/textfile.h"
#include "support/child_process.h"
#include "support/qstring_print.h"
#include "support/recorder.h"
#include "support/toy_durations.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <functional>
#include <limits>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr double kOrigin = 10 * 3600;  // run_file_bytes starts at 10:00:00
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// The records' times of run_file_bytes: one a second after the origin.
std::vector<double> seconds_of(std::size_t n) {
    std::vector<double> s;
    for (std::size_t i = 0; i < n; ++i) s.push_back(static_cast<double>(i + 1));
    return s;
}

fit::Request request() {
    fit::Request q;
    q.t_min = 10;
    q.t_max = 800;
    q.classes.dX = 10;
    q.classes.n_classe = 80;
    return q;
}

int in_window(const std::vector<double>& d, std::size_t from = 0) {
    return static_cast<int>(std::count_if(d.begin() + static_cast<std::ptrdiff_t>(from), d.end(),
                                          [](double t) { return t >= 10 && t <= 800; }));
}

}  // namespace

TEST(ExclusionsStore, RoundTripAndUnreadableLinesLeftOut) {
    TemporaryProgramFolder folder;
    EXPECT_TRUE(lit_exclusions().empty());
    ExclusionsParFichier e;
    e[QStringLiteral("/runs/nuit 1.txt")] = {read_excluded_span(QStringLiteral("10:00:00-11:30:00")),
                                             read_excluded_span(QStringLiteral("23:00:00-+1/02:00:05"))};
    e[QStringLiteral("/runs/b.txt")] = {read_excluded_span(QStringLiteral("+2/00:00:00-+2/00:00:00"))};
    WriteFailures failures;
    ecrit_exclusions(e, failures);
    EXPECT_EQ(lit_exclusions(), e);
    QByteArray bytes = read_bytes(folder.file(FICHIER_EXCLUSIONS));
    EXPECT_TRUE(bytes.contains("/runs/nuit%201.txt 23:00:00-+1/02:00:05")) << bytes.constData();
    bytes += "/runs/c.txt 11:00:00-10:00:00\r\n/runs/d.txt\r\nabc\r\n";
    write_bytes(folder.file(FICHIER_EXCLUSIONS), bytes);
    EXPECT_EQ(lit_exclusions(), e);
}

// A file of each format read for a combination gives the records the one
// load gives; so does a file whose lines end with CR alone (every record,
// not the one record a count of LF once made room for).
TEST(WindowRuns, AFileOfEachFormatReadAsTheLoadReadsIt) {
    QTemporaryDir dir;
    const QString cr_only = dir.filePath(QStringLiteral("cr.txt"));
    write_bytes(cr_only, read_bytes(QStringLiteral(VORNS_SOURCE_DIR "/fichiers/muon_run.txt")).replace("\r\n", "\r"));
    for (const QString& file : {QStringLiteral(VORNS_SOURCE_DIR "/fichiers/muon_run.txt"),
                                QStringLiteral(VORNS_SOURCE_DIR "/fichiers/deux_entiers.txt"),
                                QStringLiteral(VORNS_SOURCE_DIR "/fichiers/lignes_decay.txt"), cr_only}) {
        const std::string name = file.toStdString();
        const RunFile run = read_run_file(file);
        ASSERT_TRUE(run.unreadable.isEmpty()) << name;
        const RecordStoreNeuf store = nouveau_record_store();
        ClassTable table;
        const Chargement load = charge_les_octets(read_bytes(file), ChoixDesClasses(), *store, table);
        const auto n = static_cast<std::size_t>(load.enregistrements.nb_enregistrements);
        ASSERT_GT(n, 0u) << name;
        EXPECT_EQ(run.durations, std::vector<double>(store->serie_y[1].begin() + 1, store->serie_y[1].begin() + 1 + n))
            << name;
        ASSERT_EQ(run.seconds.size(), n) << name;
        EXPECT_EQ(run.seconds.back(), store->serie_x[1][n] * 60) << name;
        EXPECT_EQ(run_file_of_bytes(file, read_bytes(file)).durations, run.durations) << name;
    }
    EXPECT_FALSE(read_run_file(QStringLiteral("/nonexistent/run.txt")).unreadable.isEmpty());
}

#ifdef Q_OS_UNIX
// A run given through a pipe (vorns-fit --combine /dev/stdin) is read once:
// it has no size, and reading it again from its start gave an empty run
// ("the file is empty") after its records had been read.
TEST(WindowRuns, ARunThroughAPipeIsReadOnce) {
    QTemporaryDir dir;
    const QString sample = QStringLiteral(VORNS_SOURCE_DIR "/fichiers/muon_run.txt");
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("pipe")));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    std::thread writer([&] {
        const QByteArray bytes = read_bytes(sample);
        const int fd = open(fifo.constData(), O_WRONLY);
        for (qsizetype at = 0; fd >= 0 && at < bytes.size();) {
            const ssize_t n = write(fd, bytes.constData() + at, static_cast<std::size_t>(bytes.size() - at));
            if (n <= 0) break;
            at += n;
        }
        if (fd >= 0) close(fd);
        // A reader that opens the pipe again meets its end at once.
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
        while (std::chrono::steady_clock::now() < until) {
            const int again = open(fifo.constData(), O_WRONLY | O_NONBLOCK);
            if (again >= 0) {
                close(again);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    const RunFile run = read_run_file(QFile::decodeName(fifo));
    writer.join();
    EXPECT_TRUE(run.unreadable.isEmpty());
    EXPECT_EQ(run.durations, read_run_file(sample).durations);
}

// What the window reads again at each change (its followed file, its added
// runs) is refused when it is a pipe or a device: opening a pipe without a
// writer froze the window, and /dev/zero was read until the memory ran out.
TEST(WindowRuns, APipeIsNoFileTheWindowFollows) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.txt"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString refused = QStringLiteral("Cannot open file \"%1\". Not a regular file").arg(fifo);
    const int failed = dans_un_enfant([&] {
        alarm(10);  // a reader waiting for the pipe's writer ends the child, not the tests
        platform::PackedLines lines;
        int f = 0;
        try {
            lines.read_file(fifo);
            f |= 1;
        } catch (const platform::Error& e) {
            if (e.text() != refused) f |= 1;
        }
        if (read_run_file(fifo, RunReading::again_at_changes).unreadable != refused) f |= 2;
        return f;
    });
    EXPECT_EQ(failed, 0) << "1: the window's lines, 2: an added run; -1: a reader waited for the writer";
}
#endif

#if defined(Q_OS_UNIX) && !defined(__SANITIZE_ADDRESS__)
// A file far larger than the memory left (a disk image chosen by mistake) is a
// file that cannot be read, with the system's reason, for each reader that
// holds it or its records: the window's lines, a whole read, an added run. A
// failed allocation used to end vorns-fit --combine, and the window showed
// "std::bad_alloc" in a box.
TEST(WindowRuns, AFileLargerThanTheMemoryLeftCannotBeRead) {
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.txt"));
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write(read_bytes(QStringLiteral(VORNS_SOURCE_DIR "/fichiers/muon_run.txt"))) > 0 &&
                file.resize(qint64{1} << 30));  // sparse: takes no disk
    file.close();
    const auto raises_no_memory = [&](const std::function<void()>& read) {
        try {
            read();
        } catch (const platform::Error& e) {
            return e.text().startsWith(QStringLiteral("Cannot open file")) && e.text().contains(big);
        }
        return false;
    };
    const int failed = avec_memoire_limitee(256 << 20, [&] {
        platform::PackedLines lines;
        int f = 0;
        if (!raises_no_memory([&] { platform::read_file_bytes(big); })) f |= 1;
        if (!raises_no_memory([&] { lines.read_file(big); }) || lines.size() != 0) f |= 2;
        const RunFile run = read_run_file(big);
        if (!run.unreadable.startsWith(QStringLiteral("Cannot open file")) || !run.durations.empty()) f |= 4;
        return f;
    });
    EXPECT_EQ(failed, 0) << "1: whole read, 2: the window's lines, 4: an added run; 125: an allocation failed "
                            "unreported; -1: the child crashed";
}
#endif

TEST(WindowRuns, ReadOnceCombinedAfterEachLoadAndReadAgainWhenChanged) {
    QTemporaryDir dir;
    const auto file = [&](const char* name) { return dir.path() + QLatin1Char('/') + QString::fromLatin1(name); };
    const std::vector<double> b = toy_durations(2, 3000, 0.05, 10);
    write_bytes(file("b.txt"), run_file_bytes(b));
    write_bytes(file("c.txt"), run_file_bytes(toy_durations(3, 1000, 0.05, 10)));
    std::vector<double> followed = toy_durations(1, 2000, 0.05, 10);
    std::vector<double> seconds = seconds_of(followed.size());

    WindowRuns runs;
    const auto combine = [&] {
        return runs.combine({file("a.txt"), followed, seconds, kOrigin, {}, 0}, request(), 1000);
    };
    RunsShown shown = combine();
    EXPECT_FALSE(shown.in_use);  // the followed run alone
    EXPECT_EQ(shown.combination.combined.events, in_window(followed));

    runs.set_added({file("b.txt"), file("c.txt"), file("absent.txt"), file("a.txt"), file("b.txt")});
    EXPECT_EQ(runs.added(), QStringList({file("b.txt"), file("c.txt"), file("absent.txt"), file("a.txt")}));
    shown = combine();
    EXPECT_TRUE(shown.in_use);
    EXPECT_EQ(shown.files, QStringList({file("a.txt"), file("b.txt"), file("c.txt"), file("absent.txt")}));
    ASSERT_EQ(shown.table.size(), 5);  // the header, a row a file
    EXPECT_EQ(shown.table[1][0], QStringLiteral("a.txt"));
    EXPECT_EQ(shown.table[4].back(), QStringLiteral("non lu"));
    EXPECT_TRUE(shown.status.startsWith(QStringLiteral("run non lu : absent.txt ("))) << shown.status;
    EXPECT_EQ(shown.runs, 3u);
    EXPECT_TRUE(shown.combined.startsWith(QStringLiteral("combinaison de 3 runs : τ = "))) << shown.combined;
    EXPECT_TRUE(shown.consistency.startsWith(QStringLiteral("cohérence : chi2 / ddl = "))) << shown.consistency;
    const int reads = runs.reads();
    EXPECT_EQ(reads, 3);

    struct Step {
        const char* name;
        std::function<void()> change;
        int reads;  // more than before
        int events;
        int fitted;  // added runs fitted alone again: those whose file or spans changed
        bool again;  // nothing changed: the last combination given again, nothing fitted
    };
    const int b_and_c = in_window(b) + in_window(toy_durations(3, 1000, 0.05, 10));
    const std::vector<double> grown = toy_durations(1, 2500, 0.05, 10);
    const std::vector<double> c_rewritten = toy_durations(3, 1500, 0.05, 10);
    const Step steps[] = {
        {"a reload that changed nothing", [] {}, 0, in_window(followed) + b_and_c, 0, true},
        {"the followed run grew",
         [&] {
             followed = grown;
             seconds = seconds_of(followed.size());
         },
         0, in_window(grown) + b_and_c, 0, false},
        {"an added file rewritten", [&] { write_bytes(file("c.txt"), run_file_bytes(c_rewritten)); }, 1,
         in_window(grown) + in_window(b) + in_window(c_rewritten), 1, false},
        {"the first ten records of b left out",
         [&] { runs.exclude(file("b.txt"), read_excluded_span(QStringLiteral("10:00:01-10:00:10"))); }, 0,
         in_window(grown) + in_window(b, 10) + in_window(c_rewritten), 1, false},
        {"that span taken back", [&] { runs.remove_exclusion(file("b.txt"), 0); }, 0,
         in_window(grown) + in_window(b) + in_window(c_rewritten), 1, false},
    };
    int expected_reads = reads;
    for (const Step& s : steps) {
        s.change();
        const std::uint64_t fits = fit::runs_fitted_alone();
        shown = combine();
        // The followed run's own fit is made at every combination made anew.
        EXPECT_EQ(shown.again, s.again) << s.name;
        EXPECT_EQ(fit::runs_fitted_alone() - fits, s.again ? 0u : 1u + static_cast<unsigned>(s.fitted)) << s.name;
        // The runs' fits kept are those a fresh combination makes.
        WindowRuns fresh;
        fresh.follow(file("a.txt"));
        fresh.set_added(runs.added());
        fresh.set_exclusions(runs.exclusions());
        const RunsShown again = fresh.combine({file("a.txt"), followed, seconds, kOrigin, {}, 0}, request(), 1000);
        ASSERT_EQ(again.combination.runs.size(), shown.combination.runs.size()) << s.name;
        for (std::size_t i = 0; i < again.combination.runs.size(); ++i) {
            EXPECT_EQ(again.combination.runs[i].tau, shown.combination.runs[i].tau) << s.name << " run " << i;
        }
        expected_reads += s.reads;
        EXPECT_EQ(runs.reads(), expected_reads) << s.name;
        EXPECT_EQ(shown.combination.combined.events, s.events) << s.name;
        EXPECT_EQ(shown.combination.combined.status, fit::Status::converged) << s.name;
    }
    runs.exclude(file("b.txt"), read_excluded_span(QStringLiteral("10:00:01-10:00:10")));
    shown = combine();
    EXPECT_TRUE(shown.table[2].back().startsWith(QStringLiteral("exclu : 10:00:01 → 10:00:10 (10 enregistrements)")))
        << shown.table[2].back();
    EXPECT_TRUE(runs.spans_of(file("c.txt")).empty());
}

// The unit of runs fitted together: the followed run's (its format's, or the
// one typed). An added run joins when its format gives that unit, or gives
// none beside a followed run whose format gives none; the others are left out
// and said, never combined in another unit.
TEST(WindowRuns, AnAddedRunOfAnotherOrUnknownUnitIsLeftOut) {
    const auto sample = [](const char* name) {
        return QStringLiteral(VORNS_SOURCE_DIR "/fichiers/") + QString::fromLatin1(name);
    };
    const QString two = sample("deux_entiers.txt");    // 1 ns a unit
    const QString decay = sample("lignes_decay.txt");  // 1000 ns
    const QString plain = sample("muon_run.txt");      // no unit
    const std::vector<double> followed = toy_durations(1, 2000, 0.05, 10);
    const std::vector<double> seconds = seconds_of(followed.size());
    struct Case {
        const char* name;
        double format_ns;  // the followed run's format's unit
        double unit_ns;    // the window's
        int combined;
        const char* status;
    };
    const Case cases[] = {
        {"the format's unit", 1000, 1000, 2,
         "autre unité, non combinés : deux_entiers.txt (1 ns, le run suivi 1000 ns), muon_run.txt (sans unité, le "
         "run suivi 1000 ns)"},
        {"another unit typed over the format's", 1000, 10, 1,
         "autre unité, non combinés : deux_entiers.txt (1 ns, le run suivi 10 ns), lignes_decay.txt (1000 ns, le run "
         "suivi 10 ns), muon_run.txt (sans unité, le run suivi 10 ns)"},
        {"a followed run without unit", 0, kNan, 2,
         "autre unité, non combinés : deux_entiers.txt (1 ns, le run suivi sans unité), lignes_decay.txt (1000 ns, le "
         "run suivi sans unité)"},
        {"the unit typed for files without one", 0, 10, 2,
         "autre unité, non combinés : deux_entiers.txt (1 ns, le run suivi 10 ns), lignes_decay.txt (1000 ns, le run "
         "suivi 10 ns)"},
    };
    for (const Case& c : cases) {
        WindowRuns runs;
        runs.follow(QStringLiteral("/a.txt"));
        runs.set_added({two, decay, plain});
        const RunsShown shown =
            runs.combine({QStringLiteral("/a.txt"), followed, seconds, kOrigin, {}, c.format_ns}, request(), c.unit_ns);
        EXPECT_EQ(shown.runs, static_cast<std::size_t>(c.combined)) << c.name;
        EXPECT_EQ(shown.combined_files.size(), c.combined) << c.name;
        EXPECT_EQ(shown.status, QString::fromUtf8(c.status)) << c.name;
        EXPECT_EQ(shown.table[2].back(), QStringLiteral("autre unité")) << c.name;
        EXPECT_TRUE(shown.combined.startsWith(QStringLiteral("combinaison de %1 run").arg(c.combined))) << c.name;
    }
    // A copy of the followed run added, or a run added twice by two paths: one run.
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.txt"));
    write_bytes(a, run_file_bytes(followed));
    const QString copy = dir.filePath(QStringLiteral("copie.txt"));
    QFile::copy(a, copy);
    WindowRuns runs;
    runs.follow(a);
    runs.set_added({copy, two, dir.path() + QStringLiteral("/../") + dir.path().section(u'/', -1) + "/copie.txt"});
    const RunsShown shown = runs.combine({a, followed, seconds, kOrigin, {}, 0}, request(), kNan);
    EXPECT_EQ(shown.runs, 1u);
    EXPECT_EQ(shown.table[2].back(), QStringLiteral("même run que a.txt"));
    EXPECT_TRUE(
        shown.status.contains(QStringLiteral("même run, non combinés : copie.txt (= a.txt), copie.txt (= a.txt)")))
        << shown.status;
}
