#pragma once
// What the fit window does when one of its fields or choices changes, and
// after each load: its fields read and checked, and whether the fit shown
// stays, is made again, or starts its convergence series again. While a field
// cannot be read the window fits nothing and shows no fit; the series waits
// aside, and goes on when the field is mended back to its window.
#include "fit/run/fit_choices.h"

#include <QString>

// The fit window's fields as typed, and its lists' and box's choices.
struct TypedChoices {
    QString t_min;
    QString t_max;
    QString unit_ns;  // empty: the user gives none
    fit::Model model = fit::Model::exp_flat;
    fit::Method method = fit::Method::unbinned;
    bool log_counts = false;
    // The capture models' fields, read for them only: the material ("carbone",
    // "oxygène" or the negative muons' lifetime in ns) and, for mu-capture, rho.
    QString material = QStringLiteral("carbone");
    QString rho = QStringLiteral("1.27");
    double precision = fit::kDefaultPrecision;  // the forecast's, chosen in a list
};

// What the window does next. All false: the fit shown stays, shown again.
struct FitStep {
    bool refused = false;    // a field cannot be read: no fit shown (FitDecisions::refusal_line())
    bool write = false;      // the choices changed: remember them in "qrt_vorn.fit"
    bool restart = false;    // the series' points are fits of another window or model: forget them
    bool fit = false;        // fit the run with the choices
    bool add_point = false;  // the fit is this load's point of the convergence series
};

// The choices the fields give, the lists' as they are; raises platform::Error
// naming the field ("t min : 'abc' is not a valid floating point value", "1
// unité : doit être supérieur à 0") for one that cannot be read. An empty unit
// is no unit given (kNone).
FitChoices read_typed_choices(const TypedChoices& typed, const FitChoices& current);

class FitDecisions {
public:
    explicit FitDecisions(const FitChoices& remembered) : choices_(remembered) {}

    // A field was left or a choice made, changed or not.
    FitStep typed(const TypedChoices& typed);
    // A load went through while the window is shown.
    FitStep loaded() const;

    const FitChoices& choices() const { return choices_; }
    // Why a field cannot be read; empty when every field can.
    const QString& refusal() const { return refusal_; }
    // The status line while a field cannot be read.
    QString refusal_line() const;

private:
    FitChoices choices_;
    QString refusal_;
};
