#include "datafile/data_file.h"

#include "datafile/file_state.h"
#include "platform/files.h"
#include "platform/numbers.h"

#include <QDateTime>

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

VueDuFichier vue_du_fichier(const QString& nom) {
    // The clock is read first: a change made after it is never called old.
    const qint64 maintenant = QDateTime::currentMSecsSinceEpoch();
    VueDuFichier vue;
    vue.taille = taille_fichier(nom);
    const platform::FileTimes temps = platform::file_times(nom);
    vue.date = temps.stamp;
    vue.changement = temps.change;
    // File systems keep their times to a few milliseconds, some to two
    // seconds; a time in the future (another machine's clock) is recent too.
    vue.recent = vue.changement >= 0 && vue.changement > maintenant - 2000;
    return vue;
}

void retiens_la_vue(const VueDuFichier& vue) {
    file_state.taille_precedente = vue.taille;
    file_state.date_precedente = vue.date;
    file_state.changement_precedent = vue.changement;
    file_state.changement_recent = vue.recent;
}

bool meme_vue(const VueDuFichier& vue) {
    return vue.taille == file_state.taille_precedente && vue.date == file_state.date_precedente &&
           vue.changement == file_state.changement_precedent;
}

QString texte_duree_acquisition(long double minutes) {
    if (minutes >= 1440) return QStringLiteral(" (") + platform::format_picture("0.##", minutes / 60 / 24) + QStringLiteral(" j)");
    return QStringLiteral(" (") + platform::format_picture("0.##", minutes / 60) + QStringLiteral(" h )");
}
