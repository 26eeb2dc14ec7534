#pragma once
// The data lines of a loaded file and the record pass that turns them into
// records: into series 1 of the record store, or into the caller's storage.
//
// Lines 0 and 1 are never data. A line containing "SAUVEGARDE" ends the data;
// empty lines are skipped before the column header (a line containing "Heure")
// and end the data after it; lines starting with "'" are comments. After the
// header, the first line sets the time origin and every later line makes one
// record: elapsed minutes since the origin (a time of day more than an hour
// before the previous record's is on the next day: analysis/day_rule.h) and
// the measured duration.
#include "analysis/formats/format.h"
#include "analysis/record_store.h"
#include "platform/textfile.h"

#include <QByteArrayView>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <span>
#include <vector>

// Minutes since midnight of the time field (field 1, tab-separated, h:m:s).
// Raises the integer conversion error when a part is missing or not an integer.
long double lit_heure(QStringView ligne);
// The duration field (field 2, tab-separated); "." and "," both read as the
// decimal mark. Raises the real conversion error when missing or not a number.
long double lit_valeur(QStringView ligne);

// A line after the column header that is no record (a time or a duration
// that cannot be read): the pass skips it and goes on with the next line.
struct LigneIgnoree {
    qsizetype indice = 0;    // from 0; an editor shows it as line indice + 1
    QString debut;           // its first kDebutGarde characters
    qsizetype longueur = 0;  // its whole length
    QString erreur;          // why it is no record: the conversion error's text
    bool operator==(const LigneIgnoree&) const = default;
};

// What ended the reading of lines.
enum class FinDeLecture {
    fin_des_lignes,  // the last line was read (or, still being written, left for the next load)
    sauvegarde,      // a line holding "SAUVEGARDE"
    ligne_vide,      // an empty line after the header
    capacite,        // a record past the capacity of the destination
};

// The count records of a file of two integers or of a raw stream: the muons
// that crossed the detector in one second without a decay. Not records of
// the histogram.
struct Comptages {
    std::vector<double> secondes;     // elapsed seconds since the time origin
    std::vector<std::int64_t> muons;  // the muons of that second
    bool operator==(const Comptages&) const = default;
};

// What a DAQ card's raw stream told of itself (analysis/formats/raw_stream.h).
struct RawStream {
    std::int64_t events = 0;         // events read, decays included
    std::int64_t before_origin = 0;  // events timed before the first one, left out
    double clock_hz = 0;             // the counter's frequency the pass ended with
    bool clock_measured = false;     // from the 1PPS latches; else the 6000 series' 25 MHz
    bool gps_time = false;           // times from the GPS (UTC); else counted from the first event line
    bool operator==(const RawStream&) const = default;
};

// What a pass found, as numbers: its records are in the destination it was given.
struct PasseDesLignes {
    FormatDeDonnees format = FormatDeDonnees::acquisition;  // the format of the file's first lines
    double unite_ns = 0;  // nanoseconds in one unit of the durations, known from the format; 0: not known
    Comptages comptages;  // two integers, raw stream: the count records, one a second
    RawStream raw;        // a raw stream: its events and its clock
    std::int32_t nb_enregistrements = 0;
    long double max_x = -10;         // the largest elapsed time (minutes); -10 without records
    long double max_y = -10;         // the largest duration; -10 without records
    long double cumul_durees = 0;    // the total of the durations of the records
    long double derniere_duree = 0;  // elapsed time of the last record, 0 without records
    // Elapsed time of the file's last record: the last one kept, or past the
    // capacity the last one of the file, whose day the pass still followed.
    long double dernier_du_fichier = 0;
    // The time origin: minutes since midnight of the first line after the
    // header, whose time the elapsed times count from; -1 when no line set it.
    long double origine_temps = -1;
    bool capacite_depassee = false;  // a record past the capacity was met (and not kept)
    bool ligne_en_attente = false;   // a last line after the header has no line end: left for the next load
    bool sans_ligne = false;         // the text holds no line at all
    bool entete_vu = false;          // a column header line was met
    bool origine_vue = false;        // a line after it set the time origin
    FinDeLecture fin = FinDeLecture::fin_des_lignes;
    qsizetype ligne_de_fin = -1;  // index of the line that ended the reading; -1 at the end of the lines
    // Lines skipped as no record: how many, and the first kLignesIgnoreesGardees - 1
    // of them and the last one (all of them when there are no more).
    std::int32_t nb_lignes_ignorees = 0;
    std::vector<LigneIgnoree> lignes_ignorees;
};

