// The refresh tick on a real main window: period, heartbeat, reload decision
// and sound, called directly one tick at a time.
#include "app/qt_seams.h"
#include "app/tform1.h"
#include "platform/files.h"
#include "platform/report.h"
#include "support/recorder.h"
#include "support/window.h"
#include "timer_support.h"

#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QRgb kOlive = qRgb(128, 128, 0);
const QRgb kTeal = qRgb(0, 128, 128);

const QByteArray kHeader =
    "Run 12\r\n2026-03-02 detector B\r\nHeure\tDur\xe9"
    "e\r\n";

QByteArray data_lines(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray("10:00:") + QByteArray::number(10 + i) + "\t" + QByteArray::number(100 + 7 * i) + ".5\r\n";
    return bytes;
}

class Tick : public ::testing::Test {
protected:
    // One tick as the timer raises it: inside the error report.
    void tick() {
        platform::report_errors([this] { form.Timer1Timer(); });
    }

    // A data file that has just been loaded: what the load saw of it is stored.
    QString loaded_file(const QByteArray& bytes) {
        const QString path = folder.filePath(QStringLiteral("run.txt"));
        write_bytes(path, bytes);
        file_state.fichier_donnees = path;
        platform::report_errors([&] { form.charge_le_fichier(path); });
        return path;
    }

    int reloads() const { return form.rechargements_par_le_timer; }

    TemporaryProgramFolder program;  // holds no "ding1.wav" unless a test puts one there
    QTemporaryDir folder;
    TForm1 form;
    FileState& file_state = form.etat().file_state;
};

TEST_F(Tick, TimerRunsFromStartWithAFirstPeriodOfOneSecond) {
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_EQ(form.Timer1->interval(), 1000);
    // The timer really raises the tick: the heartbeat turns olive.
    const QRgb design = form.Panel1->color().rgb();
    ASSERT_NE(design, kOlive);
    EXPECT_TRUE(spin_until([&] { return form.Panel1->color().rgb() == kOlive; }, 5000));
    EXPECT_NE(design, form.Panel1->color().rgb());
}

TEST_F(Tick, HeartbeatAlternatesOliveAndTeal) {
    const QRgb expected[] = {kOlive, kTeal, kOlive, kTeal};
    for (QRgb colour : expected) {
        tick();
        EXPECT_EQ(form.Panel1->color().rgb(), colour);
    }
    // Any colour other than olive becomes olive.
    form.Panel1->setColor(QColor(1, 2, 3));
    tick();
    EXPECT_EQ(form.Panel1->color().rgb(), kOlive);
}

TEST_F(Tick, PeriodFromTheRefreshFieldGovernsTheFollowingTicks) {
    form.Edit5->setText(QStringLiteral("5"));
    tick();
    EXPECT_EQ(form.Timer1->interval(), 5000);
    EXPECT_TRUE(form.Timer1->isActive());
    form.Edit5->setText(QStringLiteral("2"));
    tick();
    EXPECT_EQ(form.Timer1->interval(), 2000);
    EXPECT_TRUE(form.Timer1->isActive());
    form.Edit5->setText(QStringLiteral(" +3"));
    tick();
    EXPECT_EQ(form.Timer1->interval(), 3000);
}

TEST_F(Tick, SettingTheSamePeriodAgainDoesNotRestartTheCount) {
    form.Edit5->setText(QStringLiteral("5"));
    tick();
    ASSERT_EQ(form.Timer1->interval(), 5000);
    spin_event_loop(600);
    tick();  // same period
    // A restarted count would again have (nearly) the whole 5 s to run.
    EXPECT_LT(form.Timer1->remainingTime(), 4700);
    EXPECT_GT(form.Timer1->remainingTime(), 0);
}

