#pragma once
// What the analysis window's exports share: the save dialog and the message of a failed write.
#include <QString>
#include <optional>

// The file chosen by the user, named after the data file and `suite`
// ("_ajustement") and proposed in a folder that can be written: beside the
// data file, or in the documents folder for a run in a read-only folder such
// as the shipped samples. Nothing when the dialog is cancelled.
std::optional<QString> fichier_choisi(const QString& fichier_donnees, const QString& suite, const QString& description,
                                      const QString& extension);

// Says in a box that `chemin` could not be written, when `raison` says why.
void enregistre(const QString& chemin, const std::optional<QString>& raison);
