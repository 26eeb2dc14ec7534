#include "fit/run/duration_choices.h"

#include "analysis/class_table.h"
#include "fit/lifetime_fit.h"
#include "platform/errors.h"
#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <utility>

const QString FICHIER_UNITES = QStringLiteral("qrt_vorn.uni");

namespace {

constexpr double kWindowStartNs = 100;  // above the dead time of the common detectors
constexpr double kGateNs = 20000;       // before any duration: the common apparatus' gate
constexpr double kClassesPerGate = 200;

// The value rounded up to two significant digits: 19980 gives 20000, 8990 9000.
double up_to_two_digits(double v) {
    const double step = std::pow(10.0, std::floor(std::log10(v)) - 1);
    return std::ceil(v / step * (1 - 1e-12)) * step;
}

// The next value of 1, 2, 5 × 10^k after `v` (itself when it is one).
double series_125(double v, bool after) {
    const double decade = std::pow(10.0, std::floor(std::log10(v)));
    for (const double m : {1.0, 2.0, 5.0, 10.0}) {
        const double c = m * decade;
        if (after ? c > v * (1 + 1e-12) : c >= v * (1 - 1e-12)) return c;
    }
    return 10 * decade;
}

bool whole_steps(double value, double step) {
    const double q = value / step;
    return std::fabs(q - std::round(q)) <= 1e-9 * std::max(1.0, q);
}

// The class width in ns: 1, 2 or 5 × 10^k, at least `least`, a whole number of clock steps.
double class_width_ns(double least, double step_ns) {
    double c = series_125(least, false);
    if (!(step_ns > 0)) return c;
    for (int tries = 0; tries < 12; ++tries, c = series_125(c, true)) {
        if (whole_steps(c, step_ns)) return c;
    }
    return step_ns * std::ceil(least / step_ns);
}

const char* field_name(TypedPerUnit::Field f) {
    switch (f) {
        case TypedPerUnit::Field::dX: return "dx";
        case TypedPerUnit::Field::x_max: return "xmax";
        case TypedPerUnit::Field::t_min: return "tmin";
        case TypedPerUnit::Field::t_max: return "tmax";
    }
    return "";
}

constexpr TypedPerUnit::Field kFields[] = {TypedPerUnit::Field::dX, TypedPerUnit::Field::x_max,
                                           TypedPerUnit::Field::t_min, TypedPerUnit::Field::t_max};

std::optional<double>& slot(GivenDurations& g, TypedPerUnit::Field f) {
    switch (f) {
        case TypedPerUnit::Field::dX: return g.dX;
        case TypedPerUnit::Field::x_max: return g.x_max;
        case TypedPerUnit::Field::t_min: return g.t_min;
        case TypedPerUnit::Field::t_max: break;
    }
    return g.t_max;
}

}  // namespace

bool unit_known(double unit_ns) { return unit_ns > 0 && std::isfinite(unit_ns); }

DurationsSeen durations_seen(std::span<const double> durations) {
    DurationsSeen seen;
    if (durations.empty()) return seen;
    const auto [lowest, highest] = std::minmax_element(durations.begin(), durations.end());
    seen.shortest = *lowest;
    seen.longest = *highest;
    seen.clock_step = fit::clock_step_of(durations);
    return seen;
}

DurationsSeen merged(std::span<const DurationsSeen> runs) {
    DurationsSeen all;
    bool first_step = true;
    for (const DurationsSeen& r : runs) {
        if (!r.longest) continue;
        all.shortest = all.shortest ? std::min(*all.shortest, *r.shortest) : *r.shortest;
        all.longest = all.longest ? std::max(*all.longest, *r.longest) : *r.longest;
        all.clock_step = first_step || r.clock_step == all.clock_step ? r.clock_step : 0;
        first_step = false;
    }
    return all;
}

