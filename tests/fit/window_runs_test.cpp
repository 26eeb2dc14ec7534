// The runs of the analysis window: the added runs remembered on their line of
// the choices file, the spans of each data file in their settings file, each
// added file read once and again only when it changes, and the combination
// fitted again with the followed run after each load.
#include "analysis/load.h"
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
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr double kOrigin = 10 * 3600;  // run_file_bytes starts at 10:00:00

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

TEST(AddedRunsLine, ReadFromTheChoicesFileWithOrWithoutIt) {
    TemporaryProgramFolder folder;
    const QString path = folder.file(FICHIER_AJUSTEMENT);
    struct Case {
        const char* name;
        QByteArray before;  // the file before; empty: none
        QStringList written;
    };
    const Case cases[] = {
        {"no file", "", {}},
        {"an earlier version's six lines", "10\r\n800\r\nexp\r\nunbinned\r\n\r\n1\r\n", {}},
        {"an earlier version's twenty lines",
         QByteArray("10\r\n800\r\nexp\r\nbinned\r\n\r\n0\r\n").append(QByteArray("\r\n").repeated(14)),
         {}},
        {"names with blanks, a percent sign, accents",
         "",
         {QStringLiteral("/données/nuit 1.txt"), QStringLiteral("/d/50%.txt"), QStringLiteral("C:\\runs\\b.txt")}},
    };
    for (const Case& c : cases) {
        QFile::remove(path);
        if (!c.before.isEmpty()) write_bytes(path, c.before);
        EXPECT_EQ(lit_runs_ajoutes(), QStringList()) << c.name;
        if (c.written.isEmpty()) continue;
        FitChoices choices;
        choices.t_min = 12.5;
        WriteFailures failures;
        ecrit_choix_ajustement(choices, failures);
        ecrit_runs_ajoutes(c.written, failures);
        EXPECT_EQ(lit_runs_ajoutes(), c.written) << c.name;
        EXPECT_EQ(lit_choix_ajustement(FitChoices()).t_min, 12.5) << c.name;
        EXPECT_TRUE(read_bytes(path).contains("\r\nt_min=12.5\r\n")) << c.name;
        ecrit_runs_ajoutes({}, failures);
        EXPECT_EQ(lit_runs_ajoutes(), QStringList()) << c.name;
    }
}

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
    };
    const int b_and_c = in_window(b) + in_window(toy_durations(3, 1000, 0.05, 10));
    const std::vector<double> grown = toy_durations(1, 2500, 0.05, 10);
    const std::vector<double> c_rewritten = toy_durations(3, 1500, 0.05, 10);
    const Step steps[] = {
        {"a reload of the followed run alone", [] {}, 0, in_window(followed) + b_and_c},
        {"the followed run grew",
         [&] {
             followed = grown;
             seconds = seconds_of(followed.size());
         },
         0, in_window(grown) + b_and_c},
        {"an added file rewritten", [&] { write_bytes(file("c.txt"), run_file_bytes(c_rewritten)); }, 1,
         in_window(grown) + in_window(b) + in_window(c_rewritten)},
        {"the first ten records of b left out",
         [&] { runs.exclude(file("b.txt"), read_excluded_span(QStringLiteral("10:00:01-10:00:10"))); }, 0,
         in_window(grown) + in_window(b, 10) + in_window(c_rewritten)},
        {"that span taken back", [&] { runs.remove_exclusion(file("b.txt"), 0); }, 0,
         in_window(grown) + in_window(b) + in_window(c_rewritten)},
    };
    int expected_reads = reads;
    for (const Step& s : steps) {
        s.change();
        shown = combine();
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

// The unit of runs fitted together: the one typed wins, else the followed
// run's format's; an added run whose format gives another is left out and
// said, the others combined.
TEST(WindowRuns, AnAddedRunOfAnotherUnitIsLeftOutUnlessAUnitWasTyped) {
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
        double unit_ns;  // the window's: 1000 is its format's, 10 typed
        int combined;
        const char* status;
    };
    const Case cases[] = {
        {"the format's unit", 1000, 3, "autre unité, non combiné : deux_entiers.txt (1 ns, le run suivi 1000 ns)"},
        {"a unit typed", 10, 4, ""},
    };
    for (const Case& c : cases) {
        WindowRuns runs;
        runs.set_added({two, decay, plain});
        const RunsShown shown =
            runs.combine({QStringLiteral("/a.txt"), followed, seconds, kOrigin, {}, 1000}, request(), c.unit_ns);
        EXPECT_EQ(shown.runs, static_cast<std::size_t>(c.combined)) << c.name;
        EXPECT_EQ(shown.combined_files.size(), c.combined) << c.name;
        EXPECT_EQ(shown.status, QString::fromUtf8(c.status)) << c.name;
        EXPECT_EQ(shown.table[2].back(), c.combined == 3 ? QStringLiteral("autre unité") : QString()) << c.name;
        EXPECT_TRUE(shown.combined.startsWith(QStringLiteral("combinaison de %1 runs").arg(c.combined))) << c.name;
    }
}
