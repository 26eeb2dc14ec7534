// The record pass over a file read block by block against the pass over the
// file's bytes held whole: the same result and records, bit for bit, with
// blocks so small that every line end, CR LF pair, UTF-8 sequence and the
// quick reading's look ahead falls across a block's end somewhere.
#include "analysis/record_pass.h"
#include "platform/errors.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Issue {
    PasseDesLignes passe;
    std::vector<double> x, y;
};

Issue issue_de(std::size_t capacite, const auto& lit) {
    Issue issue{{}, std::vector<double>(capacite), std::vector<double>(capacite)};
    issue.passe = lit(PlaceDesEnregistrements{issue.x, issue.y});
    issue.x.resize(static_cast<std::size_t>(issue.passe.nb_enregistrements));
    issue.y.resize(issue.x.size());
    return issue;
}

bool memes_bits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }
bool memes_bits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

void compare(const Issue& a, const Issue& b, const std::string& cas) {
    const PasseDesLignes& p = a.passe;
    const PasseDesLignes& q = b.passe;
    EXPECT_EQ(q.format, p.format) << cas;
    EXPECT_EQ(q.unite_ns, p.unite_ns) << cas;
    EXPECT_EQ(q.comptages, p.comptages) << cas;
    EXPECT_EQ(q.nb_enregistrements, p.nb_enregistrements) << cas;
    EXPECT_TRUE(memes_bits(q.max_x, p.max_x) && memes_bits(q.max_y, p.max_y)) << cas;
    EXPECT_TRUE(memes_bits(q.cumul_durees, p.cumul_durees) && memes_bits(q.derniere_duree, p.derniere_duree)) << cas;
    EXPECT_TRUE(memes_bits(q.origine_temps, p.origine_temps)) << cas;
    EXPECT_TRUE(memes_bits(q.dernier_du_fichier, p.dernier_du_fichier)) << cas;
    EXPECT_EQ(q.capacite_depassee, p.capacite_depassee) << cas;
    EXPECT_EQ(q.ligne_en_attente, p.ligne_en_attente) << cas;
    EXPECT_EQ(q.sans_ligne, p.sans_ligne) << cas;
    EXPECT_EQ(q.entete_vu, p.entete_vu) << cas;
    EXPECT_EQ(q.origine_vue, p.origine_vue) << cas;
    EXPECT_EQ(q.fin, p.fin) << cas;
    EXPECT_EQ(q.ligne_de_fin, p.ligne_de_fin) << cas;
    EXPECT_EQ(q.nb_lignes_ignorees, p.nb_lignes_ignorees) << cas;
    EXPECT_EQ(q.lignes_ignorees, p.lignes_ignorees) << cas;
    EXPECT_TRUE(memes_bits(b.x, a.x) && memes_bits(b.y, a.y)) << cas;
}

std::string lignes_usuelles(int n, const char* fin, int graine) {
    std::string texte;
    for (int k = 0; k < n; ++k) {
        // Hours of one and two digits, durations of 1 to 8 digits with and
        // without a mark: lines of every length, so that a line's start and
        // end fall at every place of a block.
        const int s = 36000 - 3 * 3600 + graine + k * 37;
        const int d = (k * 7919 + graine) % 10000000;
        texte += std::to_string(s / 3600 % 24) + ":" + std::to_string(s / 600 % 6) + std::to_string(s / 60 % 10) + ":" +
                 std::to_string(s / 10 % 6) + std::to_string(s % 10) + "\t" + std::to_string(d / (k % 5 + 1));
        if (k % 3 == 1) texte += k % 2 ? "." : ",", texte += std::to_string(k % 100);
        texte += fin;
    }
    return texte;
}

const std::string kTitres =
    "Acquisition\r\nDate 2026-12-07\r\nHeure\tDur\xE9"
    "e\r\n";
const std::string kTitresAscii = "Acquisition\r\nDate\r\nHeure\tDuree\r\n";

struct Cas {
    std::string nom;
    std::string octets;
    std::size_t capacite = 1000;
};

