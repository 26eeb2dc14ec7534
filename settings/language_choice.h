#pragma once
// The language chosen in the setup panel ("langue"), remembered in the
// settings file "qrt_vorn.lng" as one line "language=de". Nothing chosen (no
// file, "language=system", or a value vorns does not speak): the desktop's
// language (platform/translations.h).
#include "settings/settings_files.h"

#include <QString>

extern const QString FICHIER_LANGUE;  // "qrt_vorn.lng"

// "fr", "en" or "de"; empty for the desktop's.
QString lit_langue_choisie();
// Stores the choice ("fr", "en", "de", or empty for the desktop's), the file
// written whole through a temporary one; a failed write goes to `echecs`.
void ecrit_langue_choisie(const QString& langue, WriteFailures& echecs);
