#include "app/runs_tab.h"

#include "app/tform1.h"
#include "datafile/data_file.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/report.h"
#include "platform/seams.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {

template <class W>
W* fait(QWidget* parent, const char* name, const QString& texte = {}) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    if constexpr (std::is_same_v<W, QPushButton> || std::is_same_v<W, QLabel>) {
        if (!texte.isEmpty()) w->setText(texte);
    }
    return w;
}

QString absolu(const QString& fichier) { return fichier.isEmpty() ? fichier : QFileInfo(fichier).absoluteFilePath(); }

const RunsShown kAucun;  // before the window's first combination

}  // namespace

OngletRuns::OngletRuns(TForm1& form, QWidget* parent)
    : QWidget(parent), form_(form), runs_(form.etat().runs), montre_(&kAucun) {
    setObjectName(QStringLiteral("Onglet_runs"));
    runs_.set_added_by_file(lit_runs_ajoutes_par_fichier(fichier_suivi(), form.etat().settings_failures));
    runs_.follow(fichier_suivi());
    runs_.set_exclusions(lit_exclusions(&form_.etat().settings_failures));

    auto* colonne = new QVBoxLayout(this);
    auto* boutons = new QHBoxLayout;
    Bouton_ajouter_runs = fait<QPushButton>(this, "Bouton_ajouter_runs", tr("ajouter des runs…"));
    Bouton_retirer_run = fait<QPushButton>(this, "Bouton_retirer_run", tr("retirer le run"));
    boutons->addWidget(Bouton_ajouter_runs);
    boutons->addWidget(Bouton_retirer_run);
    boutons->addStretch();
    colonne->addLayout(boutons);

    Table_runs = fait<QTableWidget>(this, "Table_runs");
    Table_runs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_runs->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table_runs->setSelectionMode(QAbstractItemView::SingleSelection);
    Table_runs->verticalHeader()->hide();
    Table_runs->horizontalHeader()->setStretchLastSection(true);
    colonne->addWidget(Table_runs, 1);
    for (QLabel** l : {&Label_combinaison, &Label_coherence}) {
        *l = new QLabel(this);
        (*l)->setWordWrap(true);
        (*l)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        colonne->addWidget(*l);
    }
    Label_combinaison->setObjectName(QStringLiteral("Label_combinaison"));
    Label_coherence->setObjectName(QStringLiteral("Label_coherence"));

    Label_run_exclusions = fait<QLabel>(this, "Label_run_exclusions");
    colonne->addWidget(Label_run_exclusions);
    auto* exclusion = new QHBoxLayout;
    exclusion->addWidget(new QLabel(tr("de", "from a time to another"), this));
    Edit_debut_exclusion = fait<QLineEdit>(this, "Edit_debut_exclusion");
    exclusion->addWidget(Edit_debut_exclusion);
    exclusion->addWidget(new QLabel(tr("à", "from a time to another"), this));
    Edit_fin_exclusion = fait<QLineEdit>(this, "Edit_fin_exclusion");
    exclusion->addWidget(Edit_fin_exclusion);
    for (QLineEdit* e : {Edit_debut_exclusion, Edit_fin_exclusion}) {
        e->setPlaceholderText(tr("hh:mm:ss ou +1/hh:mm:ss"));
        e->setMaximumWidth(150);
    }
    Bouton_exclure = fait<QPushButton>(this, "Bouton_exclure", tr("exclure"));
    exclusion->addWidget(Bouton_exclure);
    exclusion->addStretch();
    colonne->addLayout(exclusion);
    auto* liste = new QHBoxLayout;
    Liste_exclusions = fait<QListWidget>(this, "Liste_exclusions");
    Liste_exclusions->setMaximumHeight(70);
    liste->addWidget(Liste_exclusions, 1);
    Bouton_retirer_exclusion =
        fait<QPushButton>(this, "Bouton_retirer_exclusion", tr("retirer l'exclusion"));
    liste->addWidget(Bouton_retirer_exclusion, 0, Qt::AlignTop);
    colonne->addLayout(liste);
    Label_etat_runs = fait<QLabel>(this, "Label_etat_runs");
    Label_etat_runs->setWordWrap(true);
    colonne->addWidget(Label_etat_runs);
    for (QPushButton* b : {Bouton_ajouter_runs, Bouton_retirer_run, Bouton_exclure, Bouton_retirer_exclusion}) {
        b->setAutoDefault(false);
    }

    const auto relie = [this](QPushButton* b, auto handler) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { platform::report_errors([&] { (this->*handler)(); }); });
    };
    relie(Bouton_ajouter_runs, &OngletRuns::ajoute_des_runs);
    relie(Bouton_retirer_run, &OngletRuns::retire_le_run);
    relie(Bouton_exclure, &OngletRuns::exclut);
    relie(Bouton_retirer_exclusion, &OngletRuns::retire_l_exclusion);
    connect(Table_runs, &QTableWidget::itemSelectionChanged, this, &OngletRuns::montre_les_exclusions);
}

