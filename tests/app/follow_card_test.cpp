// Following a DAQ card's run: the simulated card streams through a
// pseudo-terminal into vorns-acquisition --device, which writes the raw
// lines to a file that a real main window follows with its timer; the cable
// is pulled in the middle of the run. The window ends with the decays the
// card planted in the lines it delivered, each within one fine tick.
#include "app/tform1.h"
#include "platform/report.h"
#include "support/recorder.h"
#include "timer_support.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

class FollowCard : public ::testing::Test {
protected:
    void TearDown() override {
        form.Timer1->stop();
        for (QProcess* p : {&card, &acquisition}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->kill();
            p->waitForFinished(5000);
        }
    }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    TemporaryProgramFolder program;
    QTemporaryDir folder;
    TForm1 form;
    QProcess card;
    QProcess acquisition;
};

TEST_F(FollowCard, TheWindowShowsEveryDecayTheCardDeliveredBeforeThePull) {
#if !defined(VORNS_ACQUISITION) || !defined(VORNS_DAQ_CARD)
    GTEST_SKIP() << "the acquisition or the simulated card is not part of this build";
#else
    // Three quarters of an hour at 720 times its speed, with the faults of
    // real streams, then half a line and the cable pulled.
    card.start(QStringLiteral(VORNS_DAQ_CARD),
               {QStringLiteral("--pty"), QStringLiteral("--link"), path("card"), QStringLiteral("--speed"),
                QStringLiteral("720"), QStringLiteral("--duration"), QStringLiteral("3600"), QStringLiteral("--pull-at"),
                QStringLiteral("2700"), QStringLiteral("--rate"), QStringLiteral("5"), QStringLiteral("--stop-fraction"),
                QStringLiteral("0.2"), QStringLiteral("--faults"), QStringLiteral("--seed"), QStringLiteral("37"),
                QStringLiteral("--truth"), path("truth.txt"), QStringLiteral("--sent"), path("sent.txt")});
    ASSERT_TRUE(card.waitForReadyRead(10000)) << "the card did not start";
    const QString run = path("run.txt");
    acquisition.start(QStringLiteral(VORNS_ACQUISITION), {QStringLiteral("--device"), path("card"),
                                                          QStringLiteral("--output"), run,
                                                          QStringLiteral("--retry-ms"), QStringLiteral("100")});
    ASSERT_TRUE(acquisition.waitForStarted(10000));

    // The user picks the file as soon as the acquisition has created it; the
    // window follows it every second.
    ASSERT_TRUE(spin_until([&] { return QFile::exists(run); }, 10000));
    form.Edit5->setText(QStringLiteral("1"));
    recorder().open_answers.push_back(run);
    platform::report_errors([&] { form.SpeedButton_1Click(); });
    ASSERT_EQ(form.etat().file_state.fichier_donnees.toStdString(), run.toStdString());

    int ticks = 0;
    QObject::connect(form.Timer1, &QTimer::timeout, &form, [&] { ++ticks; });
    ASSERT_TRUE(spin_until([&] { return card.state() == QProcess::NotRunning; }, 60000)) << "the card was not pulled";
    ASSERT_EQ(card.exitCode(), 0) << card.readAllStandardError().toStdString();
    // The acquisition says the port gone and writes the half line; then the user stops it.
    QByteArray said;
    ASSERT_TRUE(spin_until([&] { return (said += acquisition.readAllStandardError()).contains("is gone"); }, 10000));
    acquisition.terminate();
    ASSERT_TRUE(spin_until([&] { return acquisition.state() == QProcess::NotRunning; }, 10000));
    ASSERT_EQ(acquisition.exitCode(), 0);
    const int ticks_at_end = ticks;
    ASSERT_TRUE(spin_until([&] { return ticks >= ticks_at_end + 2; }, 10000));
    EXPECT_GE(form.rechargements_par_le_timer, 2) << "the window followed the growing file";

    // Every byte received is in the file, the half line ended.
    const QByteArray sent = read_bytes(path("sent.txt"));
    ASSERT_FALSE(sent.endsWith('\n'));
    EXPECT_TRUE(read_bytes(run) == sent + "\n");

    // The window's records: each planted decay whole in the delivered lines
    // and within the kept durations, none more.
    std::vector<double> seconds, ns;
    for (const QByteArray& line : read_bytes(path("truth.txt")).split('\n')) {
        const QList<QByteArray> w = line.split(' ');
        if (w.size() != 4 || w[3].toDouble() < 400 || w[3].toDouble() > 9000) continue;
        seconds.push_back(w[0].toDouble() + w[1].toDouble());
        ns.push_back(w[2].toDouble());
    }
    ASSERT_GT(ns.size(), 1000u);
    const RecordStore& store = form.etat().record_store;
    ASSERT_EQ(store.nb_points[1], static_cast<int>(ns.size()));
    EXPECT_EQ(form.StaticText1->text(), QString::number(ns.size()));
    for (std::size_t k = 0; k < ns.size(); ++k) {
        EXPECT_NEAR(store.serie_y[1][k + 1], ns[k], 1.25) << k;
        EXPECT_NEAR((store.serie_x[1][k + 1] - store.serie_x[1][1]) * 60, seconds[k] - seconds[0], 1e-5) << k;
    }
#endif
}

}  // namespace
