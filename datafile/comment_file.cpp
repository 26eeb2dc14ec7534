#include "datafile/comment_file.h"

#include "platform/files.h"
#include "platform/textfile.h"

EnregistrementCommentaire enregistre_commentaire(const QString& fichier_commentaire, const QStringList& lignes) {
    const QString montre = platform::native_path(fichier_commentaire);
    if (const auto raison = platform::save_text_lines(fichier_commentaire, lignes)) {
        return {false, QStringLiteral(" le commentaire n'a pas pu être enregistré dans le fichier ") + montre +
                           QStringLiteral("\n") + *raison};
    }
    return {true, QStringLiteral(" le commentaire à été enregistré dans le fichier ") + montre};
}

bool commentaire_modifie(const QString& fichier_commentaire, const QStringList& lignes, bool memo_vide) {
    const auto enregistrees = platform::try_read_text_lines(fichier_commentaire);
    if (!enregistrees) return !memo_vide;
    return *enregistrees != lignes;
}
