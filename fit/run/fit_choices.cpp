#include "fit/run/fit_choices.h"

#include "fit/text/fit_text.h"
#include "settings/key_values.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cfloat>
#include <cmath>

const QString FICHIER_AJUSTEMENT = QStringLiteral("qrt_vorn.fit");

namespace {

// The keys of the file, one `key=value` line each.
const QString kTMin = QStringLiteral("t_min");
const QString kTMax = QStringLiteral("t_max");
const QString kModel = QStringLiteral("model");
const QString kMethod = QStringLiteral("method");
const QString kUnitNs = QStringLiteral("unit_ns");  // empty: none given
const QString kLogCounts = QStringLiteral("log_counts");
const QString kPrecision = QStringLiteral("precision");
const QString kTauMinusNs = QStringLiteral("tau_minus_ns");
const QString kRho = QStringLiteral("rho");
// The runs an earlier version added to whatever file was followed (now kept
// for each followed file: fit/run/added_runs_store.h): the paths,
// percent-encoded, between blanks. Kept until that store takes them.
const QString kAddedRuns = QStringLiteral("added_runs");

// The unit an earlier version wrote when the user had given none.
constexpr double kEarlierDefaultUnit = 10;

QString name_text(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The settings of a file of numbered lines, as an earlier version wrote it:
// 1 t min, 2 t max, 3 model, 4 method, 5 the unit (written 10 when none was
// given), 6 log count axis, 10 the unit the user gave (empty: none), 11 the
// negative muons' lifetime, 12 the charge ratio, 13 the forecast's
// precision, 14 the added runs. A shorter file has no line past its end.
KeyValues from_numbered_lines(const QStringList& lines) {
    const auto line = [&lines](int n) { return n <= lines.size() ? lines.at(n - 1) : QString(); };
    KeyValues r;
    const std::pair<const QString*, int> keys[] = {{&kTMin, 1},      {&kTMax, 2},       {&kModel, 3},
                                                   {&kMethod, 4},    {&kLogCounts, 6},  {&kTauMinusNs, 11},
                                                   {&kRho, 12},      {&kPrecision, 13}, {&kAddedRuns, 14}};
    for (const auto& [key, n] : keys) {
        if (!line(n).isEmpty()) r.insert(*key, line(n));
    }
    QString unit = line(10);
    if (unit.isEmpty() && line(5) != platform::general(kEarlierDefaultUnit, QLatin1Char('.'))) unit = line(5);
    r.insert(kUnitNs, unit);
    return r;
}

// The file's settings, from either form; none when it is missing.
KeyValues read_settings(WriteFailures* echecs) {
    const QStringList lines = lit_lignes(FICHIER_AJUSTEMENT, echecs);
    const bool by_key = std::any_of(lines.begin(), lines.end(),
                                    [](const QString& l) { return l.contains(QLatin1Char('=')); });
    if (!by_key && !lines.isEmpty()) return from_numbered_lines(lines);
    return key_values_of_lines(lines);
}

// The keys given set, the others kept as they were: one write.
void write_settings(const KeyValues& changed, WriteFailures& echecs) {
    KeyValues r = read_settings(nullptr);
    for (auto it = changed.cbegin(); it != changed.cend(); ++it) r.insert(it.key(), it.value());
    ecrit_lignes(FICHIER_AJUSTEMENT, lines_of_key_values(r), echecs);
}

double number_of(const KeyValues& r, const QString& key, double fallback) {
    const QString text = r.value(key);
    if (text.isEmpty()) return fallback;
    try {
        const double v = static_cast<double>(platform::str_to_float(text, QLatin1Char('.')));
        return std::isfinite(v) ? v : fallback;
    } catch (const platform::Error&) {
        return fallback;  // a hand-edited value: the default, and the next write mends it
    }
}

// A number above 0, or the fallback.
double positive_of(const KeyValues& r, const QString& key, double fallback) {
    const double v = number_of(r, key, fallback);
    return v > 0 ? v : fallback;
}

}  // namespace

long double fit_number(QStringView text) {
    long double v = 0;
    try {
        v = platform::str_to_float(text, QLatin1Char('.'));
    } catch (const platform::Error&) {
        v = platform::str_to_float(text, QLatin1Char(','));
    }
    if (!(std::fabs(v) <= DBL_MAX)) platform::raise_invalid_float(text.toString());
    return v;
}

FitChoices lit_choix_ajustement(const FitChoices& defaults, WriteFailures* echecs) {
    const KeyValues r = read_settings(echecs);
    FitChoices c = defaults;
    c.t_min = number_of(r, kTMin, defaults.t_min);
    c.t_max = number_of(r, kTMax, defaults.t_max);
    for (const fit::Model m : fit::kModels) {
        if (r.value(kModel) == name_text(fit::name(m))) c.model = m;
    }
    for (const fit::Method m : {fit::Method::binned, fit::Method::unbinned}) {
        if (r.value(kMethod) == name_text(fit::name(m))) c.method = m;
    }
    const QString log = r.value(kLogCounts);
    if (log == QLatin1String("1") || log == QLatin1String("0")) c.log_counts = log == QLatin1String("1");
    // The forecast's precision: a fraction above 0 and below 1.
    const double p = number_of(r, kPrecision, defaults.precision);
    c.precision = p > 0 && p < 1 ? p : defaults.precision;
    c.unit_ns = positive_of(r, kUnitNs, defaults.unit_ns);
    c.muons.tau_minus_ns = positive_of(r, kTauMinusNs, defaults.muons.tau_minus_ns);
    c.muons.rho = positive_of(r, kRho, defaults.muons.rho);
    return c;
}

void ecrit_choix_ajustement(const FitChoices& c, WriteFailures& echecs) {
    const QChar point = QLatin1Char('.');
    write_settings({{kTMin, platform::general(c.t_min, point)},
                    {kTMax, platform::general(c.t_max, point)},
                    {kModel, name_text(fit::name(c.model))},
                    {kMethod, name_text(fit::name(c.method))},
                    {kUnitNs, std::isfinite(c.unit_ns) ? platform::general(c.unit_ns, point) : QString()},
                    {kLogCounts, c.log_counts ? QStringLiteral("1") : QStringLiteral("0")},
                    {kPrecision, platform::general(c.precision, point)},
                    {kTauMinusNs, platform::general(c.muons.tau_minus_ns, point)},
                    {kRho, platform::general(c.muons.rho, point)}},
                   echecs);
}

QStringList lit_runs_ajoutes(WriteFailures* echecs) {
    QStringList fichiers;
    for (const QString& mot : read_settings(echecs).value(kAddedRuns).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        fichiers << chemin_de_ligne(mot);
    }
    return fichiers;
}

fit::Request fit_request(const RecordStore& store, const ClassTable& table, const FitChoices& c) {
    fit::Request q;
    q.durations = store.durations();
    q.t_min = c.t_min;
    q.t_max = c.t_max;
    q.model = c.model;
    q.method = c.method;
    q.unit_ns = c.unit_ns;
    q.muons = c.muons;
    const std::int32_t shown = std::clamp(table.n_classe, 0, NB_CLASSES);
    q.classes = {
        table.largeur_classe, shown, c.skipped_classes, {table.effectif.data(), static_cast<std::size_t>(shown)}};
    return q;
}

QString choices_line(const FitChoices& c) {
    return QCoreApplication::translate("fit_choices", "fenêtre = [%1 ; %2], %3, %4", "t min, t max, model, method")
        .arg(platform::general(c.t_min), platform::general(c.t_max), fit_text::text(c.model), fit_text::text(c.method));
}
