#pragma once
// The data file the user follows: the file names derived from it and its size.
#include <QString>
#include <cstdint>

// The data file for a chosen path: the first ".comment" in it is removed, so
// that choosing a comment file opens the data file it belongs to.
QString fichier_donnees_choisi(const QString& chemin_choisi);
// The comment file beside a data file: the first ".txt" of the path removed
// (exact case), then ".comment" appended.
QString nom_fichier_commentaire(const QString& fichier_donnees);

// Size in bytes; -1 when the file cannot be opened.
std::int32_t taille_fichier(const QString& nom);
