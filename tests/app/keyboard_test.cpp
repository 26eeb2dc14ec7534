// Both windows from the keyboard alone: Tab from the first control reaches
// every control a person can use, once, in the reading order (a panel's
// controls after the button that shows it; each tab's controls, then the
// exports); the comment lets Tab move on; "Target File" takes Enter; the
// shortcuts and Escape do what their buttons do.
#include "app/fit_window.h"
#include "app/qt_seams.h"
#include "load_fixture.h"
#include "support/toy_durations.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

QString nom(const QWidget* w) { return w ? w->objectName() + QLatin1Char(':') + w->metaObject()->className() : "-"; }

QStringList noms(const std::vector<QWidget*>& widgets) {
    QStringList n;
    for (const QWidget* w : widgets) n << nom(w);
    return n;
}

// The controls Tab is to stop at: shown, enabled, taking the focus from Tab
// themselves (not through another); of an exclusive group of radio buttons,
// the one checked (the arrows move within the group).
std::vector<QWidget*> arrets_attendus(QWidget* fenetre) {
    std::vector<QWidget*> arrets;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (w->window() != fenetre || !w->isVisible() || !w->isEnabled() || w->focusProxy()) continue;
        if (!(w->focusPolicy() & Qt::TabFocus)) continue;
        if (auto* r = qobject_cast<QRadioButton*>(w); r && r->group() && r->group()->exclusive() && !r->isChecked())
            continue;
        arrets.push_back(w);
    }
    return arrets;
}

// Tab pressed from `premier` until the focus comes back to it, or stays on
// a control met before (a trap): the controls met, in order.
std::vector<QWidget*> tour(QWidget* fenetre, QWidget* premier) {
    QApplication::setActiveWindow(fenetre);
    EXPECT_TRUE(QTest::qWaitForWindowActive(fenetre));
    premier->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> vus{QApplication::focusWidget()};
    while (vus.size() < 200) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        if (w == premier) break;
        const bool deja_vu = std::find(vus.begin(), vus.end(), w) != vus.end();
        vus.push_back(w);
        if (deja_vu) break;
    }
    return vus;
}

// Every stop once, and nothing else.
void chaque_controle_une_fois(QWidget* fenetre, QWidget* premier, const char* quand) {
    const std::vector<QWidget*> vus = tour(fenetre, premier);
    std::vector<QWidget*> tries = vus;
    std::vector<QWidget*> attendus = arrets_attendus(fenetre);
    std::sort(tries.begin(), tries.end());
    std::sort(attendus.begin(), attendus.end());
    EXPECT_EQ(noms(tries), noms(attendus)) << quand << "; in the order met: " << noms(vus).join(u' ');
    EXPECT_EQ(vus.front(), premier) << quand;
}

// Where in the order Tab met it.
qsizetype rang(const std::vector<QWidget*>& vus, const QWidget* w) {
    const auto i = std::find(vus.begin(), vus.end(), w);
    return i == vus.end() ? -1 : i - vus.begin();
}

class Keyboard : public DataFileWindow {
protected:
    void SetUp() override {
        platform::set_decimal_separator(QLatin1Char('.'));
        form.show();
    }
    FenetreAjustement& analyse() {
        form.SpeedButton_ajustement->click();
        return *form.fenetre_ajustement();
    }
    void touche(QWidget* w, int key, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QApplication::setActiveWindow(w->window());
        QTest::keyClick(w, static_cast<Qt::Key>(key), mod);
    }
};

TEST_F(Keyboard, TabReachesEveryControlOfTheMainWindowOnceTheOpenPanelsAfterTheirButtons) {
    chaque_controle_une_fois(&form, form.Panel8, "panels closed");
    EXPECT_FALSE(form.Edit5->isVisible());

    form.setup_SpeedButton6->click();
    form.SpeedButton3->click();
    chaque_controle_une_fois(&form, form.Panel8, "both panels open");
    const std::vector<QWidget*> vus = tour(&form, form.Panel8);
    const std::vector<QWidget*> ordre = {
        form.setup_SpeedButton6, form.Edit5,        form.CheckBox2,    form.Edit3,
        form.Panel7,             form.ComboBox_langue, form.SpeedButton2, form.SpeedButton3,
        form.Edit4,              form.Panel5,       form.SpeedButton_exit};
    for (std::size_t i = 0; i + 1 < ordre.size(); ++i) {
        EXPECT_EQ(rang(vus, ordre[i + 1]), rang(vus, ordre[i]) + 1) << nom(ordre[i + 1]).toStdString();
    }
}

TEST_F(Keyboard, TabReachesEveryControlOfEachTabOfTheAnalysisWindowAndTheExports) {
    choisit(ecrit(QStringLiteral("run.txt"), run_file_bytes(toy_durations(5, 2000, 0.05, 10))));
    FenetreAjustement& fenetre = analyse();
    // The mu-capture model: every field of the capture models enabled.
    fenetre.ComboBox_modele->setCurrentIndex(fit::index_of(fit::Model::mu_capture));
    emit fenetre.ComboBox_modele->activated(fit::index_of(fit::Model::mu_capture));
    ASSERT_TRUE(fenetre.Edit_rho->isEnabled());
    for (int onglet = 0; onglet < fenetre.Onglets->count(); ++onglet) {
        fenetre.Onglets->setCurrentIndex(onglet);
        const std::string quand = "tab " + fenetre.Onglets->tabText(onglet).toStdString();
        chaque_controle_une_fois(&fenetre, fenetre.Edit_tmin, quand.c_str());
        EXPECT_GE(rang(tour(&fenetre, fenetre.Edit_tmin), fenetre.Bouton_imprimer), 0) << quand;
    }
    EXPECT_GT(fenetre.onglet_runs->Table_runs->rowCount(), 0) << "Tab left a table that holds rows";
}

