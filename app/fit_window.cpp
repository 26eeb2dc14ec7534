// The fit window: its controls, the reading of its fields and the fit after
// each load.
#include "app/fit_window.h"

#include "app/accessibility.h"
#include "app/fit_window_run.h"
#include "session/run_watch.h"
#include "app/tform1.h"
#include "fit/text/fit_text.h"
#include "fit/text/stability_text.h"
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
    : QWidget(&form, Qt::Window), form_(form), decisions_(lit_choix_ajustement(choix_par_defaut(form.etat()), &form.etat().settings_failures)) {
    setObjectName(QStringLiteral("FenetreAjustement"));
    setWindowTitle(tr("vorns - analyse du run"));
    construit();
    rendLesControlesAccessibles();
    montre_les_choix();
    prend_l_unite_et_la_fenetre();
    resize(760, 720);
    ajuste(true);
}

FenetreAjustement::~FenetreAjustement() {
    // A field that loses the focus as the window goes reports an edit: no
    // longer to this window, nor to the run's state it reads.
    for (QLineEdit* e : {Edit_tmin, Edit_tmax, Edit_unite, Edit_rho, ComboBox_matiere->lineEdit()}) {
        disconnect(e, nullptr, this, nullptr);
    }
    disconnect(onglet_taux->Edit_tranche, nullptr, onglet_taux, nullptr);
}

