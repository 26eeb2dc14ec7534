// The data line rules and the record pass, on a store of the test's own.
#include "analysis/rate/rate.h"
#include "analysis/record_pass.h"
#include "analysis/run_times.h"
#include "support/qstring_print.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "support/errors.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {

// Two title lines, then whatever the test gives.
QStringList fichier(std::initializer_list<const char*> lignes) {
    QStringList out{QStringLiteral("Run 12"), QStringLiteral("Sample B")};
    for (const char* l : lignes) out.append(QString::fromUtf8(l));
    return out;
}

struct Point {
    double x;
    double y;
};

std::vector<Point> points(const RecordStore& store) {
    std::vector<Point> out;
    for (int k = 1; k <= store.nb_points[1]; ++k) out.push_back({store.serie_x[1][k], store.serie_y[1][k]});
    return out;
}

class RecordPass : public ::testing::Test {
protected:
    std::unique_ptr<RecordStore> store = std::make_unique<RecordStore>();
    PasseDesLignes passe(const QStringList& lignes) { return passe_des_lignes(lignes, *store); }
};

}  // namespace

TEST(LitHeure, MinutesSinceMidnightFromTheFirstField) {
    EXPECT_EQ(lit_heure(u"12:30:15\t3"), 750.25L);
    EXPECT_EQ(lit_heure(u"\t 0:0:0 \t3"), 0.0L);         // leading tab and blanks around the field
    EXPECT_EQ(lit_heure(u"10:01:00:99\t3"), 601.0L);     // further parts are ignored
    EXPECT_EQ(lit_heure(u" 10 : 01 : 30 \t3"), 601.5L);  // blanks around the parts (the long way)
    EXPECT_EQ(lit_heure(u"10::01:::30\t3"), 601.5L);     // runs of ':' are one separator
    EXPECT_EQ(lit_heure(u"-1:00:30\t3"), -59.5L);        // signs are read, no range check
    EXPECT_EQ(lit_heure(u"100:00:00\t3"), 6000.0L);
    EXPECT_EQ(lit_heure(u"2147483647:0:0"), 2147483647.0L * 60);
}

