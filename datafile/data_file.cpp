#include "datafile/data_file.h"

#include "platform/files.h"

QString fichier_donnees_choisi(const QString& chemin_choisi) {
    static const QString commentaire = QStringLiteral(".comment");
    QString chemin = chemin_choisi;
    const qsizetype position = chemin.indexOf(commentaire, 0, Qt::CaseSensitive);
    if (position >= 0) chemin.remove(position, commentaire.size());
    return chemin;
}

QString nom_fichier_commentaire(const QString& fichier_donnees) {
    static const QString txt = QStringLiteral(".txt");
    QString chemin = fichier_donnees;
    const qsizetype position = chemin.indexOf(txt, 0, Qt::CaseSensitive);
    if (position >= 0) chemin.remove(position, txt.size());
    return chemin + QStringLiteral(".comment");
}

std::int32_t taille_fichier(const QString& nom) { return platform::file_size(nom); }
