// What happens to the followed data file between two ticks: rewritten,
// replaced, deleted, turned into a folder, caught half-written; and settings
// files that cannot be written. Once the file is whole again the window shows
// what a fresh window loading that file shows; a lasting fault is reported once.
#include "app/tform1.h"
#include "platform/report.h"
#include "support/recorder.h"
#include "support/window_view.h"
#include "timer_support.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

const QByteArray kHeader =
    "Run 7\r\nfaults\r\nHeure\tDur\xe9"
    "e\r\n";

// `count` records after the origin line, durations shifted by `shift`.
QByteArray run(int count, int shift = 0) {
    QByteArray bytes = kHeader + "11:00:00\t0\r\n";
    for (int i = 0; i < count; ++i)
        bytes += "11:0" + QByteArray::number(i / 10) + ":" + QByteArray::number(10 + i % 10 * 5) + "\t" +
                 QByteArray::number(20 + (13 * i + shift) % 70) + ".5\r\n";
    return bytes;
}

bool set_modification_time(const QString& path, const QDateTime& when) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime);
}

class FileFaults : public ::testing::Test {
protected:
    void SetUp() override { path = folder.filePath(QStringLiteral("run.txt")); }

    void tick() {
        platform::report_errors([this] { form.Timer1Timer(); });
    }
    // The user has chosen the file and it has been loaded; `written` is when
    // the file was last written (now when invalid).
    void follow(const QByteArray& bytes, const QDateTime& written = {}) {
        write_bytes(path, bytes);
        if (written.isValid()) {
            ASSERT_TRUE(set_modification_time(path, written));
        }
        file_state.fichier_donnees = path;
        platform::report_errors([this] { form.charge_le_fichier(path); });
        ASSERT_TRUE(recorder().messages.isEmpty());
    }
    int reloads() const { return form.rechargements_par_le_timer; }

    TemporaryProgramFolder program;
    QTemporaryDir folder;
    TForm1 form;
    FileState& file_state = form.etat().file_state;
    QString path;
};

