#include "app/rate_tab.h"

#include "analysis/rate/text/rate_text.h"
#include "analysis/run_times.h"
#include "app/accessibility.h"
#include "app/fit_plots.h"
#include "app/tform1.h"
#include "charts/charts.h"
#include "fit/run/fit_choices.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSecondsPerHour = 3600;

QVector<double> vec(const std::vector<double>& v) { return QVector<double>(v.begin(), v.end()); }

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
    Plot_taux = GraphesAjustement::nouveau_graphe(this, "Plot_taux");
    colonne->addWidget(Plot_taux, 1);

    QCPAxis* x = Plot_taux->xAxis;
    QCPAxis* y = Plot_taux->yAxis;
    x->setLabel(charts::hours_title());
    y->setLabel(charts::rate_title());
    par_tranche_ = Plot_taux->addGraph(x, y);
    par_tranche_->setName(charts::name(charts::Name::per_bin));
    par_tranche_->setLineStyle(QCPGraph::lsNone);
    par_tranche_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, Qt::black, Qt::black, 5));
    barres_ = new QCPErrorBars(x, y);
    barres_->setDataPlottable(par_tranche_);
    barres_->removeFromLegend();
    actif_ = Plot_taux->addGraph(x, y);
    actif_->setName(charts::name(charts::Name::per_live_time));
    actif_->setLineStyle(QCPGraph::lsNone);
    actif_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QColor(0, 100, 0), 7));
    moyenne_ = Plot_taux->addGraph(x, y);
    moyenne_->setName(charts::name(charts::Name::mean_rate));
    moyenne_->setPen(QPen(QColor(200, 0, 0), 1.5, Qt::DashLine));
    QCPAxis* y2 = Plot_taux->yAxis2;
    y2->setLabel(charts::muons_title());
    muons_ = Plot_taux->addGraph(x, y2);
    muons_->setName(charts::name(charts::Name::muons));
    muons_->setLineStyle(QCPGraph::lsNone);
    muons_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssSquare, QColor(0, 0, 180), QColor(0, 0, 180), 4));
    barres_muons_ = new QCPErrorBars(x, y2);
    barres_muons_->setDataPlottable(muons_);
    barres_muons_->setPen(QPen(QColor(0, 0, 180)));
    barres_muons_->removeFromLegend();
    muons_->setVisible(false);
    muons_->removeFromLegend();
    Plot_taux->legend->setVisible(true);
    Plot_taux->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);

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
        Label_etat_taux->clear();
    } catch (const platform::Error& e) {
        // Never a box: the bins are chosen from the rate until the field is mended.
        Label_etat_taux->setText(tr("%1 ; tranches choisies d'après le taux").arg(e.text()));
    }
    const rate::RateAnalysis& analyse = form_.surveillance().analyse(form_.etat(), choix);
    Label_taux->setText(rate_text::summary_lines(analyse).join(QLatin1Char('\n')));
    montre_les_trous(analyse);
    trace(analyse);
}

void OngletTaux::montre_les_trous(const rate::RateAnalysis& a) {
    // The gaps' lines follow the line that counts them.
    const QStringList lignes = rate_text::gap_lines(a).mid(1);
    const double origine_s = heure_de_l_origine_s(form_.etat().origine_temps);
    const int choisi = Liste_trous->currentRow();
    Liste_trous->clear();
    trous_.clear();
    for (std::size_t i = 0; i < a.gaps.size() && i < static_cast<std::size_t>(lignes.size()); ++i) {
        Liste_trous->addItem(lignes[static_cast<qsizetype>(i)]);
        trous_.push_back({std::floor(origine_s + a.gaps[i].start_s), std::ceil(origine_s + a.gaps[i].end_s)});
    }
    if (choisi >= 0 && choisi < Liste_trous->count()) Liste_trous->setCurrentRow(choisi);
    Bouton_exclure_trou->setEnabled(!trous_.empty());
}

void OngletTaux::exclut_le_trou() {
    const int choisi = Liste_trous->currentRow();
    if (choisi < 0 || static_cast<std::size_t>(choisi) >= trous_.size()) return;
    emit trou_a_exclure(trous_[static_cast<std::size_t>(choisi)]);
}

void OngletTaux::trace(const rate::RateAnalysis& a) {
    std::vector<double> milieu, taux, erreur, milieu_actif, taux_actif;
    double haut = 1;
    for (const rate::RateBin& b : a.bins) {
        const double largeur = b.end_s - b.start_s;
        const double m = ((b.start_s + b.end_s) / 2 - a.first_s) / kSecondsPerHour;
        if (largeur > 0) {
            const double n = static_cast<double>(b.count);
            milieu.push_back(m);
            taux.push_back(n / largeur * kSecondsPerHour);
            erreur.push_back(std::sqrt(n) / largeur * kSecondsPerHour);
            haut = std::max(haut, taux.back() + erreur.back());
        }
        if (b.live_s > 0) {
            milieu_actif.push_back(m);
            taux_actif.push_back(b.rate_per_hour);
            haut = std::max(haut, b.rate_per_hour + b.rate_error_per_hour);
        }
    }
    par_tranche_->setData(vec(milieu), vec(taux), true);
    barres_->setData(vec(erreur));
    actif_->setData(vec(milieu_actif), vec(taux_actif), true);
    const double origine_s = a.records > 0 ? a.first_s : 0;
    const double fin_muons_s = a.muon_bins.empty() ? 0 : a.muon_bins.back().end_s - origine_s;
    const double fin_h = std::max({a.span_s / kSecondsPerHour, fin_muons_s / kSecondsPerHour, 1e-3});
    if (a.rate_known) {
        moyenne_->setData({0, fin_h}, {a.rate_per_hour, a.rate_per_hour}, true);
    } else {
        moyenne_->data()->clear();
    }
    trace_les_muons(a, origine_s);
    Plot_taux->xAxis->setRange(-0.02 * fin_h, 1.02 * fin_h);
    Plot_taux->yAxis->setRange(0, haut * 1.3);  // room for the legend
    Plot_taux->replot(QCustomPlot::rpQueuedReplot);
}

void OngletTaux::trace_les_muons(const rate::RateAnalysis& a, double origine_s) {
    std::vector<double> milieu, par_minute, erreur;
    double haut = 1;
    for (const rate::MuonBin& b : a.muon_bins) {
        if (b.seconds_present == 0) continue;
        milieu.push_back(((b.start_s + b.end_s) / 2 - origine_s) / kSecondsPerHour);
        par_minute.push_back(b.per_minute);
        erreur.push_back(b.error_per_minute);
        haut = std::max(haut, b.per_minute + b.error_per_minute);
    }
    muons_->setData(vec(milieu), vec(par_minute), true);
    barres_muons_->setData(vec(erreur));
    const bool montres = a.counts_known;
    if (montres != muons_->visible()) {
        if (montres) {
            muons_->addToLegend();
        } else {
            muons_->removeFromLegend();
        }
    }
    muons_->setVisible(montres);
    barres_muons_->setVisible(montres);
    Plot_taux->yAxis2->setVisible(montres);
    Plot_taux->yAxis2->setRange(0, haut * 1.3);
}

void OngletTaux::montre_l_alarme() {
    const QString& ligne = form_.surveillance().ligne_d_alarme();
    const bool levee = Label_alarme->isHidden() && !ligne.isEmpty();
    Label_alarme->setText(ligne);
    Label_alarme->setVisible(!ligne.isEmpty());
    // A screen reader says a stop once; the age said again at each tick is not announced.
    if (levee) accessibilite::annonce(Label_alarme);
}
