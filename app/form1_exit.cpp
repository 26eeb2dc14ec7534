// Leaving the program: "exit", or the window closed by the window manager.
#include "app/tform1.h"
#include "datafile/comment_file.h"
#include "platform/files.h"
#include "platform/seams.h"
#include "text/fields.h"

#include <QCloseEvent>
#include <QCoreApplication>

bool TForm1::garde_le_commentaire(const QString& texte_avec_fichier, const QString& texte_sans_fichier) {
    const QString& fichier = etat_->file_state.fichier_commentaire;
    const bool sans_fichier = supprime_blancs(fichier).isEmpty();
    const bool memo_vide = Memo2->document()->isEmpty();
    // Without a comment file (no data file chosen yet) there is none to read.
    // A file changed on disk by another window while the memo was not typed
    // in holds the newer text: nothing here is lost by leaving.
    const EtatDuCommentaire etat =
        sans_fichier ? (memo_vide ? EtatDuCommentaire::a_jour : EtatDuCommentaire::modifie)
                     : etat_du_commentaire(etat_->file_state.commentaire_lu.lignes,
                                           lignes_du_fichier_commentaire(fichier), lignes_du_commentaire(), memo_vide);
    if (etat == EtatDuCommentaire::a_jour || etat == EtatDuCommentaire::change_ailleurs) return true;

    platform::Question question;
    question.save_offered = !sans_fichier;
    question.text = sans_fichier ? texte_sans_fichier : texte_avec_fichier;
    if (etat == EtatDuCommentaire::conflit) {
        question.text = tr("Le fichier %1 a été modifié ailleurs (une autre fenêtre ?) depuis sa lecture : "
                           "l'enregistrer remplace ce qui y a été écrit.")
                            .arg(platform::native_path(fichier)) +
                        QLatin1Char(' ') + question.text;
    }
    switch (platform::ask(question)) {
        case platform::Answer::discard: return true;
        case platform::Answer::cancel: return false;
        case platform::Answer::save: break;
    }
    if (sans_fichier) return false;
    // A save that fails (a read-only folder) is reported, and the comment
    // stays in its memo.
    return enregistre_le_commentaire(false);
}

bool TForm1::peut_quitter() {
    return garde_le_commentaire(
        tr("Le commentaire a été modifié et n'est pas enregistré dans le fichier %1. L'enregistrer avant de "
           "quitter ?")
            .arg(platform::native_path(etat_->file_state.fichier_commentaire)),
        tr("Le commentaire n'est enregistré nulle part : aucun fichier de données n'est choisi. Quitter sans "
           "l'enregistrer ?"));
}

void TForm1::SpeedButton_exitClick() {
    if (!peut_quitter()) return;
    quitte_ = true;
    etat_->file_state.fichier_donnees.clear();
    etat_->file_state.fichier_commentaire.clear();
    QCoreApplication::exit(0);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A window closed after "exit" has ended the program asks nothing more.
    if (!quitte_ && !peut_quitter()) {
        event->ignore();
        return;
    }
    quitte_ = true;
    etat_->file_state.fichier_donnees.clear();
    etat_->file_state.fichier_commentaire.clear();
    event->accept();
}