TEST(LitHeure, BadPartsRaiseTheIntegerErrorWithThePartsText) {
    struct Cas {
        const char16_t* ligne;
        const char* erreur;
    };
    const Cas cas[] = {
        {u"10:xx:00\t3", "'xx' is not a valid integer value"},
        {u"10:00\t3", "'' is not a valid integer value"},  // missing seconds
        {u"10.5:00:00\t3", "'10.5' is not a valid integer value"},
        {u"Heure\tDuree", "'Heure' is not a valid integer value"},
        {u"   ", "'_extraitUTIL<>' is not a valid integer value"},  // a line of blanks
        {u"", "'_extraitUTIL<>' is not a valid integer value"},
        {u"2147483648:0:0", "'2147483648' is not a valid integer value"},
        {u"1234567890123:0:0", "'1234567890123' is not a valid integer value"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(erreur_de([&] { lit_heure(c.ligne); }), QString::fromUtf8(c.erreur))
            << QString::fromUtf16(c.ligne).toStdString();
    }
}

TEST(LitHeure, ATimeWithADecimalMarkNamesTheAdaptedText) {
    platform::set_decimal_separator(QLatin1Char(','));
    EXPECT_EQ(erreur_de([] { lit_heure(u"10.5:00:00\t3"); }), QStringLiteral("'10,5' is not a valid integer value"));
}

TEST(LitValeur, BothDecimalMarksReadTheSameWhateverTheLocale) {
    for (const char sep : {'.', ','}) {
        platform::set_decimal_separator(QLatin1Char(sep));
        EXPECT_EQ(lit_valeur(u"10:00:00\t0.5"), 0.5L) << sep;
        EXPECT_EQ(lit_valeur(u"10:00:00\t0,5"), 0.5L) << sep;
        EXPECT_EQ(lit_valeur(u"10:00:00\t\t 2,5e1 \tfoo"), 25.0L) << sep;
        EXPECT_EQ(lit_valeur(u"10:00:00\t-3"), -3.0L) << sep;
    }
}

TEST(LitValeur, BadOrMissingFieldRaisesTheRealErrorWithTheAdaptedText) {
    platform::set_decimal_separator(QLatin1Char(','));
    struct Cas {
        const char16_t* ligne;
        const char* erreur;
    };
    const Cas cas[] = {
        {u"10:00:00", "'' is not a valid floating point value"},  // no tab, no second field
        {u"10:00:00\tabc", "'abc' is not a valid floating point value"},
        {u"10:00:00\t1.5.2", "'1,5,2' is not a valid floating point value"},
        {u"10:00:00\t1 000", "'1 000' is not a valid floating point value"},
        {u"10:00:00\tinf", "'inf' is not a valid floating point value"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(erreur_de([&] { lit_valeur(c.ligne); }), QString::fromUtf8(c.erreur))
            << QString::fromUtf16(c.ligne).toStdString();
    }
}

// The duration field is read without copies when it is plain; the value must
// be the very one the text conversion gives, to the last bit.
TEST(LitValeur, PlainDurationsGiveExactlyTheTextConversionsValue) {
    std::mt19937_64 hasard(12345);
    QStringList textes{QStringLiteral("0.1"),
                       QStringLiteral("2.675"),
                       QStringLiteral("0.3"),
                       QStringLiteral("1e-3"),
                       QStringLiteral("9999999999999999999"),
                       QStringLiteral("1234567890.123456789"),
                       QStringLiteral("0.0000000000000000001"),
                       QStringLiteral("12345678901234567890"),
                       QStringLiteral("+7"),
                       QStringLiteral("-0"),
                       QStringLiteral("1."),
                       QStringLiteral(".5"),
                       QStringLiteral("007.250")};
    for (int i = 0; i < 20000; ++i) {
        const int chiffres = 1 + static_cast<int>(hasard() % 19);
        QString t;
        for (int k = 0; k < chiffres; ++k) t.append(QChar(u'0' + static_cast<char16_t>(hasard() % 10)));
        t.insert(static_cast<qsizetype>(hasard() % (chiffres + 1)), QLatin1Char(hasard() % 2 ? '.' : ','));
        if (hasard() % 4 == 0) t.prepend(QLatin1Char('-'));
        textes.append(t);
    }
    for (const char sep : {'.', ','}) {
        platform::set_decimal_separator(QLatin1Char(sep));
        for (const QString& t : textes) {
            QString adapte = t;
            adapte.replace(QLatin1Char('.'), QLatin1Char(sep)).replace(QLatin1Char(','), QLatin1Char(sep));
            const long double attendu = platform::str_to_float(adapte);
            const long double lu = lit_valeur(QStringLiteral("10:00:00\t") + t);
            ASSERT_TRUE(lu == attendu && std::signbit(lu) == std::signbit(attendu)) << t.toStdString();
        }
    }
}

TEST_F(RecordPass, TheWorkedExample) {
    const auto r = passe(fichier({"Heure\tDuree", "10:00:00\t3", "10:01:00\t2.5", "10:02:30\t1,5"}));
    const auto p = points(*store);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].x, 1.0);
    EXPECT_EQ(p[0].y, 2.5);
    EXPECT_EQ(p[1].x, 2.5);
    EXPECT_EQ(p[1].y, 1.5);
    EXPECT_EQ(store->cumul_durees, 4.0L);
    EXPECT_EQ(store->duree_acquisition, 2.5L);
    EXPECT_EQ(r.derniere_duree, 2.5L);
    EXPECT_EQ(r.origine_temps, 600.0L) << "the time of day of the first line, in minutes";
    EXPECT_FALSE(r.capacite_depassee);
    EXPECT_EQ(store->max_x_serie[1], 2.5L);
    EXPECT_EQ(store->max_y_serie[1], 2.5L);
    EXPECT_EQ(store->serie_courante, 1);
}

