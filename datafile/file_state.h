#pragma once
// The watched data file, its comment file and what the last load saw of it.
#include <QString>
#include <cstdint>

struct FileState {
    QString fichier_donnees;      // empty until the user has chosen a file
    QString fichier_commentaire;  // the data file's path, first ".txt" removed, ".comment" appended
    std::int32_t taille_precedente = 0;
    std::int32_t date_precedente = 0;
};

extern FileState file_state;