inline constexpr qsizetype kDebutGarde = 200;
inline constexpr std::size_t kLignesIgnoreesGardees = 100;

// Counts a skipped line and keeps it when it is among the first ones, or as the last.
void retiens_ligne_ignoree(PasseDesLignes& resultat, qsizetype indice, QStringView ligne, const QString& erreur);

// Where a pass writes its records: record k (from 0) at position k of both
// spans, elapsed minutes and durations; the capacity is the shorter span.
struct PlaceDesEnregistrements {
    std::span<double> x;
    std::span<double> y;
};

// The pass over the lines, in the format of the first lines (the formats of
// other apparatus: analysis/format_pass.h). Reading stops at a record past the capacity, so
// that the records, the total and the acquisition time are those of the
// records the destination holds. A line after the header that cannot be read
// (the time or the duration is no number) is skipped and counted, and reading
// goes on: it changes nothing of the records. A last line without its line
// end is still being written (the acquisition writes the line end last): the
// pass ends before it as if it were not there, and says so
// (ligne_en_attente). Past the capacity the lines are read for their times
// alone, so that the file's last record is known (dernier_du_fichier). The
// pass never raises.
//
// The lines are read either the plain way, each field cut and each number
// converted from its text, or the quick way, which gives the same records, the
// same skipped lines and the same texts in them. They are given as text (a
// list, or the memo's packed lines) or as the bytes of the file, of which only
// the lines that are not usual data lines are decoded.
enum class Lecture { simple, rapide };
PasseDesLignes passe_des_lignes(const QStringList& lignes, PlaceDesEnregistrements place,
                                Lecture lecture = Lecture::rapide);
PasseDesLignes passe_des_lignes(const platform::PackedLines& lignes, PlaceDesEnregistrements place,
                                Lecture lecture = Lecture::rapide);
// `octets`: the file's bytes as read, UTF-8 mark included.
PasseDesLignes passe_des_octets(QByteArrayView octets, PlaceDesEnregistrements place,
                                Lecture lecture = Lecture::rapide);

// The same from a file read block by block (`bloc` bytes a read, into one
// buffer), never held whole: the same result as passe_des_octets of the
// file's bytes. Reading stops where the pass ends (the capacity, a stop
// line). Raises what read_file_bytes raises when a read fails.
inline constexpr qsizetype kBlocDeLecture = 64 * 1024;
PasseDesLignes passe_du_fichier(platform::FileBlocks& fichier, PlaceDesEnregistrements place,
                                Lecture lecture = Lecture::rapide, qsizetype bloc = kBlocDeLecture);

// The same into series 1 of `store` (positions 1..NB_MAX_DONNEES), which
// then holds the pass's records, maxima, total and acquisition time
// (duree_acquisition = derniere_duree); series 2 is never touched.
PasseDesLignes passe_des_lignes(const QStringList& lignes, RecordStore& store, Lecture lecture = Lecture::rapide);
PasseDesLignes passe_des_lignes(const platform::PackedLines& lignes, RecordStore& store,
                                Lecture lecture = Lecture::rapide);
PasseDesLignes passe_des_octets(QByteArrayView octets, RecordStore& store, Lecture lecture = Lecture::rapide);
PasseDesLignes passe_du_fichier(platform::FileBlocks& fichier, RecordStore& store, Lecture lecture = Lecture::rapide,
                                qsizetype bloc = kBlocDeLecture);
