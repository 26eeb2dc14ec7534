#pragma once
// What the user chooses for the fit of the run, remembered between runs in
// the settings file "qrt_vorn.fit" (beside the other settings files), and the
// fit request it makes from the run's records and class table.
#include "analysis/class_table.h"
#include "analysis/record_store.h"
#include "fit/forecast.h"
#include "fit/lifetime_fit.h"
#include "settings/settings_files.h"

struct FitChoices {
    double t_min = 10;
    double t_max = 800;
    fit::Model model = fit::Model::exp_flat;
    fit::Method method = fit::Method::unbinned;
    // Nanoseconds in one unit of the durations: not a number until the user
    // gives it (the time line waits for it, the capture models are refused).
    double unit_ns = fit::kNone;
    bool log_counts = false;
    std::int32_t skipped_classes = 0;  // left out of the histogram method (vorns-fit's --skip-classes)
    // The relative precision on tau that the forecast aims at (0.01: 1 %).
    double precision = fit::kDefaultPrecision;
    fit::Muons muons;  // the capture models' tau- (the material's, in ns) and rho
};

extern const QString FICHIER_AJUSTEMENT;  // "qrt_vorn.fit"

// A number typed for the fit (a field of the fit window, an option of
// vorns-fit), with '.' or ',' as its decimal mark whatever the desktop's
// language: raises platform::Error "'TEXT' is not a valid floating point
// value" for what is not a number of the range of doubles ("", "nan", "1e999").
long double fit_number(QStringView text);

// The file holds `key=value` lines (t_min, t_max, model, method, unit_ns,
// log_counts, precision, tau_minus_ns, rho; added_runs of an earlier
// version), numbers with '.' whatever the desktop's language. A file of numbered lines, as an earlier
// version wrote it, is read as such; the next write turns it into keys, every
// setting it held kept.
//
// The remembered choices; each one missing or unreadable takes its value from
// `defaults` (the window gives dX and X max as t min and t max). The unit is
// the one the user gave; a file of an earlier version, which wrote its default
// 10 whether the user typed it or not, gives only another value. A file there
// that cannot be read is told to `echecs`.
FitChoices lit_choix_ajustement(const FitChoices& defaults, WriteFailures* echecs = nullptr);
// Writes every choice at once, the file's other settings kept.
void ecrit_choix_ajustement(const FitChoices& choices, WriteFailures& echecs);

// The first line of a fit: "fenêtre = [10 ; 800], exponentielle + fond, non binné".
QString choices_line(const FitChoices& choices);

// The runs an earlier version combined with whatever file was followed, by
// their files' paths, on their own line (or key) of the choices file: none
// from a file without it. Read once, for fit/run/added_runs_store.h, which keeps them for
// each followed file.
QStringList lit_runs_ajoutes(WriteFailures* echecs = nullptr);

// The fit of the records of series 1 with the classes of the last class pass
// (width, shown classes, counts). The request refers to `store` and `table`.
fit::Request fit_request(const RecordStore& store, const ClassTable& table, const FitChoices& choices);
