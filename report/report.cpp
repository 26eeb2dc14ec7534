#include "report/report.h"

#include "analysis/run_times.h"
#include "fit/run/run_analysis.h"
#include "fit/run/run_file.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QCryptographicHash>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kTitleLines = 4;    // the main window shows the file's first four lines
constexpr int kConvergence = 10;  // points of the convergence as the run grows

// The first lines of the file, decoded as the whole file is.
QStringList first_lines(QByteArrayView bytes, int count) {
    const QByteArrayView text = platform::without_mark(bytes);
    qsizetype end = 0;
    for (int lines = 0; end < text.size() && lines <= count; ++end) {
        if (text[end] == '\n' || (text[end] == '\r' && (end + 1 >= text.size() || text[end + 1] != '\n'))) ++lines;
    }
    QString decoded;
    platform::decode_part(text.first(end), platform::text_encoding(text), decoded);
    QStringList lines = platform::split_lines(decoded);
    if (lines.size() > count) lines.erase(lines.begin() + count, lines.end());
    return lines;
}

fit::Request with_counts(fit::Request request, std::span<const double> durations, std::vector<std::int32_t>& counts) {
    counts = fit::class_counts(durations, request.classes.dX, request.classes.n_classe);
    request.durations = durations;
    request.classes.counts = counts;
    return request;
}

// The run fitted as it grew: its first k tenths of records, k = 1 .. 10.
std::vector<ConvergencePoint> growing_fits(const fit::Request& request, std::span<const double> durations,
                                           double histogram_tau) {
    std::vector<ConvergencePoint> points;
    std::vector<std::int32_t> counts;
    for (int k = 1; k <= kConvergence; ++k) {
        const auto n = durations.size() * static_cast<std::size_t>(k) / kConvergence;
        if (n == 0 || (!points.empty() && points.back().records == static_cast<double>(n))) continue;
        const fit::Result r = fit::fit_lifetime(with_counts(request, durations.first(n), counts));
        const bool converged = r.status == fit::Status::converged;
        points.push_back({static_cast<double>(n), r.events, converged ? r.tau : fit::kNone,
                          converged ? fit::interval_error(r) : fit::kNone,
                          k == kConvergence ? histogram_tau : fit::kNone});
    }
    return points;
}

// An argument of a command line as a POSIX shell reads it back.
QString shell_word(const QString& word) {
    static const QString plain = QStringLiteral("+-_./,:=@%");
    const bool safe = !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) {
        return (c.unicode() < 128 && c.isLetterOrNumber()) || plain.contains(c);
    });
    if (safe) return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString number(double value) { return platform::general(value, QLatin1Char('.')); }

QString latin(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

}  // namespace

