// Saving the comment beside the data file.
#include "app/tform1.h"
#include "datafile/comment_file.h"
#include "platform/files.h"
#include "platform/seams.h"
#include "text/fields.h"

#include <QScrollBar>
#include <QTextBlock>

QStringList TForm1::lignes_du_commentaire() const {
    QStringList lignes;
    const QTextDocument* document = Memo2->document();
    for (QTextBlock bloc = document->begin(); bloc.isValid(); bloc = bloc.next()) lignes.append(bloc.text());
    if (!lignes.isEmpty() && lignes.last().isEmpty()) lignes.removeLast();
    return lignes;
}

void TForm1::montre_le_commentaire(const QStringList& lignes) {
    QString texte;
    for (const QString& ligne : lignes) {
        texte += ligne;
        texte += QLatin1Char('\n');
    }
    Memo2->setPlainText(texte);
    Memo2->moveCursor(QTextCursor::Start);
    Memo2->verticalScrollBar()->setValue(0);
}

void TForm1::SpeedButton_commentClick() {
    // No data file chosen yet: there is no comment file to write.
    const QString& fichier = etat_->file_state.fichier_commentaire;
    if (supprime_blancs(fichier).isEmpty()) return;
    // The file changed on disk since it was read (another window, an editor)
    // and the memo was typed in too: which to keep is asked.
    const std::optional<QStringList> sur_disque = lignes_du_fichier_commentaire(fichier);
    if (etat_du_commentaire(etat_->file_state.commentaire_lu.lignes, sur_disque, lignes_du_commentaire(),
                            Memo2->document()->isEmpty()) == EtatDuCommentaire::conflit) {
        platform::Question question;
        question.text = QStringLiteral("Le fichier ") + platform::native_path(fichier) +
                        QStringLiteral(" a été modifié ailleurs (une autre fenêtre ?) depuis sa lecture. Le "
                                       "remplacer par ce commentaire ?");
        question.discard_text = QStringLiteral("Prendre celui du fichier");
        switch (platform::ask(question)) {
            case platform::Answer::cancel: return;
            case platform::Answer::discard: prend_le_commentaire_du_fichier(); return;
            case platform::Answer::save: break;
        }
    }
    enregistre_le_commentaire(true);
}

bool TForm1::enregistre_le_commentaire(bool confirme) {
    const QString& fichier = etat_->file_state.fichier_commentaire;
    const QStringList lignes = lignes_du_commentaire();
    const EnregistrementCommentaire r = enregistre_commentaire(fichier, lignes);
    if (r.enregistre) {
        etat_->file_state.commentaire_lu = {lignes, platform::file_times(fichier)};
        etat_du_commentaire_.clear();
        montre_l_etat();
    }
    if (confirme || !r.enregistre) platform::show_message(r.message);
    return r.enregistre;
}

void TForm1::prend_le_commentaire_du_fichier() {
    const QString& fichier = etat_->file_state.fichier_commentaire;
    CommentaireLu lu;
    lu.temps = platform::file_times(fichier);
    lu.lignes = lignes_du_fichier_commentaire(fichier);
    if (!lu.lignes) return;  // gone or unreadable meanwhile: the memo keeps its text
    etat_->file_state.commentaire_lu = lu;
    montre_le_commentaire(*lu.lignes);
}

void TForm1::suit_le_commentaire() {
    FileState& suivi = etat_->file_state;
    const QString& fichier = suivi.fichier_commentaire;
    if (supprime_blancs(fichier).isEmpty()) return;
    // A look at the file's times at each tick; it is read only when they moved.
    const platform::FileTimes temps = platform::file_times(fichier);
    if (temps == suivi.commentaire_lu.temps) return;
    const std::optional<QStringList> sur_disque = lignes_du_fichier_commentaire(fichier);
    switch (etat_du_commentaire(suivi.commentaire_lu.lignes, sur_disque, lignes_du_commentaire(),
                                Memo2->document()->isEmpty())) {
        case EtatDuCommentaire::change_ailleurs:
            // The typed text is as it was read: it takes the file's.
            suivi.commentaire_lu = {sur_disque, temps};
            montre_le_commentaire(*sur_disque);
            etat_du_commentaire_ = QStringLiteral("commentaire relu : ") + platform::native_path(fichier) +
                                   QStringLiteral(" a été modifié ailleurs");
            break;
        case EtatDuCommentaire::conflit:
            etat_du_commentaire_ = QStringLiteral("le fichier ") + platform::native_path(fichier) +
                                   QStringLiteral(" a été modifié ailleurs, et le commentaire ici aussi : "
                                                  "« Enregistrer » demandera lequel garder");
            break;
        case EtatDuCommentaire::a_jour:
            suivi.commentaire_lu = {sur_disque, temps};
            etat_du_commentaire_.clear();
            break;
        case EtatDuCommentaire::modifie:
            // Touched only, or gone: nothing to read again until it changes.
            if (!sur_disque || sur_disque == suivi.commentaire_lu.lignes) suivi.commentaire_lu.temps = temps;
            break;
    }
    montre_l_etat();
}
