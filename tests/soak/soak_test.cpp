// Soak: for a minute a writer thread appends a line every few milliseconds
// while a real main window follows the file with its real timer and event
// loop. Every line must be counted once, whatever the reloads met, and the
// window must end with the figures of an independent computation over the file.
#include "analysis/load_text.h"
#include "app/expected_figures.h"
#include "app/tform1.h"
#include "app/timer_support.h"
#include "platform/numbers.h"
#include "platform/report.h"
#include "support/recorder.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace {

QByteArray header() {
    return "soak\r\nfollowing a growing file\r\nHeure\tDur\xe9"
           "e\r\n";
}

// "HH:MM:SS\tDDD.D\r\n": one second apart from 06:00:00 on, durations from 0 to 999.9.
QByteArray line(int index, std::mt19937& random) {
    const int t = 6 * 3600 + index;
    const int tenths = static_cast<int>(random() % 10000);
    char text[64];
    const int n = std::snprintf(text, sizeof text, "%02d:%02d:%02d\t%03d.%d\r\n", t / 3600, t / 60 % 60, t % 60,
                                tenths / 10, tenths % 10);
    return QByteArray(text, n);
}

TEST(Soak, AMinuteOfAFileGrowingEveryFewMillisecondsIsCountedOnceAndRight) {
    TemporaryProgramFolder program;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("soak.txt"));
    std::mt19937 origin_random(1);
    write_bytes(path, header() + line(0, origin_random));  // the origin line
    TForm1 form;
    const RunState& etat = form.etat();
    form.Edit5->setText(QStringLiteral("1"));  // the shortest period the field gives
    recorder().open_answers.push_back(path);
    platform::report_errors([&] { form.SpeedButton_1Click(); });
    ASSERT_TRUE(recorder().messages.isEmpty());

    // The writer: a line every 2 ms for a minute, flushed; every tenth goes in
    // two pieces 1 ms apart, as from a writer whose buffer ends inside a line.
    std::atomic<int> written{0};
    std::atomic<bool> done{false};
    std::atomic<bool> write_failed{false};
    std::thread writer([&] {
        std::mt19937 random(2197);
        std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "ab");
        if (!file) {
            write_failed = true;
            done = true;
            return;
        }
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        for (int i = 1; std::chrono::steady_clock::now() < end; ++i) {
            const QByteArray bytes = line(i, random);
            const qsizetype cut = i % 10 == 0 ? 1 + i / 10 % (bytes.size() - 1) : bytes.size();
            ++written;  // before the write: the window can never have seen more
            for (const QByteArray& piece : {bytes.left(cut), bytes.mid(cut)}) {
                if (piece.isEmpty()) continue;
                if (std::fwrite(piece.constData(), 1, static_cast<std::size_t>(piece.size()), file) !=
                        static_cast<std::size_t>(piece.size()) ||
                    std::fflush(file) != 0)
                    write_failed = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(piece.size() < bytes.size() ? 1 : 2));
            }
            if (write_failed) break;
        }
        std::fclose(file);
        done = true;
    });

    // At every tick the count can only rise and never passes what was written.
    int ticks = 0;
    int last_count = 0;
    int backwards = 0;
    int ahead = 0;
    QObject::connect(form.Timer1, &QTimer::timeout, &form, [&] {
        ++ticks;
        const int count = form.StaticText1->text().toInt();
        if (count < last_count) ++backwards;
        if (count > written) ++ahead;
        last_count = count;
    });
    QElapsedTimer clock;
    clock.start();
    const bool finished = spin_until([&] { return done.load(); }, 180000);
    writer.join();
    ASSERT_TRUE(finished);
    ASSERT_FALSE(write_failed);
    // The last line is loaded at one of the next ticks, and then nothing changes.
    const int ticks_at_end = ticks;
    ASSERT_TRUE(spin_until([&] { return ticks >= ticks_at_end + 2; }, 60000));
    const int reloads = form.rechargements_par_le_timer;
    ASSERT_TRUE(spin_until([&] { return ticks >= ticks_at_end + 4; }, 60000));
    EXPECT_EQ(form.rechargements_par_le_timer, reloads) << "the file no longer changes";
    form.Timer1->stop();

    const Expected expected = expected_from(read_bytes(path));
    std::printf("soak: %d lines written in %s s, %d ticks, %d reloads by the timer\n", written.load(),
                qPrintable(QString::number(static_cast<double>(clock.elapsed()) / 1000, 'f', 1)), ticks, reloads);
    RecordProperty("lines", written.load());
    RecordProperty("reloads", reloads);
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(backwards, 0);
    EXPECT_EQ(ahead, 0);
    EXPECT_GE(reloads, 2) << "the window followed the growing file";

    ASSERT_EQ(expected.records, written.load());
    EXPECT_EQ(etat.record_store.nb_points[1], written.load());
    EXPECT_EQ(form.StaticText1->text(), QString::number(written.load()));
    EXPECT_EQ(form.Label25->text(), QString::number(expected.events));
    EXPECT_EQ(form.Memo4->toPlainText().toStdString(), listing_of(expected).join(QLatin1Char('\n')).toStdString());
    EXPECT_NEAR(static_cast<double>(etat.class_table.Tau), static_cast<double>(expected.tau),
                1e-9 * static_cast<double>(expected.tau));
    EXPECT_EQ(form.Label27->text(), platform::format_picture("0.###", expected.tau));
    EXPECT_NEAR(static_cast<double>(etat.record_store.duree_acquisition), static_cast<double>(expected.minutes), 1e-9);
    EXPECT_EQ(form.Label40->text(), texte_duree_acquisition(expected.minutes));
}

}  // namespace
