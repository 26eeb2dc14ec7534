// Both windows as Qt's accessibility tree gives them to a screen reader (the
// AT-SPI check of tests/accessibility reads the same over the session bus):
// every control that takes the focus has a name and a description, the
// fields and buttons the names of what they hold and do, "Target File" is a
// button, a figure is read with its caption, the stop's red line is an alert.
#include "app/fit_window.h"
#include "load_fixture.h"
#include "support/toy_durations.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QKeySequence>
#include <QTabBar>

namespace {

QAccessibleInterface* interface(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
QString nom_lu(QObject* o) { return interface(o)->text(QAccessible::Name); }

// What describes a control: its description; a tab bar's are its tabs'.
bool decrit(QWidget* w) {
    QAccessibleInterface* i = interface(w);
    if (!qobject_cast<QTabBar*>(w)) return !i->text(QAccessible::Description).trimmed().isEmpty();
    for (int k = 0; k < i->childCount(); ++k) {
        QAccessibleInterface* onglet = i->child(k);
        if (onglet->role() == QAccessible::PageTab && onglet->text(QAccessible::Description).isEmpty()) return false;
    }
    return true;
}

// The focusable controls of a window with no name or, for those Tab reaches, no description.
QStringList sans_nom(QWidget* fenetre) {
    QStringList manquent;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (w->window() != fenetre || w->focusPolicy() == Qt::NoFocus || w->focusProxy()) continue;
        QAccessibleInterface* i = interface(w);
        if (i->text(QAccessible::Name).trimmed().isEmpty()) manquent << w->objectName() + QStringLiteral(": no name");
        if ((w->focusPolicy() & Qt::TabFocus) && !decrit(w)) {
            manquent << w->objectName() + QStringLiteral(": no description");
        }
    }
    return manquent;
}

class Accessibility : public DataFileWindow {
protected:
    void SetUp() override { platform::set_decimal_separator(QLatin1Char('.')); }
};

TEST_F(Accessibility, EveryFocusableControlOfBothWindowsHasANameAndADescription) {
    form.show();
    EXPECT_EQ(sans_nom(&form).join(u'\n').toStdString(), "");
    form.SpeedButton_ajustement->click();
    EXPECT_EQ(sans_nom(form.fenetre_ajustement()).join(u'\n').toStdString(), "");
}

TEST_F(Accessibility, FieldsAndButtonsAreNamedByWhatTheyHoldAndDo) {
    const struct {
        QWidget* w;
        const char* nom;
        QAccessible::Role role;
    } attendus[] = {
        {form.Edit1, "échelle x", QAccessible::EditableText},
        {form.Edit2, "échelle y", QAccessible::EditableText},
        {form.Edit6, "X max", QAccessible::EditableText},
        {form.Edit7, "N max", QAccessible::EditableText},
        {form.Edit8, "largeur de classe dX", QAccessible::EditableText},
        {form.SpeedButton12, "augmenter dX", QAccessible::Button},
        {form.SpeedButton10, "diminuer dX", QAccessible::Button},
        {form.x_moins_SpeedButton3, "augmenter l'échelle x", QAccessible::Button},
        {form.setup_SpeedButton6, "panneau de réglages", QAccessible::Button},
        {form.Panel8, "Target File", QAccessible::Button},
        {form.Panel7, "color window", QAccessible::Button},
        {form.Panel2, "", QAccessible::Pane},
    };
    for (const auto& a : attendus) {
        EXPECT_EQ(nom_lu(a.w), QString::fromUtf8(a.nom)) << a.w->objectName().toStdString();
        EXPECT_EQ(interface(a.w)->role(), a.role) << a.w->objectName().toStdString();
    }
    EXPECT_TRUE(interface(form.Panel8)
                    ->text(QAccessible::Description)
                    .contains(QKeySequence(Qt::CTRL | Qt::Key_O).toString(QKeySequence::NativeText)));

    // Pressed by a screen reader, "Target File" chooses a file as a click does.
    QAccessibleActionInterface* actions = interface(form.Panel8)->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(recorder().open_requests.size(), 1u);
}

TEST_F(Accessibility, FiguresAreReadWithTheirCaptions) {
    choisit(ecrit(QStringLiteral("run.txt"), run_file_bytes(toy_durations(5, 2000, 0.05, 10))));
    ASSERT_NE(form.Label27->text(), TEXTE_SANS_CHIFFRE);
    EXPECT_EQ(nom_lu(form.Label27), QStringLiteral("durée moyenne, Tau = ") + form.Label27->text());
    EXPECT_EQ(nom_lu(form.StaticText1), QStringLiteral("number of records ") + form.StaticText1->text());
    EXPECT_EQ(form.Label26->text(), QStringLiteral("durée moyenne, Tau =")) << "the caption shows as it did";

    form.SpeedButton_ajustement->click();
    QLabel* tau = form.fenetre_ajustement()->Label_tau;
    EXPECT_TRUE(nom_lu(tau).endsWith(QLatin1Char(' ') + tau->text())) << nom_lu(tau);
    EXPECT_GT(nom_lu(tau).size(), tau->text().size() + 1);
    EXPECT_EQ(interface(form.fenetre_ajustement()->onglet_taux->Label_alarme)->role(), QAccessible::AlertMessage);
}

}  // namespace