TEST_F(RecordPass, LinesThatMakeNoRecordLeaveTheStoreEmpty) {
    const QStringList cas[] = {
        {},
        {QStringLiteral("Heure")},
        {QStringLiteral("Heure"), QStringLiteral("10:00:00\t1")},
        // A header at line 0 or 1 is never seen.
        {QStringLiteral("Heure\tDuree"), QStringLiteral("x"), QStringLiteral("10:00:00\t1"),
         QStringLiteral("10:01:00\t1")},
        {QStringLiteral("a"), QStringLiteral("Heure\tDuree"), QStringLiteral("10:00:00\t1"),
         QStringLiteral("10:01:00\t1")},
        // No header at all, or only a commented one.
        fichier({"10:00:00\t1", "10:01:00\t1"}),
        fichier({"'Heure\tDuree", "10:00:00\t1", "10:01:00\t1"}),
        // Only the origin line.
        fichier({"Heure", "10:00:00\t1"}),
    };
    for (const QStringList& lignes : cas) {
        store->nb_points[1] = 7;
        store->duree_acquisition = 99;
        store->cumul_durees = 99;
        const auto r = passe(lignes);
        EXPECT_EQ(store->nb_points[1], 0) << lignes.join(u'|').toStdString();
        EXPECT_EQ(store->cumul_durees, 0.0L);
        EXPECT_EQ(store->duree_acquisition, 0.0L);
        EXPECT_EQ(r.derniere_duree, 0.0L);
        EXPECT_EQ(store->max_x_serie[1], -10.0L);
        EXPECT_EQ(store->max_y_serie[1], -10.0L);
    }
}

TEST_F(RecordPass, CommentsEmptyLinesAndTheStopLine) {
    struct Cas {
        QStringList lignes;
        std::vector<Point> attendu;
    };
    const Cas cas[] = {
        // Empty lines and comments before the header are skipped, comments after it too.
        {fichier({"", "'note", "", "Heure", "'after", "10:00:00\t9", "'between", "10:01:00\t2", "10:02:00\t3"}),
         {{1, 2}, {2, 3}}},
        // After the header an empty line ends the data.
        {fichier({"Heure", "10:00:00\t9", "10:01:00\t2", "", "10:02:00\t3"}), {{1, 2}}},
        // So does a stop line, even one that carries a time and a value.
        {fichier({"Heure", "10:00:00\t9", "10:01:00\t2", "10:02:00\t3 SAUVEGARDE", "10:03:00\t4"}), {{1, 2}}},
        {fichier({"SAUVEGARDE", "Heure", "10:00:00\t9", "10:01:00\t2"}), {}},
        // The stop word is matched with its case; a header line carries no data of its own.
        {fichier({"Heure Sauvegarde\t10:00:00\t9", "10:00:00\t9", "10:01:00\t2"}), {{1, 2}}},
        // A line whose text holds "Heure" after the header is data like any other.
        {fichier({"Heure", "10:00:00\t9", "10:01:00\t2\tHeure", "10:02:00\t3"}), {{1, 2}, {2, 3}}},
        // The header can be any line with "Heure" in it, the line after it is the origin.
        {fichier({"date 2024", "  # Heure locale", "10:00:00\t9", "10:01:00\t2"}), {{1, 2}}},
    };
    for (const Cas& c : cas) {
        passe(c.lignes);
        const auto p = points(*store);
        ASSERT_EQ(p.size(), c.attendu.size()) << c.lignes.join(u'|').toStdString();
        for (std::size_t k = 0; k < p.size(); ++k) {
            EXPECT_EQ(p[k].x, c.attendu[k].x) << c.lignes.join(u'|').toStdString();
            EXPECT_EQ(p[k].y, c.attendu[k].y) << c.lignes.join(u'|').toStdString();
        }
    }
}