TEST_F(Tick, ZeroOrNegativePeriodStopsTheTimerButTheTickGoesOn) {
    for (const char* text : {"0", "-3", "-0"}) {
        SCOPED_TRACE(text);
        form.Timer1->start(1000);
        form.Panel1->setColor(QColor(kTeal));
        form.sound_CheckBox8->setChecked(true);
        const int beeps = recorder().beeps;
        form.Edit5->setText(QString::fromLatin1(text));
        tick();
        EXPECT_FALSE(form.Timer1->isActive());
        EXPECT_EQ(form.Panel1->color().rgb(), kOlive);  // the rest of the tick still ran
        EXPECT_EQ(recorder().beeps, beeps + 1);
        EXPECT_TRUE(recorder().messages.isEmpty());
    }
    // No tick comes any more.
    const QRgb colour = form.Panel1->color().rgb();
    spin_event_loop(1500);
    EXPECT_EQ(form.Panel1->color().rgb(), colour);
}

// A period that cannot be read keeps the period in effect, is said in the
// status line, and stops nothing else: the run is still followed.
TEST_F(Tick, RefreshFieldWithoutAWholeNumberIsSaidAndTheRunIsStillFollowed) {
    const QString path = loaded_file(kHeader + data_lines(3));
    form.sound_CheckBox8->setChecked(true);
    form.Edit5->setText(QStringLiteral("4"));
    tick();
    ASSERT_EQ(form.Timer1->interval(), 4000);

    int lines = 3;
    for (const char* text : {"abc", "", "2.5", "5s", "99999999999"}) {
        SCOPED_TRACE(text);
        append_bytes(path, data_lines(1));
        ++lines;
        const QRgb colour = form.Panel1->color().rgb();
        const int beeps = recorder().beeps;
        const int before = reloads();
        form.Edit5->setText(QString::fromLatin1(text));
        tick();
        EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|').toStdString();
        EXPECT_EQ(
            form.Label_etat_chargement->text(),
            QStringLiteral("refresh period [s] : '%1' is not a valid integer value").arg(QString::fromLatin1(text)));
        EXPECT_EQ(form.Timer1->interval(), 4000);
        EXPECT_TRUE(form.Timer1->isActive());
        EXPECT_NE(form.Panel1->color().rgb(), colour);
        EXPECT_EQ(reloads(), before + 1);
        EXPECT_EQ(form.StaticText1->text(), QString::number(lines - 1));  // the first line is the origin
        EXPECT_EQ(recorder().beeps, beeps + 1);
    }
    form.Edit5->setText(QStringLiteral("2"));
    tick();
    EXPECT_EQ(form.Timer1->interval(), 2000);
    EXPECT_EQ(form.Label_etat_chargement->text(), QString());
}

TEST_F(Tick, NoFileChosenLoadsNothing) {
    form.CheckBox2->setChecked(false);
    tick();
    tick();
    EXPECT_EQ(reloads(), 0);
    EXPECT_EQ(file_state.taille_precedente, 0);
    EXPECT_TRUE(recorder().messages.isEmpty());
}

TEST_F(Tick, GrownFileIsReloadedOnceAtTheNextTick) {
    const QString path = loaded_file(kHeader + data_lines(4));
    tick();
    EXPECT_EQ(reloads(), 0) << "unchanged file";

    append_bytes(path, "10:01:30\t321.5\r\n");
    const std::int32_t grown = platform::file_size(path);
    tick();
    EXPECT_EQ(reloads(), 1);
    EXPECT_EQ(form.Label15->text(), QStringLiteral("10:01:30\t321.5"));
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("4"));
    EXPECT_EQ(file_state.taille_precedente, grown);
    EXPECT_EQ(file_state.date_precedente, platform::file_stamp(path));

    tick();
    tick();
    EXPECT_EQ(reloads(), 1) << "unchanged since the reload";
}

