#include "datafile/comment_file.h"

#include "platform/files.h"
#include "platform/textfile.h"

QString enregistre_commentaire(const QString& fichier_commentaire, const QStringList& lignes) {
    const QString montre = platform::native_path(fichier_commentaire);
    if (const auto raison = platform::save_text_lines(fichier_commentaire, lignes)) {
        return QStringLiteral(" le commentaire n'a pas pu être enregistré dans le fichier ") + montre +
               QStringLiteral("\n") + *raison;
    }
    return QStringLiteral(" le commentaire à été enregistré dans le fichier ") + montre;
}