// A time of day more than an hour before the previous record's (the origin's
// for the first record) is on the next day; a smaller step back stays on the
// day, its elapsed time going back.
TEST_F(RecordPass, MidnightIsAStepBackOfMoreThanAnHourFromThePreviousRecord) {
    struct Cas {
        QStringList lignes;
        std::vector<double> x;
    };
    const Cas cas[] = {
        {fichier({"Heure", "23:59:00\t1", "00:01:00\t1"}), {2}},
        // An event in the same second as the origin is no day later.
        {fichier({"Heure", "10:00:00\t1", "10:00:00\t1", "10:01:00\t1"}), {0, 1}},
        // An hour back stays on the day; more is the next day.
        {fichier({"Heure", "10:00:00\t1", "09:00:00\t1", "11:00:00\t1", "09:00:00\t1"}), {-60, 60, 1380}},
        {fichier({"Heure", "10:00:00\t1", "10:30:00\t1", "09:31:00\t1", "09:29:00\t1", "08:20:00\t1"}),
         {30, -29, -31, 1340}},
        // From 18:00 over two midnights: each midnight is a day, where the
        // origin alone told only the first (the second day's morning went back).
        {fichier({"Heure", "18:00:00\t1", "23:00:00\t1", "01:00:00\t1", "17:59:00\t1", "18:01:00\t1",
                  "23:59:00\t1", "00:30:00\t1", "11:30:00\t1"}),
         {300, 420, 1439, 1441, 1799, 1830, 2490}},
        // Two days later, one line at a time: each line rolls over at most once.
        {fichier({"Heure", "10:00:00\t1", "08:00:00\t1", "06:00:00\t1"}), {1320, 2640}},
        // A time far before the origin rolls over once and stays negative.
        {fichier({"Heure", "10:00:00\t1", "-40:00:00\t1"}), {-1560}},
    };
    for (const Cas& c : cas) {
        for (const Lecture lecture : {Lecture::rapide, Lecture::simple}) {
            passe_des_lignes(c.lignes, *store, lecture);
            const auto p = points(*store);
            ASSERT_EQ(p.size(), c.x.size()) << c.lignes.join(u'|').toStdString();
            for (std::size_t k = 0; k < p.size(); ++k)
                EXPECT_EQ(p[k].x, c.x[k]) << c.lignes.join(u'|').toStdString() << k;
            EXPECT_EQ(store->duree_acquisition, static_cast<long double>(c.x.back()));
        }
    }
}

// A run from 18:00 over two midnights at one record a minute: its span is
// the 41.5 h it lasted and its rate constant, where the second day's morning
// went back in time (30 h, "non constant").
TEST_F(RecordPass, ARunOverTwoMidnightsKeepsItsSpanAndItsConstantRate) {
    QStringList lignes = fichier({"Heure"});
    for (int k = 0; k <= 2490; ++k) {
        const int t = (18 * 3600 + k * 60) % 86400;
        lignes << QStringLiteral("%1:%2:00\t1").arg(t / 3600, 2, 10, QLatin1Char('0')).arg(t / 60 % 60, 2, 10, QLatin1Char('0'));
    }
    const PasseDesLignes p = passe(lignes);
    const rate::RateAnalysis a =
        rate::analyse_rate(secondes_des_enregistrements(*store), heure_de_l_origine_s(p.origine_temps));
    EXPECT_EQ(a.last_s, 41.5 * 3600);
    EXPECT_EQ(a.backward_intervals, 0);
    EXPECT_EQ(a.verdict, rate::Verdict::stable);
    EXPECT_EQ(a.last_clock.day, 2);
}

// Past the capacity the records are not kept, counted or skipped, but their
// days are followed to the file's last record: the stop alarm names it.
TEST(RecordPastTheCapacity, TheFilesLastRecordIsKnown) {
    struct Cas {
        const char* quoi;
        QStringList lignes;
        double dernier;
        bool capacite_depassee;
    };
    const Cas cas[] = {
        {"over midnight, a bad line and a comment past the capacity",
         fichier({"Heure", "22:00:00\t1", "22:30:00\t1", "23:00:00\t1", "23:30:00\t1", "00:30:00\t1", "x\t1",
                  "'commentaire", "01:00:00\tabc", "01:00:00\t2", "SAUVEGARDE", "05:00:00\t2"}),
         180, true},
        {"within the capacity", fichier({"Heure", "22:00:00\t1", "22:30:00\t1", "23:00:00\t1"}), 60, false},
    };
    for (const Cas& c : cas) {
        for (const Lecture lecture : {Lecture::rapide, Lecture::simple}) {
            std::vector<double> x(3), y(3);
            const PasseDesLignes r = passe_des_lignes(c.lignes, PlaceDesEnregistrements{x, y}, lecture);
            EXPECT_EQ(r.dernier_du_fichier, c.dernier) << c.quoi;
            EXPECT_EQ(r.capacite_depassee, c.capacite_depassee) << c.quoi;
            EXPECT_EQ(r.nb_lignes_ignorees, 0) << c.quoi;
            EXPECT_EQ(r.derniere_duree, c.capacite_depassee ? 90 : 60) << c.quoi;
            if (c.capacite_depassee) {
                EXPECT_EQ(r.fin, FinDeLecture::capacite);
                EXPECT_EQ(r.ligne_de_fin, 7);
            }
        }
    }
}