QString OngletRuns::fichier_suivi() const { return absolu(form_.etat().file_state.fichier_donnees); }

QString OngletRuns::fichier_choisi() const {
    const int rang = Table_runs->currentRow();
    if (rang >= 0 && rang < montre_->files.size() && !Table_runs->selectedItems().isEmpty()) return montre_->files[rang];
    return fichier_suivi();
}

void OngletRuns::montre(const RunsShown& runs) {
    montre_ = &runs;
    montre_le_tableau();
}

void OngletRuns::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit montre_demande();
}

void OngletRuns::montre_le_tableau() {
    const QString choisi = fichier_choisi();
    const QSignalBlocker bloque(Table_runs);
    Table_runs->clear();
    const QList<QStringList>& cellules = montre_->table;
    if (cellules.isEmpty()) return;
    QStringList entete = cellules.front();
    entete.back() = tr("exclu, remarques");
    Table_runs->setColumnCount(static_cast<int>(entete.size()));
    Table_runs->setHorizontalHeaderLabels(entete);
    Table_runs->setRowCount(static_cast<int>(cellules.size() - 1));
    for (qsizetype r = 1; r < cellules.size(); ++r) {
        for (qsizetype c = 0; c < cellules[r].size(); ++c) {
            auto* item = new QTableWidgetItem(cellules[r][c]);
            if (c > 0 && c + 1 < cellules[r].size()) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 0) item->setToolTip(platform::native_path(montre_->files[r - 1]));
            Table_runs->setItem(static_cast<int>(r - 1), static_cast<int>(c), item);
        }
    }
    Table_runs->resizeColumnsToContents();
    const qsizetype rang = montre_->files.indexOf(choisi);
    if (rang >= 0) Table_runs->selectRow(static_cast<int>(rang));
    Label_combinaison->setText(montre_->combined);
    Label_etat_runs->setText(montre_->status);
    Label_coherence->setText(montre_->consistency);
    montre_les_exclusions();
}

void OngletRuns::montre_les_exclusions() {
    const QString fichier = fichier_choisi();
    Label_run_exclusions->setText(tr("exclusions de %1").arg(platform::name_part(fichier)));
    Liste_exclusions->clear();
    for (const ExcludedSpan& s : runs_.spans_of(fichier)) Liste_exclusions->addItem(excluded_span_text(s));
}

void OngletRuns::ajoute_des_runs() {
    if (!platform::seams().choose_open_files) return;
    platform::OpenFileRequest demande;
    demande.title = tr("ajouter des runs");
    demande.initial_folder = platform::folder_part(fichier_suivi());
    filtres_des_donnees(demande);
    const std::optional<QStringList> choisis = platform::seams().choose_open_files(demande);
    if (!choisis) return;  // cancelled: nothing changes
    runs_.follow(fichier_suivi());
    QStringList ajoutes = runs_.added();
    for (const QString& f : *choisis) ajoutes << absolu(f);
    runs_.set_added(ajoutes);
    ecrit_runs_ajoutes_par_fichier(runs_.added_by_file(), form_.etat().settings_failures);
    emit runs_modifies();
}

void OngletRuns::retire_le_run() {
    const QString fichier = fichier_choisi();
    if (!runs_.added().contains(fichier)) {
        Label_etat_runs->setText(tr("choisir dans le tableau un run ajouté (le run suivi reste)"));
        return;
    }
    QStringList ajoutes = runs_.added();
    ajoutes.removeAll(fichier);
    runs_.set_added(ajoutes);
    ecrit_runs_ajoutes_par_fichier(runs_.added_by_file(), form_.etat().settings_failures);
    Label_etat_runs->clear();
    emit runs_modifies();
}

void OngletRuns::exclut() {
    ExcludedSpan span;
    try {
        span = read_excluded_span(Edit_debut_exclusion->text().trimmed() + QLatin1Char('-') +
                                  Edit_fin_exclusion->text().trimmed());
    } catch (const platform::Error& e) {
        Label_etat_runs->setText(tr("exclusion : %1").arg(e.text()));
        return;
    }
    Label_etat_runs->clear();
    runs_.exclude(fichier_choisi(), span);
    exclusions_modifiees();
}

void OngletRuns::exclut_du_run_suivi(const ExcludedSpan& span) {
    if (fichier_suivi().isEmpty()) return;
    runs_.exclude(fichier_suivi(), span);
    exclusions_modifiees();
}

void OngletRuns::retire_l_exclusion() {
    const int rang = Liste_exclusions->currentRow();
    if (rang < 0) return;
    runs_.remove_exclusion(fichier_choisi(), static_cast<std::size_t>(rang));
    exclusions_modifiees();
}

void OngletRuns::exclusions_modifiees() {
    ecrit_exclusions(runs_.exclusions(), form_.etat().settings_failures);
    montre_les_exclusions();
    emit runs_modifies();
}