// A line caught while the acquisition writes it is no record until its line
// end comes: "11:06:40<TAB>1" of "11:06:40<TAB>123.4" made a record of
// duration 1 until the next tick.
TEST_F(Tick, ALineStillBeingWrittenWaitsForItsLineEnd) {
    const QString path = loaded_file(kHeader + data_lines(4));
    const QString tau = form.Label27->text();
    append_bytes(path, "11:06:40\t1");
    tick();
    EXPECT_EQ(reloads(), 1);
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("3"));
    EXPECT_EQ(form.Label27->text(), tau);
    EXPECT_TRUE(form.Label_etat_chargement->text().contains(QStringLiteral("pas de fin de ligne")))
        << form.Label_etat_chargement->text().toStdString();

    append_bytes(path, "23.4\r\n");
    tick();
    EXPECT_EQ(reloads(), 2);
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("4"));
    const RecordStore& store = form.etat().record_store;
    EXPECT_EQ(store.serie_y[1][4], 123.4);
    EXPECT_TRUE(form.Label_etat_chargement->text().isEmpty()) << form.Label_etat_chargement->text().toStdString();
}

TEST_F(Tick, WithoutTheChangeTestEveryTickReloads) {
    loaded_file(kHeader + data_lines(2));
    form.CheckBox2->setChecked(false);
    for (int i = 1; i <= 3; ++i) {
        tick();
        EXPECT_EQ(reloads(), i);
    }
    form.CheckBox2->setChecked(true);
    tick();
    EXPECT_EQ(reloads(), 3);
}

TEST_F(Tick, VanishedFileIsLoadedOnceThenNotUntilItComesBack) {
    const QString path = loaded_file(kHeader + data_lines(3));
    ASSERT_TRUE(QFile::remove(path));
    tick();
    EXPECT_EQ(reloads(), 1);
    EXPECT_EQ(file_state.taille_precedente, -1);
    EXPECT_EQ(file_state.date_precedente, -1);
    // Said once in the status line, never in a box: nobody may be there to close it.
    const QString said = form.Label_etat_chargement->text();
    EXPECT_TRUE(said.startsWith(QStringLiteral("Cannot open file \"")) && !said.contains(u';')) << said.toStdString();

    tick();
    tick();
    EXPECT_EQ(reloads(), 1);
    EXPECT_EQ(form.Label_etat_chargement->text(), said);

    write_bytes(path, kHeader + data_lines(5));
    tick();
    EXPECT_EQ(reloads(), 2);
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("4"));  // five event lines, the first is the origin
    EXPECT_EQ(file_state.taille_precedente, platform::file_size(path));
    EXPECT_EQ(form.Label_etat_chargement->text(), QString());
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|').toStdString();
}

