#include "cli/options.h"

#include "platform/errors.h"
#include "platform/numbers.h"

#include <QCoreApplication>

#include <cmath>

const char* const kFitUsage =
    QT_TRANSLATE_NOOP("vorns_fit",
                      "Usage: vorns-fit FILE... [OPTION]...\n"
                      "Fits the lifetime of the records of each data file, read as vorns reads it,\n"
                      "and prints the results the fit window shows.\n"
                      "\n"
                      "  --tmin T          lower end of the fit's window (default: dX; for a file\n"
                      "                    whose unit is known, 100 ns or its shortest duration,\n"
                      "                    rounded up to a whole number of classes)\n"
                      "  --tmax T          upper end of the fit's window (default: X max; for a file\n"
                      "                    whose unit is known, the gate's end: its longest duration\n"
                      "                    rounded up to two significant digits, 20 us without one)\n"
                      "  --model M         exp+flat (exponential plus flat background, default), exp,\n"
                      "                    mu-capture (the free muon's lifetime, tau+, beside the\n"
                      "                    negative muons captured in matter) or charge-ratio (N+/N-\n"
                      "                    with both lifetimes fixed); these two need a unit (--unit-ns\n"
                      "                    or the file's format) and the unbinned method\n"
                      "  --material M      the negative muons' material: carbon (2026.3 ns, default),\n"
                      "                    oxygen (1795.4 ns) or their lifetime in ns\n"
                      "  --rho R           the charge ratio N+/N- mu-capture takes (default 1.27)\n"
                      "  --method M        unbinned (default) or binned (the histogram's classes)\n"
                      "  --dx W            class width dX (default 10; for a file whose unit is known,\n"
                      "                    a 200th of X max or more: 1, 2 or 5 x 10^k ns, a whole\n"
                      "                    number of steps of the durations' clock)\n"
                      "  --xmax X          X max: the histogram shows X max / dX classes (default 800;\n"
                      "                    for a file whose unit is known, the gate's end)\n"
                      "  --skip-classes K  leave the first K classes out of the binned fit (default 0)\n"
                      "  --unit-ns U       nanoseconds in one unit of the durations (default: the\n"
                      "                    unit the file's format gives, 1 for two-integers, 1000\n"
                      "                    for decay-lines; else none, no time line)\n"
                      "  --precision P     the relative precision on tau of the forecast, in %,\n"
                      "                    above 0 and below 100 (default 1)\n"
                      "  --scan            the stability of tau: the fit made again with t min stepped\n"
                      "                    up over about two lifetimes, as a table (with --json, the key\n"
                      "                    stability)\n"
                      "  --json            one JSON object a file: status, events, tau, tau_error,\n"
                      "                    tau_lower, tau_upper, background_fraction,\n"
                      "                    background_fraction_error, correlation, tau_free, tau_minus,\n"
                      "                    rho, rho_error, rho_lower, rho_upper, chi2, ndf, p_value,\n"
                      "                    lattice_step, method, model, tmin, tmax, gf, gf_error,\n"
                      "                    forecast_hours (null when not a number), warnings (a list\n"
                      "                    of names); the run's rate: span_s, live_time_s,\n"
                      "                    rate_per_hour, rate_per_hour_error, gaps (a list of\n"
                      "                    start_s, end_s, length_s from the first record),\n"
                      "                    rate_p_value, drift_per_hour, drift_per_hour_error\n"
                      "  --rate            also the run's rate as text: mean rate, live time, gaps,\n"
                      "                    constancy, drift, and the table of its bins\n"
                      "  --combine         the runs of all the files fitted together (one likelihood,\n"
                      "                    the sum of theirs): a table of the runs (events in the\n"
                      "                    window, span, live time, rate, tau of the run alone), the\n"
                      "                    combined fit and the runs' consistency (chi2, ndf,\n"
                      "                    p-value, Birge ratio); with --json one object with the\n"
                      "                    keys runs and consistency\n"
                      "  --exclude FILE@START-END\n"
                      "                    leave out of the fit and of the live time the records of\n"
                      "                    FILE whose time of day lies from START to END (hh:mm:ss,\n"
                      "                    with a day after the time origin's: +1/hh:mm:ss); may be\n"
                      "                    given more than once; with --combine only\n"
                      "  --report OUT.pdf  also write the run report to OUT.pdf (A4, or Letter in a\n"
                      "                    locale that uses it): the files with their SHA-256, the\n"
                      "                    figures, the fit, the stability, the rate, the runs'\n"
                      "                    consistency with --combine, the plots and the command\n"
                      "                    line that gives the same fit\n"
                      "  --follow          follow the one FILE as it grows, as vorns's window does:\n"
                      "                    at every refresh period it is read again when it changed,\n"
                      "                    and one line a reload is printed (with --json one object a\n"
                      "                    line, with the key alarm); a run that stopped bringing\n"
                      "                    records is said on stderr and by a desktop notification\n"
                      "                    where one is reachable; ends on SIGINT or SIGTERM\n"
                      "  --period S        the refresh period of --follow in seconds (default 5)\n"
                      "  --names TEXT, --group TEXT, --course TEXT, --setup TEXT, --note TEXT\n"
                      "                    with --report: who made the measurement, their group,\n"
                      "                    the course, the set-up and a free note, on the report's\n"
                      "                    first page (one left out or empty is not shown)\n"
                      "  --daq KEY=VALUE   a choice of the settings file qrt_vorn.daq, over the file's:\n"
                      "                    single_channel, double_channel (0 to 3), veto_channel (0 to 3\n"
                      "                    or none) and min_decay_ns, max_decay_ns for a DAQ card's raw\n"
                      "                    stream; dated_decay_lines (local or utc); may be given more\n"
                      "                    than once\n"
                      "  --details         with --json, also the file, the compared classes, the range\n"
                      "                    fitted and the durations (for the validation scripts)\n"
                      "  -h, --help        show this help and exit\n"
                      "      --version     show the version and exit\n"
                      "\n"
                      "Numbers are read with '.' or ',' as the decimal mark. A duration (--tmin, --tmax)\n"
                      "cannot be negative; --dx, --xmax, --unit-ns, --material and --rho must be above\n"
                      "0. The values given are in the unit of the file's durations. Exit status: 0,\n"
                      "1 when a file cannot be read, holds no record or a line that is not a record,\n"
                      "2 on a bad option (mu-capture or charge-ratio without a unit, a window whose\n"
                      "t min is not below its t max, runs of --combine in different or unknown\n"
                      "units, the same file twice).\n");

