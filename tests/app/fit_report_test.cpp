// The analysis window's run report: "rapport PDF…" proposes a writable folder
// and writes a PDF that holds every figure the two windows show (the fit, the
// stability, the forecast, the "taux" tab, the main window's figures), with a
// decimal comma, and the comment as typed (saved or not).
#include "app/fit_window.h"
#include "app/qt_seams.h"
#include "load_fixture.h"
#include "platform/locations.h"
#include "support/pdf.h"
#include "support/toy_durations.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTimer>

namespace {

class FitReport : public DataFileWindow {};

TEST_F(FitReport, ThePdfHoldsEveryFigureTheWindowsShow) {
    platform::set_decimal_separator(QLatin1Char(','));
    const QString data = ecrit(QStringLiteral("run.txt"), run_file_bytes(toy_durations(5, 3000, 0.05, 10)));
    choisit(data);
    form.Memo2->setPlainText(QStringLiteral("aimant posé à 14 h\nseuil à −30 mV"));
    form.SpeedButton_ajustement->click();
    FenetreAjustement& f = *form.fenetre_ajustement();
    f.Edit_unite->setText(QStringLiteral("10"));
    emit f.Edit_unite->editingFinished();
    f.Onglets->setCurrentIndex(FenetreAjustement::kOngletStabilite);  // the scan made, its line shown

    recorder().save_answers.push_back(chemin(QStringLiteral("r.pdf")));
    f.Bouton_rapport->click();
    ASSERT_EQ(recorder().save_requests.size(), 1u);
    EXPECT_EQ(recorder().save_requests.front().file_name, QStringLiteral("run_rapport.pdf"));
    EXPECT_EQ(recorder().save_requests.front().initial_folder, platform::export_folder(data));
    const QString text = pdf_text(chemin(QStringLiteral("r.pdf")));
    int shown = 0;
    for (const QLabel* l :
         {f.Label_tau, f.Label_intervalle, f.Label_tau_temps, f.Label_gf, f.Label_fond, f.Label_evenements,
          f.Label_chi2, f.Label_tau_histogramme, f.Label_prevision, f.Label_stabilite, f.Label_etat, form.Label27,
          form.Label29, form.Label31, form.Label33, form.Label35, form.Label37, form.Label25}) {
        if (l->text().isEmpty()) continue;
        ++shown;
        // The status line joins the fit's status and the stability's warning.
        for (const QString& part : l->text().split(QStringLiteral(" ; "))) {
            EXPECT_TRUE(text.contains(squeezed(part))) << l->objectName() << ": " << part;
        }
    }
    EXPECT_GE(shown, 16);
    // The "taux" tab's lines, made while it is in sight.
    f.Onglets->setCurrentWidget(f.onglet_taux);
    const QStringList taux = f.onglet_taux->Label_taux->text().split(QLatin1Char('\n'));
    EXPECT_GE(taux.size(), 4);
    for (const QString& line : taux) EXPECT_TRUE(text.contains(squeezed(line))) << line;
    EXPECT_TRUE(f.Label_tau_temps->text().contains(QLatin1Char(','))) << f.Label_tau_temps->text();
    EXPECT_TRUE(text.contains(QStringLiteral("aimant posé à 14 h seuil à −30 mV"))) << text;
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|');
}

}  // namespace

namespace {

// "imprimer…" draws the same pages on the printer the system's dialog gives:
// here its PDF printer, the dialog accepted with a file named.
TEST_F(FitReport, PrintingDrawsTheSamePagesThroughThePrintDialog) {
    choisit(ecrit(QStringLiteral("run.txt"), run_file_bytes(toy_durations(5, 2000, 0.05, 10))));
    form.SpeedButton_ajustement->click();
    FenetreAjustement& f = *form.fenetre_ajustement();
    const QString imprime = chemin(QStringLiteral("imprime.pdf"));
    bool dialogue = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        dialogue = true;
        d->printer()->setOutputFileName(imprime);
        d->done(QDialog::Accepted);
    });
    f.Bouton_imprimer->click();
    ASSERT_TRUE(dialogue);
    recorder().save_answers.push_back(chemin(QStringLiteral("r.pdf")));
    f.Bouton_rapport->click();
    const QString printed = pdf_text(imprime);
    EXPECT_TRUE(printed.contains(f.Label_tau->text())) << printed;
    // The same pages but for the minute of the date.
    const auto sans_date = [](QString t) {
        // The date and time of day, in whatever words the locale writes them.
        return t.remove(QRegularExpression(QStringLiteral("rapport du .*? à \\d\\d:\\d\\d")));
    };
    EXPECT_EQ(sans_date(printed), sans_date(pdf_text(chemin(QStringLiteral("r.pdf")))));
}

}  // namespace

