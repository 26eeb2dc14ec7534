// What a load tells of its lines, from real passes over lines: the skipped
// lines, why there is no record, and each skipped line or capacity told once.
#include "analysis/load_text.h"
#include "analysis/reported.h"

#include "platform/numbers.h"
#include "platform/translations.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Two title lines, then the given ones; the pass over them. No line at all: an empty file.
PasseDesLignes passe(const QStringList& suite) {
    static const auto store = std::make_unique<RecordStore>();
    if (suite.isEmpty()) return passe_des_lignes(QStringList(), *store);
    return passe_des_lignes(QStringList{QStringLiteral("Run"), QStringLiteral("Sample")} + suite, *store);
}

const QStringList kTroisMauvaises = {"Heure", "10:00:00\t1", "10:01:00\tabc", "10:02:00\t2",
                                     "x\t3",  "10:03:00\t3", "10:04:00\t--",  "10:05:00\t4"};

}  // namespace

TEST(PassReport, TheLineCountSaysHowManyLinesWereSkipped) {
    EXPECT_EQ(texte_nb_lignes(6, 0), QStringLiteral("6 lignes"));
    EXPECT_EQ(texte_nb_lignes(1234, 1), QStringLiteral("1234 lignes (1 ignorée)"));
    EXPECT_EQ(texte_nb_lignes(10, 3), QStringLiteral("10 lignes (3 ignorées)"));
}

// The same counts in each language vorns speaks: French keeps its texts (its
// plural forms from vorns_fr.qm), English and German their own plurals.
TEST(PassReport, TheCountsSpeakTheLanguageInstalled) {
    struct Cas {
        const char* langue;
        const char* une_ignoree;
        const char* trois_ignorees;
        const char* une_ligne;
        const char* jours;
    };
    for (const Cas& c :
         {Cas{"fr", "1234 lignes (1 ignorée)", "10 lignes (3 ignorées)", "1 lignes", " (2 j)"},
          Cas{"en", "1234 lines (1 skipped)", "10 lines (3 skipped)", "1 line", " (2 d)"},
          Cas{"de", "1234 Zeilen (1 übersprungen)", "10 Zeilen (3 übersprungen)", "1 Zeile", " (2 d)"}}) {
        ASSERT_EQ(platform::install_translations(QString::fromLatin1(c.langue)), QString::fromLatin1(c.langue));
        EXPECT_EQ(texte_nb_lignes(1234, 1), QString::fromUtf8(c.une_ignoree));
        EXPECT_EQ(texte_nb_lignes(10, 3), QString::fromUtf8(c.trois_ignorees));
        EXPECT_EQ(texte_nb_lignes(1, 0), QString::fromUtf8(c.une_ligne));
        EXPECT_EQ(texte_duree_acquisition(2880), QString::fromUtf8(c.jours));
    }
    platform::install_translations();
}

TEST(PassReport, SkippedLinesAreNamedByFileNumberTextAndError) {
    struct Cas {
        QStringList lignes;
        LigneNommee laquelle;
        QString attendu;
    };
    const QString longue = QStringLiteral("10:01:00\t") + QString(300, QLatin1Char('9')) + QStringLiteral("x");
    const Cas cas[] = {
        {{"Heure", "10:00:00\t1", "10:01:00\t2"}, LigneNommee::premiere, QString()},
        // One line, then several named by the first or the last (the window's box and status line).
        {{"Heure", "10:00:00\t1", "10:01:00\tabc", "10:02:00\t2"},
         LigneNommee::derniere,
         QStringLiteral("run.txt, ligne 5 ignorée : « 10:01:00⇥abc » n'est pas un enregistrement ('abc' is not a "
                        "valid floating point value)")},
        {kTroisMauvaises, LigneNommee::derniere,
         QStringLiteral("run.txt : 3 lignes ignorées ; la dernière, ligne 9 : « 10:04:00⇥-- » n'est pas un "
                        "enregistrement ('--' is not a valid floating point value)")},
        // A long line is quoted by its first 100 characters; control characters never reach the text.
        {{"Heure", "10:00:00\t1", longue},
         LigneNommee::premiere,
         QStringLiteral("run.txt, ligne 5 ignorée : « ") + QStringLiteral("10:01:00⇥") + QString(91, QLatin1Char('9')) +
             QStringLiteral("… » n'est pas un enregistrement ('") + QString(100, QLatin1Char('9')) +
             QStringLiteral("…' is not a valid floating point value)")},
        {{"Heure", "10:00:00\t1", QStringLiteral("10:01:00\t1\x1b[31m\r2")},
         LigneNommee::premiere,
         QStringLiteral("run.txt, ligne 5 ignorée : « 10:01:00⇥1�[31m�2 » n'est pas un enregistrement "
                        "('1�[31m�2' is not a valid floating point value)")},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(texte_lignes_ignorees(QStringLiteral("run.txt"), passe(c.lignes), c.laquelle), c.attendu)
            << c.lignes.join(u'|').toStdString();
    }
}