void FenetreAjustement::construit() {
    QBoxLayout* colonne = construit_le_defilement();

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
    for (const fit::Model m : fit::kModels) ComboBox_modele->addItem(fit_text::text(m));
    champs->addWidget(ComboBox_modele);
    ComboBox_methode = make<QComboBox>(this, "ComboBox_methode");
    ComboBox_methode->addItem(fit_text::text(fit::Method::unbinned));
    ComboBox_methode->addItem(fit_text::text(fit::Method::binned));
    champs->addWidget(ComboBox_methode);
    libelle(tr("1 unité ="));
    Edit_unite = make<QLineEdit>(this, "Edit_unite");
    champs->addWidget(Edit_unite);
    libelle(QStringLiteral("ns"));
    for (QLineEdit* e : {Edit_tmin, Edit_tmax, Edit_unite}) {
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e->setMaximumWidth(80);
    }
    Edit_unite->setPlaceholderText(tr("à fixer"));
    champs->addStretch();
    colonne->addLayout(champs);
    construit_les_choix_des_muons(colonne);

    // The results, each right of its caption.
    auto* resultats = new QGridLayout;
    int rang = 0;
    QLabel* libelle_au_dessus = nullptr;  // a row without a caption goes on with the one above
    const auto rangee = [&](const QString& caption, QWidget* value, QWidget* beside = nullptr) {
        auto* c = new QLabel(caption, this);
        c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (!caption.isEmpty()) libelle_au_dessus = c;
        if (auto* figure = qobject_cast<QLabel*>(value)) accessibilite::figure(figure, libelle_au_dessus);
        resultats->addWidget(c, rang, 0);
        auto* ligne = new QHBoxLayout;
        // A line that wraps takes the row's width; the others keep their own.
        auto* texte = qobject_cast<QLabel*>(value);
        const bool replie = texte && texte->wordWrap();
        ligne->addWidget(value, replie ? 1 : 0);
        if (beside) ligne->addWidget(beside);
        if (!replie) ligne->addStretch();
        resultats->addLayout(ligne, rang, 1);
        ++rang;
        std::vector<QWidget*> widgets{c, value};
        if (beside) widgets.push_back(beside);
        return widgets;
    };
    Label_tau = valeur(this, "Label_tau");
    Label_intervalle = make<QLabel>(this, "Label_intervalle");
    rangee(fit_text::tau_caption(), Label_tau, Label_intervalle);
    Label_tau_temps = valeur(this, "Label_tau_temps");
    rangee(QString(), Label_tau_temps);
    Label_gf = valeur(this, "Label_gf");
    Label_gf_note = make<QLabel>(this, "Label_gf_note");
    rangee(fit_text::fermi_caption(), Label_gf, Label_gf_note);
    // The capture models' rows.
    Label_rho = valeur(this, "Label_rho");
    Label_intervalle_rho = make<QLabel>(this, "Label_intervalle_rho");
    rangee_rho_ = rangee(fit_text::rho_caption(), Label_rho, Label_intervalle_rho);
    Label_fixes = make<QLabel>(this, "Label_fixes");
    rangee_fixes_ = rangee(fit_text::fixed_caption(), Label_fixes);
    Label_fond = valeur(this, "Label_fond");
    rangee(fit_text::background_caption(), Label_fond);
    Label_evenements = valeur(this, "Label_evenements");
    rangee(fit_text::events_caption(), Label_evenements);
    Label_chi2 = valeur(this, "Label_chi2");
    // Its verdict can be a long sentence: wrapped, it does not widen the window.
    Label_chi2->setWordWrap(true);
    rangee(fit_text::chi2_caption(), Label_chi2);
    Label_tau_histogramme = make<QLabel>(this, "Label_tau_histogramme");
    rangee(fit_text::histogram_tau_caption(), Label_tau_histogramme);
    construit_la_precision();
    rangee(tr("précision visée"), ComboBox_precision, Label_prevision);
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
    CheckBox_log->setText(tr("échelle logarithmique des effectifs"));
    dans_page->addWidget(CheckBox_log);
    dans_page->addWidget(graphes->histogramme, 1);
    Onglets->addTab(page, tr("histogramme"));
    Onglets->addTab(graphes->convergence, tr("convergence"));
    auto* page_stabilite = new QWidget(Onglets);
    auto* dans_stabilite = new QVBoxLayout(page_stabilite);
    Label_stabilite = make<QLabel>(page_stabilite, "Label_stabilite");
    Label_stabilite->setWordWrap(true);
    dans_stabilite->addWidget(Label_stabilite);
    dans_stabilite->addWidget(graphes->stabilite, 1);
    Onglets->addTab(page_stabilite, tr("stabilité"));
    onglet_taux = new OngletTaux(form_, Onglets, this);
    Onglets->addTab(onglet_taux, tr("taux"));
    construit_les_runs();
    connect(onglet_runs, &OngletRuns::runs_modifies, this,
            [this] { platform::report_errors([this] { runs_modifies(); }); });
    onglet_partage = new OngletPartage(form_, *this, Onglets);
    Onglets->addTab(onglet_partage, tr("partage"));
    colonne->insertWidget(0, onglet_taux->Label_alarme);
    colonne->addWidget(Onglets, 1);
    auto* boutons = new QHBoxLayout;
    Bouton_png = make<QPushButton>(this, "Bouton_png");
    Bouton_png->setText(tr("image PNG"));
    Bouton_svg = make<QPushButton>(this, "Bouton_svg");
    Bouton_svg->setText(tr("image SVG"));
    Bouton_csv_histogramme = make<QPushButton>(this, "Bouton_csv_histogramme");
    Bouton_csv_histogramme->setText(tr("histogramme CSV"));
    Bouton_csv_convergence = make<QPushButton>(this, "Bouton_csv_convergence");
    Bouton_csv_convergence->setText(tr("convergence CSV"));
    for (QPushButton* b : {Bouton_png, Bouton_svg, Bouton_csv_histogramme, Bouton_csv_convergence}) {
        b->setAutoDefault(false);
        boutons->addWidget(b);
    }
    construit_le_rapport(boutons);
    boutons->addStretch();
    colonne->addLayout(boutons);
    defilement_->setWidget(contenu_);
    contenu_->installEventFilter(this);

    // Every handler inside the error report: a user's action may show a box.
    const auto relie = [this](auto* sender, auto signal, auto handler) {
        connect(sender, signal, this, [handler] { platform::report_errors(handler); });
    };
    for (QLineEdit* e : {Edit_tmin, Edit_tmax, Edit_unite}) {
        relie(e, &QLineEdit::editingFinished, [this] { choix_modifie(); });
    }
    relie(ComboBox_modele, &QComboBox::activated, [this] { choix_modifie(); });
    relie(ComboBox_matiere, &QComboBox::activated, [this] { choix_modifie(); });
    relie(ComboBox_matiere->lineEdit(), &QLineEdit::editingFinished, [this] { choix_modifie(); });
    relie(Edit_rho, &QLineEdit::editingFinished, [this] { choix_modifie(); });
    relie(ComboBox_methode, &QComboBox::activated, [this] { choix_modifie(); });
    relie(CheckBox_log, &QCheckBox::clicked, [this] { choix_modifie(); });
    relie(ComboBox_precision, &QComboBox::activated, [this] { choix_modifie(); });
    // A plot whose tab was hidden is drawn when its tab is shown, the
    // stability scan made first when it waits.
    connect(Onglets, &QTabWidget::currentChanged, this, [this] {
        if (balayage_en_attente_ && onglet_stabilite_montre() && decisions_.refusal().isEmpty()) {
            analyse_ = analyse_du_run();
            fais_le_balayage(analyse_.request);
            montre_le_resultat();
        }
        graphes->redessine();
    });
    relie(Bouton_png, &QPushButton::clicked, [this] { exporte_image(false); });
    relie(Bouton_svg, &QPushButton::clicked, [this] { exporte_image(true); });
    relie(Bouton_csv_histogramme, &QPushButton::clicked, [this] { exporte_csv_histogramme(); });
    relie(Bouton_csv_convergence, &QPushButton::clicked, [this] { exporte_csv_convergence(); });
}

