// Saving the comment file: CR LF lines, the confirmation, and a failed save
// that is reported and leaves the former file whole.
#include "datafile/comment_file.h"
#include "support/recorder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {
const QString kConfirmation = QStringLiteral(" le commentaire à été enregistré dans le fichier ");
const QString kEchec = QStringLiteral(" le commentaire n'a pas pu être enregistré dans le fichier ");
}  // namespace

TEST(CommentFile, EachLineEndsWithCrLfAndTheConfirmationNamesTheFile) {
    QTemporaryDir dir;
    const QString fichier = dir.filePath(QStringLiteral("run.comment"));
    EXPECT_EQ(enregistre_commentaire(fichier, {QStringLiteral("échantillon B"), QString(), QStringLiteral("fin")}),
              kConfirmation + QDir::toNativeSeparators(fichier));
    EXPECT_EQ(read_bytes(fichier), QByteArray("\xE9" "chantillon B\r\n\r\nfin\r\n"));

    // A second save replaces the first one completely.
    enregistre_commentaire(fichier, {QStringLiteral("x")});
    EXPECT_EQ(read_bytes(fichier), QByteArray("x\r\n"));
    // No lines: an empty file.
    EXPECT_EQ(enregistre_commentaire(fichier, {}), kConfirmation + QDir::toNativeSeparators(fichier));
    EXPECT_TRUE(QFileInfo::exists(fichier));
    EXPECT_EQ(read_bytes(fichier), QByteArray());
}

TEST(CommentFile, AFolderInTheFilesPlaceIsReportedWithTheReason) {
    QTemporaryDir dir;
    const QString fichier = dir.filePath(QStringLiteral("run.comment"));
    ASSERT_TRUE(QDir().mkpath(fichier));
    const QString message = enregistre_commentaire(fichier, {QStringLiteral("texte")});
    const QString debut = kEchec + QDir::toNativeSeparators(fichier) + QLatin1Char('\n');
    EXPECT_TRUE(message.startsWith(debut)) << message.toStdString();
    EXPECT_GT(message.size(), debut.size());  // the system's reason follows
    EXPECT_TRUE(QFileInfo(fichier).isDir());
}

TEST(CommentFile, AMissingFolderIsReported) {
    QTemporaryDir dir;
    const QString fichier = dir.filePath(QStringLiteral("gone/run.comment"));
    EXPECT_TRUE(enregistre_commentaire(fichier, {QStringLiteral("texte")}).startsWith(kEchec));
}

#ifdef Q_OS_UNIX
// A disk that fills up during the write: the file size limit makes the write
// come up short, and the comment file that was there must stay whole.
TEST(CommentFile, AShortWriteKeepsTheFormerFileWhole) {
    QTemporaryDir dir;
    const QString fichier = dir.filePath(QStringLiteral("run.comment"));
    write_bytes(fichier, QByteArray("ancien commentaire\r\n"));
    const QStringList lignes(2000, QStringLiteral("une ligne de commentaire assez longue pour remplir"));

    rlimit avant{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &avant), 0);
    rlimit petit = avant;
    petit.rlim_cur = 4096;
    const auto signal_avant = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petit), 0);
    const QString message = enregistre_commentaire(fichier, lignes);
    setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signal_avant);

    EXPECT_TRUE(message.startsWith(kEchec + QDir::toNativeSeparators(fichier) + QLatin1Char('\n')))
        << message.toStdString();
    EXPECT_EQ(read_bytes(fichier), QByteArray("ancien commentaire\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("run.comment")});
}
#endif
