// The refresh tick driven by the real timer: the period read at one tick
// governs the next, and open message boxes never pile up.
#include "app/tform1.h"
#include "platform/files.h"
#include "platform/seams.h"
#include "support/recorder.h"
#include "timer_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

class RealTimer : public ::testing::Test {
protected:
    void TearDown() override { form.Timer1->stop(); }

    TemporaryProgramFolder program;
    QTemporaryDir folder;
    TForm1 form;
    FileState& file_state = form.etat().file_state;
};

TEST_F(RealTimer, ChangedPeriodTakesEffectFromTheNextTick) {
    QElapsedTimer clock;
    clock.start();
    form.Edit5->setText(QStringLiteral("2"));
    std::vector<qint64> ticks;
    QObject::connect(form.Timer1, &QTimer::timeout, &form, [&] {
        ticks.push_back(clock.elapsed());
        if (ticks.size() == 2) form.Edit5->setText(QStringLiteral("1"));
    });
    ASSERT_TRUE(spin_until([&] { return ticks.size() >= 4; }, 12000));
    form.Timer1->stop();

    // First period 1 s; "2" read at the first tick; "1", typed after the
    // second tick, read at the third and in effect after it.
    EXPECT_GE(ticks[0], 950);
    EXPECT_GE(ticks[1] - ticks[0], 1900);
    EXPECT_GE(ticks[2] - ticks[1], 1900);
    EXPECT_GE(ticks[3] - ticks[2], 950);
    EXPECT_LT(ticks[3] - ticks[2], 1800);
    EXPECT_EQ(form.Timer1->interval(), 1000);
}

// A timer is never re-entered by Qt while its own tick waits in a message box,
// but a box opened by anything else (another handler, the player's error)
// lets the ticks through: they must not open a box each on top of it.
TEST_F(RealTimer, TicksOpenNoBoxOnTopOfAnOpenOne) {
    form.Edit5->setText(QStringLiteral("every second"));
    form.sound_CheckBox8->setChecked(true);
    int timeouts = 0;
    QObject::connect(form.Timer1, &QTimer::timeout, &form, [&] { ++timeouts; });
    int timeouts_while_open = 0;
    QStringList messages_while_open;
    recorder().while_message_open = [&](const QString&) {
        if (recorder().messages.size() != 1) return;  // later boxes close at once
        const int before = timeouts;
        spin_event_loop(3500);  // the user reads the first box for 3.5 periods
        timeouts_while_open = timeouts - before;
        messages_while_open = recorder().messages;
    };
    const QString earlier = QStringLiteral("Cannot play the sound file.");
    QTimer::singleShot(100, &form, [&] { platform::show_message(earlier); });

    ASSERT_TRUE(spin_until([&] { return recorder().messages.size() >= 2; }, 10000));
    form.Timer1->stop();

    EXPECT_GE(timeouts_while_open, 3);
    EXPECT_EQ(messages_while_open.join(QStringLiteral(" | ")).toStdString(), earlier.toStdString());
    // Once it is closed, the next tick reports the bad field, in a box of its own.
    EXPECT_EQ(recorder().messages.at(1), QStringLiteral("'every second' is not a valid integer value"));
    EXPECT_EQ(recorder().beeps, 0);
    EXPECT_EQ(form.Timer1->interval(), 1000);
}

// The tick's own box: while it is open no further tick runs, and once the
// vanished file has been reported the stored size keeps it quiet.
TEST_F(RealTimer, VanishedFileGivesOneMessageAndIsReloadedWhenItComesBack) {
    const QString path = folder.filePath(QStringLiteral("run.txt"));
    const QByteArray header =
        "Run 7\r\n2026-03-02\r\nHeure\tDur\xe9"
        "e\r\n";
    write_bytes(path, header + "10:00:00\t120.5\r\n");
    file_state.fichier_donnees = path;
    file_state.taille_precedente = platform::file_size(path);
    file_state.date_precedente = platform::file_stamp(path);
    form.Edit5->setText(QStringLiteral("1"));
    int timeouts = 0;
    QObject::connect(form.Timer1, &QTimer::timeout, &form, [&] { ++timeouts; });
    recorder().while_message_open = [](const QString&) { spin_event_loop(2500); };

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(spin_until([&] { return form.rechargements_par_le_timer == 1 && timeouts >= 5; }, 15000));
    EXPECT_EQ(form.rechargements_par_le_timer, 1);
    ASSERT_EQ(recorder().messages.size(), 1);
    EXPECT_TRUE(recorder().messages.front().startsWith(QStringLiteral("Cannot open file \"")))
        << recorder().messages.front().toStdString();
    EXPECT_EQ(file_state.taille_precedente, -1);

    write_bytes(path, header + "10:00:00\t120.5\r\n10:00:04\t88.0\r\n");
    ASSERT_TRUE(spin_until([&] { return form.rechargements_par_le_timer == 2; }, 5000));
    spin_event_loop(1200);
    EXPECT_EQ(form.rechargements_par_le_timer, 2);
    EXPECT_EQ(recorder().messages.size(), 1);
    EXPECT_EQ(file_state.taille_precedente, platform::file_size(path));
}

}  // namespace
