#include "fit/cli/options.h"

#include "platform/errors.h"
#include "platform/numbers.h"

const char* const kFitUsage =
    "Usage: vorns-fit FILE... [OPTION]...\n"
    "Fits the lifetime of the records of each data file, read as vorns reads it,\n"
    "and prints the results the fit window shows.\n"
    "\n"
    "  --tmin T          lower end of the fit's window (default: dX)\n"
    "  --tmax T          upper end of the fit's window (default: X max)\n"
    "  --model M         exp+flat (exponential plus flat background, default) or exp\n"
    "  --method M        unbinned (default) or binned (the histogram's classes)\n"
    "  --dx W            class width dX (default 10)\n"
    "  --xmax X          X max: the histogram shows X max / dX classes (default 800)\n"
    "  --skip-classes K  leave the first K classes out of the binned fit (default 0)\n"
    "  --unit-ns U       nanoseconds in one unit of the durations (default 10)\n"
    "  --json            one JSON object a file: status, events, tau, tau_error,\n"
    "                    tau_lower, tau_upper, background_fraction,\n"
    "                    background_fraction_error, correlation, chi2, ndf, p_value,\n"
    "                    lattice_step, method, model, tmin, tmax (null when not a number),\n"
    "                    warnings (a list of names); the run's rate: span_s,\n"
    "                    live_time_s, rate_per_hour, rate_per_hour_error, gaps (a list\n"
    "                    of start_s, end_s, length_s from the first record),\n"
    "                    rate_p_value, drift_per_hour, drift_per_hour_error\n"
    "  --rate            also the run's rate as text: mean rate, live time, gaps,\n"
    "                    constancy, drift, and the table of its bins\n"
    "  --details         with --json, also the file, the compared classes, the range\n"
    "                    fitted and the durations (for the validation scripts)\n"
    "  -h, --help        show this help and exit\n"
    "      --version     show the version and exit\n"
    "\n"
    "Numbers are read with '.' or ',' as the decimal mark. A duration (--tmin, --tmax)\n"
    "cannot be negative; --dx, --xmax and --unit-ns must be above 0. Exit status: 0,\n"
    "1 when a file cannot be read or holds a line that is not a record, 2 on a bad option.\n";

namespace {

// The number of an option, named in the error.
long double number(const QString& option, const QString& text) {
    try {
        return fit_number(text);
    } catch (const platform::Error& e) {
        throw platform::Error(option + QStringLiteral(": ") + e.text());
    }
}

// A duration of the window: a number, never below 0.
double duration(const QString& option, const QString& text) {
    const auto v = static_cast<double>(number(option, text));
    if (v < 0) throw platform::Error(option + QStringLiteral(": a duration cannot be negative"));
    return v;
}

// A number that must be above 0.
long double positive(const QString& option, const QString& text) {
    const long double v = number(option, text);
    if (!(static_cast<double>(v) > 0)) throw platform::Error(option + QStringLiteral(": must be above 0"));
    return v;
}

}  // namespace

FitOptions read_options(const QStringList& arguments) {
    FitOptions o;
    bool t_min = false, t_max = false, files_only = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (files_only || !a.startsWith(QLatin1Char('-'))) {
            o.files.append(a);
            continue;
        }
        const auto value = [&]() -> QString {
            if (i + 1 >= arguments.size()) throw platform::Error(a + QStringLiteral(": a value is missing"));
            return arguments[++i];
        };
        if (a == QLatin1String("--")) {
            files_only = true;  // a file name may then start with '-'
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            o.help = true;
        } else if (a == QLatin1String("--version")) {
            o.version = true;
        } else if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("--rate")) {
            o.rate = true;
        } else if (a == QLatin1String("--details")) {
            o.details = true;
        } else if (a == QLatin1String("--tmin")) {
            o.choices.t_min = duration(a, value());
            t_min = true;
        } else if (a == QLatin1String("--tmax")) {
            o.choices.t_max = duration(a, value());
            t_max = true;
        } else if (a == QLatin1String("--dx")) {
            o.dX = positive(a, value());
        } else if (a == QLatin1String("--xmax")) {
            o.x_max = positive(a, value());
        } else if (a == QLatin1String("--unit-ns")) {
            o.choices.unit_ns = static_cast<double>(positive(a, value()));
        } else if (a == QLatin1String("--skip-classes")) {
            const QString v = value();
            try {
                o.choices.skipped_classes = platform::str_to_int(v);
            } catch (const platform::Error& e) {
                throw platform::Error(a + QStringLiteral(": ") + e.text());
            }
            if (o.choices.skipped_classes < 0) throw platform::Error(a + QStringLiteral(": must be 0 or more"));
        } else if (a == QLatin1String("--model")) {
            const QString v = value();
            if (v != QLatin1String("exp+flat") && v != QLatin1String("exp")) {
                throw platform::Error(QStringLiteral("--model: '%1' is neither exp+flat nor exp").arg(v));
            }
            o.choices.model = v == QLatin1String("exp") ? fit::Model::exp_only : fit::Model::exp_flat;
        } else if (a == QLatin1String("--method")) {
            const QString v = value();
            if (v != QLatin1String("unbinned") && v != QLatin1String("binned")) {
                throw platform::Error(QStringLiteral("--method: '%1' is neither unbinned nor binned").arg(v));
            }
            o.choices.method = v == QLatin1String("binned") ? fit::Method::binned : fit::Method::unbinned;
        } else {
            throw platform::Error(QStringLiteral("unknown option '%1'").arg(a));
        }
    }
    if (!t_min) o.choices.t_min = static_cast<double>(o.dX);
    if (!t_max) o.choices.t_max = static_cast<double>(o.x_max);
    if (o.files.isEmpty() && !o.help && !o.version) throw platform::Error(QStringLiteral("no data file given"));
    return o;
}
