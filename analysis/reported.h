#pragma once
// What the user has already been told of the files loaded, file by file: the
// lines skipped as no record and the records past the capacity. The box of a
// file choice tells only what was not told before, by a box or by the status
// line of a load that followed the file.
#include "analysis/record_pass.h"

#include <QHash>
#include <QSet>
#include <QString>

class Signalements {
public:
    // Takes the skipped lines of `passe` in `fichier` as told; true when one
    // of them had not been told yet.
    bool lignes_nouvelles(const QString& fichier, const PasseDesLignes& passe);
    // Takes the records of `fichier` past the capacity as told, when `passe`
    // met them; true the first time.
    bool capacite_nouvelle(const QString& fichier, const PasseDesLignes& passe);

private:
    QHash<QString, QSet<QString>> lignes_;  // by file: line number and start of each line told
    QSet<QString> capacite_;                // the files whose capacity was told
};
