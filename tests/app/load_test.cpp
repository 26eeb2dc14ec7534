// Loading a data file into the window: memo, header labels, counters, the
// time axis, the acquisition time, the strip, and the failure paths.
#include "load_fixture.h"

#include "platform/files.h"
#include "platform/numbers.h"

#include <QDir>
#include <vector>

namespace {
const QColor kRouge(255, 0, 0);
const QColor kVert(0, 128, 0);

// Origin at midnight, then one record per (time, duration).
QByteArray releve(std::initializer_list<std::pair<const char*, const char*>> mesures) {
    QByteArray out = "Run\r\nSample\r\nHeure\tDuree\r\n00:00:00\t1\r\n";
    for (const auto& [heure, duree] : mesures) out += QByteArray(heure) + '\t' + duree + "\r\n";
    return out;
}
}  // namespace

TEST_F(DataFileWindow, ALoadFillsTheMemoLabelsAndCounters) {
    const QString fichier = ecrit(QStringLiteral("run.txt"), petit_fichier());
    charge(fichier);
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|').toStdString();
    EXPECT_EQ(lignes_memo1().size(), 6);
    EXPECT_EQ(lignes_memo1().at(5), QStringLiteral("10:02:30\t1,5"));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("Run 12"));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("Sample B"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Heure\tDurée"));  // Windows-1252 byte read as é
    EXPECT_EQ(form.Label4->text(), QStringLiteral("10:00:00\t3"));
    EXPECT_EQ(form.Label15->text(), QStringLiteral("10:02:30\t1,5"));
    EXPECT_EQ(form.Label_nb_ligne->text(), QStringLiteral("6 lignes, cumul = 4"));
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("2"));
    EXPECT_EQ(form.StaticText3->text(), QStringLiteral("2.5"));
    EXPECT_EQ(form.Label40->text(), QStringLiteral(" (0.04 h )"));
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("150"));
    EXPECT_EQ(form.Panel6->color(), kVert);
    EXPECT_EQ(file_state.taille_precedente, petit_fichier().size());
    EXPECT_EQ(file_state.date_precedente, platform::file_stamp(fichier));
    EXPECT_NE(file_state.date_precedente, -1);
    EXPECT_EQ(record_store.nb_points[1], 2);
}

TEST_F(DataFileWindow, ShortFilesLeaveMissingHeaderLabelsEmptyAndNoRecords) {
    form.Label15->setText(QStringLiteral("before"));
    charge(ecrit(QStringLiteral("three.txt"), "one\rtwo\nthree"));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("one"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("three"));
    EXPECT_EQ(form.Label4->text(), QString());
    EXPECT_EQ(form.Label15->text(), QStringLiteral("three"));
    EXPECT_EQ(form.Label_nb_ligne->text(), QStringLiteral("3 lignes, cumul = "));  // "#.##" writes 0 as nothing
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("0"));
    EXPECT_EQ(form.StaticText3->text(), QString());
    EXPECT_EQ(form.Label40->text(), QStringLiteral(" (0 h )"));

    // An empty file: no lines at all; the last-line label keeps no line of the former file.
    charge(ecrit(QStringLiteral("empty.txt"), QByteArray()));
    EXPECT_TRUE(lignes_memo1().isEmpty());
    EXPECT_EQ(form.Label3->text(), QString());
    EXPECT_EQ(form.Label15->text(), QString());
    EXPECT_EQ(form.Label_nb_ligne->text(), QStringLiteral("0 lignes, cumul = "));
    EXPECT_TRUE(recorder().messages.isEmpty());
}

TEST_F(DataFileWindow, UtfEightAndWindows1252FilesAreBothRead) {
    const QByteArray cas[] = {"\xEF\xBB\xBFRun \xC3\xA9t\xC3\xA9 \xE2\x82\xAC\r\nx\r\n",  // UTF-8 with its mark
                              "Run \xE9t\xE9 \x80\r\nx\r\n"};                             // Windows-1252
    for (const QByteArray& contenu : cas) {
        charge(ecrit(QStringLiteral("run.txt"), contenu));
        EXPECT_EQ(form.Label3->text(), QStringLiteral("Run été €"));
        EXPECT_EQ(lignes_memo1().size(), 2);
    }
}

// The run writes an empty line at its end: the last line of the file stays shown.
TEST_F(DataFileWindow, AnEmptyLastLineLeavesTheLastLineLabel) {
    const QString fichier = ecrit(QStringLiteral("run.txt"), petit_fichier());
    charge(fichier);
    EXPECT_EQ(form.Label15->text(), QStringLiteral("10:02:30\t1,5"));
    charge(ecrit(QStringLiteral("run.txt"), petit_fichier() + "\r\n"));
    EXPECT_EQ(lignes_memo1().size(), 7);
    EXPECT_EQ(form.Label15->text(), QStringLiteral("10:02:30\t1,5"));
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("2"));  // the empty line ends the data
}

TEST_F(DataFileWindow, FileTextIsShownAsPlainText) {
    charge(ecrit(QStringLiteral("run.txt"), "<b>Run</b>\r\nx\r\n"));
    EXPECT_EQ(form.Label3->textFormat(), Qt::PlainText);
    EXPECT_EQ(form.Label15->textFormat(), Qt::PlainText);
}

