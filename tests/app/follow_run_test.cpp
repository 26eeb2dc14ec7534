// Following a live run: the acquisition simulator appends to a data file in
// a separate process while a real main window follows it with its timer.
// At the end the window must show what a plain computation over the written
// file gives, and stop reloading once the file no longer changes.
#include "app/tform1.h"
#include "expected_figures.h"
#include "platform/numbers.h"
#include "platform/report.h"
#include "support/recorder.h"
#include "timer_support.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FollowRun : public ::testing::Test {
protected:
    void TearDown() override {
        form.Timer1->stop();
        if (simulator.state() != QProcess::NotRunning) {
            simulator.kill();
            simulator.waitForFinished(5000);
        }
    }

    TemporaryProgramFolder program;
    QTemporaryDir folder;
    TForm1 form;
    ClassTable& class_table = form.etat().class_table;
    FileState& file_state = form.etat().file_state;
    QProcess simulator;
};

TEST_F(FollowRun, WindowEndsWithTheFiguresOfTheWrittenFileAndThenStopsReloading) {
#ifndef VORNS_ACQUISITION
    GTEST_SKIP() << "the acquisition simulator is not part of this build";
#else
    const QString path = folder.filePath(QStringLiteral("live.txt"));
    // A flat background puts some durations beyond the shown classes; the
    // decimal comma and the comment lines are read like an acquisition's.
    simulator.start(
        QStringLiteral(VORNS_ACQUISITION),
        {QStringLiteral("--output"), path, QStringLiteral("--events"), QStringLiteral("70"),
         QStringLiteral("--interval-ms"), QStringLiteral("70"), QStringLiteral("--seed"), QStringLiteral("2197"),
         QStringLiteral("--background"), QStringLiteral("0.1"), QStringLiteral("--decimals"), QStringLiteral("2"),
         QStringLiteral("--comma"), QStringLiteral("--comment-every"), QStringLiteral("25"),
         QStringLiteral("--sauvegarde"), QStringLiteral("--date"), QStringLiteral("2026-03-02")});
    ASSERT_TRUE(simulator.waitForStarted(10000)) << simulator.errorString().toStdString();
    // The user picks the file as soon as the run has created it, before any
    // record; the window then follows it.
    ASSERT_TRUE(spin_until([&] { return QFile::exists(path); }, 10000));
    form.Edit5->setText(QStringLiteral("1"));
    recorder().open_answers.push_back(path);
    platform::report_errors([&] { form.SpeedButton_1Click(); });
    ASSERT_EQ(file_state.fichier_donnees.toStdString(), path.toStdString());

    int ticks = 0;
    QStringList counts_seen;
    QObject::connect(form.Timer1, &QTimer::timeout, &form, [&] {
        ++ticks;
        if (counts_seen.isEmpty() || counts_seen.back() != form.StaticText1->text())
            counts_seen << form.StaticText1->text();
    });
    ASSERT_TRUE(spin_until([&] { return simulator.state() == QProcess::NotRunning; }, 60000));
    ASSERT_EQ(simulator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(simulator.exitCode(), 0) << simulator.readAllStandardError().toStdString();
    // The last line is seen at one of the next two ticks.
    const int ticks_at_end = ticks;
    ASSERT_TRUE(spin_until([&] { return ticks >= ticks_at_end + 2; }, 10000));

    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(QStringLiteral(" | ")).toStdString();
    EXPECT_GE(form.rechargements_par_le_timer, 2) << "the window followed the growing file";
    EXPECT_GE(counts_seen.size(), 2) << "the record count rose while the run went on";

    const Expected expected = expected_from(read_bytes(path));
    ASSERT_EQ(expected.records, 69);
    ASSERT_GT(expected.events, 0);
    ASSERT_LT(expected.events, expected.records) << "some durations should lie beyond the shown classes";
    EXPECT_EQ(form.StaticText1->text(), QString::number(expected.records));
    EXPECT_EQ(form.Memo4->toPlainText().toStdString(), listing_of(expected).join(QLatin1Char('\n')).toStdString());
    EXPECT_NEAR(static_cast<double>(class_table.Tau), static_cast<double>(expected.tau),
                1e-9 * static_cast<double>(expected.tau));
    EXPECT_EQ(form.Label27->text(), platform::format_picture("0.###", expected.tau));
    EXPECT_EQ(form.Label25->text(), QString::number(expected.events));

    // The file no longer changes: further ticks do not load it again.
    const int reloads = form.rechargements_par_le_timer;
    const QStringList memo = form.Memo1->lines();
    const int ticks_before = ticks;
    ASSERT_TRUE(spin_until([&] { return ticks >= ticks_before + 3; }, 10000));
    EXPECT_EQ(form.rechargements_par_le_timer, reloads);
    EXPECT_TRUE(form.Memo1->lines() == memo);
    EXPECT_TRUE(recorder().messages.isEmpty());
#endif
}

}  // namespace
