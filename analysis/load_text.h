#pragma once
// The texts of a load, made here from its numbers (analysis/load.h) so that
// the window (its captions, its box, its status line) and vorns-fit say the
// same: the line count, the lines skipped as no record, why a file gave no
// record, the records past the capacity, a run none of whose durations lies
// in the shown classes, the figures, the class listing and its trace.
#include "analysis/class_pass.h"
#include "analysis/record_pass.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// What a figure without a value shows (1 / Tau with Tau = 0, an activity over no time).
extern const QString TEXTE_INDEFINI;

// "1234 lignes", or with the skipped lines "1234 lignes (1 ignorée)", "(3 ignorées)".
QString texte_nb_lignes(qsizetype nb_lignes, std::int32_t nb_ignorees);
// The same followed by ", cumul = " and the total of the durations ("#.##").
QString texte_lignes_et_cumul(qsizetype nb_lignes, std::int32_t nb_ignorees, long double cumul_durees);

enum class LigneNommee { premiere, derniere };
// The lines the pass skipped, in `fichier` as the caller names it: how many,
// and the first or the last of them by its number as an editor shows it (from
// 1), its text (at most 100 characters, then "…"; control characters made
// visible) and why it is no record. Empty when the pass skipped no line.
QString texte_lignes_ignorees(const QString& fichier, const PasseDesLignes& passe,
                              LigneNommee laquelle = LigneNommee::premiere);

// Why a pass made no record (it made none): an empty file, no column header,
// a stop line or an empty line before the data, only unreadable lines after
// the header, or only the line of the time origin.
QString texte_sans_enregistrement(const PasseDesLignes& passe);

// The file's format; for another apparatus's, the unit of its durations, the
// time of day of its first line in the computer's local time and, for two
// integers, the seconds of its count records: "format two-integers : 1 unité =
// 1 ns, début 11:49:22 heure locale, 3600 s de comptage".
QString texte_du_format(const PasseDesLignes& passe);
// A time of day from its minutes since midnight: "11:49:22".
QString texte_heure_du_jour(long double minutes);

// The file held more records than the store: those past it were not read.
QString texte_capacite_depassee();

// The last line had no line end (the acquisition was writing it): it was not read.
QString texte_ligne_en_attente();

// The records exist but no duration lies in the shown classes (below X max):
// the figures are not computed, and either the former ones of the same file
// stay or there are none.
QString texte_aucune_duree_montree(long double x_max, bool chiffres_precedents);

// A time in minutes as the counters show it ("#.##": 0 shows as nothing).
QString texte_minutes(long double minutes);
// The acquisition time (minutes) in hours, or in days from one day on:
// " (1.5 h )", " (2 j)".
QString texte_duree_acquisition(long double minutes);

// The figures as the statistics block shows them. For a run whose unit is
// known (its durations are times), Tau, Lambda, T 1/2 and the activity that
// "0.###" would show as 0 keep four significant digits: Lambda of a run in ns,
// 1 / 2854.638 = 0.0003503, not 0.
struct TextesDesChiffres {
    QString duree_totale_moyennes;  // "0.#"
    QString duree_totale_centres;   // "0.#"
    QString evenements;
    QString tau;       // "0.###", and so are the others but Cm
    QString lambda;    // TEXTE_INDEFINI without a value
    QString demi_vie;  // T 1/2
    QString cm;        // "12 [ classe 4]": the count, then the class's number (from 1)
    QString c0;
    QString activite;  // TEXTE_INDEFINI without a value
};
TextesDesChiffres textes_des_chiffres(const Chiffres& chiffres, bool unite_connue);

// The trace of a class pass (the hidden memo): the class count, one line per
// shown class with its count and mean, the total of the means, the total by
// class centres. Read from the table the pass has just filled.
QStringList lignes_de_trace(std::int32_t n_classe, const ClassTable& table);

// The class listing: for each shown class its number, its lower bound and
// its count, three blanks apart, as series 2 of the store holds them (the
// stored 64-bit values).
QStringList lignes_du_listing(std::int32_t n_classe, const RecordStore& store);
