// The fit window: its controls, the reading of its fields and the fit after
// each load.
#include "app/fit_window.h"

#include "app/fit_window_run.h"
#include "app/tform1.h"
#include "fit/text/fit_text.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/report.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include <cmath>

namespace {

template <class W>
W* make(QWidget* parent, const char* name) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* valeur(QWidget* parent, const char* name) {
    QLabel* l = make<QLabel>(parent, name);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

FenetreAjustement::FenetreAjustement(TForm1& form)
    : QWidget(&form, Qt::Window), form_(form), decisions_(lit_choix_ajustement(choix_par_defaut(form.etat()))) {
    setObjectName(QStringLiteral("FenetreAjustement"));
    setWindowTitle(QStringLiteral("vorns - analyse du run"));
    construit();
    montre_les_choix();
    resize(760, 720);
    ajuste(true);
}

FenetreAjustement::~FenetreAjustement() {
    // A field that loses the focus as the window goes reports an edit: no
    // longer to this window, nor to the run's state it reads.
    for (QLineEdit* e : {Edit_tmin, Edit_tmax, Edit_unite}) disconnect(e, nullptr, this, nullptr);
    disconnect(onglet_taux->Edit_tranche, nullptr, onglet_taux, nullptr);
}

void FenetreAjustement::construit() {
    auto* colonne = new QVBoxLayout(this);

    // The choices, on one line.
    auto* champs = new QHBoxLayout;
    const auto libelle = [this, champs](const QString& text) { champs->addWidget(new QLabel(text, this)); };
    libelle(QStringLiteral("t min"));
    Edit_tmin = make<QLineEdit>(this, "Edit_tmin");
    champs->addWidget(Edit_tmin);
    libelle(QStringLiteral("t max"));
    Edit_tmax = make<QLineEdit>(this, "Edit_tmax");
    champs->addWidget(Edit_tmax);
    ComboBox_modele = make<QComboBox>(this, "ComboBox_modele");
    ComboBox_modele->addItem(fit_text::text(fit::Model::exp_flat));
    ComboBox_modele->addItem(fit_text::text(fit::Model::exp_only));
    champs->addWidget(ComboBox_modele);
    ComboBox_methode = make<QComboBox>(this, "ComboBox_methode");
    ComboBox_methode->addItem(fit_text::text(fit::Method::unbinned));
    ComboBox_methode->addItem(fit_text::text(fit::Method::binned));
    champs->addWidget(ComboBox_methode);
    libelle(QStringLiteral("1 unité ="));
    Edit_unite = make<QLineEdit>(this, "Edit_unite");
    champs->addWidget(Edit_unite);
    libelle(QStringLiteral("ns"));
    for (QLineEdit* e : {Edit_tmin, Edit_tmax, Edit_unite}) {
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e->setMaximumWidth(80);
    }
    champs->addStretch();
    colonne->addLayout(champs);

    // The results, each right of its caption.
    auto* resultats = new QGridLayout;
    int rang = 0;
    const auto rangee = [&](const QString& caption, QLabel* value, QLabel* beside = nullptr) {
        auto* c = new QLabel(caption, this);
        c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        resultats->addWidget(c, rang, 0);
        auto* ligne = new QHBoxLayout;
        ligne->addWidget(value);
        if (beside) ligne->addWidget(beside);
        ligne->addStretch();
        resultats->addLayout(ligne, rang, 1);
        ++rang;
    };
    Label_tau = valeur(this, "Label_tau");
    Label_intervalle = make<QLabel>(this, "Label_intervalle");
    rangee(fit_text::kTauCaption, Label_tau, Label_intervalle);
    Label_tau_temps = valeur(this, "Label_tau_temps");
    rangee(QString(), Label_tau_temps);
    Label_fond = valeur(this, "Label_fond");
    rangee(fit_text::kBackgroundCaption, Label_fond);
    Label_evenements = valeur(this, "Label_evenements");
    rangee(fit_text::kEventsCaption, Label_evenements);
    Label_chi2 = valeur(this, "Label_chi2");
    rangee(fit_text::kChi2Caption, Label_chi2);
    Label_tau_histogramme = make<QLabel>(this, "Label_tau_histogramme");
    rangee(fit_text::kHistogramTauCaption, Label_tau_histogramme);
    resultats->setColumnStretch(1, 1);
    colonne->addLayout(resultats);
    Label_etat = make<QLabel>(this, "Label_etat");
    Label_etat->setWordWrap(true);
    colonne->addWidget(Label_etat);

    // The plots, one tab each, and the exports.
    Onglets = make<QTabWidget>(this, "Onglets");
    graphes = new GraphesAjustement(Onglets);
    auto* page = new QWidget(Onglets);
    auto* dans_page = new QVBoxLayout(page);
    CheckBox_log = make<QCheckBox>(page, "CheckBox_log");
    CheckBox_log->setText(QStringLiteral("échelle logarithmique des effectifs"));
    dans_page->addWidget(CheckBox_log);
    dans_page->addWidget(graphes->histogramme, 1);
    Onglets->addTab(page, QStringLiteral("histogramme"));
    Onglets->addTab(graphes->convergence, QStringLiteral("convergence"));
    onglet_taux = new OngletTaux(form_, Onglets, this);
    Onglets->addTab(onglet_taux, QStringLiteral("taux"));
    colonne->insertWidget(0, onglet_taux->Label_alarme);
    colonne->addWidget(Onglets, 1);
    auto* boutons = new QHBoxLayout;
    Bouton_png = make<QPushButton>(this, "Bouton_png");
    Bouton_png->setText(QStringLiteral("image PNG"));
    Bouton_svg = make<QPushButton>(this, "Bouton_svg");
    Bouton_svg->setText(QStringLiteral("image SVG"));
    Bouton_csv_histogramme = make<QPushButton>(this, "Bouton_csv_histogramme");
    Bouton_csv_histogramme->setText(QStringLiteral("histogramme CSV"));
    Bouton_csv_convergence = make<QPushButton>(this, "Bouton_csv_convergence");
    Bouton_csv_convergence->setText(QStringLiteral("convergence CSV"));
    for (QPushButton* b : {Bouton_png, Bouton_svg, Bouton_csv_histogramme, Bouton_csv_convergence}) {
        b->setAutoDefault(false);
        boutons->addWidget(b);
    }
    boutons->addStretch();
    colonne->addLayout(boutons);

    // Every handler inside the error report: a user's action may show a box.
    const auto relie = [this](auto* sender, auto signal, auto handler) {
        connect(sender, signal, this, [handler] { platform::report_errors(handler); });
    };
    for (QLineEdit* e : {Edit_tmin, Edit_tmax, Edit_unite}) {
        relie(e, &QLineEdit::editingFinished, [this] { choix_modifie(); });
    }
    relie(ComboBox_modele, &QComboBox::activated, [this] { choix_modifie(); });
    relie(ComboBox_methode, &QComboBox::activated, [this] { choix_modifie(); });
    relie(CheckBox_log, &QCheckBox::clicked, [this] { choix_modifie(); });
    // A plot whose tab was hidden is drawn when its tab is shown.
    connect(Onglets, &QTabWidget::currentChanged, this, [this] { graphes->redessine(); });
    relie(Bouton_png, &QPushButton::clicked, [this] { exporte_image(false); });
    relie(Bouton_svg, &QPushButton::clicked, [this] { exporte_image(true); });
    relie(Bouton_csv_histogramme, &QPushButton::clicked, [this] { exporte_csv_histogramme(); });
    relie(Bouton_csv_convergence, &QPushButton::clicked, [this] { exporte_csv_convergence(); });
}

void FenetreAjustement::montre_les_choix() {
    const FitChoices& choix = decisions_.choices();
    Edit_tmin->setText(platform::general(choix.t_min));
    Edit_tmax->setText(platform::general(choix.t_max));
    ComboBox_modele->setCurrentIndex(choix.model == fit::Model::exp_only ? 1 : 0);
    ComboBox_methode->setCurrentIndex(choix.method == fit::Method::binned ? 1 : 0);
    Edit_unite->setText(platform::general(choix.unit_ns));
    CheckBox_log->setChecked(choix.log_counts);
}

void FenetreAjustement::choix_modifie() {
    TypedChoices champs;
    champs.t_min = Edit_tmin->text();
    champs.t_max = Edit_tmax->text();
    champs.unit_ns = Edit_unite->text();
    champs.model = ComboBox_modele->currentIndex() == 1 ? fit::Model::exp_only : fit::Model::exp_flat;
    champs.method = ComboBox_methode->currentIndex() == 1 ? fit::Method::binned : fit::Method::unbinned;
    champs.log_counts = CheckBox_log->isChecked();
    suit(decisions_.typed(champs));
}

void FenetreAjustement::apres_chargement() {
    if (!isVisible()) return;
    try {
        suit(decisions_.loaded());
    } catch (const platform::Error& e) {
        Label_etat->setText(e.text());  // never a box on a tick
    } catch (const std::exception& e) {
        Label_etat->setText(QString::fromLocal8Bit(e.what()));
    }
}

void FenetreAjustement::suit(const FitStep& etape) {
    if (etape.refused) {
        montre_le_refus();
        return;
    }
    for (QPushButton* b : {Bouton_png, Bouton_svg, Bouton_csv_histogramme, Bouton_csv_convergence}) b->setEnabled(true);
    if (etape.write) ecrit_choix_ajustement(decisions_.choices(), form_.etat().settings_failures);
    if (etape.restart) convergence_.restart();
    if (etape.fit) {
        ajuste(etape.add_point);
    } else {
        montre_le_resultat();  // a field left as it was: its results again
    }
}

void FenetreAjustement::montre_le_refus() {
    // The fields keep what was typed, so that it can be mended. Nothing of the
    // window fitted before stays in sight as if it were the window shown; its
    // convergence series waits in case the field is mended back to it.
    resultat_ = fit::Result();
    histogramme_ = HistogramView();
    for (QLabel* l : {Label_tau, Label_fond, Label_evenements, Label_chi2}) l->setText(QStringLiteral("\u2014"));
    Label_intervalle->clear();
    Label_tau_temps->clear();
    Label_tau_histogramme->setText(fit_text::histogram_tau_text(tau_de_l_histogramme(form_.etat())));
    Label_etat->setText(decisions_.refusal_line());
    for (QPushButton* b : {Bouton_png, Bouton_svg, Bouton_csv_histogramme, Bouton_csv_convergence})
        b->setEnabled(false);
    graphes->montre_histogramme(histogramme_, decisions_.choices().log_counts);
    graphes->montre_convergence({});
    graphes->redessine();
}

void FenetreAjustement::ajuste(bool charge) {
    const RunState& etat = form_.etat();
    const fit::Request requete = fit_request(etat.record_store, etat.class_table, decisions_.choices());
    resultat_ = dernier_ajustement_.fit(requete);
    histogramme_ = histogram_view(requete, resultat_);
    if (charge) {
        convergence_.add(etat.file_state.fichier_donnees, requete.durations, resultat_,
                         static_cast<double>(tau_de_l_histogramme(etat)));
    }
    montre_le_resultat();
}

void FenetreAjustement::montre_le_resultat() {
    const fit_text::ResultLines l = fit_text::result_lines(resultat_, decisions_.choices().unit_ns);
    Label_tau->setText(l.tau);
    Label_intervalle->setText(l.interval);
    Label_tau_temps->setText(l.tau_time);
    Label_fond->setText(l.background);
    Label_evenements->setText(l.events);
    Label_chi2->setText(l.chi2);
    Label_tau_histogramme->setText(fit_text::histogram_tau_text(tau_de_l_histogramme(form_.etat())));
    Label_etat->setText(l.status);
    graphes->montre_histogramme(histogramme_, decisions_.choices().log_counts);
    graphes->montre_convergence(convergence_.points());
    graphes->redessine();
}
