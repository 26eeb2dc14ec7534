// A comment save that fails half-way is reported and leaves the former file
// whole (the lines, the confirmation and a folder in the file's place are
// tested through the window); the memo against a file changed on disk.
#include "datafile/comment_file.h"
#include "support/file_size_limit.h"
#include "support/recorder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// What was read, what the file holds now and what the memo holds tell
// whether the memo is saved, takes the file's text, or asks.
TEST(CommentFile, TheMemoAgainstAFileChangedOnDisk) {
    using E = EtatDuCommentaire;
    const QStringList a{QStringLiteral("a")}, b{QStringLiteral("b")}, c{QStringLiteral("c")};
    const std::optional<QStringList> aucun;
    struct Cas {
        std::optional<QStringList> lu, disque;
        QStringList memo;
        E etat;
    };
    const Cas cas[] = {
        {a, a, a, E::a_jour},           {a, a, b, E::modifie},
        {a, b, a, E::change_ailleurs},  {a, b, c, E::conflit},
        {a, b, b, E::a_jour},           // both changed alike
        {aucun, aucun, {}, E::a_jour},  {aucun, aucun, a, E::modifie},
        {a, aucun, a, E::modifie},      // gone: the memo is the only copy
        {aucun, a, {}, E::change_ailleurs},  // made by another, nothing typed here
        {aucun, a, b, E::conflit},
    };
    for (const Cas& k : cas) {
        EXPECT_EQ(etat_du_commentaire(k.lu, k.disque, k.memo, k.memo.isEmpty()), k.etat)
            << k.lu.value_or(QStringList{"-"}).join(u'|').toStdString() << " "
            << k.disque.value_or(QStringList{"-"}).join(u'|').toStdString() << " " << k.memo.join(u'|').toStdString();
    }
}

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
