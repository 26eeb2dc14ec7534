// The fit window's choices and results of the models of muons stopped in
// matter: the negative muons' material, rho, and the rows of rho and of the
// values the model takes as known.
#include "app/fit_window.h"

#include <QHBoxLayout>

#include <iterator>

void FenetreAjustement::construit_les_choix_des_muons(QBoxLayout* colonne) {
    auto* champs = new QHBoxLayout;
    champs->addWidget(new QLabel(tr("matière des \u03BC\u2212"), this));
    ComboBox_matiere = new QComboBox(this);
    ComboBox_matiere->setObjectName(QStringLiteral("ComboBox_matiere"));
    ComboBox_matiere->setEditable(true);
    ComboBox_matiere->setInsertPolicy(QComboBox::NoInsert);
    ComboBox_matiere->addItems({fit_text::carbon(), fit_text::oxygen()});
    ComboBox_matiere->setToolTip(tr("carbone, oxygène, ou la durée de vie des \u03BC\u2212 en ns"));
    champs->addWidget(ComboBox_matiere);
    champs->addWidget(new QLabel(QStringLiteral("ns ;  \u03C1 = N+/N\u2212 ="), this));
    Edit_rho = new QLineEdit(this);
    Edit_rho->setObjectName(QStringLiteral("Edit_rho"));
    Edit_rho->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit_rho->setMaximumWidth(80);
    champs->addWidget(Edit_rho);
    champs->addStretch();
    colonne->addLayout(champs);
}

fit::Model FenetreAjustement::modele_choisi() const {
    const int index = ComboBox_modele->currentIndex();
    return fit::kModels[index >= 0 && index < static_cast<int>(std::size(fit::kModels)) ? index : 0];
}

void FenetreAjustement::active_les_choix_des_muons() {
    const fit::Model m = modele_choisi();
    ComboBox_matiere->setEnabled(fit::is_capture_model(m));
    Edit_rho->setEnabled(m == fit::Model::mu_capture);
}

void FenetreAjustement::montre_les_resultats_des_muons(const fit_text::ResultLines& l) {
    Label_rho->setText(l.rho);
    Label_intervalle_rho->setText(l.rho_interval);
    Label_fixes->setText(l.fixed);
    for (QWidget* w : rangee_rho_) w->setVisible(!l.rho.isEmpty());
    for (QWidget* w : rangee_fixes_) w->setVisible(!l.fixed.isEmpty());
}
