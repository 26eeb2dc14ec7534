#pragma once
// The data lines of a loaded file and the record pass that turns them into
// series 1 of the record store.
//
// Lines 0 and 1 are never data. A line containing "SAUVEGARDE" ends the data;
// empty lines are skipped before the column header (a line containing "Heure")
// and end the data after it; lines starting with "'" are comments. After the
// header, the first line sets the time origin and every later line makes one
// record: elapsed minutes since the origin (a line at or before the origin
// belongs to the next day) and the measured duration.
#include "analysis/record_store.h"
#include "platform/textfile.h"

#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <vector>

// Minutes since midnight of the time field (field 1, tab-separated, h:m:s).
// Raises the integer conversion error when a part is missing or not an integer.
long double lit_heure(QStringView ligne);
// The duration field (field 2, tab-separated); "." and "," both read as the
// decimal mark. Raises the real conversion error when missing or not a number.
long double lit_valeur(QStringView ligne);

// A line after the column header that is no record (a time or a duration
// that cannot be read): the pass skips it and goes on with the next line.
struct LigneIgnoree {
    qsizetype indice = 0;    // from 0; an editor shows it as line indice + 1
    QString debut;           // its first kDebutGarde characters
    qsizetype longueur = 0;  // its whole length
    QString erreur;          // why it is no record: the conversion error's text
    bool operator==(const LigneIgnoree&) const = default;
};

// What ended the reading of lines.
enum class FinDeLecture {
    fin_des_lignes,  // the last line was read (or, still being written, left for the next load)
    sauvegarde,      // a line holding "SAUVEGARDE"
    ligne_vide,      // an empty line after the header
    capacite,        // a record past NB_MAX_DONNEES
};

struct PasseDesLignes {
    long double derniere_duree = 0;  // elapsed time of the last record, 0 without records
    bool capacite_depassee = false;  // a record past NB_MAX_DONNEES was met (and not read)
    bool entete_vu = false;          // a column header line was met
    bool origine_vue = false;        // a line after it set the time origin
    long double origine_temps = -1;  // the origin's time of day in minutes after midnight; -1 without one
    FinDeLecture fin = FinDeLecture::fin_des_lignes;
    qsizetype ligne_de_fin = -1;  // index of the line that ended the reading; -1 at the end of the lines
    // Lines skipped as no record: how many, and the first kLignesIgnoreesGardees - 1
    // of them and the last one (all of them when there are no more).
    std::int32_t nb_lignes_ignorees = 0;
    std::vector<LigneIgnoree> lignes_ignorees;
};

inline constexpr qsizetype kDebutGarde = 200;
inline constexpr std::size_t kLignesIgnoreesGardees = 100;

// Rebuilds series 1 of `store` from `lignes` and sets `cumul_durees`, then
// `duree_acquisition`. Reading stops at a record past NB_MAX_DONNEES, so that
// the store, the total and the acquisition time hold the first 50000 records.
// A line after the header that cannot be read (the time or the duration is no
// number) is skipped and counted, and reading goes on: it changes nothing of
// the store. A last line that cannot be read and has no line end after it is
// still being written: the pass ends before it as if it were not there, and
// does not count it. Series 2 is never touched.
//
// The lines are read either the plain way, each field cut and each number
// converted from its text, or the quick way, which gives the same records, the
// same skipped lines and the same texts in them.
enum class Lecture { simple, rapide };
PasseDesLignes passe_des_lignes(const QStringList& lignes, RecordStore& store, Lecture lecture = Lecture::rapide);
PasseDesLignes passe_des_lignes(const platform::PackedLines& lignes, RecordStore& store,
                                Lecture lecture = Lecture::rapide);