namespace {
// The unit as its field shows it: empty while none is set.
QString texte_unite(double unit_ns) { return std::isfinite(unit_ns) ? platform::general(unit_ns) : QString(); }
}  // namespace

void FenetreAjustement::montre_les_choix() {
    const FitChoices& choix = decisions_.choices();
    Edit_tmin->setText(platform::general(choix.t_min));
    Edit_tmax->setText(platform::general(choix.t_max));
    ComboBox_modele->setCurrentIndex(fit::index_of(choix.model));
    ComboBox_methode->setCurrentIndex(choix.method == fit::Method::binned ? 1 : 0);
    Edit_unite->setText(texte_unite(choix.unit_ns));
    ComboBox_matiere->setEditText(fit_text::material_text(choix.muons.tau_minus_ns));
    Edit_rho->setText(platform::general(choix.muons.rho));
    CheckBox_log->setChecked(choix.log_counts);
    montre_la_precision();
    active_les_choix_des_muons();
}

TypedChoices FenetreAjustement::champs() const {
    TypedChoices champs;
    champs.t_min = Edit_tmin->text();
    champs.t_max = Edit_tmax->text();
    champs.unit_ns = Edit_unite->text();
    champs.model = modele_choisi();
    champs.method = ComboBox_methode->currentIndex() == 1 ? fit::Method::binned : fit::Method::unbinned;
    champs.log_counts = CheckBox_log->isChecked();
    champs.precision = precision_choisie();
    champs.material = ComboBox_matiere->currentText();
    champs.rho = Edit_rho->text();
    return champs;
}

void FenetreAjustement::choix_modifie() {
    RunState& etat = form_.etat();
    const FitChoices avant = decisions_.choices();
    bool unite_tapee = false;
    if (Edit_unite->text() != texte_unite(avant.unit_ns)) {
        // The unit typed is the run's from now on (read again by the decisions below).
        const QString unite = Edit_unite->text().trimmed();
        try {
            const double lue = unite.isEmpty() ? fit::kNone : static_cast<double>(fit_number(unite));
            if (!(lue <= 0)) {
                etat.unite.typed(etat.file_state.fichier_charge, lue);
                unite_tapee = true;
            }
        } catch (const platform::Error&) {
            // the decisions below say which field cannot be read
        }
    }
    // A unit typed: the window of that unit, as a load would show it (not
    // typed by the user); t min or t max typed: theirs for the run's unit.
    if (unite_tapee) {
        montre_l_unite_et_la_fenetre();
    } else {
        retiens_la_fenetre();
    }
    for (QLineEdit* e : {Edit_tmin, Edit_tmax}) e->setModified(false);
    active_les_choix_des_muons();
    suit(decisions_.typed(champs()));
}

namespace {

// t min and t max for a run of known unit: typed for it, else chosen in time
// from the classes the last class pass showed.
DurationChoices fenetre_du_run(const RunState& etat, double unite) {
    const ClassTable& table = etat.class_table;
    GivenDurations donnees = etat.saisies_par_unite.of(unite);
    donnees.dX.reset();
    donnees.x_max.reset();
    if (table.largeur_classe > 0 && table.n_classe > 0) {
        donnees.dX = static_cast<double>(table.largeur_classe);
        donnees.x_max = static_cast<double>(table.n_classe * table.largeur_classe);
    }
    return duration_choices(unite, durations_seen(etat.record_store.durations()), donnees);
}

}  // namespace

