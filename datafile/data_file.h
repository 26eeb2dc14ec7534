#pragma once
// The data file the user follows: the file names derived from it and its size.
#include "platform/seams.h"

#include <QString>
#include <cstdint>

// The data file for a chosen path: the first ".comment" of the file's name is
// removed, so that choosing a comment file opens the data file it belongs to.
QString fichier_donnees_choisi(const QString& chemin_choisi);
// The comment file beside a data file: the first ".txt" of the file's name
// removed (exact case), then ".comment" appended. Only the name: a folder
// with ".txt" or ".comment" in its name is the same folder, so that the
// comment stays beside its data ("/runs.txt/a.txt" has "/runs.txt/a.comment").
QString nom_fichier_commentaire(const QString& fichier_donnees);

// The file dialog's filters for a data file: the formats vorns reads, told
// apart by their first lines whatever the name ("Data files (*.txt, *.dat,
// *.data)", selected), then "Text files (*.txt)" and "All files (*)".
void filtres_des_donnees(platform::OpenFileRequest& demande);

// Size in bytes; -1 when the file cannot be opened.
std::int32_t taille_fichier(const QString& nom);
