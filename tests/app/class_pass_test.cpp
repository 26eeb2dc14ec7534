// The class pass as the window runs it: its fields in, its labels, listing
// and N max out. The pass's own cases are in tests/analysis.
#include "analysis/class_pass.h"
#include "platform/numbers.h"
#include "platform/report.h"
#include "support/series.h"
#include "support/window.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

QStringList lignes(const QPlainTextEdit* memo) {
    if (memo->document()->isEmpty()) return {};
    return memo->toPlainText().split(QLatin1Char('\n'));
}

// What the window shows of a pass, to check that a refused or failed pass changed nothing.
struct Etat {
    QString label17, edit7;
    QStringList memo4, labels;
    std::int32_t nb_points_2;
    long double largeur;
    bool operator==(const Etat&) const = default;
};

Etat montre(const TForm1& f) {
    return {f.Label17->text(),
            f.Edit7->text(),
            lignes(f.Memo4),
            statistiques(f),
            f.etat().record_store.nb_points[2],
            f.etat().class_table.largeur_classe};
}

class ClassPassWindow : public AvecFenetre {
protected:
    void durees(std::initializer_list<double> valeurs, long double acquisition = 100) {
        ::durees(record_store, valeurs, acquisition);
    }
};

}  // namespace

// The counts, listing and trace of a pass are pinned in tests/analysis; here
// the window shows them, and keeps the figures of the last pass that had some.
TEST_F(ClassPassWindow, TheClassCountAndTheFiguresOfTheLastPassThatHadThem) {
    durees({});
    form.affecte_classe();
    EXPECT_EQ(form.Label17->text(), QStringLiteral("80"));
    EXPECT_EQ(statistiques(form), QStringList(9, QStringLiteral("...")));
    // The listing's third line is what the data file dialog takes as its title.
    EXPECT_EQ(form.texte_numero(2), QStringLiteral("3   20   0"));

    durees({5, 15});
    form.affecte_classe();
    const QStringList figures = statistiques(form);
    EXPECT_EQ(figures[6], QStringLiteral("1 [ classe 2]"));
    form.Edit6->setText(QStringLiteral("4"));
    form.affecte_classe();
    EXPECT_EQ(form.Label17->text(), QStringLiteral("0"));
    EXPECT_TRUE(lignes(form.Memo4).isEmpty());
    EXPECT_EQ(statistiques(form), figures);
    EXPECT_EQ(form.texte_numero(2), QStringLiteral("ww(2)=?"));
}

// Tau by class means is the mean of the durations in the shown classes: a
// record beyond X max took part in the total, not in the events (Tau 1008.5).
TEST_F(ClassPassWindow, TheTotalDurationChoiceChangesOnlyTauAndItsFigures) {
    durees({2, 15, 2000});
    form.RadioGroup2_items->button(0)->click();
    const QStringList par_moyennes = statistiques(form);
    const QStringList listing = lignes(form.Memo4);
    EXPECT_EQ(par_moyennes[0], QStringLiteral("17"));
    EXPECT_EQ(par_moyennes[3], QStringLiteral("8.5"));
    EXPECT_EQ(par_moyennes[6], QStringLiteral("1 [ classe 1]"));
    form.RadioGroup2_items->button(1)->click();
    const QStringList par_centres = statistiques(form);
    EXPECT_EQ(par_centres[3], QStringLiteral("10"));
    EXPECT_EQ(par_centres.mid(0, 3), par_moyennes.mid(0, 3));
    EXPECT_EQ(lignes(form.Memo4), listing);
    EXPECT_EQ(class_table.Tau, 10);
}

