// The watch over a followed run on a real main window, its refresh ticks
// called one at a time on a fake clock: the alarm of a run that stopped (red
// line, one notification, the alarm sound) and when it is armed; and the
// "taux" tab of the analysis window, made only while in sight.
#include "app/accessibility.h"
#include "app/drawn_plot.h"
#include "app/fit_window.h"
#include "load_fixture.h"
#include "platform/numbers.h"
#include "support/timed_run.h"
#include "timer_support.h"

#include <QApplication>
#include <QTabWidget>

namespace {

// A run of 100 records ten seconds apart from 10:00:00 (360 an hour): a gap at
// that rate is longer than ln(1000) / r = 69 s.
QByteArray run_bytes() { return timed_run(every(10, 100)); }

class RunWatch : public DataFileWindow {
protected:
    void SetUp() override {
        platform::set_decimal_separator(QLatin1Char('.'));
        form.surveillance().prend_l_horloge([this] { return maintenant; });
        write_bytes(programme.file(QStringLiteral("ding1.wav")), "RIFF");
        write_bytes(programme.file(QStringLiteral("alarme.wav")), "RIFF");
    }
    void tick(double quand) {
        maintenant = quand;
        platform::report_errors([this] { form.Timer1Timer(); });
    }
    FenetreAjustement& ouvre() {
        form.SpeedButton_ajustement->click();
        return *form.fenetre_ajustement();
    }
    QString dernier_son() const {
        return recorder().played.isEmpty() ? QString() : recorder().played.last().section(QLatin1Char('/'), -1);
    }

    double maintenant = 0;
};

// A person coming back to the room sees a stopped run in the main window,
// the analysis window closed: its status line in red with the age of the
// last record, a critical notification that stays until the run resumes,
// and with "sound" ticked the alarm sound again every minute until someone
// acknowledges it ("acquitter"). The next record clears all of it. A screen
// reader is told the red line once a stop, not at every tick.
TEST_F(RunWatch, AStoppedRunIsSeenInTheMainWindowUntilItResumes) {
    // The run's last record comes while the file is followed: the watch is armed.
    const QString fichier = ecrit(QStringLiteral("run.txt"), timed_run(every(10, 99)));
    choisit(fichier);
    form.sound_CheckBox8->setChecked(true);
    append_bytes(fichier, timed_records({1000}, 200));
    tick(0);
    QLabel* statut = form.Label_etat_chargement;
    const auto rouge = [statut] { return statut->palette().color(QPalette::WindowText) == QColor(255, 0, 0); };
    const auto sons = [] { return recorder().played.size(); };
    const auto annonces = [statut] { return accessibilite::annonces(statut); };

    tick(60);
    EXPECT_FALSE(form.surveillance().arrete());
    EXPECT_FALSE(rouge());
    EXPECT_EQ(dernier_son(), QStringLiteral("ding1.wav"));

    tick(75);
    ASSERT_TRUE(form.surveillance().arrete());
    const QString ligne =
        QString::fromUtf8("acquisition arrêtée ? aucun événement depuis 1 min 15 s (le dernier à 10:16:40)");
    EXPECT_EQ(statut->text(), ligne);
    EXPECT_TRUE(rouge());
    EXPECT_TRUE(form.SpeedButton_acquitter->isVisibleTo(&form));
    EXPECT_EQ(recorder().notifications, QStringList{QStringLiteral("vorns: ") + ligne + QStringLiteral(" (critical)")});
    EXPECT_EQ(dernier_son(), QStringLiteral("alarme.wav"));
    EXPECT_EQ(annonces(), 1);

    // Said with its age at every tick, notified once, sounded again after a minute.
    const qsizetype apres_l_alarme = sons();
    tick(100);
    EXPECT_TRUE(statut->text().contains(QStringLiteral("depuis 1 min 40 s")));
    EXPECT_EQ(sons(), apres_l_alarme) << "neither the alarm nor the tick's sound within the minute";
    tick(135);
    EXPECT_EQ(sons(), apres_l_alarme + 1);
    EXPECT_EQ(dernier_son(), QStringLiteral("alarme.wav"));
    EXPECT_EQ(recorder().notifications.size(), 1);

    // Acknowledged: silent but still shown; the tick's own sound again.
    form.SpeedButton_acquitter->click();
    EXPECT_FALSE(form.SpeedButton_acquitter->isVisibleTo(&form));
    tick(200);
    EXPECT_EQ(dernier_son(), QStringLiteral("ding1.wav"));
    EXPECT_TRUE(statut->text().contains(QStringLiteral("depuis 3 min 20 s")));
    EXPECT_TRUE(rouge());
    EXPECT_EQ(annonces(), 1) << "once a stop";

    // The next record clears it, and takes the notification back.
    append_bytes(fichier, timed_records({1010}));
    tick(201);
    EXPECT_FALSE(form.surveillance().arrete());
    EXPECT_FALSE(statut->text().contains(QStringLiteral("arrêtée")));
    EXPECT_FALSE(rouge());
    EXPECT_EQ(recorder().withdrawn, QStringList{SurveillanceDuRun::kNotification});
    EXPECT_EQ(dernier_son(), QStringLiteral("ding1.wav"));

    // The analysis window, opened during a new stop, shows the same line.
    QLabel* rouge_analyse = ouvre().onglet_taux->Label_alarme;
    tick(400);
    ASSERT_TRUE(form.surveillance().arrete());
    EXPECT_FALSE(rouge_analyse->isHidden());
    EXPECT_EQ(rouge_analyse->text(), form.surveillance().ligne_d_alarme());
    EXPECT_EQ(recorder().notifications.size(), 2) << "a new stop, a new notification";
    EXPECT_EQ(annonces(), 2);
    EXPECT_EQ(accessibilite::annonces(rouge_analyse), 1);
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'\n');
}

