// The session of a followed run without a window: its reload in one order,
// whatever order its readers are connected in, and the alarm of a run that
// stopped, raised once and cleared by the next record.
#include "fit/run/window_runs.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "session/session.h"
#include "support/qstring_print.h"
#include "support/recorder.h"
#include "support/timed_run.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <array>
#include <functional>
#include <vector>

namespace {

// Four records a second from 10:00:00, durations 101, 102, ... cycling over 400.
QByteArray records(int from_s, int seconds) {
    std::vector<int> at;
    for (int s = from_s; s < from_s + seconds; ++s) at.insert(at.end(), 4, s);
    QByteArray bytes = timed_records(at, 101);
    return bytes;
}

}  // namespace

// Every reader of the reload signal, in every order, reads the same figures:
// the session made all of them before it said the reload was done.
TEST(RunSession, EveryOrderOfTheReloadsReadersGivesTheSameFigures) {
    QTemporaryDir dir;
    const QString followed = dir.filePath(QStringLiteral("run.txt"));
    const QString added = dir.filePath(QStringLiteral("added.txt"));
    write_bytes(added, timed_run(every(1, 300)));
    using Figures = std::vector<double>;
    using Reader = std::function<void(RunSession&, Figures&)>;
    const std::array<Reader, 4> readers = {
        // The rate tab, with a bin width of its own.
        [](RunSession& s, Figures& f) {
            const rate::RateAnalysis& a = s.watch().analyse(s.data(), rate::RateChoices{60, true});
            f.insert(f.end(), {a.rate_per_hour, a.live_s});
        },
        // The main window's figures and the fit window's fit and forecast.
        [](RunSession& s, Figures& f) {
            f.insert(f.end(), {static_cast<double>(s.data().class_table.Tau), s.analysis()->result.tau,
                               s.analysis()->forecast.hours, s.analysis()->forecast.events_per_hour});
        },
        // The runs tab.
        [](RunSession& s, Figures& f) { f.push_back(s.combination().combination.combined.tau); },
        // The alarm and the live time it judges with.
        [](RunSession& s, Figures& f) { f.insert(f.end(), {s.stopped() ? 1.0 : 0.0, s.rate().live_s}); },
    };
    std::array<int, 4> order{0, 1, 2, 3};
    std::vector<std::array<Figures, 4>> seen;  // each order's figures, by reader
    do {
        write_bytes(followed, timed_run({}) + records(1, 100));
        RunSession session;
        session.set_fit_choices(FitChoices(), false);
        session.set_fitting(true);
        session.runs().set_added({added});
        std::array<Figures, 4> figures;
        for (const int i : order) {
            QObject::connect(&session, &RunSession::reloaded, [&, i] { readers[i](session, figures[i]); });
        }
        session.follow(followed);
        append_bytes(followed, records(101, 50));
        session.reload();
        EXPECT_TRUE(session.error().isEmpty()) << session.error();
        seen.push_back(figures);
    } while (std::next_permutation(order.begin(), order.end()));
    ASSERT_EQ(seen.size(), 24u);
    const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    for (const std::array<Figures, 4>& f : seen) {
        for (std::size_t r = 0; r < f.size(); ++r) {
            ASSERT_EQ(f[r].size(), seen.front()[r].size());
            for (std::size_t k = 0; k < f[r].size(); ++k) {
                EXPECT_TRUE(same(f[r][k], seen.front()[r][k])) << "reader " << r << " figure " << k;
            }
        }
    }
    // The figures are those of runs that were read and fitted.
    EXPECT_GT(seen.front()[0][0], 0);
    EXPECT_TRUE(std::isfinite(seen.front()[1][1]));
    EXPECT_TRUE(std::isfinite(seen.front()[2][0]));
}

// A followed run that grows, pauses and grows again on the session's clock:
// one alarm for the pause, said through one notification, cleared by the
// next record; a reload of an unchanged file makes no fit.
TEST(RunSession, APauseRaisesOneAlarmTheNextRecordClearsIt) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("run.txt"));
    write_bytes(file, timed_run({}) + records(1, 60));
    double now = 0;
    RunSession session;
    session.set_clock([&now] { return now; });
    session.set_period_s(1);
    session.set_fit_choices(FitChoices(), false);
    session.set_fitting(true);
    int raised = 0;
    bool was = false;
    QObject::connect(&session, &RunSession::alarm_changed, [&] {
        raised += session.stopped() && !was;
        was = session.stopped();
    });
    session.follow(file);
    append_bytes(file, records(61, 10));
    now = 1;
    EXPECT_TRUE(session.tick());
    // At four records a second a gap is longer than ln(1000) / 4 s (1.7 s) and two periods.
    struct Step {
        double at;
        bool grows;
        bool stopped;
    };
    const Step steps[] = {{1.5, false, false}, {3.0, false, false}, {3.5, false, true},
                          {9.0, false, true},  {9.5, true, false}, {10.0, false, false}};
    for (const Step& s : steps) {
        if (s.grows) append_bytes(file, records(71, 1));
        now = s.at;
        const int reloads = session.reloads();
        session.tick();
        EXPECT_EQ(session.reloads() - reloads, s.grows ? 1 : 0) << s.at;
        EXPECT_EQ(session.stopped(), s.stopped) << s.at;
    }
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(recorder().notifications.size(), 1);
    // A reload of the same bytes: the fit's events are those of the last fit.
    session.reload();
    EXPECT_FALSE(session.analysis()->refitted);
}