TEST_F(Keyboard, TheCommentLetsTabMoveOnAndCtrlTabTypesATab) {
    QApplication::setActiveWindow(&form);
    form.Memo2->setFocus();
    form.Memo2->setPlainText(QStringLiteral("run"));
    form.Memo2->moveCursor(QTextCursor::End);
    touche(form.Memo2, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.Memo2->toPlainText(), QStringLiteral("run\t"));
    EXPECT_EQ(QApplication::focusWidget(), form.Memo2);
    touche(form.Memo2, Qt::Key_Tab);
    EXPECT_EQ(form.Memo2->toPlainText(), QStringLiteral("run\t"));
    EXPECT_EQ(QApplication::focusWidget(), form.SpeedButton_comment);
}

TEST_F(Keyboard, AStepButtonKeepsTheFocusSpacePressedAgainStepsAgain) {
    QApplication::setActiveWindow(&form);
    form.Edit8->setFocus();
    touche(form.Edit8, Qt::Key_Tab);  // leaving dX applies it: a class pass
    ASSERT_EQ(QApplication::focusWidget(), form.SpeedButton12);
    touche(form.SpeedButton12, Qt::Key_Space);
    touche(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(form.Edit8->text(), QStringLiteral("30"));
    EXPECT_EQ(QApplication::focusWidget(), form.SpeedButton12) << "the class pass leaves it where it is";
    EXPECT_FALSE(form.Memo4->toPlainText().startsWith(u' '));
}

TEST_F(Keyboard, TargetFileTakesTheFocusAndOpensTheDialogOnEnterOrSpace) {
    QApplication::setActiveWindow(&form);
    form.Panel8->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), form.Panel8);
    touche(form.Panel8, Qt::Key_Return);
    touche(form.Panel8, Qt::Key_Enter, Qt::KeypadModifier);
    touche(form.Panel8, Qt::Key_Space);
    EXPECT_EQ(recorder().open_requests.size(), 3u);
}

TEST_F(Keyboard, ShortcutsDoWhatTheirButtonsDo) {
    // Ctrl+O: the file choice.
    touche(&form, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(recorder().open_requests.size(), 1u);

    // Ctrl+S saves the comment beside the chosen file, as "Enregistrer" does.
    const QString fichier = ecrit(QStringLiteral("run.txt"), petit_fichier());
    choisit(fichier);
    form.Memo2->setPlainText(QStringLiteral("seuil 30 mV"));
    touche(form.Memo2, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(read_bytes(form.etat().file_state.fichier_commentaire), QByteArray("seuil 30 mV\r\n"));

    // Ctrl+Q, from either window, asks the question of "exit".
    form.Memo2->setPlainText(QStringLiteral("seuil 35 mV"));
    form.SpeedButton_exit->click();
    ASSERT_EQ(recorder().questions.size(), 1u);
    touche(form.Memo2, Qt::Key_Q, Qt::ControlModifier);
    FenetreAjustement& fenetre = analyse();
    touche(fenetre.Edit_tmin, Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(recorder().questions.size(), 3u);
    EXPECT_EQ(recorder().questions[1].text, recorder().questions[0].text);
    EXPECT_EQ(recorder().questions[2].text, recorder().questions[0].text);
    EXPECT_TRUE(form.isVisible()) << "cancelled: the window stays";

    // F1: the user's guide, beside the program; a missing one is said.
    touche(fenetre.Edit_tmin, Qt::Key_F1);
    ASSERT_EQ(recorder().messages.size(), 2u);  // the comment saved, then the guide
    EXPECT_TRUE(recorder().messages[1].contains(programme.file(QStringLiteral("README.md")))) << recorder().messages[1];
    write_bytes(programme.file(QStringLiteral("README.md")), "# vorns\n");
    touche(&form, Qt::Key_F1);
    EXPECT_EQ(recorder().documents, QStringList{programme.file(QStringLiteral("README.md"))});
}

TEST_F(Keyboard, EscapeClosesThePanelsTheAnalysisWindowAndTheQuestion) {
    form.setup_SpeedButton6->click();
    form.SpeedButton3->click();
    QApplication::setActiveWindow(&form);
    form.Edit5->setFocus();
    touche(form.Edit5, Qt::Key_Escape);
    EXPECT_FALSE(form.setup_Panel4->isVisible());
    EXPECT_FALSE(form.Panel4->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), form.setup_SpeedButton6) << "back to the button that opened it";

    FenetreAjustement& fenetre = analyse();
    ASSERT_TRUE(fenetre.isVisible());
    touche(fenetre.Edit_tmin, Qt::Key_Escape);
    EXPECT_FALSE(fenetre.isVisible());

    // The real question box: Escape is "Annuler", never quitting without saving.
    installe_les_services_qt();
    QTimer::singleShot(0, [] {
        if (QWidget* boite = QApplication::activeModalWidget()) QTest::keyClick(boite, Qt::Key_Escape);
    });
    const platform::Answer reponse = platform::ask({QStringLiteral("Quitter ?"), true, {}});
    recorder().install();
    EXPECT_EQ(reponse, platform::Answer::cancel);
}

}  // namespace
