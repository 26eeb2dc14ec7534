#include "settings/settings_files.h"

#include "platform/files.h"
#include "platform/locations.h"
#include "platform/numbers.h"
#include "platform/seams.h"
#include "platform/textfile.h"

#include <QStringList>

const QString FICHIER_COULEUR = QStringLiteral("qrt_vorn.col");
const QString FICHIER_DERNIER_DOSSIER = QStringLiteral("~qrt_vorn_rep.~r");
const QString FICHIER_DERNIER_NOM = QStringLiteral("~qrt_vorn_rep.~f");

QString chemin_du_reglage(const QString& nom_fichier) { return platform::settings_folder() + nom_fichier; }

namespace {
// A settings file that cannot be written (a read-only program folder, say)
// is reported once per run and file: the user learns that the setting will
// not be remembered, without a box at every file choice.
void signale_echec(const QString& path, const QString& raison, WriteFailures& echecs) {
    if (echecs.reported.contains(path)) return;
    echecs.reported.insert(path);
    platform::show_message(QStringLiteral("Cannot write file \"%1\". %2").arg(platform::native_path(path), raison));
}
}  // namespace

QString lit_parametre(const QString& nom_fichier, int n) {
    if (n < 1) return {};
    const auto lines = platform::try_read_text_lines(chemin_du_reglage(nom_fichier), n);
    if (!lines || lines->isEmpty()) return {};
    return lines->last();
}

QString lit_parametre_defaut(const QString& nom_fichier, int n, const QString& defaut) {
    const QString value = lit_parametre(nom_fichier, n);
    return value.isEmpty() ? defaut : value;
}

void ecrit_parametre(const QString& valeur, const QString& nom_fichier, int n, WriteFailures& echecs) {
    if (n > MAX_PARAMETRE) {
        platform::show_message(QStringLiteral(" max_parametre = ") + platform::decimal(MAX_PARAMETRE) +
                               QLatin1Char('\n') + QStringLiteral(" augmenter ce nombre dans le source..."));
        return;  // nothing is stored past line 20
    }
    if (n < 1) return;
    const QString path = chemin_du_reglage(nom_fichier);
    QStringList lines(MAX_PARAMETRE);
    if (const auto old = platform::try_read_text_lines(path, MAX_PARAMETRE)) {
        for (qsizetype i = 0; i < old->size(); ++i) lines[i] = old->at(i);
    }
    lines[n - 1] = valeur;
    if (const auto raison = platform::write_text_lines(path, lines)) signale_echec(path, *raison, echecs);
}

QString lit_ligne_unique(const QString& nom_fichier) {
    const auto lines = platform::try_read_text_lines(chemin_du_reglage(nom_fichier), 1);
    if (!lines || lines->isEmpty()) return {};
    return lines->first();
}

void ecrit_ligne_unique(const QString& nom_fichier, const QString& valeur, WriteFailures& echecs) {
    const QString path = chemin_du_reglage(nom_fichier);
    if (const auto raison = platform::write_text_lines(path, QStringList{valeur})) {
        if (platform::seams().tone) platform::seams().tone(1250, 100);
        signale_echec(path, *raison, echecs);
    }
}
