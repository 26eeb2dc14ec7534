// The "runs" tab of the analysis window: runs added through the file dialog,
// a line of the table each, the followed run first; each reload refits the
// combination and adds its point to the convergence series; spans typed or
// taken from a gap are left out and remembered.
#include "app/fit_window.h"
#include "fit/run/exclusions_store.h"
#include "load_fixture.h"
#include "support/toy_durations.h"

#include <QFileInfo>

namespace {

class FitWindowRuns : public DataFileWindow {
protected:
    QString run(const QString& nom, int n, std::uint64_t seed = 5) {
        return ecrit(nom, run_file_bytes(toy_durations(seed, n, 0.05, 10)));
    }
    FenetreAjustement& ouvre() {
        form.SpeedButton_ajustement->click();
        return *form.fenetre_ajustement();
    }
    static QString cellule(const OngletRuns& o, int rang, int colonne) {
        const QTableWidgetItem* item = o.Table_runs->item(rang, colonne);
        return item ? item->text() : QString();
    }
};

}  // namespace

TEST_F(FitWindowRuns, AddedRunsAreLinesOfTheTableRefittedAtEachReloadAndRemembered) {
    const QString suivi = run(QStringLiteral("run.txt"), 2000);
    const QString b = run(QStringLiteral("b.txt"), 3000, 6);
    const QString c = run(QStringLiteral("c.txt"), 1000, 7);
    choisit(suivi);
    FenetreAjustement& fenetre = ouvre();
    OngletRuns& runs = *fenetre.onglet_runs;
    // The followed run alone: its line is made when the tab is shown, not at each reload.
    EXPECT_EQ(runs.Table_runs->rowCount(), 0);
    fenetre.Onglets->setCurrentWidget(&runs);
    ASSERT_EQ(runs.Table_runs->rowCount(), 1);
    EXPECT_EQ(cellule(runs, 0, 0), QStringLiteral("run.txt"));

    recorder().open_files_answers.push_back(QStringList{b, c, chemin(QStringLiteral("absent.txt"))});
    runs.Bouton_ajouter_runs->click();
    ASSERT_FALSE(recorder().open_requests.empty());
    EXPECT_EQ(recorder().open_requests.back().initial_folder, QFileInfo(suivi).absolutePath() + QLatin1Char('/'));
    ASSERT_EQ(runs.Table_runs->rowCount(), 4);
    const QString lignes[] = {QStringLiteral("run.txt"), QStringLiteral("b.txt"), QStringLiteral("c.txt"),
                              QStringLiteral("absent.txt")};
    for (int r = 0; r < 4; ++r) EXPECT_EQ(cellule(runs, r, 0), lignes[r]);
    EXPECT_EQ(cellule(runs, 1, 1), QString::number(runs.combinaison().combination.runs[1].events));
    EXPECT_EQ(cellule(runs, 3, 6), QStringLiteral("non lu"));
    EXPECT_TRUE(runs.Label_combinaison->text().startsWith(QStringLiteral("combinaison de 3 runs")));
    EXPECT_FALSE(runs.Label_coherence->text().isEmpty());
    EXPECT_TRUE(fenetre.Label_etat->text().contains(QStringLiteral("run non lu : absent.txt")))
        << fenetre.Label_etat->text();
    WriteFailures echecs;
    EXPECT_EQ(lit_runs_ajoutes_par_fichier({}, echecs)[QFileInfo(suivi).absoluteFilePath()],
              QStringList({b, c, chemin(QStringLiteral("absent.txt"))}));
    ASSERT_EQ(fenetre.convergence().points().size(), 1u);  // a new series: the runs changed

    // A reload of the grown followed run: the combination refitted, its point added.
    charge(run(QStringLiteral("run.txt"), 2500));
    ASSERT_EQ(fenetre.convergence().points().size(), 2u);
    const fit::Combination& combinaison = runs.combinaison().combination;
    EXPECT_EQ(fenetre.convergence().points().back().events, combinaison.combined.events);
    EXPECT_EQ(combinaison.runs[0].events, fenetre.resultat().events);
    EXPECT_GT(combinaison.combined.events, fenetre.resultat().events);

    // A span of b typed, shown in its line, remembered, then removed.
    runs.Table_runs->selectRow(1);
    runs.Edit_debut_exclusion->setText(QStringLiteral("10:00:01"));
    runs.Edit_fin_exclusion->setText(QStringLiteral("10:00:10"));
    runs.Bouton_exclure->click();
    EXPECT_TRUE(cellule(runs, 1, 6).startsWith(QStringLiteral("exclu : 10:00:01 → 10:00:10 (10 enregistrements)")))
        << cellule(runs, 1, 6);
    EXPECT_EQ(lit_exclusions()[b].size(), 1u);
    ASSERT_EQ(runs.Liste_exclusions->count(), 1);
    runs.Edit_fin_exclusion->setText(QStringLiteral("9:00"));
    runs.Bouton_exclure->click();
    EXPECT_TRUE(runs.Label_etat_runs->text().startsWith(QStringLiteral("exclusion : '9:00'")))
        << runs.Label_etat_runs->text();
    runs.Liste_exclusions->setCurrentRow(0);
    runs.Bouton_retirer_exclusion->click();
    EXPECT_TRUE(lit_exclusions().empty());
    EXPECT_TRUE(cellule(runs, 1, 6).isEmpty());

    // c removed; the followed run stays whatever is selected.
    runs.Table_runs->selectRow(2);
    runs.Bouton_retirer_run->click();
    EXPECT_EQ(runs.Table_runs->rowCount(), 3);
    runs.Table_runs->selectRow(0);
    runs.Bouton_retirer_run->click();
    EXPECT_EQ(runs.Table_runs->rowCount(), 3);
    EXPECT_EQ(lit_runs_ajoutes_par_fichier({}, echecs)[QFileInfo(suivi).absoluteFilePath()],
              QStringList({b, chemin(QStringLiteral("absent.txt"))}));

    // Another file opened: the runs added to run.txt stay its own (before,
    // they followed the user to it, in its fit and its report).
    choisit(run(QStringLiteral("autre.txt"), 1500, 9));
    EXPECT_EQ(runs.Table_runs->rowCount(), 1);
    EXPECT_EQ(runs.combinaison().runs, 1u);
    EXPECT_EQ(fenetre.rapport().runs.size(), 1u);
    choisit(suivi);
    EXPECT_EQ(runs.Table_runs->rowCount(), 3);
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|');
}

