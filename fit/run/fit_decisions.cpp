#include "fit/run/fit_decisions.h"

#include "platform/errors.h"

namespace {

// A number of a field ('.' or ',' as its decimal mark), or the error that
// names the field.
double number(const QString& typed, const QString& caption) {
    try {
        return static_cast<double>(fit_number(typed));
    } catch (const platform::Error& e) {
        throw platform::Error(caption + QStringLiteral(" : ") + e.text());
    }
}

}  // namespace

FitChoices read_typed_choices(const TypedChoices& typed, const FitChoices& current) {
    FitChoices c = current;
    c.t_min = number(typed.t_min, QStringLiteral("t min"));
    c.t_max = number(typed.t_max, QStringLiteral("t max"));
    c.unit_ns = number(typed.unit_ns, QStringLiteral("1 unité"));
    if (!(c.unit_ns > 0)) throw platform::Error(QStringLiteral("1 unité : doit être supérieur à 0"));
    c.model = typed.model;
    c.method = typed.method;
    c.log_counts = typed.log_counts;
    c.precision = typed.precision;
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
    const bool other_fit = read.t_min != choices_.t_min || read.t_max != choices_.t_max ||
                           read.model != choices_.model || read.method != choices_.method;
    const bool changed = other_fit || read.unit_ns != choices_.unit_ns || read.log_counts != choices_.log_counts ||
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
    return refusal_ + QStringLiteral(" (pas d'ajustement tant que le champ n'est pas corrigé)");
}