TEST_F(ClassPassWindow, NMaxTakesTheLargestCountThenSteps) {
    record_store.nb_points[1] = 40;
    for (std::size_t j = 1; j <= 37; ++j) record_store.serie_y[1][j] = 12;
    for (std::size_t j = 38; j <= 40; ++j) record_store.serie_y[1][j] = 3;
    record_store.cumul_durees = 37 * 12 + 3 * 3;
    QStringList textes;
    QObject::connect(form.Edit7, &QLineEdit::textChanged, [&](const QString& t) { textes << t; });
    form.affecte_classe();
    ASSERT_FALSE(textes.isEmpty());
    EXPECT_EQ(textes.front(), QStringLiteral("37"));
    // The pass then hands N max to the "+" of N max: the first step at least 1.1 x 37.
    EXPECT_EQ(form.Edit7->text(), QStringLiteral("50"));

    // Without autoscale N max stays as typed.
    form.CheckBox1->setChecked(false);
    form.Edit7->setText(QStringLiteral("100"));
    form.affecte_classe();
    EXPECT_EQ(form.Edit7->text(), QStringLiteral("100"));

    // With no event in the shown classes N max keeps its value, and the pass
    // (and so the load of a run that has only just started) ends without error.
    form.CheckBox1->setChecked(true);
    durees({});
    textes.clear();
    platform::report_errors([&] { form.affecte_classe(); });
    EXPECT_TRUE(textes.isEmpty());
    EXPECT_EQ(form.Edit7->text(), QStringLiteral("100"));
    EXPECT_TRUE(recorder().messages.isEmpty());
}

TEST_F(ClassPassWindow, ListingHasTheFocusWithTheCaretAfterItsFirstCharacter) {
    durees({5});
    form.sound_CheckBox8->setFocus(Qt::MouseFocusReason);
    form.Memo4->setPlainText(QStringLiteral("old"));
    form.Memo4->selectAll();
    form.affecte_classe();
    EXPECT_EQ(form.focusWidget(), form.Memo4);
    EXPECT_EQ(form.Memo4->textCursor().position(), 1);
    EXPECT_FALSE(form.Memo4->textCursor().hasSelection());

    // Never taken from a person typing elsewhere: a tick's reload would send
    // the rest into the listing (from the keyboard: tests/app/keyboard_test).
    for (QWidget* ecrit : {static_cast<QWidget*>(form.Memo2), static_cast<QWidget*>(form.Edit8)}) {
        ecrit->setFocus(Qt::MouseFocusReason);
        form.affecte_classe();
        EXPECT_EQ(form.focusWidget(), ecrit) << ecrit->objectName().toStdString();
        EXPECT_EQ(form.Memo4->textCursor().position(), 1);
    }

    // An empty listing has no position 1: the caret stays at its start, without a warning.
    static QStringList avertissements;
    avertissements.clear();
    const QtMessageHandler avant =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { avertissements << m; });
    form.Edit6->setText(QStringLiteral("4"));
    form.affecte_classe();
    qInstallMessageHandler(avant);
    EXPECT_EQ(form.Memo4->textCursor().position(), 0);
    EXPECT_TRUE(avertissements.isEmpty()) << avertissements.join(QLatin1Char('\n')).toStdString();
}

// Each button steps dX its way (the sequence is in tests/text), reruns the pass and redraws the class plot.
TEST_F(ClassPassWindow, ClassWidthButtonsStepAndRerunThePass) {
    durees({5});
    form.SpeedButton12->click();
    EXPECT_EQ(form.Edit8->text(), QStringLiteral("20"));
    EXPECT_EQ(form.Label17->text(), QStringLiteral("40"));
    EXPECT_EQ(form.focusWidget(), form.Memo4);
    record_store.serie_courante = 1;
    form.SpeedButton10->click();
    EXPECT_EQ(form.Edit8->text(), QStringLiteral("10"));
    EXPECT_EQ(form.Label17->text(), QStringLiteral("80"));
    EXPECT_EQ(record_store.serie_courante, 2) << "the class plot is redrawn";
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(QLatin1Char('\n'));
}