TEST_F(FitWindowRuns, AGapOfTheRateTabLeftOutOfTheFollowedRun) {
    // Records one a second, then an hour without any, then again.
    std::vector<double> d = toy_durations(8, 1200, 0.05, 10);
    QByteArray bytes = run_file_bytes(d);
    for (int i = 0; i < 600; ++i) {
        const int s = 1200 + 3600 + i;
        bytes += QStringLiteral("%1:%2:%3\t100\r\n")
                     .arg(10 + s / 3600)
                     .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(s % 60, 2, 10, QLatin1Char('0'))
                     .toLatin1();
    }
    choisit(ecrit(QStringLiteral("trou.txt"), bytes));
    FenetreAjustement& fenetre = ouvre();
    fenetre.Onglets->setCurrentWidget(fenetre.onglet_taux);
    ASSERT_EQ(fenetre.onglet_taux->Liste_trous->count(), 1);
    fenetre.onglet_taux->Liste_trous->setCurrentRow(0);
    const double avant = fenetre.resultat().events;
    fenetre.onglet_taux->Bouton_exclure_trou->click();
    const auto exclusions = lit_exclusions();
    ASSERT_EQ(exclusions.size(), 1u);
    EXPECT_EQ(exclusions.begin()->second.front(), read_excluded_span(QStringLiteral("10:20:00-11:20:00")));
    // The records that bound the gap leave the fit: the combination is now the convergence's point.
    const OngletRuns& runs = *fenetre.onglet_runs;
    EXPECT_TRUE(runs.combinaison().in_use);
    EXPECT_TRUE(cellule(runs, 0, 6).contains(QStringLiteral("(2 enregistrements)"))) << cellule(runs, 0, 6);
    EXPECT_EQ(fenetre.convergence().points().back().events, runs.combinaison().combination.combined.events);
    // They leave the followed run's own fit too.
    EXPECT_LT(fenetre.resultat().events, avant);
    EXPECT_EQ(fenetre.resultat().events, runs.combinaison().combination.runs[0].events);

    // Five minutes of records left out: the forecast's live time loses them too.
    const double vif_s = form.surveillance().analyse_du_chargement(form.etat()).live_s;
    fenetre.onglet_runs->exclut_du_run_suivi(read_excluded_span(QStringLiteral("10:05:00-10:10:00")));
    EXPECT_NEAR(fenetre.prevision().events_per_hour, fenetre.resultat().events / ((vif_s - 300) / 3600), 1e-6);
}

// A run of the two-integer apparatus (ns) added to a run in units of 10 ns
// (no unit): never combined in mixed units, the tab's status line says why.
TEST_F(FitWindowRuns, ARunOfAnotherUnitIsNotCombinedAndTheStatusLineSaysIt) {
    const QString suivi = run(QStringLiteral("run.txt"), 2000);
    choisit(suivi);
    FenetreAjustement& fenetre = ouvre();
    OngletRuns& runs = *fenetre.onglet_runs;
    fenetre.Onglets->setCurrentWidget(&runs);
    recorder().open_files_answers.push_back(QStringList{QStringLiteral(VORNS_SOURCE_DIR "/fichiers/deux_entiers.txt")});
    runs.Bouton_ajouter_runs->click();
    ASSERT_EQ(runs.Table_runs->rowCount(), 2);
    EXPECT_EQ(cellule(runs, 1, 6), QStringLiteral("autre unité"));
    EXPECT_EQ(runs.combinaison().runs, 1u);
    EXPECT_EQ(runs.Label_etat_runs->text(),
              QStringLiteral("autre unité, non combiné : deux_entiers.txt (1 ns, le run suivi sans unité)"));
    EXPECT_TRUE(fenetre.Label_etat->text().contains(runs.Label_etat_runs->text())) << fenetre.Label_etat->text();
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|');
}