// A file of more records than the store: the alarm names the file's last
// record, past the midnight after the store's last one.
TEST_F(RunWatch, AStoppedRunOfMoreRecordsThanTheStoreNamesTheFilesLastRecord) {
    const QString fichier = ecrit(QStringLiteral("run.txt"), timed_run(every(2, 50000)));
    choisit(fichier);
    append_bytes(fichier, timed_records(every(2, 10, 100000)));
    tick(0);
    tick(100);
    ASSERT_TRUE(form.surveillance().arrete());
    EXPECT_TRUE(form.surveillance().ligne_d_alarme().endsWith(QStringLiteral("(le dernier à jour +1 13:47:00)")))
        << form.surveillance().ligne_d_alarme().toStdString();
}

// A followed file that can no longer be read (gone, its share lost) brings no
// record: it kept clearing the alarm (its size of -1 was taken for a change),
// and the records its load emptied left no rate to judge a stop by.
TEST_F(RunWatch, AFollowedFileThatCannotBeReadIsNoRecord) {
    QString fichier = ecrit(QStringLiteral("run.txt"), timed_run(every(10, 99)));
    const auto perd_le_fichier = [&] { ASSERT_TRUE(QFile::remove(fichier)); };
    choisit(fichier);
    append_bytes(fichier, timed_records({1000}, 200));
    tick(0);
    tick(75);
    ASSERT_TRUE(form.surveillance().arrete());
    perd_le_fichier();
    tick(80);
    EXPECT_TRUE(form.Label_etat_chargement->text().contains(QStringLiteral("Cannot open file")));
    EXPECT_TRUE(form.surveillance().arrete());
    EXPECT_EQ(form.surveillance().ligne_d_alarme(),
              QString::fromUtf8("acquisition arrêtée ? aucun événement depuis 1 min 20 s (le dernier à 10:16:40)"));
    write_bytes(fichier, run_bytes() + timed_records({1000}));
    tick(90);
    EXPECT_FALSE(form.surveillance().arrete());

    // Another run lost while it grew at every tick, before any rate was
    // needed: two periods (5 s) without the file and without a record are a stop.
    fichier = ecrit(QStringLiteral("run2.txt"), run_bytes());
    choisit(fichier);
    append_bytes(fichier, timed_records({1000}));
    tick(100);
    perd_le_fichier();
    tick(105);
    EXPECT_FALSE(form.surveillance().arrete());
    tick(111);
    EXPECT_TRUE(form.surveillance().arrete());
    EXPECT_EQ(form.surveillance().ligne_d_alarme(),
              QString::fromUtf8("acquisition arrêtée ? aucun événement depuis 11 s"));
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'\n');
}