// The alarm is armed only while the run is followed with a running refresh,
// after the file grew while followed, past the longer of a gap at the run's
// rate and two refresh periods.
TEST(RunSession, TheAlarmWaitsForAGapAndTwoRefreshPeriods) {
    struct Case {
        double period_s;  // 0: the refresh is stopped
        double age_s;
        bool stopped;
        bool grows = true;  // the file grew while followed (else: a run that had ended)
    };
    // 100 records ten seconds apart: a gap at 360 an hour is longer than ln(1000) / r = 69 s.
    const Case cases[] = {
        {1, 68, false}, {1, 70, true}, {100, 150, false}, {100, 201, true}, {0, 5000, false}, {1, 5000, false, false},
    };
    QTemporaryDir dir;
    int n = 0;
    for (const Case& c : cases) {
        const QString file = dir.filePath(QStringLiteral("run%1.txt").arg(++n));
        write_bytes(file, timed_run(every(10, 99)));
        double now = 0;
        RunSession session;
        session.set_clock([&now] { return now; });
        session.set_period_s(c.period_s);
        session.follow(file);
        if (c.grows) {
            append_bytes(file, timed_records({1000}, 200));
            session.reload();
        }
        now = c.age_s;
        session.tick();
        EXPECT_EQ(session.stopped(), c.stopped) << c.period_s << " s, age " << c.age_s;
    }
}

// A session on a state its owner holds (the main window's) makes the records
// and classes there. A run whose unit is known takes its class choices (dX and
// X max chosen in time); a run of unknown unit after it, those held before; a
// choice refused is said, the records still made.
TEST(RunSession, AKnownUnitGivesItsClassChoicesInTheStateItsOwnerHolds) {
    RunData data;
    RunSession session(data);
    session.set_class_choices({20, 1500, false});
    session.follow(QStringLiteral(VORNS_SOURCE_DIR "/fichiers/deux_entiers.txt"));  // ns, longest decay 17980 ns
    EXPECT_EQ(session.class_choices().dX, 100);
    EXPECT_EQ(session.class_choices().x_max, 18000);
    EXPECT_EQ(data.choix_des_classes.x_max, 18000);
    EXPECT_EQ(session.load().classes.n_classe, 180);
    EXPECT_GT(data.record_store.nb_points[1], 0);

    session.follow(QStringLiteral(VORNS_SOURCE_DIR "/fichiers/muon_run.txt"));  // no unit
    EXPECT_EQ(session.class_choices().dX, 20);
    EXPECT_EQ(session.class_choices().x_max, 1500);
    EXPECT_EQ(session.load().classes.n_classe, 75);

    session.set_class_choices({0, 800, false});
    session.reload();
    EXPECT_TRUE(session.error().startsWith(QStringLiteral("dX = 0"))) << session.error();
    EXPECT_GT(data.record_store.nb_points[1], 0);
}

// The file as the session reads it: Windows-1252 or UTF-8 with or without its
// mark (even a mark before Windows-1252 bytes), any line end, give the same
// lines and records; an empty line (LF then CR is two breaks) ends the data.
TEST(RunSession, EncodingsMarksAndLineEndsGiveTheSameRun) {
    const QByteArray cases[] = {
        "Run 12\r\nSample\r\nHeure\tDur\xE9"
        "e\r\n10:00:00\t3\r\n10:01:00\t2.5\r\n10:02:30\t1,5\r\n",
        "Run 12\nSample\nHeure\tDur\xE9"
        "e\n10:00:00\t3\n10:01:00\t2.5\n10:02:30\t1,5\n",
        "Run 12\rSample\rHeure\tDur\xE9"
        "e\r10:00:00\t3\r10:01:00\t2.5\r10:02:30\t1,5\r",
        "Run 12\r\nSample\nHeure\tDur\xE9"
        "e\r10:00:00\t3\n\r10:01:00\t2.5\r\n10:02:30\t1,5\n",
        "\xEF\xBB\xBFRun 12\r\nSample\r\nHeure\tDur\xC3\xA9"
        "e\r\n10:00:00\t3\r\n10:01:00\t2.5\r\n10:02:30\t1,5\r\n",
        "\xEF\xBB\xBFRun 12\r\nSample\r\nHeure\tDur\xE9"
        "e\r\n10:00:00\t3\r\n10:01:00\t2.5\r\n10:02:30\t1,5\r\n",
    };
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("run.txt"));
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.toStdString());
        write_bytes(file, bytes);
        RunSession session;
        session.follow(file);
        const RecordStore& store = session.data().record_store;
        EXPECT_TRUE(session.error().isEmpty()) << session.error();
        ASSERT_GE(session.lines().size(), 3);
        EXPECT_EQ(session.lines().at(0), QStringLiteral("Run 12"));
        EXPECT_EQ(session.lines().at(2), QStringLiteral("Heure\tDurée"));
        const bool empty_line = bytes.contains("\n\r");
        ASSERT_EQ(store.nb_points[1], empty_line ? 0 : 2);
        if (empty_line) continue;
        EXPECT_EQ(store.cumul_durees, 4.0L);
        EXPECT_EQ(store.duree_acquisition, 2.5L);
        EXPECT_EQ(store.serie_x[1][2], 2.5);
        EXPECT_EQ(store.serie_y[1][2], 1.5);
    }
}

