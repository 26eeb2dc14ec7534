// File names derived from the data file, and its size.
#include "datafile/data_file.h"
#include "support/recorder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FileNames, TheChosenPathLosesItsFirstCommentExtension) {
    struct Cas {
        const char* choisi;
        const char* donnees;
    };
    const Cas cas[] = {
        {"/data/run.txt", "/data/run.txt"},
        {"/data/run.txt.comment", "/data/run.txt"},
        {"/data/run.comment", "/data/run"},
        {"/data/run.comment.comment", "/data/run.comment"},
        {"/data/run.COMMENT", "/data/run.COMMENT"},
        {"/data/run.commentaire.txt", "/data/runaire.txt"},
        {"/x.comments/run.txt", "/x.comments/run.txt"},  // a folder's name is kept
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(fichier_donnees_choisi(QString::fromUtf8(c.choisi)), QString::fromUtf8(c.donnees)) << c.choisi;
    }
}

TEST(FileNames, TheCommentFileLosesTheFirstExactTxt) {
    struct Cas {
        const char* donnees;
        const char* commentaire;
    };
    const Cas cas[] = {
        {"/data/run.txt", "/data/run.comment"},
        {"/data/RUN.TXT", "/data/RUN.TXT.comment"},  // the match is case-sensitive
        {"/data/run.Txt", "/data/run.Txt.comment"},
        {"/data/run.txt.bak", "/data/run.bak.comment"},
        {"/data/run.txt.txt", "/data/run.txt.comment"},
        {"/data/run.dat", "/data/run.dat.comment"},
        {"/data/été 1.txt", "/data/été 1.comment"},
        {"/runs.txt/a.txt", "/runs.txt/a.comment"},  // beside its data, in the same folder
        {"/runs.txt/a.dat", "/runs.txt/a.dat.comment"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(nom_fichier_commentaire(QString::fromUtf8(c.donnees)), QString::fromUtf8(c.commentaire)) << c.donnees;
    }
}

TEST(FileSize, BytesOfTheFileOrMinusOne) {
    QTemporaryDir dir;
    const QString fichier = dir.filePath(QStringLiteral("run.txt"));
    write_bytes(fichier, QByteArray("10:00:00\t1\r\n", 12));
    EXPECT_EQ(taille_fichier(fichier), 12);
    write_bytes(fichier, QByteArray());
    EXPECT_EQ(taille_fichier(fichier), 0);
    EXPECT_EQ(taille_fichier(dir.filePath(QStringLiteral("gone.txt"))), -1);
}
