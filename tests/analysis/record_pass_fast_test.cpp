// The quick reading of the data lines against the plain one, on dense random
// files: the same records, maxima, totals, capacity flag and errors; from the
// lines as text and from the bytes of a file, in either encoding.
#include "analysis/record_pass.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <memory>
#include <random>
#include <type_traits>

namespace {

struct Issue {
    PasseDesLignes passe;
    QString erreur;
    RecordStore* store = nullptr;
};

// Three stores made once: a store is large, and each pass sets what it reads.
RecordStore& store_numero(int n) {
    static std::unique_ptr<RecordStore> stores[3] = {std::make_unique<RecordStore>(), std::make_unique<RecordStore>(),
                                                     std::make_unique<RecordStore>()};
    return *stores[n];
}

template <typename Lignes>
Issue passe_avec(const Lignes& lignes, Lecture lecture, int numero) {
    Issue issue;
    issue.store = &store_numero(numero);
    issue.store->duree_acquisition = -1;  // kept when an error ends the pass
    try {
        if constexpr (std::is_same_v<Lignes, QByteArray>) {
            issue.passe = passe_des_octets(lignes, *issue.store, lecture);
        } else {
            issue.passe = passe_des_lignes(lignes, *issue.store, lecture);
        }
    } catch (const platform::Error& e) {
        issue.erreur = e.text();
    }
    return issue;
}

// The lines as a file holds them: UTF-8 with CR LF, Windows-1252 where every
// character has a byte there, or UTF-8 with its mark and LF and CR mixed; the
// last line ended or not.
QByteArray octets(const QStringList& lignes, int forme) {
    if (forme == 1) return platform::encode_lines(lignes);
    QByteArray out = forme == 2 ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        out += lignes[i].toUtf8();
        if (i + 1 < lignes.size() || i % 2 == 0) out += forme == 0 ? "\r\n" : (i % 3 == 0 ? "\r" : "\n");
    }
    return out;
}

bool memes_bits(long double a, long double b) { return a == b && std::signbit(a) == std::signbit(b); }

void compare(const Issue& simple, const Issue& rapide, const QStringList& lignes) {
    const auto contexte = [&] { return lignes.join(QLatin1Char('|')).toStdString(); };
    ASSERT_EQ(rapide.erreur, simple.erreur) << contexte();
    const RecordStore& a = *simple.store;
    const RecordStore& b = *rapide.store;
    ASSERT_EQ(b.nb_points[1], a.nb_points[1]) << contexte();
    for (int k = 1; k <= a.nb_points[1]; ++k) {
        ASSERT_TRUE(memes_bits(b.serie_x[1][k], a.serie_x[1][k])) << k << " " << contexte();
        ASSERT_TRUE(memes_bits(b.serie_y[1][k], a.serie_y[1][k])) << k << " " << contexte();
    }
    EXPECT_TRUE(memes_bits(b.max_x_serie[1], a.max_x_serie[1])) << contexte();
    EXPECT_TRUE(memes_bits(b.max_y_serie[1], a.max_y_serie[1])) << contexte();
    EXPECT_TRUE(memes_bits(b.cumul_durees, a.cumul_durees)) << contexte();
    EXPECT_TRUE(memes_bits(b.duree_acquisition, a.duree_acquisition)) << contexte();
    EXPECT_TRUE(memes_bits(rapide.passe.derniere_duree, simple.passe.derniere_duree)) << contexte();
    EXPECT_TRUE(memes_bits(rapide.passe.origine_temps, simple.passe.origine_temps)) << contexte();
    EXPECT_EQ(rapide.passe.capacite_depassee, simple.passe.capacite_depassee) << contexte();
    EXPECT_EQ(rapide.passe.lignes_ignorees, simple.passe.lignes_ignorees) << contexte();
    EXPECT_EQ(rapide.passe.fin, simple.passe.fin) << contexte();
    EXPECT_EQ(rapide.passe.ligne_de_fin, simple.passe.ligne_de_fin) << contexte();
}

