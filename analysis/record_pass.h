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

// Minutes since midnight of the time field (field 1, tab-separated, h:m:s).
// Raises the integer conversion error when a part is missing or not an integer.
long double lit_heure(QStringView ligne);
// The duration field (field 2, tab-separated); "." and "," both read as the
// decimal mark. Raises the real conversion error when missing or not a number.
long double lit_valeur(QStringView ligne);

struct PasseDesLignes {
    long double derniere_duree = 0;  // elapsed time of the last record, 0 without records
    bool capacite_depassee = false;  // a record past NB_MAX_DONNEES was met (and not read)
};

// Rebuilds series 1 of `store` from `lignes` and sets `cumul_durees`, then
// `duree_acquisition`. Reading stops at a record past NB_MAX_DONNEES, so that
// the store, the total and the acquisition time hold the first 50000 records.
// A conversion error ends the pass where it stands: the records made so far
// stay, with `nb_points[1]` and `cumul_durees` counting them, and
// `duree_acquisition` keeps its former value. A last line that cannot be read
// and has no line end after it is still being written: the pass ends before it
// as if it were not there. Series 2 is never touched.
//
// The lines are read either the plain way, each field cut and each number
// converted from its text, or the quick way, which gives the same records, the
// same errors and the same texts in them.
enum class Lecture { simple, rapide };
PasseDesLignes passe_des_lignes(const QStringList& lignes, RecordStore& store, Lecture lecture = Lecture::rapide);
PasseDesLignes passe_des_lignes(const platform::PackedLines& lignes, RecordStore& store,
                                Lecture lecture = Lecture::rapide);
