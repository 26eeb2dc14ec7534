#include "settings/settings_files.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/locations.h"
#include "platform/numbers.h"
#include "platform/report.h"
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

// The lines of a settings file, at most `max_lines`; a file that is there and
// is not read is told, and gives none.
std::optional<QStringList> lignes_du_reglage(const QString& path, int max_lines, WriteFailures* echecs) {
    QString pourquoi;
    auto lignes = platform::try_read_text_lines(path, max_lines, &pourquoi);
    if (!lignes && !pourquoi.isEmpty() && echecs) {
        echecs->ajoute(EchecDuReglage{
            path,
            QStringLiteral("Cannot read file \"%1\". %2. Its settings keep their defaults.")
                .arg(platform::native_path(path), pourquoi),
            false, true});
    }
    return lignes;
}

// Stores each value at its line (from 1 to MAX_PARAMETRE), the other lines
// kept: the file then holds exactly 20 lines, written at once.
std::optional<EchecDuReglage> ecrit_aux_lignes(const QString& nom_fichier,
                                               std::initializer_list<std::pair<int, QString>> valeurs) {
    const QString path = chemin_du_reglage(nom_fichier);
    QStringList lines(MAX_PARAMETRE);
    if (const auto old = platform::try_read_text_lines(path, MAX_PARAMETRE)) {
        for (qsizetype i = 0; i < old->size(); ++i) lines[i] = old->at(i);
    }
    for (const auto& [n, valeur] : valeurs) lines[n - 1] = valeur;
    if (const auto raison = platform::save_text_lines(path, lines)) return echec_d_ecriture(path, *raison, false);
    return std::nullopt;
}
}  // namespace

void WriteFailures::ajoute(const std::optional<EchecDuReglage>& echec) {
    if (!echec) return;
    bool a_dire = true;
    if (!echec->chemin.isEmpty()) {
        // A file told for its read is told again for a failed write.
        const QString cle = (echec->lecture ? QStringLiteral("r ") : QStringLiteral("w ")) + echec->chemin;
        a_dire = !reported.contains(cle);
        reported.insert(cle);
    }
    if (signale) signale(*echec, a_dire);
}

QString lit_parametre(const QString& nom_fichier, int n, WriteFailures* echecs) {
    if (n < 1) return {};
    const auto lines = lignes_du_reglage(chemin_du_reglage(nom_fichier), n, echecs);
    if (!lines || lines->isEmpty()) return {};
    return lines->last();
}

QString lit_parametre_defaut(const QString& nom_fichier, int n, const QString& defaut, WriteFailures* echecs) {
    const QString value = lit_parametre(nom_fichier, n, echecs);
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
    return ecrit_aux_lignes(nom_fichier, {{n, valeur}});
}

void ecrit_parametre(const QString& valeur, const QString& nom_fichier, int n, WriteFailures& echecs) {
    echecs.ajoute(ecrit_parametre(valeur, nom_fichier, n));
}

QString lit_ligne_unique(const QString& nom_fichier, WriteFailures* echecs) {
    const auto lines = lignes_du_reglage(chemin_du_reglage(nom_fichier), 1, echecs);
    if (!lines || lines->isEmpty()) return {};
    return lines->first();
}

std::optional<EchecDuReglage> ecrit_ligne_unique(const QString& nom_fichier, const QString& valeur) {
    const QString path = chemin_du_reglage(nom_fichier);
    if (const auto raison = platform::save_text_lines(path, QStringList{valeur})) {
        return echec_d_ecriture(path, *raison, true);
    }
    return std::nullopt;
}

void ecrit_ligne_unique(const QString& nom_fichier, const QString& valeur, WriteFailures& echecs) {
    echecs.ajoute(ecrit_ligne_unique(nom_fichier, valeur));
}

QStringList lit_lignes(const QString& nom_fichier, WriteFailures* echecs) {
    return lignes_du_reglage(chemin_du_reglage(nom_fichier), -1, echecs).value_or(QStringList());
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

std::array<int, 3> lit_couleur_fenetre(WriteFailures& echecs) {
    static const QString defauts[3] = {QStringLiteral("201"), QStringLiteral("202"), QStringLiteral("203")};
    std::array<int, 3> rvb{};
    QStringList mauvaises;
    // Read once: line n as lit_parametre gives it, the last line of a shorter file.
    const QStringList lignes = lignes_du_reglage(chemin_du_reglage(FICHIER_COULEUR), 3, &echecs).value_or(QStringList());
    for (int i = 0; i < 3; ++i) {
        QString ligne = lignes.isEmpty() ? QString() : lignes.value(i, lignes.last());
        if (ligne.isEmpty()) ligne = defauts[i];
        const auto valeur = platform::error_of([&] { rvb[static_cast<std::size_t>(i)] = platform::str_to_int(ligne); });
        if (valeur) {
            // Binary junk is quoted by what can be printed of it.
            QString montre = *valeur;
            for (QChar& c : montre) {
                if (!c.isPrint()) c = QChar(0xFFFD);
            }
            mauvaises << QStringLiteral("line %1: %2").arg(i + 1).arg(montre);
            rvb[static_cast<std::size_t>(i)] = defauts[i].toInt();
        }
        rvb[static_cast<std::size_t>(i)] &= 0xFF;
    }
    if (!mauvaises.isEmpty()) {
        const QString path = chemin_du_reglage(FICHIER_COULEUR);
        echecs.ajoute(EchecDuReglage{path,
                                     QStringLiteral("File \"%1\", %2. The window colour takes its default there.")
                                         .arg(platform::native_path(path), mauvaises.join(QStringLiteral(", "))),
                                     false, true});
    }
    return rvb;
}

void ecrit_couleur_fenetre(const std::array<int, 3>& rvb, WriteFailures& echecs) {
    echecs.ajoute(ecrit_aux_lignes(FICHIER_COULEUR, {{1, platform::decimal(rvb[0])},
                                                     {2, platform::decimal(rvb[1])},
                                                     {3, platform::decimal(rvb[2])}}));
}