DurationChoices duration_choices(double unit_ns, const DurationsSeen& seen, const GivenDurations& given) {
    DurationChoices c;
    if (!unit_known(unit_ns)) {
        c.dX = given.dX.value_or(10);
        c.x_max = given.x_max.value_or(800);
    } else {
        const double u = unit_ns;
        const double longest_ns = seen.longest ? *seen.longest * u : 0;
        const double gate_ns = longest_ns > 0 && std::isfinite(longest_ns) ? up_to_two_digits(longest_ns) : kGateNs;
        const double step_ns = seen.clock_step * u;
        const double x_max = given.x_max.value_or(gate_ns / u);
        c.dX = given.dX.value_or(class_width_ns(x_max * u / kClassesPerGate, step_ns) / u);
        // A width typed that would make more classes than the table holds: X
        // max as far as it does; the window still reaches the gate.
        c.x_max = given.x_max ? x_max : std::min(x_max, (NB_CLASSES - 1) * c.dX);
        c.t_max = x_max;
        const double start_ns = std::max(kWindowStartNs, seen.shortest ? *seen.shortest * u : 0);
        const double classes = std::ceil(start_ns / (c.dX * u) * (1 - 1e-12));
        c.t_min = classes * c.dX;
        if (!(c.t_min < c.t_max) || !std::isfinite(c.t_min)) c.t_min = c.dX;
    }
    if (given.t_min)
        c.t_min = *given.t_min;
    else if (!unit_known(unit_ns))
        c.t_min = c.dX;
    if (given.t_max)
        c.t_max = *given.t_max;
    else if (!unit_known(unit_ns))
        c.t_max = c.x_max;
    return c;
}

TypedPerUnit TypedPerUnit::read() {
    TypedPerUnit t;
    for (const QString& line : lit_lignes(FICHIER_UNITES)) {
        const qsizetype equal = line.indexOf(QLatin1Char('='));
        const qsizetype slash = line.indexOf(QLatin1Char('/'));
        if (equal < 0 || slash < 0 || slash > equal) continue;
        try {
            const auto unit =
                static_cast<double>(platform::str_to_float(line.mid(slash + 1, equal - slash - 1), QLatin1Char('.')));
            const auto value =
                static_cast<double>(platform::str_to_float(line.mid(equal + 1).trimmed(), QLatin1Char('.')));
            for (const Field f : kFields) {
                if (line.first(slash) == QLatin1String(field_name(f))) t.set(unit, f, value);
            }
        } catch (const platform::Error&) {
            // a hand-edited line: left out
        }
    }
    return t;
}

GivenDurations TypedPerUnit::of(double unit_ns) const {
    const auto it = typed_.find(unit_ns);
    return it == typed_.end() ? GivenDurations() : it->second;
}

bool TypedPerUnit::set(double unit_ns, Field field, double value) {
    if (!unit_known(unit_ns) || !std::isfinite(value)) return false;
    std::optional<double>& v = slot(typed_[unit_ns], field);
    if (v == value) return false;
    v = value;
    return true;
}

void TypedPerUnit::write(WriteFailures& failures) const {
    QStringList lines;
    for (const auto& [unit, given] : typed_) {
        GivenDurations g = given;
        for (const Field f : kFields) {
            if (const std::optional<double>& v = slot(g, f)) {
                lines << QLatin1String(field_name(f)) + QLatin1Char('/') + platform::general(unit, QLatin1Char('.')) +
                             QLatin1Char('=') + platform::general(*v, QLatin1Char('.'));
            }
        }
    }
    ecrit_lignes(FICHIER_UNITES, lines, failures);
}

double RunUnit::after_load(const QString& file, double format_unit_ns) {
    format_ = format_unit_ns;
    if (format_unit_ns > 0) {
        unit_ = !typed_for_.isEmpty() && file == typed_for_ ? typed_ : format_unit_ns;
    } else {
        unit_ = user_;
    }
    return unit_;
}

void RunUnit::typed(const QString& file, double unit_ns) {
    unit_ = unit_ns;
    if (format_ > 0) {
        typed_for_ = file;
        typed_ = unit_ns;
    } else {
        user_ = unit_ns;
    }
}

std::optional<UnitFields::Pair> UnitFields::after_load(double unit_ns, const std::optional<Pair>& shown,
                                                       const Pair& wanted) {
    if (unit_known(unit_ns)) {
        if (!known_) unknown_ = shown;
        known_ = true;
        if (shown == wanted) return std::nullopt;
        return wanted;
    }
    if (!known_) return std::nullopt;
    known_ = false;
    std::optional<Pair> back = std::exchange(unknown_, std::nullopt);
    if (back == shown) return std::nullopt;
    return back;
}
