// A comment save that fails half-way is reported and leaves the former file
// whole (the lines, the confirmation and a folder in the file's place are
// tested through the window).
#include "datafile/comment_file.h"
#include "support/file_size_limit.h"
#include "support/recorder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
namespace {
const QString kEchec = QStringLiteral(" le commentaire n'a pas pu être enregistré dans le fichier ");
}  // namespace

// A disk that fills up during the write: the file size limit makes the write
// come up short, and the comment file that was there must stay whole.
TEST(CommentFile, AShortWriteKeepsTheFormerFileWhole) {
    QTemporaryDir dir;
    const QString fichier = dir.filePath(QStringLiteral("run.comment"));
    write_bytes(fichier, QByteArray("ancien commentaire\r\n"));
    const QStringList lignes(2000, QStringLiteral("une ligne de commentaire assez longue pour remplir"));

    QString message;
    avec_fichiers_limites(4096, [&] { message = enregistre_commentaire(fichier, lignes).message; });

    EXPECT_TRUE(message.startsWith(kEchec + QDir::toNativeSeparators(fichier) + QLatin1Char('\n')))
        << message.toStdString();
    EXPECT_EQ(read_bytes(fichier), QByteArray("ancien commentaire\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("run.comment")});
}
#endif