TEST_F(RecordPass, MaximaTotalAndAcquisitionTimeKeepExtendedPrecision) {
    passe(fichier({"Heure", "10:00:00\t1", "10:00:20\t0.1", "10:00:40\t0.7", "08:59:50\t0.2"}));
    ASSERT_EQ(store->nb_points[1], 3);
    // 1379 5/6 minutes (after the roll-over) has no exact double: the series
    // holds it rounded, the maximum and the acquisition time keep the extended value.
    const long double x3 = store->max_x_serie[1];
    EXPECT_EQ(static_cast<double>(x3), store->serie_x[1][3]);
    EXPECT_NE(x3, static_cast<long double>(store->serie_x[1][3]));
    EXPECT_NEAR(static_cast<double>(x3), 1379.0 + 5.0 / 6, 1e-9);
    EXPECT_EQ(store->duree_acquisition, x3);
    EXPECT_EQ(store->max_y_serie[1], 0.7L);
    EXPECT_NE(store->max_y_serie[1], static_cast<long double>(0.7));
    EXPECT_EQ(store->cumul_durees, 0.1L + 0.7L + 0.2L);
}

TEST_F(RecordPass, NegativeDurationsAndAnOriginAtMidnight) {
    const auto r = passe(fichier({"Heure", "00:00:00\t1", "00:00:30\t-2", "00:01:00\t-1"}));
    ASSERT_EQ(store->nb_points[1], 2);
    EXPECT_EQ(r.origine_temps, 0.0L);
    EXPECT_EQ(store->serie_x[1][1], 0.5);  // an origin at 0 is set: 0 is not "not yet set"
    EXPECT_EQ(store->max_y_serie[1], -1.0L);
    EXPECT_EQ(store->cumul_durees, -3.0L);
}

