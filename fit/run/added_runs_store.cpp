#include "fit/run/added_runs_store.h"

#include "fit/run/fit_choices.h"
#include "platform/files.h"

const QString FICHIER_RUNS_AJOUTES = QStringLiteral("qrt_vorn.run");

RunsAjoutesParFichier lit_runs_ajoutes_par_fichier(const QString& suivi, WriteFailures& echecs) {
    RunsAjoutesParFichier runs;
    if (!platform::file_exists(chemin_du_reglage(FICHIER_RUNS_AJOUTES))) {
        const QStringList anciens = lit_runs_ajoutes(&echecs);
        if (suivi.isEmpty() || anciens.isEmpty()) return runs;
        runs[suivi] = anciens;
        ecrit_runs_ajoutes_par_fichier(runs, echecs);
        return runs;
    }
    for (const QString& ligne : lit_lignes(FICHIER_RUNS_AJOUTES, &echecs)) {
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (egal <= 0) continue;  // a hand-edited line: left out
        QStringList ajoutes;
        for (const QString& mot : ligne.mid(egal + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            ajoutes << chemin_de_ligne(mot);
        }
        if (!ajoutes.isEmpty()) runs[chemin_de_ligne(ligne.first(egal))] = ajoutes;
    }
    return runs;
}

void ecrit_runs_ajoutes_par_fichier(const RunsAjoutesParFichier& runs, WriteFailures& echecs) {
    QStringList lignes;
    for (const auto& [suivi, ajoutes] : runs) {
        if (ajoutes.isEmpty()) continue;
        QStringList mots;
        for (const QString& f : ajoutes) mots << chemin_en_ligne(f);
        lignes << chemin_en_ligne(suivi) + QLatin1Char('=') + mots.join(QLatin1Char(' '));
    }
    ecrit_lignes(FICHIER_RUNS_AJOUTES, lignes, echecs);
}