std::vector<Cas> cas_faits() {
    const std::string longue(300, 'x');
    return {
        {"CR LF, last line ended", kTitres + lignes_usuelles(120, "\r\n", 1)},
        {"LF", kTitres + lignes_usuelles(120, "\n", 2)},
        {"CR", kTitres + lignes_usuelles(120, "\r", 3)},
        {"CR and LF mixed", kTitres + lignes_usuelles(40, "\r", 4) + lignes_usuelles(40, "\n", 5) + "\r\n\n" +
                                lignes_usuelles(40, "\r\n", 6)},
        {"last line open, readable", kTitres + lignes_usuelles(60, "\r\n", 7) + "11:00:00\t12"},
        {"last line open, still being written", kTitres + lignes_usuelles(60, "\r\n", 8) + "11:00:0"},
        {"last line open, a CR alone at the end", kTitres + lignes_usuelles(60, "\r\n", 9) + "11:00:01\t5\r"},
        {"UTF-8 with its mark, a bad line with an accent far down",
         "\xEF\xBB\xBF"
         "Acquisition\r\nDate\r\nHeure\tDur\xC3\xA9"
         "e\r\n" +
             lignes_usuelles(80, "\r\n", 10) + "10:30:00\t1\xC3\xA9\r\n" + lignes_usuelles(80, "\r\n", 11)},
        // The first line that needs the encoding comes after many blocks, and
        // only a byte further on says the file is not UTF-8.
        {"valid UTF-8 until a Windows-1252 byte after the line that needs the encoding",
         kTitresAscii + lignes_usuelles(80, "\n", 12) + "10:30:00\t1\xC3\xA9\n" + lignes_usuelles(80, "\n", 13) +
             "'commentaire \xE9t\xE9\n" + lignes_usuelles(5, "\n", 14)},
        {"a UTF-8 sequence cut at the file's end",
         kTitresAscii + lignes_usuelles(30, "\n", 15) + "x\xC3\xA9\n\xE2\x82"},
        {"lines longer than a block", kTitres + "'" + longue + "\r\n" + lignes_usuelles(30, "\r\n", 16) + "10:00:00\t" +
                                          longue + "\r\n" + lignes_usuelles(30, "\r\n", 17)},
        {"a stop line", kTitres + lignes_usuelles(50, "\r\n", 18) + "SAUVEGARDE\r\n" + lignes_usuelles(50, "\r\n", 19)},
        {"an empty line ends the data", kTitres + lignes_usuelles(50, "\n", 20) + "\n" + lignes_usuelles(50, "\n", 21)},
        {"past the capacity", kTitres + lignes_usuelles(200, "\r\n", 22), 37},
        {"more than the detection's lines before the header", std::string("a\r\nb\r\n") + std::string(30, '\n') +
                                                                  "'\xE9\r\nHeure\tDuree\r\n" +
                                                                  lignes_usuelles(40, "\r\n", 23)},
        {"titles only", kTitres},
        {"two lines without a line end", "Acquisition\r\nDate"},
        {"the mark alone", "\xEF\xBB\xBF"},
        {"empty", ""},
        {"two integers, read whole", "1620 1574345682\n1574345683 3\n980 1574345690\n1574345691 2\n"},
    };
}

std::string octets_du_fichier(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    return {b.constData(), static_cast<std::size_t>(b.size())};
}

// Blocks from one byte, so that every line end, CR LF pair, UTF-8 sequence
// and look ahead falls across a block's end, up to the program's.
constexpr qsizetype kBlocs[] = {1, 2, 3, 5, 7, 8, 9, 11, 16, 17, 64, 4096, kBlocDeLecture};

}  // namespace

TEST(RecordPassByBlocks, GivesThePassOfTheWholeBytesForEveryBlockSize) {
    std::vector<Cas> tous = cas_faits();
    const QDir echantillons(QStringLiteral(VORNS_SOURCE_DIR "/fichiers"));
    for (const QString& nom : echantillons.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        tous.push_back({nom.toStdString(), octets_du_fichier(echantillons.filePath(nom))});
    }
    ASSERT_GT(tous.size(), cas_faits().size());
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("run.txt"));
    for (const Cas& c : tous) {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.octets.data(), static_cast<qint64>(c.octets.size()));
        f.close();
        const QByteArrayView octets(c.octets.data(), static_cast<qsizetype>(c.octets.size()));
        for (const Lecture lecture : {Lecture::rapide, Lecture::simple}) {
            const Issue entier = issue_de(
                c.capacite, [&](PlaceDesEnregistrements place) { return passe_des_octets(octets, place, lecture); });
            for (const qsizetype bloc : kBlocs) {
                platform::FileBlocks fichier(chemin);
                const Issue par_blocs = issue_de(c.capacite, [&](PlaceDesEnregistrements place) {
                    return passe_du_fichier(fichier, place, lecture, bloc);
                });
                compare(entier, par_blocs,
                        c.nom + ", blocks of " + std::to_string(bloc) +
                            (lecture == Lecture::rapide ? ", quick" : ", plain"));
                if (HasFailure()) return;
            }
        }
    }
}
