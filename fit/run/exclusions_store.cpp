#include "fit/run/exclusions_store.h"

#include "platform/errors.h"

const QString FICHIER_EXCLUSIONS = QStringLiteral("qrt_vorn.exc");

ExclusionsParFichier lit_exclusions(WriteFailures* echecs) {
    ExclusionsParFichier exclusions;
    for (const QString& ligne : lit_lignes(FICHIER_EXCLUSIONS, echecs)) {
        const QStringList mots = ligne.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (mots.size() != 2) continue;
        try {
            const ExcludedSpan span = read_excluded_span(mots[1]);
            exclusions[chemin_de_ligne(mots[0])].push_back(span);
        } catch (const platform::Error&) {
            // a hand-edited line: left out
        }
    }
    return exclusions;
}

void ecrit_exclusions(const ExclusionsParFichier& exclusions, WriteFailures& echecs) {
    QStringList lignes;
    for (const auto& [fichier, spans] : exclusions) {
        for (const ExcludedSpan& s : spans)
            lignes << chemin_en_ligne(fichier) + QLatin1Char(' ') + excluded_span_option(s);
    }
    ecrit_lignes(FICHIER_EXCLUSIONS, lignes, echecs);
}
