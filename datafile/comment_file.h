#pragma once
// The comment file kept beside the data file: one line of the comment memo
// per line, each ended by CR LF.
#include <QString>
#include <QStringList>

struct EnregistrementCommentaire {
    bool enregistre = false;
    QString message;  // the confirmation naming the file, or the failure naming it and the system's reason
};

// Saves the lines so that a failed write leaves the former file whole.
EnregistrementCommentaire enregistre_commentaire(const QString& fichier_commentaire, const QStringList& lignes);

// Whether the memo holds text that the comment file does not: its lines differ
// from the file's, or there is no file to read (none yet, or one that cannot
// be read) and the memo is not empty.
bool commentaire_modifie(const QString& fichier_commentaire, const QStringList& lignes, bool memo_vide);
