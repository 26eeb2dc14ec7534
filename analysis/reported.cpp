#include "analysis/reported.h"

#include "platform/numbers.h"

bool Signalements::lignes_nouvelles(const QString& fichier, const PasseDesLignes& passe) {
    if (passe.lignes_ignorees.empty()) return false;
    QSet<QString>& deja = lignes_[fichier];
    bool nouvelle = false;
    for (const LigneIgnoree& l : passe.lignes_ignorees) {
        const QString cle = platform::decimal(static_cast<std::int64_t>(l.indice)) + QLatin1Char('\n') + l.debut;
        if (!deja.contains(cle)) {
            deja.insert(cle);
            nouvelle = true;
        }
    }
    return nouvelle;
}

bool Signalements::capacite_nouvelle(const QString& fichier, const PasseDesLignes& passe) {
    if (!passe.capacite_depassee || capacite_.contains(fichier)) return false;
    capacite_.insert(fichier);
    return true;
}
