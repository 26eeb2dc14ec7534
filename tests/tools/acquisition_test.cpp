// The acquisition simulator, run as a separate process on a temporary folder.
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Result {
    int exit_code = -1;
    QByteArray out;
    QByteArray err;
};

Result run_simulator(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VORNS_ACQUISITION), arguments);
    Result result;
    if (!process.waitForStarted(10000) || !process.waitForFinished(60000)) {
        ADD_FAILURE() << "the simulator did not run: " << process.errorString().toStdString();
        return result;
    }
    result.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class AcquisitionTest : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("run.txt")) const { return dir_.filePath(name); }

    // Runs the simulator into a fresh file and returns the file's bytes.
    QByteArray generate(QStringList arguments) {
        const QString file = path(QStringLiteral("run%1.txt").arg(++runs_));
        arguments << QStringLiteral("--output") << file << QStringLiteral("--date") << QStringLiteral("2024-01-01");
        const Result result = run_simulator(arguments);
        EXPECT_EQ(result.exit_code, 0) << result.err.toStdString();
        return read_file(file);
    }

    QTemporaryDir dir_;
    int runs_ = 0;
};

// Splits at CR LF; every line must end with CR LF and hold no other CR or LF.
QList<QByteArray> lines_of(const QByteArray& bytes) {
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines) line.chop(1);
    return lines;
}

// The event lines: every line after the three title and header lines that is
// neither a comment nor the closing SAUVEGARDE line.
QList<QByteArray> event_lines(const QList<QByteArray>& lines) {
    QList<QByteArray> events;
    for (qsizetype i = 3; i < lines.size(); ++i) {
        if (!lines[i].startsWith('\'') && !lines[i].startsWith("SAUVEGARDE")) {
            events << lines[i];
        }
    }
    return events;
}

int seconds_of(const QByteArray& line) {
    const QList<QByteArray> hms = line.split('\t').at(0).split(':');
    return hms.at(0).toInt() * 3600 + hms.at(1).toInt() * 60 + hms.at(2).toInt();
}

double duration_of(const QByteArray& line) {
    QByteArray field = line.split('\t').at(1);
    return field.replace(',', '.').toDouble();
}

TEST_F(AcquisitionTest, WritesTitleLinesHeaderAndWellFormedEventLines) {
    const QList<QByteArray> lines = lines_of(generate({"--events", "300", "--start", "9:59:00", "--rate", "2"}));
    ASSERT_EQ(lines.size(), 303);
    EXPECT_TRUE(lines[0].startsWith("Acquisition"));
    EXPECT_TRUE(lines[1].contains("2024-01-01")) << lines[1].toStdString();
    EXPECT_EQ(lines[2], QByteArray("Heure\tDur\xE9"
                                   "e"));  // Windows-1252, one byte for the accent

    // Hours without a leading zero (so both 9:59:xx and 10:00:xx occur here),
    // minutes and seconds with two digits, a tab, one decimal by default.
    const QRegularExpression event(QStringLiteral("^([0-9]|1[0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]\t[0-9]+\\.[0-9]$"));
    int previous = 9 * 3600 + 59 * 60;
    bool saw_single_digit_hour = false;
    bool saw_two_digit_hour = false;
    for (qsizetype i = 3; i < lines.size(); ++i) {
        ASSERT_TRUE(event.match(QString::fromLatin1(lines[i])).hasMatch())
            << "line " << i << ": " << lines[i].toStdString();
        const int t = seconds_of(lines[i]);
        EXPECT_GE(t, previous) << "line " << i;
        previous = t;
        (lines[i].indexOf(':') == 1 ? saw_single_digit_hour : saw_two_digit_hour) = true;
    }
    EXPECT_TRUE(saw_single_digit_hour);
    EXPECT_TRUE(saw_two_digit_hour);
}