// The reload decision on the followed file as it is on disk: a rewrite is seen
// by its size, its stamp, or, same size within the same two-second stamp, by
// its lines while the change is recent; the load then keeps the new size and stamp.
TEST(RunSession, ARewriteIsSeenBySizeStampOrLines) {
    const auto stamp = [](const QString& path, const QDateTime& when) {
        QFile f(path);
        return f.open(QIODevice::ReadWrite) && f.setFileTime(when, QFileDevice::FileModificationTime);
    };
    const QByteArray original = "Run\r\nS\r\nHeure\tD\r\n10:00:10\t100.5\r\n10:00:11\t107.5\r\n10:00:12\t114.5\r\n";
    QByteArray same_size = original;
    same_size.replace("114.5", "194.5");
    struct Case {
        const char* what;
        QByteArray rewritten;
        qint64 seconds_later;  // the new stamp after the one loaded
    };
    const Case cases[] = {{"same size, same two-second stamp", same_size, 0},
                          {"same size, later stamp", same_size, 10},
                          {"larger, same stamp", original + "10:00:13\t121.5\r\n", 0},
                          {"shorter, same stamp", original.chopped(16), 0}};
    const QDateTime base = QDateTime::currentDateTime().addSecs(-3600);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("run.txt"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write_bytes(file, original);
        ASSERT_TRUE(stamp(file, base));
        RunSession session;
        session.follow(file);
        EXPECT_FALSE(session.wants_reload());
        write_bytes(file, c.rewritten);
        ASSERT_TRUE(stamp(file, base.addSecs(c.seconds_later)));
        EXPECT_TRUE(session.tick());
        EXPECT_EQ(session.data().file_state.taille_precedente, platform::file_size(file));
        EXPECT_EQ(session.data().file_state.date_precedente, platform::file_stamp(file));
    }
}

// A growing run of known unit (two integers a line, ns) followed reload after
// reload ends as a fresh load of its file: the same records, counts, class
// choices (its gate grew with its durations) and classes. A line caught half
// written is neither a record nor a skipped line until its line end.
TEST(RunSession, AGrowingRunOfKnownUnitEndsAsAFreshLoadOfItsFile) {
    const qint64 t0 = 1772442000;
    const auto lines = [t0](int from, int to) {
        QByteArray bytes;
        for (int k = from; k < to; ++k) {
            bytes += "40001 " + QByteArray::number(t0 + k) + '\n';  // a count line a second
            bytes += QByteArray::number(100 + 37 * k) + ' ' + QByteArray::number(t0 + k) + '\n';
        }
        return bytes;
    };
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("live.txt"));
    write_bytes(file, lines(0, 20));
    RunSession followed;
    followed.follow(file);
    const long double first_gate = followed.class_choices().x_max;
    for (int part = 1; part < 4; ++part) {
        append_bytes(file, lines(20 * part, 20 * part + 20));
        followed.reload();
    }
    const QByteArray half = "2400 " + QByteArray::number(t0 + 90);
    append_bytes(file, half.left(8));
    followed.reload();
    EXPECT_EQ(followed.load().enregistrements.nb_lignes_ignorees, 0);
    EXPECT_EQ(followed.data().record_store.nb_points[1], 80);
    append_bytes(file, half.mid(8) + '\n');
    followed.reload();
    RunSession fresh;
    fresh.follow(file);
    for (RunSession* s : {&followed, &fresh}) {
        EXPECT_TRUE(s->error().isEmpty()) << s->error();
        EXPECT_EQ(s->load().enregistrements.nb_lignes_ignorees, 0);
    }
    const RecordStore& a = followed.data().record_store;
    const RecordStore& b = fresh.data().record_store;
    ASSERT_EQ(a.nb_points[1], 81);
    ASSERT_EQ(b.nb_points[1], 81);
    for (std::size_t k = 1; k <= 81; ++k) {
        EXPECT_EQ(a.serie_x[1][k], b.serie_x[1][k]) << k;
        EXPECT_EQ(a.serie_y[1][k], b.serie_y[1][k]) << k;
    }
    EXPECT_EQ(followed.data().comptages, fresh.data().comptages);
    EXPECT_GT(followed.class_choices().x_max, first_gate);
    EXPECT_EQ(followed.class_choices().dX, fresh.class_choices().dX);
    EXPECT_EQ(followed.class_choices().x_max, fresh.class_choices().x_max);
    EXPECT_EQ(followed.load().classes.n_classe, fresh.load().classes.n_classe);
    EXPECT_EQ(followed.data().class_table.Tau, fresh.data().class_table.Tau);
}
