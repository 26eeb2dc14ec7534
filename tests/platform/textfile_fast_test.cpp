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
    const char* fixes[] = {"",     "a",      "\r",         "\n",       "\r\n",   "\n\r",     "\r\r\n",    "a\r\nb\r\n",
                           "a\nb", "a\rb\r", "a\r\n\r\nb", "\r\n\r\n", "a\n\rb", "a\r\r\nb", "  x\t1 \n", "\n\n\nx"};
    for (const char* t : fixes) {
        const QString texte = QString::fromUtf8(t);
        EXPECT_EQ(platform::PackedLines(texte).to_list(), platform::split_lines(texte))
            << QByteArray(t).toHex().constData();
    }
    std::mt19937 alea(20261207);
    for (int essai = 0; essai < 3000; ++essai) {
        const QString texte = texte_dense(alea, essai % 40);
        const platform::PackedLines paquet(texte);
        const QStringList liste = platform::split_lines(texte);
        ASSERT_EQ(paquet.size(), liste.size()) << texte.toUtf8().toHex().constData();
        for (qsizetype i = 0; i < liste.size(); ++i)
            ASSERT_EQ(paquet.at(i), liste.at(i)) << texte.toUtf8().toHex().constData();
        if (!liste.isEmpty()) {
            EXPECT_EQ(paquet.last(), liste.last());
        }
        EXPECT_EQ(paquet.isEmpty(), liste.isEmpty());
    }
}

TEST(PackedLines, FromAListKeepsEveryLineAsItIs) {
    // Lines that hold break characters themselves stay whole: nothing is cut again.
    const QStringList lignes{QString(), QStringLiteral("a\rb"), QStringLiteral("10:00:00\t1.5"), QString(),
                             QStringLiteral("\n")};
    const platform::PackedLines paquet = platform::PackedLines::from_list(lignes);
    EXPECT_EQ(paquet.to_list(), lignes);
    EXPECT_EQ(paquet.size(), 5);
    EXPECT_TRUE(platform::PackedLines::from_list({}).isEmpty());
}

TEST(PackedLines, ReadFromAFileAsTheLinesOfTheFile) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("run.txt"));
    const QByteArray contenus[] = {
        "Run\r\nSample\r\nHeure\tDur\xE9"
        "e\r\n10:00:00\t3\r\n",                       // Windows-1252, CR LF
        "\xEF\xBB\xBFRun \xC3\xA9t\xC3\xA9\n\nx\ry",  // UTF-8 with its mark, LF and CR
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

// Windows-1252 the plain way: one byte at a time through the code page.
QString windows_1252(const QByteArray& octets) {
    static const char16_t haut[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    QString texte;
    for (char o : octets) {
        const auto b = static_cast<unsigned char>(o);
        texte += QChar(b >= 0x80 && b < 0xA0 ? haut[b - 0x80] : char16_t{b});
    }
    return texte;
}

TEST(DecodeText, EightBytesAtATimeGivesTheCodePagesCharacters) {
    // Every byte, then dense random texts that are not UTF-8 (one lone 0xE9 at
    // least), with runs of plain bytes of every length between the high ones.
    QByteArray tous;
    for (int b = 1; b < 256; ++b) tous += static_cast<char>(b);
    EXPECT_EQ(platform::decode_text(tous), windows_1252(tous));
    std::mt19937 alea(1252);
    std::uniform_int_distribution<int> octet(0, 255), plain(0x20, 0x7E), longueur(0, 40);
    for (int essai = 0; essai < 3000; ++essai) {
        QByteArray octets;
        for (int i = longueur(alea); i > 0; --i)
            octets += static_cast<char>(essai % 3 == 0 ? octet(alea) : plain(alea));
        octets.insert(octets.size() / 2, '\xE9');
        for (int i = longueur(alea); i > 0; --i) octets += static_cast<char>(i % 5 == 0 ? octet(alea) : plain(alea));
        octets += '\xE9';  // a sequence cut at the end: never UTF-8
        ASSERT_EQ(platform::decode_text(octets), windows_1252(octets)) << octets.toHex().constData();
    }
}