TEST_F(AcquisitionTest, DurationTextFollowsDecimalsAndComma) {
    struct Case {
        QStringList arguments;
        const char* pattern;
    };
    const Case cases[] = {
        {{"--decimals", "0"}, "^[0-9]+$"},
        {{"--decimals", "2"}, "^[0-9]+\\.[0-9]{2}$"},
        {{"--decimals=3", "--comma"}, "^[0-9]+,[0-9]{3}$"},
        {{"--comma"}, "^[0-9]+,[0-9]$"},
    };
    for (const Case& c : cases) {
        const QRegularExpression duration(QString::fromLatin1(c.pattern));
        const QList<QByteArray> events = event_lines(lines_of(generate(QStringList{"--events", "100"} + c.arguments)));
        ASSERT_EQ(events.size(), 100);
        for (const QByteArray& line : events) {
            ASSERT_TRUE(duration.match(QString::fromLatin1(line.split('\t').at(1))).hasMatch())
                << c.arguments.join(' ').toStdString() << ": " << line.toStdString();
        }
    }
}

TEST_F(AcquisitionTest, SameSeedGivesSameBytesAndAnotherSeedDoesNot) {
    const QStringList base{"--events", "500", "--background", "0.1"};
    const QByteArray first = generate(base + QStringList{"--seed", "42"});
    EXPECT_EQ(generate(base + QStringList{"--seed", "42"}), first);
    const QByteArray other = generate(base + QStringList{"--seed", "43"});
    EXPECT_NE(event_lines(lines_of(other)), event_lines(lines_of(first)));
}

TEST_F(AcquisitionTest, RunCrossingMidnightWrapsToHourZero) {
    const QList<QByteArray> events =
        event_lines(lines_of(generate({"--start", "23:59:30", "--rate", "1", "--events", "200"})));
    ASSERT_EQ(events.size(), 200);
    EXPECT_TRUE(events.first().startsWith("23:59:"));
    EXPECT_TRUE(events.last().startsWith("0:0")) << events.last().toStdString();
    // Unwrapped by one day, the times never go back.
    int previous = 0;
    int wraps = 0;
    for (const QByteArray& line : events) {
        int t = seconds_of(line);
        EXPECT_LT(t, 86400) << line.toStdString();
        if (t < 12 * 3600) t += 86400;
        wraps += t >= 86400 && previous < 86400;
        EXPECT_GE(t, previous) << line.toStdString();
        previous = t;
    }
    EXPECT_EQ(wraps, 1);
}

TEST_F(AcquisitionTest, DurationsAndArrivalsFollowTheirDistributions) {
    struct Case {
        double lifetime;
        double background;
        double max_duration;
    };
    const Case cases[] = {{219.7, 0.0, 2000.0}, {50.0, 0.5, 400.0}};
    const int n = 40000;
    const double rate = 2.0;
    for (const Case& c : cases) {
        const QList<QByteArray> events = event_lines(
            lines_of(generate({"--events", QString::number(n), "--rate", QString::number(rate), "--decimals", "3",
                               "--lifetime", QString::number(c.lifetime), "--background", QString::number(c.background),
                               "--max-duration", QString::number(c.max_duration), "--start", "0:00:00"})));
        ASSERT_EQ(events.size(), n);
        double sum = 0.0;
        double sum_of_squares = 0.0;
        for (const QByteArray& line : events) {
            const double d = duration_of(line);
            ASSERT_GE(d, 0.0);
            sum += d;
            sum_of_squares += d * d;
        }
        // Exponential part: mean T, second moment 2 T^2; flat part on [0, M]:
        // mean M / 2, second moment M^2 / 3.
        const double f = c.background;
        const double mean = (1 - f) * c.lifetime + f * c.max_duration / 2;
        const double second = (1 - f) * 2 * c.lifetime * c.lifetime + f * c.max_duration * c.max_duration / 3;
        EXPECT_NEAR(sum / n, mean, 0.02 * mean) << "lifetime " << c.lifetime;
        EXPECT_NEAR(sum_of_squares / n, second, 0.05 * second) << "lifetime " << c.lifetime;

        // Poisson arrivals: the run lasts about n / rate seconds (under a day here).
        const double span = seconds_of(events.last()) - seconds_of(events.first());
        EXPECT_NEAR(span / (n - 1), 1.0 / rate, 0.02 / rate);
    }
}

