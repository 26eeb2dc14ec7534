// The packed lines of a text against the plain cut into a list of lines.
#include "platform/errors.h"
#include "platform/textfile.h"
#include "support/recorder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

namespace {

// Dense texts of breaks and short runs of other characters, so that every
// neighbourhood of CR, LF and CR LF turns up, at the start, middle and end.
QString texte_dense(std::mt19937& alea, int longueur) {
    static const char16_t alphabet[] = {u'\r', u'\n', u'\r', u'\n', u'a', u'\t', u' ', u'1', u'\u00E9', u'\u20AC'};
    std::uniform_int_distribution<int> choix(0, static_cast<int>(std::size(alphabet)) - 1);
    QString texte;
    for (int i = 0; i < longueur; ++i) texte += QChar(alphabet[choix(alea)]);
    return texte;
}

}  // namespace

TEST(PackedLines, CutsEveryTextAsTheListOfLines) {
    const char* fixes[] = {"", "a", "\r", "\n", "\r\n", "\n\r", "\r\r\n", "a\r\nb\r\n", "a\nb", "a\rb\r",
                           "a\r\n\r\nb", "\r\n\r\n", "a\n\rb", "a\r\r\nb", "  x\t1 \n", "\n\n\nx"};
    for (const char* t : fixes) {
        const QString texte = QString::fromUtf8(t);
        EXPECT_EQ(platform::PackedLines(texte).to_list(), platform::split_lines(texte)) << QByteArray(t).toHex().constData();
    }
    std::mt19937 alea(20261207);
    for (int essai = 0; essai < 3000; ++essai) {
        const QString texte = texte_dense(alea, essai % 40);
        const platform::PackedLines paquet(texte);
        const QStringList liste = platform::split_lines(texte);
        ASSERT_EQ(paquet.size(), liste.size()) << texte.toUtf8().toHex().constData();
        for (qsizetype i = 0; i < liste.size(); ++i) ASSERT_EQ(paquet.at(i), liste.at(i)) << texte.toUtf8().toHex().constData();
        if (!liste.isEmpty()) {
            EXPECT_EQ(paquet.last(), liste.last());
        }
        EXPECT_EQ(paquet.isEmpty(), liste.isEmpty());
    }
}

TEST(PackedLines, FromAListKeepsEveryLineAsItIs) {
    // Lines that hold break characters themselves stay whole: nothing is cut again.
    const QStringList lignes{QString(), QStringLiteral("a\rb"), QStringLiteral("10:00:00\t1.5"), QString(), QStringLiteral("\n")};
    const platform::PackedLines paquet = platform::PackedLines::from_list(lignes);
    EXPECT_EQ(paquet.to_list(), lignes);
    EXPECT_EQ(paquet.size(), 5);
    EXPECT_TRUE(platform::PackedLines::from_list({}).isEmpty());
}

TEST(PackedLines, ReadFromAFileAsTheLinesOfTheFile) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("run.txt"));
    const QByteArray contenus[] = {
        "Run\r\nSample\r\nHeure\tDur\xE9" "e\r\n10:00:00\t3\r\n",         // Windows-1252, CR LF
        "\xEF\xBB\xBFRun \xC3\xA9t\xC3\xA9\n\nx\ry",                     // UTF-8 with its mark, LF and CR
        "",
    };
    for (const QByteArray& contenu : contenus) {
        write_bytes(chemin, contenu);
        EXPECT_EQ(platform::read_packed_lines(chemin).to_list(), platform::read_text_lines(chemin));
    }
    EXPECT_THROW(platform::read_packed_lines(dossier.filePath(QStringLiteral("missing.txt"))), platform::Error);
}

TEST(PackedLines, ReadAgainInTheSameStorageGivesEachFilesLines) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("run.txt"));
    QByteArray grand;
    for (int i = 0; i < 3000; ++i) grand += "10:00:00\t" + QByteArray::number(i) + (i % 3 ? "\r\n" : "\n");
    const QByteArray contenus[] = {grand, "a\r\nb", "", "caf\xC3\xA9\rx", "caf\xE9\n", grand + "\r", "\xEF\xBB\xBFz"};
    platform::PackedLines paquet;
    for (const QByteArray& contenu : contenus) {
        write_bytes(chemin, contenu);
        paquet.read_file(chemin);
        EXPECT_EQ(paquet.to_list(), platform::read_text_lines(chemin)) << contenu.left(20).toHex().constData();
    }
    // A file that cannot be read leaves no line.
    EXPECT_THROW(paquet.read_file(dossier.filePath(QStringLiteral("missing.txt"))), platform::Error);
    EXPECT_TRUE(paquet.isEmpty());
    paquet.read_file(chemin);
    EXPECT_EQ(paquet.to_list(), platform::read_text_lines(chemin));
}