// Each fault happens between two ticks; the tick after it must see it, say a
// lasting one in the status line (never in a box, which would wait for someone
// to close it), and the window must end as a fresh one loading the file.
TEST_F(FileFaults, EveryChangeBetweenTwoTicksIsSeenAndEndsInTheFiguresOfTheFile) {
    using Step = std::function<void(const QString&)>;
    const QByteArray before = run(12);
    const QByteArray same_size = run(12, 3);
    ASSERT_EQ(before.size(), same_size.size());
    ASSERT_NE(before, same_size);
    const QDateTime old_time = QDateTime::currentDateTime().addSecs(-3600);
    struct Case {
        const char* what;
        bool old_file;  // the followed file was last written an hour ago
        Step fault;
        bool reported;  // the tick after the fault says "Cannot open file" in the status line
        Step repair;    // then, if any, the file is written again
    };
    const Case cases[] = {
        {"truncated, seen empty, then rewritten", false, [&](const QString& p) { write_bytes(p, ""); }, false,
         [&](const QString& p) { write_bytes(p, run(20)); }},
        {"truncated, rewritten shorter", false, [&](const QString& p) { write_bytes(p, run(5)); }, false, {}},
        {"truncated, rewritten longer", true, [&](const QString& p) { write_bytes(p, run(30)); }, false, {}},
        {"rewritten, same size, at once", false, [&](const QString& p) { write_bytes(p, same_size); }, false, {}},
        {"rewritten, same size, old time put back",
         true,
         [&](const QString& p) {
             write_bytes(p, same_size);
             ASSERT_TRUE(set_modification_time(p, old_time));
         },
         false,
         {}},
        {"replaced by a rename, same size",
         false,
         [&](const QString& p) {
             const QString other = p + QStringLiteral(".new");
             write_bytes(other, same_size);
             ASSERT_TRUE(QFile::remove(p));
             ASSERT_TRUE(QFile::rename(other, p));
         },
         false,
         {}},
        {"deleted and created again before the tick",
         false,
         [&](const QString& p) {
             ASSERT_TRUE(QFile::remove(p));
             write_bytes(p, same_size);
         },
         false,
         {}},
        {"deleted, then created again", false, [&](const QString& p) { ASSERT_TRUE(QFile::remove(p)); }, true,
         [&](const QString& p) { write_bytes(p, same_size); }},
        {"replaced by a folder, then by a file again", false,
         [&](const QString& p) {
             ASSERT_TRUE(QFile::remove(p));
             ASSERT_TRUE(QDir().mkdir(p));
         },
         true,
         [&](const QString& p) {
             ASSERT_TRUE(QDir().rmdir(p));
             write_bytes(p, run(20));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (QFileInfo(path).isDir()) QDir().rmdir(path);
        follow(before, c.old_file ? old_time : QDateTime());
        tick();
        ASSERT_EQ(reloads(), 0) << "unchanged file";

        c.fault(path);
        tick();
        EXPECT_EQ(reloads(), 1);
        const QString said = form.Label_etat_chargement->text();
        EXPECT_EQ(said.startsWith(QStringLiteral("Cannot open file \"") + QDir::toNativeSeparators(path)), c.reported)
            << said.toStdString();
        for (int i = 0; i < 3; ++i) tick();
        EXPECT_EQ(reloads(), 1) << "a lasting state is loaded once";
        EXPECT_EQ(form.Label_etat_chargement->text(), said) << "and said once";
        if (c.repair) {
            c.repair(path);
            tick();
            EXPECT_EQ(reloads(), 2);
        }
        EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join('|').toStdString();
        EXPECT_MEME_VUE(vue_de(form), vue_d_une_fenetre_neuve(path, form));
        const int seen = reloads();
        tick();
        tick();
        EXPECT_EQ(reloads(), seen) << "no reload once the file stays as it is";

        form.rechargements_par_le_timer = 0;
        recorder().messages.clear();
    }
}

// The acquisition is caught in the middle of a line (a writer's buffer can
// end anywhere). That is no error: no box stops the following while the
// window waits, and the first reload after the line is complete shows the
// file's figures.
TEST_F(FileFaults, AHalfWrittenLastLineIsReadRightOnceComplete) {
    const QByteArray complete_line = "11:09:59\t3.25\r\n";
    for (int cut = 1; cut < complete_line.size(); ++cut) {
        SCOPED_TRACE(complete_line.left(cut).toStdString());
        follow(run(15));
        append_bytes(path, complete_line.left(cut));
        tick();
        EXPECT_EQ(reloads(), 1);
        EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(QLatin1Char('|')).toStdString();
        EXPECT_GE(form.StaticText1->text().toInt(), 15);
        append_bytes(path, complete_line.mid(cut));
        tick();
        EXPECT_EQ(reloads(), 2);
        EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(form.StaticText1->text(), QStringLiteral("16"));
        EXPECT_MEME_VUE(vue_de(form), vue_d_une_fenetre_neuve(path, form));
        form.rechargements_par_le_timer = 0;
        recorder().messages.clear();
    }
    // A line that cannot be read before the half-written one is skipped and
    // said in the status line, without a box that would stop the following.
    QByteArray bad = run(15);
    bad.replace("11:01:15\t", "11:01:1x\t");
    follow(run(3));
    write_bytes(path, bad + "11:09:5");
    tick();
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("14"));
    EXPECT_TRUE(
        form.Label_etat_chargement->text().startsWith(QStringLiteral("run.txt, ligne 16 ignorée : « 11:01:1x⇥")))
        << form.Label_etat_chargement->text().toStdString();
}

// A program folder where the settings files cannot be written (here a folder
// stands in the place of each): each is reported once, naming it, and the
// choice, the load and the colour go on.
TEST_F(FileFaults, SettingsFilesThatCannotBeWrittenAreReportedOnceAndNothingElseStops) {
    const QStringList names = {QStringLiteral("~qrt_vorn_rep.~r"), QStringLiteral("~qrt_vorn_rep.~f"),
                               QStringLiteral("qrt_vorn.col")};
    for (const QString& name : names) ASSERT_TRUE(QDir().mkpath(program.file(name)));
    write_bytes(path, run(12));
    const auto reported = [&](const QStringList& files) {
        QStringList expected;
        for (const QString& name : files)
            expected << QStringLiteral("Cannot write file \"%1\". ").arg(QDir::toNativeSeparators(program.file(name)));
        ASSERT_EQ(recorder().messages.size(), expected.size())
            << recorder().messages.join(QLatin1Char('|')).toStdString();
        for (int i = 0; i < expected.size(); ++i)
            EXPECT_TRUE(recorder().messages[i].startsWith(expected[i])) << recorder().messages[i].toStdString();
    };

    for (int choice = 1; choice <= 2; ++choice) {
        recorder().open_answers.push_back(path);
        platform::report_errors([this] { form.SpeedButton_1Click(); });
        EXPECT_EQ(form.StaticText1->text(), QStringLiteral("12"));
        EXPECT_EQ(form.Label38->text(), QStringLiteral("run.txt"));
        EXPECT_EQ(recorder().tones.size(), 2u * choice);
        reported({names[0], names[1]});
    }
    for (QRgb colour : {qRgb(0, 200, 0), qRgb(9, 9, 9)}) {
        recorder().colour_answers.push_back(colour);
        form.Panel7Click();
        EXPECT_EQ(form.color(), QColor(colour));
        reported(names);
    }
}

}  // namespace