TEST_F(AcquisitionTest, CommentLinesAndSauvegardeLineArePlacedAsAsked) {
    const QList<QByteArray> lines = lines_of(generate({"--events", "25", "--comment-every", "10", "--sauvegarde"}));
    ASSERT_EQ(lines.size(), 3 + 25 + 2 + 1);
    QList<qsizetype> comments;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith('\'')) comments << i;
    }
    EXPECT_EQ(comments, (QList<qsizetype>{3 + 10, 3 + 10 + 1 + 10}));
    EXPECT_TRUE(lines.last().startsWith("SAUVEGARDE"));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_FALSE(lines[i].contains("SAUVEGARDE")) << i;
    }

    const QByteArray plain = generate({"--events", "25"});
    EXPECT_FALSE(plain.contains("SAUVEGARDE"));
    EXPECT_FALSE(plain.contains("\r\n'"));
}

// The same draws as without the pause: the events before it unchanged, every
// later one moved by its length, so the times of day hold a gap of at least
// that; with --realtime the pause is waited too.
TEST_F(AcquisitionTest, PauseLeavesAGapInTheTimesOfDay) {
    const QStringList base{"--events", "400", "--rate", "1", "--seed", "5"};
    const QList<QByteArray> plain = event_lines(lines_of(generate(base)));
    const QList<QByteArray> paused =
        event_lines(lines_of(generate(base + QStringList{"--pause-at", "120", "--pause-for", "900"})));
    ASSERT_EQ(paused.size(), plain.size());
    int moved = 0;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const int t = seconds_of(plain[i]);
        const int shift = seconds_of(paused[i]) - t;
        EXPECT_EQ(shift, t - 10 * 3600 < 120 ? 0 : 900) << plain[i].toStdString();
        EXPECT_EQ(duration_of(paused[i]), duration_of(plain[i]));
        moved += shift != 0;
        if (i > 0 && shift != 0 && seconds_of(paused[i - 1]) == seconds_of(plain[i - 1])) {
            EXPECT_GE(seconds_of(paused[i]) - seconds_of(paused[i - 1]), 900);
        }
    }
    EXPECT_GT(moved, 200);
    EXPECT_LT(moved, plain.size());

    QElapsedTimer clock;
    clock.start();
    generate({"--events", "3", "--rate", "100", "--realtime", "--speed", "10", "--pause-at", "0", "--pause-for", "10"});
    EXPECT_GE(clock.elapsed(), 1000);
}

TEST_F(AcquisitionTest, BadOptionsExitWithCodeTwoAndLeaveTheFileAlone) {
    const QList<QStringList> cases = {
        {"--bogus"},
        {"--rate"},
        {"--rate", "0"},
        {"--rate", "fast"},
        {"--rate", "nan"},
        {"--events", "-1"},
        {"--events", "12x"},
        {"--lifetime", "-3"},
        {"--background", "1.5"},
        {"--decimals", "10"},
        {"--start", "24:00:00"},
        {"--start", "10:5:00"},
        {"--comma=yes"},
        {"--realtime", "--interval-ms", "5"},
        {"--speed", "2"},
        {"--pause-at", "60"},
        {"--pause-for", "60"},
        {"--pause-at", "-1", "--pause-for", "60"},
        {"--pause-at", "60", "--pause-for", "0"},
        {"--format", "csv"},
        {"--muons", "-1"},
        {"stray"},
    };
    const QString file = path();
    for (const QStringList& arguments : cases) {
        {
            QFile existing(file);
            ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
            existing.write("keep me\r\n");
        }
        const Result result = run_simulator(QStringList{"--output", file} + arguments);
        const std::string what = arguments.join(' ').toStdString();
        EXPECT_EQ(result.exit_code, 2) << what;
        EXPECT_TRUE(result.err.endsWith('\n')) << what;
        EXPECT_EQ(result.err.count('\n'), 1) << what << ": " << result.err.toStdString();
        EXPECT_EQ(read_file(file), QByteArray("keep me\r\n")) << what;
    }
    EXPECT_EQ(run_simulator({"--events", "5"}).exit_code, 2);  // no --output
}

