#include "fit/run/fit_decisions.h"

#include "fit/text/fit_text.h"
#include "platform/errors.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// The fields' refusals in the program's language.
struct DecisionText {
    Q_DECLARE_TR_FUNCTIONS(fit_decisions)
};

// A number of a field ('.' or ',' as its decimal mark), or the error that
// names the field.
double number(const QString& typed, const QString& caption) {
    try {
        return static_cast<double>(fit_number(typed));
    } catch (const platform::Error& e) {
        throw platform::Error(
            DecisionText::tr("%1 : %2", "a field's caption, then what is wrong with it").arg(caption, e.text()));
    }
}

// A number of a field that must be above 0.
double positive(const QString& typed, const QString& caption) {
    const double v = number(typed, caption);
    if (!(v > 0)) throw platform::Error(DecisionText::tr("%1 : doit être supérieur à 0").arg(caption));
    return v;
}

// Equal, or both not a number (no unit given).
bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// The capture models' fields.
void read_muons(const TypedChoices& typed, FitChoices& c) {
    if (!fit::is_capture_model(typed.model)) return;
    const QString material = DecisionText::tr("matière des μ−");
    c.muons.tau_minus_ns = fit_text::material_lifetime_ns(typed.material).value_or(fit::kNone);
    if (std::isnan(c.muons.tau_minus_ns)) c.muons.tau_minus_ns = positive(typed.material, material);
    if (typed.model == fit::Model::mu_capture) c.muons.rho = positive(typed.rho, QStringLiteral("\u03C1"));
}

}  // namespace

FitChoices read_typed_choices(const TypedChoices& typed, const FitChoices& current) {
    FitChoices c = current;
    c.t_min = number(typed.t_min, QStringLiteral("t min"));
    c.t_max = number(typed.t_max, QStringLiteral("t max"));
    c.unit_ns = typed.unit_ns.trimmed().isEmpty() ? fit::kNone : positive(typed.unit_ns, DecisionText::tr("1 unité"));
    c.model = typed.model;
    c.method = typed.method;
    c.log_counts = typed.log_counts;
    c.precision = typed.precision;
    read_muons(typed, c);
    return c;
}

FitStep FitDecisions::typed(const TypedChoices& typed) {
    FitChoices read;
    try {
        read = read_typed_choices(typed, choices_);
    } catch (const platform::Error& e) {
        refusal_ = e.text();
        FitStep step;
        step.refused = true;
        return step;
    }
    // The capture models' unit and muons make another fit; the others' unit only another time line.
    const bool other_muons =
        fit::is_capture_model(read.model) &&
        (!same(read.unit_ns, choices_.unit_ns) || read.muons.tau_minus_ns != choices_.muons.tau_minus_ns ||
         read.muons.rho != choices_.muons.rho);
    const bool other_fit = read.t_min != choices_.t_min || read.t_max != choices_.t_max ||
                           read.model != choices_.model || read.method != choices_.method || other_muons;
    const bool changed = other_fit || !same(read.unit_ns, choices_.unit_ns) || read.log_counts != choices_.log_counts ||
                         read.precision != choices_.precision;
    const bool mended = !refusal_.isEmpty();
    refusal_.clear();
    if (!changed && !mended) return {};
    choices_ = read;
    FitStep step;
    step.write = changed;
    step.restart = other_fit;
    step.fit = true;
    // Mended back to the window of the series: it goes on with this load.
    step.add_point = other_fit || mended;
    return step;
}

FitStep FitDecisions::loaded() const {
    FitStep step;
    step.refused = !refusal_.isEmpty();
    step.fit = step.add_point = !step.refused;
    return step;
}

QString FitDecisions::refusal_line() const {
    return DecisionText::tr("%1 (pas d'ajustement tant que le champ n'est pas corrigé)").arg(refusal_);
}