void FenetreAjustement::prend_l_unite_et_la_fenetre() {
    if (!montre_l_unite_et_la_fenetre()) return;
    // Taken as if typed, without its fit: the load's fit follows. The points
    // of the series are fits of another window.
    if (decisions_.typed(champs()).restart) convergence_.restart();
}

bool FenetreAjustement::montre_l_unite_et_la_fenetre() {
    const RunState& etat = form_.etat();
    const double unite = etat.unite.unit_ns();
    const FitChoices& choix = decisions_.choices();
    bool autre = false;
    if (!(unite == choix.unit_ns || (std::isnan(unite) && std::isnan(choix.unit_ns)))) {
        Edit_unite->setText(texte_unite(unite));
        autre = true;
    }
    const DurationChoices voulue = unit_known(unite) ? fenetre_du_run(etat, unite) : DurationChoices();
    if (const auto fenetre = fenetre_par_unite_.after_load(unite, UnitFields::Pair{choix.t_min, choix.t_max},
                                                           {voulue.t_min, voulue.t_max})) {
        Edit_tmin->setText(platform::general((*fenetre)[0]));
        Edit_tmax->setText(platform::general((*fenetre)[1]));
        autre = true;
    }
    return autre;
}

void FenetreAjustement::retiens_la_fenetre() {
    RunState& etat = form_.etat();
    const double unite = etat.unite.unit_ns();
    if (!unit_known(unite)) return;
    bool change = false;
    const std::pair<QLineEdit*, TypedPerUnit::Field> champs[] = {{Edit_tmin, TypedPerUnit::Field::t_min},
                                                                 {Edit_tmax, TypedPerUnit::Field::t_max}};
    for (const auto& [champ, quoi] : champs) {
        if (!champ->isModified()) continue;
        try {
            change |= etat.saisies_par_unite.set(unite, quoi, static_cast<double>(fit_number(champ->text())));
        } catch (const platform::Error&) {
            // the decisions say that the field cannot be read
        }
    }
    if (change) etat.saisies_par_unite.write(etat.settings_failures);
}

FitChoices FenetreAjustement::choix_a_retenir() const {
    const RunState& etat = form_.etat();
    FitChoices choix = decisions_.choices();
    choix.unit_ns = etat.unite.user_unit_ns();
    if (unit_known(etat.unite.unit_ns())) {
        // The window of a run of known unit is remembered for its unit
        // ("qrt_vorn.uni"); the file keeps that of runs whose unit is unknown.
        if (const auto& garde = fenetre_par_unite_.kept_for_unknown_unit()) {
            choix.t_min = (*garde)[0];
            choix.t_max = (*garde)[1];
        } else {
            const FitChoices dans_le_fichier = lit_choix_ajustement(choix_par_defaut(etat));
            choix.t_min = dans_le_fichier.t_min;
            choix.t_max = dans_le_fichier.t_max;
        }
    }
    return choix;
}

void FenetreAjustement::apres_chargement() {
    // A shared run's page shows the window's fit: made while it is shared, window closed or not.
    if (!isVisible() && !onglet_partage->partage()) return;
    prend_l_unite_et_la_fenetre();
    par_un_chargement_ = true;
    // Never a box on a tick.
    if (const auto erreur = platform::error_of([this] { suit(decisions_.loaded()); })) Label_etat->setText(*erreur);
    par_un_chargement_ = false;
}

void FenetreAjustement::suit(const FitStep& etape) {
    if (etape.refused) {
        montre_le_refus();
        return;
    }
    for (QPushButton* b : {Bouton_png, Bouton_svg, Bouton_csv_histogramme, Bouton_csv_convergence}) b->setEnabled(true);
    if (etape.write) ecrit_choix_ajustement(choix_a_retenir(), form_.etat().settings_failures);
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
    montre_les_resultats_des_muons({});
    Label_tau_histogramme->setText(fit_text::histogram_tau_text(tau_de_l_histogramme(form_.etat())));
    Label_gf->clear();
    Label_gf_note->clear();
    Label_prevision->setText(QStringLiteral("\u2014"));
    Label_stabilite->setText(QStringLiteral("\u2014"));
    graphes->montre_stabilite({}, unite_des_graphes());
    Label_etat->setText(decisions_.refusal_line());
    for (QPushButton* b : {Bouton_png, Bouton_svg, Bouton_csv_histogramme, Bouton_csv_convergence})
        b->setEnabled(false);
    graphes->montre_histogramme(histogramme_, decisions_.choices().log_counts, unite_des_graphes());
    graphes->montre_convergence({}, unite_des_graphes());
    graphes->redessine();
    onglet_partage->publie();
}

