#pragma once
// The small settings files: the parameter file of 20 numbered lines
// ("qrt_vorn.col") and the one-line files of the last folder and file name
// ("~qrt_vorn_rep.~r", "~qrt_vorn_rep.~f"). They live in the user's
// configuration folder for an installed program, beside a copy that can
// write its own folder (platform/locations.h).
//
// Each is written whole through a temporary file renamed into place, once per
// change (platform::save_bytes), and read only when it is a regular file of
// sensible size (platform::try_read_text_lines): a pipe or a link to a device
// in its place is not read, and its settings take their defaults.
//
// Nothing here tells the user anything: a write that fails, or a file that is
// there and cannot be read, gives what failed, and the caller reports it (the
// window: a box and a short tone for a write, the status line for a read).
#include <QSet>
#include <QString>

#include <array>
#include <functional>
#include <optional>

constexpr int MAX_PARAMETRE = 20;

// What a write or a read could not do, as the user is to be told.
struct EchecDuReglage {
    QString chemin;         // the file that could not be written or read; empty when nothing was tried
    QString message;        // the text to show
    bool tonalite = false;  // a one-line file: a failed write sounds the short tone (1250 Hz, 100 ms)
    bool lecture = false;   // a file that could not be read: its settings took their defaults
    bool operator==(const EchecDuReglage&) const = default;
};

// The settings files that could not be written or read in this run, and who
// tells of them: each failure goes to `signale`, which the window sets, with
// whether it is to be told now. A file is told once per run: the user learns
// that the setting will not be remembered, without a box at every file choice.
struct WriteFailures {
    std::function<void(const EchecDuReglage& echec, bool a_dire)> signale;
    QSet<QString> reported;  // paths already told, for a read and for a write

    // Hands a failure to `signale`, if any: to be told unless its file was.
    void ajoute(const std::optional<EchecDuReglage>& echec);
};

extern const QString FICHIER_COULEUR;          // "qrt_vorn.col"
extern const QString FICHIER_DERNIER_DOSSIER;  // "~qrt_vorn_rep.~r"
extern const QString FICHIER_DERNIER_NOM;      // "~qrt_vorn_rep.~f"

// The full path of a settings file.
QString chemin_du_reglage(const QString& nom_fichier);

// Line n (from 1); the last line when the file is shorter; empty when missing,
// not read (then told to `echecs`, if given) or n < 1.
QString lit_parametre(const QString& nom_fichier, int n, WriteFailures* echecs = nullptr);
QString lit_parametre_defaut(const QString& nom_fichier, int n, const QString& defaut,
                             WriteFailures* echecs = nullptr);
// Stores the value as line n; the file then holds exactly 20 lines. Above 20:
// nothing written, and the limit is what there is to tell.
std::optional<EchecDuReglage> ecrit_parametre(const QString& valeur, const QString& nom_fichier, int n);
void ecrit_parametre(const QString& valeur, const QString& nom_fichier, int n, WriteFailures& echecs);

QString lit_ligne_unique(const QString& nom_fichier, WriteFailures* echecs = nullptr);
// Replaces the file by the value and a line end.
std::optional<EchecDuReglage> ecrit_ligne_unique(const QString& nom_fichier, const QString& valeur);
void ecrit_ligne_unique(const QString& nom_fichier, const QString& valeur, WriteFailures& echecs);

// A settings file of any number of lines (the spans left out of each data
// file): its lines, none when missing or not read (then told to `echecs`, if
// given); written whole, so that a failed write leaves the old one.
QStringList lit_lignes(const QString& nom_fichier, WriteFailures* echecs = nullptr);
void ecrit_lignes(const QString& nom_fichier, const QStringList& lignes, WriteFailures& echecs);

// A file's path on a line of a settings file, and back: percent-encoded, so
// that it holds no blank, tab or line end whatever the file's name.
QString chemin_en_ligne(const QString& chemin);
QString chemin_de_ligne(const QString& texte);

// The window colour in "qrt_vorn.col": red, green and blue on lines 1 to 3,
// each the low eight bits of a whole number (an empty line: 201, 202, 203).
// A line that is no whole number takes its default, and the file, the line and
// what was done are told to `echecs`, once.
std::array<int, 3> lit_couleur_fenetre(WriteFailures& echecs);
// Stores the colour as lines 1 to 3, the other lines kept, in one write.
void ecrit_couleur_fenetre(const std::array<int, 3>& rvb, WriteFailures& echecs);