TEST(PassReport, AFileWithoutRecordSaysWhy) {
    struct Cas {
        QStringList lignes;  // after the two title lines; none at all: an empty file
        const char* raison;
    };
    const Cas cas[] = {
        {{}, "le fichier est vide"},
        // A file of no format vorns reads: which they are.
        {{"root:x:0:0:root:/root:/bin/bash", "daemon:x:1:1"},
         "pas de ligne d'en-tête « Heure » après les deux lignes de titre ; vorns lit les fichiers de l'acquisition "
         "(en-tête « Heure »), de deux entiers par ligne (« 1620 1574345682 ») et de lignes « Decay » (« Decay "
         "'Thu_Dec_10_11:49:22_2015' 2.4375 »)"},
        {{"SAUVEGARDE", "Heure", "10:00:00\t1"}, "la ligne 3 (« SAUVEGARDE ») arrête la lecture avant les données"},
        {{"Heure", "", "10:00:00\t1"}, "la ligne 4, vide, arrête la lecture avant les données"},
        {{"Heure"}, "pas de ligne de données après l'en-tête « Heure »"},
        {{"Heure", "a\tb", "c\td"}, "aucune ligne lisible après l'en-tête « Heure »"},
        {{"Heure", "10:00:00\t1"}, "une seule ligne de données, qui fixe l'origine des temps"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(texte_sans_enregistrement(passe(c.lignes)),
                  QStringLiteral("aucun enregistrement : ") + QString::fromUtf8(c.raison))
            << c.raison;
    }
    EXPECT_EQ(texte_aucune_duree_montree(800, false),
              QStringLiteral("aucune durée en deçà de X max = 800 : pas de chiffres"));
    EXPECT_TRUE(texte_aucune_duree_montree(800, true).endsWith(
        QStringLiteral("restent ceux du calcul précédent de ce fichier")));
}

TEST(PassReport, EachSkippedLineAndTheCapacityAreToldOncePerFile) {
    Signalements signalees;
    const PasseDesLignes trois = passe(kTroisMauvaises);
    EXPECT_FALSE(signalees.lignes_nouvelles(QStringLiteral("a.txt"), passe({"Heure", "10:00:00\t1"})));
    EXPECT_TRUE(signalees.lignes_nouvelles(QStringLiteral("a.txt"), trois));
    EXPECT_FALSE(signalees.lignes_nouvelles(QStringLiteral("a.txt"), trois)) << "the same lines again";
    EXPECT_TRUE(signalees.lignes_nouvelles(QStringLiteral("b.txt"), trois)) << "another file";
    EXPECT_FALSE(signalees.lignes_nouvelles(QStringLiteral("a.txt"), trois)) << "the first file is still known";
    // The file grew by a bad line; and a line rewritten in the same place is another line.
    EXPECT_TRUE(signalees.lignes_nouvelles(QStringLiteral("a.txt"), passe(kTroisMauvaises + QStringList{"y\t5"})));
    QStringList reecrit = kTroisMauvaises;
    reecrit[2] = QStringLiteral("10:01:00\tabd");
    EXPECT_TRUE(signalees.lignes_nouvelles(QStringLiteral("a.txt"), passe(reecrit)));

    PasseDesLignes pleine;
    pleine.capacite_depassee = true;
    EXPECT_FALSE(signalees.capacite_nouvelle(QStringLiteral("a.txt"), trois)) << "within the capacity";
    EXPECT_TRUE(signalees.capacite_nouvelle(QStringLiteral("a.txt"), pleine));
    EXPECT_FALSE(signalees.capacite_nouvelle(QStringLiteral("a.txt"), pleine));
    EXPECT_TRUE(signalees.capacite_nouvelle(QStringLiteral("b.txt"), pleine));
}

TEST(AcquisitionTime, HoursBelowOneDayDaysFromOneDayOn) {
    struct Cas {
        long double minutes;
        const char* point;
        const char* virgule;
    };
    const Cas cas[] = {
        {0, " (0 h )", " (0 h )"},          {90, " (1.5 h )", " (1,5 h )"},
        {2.5L, " (0.04 h )", " (0,04 h )"}, {1439, " (23.98 h )", " (23,98 h )"},
        {1439.9L, " (24 h )", " (24 h )"},  // still hours below 1440 minutes
        {1440, " (1 j)", " (1 j)"},         {2880, " (2 j)", " (2 j)"},
        {4000, " (2.78 j)", " (2,78 j)"},   {-90, " (-1.5 h )", " (-1,5 h )"},
    };
    for (const Cas& c : cas) {
        platform::set_decimal_separator(QLatin1Char('.'));
        EXPECT_EQ(texte_duree_acquisition(c.minutes), QString::fromUtf8(c.point)) << static_cast<double>(c.minutes);
        platform::set_decimal_separator(QLatin1Char(','));
        EXPECT_EQ(texte_duree_acquisition(c.minutes), QString::fromUtf8(c.virgule)) << static_cast<double>(c.minutes);
    }
}