// A data line in the shape "time, tabs, duration", each part drawn from good
// and bad variants with blanks and tabs around them, or a line of random
// pieces: every shape the quick reading must recognise or hand back turns up.
QString ligne_dense(std::mt19937& alea) {
    static const char* const heures[] = {"10:00:01",  "9:5:7",          "23:59:59",        "0:0:0",    "10:00:01:99",
                                         "10:00",     "1234567890:0:0", "12345678901:0:0", "-1:00:00", "+1:2:3",
                                         "10::00:01", "10:00:1.5",      "10,5:00:00",      "x",        "",
                                         " 10:00:02", "10:00:03 "};
    static const char* const durees[] = {"3",
                                         "2.5",
                                         "1,5",
                                         "-0",
                                         "+7",
                                         ".5",
                                         "1.",
                                         "1e3",
                                         "1E-2",
                                         "1.2.3",
                                         "12345678901234567890",
                                         "0.0000000000000000001",
                                         "x",
                                         "",
                                         " 4",
                                         "5 ",
                                         "1 000",
                                         "Ã©",
                                         "SAUVEGARDE",
                                         "'",
                                         "1234567",
                                         "12345678",
                                         "123456.7",
                                         "1234567.8",
                                         "0012,25",
                                         "9.999999",
                                         "7.\x01",
                                         ".",
                                         "\xC3\x8A\x35",  // a byte that carries into the next one, then a digit
                                         "1.5\xC3\x8A"};
    static const char* const separateurs[] = {"", "\t", "\t\t", " ", "\t ", " \t"};
    static const char* const morceaux[] = {"10",        ":",         "\t", " ",     ".", ",", "-", "e", "SAUVEGARDE",
                                           "SAUVEGARD", "AUVEGARDE", "S",  "Heure", "'", "x", "é", "€", "\x01"};
    const auto un = [&alea](const auto& liste) {
        std::uniform_int_distribution<int> choix(0, static_cast<int>(std::size(liste)) - 1);
        return QString::fromUtf8(liste[choix(alea)]);
    };
    std::uniform_int_distribution<int> forme(0, 4);
    switch (forme(alea)) {
        case 0: {
            // The usual shape with a random duration: most lines of a real file.
            std::uniform_int_distribution<int> h(0, 23), m(0, 59), d(0, 99999);
            return QStringLiteral("%1:%2:%3\t%4%5%6")
                .arg(h(alea))
                .arg(m(alea), 2, 10, QLatin1Char('0'))
                .arg(m(alea), 2, 10, QLatin1Char('0'))
                .arg(d(alea) / 10)
                .arg(QLatin1Char(d(alea) % 2 ? '.' : ','))
                .arg(d(alea) % 10);
        }
        case 1: {
            QString ligne;
            std::uniform_int_distribution<int> nombre(0, 7);
            for (int i = nombre(alea); i > 0; --i) ligne += un(morceaux);
            return ligne;
        }
        default:
            return un(separateurs) + un(heures) + un(separateurs) + QLatin1Char('\t') + un(durees) + un(separateurs) +
                   (forme(alea) == 0 ? un(durees) : QString());
    }
}

}  // namespace

TEST(RecordPassQuickReading, GivesThePlainResultsOnDenseRandomFiles) {
    std::mt19937 alea(7031);
    for (const char separateur : {'.', ',', ' '}) {
        platform::set_decimal_separator(QLatin1Char(separateur));
        for (int essai = 0; essai < 4000; ++essai) {
            QStringList lignes{QStringLiteral("Run"), QStringLiteral("Sample")};
            if (essai % 5 != 0) lignes << QStringLiteral("Heure\tDuree") << QStringLiteral("10:00:00\t1");
            const int n = 1 + essai % 12;
            for (int i = 0; i < n; ++i) lignes << ligne_dense(alea);
            const Issue simple = passe_avec(lignes, Lecture::simple, 0);
            compare(simple, passe_avec(lignes, Lecture::rapide, 1), lignes);
            // The packed memo lines read the same as the list.
            compare(simple, passe_avec(platform::PackedLines::from_list(lignes), Lecture::rapide, 2), lignes);
            // The bytes of a file read as its decoded lines.
            const QByteArray fichier = octets(lignes, essai % 3);
            const platform::PackedLines decodees(platform::decode_text(fichier));
            compare(passe_avec(decodees, Lecture::simple, 0), passe_avec(fichier, Lecture::rapide, 1),
                    decodees.to_list());
            if (HasFatalFailure()) return;
        }
    }
}

TEST(RecordPassQuickReading, GivesThePlainResultsOnAFullRun) {
    // A run past the capacity, in the usual shape, read both ways.
    std::mt19937 alea(99);
    QStringList lignes{QStringLiteral("Run"), QStringLiteral("Sample"), QStringLiteral("Heure\tDur\u00E9e")};
    std::uniform_int_distribution<int> d(0, 99999);
    for (int k = 0; k <= NB_MAX_DONNEES + 1; ++k) {
        const int s = (36000 + k * 3 / 2) % 86400;
        lignes << QStringLiteral("%1:%2:%3\t%4.%5")
                      .arg(s / 3600)
                      .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                      .arg(s % 60, 2, 10, QLatin1Char('0'))
                      .arg(d(alea) / 10)
                      .arg(d(alea) % 10);
    }
    const Issue simple = passe_avec(lignes, Lecture::simple, 0);
    EXPECT_TRUE(simple.passe.capacite_depassee);
    EXPECT_EQ(simple.store->nb_points[1], NB_MAX_DONNEES);
    compare(simple, passe_avec(platform::PackedLines::from_list(lignes), Lecture::rapide, 1), {});
    compare(simple, passe_avec(octets(lignes, 0), Lecture::rapide, 2), {});
}
