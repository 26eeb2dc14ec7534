#pragma once
// The class pass: sorts the durations of series 1 into the class table, derives
// the lifetime figures from it and writes the histogram as series 2.
//
// The window drives it in three calls, in this order, with its own effects in
// between: the class width, then the classes and figures, then the listing.
//
// Limits the pass enforces, so that nothing is ever read or written outside the
// 1001 classes and no infinity reaches a text:
// - dX must be greater than 0, and X max a finite 64-bit value;
// - X max / dX may give at most 1001 classes;
// - a duration whose class lies outside 0..1000 is left out of the table
//   (it still counts in cumul_durees, like any duration beyond X max);
// - when Tau lies outside the table, Cm is counted from the durations of its class;
// - Lambda and the initial activity with a zero divisor show TEXTE_INDEFINI.
#include "analysis/class_table.h"
#include "analysis/record_store.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// What a figure without a value shows (1 / Tau with Tau = 0, an activity over no time).
extern const QString TEXTE_INDEFINI;

// The texts of the statistics labels, set together when the figures are computed.
struct TextesStatistiques {
    QString duree_totale_moyennes;  // Label43
    QString duree_totale_centres;   // Label23
    QString evenements;             // Label25
    QString tau;                    // Label27
    QString lambda;                 // Label29
    QString demi_vie;               // Label31
    QString cm;                     // Label33
    QString c0;                     // Label35
    QString activite;               // Label37
};

struct ResultatClasses {
    std::int32_t n_classe = 0;
    QStringList trace;  // the lines of the trace memo
    // Present only when both the total by class centres and the event count are above 0.
    std::optional<TextesStatistiques> statistiques;
    std::int32_t effectif_max = 0;       // largest count among the shown classes
    std::int32_t durees_hors_table = 0;  // durations whose class lies outside 0..1000
};

// Takes dX as the class width (table.largeur_classe). A dX of 0 or below is
// refused with a message naming the field; the width then stays as it was.
void prend_largeur_classe(long double dX, ClassTable& table);

// Number of classes Round(X max / dX) for the class width of the table. Refuses
// an X max beyond the 64-bit range or more than 1001 classes, with a message
// naming the fields and the limit; nothing has changed then.
std::int32_t nombre_de_classes(long double x_max, const ClassTable& table);

// Reads series 1 of `store` (its durations, cumul_durees and duree_acquisition);
// writes nb_points[2] and the "empty" maxima of series 2, and the whole class
// table but its width: clears and fills the counts and means, sums the shown
// classes and, when both guards hold, computes Tau (by class means, or by
// class centres when par_centres), Cm, C0 and the initial activity.
// n_classe comes from nombre_de_classes.
ResultatClasses calcule_classes(std::int32_t n_classe, bool par_centres, RecordStore& store, ClassTable& table);

// Reads the counts and width of the table; writes classes 0 .. n_classe - 1
// as the points of series 2 of `store`, and gives the listing lines: class
// number, lower bound and count, three blanks apart.
QStringList liste_classes(std::int32_t n_classe, const ClassTable& table, RecordStore& store);