TEST_F(RunWatch, TheRateTabIsMadeOnlyInSightAndReadsItsWidthWithoutABox) {
    const QString fichier = ecrit(QStringLiteral("run.txt"), run_bytes());
    choisit(fichier);
    FenetreAjustement& fenetre = ouvre();
    OngletTaux& taux = *fenetre.onglet_taux;
    EXPECT_EQ(fenetre.Onglets->tabText(fenetre.Onglets->indexOf(&taux)), QStringLiteral("taux"));
    charge(fichier);
    EXPECT_EQ(taux.analyses_montrees, 0);  // its tab is not the current one

    fenetre.Onglets->setCurrentWidget(&taux);
    EXPECT_EQ(taux.analyses_montrees, 1);
    const auto dessins = [&taux] {
        taux.Plot_taux->image();  // as painted
        return taux.Plot_taux->drawings_made();
    };
    EXPECT_EQ(dessins(), 1);
    EXPECT_TRUE(taux.Label_taux->text().startsWith(QString::fromUtf8("taux moyen : 360 ± 36 /h")))
        << taux.Label_taux->text();
    // A reload of the same records keeps the analysis, for the tab and the fit's forecast.
    const std::uint64_t analyses = rate::analyses_made();
    charge(fichier);
    EXPECT_EQ(taux.analyses_montrees, 2);
    EXPECT_EQ(rate::analyses_made(), analyses);
    EXPECT_EQ(dessins(), 1) << "nor the plot";

    struct Typed {
        const char* text;
        const char* in_status;  // empty: none
        const char* in_summary;
    };
    const Typed typed[] = {
        {"abc", "largeur des tranches", "tranches de 5 min (environ 25"},
        {"-2", "largeur des tranches", "tranches de 5 min (environ 25"},
        {"2,5", "", "tranches de 2 min 30 s (largeur donnée), 7 tranches"},
        {"", "", "tranches de 5 min (environ 25"},
    };
    for (const Typed& t : typed) {
        taux.Edit_tranche->setText(QString::fromUtf8(t.text));
        emit taux.Edit_tranche->editingFinished();
        EXPECT_EQ(taux.Label_etat_taux->text().isEmpty(), *t.in_status == 0) << t.text;
        EXPECT_TRUE(taux.Label_etat_taux->text().contains(QString::fromUtf8(t.in_status))) << t.text;
        EXPECT_TRUE(taux.Label_taux->text().contains(QString::fromUtf8(t.in_summary))) << t.text << "\n"
                                                                                       << taux.Label_taux->text();
        EXPECT_FALSE(taux.Label_taux->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    }
    // A reload that brought a record: one analysis, for the tab and the fit's forecast.
    const std::uint64_t avant = rate::analyses_made();
    const int dessins_avant = dessins();
    append_bytes(fichier, timed_records({1000}));
    charge(fichier);
    EXPECT_EQ(rate::analyses_made(), avant + 1);
    EXPECT_EQ(dessins(), dessins_avant + 1);
    EXPECT_EQ(fenetre.prevision().state, fit::Forecast::State::forecast);
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'\n');
    // The program closed with the focus in the field: it is not read once the run's state is gone.
    QApplication::setActiveWindow(&fenetre);
    taux.Edit_tranche->setFocus();
}

}  // namespace
