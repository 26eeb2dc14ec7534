// Choosing the data file from the "Target File" panel.
#include "app/tform1.h"
#include "datafile/comment_file.h"
#include "datafile/data_file.h"
#include "platform/files.h"
#include "platform/locations.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "settings/settings_files.h"

#include <utility>

void TForm1::SpeedButton_1Click() {
    // The dialog opens where the last file was chosen, else in the shipped runs.
    platform::OpenFileRequest demande;
    if (platform::file_exists(chemin_du_reglage(FICHIER_DERNIER_DOSSIER))) {
        demande.initial_folder = lit_ligne_unique(FICHIER_DERNIER_DOSSIER, &etat_->settings_failures);
        demande.file_name = lit_ligne_unique(FICHIER_DERNIER_NOM, &etat_->settings_failures);
    } else {
        demande.initial_folder = platform::shipped_path(QStringLiteral("fichiers"));
    }
    demande.title = texte_numero(2);
    filtres_des_donnees(demande);
    if (!platform::seams().choose_open_file) return;
    const std::optional<QString> choisi = platform::seams().choose_open_file(demande);
    if (!choisi) return;  // cancelled: nothing changes
    choisit_le_fichier(*choisi);
}

void TForm1::choisit_le_fichier(const QString& choisi) {
    FileState& file_state = etat_->file_state;
    // The chosen file's comment replaces the memo: a comment typed and not
    // saved is asked for first, and a cancel leaves everything as it was.
    const QString donnees = fichier_donnees_choisi(choisi);
    if (platform::file_exists(nom_fichier_commentaire(donnees)) &&
        !garde_le_commentaire(tr("Le commentaire a été modifié et n'est pas enregistré dans le fichier %1. "
                                 "L'enregistrer avant d'ouvrir %2 et son commentaire ?")
                                  .arg(platform::native_path(file_state.fichier_commentaire),
                                       platform::native_path(donnees)),
                              tr("Le commentaire n'est enregistré nulle part : aucun fichier de données n'est "
                                 "choisi. Ouvrir %1 et le remplacer par le commentaire de ce fichier ?")
                                  .arg(platform::native_path(donnees)))) {
        return;
    }
    file_state.fichier_donnees = donnees;
    ecrit_ligne_unique(FICHIER_DERNIER_DOSSIER, platform::folder_part(file_state.fichier_donnees),
                       etat_->settings_failures);
    const QString nom = platform::name_part(file_state.fichier_donnees);
    setWindowTitle(nom + QStringLiteral("     vorn"));
    Label38->setTextFormat(Qt::PlainText);
    Label38->setText(nom);
    file_state.fichier_commentaire = nom_fichier_commentaire(file_state.fichier_donnees);
    Label39->setTextFormat(Qt::PlainText);
    Label39->setText(platform::name_part(file_state.fichier_commentaire));
    ecrit_ligne_unique(FICHIER_DERNIER_NOM, nom, etat_->settings_failures);

    // A data file that cannot be read ends the choice here, before the comment.
    charge_le_fichier(file_state.fichier_donnees);

    // Without a comment file the memo keeps its text. One that cannot be read
    // (no rights, a pipe in its place) is reported by its open error, which
    // names it, and the memo keeps its text. What is read is kept, so that a
    // change of the file on disk is noticed.
    file_state.commentaire_lu = {};
    etat_du_commentaire_.clear();
    file_state.commentaire_lu = lit_commentaire(file_state.fichier_commentaire);
    if (file_state.commentaire_lu.lignes) montre_le_commentaire(*file_state.commentaire_lu.lignes);

    // Someone has just chosen the file: what its load has to say that was not
    // told yet (the lines it skipped, the records past the capacity) is told in
    // one box, the window already showing the file. The refresh tick never
    // shows it; the status line says it there.
    if (!a_signaler_au_choix_.isEmpty()) {
        platform::show_message(std::exchange(a_signaler_au_choix_, {}).join(QLatin1Char('\n')));
    }
}

void TForm1::Panel8Click() { SpeedButton_1Click(); }

void TForm1::Image5Click() { SpeedButton_1Click(); }

void TForm1::Label7Click() { SpeedButton_1Click(); }