void FenetreAjustement::runs_modifies() {
    // The earlier points are fits of other runs.
    convergence_.restart();
    if (decisions_.refusal().isEmpty()) ajuste(true);
}

void FenetreAjustement::ajuste(bool charge) {
    const RunState& etat = form_.etat();
    analyse_ = analyse_du_run();
    resultat_ = analyse_.result;
    // The stability scan, ten fits more, is made again only with the fit, when
    // its events changed: at once for a fit the user asked for or while its tab
    // is shown; a reload's fit under another tab leaves it until the tab is
    // shown (the status keeps the last scan's warning meanwhile).
    if (analyse_.refitted) balayage_en_attente_ = true;
    if (!par_un_chargement_ || onglet_stabilite_montre()) fais_le_balayage(analyse_.request);
    prevision_ = analyse_.forecast;
    histogramme_ = histogram_view(analyse_.request, resultat_);
    const fit::Result& point = ajuste_les_runs(analyse_.request);
    if (charge) {
        convergence_.add(etat.file_state.fichier_donnees, analyse_.request.durations, point,
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
    montre_fermi_prevision_stabilite(l);
    if (!runs_combines_.status.isEmpty()) {
        Label_etat->setText(Label_etat->text() + QStringLiteral(" ; ") + runs_combines_.status);
    }
    montre_les_resultats_des_muons(l);
    graphes->montre_histogramme(histogramme_, decisions_.choices().log_counts, unite_des_graphes());
    graphes->montre_convergence(convergence_.points(), unite_des_graphes());
    graphes->redessine();
    onglet_partage->publie();
}

namespace {

// The precisions offered for the forecast, as fractions.
constexpr double kPrecisions[] = {0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1};

QString texte_de_precision(double precision) { return platform::general(100 * precision) + QStringLiteral(" %"); }

}  // namespace

void FenetreAjustement::construit_la_precision() {
    ComboBox_precision = make<QComboBox>(this, "ComboBox_precision");
    for (const double p : kPrecisions) ComboBox_precision->addItem(texte_de_precision(p), p);
    Label_prevision = make<QLabel>(this, "Label_prevision");
}

void FenetreAjustement::montre_la_precision() {
    // A precision of the settings file that the list does not offer joins it.
    const double precision = decisions_.choices().precision;
    int i = ComboBox_precision->findData(precision);
    if (i < 0) {
        ComboBox_precision->addItem(texte_de_precision(precision), precision);
        i = ComboBox_precision->count() - 1;
    }
    ComboBox_precision->setCurrentIndex(i);
}

double FenetreAjustement::precision_choisie() const { return ComboBox_precision->currentData().toDouble(); }

bool FenetreAjustement::onglet_stabilite_montre() const {
    return isVisible() && Onglets->currentIndex() == kOngletStabilite;
}

void FenetreAjustement::fais_le_balayage(const fit::Request& requete) {
    if (!balayage_en_attente_) return;
    stabilite_ = fit::stability_scan(requete, resultat_);
    balayage_en_attente_ = false;
}

void FenetreAjustement::montre_fermi_prevision_stabilite(const fit_text::ResultLines& l) {
    Label_gf->setText(l.fermi);
    Label_gf_note->setText(l.fermi_note);
    Label_prevision->setText(fit_text::forecast_line(prevision_));
    Label_stabilite->setText(fit_text::stability_line(stabilite_));
    const QString hors_bande = fit_text::stability_warning(stabilite_);
    if (!hors_bande.isEmpty()) Label_etat->setText(l.status + QStringLiteral(" ; ") + hors_bande);
    graphes->montre_stabilite(stabilite_, unite_des_graphes());
}