TEST_F(Tick, SoundAtEveryTickWhenTicked) {
    struct Case {
        const char* what;
        bool sound;
        bool wave_present;
        bool file_chosen;
        int plays;
        int beeps;
    };
    const Case cases[] = {
        {"sound off", false, true, true, 0, 0},
        {"no wave file: beep", true, false, false, 0, 2},
        {"no wave file, file chosen: beep", true, false, true, 0, 2},
        {"wave file: played", true, true, false, 2, 0},
        {"wave file, file chosen: played", true, true, true, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryProgramFolder own_folder;
        const QString wave = own_folder.file(QStringLiteral("ding1.wav"));
        if (c.wave_present) write_bytes(wave, QByteArray("RIFF----WAVE"));
        file_state = FileState{};
        if (c.file_chosen) loaded_file(kHeader + data_lines(2));
        recorder().played.clear();
        recorder().beeps = 0;
        form.sound_CheckBox8->setChecked(c.sound);

        tick();
        tick();  // unchanged file: the sound comes all the same
        EXPECT_EQ(recorder().played.size(), c.plays);
        for (const QString& played : recorder().played) EXPECT_EQ(played, wave);
        EXPECT_EQ(recorder().beeps, c.beeps);
        EXPECT_TRUE(recorder().messages.isEmpty());
    }
}

// A dX applied that cannot be read is said in its box, then in the status line
// at every reload until it is mended; the classes keep the last dX taken. A
// field being typed is not taken by a reload.
TEST_F(Tick, AFieldThatFailsAReloadIsSaidUntilTheNextOne) {
    const QString path = loaded_file(kHeader + data_lines(3));
    applique(form.Edit8, QStringLiteral("ten"));
    const QString said = QStringLiteral("'ten' is not a valid floating point value");
    EXPECT_EQ(recorder().messages, QStringList{said});
    append_bytes(path, data_lines(1));
    tick();
    EXPECT_EQ(form.Label_etat_chargement->text(), said);
    EXPECT_EQ(form.etat().class_table.largeur_classe, 10);
    tick();  // no reload: still said
    EXPECT_EQ(reloads(), 1);
    EXPECT_EQ(form.Label_etat_chargement->text(), said);
    applique(form.Edit8, QStringLiteral("20"));
    form.Edit8->setText(QStringLiteral("2"));  // being typed
    append_bytes(path, data_lines(1));
    tick();
    EXPECT_EQ(reloads(), 2);
    EXPECT_EQ(form.Label_etat_chargement->text(), QString());
    EXPECT_EQ(form.etat().class_table.largeur_classe, 20);
    EXPECT_EQ(recorder().messages.size(), 1) << recorder().messages.join(u'|').toStdString();
}

TEST_F(Tick, PlayerErrorIsSaidInTheStatusLine) {
    write_bytes(program.file(QStringLiteral("ding1.wav")), QByteArray("not a wave"));
    recorder().play_error = QStringLiteral("Cannot play the sound file.");
    form.sound_CheckBox8->setChecked(true);
    tick();
    EXPECT_EQ(recorder().played.size(), 1);
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|').toStdString();
    EXPECT_EQ(form.Label_etat_chargement->text(), QStringLiteral("Cannot play the sound file."));
    EXPECT_EQ(recorder().beeps, 0);
}

// "sound" ticked on a computer without an audio device: the player itself
// said it only on stderr; the status line says it.
TEST_F(Tick, NoAudioDeviceIsSaidInTheStatusLine) {
    if (!QMediaDevices::defaultAudioOutput().isNull()) GTEST_SKIP() << "this computer has an audio device";
    const platform::Seams enregistreurs = platform::seams();
    installe_les_services_qt();
    const auto joue = platform::seams().play_wave;
    platform::seams() = enregistreurs;
    platform::seams().play_wave = joue;
    write_bytes(program.file(QStringLiteral("ding1.wav")), QByteArray("RIFF"));
    form.sound_CheckBox8->setChecked(true);
    tick();
    EXPECT_TRUE(form.Label_etat_chargement->text().endsWith(QStringLiteral("ding1.wav\". No audio device")))
        << form.Label_etat_chargement->text().toStdString();
    EXPECT_TRUE(recorder().messages.isEmpty());
}

// A box left open by a handler (the user gone) does not stop the following:
// the ticks its loop dispatches do their work under it.
TEST_F(Tick, TickUnderAnOpenBoxFollowsTheRun) {
    const QString path = loaded_file(kHeader + data_lines(2));
    append_bytes(path, data_lines(1));
    form.sound_CheckBox8->setChecked(true);
    form.Edit5->setText(QStringLiteral("3"));
    const QRgb colour = form.Panel1->color().rgb();
    recorder().while_message_open = [this](const QString&) { form.Timer1Timer(); };

    platform::show_message(QStringLiteral("an earlier message"));

    EXPECT_NE(form.Panel1->color().rgb(), colour);
    EXPECT_EQ(reloads(), 1);
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("2"));
    EXPECT_EQ(recorder().beeps, 1);
    EXPECT_EQ(form.Timer1->interval(), 3000);
    EXPECT_EQ(recorder().messages, QStringList(QStringLiteral("an earlier message")));
}

}  // namespace
