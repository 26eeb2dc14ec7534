#pragma once
// The comment file kept beside the data file: one line of the comment memo
// per line, each ended by CR LF.
#include <QString>
#include <QStringList>

// Saves the lines so that a failed write leaves the former file whole, and
// returns the text to show: the confirmation naming the file, or the failure
// naming the file and the system's reason.
QString enregistre_commentaire(const QString& fichier_commentaire, const QStringList& lignes);
