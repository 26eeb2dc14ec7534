#include "settings/language_choice.h"

#include "platform/translations.h"

const QString FICHIER_LANGUE = QStringLiteral("qrt_vorn.lng");

namespace {
const QString kKey = QStringLiteral("language=");
}

QString lit_langue_choisie() {
    for (const QString& ligne : lit_lignes(FICHIER_LANGUE)) {
        if (!ligne.startsWith(kKey)) continue;
        const QString valeur = ligne.mid(kKey.size()).trimmed();
        return platform::spoken_languages().contains(valeur) ? valeur : QString();
    }
    return {};
}

void ecrit_langue_choisie(const QString& langue, WriteFailures& echecs) {
    const bool parlee = platform::spoken_languages().contains(langue);
    ecrit_lignes(FICHIER_LANGUE, {kKey + (parlee ? langue : QStringLiteral("system"))}, echecs);
}
