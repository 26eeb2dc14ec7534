// The fit window's wiring: opened from the bottom bar without moving anything,
// refitted after every load with its convergence series, its choices kept in
// "qrt_vorn.fit", exports through the save dialog, and failures shown in its
// status line, never in a message box.
#include "app/fit_window.h"
#include "fit/text/stability_text.h"
#include "settings/key_values.h"
#include "load_fixture.h"
#include "platform/files.h"
#include "support/toy_durations.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <cmath>
#include <functional>
#include <qcustomplot.h>

namespace {

class FitWindow : public DataFileWindow {
protected:
    void SetUp() override { platform::set_decimal_separator(QLatin1Char('.')); }

    // A run of `n` records: lifetime 220, 5 % flat background.
    QString run(const QString& nom, int n) { return ecrit(nom, run_file_bytes(toy_durations(5, n, 0.05, 10))); }

    FenetreAjustement& ouvre() {
        form.SpeedButton_ajustement->click();
        EXPECT_NE(form.fenetre_ajustement(), nullptr);
        return *form.fenetre_ajustement();
    }

    // Typed as a person types: the field edited, then left.
    static void tape(QLineEdit* champ, const QString& texte) {
        champ->setText(texte);
        champ->setModified(true);
        emit champ->editingFinished();
    }
};

TEST_F(FitWindow, TheButtonOpensOneNonModalWindowAndMovesNothing) {
    form.show();
    std::vector<std::pair<QWidget*, QRect>> avant;
    for (QWidget* w : form.contenu()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        avant.emplace_back(w, w->geometry());

    FenetreAjustement& fenetre = ouvre();
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_TRUE(fenetre.isWindow());
    EXPECT_FALSE(fenetre.isModal());
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("vorns - analyse du run"));
    for (const auto& [w, g] : avant) EXPECT_EQ(w->geometry(), g) << w->objectName().toStdString();

    fenetre.close();
    form.SpeedButton_ajustement->click();
    EXPECT_EQ(form.fenetre_ajustement(), &fenetre);
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_EQ(form.findChildren<FenetreAjustement*>().size(), 1);
    // Closing the program with the focus in a field: the field is read once
    // more while the windows go, and the run's state must still be there.
    QApplication::setActiveWindow(&fenetre);
    fenetre.Edit_tmin->setFocus();
}

TEST_F(FitWindow, EveryLoadRefitsAndGrowsTheConvergenceSeriesUntilTheFileIsShortened) {
    const QString fichier = run(QStringLiteral("run.txt"), 2000);
    choisit(fichier);
    FenetreAjustement& fenetre = ouvre();
    ASSERT_EQ(fenetre.resultat().status, fit::Status::converged);
    EXPECT_TRUE(fenetre.Label_etat->text().startsWith(QString::fromUtf8("convergé"))) << fenetre.Label_etat->text();
    EXPECT_EQ(fenetre.Label_tau_histogramme->text(), form.Label27->text());
    EXPECT_NE(fenetre.Label_tau->text(), QString::fromUtf8("—"));

    struct Step {
        const char* file;
        int records;
        std::vector<double> series;  // the records of each point afterwards
    };
    // The series' rules are Convergence's (tests/fit): here, that each load reaches it.
    const Step steps[] = {
        {"run.txt", 3000, {2000, 3000}},
        {"run.txt", 1000, {1000}},    // shortened: a new run
        {"other.txt", 1500, {1500}},  // another file, though the same records and more
    };
    for (const Step& s : steps) {
        const QString nom = QString::fromLatin1(s.file);
        if (chemin(nom) == file_state.fichier_donnees) {
            charge(run(nom, s.records));  // as the tick reloads it
        } else {
            choisit(run(nom, s.records));
        }
        std::vector<double> records;
        for (const ConvergencePoint& p : fenetre.convergence().points()) records.push_back(p.records);
        EXPECT_EQ(records, s.series) << s.file << " " << s.records;
        const ConvergencePoint& last = fenetre.convergence().points().back();
        EXPECT_EQ(last.tau, fenetre.resultat().tau);
        EXPECT_EQ(last.histogram_tau, static_cast<double>(etat.class_table.Tau));
    }
    // The same run rewritten with other values from its start is another run too.
    charge(ecrit(QStringLiteral("other.txt"), run_file_bytes(toy_durations(6, 1600, 0.05, 10))));
    EXPECT_EQ(fenetre.convergence().points().size(), 1u);
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|');
}

TEST_F(FitWindow, AFailedFitOrABadFieldShowsInTheStatusLineNeverInABox) {
    choisit(run(QStringLiteral("court.txt"), 5));
    FenetreAjustement& fenetre = ouvre();
    EXPECT_EQ(fenetre.Label_etat->text(), QString::fromUtf8("moins de 10 événements dans la fenêtre"));
    EXPECT_EQ(fenetre.Label_tau->text(), QString::fromUtf8("—"));
    form.Timer1Timer();  // a tick on the unchanged file, then on a grown one
    charge(run(QStringLiteral("court.txt"), 8));
    EXPECT_EQ(fenetre.Label_evenements->text(), QStringLiteral("8"));

    charge(run(QStringLiteral("court.txt"), 500));
    const double t_min = fenetre.choix().t_min;
    tape(fenetre.Edit_tmin, QStringLiteral("abc"));
    EXPECT_TRUE(
        fenetre.Label_etat->text().contains(QStringLiteral("t min : 'abc' is not a valid floating point value")))
        << fenetre.Label_etat->text();
    EXPECT_EQ(fenetre.Edit_tmin->text(), QStringLiteral("abc"));  // kept, to be mended
    EXPECT_EQ(fenetre.choix().t_min, t_min);
    tape(fenetre.Edit_tmin, QStringLiteral("900"));  // above t max
    EXPECT_TRUE(fenetre.Label_etat->text().startsWith(QString::fromUtf8("fenêtre refusée")));
    tape(fenetre.Edit_unite, QStringLiteral("0"));
    EXPECT_TRUE(fenetre.Label_etat->text().startsWith(QStringLiteral("1 unité")));
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|');
}

// What the window shows of its fit: the results, the two plots' data and the
// exports, which take the fit shown.
struct Shown {
    QString tau;
    QString status;
    int histogram_points = 0;    // of the upper plot: classes, curve, background
    int convergence_points = 0;  // fitted lifetimes
    bool exports = false;
};

Shown shown(const FenetreAjustement& f) {
    Shown s{f.Label_tau->text(), f.Label_etat->text()};
    for (QCPGraph* g : f.graphes->histogramme->axisRect(0)->graphs()) s.histogram_points += g->dataCount();
    const QSharedPointer<QCPGraphDataContainer> tau = f.graphes->convergence->graph(0)->data();
    for (const QCPGraphData& p : *tau) s.convergence_points += std::isfinite(p.value) ? 1 : 0;
    s.exports = f.Bouton_csv_histogramme->isEnabled() && f.Bouton_png->isEnabled();
    return s;
}

// A field that cannot be read, or a window that starts below 0, says so in the
// status line, never in a box; the window then shows no fit, not even after a
// reload, until the field is mended, and the fit of the mended window goes on
// with its convergence series. Either decimal mark reads, whatever the
// desktop's.
TEST_F(FitWindow, EveryFieldReportsInTheStatusLineAndTheFitShownIsTheWindowShown) {
    const QString fichier = run(QStringLiteral("run.txt"), 2000);
    choisit(fichier);
    FenetreAjustement& fenetre = ouvre();
    fenetre.Onglets->setCurrentIndex(1);  // both plots drawn
    ASSERT_EQ(fenetre.resultat().status, fit::Status::converged);
    struct Case {
        QLineEdit* FenetreAjustement::*field;
        const char* typed;
        const char* status;  // the status line starts with it; empty: the window is fitted
    };
    // Which texts each field refuses is FitDecisions' (tests/fit): here, each field reaches it.
    const Case cases[] = {
        {&FenetreAjustement::Edit_tmin, "1e999", "t min : '1e999' is not a valid floating point value"},
        {&FenetreAjustement::Edit_tmax, "-1E400", "t max : '-1E400' is not"},
        {&FenetreAjustement::Edit_unite, "-2", "1 unité : doit être supérieur à 0"},
        {&FenetreAjustement::Edit_tmin, "-5", "fenêtre refusée : t min doit être positif ou nul"},
        {&FenetreAjustement::Edit_tmin, "0", ""},
    };
    for (const char separator : {'.', ','}) {
        platform::set_decimal_separator(QLatin1Char(separator));
        for (const Case& c : cases) {
            QLineEdit* champ = fenetre.*(c.field);
            const QString avant = champ->text();
            const std::string what =
                std::string(1, separator) + " " + champ->objectName().toStdString() + " = " + c.typed;
            tape(champ, QString::fromUtf8(c.typed));
            charge(run(QStringLiteral("run.txt"), 2100));  // a reload meanwhile
            const Shown s = shown(fenetre);
            EXPECT_TRUE(s.status.startsWith(QString::fromUtf8(c.status))) << what << ": " << s.status;
            EXPECT_EQ(champ->text(), QString::fromUtf8(c.typed)) << what;  // kept, to be mended
            if (*c.status == '\0') {
                EXPECT_TRUE(s.status.startsWith(QString::fromUtf8("convergé"))) << what << ": " << s.status;
                EXPECT_TRUE(s.exports) << what;
            } else {
                EXPECT_EQ(s.tau, QString::fromUtf8("—")) << what;
                EXPECT_EQ(s.histogram_points, 0) << what;
                EXPECT_EQ(s.convergence_points, 0) << what;
                EXPECT_EQ(s.exports, c.status[0] == 'f') << what;  // a refused window exports its refusal
            }
            tape(champ, avant);
            charge(run(QStringLiteral("run.txt"), 2000));
            const Shown mended = shown(fenetre);
            EXPECT_TRUE(mended.status.startsWith(QString::fromUtf8("convergé"))) << what << ": " << mended.status;
            EXPECT_NE(mended.tau, QString::fromUtf8("—")) << what;
            EXPECT_GT(mended.histogram_points, 100) << what;
            EXPECT_GT(mended.convergence_points, 0) << what;
            EXPECT_TRUE(mended.exports) << what;
        }
        // Both decimal marks, whatever the desktop's.
        for (const char* typed : {"10.5", "10,5"}) {
            tape(fenetre.Edit_tmin, QString::fromLatin1(typed));
            EXPECT_EQ(fenetre.choix().t_min, 10.5) << separator << " " << typed << ": " << fenetre.Label_etat->text();
            tape(fenetre.Edit_tmax, QString::fromLatin1(typed).replace(QStringLiteral("10"), QStringLiteral("790")));
            EXPECT_EQ(fenetre.choix().t_max, 790.5) << separator << " " << typed << ": " << fenetre.Label_etat->text();
            EXPECT_TRUE(fenetre.Label_etat->text().startsWith(QString::fromUtf8("convergé")))
                << fenetre.Label_etat->text();
        }
        tape(fenetre.Edit_tmin, platform::general(10));
        tape(fenetre.Edit_tmax, platform::general(800));
    }
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|');
}

TEST_F(FitWindow, TheChoicesAreRememberedInTheirSettingsFile) {
    platform::set_decimal_separator(QLatin1Char(','));
    tape(form.Edit8, QStringLiteral("20"));
    tape(form.Edit6, QStringLiteral("1000"));
    choisit(run(QStringLiteral("run.txt"), 200));  // the class pass takes them
    form.Edit8->setText(QStringLiteral("30"));     // typed, not applied: not the run's
    FenetreAjustement& fenetre = ouvre();
    EXPECT_EQ(fenetre.Edit_tmin->text(), QStringLiteral("20"));  // dX and X max at the first opening
    EXPECT_EQ(fenetre.Edit_tmax->text(), QStringLiteral("1000"));
    tape(fenetre.Edit_tmax, QStringLiteral("1500,5"));
    fenetre.ComboBox_modele->setCurrentIndex(1);
    emit fenetre.ComboBox_modele->activated(1);
    const int cinq = fenetre.ComboBox_precision->findText(QStringLiteral("5 %"));
    fenetre.ComboBox_precision->setCurrentIndex(cinq);
    emit fenetre.ComboBox_precision->activated(cinq);
    EXPECT_TRUE(fenetre.Label_prevision->text().startsWith(QStringLiteral("5 % sur Tau")))
        << fenetre.Label_prevision->text();
    const KeyValues reglages = key_values_of_lines(
        QString::fromLatin1(read_bytes(programme.file(QStringLiteral("qrt_vorn.fit")))).split(QStringLiteral("\r\n")));
    EXPECT_EQ(reglages, (KeyValues{{"t_min", "20"},
                                        {"t_max", "1500.5"},
                                        {"model", "exp"},
                                        {"method", "unbinned"},
                                        {"unit_ns", ""},  // no unit given
                                        {"log_counts", "0"},
                                        {"precision", "0.05"},
                                        {"tau_minus_ns", "2026.3"},
                                        {"rho", "1.27"}}));

    TForm1 suivante;  // the next run, in the same program folder
    suivante.Edit8->setText(QStringLiteral("5"));
    suivante.SpeedButton_ajustement->click();
    FenetreAjustement& relue = *suivante.fenetre_ajustement();
    EXPECT_EQ(relue.Edit_tmin->text(), QStringLiteral("20"));
    EXPECT_EQ(relue.Edit_tmax->text(), QStringLiteral("1500,5"));
    EXPECT_EQ(relue.ComboBox_modele->currentIndex(), 1);
    EXPECT_EQ(relue.ComboBox_precision->currentText(), QStringLiteral("5 %"));
}

// G_F beside the lifetime, the forecast at the run's rate and the stability
// scan, with the status line when a point leaves its band. The scan is made
// again only with a new fit, a reload's only while its tab is shown (else when
// the tab is shown), and its plot drawn only on its tab.
TEST_F(FitWindow, FermiConstantForecastAndStabilityFollowTheFit) {
    // A dead time of 40 under a window from 10: the first fit's tau is off.
    std::vector<double> durations;
    for (const double d : toy_durations(9, 20000, 0.05, 10)) {
        if (d >= 40) durations.push_back(d);
    }
    const QString fichier = ecrit(QStringLiteral("mort.txt"), run_file_bytes(durations));
    choisit(fichier);
    FenetreAjustement& fenetre = ouvre();
    tape(fenetre.Edit_unite, QStringLiteral("10"));  // G_F needs the unit
    // The classes and t min typed for that unit, as they are: they stay at the
    // next loads (else t min would start at the shortest duration, 40).
    for (QLineEdit* champ : {form.Edit8, form.Edit6}) tape(champ, champ->text());
    tape(fenetre.Edit_tmin, QStringLiteral("10"));
    ASSERT_EQ(fenetre.resultat().status, fit::Status::converged);
    const fit_text::ResultLines lignes = fit_text::result_lines(fenetre.resultat(), fenetre.choix().unit_ns);
    EXPECT_FALSE(lignes.fermi.isEmpty());
    EXPECT_EQ(fenetre.Label_gf->text(), lignes.fermi);
    EXPECT_EQ(fenetre.Label_gf_note->text(), fit_text::fermi_matter_note());
    // One record a second: the rate is the events in the window over the span.
    const fit::Forecast& prevision = fenetre.prevision();
    EXPECT_EQ(prevision.state, fit::Forecast::State::forecast);
    EXPECT_NEAR(prevision.events_per_hour,
                fenetre.resultat().events / (static_cast<double>(durations.size() - 1) / 3600), 1e-6);
    EXPECT_EQ(fenetre.Label_prevision->text(), fit_text::forecast_line(prevision));
    ASSERT_TRUE(fenetre.stabilite().outside());
    EXPECT_EQ(fenetre.Label_stabilite->text(), fit_text::stability_line(fenetre.stabilite()));
    EXPECT_TRUE(fenetre.Label_etat->text().endsWith(fit_text::stability_warning(fenetre.stabilite())));

    int traces = 0;
    QObject::connect(fenetre.graphes->stabilite, &QCustomPlot::afterReplot, [&traces] { ++traces; });
    const auto evenements_du_balayage = [&fenetre] { return fenetre.stabilite().points.front().events; };
    const double avant = evenements_du_balayage();
    fenetre.Onglets->setCurrentIndex(FenetreAjustement::kOngletStabilite);
    QCoreApplication::processEvents();
    traces = 0;
    const fit::StabilityPoint* balayage = fenetre.stabilite().points.data();
    charge(fichier);  // the same events: the same scan, not made again nor drawn
    QCoreApplication::processEvents();
    EXPECT_EQ(fenetre.stabilite().points.data(), balayage);
    EXPECT_EQ(traces, 0);
    // One event more, in the window: under another tab the scan waits for its tab.
    fenetre.Onglets->setCurrentIndex(0);
    durations.push_back(75);
    charge(ecrit(QStringLiteral("mort.txt"), run_file_bytes(durations)));
    QCoreApplication::processEvents();
    EXPECT_EQ(fenetre.resultat().events, avant + 1);
    EXPECT_EQ(evenements_du_balayage(), avant);
    EXPECT_EQ(traces, 0);
    fenetre.Onglets->setCurrentIndex(FenetreAjustement::kOngletStabilite);
    QCoreApplication::processEvents();
    EXPECT_EQ(evenements_du_balayage(), avant + 1);
    EXPECT_GE(traces, 1);
    // While it is shown, a reload's fit is scanned at once.
    durations.push_back(76);
    charge(ecrit(QStringLiteral("mort.txt"), run_file_bytes(durations)));
    EXPECT_EQ(evenements_du_balayage(), avant + 2);

    // A field that cannot be read: no G_F, no forecast, no scan shown.
    tape(fenetre.Edit_tmin, QStringLiteral("abc"));
    EXPECT_EQ(fenetre.Label_gf->text(), QString());
    EXPECT_EQ(fenetre.Label_prevision->text(), QString::fromUtf8("—"));
    EXPECT_EQ(fenetre.Label_stabilite->text(), QString::fromUtf8("—"));
    tape(fenetre.Edit_tmin, QStringLiteral("60"));  // above the dead time
    EXPECT_FALSE(fenetre.stabilite().outside()) << fenetre.Label_stabilite->text().toStdString();
    EXPECT_TRUE(fenetre.Label_etat->text().startsWith(QString::fromUtf8("convergé"))) << fenetre.Label_etat->text();
    EXPECT_FALSE(fenetre.Label_etat->text().contains(QStringLiteral("bande"))) << fenetre.Label_etat->text();
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|');
}

// The capture models: refused while the unit is not given, their fields
// enabled for them only, their lines shown for them only, and their choices
// remembered.
TEST_F(FitWindow, TheCaptureModelsTheirFieldsAndLines) {
    choisit(ecrit(QStringLiteral("muons.txt"),
                  run_file_bytes(toy_run({3, 20000, 0.03, 0.1, false, 219.698, 2200, 202.63, 1.27}))));
    FenetreAjustement& fenetre = ouvre();
    const auto modele = [&](fit::Model m) {
        fenetre.ComboBox_modele->setCurrentIndex(fit::index_of(m));
        emit fenetre.ComboBox_modele->activated(fit::index_of(m));
    };
    const auto matiere = [&](const QString& texte) {
        fenetre.ComboBox_matiere->setEditText(texte);
        emit fenetre.ComboBox_matiere->lineEdit()->editingFinished();
    };
    EXPECT_EQ(fenetre.ComboBox_modele->count(), 4);
    EXPECT_EQ(fenetre.ComboBox_modele->itemText(2), QString::fromUtf8("μ+ libre et μ− capturés"));
    EXPECT_EQ(fenetre.ComboBox_modele->itemText(3), QString::fromUtf8("rapport de charge"));
    EXPECT_EQ(fenetre.Edit_unite->text(), QString());  // no unit given yet
    EXPECT_FALSE(fenetre.ComboBox_matiere->isEnabled());
    struct Step {
        std::function<void()> edit;
        const char* status;  // the status line starts with it
        const char* tau;     // Label_tau starts with it
        const char* fixed;   // empty: the row hidden
        bool rho;            // the rho row shown
        bool material_field;
        bool rho_field;
    };
    const Step steps[] = {
        {[&] { modele(fit::Model::mu_capture); }, "unité non fixée", "—", "", false, true, true},
        {[&] { tape(fenetre.Edit_unite, QStringLiteral("10")); }, "convergé", "2", "τ− = 2026.3 ns (carbone), ρ = 1.27",
         false, true, true},
        {[&] { matiere(QString::fromUtf8("oxygène")); }, "convergé", "2", "τ− = 1795.4 ns (oxygène), ρ = 1.27", false,
         true, true},
        {[&] { tape(fenetre.Edit_rho, QStringLiteral("1,1")); }, "convergé", "2", "τ− = 1795.4 ns (oxygène), ρ = 1.1",
         false, true, true},
        {[&] { tape(fenetre.Edit_rho, QStringLiteral("abc")); }, "ρ : 'abc' is not", "—", "", false, true, true},
        {[&] { tape(fenetre.Edit_rho, QStringLiteral("1.27")); }, "convergé", "2", "τ− = 1795.4 ns (oxygène), ρ = 1.27",
         false, true, true},
        {[&] { matiere(QStringLiteral("2026,3")); }, "convergé", "2", "τ− = 2026.3 ns (carbone), ρ = 1.27", false, true,
         true},
        {[&] { modele(fit::Model::charge_ratio); }, "convergé", "—", "τ+ = 2196.98 ns, τ− = 2026.3 ns (carbone)", true,
         true, false},
        {[&] { modele(fit::Model::exp_flat); }, "convergé", "2", "", false, false, false},
    };
    for (const Step& s : steps) {
        s.edit();
        const std::string what = std::string(s.status) + " " + s.fixed;
        EXPECT_TRUE(fenetre.Label_etat->text().startsWith(QString::fromUtf8(s.status)))
            << what << ": " << fenetre.Label_etat->text();
        EXPECT_TRUE(fenetre.Label_tau->text().startsWith(QString::fromUtf8(s.tau))) << what;
        EXPECT_EQ(fenetre.Label_fixes->isVisibleTo(&fenetre), *s.fixed != '\0') << what;
        if (*s.fixed != '\0') {
            EXPECT_EQ(fenetre.Label_fixes->text(), QString::fromUtf8(s.fixed)) << what;
        }
        EXPECT_EQ(fenetre.Label_rho->isVisibleTo(&fenetre), s.rho) << what;
        EXPECT_EQ(fenetre.ComboBox_matiere->isEnabled(), s.material_field) << what;
        EXPECT_EQ(fenetre.Edit_rho->isEnabled(), s.rho_field) << what;
    }
    // What the last capture fit found: rho about 1.27 within its interval.
    modele(fit::Model::charge_ratio);
    const fit::Result& r = fenetre.resultat();
    EXPECT_LT(r.rho_lower, 1.27 + 3 * r.rho_error);
    EXPECT_GT(r.rho_upper, 1.27 - 3 * r.rho_error);
    const KeyValues reglages = key_values_of_lines(
        QString::fromLatin1(read_bytes(programme.file(QStringLiteral("qrt_vorn.fit")))).split(QStringLiteral("\r\n")));
    EXPECT_EQ(reglages.value("model"), QStringLiteral("charge-ratio"));
    EXPECT_EQ(reglages.value("unit_ns"), QStringLiteral("10"));
    EXPECT_EQ(reglages.value("tau_minus_ns"), QStringLiteral("2026.3"));
    EXPECT_EQ(reglages.value("rho"), QStringLiteral("1.27"));
    TForm1 suivante;  // the next run, in the same program folder
    suivante.SpeedButton_ajustement->click();
    EXPECT_EQ(suivante.fenetre_ajustement()->Edit_unite->text(), QStringLiteral("10"));
    EXPECT_EQ(suivante.fenetre_ajustement()->ComboBox_matiere->currentText(), QString::fromUtf8("carbone"));
    EXPECT_EQ(suivante.fenetre_ajustement()->ComboBox_modele->currentIndex(), 3);
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|');
}

TEST_F(FitWindow, ExportsGoThroughTheSaveDialog) {
    choisit(run(QStringLiteral("run.txt"), 2000));
    FenetreAjustement& fenetre = ouvre();
    struct Export {
        QPushButton* button;
        const char* name;
        QByteArray starts;
    };
    const Export exports[] = {
        {fenetre.Bouton_png, "a.png", "\x89PNG"},
        {fenetre.Bouton_svg, "a.svg", "<?xml"},
        {fenetre.Bouton_csv_histogramme, "h.csv", "t min,10,t max,800,"},
        {fenetre.Bouton_csv_convergence, "c.csv", "t min,10,t max,800,"},
    };
    for (const Export& e : exports) {
        recorder().save_answers.push_back(chemin(QString::fromLatin1(e.name)));
        e.button->click();
        const QByteArray bytes = read_bytes(chemin(QString::fromLatin1(e.name)));
        EXPECT_TRUE(bytes.startsWith(e.starts)) << e.name << ": " << bytes.left(40).toStdString();
    }
    EXPECT_EQ(recorder().save_requests.front().file_name, QStringLiteral("run_ajustement.png"));
    EXPECT_EQ(recorder().save_requests.front().initial_folder,
              platform::folder_part(chemin(QStringLiteral("run.txt"))));
    // The histogram as the report draws it: its axis titles give their units.
    const QString svg = QString::fromUtf8(read_bytes(chemin(QStringLiteral("a.svg"))));
    EXPECT_TRUE(svg.contains(QStringLiteral("<svg"))) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains(QStringLiteral("durée (unités)"))) << svg.toStdString();
    EXPECT_TRUE(svg.contains(QStringLiteral("événements par classe de 10 unités"))) << svg.toStdString();
    const QList<QByteArray> histogramme = read_bytes(chemin(QStringLiteral("h.csv"))).split('\n');
    EXPECT_EQ(histogramme.size() - 1, 2 + static_cast<qsizetype>(fenetre.resultat().goodness.observed.size()));
    EXPECT_EQ(read_bytes(chemin(QStringLiteral("c.csv"))).count('\n'), 3);  // header, names, one point

    // A decimal comma: the fields ';' apart. A cancelled dialog writes nothing.
    platform::set_decimal_separator(QLatin1Char(','));
    recorder().save_answers.push_back(chemin(QStringLiteral("virgule.csv")));
    fenetre.Bouton_csv_convergence->click();
    EXPECT_TRUE(read_bytes(chemin(QStringLiteral("virgule.csv"))).startsWith("t min;10;t max;800;"));
    fenetre.Bouton_png->click();
    EXPECT_EQ(recorder().save_requests.size(), 6u);
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|');
}

}  // namespace
