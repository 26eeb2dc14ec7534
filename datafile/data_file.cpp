#include "datafile/data_file.h"

#include "platform/files.h"

#include <QCoreApplication>

namespace {

// The file dialog's texts in the program's language.
struct DataFileText {
    Q_DECLARE_TR_FUNCTIONS(data_file)
};

// The path with the first `partie` of its file's name removed.
QString sans_dans_le_nom(const QString& chemin, QStringView partie) {
    QString nom = platform::name_part(chemin);
    const qsizetype position = nom.indexOf(partie, 0, Qt::CaseSensitive);
    if (position >= 0) nom.remove(position, partie.size());
    return platform::folder_part(chemin) + nom;
}

}  // namespace

QString fichier_donnees_choisi(const QString& chemin_choisi) { return sans_dans_le_nom(chemin_choisi, u".comment"); }

QString nom_fichier_commentaire(const QString& fichier_donnees) {
    return sans_dans_le_nom(fichier_donnees, u".txt") + QStringLiteral(".comment");
}

std::int32_t taille_fichier(const QString& nom) { return platform::file_size(nom); }

void filtres_des_donnees(platform::OpenFileRequest& demande) {
    // The apparatus of other labs write ".data" and ".dat" files as well.
    demande.filter_description = DataFileText::tr("Data files (*.txt, *.dat, *.data)");
    demande.filter_pattern = QStringLiteral("*.txt* *.dat *.data");
    demande.other_filters = {DataFileText::tr("Text files (*.txt*)"), DataFileText::tr("All files (*)")};
}
