// Files of other apparatus through the real window: the same records, figures
// and listing as the acquisition file of the same events, the format on the
// status line, the fit window's unit from the format unless the user typed
// one, and a growing file of two integers followed live.
#include "app/fit_window.h"
#include "load_fixture.h"
#include "support/window_view.h"
#include "timer_support.h"

#include <QDir>
#include <QProcess>

namespace {

// The same events as an acquisition file: its origin line at the time of the
// other file's first line (or first event), then one record a decay.
const QByteArray kAcquisition =
    "Run\r\nB\r\nHeure\tDur\xE9"
    "e\r\n10:00:00\t0\r\n10:00:01\t300\r\n10:01:01\t500\r\n10:02:30\t1200\r\n";
const QByteArray kAcquisitionRaw =
    "Run\r\nB\r\nHeure\tDur\xE9"
    "e\r\n10:00:00\t0\r\n10:00:01\t600\r\n10:01:01\t500\r\n10:02:30\t1200\r\n";
const QByteArray kAcquisitionUs =
    "Run\r\nB\r\nHeure\tDur\xE9"
    "e\r\n10:00:01\t0\r\n10:00:01\t0.5\r\n10:01:01\t2.5\r\n10:02:30\t12\r\n";

const struct CasDeFormat {
    const char* nom;
    QByteArray contenu;
    QByteArray acquisition;   // the same records
    const char* format;       // the status line's start
    const char* apres_heure;  // what it says after the first line's local time
    const char* unite;        // "1 unité" in the fit window
    const char* ignoree;      // the skipped line as the status line names it
} kCas[] = {
    {"deux_entiers.txt",
     "40005 1574345682\n300 1574345683\n40002 1574345742\n500 1574345743\n-20 1574345744\n1200 1574345832\n",
     kAcquisition, "format two-integers : 1 unité = 1 ns, début ", " heure locale, 2 s de comptage ; ", "1",
     "ligne 5 ignorée : « -20 1574345744 » n'est pas un enregistrement (valeur négative (-20)"},
    {"lignes_decay.txt",
     "# DAQ card\nDecay 'Tue_Nov_19_10:00:01_2019' 0.5\nRate 3 Hz\nDecay 'Tue_Nov_19_10:01:01_2019' 2.5\n"
     "10:01:30\t7\nDecay 'Tue_Nov_19_10:02:30_2019' 12\n",
     kAcquisitionUs, "format decay-lines : 1 unité = 1000 ns, début 10:00:01 heure locale ; ", " heure locale ; ",
     "1000", "ligne 5 ignorée : « 10:01:30⇥7 » n'est pas un enregistrement (ligne d'un autre format"},
    // A DAQ card's raw stream: a muon through the four channels at 10:00:00 UTC, decays of 600 ns (15
    // ticks of 40 ns), 500 ns (12.5) and 1200 ns one second, a minute and 150 s after it, muons at 2 and 3 s.
    // Counted: the seconds 0 to 61 and the 150th; the 89 s without an event before it are longer than
    // the longest stretch a raw stream takes as live (a minute).
    {"carte.txt",
     "00000000 A0 00 20 00 20 00 20 00 00000000 100000.000 191119 A 05 0 +0000\r\n"
     "017D7840 A0 00 20 00 20 00 00 00 017D7840 100001.000 191119 A 05 0 +0000\r\n"
     "017D784F 00 00 00 00 20 00 00 00 017D7840 100001.000 191119 A 05 0 +0000\r\n"
     "00000000 80 00\r\n"
     "02FAF080 A0 00 20 00 20 00 20 00 02FAF080 100002.000 191119 A 05 0 +0000\r\n"
     "047868C0 A0 00 20 00 20 00 20 00 047868C0 100003.000 191119 A 05 0 +0000\r\n"
     "5AE5A740 A0 00 20 00 20 00 00 00 5AE5A740 100101.000 191119 A 05 0 +0000\r\n"
     "5AE5A74C 00 00 00 00 30 00 00 00 5AE5A740 100101.000 191119 A 05 0 +0000\r\n"
     "DF847580 A0 00 20 00 20 00 00 00 DF847580 100230.000 191119 A 05 0 +0000\r\n"
     "DF84759E 00 00 00 00 20 00 00 00 DF847580 100230.000 191119 A 05 0 +0000\r\n",
     kAcquisitionRaw, "format daq-raw : 1 unité = 1 ns, début ",
     " heure locale, 63 s de comptage, 6 évènements, horloge 25 MHz (mesurée au 1PPS) ; ", "1",
     "ligne 4 ignorée : « 00000000 80 00 » n'est pas un enregistrement (ligne d'évènement sans ses 16 mots"},
};

// The view's texts but the memo, the header labels, the last line and the status line.
QStringList chiffres_de(const VueDeLaFenetre& vue) {
    QStringList chiffres;
    for (const QString& t : vue.textes) {
        if (!t.startsWith(QLatin1String("Memo1=")) && !t.startsWith(QLatin1String("Label3=")) &&
            !t.startsWith(QLatin1String("Label2=")) && !t.startsWith(QLatin1String("Label1=")) &&
            !t.startsWith(QLatin1String("Label4=")) && !t.startsWith(QLatin1String("Label15=")) &&
            !t.startsWith(QLatin1String("Label_nb_ligne=")) && !t.startsWith(QLatin1String("Label_etat")))
            chiffres << t;
    }
    return chiffres;
}

class Formats : public DataFileWindow {};

TEST_F(Formats, EachFormatGivesTheRecordsOfItsDecaysAndItsUnitInTheFitWindow) {
    for (const CasDeFormat& c : kCas) {
        SCOPED_TRACE(c.nom);
        const QString fichier = ecrit(QString::fromLatin1(c.nom), c.contenu);
        choisit(fichier);
        EXPECT_EQ(form.StaticText1->text(), QStringLiteral("3"));  // decays only
        EXPECT_TRUE(form.Label_nb_ligne->text().contains(QStringLiteral("(1 ignorée)"))) << form.Label_nb_ligne->text();
        const QString statut = form.Label_etat_chargement->text();
        EXPECT_TRUE(statut.startsWith(QString::fromUtf8(c.format))) << statut;
        EXPECT_TRUE(statut.contains(QString::fromUtf8(c.apres_heure))) << statut;
        EXPECT_TRUE(statut.contains(QString::fromUtf8(c.ignoree))) << statut;
        // The figures, the listing and the plots of the same events written the acquisition's way.
        const VueDeLaFenetre vue = vue_de(form);
        // Under the same name, which the plots show.
        QDir(donnees.path()).mkdir(QStringLiteral("acquisition"));
        const QString meme_nom = QStringLiteral("acquisition/") + QString::fromLatin1(c.nom);
        const VueDeLaFenetre acquisition = vue_d_une_fenetre_neuve(ecrit(meme_nom, c.acquisition), form);
        EXPECT_EQ(chiffres_de(vue), chiffres_de(acquisition));
        EXPECT_TRUE(vue.graphe1 == acquisition.graphe1);
        EXPECT_TRUE(vue.graphe2 == acquisition.graphe2);

        form.SpeedButton_ajustement->click();
        FenetreAjustement& fenetre = *form.fenetre_ajustement();
        EXPECT_EQ(fenetre.Edit_unite->text(), QString::fromLatin1(c.unite));
        EXPECT_EQ(fenetre.choix().unit_ns, QString::fromLatin1(c.unite).toDouble());
        fenetre.close();
    }
    recorder().messages.clear();  // the boxes of the file choices: the skipped lines
}

TEST_F(Formats, AUnitTypedForAFileStaysAndTheUsersUnitComesBackAfterTheFormatsOnes) {
    form.SpeedButton_ajustement->click();
    FenetreAjustement& fenetre = *form.fenetre_ajustement();
    const QString a = ecrit(QStringLiteral("a.txt"), kAcquisition);
    const QString deux = ecrit(QStringLiteral("deux.txt"), "300 1574345683\n500 1574345743\n");
    const QString decay = ecrit(QStringLiteral("decay.txt"), "Decay 'Tue_Nov_19_10:00:01_2019' 0.5\n");
    charge(a);
    EXPECT_EQ(fenetre.Edit_unite->text(), QString());  // the acquisition's format gives none
    fenetre.Edit_unite->setText(QStringLiteral("5"));
    emit fenetre.Edit_unite->editingFinished();
    charge(deux);
    EXPECT_EQ(fenetre.Edit_unite->text(), QStringLiteral("1"));
    charge(a);
    EXPECT_EQ(fenetre.Edit_unite->text(), QStringLiteral("5"));  // the user's own
    charge(deux);
    fenetre.Edit_unite->setText(QStringLiteral("2"));
    emit fenetre.Edit_unite->editingFinished();
    charge(deux);  // the same file again: the typed unit stays
    EXPECT_EQ(fenetre.Edit_unite->text(), QStringLiteral("2"));
    EXPECT_EQ(fenetre.choix().unit_ns, 2);
    charge(decay);  // another file: its format's
    EXPECT_EQ(fenetre.Edit_unite->text(), QStringLiteral("1000"));
    charge(a);  // the unit typed over a format's was that file's: the user's own comes back
    EXPECT_EQ(fenetre.Edit_unite->text(), QStringLiteral("5"));
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(QStringLiteral(" | "));
}

TEST_F(Formats, AGrowingFileOfTwoIntegersIsFollowedLive) {
#ifndef VORNS_ACQUISITION
    GTEST_SKIP() << "the acquisition simulator is not part of this build";
#else
    const QString path = chemin(QStringLiteral("live.txt"));
    QProcess simulateur;
    simulateur.start(QStringLiteral(VORNS_ACQUISITION),
                     {QStringLiteral("--output"), path, QStringLiteral("--format"), QStringLiteral("two-integers"),
                      QStringLiteral("--events"), QStringLiteral("40"), QStringLiteral("--interval-ms"),
                      QStringLiteral("60"), QStringLiteral("--rate"), QStringLiteral("2"), QStringLiteral("--seed"),
                      QStringLiteral("11"), QStringLiteral("--date"), QStringLiteral("2026-03-02")});
    ASSERT_TRUE(simulateur.waitForStarted(10000)) << simulateur.errorString().toStdString();
    ASSERT_TRUE(spin_until([&] { return QFile::exists(path); }, 10000));
    form.Edit5->setText(QStringLiteral("1"));
    choisit(path);
    QStringList comptes;
    QObject::connect(form.Timer1, &QTimer::timeout, &form, [&] {
        if (comptes.isEmpty() || comptes.back() != form.StaticText1->text()) comptes << form.StaticText1->text();
    });
    ASSERT_TRUE(spin_until([&] { return simulateur.state() == QProcess::NotRunning; }, 60000));
    ASSERT_EQ(simulateur.exitCode(), 0) << simulateur.readAllStandardError().toStdString();
    const int rechargements = form.rechargements_par_le_timer;
    ASSERT_TRUE(spin_until([&] { return form.rechargements_par_le_timer > rechargements; }, 10000));
    spin_event_loop(1200);
    EXPECT_GE(comptes.size(), 2) << "the record count rose while the run went on";
    EXPECT_MEME_VUE(vue_de(form), vue_d_une_fenetre_neuve(path, form));
    EXPECT_TRUE(form.Label_etat_chargement->text().startsWith(QStringLiteral("format two-integers")));
    const QString decays = form.StaticText1->text();

    // A line caught half written is left for the next tick, neither a record nor a skipped line.
    const qint64 apres = 1772409600 + 90000;  // past every line of the run, whatever the time zone
    append_bytes(path, QByteArray::number(420) + ' ' + QByteArray::number(apres).left(4));
    ASSERT_TRUE(spin_until([&] { return form.rechargements_par_le_timer > rechargements + 1; }, 10000));
    spin_event_loop(1200);
    EXPECT_EQ(form.StaticText1->text(), decays);
    EXPECT_FALSE(form.Label_etat_chargement->text().contains(QStringLiteral("ignorée")));
    append_bytes(path, QByteArray::number(apres).mid(4) + '\n');
    spin_event_loop(2500);
    EXPECT_EQ(form.StaticText1->text(), QString::number(decays.toInt() + 1));
    EXPECT_FALSE(form.Label_etat_chargement->text().contains(QStringLiteral("ignorée")));
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(QStringLiteral(" | "));
#endif
}

}  // namespace

