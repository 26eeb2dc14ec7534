// The readers of the other apparatus' formats, their detection, and the
// record pass over their files.
#include "analysis/format_pass.h"
#include "analysis/formats/decay_lines.h"
#include "analysis/formats/format.h"
#include "analysis/formats/format_choices.h"
#include "analysis/formats/local_time.h"
#include "analysis/formats/two_integers.h"
#include "analysis/record_pass.h"
#include "platform/textfile.h"
#include "support/errors.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <ctime>
#include <memory>

namespace {

using Sorte = LigneDeuxEntiers::Sorte;

struct CasDeuxEntiers {
    const char* ligne;
    Sorte sorte;
    std::int64_t nombre;
    std::int64_t secondes;
};

struct CasMauvais {
    const char* ligne;
    const char* erreur;
};

const QString kPasDeuxEntiers = QStringLiteral("pas deux entiers « valeur secondes »");

}  // namespace

TEST(DeuxEntiers, GoodAndEdgeLinesOnTextAndBytes) {
    const CasDeuxEntiers cas[] = {
        {"1620 1574345682", Sorte::desintegration, 1620, 1574345682},
        {"\t 39999\t\t1574345682  ", Sorte::desintegration, 39999, 1574345682},  // the last decay value
        {"40000 1574345682", Sorte::comptage, 0, 1574345682},                    // a second without muon
        {"40007 1574345683", Sorte::comptage, 7, 1574345683},
        {"0 0", Sorte::desintegration, 0, 0},
        {"+20 5", Sorte::desintegration, 20, 5},
        {"", Sorte::vide, 0, 0},
        {" \t ", Sorte::vide, 0, 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        for (const LigneDeuxEntiers& l :
             {lit_deux_entiers(QString::fromLatin1(c.ligne)), lit_deux_entiers(QByteArrayView(c.ligne))}) {
            EXPECT_EQ(l.sorte, c.sorte);
            EXPECT_EQ(l.nombre, c.nombre);
            EXPECT_EQ(l.secondes, c.secondes);
        }
    }
}

TEST(DeuxEntiers, BadLinesSayWhy) {
    const CasMauvais cas[] = {
        {"-20 1574345682", "valeur négative (-20) : ni une désintégration ni un comptage"},
        {"16.5 1574345682", "pas deux entiers « valeur secondes »"},
        {"1620", "pas deux entiers « valeur secondes »"},
        {"1620 1574345682 3", "pas deux entiers « valeur secondes »"},
        {"1620 -1574345682", "pas deux entiers « valeur secondes »"},
        {"1620,1574345682", "pas deux entiers « valeur secondes »"},
        {"10:00:01\t25", "pas deux entiers « valeur secondes »"},
        {"1234567890123456789 1", "pas deux entiers « valeur secondes »"},  // past the range
        {"20 253402300800", "secondes Unix au-delà de l'an 9999 : 253402300800"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        EXPECT_EQ(erreur_de([&] { lit_deux_entiers(QString::fromLatin1(c.ligne)); }), QString::fromUtf8(c.erreur));
        EXPECT_EQ(erreur_de([&] { lit_deux_entiers(QByteArrayView(c.ligne)); }), QString::fromUtf8(c.erreur));
    }
}

TEST(LignesDecay, GoodEdgeAndNonRecordLines) {
    const struct {
        const char* ligne;
        bool desintegration;
        std::int64_t jour;
        std::int32_t seconde;
        long double us;
    } cas[] = {
        {"Decay 'Thu_Dec_10_11:49:22_2015' 2.4375", true, 16779, 11 * 3600 + 49 * 60 + 22, 2.4375L},
        {"  Decay\t'Tue_Dec__1_00:00:00_2015'   0 ", true, 16770, 0, 0},  // asctime pads a one-digit day
        {"Decay 'Mon Feb 29 23:59:60 2016' 11", true, 16860, 86400, 11},  // blanks, a leap day, a leap second
        {"Decay 'Thu_Jan_01_00:00:01_1970' 1e-3", true, 0, 1, 1e-3L},
        {"", false, 0, 0, 0},
        {"# DAQ card run 4", false, 0, 0, 0},
        {"Rate 12.5 Hz", false, 0, 0, 0},
        {"Muons 1523 'Thu_Dec_10_11:49:22_2015'", false, 0, 0, 0},
        {"'2015-12-10 11:49:22.123' Decay 2.4375", true, 16779, 11 * 3600 + 49 * 60 + 22, 2.4375L},
        {" '2016-02-29 23:59:60'\tDecay  11 ", true, 16860, 86400, 11},  // no fraction, a leap second
        {"'2015-12-10 11:49:22.5' Rate 3.5", false, 0, 0, 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        const LigneDecay l = lit_ligne_decay(QString::fromLatin1(c.ligne));
        EXPECT_EQ(l.desintegration, c.desintegration);
        EXPECT_EQ(l.jour, c.jour);
        EXPECT_EQ(l.seconde, c.seconde);
        EXPECT_EQ(l.microsecondes, c.us);
    }
    EXPECT_EQ(lit_ligne_decay(u"'2015-12-10 11:49:22.123' Decay 2").microsecond, 123000);
}

TEST(LignesDecay, BadLinesSayWhy) {
    const QString date = QStringLiteral("date illisible (attendu 'Thu_Dec_10_11:49:22_2015')");
    const QString autre = QStringLiteral("ligne d'un autre format (attendu « Decay 'date' durée »)");
    const QString en_tete = QStringLiteral("date illisible (attendu '2015-12-10 11:49:22.123')");
    const struct {
        const char* ligne;
        QString erreur;
    } cas[] = {
        {"Decay 'Thu_Dec_10_11:49:22_2015' -2.5", QStringLiteral("durée négative ou non finie : -2.5")},
        {"Decay 'Thu_Dec_10_11:49:22_2015' 2,5", QStringLiteral("'2,5' is not a valid floating point value")},
        {"Decay 'Thu_Dec_10_11:49:22_2015' 1.7976931348623159e308", QStringLiteral("Floating point overflow")},
        {"Decay 'Thu_Dec_10_11:49:22_2015'", QStringLiteral("'' is not a valid floating point value")},
        {"Decay 'Thu_Dec_32_11:49:22_2015' 2", date},
        {"Decay 'Thu_Feb_29_11:49:22_2015' 2", date},  // not a leap year
        {"Decay 'Thu_Dek_10_11:49:22_2015' 2", date},
        {"Decay 'Thu_Dec_10_24:00:00_2015' 2", date},
        {"Decay 'Thu_Dec_10_11:49_2015' 2", date},
        {"Decay Thu_Dec_10_11:49:22_2015 2", date},
        {"1620 1574345682", autre},
        {"10:00:01\t25", autre},
        {"'2015-12-10 11:49' Decay 2", en_tete},
        {"'2015-13-10 11:49:22' Decay 2", en_tete},
        {"'2015-12-10 11:49:22.1234567' Decay 2", en_tete},
        {"'2015-12-10T11:49:22' Decay 2", en_tete},
        {"'2015-12-10 11:49:22.123 Decay 2", en_tete},
        {"'2015-12-10 11:49:22' 2.5", QStringLiteral("ligne d'un autre format (attendu « 'date' Decay durée »)")},
        {"'2015-12-10 11:49:22' Decay -1", QStringLiteral("durée négative ou non finie : -1")},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        EXPECT_EQ(erreur_de([&] { lit_ligne_decay(QString::fromLatin1(c.ligne)); }), c.erreur);
    }
}

TEST(Format, DetectedFromTheFirstLines) {
    const struct {
        QString texte;
        FormatDeDonnees format;
    } cas[] = {
        {QStringLiteral("1620 1574345682\n40001 1574345683\n"), FormatDeDonnees::deux_entiers},
        {QStringLiteral("\n\n40001 1574345683\n16"), FormatDeDonnees::deux_entiers},
        {QStringLiteral("# run\nRate 3 Hz\nDecay 'Thu_Dec_10_11:49:22_2015' 2.4375"), FormatDeDonnees::lignes_decay},
        {QStringLiteral("Run 12\nSample\nHeure\tDurée\n10:00:00\t25\n"), FormatDeDonnees::acquisition},
        {QStringLiteral("-20 1574345682\n"), FormatDeDonnees::acquisition},  // a bad first line: none
        {QStringLiteral("1620 1574345682 5\n"), FormatDeDonnees::acquisition},
        {QStringLiteral("12 3\nDecay 'Thu_Dec_10_11:49:22_2015' 2"), FormatDeDonnees::deux_entiers},
        {QStringLiteral("Heure\n10:00:00\t25\nDecay 'Thu_Dec_10_11:49:22_2015' 2"), FormatDeDonnees::acquisition},
        {QString(), FormatDeDonnees::acquisition},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte.toStdString());
        EXPECT_EQ(detecte_format_des_octets(c.texte.toUtf8()), c.format);
        EXPECT_EQ(format_des_lignes(c.texte.split(QLatin1Char('\n'))), c.format);
    }
    EXPECT_EQ(detecte_format_des_octets("\xEF\xBB\xBF"
                                        "1620 1574345682\r\n"),
              FormatDeDonnees::deux_entiers);
    // Only the first lines are read.
    QString loin =
        QStringLiteral("Rate 1\n").repeated(kLignesDeDetection) + QStringLiteral("Decay 'Thu_Dec_10_11:49:22_2015' 2");
    EXPECT_EQ(detecte_format_des_octets(loin.toUtf8()), FormatDeDonnees::acquisition);
}

TEST(Formats, TheDetectionLinesAreFoundWhetherTheStartComesWholeOrInBlocks) {
    // Read block after block, the start grows; the answer is the same as for
    // the whole start, at the same byte, whatever the blocks' size.
    const QByteArray debut = QByteArray(3000, 'x') + QByteArray("12 3\r\n").repeated(kLignesDeDetection) + "z";
    const auto tient_d_un_coup = [&](qsizetype n) { return DetectionLines().held_in(debut.first(n)); };
    for (const qsizetype bloc : {1, 7, 4096}) {
        SCOPED_TRACE(bloc);
        DetectionLines detection;
        for (qsizetype n = 0; n < debut.size(); n = std::min(n + bloc, debut.size())) {
            ASSERT_EQ(detection.held_in(debut.first(n)), tient_d_un_coup(n)) << n;
        }
        EXPECT_TRUE(detection.held_in(debut));
    }
    EXPECT_FALSE(tient_d_un_coup(debut.size() - 2));
    EXPECT_TRUE(tient_d_un_coup(debut.size() - 1));
}

namespace {

struct Enregistrement {
    double x;
    double y;
    bool operator==(const Enregistrement&) const = default;
};

// The pass over `texte` as bytes and, when it ends with a line end (a list of
// lines cannot tell a last line still being written), as lines: both give the same.
struct Passe {
    PasseDesLignes passe;
    std::vector<Enregistrement> enregistrements;
};

Passe passe_de(const QString& texte, std::size_t capacite = 100) {
    std::vector<double> x(capacite), y(capacite), x2(capacite), y2(capacite);
    Passe p{passe_des_octets(texte.toUtf8(), PlaceDesEnregistrements{x, y}), {}};
    for (std::int32_t k = 0; k < p.passe.nb_enregistrements; ++k) p.enregistrements.push_back({x[k], y[k]});
    if (!texte.endsWith(QLatin1Char('\n'))) return p;
    const PasseDesLignes en_lignes = passe_des_lignes(texte.split(QLatin1Char('\n')), PlaceDesEnregistrements{x2, y2});
    EXPECT_EQ(en_lignes.nb_enregistrements, p.passe.nb_enregistrements);
    EXPECT_EQ(en_lignes.lignes_ignorees, p.passe.lignes_ignorees);
    EXPECT_EQ(en_lignes.comptages, p.passe.comptages);
    const auto n = static_cast<std::size_t>(p.passe.nb_enregistrements);
    for (auto* v : {&x, &y, &x2, &y2}) v->resize(n);
    EXPECT_EQ(x2, x);
    EXPECT_EQ(y2, y);
    return p;
}

}  // namespace

TEST(PasseDuFormat, TwoIntegersGiveDecaysAsRecordsAndCountsAside) {
    const std::int64_t t0 = 1574345682;
    const Passe p = passe_de(QStringLiteral("40003 %1\n1620 %1\n40002 %2\n-20 %2\n2080 %3\n40001 %4\n")
                                 .arg(t0)
                                 .arg(t0 + 1)
                                 .arg(t0 + 90)
                                 .arg(t0 + 91));
    EXPECT_EQ(p.passe.format, FormatDeDonnees::deux_entiers);
    EXPECT_EQ(p.passe.unite_ns, 1);
    EXPECT_EQ(p.enregistrements, (std::vector<Enregistrement>{{0, 1620}, {1.5, 2080}}));
    EXPECT_EQ(p.passe.comptages, (Comptages{{0, 1, 91}, {3, 2, 1}}));
    EXPECT_EQ(p.passe.cumul_durees, 3700);
    EXPECT_EQ(p.passe.derniere_duree, 1.5L);
    EXPECT_EQ(p.passe.origine_temps, heure_locale(t0).seconde / 60.0L);
    ASSERT_EQ(p.passe.nb_lignes_ignorees, 1);
    EXPECT_EQ(p.passe.lignes_ignorees[0].indice, 3);
}

TEST(PasseDuFormat, ElapsedTimeRunsOverDaysAndTimesBeforeTheOriginAreBadLines) {
    const std::int64_t t0 = 1574380800 - 30;  // some seconds before a midnight, UTC
    const Passe p = passe_de(
        QStringLiteral("100 %1\n200 %2\n300 %3\n400 %4\n").arg(t0).arg(t0 + 60).arg(t0 + 2 * 86400).arg(t0 - 1));
    EXPECT_EQ(p.enregistrements, (std::vector<Enregistrement>{{0, 100}, {1, 200}, {2 * 1440, 300}}));
    ASSERT_EQ(p.passe.nb_lignes_ignorees, 1);
    EXPECT_EQ(p.passe.lignes_ignorees[0].erreur, QStringLiteral("heure avant celle de la première ligne du fichier"));
}

TEST(PasseDuFormat, ALastLineStillBeingWrittenWaits) {
    // Open last lines: one number, part of the seconds, a line that reads as
    // a whole one: the acquisition writes the line end last.
    for (const char* fin : {"16", "1620 157434", "-", "200 1574345683"}) {
        SCOPED_TRACE(fin);
        const Passe p = passe_de(QStringLiteral("100 1574345682\n") + QLatin1String(fin));
        EXPECT_EQ(p.passe.nb_enregistrements, 1);
        EXPECT_EQ(p.passe.nb_lignes_ignorees, 0);
        EXPECT_TRUE(p.passe.ligne_en_attente);
    }
    // With its line end: read.
    EXPECT_EQ(passe_de(QStringLiteral("100 1574345682\n200 1574345683\n")).passe.nb_enregistrements, 2);
}

TEST(PasseDuFormat, DecayLinesOverMidnightWithTheProgramsOtherLines) {
    const Passe p =
        passe_de(QStringLiteral("# card 3\nRate 4 Hz\nDecay 'Thu_Dec_10_23:59:00_2015' 2.5\n"
                                "\nDecay 'Fri_Dec_11_00:01:00_2015' 1.25\n1620 1574345682\n"
                                "Decay 'Sat_Dec_12_00:00:00_2015' 3\n"));
    EXPECT_EQ(p.passe.format, FormatDeDonnees::lignes_decay);
    EXPECT_EQ(p.passe.unite_ns, 1000);
    EXPECT_EQ(p.passe.origine_temps, 1439);
    EXPECT_EQ(p.enregistrements, (std::vector<Enregistrement>{{0, 2.5}, {2, 1.25}, {1441, 3}}));
    ASSERT_EQ(p.passe.nb_lignes_ignorees, 1);
    EXPECT_EQ(p.passe.lignes_ignorees[0].indice, 5);
    EXPECT_TRUE(p.passe.comptages.secondes.empty());
}

// The date first: local time, or UTC as the user chose; the fraction of the
// second in the elapsed times and in the origin's time of day.
TEST(PasseDuFormat, DecayLinesWithTheDateFirstInLocalTimeOrUtc) {
    const QString texte = QStringLiteral("# run 5\n'2024-03-14 10:00:00.250' Decay 2.5\n"
                                         "'2024-03-14 10:00:00.750' Decay 1.25\n'2024-03-14 10:01:30' Decay 3\n");
    const std::int64_t unix = 1710410400;  // 2024-03-14 10:00:00 UTC, 11:00 in Paris
    const QByteArray tz = qgetenv("TZ");
    qputenv("TZ", "Europe/Paris");
    tzset();
    ASSERT_EQ(heure_locale(unix).seconde, 11 * 3600);
    for (const bool utc : {false, true}) {
        SCOPED_TRACE(utc);
        FormatChoices choix;
        choix.dated_decay_lines_utc = utc;
        const FormatChoices avant = format_choices();
        set_format_choices(choix);
        const Passe p = passe_de(texte);
        set_format_choices(avant);
        EXPECT_EQ(p.passe.format, FormatDeDonnees::lignes_decay);
        const long double seconde = utc ? heure_locale(unix).seconde : 10 * 3600;
        EXPECT_EQ(p.passe.origine_temps, seconde / 60 + 0.25L / 60);
        EXPECT_EQ(p.enregistrements,
                  (std::vector<Enregistrement>{{0, 2.5}, {static_cast<double>(0.5L / 60), 1.25}, {1.5 - 0.25 / 60, 3}}));
    }
    if (tz.isNull()) {
        qunsetenv("TZ");
    } else {
        qputenv("TZ", tz);
    }
    tzset();
}

TEST(PasseDuFormat, StopsAtTheCapacity) {
    const Passe p = passe_de(QStringLiteral("1 10\n2 11\n3 12\n"), 2);
    EXPECT_EQ(p.passe.nb_enregistrements, 2);
    EXPECT_TRUE(p.passe.capacite_depassee);
    EXPECT_EQ(p.passe.ligne_de_fin, 2);
}

// A mark (U+FEFF) at the start of a line in the middle of a file is a
// character of that line, whether the file is read from its bytes (vorns-fit)
// or from its decoded text (the window): the same records, the same skipped line.
TEST(PasseDuFormat, AMarkInsideTheFileReadsTheSameFromBytesAndFromText) {
    const struct {
        QByteArray octets;
        std::int32_t enregistrements;
    } cas[] = {
        {"A\r\nB\r\nHeure\tD\r\n10:00:00\t1\r\n\xEF\xBB\xBF"
         "10:00:01\t2\r\n10:00:02\t3\r\n",
         1},
        {"300 1574345683\n\xEF\xBB\xBF"
         "500 1574345743\n700 1574345750\n",
         2},
    };
    for (const auto& c : cas) {
        std::vector<double> x(10), y(10);
        const PasseDesLignes octets_lus = passe_des_octets(c.octets, PlaceDesEnregistrements{x, y});
        const PasseDesLignes texte_lu =
            passe_des_lignes(platform::split_lines(platform::decode_text(c.octets)), PlaceDesEnregistrements{x, y});
        EXPECT_EQ(octets_lus.nb_enregistrements, c.enregistrements);
        EXPECT_EQ(texte_lu.nb_enregistrements, c.enregistrements);
        ASSERT_EQ(octets_lus.nb_lignes_ignorees, 1);
        EXPECT_EQ(octets_lus.lignes_ignorees, texte_lu.lignes_ignorees);
    }
}
