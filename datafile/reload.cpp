#include "datafile/reload.h"

#include "datafile/data_file.h"
#include "platform/errors.h"

#include <QDateTime>
#include <algorithm>
#include <limits>

VueDuFichier vue_prise(std::int32_t taille, const platform::FileTimes& temps, std::int64_t maintenant) {
    VueDuFichier vue;
    vue.taille = taille;
    vue.date = temps.stamp;
    vue.changement = temps.change;
    vue.recent = vue.changement >= 0 && vue.changement > maintenant - 2000;
    return vue;
}

VueDuFichier vue_du_fichier(const QString& nom) {
    const qint64 maintenant = QDateTime::currentMSecsSinceEpoch();
    const std::int32_t taille = taille_fichier(nom);
    return vue_prise(taille, platform::file_times(nom), maintenant);
}

void retiens_la_vue(const VueDuFichier& vue, FileState& etat) {
    etat.taille_precedente = vue.taille;
    etat.date_precedente = vue.date;
    etat.changement_precedent = vue.changement;
    etat.changement_recent = vue.recent;
}

bool meme_vue(const VueDuFichier& vue, const FileState& etat) {
    return vue.taille == etat.taille_precedente && vue.date == etat.date_precedente &&
           vue.changement == etat.changement_precedent;
}

bool lignes_differentes(const QString& fichier, const platform::PackedLines& lignes) {
    platform::PackedLines lues;
    try {
        lues.read_file(fichier);
    } catch (const platform::Error&) {
        lues.clear();
    }
    if (lues.size() != lignes.size()) return true;
    for (qsizetype i = 0; i < lues.size(); ++i) {
        if (lues.at(i) != lignes.at(i)) return true;
    }
    return false;
}

bool recharge_au_tick(const VueDuFichier& vue, bool sur_changement, FileState& etat,
                      const std::function<bool()>& lignes_changees) {
    if (!sur_changement) return true;
    if (!meme_vue(vue, etat)) return true;
    if (!etat.changement_recent) return false;
    if (lignes_changees()) return true;
    etat.changement_recent = vue.recent;
    return false;
}

int periode_du_tick(std::int32_t secondes) {
    if (secondes <= 0) return 0;
    const std::int64_t ms = static_cast<std::int64_t>(secondes) * 1000;
    return static_cast<int>(std::min<std::int64_t>(ms, std::numeric_limits<int>::max()));
}
