// The fit window's wiring: opened from the bottom bar without moving anything,
// refitted after every load with its convergence series, its choices kept in
// "qrt_vorn.fit", exports through the save dialog, and failures shown in its
// status line, never in a message box.
#include "app/fit_window.h"
#include "load_fixture.h"
#include "platform/files.h"
#include "support/toy_durations.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <cmath>
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

    static void tape(QLineEdit* champ, const QString& texte) {
        champ->setText(texte);
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
    form.Edit8->setText(QStringLiteral("20"));
    form.Edit6->setText(QStringLiteral("1000"));
    choisit(run(QStringLiteral("run.txt"), 200));  // the class pass takes them
    form.Edit8->setText(QStringLiteral("30"));     // typed, not applied: not the run's
    FenetreAjustement& fenetre = ouvre();
    EXPECT_EQ(fenetre.Edit_tmin->text(), QStringLiteral("20"));  // dX and X max at the first opening
    EXPECT_EQ(fenetre.Edit_tmax->text(), QStringLiteral("1000"));
    tape(fenetre.Edit_tmax, QStringLiteral("1500,5"));
    fenetre.ComboBox_modele->setCurrentIndex(1);
    emit fenetre.ComboBox_modele->activated(1);
    const QStringList lignes =
        QString::fromLatin1(read_bytes(programme.file(QStringLiteral("qrt_vorn.fit")))).split(QStringLiteral("\r\n"));
    ASSERT_GE(lignes.size(), 6);
    EXPECT_EQ(lignes.mid(0, 6), QStringList({"20", "1500.5", "exp", "unbinned", "10", "0"}));

    TForm1 suivante;  // the next run, in the same program folder
    suivante.Edit8->setText(QStringLiteral("5"));
    suivante.SpeedButton_ajustement->click();
    FenetreAjustement& relue = *suivante.fenetre_ajustement();
    EXPECT_EQ(relue.Edit_tmin->text(), QStringLiteral("20"));
    EXPECT_EQ(relue.Edit_tmax->text(), QStringLiteral("1500,5"));
    EXPECT_EQ(relue.ComboBox_modele->currentIndex(), 1);
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
    EXPECT_TRUE(read_bytes(chemin(QStringLiteral("a.svg"))).contains("<svg"));
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
