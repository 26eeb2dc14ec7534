// The refresh tick driven by the real timer: the period read at one tick
// governs the next, and a run is followed whatever box is open.
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

    // A run of one line, the followed file, not loaded yet.
    void follow_a_run() {
        write_bytes(path, header + "10:00:00\t120.5\r\n");
        file_state.fichier_donnees = path;
    }

    TemporaryProgramFolder program;
    QTemporaryDir folder;
    TForm1 form;
    FileState& file_state = form.etat().file_state;
    const QString path = folder.filePath(QStringLiteral("run.txt"));
    const QByteArray header =
        "Run 7\r\n2026-03-02\r\nHeure\tDur\xe9"
        "e\r\n";
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

// A box opened by anything else than the tick (another handler, a user who
// has gone) lets the ticks through. They follow the run under it, and open
// no box of their own: a period that cannot be read is said in the status line.
TEST_F(RealTimer, TicksUnderAnOpenBoxFollowTheRunAndOpenNoBox) {
    follow_a_run();
    form.Edit5->setText(QStringLiteral("every second"));
    form.sound_CheckBox8->setChecked(true);
    int timeouts = 0;
    QObject::connect(form.Timer1, &QTimer::timeout, &form, [&] { ++timeouts; });
    int timeouts_while_open = 0;
    int reloads_while_open = 0;
    recorder().while_message_open = [&](const QString&) {
        const int before = timeouts;
        spin_event_loop(1200);
        write_bytes(path, header + "10:00:00\t120.5\r\n10:00:03\t88.5\r\n");
        spin_event_loop(2300);  // the user reads the box for 3.5 periods
        timeouts_while_open = timeouts - before;
        reloads_while_open = form.rechargements_par_le_timer;
    };
    const QString earlier = QStringLiteral("Cannot play the sound file.");
    QTimer::singleShot(100, &form, [&] { platform::show_message(earlier); });

    ASSERT_TRUE(spin_until([&] { return timeouts_while_open > 0 && timeouts > timeouts_while_open; }, 10000));
    form.Timer1->stop();

    EXPECT_GE(timeouts_while_open, 3);
    EXPECT_GE(reloads_while_open, 2);  // the file chosen, then grown under the box
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("1"));
    EXPECT_EQ(recorder().messages, QStringList(earlier));
    EXPECT_EQ(form.Label_etat_chargement->text(),
              QStringLiteral("refresh period [s] : 'every second' is not a valid integer value"));
    EXPECT_GE(recorder().beeps, timeouts_while_open);
    EXPECT_EQ(form.Timer1->interval(), 1000);
}

// A followed file that vanishes is said in the status line, once, and the
// ticks go on: it is reloaded when it comes back.
TEST_F(RealTimer, VanishedFileIsSaidOnceAndIsReloadedWhenItComesBack) {
    follow_a_run();
    file_state.taille_precedente = platform::file_size(path);
    file_state.date_precedente = platform::file_stamp(path);
    form.Edit5->setText(QStringLiteral("1"));
    int timeouts = 0;
    QObject::connect(form.Timer1, &QTimer::timeout, &form, [&] { ++timeouts; });

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(spin_until([&] { return form.rechargements_par_le_timer == 1 && timeouts >= 3; }, 15000));
    EXPECT_EQ(form.rechargements_par_le_timer, 1);
    EXPECT_TRUE(form.Label_etat_chargement->text().startsWith(QStringLiteral("Cannot open file \"")))
        << form.Label_etat_chargement->text().toStdString();
    EXPECT_EQ(file_state.taille_precedente, -1);

    write_bytes(path, header + "10:00:00\t120.5\r\n10:00:04\t88.0\r\n");
    ASSERT_TRUE(spin_until([&] { return form.rechargements_par_le_timer == 2; }, 5000));
    spin_event_loop(1200);
    EXPECT_EQ(form.rechargements_par_le_timer, 2);
    EXPECT_EQ(form.Label_etat_chargement->text(), QString());
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|').toStdString();
    EXPECT_EQ(file_state.taille_precedente, platform::file_size(path));
}

}  // namespace