namespace {

// vorns-fit's texts in the program's language (platform/translations.h).
struct FitCliText {
    Q_DECLARE_TR_FUNCTIONS(vorns_fit)
};

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
    if (v < 0) throw platform::Error(FitCliText::tr("%1: a duration cannot be negative").arg(option));
    return v;
}

// A number that must be above 0.
long double positive(const QString& option, const QString& text) {
    const long double v = number(option, text);
    if (!(static_cast<double>(v) > 0)) throw platform::Error(FitCliText::tr("%1: must be above 0").arg(option));
    return v;
}

fit::Model model(const QString& text) {
    for (const fit::Model m : fit::kModels) {
        const std::string_view name = fit::name(m);
        if (text == QLatin1String(name.data(), static_cast<qsizetype>(name.size()))) return m;
    }
    throw platform::Error(
        FitCliText::tr("--model: '%1' is none of exp+flat, exp, mu-capture and charge-ratio").arg(text));
}

// carbon, oxygen, or a lifetime in ns.
double material(const QString& option, const QString& text) {
    if (text == QLatin1String("carbon")) return fit::kCarbonLifetimeNs;
    if (text == QLatin1String("oxygen")) return fit::kOxygenLifetimeNs;
    try {
        static_cast<void>(fit_number(text));
    } catch (const platform::Error&) {
        throw platform::Error(FitCliText::tr("%1: '%2' is none of the known materials, carbon and oxygen, nor the "
                                             "negative muons' lifetime in ns")
                                  .arg(option, text));
    }
    return static_cast<double>(positive(option, text));
}

}  // namespace

