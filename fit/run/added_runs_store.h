#pragma once
// The runs added to each followed data file in the analysis window,
// remembered between runs in the settings file "qrt_vorn.run" (beside the
// other settings files): `key=value` lines, the followed file's absolute path
// percent-encoded, then the added files' paths, percent-encoded, between
// blanks. The runs added to one file never follow the user to another.
#include "settings/settings_files.h"

#include <QString>
#include <QStringList>
#include <map>

extern const QString FICHIER_RUNS_AJOUTES;  // "qrt_vorn.run"

using RunsAjoutesParFichier = std::map<QString, QStringList>;

// A line that cannot be read is left out. Without the file, the runs an
// earlier version kept for whatever file was followed (line 14 of
// "qrt_vorn.fit") are taken, once, as those of `suivi`, the file followed
// now, when it is given: the file is then written, so that they never pass
// to another.
RunsAjoutesParFichier lit_runs_ajoutes_par_fichier(const QString& suivi, WriteFailures& echecs);
// Written whole, then renamed into place; a file without runs has no line.
void ecrit_runs_ajoutes_par_fichier(const RunsAjoutesParFichier& runs, WriteFailures& echecs);
