// Leaving the program, by "exit" and by the window manager closing the
// window: a comment that its file does not hold is never lost without a
// question; the answer saves it, drops it, or keeps the program open.
#include "app/tform1.h"
#include "support/recorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

namespace {

// Runs the event loop until the application is asked to quit: 0 then; 99
// when nothing asks within the time given.
int run_until_quit(int ms) {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(ms);
    return QCoreApplication::exec();
}

enum class Sortie { bouton_exit, fermeture };

}  // namespace

TEST(Exit, AnUnsavedCommentIsAskedForOnEitherWayOut) {
    struct Cas {
        const char* quoi;
        bool fichier_choisi;                   // a data file was chosen (there is a comment file to write)
        std::optional<QByteArray> sur_disque;  // the comment file before; nothing: none; empty: a folder there
        const char* memo;
        std::optional<platform::Answer> reponse;  // nothing: no question expected
        bool quitte;
        std::optional<QByteArray> apres;  // the comment file after (as before when nothing)
        bool message;                     // the failed save is reported
    };
    const Cas cas[] = {
        {"no comment at all", false, std::nullopt, "", std::nullopt, true, std::nullopt, false},
        {"no comment, a data file chosen", true, std::nullopt, "", std::nullopt, true, std::nullopt, false},
        {"the comment as its file holds it", true, "notes\r\n\r\nfin\r\n", "notes\n\nfin\n", std::nullopt, true,
         std::nullopt, false},
        {"changed, saved", true, "notes\r\n", "notes\nplus\n", platform::Answer::save, true,
         QByteArray("notes\r\nplus\r\n"), false},
        {"typed, no comment file yet, saved", true, std::nullopt, "neuf", platform::Answer::save, true,
         QByteArray("neuf\r\n"), false},
        {"changed, dropped", true, "notes\r\n", "notes\nplus\n", platform::Answer::discard, true, std::nullopt, false},
        {"changed, cancelled", true, "notes\r\n", "notes\nplus\n", platform::Answer::cancel, false, std::nullopt,
         false},
        {"changed, the save fails", true, QByteArray(), "notes\nplus\n", platform::Answer::save, false, std::nullopt,
         true},
        {"typed before any data file: nowhere to save", false, std::nullopt, "notes", platform::Answer::save, false,
         std::nullopt, false},
        {"typed before any data file, dropped", false, std::nullopt, "notes", platform::Answer::discard, true,
         std::nullopt, false},
    };
    for (const Sortie sortie : {Sortie::bouton_exit, Sortie::fermeture}) {
        for (const Cas& c : cas) {
            SCOPED_TRACE(std::string(c.quoi) + (sortie == Sortie::bouton_exit ? " (exit)" : " (window closed)"));
            recorder().clear();
            recorder().install();
            TemporaryProgramFolder programme;
            QTemporaryDir donnees;
            const QString commentaire = donnees.filePath(QStringLiteral("run.comment"));
            if (c.sur_disque && c.sur_disque->isEmpty()) {
                ASSERT_TRUE(QDir().mkpath(commentaire));
            } else if (c.sur_disque) {
                write_bytes(commentaire, *c.sur_disque);
            }
            TForm1 form;
            form.show();
            FileState& suivi = form.etat().file_state;
            if (c.fichier_choisi) {
                suivi.fichier_donnees = donnees.filePath(QStringLiteral("run.txt"));
                suivi.fichier_commentaire = commentaire;
            }
            form.Memo2->setPlainText(QString::fromUtf8(c.memo));
            if (c.reponse) recorder().answers.push_back(*c.reponse);

            if (sortie == Sortie::bouton_exit) {
                QTimer::singleShot(0, form.SpeedButton_exit, &QToolButton::click);
            } else {
                QTimer::singleShot(0, &form, &QWidget::close);
            }
            EXPECT_EQ(run_until_quit(c.quitte ? 5000 : 300), c.quitte ? 0 : 99);

            ASSERT_EQ(recorder().questions.size(), c.reponse ? 1u : 0u);
            if (c.reponse) {
                const platform::Question& q = recorder().questions.front();
                EXPECT_EQ(q.save_offered, c.fichier_choisi);
                if (c.fichier_choisi) {
                    EXPECT_TRUE(q.text.contains(QDir::toNativeSeparators(commentaire)));
                }
            }
            // "exit" ends the event loop with the window still up; the window manager closes it.
            if (sortie == Sortie::fermeture) {
                EXPECT_EQ(form.isVisible(), !c.quitte);
            }
            EXPECT_EQ(suivi.fichier_commentaire.isEmpty(), c.quitte || !c.fichier_choisi) << "the run goes on";
            EXPECT_EQ(form.Memo2->toPlainText(), QString::fromUtf8(c.memo)) << "the memo is never changed";
            const std::optional<QByteArray> attendu = c.apres ? c.apres : c.sur_disque;
            if (attendu && !attendu->isEmpty()) {
                EXPECT_EQ(read_bytes(commentaire), *attendu);
            } else if (!attendu) {
                EXPECT_FALSE(QFileInfo::exists(commentaire));
            }
            ASSERT_EQ(recorder().messages.size(), c.message ? 1 : 0) << recorder().messages.join(u'|').toStdString();
            if (c.message) {
                EXPECT_TRUE(recorder().messages.front().startsWith(
                    QStringLiteral(" le commentaire n'a pas pu être enregistré dans le fichier ")));
            }
        }
    }
}
