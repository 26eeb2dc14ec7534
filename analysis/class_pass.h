#pragma once
// The class pass: sorts the durations of series 1 into the class table, derives
// the lifetime figures from it and writes the histogram as series 2. Its
// results are numbers; analysis/load_text.h makes the window's texts of them.
//
// The window drives it in four calls, in this order, with its own effects in
// between: the class width, the number of classes, the classes and figures,
// then the points of the class plot (after N max has been scaled, so that the
// redraw of N max still shows the points of the previous pass).
// analysis/load.h runs them in one.
//
// Limits the pass enforces, so that nothing is ever read or written outside the
// 1001 classes and no infinity reaches a figure:
// - dX must be greater than 0, and X max a finite 64-bit value;
// - X max / dX may give at most 1001 classes;
// - a duration whose class lies outside 0..1000 (from 1001 x dX on, or at
//   -dX and below) is left out of the table; it still counts in cumul_durees,
//   like any duration beyond X max, but not in Tau;
// - when Tau lies outside the table, Cm is counted from the durations of its class;
// - Lambda and the initial activity with a zero divisor have no value.
#include "analysis/class_table.h"
#include "analysis/record_store.h"

#include <cstdint>
#include <optional>

// The lifetime figures of a pass, computed when both the total by class
// centres and the number of events in the shown classes are above 0.
struct Chiffres {
    // The total of the durations in the shown classes: cumul_durees when they
    // hold every record (the mean Tau is of the durations shown).
    long double duree_totale_moyennes = 0;
    long double duree_totale_centres = 0;  // the total by class centres (somme_duree)
    long double evenements = 0;            // events in the shown classes
    long double tau = 0;                   // by class means, or by class centres
    std::optional<long double> lambda;     // 1 / Tau; none when Tau is 0
    long double demi_vie = 0;              // T 1/2 = ln 2 x Tau
    long double cm = 0;                    // the count of the class holding Tau
    // That class's index (from 0, listed as index + 1), inside the table or
    // not; none when Tau / dX is no finite number.
    std::optional<long double> classe_cm;
    long double c0 = 0;                   // Cm / e
    std::optional<long double> activite;  // C0 / acquisition time (per minute); none over no time
};

struct ResultatClasses {
    std::int32_t n_classe = 0;
    std::optional<Chiffres> chiffres;
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
// class centres when par_centres), Cm, C0 and the initial activity; then
// table.n_classe. n_classe comes from nombre_de_classes.
ResultatClasses calcule_classes(std::int32_t n_classe, bool par_centres, RecordStore& store, ClassTable& table);

// Writes classes 0 .. n_classe - 1 of the table as the points of series 2 of
// `store`: lower bound and count.
void ecrit_la_serie_des_classes(std::int32_t n_classe, const ClassTable& table, RecordStore& store);