TEST_F(AcquisitionTest, HelpDocumentsEveryOptionAndVersionNamesTheProjectsVersion) {
    const Result result = run_simulator({"--help"});
    EXPECT_EQ(result.exit_code, 0);
    for (const char* option :
         {"--output",   "--events",   "--rate",          "--lifetime",    "--background", "--max-duration",
          "--decimals", "--comma",    "--comment-every", "--sauvegarde",  "--start",      "--seed",
          "--date",     "--realtime", "--speed",         "--interval-ms", "--pause-at",   "--pause-for",
          "--help",     "--version",  "--format",        "--muons"}) {
        EXPECT_TRUE(result.out.contains(option)) << option;
    }
    const Result version = run_simulator({"--version"});  // no --output needed
    EXPECT_EQ(version.exit_code, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QByteArray("vorns-acquisition " VORNS_VERSION "\n"));
}

TEST_F(AcquisitionTest, LiveModesSleepButWriteTheSameLines) {
    const QStringList base{"--events", "20", "--rate", "5", "--seed", "7"};
    const QByteArray at_once = generate(base);

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(generate(base + QStringList{"--interval-ms", "30"}), at_once);
    EXPECT_GE(clock.elapsed(), 19 * 30);

    // Real time, 10 times faster: the last event cannot be written before its
    // (truncated) time of day, scaled by the speed.
    const QList<QByteArray> events = event_lines(lines_of(at_once));
    const int last = seconds_of(events.last()) - 10 * 3600;
    clock.restart();
    EXPECT_EQ(generate(base + QStringList{"--realtime", "--speed", "10"}), at_once);
    EXPECT_GE(clock.elapsed(), last * 1000 / 10);
}

}  // namespace

TEST_F(AcquisitionTest, OtherApparatusFormatsWriteTheirOwnLines) {
    // Two integers: decays on the 20 ns clock within the 20 µs gate, a count record for
    // every second before an event, the seconds never going back.
    const QList<QByteArray> deux = generate({"--format", "two-integers", "--events", "50", "--seed", "4"}).split('\n');
    ASSERT_TRUE(deux.last().isEmpty());  // every line ends with LF
    const QRegularExpression forme(QStringLiteral("^(\\d+) (\\d+)$"));
    long long seconde = -1, comptages = 0, premiere = -1;
    int decays = 0;
    for (const QByteArray& ligne : deux.first(deux.size() - 1)) {
        const auto m = forme.match(QString::fromLatin1(ligne));
        ASSERT_TRUE(m.hasMatch()) << ligne.toStdString();
        const long long valeur = m.captured(1).toLongLong(), t = m.captured(2).toLongLong();
        if (premiere < 0) premiere = t;
        EXPECT_GE(t, seconde) << ligne.toStdString();
        seconde = t;
        if (valeur >= 40000) {
            EXPECT_EQ(t, premiere + comptages++) << ligne.toStdString();
        } else {
            EXPECT_EQ(valeur % 20, 0) << ligne.toStdString();
            EXPECT_LT(valeur, 20000) << ligne.toStdString();
            ++decays;
        }
    }
    EXPECT_GE(decays, 45);  // a few durations past the gate are not written
    EXPECT_EQ(seconde - premiere, comptages);

    // Decay lines: a comment line, then asctime dates and microseconds.
    const QList<QByteArray> lignes = generate({"--format", "decay-lines", "--events", "20", "--seed", "4"}).split('\n');
    ASSERT_EQ(lignes.size(), 22);
    EXPECT_TRUE(lignes[0].startsWith("# "));
    const QRegularExpression decay(
        QStringLiteral("^Decay '[A-Z][a-z]{2}_[A-Z][a-z]{2}_[_ 1-3]\\d_\\d\\d:\\d\\d:\\d\\d_2024' \\d+\\.\\d{4}$"));
    for (const QByteArray& ligne : lignes.sliced(1, 20))
        EXPECT_TRUE(decay.match(QString::fromLatin1(ligne)).hasMatch()) << ligne.toStdString();
}