namespace {

// The runs the "runs" tab combines go into the report: the table of the runs
// with the span left out, their consistency, and a vorns-fit command line
// that the shell runs to the same combined tau.
TEST_F(FitReport, TheAddedRunsAndTheirSpansGoIntoTheReport) {
    platform::set_decimal_separator(QLatin1Char(','));
    choisit(ecrit(QStringLiteral("suivi.txt"), run_file_bytes(toy_durations(5, 2000, 0.05, 10))));
    const QString ajoute = ecrit(QStringLiteral("nuit 2.txt"), run_file_bytes(toy_durations(6, 3000, 0.05, 10)));
    form.SpeedButton_ajustement->click();
    FenetreAjustement& f = *form.fenetre_ajustement();
    OngletRuns& runs = *f.onglet_runs;
    recorder().open_files_answers.push_back(QStringList{ajoute});
    runs.Bouton_ajouter_runs->click();
    runs.Table_runs->selectRow(1);
    runs.Edit_debut_exclusion->setText(QStringLiteral("10:00:01"));
    runs.Edit_fin_exclusion->setText(QStringLiteral("10:05:00"));
    runs.Bouton_exclure->click();
    ASSERT_EQ(runs.combinaison().runs, 2u);

    recorder().save_answers.push_back(chemin(QStringLiteral("r.pdf")));
    f.Bouton_rapport->click();
    const QString text = pdf_text(chemin(QStringLiteral("r.pdf")));
    for (const QString& part :
         {QStringLiteral("suivi.txt"), QStringLiteral("nuit 2.txt"), squeezed(runs.Label_coherence->text()),
          QStringLiteral("exclu : 10:00:01 → 10:05:00 (300 enregistrements)")}) {
        EXPECT_TRUE(text.contains(part)) << part << "\n" << text;
    }
    const QRegularExpressionMatch commande =
        QRegularExpression(QStringLiteral("pour refaire cet ajustement (vorns-fit .*)$")).match(text);
    ASSERT_TRUE(commande.hasMatch()) << text;
    EXPECT_TRUE(commande.captured(1).contains(QStringLiteral("--combine --exclude"))) << commande.captured(1);
    QProcess sh;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"),
               QFileInfo(QStringLiteral(VORNS_FIT)).path() + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    sh.setProcessEnvironment(env);
    sh.start(QStringLiteral("sh"), {QStringLiteral("-c"), commande.captured(1) + QStringLiteral(" --json")});
    ASSERT_TRUE(sh.waitForFinished(60000));
    EXPECT_EQ(sh.exitCode(), 0) << sh.readAllStandardError().constData();
    const double tau =
        QJsonDocument::fromJson(sh.readAllStandardOutput()).object().value(QStringLiteral("tau")).toDouble();
    const double attendu = runs.combinaison().combination.combined.tau;
    EXPECT_NEAR(tau, attendu, 1e-9 * attendu);
}

}  // namespace

namespace {

// The report's dialog asks the user's fields, filled with those remembered:
// typed once, they stand on page one and are proposed for the next report
// (from the settings folder, a key=value file); a cancelled dialog writes
// nothing and remembers nothing.
TEST_F(FitReport, TheUsersFieldsAreAskedRememberedAndOnPageOne) {
    choisit(ecrit(QStringLiteral("run.txt"), run_file_bytes(toy_durations(5, 2000, 0.05, 10))));
    form.SpeedButton_ajustement->click();
    FenetreAjustement& f = *form.fenetre_ajustement();
    const QStringList champs{QStringLiteral("Ana Martin, Bo Durand"), QStringLiteral("TP 3"),
                             QStringLiteral("Physique subatomique L3"), QStringLiteral("scintillateur n° 2"),
                             QStringLiteral("aimant posé à 14 h\nseuil à −30 mV")};
    recorder().form_answers.push_back(champs);
    recorder().save_answers.push_back(chemin(QStringLiteral("r.pdf")));
    f.Bouton_rapport->click();
    ASSERT_EQ(recorder().form_requests.size(), 1u);
    for (const platform::FormField& field : recorder().form_requests.front().fields) {
        EXPECT_TRUE(field.value.isEmpty()) << field.caption;
    }
    const QString une = squeezed(pdf_page_lines(chemin(QStringLiteral("r.pdf")), 1));
    for (const QString& champ : champs) EXPECT_TRUE(une.contains(squeezed(champ))) << champ << "\n" << une;

    // Cancelled: no file chosen, nothing remembered.
    recorder().form_answers.push_back(std::nullopt);
    f.Bouton_rapport->click();
    EXPECT_EQ(recorder().save_requests.size(), 1u);

    // The next report proposes them, and its dialog accepted as proposed holds them again.
    recorder().save_answers.push_back(chemin(QStringLiteral("r2.pdf")));
    f.Bouton_rapport->click();
    ASSERT_EQ(recorder().form_requests.size(), 3u);
    QStringList proposes;
    for (const platform::FormField& field : recorder().form_requests.back().fields) proposes << field.value;
    EXPECT_EQ(proposes, champs);
    EXPECT_TRUE(squeezed(pdf_page_lines(chemin(QStringLiteral("r2.pdf")), 1)).contains(champs.front()));
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|');
}

}  // namespace

namespace {

// The program's own dialog of the fields, used with the keyboard alone: the
// first field has the focus, Tab goes to the next (its text selected, typed
// over), Return accepts.
TEST_F(FitReport, TheFieldsDialogTakesTheKeyboardAlone) {
    installe_les_services_qt();
    const auto tape = [](const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(QApplication::focusWidget(), &press);
        }
    };
    const auto touche = [](Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    };
    // Each tick looks for the dialog with the focus in it, types, and
    // accepts; after five seconds it gives up and closes it.
    bool vu = false;
    QElapsedTimer depuis;
    depuis.start();
    QTimer tic;
    QObject::connect(&tic, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        if (!d->isAncestorOf(QApplication::focusWidget())) {
            d->activateWindow();
            if (depuis.elapsed() > 5000) d->reject();
            return;
        }
        vu = true;
        tape(QStringLiteral("Ana"));
        touche(Qt::Key_Tab);
        tape(QStringLiteral("TP 3"));
        touche(Qt::Key_Return);
    });
    tic.start(20);
    const std::optional<QStringList> remplis = platform::seams().fill_form(
        {QStringLiteral("Rapport"), QString(), {{QStringLiteral("Nom(s) :"), QString()}, {QStringLiteral("Groupe :"), QStringLiteral("TP ")}}});
    recorder().install();
    ASSERT_TRUE(vu);
    ASSERT_TRUE(remplis);
    EXPECT_EQ(*remplis, (QStringList{QStringLiteral("Ana"), QStringLiteral("TP 3")}));
}

}  // namespace