namespace {

class RunsInTime : public DataFileWindow {
protected:
    // Typed as a person types: the field edited, then left.
    static void tape(QLineEdit* champ, const char* texte) {
        champ->setText(QString::fromLatin1(texte));
        champ->setModified(true);
        emit champ->editingFinished();
    }
};

// A run of the common apparatus (ns) opens with classes and a fit window that
// hold its decays, 100 ns to its gate's end, not 10 to 800 ns; a run without
// unit after it gets the acquisition's fields back; what the user typed stays
// for its unit.
TEST_F(RunsInTime, ARunInNsOpensInTimeAndTheFieldsOfEachUnitStayTheirs) {
    const QString ns = QStringLiteral(VORNS_SOURCE_DIR "/fichiers/deux_entiers.txt");  // longest decay 17980 ns
    const QString sans_unite = QStringLiteral(VORNS_SOURCE_DIR "/fichiers/muon_run.txt");
    const auto champs = [this] { return QStringList{form.Edit8->text(), form.Edit6->text()}; };
    choisit(ns);
    EXPECT_EQ(champs(), QStringList({"100", "18000"}));
    EXPECT_EQ(form.Label17->text(), QStringLiteral("180"));
    form.SpeedButton_ajustement->click();
    FenetreAjustement& fenetre = *form.fenetre_ajustement();
    EXPECT_EQ(fenetre.Edit_tmin->text(), QStringLiteral("100"));
    EXPECT_EQ(fenetre.Edit_tmax->text(), QStringLiteral("18000"));
    EXPECT_EQ(fenetre.resultat().status, fit::Status::converged);
    EXPECT_GT(fenetre.resultat().tau, 1200);
    EXPECT_LT(fenetre.resultat().tau, 2600);

    choisit(sans_unite);
    EXPECT_EQ(champs(), QStringList({"10", "800"}));
    EXPECT_EQ(fenetre.Edit_tmin->text(), QStringLiteral("10"));
    EXPECT_EQ(fenetre.Edit_tmax->text(), QStringLiteral("800"));
    tape(form.Edit6, "1500");

    choisit(ns);
    EXPECT_EQ(champs(), QStringList({"100", "18000"}));
    tape(form.Edit8, "200");
    tape(fenetre.Edit_tmin, "400");
    EXPECT_EQ(fenetre.choix().t_min, 400);

    choisit(sans_unite);
    EXPECT_EQ(champs(), QStringList({"10", "1500"}));
    EXPECT_EQ(fenetre.Edit_tmin->text(), QStringLiteral("10"));
    choisit(ns);
    EXPECT_EQ(champs(), QStringList({"200", "18000"}));
    EXPECT_EQ(fenetre.Edit_tmin->text(), QStringLiteral("400"));
    EXPECT_TRUE(read_bytes(programme.file(QStringLiteral("qrt_vorn.uni"))).contains("dx/1=200"));
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(QStringLiteral(" | "));
}

}  // namespace