void check_capture_unit(const FitChoices& choices) {
    if (!fit::is_capture_model(choices.model) || std::isfinite(choices.unit_ns)) return;
    const std::string_view name = fit::name(choices.model);
    throw platform::Error(FitCliText::tr("--model %1 needs --unit-ns, the nanoseconds in one unit of the durations")
                              .arg(QLatin1String(name.data(), static_cast<qsizetype>(name.size()))));
}

FitOptions read_options(const QStringList& arguments) {
    FitOptions o;
    bool t_min = false, t_max = false, files_only = false;
    QString fields;  // the last of the report's fields given
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (files_only || !a.startsWith(QLatin1Char('-'))) {
            o.files.append(a);
            continue;
        }
        const auto value = [&]() -> QString {
            if (i + 1 >= arguments.size()) throw platform::Error(FitCliText::tr("%1: a value is missing").arg(a));
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
        } else if (a == QLatin1String("--combine")) {
            o.combine = true;
        } else if (a == QLatin1String("--daq")) {
            o.daq.append(value());
        } else if (a == QLatin1String("--exclude")) {
            const QString v = value();
            const qsizetype at = v.lastIndexOf(QLatin1Char('@'));
            if (at <= 0) throw platform::Error(FitCliText::tr("%1: '%2' is no FILE@START-END").arg(a, v));
            try {
                o.exclusions.append({v.left(at), read_excluded_span(v.mid(at + 1))});
            } catch (const platform::Error& e) {
                throw platform::Error(a + QStringLiteral(": ") + e.text());
            }
        } else if (a == QLatin1String("--report")) {
            // An empty name (a script's unset variable) is said, not taken as no report.
            o.report = value();
            if (o.report.isEmpty()) throw platform::Error(FitCliText::tr("%1: the file name is empty").arg(a));
        } else if (a == QLatin1String("--follow")) {
            o.follow = true;
        } else if (a == QLatin1String("--period")) {
            o.period_s = static_cast<double>(positive(a, value()));
        } else if (QString* field = a == QLatin1String("--names")    ? &o.fields.names
                                    : a == QLatin1String("--group")  ? &o.fields.group
                                    : a == QLatin1String("--course") ? &o.fields.course
                                    : a == QLatin1String("--setup")  ? &o.fields.setup
                                    : a == QLatin1String("--note")   ? &o.fields.note
                                                                     : nullptr) {
            *field = value();
            fields = a;
        } else if (a == QLatin1String("--scan")) {
            o.scan = true;
        } else if (a == QLatin1String("--precision")) {
            const long double percent = positive(a, value());
            if (!(percent < 100)) throw platform::Error(FitCliText::tr("%1: must be below 100").arg(a));
            o.choices.precision = static_cast<double>(percent / 100);
        } else if (a == QLatin1String("--tmin")) {
            o.choices.t_min = duration(a, value());
            o.given.t_min = o.choices.t_min;
            t_min = true;
        } else if (a == QLatin1String("--tmax")) {
            o.choices.t_max = duration(a, value());
            o.given.t_max = o.choices.t_max;
            t_max = true;
        } else if (a == QLatin1String("--dx")) {
            o.dX = positive(a, value());
            o.given.dX = static_cast<double>(o.dX);
        } else if (a == QLatin1String("--xmax")) {
            o.x_max = positive(a, value());
            o.given.x_max = static_cast<double>(o.x_max);
        } else if (a == QLatin1String("--unit-ns")) {
            o.choices.unit_ns = static_cast<double>(positive(a, value()));
            o.unit_typed = true;
        } else if (a == QLatin1String("--skip-classes")) {
            const QString v = value();
            try {
                o.choices.skipped_classes = platform::str_to_int(v);
            } catch (const platform::Error& e) {
                throw platform::Error(a + QStringLiteral(": ") + e.text());
            }
            if (o.choices.skipped_classes < 0) throw platform::Error(FitCliText::tr("%1: must be 0 or more").arg(a));
        } else if (a == QLatin1String("--model")) {
            o.choices.model = model(value());
        } else if (a == QLatin1String("--material")) {
            o.choices.muons.tau_minus_ns = material(a, value());
        } else if (a == QLatin1String("--rho")) {
            o.choices.muons.rho = static_cast<double>(positive(a, value()));
        } else if (a == QLatin1String("--method")) {
            const QString v = value();
            if (v != QLatin1String("unbinned") && v != QLatin1String("binned")) {
                throw platform::Error(FitCliText::tr("--method: '%1' is neither unbinned nor binned").arg(v));
            }
            o.choices.method = v == QLatin1String("binned") ? fit::Method::binned : fit::Method::unbinned;
        } else {
            throw platform::Error(FitCliText::tr("unknown option '%1'").arg(a));
        }
    }
    // The capture models know their lifetimes in ns only: without the unit they cannot be fitted.
    // A file's format may give it: that is checked once the files are read.
    if (fit::is_capture_model(o.choices.model) && !o.help && !o.version) {
        const std::string_view name = fit::name(o.choices.model);
        const QString model = QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
        if (o.choices.method == fit::Method::binned) {
            throw platform::Error(FitCliText::tr("--model %1 is fitted by the unbinned --method only").arg(model));
        }
    }
    if (!fields.isEmpty() && o.report.isEmpty() && !o.help && !o.version) {
        throw platform::Error(FitCliText::tr("%1 is taken with --report").arg(fields));
    }
    if (!o.exclusions.isEmpty() && !o.combine && !o.help && !o.version) {
        throw platform::Error(FitCliText::tr("--exclude is taken with --combine (one file: FILE --combine)"));
    }
    if (o.follow && !o.help && !o.version) {
        if (o.files.size() != 1) throw platform::Error(FitCliText::tr("--follow follows one file"));
        if (o.combine || !o.report.isEmpty()) {
            throw platform::Error(FitCliText::tr("--follow is taken without --combine and --report"));
        }
    }
    if (!t_min) o.choices.t_min = static_cast<double>(o.dX);
    if (!t_max) o.choices.t_max = static_cast<double>(o.x_max);
    if (o.files.isEmpty() && !o.help && !o.version) throw platform::Error(FitCliText::tr("no data file given"));
    if (t_min && t_max && !o.help && !o.version) check_window(o, {0, 0, o.choices.t_min, o.choices.t_max});
    return o;
}

DurationChoices file_durations(const FitOptions& o, double unit_ns, const DurationsSeen& seen) {
    return duration_choices(unit_ns, seen, o.given);
}

void check_window(const FitOptions& o, const DurationChoices& c) {
    if (c.t_min < c.t_max) return;
    const auto said = [](const std::optional<double>& given, const char* option, double value) {
        const QString v = platform::general(value, QLatin1Char('.'));
        return given ? QLatin1String(option) + QLatin1Char(' ') + v
                     : FitCliText::tr("%1 %2 (chosen for the file)").arg(QLatin1String(option + 2), v);
    };
    throw platform::Error(FitCliText::tr("%1 is not below %2: the window is refused")
                              .arg(said(o.given.t_min, "--tmin", c.t_min), said(o.given.t_max, "--tmax", c.t_max)));
}

std::vector<ExcludedSpan> excluded_spans(const FitOptions& o, const QString& file) {
    std::vector<ExcludedSpan> spans;
    for (const FileExclusion& e : o.exclusions) {
        if (e.file == file) spans.push_back(e.span);
    }
    return spans;
}
