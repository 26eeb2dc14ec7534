// The record pass over the lines of the data memo.
#include "analysis/pass_report.h"
#include "analysis/record_pass.h"
#include "app/tform1.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/seams.h"
#include "text/steps.h"

void TForm1::traite_les_lignes_memo() {
    RecordStore& store = etat_->record_store;
    const platform::PackedLines& lignes = Memo1->packedLines();
    Label_nb_ligne->setText(texte_nb_lignes(lignes.size(), 0));

    // A line that is no record is skipped: the records after it count.
    const PasseDesLignes passe = passe_des_lignes(lignes, store);
    etat_->origine_temps = passe.origine_temps;
    const QString nb_lignes = texte_nb_lignes(lignes.size(), passe.nb_lignes_ignorees);

    // What the load has to say of the file: the line of the status bar names
    // the last skipped line (while a run is followed, the newest); the box of
    // a file choice, the first, and only when one of them is new.
    const QString& fichier = etat_->file_state.fichier_charge;
    const QString nom = platform::name_part(fichier);
    QStringList a_dire;
    if (store.nb_points[1] == 0) {
        // Nothing of an earlier file, or of an earlier state of this one, stays.
        efface_les_chiffres();
        a_dire << texte_sans_enregistrement(passe, lignes.size());
    }
    if (passe.nb_lignes_ignorees > 0) a_dire << texte_lignes_ignorees(nom, passe, LigneNommee::derniere);
    etat_du_chargement_ = a_dire.join(QStringLiteral(" ; "));
    lignes_ignorees_a_signaler_.clear();
    if (etat_->lignes_signalees.signale(fichier, passe)) {
        lignes_ignorees_a_signaler_ = texte_lignes_ignorees(platform::native_path(fichier), passe);
    }
    montre_l_etat();

    Label_nb_ligne->setText(nb_lignes + QStringLiteral(", cumul = ") +
                            platform::format_picture("#.##", store.cumul_durees));

    // The time axis of the records plot grows to hold the whole acquisition.
    if (const auto echelle = echelle_agrandie(Edit1->text(), store.duree_acquisition)) Edit1->setText(*echelle);

    affecte_classe();

    StaticText1->setText(platform::decimal(store.nb_points[1]));
    if (passe.capacite_depassee) {
        platform::show_message(QStringLiteral(" le nombre maximum de données est de ") +
                               platform::decimal(NB_MAX_DONNEES) +
                               QStringLiteral(" pour le moment => source à modifier"));
    }
    StaticText3->setText(platform::format_picture("#.##", passe.derniere_duree));
}
