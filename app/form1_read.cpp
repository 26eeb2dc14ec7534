// Loading the data file: the session's reload (read, records, the unit's
// class choices, classes), then the memo, the counters and the plots: the
// records shown (app/form1_record_pass.cpp), then the classes
// (app/form1_class_pass.cpp); the load ends in app/form1_load.cpp.
#include "analysis/load_text.h"
#include "app/tform1.h"
#include "datafile/reload.h"
#include "platform/errors.h"

#include <optional>

namespace {
// A label shows this many characters of a line at most, then "…": a line of
// megabytes took a second to paint at every repaint of the window, and no
// label is wide enough to show more than a small part of this.
constexpr qsizetype kLongueurMontree = 1000;

// Text from the data file is shown as it stands, never as markup.
void montre(QLabel* label, QStringView texte) {
    label->setTextFormat(Qt::PlainText);
    label->setText(platform::citation(texte, kLongueurMontree));
}
}  // namespace

void TForm1::charge_le_fichier(const QString& nom) { charge_le_fichier(nom, Traces::avec); }

void TForm1::charge_le_fichier(const QString& nom, Traces traces) {
    // Red while the load blocks the window: painted now, not after the load.
    Panel6->setColor(QColor(255, 0, 0));
    Panel6->paintAlone();

    // What the last reload of a tick said is replaced by what this load says.
    erreur_du_rechargement_.clear();

    // From here on the window shows this file: nothing of another one stays,
    // neither its last line nor its figures.
    FileState& suivi = etat_->file_state;
    const bool meme_fichier = nom == suivi.fichier_charge;
    if (!meme_fichier) efface_les_chiffres();

    // The session reads the file (a file that cannot be read is a run without
    // lines: no header, no record, no figure, plots without series, its error
    // in the status line; the error then ends the load, the strip stays red),
    // makes the records and the classes with the class choices last applied.
    // A dX or X max applied and refused is said where the class pass stands,
    // at every load until it is mended.
    suivi.fichier_donnees = nom;
    const ReloadChanges changes = session_->reload();
    if (changes.class_choices) erreur_des_champs_.clear();  // the fields show the unit's choices
    std::optional<QString> illisible;
    std::optional<QString> erreur_des_classes;
    if (changes.unreadable) {
        illisible = session_->error();
    } else if (!erreur_des_champs_.isEmpty()) {
        erreur_des_classes = erreur_des_champs_;
    } else if (!session_->error().isEmpty()) {
        erreur_des_classes = session_->error();
    }
    Memo1->showLines(session_->lines());

    const platform::PackedLines& lignes = session_->lines();
    const auto ligne = [&lignes](qsizetype i) { return i < lignes.size() ? lignes.at(i) : QStringView(); };
    montre(Label3, ligne(0));
    montre(Label2, ligne(1));
    montre(Label1, ligne(2));
    montre(Label4, ligne(3));
    // An empty last line (a run that ends its lines with an empty one) leaves
    // the last line of the same file shown.
    if (!lignes.isEmpty() && !lignes.last().isEmpty()) {
        montre(Label15, lignes.last());
    } else if (!meme_fichier || illisible) {
        montre(Label15, QStringView());
    }

    try {
        montre_les_enregistrements(changes, erreur_des_classes);

        Label40->setText(texte_duree_acquisition(etat_->record_store.duree_acquisition));
        if (traces == Traces::avec) {
            trace_graphe(1);
            trace_graphe(2);
        }
    } catch (const platform::Error&) {
        // For a file that cannot be read, its own error is the one reported; a
        // field that cannot be read (a scale, dX) is reported at each load.
        if (!illisible) throw;
    }

    if (illisible) {
        etat_du_chargement_ = *illisible;
        montre_l_etat();
        termine_le_chargement();  // the tables are now those of no line
        throw platform::Error(*illisible);
    }

    Panel6->setColor(QColor(0, 128, 0));
    Panel6->paintAlone();
    termine_le_chargement();
}

