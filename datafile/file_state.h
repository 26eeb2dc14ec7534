#pragma once
// The watched data file, its comment file and what the last load saw of it.
#include "datafile/comment_file.h"

#include <QString>
#include <cstdint>

struct FileState {
    QString fichier_donnees;      // empty until the user has chosen a file
    QString fichier_commentaire;  // the data file's path, first ".txt" removed, ".comment" appended
    CommentaireLu commentaire_lu;  // what the memo last read from it or saved into it
    // The file the last load read (the followed file, or a file loaded for a
    // test): the lines, the last line and the figures shown are its.
    QString fichier_charge;
    std::int32_t taille_precedente = 0;
    std::int32_t date_precedente = 0;
    // Finer than the two-second stamp (platform::file_times), taken with it.
    std::int64_t changement_precedent = 0;
    // That change was so recent when it was taken that a rewrite of the same
    // size just after it can carry the same size, stamp and change time: the
    // ticks then compare the file's lines with the memo until it is older.
    bool changement_recent = false;
};