TEST_F(DataFileWindow, TheTimeAxisGrowsToTheNextStepAboveTheAcquisitionTime) {
    struct Cas {
        const char* edit1;
        const char* derniere_heure;
        const char* attendu;
        const char* label40;
    };
    // The steps themselves are in tests/text; here the load grows the axis, or leaves it.
    const Cas cas[] = {
        {"150", "02:45:30", "200", " (2.76 h )"},  // 165.5 minutes
        {"150", "02:30:00", "150", " (2.5 h )"},   // not above the axis: unchanged
        {"20", "23:59:59", "2000", " (24 h )"},
    };
    for (const Cas& c : cas) {
        form.Edit1->setText(QString::fromUtf8(c.edit1));
        charge(ecrit(QStringLiteral("run.txt"), releve({{"00:00:30", "1"}, {c.derniere_heure, "2"}})));
        EXPECT_EQ(form.Edit1->text(), QString::fromUtf8(c.attendu)) << c.derniere_heure;
        EXPECT_EQ(form.Label40->text(), QString::fromUtf8(c.label40)) << c.derniere_heure;
    }
    // A line in the origin's second is the same day, not one day later.
    charge(ecrit(QStringLiteral("run.txt"), releve({{"00:00:00", "1"}})));
    EXPECT_EQ(form.Label40->text(), QStringLiteral(" (0 h )"));
    EXPECT_EQ(form.StaticText3->text(), QString());
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("2000"));
    EXPECT_TRUE(recorder().messages.isEmpty());
}

TEST_F(DataFileWindow, ATimeAxisThatIsNoIntegerEndsThePassAfterTheTotal) {
    charge(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    form.Edit1->setText(QStringLiteral("15O"));
    charge(ecrit(QStringLiteral("run.txt"), releve({{"00:30:00", "2"}, {"01:00:00", "5"}})));
    EXPECT_EQ(recorder().messages, QStringList{QStringLiteral("'15O' is not a valid integer value")});
    EXPECT_EQ(form.Label_nb_ligne->text(), QStringLiteral("6 lignes, cumul = 7"));
    EXPECT_EQ(record_store.duree_acquisition, 60.0L);
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("2"));  // the former file's count
    EXPECT_EQ(form.StaticText3->text(), QStringLiteral("2.5"));
    EXPECT_EQ(form.Label40->text(), QStringLiteral(" (0.04 h )"));
    EXPECT_EQ(form.Panel6->color(), kRouge);
}

// More records than the store holds: the first 50000 are read. The person who
// chose the file is told once, in a box after the load; a load while the file
// is followed never stops on a box, its status line says it.
TEST_F(DataFileWindow, MoreThanTheCapacityIsToldOnceAfterTheChoiceAndInTheStatusLine) {
    QByteArray gros = "Run\r\nSample\r\nHeure\tDuree\r\n00:00:00\t1\r\n";
    for (int k = 1; k <= NB_MAX_DONNEES + 1; ++k) {
        gros += QStringLiteral("%1:%2:%3\t%4\r\n").arg(k / 3600).arg(k / 60 % 60).arg(k % 60).arg(k % 9).toLatin1();
    }
    const QString message =
        QStringLiteral(" le nombre maximum de données est de 50000 pour le moment => source à modifier");
    QColor pendant;
    QString compte_pendant;
    recorder().while_message_open = [&](const QString&) {
        pendant = form.Panel6->color();
        compte_pendant = form.StaticText1->text();
    };
    const QString fichier = ecrit(QStringLiteral("big.txt"), gros);
    for (int fois = 0; fois < 2; ++fois) {
        recorder().messages.clear();
        choisit(fichier);
        const QStringList apres_le_choix = recorder().messages;
        EXPECT_EQ(apres_le_choix, fois == 0 ? QStringList{message} : QStringList{}) << fois;
        charge(fichier);
        EXPECT_EQ(recorder().messages, apres_le_choix) << "no box while the file is followed";
        EXPECT_EQ(form.Label_etat_chargement->text(), message.trimmed());
    }
    EXPECT_EQ(pendant, kVert);
    EXPECT_EQ(compte_pendant, QStringLiteral("50000"));
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("50000"));
    EXPECT_EQ(form.StaticText3->text(), QStringLiteral("833.33"));  // 50000 s, the 50 001st record left out
    EXPECT_EQ(lignes_memo1().size(), NB_MAX_DONNEES + 5);
}

TEST_F(DataFileWindow, TheCountersFollowTheDecimalSeparator) {
    platform::set_decimal_separator(QLatin1Char(','));
    charge(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    EXPECT_TRUE(recorder().messages.isEmpty());
    EXPECT_EQ(form.Label_nb_ligne->text(), QStringLiteral("6 lignes, cumul = 4"));
    EXPECT_EQ(form.StaticText3->text(), QStringLiteral("2,5"));
    EXPECT_EQ(form.Label40->text(), QStringLiteral(" (0,04 h )"));
    EXPECT_EQ(record_store.serie_y[1][2], 1.5);
}

// What works on the run's results (the lifetime fit) is told of every load,
// with the tables of the file loaded: a file that cannot be read leaves them
// empty, and the fit of the former file must not stay beside its name.
TEST_F(DataFileWindow, EveryLoadIsAnnouncedWithTheTablesOfItsFile) {
    std::vector<int> annonces;
    QObject::connect(&form, &TForm1::chargement_termine, [&] { annonces.push_back(etat.record_store.nb_points[1]); });
    charge(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    EXPECT_EQ(annonces, std::vector<int>{2});
    charge(chemin(QStringLiteral("missing.txt")));
    EXPECT_EQ(annonces, (std::vector<int>{2, 0}));
    EXPECT_EQ(recorder().messages.size(), 1);
}
