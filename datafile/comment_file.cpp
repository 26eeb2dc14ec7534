#include "datafile/comment_file.h"

#include "platform/files.h"
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

bool commentaire_modifie(const QString& fichier_commentaire, const QStringList& lignes, bool memo_vide) {
    const auto enregistrees = platform::try_read_text_lines(fichier_commentaire);
    if (!enregistrees) return !memo_vide;
    return *enregistrees != lignes;
}
