#include "app/rate_tab.h"

#include "analysis/rate/text/rate_text.h"
#include "analysis/run_times.h"
#include "app/accessibility.h"
#include "app/drawn_plot.h"
#include "app/tform1.h"
#include "charts/charts.h"
#include "fit/run/fit_choices.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The bin width typed, in seconds; 0 when the field is empty (chosen from the
// rate). Raises platform::Error for what is not a duration above 0.
double largeur_tapee_s(const QString& texte) {
    const QString t = texte.trimmed();
    if (t.isEmpty()) return 0;
    const auto refus = [](const QString& pourquoi) {
        return platform::Error(QCoreApplication::translate("app", "largeur des tranches : %1").arg(pourquoi));
    };
    double minutes = 0;
    try {
        minutes = static_cast<double>(fit_number(t));
    } catch (const platform::Error& e) {
        throw refus(e.text());
    }
    const double secondes = minutes * 60;
    if (!(minutes > 0) || !std::isfinite(secondes)) throw refus(QCoreApplication::translate("app", "'%1' n'est pas au-dessus de 0").arg(t));
    return secondes;
}

}  // namespace

OngletTaux::OngletTaux(TForm1& form, QWidget* parent, QWidget* parent_alarme) : QWidget(parent), form_(form) {
    setObjectName(QStringLiteral("Onglet_taux"));
    auto* colonne = new QVBoxLayout(this);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(new QLabel(tr("largeur des tranches (min, vide : automatique)"), this));
    Edit_tranche = new QLineEdit(this);
    Edit_tranche->setObjectName(QStringLiteral("Edit_tranche"));
    Edit_tranche->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit_tranche->setMaximumWidth(80);
    ligne->addWidget(Edit_tranche);
    ligne->addStretch();
    colonne->addLayout(ligne);
    Label_etat_taux = new QLabel(this);
    Label_etat_taux->setObjectName(QStringLiteral("Label_etat_taux"));
    colonne->addWidget(Label_etat_taux);
    Label_taux = new QLabel(this);
    Label_taux->setObjectName(QStringLiteral("Label_taux"));
    Label_taux->setTextFormat(Qt::PlainText);
    Label_taux->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label_taux->setWordWrap(true);
    colonne->addWidget(Label_taux);
    auto* trous = new QHBoxLayout;
    Liste_trous = new QListWidget(this);
    Liste_trous->setObjectName(QStringLiteral("Liste_trous"));
    Liste_trous->setMaximumHeight(60);
    trous->addWidget(Liste_trous, 1);
    Bouton_exclure_trou = new QPushButton(tr("exclure"), this);
    Bouton_exclure_trou->setObjectName(QStringLiteral("Bouton_exclure_trou"));
    Bouton_exclure_trou->setAutoDefault(false);
    trous->addWidget(Bouton_exclure_trou, 0, Qt::AlignTop);
    colonne->addLayout(trous);
    Plot_taux = new DrawnPlot(this, QStringLiteral("Plot_taux"));
    colonne->addWidget(Plot_taux, 1);

    Label_alarme = new QLabel(parent_alarme);
    Label_alarme->setObjectName(QStringLiteral("Label_alarme"));
    Label_alarme->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;"));
    Label_alarme->setWordWrap(true);
    Label_alarme->hide();

    connect(Edit_tranche, &QLineEdit::editingFinished, this, &OngletTaux::tranche_modifiee);
    connect(Bouton_exclure_trou, &QPushButton::clicked, this, &OngletTaux::exclut_le_trou);
    connect(&form, &TForm1::chargement_termine, this, &OngletTaux::apres_chargement);
    connect(&form.surveillance(), &SurveillanceDuRun::alarme_changee, this, &OngletTaux::montre_l_alarme);
    montre_l_alarme();
}

void OngletTaux::apres_chargement() {
    a_jour_ = false;
    if (isVisible()) montre();
}

void OngletTaux::tranche_modifiee() {
    a_jour_ = false;
    if (isVisible()) montre();
}

void OngletTaux::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!a_jour_) montre();
}

void OngletTaux::montre() {
    a_jour_ = true;
    ++analyses_montrees;
    rate::RateChoices choix;
    try {
        choix.bin_width_s = largeur_tapee_s(Edit_tranche->text());
        // Cleared only when it holds something: clearing lays the window out again.
        if (!Label_etat_taux->text().isEmpty()) Label_etat_taux->clear();
    } catch (const platform::Error& e) {
        // Never a box: the bins are chosen from the rate until the field is mended.
        Label_etat_taux->setText(tr("%1 ; tranches choisies d'après le taux").arg(e.text()));
    }
    const rate::RateAnalysis& analyse = form_.surveillance().analyse(form_.etat(), choix);
    Label_taux->setText(rate_text::summary_lines(analyse).join(QLatin1Char('\n')));
    montre_les_trous(analyse);
    // Drawn again only when the rate changed (a reload of the same records leaves it as it is).
    if (tracee_ && *tracee_ == analyse) return;
    tracee_ = analyse;
    Plot_taux->show_drawing([analyse](QPainter& p, const QRectF& zone) { charts::draw_rate(p, zone, analyse); });
}

void OngletTaux::montre_les_trous(const rate::RateAnalysis& a) {
    // The gaps' lines follow the line that counts them.
    const QStringList lignes = rate_text::gap_lines(a).mid(1);
    const double origine_s = heure_de_l_origine_s(form_.etat().origine_temps);
    trous_.clear();
    QStringList montrees;
    for (std::size_t i = 0; i < a.gaps.size() && i < static_cast<std::size_t>(lignes.size()); ++i) {
        montrees << lignes[static_cast<qsizetype>(i)];
        trous_.push_back({std::floor(origine_s + a.gaps[i].start_s), std::ceil(origine_s + a.gaps[i].end_s)});
    }
    // Filled again only when its lines changed: a list filled again is laid out and painted again.
    QStringList avant;
    for (int i = 0; i < Liste_trous->count(); ++i) avant << Liste_trous->item(i)->text();
    if (montrees != avant) {
        const int choisi = Liste_trous->currentRow();
        Liste_trous->clear();
        Liste_trous->addItems(montrees);
        if (choisi >= 0 && choisi < Liste_trous->count()) Liste_trous->setCurrentRow(choisi);
    }
    Bouton_exclure_trou->setEnabled(!trous_.empty());
}

void OngletTaux::exclut_le_trou() {
    const int choisi = Liste_trous->currentRow();
    if (choisi < 0 || static_cast<std::size_t>(choisi) >= trous_.size()) return;
    emit trou_a_exclure(trous_[static_cast<std::size_t>(choisi)]);
}

void OngletTaux::montre_l_alarme() {
    const QString& ligne = form_.surveillance().ligne_d_alarme();
    const bool levee = Label_alarme->isHidden() && !ligne.isEmpty();
    Label_alarme->setText(ligne);
    Label_alarme->setVisible(!ligne.isEmpty());
    // A screen reader says a stop once; the age said again at each tick is not announced.
    if (levee) accessibilite::annonce(Label_alarme);
}