// A line after the header that cannot be read is skipped and counted, with
// its number, its start and the error; it changes nothing of the store, and
// the lines after it are read on. Only a last line still being written (no
// line end after it) is left out without being counted.
TEST_F(RecordPass, LinesThatAreNoRecordAreSkippedAndTheRestIsRead) {
    struct Ignoree {
        qsizetype indice;
        const char* erreur;
    };
    struct Cas {
        const char* quoi;
        QStringList lignes;
        std::vector<Point> attendu;
        std::vector<Ignoree> ignorees;
        bool derniere_ouverte = false;  // read as a file whose last line has no line end
    };
    const Cas cas[] = {
        {"a bad duration in the middle",
         fichier({"Heure", "10:00:00\t1", "10:01:00\t2", "10:02:00\t4", "10:03:00\tabc", "10:04:00\t8"}),
         {{1, 2}, {2, 4}, {4, 8}},
         {{6, "'abc' is not a valid floating point value"}}},
        {"a second header, a line of blanks, a line without its duration",
         fichier({"Heure", "Heure\tDuree", "10:00:00\t1", "  ", "10:01:00\t2", "10:02:00", "10:03:00\t3"}),
         {{1, 2}, {3, 3}},
         {{3, "'Heure' is not a valid integer value"},
          {5, "'_extraitUTIL<>' is not a valid integer value"},
          {7, "'' is not a valid floating point value"}}},
        {"a bad origin line: the next line is the origin",
         fichier({"Heure", "1O:00:00\t1", "10:00:00\t1", "10:01:00\t2"}),
         {{1, 2}},
         {{3, "'1O' is not a valid integer value"}}},
        {"a duration beyond the series' range",
         fichier({"Heure", "10:00:00\t1", "10:01:00\t2", "10:02:00\t1e400", "10:03:00\t3"}),
         {{1, 2}, {3, 3}},
         {{5, "Floating point overflow"}}},
        {"a bad last line with its line end is counted",
         fichier({"Heure", "10:00:00\t1", "10:01:00\t2", "10:02"}),
         {{1, 2}},
         {{5, "'' is not a valid integer value"}}},
        {"a bad last line without its line end is still being written",
         fichier({"Heure", "10:00:00\t1", "10:01:00\t2", "10:02"}),
         {{1, 2}},
         {},
         true},
        {"a readable last line without its line end is still being written too",
         fichier({"Heure", "10:00:00\t1", "10:01:00\t2", "11:06:40\t1"}),
         {{1, 2}},
         {},
         true},
        {"the stop rules still hold after a skipped line",
         fichier({"Heure", "10:00:00\t1", "x\t1", "10:01:00\t2", "SAUVEGARDE", "y\t2"}),
         {{1, 2}},
         {{4, "'x' is not a valid integer value"}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        store->nb_points[2] = 5;
        const auto r = c.derniere_ouverte ? passe_des_lignes(platform::PackedLines(c.lignes.join(u'\n')), *store)
                                          : passe(c.lignes);
        const auto p = points(*store);
        ASSERT_EQ(p.size(), c.attendu.size());
        long double cumul = 0;
        for (std::size_t k = 0; k < p.size(); ++k) {
            EXPECT_EQ(p[k].x, c.attendu[k].x) << k;
            EXPECT_EQ(p[k].y, c.attendu[k].y) << k;
            cumul += c.attendu[k].y;
        }
        EXPECT_EQ(store->cumul_durees, cumul);
        EXPECT_EQ(store->duree_acquisition, static_cast<long double>(c.attendu.back().x));
        EXPECT_EQ(store->max_x_serie[1], static_cast<long double>(c.attendu.back().x));
        EXPECT_EQ(store->nb_points[2], 5) << "series 2 is not the pass's";
        EXPECT_EQ(r.ligne_en_attente, c.derniere_ouverte);
        EXPECT_EQ(r.nb_lignes_ignorees, static_cast<std::int32_t>(c.ignorees.size()));
        ASSERT_EQ(r.lignes_ignorees.size(), c.ignorees.size());
        for (std::size_t k = 0; k < c.ignorees.size(); ++k) {
            const LigneIgnoree& l = r.lignes_ignorees[k];
            EXPECT_EQ(l.indice, c.ignorees[k].indice);
            EXPECT_EQ(l.debut, c.lignes.at(l.indice));
            EXPECT_EQ(l.longueur, c.lignes.at(l.indice).size());
            EXPECT_EQ(l.erreur, QString::fromUtf8(c.ignorees[k].erreur));
        }
    }
}

// Each duration text, read with either decimal mark: its value (sign kept) or
// the line skipped with the conversion's error, in the mark of the locale.
TEST_F(RecordPass, DurationTextsGiveTheirValueOrSkipTheLineWithTheError) {
    struct Cas {
        const char* duree;
        double valeur;                      // when a record
        const char *erreur_pt, *erreur_vg;  // the skipped line's error ('.' then ','); nullptr: a record
    };
    const char* const kInvalide = "' is not a valid floating point value";
    const Cas cas[] = {
        {"1e5000", 0, "'1e5000", "'1e5000"},
        {"nan", 0, "'nan", "'nan"},
        {"inf", 0, "'inf", "'inf"},
        {"1 000", 0, "'1 000", "'1 000"},
        {"-Infinity", 0, "'-Infinity", "'-Infinity"},
        {"1,000.5", 0, "'1.000.5", "'1,000,5"},
        {"0x10", 0, "'0x10", "'0x10"},
        // Beyond the 64 bits of the series, though not beyond the 80 bits of the reading.
        {"1e999", 0, "Floating point overflow", "Floating point overflow"},
        {"-0", -0.0, nullptr, nullptr},
        {"-2.5", -2.5, nullptr, nullptr},
        {".5", 0.5, nullptr, nullptr},
        {"5.", 5, nullptr, nullptr},
        {"+1.5", 1.5, nullptr, nullptr},
        {"2,5e1", 25, nullptr, nullptr},
        // The comma is a decimal mark, never a thousands separator.
        {"1,000", 1, nullptr, nullptr},
        {"1.000", 1, nullptr, nullptr},
        {"1e300", 1e300, nullptr, nullptr},
    };
    for (const char sep : {'.', ','}) {
        platform::set_decimal_separator(QLatin1Char(sep));
        for (const Cas& c : cas) {
            const auto r = passe(fichier({"Heure", "10:00:00\t1", (QByteArray("10:01:00\t") + c.duree).constData()}));
            const char* erreur = sep == '.' ? c.erreur_pt : c.erreur_vg;
            if (erreur) {
                EXPECT_EQ(store->nb_points[1], 0) << c.duree << sep;
                ASSERT_EQ(r.lignes_ignorees.size(), 1u) << c.duree << sep;
                EXPECT_EQ(
                    r.lignes_ignorees[0].erreur,
                    QString::fromLatin1(erreur) + (erreur[0] == '\'' ? QString::fromLatin1(kInvalide) : QString()));
                continue;
            }
            EXPECT_EQ(r.nb_lignes_ignorees, 0) << c.duree << sep;
            ASSERT_EQ(store->nb_points[1], 1) << c.duree << sep;
            EXPECT_EQ(store->serie_y[1][1], c.valeur) << c.duree << sep;
            EXPECT_EQ(std::signbit(store->serie_y[1][1]), std::signbit(c.valeur)) << c.duree << sep;
            EXPECT_EQ(static_cast<double>(store->cumul_durees), c.valeur) << c.duree << sep;
        }
    }
    platform::set_decimal_separator(QLatin1Char('.'));
}

// A file of junk after its header: every line counted, the first ones and the
// last kept with a line's start, the store holding what could be read.
TEST_F(RecordPass, ManySkippedLinesKeepTheFirstOnesAndTheLast) {
    QStringList lignes = fichier({"Heure", "10:00:00\t1"});
    const QString longue(5000, QLatin1Char('#'));
    for (int k = 0; k < 250; ++k) lignes << (k == 249 ? longue : QStringLiteral("junk %1").arg(k));
    lignes << QStringLiteral("10:01:00\t2");
    const auto r = passe(lignes);
    EXPECT_EQ(store->nb_points[1], 1);
    EXPECT_EQ(r.nb_lignes_ignorees, 250);
    ASSERT_EQ(r.lignes_ignorees.size(), kLignesIgnoreesGardees);
    for (std::size_t k = 0; k + 1 < kLignesIgnoreesGardees; ++k) {
        EXPECT_EQ(r.lignes_ignorees[k].indice, static_cast<qsizetype>(4 + k));
    }
    const LigneIgnoree& derniere = r.lignes_ignorees.back();
    EXPECT_EQ(derniere.indice, 4 + 249);
    EXPECT_EQ(derniere.debut, longue.left(kDebutGarde));
    EXPECT_EQ(derniere.longueur, 5000);
}

TEST_F(RecordPass, TheSameResultWithEitherDecimalSeparator) {
    const auto lignes = fichier({"'exp 3", "Heure\tDurée", "23:58:10\t0.25", "23:59:00\t1,75", "23:59:59\t12.5e-1",
                                 "00:00:01\t,5", "00:10:00\t3.", "'fin"});
    std::vector<Point> avant;
    long double cumul = 0;
    for (const char sep : {'.', ','}) {
        platform::set_decimal_separator(QLatin1Char(sep));
        passe(lignes);
        const auto p = points(*store);
        ASSERT_EQ(p.size(), 4u);
        if (sep == '.') {
            avant = p;
            cumul = store->cumul_durees;
            EXPECT_EQ(p[0].y, 1.75);
            EXPECT_EQ(p[1].y, 1.25);
            EXPECT_EQ(p[2].y, 0.5);
            EXPECT_EQ(p[3].y, 3.0);
            continue;
        }
        for (std::size_t k = 0; k < p.size(); ++k) {
            EXPECT_EQ(p[k].x, avant[k].x);
            EXPECT_EQ(p[k].y, avant[k].y);
        }
        EXPECT_EQ(store->cumul_durees, cumul);
    }
}

namespace {
QStringList enregistrements(int n, const char* apres = nullptr) {
    QStringList lignes = fichier({"Heure\tDuree", "00:00:00\t9"});
    for (int k = 1; k <= n; ++k) {
        lignes.append(QStringLiteral("%1:%2:%3\t%4")
                          .arg(k / 3600)
                          .arg(k / 60 % 60, 2, 10, QLatin1Char('0'))
                          .arg(k % 60, 2, 10, QLatin1Char('0'))
                          .arg(k % 7));
    }
    if (apres) lignes.append(QString::fromUtf8(apres));
    return lignes;
}
long double somme(int n) {
    long double s = 0;
    for (int k = 1; k <= n; ++k) s += k % 7;
    return s;
}
}  // namespace

TEST_F(RecordPass, RecordsPastTheCapacityAreNotRead) {
    const auto plein = passe(enregistrements(NB_MAX_DONNEES));
    EXPECT_FALSE(plein.capacite_depassee);
    EXPECT_EQ(store->nb_points[1], NB_MAX_DONNEES);

    // The 50 001st record would not even convert: it is never read.
    const auto r = passe(enregistrements(NB_MAX_DONNEES, "99:99:xx\tzz"));
    EXPECT_TRUE(r.capacite_depassee);
    EXPECT_EQ(store->nb_points[1], NB_MAX_DONNEES);
    EXPECT_EQ(store->cumul_durees, somme(NB_MAX_DONNEES));
    EXPECT_EQ(store->duree_acquisition, NB_MAX_DONNEES / 60.0L);
    EXPECT_EQ(r.derniere_duree, NB_MAX_DONNEES / 60.0L);
    EXPECT_EQ(store->max_x_serie[1], NB_MAX_DONNEES / 60.0L);

    const auto r2 = passe(enregistrements(NB_MAX_DONNEES + 30));
    EXPECT_TRUE(r2.capacite_depassee);
    EXPECT_EQ(store->nb_points[1], NB_MAX_DONNEES);
    EXPECT_EQ(store->cumul_durees, somme(NB_MAX_DONNEES));

    // Comments, an end line or a stop line after the last record do not count as records.
    for (const char* fin : {"'commentaire", "", "SAUVEGARDE 10:00:00\t1"}) {
        EXPECT_FALSE(passe(enregistrements(NB_MAX_DONNEES, fin)).capacite_depassee) << fin;
    }
}

// The records' times as the run's rate reads them: seconds after the origin,
// the days counted, and the origin's time of day, with and without an origin.
TEST_F(RecordPass, TheTimeLineOfTheRateIsTheRecordsSecondsWithTheOriginsTimeOfDay) {
    struct Case {
        QStringList lignes;
        long double origine_temps;
        std::vector<double> secondes;
        double origine_s;
    };
    const Case cases[] = {
        {fichier({"Heure\tD", "23:59:50\t1", "23:59:59\t2", "00:00:05\t3", "23:59:40\t4"}),
         23 * 60 + 59 + 50.0L / 60,
         {9, 15, 86390},
         86390},
        {fichier({"Heure\tD", "10:00:00\t1"}), 600, {}, 36000},
        {fichier({"Heure\tD"}), -1, {}, 0},
    };
    for (const Case& c : cases) {
        const PasseDesLignes p = passe(c.lignes);
        EXPECT_EQ(p.origine_temps, c.origine_temps) << c.lignes.join(u'|');
        const std::vector<double> s = secondes_des_enregistrements(*store);
        ASSERT_EQ(s.size(), c.secondes.size());
        for (std::size_t i = 0; i < s.size(); ++i) EXPECT_NEAR(s[i], c.secondes[i], 1e-6) << i;
        EXPECT_NEAR(heure_de_l_origine_s(p.origine_temps), c.origine_s, 1e-6);
    }
}