QString sha256_hex(QByteArrayView bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

ReportRun report_run(const RunReport& report, const QString& file, QByteArrayView bytes, const QStringList& comment,
                     const std::vector<ExcludedSpan>& excluded, RecordStore& store, ClassTable& table) {
    ReportRun run;
    run.file = file;
    run.sha256 = sha256_hex(bytes);
    run.title_lines = first_lines(bytes, kTitleLines);
    run.comment = comment;
    run.excluded = excluded;
    table = ClassTable();
    run.load = charge_les_octets(bytes, report.classes, store, table);
    const PasseDesLignes& pass = run.load.enregistrements;
    // The one analysis of a run, the records in the spans left out; the report
    // holds every run's kept records, all of them when none is left out.
    RunAnalysis analysis =
        analyse_run(loaded_run(store, table, pass), RunAnalysisChoices{report.choices, report.unit_typed, true, {}},
                    excluded);
    run.unit_ns = analysis.choices.unit_ns;
    run.rate = std::move(*analysis.rate);
    run.result = analysis.result;
    run.scan = std::move(*analysis.scan);
    run.forecast = analysis.forecast;
    if (analysis.kept) {
        run.kept = std::move(*analysis.kept);
        run.counts = std::move(analysis.counts);
    } else {
        run.kept = keep_outside(analysis.request.durations, secondes_des_enregistrements(store),
                                heure_de_l_origine_s(pass.origine_temps), {},
                                {pass.comptages.secondes, pass.comptages.muons});
        run.counts.assign(analysis.request.classes.counts.begin(), analysis.request.classes.counts.end());
    }
    // Runs fitted together take a file past the window's capacity whole.
    if (pass.capacite_depassee) run.whole = kept_records(run_file_of_bytes(file, bytes), excluded);
    fit::Request request = analysis.request;
    request.durations = run.kept.durations;
    request.classes.counts = run.counts;
    run.histogram = histogram_view(request, run.result);
    const double histogram_tau =
        run.load.classes.chiffres ? static_cast<double>(run.load.classes.chiffres->tau) : fit::kNone;
    run.convergence = growing_fits(request, run.kept.durations, histogram_tau);
    return run;
}

void combine(RunReport& report) {
    if (!report.combined || report.runs.empty()) return;
    std::vector<double> format_units;
    for (const ReportRun& r : report.runs) format_units.push_back(r.load.enregistrements.unite_ns);
    // Runs whose formats give different units are not fitted together.
    const RunsUnit unit = runs_unit(format_units, report.choices.unit_ns, report.unit_typed);
    if (!unit.other.empty() || !unit.unknown.empty()) return;
    report.combined_unit_ns = unit.unit_ns;
    fit::Request request =
        combined_request(report.choices, report.classes.dX, report.runs.front().load.classes.n_classe, unit.unit_ns);
    report.combination = combine_kept(request, runs_to_combine(report));
    // One histogram of every run's records, drawn with the common fit.
    std::vector<double> durations;
    for (const ReportRun& r : report.runs) {
        const KeptRecords& kept = r.whole ? *r.whole : r.kept;
        durations.insert(durations.end(), kept.durations.begin(), kept.durations.end());
    }
    std::vector<std::int32_t> counts;
    report.combined_histogram = histogram_view(with_counts(request, durations, counts), report.combination->combined);
}

std::vector<RunToCombine> runs_to_combine(const RunReport& report) {
    std::vector<RunToCombine> runs;
    for (const ReportRun& r : report.runs) {
        const KeptRecords& kept = r.whole ? *r.whole : r.kept;
        runs.push_back({r.file, &kept, excluded_note(r.excluded, kept.excluded)});
    }
    return runs;
}

QString reproduce_line(const RunReport& report) {
    QStringList words{QStringLiteral("vorns-fit")};
    for (const ReportRun& run : report.runs) words << shell_word(run.file);
    const FitChoices& c = report.choices;
    words << QStringLiteral("--dx") << number(static_cast<double>(report.classes.dX)) << QStringLiteral("--xmax")
          << number(static_cast<double>(report.classes.x_max)) << QStringLiteral("--tmin") << number(c.t_min)
          << QStringLiteral("--tmax") << number(c.t_max) << QStringLiteral("--model") << latin(fit::name(c.model))
          << QStringLiteral("--method") << latin(fit::name(c.method));
    if (c.method == fit::Method::binned && c.skipped_classes > 0) {
        words << QStringLiteral("--skip-classes") << platform::decimal(c.skipped_classes);
    }
    if (report.unit_typed && std::isfinite(c.unit_ns)) words << QStringLiteral("--unit-ns") << number(c.unit_ns);
    if (fit::is_capture_model(c.model)) {
        words << QStringLiteral("--material") << number(c.muons.tau_minus_ns);
        if (c.model == fit::Model::mu_capture) words << QStringLiteral("--rho") << number(c.muons.rho);
    }
    words << QStringLiteral("--precision") << number(c.precision * 100);
    if (report.combined) words << QStringLiteral("--combine");
    for (const ReportRun& run : report.runs) {
        for (const ExcludedSpan& s : run.excluded) {
            words << QStringLiteral("--exclude") << shell_word(run.file + QLatin1Char('@') + excluded_span_option(s));
        }
    }
    return words.join(QLatin1Char(' '));
}
