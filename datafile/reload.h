#pragma once
// Whether the refresh tick loads the followed file again: what a load saw of
// the file, and the tick's comparison of the file with it.
#include "datafile/file_state.h"
#include "platform/files.h"
#include "platform/textfile.h"

#include <QString>
#include <cstdint>
#include <functional>

// What a load sees of the data file before it reads it, and what the next
// ticks compare with the file to decide whether to load it again.
struct VueDuFichier {
    std::int32_t taille = -1;
    std::int32_t date = -1;
    std::int64_t changement = -1;
    bool recent = false;  // changed less than two seconds before it was taken
};

// The view of a file of `taille` bytes with these times, taken at `maintenant`
// (milliseconds since the epoch). Its change is recent when it lies less than
// two seconds before `maintenant`, or after it (another machine's clock): file
// systems keep their times to a few milliseconds, some to two seconds.
VueDuFichier vue_prise(std::int32_t taille, const platform::FileTimes& temps, std::int64_t maintenant);
// The view of the file now: the clock is read first, so that a change made
// after it is never called old, then the file's size and times.
VueDuFichier vue_du_fichier(const QString& nom);

// Stores the view in `etat` as the one the last load saw.
void retiens_la_vue(const VueDuFichier& vue, FileState& etat);
// Whether size, stamp and change time are those the last load saw.
bool meme_vue(const VueDuFichier& vue, const FileState& etat);

// Whether the file's lines differ from `lignes`. A file that cannot be read
// has no line, as the memo after a load that could not read it.
bool lignes_differentes(const QString& fichier, const platform::PackedLines& lignes);

// The tick's decision from the view it has just taken. With `sur_changement`
// off, every tick reloads. Otherwise a changed size, stamp or change time
// reloads; when all three are as the last load saw them but that load saw a
// recent change, a rewrite of the same size may hide behind them, and
// `lignes_changees` (asked only then) tells; while the lines are the same,
// etat.changement_recent follows the view, so the comparison stops once the
// change is old.
bool recharge_au_tick(const VueDuFichier& vue, bool sur_changement, FileState& etat,
                      const std::function<bool()>& lignes_changees);

// The period of the refresh tick, in milliseconds, for the refresh field's
// whole seconds; 0 stops the timer (a period of 0 seconds or a negative one,
// which cannot be a period at all). Periods beyond what the timer can hold
// are cut to its longest one.
int periode_du_tick(std::int32_t secondes);
