#pragma once
// What a load tells the user of its lines, made here from the results of the
// record and class passes so that the window (its box, its status line, its
// line count) and vorns-fit say the same: the lines skipped as no record, why
// a file gave no record, and a run none of whose durations lies in the shown
// classes.
#include "analysis/record_pass.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <cstdint>

// "1234 lignes", or with the skipped lines "1234 lignes (1 ignorée)", "(3 ignorées)".
QString texte_nb_lignes(qsizetype nb_lignes, std::int32_t nb_ignorees);

enum class LigneNommee { premiere, derniere };
// The lines the pass skipped, in `fichier` as the caller names it: how many,
// and the first or the last of them by its number as an editor shows it (from
// 1), its text (at most 100 characters, then "…"; control characters made
// visible) and why it is no record. Empty when the pass skipped no line.
QString texte_lignes_ignorees(const QString& fichier, const PasseDesLignes& passe,
                              LigneNommee laquelle = LigneNommee::premiere);

// Why a pass over `nb_lignes` lines made no record (it made none): an empty
// file, no column header, a stop line or an empty line before the data, only
// unreadable lines after the header, or only the line of the time origin.
QString texte_sans_enregistrement(const PasseDesLignes& passe, qsizetype nb_lignes);

// The records exist but no duration lies in the shown classes (below X max):
// the figures are not computed, and either the former ones of the same file
// stay or there are none.
QString texte_aucune_duree_montree(long double x_max, bool chiffres_precedents);

// The skipped lines already reported, file by file, so that each is reported once.
class LignesSignalees {
public:
    // Takes the skipped lines of `passe` in `fichier` as reported; true when
    // one of them had not been reported yet.
    bool signale(const QString& fichier, const PasseDesLignes& passe);

private:
    QHash<QString, QSet<QString>> deja_;  // by file: line number and start of each line reported
};
