#pragma once
// The comment file kept beside the data file: one line of the comment memo
// per line, each ended by CR LF.
//
// Two windows (or a window and an editor) may follow the same data file: the
// comment file is then changed on disk by the other. What the window last
// read or saved of it is kept, so that a change on disk is noticed: shown
// when the typed text is unchanged, asked about when both changed.
#include "platform/files.h"

#include <QString>
#include <QStringList>
#include <optional>

struct EnregistrementCommentaire {
    bool enregistre = false;
    QString message;  // the confirmation naming the file, or the failure naming it and the system's reason
};

// Saves the lines so that a failed write leaves the former file whole.
EnregistrementCommentaire enregistre_commentaire(const QString& fichier_commentaire, const QStringList& lignes);

// The comment file as the window last read or saved it: its lines (none when
// there was no file) and its times then.
struct CommentaireLu {
    std::optional<QStringList> lignes;
    platform::FileTimes temps;
};
// Reads the comment file; no lines when there is none. Raises
// `Cannot open file "PATH". reason` for one that is there and cannot be read
// (no rights, not a regular file, larger than a comment can be).
CommentaireLu lit_commentaire(const QString& fichier_commentaire);
// The file's lines now, when it can be read (none when missing or not read).
std::optional<QStringList> lignes_du_fichier_commentaire(const QString& fichier_commentaire);

// The memo against its file, from what was read (`lu`), what the file holds
// now (`sur_disque`) and what the memo holds.
enum class EtatDuCommentaire {
    a_jour,           // the memo holds what the file holds (or both nothing)
    modifie,          // the memo was typed in, the file is as read (or gone): a save is for the user to ask
    change_ailleurs,  // the file changed on disk, the memo is as read: it takes the file's text
    conflit,          // both changed: which to keep is asked
};
EtatDuCommentaire etat_du_commentaire(const std::optional<QStringList>& lu,
                                      const std::optional<QStringList>& sur_disque, const QStringList& memo,
                                      bool memo_vide);
