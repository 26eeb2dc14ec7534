#include "analysis/pass_report.h"

#include "platform/errors.h"
#include "platform/numbers.h"

namespace {

using platform::decimal;

// A text from the file as a message shows it: a tab as "⇥", the other
// control characters (which could drive a terminal or cut a label) as "�".
QString visible(QStringView texte) {
    QString out;
    out.reserve(texte.size());
    for (const QChar c : texte) {
        const char16_t u = c.unicode();
        if (u == u'\t') {
            out += QChar(0x21E5);
        } else if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0)) {
            out += QChar(0xFFFD);
        } else {
            out += c;
        }
    }
    return out;
}

// The line's number as an editor shows it.
QString numero(const LigneIgnoree& l) { return decimal(static_cast<std::int64_t>(l.indice) + 1); }

// "« … » n'est pas un enregistrement (why)"
QString pourquoi(const LigneIgnoree& l) {
    return QStringLiteral("« %1 » n'est pas un enregistrement (%2)")
        .arg(platform::citation(visible(l.debut)), visible(l.erreur));
}

}  // namespace

QString texte_nb_lignes(qsizetype nb_lignes, std::int32_t nb_ignorees) {
    QString texte = decimal(static_cast<std::int64_t>(nb_lignes)) + QStringLiteral(" lignes");
    if (nb_ignorees == 1) texte += QStringLiteral(" (1 ignorée)");
    if (nb_ignorees > 1) texte += QStringLiteral(" (%1 ignorées)").arg(decimal(nb_ignorees));
    return texte;
}

QString texte_lignes_ignorees(const QString& fichier, const PasseDesLignes& passe, LigneNommee laquelle) {
    if (passe.nb_lignes_ignorees == 0 || passe.lignes_ignorees.empty()) return {};
    if (passe.nb_lignes_ignorees == 1) {
        const LigneIgnoree& l = passe.lignes_ignorees.front();
        return QStringLiteral("%1, ligne %2 ignorée : ").arg(fichier, numero(l)) + pourquoi(l);
    }
    const bool premiere = laquelle == LigneNommee::premiere;
    const LigneIgnoree& l = premiere ? passe.lignes_ignorees.front() : passe.lignes_ignorees.back();
    return QStringLiteral("%1 : %2 lignes ignorées ; la %3, ligne %4 : ")
               .arg(fichier, decimal(passe.nb_lignes_ignorees),
                    premiere ? QStringLiteral("première") : QStringLiteral("dernière"), numero(l)) +
           pourquoi(l);
}

QString texte_sans_enregistrement(const PasseDesLignes& passe, qsizetype nb_lignes) {
    const QString debut = QStringLiteral("aucun enregistrement : ");
    const QString ligne = decimal(static_cast<std::int64_t>(passe.ligne_de_fin) + 1);
    if (nb_lignes == 0) return debut + QStringLiteral("le fichier est vide");
    if (passe.fin == FinDeLecture::sauvegarde) {
        return debut + QStringLiteral("la ligne %1 (« SAUVEGARDE ») arrête la lecture avant les données").arg(ligne);
    }
    if (passe.fin == FinDeLecture::ligne_vide) {
        return debut + QStringLiteral("la ligne %1, vide, arrête la lecture avant les données").arg(ligne);
    }
    if (!passe.entete_vu) {
        return debut + QStringLiteral("pas de ligne d'en-tête « Heure » après les deux lignes de titre");
    }
    if (!passe.origine_vue) {
        return debut + (passe.nb_lignes_ignorees > 0
                            ? QStringLiteral("aucune ligne lisible après l'en-tête « Heure »")
                            : QStringLiteral("pas de ligne de données après l'en-tête « Heure »"));
    }
    return debut + QStringLiteral("une seule ligne de données, qui fixe l'origine des temps");
}

QString texte_aucune_duree_montree(long double x_max, bool chiffres_precedents) {
    return QStringLiteral("aucune durée en deçà de X max = %1 : ").arg(platform::general(x_max)) +
           (chiffres_precedents ? QStringLiteral("les chiffres restent ceux du calcul précédent de ce fichier")
                                : QStringLiteral("pas de chiffres"));
}

bool LignesSignalees::signale(const QString& fichier, const PasseDesLignes& passe) {
    if (passe.lignes_ignorees.empty()) return false;
    QSet<QString>& deja = deja_[fichier];
    bool nouvelle = false;
    for (const LigneIgnoree& l : passe.lignes_ignorees) {
        const QString cle = decimal(static_cast<std::int64_t>(l.indice)) + QLatin1Char('\n') + l.debut;
        if (!deja.contains(cle)) {
            deja.insert(cle);
            nouvelle = true;
        }
    }
    return nouvelle;
}
