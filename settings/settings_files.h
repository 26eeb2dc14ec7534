#pragma once
// The small settings files: the parameter file of 20 numbered lines
// ("qrt_vorn.col") and the one-line files of the last folder and file name
// ("~qrt_vorn_rep.~r", "~qrt_vorn_rep.~f"). They live in the user's
// configuration folder for an installed program, beside a copy that can
// write its own folder (platform/locations.h).
#include <QSet>
#include <QString>

constexpr int MAX_PARAMETRE = 20;

// The settings files that could not be written in this run. Each is reported
// once per run: the user learns that the setting will not be remembered,
// without a box at every file choice.
struct WriteFailures {
    QSet<QString> reported;  // paths already reported
};

extern const QString FICHIER_COULEUR;          // "qrt_vorn.col"
extern const QString FICHIER_DERNIER_DOSSIER;  // "~qrt_vorn_rep.~r"
extern const QString FICHIER_DERNIER_NOM;      // "~qrt_vorn_rep.~f"

// The full path of a settings file.
QString chemin_du_reglage(const QString& nom_fichier);

// Line n (from 1); the last line when the file is shorter; empty when missing or n < 1.
QString lit_parametre(const QString& nom_fichier, int n);
QString lit_parametre_defaut(const QString& nom_fichier, int n, const QString& defaut);
// Stores the value as line n; the file then holds exactly 20 lines. Above 20: a message, nothing written.
// A file that cannot be written is reported unless `echecs` holds it already (here and below).
void ecrit_parametre(const QString& valeur, const QString& nom_fichier, int n, WriteFailures& echecs);

QString lit_ligne_unique(const QString& nom_fichier);
// Replaces the file by the value and a line end; a failed write sounds a 1250 Hz, 100 ms tone.
void ecrit_ligne_unique(const QString& nom_fichier, const QString& valeur, WriteFailures& echecs);
