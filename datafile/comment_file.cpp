#include "datafile/comment_file.h"

#include "platform/errors.h"
#include "platform/textfile.h"

#include <QCoreApplication>

namespace {
// The comment file's texts in the program's language.
struct CommentText {
    Q_DECLARE_TR_FUNCTIONS(comment_file)
};
}  // namespace

EnregistrementCommentaire enregistre_commentaire(const QString& fichier_commentaire, const QStringList& lignes) {
    const QString montre = platform::native_path(fichier_commentaire);
    if (const auto raison = platform::save_text_lines(fichier_commentaire, lignes)) {
        return {
            false,
            CommentText::tr(" le commentaire n'a pas pu être enregistré dans le fichier %1\n%2").arg(montre, *raison)};
    }
    return {true, CommentText::tr(" le commentaire à été enregistré dans le fichier %1").arg(montre)};
}

CommentaireLu lit_commentaire(const QString& fichier_commentaire) {
    CommentaireLu lu;
    lu.temps = platform::file_times(fichier_commentaire);
    QString pourquoi;
    lu.lignes = platform::try_read_text_lines(fichier_commentaire, -1, &pourquoi);
    if (!pourquoi.isEmpty()) platform::raise_cannot_open(fichier_commentaire, pourquoi);
    return lu;
}

std::optional<QStringList> lignes_du_fichier_commentaire(const QString& fichier_commentaire) {
    return platform::try_read_text_lines(fichier_commentaire);
}

EtatDuCommentaire etat_du_commentaire(const std::optional<QStringList>& lu,
                                      const std::optional<QStringList>& sur_disque, const QStringList& memo,
                                      bool memo_vide) {
    // Without a file the memo is the only copy: typed text is for the user to save.
    if (!sur_disque) return memo_vide ? EtatDuCommentaire::a_jour : EtatDuCommentaire::modifie;
    if (*sur_disque == memo) return EtatDuCommentaire::a_jour;
    if (lu == sur_disque) return EtatDuCommentaire::modifie;
    // The file changed since it was read (or appeared): is the memo still what was read?
    const bool memo_comme_lu = lu ? *lu == memo : memo_vide;
    return memo_comme_lu ? EtatDuCommentaire::change_ailleurs : EtatDuCommentaire::conflit;
}
