#include "app/accessibility.h"

#include "app/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace accessibilite {

namespace {

// Properties that mark a label for the factory: its caption, or an alert.
constexpr char kLibelle[] = "vorns_libelle";
constexpr char kIntitule[] = "vorns_intitule";
constexpr char kAlerte[] = "vorns_alerte";
constexpr char kAnnonces[] = "vorns_annonces";

// A panel: a button when it is one (a click, Space or Enter), with the text
// it shows as its name; otherwise a pane, as the frame it is.
class PanneauAccessible : public QAccessibleWidget {
public:
    explicit PanneauAccessible(Panel* panel) : QAccessibleWidget(panel, QAccessible::Pane) {}

    Panel* panneau() const { return static_cast<Panel*>(widget()); }

    QAccessible::Role role() const override { return panneau()->pressable() ? QAccessible::Button : QAccessible::Pane; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !panneau()->accessibleName().isEmpty()) return QAccessibleWidget::text(t);
        // The caption, else the text of the label it holds ("Target File").
        if (!panneau()->caption().isEmpty()) return panneau()->caption();
        for (const QLabel* l : panneau()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (!l->text().isEmpty()) return l->text();
        }
        return {};
    }

    QStringList actionNames() const override {
        if (!panneau()->pressable()) return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (panneau()->pressable() && action == pressAction()) {
            emit panneau()->clicked();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// A label read with another one: a figure with its caption, or an alert.
class LibelleAccessible : public QAccessibleWidget {
public:
    LibelleAccessible(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        if (t != QAccessible::Name || !label->accessibleName().isEmpty()) return QAccessibleWidget::text(t);
        const auto* libelle = qobject_cast<const QLabel*>(label->property(kLibelle).value<QObject*>());
        const QString caption = libelle ? libelle->text().trimmed() : label->property(kIntitule).toString();
        if (caption.isEmpty()) return label->text();
        if (label->text().isEmpty()) return caption;
        return caption + QLatin1Char(' ') + label->text();
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (classe == QLatin1String("Panel")) return new PanneauAccessible(static_cast<Panel*>(objet));
    auto* label = qobject_cast<QLabel*>(objet);
    if (!label) return nullptr;
    if (label->property(kAlerte).toBool()) return new LibelleAccessible(label, QAccessible::AlertMessage);
    if (label->property(kLibelle).isValid() || label->property(kIntitule).isValid()) {
        return new LibelleAccessible(label, QAccessible::StaticText);
    }
    return nullptr;
}

void installe() {
    static const bool installee = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    (void)installee;
}

// The interface Qt may have made for the object before it was marked (a
// screen reader active while the window is built): dropped, so that the
// next one comes from the factory.
void refait_l_interface(QObject* objet) {
    installe();
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(objet);
    if (interface && !dynamic_cast<LibelleAccessible*>(interface)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(interface));
    }
}

}  // namespace

void installe_la_fabrique() { installe(); }

void figure(QLabel* valeur, QLabel* libelle) {
    if (!libelle || libelle->text().trimmed().isEmpty()) return;
    libelle->setBuddy(valeur);
    valeur->setProperty(kLibelle, QVariant::fromValue<QObject*>(libelle));
    refait_l_interface(valeur);
}

void intitule(QLabel* texte, const QString& titre) {
    texte->setProperty(kIntitule, titre);
    refait_l_interface(texte);
}

void alerte(QLabel* ligne) {
    ligne->setProperty(kAlerte, true);
    refait_l_interface(ligne);
}

void annonce(QLabel* ligne) {
    ligne->setProperty(kAnnonces, annonces(ligne) + 1);
    QAccessibleEvent evenement(ligne, QAccessible::Alert);
    QAccessible::updateAccessibility(&evenement);
}

int annonces(const QLabel* ligne) { return ligne->property(kAnnonces).toInt(); }

void nomme(QWidget* w, const QString& nom, const QString& description) {
    if (!nom.isEmpty()) w->setAccessibleName(nom);
    if (description.isEmpty()) return;
    w->setToolTip(description);
    // Qt's lists and tables do not take the tool tip for their description.
    w->setAccessibleDescription(description);
}

}  // namespace accessibilite
