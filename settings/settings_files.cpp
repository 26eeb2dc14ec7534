#include "settings/settings_files.h"

#include "platform/files.h"
#include "platform/locations.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QStringList>
#include <QUrl>

const QString FICHIER_COULEUR = QStringLiteral("qrt_vorn.col");
const QString FICHIER_DERNIER_DOSSIER = QStringLiteral("~qrt_vorn_rep.~r");
const QString FICHIER_DERNIER_NOM = QStringLiteral("~qrt_vorn_rep.~f");

QString chemin_du_reglage(const QString& nom_fichier) { return platform::settings_folder() + nom_fichier; }

namespace {
// The texts of the settings files in the program's language.
struct SettingsText {
    Q_DECLARE_TR_FUNCTIONS(settings)
};

EchecDuReglage echec_d_ecriture(const QString& path, const QString& raison, bool tonalite) {
    return {path, SettingsText::tr("Cannot write file \"%1\". %2").arg(platform::native_path(path), raison), tonalite};
}
}  // namespace

void WriteFailures::ajoute(const std::optional<EchecDuReglage>& echec) {
    if (!echec) return;
    bool a_dire = true;
    if (!echec->chemin.isEmpty()) {
        a_dire = !reported.contains(echec->chemin);
        reported.insert(echec->chemin);
    }
    if (signale) signale(*echec, a_dire);
}

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

std::optional<EchecDuReglage> ecrit_parametre(const QString& valeur, const QString& nom_fichier, int n) {
    if (n > MAX_PARAMETRE) {
        // Nothing is stored past line 20.
        return EchecDuReglage{
            {},
            SettingsText::tr(" max_parametre = %1\n augmenter ce nombre dans le source...").arg(MAX_PARAMETRE),
            false};
    }
    if (n < 1) return std::nullopt;
    const QString path = chemin_du_reglage(nom_fichier);
    QStringList lines(MAX_PARAMETRE);
    if (const auto old = platform::try_read_text_lines(path, MAX_PARAMETRE)) {
        for (qsizetype i = 0; i < old->size(); ++i) lines[i] = old->at(i);
    }
    lines[n - 1] = valeur;
    if (const auto raison = platform::write_text_lines(path, lines)) return echec_d_ecriture(path, *raison, false);
    return std::nullopt;
}

void ecrit_parametre(const QString& valeur, const QString& nom_fichier, int n, WriteFailures& echecs) {
    echecs.ajoute(ecrit_parametre(valeur, nom_fichier, n));
}

QString lit_ligne_unique(const QString& nom_fichier) {
    const auto lines = platform::try_read_text_lines(chemin_du_reglage(nom_fichier), 1);
    if (!lines || lines->isEmpty()) return {};
    return lines->first();
}

std::optional<EchecDuReglage> ecrit_ligne_unique(const QString& nom_fichier, const QString& valeur) {
    const QString path = chemin_du_reglage(nom_fichier);
    if (const auto raison = platform::write_text_lines(path, QStringList{valeur})) {
        return echec_d_ecriture(path, *raison, true);
    }
    return std::nullopt;
}

void ecrit_ligne_unique(const QString& nom_fichier, const QString& valeur, WriteFailures& echecs) {
    echecs.ajoute(ecrit_ligne_unique(nom_fichier, valeur));
}

QStringList lit_lignes(const QString& nom_fichier) {
    return platform::try_read_text_lines(chemin_du_reglage(nom_fichier)).value_or(QStringList());
}

void ecrit_lignes(const QString& nom_fichier, const QStringList& lignes, WriteFailures& echecs) {
    const QString path = chemin_du_reglage(nom_fichier);
    if (const auto raison = platform::save_text_lines(path, lignes))
        echecs.ajoute(echec_d_ecriture(path, *raison, false));
}

QString chemin_en_ligne(const QString& chemin) {
    return QString::fromLatin1(QUrl::toPercentEncoding(chemin, QByteArrayLiteral("/:\\")));
}

QString chemin_de_ligne(const QString& texte) { return QUrl::fromPercentEncoding(texte.toUtf8()); }

std::array<int, 3> lit_couleur_fenetre() {
    static const QString defauts[3] = {QStringLiteral("201"), QStringLiteral("202"), QStringLiteral("203")};
    std::array<int, 3> rvb{};
    for (int i = 0; i < 3; ++i) {
        rvb[static_cast<std::size_t>(i)] =
            platform::str_to_int(lit_parametre_defaut(FICHIER_COULEUR, i + 1, defauts[i])) & 0xFF;
    }
    return rvb;
}

void ecrit_couleur_fenetre(const std::array<int, 3>& rvb, WriteFailures& echecs) {
    for (int i = 0; i < 3; ++i) {
        ecrit_parametre(platform::decimal(rvb[static_cast<std::size_t>(i)]), FICHIER_COULEUR, i + 1, echecs);
    }
}
