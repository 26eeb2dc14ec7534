// What the session's record pass made of the data file's lines, shown.
#include "analysis/load_text.h"
#include "analysis/record_pass.h"
#include "app/tform1.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "text/steps.h"

void TForm1::montre_les_enregistrements(const ReloadChanges& changes,
                                        const std::optional<QString>& erreur_des_classes) {
    const platform::PackedLines& lignes = session_->lines();
    const PasseDesLignes& passe = session_->load().enregistrements;
    etat_->lignes_ignorees = passe.nb_lignes_ignorees;

    // What the load has to say of the file: the status line names the last
    // skipped line (while a run is followed, the newest); the box of a file
    // choice, the first, and only what it did not tell before.
    const QString& fichier = etat_->file_state.fichier_charge;
    QStringList a_dire;
    // The format of another apparatus's file is told first; the acquisition
    // format, as ever, is not.
    if (passe.format != FormatDeDonnees::acquisition) a_dire << texte_du_format(passe);
    // dX and X max as the run's unit made them (those typed for that unit, or
    // chosen in time; back to the acquisition's after a run of unknown unit).
    if (changes.class_choices) {
        Edit8->setText(platform::general(static_cast<double>(session_->class_choices().dX)));
        Edit6->setText(platform::general(static_cast<double>(session_->class_choices().x_max)));
    }
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

    // A field or a class choice that could not be taken ends the pass here,
    // the listing emptied; the session's classes are those of its last good
    // choices.
    if (erreur_des_classes) {
        Memo3->clear();
        throw platform::Error(*erreur_des_classes);
    }
    montre_les_classes(session_->load().classes, session_->class_choices());

    StaticText1->setText(platform::decimal(passe.nb_enregistrements));  // decays only, never count records
    StaticText3->setText(texte_minutes(passe.derniere_duree));
}