TEST_F(ClassPassWindow, ClassWidthButtonsNeedAWholeNumberButThePassTakesDecimals) {
    durees({5});
    form.affecte_classe();
    form.Edit8->setText(QStringLiteral("2.5"));
    const Etat avant = montre(form);
    for (QAbstractButton* bouton :
         {static_cast<QAbstractButton*>(form.SpeedButton12), static_cast<QAbstractButton*>(form.SpeedButton10)}) {
        recorder().messages.clear();
        bouton->click();
        EXPECT_EQ(recorder().messages, QStringList{QStringLiteral("'2.5' is not a valid integer value")});
        EXPECT_EQ(form.Edit8->text(), QStringLiteral("2.5"));
        EXPECT_EQ(montre(form), avant);
    }
    form.affecte_classe();
    EXPECT_EQ(form.Label17->text(), QStringLiteral("320"));
    EXPECT_EQ(class_table.largeur_classe, 2.5L);
}

TEST_F(ClassPassWindow, BadXMaxEndsThePassAfterTakingTheClassWidth) {
    durees({5, 15});
    form.affecte_classe();
    ASSERT_EQ(lignes(form.Memo3).size(), 83);
    const Etat avant = montre(form);
    form.Edit8->setText(QStringLiteral("5"));
    form.Edit6->setText(QStringLiteral("abc"));
    form.RadioGroup2_items->button(1)->click();
    EXPECT_EQ(recorder().messages, QStringList{QStringLiteral("'abc' is not a valid floating point value")});
    EXPECT_TRUE(lignes(form.Memo3).isEmpty());
    EXPECT_EQ(class_table.largeur_classe, 5);
    Etat attendu = avant;
    attendu.largeur = 5;
    EXPECT_EQ(montre(form), attendu);
}

TEST_F(ClassPassWindow, BadClassWidthEndsThePassAtOnce) {
    durees({5, 15});
    form.affecte_classe();
    const Etat avant = montre(form);
    form.Edit8->setText(QStringLiteral("dix"));
    form.RadioGroup2_items->button(1)->click();
    EXPECT_EQ(recorder().messages, QStringList{QStringLiteral("'dix' is not a valid floating point value")});
    EXPECT_TRUE(lignes(form.Memo3).isEmpty());
    EXPECT_EQ(montre(form), avant);
}

TEST_F(ClassPassWindow, UndefinedFiguresShowADashAndThePassFinishes) {
    durees({-5, 5}, 0);
    form.affecte_classe();
    EXPECT_EQ(form.Label27->text(), QStringLiteral("0"));
    EXPECT_EQ(form.Label29->text(), QStringLiteral("—"));
    EXPECT_EQ(form.Label35->text(), QStringLiteral("0.736"));
    EXPECT_EQ(form.Label37->text(), QStringLiteral("—"));
    EXPECT_EQ(lignes(form.Memo4).front(), QStringLiteral("1   0   2"));
    EXPECT_EQ(form.focusWidget(), form.Memo4);
}

// A typed X max or dX applies when the user presses Enter or leaves the
// field, on a finished file too (before, only a step button or a reload did);
// a scale typed redraws its plot.
TEST_F(ClassPassWindow, ATypedFieldAppliesOnEnterOrWhenLeft) {
    durees({5, 15, 2000});
    form.affecte_classe();
    EXPECT_EQ(form.Label17->text(), QStringLiteral("80"));
    EXPECT_EQ(form.Label25->text(), QStringLiteral("2"));
    const auto tape = [](QLineEdit* champ, const char* texte) {
        champ->setText(QString::fromLatin1(texte));
        QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(champ, &entree);
    };
    tape(form.Edit6, "2010");
    EXPECT_EQ(form.Label17->text(), QStringLiteral("201"));
    EXPECT_EQ(form.Label25->text(), QStringLiteral("3"));
    tape(form.Edit8, "30");
    EXPECT_EQ(form.Label17->text(), QStringLiteral("67"));
    const QImage avant = form.Image1->image();
    tape(form.Edit2, "5000");
    EXPECT_NE(form.Image1->image(), avant);
    // Left rather than Enter: the same.
    form.Edit6->setText(QStringLiteral("1000"));
    emit form.Edit6->editingFinished();
    EXPECT_EQ(form.Label17->text(), QStringLiteral("33"));
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|');
}
