// The record pass over the lines of the data memo.
#include "analysis/load_text.h"
#include "analysis/record_pass.h"
#include "app/tform1.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "text/steps.h"

#include <utility>

void TForm1::traite_les_lignes_memo() {
    RecordStore& store = etat_->record_store;
    const platform::PackedLines& lignes = Memo1->packedLines();
    Label_nb_ligne->setText(texte_nb_lignes(lignes.size(), 0));

    // A line that is no record is skipped: the records after it count.
    PasseDesLignes passe = passe_des_lignes(lignes, store);
    etat_->origine_temps = passe.origine_temps;
    etat_->lignes_ignorees = passe.nb_lignes_ignorees;
    etat_->dernier_du_fichier = passe.dernier_du_fichier;

    // What the load has to say of the file: the status line names the last
    // skipped line (while a run is followed, the newest); the box of a file
    // choice, the first, and only what it did not tell before.
    const QString& fichier = etat_->file_state.fichier_charge;
    QStringList a_dire;
    // The format of another apparatus's file is told first (with its seconds of
    // count records, before they go to the run's state); the acquisition
    // format, as ever, is not.
    if (passe.format != FormatDeDonnees::acquisition) a_dire << texte_du_format(passe);
    etat_->format = passe.format;
    etat_->unite_ns = passe.unite_ns;
    etat_->comptages = std::move(passe.comptages);  // for the rate and the live time
    prend_les_classes_de_l_unite(etat_->unite.after_load(fichier, passe.unite_ns));
    if (passe.nb_enregistrements == 0) {
        // Nothing of an earlier file, or of an earlier state of this one, stays.
        efface_les_chiffres();
        a_dire << texte_sans_enregistrement(passe);
    }
    if (passe.nb_lignes_ignorees > 0) {
        a_dire << texte_lignes_ignorees(platform::name_part(fichier), passe, LigneNommee::derniere);
    }
    if (passe.capacite_depassee) a_dire << texte_capacite_depassee().trimmed();
    if (passe.ligne_en_attente) a_dire << texte_ligne_en_attente();
    etat_du_chargement_ = a_dire.join(QStringLiteral(" ; "));
    a_signaler_au_choix_.clear();
    if (etat_->signalements.lignes_nouvelles(fichier, passe)) {
        a_signaler_au_choix_ << texte_lignes_ignorees(platform::native_path(fichier), passe);
    }
    if (etat_->signalements.capacite_nouvelle(fichier, passe)) a_signaler_au_choix_ << texte_capacite_depassee();
    montre_l_etat();

    Label_nb_ligne->setText(texte_lignes_et_cumul(lignes.size(), passe.nb_lignes_ignorees, passe.cumul_durees));

    // The time axis of the records plot grows to hold the whole acquisition.
    if (const auto echelle = echelle_agrandie(Edit1->text(), passe.derniere_duree)) Edit1->setText(*echelle);

    affecte_classe();

    StaticText1->setText(platform::decimal(passe.nb_enregistrements));  // decays only, never count records
    StaticText3->setText(texte_minutes(passe.derniere_duree));
}
